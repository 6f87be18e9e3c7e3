// The seven-history likelihood against a reference built from a dog's chances under each class
// (written here from the model's definition, in long double), the fits against counts whose
// maximum is known (the expected counts of a known S and P's), the choice between the models,
// and the binomial limits of a block's dogs.
#include "analysis/seven_histories.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using kestrivo::analysis::SevenHistories;

// A dog's chance of seen-on-count pattern (a, b, c): a territorial dog is seen on every count;
// any other on count k with chance P_k. Conditional on being seen at least once.
long double reference_chance(int a, int b, int c, long double s, const std::array<double, 3>& p) {
    const int seen[3] = {a, b, c};
    long double other = 1;
    for (int k = 0; k < 3; ++k)
        other *= seen[k] ? p[std::size_t(k)] : 1 - p[std::size_t(k)];
    const long double territorial = (a && b && c) ? 1 : 0;
    long double never = 1;
    for (int k = 0; k < 3; ++k)
        never *= 1 - p[std::size_t(k)];
    const long double seen_any = s * 1 + (1 - s) * (1 - never);
    return (s * territorial + (1 - s) * other) / seen_any;
}

long double reference_log_likelihood(const SevenHistories& n, double s,
                                     const std::array<double, 3>& p) {
    long double value = 0;
    for (std::size_t h = 0; h < 7; ++h) {
        const auto& q = kestrivo::analysis::kSevenPatterns[h];
        if (n[h] > 0) value += n[h] * std::log(reference_chance(q[0], q[1], q[2], s, p));
    }
    return value;
}

TEST(seven_histories_test, the_likelihood_is_the_dogs_chances_under_each_class) {
    const SevenHistories counts = {12, 30, 7, 9, 5, 4, 6};
    const struct {
        double s;
        std::array<double, 3> p;
    } points[] = {{0.3, {0.4, 0.4, 0.4}},
                  {0, {0.45, 0.3, 0.35}},
                  {0.8, {0.1, 0.9, 0.5}},
                  {0.01, {0.99, 0.02, 0.5}}};
    for (const auto& point : points) {
        EXPECT_NEAR(kestrivo::analysis::seven_log_likelihood(counts, point.s, point.p),
                    double(reference_log_likelihood(counts, point.s, point.p)), 1e-9)
            << point.s;
    }
    // The chances of the seven histories add up to one.
    long double total = 0;
    for (const auto& q : kestrivo::analysis::kSevenPatterns)
        total += reference_chance(q[0], q[1], q[2], 0.2, {0.3, 0.5, 0.7});
    EXPECT_NEAR(double(total), 1.0, 1e-15);
}

// Counts in the proportions a known visibility gives have their maximum at that visibility.
SevenHistories expected(double s, const std::array<double, 3>& p, double dogs) {
    SevenHistories counts{};
    for (std::size_t h = 0; h < 7; ++h) {
        const auto& q = kestrivo::analysis::kSevenPatterns[h];
        counts[h] = std::llround(dogs * double(reference_chance(q[0], q[1], q[2], s, p)));
    }
    return counts;
}

TEST(seven_histories_test, the_fits_find_a_known_visibility_and_choose_between_models) {
    const struct {
        double s;
        std::array<double, 3> p;
        kestrivo::analysis::VisibilityModel chosen;
    } cases[] = {
        {0.3, {0.4, 0.4, 0.4}, kestrivo::analysis::VisibilityModel::constant},
        {0.3, {0.45, 0.30, 0.35}, kestrivo::analysis::VisibilityModel::by_count},
        {0.0, {0.5, 0.25, 0.4}, kestrivo::analysis::VisibilityModel::by_count},
        {0.0, {0.35, 0.35, 0.35}, kestrivo::analysis::VisibilityModel::constant},
    };
    for (const auto& c : cases) {
        const auto counts = expected(c.s, c.p, 2e6);
        const auto fit = kestrivo::analysis::fit_seven_histories(counts, std::nullopt);
        ASSERT_TRUE(fit);
        EXPECT_EQ(fit->chosen, c.chosen) << c.p[0] << " " << c.p[1];
        const auto& best = fit->by_count;
        EXPECT_NEAR(best.S, c.s, 2e-3);
        for (std::size_t k = 0; k < 3; ++k)
            EXPECT_NEAR(best.P[k], c.p[k], 2e-3) << k;
        const double truth = 1 - (1 - c.s) * (1 - c.p[0]) * (1 - c.p[1]) * (1 - c.p[2]);
        EXPECT_NEAR(fit->seen_any, truth, 1e-3);
        // The by-count model holds the constant one: never below it, but for rounding of a log
        // likelihood in the millions.
        EXPECT_GE(best.log_likelihood,
                  fit->constant.log_likelihood - 1e-12 * std::fabs(fit->constant.log_likelihood));
        EXPECT_GE(fit->weight_by_count, 0);
        EXPECT_LE(fit->weight_by_count, 1);
        // A model that holds fits: its test does not reject.
        EXPECT_GT(fit->chosen_fit().gof_p, 0.01);
    }
    // S held, and no one seen.
    const auto held =
        kestrivo::analysis::fit_seven_histories(expected(0.2, {0.4, 0.4, 0.4}, 1e6), 0.2);
    ASSERT_TRUE(held);
    EXPECT_EQ(held->constant.S, 0.2);
    EXPECT_EQ(held->constant.parameters, 1);
    EXPECT_FALSE(kestrivo::analysis::fit_seven_histories({}, std::nullopt));
}

// The limits are where the binomial likelihood of N falls `drop` below its top.
TEST(seven_histories_test, a_blocks_dogs_have_binomial_limits) {
    for (const auto& [count, share] : {std::pair{40, 0.6}, {5, 0.2}, {200, 0.9}, {1, 0.5}}) {
        // Plain copies: a lambda may not capture a structured binding before clang 16.
        const int n = count;
        const double q = share;
        const auto dogs = kestrivo::analysis::binomial_dogs(n, q, 1.92);
        EXPECT_DOUBLE_EQ(dogs.estimate, n / q);
        const auto l = [&](double N) {
            return std::lgamma(N + 1) - std::lgamma(N - n + 1) + n * std::log(q) +
                   (N - n) * std::log1p(-q);
        };
        double top = -INFINITY;
        for (double N = n; N < 20 * n / q + 50; N += 0.01)
            top = std::fmax(top, l(N));
        EXPECT_GE(dogs.lower, n);
        if (dogs.lower > n) {
            EXPECT_NEAR(l(dogs.lower), top - 1.92, 1e-3) << n;
        }
        EXPECT_NEAR(l(dogs.upper), top - 1.92, 1e-3) << n;
        EXPECT_LT(dogs.lower, dogs.estimate);
        EXPECT_GT(dogs.upper, dogs.estimate);
    }
    EXPECT_EQ(kestrivo::analysis::binomial_dogs(0, 0.5, 1.92).estimate, 0);
}

}  // namespace
