// run_report: the command line's files checked, then its options as the survey report's, with
// every file it writes held back until the report has been written whole.
#include "cli/report_command.h"

#include <filesystem>

#include "cli/design_words.h"
#include "platform/command_files.h"
#include "platform/runtime_error.h"
#include "platform/whole_file.h"

namespace kestrivo::cli {
namespace {

// Every file the report names: the surveys it reads, and what it writes (standard output, the
// map and the companion files a GeoJSON map has beside it, and the plots' folder).
platform::CommandFiles report_files(const Options& options) {
    platform::CommandFiles files;
    for (const std::string& file : options.files)
        files.inputs.push_back({file, "the survey file"});
    if (options.files.empty()) files.inputs.push_back({"-", "the survey file"});
    files.outputs.push_back({"-", "the report"});
    if (options.map) {
        files.outputs.push_back({*options.map, "the map"});
        const std::string geojson = ".geojson";
        if (options.map->ends_with(geojson)) {
            const std::string stem = options.map->substr(0, options.map->size() - geojson.size());
            files.outputs.push_back({stem + "-outlines.geojson", "the map's outlines"});
            files.outputs.push_back({stem + "-strata.geojson", "the map's strata"});
            files.outputs.push_back({stem + ".qml", "the map's style"});
            files.outputs.push_back({stem + "-outlines.qml", "the map's outlines' style"});
        }
    }
    if (options.plots) files.folders.push_back({*options.plots, "the plot folder", ".png"});
    return files;
}

}  // namespace

int run_report(const Options& options, const analysis::Library& library,
               std::istream& standard_input, std::ostream& out, std::ostream& err,
               bool err_is_terminal, PlotWriter* plots) {
    // Asked before a survey is read or a row written: a report that would end in a refused map
    // must not leave standard output holding half of it.
    if (const std::string why = platform::why_refused(report_files(options)); !why.empty()) {
        err << "kestrivo-report: " << why << "\n";
        return kUsageOrFileError;
    }
    if (options.plots) {
        std::error_code error;
        std::filesystem::create_directories(*options.plots, error);
        if (error) {
            err << "kestrivo-report: the plot folder \"" << *options.plots
                << "\" cannot be made: " << error.message() << ".\n";
            return kUsageOrFileError;
        }
    }

    survey::ReportOptions report;
    report.design = options.common.design();
    report.design.weight_column = options.weight;
    report.level = options.common.level;
    report.format = options.common.format;
    report.jobs = options.common.jobs;
    report.seed = options.common.seed;
    report.pool = options.pool;
    report.bootstrap = options.bootstrap;
    report.map = options.map;
    report.digits = options.digits;
    report.files = options.files;
    report.refusal_words = command_line_words;
    report.coverage_target = options.coverage_target;
    report.vaccinated_city = options.vaccinated.city;
    report.vaccinated_by_stratum = options.vaccinated.by_stratum;

    // The map and the plots are staged as the report makes them, and replace what was there only
    // once the report has been written: a run cut short leaves every file as it was.
    platform::OutputBatch batch;
    int status = kUsageOrFileError;
    {
        const platform::OutputBatch::Collecting collecting(batch);
        status = survey::report_survey(report, library, standard_input, out, err, err_is_terminal,
                                       plots);
    }
    if (status == kUsageOrFileError) return status;
    try {
        batch.commit();
    } catch (const platform::RuntimeError& e) {
        err << "kestrivo-report: " << e.what() << "\n";
        return kUsageOrFileError;
    }
    return status;
}

}  // namespace kestrivo::cli
