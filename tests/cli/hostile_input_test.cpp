// Regressions from an attack on kestrivo-report's survey options and on kestrivo-plan, a class of
// fault a test: what a careless or hostile user typed, and the sound answer to it.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/plan_command.h"
#include "cli/report_command.h"
#include "library/kestrivo.h"
#include "tests/support/report_output.h"
#include "tests/support/temporary_folder.h"

namespace {

using kestrivo::cli::Options;
using kestrivo::cli::PlanOptions;
using kestrivo::tests::cells;
using kestrivo::tests::number;
using kestrivo::tests::Table;

const kestrivo::analysis::Library kLibrary{RLOGLIK};

struct Outcome {
    int status;
    std::string out, err;
};

Outcome report(Options options, const std::string& survey) {
    std::istringstream in(survey);
    std::ostringstream out, err;
    if (options.files.empty()) options.files = {"-"};
    const int status = kestrivo::cli::run_report(options, kLibrary, in, out, err, false, nullptr);
    return {status, out.str(), err.str()};
}

Outcome plan(const PlanOptions& options) {
    std::ostringstream out, err;
    const int status = kestrivo::cli::run_plan(options, kLibrary, out, err, false);
    return {status, out.str(), err.str()};
}

Options city(std::optional<std::int64_t> k, std::map<std::string, std::int64_t> by_stratum = {},
             std::optional<std::string> stratum = {}) {
    Options options;
    options.pool = true;
    options.bootstrap = 300;
    options.common.blocks_total.city = k;
    options.common.blocks_total.by_stratum = std::move(by_stratum);
    options.common.stratum = std::move(stratum);
    return options;
}

PlanOptions given(double S, double P, double m, std::int64_t K) {
    PlanOptions options;
    options.S = S;
    options.P = P;
    options.dogs_per_block = m;
    options.common.blocks_total.city = K;
    options.request.target = 0.3;
    options.request.replicates = 40;
    options.request.bootstrap = 200;
    options.request.jobs = 1;
    return options;
}

const std::string kWards =
    "block,c100,c111,c101,c110,ward\n"
    "N-1,4,16,4,3,North\nN-2,5,25,4,2,North\nN-3,4,9,1,2,North\n"
    "S-1,10,21,14,17,South\nS-2,4,17,10,10,South\nS-3,13,20,6,6,South\n";

// 1. A stratum counted whole, or nearly, still has its share seen to estimate: its interval has
// about the width of the pooled N's own limits, not zero.
TEST(hostile_input_test, a_census_keeps_the_uncertainty_of_the_share_seen) {
    for (const auto& [k, what] : {std::pair{6, "census"}, std::pair{7, "nearly whole"}}) {
        const Outcome r = report(city(k), kWards);
        ASSERT_EQ(r.status, 0) << r.err;
        const Table t{cells(r.out)};
        const std::size_t total = t.rows.size() - 1, pooled = total - 1;
        const double width = number(t.cell(total, "city_hi")) - number(t.cell(total, "city_lo"));
        const double pooled_width = number(t.cell(pooled, "N_hi")) - number(t.cell(pooled, "N_lo"));
        EXPECT_GT(number(t.cell(total, "city_se")), 0) << what;
        EXPECT_GT(width, 0.5 * pooled_width) << what;
    }
}

// 2. A city of a billion blocks is simulated without being held (it ran out of memory).
TEST(hostile_input_test, a_plan_for_a_huge_city_costs_what_its_sample_costs) {
    for (const std::int64_t K : {300'000'000LL, 1'000'000'000LL}) {
        PlanOptions options = given(0.2, 0.4, 30, K);
        options.request.target = 0.25;
        const Outcome r = plan(options);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.out.find("recommended,"), std::string::npos);
    }
}

// 4, 10. The design's slips are usage errors that say what to change.
TEST(hostile_input_test, slips_in_the_design_are_named) {
    const struct {
        Options options;
        std::string message;
    } cases[] = {
        {city({}, {{"North", 60}, {"South", 40}, {"East", 5}}, "ward"),
         "names the stratum \"East\", which no row of the survey has"},
        {city({}, {{"north", 9}, {"South", 40}}, "ward"), "did you mean \"North\"?"},
        {city({}, {{"North", 60}, {"South ", 3}}, "ward"), "did you mean \"South\"?"},
        {city({}, {{"North", 60}, {"South", 40}}, "Ward"),
         "there is no column \"Ward\" to take the strata from; did you mean \"ward\"?"},
    };
    for (const auto& c : cases) {
        const Outcome r = report(c.options, kWards);
        EXPECT_EQ(r.status, 2) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
    // One label twice in a stratum is no sample; the same label in two strata is.
    const Outcome twice = report(city(20), kWards + "N-2,1,1,1,1,North\n");
    EXPECT_EQ(twice.status, 2);
    EXPECT_NE(twice.err.find("lines 3 and 8: the block \"N-2\" appears twice"), std::string::npos)
        << twice.err;
    EXPECT_EQ(report(city({}, {{"North", 9}, {"South", 9}}, "ward"), kWards + "N-2,1,1,1,1,South\n")
                  .status,
              0);
    // A stratum whose name holds a comma is given in quotes.
    kestrivo::cli::BlocksTotal total;
    EXPECT_EQ(kestrivo::cli::read_blocks_total("\"Ward 3, east\"=40,\"say \"\"x\"\"\"=2", total),
              "");
    EXPECT_EQ(total.by_stratum.at("Ward 3, east"), 40);
    EXPECT_EQ(total.by_stratum.at("say \"x\""), 2);
    EXPECT_NE(kestrivo::cli::read_blocks_total("\"open=3", total), "");
}

TEST(hostile_input_test, a_file_named_twice_is_refused) {
    const TemporaryFolder folder;
    const std::string path = folder.write("s.csv", kWards);
    for (const auto& files : {std::vector<std::string>{path, path},
                              std::vector<std::string>{path, folder.path() + "/./s.csv"}}) {
        Options options;
        options.files = files;
        const Outcome r = report(options, "");
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find("a survey file is read once"), std::string::npos) << r.err;
    }
}

// 8, 9. Blocks where nobody was seen are data; an unreadable block is an error that the totals
// say they left out.
TEST(hostile_input_test, empty_and_unreadable_blocks_are_said_where_they_count) {
    const std::string survey = kWards + "E-1,0,0,0,0,East\nE-2,0,0,0,0,East\n";
    const Outcome empty =
        report(city({}, {{"North", 9}, {"South", 9}, {"East", 4}}, "ward"), survey);
    EXPECT_EQ(empty.status, 0) << empty.out;
    const Table t{cells(empty.out)};
    EXPECT_EQ(t.cell(11, "ward"), "East");
    EXPECT_EQ(t.cell(11, "error"), "");
    EXPECT_NE(t.cell(11, "note").find("no visibility to estimate"), std::string::npos);
    EXPECT_EQ(t.cell(7, "N_pool"), "0");
    EXPECT_EQ(t.cell(14, "city_N"), "0");
    EXPECT_EQ(t.cell(14, "city_lo"), "");
    EXPECT_NE(t.cell(15, "city_lo"), "");  // the city's interval stands on the other strata

    for (const char* bad : {"x", "-9", "9.5", "nan", "1e300"}) {
        const Outcome r = report(city(10), kWards + "Q," + bad + ",1,1,1,North\n");
        EXPECT_EQ(r.status, 1) << bad;
        const Table u{cells(r.out)};
        EXPECT_NE(u.cell(7, "error"), "") << bad;
        EXPECT_NE(u.cell(9, "note").find("1 block of this stratum could not be read and is left "
                                         "out: the total treats the 6 blocks read as the sample"),
                  std::string::npos)
            << u.cell(9, "note");
    }
}

// 5, 6, 11. The pilot's unreadable rows are named, its JSON is UTF-8 whatever its bytes, and a
// pilot that is a folder is said to be one.
TEST(hostile_input_test, a_pilot_says_which_rows_it_could_not_use) {
    const TemporaryFolder folder;
    PlanOptions options;
    options.pilot = folder.write("pilot.csv",
                                 "block,c100,c111,c101,c110\nA,4,16,4,3\n"
                                 "B,x,25,4,2\nC,5,25,4,2\n\"D,1,1,1,1\n");
    options.common.blocks_total.city = 40;
    options.request.target = 0.4;
    options.request.replicates = 20;
    options.request.bootstrap = 100;
    Outcome r = plan(options);
    EXPECT_NE(r.err.find("pilot.csv, line 3, column c100: \"x\" is not a whole number of dogs"),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("pilot.csv, line 5, column 1: a quoted field"), std::string::npos);
    EXPECT_NE(r.err.find("2 of the pilot's 4 rows were used"), std::string::npos);

    options.pilot = folder.write("latin.csv",
                                 "block,c100,c111,c101,c110,ward\n"
                                 "A,4,16,4,3,Mu\xF1oz\nB,5,25,4,2,Mu\xF1oz\n");
    options.common.stratum = "ward";
    options.common.blocks_total = {{}, {{"Mu\xF1oz", 40}}};
    options.common.format = kestrivo::survey::Format::json;
    r = plan(options);
    ASSERT_EQ(r.status, 0) << r.err;
    const auto json = nlohmann::json::parse(r.out);  // throws on bytes that are not UTF-8
    EXPECT_EQ(json["assumed"][0]["stratum"], "Mu\xEF\xBF\xBDoz");

    options.pilot = folder.path();
    EXPECT_NE(plan(options).err.find("is a folder"), std::string::npos);
}

// 7. A recommendation whose intervals do not hold the truth says so, and why: beyond the
// simulation's own error (three standard errors past ten points of coverage, or ten per cent of
// the truth).
TEST(hostile_input_test, an_untrustworthy_recommendation_is_said) {
    const auto row = [](double coverage, double ratio, double ratio_error, double seen_again,
                        int surveys) {
        kestrivo::analysis::PlanRow r;
        r.coverage = coverage;
        r.median_ratio = ratio;
        r.median_ratio_error = ratio_error;
        r.median_seen_again = seen_again;
        r.surveys = surveys;
        return r;
    };
    const struct {
        kestrivo::analysis::PlanRow row;
        const char* says;  // "" when the row is trustworthy
    } cases[] = {
        {row(0.95, 1.0, 0.01, 400, 500), ""},
        {row(0.92, 0.98, 0.01, 400, 500), ""},  // slightly low: within the rule
        {row(0.80, 1.0, 0.01, 400, 40), ""},    // low, but 40 surveys say little
        {row(0.0, 0.48, 0.01, 16, 500), "too few dogs are seen to estimate visibility"},
        {row(0.70, 1.0, 0.01, 400, 500), "held the true total in 70%"},
        {row(0.95, 1.3, 0.02, 400, 500), "its median estimate was 1.30 of the truth"},
        {row(0.95, NAN, 0, 400, 500), "not trustworthy"},
    };
    for (const auto& c : cases) {
        const std::string why = kestrivo::analysis::untrustworthy(c.row, 0.95);
        if (std::string(c.says).empty()) {
            EXPECT_EQ(why, "") << c.row.coverage;
        } else {
            EXPECT_NE(why.find(c.says), std::string::npos) << why;
            EXPECT_NE(why.find("not trustworthy at these assumptions"), std::string::npos);
        }
    }
    // The original case (no territorial dogs, P 0.05) is honest now that S may be 0: an honest
    // plan says nothing of the kind.
    const Outcome honest = plan(given(0.2, 0.4, 30, 200));
    EXPECT_EQ(honest.status, 0);
    EXPECT_EQ(honest.err.find("trustworthy"), std::string::npos) << honest.err;
}

// 12, 13. A range of k that holds nothing, or a plot that cannot be written, are refused before
// anything is simulated; --k-from beyond the city is clamped with a warning.
TEST(hostile_input_test, the_plan_refuses_what_it_cannot_do_before_it_starts) {
    PlanOptions empty = given(0.2, 0.4, 30, 400);
    empty.request.k_from = 50;
    empty.request.k_to = 20;
    const struct {
        PlanOptions options;
        std::string message;
    } cases[] = {
        {empty, "--k-from 50 is above --k-to 20"},
    };
    for (const auto& c : cases) {
        const Outcome r = plan(c.options);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
    const TemporaryFolder folder;
    const std::string file = folder.write("file", "x");
    for (const std::string& path :
         {folder.path() + "/missing/p.png", file + "/p.png", folder.path()}) {
        PlanOptions options = given(0.2, 0.4, 30, 400);
        options.plot = path;
        options.request.replicates = 1000000;  // would take hours were it simulated first
        const kestrivo::cli::PlanPlotModule none;
        std::ostringstream out, err;
        EXPECT_EQ(kestrivo::cli::run_plan(options, kLibrary, out, err, false, &none), 2) << path;
        EXPECT_NE(err.str().find("the plot cannot be written"), std::string::npos) << err.str();
    }
    PlanOptions beyond = given(0.2, 0.4, 30, 30);
    beyond.request.k_from = 1000;
    const Outcome r = plan(beyond);
    EXPECT_NE(r.err.find("--k-from 1000 is more than the city's 30 blocks"), std::string::npos);
    EXPECT_NE(r.out.find("k,30,"), std::string::npos) << r.out;
}

}  // namespace
