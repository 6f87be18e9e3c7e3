// The city total on a small design worked by hand: each stratum's share seen from the closed form
// of the two-class model's maximum (derived here, not taken from the code), the total
// sum_h (K_h / k_h) sum_b n_b / q_h, the bootstrap's deviations scaled by
// sqrt((1 - k_h / K_h) k_h / (k_h - 1)), Satterthwaite's degrees of freedom for the city, and the
// interval symmetric in the log of the total.
#include "analysis/city_total.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <boost/math/distributions/students_t.hpp>
#include <cmath>
#include <numeric>
#include <optional>
#include <random>

#include "analysis/pooled_visibility.h"
#include "library/kestrivo.h"

namespace {

using kestrivo::analysis::Counts;
using kestrivo::analysis::Stratum;
using kestrivo::analysis::SurveyDesign;

const kestrivo::analysis::Library kLibrary{RLOGLIK};

// The share seen the survey's fit takes, by hand. Given seen on count 1, a dog is territorial
// with chance t; with u = 1 - t the histories have chances u (1 - P)^2 (1,0,0), u P (1 - P)
// (1,0,1 and 1,1,0) and 1 - u (1 - P^2) (1,1,1). Setting both slopes of the log likelihood to
// zero gives P = d / (2a + d) and u = (a + d) / (n (1 - P^2)), a = c100, d = c101 + c110; and
// since t = S / q, q = P / (u + (1 - u) P). With S = 0 (u = 1) the best P is (2b + d) / 2n, and
// q = P. The survey takes S = 0 when its AICc is no worse than the free model's.
double share_seen_by_hand(const Counts& c) {
    const double a = c[0], b = c[1], d = double(c[2]) + c[3], n = double(c[0]) + c[1] + c[2] + c[3];
    const auto log_likelihood = [&](double u, double p) {
        return a * std::log(u * (1 - p) * (1 - p)) + b * std::log(1 - u * (1 - p * p)) +
               d * std::log(u * p * (1 - p));
    };
    const double p = d / (2 * a + d);
    const double u = (a + d) / (n * (1 - p * p));
    const double p0 = (2 * b + d) / (2 * n);
    const auto aicc = [&](double l, double k) {
        return -2 * l + 2 * k + 2 * k * (k + 1) / (n - k - 1);
    };
    if (aicc(log_likelihood(1, p0), 1) <= aicc(log_likelihood(u, p), 2)) return p0;
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
const std::vector<Counts> kOne = {{13, 38, 14, 15}};

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
    using Kind = kestrivo::analysis::TotalNote::Kind;
    EXPECT_FALSE(totals[2].lower);
    ASSERT_EQ(totals[2].notes.size(), 1u);
    EXPECT_EQ(totals[2].notes[0].kind, Kind::one_sampled_block);
    EXPECT_EQ(totals[2].notes[0].count, 30);
    EXPECT_FALSE(totals[3].lower);
    // The city's row says it of the stratum by name.
    const auto east = std::find_if(totals[3].notes.begin(), totals[3].notes.end(),
                                   [](const auto& n) { return n.kind == Kind::one_sampled_block; });
    ASSERT_NE(east, totals[3].notes.end());
    EXPECT_EQ(east->stratum, "East");
    EXPECT_TRUE(east->named);

    // No K, no total; and nobody seen is a total of 0.
    Stratum no_k = stratum("x", 10, kNorth);
    no_k.blocks_total.reset();
    EXPECT_FALSE(kestrivo::analysis::stratum_total(kLibrary, no_k));
    EXPECT_EQ(kestrivo::analysis::stratum_total(kLibrary, stratum("y", 9, {{0, 0, 0, 0}})), 0.0);
}

// The standard error is the bootstrap's: in each replicate the dogs seen deviate from the
// sample's by the finite-population factor and the share seen by sqrt(k / (k - 1)) on the log
// scale, and the first count's binomial part T (1 - q) / q is added. The intervals are
// exp(-+ t se / N) around N, the city's on Satterthwaite's degrees of freedom.
TEST(city_total_test, the_interval_comes_from_the_rescaled_bootstrap) {
    const struct {
        const char* what;
        std::int64_t north_K, south_K;
    } cases[] = {{"sampled", 60, 12}, {"South counted whole", 60, 3}, {"both whole", 4, 3}};
    for (const auto& c : cases) {
        SurveyDesign design;
        design.strata = {stratum("North", c.north_K, kNorth), stratum("South", c.south_K, kSouth)};
        kestrivo::analysis::BootstrapPlan plan;
        plan.replicates = 500;
        plan.seed = 7;
        const auto totals = kestrivo::analysis::city_totals(kLibrary, design, 0.9, plan);

        double variance_sum = 0, variance_share = 0;
        for (std::size_t h = 0; h < 2; ++h) {
            const Stratum& s = design.strata[h];
            const double k = double(s.blocks.size()), K = double(*s.blocks_total);
            const double n = double(dogs(s.blocks));
            const double q = share_seen_by_hand(sum(s.blocks));
            const double total = K / k * n / q;
            std::vector<double> r;
            for (const auto& sums : kestrivo::analysis::resampled_sums(s, h, plan)) {
                const double seen = sums.weighted_seen;
                const double q_b = *kestrivo::analysis::share_seen_of(kLibrary, sums, {}, false);
                const double q_scaled =
                    std::fmin(1.0, q * std::pow(q_b / q, std::sqrt(k / (k - 1))));
                r.push_back(K / k * (n + std::sqrt((1 - k / K) * k / (k - 1)) * (seen - n)) /
                            q_scaled);
            }
            const double mean = std::accumulate(r.begin(), r.end(), 0.0) / double(r.size());
            double squares = 0;
            for (double v : r)
                squares += (v - mean) * (v - mean);
            const double variance = squares / double(r.size() - 1) + total * (1 - q) / q;
            const double se = std::sqrt(variance);
            EXPECT_NEAR(*totals[h].standard_error, se, 1e-9 * se) << c.what << " " << h;
            variance_sum += variance;
            variance_share += variance * variance / (k - 1);

            const boost::math::students_t_distribution<double> t(k - 1);
            const double spread = boost::math::quantile(t, 0.95) * se / *totals[h].dogs;
            EXPECT_NEAR(*totals[h].lower, *totals[h].dogs * std::exp(-spread), 1e-6) << c.what;
            EXPECT_NEAR(*totals[h].upper, *totals[h].dogs * std::exp(spread), 1e-6) << c.what;
            // Counted whole or not, the share seen is estimated: the interval has width.
            EXPECT_GT(*totals[h].upper - *totals[h].lower, 0.02 * *totals[h].dogs) << c.what;
        }
        const auto& city = totals[2];
        EXPECT_NEAR(*city.standard_error, std::sqrt(variance_sum), 1e-9 * std::sqrt(variance_sum));
        const double df = variance_sum * variance_sum / variance_share;
        const boost::math::students_t_distribution<double> t(df);
        const double spread = boost::math::quantile(t, 0.95) * *city.standard_error / *city.dogs;
        EXPECT_NEAR(*city.lower, *city.dogs * std::exp(-spread), 1e-6) << c.what;
        EXPECT_NEAR(*city.upper, *city.dogs * std::exp(spread), 1e-6) << c.what;
    }
}

TEST(city_total_test, replicates_follow_the_seed_and_not_the_threads) {
    const Stratum north = stratum("North", 60, kNorth);
    kestrivo::analysis::BootstrapPlan one, other;
    one.replicates = other.replicates = 64;
    other.seed = 2;
    const auto a = kestrivo::analysis::resampled_sums(north, 0, one);
    ASSERT_EQ(a.size(), 64u);
    EXPECT_EQ(a, kestrivo::analysis::resampled_sums(north, 0, one));
    EXPECT_NE(a, kestrivo::analysis::resampled_sums(north, 0, other));
    EXPECT_NE(a, kestrivo::analysis::resampled_sums(north, 1, one));  // each stratum its stream
    for (const auto& sums : a)  // each replicate sums k of the blocks: between the extremes
        EXPECT_GT(sums.histories[1], 0);

    SurveyDesign design;
    design.strata = {north, stratum("South", 12, kSouth)};
    kestrivo::analysis::BootstrapPlan three = one;
    three.jobs = 3;
    const auto x = kestrivo::analysis::city_totals(kLibrary, design, 0.95, one);
    const auto y = kestrivo::analysis::city_totals(kLibrary, design, 0.95, three);
    for (std::size_t i = 0; i < x.size(); ++i) {
        EXPECT_EQ(x[i].standard_error, y[i].standard_error);
        EXPECT_EQ(x[i].lower, y[i].lower);
    }
}

// The bootstrap is a function over any estimator of the design: here each stratum's mean of
// its blocks' dogs seen on count 1 (all as 1,0,0), so a replicate is known without any fit. A
// direct resampling loop with the same seed gives the very same numbers: stratum h draws its k
// blocks for each replicate in turn from a 64-bit Mersenne twister seeded with (seed, h), each
// draw the high 64 bits of the random word times k.
Stratum counts_of(const std::string& name, const std::vector<std::int32_t>& seen) {
    Stratum s;
    s.name = name;
    for (std::int32_t n : seen)
        s.add({n, 0, 0, 0}, std::nullopt);
    return s;
}

std::vector<double> means_by_hand(const std::vector<std::int32_t>& seen, std::size_t h,
                                  std::uint64_t seed, int replicates) {
    std::seed_seq sequence{seed, std::uint64_t{h}};
    std::mt19937_64 random(sequence);
    std::vector<double> means;
    for (int b = 0; b < replicates; ++b) {
        std::int64_t sum = 0;
        for (std::size_t i = 0; i < seen.size(); ++i) {
            __extension__ typedef unsigned __int128 Wide;
            sum += seen[std::size_t((static_cast<Wide>(random()) * seen.size()) >> 64)];
        }
        means.push_back(double(sum) / double(seen.size()));
    }
    return means;
}

const kestrivo::analysis::DesignEstimator kMeans = [](kestrivo::analysis::DesignReplicate r) {
    // The blocks of the two strata below.
    const double k[] = {6, 3};
    return std::vector<double>{double(r[0].histories[0]) / k[0], double(r[1].histories[0]) / k[1]};
};

TEST(city_total_test, the_bootstrap_of_any_estimator_draws_as_a_direct_loop_does) {
    const std::vector<std::int32_t> first = {3, 7, 1, 12, 5, 9}, second = {20, 4, 11};
    SurveyDesign design;
    design.strata = {counts_of("A", first), counts_of("B", second)};
    const struct {
        std::uint64_t seed;
        int replicates, jobs;
    } cases[] = {{1, 300, 1}, {1, 300, 3}, {42, 1000, 2}, {7, 1, 1}};
    for (const auto& c : cases) {
        kestrivo::analysis::BootstrapPlan plan;
        plan.seed = c.seed;
        plan.replicates = c.replicates;
        plan.jobs = c.jobs;
        const auto values = kestrivo::analysis::bootstrap(design, plan, 2, kMeans);
        ASSERT_EQ(values.size(), 2u);
        EXPECT_EQ(values[0], means_by_hand(first, 0, c.seed, c.replicates)) << c.seed;
        EXPECT_EQ(values[1], means_by_hand(second, 1, c.seed, c.replicates)) << c.seed;
        // A stratum left out of the draws changes nothing in the other, and sums to 0.
        const auto alone = kestrivo::analysis::bootstrap(design, plan, 2, kMeans, {false, true});
        EXPECT_EQ(alone[1], values[1]) << c.seed;
        EXPECT_EQ(alone[0], std::vector<double>(std::size_t(c.replicates), 0.0)) << c.seed;
    }
}

// Over many replicates the bootstrap standard error of a mean of k values approaches the
// plug-in value s sqrt((k - 1) / k) / sqrt(k), s their sample standard deviation.
TEST(city_total_test, the_bootstrap_of_a_mean_has_the_plug_in_standard_error) {
    const std::vector<std::int32_t> first = {3, 7, 1, 12, 5, 9}, second = {20, 4, 11};
    SurveyDesign design;
    design.strata = {counts_of("A", first), counts_of("B", second)};
    kestrivo::analysis::BootstrapPlan plan;
    plan.replicates = 40000;
    plan.jobs = 2;
    const auto values = kestrivo::analysis::bootstrap(design, plan, 2, kMeans);
    for (std::size_t h = 0; h < 2; ++h) {
        const auto& x = h == 0 ? first : second;
        const double k = double(x.size());
        const double mean = std::accumulate(x.begin(), x.end(), 0.0) / k;
        double squares = 0;
        for (double v : x)
            squares += (v - mean) * (v - mean);
        const double expected =
            std::sqrt(squares / (k - 1)) * std::sqrt((k - 1) / k) / std::sqrt(k);
        const auto& r = values[h];
        const double r_mean = std::accumulate(r.begin(), r.end(), 0.0) / double(r.size());
        double r_squares = 0;
        for (double v : r)
            r_squares += (v - r_mean) * (v - r_mean);
        const double se = std::sqrt(r_squares / double(r.size() - 1));
        // 40,000 replicates estimate a standard deviation to about 0.4% of itself.
        EXPECT_NEAR(se, expected, 0.02 * expected) << h;
        EXPECT_NEAR(r_mean, mean, 0.02 * expected) << h;
    }
}

TEST(city_total_test, a_cancelled_bootstrap_leaves_its_replicates_empty) {
    SurveyDesign design;
    design.strata = {counts_of("A", {3, 7, 1}), counts_of("B", {20, 4, 11})};
    const std::atomic<bool> cancelled{true};
    kestrivo::analysis::BootstrapPlan plan;
    plan.replicates = 50;
    plan.cancel = &cancelled;
    int calls = 0;
    const auto values =
        kestrivo::analysis::bootstrap(design, plan, 2, [&](kestrivo::analysis::DesignReplicate r) {
            ++calls;
            return kMeans(r);
        });
    EXPECT_EQ(calls, 0);
    for (const auto& estimate : values) {
        ASSERT_EQ(estimate.size(), 50u);
        for (double v : estimate)
            EXPECT_TRUE(std::isnan(v));
    }
}

// The strata that give a total without an interval, or none, say why, and so does the city.
TEST(city_total_test, totals_say_what_they_leave_out) {
    Stratum nobody = stratum("Empty", 20, {{0, 0, 0, 0}, {0, 0, 0, 0}});
    Stratum unread = stratum("North", 60, kNorth);
    unread.left_out = 2;
    Stratum no_blocks = stratum("West", 5, {});
    no_blocks.left_out = 3;
    using kestrivo::analysis::TotalNote;
    using Kind = TotalNote::Kind;
    const struct {
        std::vector<Stratum> strata;
        std::size_t stratum;
        bool has_total, has_interval, city_has_interval;
        std::optional<TotalNote> note;  // of the stratum's total; the city's names the stratum
        const char* why_not;            // of both, when there is no total
    } cases[] = {
        {{nobody, stratum("South", 12, kSouth)},
         0,
         true,
         false,
         true,
         TotalNote{Kind::no_dog_seen, 0, 0, "", false},
         ""},
        {{unread, stratum("South", 12, kSouth)},
         0,
         true,
         true,
         true,
         TotalNote{Kind::blocks_left_out, 2, 4, "", false},
         ""},
        {{no_blocks, stratum("South", 12, kSouth)},
         0,
         false,
         false,
         false,
         std::nullopt,
         "no block of this stratum could be read"},
    };
    for (const auto& c : cases) {
        SurveyDesign design;
        design.strata = c.strata;
        kestrivo::analysis::BootstrapPlan plan;
        plan.replicates = 200;
        const auto totals = kestrivo::analysis::city_totals(kLibrary, design, 0.95, plan);
        const auto& t = totals[c.stratum];
        const std::string name = c.strata[c.stratum].name;
        EXPECT_EQ(t.dogs.has_value(), c.has_total) << name;
        EXPECT_EQ(t.lower.has_value(), c.has_interval) << name;
        EXPECT_EQ(totals.back().lower.has_value(), c.city_has_interval) << name;
        EXPECT_NE(t.why_not.find(c.why_not), std::string::npos) << t.why_not;
        EXPECT_NE(totals.back().why_not.find(c.why_not), std::string::npos) << name;
        if (!c.note) continue;
        EXPECT_NE(std::find(t.notes.begin(), t.notes.end(), *c.note), t.notes.end()) << name;
        TotalNote in_city = *c.note;
        in_city.stratum = name;
        in_city.named = true;
        const auto& city = totals.back().notes;
        EXPECT_NE(std::find(city.begin(), city.end(), in_city), city.end()) << name;
    }
    SurveyDesign unplaced;
    unplaced.strata = {stratum("South", 12, kSouth)};
    unplaced.unplaced = 1;
    kestrivo::analysis::BootstrapPlan plan;
    plan.replicates = 100;
    const auto notes = kestrivo::analysis::city_totals(kLibrary, unplaced, 0.95, plan).back().notes;
    EXPECT_NE(
        std::find(notes.begin(), notes.end(), TotalNote{Kind::rows_unplaced, 1, 0, "", false}),
        notes.end());
}

// A stratum whose seven histories cannot tell how many dogs every count missed (nobody seen
// twice, or nobody on count 1) has no pooled fit and no total, for the same reason; the city's
// total names it. Beside it, and alone, an ordinary stratum has both.
TEST(city_total_test, a_stratum_whose_seven_histories_cannot_tell_its_visibility_has_no_total) {
    using Seven = std::array<std::int32_t, 7>;  // c100, c111, c101, c110, c010, c001, c011
    const char* const kNobodyAgain = "no dog was seen on more than one count";
    const char* const kNotOnOne = "no dog was seen on count 1";
    const struct {
        std::vector<Seven> blocks;
        const char* why;  // nullptr: the visibility can be estimated
    } cases[] = {
        {{{0, 0, 0, 0, 0, 4, 0}, {0, 0, 0, 0, 0, 5, 0}, {0, 0, 0, 0, 0, 3, 0}}, kNobodyAgain},
        {{{0, 0, 0, 0, 5, 0, 0}, {0, 0, 0, 0, 2, 0, 0}}, kNobodyAgain},
        {{{0, 0, 0, 0, 3, 4, 0}, {0, 0, 0, 0, 1, 2, 0}}, kNobodyAgain},
        {{{5, 0, 0, 0, 0, 0, 0}, {4, 0, 0, 0, 0, 0, 0}}, kNobodyAgain},
        {{{5, 0, 0, 0, 3, 4, 0}, {2, 0, 0, 0, 1, 1, 0}}, kNobodyAgain},
        {{{0, 0, 0, 0, 0, 0, 5}, {0, 0, 0, 0, 0, 0, 4}}, kNotOnOne},
        {{{0, 0, 0, 0, 2, 3, 5}, {0, 0, 0, 0, 1, 0, 4}}, kNotOnOne},
        {{{10, 20, 5, 5, 6, 5, 3}, {14, 25, 9, 4, 7, 8, 4}}, nullptr},
    };
    for (const auto& c : cases) {
        Stratum odd;
        odd.name = "Z";
        odd.blocks_total = 20;
        for (const Seven& b : c.blocks)
            odd.add({b[0], b[1], b[2], b[3]}, std::nullopt,
                    kestrivo::analysis::Later{b[4], b[5], b[6]});
        ASSERT_TRUE(odd.has_later());
        const auto pooled = kestrivo::analysis::pool(kLibrary, odd, 0.95);
        EXPECT_FALSE(pooled.nobody_seen);
        SurveyDesign design;
        design.strata = {stratum("South", 12, kSouth), odd};
        kestrivo::analysis::BootstrapPlan plan;
        plan.replicates = 100;
        const auto totals = kestrivo::analysis::city_totals(kLibrary, design, 0.95, plan);
        const auto& total = totals[1];
        const auto& city = totals.back();
        if (!c.why) {
            EXPECT_TRUE(pooled) << pooled.why_not;
            EXPECT_TRUE(total.dogs && total.lower && city.dogs && city.lower) << total.why_not;
            continue;
        }
        EXPECT_FALSE(pooled);
        EXPECT_NE(pooled.why_not.find(c.why), std::string::npos) << pooled.why_not;
        EXPECT_FALSE(total.dogs);
        EXPECT_FALSE(total.lower);
        EXPECT_EQ(total.why_not, pooled.why_not);
        EXPECT_FALSE(city.dogs);
        EXPECT_EQ(city.why_not, "stratum \"Z\": " + pooled.why_not);
        EXPECT_TRUE(totals[0].dogs && totals[0].lower);  // the other stratum keeps its own
    }
}

// Weights so large that a total passes the largest double give no total, nor an infinite limit:
// a stratum's, or the city's where only their sum passes it.
TEST(city_total_test, a_total_past_the_largest_number_is_no_total) {
    const auto totals_at = [](double weight) {
        SurveyDesign design;
        for (const char* name : {"North", "South"}) {
            Stratum heavy;
            heavy.name = name;
            for (const Counts& c : kSouth)
                heavy.add(c, std::nullopt, std::nullopt, weight);
            design.strata.push_back(heavy);
        }
        kestrivo::analysis::BootstrapPlan plan;
        plan.replicates = 50;
        return kestrivo::analysis::city_totals(kLibrary, design, 0.95, plan);
    };
    // The total grows with the weight: the weight whose stratum total is 1e308.
    const double stratum_at_1e300 = *totals_at(1e300)[0].dogs;
    const double one_short = 1e300 * (1e308 / stratum_at_1e300);
    const struct {
        double weight;
        bool stratum_total, city_total;
    } cases[] = {{1e300, true, true}, {one_short, true, false}, {1e308, false, false}};
    for (const auto& c : cases) {
        const auto totals = totals_at(c.weight);
        EXPECT_EQ(totals[0].dogs.has_value(), c.stratum_total) << c.weight;
        EXPECT_EQ(totals.back().dogs.has_value(), c.city_total) << c.weight;
        if (!c.city_total) {
            EXPECT_NE((totals.back().why_not).find("too large"), std::string::npos)
                << totals.back().why_not;
        }
        for (const auto& t : totals) {
            for (const auto& value : {t.dogs, t.standard_error, t.lower, t.upper}) {
                EXPECT_TRUE(!value || std::isfinite(*value)) << c.weight << " " << t.name;
            }
        }
    }
}

}  // namespace
