// The plan's simulation against what is known without it, and its recommendation against a
// fresh simulation.
#include "analysis/survey_plan.h"

#include <gtest/gtest.h>

#include <boost/math/distributions/students_t.hpp>
#include <cmath>

#include "library/kestrivo.h"

namespace {

using kestrivo::analysis::PlanRequest;
using kestrivo::analysis::PlanStratum;

const kestrivo::analysis::Library kLibrary{RLOGLIK};

TEST(survey_plan_test, blocks_are_shared_in_proportion_keeping_two_a_stratum) {
    const auto strata = [](std::vector<std::int64_t> k_h) {
        std::vector<PlanStratum> s;
        for (auto k : k_h)
            s.push_back({"", k, {}});
        return s;
    };
    const struct {
        std::int64_t k;
        std::vector<std::int64_t> blocks, expected;
    } cases[] = {
        {10, {60, 40}, {6, 4}},  {7, {60, 40}, {4, 3}},          {10, {990, 10}, {8, 2}},
        {4, {100, 100}, {2, 2}}, {30, {10, 5, 15}, {10, 5, 15}}, {12, {50, 30, 20}, {6, 4, 2}},
        {5, {1, 100}, {1, 4}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(kestrivo::analysis::allocate(c.k, strata(c.blocks)), c.expected) << c.k;
    }
    EXPECT_EQ(kestrivo::analysis::smallest_k(strata({1, 100, 50})), 5);
}

// With every dog seen on every count the survey measures each sampled block's dogs, and the
// half-width is that of a simple random sample's total: t sqrt((1 - k/K) / k) sigma / m on the
// log scale, sigma^2 = m + m^2 / r for negative binomial blocks.
TEST(survey_plan_test, with_certain_visibility_the_half_width_is_the_simple_random_samples) {
    PlanRequest request;
    const double m = 30, r = 3;
    const std::int64_t K = 200, k = 40;
    request.strata = {{"", K, {0.99, 0.99, m, r, {}}}};
    request.replicates = 300;
    request.bootstrap = 500;
    request.jobs = 2;
    const auto row = kestrivo::analysis::simulate_surveys(kLibrary, request, k);
    const double t = boost::math::quantile(boost::math::students_t(double(k - 1)), 0.975);
    const double expected = std::sinh(t * std::sqrt((1 - double(k) / double(K)) / double(k)) *
                                      std::sqrt(m + m * m / r) / m);
    EXPECT_NEAR(row.median_half_width, expected, 0.08 * expected)
        << "simulated " << row.median_half_width;
    EXPECT_NEAR(row.median_ratio, 1.0, 0.02);
    EXPECT_GT(row.coverage, 0.9);
    EXPECT_EQ(row.without_interval, 0);
}

// The recommended k, simulated again from other surveys, meets the target in the share of
// surveys asked (within the simulations' own error), and one block fewer did not in the plan.
TEST(survey_plan_test, the_recommendation_holds_in_a_fresh_simulation) {
    PlanRequest request;
    request.strata = {{"", 150, {0.2, 0.4, 25, 2, {}}}};
    request.target = 0.2;
    request.replicates = 150;
    request.bootstrap = 400;
    request.jobs = 2;
    const auto plan = kestrivo::analysis::make_plan(kLibrary, request);
    ASSERT_TRUE(plan.recommended);
    for (std::size_t i = 1; i < plan.rows.size(); ++i)
        EXPECT_LT(plan.rows[i - 1].k, plan.rows[i].k);
    bool below_fails = false;
    for (const auto& row : plan.rows) {
        if (row.k == *plan.recommended) {
            EXPECT_TRUE(row.meets);
            EXPECT_EQ(row.surveys, request.replicates);  // run in full
        }
        if (row.k == *plan.recommended - 1) {
            below_fails = !row.meets;
            EXPECT_EQ(row.surveys, request.replicates);
        }
        EXPECT_GE(row.surveys, 50);
    }
    EXPECT_TRUE(below_fails || *plan.recommended == request.k_from);

    request.seed = 77;
    request.replicates = 300;
    const auto fresh = kestrivo::analysis::simulate_surveys(kLibrary, request, *plan.recommended);
    EXPECT_LE(fresh.assurance_half_width, request.target * 1.05);
}

// The first guess's variance in its limits: certain visibility leaves the spread between blocks
// alone, with the finite-population factor (nothing at all in a census); and the guess lies
// near the simulated recommendation, so the search starts close to where it ends.
TEST(survey_plan_test, the_first_guess_is_the_textbook_variance) {
    using kestrivo::analysis::stratum_relative_variance;
    const kestrivo::analysis::BlockModel certain{0.999999, 0.999999, 30, 3.0, {}};
    const double spread = 1.0 / 30 + 1.0 / 3;
    EXPECT_NEAR(stratum_relative_variance(certain, 200, 40), (1 - 40.0 / 200) * spread / 40, 1e-6);
    EXPECT_NEAR(stratum_relative_variance(certain, 200, 200), 0, 1e-6);
    const kestrivo::analysis::BlockModel seen{0.2, 0.4, 30, 2.0, {}};
    EXPECT_GT(stratum_relative_variance(seen, 400, 200), stratum_relative_variance(seen, 400, 400));
    EXPECT_GT(stratum_relative_variance(seen, 400, 400), 0);  // a census still estimates q

    PlanRequest request;
    request.strata = {{"", 150, {0.2, 0.4, 25, 2, {}}}};
    request.target = 0.2;
    request.replicates = 150;
    request.bootstrap = 400;
    request.jobs = 2;
    const auto plan = kestrivo::analysis::make_plan(kLibrary, request);
    ASSERT_TRUE(plan.recommended);
    const double guess = double(kestrivo::analysis::first_guess(request));
    EXPECT_LT(std::fabs(guess - double(*plan.recommended)), 0.5 * double(*plan.recommended));

    // Beyond what the plan can simulate, it says so rather than try.
    request.strata = {{"", 1'000'000'000, {0.2, 0.4, 25, 2, {}}}};
    request.target = 0.001;
    const auto far = kestrivo::analysis::make_plan(kLibrary, request);
    EXPECT_TRUE(far.beyond_reach);
    EXPECT_TRUE(far.rows.empty());
    EXPECT_FALSE(far.recommended);
}

// A plan stopped from outside ends at its next batch, with the rows it had simulated and no
// recommendation; one stopped before it began has nothing.
TEST(survey_plan_test, a_stopped_plan_keeps_what_it_simulated) {
    PlanRequest request;
    request.strata = {{"", 150, {0.2, 0.4, 25, 2, {}}}};
    request.target = 0.2;
    request.replicates = 150;
    request.bootstrap = 200;
    std::atomic<bool> cancel{true};
    request.cancel = &cancel;
    const auto at_once = kestrivo::analysis::make_plan(kLibrary, request);
    EXPECT_TRUE(at_once.stopped);
    EXPECT_TRUE(at_once.rows.empty());

    cancel = false;
    std::size_t batches = 0;
    const auto later = kestrivo::analysis::make_plan(
        kLibrary, request, [&](const kestrivo::analysis::PlanRow&, const auto&) {
            if (++batches == 2) cancel = true;
        });
    EXPECT_TRUE(later.stopped);
    EXPECT_FALSE(later.recommended);
    ASSERT_FALSE(later.rows.empty());
    for (const auto& row : later.rows)
        EXPECT_GT(row.surveys, 0);
}

// Where visibility differs between the counts, a survey that records the dogs first seen later
// is estimated from all seven histories, and so are the plan's surveys: their median estimate is
// the truth. The same surveys estimated from the four histories alone are far from it (the
// four cannot see count 1's own visibility), so recording the later dogs is what the plan tests.
TEST(survey_plan_test, surveys_of_all_seven_histories_are_estimated_from_them) {
    const struct {
        bool seven;
        bool near_the_truth;
    } cases[] = {{true, true}, {false, false}};
    for (const auto& c : cases) {
        PlanRequest request;
        PlanStratum stratum{"", 200, {0, 0.5, 60, {}, std::array{0.5, 0.25, 0.4}}};
        stratum.seven_histories = c.seven;
        request.strata = {stratum};
        request.replicates = 40;
        request.bootstrap = 100;
        request.jobs = 2;
        const auto row = kestrivo::analysis::simulate_surveys(kLibrary, request, 20);
        EXPECT_EQ(std::fabs(row.median_ratio - 1) < 0.05, c.near_the_truth)
            << "seven " << c.seven << ": median ratio " << row.median_ratio;
    }
}

}  // namespace
