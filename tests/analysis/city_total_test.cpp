// The city total on a small design worked by hand: each stratum's share seen from the closed form
// of the two-class model's maximum (derived here, not taken from the code), the total
// sum_h (K_h / k_h) sum_b n_b / q_h, the bootstrap's deviations scaled by
// sqrt((1 - k_h / K_h) k_h / (k_h - 1)), Satterthwaite's degrees of freedom for the city, and the
// interval symmetric in the log of the total.
#include "analysis/city_total.h"

#include <gtest/gtest.h>

#include <boost/math/distributions/students_t.hpp>
#include <cmath>
#include <numeric>

#include "library/kestrivo.h"

namespace {

using kestrivo::analysis::Counts;
using kestrivo::analysis::Stratum;
using kestrivo::analysis::SurveyDesign;

const kestrivo::analysis::Library kLibrary{RLOGLIK};

// The share seen at the maximum, by hand. Given seen on count 1, a dog is territorial with chance
// t; with u = 1 - t the histories have chances u (1 - P)^2 (1,0,0), u P (1 - P) (1,0,1 and 1,1,0)
// and 1 - u (1 - P^2) (1,1,1). Setting both slopes of the log likelihood to zero gives
// P = d / (2a + d) and u = (a + d) / (n (1 - P^2)), a = c100, d = c101 + c110; and since
// t = S / q, q = P / (u + (1 - u) P). Valid where S and P lie inside the box, as here.
double share_seen_by_hand(const Counts& c) {
    const double a = c[0], d = double(c[2]) + c[3], n = double(c[0]) + c[1] + c[2] + c[3];
    const double p = d / (2 * a + d);
    const double u = (a + d) / (n * (1 - p * p));
    return p / (u + (1 - u) * p);
}

Counts sum(const std::vector<Counts>& blocks) {
    Counts s{};
    for (const Counts& c : blocks) {
        for (std::size_t h = 0; h < 4; ++h)
            s[h] += c[h];
    }
    return s;
}

std::int64_t dogs(const std::vector<Counts>& blocks) {
    const Counts s = sum(blocks);
    return std::int64_t{s[0]} + s[1] + s[2] + s[3];
}

Stratum stratum(const std::string& name, std::int64_t blocks_total, std::vector<Counts> blocks) {
    Stratum s;
    s.name = name;
    s.blocks_total = blocks_total;
    for (const Counts& c : blocks)
        s.add(c, std::nullopt);
    return s;
}

const std::vector<Counts> kNorth = {{4, 16, 4, 3}, {5, 25, 4, 2}, {4, 9, 1, 2}, {10, 24, 9, 4}};
const std::vector<Counts> kSouth = {{10, 21, 14, 17}, {4, 17, 10, 10}, {13, 20, 6, 6}};
const std::vector<Counts> kOne = {{13, 28, 14, 15}};

TEST(city_total_test, each_stratum_is_its_blocks_over_their_shared_share_seen) {
    const struct {
        std::string name;
        std::int64_t K;
        const std::vector<Counts>* blocks;
    } strata[] = {{"North", 60, &kNorth}, {"South", 3, &kSouth}, {"East", 30, &kOne}};
    SurveyDesign design;
    double city = 0;
    for (const auto& s : strata) {
        design.strata.push_back(stratum(s.name, s.K, *s.blocks));
        const double expected = double(s.K) / double(s.blocks->size()) * double(dogs(*s.blocks)) /
                                share_seen_by_hand(sum(*s.blocks));
        city += expected;
        const auto total = kestrivo::analysis::stratum_total(kLibrary, design.strata.back());
        ASSERT_TRUE(total) << s.name;
        EXPECT_NEAR(*total, expected, 1e-9 * expected) << s.name;
    }
    kestrivo::analysis::BootstrapPlan plan;
    plan.replicates = 400;
    const auto totals = kestrivo::analysis::city_totals(kLibrary, design, 0.95, plan);
    ASSERT_EQ(totals.size(), 4u);
    EXPECT_NEAR(*totals[3].dogs, city, 1e-9 * city);
    EXPECT_EQ(totals[3].identified, dogs(kNorth) + dogs(kSouth) + dogs(kOne));

    // One sampled block says nothing of how blocks differ: its total has no interval, nor has
    // the city's.
    EXPECT_FALSE(totals[2].lower);
    EXPECT_NE(totals[2].why_not.find("one sampled block of 30"), std::string::npos);
    EXPECT_FALSE(totals[3].lower);
    EXPECT_NE(totals[3].why_not.find("\"East\""), std::string::npos);

    // No K, no total; and nobody seen is a total of 0.
    Stratum no_k = stratum("x", 10, kNorth);
    no_k.blocks_total.reset();
    EXPECT_FALSE(kestrivo::analysis::stratum_total(kLibrary, no_k));
    EXPECT_EQ(kestrivo::analysis::stratum_total(kLibrary, stratum("y", 9, {{0, 0, 0, 0}})), 0.0);
}

// The standard error is the bootstrap's, each stratum's deviations scaled for the finite
// population and for what resampling k of k loses; the city's interval is exp(-+ t se / N)
// around N on Satterthwaite's degrees of freedom.
TEST(city_total_test, the_interval_comes_from_the_scaled_bootstrap) {
    SurveyDesign design;
    design.strata = {stratum("North", 60, kNorth), stratum("South", 12, kSouth)};
    kestrivo::analysis::BootstrapPlan plan;
    plan.replicates = 500;
    plan.seed = 7;
    const auto totals = kestrivo::analysis::city_totals(kLibrary, design, 0.9, plan);
    const auto estimator = [](const Stratum& s) {
        return kestrivo::analysis::stratum_total(kLibrary, s);
    };
    const auto raw = kestrivo::analysis::bootstrap(design, estimator, plan);

    double variance_sum = 0, variance_share = 0;
    for (std::size_t h = 0; h < 2; ++h) {
        const double k = double(design.strata[h].blocks.size());
        const double K = double(*design.strata[h].blocks_total);
        const auto& r = raw[h];
        const double mean = std::accumulate(r.begin(), r.end(), 0.0) / double(r.size());
        double squares = 0;
        for (double v : r)
            squares += (v - mean) * (v - mean);
        const double sd = std::sqrt(squares / double(r.size() - 1));
        const double se = std::sqrt((1 - k / K) * k / (k - 1)) * sd;
        EXPECT_NEAR(*totals[h].standard_error, se, 1e-9 * se) << h;
        variance_sum += se * se;
        variance_share += se * se * se * se / (k - 1);

        const boost::math::students_t_distribution<double> t(k - 1);
        const double spread = boost::math::quantile(t, 0.95) * se / *totals[h].dogs;
        EXPECT_NEAR(*totals[h].lower, *totals[h].dogs * std::exp(-spread), 1e-6);
        EXPECT_NEAR(*totals[h].upper, *totals[h].dogs * std::exp(spread), 1e-6);
    }
    const auto& city = totals[2];
    const double df = variance_sum * variance_sum / variance_share;
    const boost::math::students_t_distribution<double> t(df);
    const double spread = boost::math::quantile(t, 0.95) * *city.standard_error / *city.dogs;
    EXPECT_NEAR(*city.lower, *city.dogs * std::exp(-spread), 1e-6);
    EXPECT_NEAR(*city.upper, *city.dogs * std::exp(spread), 1e-6);
    // The strata are resampled independently: the city's variance is near their sum.
    EXPECT_NEAR(*city.standard_error, std::sqrt(variance_sum), 0.15 * std::sqrt(variance_sum));
}

TEST(city_total_test, replicates_follow_the_seed_and_not_the_threads) {
    SurveyDesign design;
    design.strata = {stratum("North", 60, kNorth), stratum("South", 12, kSouth)};
    const auto estimator = [](const Stratum& s) {
        return kestrivo::analysis::stratum_total(kLibrary, s);
    };
    kestrivo::analysis::BootstrapPlan one, three, other;
    one.replicates = three.replicates = other.replicates = 64;
    three.jobs = 3;
    other.seed = 2;
    const auto a = kestrivo::analysis::bootstrap(design, estimator, one);
    EXPECT_EQ(a, kestrivo::analysis::bootstrap(design, estimator, three));
    EXPECT_NE(a, kestrivo::analysis::bootstrap(design, estimator, other));
    // A stratum's replicates do not depend on the strata after it.
    SurveyDesign north_only;
    north_only.strata = {design.strata[0]};
    EXPECT_EQ(kestrivo::analysis::bootstrap(north_only, estimator, one)[0], a[0]);
    EXPECT_EQ(a[1].size(), 64u);
}

}  // namespace
