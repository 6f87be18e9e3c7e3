// The city's dogs from a simple random sample of k blocks out of the city's K: K/k times the sum
// of the blocks' estimates, with the standard error from the spread between blocks (and the
// finite-population correction 1 - k/K). The uncertainty of each block's own estimate is not in
// it. The interval's lower end never falls below the dogs the survey identified.
#pragma once

#include <cstdint>

#include "report_table.h"

namespace kestrivo::cli {

class CityTotalAccumulator {
public:
    /// Adds one fitted block: its n and its estimate of the dogs on the block.
    void add(std::int64_t n, double n_hat);
    std::int64_t blocks() const { return k_; }
    /// The total for a city of `blocks_in_city` blocks (at least blocks()), with an interval at
    /// `level` from Student's t on k - 1 degrees of freedom.
    CityTotal total(std::int64_t blocks_in_city, double level) const;

private:
    std::int64_t k_ = 0;
    std::int64_t n_ = 0;
    double sum_ = 0;
    double mean_ = 0;  // Welford's running mean and sum of squared deviations
    double squares_ = 0;
};

}  // namespace kestrivo::cli
