// Blocks drawn from the model have the moments the model gives them: the mean and variance of a
// block's dogs (Poisson, or negative binomial m + m^2 / r), the share of them seen on count 1,
// S + (1 - S) P, and the share seen on all three, S + (1 - S) P^3. Fixed seeds: each check sits
// well outside its own simulation error (five standard errors).
#include "analysis/city_simulation.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(city_simulation_test, blocks_have_the_models_moments) {
    const struct {
        double S, P, m;
        std::optional<double> r;
    } cases[] = {
        {0.3, 0.4, 30, std::nullopt},
        {0.0, 0.35, 25, 2.0},
        {0.5, 0.3, 80, 1.5},
        {0.15, 0.9, 5, 10.0},
    };
    const int blocks = 20000;
    for (const auto& c : cases) {
        std::mt19937_64 random(42);
        const kestrivo::analysis::BlockModel model{c.S, c.P, c.m, c.r};
        double dogs = 0, squares = 0, seen = 0, always = 0;
        for (int b = 0; b < blocks; ++b) {
            const auto block = kestrivo::analysis::simulate_block(model, random);
            dogs += block.dogs;
            squares += double(block.dogs) * block.dogs;
            const auto& n = block.counts;
            seen += n[0] + n[1] + n[2] + n[3];
            always += n[1];
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
        const double q = c.S + (1 - c.S) * c.P;
        const double all_three = c.S + (1 - c.S) * c.P * c.P * c.P;
        EXPECT_NEAR(seen / dogs, q, 5 * std::sqrt(q * (1 - q) / dogs)) << c.S;
        EXPECT_NEAR(always / dogs, all_three, 5 * std::sqrt(all_three * (1 - all_three) / dogs))
            << c.S;
    }
}

TEST(city_simulation_test, the_same_stream_gives_the_same_block) {
    const kestrivo::analysis::BlockModel model{0.2, 0.4, 30, 2.0};
    std::mt19937_64 a(5), b(5);
    for (int i = 0; i < 100; ++i) {
        const auto x = kestrivo::analysis::simulate_block(model, a);
        const auto y = kestrivo::analysis::simulate_block(model, b);
        EXPECT_EQ(x.dogs, y.dogs);
        EXPECT_EQ(x.counts, y.counts);
    }
}

}  // namespace
