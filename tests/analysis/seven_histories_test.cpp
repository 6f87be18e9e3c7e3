// The seven-history likelihoods against references built from a dog's chances under each class
// (written here from the models' definitions, in long double), the fits against counts whose
// maximum is known (the expected counts of a known S and P's), the choice between the models and
// their averaging, and the binomial limits of a block's dogs.
#include "analysis/seven_histories.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

using kestrivo::analysis::SevenHistories;
using kestrivo::analysis::VisibilityModel;

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
        VisibilityModel chosen;
    } cases[] = {
        {0.3, {0.4, 0.4, 0.4}, VisibilityModel::constant},
        {0.3, {0.45, 0.30, 0.35}, VisibilityModel::by_count},
        {0.0, {0.5, 0.25, 0.4}, VisibilityModel::by_count},
        {0.0, {0.35, 0.35, 0.35}, VisibilityModel::constant},
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
        // So does the behaviour model.
        EXPECT_GE(fit->behaviour.log_likelihood,
                  fit->constant.log_likelihood - 1e-12 * std::fabs(fit->constant.log_likelihood));
        EXPECT_GE(fit->weight_by_count, 0);
        EXPECT_GE(fit->weight_behaviour, 0);
        EXPECT_LE(fit->weight_by_count + fit->weight_behaviour, 1);
        // A model that holds fits: its test does not reject.
        EXPECT_GT(fit->chosen_fit().gof_p, 0.01);
    }
    // S held, and no one seen.
    const auto held =
        kestrivo::analysis::fit_seven_histories(expected(0.2, {0.4, 0.4, 0.4}, 1e6), 0.2);
    ASSERT_TRUE(held);
    EXPECT_EQ(held->constant.S, 0.2);
    EXPECT_EQ(held->constant.parameters, 1);
    EXPECT_EQ(held->behaviour.S, 0.2);
    EXPECT_EQ(held->behaviour.parameters, 2);
    EXPECT_EQ(held->by_count.parameters, 3);
    EXPECT_FALSE(kestrivo::analysis::fit_seven_histories({}, std::nullopt));
}

// The behaviour model by brute force: a dog without a territory walks through the three counts,
// seen with chance `first` until it has been seen and with chance `again` after. Its eight
// patterns (bit k: seen on count k + 1), never seen among them.
std::array<long double, 8> behaviour_patterns(long double first, long double again) {
    std::array<long double, 8> chance{};
    for (unsigned bits = 0; bits < 8; ++bits) {
        long double value = 1;
        bool seen_before = false;
        for (unsigned k = 0; k < 3; ++k) {
            const long double p = seen_before ? again : first;
            const bool seen = (bits >> k) & 1u;
            value *= seen ? p : 1 - p;
            seen_before = seen_before || seen;
        }
        chance[bits] = value;
    }
    return chance;
}

struct Behaviour {
    double s, first, again;
};

// The chance of each of the seven histories, conditional on being seen: a territorial dog has
// pattern 111, the others their pattern's chance; the share seen is everything but never seen.
std::array<long double, 7> behaviour_chances(const Behaviour& b) {
    const auto other = behaviour_patterns(b.first, b.again);
    long double seen_any = b.s;
    for (unsigned bits = 1; bits < 8; ++bits)
        seen_any += (1 - b.s) * other[bits];
    std::array<long double, 7> chances{};
    for (std::size_t h = 0; h < 7; ++h) {
        const auto& q = kestrivo::analysis::kSevenPatterns[h];
        const unsigned bits = unsigned(q[0]) | unsigned(q[1]) << 1 | unsigned(q[2]) << 2;
        chances[h] = ((1 - b.s) * other[bits] + (bits == 7 ? b.s : 0)) / seen_any;
    }
    return chances;
}

long double reference_behaviour_log_likelihood(const SevenHistories& n, const Behaviour& b) {
    const auto chances = behaviour_chances(b);
    long double value = 0;
    for (std::size_t h = 0; h < 7; ++h) {
        if (n[h] > 0) value += n[h] * std::log(chances[h]);
    }
    return value;
}

TEST(seven_histories_test, the_behaviour_likelihood_is_each_dogs_walk_through_the_counts) {
    const SevenHistories counts[] = {{12, 30, 7, 9, 5, 4, 6},
                                     {1000, 50, 3, 1, 700, 2, 1},
                                     {0, 5, 0, 0, 0, 0, 0},
                                     {3, 0, 1, 0, 8, 9, 2}};
    const Behaviour points[] = {{0.3, 0.4, 0.6},    {0, 0.45, 0.2},      {0.8, 0.1, 0.9},
                                {0.01, 0.99, 0.02}, {0.5, 0.005, 0.995}, {0.2, 0.35, 0.35}};
    for (const auto& n : counts) {
        for (const auto& b : points) {
            const double reference = double(reference_behaviour_log_likelihood(n, b));
            EXPECT_NEAR(kestrivo::analysis::behaviour_log_likelihood(n, b.s, b.first, b.again),
                        reference, 1e-12 * std::fabs(reference))
                << n[0] << " " << b.s << " " << b.first << " " << b.again;
            // A dog as visible after it is seen as before: the constant model.
            EXPECT_NEAR(
                kestrivo::analysis::behaviour_log_likelihood(n, b.s, b.first, b.first),
                kestrivo::analysis::seven_log_likelihood(n, b.s, {b.first, b.first, b.first}),
                1e-12 * std::fabs(reference));
        }
    }
    // A dog's eight patterns add up to one, and so do the seven histories of the dogs seen.
    long double patterns = 0, histories = 0;
    for (long double chance : behaviour_patterns(0.3, 0.7))
        patterns += chance;
    for (long double chance : behaviour_chances({0.2, 0.3, 0.7}))
        histories += chance;
    EXPECT_NEAR(double(patterns), 1.0, 1e-15);
    EXPECT_NEAR(double(histories), 1.0, 1e-15);
    // A history seen that the point gives no chance.
    EXPECT_EQ(kestrivo::analysis::behaviour_log_likelihood({0, 0, 0, 0, 0, 0, 1}, 0, 0.5, 0),
              -INFINITY);
}

double weight_of_constant(const kestrivo::analysis::SevenHistoriesFit& fit) {
    return 1 - fit.weight_by_count - fit.weight_behaviour;
}

// Counts whose rounding to whole dogs is far below the tolerances: the maximum is the truth.
constexpr double kManyDogs = 1e8;

TEST(seven_histories_test, the_behaviour_fit_finds_dogs_shy_or_bold_after_being_seen) {
    const struct {
        double s, first, again_over_first;
    } cases[] = {{0.3, 0.4, 1.5}, {0.3, 0.4, 0.7},  {0.0, 0.5, 1.5},
                 {0.0, 0.3, 0.7}, {0.15, 0.2, 1.5}, {0.5, 0.6, 0.7}};
    for (const auto& c : cases) {
        const Behaviour truth{c.s, c.first, c.first * c.again_over_first};
        const auto chances = behaviour_chances(truth);
        SevenHistories counts{};
        for (std::size_t h = 0; h < 7; ++h)
            counts[h] = std::llround(kManyDogs * double(chances[h]));
        const auto fit = kestrivo::analysis::fit_seven_histories(counts, std::nullopt);
        ASSERT_TRUE(fit);
        const auto& b = fit->behaviour;
        EXPECT_NEAR(b.S, truth.s, 1e-4) << c.s << " " << c.first << " " << c.again_over_first;
        for (double p : b.P)
            EXPECT_NEAR(p, truth.first, 1e-4);
        ASSERT_TRUE(b.P_again);
        EXPECT_NEAR(*b.P_again, truth.again, 1e-4);
        const double seen_any = 1 - (1 - c.s) * std::pow(1 - c.first, 3);
        EXPECT_NEAR(b.seen_any, seen_any, 1e-4);
        EXPECT_NEAR(fit->seen_any, seen_any, 1e-4);
        EXPECT_EQ(b.parameters, c.s > 0 ? 3 : 2);
        EXPECT_EQ(fit->chosen, VisibilityModel::behaviour);
        EXPECT_GT(fit->weight_behaviour, fit->weight_by_count);
        EXPECT_GT(fit->weight_behaviour, weight_of_constant(*fit));
        EXPECT_GT(b.gof_p, 0.01);
        // Its test of S = 0 finds the territorial dogs where they are.
        if (c.s > 0) {
            EXPECT_LT(b.lrt_p, 1e-6);
        } else {
            EXPECT_GT(b.lrt_p, 0.01);
        }
        EXPECT_FALSE(fit->constant.P_again);
        EXPECT_FALSE(fit->by_count.P_again);
        EXPECT_STREQ(kestrivo::analysis::model_name(fit->chosen), "behaviour");
    }
}

TEST(seven_histories_test, visibility_by_count_is_not_taken_for_behaviour) {
    const struct {
        double s;
        std::array<double, 3> p;
    } cases[] = {{0.3, {0.45, 0.30, 0.35}},
                 {0.0, {0.5, 0.25, 0.4}},
                 {0.2, {0.3, 0.5, 0.6}},
                 {0.1, {0.6, 0.4, 0.3}}};
    for (const auto& c : cases) {
        const auto fit =
            kestrivo::analysis::fit_seven_histories(expected(c.s, c.p, 2e6), std::nullopt);
        ASSERT_TRUE(fit);
        EXPECT_EQ(fit->chosen, VisibilityModel::by_count) << c.p[0] << " " << c.p[1];
        EXPECT_GT(fit->weight_by_count, 0.99);
        EXPECT_LT(fit->weight_behaviour, 0.01);
    }
}

TEST(seven_histories_test, under_constant_visibility_the_averaged_dogs_stay_true) {
    const struct {
        double s, p, seen;
    } cases[] = {
        {0.3, 0.4, 1e4}, {0.0, 0.35, 1e4}, {0.5, 0.2, 3e4}, {0.1, 0.6, 1e6}, {0.0, 0.15, 1e5}};
    for (const auto& c : cases) {
        const auto fit = kestrivo::analysis::fit_seven_histories(
            expected(c.s, {c.p, c.p, c.p}, c.seen), std::nullopt);
        ASSERT_TRUE(fit);
        const double n = double(fit->seen_at_least_once);
        const double truth = n / (1 - (1 - c.s) * std::pow(1 - c.p, 3));
        EXPECT_NEAR(n / fit->seen_any, truth, 0.01 * truth) << c.s << " " << c.p;
        // The models that hold the constant one find no more in these counts.
        EXPECT_NEAR(fit->behaviour.log_likelihood, fit->constant.log_likelihood, 2);
        EXPECT_NEAR(fit->by_count.log_likelihood, fit->constant.log_likelihood, 2);
    }
}

// The limits are where the binomial likelihood of N falls `drop` below its top.
// The test of pooling refits each block's model by Newton's method from the pooled fit: on small
// blocks, drawn both near the model and anyhow (S free and held), its maximum is never below the
// one BOBYQA finds from its spread of starts, and from that maximum it stays there.
TEST(seven_histories_test, a_blocks_model_refitted_from_the_pooled_fit_reaches_its_maximum) {
    std::mt19937_64 random(34);
    const auto& models = {VisibilityModel::constant, VisibilityModel::by_count,
                          VisibilityModel::behaviour};
    for (int block = 0; block < 120; ++block) {
        SevenHistories counts{};
        const bool anyhow = block % 2 == 1;
        for (std::size_t h = 0; h < 7; ++h) {
            const int most = anyhow ? 25 : (h == 1 ? 14 : 8);
            counts[h] = std::uniform_int_distribution<int>(0, most)(random);
        }
        const std::optional<double> s_held =
            block % 5 == 0 ? std::optional(0.2) : std::optional<double>();
        const auto bobyqa = kestrivo::analysis::fit_seven_histories(counts, s_held, false);
        ASSERT_TRUE(bobyqa);
        kestrivo::analysis::SevenFit start;
        start.S = 0.3;
        start.P = {0.4, 0.4, 0.4};
        for (const VisibilityModel model : models) {
            const auto& reference = model == VisibilityModel::constant   ? bobyqa->constant
                                    : model == VisibilityModel::by_count ? bobyqa->by_count
                                                                         : bobyqa->behaviour;
            for (const auto& from : {start, reference}) {
                const auto newton =
                    kestrivo::analysis::fit_seven_model(counts, model, s_held, {from});
                ASSERT_TRUE(newton);
                EXPECT_GE(newton->log_likelihood, reference.log_likelihood - 1e-7)
                    << block << " " << kestrivo::analysis::model_name(model);
            }
        }
    }
}

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
