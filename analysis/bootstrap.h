// The bootstrap of a survey design, apart from any estimator it serves. Replicate b of the design
// draws, in each stratum h, k_h of its blocks with replacement and sums what they hold:
//     R_hb = sum_{i = 1..k_h} x_{h, J_hbi},   J_hbi uniform on the stratum's k_h blocks,
// x_hj block j's seven histories and its dogs seen times its weight. An estimator is any function
// of the strata's sums; its bootstrap variance is the sample variance of its value over the
// replicates,
//     v = sum_b (theta_b - mean theta)^2 / (B - 1),
// and the estimator decides how to rescale each replicate for its own design (the city total's
// Rao-Wu factor and finite population, city_total.h). Each stratum draws from its own stream,
// seeded by (seed, h), so its replicates depend neither on the other strata nor on the threads.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "analysis/survey_design.h"

namespace kestrivo::analysis {

/// How the interval is read from the bootstrap: its percentiles (for comparison only: they
/// leave out the first count's binomial part), or the point estimate times exp(-+ t se / total),
/// symmetric on the log scale with Student's t on Satterthwaite's degrees of freedom (k - 1 for
/// one stratum).
enum class IntervalMethod { percentile, log_t };

struct BootstrapPlan {
    int replicates = 2000;
    std::uint64_t seed = 1;  // fixed, so the same survey gives the same interval
    IntervalMethod interval = IntervalMethod::log_t;
    int jobs = 1;  // threads computing replicates; the result does not depend on it
    /// Set from another thread to stop: the replicates left are not computed.
    const std::atomic<bool>* cancel = nullptr;
};

/// What a replicate of a stratum holds: its seven histories summed over the resampled blocks
/// (the last three 0 without them), and its dogs seen summed with the blocks' weights (each 1
/// without weights). Where the stratum records vaccination marks, the same for its marked dogs
/// and its dogs of unknown mark (all 0 without marks).
struct Resample {
    std::array<std::int64_t, 7> histories{};
    double weighted_seen = 0;
    std::array<std::int64_t, 7> marked{};
    std::int64_t unknown = 0;
    double weighted_marked = 0, weighted_unknown = 0;
    bool operator==(const Resample&) const = default;

    /// The dogs seen on count 1: the histories 1,0,0 / 1,1,1 / 1,0,1 / 1,1,0.
    std::int64_t seen_on_count_one() const {
        return histories[0] + histories[1] + histories[2] + histories[3];
    }
    /// The dogs seen at least once.
    std::int64_t seen_at_all() const {
        return seen_on_count_one() + histories[4] + histories[5] + histories[6];
    }
};

/// The dogs a block saw, as its stratum's total counts them: seen on count 1, or at least once
/// when the stratum has its blocks' dogs first seen later.
std::int64_t dogs_seen(const Counts& counts, const Later* later);

/// The stratum's sample as one replicate: its own blocks, each once.
Resample sample_sums(const Stratum& stratum);

/// The summed histories of each of the plan's replicates of `stratum`: replicate b sums k blocks
/// drawn with replacement from the stratum's own stream (seed, h), so a stratum's replicates do
/// not depend on the other strata, nor on the number of threads.
std::vector<Resample> resampled_sums(const Stratum& stratum, std::size_t h,
                                     const BootstrapPlan& plan);

/// A replicate of the design as its estimators see it: each stratum's resampled sums, in the
/// design's order.
using DesignReplicate = std::span<const Resample>;

/// An estimator of a design: from a replicate to its estimates, as many on every replicate.
using DesignEstimator = std::function<std::vector<double>(DesignReplicate)>;

/// The estimator's values over the plan's replicates of `design`: result[i][b] is its i-th
/// estimate (of `estimates`) on replicate b, whose strata are drawn as resampled_sums draws them.
/// `reads` names the strata the estimator reads (empty: all); the others are left unsampled, at
/// zero, which changes nothing in the rest. Replicates left when `plan.cancel` is set are NaN.
/// The same for any `plan.jobs`: the estimator is called from that many threads at once, so it
/// must only read what it shares. Memory holds a batch of replicates, not all of them.
std::vector<std::vector<double>> bootstrap(const SurveyDesign& design, const BootstrapPlan& plan,
                                           std::size_t estimates, const DesignEstimator& estimator,
                                           const std::vector<bool>& reads = {});

}  // namespace kestrivo::analysis
