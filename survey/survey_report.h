// The report of a whole survey: every block of its files fitted over the likelihood library and
// the analysis layer and handed on as it is read, then each stratum's pooled row and the totals.
// kestrivo-report runs it on its files and the window's survey window on the file it opens, so
// both give the very same numbers: as rows to a sink (the window's), or as CSV or JSON with a
// map when asked for (kestrivo-report's, and the window's exports).
#pragma once

#include <atomic>
#include <cstdint>
#include <istream>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "analysis/inference_report.h"
#include "survey/design_builder.h"
#include "survey/output_cell.h"
#include "survey/report_rows.h"
#include "survey/survey_reader.h"

namespace kestrivo::survey {

struct ReportOptions {
    DesignOptions design;  // strata, the city's blocks, weights
    double level = 0.95;
    Format format = Format::csv;
    int jobs = 0;                             // threads fitting blocks; 0: every core
    std::uint64_t seed = 1;                   // of the bootstrap's random stream
    bool pool = false;                        // visibility shared within each stratum
    int bootstrap = 2000;                     // replicates for the city's interval
    std::optional<std::string> map;           // FILE.geojson or FILE.kml
    int digits = kDefaultDigits;              // significant digits of every number
    std::vector<std::string> files;           // "-" (or none at all): standard input
    std::string program = "kestrivo-report";  // the first word of every message
    /// How a refused design is said: with the options' names on the command line, the
    /// controls' in the window.
    RefusalWords refusal_words;
    /// Where the survey gives marked dogs: the coverage vaccination must reach, and the dogs
    /// vaccinated by the campaign's records, for the city (one stratum) or by stratum.
    double coverage_target = 0.7;
    std::optional<std::int64_t> vaccinated_city;
    std::map<std::string, std::int64_t> vaccinated_by_stratum;
    /// Set from another thread to stop the report early (it then ends with status 2).
    const std::atomic<bool>* cancel = nullptr;
};

/// Draws the profile plot of a fitted block (only with --plots).
class PlotWriter {
public:
    virtual ~PlotWriter() = default;
    /// Throws platform::RuntimeError when the plot cannot be written.
    virtual void write(const Row& row, const analysis::Report& report) = 0;
};

/// Exit statuses: every block fitted; some blocks with errors; a usage or file error.
inline constexpr int kAllFitted = 0, kSomeErrors = 1, kUsageOrFileError = 2;

/// Runs the report, each row to `sink`. Messages go to `err` as "<program>: ..." lines; a
/// progress line too, when `err_is_terminal`.
int report_survey(const ReportOptions& options, const analysis::Library& library,
                  std::istream& standard_input, ReportSink& sink, std::ostream& err,
                  bool err_is_terminal, PlotWriter* plots);

/// The same, written to `out` in `options.format`, and on `options.map` when it is set.
int report_survey(const ReportOptions& options, const analysis::Library& library,
                  std::istream& standard_input, std::ostream& out, std::ostream& err,
                  bool err_is_terminal, PlotWriter* plots);

}  // namespace kestrivo::survey
