// Polynomial roots against roots known by construction: simple, repeated, at the interval's
// ends, outside it, with a leading coefficient near zero, and a polynomial that is zero.
#include "analysis/polynomial_roots.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using kestrivo::analysis::Polynomial;
using kestrivo::analysis::roots_in;

// The product of (x - r) over `roots`, times `scale`.
Polynomial from_roots(const std::vector<double>& roots, double scale = 1) {
    Polynomial p{scale};
    for (double r : roots)
        p = p * Polynomial{-r, 1};
    return p;
}

TEST(polynomial_roots_test, finds_every_root_in_the_interval_and_no_other) {
    const struct {
        const char* what;
        Polynomial p;
        double lo, hi;
        std::vector<double> expected;
        double tolerance;
    } cases[] = {
        {"line", Polynomial{-0.3, 1}, 0, 1, {0.3}, 1e-15},
        {"line outside", Polynomial{-3, 1}, 0, 1, {}, 0},
        {"quadratic, both roots", from_roots({0.2, 0.7}), 0, 1, {0.2, 0.7}, 1e-15},
        {"quadratic, one in range", from_roots({-0.5, 0.7}), 0, 1, {0.7}, 1e-15},
        {"quadratic without real roots", Polynomial{1, 0, 1}, -5, 5, {}, 0},
        {"cubic", from_roots({0.1, 0.45, 0.8}, 3), 0, 1, {0.1, 0.45, 0.8}, 1e-14},
        {"cubic, roots at both ends", from_roots({0, 0.5, 1}), 0, 1, {0, 0.5, 1}, 1e-15},
        {"quintic, close roots",
         from_roots({0.3, 0.301, 0.5, 0.7, 0.9}, -2),
         0.01,
         0.99,
         {0.3, 0.301, 0.5, 0.7, 0.9},
         1e-12},
        {"quintic, roots outside", from_roots({-1, 0.25, 0.6, 2, 3}), 0, 1, {0.25, 0.6}, 1e-13},
        {"cubic with a leading coefficient near zero",
         Polynomial{-0.5, 1, 0, 1e-18},
         0,
         1,
         {0.5},
         1e-15},
        {"quartic that is a line in range", Polynomial{-0.25, 1, 0, 0, 1e-17}, 0, 1, {0.25}, 1e-15},
        {"constant", Polynomial{2}, 0, 1, {}, 0},
        {"zero everywhere", Polynomial{0, 0, 0}, 0, 1, {}, 0},
        {"empty interval", from_roots({0.5}), 1, 0, {}, 0},
    };
    for (const auto& c : cases) {
        const auto roots = roots_in(c.p, c.lo, c.hi);
        const std::vector<double> found(roots.begin(), roots.end());
        ASSERT_EQ(found.size(), c.expected.size()) << c.what;
        for (std::size_t i = 0; i < found.size(); ++i)
            EXPECT_NEAR(found[i], c.expected[i], c.tolerance) << c.what << ", root " << i;
    }
}

// A repeated root is a root only to about the square root of the rounding. Where the polynomial
// crosses zero (odd multiplicity) a root is found near it; where it only touches zero (even
// multiplicity, no sign change: an inflection of the profile whose slope it is, never its
// maximum) one may be found or not; and nothing is found away from a true root.
TEST(polynomial_roots_test, repeated_roots_are_found_near_where_they_are) {
    const struct {
        std::vector<double> roots;
        std::vector<double> crossing;  // the roots of odd multiplicity
        double tolerance;              // about the rounding to the power 1 / multiplicity
    } cases[] = {
        {{0.5, 0.5, 0.2}, {0.2}, 1e-6},
        {{0.3, 0.3, 0.3, 0.8}, {0.3, 0.8}, 1e-4},
        {{0.6, 0.6, 0.1, 0.1}, {}, 1e-6},
        {{0.4, 0.4, 0.4, 0.4, 0.4}, {0.4}, 3e-3},
    };
    const auto distance = [](double x, const auto& to) {
        double nearest = INFINITY;
        for (double r : to)
            nearest = std::fmin(nearest, std::fabs(x - r));
        return nearest;
    };
    for (const auto& c : cases) {
        const auto found = roots_in(from_roots(c.roots), 0, 1);
        for (double x : found)
            EXPECT_LT(distance(x, c.roots), c.tolerance) << x;
        for (double r : c.crossing)
            EXPECT_LT(distance(r, found), c.tolerance) << r;
        for (std::size_t i = 1; i < found.count; ++i)
            EXPECT_LT(found.x[i - 1], found.x[i]);
    }
}

TEST(polynomial_roots_test, arithmetic_keeps_its_coefficients) {
    const Polynomial p{1, -3, 0, 2};  // 1 - 3x + 2x^3
    EXPECT_EQ(p.degree(), 3u);
    EXPECT_EQ(p(2), 1 - 6 + 16);
    const auto [value, slope] = p.value_and_slope(2);
    EXPECT_EQ(value, 11);
    EXPECT_EQ(slope, -3 + 24);
    const Polynomial d = p.derivative();
    EXPECT_EQ(d[0], -3);
    EXPECT_EQ(d[1], 0);
    EXPECT_EQ(d[2], 6);
    EXPECT_EQ((p * Polynomial{0, 1})[4], 2);
    EXPECT_EQ((p + Polynomial{0, 3})[1], 0);
    EXPECT_EQ((p * 2.0)[3], 4);
    EXPECT_EQ((Polynomial{5, 0, 0}).degree(), 0u);  // zero leading coefficients are no degree
    EXPECT_TRUE((Polynomial{0, 0}).is_zero());
    Polynomial big;
    for (int i = 0; i < 6; ++i)
        big = big.is_zero() ? Polynomial{1, 1} : big * Polynomial{1, 1};
    EXPECT_THROW(big * big, std::length_error);
}

}  // namespace
