// The coverage after a vaccination campaign: the two-group likelihood against one summed dog by
// dog from each dog's chances (written here in long double from the model's definition), the
// fits against the expected counts of known visibilities, the coverage and the test of equal
// visibility, the city's coverage on a small designed survey, and the edges.
#include "analysis/vaccination_coverage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <random>

#include "analysis/city_simulation.h"
#include "library/kestrivo.h"

namespace {

using kestrivo::analysis::CoverageFit;
using kestrivo::analysis::Marks;
using kestrivo::analysis::SevenHistories;
using kestrivo::analysis::Sharing;
using kestrivo::analysis::VisibilityModel;
using P3 = std::array<double, 3>;

const kestrivo::analysis::Library kLibrary{RLOGLIK};

// Seen on counts 1, 2, 3 for each history of the survey's order.
constexpr int kSeen[7][3] = {{1, 0, 0}, {1, 1, 1}, {1, 0, 1}, {1, 1, 0},
                             {0, 1, 0}, {0, 0, 1}, {0, 1, 1}};

// A dog's chance of being seen on exactly the counts `seen` (unconditional): a territorial dog
// on every count, any other on count c with chance p[c].
long double chance_of(const int seen[3], long double s, const P3& p) {
    long double other = 1 - s;
    for (int c = 0; c < 3; ++c)
        other *= seen[c] ? p[std::size_t(c)] : 1 - p[std::size_t(c)];
    return other + ((seen[0] && seen[1] && seen[2]) ? s : 0);
}

// One dog's log chance of its history given what the survey conditions on: seen at least once
// (seven histories), or seen on count 1 (four).
long double dog_log_chance(int h, bool seven, long double s, const P3& p) {
    long double given = 0;
    for (int g = 0; g < 7; ++g) {
        if (seven || kSeen[g][0]) given += chance_of(kSeen[g], s, p);
    }
    return std::log(chance_of(kSeen[h], s, p) / given);
}

// The log likelihood summed over the dogs one at a time, each of its group.
long double brute_force(const SevenHistories& marked, const SevenHistories& rest, bool seven,
                        double sm, const P3& pm, double sr, const P3& pr) {
    long double value = 0;
    for (int h = 0; h < 7; ++h) {
        for (std::int64_t dog = 0; dog < marked[std::size_t(h)]; ++dog)
            value += dog_log_chance(h, seven, sm, pm);
        for (std::int64_t dog = 0; dog < rest[std::size_t(h)]; ++dog)
            value += dog_log_chance(h, seven, sr, pr);
    }
    return value;
}

TEST(vaccination_coverage_test, the_likelihood_is_each_dogs_chance_in_its_group) {
    const SevenHistories seven_marked = {5, 20, 4, 3, 2, 3, 1}, seven_rest = {9, 8, 6, 5, 7, 6, 4};
    const SevenHistories four_marked = {12, 30, 7, 9, 0, 0, 0}, four_rest = {20, 11, 8, 6, 0, 0, 0};
    const struct {
        SevenHistories marked, rest;
        bool seven;
        double sm;
        P3 pm;
        double sr;
        P3 pr;
    } cases[] = {
        {seven_marked, seven_rest, true, 0.3, {0.5, 0.6, 0.4}, 0.1, {0.3, 0.2, 0.35}},
        {seven_marked, seven_rest, true, 0, {0.45, 0.45, 0.45}, 0.8, {0.02, 0.9, 0.5}},
        {four_marked, four_rest, false, 0.25, {0.55, 0.55, 0.55}, 0.05, {0.3, 0.3, 0.3}},
        {{}, {3, 1, 2, 2, 0, 0, 0}, false, 0.5, {0.5, 0.5, 0.5}, 0.0, {0.99, 0.99, 0.99}},
    };
    for (const auto& c : cases) {
        const double value = kestrivo::analysis::coverage_log_likelihood(c.marked, c.rest, c.seven,
                                                                         c.sm, c.pm, c.sr, c.pr);
        EXPECT_NEAR(value, double(brute_force(c.marked, c.rest, c.seven, c.sm, c.pm, c.sr, c.pr)),
                    1e-9)
            << c.seven << " " << c.sm;
    }
}

// A group of `dogs` dogs' expected histories under (S, P's), rounded: many dogs make them the
// maximum's own counts to within the rounding. Four histories keep only the dogs seen on count 1.
SevenHistories expected(double dogs, double s, const P3& p, bool seven) {
    SevenHistories x{};
    for (int h = 0; h < 7; ++h) {
        if (!seven && !kSeen[h][0]) continue;
        x[std::size_t(h)] = std::llround(dogs * double(chance_of(kSeen[h], s, p)));
    }
    return x;
}

SevenHistories plus(const SevenHistories& a, const SevenHistories& b) {
    SevenHistories s{};
    for (std::size_t h = 0; h < 7; ++h)
        s[h] = a[h] + b[h];
    return s;
}

// The true share seen of a group: ever (seven histories) or on count 1 (four).
double true_seen(double s, const P3& p, bool seven) {
    return seven ? 1 - (1 - s) * (1 - p[0]) * (1 - p[1]) * (1 - p[2]) : s + (1 - s) * p[0];
}

// A group of dogs of one visibility: how many, and its S and P's.
struct Group {
    double dogs, s;
    P3 p;
};

const Group kAlikeMarked{60000, 0.3, {0.4, 0.4, 0.4}};
const Group kAlikeRest{40000, 0.3, {0.4, 0.4, 0.4}};
const Group kMoreMarked{70000, 0.4, {0.55, 0.55, 0.55}};
const Group kLessRest{30000, 0.2, {0.25, 0.25, 0.25}};
const Group kByCountMarked{50000, 0.3, {0.6, 0.5, 0.55}};
const Group kByCountRest{50000, 0.1, {0.3, 0.2, 0.25}};

struct Truth {
    const char* name;
    bool seven;
    Group marked, rest;
    double unknown_share;  // of every dog seen, marked or not, its mark unknown
    Sharing expect;
};

const Truth kTruths[] = {
    {"alike, seven", true, kAlikeMarked, kAlikeRest, 0, Sharing::shared},
    {"alike, a tenth of marks unknown, seven", true, kAlikeMarked, kAlikeRest, 0.1,
     Sharing::shared},
    {"marked seen more, seven", true, kMoreMarked, kLessRest, 0, Sharing::separate},
    {"by count, marked seen more, seven", true, kByCountMarked, kByCountRest, 0, Sharing::separate},
    {"alike, four", false, kAlikeMarked, kAlikeRest, 0, Sharing::shared},
    {"alike, a tenth of marks unknown, four", false, kAlikeMarked, kAlikeRest, 0.1,
     Sharing::shared},
    {"marked seen more, four", false, kMoreMarked, kLessRest, 0, Sharing::separate},
};

// The histories of the marked dogs and of the rest: the marked dogs whose mark was never seen
// clearly are among the rest's.
std::pair<SevenHistories, SevenHistories> groups_of(const Truth& t) {
    const double a = t.unknown_share;
    const Group& m = t.marked;
    return {expected((1 - a) * m.dogs, m.s, m.p, t.seven),
            plus(expected(t.rest.dogs, t.rest.s, t.rest.p, t.seven),
                 expected(a * m.dogs, m.s, m.p, t.seven))};
}

CoverageFit fit_truth(const Truth& t) {
    const double a = t.unknown_share;
    const auto [marked, rest] = groups_of(t);
    const SevenHistories all = plus(marked, rest);
    const std::int64_t seen = std::accumulate(all.begin(), all.end(), std::int64_t{0});
    const Marks marks{marked, std::llround(a * double(seen))};
    return kestrivo::analysis::fit_coverage(kLibrary, all, marks, t.seven, std::nullopt);
}

TEST(vaccination_coverage_test, the_fits_recover_known_visibilities_and_the_coverage) {
    for (const Truth& t : kTruths) {
        const CoverageFit fit = fit_truth(t);
        ASSERT_TRUE(fit) << t.name << ": " << fit.why_not;
        EXPECT_EQ(fit.models.size(), t.seven ? 4u : 2u) << t.name;
        EXPECT_EQ(fit.chosen_model().sharing, t.expect) << t.name;
        EXPECT_NEAR(fit.seen_marked_share, true_seen(t.marked.s, t.marked.p, t.seven), 2e-3)
            << t.name;
        EXPECT_NEAR(fit.seen_rest_share, true_seen(t.rest.s, t.rest.p, t.seven), 2e-3) << t.name;
        // Dogs of unknown mark are dogs like the others: all dogs and the coverage stay true.
        EXPECT_NEAR(fit.dogs / (t.marked.dogs + t.rest.dogs), 1, 5e-3) << t.name;
        const double truth = t.marked.dogs / (t.marked.dogs + t.rest.dogs);
        EXPECT_NEAR(*fit.coverage, truth, 3e-3) << t.name;
        // The naive share marked among the dogs seen is off when marked dogs are seen more.
        if (t.expect == Sharing::separate) {
            EXPECT_GT(*fit.naive, truth + 0.02) << t.name;
        }
        // The weights are a distribution and the shares seen their 1/q average.
        double weights = 0, over = 0;
        for (const auto& m : fit.models) {
            weights += m.weight;
            over += m.weight / m.seen_marked;
        }
        EXPECT_NEAR(weights, 1, 1e-12) << t.name;
        EXPECT_NEAR(fit.marked_dogs, double(fit.seen_marked) * over, 1e-6 * fit.marked_dogs);
    }
}

TEST(vaccination_coverage_test, the_shared_and_separate_maxima_are_the_one_group_fits) {
    const Truth& t = kTruths[2];
    const CoverageFit fit = fit_truth(t);
    const auto [marked, rest] = groups_of(t);
    for (const auto& m : fit.models) {
        // Each model's log likelihood is the two-group likelihood at its groups' maxima.
        EXPECT_NEAR(m.log_likelihood,
                    kestrivo::analysis::coverage_log_likelihood(marked, rest, true, m.marked.S,
                                                                m.marked.P, m.rest.S, m.rest.P),
                    1e-6);
        // And no nearby point of the same model is higher.
        for (double step : {-1e-3, 1e-3}) {
            P3 pm = m.marked.P, pr = m.rest.P;
            for (double& p : pm)
                p += step;
            for (double& p : pr)
                p += m.sharing == Sharing::shared ? step : -step;
            EXPECT_LE(kestrivo::analysis::coverage_log_likelihood(marked, rest, true, m.marked.S,
                                                                  pm, m.rest.S, pr),
                      m.log_likelihood + 1e-6);
        }
    }
}

TEST(vaccination_coverage_test, the_test_of_equal_visibility_sees_marked_dogs_seen_more) {
    const struct {
        const char* name;
        double pm, pr;
        bool rejects;
    } cases[] = {{"P 0.55 against 0.25", 0.55, 0.25, true}, {"alike", 0.4, 0.4, false}};
    for (bool seven : {true, false}) {
        for (const auto& c : cases) {
            // A few hundred dogs a group, as a stratum's sample has.
            const SevenHistories marked = expected(400, 0.3, {c.pm, c.pm, c.pm}, seven);
            const SevenHistories rest = expected(400, 0.3, {c.pr, c.pr, c.pr}, seven);
            const CoverageFit fit = kestrivo::analysis::fit_coverage(
                kLibrary, plus(marked, rest), {marked, 0}, seven, std::nullopt);
            ASSERT_TRUE(fit.equal_visibility) << c.name;
            EXPECT_EQ(fit.equal_visibility->p < 0.01, c.rejects) << c.name << " " << seven;
            if (!c.rejects) {
                EXPECT_GT(fit.equal_visibility->p, 0.5) << c.name;
            }
            EXPECT_EQ(fit.seen_more,
                      c.rejects ? kestrivo::analysis::SeenMore::marked : fit.seen_more)
                << c.name;
            EXPECT_GT(fit.equal_visibility->df, 0);
        }
    }
}

TEST(vaccination_coverage_test, the_edges_say_what_they_are) {
    const SevenHistories all = {20, 30, 8, 9, 6, 5, 4};
    const SevenHistories none{};
    const struct {
        const char* name;
        Marks marks;
        bool estimated;
        std::optional<double> coverage;
        bool marked_shared, rest_shared;
    } cases[] = {
        {"no marked dog", {none, 0}, true, 0.0, true, false},
        {"every dog marked", {all, 0}, true, 1.0, false, true},
        {"every other dog's mark unknown", {{10, 15, 4, 4, 3, 2, 2}, 42}, true, 1.0, false, false},
        {"more unknown than unmarked",
         {{10, 15, 4, 4, 3, 2, 2}, 43},
         false,
         std::nullopt,
         false,
         false},
        {"more marked than seen", {{21, 0, 0, 0, 0, 0, 0}, 0}, false, std::nullopt, false, false},
        // Marked dogs each seen once: nothing tells how many marked dogs were missed.
        {"marked never seen again", {{6, 0, 0, 0, 3, 2, 0}, 0}, true, std::nullopt, true, false},
    };
    for (const auto& c : cases) {
        const CoverageFit fit =
            kestrivo::analysis::fit_coverage(kLibrary, all, c.marks, true, std::nullopt);
        EXPECT_EQ(!fit.models.empty(), c.estimated) << c.name << ": " << fit.why_not;
        if (!c.estimated) {
            EXPECT_FALSE(fit.why_not.empty()) << c.name;
            continue;
        }
        if (c.coverage) {
            EXPECT_NEAR(*fit.coverage, *c.coverage, 1e-12) << c.name;
        }
        EXPECT_EQ(fit.marked_shared, c.marked_shared) << c.name;
        EXPECT_EQ(fit.rest_shared, c.rest_shared) << c.name;
        EXPECT_EQ(fit.marked_why_not.empty(), !c.marked_shared) << c.name;
        if (c.marked_shared || c.rest_shared) {
            // A group without its own fit takes the shared one: no separate model, no test.
            EXPECT_EQ(fit.models.size(), 2u) << c.name;
            EXPECT_FALSE(fit.equal_visibility) << c.name;
            EXPECT_EQ(fit.seen_marked_share, fit.seen_rest_share) << c.name;
        }
    }
    EXPECT_FALSE(kestrivo::analysis::fit_coverage(kLibrary, none, {none, 0}, true, std::nullopt));
}

TEST(vaccination_coverage_test, a_held_s_is_held_in_every_model) {
    const auto [marked, rest] = groups_of(kTruths[2]);
    const CoverageFit fit =
        kestrivo::analysis::fit_coverage(kLibrary, plus(marked, rest), {marked, 0}, true, 0.25);
    ASSERT_TRUE(fit);
    for (const auto& m : fit.models) {
        EXPECT_EQ(m.marked.S, 0.25);
        EXPECT_EQ(m.rest.S, 0.25);
    }
}

using kestrivo::analysis::CoverageTotal;
using kestrivo::analysis::Stratum;
using kestrivo::analysis::SurveyDesign;

// A block's marked and other dogs drawn apart, each group seen as its own model says.
void add_block(Stratum& stratum, std::int64_t marked_dogs, std::int64_t other_dogs,
               std::int64_t unknown, bool seven, std::mt19937_64& random) {
    kestrivo::analysis::BlockModel marked_model, other_model;
    marked_model.S = 0.4;
    marked_model.P = 0.55;
    other_model.S = 0.2;
    other_model.P = 0.3;
    const auto m = kestrivo::analysis::simulate_histories(marked_model, marked_dogs, random);
    const auto o = kestrivo::analysis::simulate_histories(other_model, other_dogs, random);
    kestrivo::analysis::Counts counts{};
    kestrivo::analysis::Later later{};
    Marks marks;
    for (std::size_t h = 0; h < 4; ++h) {
        counts[h] = m.counts[h] + o.counts[h];
        marks.marked[h] = m.counts[h];
    }
    for (std::size_t h = 0; h < 3 && seven; ++h) {
        later[h] = m.later[h] + o.later[h];
        marks.marked[4 + h] = m.later[h];
    }
    std::int64_t rest_seen = 0;
    for (std::size_t h = 0; h < 4; ++h)
        rest_seen += o.counts[h];
    marks.unknown = std::min(unknown, rest_seen);
    stratum.add(counts, std::nullopt,
                seven ? std::optional<kestrivo::analysis::Later>(later) : std::nullopt,
                std::nullopt, marks);
}

SurveyDesign designed_survey(bool seven) {
    std::mt19937_64 random(7);
    SurveyDesign design;
    Stratum& north = design.stratum("North");
    north.blocks_total = 60;
    for (int b = 0; b < 6; ++b)
        add_block(north, 20 + 3 * b, 15 + b, 1, seven, random);
    Stratum& south = design.stratum("South");
    south.blocks_total = 40;
    for (int b = 0; b < 5; ++b)
        add_block(south, 10 + 2 * b, 30 - b, 2, seven, random);
    return design;
}

kestrivo::analysis::CoverageOptions options_of(double target, int jobs = 1) {
    kestrivo::analysis::CoverageOptions options;
    options.target = target;
    options.bootstrap.replicates = 300;
    options.bootstrap.jobs = jobs;
    options.vaccinated = {{"North", 1500.0}};
    return options;
}

double logit(double c) {
    return std::log(c / (1 - c));
}

TEST(vaccination_coverage_test, the_citys_coverage_is_its_strata_marked_over_known_dogs) {
    for (bool seven : {true, false}) {
        const SurveyDesign design = designed_survey(seven);
        const auto totals = kestrivo::analysis::coverage_total(kLibrary, design, options_of(0.7));
        ASSERT_EQ(totals.size(), 3u);
        double marked = 0, known = 0, dogs = 0;
        for (std::size_t h = 0; h < 2; ++h) {
            const Stratum& stratum = design.strata[h];
            const CoverageTotal& t = totals[h];
            ASSERT_TRUE(t.coverage) << t.why_not;
            // The sample's fit, scaled by K_h / k_h.
            const auto sums = kestrivo::analysis::sample_sums(stratum);
            const CoverageFit fit = kestrivo::analysis::fit_coverage(
                kLibrary, sums.histories, {sums.marked, sums.unknown}, seven, std::nullopt);
            const double scale = double(*stratum.blocks_total) / double(stratum.blocks.size());
            EXPECT_NEAR(*t.marked_dogs, scale * fit.marked_dogs, 1e-6 * *t.marked_dogs);
            EXPECT_NEAR(*t.known_dogs, scale * (fit.marked_dogs + fit.known_unmarked),
                        1e-6 * *t.known_dogs);
            EXPECT_NEAR(*t.dogs, scale * fit.dogs, 1e-6 * *t.dogs);
            EXPECT_NEAR(*t.coverage, *fit.coverage, 1e-9);
            // Each block's dogs under the two groups add up to the stratum's.
            double block_marked = 0, block_dogs = 0;
            for (const auto& b : t.blocks) {
                block_marked += b.marked;
                block_dogs += b.dogs;
            }
            EXPECT_NEAR(scale * block_marked, *t.marked_dogs, 1e-6 * *t.marked_dogs);
            EXPECT_NEAR(scale * block_dogs, *t.dogs, 1e-6 * *t.dogs);
            // The interval is symmetric in the logit, around the coverage.
            ASSERT_TRUE(t.lower && t.upper);
            EXPECT_LT(*t.lower, *t.coverage);
            EXPECT_GT(*t.upper, *t.coverage);
            EXPECT_NEAR(logit(*t.coverage) - logit(*t.lower), logit(*t.upper) - logit(*t.coverage),
                        1e-9);
            EXPECT_NEAR(*t.doses, std::fmax(0.0, (0.7 - *t.coverage) * *t.dogs), 1e-6 * *t.dogs);
            EXPECT_LE(*t.doses_lower, *t.doses_upper);
            EXPECT_GE(*t.doses_lower, 0.0);
            EXPECT_LE(*t.dogs_lower, *t.dogs);
            EXPECT_GE(*t.dogs_upper, *t.dogs);
            marked += *t.marked_dogs;
            known += *t.known_dogs;
            dogs += *t.dogs;
        }
        // Lincoln-Petersen where the campaign's records are given.
        ASSERT_TRUE(totals[0].lincoln_petersen);
        EXPECT_NEAR(*totals[0].lincoln_petersen, 1500 / *totals[0].coverage, 1e-9);
        EXPECT_NEAR(*totals[0].lincoln_petersen_lower, 1500 / *totals[0].upper, 1e-9);
        EXPECT_FALSE(totals[1].lincoln_petersen);
        EXPECT_FALSE(totals[2].lincoln_petersen);  // not every stratum's records
        const CoverageTotal& city = totals[2];
        EXPECT_EQ(city.name, "");
        EXPECT_NEAR(*city.coverage, marked / known, 1e-12);
        EXPECT_NEAR(*city.dogs, dogs, 1e-9 * dogs);
        EXPECT_NEAR(*city.doses, std::fmax(0.0, (0.7 - marked / known) * dogs), 1e-6 * dogs);
        ASSERT_TRUE(city.lower && city.upper);
        EXPECT_LT(*city.lower, *city.coverage);
        EXPECT_GT(*city.upper, *city.coverage);
        // Two strata: Satterthwaite's degrees of freedom lie between the least stratum's and the
        // sum of both.
        EXPECT_GE(city.df, 4 - 1e-9);
        EXPECT_LE(city.df, 9 + 1e-9);
    }
}

TEST(vaccination_coverage_test, the_target_is_met_below_or_uncertain_by_the_interval) {
    const SurveyDesign design = designed_survey(true);
    const double c =
        *kestrivo::analysis::coverage_total(kLibrary, design, options_of(0.7)).back().coverage;
    const struct {
        double target;
        kestrivo::analysis::TargetStatus status;
        bool doses;
    } cases[] = {{0.05, kestrivo::analysis::TargetStatus::met, false},
                 {c, kestrivo::analysis::TargetStatus::uncertain, false},
                 {0.995, kestrivo::analysis::TargetStatus::below, true}};
    for (const auto& k : cases) {
        const auto city =
            kestrivo::analysis::coverage_total(kLibrary, design, options_of(k.target)).back();
        EXPECT_EQ(city.status, k.status) << k.target;
        EXPECT_EQ(*city.doses > 0, k.doses) << k.target;
        if (!k.doses) {
            EXPECT_EQ(*city.doses_lower, 0.0) << k.target;
        }
    }
}

TEST(vaccination_coverage_test, the_coverage_is_the_same_on_any_number_of_threads) {
    const SurveyDesign design = designed_survey(true);
    const auto one = kestrivo::analysis::coverage_total(kLibrary, design, options_of(0.7, 1));
    const auto two = kestrivo::analysis::coverage_total(kLibrary, design, options_of(0.7, 2));
    for (std::size_t i = 0; i < one.size(); ++i) {
        EXPECT_EQ(one[i].lower, two[i].lower);
        EXPECT_EQ(one[i].upper, two[i].upper);
        EXPECT_EQ(one[i].doses_upper, two[i].doses_upper);
    }
}

TEST(vaccination_coverage_test, a_stratum_without_marks_on_every_block_has_no_coverage) {
    SurveyDesign design = designed_survey(true);
    design.strata[1].add({3, 4, 1, 1}, std::nullopt, kestrivo::analysis::Later{1, 1, 1});
    EXPECT_FALSE(design.strata[1].has_marks());
    EXPECT_TRUE(design.strata[0].has_marks());
    const auto totals = kestrivo::analysis::coverage_total(kLibrary, design, options_of(0.7));
    EXPECT_TRUE(totals[0].coverage);
    EXPECT_FALSE(totals[1].coverage);
    EXPECT_FALSE(totals[1].why_not.empty());
    EXPECT_FALSE(totals[2].coverage);
    EXPECT_NE(totals[2].why_not.find("South"), std::string::npos);
}

TEST(vaccination_coverage_test, weights_of_k_over_k_give_the_simple_random_samples_dogs) {
    const SurveyDesign design = designed_survey(true);
    SurveyDesign weighted;
    for (const Stratum& s : design.strata) {
        Stratum& w = weighted.stratum(s.name);
        const double weight = double(*s.blocks_total) / double(s.blocks.size());
        for (std::size_t b = 0; b < s.blocks.size(); ++b)
            w.add(s.blocks[b], std::nullopt, s.later[b], weight, s.marks[b]);
    }
    const auto plain = kestrivo::analysis::coverage_total(kLibrary, design, options_of(0.7));
    const auto with_weights =
        kestrivo::analysis::coverage_total(kLibrary, weighted, options_of(0.7));
    for (std::size_t i = 0; i < plain.size(); ++i) {
        EXPECT_NEAR(*with_weights[i].marked_dogs, *plain[i].marked_dogs,
                    1e-9 * *plain[i].marked_dogs);
        EXPECT_NEAR(*with_weights[i].dogs, *plain[i].dogs, 1e-9 * *plain[i].dogs);
        EXPECT_NEAR(*with_weights[i].coverage, *plain[i].coverage, 1e-12);
        // Drawn with replacement, without the finite population: a wider interval.
        EXPECT_GT(*with_weights[i].upper - *with_weights[i].lower,
                  *plain[i].upper - *plain[i].lower);
    }
}

TEST(vaccination_coverage_test, strata_at_the_edges_say_what_they_give) {
    std::mt19937_64 random(11);
    const struct {
        const char* name;
        std::int64_t marked, others, blocks;
        std::optional<double> coverage;
        bool interval;
        std::optional<kestrivo::analysis::TargetStatus> status;
    } cases[] = {
        {"no marked dog", 0, 30, 5, 0.0, true, kestrivo::analysis::TargetStatus::below},
        {"every dog marked", 30, 0, 5, 1.0, true, kestrivo::analysis::TargetStatus::met},
        {"one sampled block", 20, 20, 1, std::nullopt, false, std::nullopt},
    };
    for (const auto& c : cases) {
        SurveyDesign design;
        Stratum& s = design.stratum("A");
        s.blocks_total = 50;
        for (std::int64_t b = 0; b < c.blocks; ++b)
            add_block(s, c.marked, c.others, 0, true, random);
        const auto totals = kestrivo::analysis::coverage_total(kLibrary, design, options_of(0.7));
        const CoverageTotal& t = totals[0];
        ASSERT_TRUE(t.coverage) << c.name << ": " << t.why_not;
        if (c.coverage) {
            EXPECT_EQ(*t.coverage, *c.coverage) << c.name;
        }
        EXPECT_EQ(bool(t.lower), c.interval) << c.name;
        EXPECT_EQ(t.no_interval.empty(), c.interval) << c.name;
        EXPECT_EQ(t.status, c.status) << c.name;
        EXPECT_EQ(bool(totals[1].lower), c.interval) << c.name;
        if (c.interval) {
            EXPECT_LE(*t.lower, *t.coverage) << c.name;
            EXPECT_GE(*t.upper, *t.coverage) << c.name;
        }
    }
}

}  // namespace
