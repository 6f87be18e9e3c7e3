// kestrivo-report's own work around the survey report: its options reach the report as given,
// its exit statuses and messages bear the program's name, a refused design is said with the
// command line's options, the files it names are checked before anything is written, and the
// progress line. The report's rows, totals and text are tested in tests/survey.
#include "cli/report_command.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <map>
#include <sstream>

#include "library/kestrivo.h"
#include "platform/number_text.h"
#include "platform/progress_line.h"
#include "tests/support/temporary_folder.h"

namespace {

using kestrivo::cli::Options;
using kestrivo::survey::Format;

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

const std::string kWeighted =
    "block,c100,c111,c101,c110,ward,w\n"
    "a,10,20,5,5,North,4\n"
    "b,14,25,9,4,North,6\n"
    "c,29,36,54,48,South,2\n"
    "e,12,30,8,6,South,3\n";

// Each of the command's options is the report's: the command writes the very bytes the report
// writes when given the same choices directly.
TEST(report_command_test, the_commands_options_reach_the_report) {
    const auto command = [](auto set) {
        Options options = with_files({"-"});
        set(options);
        return options;
    };
    const auto report = [](auto set) {
        kestrivo::survey::ReportOptions options;
        options.files = {"-"};
        options.digits = kestrivo::platform::kRoundTripDigits;
        set(options);
        return options;
    };
    const struct {
        const char* what;
        Options command;
        kestrivo::survey::ReportOptions report;
    } cases[] = {
        {"defaults", command([](Options&) {}), report([](auto&) {})},
        {"json at a level", command([](Options& o) {
             o.common.format = Format::json;
             o.common.level = 0.8;
             o.digits = 4;
         }),
         report([](kestrivo::survey::ReportOptions& o) {
             o.format = Format::json;
             o.level = 0.8;
             o.digits = 4;
         })},
        {"pooled by stratum", command([](Options& o) {
             o.pool = true;
             o.common.stratum = "ward";
             o.common.blocks_total.by_stratum = {{"North", 30}, {"South", 9}};
             o.bootstrap = 150;
             o.common.seed = 7;
             o.common.jobs = 1;
         }),
         report([](kestrivo::survey::ReportOptions& o) {
             o.pool = true;
             o.design.stratum_column = "ward";
             o.design.blocks_by_stratum = {{"North", 30}, {"South", 9}};
             o.bootstrap = 150;
             o.seed = 7;
             o.jobs = 1;
         })},
        {"one city", command([](Options& o) {
             o.common.blocks_total.city = 40;
             o.bootstrap = 150;
         }),
         report([](kestrivo::survey::ReportOptions& o) {
             o.design.blocks_total = 40;
             o.bootstrap = 150;
         })},
        {"weights", command([](Options& o) {
             o.weight = "w";
             o.bootstrap = 150;
         }),
         report([](kestrivo::survey::ReportOptions& o) {
             o.design.weight_column = "w";
             o.bootstrap = 150;
         })},
    };
    for (const auto& c : cases) {
        const Outcome ours = run(c.command, kWeighted);
        std::istringstream in(kWeighted);
        std::ostringstream out, err;
        const int status =
            kestrivo::survey::report_survey(c.report, kLibrary, in, out, err, false, nullptr);
        EXPECT_EQ(ours.status, status) << c.what;
        EXPECT_EQ(ours.out, out.str()) << c.what;
        EXPECT_EQ(ours.err, err.str()) << c.what;
        EXPECT_NE(ours.out, "") << c.what;
    }
    // The options differ from one another in what they write.
    EXPECT_NE(run(cases[0].command, kWeighted).out, run(cases[4].command, kWeighted).out);
}

// 0: every block fitted; 1: some blocks with errors; 2: a file or output error, said as
// "kestrivo-report: ..." with nothing else.
TEST(report_command_test, exit_statuses_and_messages_bear_the_programs_name) {
    TemporaryFolder dir;
    const struct {
        std::vector<std::string> files;
        std::string input;
        int status;
        std::string err;
    } cases[] = {
        {{"-"}, "c100,c111,c101,c110\n1,2,3,4\n", kestrivo::cli::kAllFitted, ""},
        {{"-"}, "c100,c111,c101,c110\n1,x,3,4\n", kestrivo::cli::kSomeErrors, ""},
        {{dir.file("missing.csv")},
         "",
         kestrivo::cli::kUsageOrFileError,
         "kestrivo-report: " + dir.file("missing.csv") + ": No such file or directory.\n"},
        {{"-", "-"},
         "",
         kestrivo::cli::kUsageOrFileError,
         "kestrivo-report: standard input (-) can be read only once.\n"},
    };
    for (const auto& c : cases) {
        const Outcome r = run(with_files(c.files), c.input);
        EXPECT_EQ(r.status, c.status) << c.files[0] << " " << c.input;
        EXPECT_EQ(r.err, c.err);
    }

    // Output that cannot be written: status 2 and the system's reason.
    struct Full : std::streambuf {
        int overflow(int) override {
            errno = ENOSPC;
            return traits_type::eof();
        }
    } full;
    std::ostream out(&full);
    std::istringstream in("c100,c111,c101,c110\n1,2,3,4\n");
    std::ostringstream err;
    const int status =
        kestrivo::cli::run_report(with_files({"-"}), kLibrary, in, out, err, false, nullptr);
    EXPECT_EQ(status, kestrivo::cli::kUsageOrFileError);
    EXPECT_EQ(err.str(),
              "kestrivo-report: the report could not be written: No space left on "
              "device.\n");
}

// A design the report refuses is said with the options the user typed.
TEST(report_command_test, a_refused_design_is_said_with_the_command_lines_options) {
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
        EXPECT_EQ(r.out, "") << c.message;
    }

    // The city's blocks cannot be fewer than those read.
    Options options = with_files({"-"});
    options.common.blocks_total.city = 2;
    const Outcome few = run(options, "c100,c111,c101,c110\n1,2,3,4\n1,2,3,4\n5,6,7,8\n");
    EXPECT_EQ(few.status, 2);
    EXPECT_EQ(few.err, "kestrivo-report: --blocks-total 2 is fewer than the 3 blocks read.\n");
}

// The files the command names are checked before a survey is read: a map or a plot folder with
// no place refuses the run with status 2 and nothing written.
TEST(report_command_test, the_files_it_names_are_checked_before_anything_is_written) {
    TemporaryFolder dir;
    const std::string text = "c100,c111,c101,c110\n1,2,3,4\n";
    const std::string survey = dir.write("s.csv", text);
    const std::string file = dir.write("file", "x");
    // A survey file whose name would make it a map.
    Options onto_input = with_files({dir.write("s.kml", text)});
    onto_input.map = dir.file("s.kml");
    Options no_folder = with_files({survey});
    no_folder.map = dir.file("no/such/m.kml");
    Options plots_in_a_file = with_files({survey});
    plots_in_a_file.plots = file + "/plots";
    const struct {
        const char* what;
        Options options;
        std::string says;
    } cases[] = {
        {"the map on its input", onto_input, "the map"},
        {"the map in no folder", no_folder, "the map cannot be written"},
        {"plots under a file", plots_in_a_file, "the plot folder"},
    };
    for (const auto& c : cases) {
        const Outcome r = run(c.options);
        EXPECT_EQ(r.status, kestrivo::cli::kUsageOrFileError) << c.what;
        EXPECT_EQ(r.out, "") << c.what;
        EXPECT_EQ(r.err.rfind("kestrivo-report: ", 0), 0u) << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    }
    EXPECT_EQ(read_file(dir.file("s.kml")), text);
    EXPECT_FALSE(std::filesystem::exists(dir.file("no")));
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

}  // namespace
