// kestrivo-report's work on survey files: rows in input order with the analysis layer's numbers
// to the last bit, CSV and JSON, rows that cannot be read or fitted, file errors and their exit
// status, several inputs, the city total, and the progress line.
#include "cli/report_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>

#include "library/kestrivo.h"
#include "platform/number_text.h"
#include "platform/progress_line.h"
#include "tests/support/report_output.h"
#include "tests/support/temporary_folder.h"

namespace {

using kestrivo::cli::Options;
using kestrivo::survey::Format;
using kestrivo::tests::cells;
using kestrivo::tests::number;
using kestrivo::tests::Table;

const kestrivo::analysis::Library kLibrary{RLOGLIK};

struct Outcome {
    int status;
    std::string out, err;
};

Outcome run(Options options, const std::string& standard_input = "") {
    std::istringstream in(standard_input);
    std::ostringstream out, err;
    const int status = kestrivo::cli::run_report(options, kLibrary, in, out, err, false, nullptr);
    return {status, out.str(), err.str()};
}

Options with_files(std::vector<std::string> files, Format format = Format::csv) {
    Options options;
    options.files = std::move(files);
    options.common.format = format;
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

TEST(report_command_test, one_row_per_block_in_input_order_with_the_analysis_layers_numbers) {
    const Outcome r = run(with_files({KESTRIVO_SURVEY}));
    EXPECT_EQ(r.status, 0) << r.err;
    const auto rows = cells(r.out);
    ASSERT_EQ(rows.size(), 4u);
    const std::vector<std::string> header = {
        "block", "n",       "S",       "P",     "seen",  "logL",  "S_lo",    "S_hi",    "P_lo",
        "P_hi",  "seen_lo", "seen_hi", "N_hat", "N_lo",  "N_hi",  "S_bound", "P_bound", "deviance",
        "df",    "gof_p",   "lrt_S0",  "lrt_p", "error", "edges", "note",    "ward"};
    EXPECT_EQ(rows[0], header);
    EXPECT_EQ(rows[1][0], "A-1");
    EXPECT_EQ(rows[2][0], "A-2");
    EXPECT_EQ(rows[3][0], "B-1");
    EXPECT_EQ(rows[3][25], "South");

    // Every number reads back to the very double the analysis layer computes.
    const auto a1 = report_for({29, 36, 54, 48});
    EXPECT_EQ(rows[1][1], "167");
    EXPECT_EQ(number(rows[1][2]), a1.estimates->S);
    EXPECT_EQ(number(rows[1][3]), a1.estimates->P);
    EXPECT_EQ(number(rows[1][4]), a1.estimates->seen);
    EXPECT_EQ(number(rows[1][5]), a1.estimates->log_likelihood);
    EXPECT_EQ(number(rows[1][7]), a1.s_limits->upper);
    EXPECT_EQ(number(rows[1][8]), a1.p_limits->lower);
    EXPECT_EQ(number(rows[1][11]), a1.seen_limits->upper);
    EXPECT_EQ(number(rows[1][12]), a1.dogs->estimate);
    EXPECT_EQ(number(rows[1][14]), a1.dogs->upper);
    EXPECT_EQ(rows[1][15], "lower");
    EXPECT_EQ(rows[1][16], "");
    EXPECT_EQ(number(rows[1][17]), a1.fit_check->deviance);
    EXPECT_EQ(rows[1][18], "1");
    EXPECT_EQ(number(rows[1][19]), a1.fit_check->p);
    EXPECT_EQ(number(rows[1][21]), a1.always_visible->p);
    EXPECT_EQ(rows[1][22], "");

    // S held at 0: S is the held value and has no limits, and there is no test of S = 0.
    const auto b1 = report_for({12, 30, 8, 6}, 0.0);
    EXPECT_EQ(rows[3][2], "0");
    EXPECT_EQ(rows[3][6], "");
    EXPECT_EQ(rows[3][20], "");
    EXPECT_EQ(rows[3][18], "2");
    EXPECT_EQ(number(rows[3][13]), b1.dogs->lower);
}

TEST(report_command_test, json_has_the_same_keys_with_numbers_and_null_where_no_value_exists) {
    const Outcome r = run(with_files({KESTRIVO_SURVEY}, Format::json));
    EXPECT_EQ(r.status, 0);
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

    // An empty survey is an empty array; an upper limit never reached is null in JSON, inf in CSV.
    EXPECT_EQ(
        nlohmann::json::parse(run(with_files({"-"}, Format::json), "c100,c111,c101,c110\n").out),
        nlohmann::json::array());
}

TEST(report_command_test, rows_that_cannot_be_read_or_fitted_keep_their_place_and_say_why) {
    TemporaryFolder dir;
    dir.write("bad.csv",
              "block,c100,c111,c101,c110,ward\n"
              "a,1,2,3,4,W\n"
              "b,1,x,3,4,W\n"
              "c,0,0,0,0,W\n"
              "d,5,6,7,8,W\n");
    const Outcome r = run(with_files({dir.file("bad.csv")}));
    EXPECT_EQ(r.status, 1);
    const auto rows = cells(r.out);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[2][0], "b");
    EXPECT_EQ(rows[2][22], dir.file("bad.csv") +
                               ", line 3, column c111: \"x\" is not a whole number of dogs (0 or "
                               "more)");
    for (int c = 1; c <= 21; ++c)
        EXPECT_EQ(rows[2][c], "") << c;
    EXPECT_EQ(rows[2][25], "W");
    // A block where nobody was seen is data: no visibility, 0 dogs from 0, no upper limit.
    EXPECT_EQ(rows[3][1], "0");
    EXPECT_EQ(rows[3][22], "");
    EXPECT_EQ(rows[3][2], "");
    EXPECT_EQ(rows[3][12], "0");
    EXPECT_EQ(rows[3][13], "0");
    EXPECT_EQ(rows[3][14], "");
    EXPECT_NE(rows[4][2], "") << "the rows after an error are fitted";
}

TEST(report_command_test, file_and_usage_errors_stop_with_status_two_and_a_message) {
    TemporaryFolder dir;
    dir.write("short.csv", "block,c100,c111\n1,2,3\n");
    dir.write("empty.csv", "");
    const struct {
        std::vector<std::string> files;
        std::string message;
    } cases[] = {
        {{dir.file("missing.csv")},
         "kestrivo-report: " + dir.file("missing.csv") + ": No such file or directory.\n"},
        {{dir.path()}, ""},
        {{dir.file("short.csv")},
         "kestrivo-report: " + dir.file("short.csv") +
             ": the header lacks the columns c101, c110; a survey needs c100, c111, c101 and "
             "c110.\n"},
        {{dir.file("empty.csv")},
         "kestrivo-report: " + dir.file("empty.csv") +
             ": the file is empty; a survey needs a header row with c100, c111, c101 and c110.\n"},
        {{"-", "-"}, "kestrivo-report: standard input (-) can be read only once.\n"},
    };
    for (const auto& c : cases) {
        const Outcome r = run(with_files(c.files), "c100,c111,c101,c110\n1,2,3,4\n");
        EXPECT_EQ(r.status, 2) << c.files[0];
        if (!c.message.empty()) {
            EXPECT_EQ(r.err, c.message);
        }
        EXPECT_NE(r.err, "") << c.files[0];
    }

    // The city's blocks cannot be fewer than those read.
    Options options = with_files({KESTRIVO_SURVEY});
    options.common.blocks_total.city = 2;
    const Outcome few = run(options);
    EXPECT_EQ(few.status, 2);
    EXPECT_EQ(few.err, "kestrivo-report: --blocks-total 2 is fewer than the 3 blocks read.\n");
}

TEST(report_command_test, several_inputs_in_order_with_the_union_of_their_carried_columns) {
    TemporaryFolder dir;
    dir.write("one.csv",
              "\xEF\xBB\xBF"
              "date,c100,c111,c101,c110\r\n2026-01-01,1,2,3,4\r\n\r\n");
    dir.write("two.csv", "c100,c111,c101,c110,ward,date\n5,6,7,8,\"West, upper\",2026-01-02\n");
    const Outcome r = run(with_files({dir.file("one.csv"), "-", dir.file("two.csv")}),
                          "ward,c100,c111,c101,c110\nEast,9,9,9,9\n");
    EXPECT_EQ(r.status, 0) << r.err;
    const auto rows = cells(r.out);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(rows[0].end() - 2, rows[0].end()),
              (std::vector<std::string>{"date", "ward"}));
    EXPECT_EQ(rows[1][0], "2") << "no block column: the line number";
    EXPECT_EQ(rows[1][25], "2026-01-01");
    EXPECT_EQ(rows[1][26], "");
    EXPECT_EQ(rows[2][26], "East");
    EXPECT_EQ(rows[3][25], "2026-01-02");
    EXPECT_EQ(rows[3][26], "West, upper");
}

// A row of the output by its block column, and its cell under `key`.

// Visibility pooled within strata and the city's dogs from it: the pooled row is the report of
// the summed counts, each block's N_pool is its n over the stratum's share seen, het is 0 for
// blocks alike, and city_N is sum_h K_h / k_h sum n / q_h with a reproducible bootstrap interval.
TEST(report_command_test, pooled_visibility_and_the_city_total_by_stratum) {
    const std::string survey =
        "block,c100,c111,c101,c110,ward\n"
        "a,10,20,5,5,North\n"
        "b,14,25,9,4,North\n"
        "c,29,36,54,48,South\n"
        "d,0,0,0,0,South\n"
        "e,12,30,8,6,South\n";
    Options options = with_files({"-"});
    options.pool = true;
    options.common.stratum = "ward";
    options.common.blocks_total.by_stratum = {{"North", 20}, {"South", 3}};
    options.bootstrap = 400;
    const Outcome r = run(options, survey);
    EXPECT_EQ(r.status, 0) << r.err;
    const Table t{cells(r.out)};
    ASSERT_EQ(t.rows.size(), 1u + 5 + 2 + 3) << r.out;
    const std::vector<std::string> blocks = {"a",      "b",      "c",     "d",     "e",
                                             "pooled", "pooled", "total", "total", "total"};
    for (std::size_t i = 0; i < blocks.size(); ++i)
        EXPECT_EQ(t.rows[i + 1][0], blocks[i]);

    // Pooled fits let S go down to 0.
    const double floor = kestrivo::analysis::kSurveyFloorOfS;
    const auto north = report_for({24, 45, 14, 9}, {}, floor);
    const auto south = report_for({41, 66, 62, 54}, {}, floor);
    EXPECT_EQ(number(t.cell(6, "S")), north.estimates->S);
    EXPECT_EQ(number(t.cell(6, "N_hat")), north.dogs->estimate);
    EXPECT_EQ(t.cell(6, "ward"), "North");
    const double own = report_for({10, 20, 5, 5}, {}, floor).estimates->log_likelihood +
                       report_for({14, 25, 9, 4}, {}, floor).estimates->log_likelihood;
    EXPECT_NEAR(number(t.cell(6, "het")), 2 * (own - north.estimates->log_likelihood), 1e-6);
    EXPECT_EQ(t.cell(6, "het_df"), "2");
    EXPECT_EQ(t.cell(7, "ward"), "South");
    EXPECT_EQ(number(t.cell(3, "N_pool")), 167 / south.estimates->seen);
    EXPECT_EQ(t.cell(4, "N_pool"), "0") << "a block with no dogs";
    EXPECT_EQ(t.cell(4, "N_pool_lo"), "0");
    EXPECT_NE(t.cell(4, "N_pool_hi"), "");
    EXPECT_EQ(t.cell(4, "error"), "");
    EXPECT_LE(number(t.cell(3, "N_pool_lo")), number(t.cell(3, "N_pool")));
    EXPECT_GE(number(t.cell(3, "N_pool_hi")), number(t.cell(3, "N_pool")));

    // Totals: North sampled 2 of 20 blocks; South was counted whole (a census).
    const double north_total = 20.0 / 2 * 92 / north.estimates->seen;
    const double south_total = 223 / south.estimates->seen;
    EXPECT_NEAR(number(t.cell(8, "city_N")), north_total, 1e-6);
    EXPECT_NEAR(number(t.cell(9, "city_N")), south_total, 1e-6);
    // Counted whole, South still has its share seen to estimate: an interval around its total.
    EXPECT_GT(number(t.cell(9, "city_se")), 0);
    EXPECT_LT(number(t.cell(9, "city_lo")), south_total);
    EXPECT_GT(number(t.cell(9, "city_hi")), south_total);
    EXPECT_NEAR(number(t.cell(10, "city_N")), north_total + south_total, 1e-6);
    EXPECT_EQ(t.cell(10, "ward"), "");
    EXPECT_EQ(t.cell(10, "n"), std::to_string(92 + 223));
    EXPECT_GE(number(t.cell(10, "city_lo")), 315);
    EXPECT_GT(number(t.cell(10, "city_hi")), number(t.cell(10, "city_lo")));
    EXPECT_GT(number(t.cell(10, "city_se")), 0);

    // The same seed gives the same interval; another seed another one.
    EXPECT_EQ(run(options, survey).out, r.out);
    options.common.seed = 2;
    EXPECT_NE(cells(run(options, survey).out)[10], t.rows[10]);
}

// Blocks fitted on several threads (and bootstrap replicates computed on them) give the very
// bytes one thread gives, rows in input order, whatever the batch boundaries.
TEST(report_command_test, any_number_of_jobs_writes_the_same_bytes) {
    std::string survey = "block,c100,c111,c101,c110,ward\n";
    for (int i = 0; i < 300; ++i) {
        survey += "b" + std::to_string(i) + "," + std::to_string(i % 13) + "," +
                  std::to_string(5 + i % 29) + "," + std::to_string(i % 7) + "," +
                  std::to_string(i % 5) + ",W" + std::to_string(i % 3) + "\n";
    }
    for (const bool pooled : {false, true}) {
        Options options = with_files({"-"});
        if (pooled) {
            options.pool = true;
            options.common.stratum = "ward";
            options.common.blocks_total.by_stratum = {{"W0", 500}, {"W1", 500}, {"W2", 500}};
            options.bootstrap = 200;
        }
        options.common.jobs = 1;
        const Outcome one = run(options, survey);
        options.common.jobs = 3;
        const Outcome three = run(options, survey);
        EXPECT_EQ(one.status, three.status);
        EXPECT_EQ(one.out, three.out) << (pooled ? "pooled" : "per block");
        EXPECT_EQ(cells(one.out).size(), pooled ? 1u + 300 + 3 + 4 : 301u);
    }
}

TEST(report_command_test, survey_level_usage_errors_say_what_is_missing) {
    const std::string survey = "block,c100,c111,c101,c110,ward\na,1,2,3,4,North\nb,1,2,3,4,\n";
    const struct {
        std::map<std::string, std::int64_t> by_stratum;
        std::optional<std::int64_t> k;
        std::optional<std::string> stratum;
        std::string message;
    } cases[] = {
        {{{"North", 5}}, {}, "ward", "the stratum \"\" has no number of blocks in --blocks-total."},
        {{{"North", 5}}, {}, {}, "--blocks-total NAME=K needs --stratum"},
        {{}, 1, {}, "--blocks-total 1 is fewer than the 2 blocks read."},
        {{}, 5, "ward", "with --stratum, give each stratum's blocks"},
        {{{"North", 5}}, {}, "district", "there is no column \"district\""},
        {{}, {}, "ward", "--stratum groups blocks for --pool or --blocks-total"},
    };
    for (const auto& c : cases) {
        Options options = with_files({"-"});
        options.common.blocks_total.by_stratum = c.by_stratum;
        options.common.blocks_total.city = c.k;
        options.common.stratum = c.stratum;
        const Outcome r = run(options, survey);
        EXPECT_EQ(r.status, 2) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
}

TEST(report_command_test, the_progress_line_shows_only_on_a_terminal_and_goes_away) {
    std::ostringstream quiet, shown;
    {
        kestrivo::platform::ProgressLine line(quiet, false, std::chrono::milliseconds(0));
        line.blocks_done(10);
    }
    EXPECT_EQ(quiet.str(), "");
    {
        kestrivo::platform::ProgressLine line(shown, true, std::chrono::milliseconds(0));
        line.blocks_done(10);
        line.blocks_done(11);  // too soon to redraw
    }
    EXPECT_EQ(shown.str(), "\r\x1b[Kkestrivo-report: 10 blocks fitted...\r\x1b[K");
    std::ostringstream brief;
    {
        kestrivo::platform::ProgressLine line(brief, true);  // a second's grace
        line.blocks_done(10);
    }
    EXPECT_EQ(brief.str(), "");
}

// Cells a spreadsheet would run as formulas are defused in CSV and kept in JSON; bytes that are
// not UTF-8 never stop the JSON; numbers have nine digits unless asked for more.
TEST(report_command_test, hostile_cells_are_written_safely) {
    const std::string survey =
        "block,c100,c111,c101,c110,ward\n"
        "\"=HYPERLINK(\"\"x\"\")\",1,2,3,4,@SUM(1+1)\n"
        "\"\t=tab\",1,2,3,4,-5\n"
        "K\xF6ln,1,2,3,4,+cmd|' /C calc'!A0\n";
    Options options = with_files({"-"});
    options.digits = kestrivo::survey::kDefaultDigits;
    const auto rows = cells(run(options, survey).out);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[1][0], "'=HYPERLINK(\"x\")");
    EXPECT_EQ(rows[1][25], "'@SUM(1+1)");
    EXPECT_EQ(rows[2][0], "'=tab");
    EXPECT_EQ(rows[2][25], "-5") << "a number is left as it is";
    EXPECT_EQ(rows[3][25], "'+cmd|' /C calc'!A0");
    EXPECT_EQ(rows[1][3],
              kestrivo::platform::digits_text(report_for({1, 2, 3, 4}).estimates->P, 9));

    const Outcome json = run(with_files({"-"}, Format::json), survey);
    EXPECT_EQ(json.status, 0);
    const nlohmann::json parsed = nlohmann::json::parse(json.out);
    ASSERT_EQ(parsed.size(), 3u);
    EXPECT_EQ(parsed[0]["block"], "=HYPERLINK(\"x\")");
    EXPECT_EQ(parsed[2]["block"], "K\xEF\xBF\xBDln");
}

// A report that cannot be written must not look whole: the first failed write ends the run with
// status 2 and the system's reason.
TEST(report_command_test, output_that_cannot_be_written_ends_the_run_with_the_reason) {
    struct Full : std::streambuf {
        int overflow(int) override {
            errno = ENOSPC;
            return traits_type::eof();
        }
    } full;
    std::ostream out(&full);
    std::istringstream in;
    std::ostringstream err;
    const int status = kestrivo::cli::run_report(with_files({KESTRIVO_SURVEY}), kLibrary, in, out,
                                                 err, false, nullptr);
    EXPECT_EQ(status, 2);
    EXPECT_EQ(err.str(),
              "kestrivo-report: the report could not be written: No space left on "
              "device.\n");
}

}  // namespace
