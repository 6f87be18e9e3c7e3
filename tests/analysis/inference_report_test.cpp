// The report against an independent computation (reference_inference.h): estimates, profile
// limits of P, S and the share seen, the dogs on the block, the bound notes and both model checks,
// on maxima inside the box, on each of its edges, with S held, and on counts so small that a
// limit reaches the box. Then the data on which nothing can be computed.
#include "analysis/inference_report.h"

#include <gtest/gtest.h>

#include <cmath>

#include "library/kestrivo.h"
#include "tests/analysis/reference_inference.h"

namespace {

namespace ref = kestrivo::library::reference;
using kestrivo::analysis::Bound;
using kestrivo::analysis::Interval;
using kestrivo::analysis::Report;

const kestrivo::analysis::Library kLibrary{RLOGLIK};
constexpr double kDrop95 = 3.841458820694124 / 2;  // half the chi-square(1) 95% point, from tables

Report report_of(ref::Counts counts, std::optional<double> s_held = {}, double level = 0.95) {
    kestrivo::analysis::Request request;
    request.counts = {counts[0], counts[1], counts[2], counts[3]};
    request.s_held = s_held;
    request.level = level;
    return kestrivo::analysis::make_report(kLibrary, request);
}

std::string name(const ref::Counts& c, std::optional<double> s_held) {
    std::string text = std::to_string(c[0]) + "," + std::to_string(c[1]) + "," +
                       std::to_string(c[2]) + "," + std::to_string(c[3]);
    return s_held ? text + " with S held at " + std::to_string(*s_held) : text;
}

void expect_limits(const Interval& got, const ref::Limits& expected, const char* what) {
    SCOPED_TRACE(what);
    EXPECT_NEAR(got.lower, double(expected.lower), 1e-6);
    EXPECT_NEAR(got.upper, double(expected.upper), 1e-6);
    EXPECT_EQ(got.lower_at_bound, expected.lower_at_edge);
    EXPECT_EQ(got.upper_at_bound, expected.upper_at_edge);
}

// Upper tail of chi-square with 1 or 2 degrees of freedom, by their closed forms. A statistic at
// or below 0 (a perfect fit, where rounding may leave a hair below) has the whole tail.
double chi_square_tail(double x, int df) {
    if (!(x > 0)) return 1.0;
    return df == 1 ? std::erfc(std::sqrt(x / 2)) : std::exp(-x / 2);
}

// Everything but the dogs on the block, which take the reference much longer.
void expect_matches_reference(const ref::Counts& counts, std::optional<double> s_held = {}) {
    SCOPED_TRACE(name(counts, s_held));
    const Report report = report_of(counts, s_held);
    ASSERT_TRUE(report.estimates) << report.estimates.why_not;
    const ref::Block block{counts, !s_held, s_held.value_or(0)};

    ref::Real s, p, best;
    if (s_held) {
        s = *s_held;
        std::tie(p, best) =
            ref::grid_max([&](ref::Real x) { return block.at(s, x); }, ref::kLow, ref::kHigh);
    } else {
        // Over the whole box: the best S by its profile, then the best P there.
        std::tie(s, best) =
            ref::grid_max([&](ref::Real x) { return block.profile_s(x); }, ref::kLow, ref::kHigh);
        p = ref::grid_max([&](ref::Real x) { return block.at(s, x); }, ref::kLow, ref::kHigh).first;
    }
    EXPECT_NEAR(report.estimates->S, double(s), 1e-6);
    EXPECT_NEAR(report.estimates->P, double(p), 1e-6);
    EXPECT_NEAR(report.estimates->seen, double(s + (1 - s) * p), 1e-6);
    EXPECT_NEAR(report.estimates->log_likelihood, double(best), 1e-6);
    EXPECT_NEAR(report.drop, kDrop95, 1e-12);

    const ref::Real threshold = best - kDrop95;
    ASSERT_TRUE(report.p_limits);
    expect_limits(*report.p_limits,
                  ref::limits([&](ref::Real x) { return block.profile_p(x); }, p, ref::kLow,
                              ref::kHigh, threshold),
                  "limits of P");
    ASSERT_TRUE(report.seen_limits);
    expect_limits(*report.seen_limits,
                  ref::limits([&](ref::Real x) { return block.profile_seen(x); }, s + (1 - s) * p,
                              block.seen_low(), block.seen_high(), threshold),
                  "limits of the share seen");
    if (s_held) {
        EXPECT_FALSE(report.s_limits);
        EXPECT_FALSE(report.always_visible);
        EXPECT_EQ(report.s_bound, Bound::none);
    } else {
        ASSERT_TRUE(report.s_limits);
        expect_limits(*report.s_limits,
                      ref::limits([&](ref::Real x) { return block.profile_s(x); }, s, ref::kLow,
                                  ref::kHigh, threshold),
                      "limits of S");
        const ref::Real without =
            ref::grid_max([&](ref::Real x) { return block.at(0, x); }, ref::kLow, ref::kHigh)
                .second;
        const double statistic = std::max(0.0, double(2 * (best - without)));
        ASSERT_TRUE(report.always_visible);
        EXPECT_NEAR(report.always_visible->statistic, statistic, 1e-6);
        // The tail is steep near a statistic of 0 (its slope goes as one over the square root):
        // it is checked against the report's own statistic, which is checked above.
        const double own = report.always_visible->statistic;
        EXPECT_NEAR(report.always_visible->p, own > 0 ? chi_square_tail(own, 1) / 2 : 1.0, 1e-9);
    }

    // G2 from the fitted history probabilities themselves.
    const ref::Real s1 = s / (s + (1 - s) * p);
    const ref::Real pi[4] = {(1 - s1) * (1 - p) * (1 - p), s1 + (1 - s1) * p * p,
                             (1 - s1) * p * (1 - p), (1 - s1) * p * (1 - p)};
    ref::Real deviance = 0;
    for (int k = 0; k < 4; ++k) {
        if (counts[k] > 0) deviance += 2 * counts[k] * std::log(counts[k] / (block.n() * pi[k]));
    }
    // A deviance is never below zero: a perfect fit's terms cancel to within rounding, which may
    // leave a hair of either sign.
    deviance = std::max<ref::Real>(deviance, 0);
    ASSERT_TRUE(report.fit_check);
    EXPECT_NEAR(report.fit_check->deviance, double(deviance), 1e-6);
    EXPECT_EQ(report.fit_check->df, s_held ? 2 : 1);
    // As above: at a perfect fit p moves as the square root of the deviance's last bits.
    EXPECT_NEAR(report.fit_check->p, chi_square_tail(report.fit_check->deviance, s_held ? 2 : 1),
                1e-9);
}

TEST(inference_report_test, maxima_inside_the_box) {
    expect_matches_reference({10, 20, 5, 5});
    expect_matches_reference({30, 40, 20, 25});
    expect_matches_reference({100, 250, 80, 70});
    const Report report = report_of({30, 40, 20, 25});
    EXPECT_EQ(report.s_bound, Bound::none);
    EXPECT_EQ(report.p_bound, Bound::none);
}

TEST(inference_report_test, maxima_on_each_edge_of_the_box) {
    // The window's start counts: S on its lower edge, and a poor fit.
    expect_matches_reference({29, 36, 54, 48});
    const Report start = report_of({29, 36, 54, 48});
    EXPECT_EQ(start.s_bound, Bound::lower);
    EXPECT_EQ(start.p_bound, Bound::none);
    EXPECT_LT(start.fit_check->p, 0.01);
    EXPECT_EQ(start.always_visible->statistic, 0.0) << "S = 0 fits better than any S in the box";
    EXPECT_EQ(start.always_visible->p, 1.0);

    const struct {
        ref::Counts counts;
        Bound s, p;
    } edges[] = {{{1, 1000, 0, 1}, Bound::upper, Bound::none},
                 {{5, 100, 0, 0}, Bound::none, Bound::lower},
                 {{0, 50, 1, 0}, Bound::none, Bound::upper}};
    for (const auto& edge : edges) {
        expect_matches_reference(edge.counts);
        const Report report = report_of(edge.counts);
        EXPECT_EQ(report.s_bound, edge.s) << name(edge.counts, {});
        EXPECT_EQ(report.p_bound, edge.p) << name(edge.counts, {});
    }
}

TEST(inference_report_test, s_held_at_zero_and_elsewhere) {
    expect_matches_reference({29, 36, 54, 48}, 0.0);
    expect_matches_reference({10, 20, 5, 5}, 0.3);
    // Held at 0, the share seen is P itself.
    const Report report = report_of({29, 36, 54, 48}, 0.0);
    EXPECT_NEAR(report.seen_limits->lower, report.p_limits->lower, 1e-9);
    EXPECT_NEAR(report.seen_limits->upper, report.p_limits->upper, 1e-9);
}

TEST(inference_report_test, small_counts_reach_the_edge_of_the_box) {
    expect_matches_reference({1, 2, 0, 1});
    expect_matches_reference({2, 1, 1, 0});
    const Report report = report_of({1, 2, 0, 1});
    EXPECT_TRUE(report.s_limits->lower_at_bound);
    EXPECT_EQ(report.s_limits->lower, 0.01);
}

// A spread of small and large samples from a fixed stream, S free and held: the report must agree
// with the reference on every one of them, wherever its maximum falls.
TEST(inference_report_test, a_sweep_of_count_vectors) {
    std::uint32_t state = 2024;
    const auto next = [&](int limit) {
        state = state * 1664525u + 1013904223u;
        return static_cast<int>((state >> 8) % static_cast<std::uint32_t>(limit + 1));
    };
    for (int i = 0; i < 40; ++i) {
        const int limit = i % 2 == 0 ? 8 : 150;
        const ref::Counts counts = {next(limit), next(limit), next(limit), next(limit)};
        if (counts[0] + counts[1] + counts[2] + counts[3] == 0) continue;
        expect_matches_reference(counts,
                                 i % 5 == 4 ? std::optional<double>(next(9) / 10.0) : std::nullopt);
    }
}

// The dogs on the block: N = n / q, and the limits where the profile of the full likelihood falls
// half a chi-square(1) point below its top, to a thousandth of a dog.
TEST(inference_report_test, dogs_on_the_block_and_their_limits) {
    const std::pair<ref::Counts, std::optional<double>> cases[] = {
        {{29, 36, 54, 48}, {}}, {{10, 20, 5, 5}, {}}, {{1, 2, 0, 1}, {}}, {{29, 36, 54, 48}, 0.0}};
    for (const auto& [counts, s_held] : cases) {
        SCOPED_TRACE(name(counts, s_held));
        const Report report = report_of(counts, s_held);
        ASSERT_TRUE(report.dogs) << report.dogs.why_not;
        const ref::Block block{counts, !s_held, s_held.value_or(0)};
        const ref::Real n = block.n();
        EXPECT_EQ(*report.n, static_cast<std::int64_t>(n));
        EXPECT_NEAR(report.dogs->estimate, double(n / ref::Real(report.estimates->seen)), 1e-9);

        const auto profile = [&](ref::Real N) { return block.full_profile(N); };
        const auto [top_n, top] = ref::grid_max(profile, n, 60 * n, 60);
        const ref::Real threshold = top - kDrop95;
        const auto below = [&](ref::Real N) { return profile(N) - threshold; };
        const double lower = below(n) >= 0 ? double(n) : double(ref::bisect(below, n, top_n));
        ref::Real far = top_n;
        while (below(far) > 0)
            far = n + 2 * (far - n) + 1;
        const double upper = double(ref::bisect(below, top_n, far));
        EXPECT_NEAR(report.dogs->lower, lower, 1e-3);
        EXPECT_NEAR(report.dogs->upper, upper, 1e-3);
        EXPECT_GE(report.dogs->lower, double(n));
    }
}

TEST(inference_report_test, the_level_sets_how_far_below_the_maximum_the_limits_lie) {
    const Report r90 = report_of({30, 40, 20, 25}, {}, 0.90);
    const Report r95 = report_of({30, 40, 20, 25}, {}, 0.95);
    const Report r99 = report_of({30, 40, 20, 25}, {}, 0.99);
    EXPECT_NEAR(r90.drop, 2.705543454095404 / 2, 1e-12);
    EXPECT_NEAR(r99.drop, 6.634896601021214 / 2, 1e-12);
    EXPECT_LT(r99.p_limits->lower, r95.p_limits->lower);
    EXPECT_LT(r95.p_limits->lower, r90.p_limits->lower);
    EXPECT_GT(r99.dogs->upper, r95.dogs->upper);
}

TEST(inference_report_test, data_with_nothing_to_estimate_say_why_for_each_quantity) {
    const struct {
        ref::Counts counts;
        std::optional<double> s_held;
        double level;
        const char* why;
    } cases[] = {
        {{3, -1, 2, 2}, {}, 0.95, "a count is negative"},
        {{29, 36, 54, 48}, 1.0, 0.95, "the counts are impossible when S is held at 1"},
        {{29, 36, 54, 48}, -0.5, 0.95, "S is held outside 0 to 1"},
        {{29, 36, 54, 48}, {}, 1.5, "the level must lie between 0 and 1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const Report report = report_of(c.counts, c.s_held, c.level);
        EXPECT_FALSE(report.estimates);
        EXPECT_EQ(report.estimates.why_not, c.why);
        for (const auto* q : {&report.p_limits, &report.s_limits, &report.seen_limits}) {
            EXPECT_FALSE(*q);
            EXPECT_EQ(q->why_not, c.why);
        }
        EXPECT_FALSE(report.dogs);
        EXPECT_FALSE(report.fit_check);
        EXPECT_FALSE(report.always_visible);
    }
    EXPECT_FALSE(report_of({3, -1, 2, 2}).n);

    // A block where nobody was identified is data: nothing to fit, 0 dogs from 0 upwards.
    const Report empty = report_of({0, 0, 0, 0});
    EXPECT_TRUE(empty.empty_block);
    EXPECT_EQ(*empty.n, 0);
    EXPECT_FALSE(empty.estimates);
    ASSERT_TRUE(empty.dogs);
    EXPECT_EQ(empty.dogs->estimate, 0);
    EXPECT_EQ(empty.dogs->lower, 0);
    EXPECT_EQ(empty.dogs->upper, INFINITY);
    EXPECT_EQ(kestrivo::analysis::make_report({}, {}).estimates.why_not,
              "the likelihood library is not bound");

    // Held at 1, dogs seen on every count are possible: every one of them is on the block.
    const Report all_seen = report_of({0, 7, 0, 0}, 1.0);
    ASSERT_TRUE(all_seen.dogs);
    EXPECT_EQ(all_seen.estimates->seen, 1.0);
    EXPECT_EQ(all_seen.dogs->lower, 7.0);
    EXPECT_EQ(all_seen.dogs->upper, 7.0);
}

// Blocks that once went wrong: a fit that ran out of evaluations on an edge (the same point
// proposed over and over), a fit that stopped in the lower of two corners, and profiles of S
// whose inner maximum over P has two peaks (the near one is not the profile).
TEST(inference_report_test, regressions_fits_on_edges_and_profiles_with_two_peaks) {
    const ref::Counts cases[] = {{6, 28, 6, 20},  {93, 112, 94, 105}, {1, 100000, 1, 1},
                                 {0, 1000, 0, 0}, {1, 23, 1, 0},      {2, 6, 0, 1},
                                 {2, 23, 1, 1},   {15, 67000, 0, 30}, {12, 53000, 3, 21}};
    for (const auto& counts : cases) {
        SCOPED_TRACE(name(counts, {}));
        ASSERT_TRUE(report_of(counts).estimates);
        expect_matches_reference(counts);
    }
    EXPECT_NEAR(report_of({1, 23, 1, 0}).s_limits->lower, 0.1512, 1e-4);
    EXPECT_NEAR(report_of({1, 100000, 1, 1}).estimates->log_likelihood, -46.9512047211, 1e-9);
}

// The window passes the fit entry's point: the same maximum gives no remark; a point short of it
// is named and the report stays on the maximum; a point above the closed forms' is taken.
TEST(inference_report_test, a_fit_entry_point_apart_from_the_maximum_is_named) {
    kestrivo::analysis::Request request;
    request.counts = {29, 36, 54, 48};
    const Report exact = kestrivo::analysis::make_report(kLibrary, request);
    const kestrivo::analysis::Fit top{exact.estimates->S, exact.estimates->P,
                                      exact.estimates->log_likelihood};
    const struct {
        kestrivo::analysis::Fit entry;
        bool apart;
        double reported_s;
    } cases[] = {
        {top, false, top.s},
        {{top.s + 0.05, top.p, top.log_likelihood - 0.5}, true, top.s},
        {{0.5, 0.5, top.log_likelihood + 1}, true, 0.5},
    };
    for (const auto& c : cases) {
        request.fit_entry = c.entry;
        const Report report = kestrivo::analysis::make_report(kLibrary, request);
        EXPECT_EQ(report.fits_apart.has_value(), c.apart) << c.entry.s;
        EXPECT_EQ(report.estimates->S, c.reported_s);
        if (c.apart) {
            EXPECT_EQ(report.fits_apart->closed_form.log_likelihood, top.log_likelihood);
        }
    }
}

// With S held the P within the limits can be two separate pieces; they are reported as such. With
// S held at 1 every dog is always seen and P is not identified.
TEST(inference_report_test, limits_of_p_with_s_held_in_pieces_or_not_identified) {
    const Report split = report_of({0, 15, 0, 0}, 0.5);
    ASSERT_TRUE(split.p_limits);
    ASSERT_EQ(split.p_limits->pieces.size(), 2u);
    EXPECT_EQ(split.p_limits->pieces[0].first, 0.01);
    EXPECT_NEAR(split.p_limits->pieces[0].second, 0.152, 1e-3);
    EXPECT_NEAR(split.p_limits->pieces[1].first, 0.848, 1e-3);
    EXPECT_EQ(split.p_limits->pieces[1].second, 0.99);
    EXPECT_TRUE(report_of({29, 36, 54, 48}, 0.3).p_limits->pieces.empty());

    const Report all_seen = report_of({0, 7, 0, 0}, 1.0);
    EXPECT_FALSE(all_seen.estimates->p_identified);
    EXPECT_FALSE(all_seen.p_limits);
    EXPECT_EQ(all_seen.p_bound, Bound::none);
}

// The dogs' interval holds its estimate even where the full likelihood's top lies beside n / q,
// and at a level so low that the interval shrinks to that top.
TEST(inference_report_test, the_dogs_interval_holds_its_estimate) {
    for (const double level : {0.95, 1e-7}) {
        for (const ref::Counts& counts : {ref::Counts{0, 1000, 0, 0}, ref::Counts{1, 1000000, 1, 1},
                                          ref::Counts{29, 36, 54, 48}}) {
            SCOPED_TRACE(name(counts, {}));
            const Report report = report_of(counts, {}, level);
            ASSERT_TRUE(report.dogs);
            EXPECT_LE(report.dogs->lower, report.dogs->estimate);
            EXPECT_GE(report.dogs->upper, report.dogs->estimate);
        }
    }
    EXPECT_EQ(kestrivo::analysis::limits_at_edges(report_of({1, 2, 0, 1})).substr(0, 4), "S_lo");
}

}  // namespace
