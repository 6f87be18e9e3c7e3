// The common options over CLI11, and the number checks with std::from_chars: no locale, no
// hexadecimal, no silent clamping of a value too large.
#include "cli/common_options.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <limits>

#include "analysis/parallel_for.h"

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
    if (text.empty()) return "";
    const auto number = whole_number(1, kMostBlocks);
    if (text.find('=') == std::string::npos) {
        if (std::string why = number(text); !why.empty()) return why;
        total.city = std::stoll(text);
        return "";
    }
    // NAME=K pairs split at commas; a name that holds a comma, an equals sign or a quote is
    // written in double quotes, a quote inside doubled ("Ward 3, east"=40).
    std::size_t at = 0;
    while (at <= text.size()) {
        std::string name;
        std::size_t end;
        if (at < text.size() && text[at] == '"') {
            std::size_t i = at + 1;
            for (; i < text.size(); ++i) {
                if (text[i] != '"') {
                    name += text[i];
                } else if (i + 1 < text.size() && text[i + 1] == '"') {
                    name += '"';
                    ++i;
                } else {
                    break;
                }
            }
            if (i >= text.size())
                return "the quoted name " + text.substr(at) + " has no closing quote";
            end = i + 1;
            if (end >= text.size() || text[end] != '=') {
                return "the quoted name \"" + name + "\" is not followed by =K";
            }
        } else {
            end = std::min(text.find_first_of("=,", at), text.size());
            name = text.substr(at, end - at);
            if (end >= text.size() || text[end] != '=') return "\"" + name + "\" is not NAME=K";
        }
        const std::size_t comma = std::min(text.find(',', end + 1), text.size());
        const std::string k = text.substr(end + 1, comma - end - 1);
        const std::string pair = text.substr(at, comma - at);
        if (std::string why = number(k); !why.empty()) return "\"" + pair + "\": K " + why;
        if (!total.by_stratum.emplace(name, std::stoll(k)).second) {
            return "the stratum \"" + name + "\" is given twice";
        }
        at = comma + 1;
    }
    return "";
}

std::string CommonOptions::why_invalid() const {
    return design().why_invalid();
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
