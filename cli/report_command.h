// kestrivo-report's work, apart from reading its command line: every block of the survey files
// fitted over the likelihood library and the analysis layer, written as it is read.
#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "analysis/inference_report.h"
#include "cli/common_options.h"
#include "survey/output_cell.h"
#include "survey/survey_reader.h"

namespace kestrivo::cli {

struct Options {
    CommonOptions common;                 // level, format, blocks total, stratum, jobs, seed
    bool pool = false;                    // visibility shared within each stratum
    int bootstrap = 2000;                 // replicates for the city's interval
    std::optional<std::string> plots;     // folder for the profile plots
    std::optional<std::string> map;       // FILE.geojson or FILE.kml
    std::optional<std::string> weight;    // the column of the blocks' design weights
    int digits = survey::kDefaultDigits;  // significant digits of every number
    std::vector<std::string> files;       // "-" (or none at all): standard input
};

/// Draws the profile plot of a fitted block (only with --plots).
class PlotWriter {
public:
    virtual ~PlotWriter() = default;
    /// Throws platform::RuntimeError when the plot cannot be written.
    virtual void write(const survey::Row& row, const analysis::Report& report) = 0;
};

/// Exit statuses: every block fitted; some blocks with errors; a usage or file error.
inline constexpr int kAllFitted = 0, kSomeErrors = 1, kUsageOrFileError = 2;

/// Runs the report. Messages go to `err` as "kestrivo-report: ..." lines.
int run_report(const Options& options, const analysis::Library& library,
               std::istream& standard_input, std::ostream& out, std::ostream& err,
               bool err_is_terminal, PlotWriter* plots);

}  // namespace kestrivo::cli
