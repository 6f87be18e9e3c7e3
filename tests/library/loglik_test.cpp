// RLOGLIK: the model's worked values, its identities, and what it yields where no probability
// exists.
#include <gtest/gtest.h>

#include <array>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "library/kestrivo.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

double loglik(std::array<int32_t, 4> counts, double p, double s) {
    return RLOGLIK(counts.data(), &p, &s);
}

TEST(loglik_test, worked_examples_and_s_replaced_by_its_share_among_first_sightings) {
    const int32_t counts[4] = {10, 20, 5, 5};
    double p = 0.5, s = 0.5;
    EXPECT_DOUBLE_EQ(RLOGLIK(counts, &p, &s), 20.0 * std::log(1.0 / 16.0));
    EXPECT_NEAR(RLOGLIK(counts, &p, &(s = 0.5)), -55.451774, 5e-7);
    EXPECT_DOUBLE_EQ(s, 2.0 / 3.0);
    EXPECT_EQ(p, 0.5);

    p = 0.6;
    s = 0.2;
    EXPECT_NEAR(RLOGLIK(counts, &p, &s), -51.584126, 5e-7);
    EXPECT_DOUBLE_EQ(s, 5.0 / 17.0);
}

TEST(loglik_test, matches_the_model_evaluated_by_hand_in_the_same_order) {
    const int32_t counts[4] = {29, 36, 54, 48};
    for (double p : {0.01, 0.3, 0.6375, 0.99}) {
        for (double s0 : {0.0, 0.01, 0.4, 0.99}) {
            double s = s0;
            const double got = RLOGLIK(counts, &p, &s);
            const double s1 = s0 / ((1 - s0) * p + s0);
            const double expected =
                std::log((1 - p) * (1 - p) * (1 - s1)) * 29 + std::log(p * p * (1 - s1) + s1) * 36 +
                std::log((1 - s1) * (1 - p) * p) * 54 + std::log((1 - s1) * (1 - p) * p) * 48;
            // The same expression in the same order; within a few ulps, since the compiler may fold
            // the reference's logarithms exactly while the library calls libm's.
            EXPECT_DOUBLE_EQ(got, expected) << "p " << p << " s " << s0;
            EXPECT_EQ(s, s1);
        }
    }
}

TEST(loglik_test, identities_of_the_model) {
    // S = 0: the histories have probabilities (1-P)^2, P^2, P(1-P), P(1-P): 1/4 each at P = 1/2.
    EXPECT_DOUBLE_EQ(loglik({1, 2, 3, 4}, 0.5, 0.0), 10 * std::log(0.25));
    // No dogs: nothing to explain.
    EXPECT_EQ(loglik({0, 0, 0, 0}, 0.3, 0.7), 0.0);
    // The two one-sighting histories share a probability.
    EXPECT_DOUBLE_EQ(loglik({7, 11, 13, 2}, 0.42, 0.17), loglik({7, 11, 2, 13}, 0.42, 0.17));

    // A second call with the same variable is evaluated at S' of the first.
    const int32_t counts[4] = {10, 20, 5, 5};
    double p = 0.5, s = 0.5;
    RLOGLIK(counts, &p, &s);
    const double second = RLOGLIK(counts, &p, &s);
    EXPECT_DOUBLE_EQ(second, loglik({10, 20, 5, 5}, 0.5, 2.0 / 3.0));
    EXPECT_NE(second, loglik({10, 20, 5, 5}, 0.5, 0.5));
}

struct Impossible {
    std::array<int32_t, 4> counts;
    double p, s, expected;
};

TEST(loglik_test, impossible_histories_give_minus_infinity_and_raise_no_flag) {
    const Impossible cases[] = {
        {{1, 5, 0, 0}, 0.5, 1.0, -kInf},   // S = 1: only 1,1,1 can happen
        {{0, 5, 0, 0}, 0.5, 1.0, 0.0},     // ... and only 1,1,1 was seen
        {{0, 5, 0, 1}, 1.0, 0.3, -kInf},   // P = 1: every dog seen again
        {{0, 0, 2, 0}, 0.0, 0.3, -kInf},   // P = 0: never seen again
        {{4, 0, 0, 0}, 0.0, 0.0, -kInf},   // S = P = 0: S' is 0/0
        {{0, 0, 0, 0}, 0.0, 0.0, 0.0},     // ... but no dog needs explaining
        {{1, 1, 1, 1}, 1.5, 0.3, -kInf},   // outside 0..1: a negative probability
        {{1, 1, 1, 1}, 0.5, -1.0, -kInf},  // S' infinite
        {{1, 1, 1, 1}, kNaN, 0.5, -kInf},  // not a number
        {{0, 3, 0, 0}, 0.5, kNaN, -kInf},
    };
    for (const Impossible& c : cases) {
        std::feclearexcept(FE_ALL_EXCEPT);
        const double got = loglik(c.counts, c.p, c.s);
        const int raised = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
        EXPECT_EQ(got, c.expected) << "p " << c.p << " s " << c.s;
        EXPECT_EQ(raised, 0) << "p " << c.p << " s " << c.s;
    }
}

// The header promises -infinity and no flag for any S or P outside 0..1, however far outside:
// huge finite values once overflowed into NaN on the way.
TEST(loglik_test, parameters_outside_zero_to_one_give_minus_infinity_and_raise_no_flag) {
    const double outside[] = {-1e308, -1.0, -1e-300, 1.0 + 1e-15, 1.5, 1e308, kInf, -kInf, kNaN};
    const double inside[] = {0.0, 0.3, 1.0};
    const std::array<int32_t, 4> counts[] = {{1, 2, 3, 4}, {0, 0, 0, 0}, {0, 7, 0, 0}};
    auto expect_minus_infinity = [](std::array<int32_t, 4> c, double p, double s) {
        std::feclearexcept(FE_ALL_EXCEPT);
        const double got = loglik(c, p, s);
        const int raised = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
        EXPECT_EQ(got, -kInf) << "p " << p << " s " << s;
        EXPECT_EQ(raised, 0) << "p " << p << " s " << s;
    };
    for (const auto& c : counts) {
        for (double a : outside) {
            for (double b : outside) {
                expect_minus_infinity(c, a, b);
            }
            for (double b : inside) {
                expect_minus_infinity(c, a, b);
                expect_minus_infinity(c, b, a);
            }
        }
    }
}

TEST(loglik_test, a_negative_count_is_no_frequency_and_gives_nan_quietly) {
    for (const std::array<int32_t, 4> c :
         {std::array<int32_t, 4>{-1, 2, 3, 4}, std::array<int32_t, 4>{5, 5, 5, INT32_MIN}}) {
        std::feclearexcept(FE_ALL_EXCEPT);
        EXPECT_TRUE(std::isnan(loglik(c, 0.4, 0.3)));
        EXPECT_EQ(std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW), 0);
    }
}

}  // namespace
