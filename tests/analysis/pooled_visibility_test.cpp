// Pooled visibility: the fit of a stratum is the fit of its summed counts, each block's dogs are
// its n over the shared share seen, the test of pooling sums the blocks' own maxima, and the
// strata that share no visibility say why. Also the design value the pool is built from.
#include "analysis/pooled_visibility.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <limits>
#include <random>

#include "analysis/city_simulation.h"
#include "library/kestrivo.h"

namespace {

using kestrivo::analysis::Counts;
using kestrivo::analysis::Stratum;

const kestrivo::analysis::Library kLibrary{RLOGLIK};

Stratum stratum_of(const std::vector<Counts>& blocks, std::optional<double> held = std::nullopt) {
    Stratum s;
    for (const Counts& c : blocks)
        s.add(c, held);
    return s;
}

// The report with the survey's box, where S may go down to 0.
kestrivo::analysis::Report report_of(Counts counts, std::optional<double> held) {
    kestrivo::analysis::Request request;
    request.counts = counts;
    request.s_held = held;
    request.s_floor = kestrivo::analysis::kSurveyFloorOfS;
    return kestrivo::analysis::make_report(kLibrary, request);
}

TEST(pooled_visibility_test, the_pooled_fit_is_the_fit_of_the_summed_counts) {
    const struct {
        std::vector<Counts> blocks;
        std::optional<double> held;
        Counts summed;
        bool s_zero;
    } cases[] = {
        {{{4, 16, 4, 3}, {5, 25, 4, 2}, {4, 9, 1, 2}}, std::nullopt, {13, 50, 9, 7}, false},
        {{{10, 21, 14, 17}, {0, 0, 0, 0}, {4, 17, 10, 10}}, std::nullopt, {14, 38, 24, 27}, true},
        {{{10, 20, 5, 5}, {3, 9, 2, 4}}, 0.2, {13, 29, 7, 9}, false},
    };
    for (const auto& c : cases) {
        const auto pooled = kestrivo::analysis::pool(kLibrary, stratum_of(c.blocks, c.held), 0.95);
        ASSERT_TRUE(pooled) << pooled.why_not;
        // Where the counts show no territorial dogs, the survey's fit holds S at 0 (AICc).
        const auto direct = report_of(c.summed, pooled.s_zero_by_aicc ? 0.0 : c.held);
        EXPECT_EQ(pooled.s_zero_by_aicc, c.s_zero) << c.summed[0];
        EXPECT_EQ(pooled.report.estimates->S, direct.estimates->S);
        EXPECT_EQ(pooled.report.estimates->P, direct.estimates->P);
        EXPECT_EQ(pooled.report.estimates->log_likelihood, direct.estimates->log_likelihood);
        EXPECT_EQ(pooled.report.p_limits->lower, direct.p_limits->lower);
        EXPECT_EQ(*pooled.report.n, *direct.n);

        // Each block's dogs: n over the shared q, with limits around it.
        for (const Counts& b : c.blocks) {
            const std::int64_t n = std::int64_t{b[0]} + b[1] + b[2] + b[3];
            const auto dogs = kestrivo::analysis::dogs_under(pooled, n);
            EXPECT_DOUBLE_EQ(dogs.estimate, double(n) / pooled.seen());
            EXPECT_GE(dogs.lower, double(n));
            EXPECT_LE(dogs.lower, dogs.estimate);
            EXPECT_GE(dogs.upper, dogs.estimate);
            if (n == 0) {
                EXPECT_EQ(dogs.estimate, 0);
            }
        }
    }
}

// het = 2 (sum of the blocks' own maxima - the pooled maximum), on 2 (b - 1) degrees of freedom
// with S free and b - 1 with S held, b the blocks with dogs.
TEST(pooled_visibility_test, the_test_of_pooling_sums_the_blocks_own_maxima) {
    const struct {
        std::vector<Counts> blocks;
        std::optional<double> held;
        int df;
    } cases[] = {
        {{{4, 16, 4, 3}, {5, 25, 4, 2}, {4, 9, 1, 2}}, std::nullopt, 4},
        {{{4, 16, 4, 3}, {0, 0, 0, 0}, {4, 9, 1, 2}}, std::nullopt, 2},
        {{{10, 20, 5, 5}, {3, 9, 2, 4}, {8, 8, 8, 8}}, 0.2, 2},
        {{{10, 20, 5, 5}}, std::nullopt, 0},
    };
    for (const auto& c : cases) {
        const auto pooled = kestrivo::analysis::pool(kLibrary, stratum_of(c.blocks, c.held), 0.95);
        ASSERT_TRUE(pooled.het);
        double own = 0;
        for (const Counts& b : c.blocks) {
            if (b == Counts{}) continue;
            own += report_of(b, c.held).estimates->log_likelihood;
        }
        const double expected = std::fmax(0.0, 2 * (own - pooled.report.estimates->log_likelihood));
        EXPECT_NEAR(pooled.het->statistic, expected, 1e-9);
        EXPECT_EQ(pooled.het->df, c.df);
        if (c.df == 0) {
            EXPECT_EQ(pooled.het->p, 1);
        }
    }
    // Blocks alike in their shares give nothing to test: the statistic is zero and p is one.
    const auto alike = kestrivo::analysis::pool(
        kLibrary, stratum_of({{4, 16, 4, 4}, {8, 32, 8, 8}, {2, 8, 2, 2}}), 0.95);
    EXPECT_NEAR(alike.het->statistic, 0, 1e-9);
    EXPECT_NEAR(alike.het->p, 1, 1e-6);
    // Blocks seen very differently are flagged.
    const auto unlike =
        kestrivo::analysis::pool(kLibrary, stratum_of({{30, 2, 5, 5}, {1, 40, 1, 1}}), 0.95);
    EXPECT_LT(unlike.het->p, 0.05);
    // A block that cannot be fitted leaves the test without a value.
    EXPECT_FALSE(kestrivo::analysis::heterogeneity(alike, -INFINITY, 3));
}

TEST(pooled_visibility_test, blocks_that_share_no_visibility_say_why) {
    const int big = std::numeric_limits<std::int32_t>::max();
    Stratum mixed;
    mixed.add({4, 16, 4, 3}, 0.2);
    mixed.add({5, 25, 4, 2}, std::nullopt);
    const struct {
        Stratum stratum;
        const char* why;
    } cases[] = {
        {mixed, "the blocks hold S at different values"},
        {stratum_of({{big, 0, 0, 0}, {1, 0, 0, 0}}), "a summed count exceeds 2147483647"},
        {stratum_of({}), "no block of this stratum could be read"},
    };
    for (const auto& c : cases) {
        const auto pooled = kestrivo::analysis::pool(kLibrary, c.stratum, 0.95);
        EXPECT_FALSE(pooled);
        EXPECT_FALSE(pooled.nobody_seen);
        EXPECT_NE(pooled.why_not.find(c.why), std::string::npos) << pooled.why_not;
    }
    // Nobody seen anywhere is data: no fit, said as such.
    const auto nobody =
        kestrivo::analysis::pool(kLibrary, stratum_of({{0, 0, 0, 0}, {0, 0, 0, 0}}), 0.95);
    EXPECT_FALSE(nobody);
    EXPECT_TRUE(nobody.nobody_seen);
    EXPECT_EQ(*nobody.report.n, 0);
    EXPECT_EQ(kestrivo::analysis::why_not_pooled(stratum_of({{1, 2, 3, 4}})), "");
}

// Blocks drawn from one model: `blocks` of 20 to 60 dogs, their seven histories kept when
// `seven`; `other_p`, when given, is the P of every other block, so that they are seen differently.
Stratum simulated(int blocks, bool seven, std::uint64_t seed, double other_p = 0) {
    kestrivo::analysis::BlockModel model;
    model.S = 0.3;
    model.P = 0.4;
    std::mt19937_64 random(seed);
    Stratum s;
    for (int b = 0; b < blocks; ++b) {
        kestrivo::analysis::BlockModel own = model;
        if (other_p > 0 && b % 2 == 1) own.P = other_p;
        const std::int64_t dogs = std::uniform_int_distribution<std::int64_t>(20, 60)(random);
        const auto block = kestrivo::analysis::simulate_histories(own, dogs, random);
        s.add(block.counts, std::nullopt, seven ? std::optional(block.later) : std::nullopt);
    }
    return s;
}

kestrivo::analysis::PoolingTest test_of(int jobs, int replicates = 199,
                                        const std::atomic<bool>* cancel = nullptr) {
    kestrivo::analysis::PoolingTest test;
    test.jobs = jobs;
    test.replicates = replicates;
    test.stream = 3;
    test.cancel = cancel;
    return test;
}

// The bootstrap's p is a share of its replicates, the same on any number of threads and on every
// run, so the report is reproducible: (1 + reached) / (1 + replicates), or, where the tenth
// replicate to reach the survey's statistic came first, 10 over the replicates run, which more
// replicates allowed do not change.
TEST(pooled_visibility_test, the_p_of_pooling_is_the_same_on_every_run_and_any_threads) {
    int stops = 0;
    for (const bool seven : {false, true}) {
        for (const std::uint64_t seed : {5, 6, 7}) {
            const Stratum stratum = simulated(12, seven, seed);
            const auto once = kestrivo::analysis::pool(kLibrary, stratum, 0.95, test_of(1, 39));
            ASSERT_TRUE(once.het);
            EXPECT_EQ(bool(once.seven), seven);
            const double ranks = once.het->p * 40, run = 10 / once.het->p;
            const bool stopped = std::fabs(run - std::round(run)) < 1e-9 && run < 39.5;
            EXPECT_TRUE(stopped || std::fabs(ranks - std::round(ranks)) < 1e-9) << once.het->p;
            EXPECT_GE(once.het->p, 1.0 / 40);
            const auto longer = kestrivo::analysis::pool(kLibrary, stratum, 0.95, test_of(2, 999));
            if (stopped) {
                EXPECT_EQ(longer.het->p, once.het->p) << "stopped at " << run;
            }
            stops += stopped;
            for (const int jobs : {2, 4}) {
                const auto again =
                    kestrivo::analysis::pool(kLibrary, stratum, 0.95, test_of(jobs, 39));
                ASSERT_TRUE(again.het);
                EXPECT_EQ(again.het->p, once.het->p) << jobs << " threads";
                EXPECT_EQ(again.het->statistic, once.het->statistic);
            }
        }
    }
    EXPECT_GT(stops, 0) << "no survey stopped early: the sequential p is untested";
}

// Blocks drawn from one visibility are not flagged; blocks seen half as often as the others are,
// from their four histories as from their seven.
TEST(pooled_visibility_test, the_bootstrap_tells_blocks_alike_from_blocks_seen_differently) {
    for (const bool seven : {false, true}) {
        const auto alike =
            kestrivo::analysis::pool(kLibrary, simulated(30, seven, 8), 0.95, test_of(2));
        ASSERT_TRUE(alike.het);
        EXPECT_GT(alike.het->p, 0.05) << seven;
        const auto unlike =
            kestrivo::analysis::pool(kLibrary, simulated(30, seven, 8, 0.8), 0.95, test_of(2));
        ASSERT_TRUE(unlike.het);
        EXPECT_LT(unlike.het->p, 0.05) << seven;
    }
}

// With seven histories the statistic sets each block's own fit of the model the pooled row chose
// against the pooled fit of that model, not the four-history fits.
TEST(pooled_visibility_test, with_seven_histories_the_blocks_own_fits_are_the_chosen_models) {
    const Stratum stratum = simulated(6, true, 13, 0.7);
    const auto pooled = kestrivo::analysis::pool(kLibrary, stratum, 0.95, test_of(1, 19));
    ASSERT_TRUE(pooled.seven);
    ASSERT_TRUE(pooled.het);
    double own = 0;
    for (std::size_t b = 0; b < stratum.blocks.size(); ++b) {
        const Counts& c = stratum.blocks[b];
        const auto& later = stratum.later[b];
        const auto fit = kestrivo::analysis::fit_seven_histories(
            {c[0], c[1], c[2], c[3], later[0], later[1], later[2]}, std::nullopt, false);
        ASSERT_TRUE(fit);
        switch (pooled.seven->chosen) {
            case kestrivo::analysis::VisibilityModel::constant:
                own += fit->constant.log_likelihood;
                break;
            case kestrivo::analysis::VisibilityModel::by_count:
                own += fit->by_count.log_likelihood;
                break;
            case kestrivo::analysis::VisibilityModel::behaviour:
                own += fit->behaviour.log_likelihood;
                break;
        }
    }
    const double expected = 2 * (own - pooled.seven->chosen_fit().log_likelihood);
    EXPECT_NEAR(pooled.het->statistic, expected, 1e-3 * std::fmax(1.0, expected));
    EXPECT_EQ(pooled.het->df, 2 * int(stratum.blocks.size() - 1));
}

// A report stopped while the test runs leaves it without a value, at once.
TEST(pooled_visibility_test, cancel_stops_the_test_of_pooling) {
    const std::atomic<bool> cancel{true};
    const auto start = std::chrono::steady_clock::now();
    const auto pooled = kestrivo::analysis::pool(kLibrary, simulated(30, true, 21), 0.95,
                                                 test_of(2, 100000, &cancel));
    EXPECT_TRUE(pooled);
    EXPECT_FALSE(pooled.het);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST(survey_design_test, strata_keep_their_order_and_their_blocks_what_they_hold) {
    kestrivo::analysis::SurveyDesign design;
    design.stratum("b").add({1, 2, 3, 4}, std::nullopt);
    design.stratum("a").add({5, 6, 7, 8}, 0.3);
    design.stratum("b").add({0, 0, 0, 1}, std::nullopt);
    ASSERT_EQ(design.strata.size(), 2u);
    EXPECT_EQ(design.strata[0].name, "b");
    EXPECT_EQ(design.strata[0].blocks.size(), 2u);
    EXPECT_EQ(design.strata[0].dogs_identified(), 11);
    EXPECT_EQ(design.find("a"), &design.strata[1]);
    EXPECT_EQ(design.find("c"), nullptr);
    EXPECT_EQ(design.strata[1].s_held, 0.3);
    EXPECT_FALSE(design.strata[1].s_held_differs);
    design.stratum("a").add({1, 1, 1, 1}, 0.3);
    EXPECT_FALSE(design.strata[1].s_held_differs);
    design.stratum("a").add({1, 1, 1, 1}, 0.4);
    EXPECT_TRUE(design.strata[1].s_held_differs);

    const int big = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(kestrivo::analysis::summed_counts({{1, 2, 3, 4}, {10, 20, 30, 40}}),
              (Counts{11, 22, 33, 44}));
    EXPECT_EQ(kestrivo::analysis::summed_counts({{big, 0, 0, 0}}), (Counts{big, 0, 0, 0}));
    EXPECT_FALSE(kestrivo::analysis::summed_counts({{big, 0, 0, 0}, {0, 0, 0, 0}, {1, 0, 0, 0}}));
}

}  // namespace
