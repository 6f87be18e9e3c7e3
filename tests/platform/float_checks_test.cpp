// The floating-point checks see exactly the arithmetic of their own step.
#include "platform/float_checks.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using kestrivo::platform::checked;

double divide(double a, double b) {
    return a / b;
}
float narrow(double a) {
    return static_cast<float>(a);
}

TEST(float_checks_test, each_kind_of_error_in_the_step_is_a_floating_point_error) {
    const struct {
        double a, b;
        const char* names;
    } failing[] = {
        {1, 0, "Division by zero"}, {0, 0, "Invalid operation"}, {1e308, 1e-308, "Overflow"}};
    for (const auto& c : failing) {
        try {
            checked("the test step", divide, c.a, c.b);
            ADD_FAILURE() << c.a << " / " << c.b;
        } catch (const kestrivo::platform::RuntimeError& e) {
            EXPECT_EQ(e.kind(), kestrivo::platform::ErrorKind::FloatingPoint);
            EXPECT_EQ(std::string(e.what()), std::string(c.names) + " in the test step.");
        }
    }
    EXPECT_THROW(checked("a narrowing", narrow, 1e39), kestrivo::platform::RuntimeError);
    // Inexact results and underflow are not errors.
    EXPECT_EQ(checked("a quotient", divide, 1.0, 3.0), 1.0 / 3.0);
    EXPECT_EQ(checked("a tiny quotient", divide, 1e-300, 1e300), 0.0);
}

TEST(float_checks_test, flags_raised_before_the_step_do_not_count_and_the_step_is_not_folded) {
    // Constant operands: if the compiler folded the division or moved it out from between the
    // flag calls, no flag would be seen at run time and the first check would pass.
    EXPECT_THROW(checked("a constant division", divide, 1.0, 0.0),
                 kestrivo::platform::RuntimeError);
    volatile double zero = 0.0;
    const double nan = zero / zero;  // raises invalid before the checked step
    EXPECT_TRUE(std::isnan(nan));
    EXPECT_NO_THROW(checked("a clean step", divide, 6.0, 3.0));
    // A quiet NaN passes through arithmetic without a flag.
    EXPECT_NO_THROW(checked("a NaN operand", divide, nan, 2.0));
}

}  // namespace
