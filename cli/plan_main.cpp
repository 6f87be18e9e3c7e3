// kestrivo-plan: how many of a city's blocks to count for the precision a campaign needs. Reads
// its options, binds the likelihood library beside itself (or in the install layout), and runs
// the plan.
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <iostream>
#include <limits>

#include "cli/common_options.h"
#include "cli/guarded_main.h"
#include "cli/own_libraries.h"
#include "cli/plan_command.h"
#include "platform/runtime_error.h"

namespace {

using namespace kestrivo::cli;

constexpr const char* kExample = R"(Examples:
  kestrivo-plan --blocks-total 400 --target 0.1 --S 0.2 --P 0.4 --dogs-per-block 30 --dispersion 2
  kestrivo-plan --blocks-total North=60,South=40 --target 0.2 --stratum ward \
    --pilot /usr/share/doc/kestrivo/examples/example-survey.csv

Exit status: 0 a sample size meets the target, 1 none up to --k-to does,
2 a usage or file error (see standard error).)";

int plan_main(int argc, char** argv) {
    PlanOptions options;
    auto& request = options.request;
    CLI::App app(
        "Simulates surveys of k of a city's blocks, each estimated as kestrivo-report "
        "--blocks-total estimates a real one, and recommends the smallest k whose interval "
        "of the city's dogs is narrow enough.",
        "kestrivo-plan");
    app.set_version_flag("--version", "kestrivo-plan " KESTRIVO_VERSION);
    add_common_options(app, options.common,
                       {"the city's number of blocks K, or with --stratum each stratum's as "
                        "NAME=K,NAME=K",
                        "seed of the simulation (the same seed, the same plan)",
                        "threads simulating surveys (default: every core); the plan is the same "
                        "for any number",
                        true});
    app.add_option("--target", request.target,
                   "the largest acceptable relative half-width of the city's interval, "
                   "(city_hi - city_lo) / (2 city_N), such as 0.1")
        ->required()
        ->check(decimal_between(0, 10,
                                "the target must be a number above 0 and below 10, such as 0.1"));
    app.add_option("--assurance", request.assurance,
                   "the share of surveys whose interval must meet the target")
        ->default_val(0.8)
        ->check(decimal_between(0, 1, "the assurance must lie strictly between 0 and 1"));
    auto* pilot = app.add_option("--pilot", options.pilot,
                                 "a pilot survey (as kestrivo-report reads it) to learn S, P and "
                                 "the dogs per block from")
                      ->type_name("FILE");
    app.get_option("--stratum")->needs(pilot);
    app.add_option("--S", options.S, "share of always-visible dogs")
        ->check(decimal_between(-1e-300, 1, "S must lie from 0 to below 1"))
        ->excludes(pilot);
    app.add_option("--P", options.P, "chance of seeing any other dog on one count")
        ->check(decimal_between(0, 1.0000001, "P must lie above 0, up to 1"))
        ->excludes(pilot);
    app.add_option("--dogs-per-block", options.dogs_per_block, "mean dogs on a block")
        ->check(decimal_between(0, 1e7, "the dogs per block must be above 0 and below 10000000"))
        ->excludes(pilot);
    app.add_option("--dispersion", options.dispersion,
                   "negative binomial dispersion r of the dogs per block (variance m + m^2/r; "
                   "default: Poisson)")
        ->check(decimal_between(0, 1e12, "the dispersion must be above 0 and below 1e12"))
        ->excludes(pilot);
    app.add_option("--k-from", request.k_from, "the smallest sample size tried")
        ->default_val(10)
        ->check(whole_number(1, kMostBlocks));
    app.add_option("--k-to", request.k_to, "the largest sample size tried (default: K)")
        ->check(whole_number(1, kMostBlocks));
    app.add_option("--replicates", request.replicates, "surveys simulated for each k")
        ->default_val(500)
        ->check(whole_number(20, 1000000));
    app.add_option("--bootstrap", request.bootstrap,
                   "bootstrap replicates of each survey's interval, as kestrivo-report's")
        ->default_val(2000)
        ->check(whole_number(100, 1000000));
    app.add_option("--plot", options.plot,
                   "draws the half-width against k, with the target and the recommendation, as "
                   "FILE.png or FILE.svg")
        ->type_name("FILE")
        ->check([](const std::string& path) {
            return path.ends_with(".png") || path.ends_with(".svg")
                       ? std::string()
                       : std::string("the plot's name must end in .png or .svg");
        });
    app.add_flag("--quiet", options.quiet, "no progress line, even on a terminal");
    app.footer(kExample);
    try {
        app.parse(argc, argv);
        if (!options.pilot && !(options.S && options.P && options.dogs_per_block)) {
            throw CLI::ValidationError(
                "--pilot FILE, or --S, --P and --dogs-per-block, say what the plan assumes");
        }
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return kUsageOrFileError;
    }
    // Only the libraries beside the program or in its install layout, by absolute path; the plot
    // module, and with it Qt, only when a plot is asked for.
    OwnLibraries libraries;
    kestrivo::analysis::Library library;
    PlanPlotModule module;
    try {
        library = libraries.likelihood();
        if (options.plot) {
            module = {libraries.plot_entry<kestrivo_plan_plot_fn>("kestrivo_plan_plot"),
                      libraries.plot_entry<kestrivo_plot_free_fn>("kestrivo_plot_free")};
        }
    } catch (const kestrivo::platform::RuntimeError& e) {
        std::cerr << "kestrivo-plan: " << e.report() << "\n";
        return kUsageOrFileError;
    }
    return run_plan(options, library, std::cout, std::cerr, isatty(STDERR_FILENO) == 1,
                    options.plot ? &module : nullptr);
}
}  // namespace

int main(int argc, char** argv) {
    return kestrivo::cli::guarded_main("kestrivo-plan", argc, argv, plan_main);
}
