// The design shown, made into the report's design; a typed K through survey::read_blocks_total,
// the reader of --blocks-total itself.
#include "window/design_shown.h"

#include <map>

namespace kestrivo::window {

std::optional<std::int64_t> typed_blocks(const std::string& typed, std::string& why) {
    const char* const space = " \t\r\n\f\v";
    const std::size_t first = typed.find_first_not_of(space);
    const std::string text = first == std::string::npos
                                 ? ""
                                 : typed.substr(first, typed.find_last_not_of(space) + 1 - first);
    // A stratum's own number: the reader's NAME=K pairs are not for a cell of one stratum.
    if (text.find('=') != std::string::npos) {
        why = "must be one number, without a name";
        return std::nullopt;
    }
    std::optional<std::int64_t> city;
    std::map<std::string, std::int64_t> by_stratum;
    why = survey::read_blocks_total(text, city, by_stratum);
    if (!city && why.empty()) why = "is not given";
    return city;
}

survey::DesignOptions DesignShown::report_design() const {
    survey::DesignOptions design;
    design.stratum_column = stratum_column;
    if (weight_column) {
        design.weight_column = weight_column;
        return design;  // the weights say what each block stands for
    }
    std::map<std::string, std::int64_t> by_stratum;
    for (const Stratum& stratum : strata) {
        std::string why;
        const std::optional<std::int64_t> k = typed_blocks(stratum.blocks, why);
        if (!k) return design;
        by_stratum[stratum.name] = *k;
    }
    if (stratum_column) {
        design.blocks_by_stratum = by_stratum;
    } else if (!by_stratum.empty()) {
        design.blocks_total = by_stratum.begin()->second;
    }
    return design;
}

}  // namespace kestrivo::window
