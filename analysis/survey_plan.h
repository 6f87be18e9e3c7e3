// How many of a city's blocks to count: surveys simulated from what a team assumes (or learnt
// from a pilot), each estimated exactly as kestrivo-report estimates a real one (pooled
// visibility per stratum, the city total and its bootstrap interval), for a range of sample sizes
// k; the smallest k whose interval is narrow enough in the share of surveys asked for is the plan.
// Blocks are allocated to strata in proportion to their number of blocks.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "analysis/city_simulation.h"
#include "analysis/inference_report.h"

namespace kestrivo::analysis {

struct PlanStratum {
    std::string name;           // "" without strata
    std::int64_t blocks_total;  // K_h
    BlockModel model;
    /// The survey records the dogs first seen later (c010, c001, c011), as its pilot did, and is
    /// estimated from all seven histories: the surveys simulated record and use them too.
    bool seven_histories = false;
};

struct PlanRequest {
    std::vector<PlanStratum> strata;
    double target = 0.1;     // H: the largest acceptable (city_hi - city_lo) / (2 city_N)
    double assurance = 0.8;  // the share of surveys that must meet it
    double level = 0.95;
    std::int64_t k_from = 10;
    std::int64_t k_to = 0;  // 0: every block of the city
    int replicates = 500;   // surveys simulated for each k
    int bootstrap = 2000;   // the city interval's bootstrap, as kestrivo-report's default
    std::uint64_t seed = 1;
    int jobs = 1;  // threads; the plan does not depend on it
    /// Set from another thread to stop the plan between batches of surveys.
    const std::atomic<bool>* cancel = nullptr;
};

/// What the simulated surveys of one sample size gave.
struct PlanRow {
    std::int64_t k = 0;
    std::vector<std::int64_t> allocation;  // k_h, in the order of the strata
    double median_half_width = 0;          // +infinity where most surveys gave no interval
    double assurance_half_width = 0;       // the `assurance` quantile
    double coverage = 0;                   // share of surveys whose interval holds the truth
    double median_ratio = 0;               // median city_N / truth
    int without_interval = 0;              // surveys whose city total came with no interval
    bool meets = false;                    // assurance_half_width <= target
    int surveys = 0;                       // surveys simulated for this k
    double median_ratio_error = 0;         // the simulation's standard error of median_ratio
    double median_seen_again = 0;          // median dogs of a sample seen on count 2 or 3
};

struct Plan {
    std::vector<PlanRow> rows;  // in increasing k
    std::optional<std::int64_t> recommended;
    /// The first guess says that even kMostSampled blocks would not meet the target, in a city
    /// that has more: nothing was simulated.
    bool beyond_reach = false;
    bool stopped = false;  // the request's cancel flag stopped it: the rows are what was done
};

/// The smallest k the plan may try: two blocks in every stratum that has two (a stratum of one
/// sampled block gives no interval).
std::int64_t smallest_k(const std::vector<PlanStratum>& strata);

/// k blocks shared among the strata in proportion to K_h (largest remainders), at least
/// min(2, K_h) and at most K_h each. k must lie between smallest_k and the city's blocks.
std::vector<std::int64_t> allocate(std::int64_t k, const std::vector<PlanStratum>& strata);

/// The request's surveys of k blocks. Survey i draws its city, its sample and its bootstrap from
/// its own stream (seed, i), so for every k it is the same city, its samples are nested, and the
/// result is the same for any number of threads.
PlanRow simulate_surveys(const Library& library, const PlanRequest& request, std::int64_t k);

/// Why the surveys of `row` give no estimate to trust at `level`, or "": their intervals hold the
/// truth far less often than the level says, or their median estimate lies far from the truth,
/// beyond what the simulation's own error explains.
std::string untrustworthy(const PlanRow& row, double level);

/// The most blocks a simulated survey counts: a target that needs more is out of the plan's reach.
inline constexpr std::int64_t kMostSampled = 20'000;

/// The sequential rule's error at each look: the chance that a row's exact binomial interval for
/// the share of surveys meeting the target leaves out the true share. A row is looked at after
/// every 50 surveys, at most ten times for 500, so a row decided early is decided against its
/// true share with a chance of at most 1% (2 in 1,000 a look, five looks at most before the
/// last, which is no early decision).
inline constexpr double kLookError = 0.002;

/// The relative variance of a stratum's total when k of its K blocks are counted, by the
/// textbook approximation: the spread of the dogs seen between blocks (1/m + 1/r + (1 - q)/(q m),
/// with the finite-population factor), the share seen's own variance from the histories'
/// Fisher information, and the first count's binomial chance. The plan's first guess of k.
double stratum_relative_variance(const BlockModel& model, double K, double k);

/// The smallest k whose interval, by that approximation, would meet the target in the assurance
/// share of surveys: where the plan's search starts.
std::int64_t first_guess(const PlanRequest& request);

/// How far a plan has come.
struct PlanProgress {
    std::size_t rows = 0;     // rows decided
    std::size_t surveys = 0;  // surveys simulated
};

/// From the first guess, steps of about a quarter down while k meets the target and up while it
/// fails, then bisection between the largest k known to fail and the smallest known to meet, so
/// the recommendation is the smallest k that meets it, to one block. Each row runs its surveys
/// in batches until the sequential rule decides it (or all `replicates` ran); the recommended row
/// and the one below it always run all of them. `progress` hears of each batch.
Plan make_plan(const Library& library, const PlanRequest& request,
               const std::function<void(const PlanRow&, const PlanProgress&)>& progress = {});

}  // namespace kestrivo::analysis
