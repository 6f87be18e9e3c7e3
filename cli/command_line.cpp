// The checks and --blocks-total, with std::from_chars: no locale, no hexadecimal, no silent
// clamping of a value too large.
#include "command_line.h"

#include <charconv>

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
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(',', start), text.size());
        const std::string pair = text.substr(start, end - start);
        const std::size_t equals = pair.rfind('=');
        if (equals == std::string::npos) return "\"" + pair + "\" is not NAME=K";
        const std::string name = pair.substr(0, equals), k = pair.substr(equals + 1);
        if (std::string why = number(k); !why.empty()) return "\"" + pair + "\": K " + why;
        if (!total.by_stratum.emplace(name, std::stoll(k)).second) {
            return "the stratum \"" + name + "\" is given twice";
        }
        start = end + 1;
    }
    return "";
}

}  // namespace kestrivo::cli
