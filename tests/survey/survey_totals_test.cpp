// The city's dogs as the survey report gives them when a survey records the dogs first seen later
// (all seven histories), when its blocks carry design weights, and when a stratum has no
// territorial dogs: the totals are the formulas' own, and each departure is said.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "analysis/seven_histories.h"
#include "survey/report_notes.h"
#include "survey/survey_report.h"
#include "tests/survey/report_run.h"

namespace {

using kestrivo::survey::DesignRefusal;
using kestrivo::survey::NoteCode;
using kestrivo::survey::ReportOptions;
using kestrivo::survey::ReportRow;
using kestrivo::tests::RowsRun;

RowsRun report(ReportOptions options, const std::string& survey) {
    return kestrivo::tests::pooled_report_rows(std::move(options), survey);
}

// The row's value in the carried column `name`.
std::string carried(const RowsRun& run, const ReportRow& row, const std::string& name) {
    const auto& names = run.rows.layout.carried;
    const auto at = std::find(names.begin(), names.end(), name);
    return at == names.end() ? "<no column>" : row.carried.at(std::size_t(at - names.begin()));
}

// The row's notes as the table words them.
std::string words(const ReportRow& row) {
    return kestrivo::survey::notes_words(row.notes, [](double x) { return std::to_string(x); });
}

bool has_note(const ReportRow& row, NoteCode code) {
    return std::any_of(row.notes.begin(), row.notes.end(),
                       [code](const kestrivo::survey::Note& note) { return note.code == code; });
}

const std::string kSeven =
    "block,c100,c111,c101,c110,c010,c001,c011,w\n"
    "a,10,20,5,5,6,5,3,9\n"
    "b,14,25,9,4,7,8,4,11\n"
    "c,8,15,6,6,5,4,2,10\n";

TEST(survey_totals_test,
     seven_histories_give_the_dogs_seen_at_least_once_over_the_share_ever_seen) {
    ReportOptions options;
    options.design.blocks_total = 30;
    const RowsRun r = report(options, kSeven);
    ASSERT_EQ(r.status, kestrivo::survey::kAllFitted) << r.err;
    const auto fit = kestrivo::analysis::fit_seven_histories({32, 60, 20, 15, 18, 17, 9}, {});
    ASSERT_TRUE(fit);
    const auto& rows = r.rows.rows;
    ASSERT_EQ(rows.size(), 5u);
    const ReportRow &a = rows[0], &pooled = rows[3], &total = rows[4];
    EXPECT_EQ(pooled.label, "pooled");
    ASSERT_TRUE(pooled.cells.seven);
    EXPECT_EQ(pooled.cells.seven->chosen, fit->chosen);
    EXPECT_EQ(pooled.cells.seven->seen_at_least_once, 171);
    EXPECT_NEAR(pooled.cells.seven->seen_any, fit->seen_any, 1e-9);
    EXPECT_NEAR(pooled.cells.seven->weight_by_count, fit->weight_by_count, 1e-9);
    ASSERT_TRUE(a.cells.dogs_pooled);
    EXPECT_NEAR(a.cells.dogs_pooled->estimate, (10 + 20 + 5 + 5 + 6 + 5 + 3) / fit->seen_any, 1e-9);
    EXPECT_LT(a.cells.dogs_pooled->lower, a.cells.dogs_pooled->estimate);
    ASSERT_TRUE(total.cells.total && total.cells.total->dogs);
    EXPECT_NEAR(*total.cells.total->dogs, 30.0 / 3 * 171 / fit->seen_any, 1e-6);
    // n is the dogs seen on count 1 on every row, n_any those seen at least once.
    ASSERT_TRUE(pooled.report);
    EXPECT_EQ(pooled.report->n, 127);
    EXPECT_EQ(total.cells.total->first_count, 127);
    EXPECT_EQ(total.cells.total->seen_at_least_once, 171);
    EXPECT_EQ(a.cells.n_any, 54);
    // The block rows are the window's: their own fit on the four histories, the rest carried.
    ASSERT_TRUE(a.report);
    EXPECT_EQ(a.report->n, 40);
    EXPECT_EQ(carried(r, a, "c010"), "6");

    // Without the later columns the pooled row says what it cannot see.
    const RowsRun four = report(options, "c100,c111,c101,c110\n10,20,5,5\n14,25,9,4\n");
    ASSERT_EQ(four.rows.rows.size(), 4u);
    const ReportRow& four_pooled = four.rows.rows[2];
    EXPECT_TRUE(has_note(four_pooled, NoteCode::four_histories_only)) << words(four_pooled);
    EXPECT_NE(words(four_pooled).find("cannot show a change of visibility on count 1"),
              std::string::npos);
    EXPECT_FALSE(four_pooled.cells.seven);
}

// A later cell that is no count is its row's error, as a bad count is, and the other blocks keep
// their seven histories; a block that left all three empty is read, and its stratum's pooled row
// names it as the reason for the four histories instead of asking for columns the file has.
TEST(survey_totals_test, a_blocks_later_cells_are_its_own_error_or_its_strata_note) {
    ReportOptions options;
    options.design.blocks_total = 30;
    const struct {
        const char* cells;  // c010,c001,c011 of block d
        int status;
        const char* error;  // of d's row
        bool seven;         // the stratum is fitted from all seven histories
        const char* note;   // in the pooled row's words; "": it names no block left empty
    } cases[] = {
        {",1,1", 1, "column c010: the value is missing", true, ""},
        {"-1,1,1", 1, "column c010: \"-1\" is not a whole number", true, ""},
        {"2.5,1,1", 1, "column c010: \"2.5\" is not a whole number", true, ""},
        {"2147483648,1,1", 1, "column c010: \"2147483648\" is too large", true, ""},
        {"five,1,1", 1, "column c010: \"five\" is not a whole number", true, ""},
        {",,", 0, "", false,
         "c010, c001 and c011 are empty on 1 of the 4 blocks of this stratum (\"d\"): fill them "
         "in on every block"},
        {"1,1,1", 0, "", true, ""},
    };
    for (const auto& c : cases) {
        const RowsRun r = report(options, kSeven + "d,1,2,3,4," + c.cells + ",5\n");
        EXPECT_EQ(r.status, c.status) << c.cells;
        ASSERT_EQ(r.rows.rows.size(), 6u) << c.cells;
        const ReportRow &d = r.rows.rows[3], &pooled = r.rows.rows[4];
        EXPECT_EQ(d.error.empty(), std::string(c.error).empty()) << d.error;
        EXPECT_NE(d.error.find(c.error), std::string::npos) << d.error;
        EXPECT_EQ(pooled.cells.seven.has_value(), c.seven) << c.cells;
        EXPECT_NE(words(pooled).find(c.note), std::string::npos) << words(pooled);
        // Never asks for columns the file has.
        EXPECT_FALSE(has_note(pooled, NoteCode::four_histories_only)) << c.cells;
        EXPECT_EQ(words(pooled).find("record the dogs first seen"), std::string::npos);
        const auto left_empty =
            std::find_if(pooled.notes.begin(), pooled.notes.end(),
                         [](const auto& note) { return note.code == NoteCode::later_left_empty; });
        EXPECT_EQ(left_empty != pooled.notes.end(), !std::string(c.note).empty()) << c.cells;
        if (left_empty != pooled.notes.end()) {
            EXPECT_EQ(left_empty->numbers, (std::vector<double>{1, 4}));
            EXPECT_EQ(left_empty->names, std::vector<std::string>{"\"d\""});
        }
    }
}

// A stratum whose seven histories cannot tell its visibility (every dog first seen on count 3,
// or nobody seen on count 1) has no pooled fit, no dogs under it and no total, and the city's
// total says which stratum it waits for; the other strata keep theirs.
TEST(survey_totals_test, a_stratum_whose_visibility_cannot_be_estimated_says_so_everywhere) {
    ReportOptions options;
    options.design.stratum_column = "ward";
    options.design.blocks_by_stratum = {{"A", 20}, {"B", 20}, {"Z", 20}};
    const std::string ordinary =
        "block,ward,c100,c111,c101,c110,c010,c001,c011\n"
        "a1,A,10,20,5,5,6,5,3\na2,A,14,25,9,4,7,8,4\na3,A,8,15,6,6,5,4,2\n"
        "b1,B,12,22,6,5,5,6,3\nb2,B,9,18,7,6,6,5,2\nb3,B,11,21,5,7,4,4,3\n";
    const struct {
        const char* z;  // the histories of each of Z's three blocks
        const char* why;
    } cases[] = {
        {"0,0,0,0,0,4,0", "no dog was seen on more than one count"},
        {"0,0,0,0,3,4,0", "no dog was seen on more than one count"},
        {"0,0,0,0,0,0,5", "no dog was seen on count 1"},
    };
    for (const auto& c : cases) {
        std::string survey = ordinary;
        for (const char* block : {"z1", "z2", "z3"})
            survey += std::string(block) + ",Z," + c.z + "\n";
        const RowsRun r = report(options, survey);
        EXPECT_EQ(r.status, kestrivo::survey::kSomeErrors) << c.z;
        const auto& rows = r.rows.rows;
        // Rows: 9 blocks, three pooled rows, three stratum totals, the city's.
        ASSERT_EQ(rows.size(), 16u);
        for (std::size_t row = 6; row <= 8; ++row)
            EXPECT_FALSE(rows[row].cells.dogs_pooled) << c.z;
        const ReportRow &pooled = rows[11], &total = rows[14], &city = rows[15];
        EXPECT_EQ(pooled.stratum, "Z");
        EXPECT_EQ(carried(r, pooled, "ward"), "Z");
        EXPECT_EQ(pooled.error.rfind(std::string("pooled: ") + c.why, 0), 0u) << pooled.error;
        EXPECT_FALSE(kestrivo::survey::block_dogs(pooled).value);
        EXPECT_EQ(carried(r, total, "ward"), "Z");
        ASSERT_TRUE(total.cells.total);
        EXPECT_FALSE(total.cells.total->dogs);
        EXPECT_FALSE(total.cells.total->upper);
        EXPECT_EQ("pooled: " + total.error, pooled.error);
        ASSERT_TRUE(city.cells.total);
        EXPECT_TRUE(city.city);
        EXPECT_FALSE(city.cells.total->dogs);
        EXPECT_EQ(city.error, "stratum \"Z\": " + total.error);
        // A and B are untouched by Z.
        for (const ReportRow& other : {rows[12], rows[13]}) {
            ASSERT_TRUE(other.cells.total) << other.stratum;
            EXPECT_TRUE(other.cells.total->upper) << other.stratum;
        }
    }
}

TEST(survey_totals_test, design_weights_give_the_weighted_total) {
    ReportOptions options;
    options.design.weight_column = "w";
    const RowsRun r = report(options, kSeven);
    ASSERT_EQ(r.status, kestrivo::survey::kAllFitted) << r.err;
    const auto fit = kestrivo::analysis::fit_seven_histories({32, 60, 20, 15, 18, 17, 9}, {});
    ASSERT_EQ(r.rows.rows.size(), 5u);
    const ReportRow& total = r.rows.rows[4];
    ASSERT_TRUE(total.cells.total && total.cells.total->dogs);
    EXPECT_NEAR(*total.cells.total->dogs, (9.0 * 54 + 11.0 * 71 + 10.0 * 46) / fit->seen_any, 1e-6);
    EXPECT_NE(words(total).find("weight as given"), std::string::npos) << words(total);

    const struct {
        std::string weight;
        const char* why;
    } bad[] = {{"", "the weight is missing"},
               {"0", "not above 0"},
               {"-3", "not above 0"},
               {"x", "is not a weight"},
               {"inf", "is not a weight"},
               {"0.05",
                "the weight 0.05 is below 1: a weight is the number of blocks this block stands "
                "for, 1 or more (1 / the chance it was drawn)"},
               {"1e308", "more blocks than a city has"}};
    for (const auto& b : bad) {
        const RowsRun row = report(options, kSeven + "d,1,2,3,4,1,1,1," + b.weight + "\n");
        EXPECT_EQ(row.status, kestrivo::survey::kSomeErrors) << b.weight;
        ASSERT_EQ(row.rows.rows.size(), 6u) << b.weight;
        const ReportRow &d = row.rows.rows[3], &left_out = row.rows.rows[5];
        EXPECT_NE(d.error.find(b.why), std::string::npos) << d.error;
        EXPECT_NE(words(left_out).find("1 block of this stratum could not be read"),
                  std::string::npos)
            << words(left_out);
    }

    // Weights and the city's blocks both, or weights from a column the survey lacks: refused.
    ReportOptions both = options;
    both.design.blocks_total = 30;
    const RowsRun twice = report(both, kSeven);
    EXPECT_EQ(twice.status, kestrivo::survey::kUsageOrFileError);
    ASSERT_EQ(twice.refusals.size(), 1u);
    EXPECT_EQ(twice.refusals[0].kind, DesignRefusal::Kind::weights_and_blocks);
    ReportOptions missing;
    missing.design.weight_column = "households";
    const RowsRun no_column = report(missing, kSeven);
    EXPECT_EQ(no_column.status, kestrivo::survey::kUsageOrFileError);
    ASSERT_EQ(no_column.refusals.size(), 1u);
    EXPECT_EQ(no_column.refusals[0].kind, DesignRefusal::Kind::no_such_column);
    EXPECT_TRUE(no_column.refusals[0].for_weights);
    EXPECT_EQ(no_column.refusals[0].column, "households");
    EXPECT_NE(no_column.err.find("to take the weights from"), std::string::npos);
}

// With no territorial dogs the pooled fit takes S = 0 (not the window's floor): AICc prefers it to
// a free S, and the fit test counts S as not estimated.
TEST(survey_totals_test, a_stratum_without_territorial_dogs_has_S_at_zero) {
    // Histories in the proportions S = 0, P = 0.35 give: 1,0,0 (1-P)^2, 1,1,1 P^2, each mixed
    // one P (1 - P), over 1000 dogs seen on count 1; a few 1,1,1 fewer, so that S would fall
    // below 0 were it free to.
    ReportOptions options;
    options.design.blocks_total = 20;
    const RowsRun r = report(options, "c100,c111,c101,c110\n211,55,114,114\n212,56,113,113\n");
    ASSERT_EQ(r.status, kestrivo::survey::kAllFitted) << r.err;
    ASSERT_EQ(r.rows.rows.size(), 4u);
    const ReportRow& pooled = r.rows.rows[2];
    ASSERT_TRUE(pooled.report && pooled.report->estimates && pooled.report->fit_check);
    EXPECT_EQ(pooled.report->estimates->S, 0);
    EXPECT_EQ(pooled.report->fit_check->df, 2);
    EXPECT_NEAR(pooled.report->estimates->P, 0.35, 0.01);
    EXPECT_TRUE(has_note(pooled, NoteCode::no_territorial_dogs));
    EXPECT_NE(words(pooled).find("the counts show no territorial dogs"), std::string::npos);
    // The window's block rows keep their box.
    ASSERT_TRUE(r.rows.rows[0].report && r.rows.rows[0].report->estimates);
    EXPECT_EQ(r.rows.rows[0].report->estimates->S, kestrivo::analysis::kLowerBound);
}

}  // namespace
