// Blocks drawn from the model itself, for the studies that ask what a survey would find: the
// coverage study, and survey planning (how many blocks to count). A block's dogs are negative
// binomial, or Poisson; a dog holds a territory with chance S and is then seen on every count,
// and any other dog is seen on count c with chance P_c (one P for every count unless the counts
// differ), or, where seeing a dog changes it, with P_c until first seen and P_again after. A block
// costs the same whatever its dogs: the histories are drawn as binomial splits, not dog by dog. A
// stratum of a city is drawn without being held: its total first, then each block given what is
// left, so a city of a billion blocks costs what its sample costs.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <random>

#include "analysis/survey_design.h"

namespace kestrivo::analysis {

/// What a stratum's blocks are like.
struct BlockModel {
    double S = 0, P = 0.5;
    double mean_dogs = 30;             // dogs per block, on average
    std::optional<double> dispersion;  // negative binomial size r (variance m + m^2 / r); empty:
                                       // Poisson
    /// P on counts 1, 2 and 3 when they differ; empty: P on every count.
    std::optional<std::array<double, 3>> p_by_count;
    /// The behaviour model's chance of a non-territorial dog already seen on an earlier count to
    /// be seen again (P, or p_by_count, is then a dog's chance until it is first seen); empty: a
    /// dog's visibility does not change once it has been seen (also when a model is written as
    /// its first fields alone, as before there was this one).
    std::optional<double> p_again = std::nullopt;
};

struct SimulatedBlock {
    std::int64_t dogs = 0;  // the truth
    Counts counts{};        // the dogs seen on count 1: 1,0,0 / 1,1,1 / 1,0,1 / 1,1,0
    /// The dogs first seen later: 0,1,0 / 0,0,1 / 0,1,1.
    std::array<std::int32_t, 3> later{};
};

/// The histories of `dogs` dogs on one block. Draws from `random` in a fixed order, so the same
/// stream gives the same block.
SimulatedBlock simulate_histories(const BlockModel& model, std::int64_t dogs,
                                  std::mt19937_64& random);

/// One block: its dogs, then their histories.
SimulatedBlock simulate_block(const BlockModel& model, std::mt19937_64& random);

/// The K blocks of a stratum in a random order, drawn one at a time: the dogs of all of them
/// first, then each block's dogs given the dogs of the blocks not yet drawn (a binomial share of
/// them under Poisson, a beta-binomial one under the negative binomial), so that the blocks drawn
/// are a simple random sample of a city whose true total is known from the start.
class SimulatedStratum {
public:
    SimulatedStratum(const BlockModel& model, std::int64_t blocks, std::mt19937_64& random);
    /// Every dog of the stratum's K blocks: the truth a survey estimates.
    std::int64_t dogs() const { return dogs_; }
    /// The next block of the random order; the stratum has no more after K of them.
    SimulatedBlock next(std::mt19937_64& random);

private:
    BlockModel model_;
    std::int64_t dogs_ = 0;
    std::int64_t blocks_left_ = 0;
    std::int64_t dogs_left_ = 0;
};

}  // namespace kestrivo::analysis
