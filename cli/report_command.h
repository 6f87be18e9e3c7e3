// kestrivo-report's work, apart from reading its command line: its options turned into the survey
// report's (survey/survey_report.h), which fits and writes every block.
#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/common_options.h"
#include "survey/survey_report.h"

namespace kestrivo::cli {

struct Options {
    CommonOptions common;                 // level, format, blocks total, stratum, jobs, seed
    bool pool = false;                    // visibility shared within each stratum
    int bootstrap = 2000;                 // replicates for the city's interval
    std::optional<std::string> plots;     // folder for the profile plots
    std::optional<std::string> map;       // FILE.geojson or FILE.kml
    std::optional<std::string> weight;    // the column of the blocks' design weights
    double coverage_target = 0.7;         // the share of dogs vaccination must reach
    BlocksTotal vaccinated;               // the dogs vaccinated, by the campaign's records
    int digits = survey::kDefaultDigits;  // significant digits of every number
    std::vector<std::string> files;       // "-" (or none at all): standard input
};

using survey::kAllFitted;
using survey::kSomeErrors;
using survey::kUsageOrFileError;
using survey::PlotWriter;

/// Runs the report. Messages go to `err` as "kestrivo-report: ..." lines.
int run_report(const Options& options, const analysis::Library& library,
               std::istream& standard_input, std::ostream& out, std::ostream& err,
               bool err_is_terminal, PlotWriter* plots);

}  // namespace kestrivo::cli
