// DesignBuilder: rows into strata as they arrive, then the city's numbers of blocks checked
// against the strata found.
#include "survey/design_builder.h"

#include <algorithm>

namespace kestrivo::survey {

StratumColumn::StratumColumn(const Header& header, const std::optional<std::string>& name,
                             const std::string& file_name, std::string& why) {
    if (!name) return;
    const auto at = std::find(header.carried.begin(), header.carried.end(), *name);
    if (at == header.carried.end()) {
        why = file_name + ": there is no column \"" + *name + "\" to take the strata from.";
        return;
    }
    carried_at_ = std::size_t(at - header.carried.begin());
}

std::string StratumColumn::of(const Row& row) const {
    if (!carried_at_ || *carried_at_ >= row.carried.size()) return "";
    return row.carried[*carried_at_];
}

DesignBuilder::DesignBuilder(DesignOptions options) : options_(std::move(options)) {}

std::string DesignBuilder::begin_file(const Header& header, const std::string& file_name) {
    std::string why;
    column_ = StratumColumn(header, options_.stratum_column, file_name, why);
    return why;
}

void DesignBuilder::add(const Row& row) {
    if (row.error.empty()) design_.stratum(column_.of(row)).add(row.counts, row.s_held);
}

BuiltDesign DesignBuilder::build() {
    const bool by_stratum = options_.stratum_column.has_value();
    const bool with_city = options_.blocks_total || !options_.blocks_by_stratum.empty();
    for (analysis::Stratum& stratum : design_.strata) {
        if (options_.blocks_total) stratum.blocks_total = *options_.blocks_total;
        if (by_stratum && with_city) {
            const auto k = options_.blocks_by_stratum.find(stratum.name);
            if (k == options_.blocks_by_stratum.end()) {
                return {std::nullopt, "the stratum \"" + stratum.name +
                                          "\" has no number of blocks in --blocks-total."};
            }
            stratum.blocks_total = k->second;
        }
        if (options_.blocks_are_a_sample && stratum.blocks_total &&
            *stratum.blocks_total < std::int64_t(stratum.blocks.size())) {
            return {std::nullopt,
                    "--blocks-total " + std::to_string(*stratum.blocks_total) +
                        (by_stratum ? " for \"" + stratum.name + "\"" : std::string()) +
                        " is fewer than the " + std::to_string(stratum.blocks.size()) +
                        " blocks read."};
        }
    }
    return {std::move(design_), ""};
}

}  // namespace kestrivo::survey
