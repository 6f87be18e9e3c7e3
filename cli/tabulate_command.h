// kestrivo-tabulate's work, apart from reading its command line: the team's exports read and
// tabulated into the survey file kestrivo-report reads, the conflicts listed and summed up.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace kestrivo::cli {

struct TabulateOptions {
    std::vector<std::string> inputs;       // exports and tables
    std::optional<std::string> blocks;     // the table of blocks
    std::optional<std::string> conflicts;  // where the conflicts go; "-": standard output
    std::optional<std::string> output;     // the survey file; none or "-": standard output
    bool include_rejected = false;         // count submissions rejected in review
};

/// Exit statuses: clean (warnings aside); conflicts listed; a usage or file error.
inline constexpr int kTabulatedClean = 0, kTabulatedWithConflicts = 1, kTabulateFailed = 2;

/// Runs the tabulation. Messages go to `err` as "kestrivo-tabulate: ..." lines.
int run_tabulate(const TabulateOptions& options, std::ostream& out, std::ostream& err);

}  // namespace kestrivo::cli
