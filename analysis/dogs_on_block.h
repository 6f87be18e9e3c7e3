// How many dogs the block holds. The n dogs identified on the first count are a binomial sample
// of the N dogs on the block, each seen with probability q; the histories of those n dogs carry
// the profile likelihood of q. Together they give the full likelihood of (N, q), whose profile in
// N yields confidence limits for the number of dogs.
#pragma once

#include <cstdint>

#include "analysis/profile_likelihood.h"

namespace kestrivo::analysis {

struct DogLimits {
    double lower;  // never below n
    double upper;  // +infinity when the likelihood never falls far enough
};

/// The limits of N: where max over q of
///     lnG(N+1) - lnG(N-n+1) + n ln q + (N-n) ln(1-q) + profile_seen(q)
/// (N real, N >= n, q in the model's range) lies `drop` below its own maximum.
/// @param n  the dogs identified on the first count, at least 1
DogLimits dog_limits(const Model& model, std::int64_t n, double drop);

}  // namespace kestrivo::analysis
