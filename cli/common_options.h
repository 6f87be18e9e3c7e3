// What kestrivo-report and kestrivo-plan read alike from their command lines: the options both take
// (the city's blocks as K or as NAME=K for each stratum, the stratum column, the level, the
// threads, the output format and the seed), registered and checked in one place, and the checks
// of numbers in plain decimal digits with their range in words.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "survey/design_builder.h"
#include "survey/output_cell.h"

namespace CLI {
class App;
}  // namespace CLI

namespace kestrivo::cli {

/// No city has more blocks than this; a larger K is a typing slip.
inline constexpr std::int64_t kMostBlocks = 1'000'000'000;

/// A check (for CLI11) that the text is a whole number in decimal digits from `low` to `high`:
/// "" or why not.
std::function<std::string(const std::string&)> whole_number(std::int64_t low, std::int64_t high);

/// A check that the text is a plain decimal strictly between `low` and `high`, with `why` as the
/// message otherwise.
std::function<std::string(const std::string&)> decimal_between(double low, double high,
                                                               std::string why);

/// --blocks-total: one K, or NAME=K pairs separated by commas.
struct BlocksTotal {
    std::optional<std::int64_t> city;
    std::map<std::string, std::int64_t> by_stratum;
};
/// Fills `total` from `text`; returns "" or why the text is neither form.
std::string read_blocks_total(const std::string& text, BlocksTotal& total);

/// The options both programs take.
struct CommonOptions {
    double level = 0.95;
    survey::Format format = survey::Format::csv;
    BlocksTotal blocks_total;
    std::optional<std::string> stratum;  // the column whose values are the strata
    int jobs = 0;                        // threads; 0: every core
    std::uint64_t seed = 1;

    /// "" or why these options cannot go together, naming the option to change.
    std::string why_invalid() const;
    /// The threads to use: `jobs`, or every core.
    int threads() const;
    /// How a survey's rows make a design under these options.
    survey::DesignOptions design() const;
};

/// What each program says of the options whose meaning is its own.
struct CommonHelp {
    std::string blocks_total;
    std::string seed;
    std::string jobs;
    bool blocks_total_required = false;
};

/// Registers the common options on `app`; parsing fills `options`.
void add_common_options(CLI::App& app, CommonOptions& options, const CommonHelp& help);

}  // namespace kestrivo::cli
