// Blocks drawn from the model itself, for the studies that ask what a survey would find: the
// coverage study, and survey planning (how many blocks to count). A block's dogs are negative
// binomial, or Poisson; a dog holds a territory with chance S and is then seen on every count, and
// any other dog is seen on each count with chance P; the dogs seen on the first count give the
// four histories the survey records.
#pragma once

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
};

struct SimulatedBlock {
    int dogs = 0;  // the truth
    Counts counts{};
};

/// One block: its dogs, then each dog's histories. Draws from `random` in a fixed order, so the
/// same stream gives the same block.
SimulatedBlock simulate_block(const BlockModel& model, std::mt19937_64& random);

}  // namespace kestrivo::analysis
