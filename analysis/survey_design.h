// The sampling design of a survey: its strata, how many blocks each has in the city, and the
// counts of the blocks drawn from each. One value that the pooled fit, the city total and the
// bootstrap all take, as a survey statistician's design object is.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "analysis/seven_histories.h"

namespace kestrivo::analysis {

using Counts = std::array<std::int32_t, 4>;
/// The dogs first seen later: 0,1,0 / 0,0,1 / 0,1,1.
using Later = std::array<std::int32_t, 3>;

/// A block's vaccination marks: the histories of its dogs that carry the campaign's mark (in the
/// seven histories' order; the last three 0 where the block has four), and how many of its dogs
/// were never seen clearly enough to tell. Those are among the block's histories, not the marked
/// ones: a dog of unknown mark is still a dog.
struct Marks {
    SevenHistories marked{};
    std::int64_t unknown = 0;
    bool operator==(const Marks&) const = default;
};

/// One stratum: the blocks drawn from it by simple random sampling, and its number of blocks.
struct Stratum {
    std::string name;                          // the stratum column's value ("" without strata)
    std::optional<std::int64_t> blocks_total;  // K_h; empty when no city total is asked for
    std::vector<Counts> blocks;                // the counts of each sampled block, in input order
    /// Each block's dogs first seen later, beside `blocks`, when every block has them.
    std::vector<Later> later;
    bool later_missing = false;  // some block lacks them: the stratum has four histories only
    /// Some block's file has the columns of the dogs first seen later, so a block without them
    /// left them empty; and the labels of the first few blocks without them, for the note that
    /// asks for them.
    bool later_columns = false;
    std::vector<std::string> without_later;
    /// Each block's design weight (the city's blocks it stands for), beside `blocks`; empty for
    /// a simple random sample, whose weights are K_h / k_h.
    std::vector<double> weights;
    /// Each block's vaccination marks, beside `blocks`, when every block has them.
    std::vector<Marks> marks;
    bool marks_missing = false;    // some block lacks them: no coverage for the stratum
    std::optional<double> s_held;  // the S every block holds, or empty: S is fitted
    bool s_held_differs = false;   // some blocks hold S at other values (or free)
    /// Blocks of this stratum in the survey that could not be read: they are no part of the
    /// sample, which is then the blocks read.
    std::int64_t left_out = 0;

    /// Adds a sampled block with the S it holds (empty: fitted), its dogs first seen later when
    /// known, its design weight when the sample has weights, and its vaccination marks when
    /// they were recorded.
    void add(const Counts& counts, std::optional<double> held,
             std::optional<Later> later = std::nullopt, std::optional<double> weight = std::nullopt,
             std::optional<Marks> block_marks = std::nullopt);
    /// Every block has its dogs first seen later: the seven histories can be used.
    bool has_later() const {
        return !blocks.empty() && !later_missing && later.size() == blocks.size();
    }
    /// Every block has its vaccination marks: the stratum's coverage can be estimated.
    bool has_marks() const {
        return !blocks.empty() && !marks_missing && marks.size() == blocks.size();
    }
    bool weighted() const { return !blocks.empty() && weights.size() == blocks.size(); }
    /// The dogs identified over the stratum's blocks.
    std::int64_t dogs_identified() const;
};

struct SurveyDesign {
    std::vector<Stratum> strata;  // in order of first appearance in the survey
    /// Rows that could not be read at all, so that their stratum is unknown.
    std::int64_t unplaced = 0;

    /// The stratum named `name`, added at the end when it is new.
    Stratum& stratum(const std::string& name);
    const Stratum* find(const std::string& name) const;

private:
    std::unordered_map<std::string, std::size_t> index_;  // name -> place in `strata`
};

/// The histories of `blocks` as one sample: each history's count summed. Empty when a sum does
/// not fit the library's 32-bit counts.
std::optional<Counts> summed_counts(const std::vector<Counts>& blocks);

}  // namespace kestrivo::analysis
