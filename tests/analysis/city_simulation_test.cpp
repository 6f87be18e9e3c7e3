// Blocks drawn from the model have the moments the model gives them: the mean and variance of a
// block's dogs (Poisson, or negative binomial m + m^2 / r), the share of them seen on count 1,
// S + (1 - S) P1, on all three, S + (1 - S) P1 P2 P3, and first on count 3 only,
// (1 - S)(1 - P1)(1 - P2) P3; a stratum drawn block by block has the total and the blocks a city
// of independent blocks has. The dogs seen at least once fall into the seven histories with the
// chances pi(h) the seven-history fit gives them, whether visibility differs by count or changes
// once a dog has been seen. Fixed seeds: each check allows five standard errors.
#include "analysis/city_simulation.h"

#include <gtest/gtest.h>

#include <cmath>

#include "analysis/seven_histories.h"

namespace {

TEST(city_simulation_test, blocks_have_the_models_moments) {
    using P3 = std::array<double, 3>;
    const struct {
        double S, P, m;
        std::optional<double> r;
        std::optional<P3> p;
    } cases[] = {
        {0.3, 0.4, 30, std::nullopt, {}},
        {0.0, 0.35, 25, 2.0, {}},
        {0.5, 0.3, 80, 1.5, {}},
        {0.15, 0.9, 5, 10.0, {}},
        {0.2, 0, 30, 2.0, P3{0.45, 0.3, 0.35}},
        {0.0, 0, 40, std::nullopt, P3{0.5, 0.25, 0.4}},
    };
    const int blocks = 20000;
    for (const auto& c : cases) {
        std::mt19937_64 random(42);
        const kestrivo::analysis::BlockModel model{c.S, c.P, c.m, c.r, c.p};
        const P3 p = c.p.value_or(P3{c.P, c.P, c.P});
        double dogs = 0, squares = 0, seen = 0, always = 0, third_only = 0;
        for (int b = 0; b < blocks; ++b) {
            const auto block = kestrivo::analysis::simulate_block(model, random);
            dogs += block.dogs;
            squares += double(block.dogs) * block.dogs;
            const auto& n = block.counts;
            seen += n[0] + n[1] + n[2] + n[3];
            always += n[1];
            third_only += block.later[1];
        }
        const double mean = dogs / blocks;
        const double variance = (squares - blocks * mean * mean) / (blocks - 1);
        const double expected_variance = c.r ? c.m + c.m * c.m / *c.r : c.m;
        EXPECT_NEAR(mean, c.m, 5 * std::sqrt(expected_variance / blocks)) << c.S;
        // The sample variance's standard error, for a negative binomial, is within a few times
        // variance * sqrt(2 / blocks) at these dispersions.
        EXPECT_NEAR(variance, expected_variance,
                    5 * expected_variance * std::sqrt((2 + (c.r ? 6 / *c.r : 0)) / blocks))
            << c.S;
        const double q = c.S + (1 - c.S) * p[0];
        const double all_three = c.S + (1 - c.S) * p[0] * p[1] * p[2];
        const double late = (1 - c.S) * (1 - p[0]) * (1 - p[1]) * p[2];
        EXPECT_NEAR(third_only / dogs, late, 5 * std::sqrt(late * (1 - late) / dogs)) << c.S;
        EXPECT_NEAR(seen / dogs, q, 5 * std::sqrt(q * (1 - q) / dogs)) << c.S;
        EXPECT_NEAR(always / dogs, all_three, 5 * std::sqrt(all_three * (1 - all_three) / dogs))
            << c.S;
    }
}

// One block of many dogs: each history's share of the dogs seen at least once is the model's
// pi(h), the fit's likelihood of one dog of that history, and the share seen at least once is
// p_any, which only the chances before a dog is first seen set.
TEST(city_simulation_test, the_seen_dogs_fall_into_the_histories_as_the_fit_reads_them) {
    using P3 = std::array<double, 3>;
    const struct {
        const char* name;
        double S, P;
        std::optional<P3> p;
        std::optional<double> again;
    } cases[] = {
        {"constant", 0.2, 0.4, {}, {}},
        {"by count", 0.1, 0, P3{0.5, 0.25, 0.4}, {}},
        {"shy once seen", 0.2, 0.5, {}, 0.2},
        {"bolder once seen", 0.0, 0.3, {}, 0.6},
        {"behaviour, S large", 0.4, 0.25, {}, 0.55},
    };
    const std::int64_t dogs = 4'000'000;
    for (const auto& c : cases) {
        const kestrivo::analysis::BlockModel model{c.S, c.P, 1, std::nullopt, c.p, c.again};
        std::mt19937_64 random(17);
        const auto block = kestrivo::analysis::simulate_histories(model, dogs, random);
        const kestrivo::analysis::SevenHistories seen_as = {
            block.counts[0], block.counts[1], block.counts[2], block.counts[3],
            block.later[0],  block.later[1],  block.later[2]};
        double seen = 0;
        for (const std::int64_t n : seen_as)
            seen += double(n);
        const P3 p = c.p.value_or(P3{c.P, c.P, c.P});
        const double p_any = 1 - (1 - c.S) * (1 - p[0]) * (1 - p[1]) * (1 - p[2]);
        EXPECT_NEAR(seen / double(dogs), p_any, 5 * std::sqrt(p_any * (1 - p_any) / double(dogs)))
            << c.name;
        for (std::size_t h = 0; h < 7; ++h) {
            kestrivo::analysis::SevenHistories one{};
            one[h] = 1;
            const double log_pi =
                c.again ? kestrivo::analysis::behaviour_log_likelihood(one, c.S, c.P, *c.again)
                        : kestrivo::analysis::seven_log_likelihood(one, c.S, p);
            const double pi = std::exp(log_pi);
            EXPECT_NEAR(double(seen_as[h]) / seen, pi, 5 * std::sqrt(pi * (1 - pi) / seen))
                << c.name << ", history " << h;
        }
    }
}

TEST(city_simulation_test, the_same_stream_gives_the_same_block) {
    const kestrivo::analysis::BlockModel model{0.2, 0.4, 30, 2.0, {}};
    std::mt19937_64 a(5), b(5);
    for (int i = 0; i < 100; ++i) {
        const auto x = kestrivo::analysis::simulate_block(model, a);
        const auto y = kestrivo::analysis::simulate_block(model, b);
        EXPECT_EQ(x.dogs, y.dogs);
        EXPECT_EQ(x.counts, y.counts);
    }
}

// A stratum of K blocks drawn one at a time: over many cities its total has mean K m and
// variance K (m + m^2 / r), its first blocks are blocks of the model, and its K blocks add up
// to the total.
TEST(city_simulation_test, a_stratum_drawn_block_by_block_is_a_city_of_independent_blocks) {
    const struct { std::optional<double> r; } cases[] = {{std::nullopt}, {2.0}, {0.5}};
    const int cities = 4000;
    const std::int64_t K = 50;
    for (const auto& c : cases) {
        const kestrivo::analysis::BlockModel model{0.2, 0.4, 20, c.r, {}};
        const double block_variance = c.r ? 20 + 400 / *c.r : 20;
        std::mt19937_64 random(11);
        double total = 0, total_squares = 0, first = 0, first_squares = 0;
        for (int i = 0; i < cities; ++i) {
            kestrivo::analysis::SimulatedStratum city(model, K, random);
            const double dogs = double(city.dogs());
            total += dogs;
            total_squares += dogs * dogs;
            std::int64_t drawn = 0;
            for (std::int64_t b = 0; b < K; ++b) {
                const auto block = city.next(random);
                drawn += block.dogs;
                if (b == 0) {
                    first += double(block.dogs);
                    first_squares += double(block.dogs) * double(block.dogs);
                }
            }
            ASSERT_EQ(drawn, city.dogs());
            EXPECT_EQ(city.next(random).dogs, 0);  // no block after the last
        }
        const double mean = total / cities;
        const double variance = (total_squares - cities * mean * mean) / (cities - 1);
        EXPECT_NEAR(mean, double(K) * 20, 5 * std::sqrt(double(K) * block_variance / cities));
        EXPECT_NEAR(variance, double(K) * block_variance,
                    5 * double(K) * block_variance * std::sqrt(2.0 / cities + 6.0 / (K * cities)));
        const double first_mean = first / cities;
        const double first_variance =
            (first_squares - cities * first_mean * first_mean) / (cities - 1);
        EXPECT_NEAR(first_mean, 20, 5 * std::sqrt(block_variance / cities));
        EXPECT_NEAR(first_variance, block_variance,
                    5 * block_variance * std::sqrt((2 + (c.r ? 6 / *c.r : 0)) / cities));
    }
    // A city far too large to hold costs what its sample costs.
    std::mt19937_64 random(3);
    kestrivo::analysis::SimulatedStratum huge({0.2, 0.4, 30, 2.0, {}}, 1'000'000'000, random);
    EXPECT_NEAR(double(huge.dogs()), 3e10, 3e10 * 1e-3);
    EXPECT_GE(huge.next(random).dogs, 0);
}

}  // namespace
