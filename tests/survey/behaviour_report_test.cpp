// The survey report of a stratum whose dogs, once seen, are seen with another chance than before
// (all seven histories recorded): the pooled row's model, its weight and P's, its note, and the
// city's total, against the truth the survey was made from.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "analysis/seven_histories.h"
#include "survey/report_notes.h"
#include "survey/survey_report.h"
#include "tests/survey/behaviour_survey.h"
#include "tests/survey/report_run.h"

namespace {

using kestrivo::survey::NoteCode;
using kestrivo::survey::ReportOptions;
using kestrivo::survey::ReportRow;
using kestrivo::tests::RowsRun;

RowsRun report(ReportOptions options, const std::string& survey) {
    return kestrivo::tests::pooled_report_rows(std::move(options), survey);
}

std::string words(const ReportRow& row) {
    return kestrivo::survey::notes_words(row.notes, [](double x) { return std::to_string(x); });
}

bool has_note(const ReportRow& row, NoteCode code) {
    return std::any_of(row.notes.begin(), row.notes.end(),
                       [code](const kestrivo::survey::Note& note) { return note.code == code; });
}

// The pooled row chooses the behaviour model, gives its P_first and P_again near the truth and
// says so in its own note, not as visibility differing between the counts; the city's total is
// near its dogs.
TEST(behaviour_report_test,
     a_stratum_whose_dogs_change_once_seen_is_fitted_by_the_behaviour_model) {
    using kestrivo::analysis::VisibilityModel;
    const struct {
        kestrivo::tests::BehaviourTruth truth;
    } cases[] = {
        {{0.2, 0.3, 0.5, 100, 60}},   // bolder once seen
        {{0.1, 0.5, 0.25, 80, 60}},   // shy once seen
        {{0.0, 0.35, 0.6, 120, 40}},  // no territorial dogs
    };
    for (const auto& c : cases) {
        const auto& t = c.truth;
        ReportOptions options;
        options.design.blocks_total = 2 * t.blocks;
        const RowsRun r = report(options, kestrivo::tests::behaviour_survey(t));
        ASSERT_EQ(r.status, kestrivo::survey::kAllFitted) << r.err;
        EXPECT_TRUE(r.rows.layout.with_behaviour);
        const auto& rows = r.rows.rows;
        ASSERT_EQ(rows.size(), std::size_t(t.blocks) + 2);
        const ReportRow &pooled = rows[std::size_t(t.blocks)], &total = rows.back();
        ASSERT_TRUE(pooled.cells.seven) << t.p_again;
        const auto& seven = *pooled.cells.seven;
        EXPECT_EQ(seven.chosen, VisibilityModel::behaviour) << t.p_again;
        EXPECT_GT(seven.weight_behaviour, 0.9) << t.p_again;
        const auto& fit = seven.chosen_fit();
        ASSERT_TRUE(fit.P_again) << t.p_again;
        EXPECT_NEAR(fit.P[0], t.p_first, 0.01) << t.p_again;
        EXPECT_NEAR(*fit.P_again, t.p_again, 0.01) << t.p_again;
        EXPECT_NEAR(fit.S, t.S, 0.01) << t.p_again;
        EXPECT_TRUE(has_note(pooled, NoteCode::seen_again_differs)) << words(pooled);
        EXPECT_FALSE(has_note(pooled, NoteCode::p_not_identified)) << words(pooled);
        EXPECT_EQ(words(pooled).find("P1, P2 and P3"), std::string::npos) << words(pooled);
        // The city is twice the sample, every block alike: twice the sample's dogs.
        const double truth = 2 * t.blocks * t.dogs_per_block;
        ASSERT_TRUE(total.cells.total && total.cells.total->dogs) << t.p_again;
        EXPECT_NEAR(*total.cells.total->dogs, truth, 0.01 * truth) << t.p_again;
    }

    // A survey of four histories has no behaviour model, nor its columns.
    ReportOptions options;
    options.design.blocks_total = 30;
    EXPECT_FALSE(
        report(options, "c100,c111,c101,c110\n10,20,5,5\n14,25,9,4\n").rows.layout.with_behaviour);
}

}  // namespace
