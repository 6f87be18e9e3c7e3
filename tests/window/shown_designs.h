// Designs as the survey window shows them, for the tests of what they become: the city as one
// stratum with a typed number of blocks, and two wards with theirs.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "window/design_shown.h"

namespace kestrivo::tests {

using ByStratum = std::map<std::string, std::int64_t>;

inline window::DesignShown city(const std::string& typed) {
    window::DesignShown shown;
    shown.strata = {{"", "(the city)", typed}};
    return shown;
}

inline window::DesignShown wards(const std::string& north, const std::string& south) {
    window::DesignShown shown;
    shown.stratum_column = "ward";
    shown.strata = {{"North", "North", north}, {"South", "South", south}};
    return shown;
}

}  // namespace kestrivo::tests
