// What kestrivo-report and kestrivo-plan read alike from their command lines: whole numbers in
// plain decimal digits with their range in words, decimals strictly inside a range, and the
// city's blocks as K or as NAME=K for each stratum.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>

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

}  // namespace kestrivo::cli
