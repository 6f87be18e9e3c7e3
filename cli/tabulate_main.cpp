// kestrivo-tabulate: a team's sightings (ODK Central or KoboToolbox exports, or tables kept by
// hand) turned into the survey file kestrivo-report reads. Reads its options and runs the
// tabulation.
#include <CLI/CLI.hpp>
#include <iostream>

#include "cli/guarded_main.h"
#include "cli/tabulate_command.h"

namespace {

using namespace kestrivo::cli;

constexpr const char* kExample = R"(Examples:
  kestrivo-tabulate --conflicts conflicts.csv -o survey.csv \
    /usr/share/doc/kestrivo/examples/field-example/kestrivo_three_counts.zip
  kestrivo-tabulate --blocks blocks.csv -o survey.csv sightings.csv

Exit status: 0 tabulated without conflict (warnings aside), 1 conflicts were
listed (their blocks have empty counts), 2 a usage or file error (see standard
error).)";

int tabulate_main(int argc, char** argv) {
    TabulateOptions options;
    CLI::App app(
        "Turns a team's sightings of dogs on three counts into the survey file kestrivo-report "
        "reads: one row per block with the seven capture histories, its ward and where it "
        "lies. Reads ODK Central and KoboToolbox exports, and tables of one sighting or one dog "
        "a row.",
        "kestrivo-tabulate");
    app.set_version_flag("--version", "kestrivo-tabulate " KESTRIVO_VERSION);
    app.add_option("--blocks", options.blocks,
                   "a table of blocks (block, a stratum column, latitude, longitude, outline)")
        ->type_name("FILE");
    app.add_option("--conflicts", options.conflicts,
                   "writes every conflict (kind, block, count, dog_id, file, line, detail); - for "
                   "standard output")
        ->type_name("FILE");
    app.add_option("-o,--output", options.output,
                   "the survey file (default, or -: standard output)")
        ->type_name("FILE");
    app.add_flag("--include-rejected", options.include_rejected,
                 "counts the submissions rejected in review (ODK Central's ReviewState, "
                 "KoboToolbox's validation status), which are otherwise left out and listed");
    app.add_option("inputs", options.inputs, "exports (zip, XLSX) and tables (CSV)")
        ->type_name("INPUT ...")
        ->required();
    app.footer(kExample);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return kTabulateFailed;
    }
    std::ios::sync_with_stdio(false);
    return run_tabulate(options, std::cout, std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
    return guarded_main("kestrivo-tabulate", argc, argv, tabulate_main);
}
