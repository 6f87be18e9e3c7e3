// A survey of one stratum where a dog once seen is seen with another chance than before: each
// block's seven histories are the behaviour model's expected counts, rounded so that the
// stratum's sums stay as near its expectation as whole dogs allow. The report's and the pilot's
// tests read the model back from it.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "analysis/seven_histories.h"

namespace kestrivo::tests {

struct BehaviourTruth {
    double S, p_first, p_again;
    double dogs_per_block;
    int blocks;
};

/// The chance of history `seen` (count 1, 2, 3) for one dog of the model, seen or not.
inline double behaviour_chance(const BehaviourTruth& t, const std::array<int, 3>& seen) {
    double chance = 1;
    bool seen_before = false;
    for (int c = 0; c < 3; ++c) {
        const double p = seen_before ? t.p_again : t.p_first;
        chance *= seen[c] ? p : 1 - p;
        seen_before = seen_before || seen[c];
    }
    const bool always = seen[0] && seen[1] && seen[2];
    return (1 - t.S) * chance + (always ? t.S : 0);
}

/// "block,c100,c111,c101,c110,c010,c001,c011\n" and the model's blocks: block b gets the whole
/// dogs between the expected counts of blocks 0..b-1 and 0..b, rounded.
inline std::string behaviour_survey(const BehaviourTruth& t) {
    std::string text = "block,c100,c111,c101,c110,c010,c001,c011\n";
    for (int b = 0; b < t.blocks; ++b) {
        text += "b" + std::to_string(b);
        for (const auto& seen : analysis::kSevenPatterns) {
            const double each = t.dogs_per_block * behaviour_chance(t, seen);
            text += "," + std::to_string(std::llround((b + 1) * each) - std::llround(b * each));
        }
        text += "\n";
    }
    return text;
}

}  // namespace kestrivo::tests
