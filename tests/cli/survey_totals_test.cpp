// The city's dogs as kestrivo-report gives them when a survey records the dogs first seen later
// (all seven histories), when its blocks carry design weights, and when a stratum has no
// territorial dogs: the totals are the formulas' own, and each departure is said.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "analysis/seven_histories.h"
#include "cli/report_command.h"
#include "library/kestrivo.h"
#include "survey/pilot_assumptions.h"
#include "survey/plan_note.h"
#include "tests/support/report_output.h"

namespace {

using kestrivo::cli::Options;
using kestrivo::tests::cells;
using kestrivo::tests::number;
using kestrivo::tests::Table;

const kestrivo::analysis::Library kLibrary{RLOGLIK};

struct Outcome {
    int status;
    Table table;
    std::string err;
};

Outcome report(Options options, const std::string& survey) {
    std::istringstream in(survey);
    std::ostringstream out, err;
    options.files = {"-"};
    options.pool = true;
    options.bootstrap = 300;
    options.digits = 17;
    const int status = kestrivo::cli::run_report(options, kLibrary, in, out, err, false, nullptr);
    return {status, {cells(out.str())}, err.str()};
}

const std::string kSeven =
    "block,c100,c111,c101,c110,c010,c001,c011,w\n"
    "a,10,20,5,5,6,5,3,9\n"
    "b,14,25,9,4,7,8,4,11\n"
    "c,8,15,6,6,5,4,2,10\n";

TEST(survey_totals_test,
     seven_histories_give_the_dogs_seen_at_least_once_over_the_share_ever_seen) {
    Options options;
    options.common.blocks_total.city = 30;
    const Outcome r = report(options, kSeven);
    ASSERT_EQ(r.status, 0) << r.err;
    const auto fit = kestrivo::analysis::fit_seven_histories({32, 60, 20, 15, 18, 17, 9}, {});
    ASSERT_TRUE(fit);
    const Table& t = r.table;
    EXPECT_EQ(t.cell(4, "block"), "pooled");
    EXPECT_EQ(t.cell(4, "model"), kestrivo::analysis::model_name(fit->chosen));
    EXPECT_EQ(t.cell(4, "n_any"), "171");
    EXPECT_NEAR(number(t.cell(4, "seen_any")), fit->seen_any, 1e-9);
    EXPECT_NEAR(number(t.cell(4, "aicc_weight_by_count")), fit->weight_by_count, 1e-9);
    EXPECT_NEAR(number(t.cell(1, "N_pool")), (10 + 20 + 5 + 5 + 6 + 5 + 3) / fit->seen_any, 1e-9);
    EXPECT_LT(number(t.cell(1, "N_pool_lo")), number(t.cell(1, "N_pool")));
    EXPECT_NEAR(number(t.cell(5, "city_N")), 30.0 / 3 * 171 / fit->seen_any, 1e-6);
    // n is the dogs seen on count 1 on every row, n_any those seen at least once.
    EXPECT_EQ(t.cell(4, "n"), "127");
    EXPECT_EQ(t.cell(5, "n"), "127");
    EXPECT_EQ(t.cell(5, "n_any"), "171");
    EXPECT_EQ(t.cell(1, "n_any"), "54");
    // The block rows are the window's: their own fit on the four histories, the rest carried.
    EXPECT_EQ(t.cell(1, "n"), "40");
    EXPECT_EQ(t.cell(1, "c010"), "6");

    // Without the later columns the pooled row says what it cannot see.
    const Outcome four = report(options, "c100,c111,c101,c110\n10,20,5,5\n14,25,9,4\n");
    EXPECT_NE(four.table.cell(3, "note").find("cannot show a change of visibility on count 1"),
              std::string::npos);
    EXPECT_EQ(four.table.cell(3, "model"), "");
}

// A later cell that is no count is its row's error, as a bad count is, and the other blocks keep
// their seven histories; a block that left all three empty is read, and its stratum's pooled row
// names it as the reason for the four histories instead of asking for columns the file has.
TEST(survey_totals_test, a_blocks_later_cells_are_its_own_error_or_its_strata_note) {
    Options options;
    options.common.blocks_total.city = 30;
    const struct {
        const char* cells;  // c010,c001,c011 of block d
        int status;
        const char* error;  // of d's row
        bool seven;         // the stratum is fitted from all seven histories
        const char* note;   // in the pooled row
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
        const Outcome r = report(options, kSeven + "d,1,2,3,4," + c.cells + ",5\n");
        EXPECT_EQ(r.status, c.status) << c.cells;
        const std::string error = r.table.cell(4, "error");
        EXPECT_EQ(error.empty(), std::string(c.error).empty()) << error;
        EXPECT_NE(error.find(c.error), std::string::npos) << error;
        EXPECT_EQ(r.table.cell(5, "model").empty(), !c.seven) << c.cells;
        const std::string note = r.table.cell(5, "note");
        EXPECT_NE(note.find(c.note), std::string::npos) << note;
        EXPECT_EQ(note.find("record the dogs first seen"), std::string::npos) << note;
    }
}

// A stratum whose seven histories cannot tell its visibility (every dog first seen on count 3,
// or nobody seen on count 1) has no pooled fit, no dogs under it and no total, and the city's
// total says which stratum it waits for; the other strata keep theirs.
TEST(survey_totals_test, a_stratum_whose_visibility_cannot_be_estimated_says_so_everywhere) {
    Options options;
    options.common.stratum = "ward";
    options.common.blocks_total.by_stratum = {{"A", 20}, {"B", 20}, {"Z", 20}};
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
        const Outcome r = report(options, survey);
        EXPECT_EQ(r.status, 1) << c.z;
        const Table& t = r.table;
        // Rows: 9 blocks, three pooled rows, three stratum totals, the city's.
        ASSERT_EQ(t.rows.size(), 17u);
        for (std::size_t row = 7; row <= 9; ++row)
            EXPECT_EQ(t.cell(row, "N_pool"), "") << c.z;
        EXPECT_EQ(t.cell(12, "ward"), "Z");
        EXPECT_EQ(t.cell(12, "error").rfind(std::string("pooled: ") + c.why, 0), 0u)
            << t.cell(12, "error");
        EXPECT_EQ(t.cell(12, "N_hat"), "");
        EXPECT_EQ(t.cell(15, "ward"), "Z");
        EXPECT_EQ(t.cell(15, "city_N"), "");
        EXPECT_EQ(t.cell(15, "city_hi"), "");
        EXPECT_EQ("pooled: " + t.cell(15, "error"), t.cell(12, "error"));
        EXPECT_EQ(t.cell(16, "city_N"), "");
        EXPECT_EQ(t.cell(16, "error"), "stratum \"Z\": " + t.cell(15, "error"));
        // A and B are untouched by Z.
        EXPECT_NE(t.cell(13, "city_hi"), "");
        EXPECT_NE(t.cell(14, "city_hi"), "");
    }
}

TEST(survey_totals_test, design_weights_give_the_weighted_total) {
    Options options;
    options.weight = "w";
    const Outcome r = report(options, kSeven);
    ASSERT_EQ(r.status, 0) << r.err;
    const auto fit = kestrivo::analysis::fit_seven_histories({32, 60, 20, 15, 18, 17, 9}, {});
    EXPECT_NEAR(number(r.table.cell(5, "city_N")),
                (9.0 * 54 + 11.0 * 71 + 10.0 * 46) / fit->seen_any, 1e-6);
    EXPECT_NE(r.table.cell(5, "note").find("weight as given"), std::string::npos);

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
        const Outcome row = report(options, kSeven + "d,1,2,3,4,1,1,1," + b.weight + "\n");
        EXPECT_EQ(row.status, 1) << b.weight;
        EXPECT_NE(row.table.cell(4, "error").find(b.why), std::string::npos)
            << row.table.cell(4, "error");
        EXPECT_NE(row.table.cell(6, "note").find("1 block of this stratum could not be read"),
                  std::string::npos);
    }
    Options both = options;
    both.common.blocks_total.city = 30;
    EXPECT_EQ(report(both, kSeven).status, 2);
    Options missing;
    missing.weight = "households";
    const Outcome no_column = report(missing, kSeven);
    EXPECT_EQ(no_column.status, 2);
    EXPECT_NE(no_column.err.find("to take the weights from"), std::string::npos);
}

// With no territorial dogs the pooled fit takes S = 0 (not the window's floor of 0.01): AICc
// prefers it to a free S, and the fit test counts S as not estimated.
TEST(survey_totals_test, a_stratum_without_territorial_dogs_has_S_at_zero) {
    // Histories in the proportions S = 0, P = 0.35 give: 1,0,0 (1-P)^2, 1,1,1 P^2, each mixed
    // one P (1 - P), over 1000 dogs seen on count 1; a few 1,1,1 fewer, so that S would fall
    // below 0 were it free to.
    Options options;
    options.common.blocks_total.city = 20;
    const Outcome r = report(options, "c100,c111,c101,c110\n211,55,114,114\n212,56,113,113\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(number(r.table.cell(3, "S")), 0);
    EXPECT_EQ(r.table.cell(3, "df"), "2");
    EXPECT_NEAR(number(r.table.cell(3, "P")), 0.35, 0.01);
    EXPECT_NE(r.table.cell(3, "note").find("the counts show no territorial dogs"),
              std::string::npos);
    // The window's block rows keep their box.
    EXPECT_EQ(number(r.table.cell(1, "S")), 0.01);
}

// A pilot of all seven histories is read as the report reads it: the model AICc chooses for the
// stratum, with its P on each count, and the blocks' dogs over the averaged share ever seen; the
// plan's surveys then record the seven histories too, and its note says so.
TEST(survey_totals_test, a_seven_history_pilot_is_planned_from_the_reports_model) {
    // Blocks of dogs none territorial, seen on counts 1, 2, 3 with chances 0.5, 0.25, 0.4: each
    // history's share of the dogs, times the block's dogs.
    const std::array<double, 3> p = {0.5, 0.25, 0.4};
    std::string pilot = "block,c100,c111,c101,c110,c010,c001,c011\n";
    for (const double dogs : {400.0, 600.0, 500.0, 800.0}) {
        pilot += "b" + std::to_string(int(dogs));
        for (const auto& seen : kestrivo::analysis::kSevenPatterns) {
            double share = 1;
            for (std::size_t k = 0; k < 3; ++k)
                share *= seen[k] ? p[k] : 1 - p[k];
            pilot += "," + std::to_string(std::llround(dogs * share));
        }
        pilot += "\n";
    }
    kestrivo::survey::DesignOptions design;
    design.blocks_total = 100;
    std::istringstream in(pilot);
    std::vector<std::string> notes;
    const auto strata =
        kestrivo::survey::pilot_assumptions(in, "pilot.csv", design, kLibrary, 0.95, notes);
    ASSERT_EQ(strata.size(), 1u);
    const auto& m = strata[0].model;
    EXPECT_TRUE(strata[0].seven_histories);
    ASSERT_TRUE(m.p_by_count);
    for (std::size_t k = 0; k < 3; ++k)
        EXPECT_NEAR((*m.p_by_count)[k], p[k], 0.01) << k;
    EXPECT_NEAR(m.S, 0, 0.01);

    // The report's pooled row and its blocks' dogs under it are the plan's assumptions.
    Options options;
    options.common.blocks_total.city = 100;
    const Outcome r = report(options, pilot);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.table.cell(5, "model"), "by count");
    EXPECT_NEAR(m.S, number(r.table.cell(5, "S")), 1e-6);
    EXPECT_NEAR((*m.p_by_count)[1], number(r.table.cell(5, "P2")), 1e-6);
    double mean = 0;
    for (std::size_t b = 1; b <= 4; ++b)
        mean += number(r.table.cell(b, "N_pool")) / 4;
    EXPECT_NEAR(m.mean_dogs, mean, 1e-4 * mean);

    const kestrivo::analysis::PlanRequest request{.strata = strata};
    const std::string note = kestrivo::survey::plan_note({}, request).note;
    EXPECT_NE(note.find("on counts 1, 2, 3"), std::string::npos) << note;
    EXPECT_NE(note.find("all seven histories"), std::string::npos) << note;

    // A pilot block without them takes its stratum back to the four histories, and the plan
    // says which block.
    std::istringstream partly(pilot + "e,10,20,5,5,,,\n");
    notes.clear();
    const auto four =
        kestrivo::survey::pilot_assumptions(partly, "pilot.csv", design, kLibrary, 0.95, notes);
    EXPECT_FALSE(four[0].seven_histories);
    EXPECT_FALSE(four[0].model.p_by_count);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_NE(notes[0].find("empty on 1 of the 5 blocks of this stratum (\"e\")"),
              std::string::npos)
        << notes[0];
}

}  // namespace
