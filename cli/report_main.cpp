// kestrivo-report: every block of a survey in one command. Reads its options, binds the
// likelihood library beside itself (or in the install layout), and runs the report.
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <csignal>
#include <iostream>
#include <limits>
#include <memory>

#include "cli/common_options.h"
#include "cli/guarded_main.h"
#include "cli/own_libraries.h"
#include "cli/report_command.h"
#include "cli/report_plots.h"
#include "platform/number_text.h"
#include "platform/runtime_error.h"

namespace {

using namespace kestrivo::cli;

constexpr const char* kExample = R"(Example:
  kestrivo-report --blocks-total 120 survey.csv > report.csv
  kestrivo-report --pool --stratum ward --blocks-total North=60,South=40 \
    /usr/share/doc/kestrivo/examples/example-survey.csv

  survey.csv holds a header row and one block a row (s_held, when given, holds
  S at that value for the block's own fit):
    block,c100,c111,c101,c110,s_held,ward
    A-1,10,12,3,2,,North
    A-2,8,10,4,3,,North
    A-3,12,15,5,4,,North
    B-1,14,9,6,5,,South
    B-2,9,8,4,5,,South
    B-3,11,10,5,3,,South
  and the first command gives the city of 120 blocks about 9,900 dogs, 95%
  between 8,050 and 12,300.

Exit status: 0 every block fitted, 1 some blocks had errors (see the error
column), 2 a usage or file error (see standard error).)";

int report_main(int argc, char** argv) {
    kestrivo::cli::Options options;
    CLI::App app(
        "Fits every block of a survey of free-roaming dogs and writes one row of "
        "estimates, confidence limits, dogs on the block and model checks per block.",
        "kestrivo-report");
    app.set_version_flag("--version", "kestrivo-report " KESTRIVO_VERSION);
    add_common_options(
        app, options.common,
        {"the city's number of blocks K, or with --stratum each stratum's as NAME=K,NAME=K: adds "
         "rows 'total' with the dogs and their interval",
         "seed of the bootstrap (the same seed, the same interval)",
         "threads fitting blocks and bootstrap replicates (default: every core); the output is "
         "the same for any number"});
    app.add_flag("--pool", options.pool,
                 "the blocks of each stratum share S and P: adds their pooled fit, each block's "
                 "dogs under it and a test of whether pooling is fair");
    app.add_option("--bootstrap", options.bootstrap,
                   "bootstrap replicates for the interval of the city's dogs")
        ->default_val(2000)
        ->check(whole_number(100, 1000000));
    app.add_option("--digits", options.digits,
                   "significant digits of every number (17: the shortest form that reads back "
                   "to the same double)")
        ->default_val(kestrivo::survey::kDefaultDigits)
        ->check(whole_number(1, kestrivo::platform::kRoundTripDigits));
    app.add_option("--plots", options.plots, "write each block's profile plot as DIR/<block>.png")
        ->type_name("DIR");
    app.add_option("--weight", options.weight,
                   "the column holding each block's design weight, the blocks of the city it "
                   "stands for (1 / its chance of being drawn): the totals become the weighted "
                   "sums, and --blocks-total is not needed")
        ->type_name("COLUMN");
    app.add_option("--map", options.map,
                   "writes the blocks (by their latitude, longitude and outline columns) and the "
                   "strata as a map: FILE.geojson (with FILE-outlines.geojson and "
                   "FILE-strata.geojson beside it) for QGIS, or FILE.kml for Google Earth")
        ->type_name("FILE")
        ->check([](const std::string& path) {
            return path.ends_with(".geojson") || path.ends_with(".kml")
                       ? std::string()
                       : std::string("the map's name must end in .geojson or .kml");
        });
    app.add_option("--coverage-target", options.coverage_target,
                   "where the survey gives marked dogs: the share of the dogs vaccination must "
                   "reach, for the doses still needed and the strata below it")
        ->default_val(0.7)
        ->check(kestrivo::cli::decimal_between(
            0, 1, "the coverage target must be a share strictly between 0 and 1, such as 0.7"));
    app.add_option_function<std::string>(
           "--vaccinated",
           [&options](const std::string& text) {
               options.vaccinated = {};
               kestrivo::cli::read_blocks_total(text, options.vaccinated);
           },
           "the dogs vaccinated, from the campaign's records (M, or with --stratum NAME=M,...): "
           "adds the check N_vaccinated_check, those dogs over the coverage")
        ->type_name("M | NAME=M,...")
        ->check([](const std::string& text) {
            kestrivo::cli::BlocksTotal parsed;
            return kestrivo::cli::read_blocks_total(text, parsed);
        });
    app.add_option("files", options.files, "survey files in CSV; - or none: standard input")
        ->type_name("FILE ... | -");
    app.footer(kExample);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return kestrivo::cli::kUsageOrFileError;
    }
    // Only the libraries beside the program or in its install layout, by absolute path; the plot
    // module, and with it Qt, only when plots are asked for.
    OwnLibraries libraries;
    kestrivo::analysis::Library library;
    std::unique_ptr<ProfilePlots> plots;
    try {
        library = libraries.likelihood();
        if (options.plots) {
            const PlotModule module{
                libraries.plot_entry<kestrivo_plot_png_fn>("kestrivo_plot_png"),
                libraries.plot_entry<kestrivo_plot_free_fn>("kestrivo_plot_free")};
            plots = std::make_unique<ProfilePlots>(*options.plots, library, module);
        }
    } catch (const kestrivo::platform::RuntimeError& e) {
        std::cerr << "kestrivo-report: " << e.report() << "\n";
        return kUsageOrFileError;
    }
    std::ios::sync_with_stdio(false);
    return kestrivo::cli::run_report(options, library, std::cin, std::cout, std::cerr,
                                     isatty(STDERR_FILENO) == 1, plots.get());
}
}  // namespace

int main(int argc, char** argv) {
    return kestrivo::cli::guarded_main("kestrivo-report", argc, argv, report_main);
}
