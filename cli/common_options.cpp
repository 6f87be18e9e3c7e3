// The common options over CLI11, and the number checks with std::from_chars: no locale, no
// hexadecimal, no silent clamping of a value too large.
#include "cli/common_options.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <limits>

#include "analysis/parallel_for.h"
#include "cli/design_words.h"

namespace kestrivo::cli {

std::function<std::string(const std::string&)> whole_number(std::int64_t low, std::int64_t high) {
    return [=](const std::string& text) {
        std::int64_t v = 0;
        const bool digits =
            !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
        const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), v);
        if (digits && status == std::errc() && end == text.data() + text.size() && v >= low &&
            v <= high) {
            return std::string();
        }
        return "must be a whole number from " + std::to_string(low) + " to " + std::to_string(high);
    };
}

std::function<std::string(const std::string&)> decimal_between(double low, double high,
                                                               std::string why) {
    return [=](const std::string& text) {
        double v = 0;
        const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), v);
        return status == std::errc() && end == text.data() + text.size() && v > low && v < high
                   ? std::string()
                   : why;
    };
}

std::string read_blocks_total(const std::string& text, BlocksTotal& total) {
    return survey::read_blocks_total(text, total.city, total.by_stratum);
}

std::string CommonOptions::why_invalid() const {
    const std::optional<survey::DesignRefusal> refused = design().refusal();
    return refused ? command_line_words(*refused) : "";
}

int CommonOptions::threads() const {
    return jobs > 0 ? jobs : analysis::all_cores();
}

survey::DesignOptions CommonOptions::design() const {
    survey::DesignOptions design;
    design.stratum_column = stratum;
    design.blocks_total = blocks_total.city;
    design.blocks_by_stratum = blocks_total.by_stratum;
    return design;
}

void add_common_options(CLI::App& app, CommonOptions& options, const CommonHelp& help) {
    // Numbers on the command line are read as plain decimals only: no hexadecimal, no silent
    // clamping of a value too large, each refused with its range in words.
    app.add_option("--level", options.level, "confidence level of every interval")
        ->default_val(0.95)
        ->check(decimal_between(
            0, 1, "the level must be a number strictly between 0 and 1, such as 0.95"));
    app.add_option_function<std::string>(
           "--format",
           [&options](const std::string& text) {
               options.format = text == "json" ? survey::Format::json : survey::Format::csv;
           },
           "output format")
        ->default_str("csv")
        ->check(CLI::IsMember({"csv", "json"}));
    auto* blocks = app.add_option_function<std::string>(
                          "--blocks-total",
                          [&options](const std::string& text) {
                              options.blocks_total = {};
                              read_blocks_total(text, options.blocks_total);
                          },
                          help.blocks_total)
                       ->type_name("K | NAME=K,...")
                       ->check([](const std::string& text) {
                           BlocksTotal parsed;
                           return read_blocks_total(text, parsed);
                       });
    if (help.blocks_total_required) blocks->required();
    app.add_option("--stratum", options.stratum,
                   "the column whose values are the strata (a ward, a district)")
        ->type_name("COLUMN");
    app.add_option("--jobs", options.jobs, help.jobs)
        ->default_str("every core")
        ->check(whole_number(1, 1024));
    app.add_option("--seed", options.seed, help.seed)
        ->default_val(1)
        ->check(whole_number(0, std::numeric_limits<std::int64_t>::max()));
}

}  // namespace kestrivo::cli
