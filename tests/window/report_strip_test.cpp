// The report as the window words it: limits as percentages with their edges marked, dogs as whole
// numbers, an upper limit that is never reached, the sentence for an estimate on an edge, the fit
// verdict, and the reason when there is nothing to show.
#include "window/report_strip.h"

#include <gtest/gtest.h>

#include <limits>

using namespace kestrivo::window;

namespace {

using kestrivo::analysis::Bound;
using kestrivo::analysis::Interval;
using kestrivo::analysis::Report;

const kestrivo::platform::NumberLocale kPoint{".", ","};

Report a_report() {
    Report r;
    r.estimates = {kestrivo::analysis::Estimates{0.2, 0.4, 0.52, -50}, ""};
    r.p_limits = {Interval{0.3012, 0.5, false, false, {}}, ""};
    r.s_limits = {Interval{0.01, 0.35, true, false, {}}, ""};
    r.seen_limits = {Interval{0.41, 0.6, false, false, {}}, ""};
    r.dogs = {kestrivo::analysis::DogsOnBlock{120.5, 101.4, 160.6}, ""};
    r.fit_check = {kestrivo::analysis::FitCheck{0.5, 1, 0.4795}, ""};
    return r;
}

TEST(report_strip_test, limits_dogs_and_fit_check_in_three_lines_at_most) {
    const Report r = a_report();
    EXPECT_EQ(report_strip_text(r, true, kPoint),
              "95% limits: P 30.12–50.00%, seen 41.00–60.00%; dogs on the block 121 (101–161).\n"
              "Fit check: G² = 0.50 on 1 df, p = 0.480: no sign of a poor fit.");
    // The S profile: the lower limit stopped at the edge of the range.
    const std::string s_profile =
        report_strip_text(r, false, kestrivo::platform::NumberLocale{",", "."});
    EXPECT_TRUE(s_profile.starts_with("95% limits: S 1,00 (edge)–35,00%, seen 41,00–60,00%;"))
        << s_profile;
}

TEST(report_strip_test, edges_a_poor_fit_and_no_upper_limit_are_said_in_words) {
    Report r = a_report();
    r.s_bound = Bound::lower;
    r.p_bound = Bound::upper;
    r.dogs.value->upper = std::numeric_limits<double>::infinity();
    r.fit_check.value->p = 0.0004;
    const std::string text = report_strip_text(r, true, kPoint);
    EXPECT_NE(text.find("dogs on the block 121 (101–no upper limit)."), std::string::npos) << text;
    EXPECT_NE(text.find("\nS lies on the lower edge of its range (0.01): the estimate and its "
                        "limit stop there. P lies on the upper edge of its range (0.99)"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("p < 0.001: the model fits these counts poorly."), std::string::npos);

    // With S held, the P within the limits can be two pieces; both are named.
    r.p_limits.value->pieces = {{0.01, 0.152}, {0.848, 0.99}};
    EXPECT_TRUE(
        report_strip_text(r, true, kPoint)
            .starts_with("95% limits: P in 2 separate pieces 1.00–15.20% and 84.80–99.00%,"))
        << report_strip_text(r, true, kPoint);
}

TEST(report_strip_test, what_cannot_be_computed_is_given_its_reason) {
    Report held = a_report();
    held.s_limits = {std::nullopt, "S is held, not estimated"};
    const std::string text = report_strip_text(held, false, kPoint);
    EXPECT_TRUE(text.starts_with("95% limits: S: S is held, not estimated, seen 41.00–60.00%;"))
        << text;
    Report none;
    none.estimates.why_not = "no dogs were counted";
    EXPECT_EQ(report_strip_text(none, true, kPoint), "No report: no dogs were counted.");
}

}  // namespace
