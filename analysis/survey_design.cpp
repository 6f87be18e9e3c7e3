// SurveyDesign: strata found by name as rows arrive; counts summed in 64 bits before the check
// against the library's 32-bit counts.
#include "analysis/survey_design.h"

#include <limits>

namespace kestrivo::analysis {

void Stratum::add(const Counts& counts, std::optional<double> held, std::optional<Later> seen_later,
                  std::optional<double> weight, std::optional<Marks> block_marks) {
    if (blocks.empty()) {
        s_held = held;
    } else if (held != s_held) {
        s_held_differs = true;
    }
    blocks.push_back(counts);
    if (seen_later) {
        later.push_back(*seen_later);
    } else {
        later_missing = true;
    }
    if (weight) weights.push_back(*weight);
    if (block_marks) {
        marks.push_back(*block_marks);
    } else {
        marks_missing = true;
    }
}

std::int64_t Stratum::dogs_identified() const {
    std::int64_t n = 0;
    for (const Counts& c : blocks)
        n += std::int64_t{c[0]} + c[1] + c[2] + c[3];
    return n;
}

Stratum& SurveyDesign::stratum(const std::string& name) {
    const auto [at, added] = index_.emplace(name, strata.size());
    if (added) {
        strata.push_back({});
        strata.back().name = name;
    }
    return strata[at->second];
}

const Stratum* SurveyDesign::find(const std::string& name) const {
    const auto at = index_.find(name);
    return at == index_.end() ? nullptr : &strata[at->second];
}

std::optional<Counts> summed_counts(const std::vector<Counts>& blocks) {
    std::array<std::int64_t, 4> sum{};
    for (const Counts& c : blocks) {
        for (std::size_t h = 0; h < 4; ++h)
            sum[h] += c[h];
    }
    Counts counts{};
    for (std::size_t h = 0; h < 4; ++h) {
        if (sum[h] > std::numeric_limits<std::int32_t>::max() || sum[h] < 0) return std::nullopt;
        counts[h] = static_cast<std::int32_t>(sum[h]);
    }
    return counts;
}

}  // namespace kestrivo::analysis
