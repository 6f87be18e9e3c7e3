// The survey report itself, run directly: each block's row holds the analysis layer's own report
// in input order, rows that cannot be read or fitted keep their place and say why, files that
// cannot serve stop it, several inputs carry the union of their columns, pooled visibility and
// the city total by stratum, refused designs as values, the text written (CSV and JSON, any
// number of threads, hostile cells) and an output or input that fails on the way.
#include "survey/survey_report.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <streambuf>

#include "platform/number_text.h"
#include "survey/report_table.h"
#include "tests/support/report_output.h"
#include "tests/support/temporary_folder.h"
#include "tests/survey/report_run.h"

namespace {

using kestrivo::survey::DesignRefusal;
using kestrivo::survey::Format;
using kestrivo::survey::ReportOptions;
using kestrivo::survey::ReportRow;
using kestrivo::survey::RowKind;
using kestrivo::tests::cells;
using kestrivo::tests::kLibrary;
using kestrivo::tests::report_rows;
using kestrivo::tests::report_text;
using kestrivo::tests::RowsRun;
using kestrivo::tests::TextRun;

const std::string kSurvey =
    "block,c100,c111,c101,c110,s_held,ward\n"
    "A-1,29,36,54,48,,North\n"
    "A-2,10,20,5,5,,North\n"
    "B-1,12,30,8,6,0,South\n";

ReportOptions with_files(std::vector<std::string> files, Format format = Format::csv) {
    ReportOptions options;
    options.files = std::move(files);
    options.format = format;
    options.digits = kestrivo::platform::kRoundTripDigits;  // to the last bit
    return options;
}

kestrivo::analysis::Report report_for(std::array<int32_t, 4> counts,
                                      std::optional<double> s_held = {},
                                      double s_floor = kestrivo::analysis::kLowerBound) {
    kestrivo::analysis::Request request;
    request.counts = counts;
    request.s_held = s_held;
    request.s_floor = s_floor;
    return kestrivo::analysis::make_report(kLibrary, request);
}

TEST(survey_report_test, one_row_per_block_in_input_order_with_the_analysis_layers_numbers) {
    const RowsRun r = report_rows(with_files({"-"}), kSurvey);
    EXPECT_EQ(r.status, kestrivo::survey::kAllFitted) << r.err;
    EXPECT_TRUE(r.rows.whole);
    const auto& rows = r.rows.rows;
    ASSERT_EQ(rows.size(), 3u);
    const std::vector<std::string> header = {
        "block", "n",       "S",       "P",     "seen",  "logL",  "S_lo",    "S_hi",    "P_lo",
        "P_hi",  "seen_lo", "seen_hi", "N_hat", "N_lo",  "N_hi",  "S_bound", "P_bound", "deviance",
        "df",    "gof_p",   "lrt_S0",  "lrt_p", "error", "edges", "note",    "ward"};
    EXPECT_EQ(
        kestrivo::survey::ReportColumns(r.rows.layout, kestrivo::platform::kRoundTripDigits).keys(),
        header);
    EXPECT_EQ(rows[0].label, "A-1");
    EXPECT_EQ(rows[1].label, "A-2");
    EXPECT_EQ(rows[2].label, "B-1");
    EXPECT_EQ(rows[2].carried, std::vector<std::string>{"South"});
    EXPECT_EQ(r.rows.blocks(), 3u);

    // Every number is the very double the analysis layer computes.
    const auto a1 = report_for({29, 36, 54, 48});
    ASSERT_TRUE(rows[0].report);
    const kestrivo::analysis::Report& got = *rows[0].report;
    ASSERT_TRUE(got.estimates && got.s_limits && got.p_limits && got.seen_limits && got.dogs &&
                got.fit_check && got.always_visible);
    EXPECT_EQ(got.n, 167);
    EXPECT_EQ(got.estimates->S, a1.estimates->S);
    EXPECT_EQ(got.estimates->P, a1.estimates->P);
    EXPECT_EQ(got.estimates->seen, a1.estimates->seen);
    EXPECT_EQ(got.estimates->log_likelihood, a1.estimates->log_likelihood);
    EXPECT_EQ(got.s_limits->upper, a1.s_limits->upper);
    EXPECT_EQ(got.p_limits->lower, a1.p_limits->lower);
    EXPECT_EQ(got.seen_limits->upper, a1.seen_limits->upper);
    EXPECT_EQ(got.dogs->estimate, a1.dogs->estimate);
    EXPECT_EQ(got.dogs->upper, a1.dogs->upper);
    EXPECT_EQ(got.s_bound, kestrivo::analysis::Bound::lower);
    EXPECT_EQ(got.p_bound, kestrivo::analysis::Bound::none);
    EXPECT_EQ(got.fit_check->deviance, a1.fit_check->deviance);
    EXPECT_EQ(got.fit_check->df, 1);
    EXPECT_EQ(got.fit_check->p, a1.fit_check->p);
    EXPECT_EQ(got.always_visible->p, a1.always_visible->p);
    EXPECT_EQ(rows[0].error, "");
    EXPECT_FALSE(rows[0].place);

    // S held at 0: S is the held value and has no limits, and there is no test of S = 0.
    const auto b1 = report_for({12, 30, 8, 6}, 0.0);
    ASSERT_TRUE(rows[2].report);
    const kestrivo::analysis::Report& held = *rows[2].report;
    ASSERT_TRUE(held.estimates && held.fit_check && held.dogs);
    EXPECT_EQ(held.estimates->S, 0);
    EXPECT_FALSE(held.s_limits);
    EXPECT_FALSE(held.always_visible);
    EXPECT_EQ(held.fit_check->df, 2);
    EXPECT_EQ(held.dogs->lower, b1.dogs->lower);
}

TEST(survey_report_test, json_has_the_same_keys_with_numbers_and_null_where_no_value_exists) {
    const TextRun r = report_text(with_files({"-"}, Format::json), kSurvey);
    EXPECT_EQ(r.status, kestrivo::survey::kAllFitted);
    const nlohmann::json rows = nlohmann::json::parse(r.out);
    ASSERT_TRUE(rows.is_array());
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0]["block"], "A-1");
    EXPECT_EQ(rows[0]["n"], 167);
    EXPECT_EQ(rows[0]["P"].get<double>(), report_for({29, 36, 54, 48}).estimates->P);
    EXPECT_EQ(rows[0]["S_bound"], "lower");
    EXPECT_TRUE(rows[0]["P_bound"].is_null());
    EXPECT_TRUE(rows[0]["error"].is_null());
    EXPECT_TRUE(rows[2]["S_lo"].is_null());
    EXPECT_EQ(rows[2]["ward"], "South");
    EXPECT_EQ(rows[0].size(), 26u);

    // An empty survey is an empty array.
    EXPECT_EQ(nlohmann::json::parse(
                  report_text(with_files({"-"}, Format::json), "c100,c111,c101,c110\n").out),
              nlohmann::json::array());
}

TEST(survey_report_test, rows_that_cannot_be_read_or_fitted_keep_their_place_and_say_why) {
    TemporaryFolder dir;
    const std::string path = dir.write("bad.csv",
                                       "block,c100,c111,c101,c110,ward\n"
                                       "a,1,2,3,4,W\n"
                                       "b,1,x,3,4,W\n"
                                       "c,0,0,0,0,W\n"
                                       "d,5,6,7,8,W\n");
    const RowsRun r = report_rows(with_files({path}));
    EXPECT_EQ(r.status, kestrivo::survey::kSomeErrors);
    const auto& rows = r.rows.rows;
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[1].label, "b");
    EXPECT_EQ(rows[1].error,
              path + ", line 3, column c111: \"x\" is not a whole number of dogs (0 or more)");
    ASSERT_TRUE(rows[1].place);
    EXPECT_EQ(rows[1].place->file, path);
    EXPECT_EQ(rows[1].place->line, 3u);
    EXPECT_FALSE(rows[1].report);
    // Every cell of the report's own, from n to lrt_p, is empty.
    const kestrivo::survey::ReportColumns columns(r.rows.layout, kestrivo::survey::kDefaultDigits);
    const auto row_cells = columns.cells(rows[1]);
    for (std::size_t c = 1; c <= 21; ++c)
        EXPECT_TRUE(std::holds_alternative<std::monostate>(row_cells[c])) << columns.keys()[c];
    EXPECT_EQ(rows[1].carried, std::vector<std::string>{"W"});

    // A block where nobody was seen is data: no visibility, 0 dogs from 0, no upper limit.
    ASSERT_TRUE(rows[2].report);
    EXPECT_EQ(rows[2].report->n, 0);
    EXPECT_TRUE(rows[2].report->empty_block);
    EXPECT_EQ(rows[2].error, "");
    EXPECT_FALSE(rows[2].report->estimates);
    const kestrivo::survey::Estimate none_seen = kestrivo::survey::block_dogs(rows[2]);
    EXPECT_EQ(none_seen.value, 0.0);
    EXPECT_EQ(none_seen.lower, 0.0);
    EXPECT_FALSE(none_seen.upper);
    ASSERT_TRUE(rows[3].report);
    EXPECT_TRUE(rows[3].report->estimates) << "the rows after an error are fitted";
}

// A file that cannot serve as a survey, or standard input named twice, stops the report before
// its first row: status 2 and one message, begun with the program's name.
TEST(survey_report_test, files_that_cannot_serve_stop_the_report_with_a_message) {
    TemporaryFolder dir;
    dir.write("short.csv", "block,c100,c111\n1,2,3\n");
    dir.write("empty.csv", "");
    const std::string program = "survey-under-test";
    const struct {
        std::vector<std::string> files;
        std::string message;  // "" where any message will do
    } cases[] = {
        {{dir.file("missing.csv")}, dir.file("missing.csv") + ": No such file or directory."},
        {{dir.path()}, ""},
        {{dir.file("short.csv")},
         dir.file("short.csv") + ": the header lacks the columns c101, c110; a survey needs "
                                 "c100, c111, c101 and c110."},
        {{dir.file("empty.csv")},
         dir.file("empty.csv") +
             ": the file is empty; a survey needs a header row with c100, c111, c101 and c110."},
        {{"-", "-"}, "standard input (-) can be read only once."},
    };
    for (const auto& c : cases) {
        ReportOptions options = with_files(c.files);
        options.program = program;
        const RowsRun r = report_rows(options, "c100,c111,c101,c110\n1,2,3,4\n");
        EXPECT_EQ(r.status, kestrivo::survey::kUsageOrFileError) << c.files[0];
        if (!c.message.empty()) {
            EXPECT_EQ(r.err, program + ": " + c.message + "\n");
        }
        EXPECT_EQ(r.err.rfind(program + ": ", 0), 0u) << r.err;
        EXPECT_TRUE(r.rows.rows.empty()) << c.files[0];
        EXPECT_FALSE(r.rows.whole) << c.files[0];
    }

    // The city's blocks cannot be fewer than those read: refused as a value, in the caller's
    // words.
    ReportOptions few = with_files({"-"});
    few.design.blocks_total = 2;
    const RowsRun r = report_rows(few, kSurvey);
    EXPECT_EQ(r.status, kestrivo::survey::kUsageOrFileError);
    ASSERT_EQ(r.refusals.size(), 1u);
    EXPECT_EQ(r.refusals[0].kind, DesignRefusal::Kind::fewer_than_read);
    EXPECT_EQ(r.refusals[0].number, 2);
    EXPECT_EQ(r.refusals[0].blocks, 3);
    EXPECT_FALSE(r.refusals[0].in_strata);
    EXPECT_EQ(r.err, few.program + ": " + kestrivo::cli::command_line_words(r.refusals[0]) + "\n");
    EXPECT_TRUE(r.rows.rows.empty());
}

TEST(survey_report_test, several_inputs_in_order_with_the_union_of_their_carried_columns) {
    TemporaryFolder dir;
    dir.write("one.csv",
              "\xEF\xBB\xBF"
              "date,c100,c111,c101,c110\r\n2026-01-01,1,2,3,4\r\n\r\n");
    dir.write("two.csv", "c100,c111,c101,c110,ward,date\n5,6,7,8,\"West, upper\",2026-01-02\n");
    const RowsRun r = report_rows(with_files({dir.file("one.csv"), "-", dir.file("two.csv")}),
                                  "ward,c100,c111,c101,c110\nEast,9,9,9,9\n");
    EXPECT_EQ(r.status, kestrivo::survey::kAllFitted) << r.err;
    EXPECT_EQ(r.rows.layout.carried, (std::vector<std::string>{"date", "ward"}));
    const auto& rows = r.rows.rows;
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].label, "2") << "no block column: the line number";
    EXPECT_EQ(rows[0].carried, (std::vector<std::string>{"2026-01-01", ""}));
    EXPECT_EQ(rows[1].carried, (std::vector<std::string>{"", "East"}));
    EXPECT_EQ(rows[2].carried, (std::vector<std::string>{"2026-01-02", "West, upper"}));
}

// The city total's numbers that a second run must give again.
std::vector<std::optional<double>> interval(const ReportRow& row) {
    const auto& t = *row.cells.total;
    return {t.dogs, t.standard_error, t.lower, t.upper};
}

// Visibility pooled within strata and the city's dogs from it: the pooled row is the report of
// the summed counts, each block's N_pool is its n over the stratum's share seen, het is 0 for
// blocks alike, and city_N is sum_h K_h / k_h sum n / q_h with a reproducible bootstrap interval.
TEST(survey_report_test, pooled_visibility_and_the_city_total_by_stratum) {
    const std::string survey =
        "block,c100,c111,c101,c110,ward\n"
        "a,10,20,5,5,North\n"
        "b,14,25,9,4,North\n"
        "c,29,36,54,48,South\n"
        "d,0,0,0,0,South\n"
        "e,12,30,8,6,South\n";
    ReportOptions options = with_files({"-"});
    options.pool = true;
    options.design.stratum_column = "ward";
    options.design.blocks_by_stratum = {{"North", 20}, {"South", 3}};
    options.bootstrap = 400;
    const RowsRun r = report_rows(options, survey);
    EXPECT_EQ(r.status, kestrivo::survey::kAllFitted) << r.err;
    const auto& rows = r.rows.rows;
    ASSERT_EQ(rows.size(), 5u + 2 + 3);
    const std::vector<std::string> labels = {"a",      "b",      "c",     "d",     "e",
                                             "pooled", "pooled", "total", "total", "total"};
    const std::vector<RowKind> kinds = {
        RowKind::block,  RowKind::block,  RowKind::block, RowKind::block, RowKind::block,
        RowKind::pooled, RowKind::pooled, RowKind::total, RowKind::total, RowKind::total};
    for (std::size_t i = 0; i < labels.size(); ++i) {
        EXPECT_EQ(rows[i].label, labels[i]);
        EXPECT_EQ(rows[i].kind, kinds[i]) << i;
    }

    // Pooled fits let S go down to 0.
    const double floor = kestrivo::analysis::kSurveyFloorOfS;
    const auto north = report_for({24, 45, 14, 9}, {}, floor);
    const auto south = report_for({41, 66, 62, 54}, {}, floor);
    const ReportRow& north_pooled = rows[5];
    ASSERT_TRUE(north_pooled.report && north_pooled.report->estimates && north_pooled.report->dogs);
    EXPECT_EQ(north_pooled.report->estimates->S, north.estimates->S);
    EXPECT_EQ(north_pooled.report->dogs->estimate, north.dogs->estimate);
    EXPECT_EQ(north_pooled.carried, std::vector<std::string>{"North"});
    EXPECT_EQ(north_pooled.stratum, "North");
    const double own = report_for({10, 20, 5, 5}, {}, floor).estimates->log_likelihood +
                       report_for({14, 25, 9, 4}, {}, floor).estimates->log_likelihood;
    ASSERT_TRUE(north_pooled.cells.het);
    EXPECT_NEAR(north_pooled.cells.het->statistic, 2 * (own - north.estimates->log_likelihood),
                1e-6);
    EXPECT_EQ(north_pooled.cells.het->df, 2);
    EXPECT_EQ(rows[6].carried, std::vector<std::string>{"South"});
    ASSERT_TRUE(rows[2].cells.dogs_pooled);
    EXPECT_EQ(rows[2].cells.dogs_pooled->estimate, 167 / south.estimates->seen);
    const kestrivo::survey::Estimate no_dogs = kestrivo::survey::pooled_dogs(rows[3]);
    EXPECT_EQ(no_dogs.value, 0.0) << "a block with no dogs";
    EXPECT_EQ(no_dogs.lower, 0.0);
    EXPECT_TRUE(no_dogs.upper);
    EXPECT_EQ(rows[3].error, "");
    const kestrivo::survey::Estimate c = kestrivo::survey::pooled_dogs(rows[2]);
    ASSERT_TRUE(c.value && c.lower && c.upper);
    EXPECT_LE(*c.lower, *c.value);
    EXPECT_GE(*c.upper, *c.value);

    // Totals: North sampled 2 of 20 blocks; South was counted whole (a census).
    for (std::size_t i = 7; i < 10; ++i)
        ASSERT_TRUE(rows[i].cells.total && rows[i].cells.total->dogs) << i;
    const double north_total = 20.0 / 2 * 92 / north.estimates->seen;
    const double south_total = 223 / south.estimates->seen;
    EXPECT_NEAR(*rows[7].cells.total->dogs, north_total, 1e-6);
    EXPECT_NEAR(*rows[8].cells.total->dogs, south_total, 1e-6);
    // Counted whole, South still has its share seen to estimate: an interval around its total.
    const auto& census = *rows[8].cells.total;
    ASSERT_TRUE(census.standard_error && census.lower && census.upper);
    EXPECT_GT(*census.standard_error, 0);
    EXPECT_LT(*census.lower, south_total);
    EXPECT_GT(*census.upper, south_total);
    const ReportRow& city = rows[9];
    const auto& whole = *city.cells.total;
    EXPECT_TRUE(city.city);
    EXPECT_NEAR(*whole.dogs, north_total + south_total, 1e-6);
    EXPECT_EQ(city.carried, std::vector<std::string>{""});
    EXPECT_EQ(city.stratum, "");
    EXPECT_EQ(whole.first_count, 92 + 223);
    ASSERT_TRUE(whole.standard_error && whole.lower && whole.upper);
    EXPECT_GE(*whole.lower, 315);
    EXPECT_GT(*whole.upper, *whole.lower);
    EXPECT_GT(*whole.standard_error, 0);

    // The same seed gives the same interval, and the same bytes; another seed another one.
    EXPECT_EQ(interval(report_rows(options, survey).rows.rows[9]), interval(city));
    EXPECT_EQ(report_text(options, survey).out, report_text(options, survey).out);
    options.seed = 2;
    EXPECT_NE(interval(report_rows(options, survey).rows.rows[9]), interval(city));
}

// Blocks fitted on several threads (and bootstrap replicates computed on them) give the very
// bytes one thread gives, rows in input order, whatever the batch boundaries.
TEST(survey_report_test, any_number_of_jobs_writes_the_same_bytes) {
    std::string survey = "block,c100,c111,c101,c110,ward\n";
    for (int i = 0; i < 300; ++i) {
        survey += "b" + std::to_string(i) + "," + std::to_string(i % 13) + "," +
                  std::to_string(5 + i % 29) + "," + std::to_string(i % 7) + "," +
                  std::to_string(i % 5) + ",W" + std::to_string(i % 3) + "\n";
    }
    for (const bool pooled : {false, true}) {
        ReportOptions options = with_files({"-"});
        if (pooled) {
            options.pool = true;
            options.design.stratum_column = "ward";
            options.design.blocks_by_stratum = {{"W0", 500}, {"W1", 500}, {"W2", 500}};
            options.bootstrap = 200;
        }
        options.jobs = 1;
        const TextRun one = report_text(options, survey);
        options.jobs = 3;
        const TextRun three = report_text(options, survey);
        EXPECT_EQ(one.status, three.status);
        EXPECT_EQ(one.out, three.out) << (pooled ? "pooled" : "per block");
        EXPECT_EQ(cells(one.out).size(), pooled ? 1u + 300 + 3 + 4 : 301u);
    }
}

// A refusal's kind and the names and numbers it carries.
DesignRefusal refusal(DesignRefusal::Kind kind, std::string column = "", std::int64_t number = 0,
                      std::int64_t blocks = 0) {
    DesignRefusal r;
    r.kind = kind;
    r.column = std::move(column);
    r.number = number;
    r.blocks = blocks;
    return r;
}

// What cannot go together in a design, or with the survey read, is refused as a value before a
// row is handed on, and the report says it in its caller's words.
TEST(survey_report_test, a_refused_design_is_a_value_in_the_callers_words) {
    using Kind = DesignRefusal::Kind;
    const std::string survey = "block,c100,c111,c101,c110,ward\na,1,2,3,4,North\nb,1,2,3,4,\n";
    const struct {
        std::map<std::string, std::int64_t> by_stratum;
        std::optional<std::int64_t> k;
        std::optional<std::string> stratum;
        DesignRefusal refused;
        std::string message;
    } cases[] = {
        {{{"North", 5}},
         {},
         "ward",
         refusal(Kind::stratum_without_blocks, "ward"),
         "the stratum \"\" has no number of blocks in --blocks-total."},
        {{{"North", 5}},
         {},
         {},
         refusal(Kind::names_without_strata),
         "--blocks-total NAME=K needs --stratum"},
        {{},
         1,
         {},
         refusal(Kind::fewer_than_read, "", 1, 2),
         "--blocks-total 1 is fewer than the 2 blocks read."},
        {{},
         5,
         "ward",
         refusal(Kind::one_number_for_strata),
         "with --stratum, give each stratum's blocks"},
        {{{"North", 5}},
         {},
         "district",
         refusal(Kind::no_such_column, "district"),
         "there is no column \"district\""},
        {{},
         {},
         "ward",
         refusal(Kind::strata_unused, "ward"),
         "--stratum groups blocks for --pool or --blocks-total"},
    };
    for (const auto& c : cases) {
        ReportOptions options = with_files({"-"});
        options.design.blocks_by_stratum = c.by_stratum;
        options.design.blocks_total = c.k;
        options.design.stratum_column = c.stratum;
        const RowsRun r = report_rows(options, survey);
        EXPECT_EQ(r.status, kestrivo::survey::kUsageOrFileError) << c.message;
        ASSERT_EQ(r.refusals.size(), 1u) << c.message;
        const DesignRefusal& got = r.refusals[0];
        EXPECT_EQ(got.kind, c.refused.kind) << c.message;
        EXPECT_EQ(got.stratum, c.refused.stratum) << c.message;
        EXPECT_EQ(got.column, c.refused.column) << c.message;
        EXPECT_EQ(got.number, c.refused.number) << c.message;
        EXPECT_EQ(got.blocks, c.refused.blocks) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_TRUE(r.rows.rows.empty()) << c.message;
    }

    // A caller without words of its own still says that the design was refused.
    ReportOptions wordless = with_files({"-"});
    wordless.design.blocks_total = 1;
    std::istringstream in(survey);
    std::ostringstream out, err;
    EXPECT_EQ(kestrivo::survey::report_survey(wordless, kLibrary, in, out, err, false, nullptr),
              kestrivo::survey::kUsageOrFileError);
    EXPECT_NE(err.str().find("design cannot be used"), std::string::npos) << err.str();
    EXPECT_EQ(out.str(), "");
}

// Cells a spreadsheet would run as formulas are defused in CSV and kept in JSON; bytes that are
// not UTF-8 never stop the JSON; numbers have nine digits unless asked for more.
TEST(survey_report_test, hostile_cells_are_written_safely) {
    const std::string survey =
        "block,c100,c111,c101,c110,ward\n"
        "\"=HYPERLINK(\"\"x\"\")\",1,2,3,4,@SUM(1+1)\n"
        "\"\t=tab\",1,2,3,4,-5\n"
        "K\xF6ln,1,2,3,4,+cmd|' /C calc'!A0\n";
    ReportOptions options = with_files({"-"});
    options.digits = kestrivo::survey::kDefaultDigits;
    const auto rows = cells(report_text(options, survey).out);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[1][0], "'=HYPERLINK(\"x\")");
    EXPECT_EQ(rows[1][25], "'@SUM(1+1)");
    EXPECT_EQ(rows[2][0], "'=tab");
    EXPECT_EQ(rows[2][25], "-5") << "a number is left as it is";
    EXPECT_EQ(rows[3][25], "'+cmd|' /C calc'!A0");
    EXPECT_EQ(rows[1][3], kestrivo::platform::digits_text(report_for({1, 2, 3, 4}).estimates->P,
                                                          kestrivo::survey::kDefaultDigits));

    const TextRun json = report_text(with_files({"-"}, Format::json), survey);
    EXPECT_EQ(json.status, kestrivo::survey::kAllFitted);
    const nlohmann::json parsed = nlohmann::json::parse(json.out);
    ASSERT_EQ(parsed.size(), 3u);
    EXPECT_EQ(parsed[0]["block"], "=HYPERLINK(\"x\")");
    EXPECT_EQ(parsed[2]["block"], "K\xEF\xBF\xBDln");
}

// A report that cannot be written must not look whole: the first failed write ends the run with
// status 2 and the system's reason.
TEST(survey_report_test, output_that_cannot_be_written_ends_the_run_with_the_reason) {
    struct Full : std::streambuf {
        int overflow(int) override {
            errno = ENOSPC;
            return traits_type::eof();
        }
    } full;
    std::ostream out(&full);
    std::istringstream in(kSurvey);
    std::ostringstream err;
    const int status =
        kestrivo::survey::report_survey(with_files({"-"}), kLibrary, in, out, err, false, nullptr);
    EXPECT_EQ(status, kestrivo::survey::kUsageOrFileError);
    EXPECT_EQ(err.str(),
              "kestrivo-report: the report could not be written: No space left on "
              "device.\n");
}

// Standard input that breaks off partway: the sink is abandoned, not finished, after the rows it
// was given (each a block, in input order), and a JSON table stays a whole array.
TEST(survey_report_test, input_that_fails_partway_abandons_the_sink_after_its_rows) {
    // Serves `text`, then fails as a device does.
    struct Breaking : std::streambuf {
        std::string text;
        explicit Breaking(std::string t) : text(std::move(t)) {
            setg(text.data(), text.data(), text.data() + text.size());
        }
        int_type underflow() override { throw std::ios_base::failure("the device failed"); }
    };
    std::string survey = "block,c100,c111,c101,c110\n";
    for (int i = 0; i < 1000; ++i)
        survey += "b" + std::to_string(i) + ",1,2,3," + std::to_string(i % 5) + "\n";

    struct Recording : kestrivo::survey::ReportRows {
        bool abandoned = false;
        void abandon() override { abandoned = true; }
    } rows;
    ReportOptions options = with_files({"-"});
    options.jobs = 1;
    Breaking broken(survey);
    std::istream in(&broken);
    std::ostringstream err;
    EXPECT_EQ(kestrivo::survey::report_survey(options, kLibrary, in, rows, err, false, nullptr),
              kestrivo::survey::kUsageOrFileError);
    EXPECT_NE(err.str().find("standard input"), std::string::npos) << err.str();
    EXPECT_TRUE(rows.abandoned);
    EXPECT_FALSE(rows.whole);
    EXPECT_LT(rows.rows.size(), 1000u);
    for (std::size_t i = 0; i < rows.rows.size(); ++i) {
        EXPECT_EQ(rows.rows[i].kind, RowKind::block);
        EXPECT_EQ(rows.rows[i].label, "b" + std::to_string(i));
    }

    Breaking again(survey);
    std::istream json_in(&again);
    std::ostringstream out;
    err.str("");
    options.format = Format::json;
    EXPECT_EQ(kestrivo::survey::report_survey(options, kLibrary, json_in, out, err, false, nullptr),
              kestrivo::survey::kUsageOrFileError);
    const nlohmann::json written = nlohmann::json::parse(out.str());
    EXPECT_TRUE(written.is_array());
    EXPECT_EQ(written.size(), rows.rows.size());
}

}  // namespace
