// The survey's design as the survey window shows it, read from its controls in one place: the
// strata column, the weight column, the coverage, and each stratum's blocks in the city as
// typed. The report and the Plan... dialog each make their own design of it; a typed number of
// blocks is read for both by the one rule kestrivo-report and kestrivo-plan apply to a K of
// --blocks-total.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "survey/design_builder.h"

namespace kestrivo::window {

struct DesignShown {
    struct Stratum {
        std::string name;    // its value in the strata column; "" without strata
        std::string shown;   // as the window names it: the value, or the city's own name
        std::string blocks;  // "Blocks in the city", as typed
    };
    std::optional<std::string> stratum_column;
    std::optional<std::string> weight_column;
    int coverage_percent = 0;  // vaccination coverage
    std::vector<Stratum> strata;

    /// The report's design: with a weight column, the weights; else each stratum's blocks in the
    /// city when every stratum has a number, and none when one lacks it (the report then pools
    /// the blocks and gives no city total).
    survey::DesignOptions report_design() const;
};

/// The city's blocks typed for a stratum (spaces around it aside), read as --blocks-total reads
/// one K. Nothing when the text is no such number, with why in `why`: a phrase that follows
/// "the number of the city's blocks".
std::optional<std::int64_t> typed_blocks(const std::string& typed, std::string& why);

}  // namespace kestrivo::window
