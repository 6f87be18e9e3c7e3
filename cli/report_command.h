// kestrivo-report's work, apart from reading its command line: every block of the survey files
// fitted over the likelihood library and the analysis layer, written as it is read.
#pragma once

#include <cstdint>
#include <istream>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "inference_report.h"
#include "report_table.h"
#include "survey_file.h"

namespace kestrivo::cli {

struct Options {
    double level = 0.95;
    Format format = Format::csv;
    std::optional<std::int64_t> blocks_total;               // the city's number of blocks, K
    std::map<std::string, std::int64_t> blocks_by_stratum;  // K_h of each stratum, by name
    std::optional<std::string> stratum;  // the column whose values are the strata
    bool pool = false;                   // visibility shared within each stratum
    int bootstrap = 2000;                // replicates for the city's interval
    std::uint64_t seed = 1;              // of the bootstrap's random stream
    int jobs = 0;                        // threads fitting blocks; 0: every core
    std::optional<std::string> plots;    // folder for the profile plots
    int digits = kDefaultDigits;         // significant digits of every number
    std::vector<std::string> files;      // "-" (or none at all): standard input
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
