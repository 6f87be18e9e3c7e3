// The city's dogs from a stratified simple random sample of blocks, with visibility shared within
// each stratum:
//     city_N = sum_h (K_h / k_h) sum_{b in h} n_b / q_h,
// q_h the share seen from the pooled fit of stratum h. Its uncertainty (the sampling of blocks
// and the estimate of each q_h together) comes from a bootstrap of blocks within strata: the k_h
// blocks resampled with replacement, q_h refitted from the resampled histories, the total
// recomputed. Each stratum's deviations are scaled by sqrt((1 - k_h / K_h) k_h / (k_h - 1)): the
// finite population, and the variance resampling k of k blocks loses; a stratum counted whole (a
// census) has none. The interval is symmetric in log(total) with Student's t (the bootstrap's own
// percentiles cover too rarely on the few blocks of a survey; see bench/coverage_study), and
// never below the dogs the survey identified.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "analysis/inference_report.h"
#include "analysis/survey_design.h"

namespace kestrivo::analysis {

/// How the interval is read from the bootstrap: its percentiles, or the point estimate times
/// exp(-+ t se / total), symmetric on the log scale with Student's t on Satterthwaite's degrees
/// of freedom (k - 1 for one stratum).
enum class IntervalMethod { percentile, log_t };

struct BootstrapPlan {
    int replicates = 2000;
    std::uint64_t seed = 1;  // fixed, so the same survey gives the same interval
    IntervalMethod interval = IntervalMethod::log_t;
    int jobs = 1;  // threads computing replicates; the result does not depend on it
};

/// B replicates of `estimator` for each stratum, each from the stratum's blocks resampled with
/// replacement (a stratum of one block, or one counted whole, is resampled all the same; see
/// city_totals). A replicate the estimator cannot give is NaN. Stratum h draws from its own
/// stream (seed, h), so its replicates do not depend on the other strata.
using StratumEstimator = std::function<std::optional<double>(const Stratum&)>;
std::vector<std::vector<double>> bootstrap(const SurveyDesign& design,
                                           const StratumEstimator& estimator,
                                           const BootstrapPlan& plan);

/// (K_h / k_h) sum n_b / q_h for one stratum, q_h from the fit of its summed counts. Empty when
/// the stratum has no K_h or no sampled block, or its visibility cannot be fitted.
std::optional<double> stratum_total(const Library& library, const Stratum& stratum);

/// One total: a stratum's, or the city's.
struct TotalEstimate {
    std::string name;             // the stratum, or "" for the city
    std::int64_t identified = 0;  // dogs identified on its sampled blocks
    std::optional<double> dogs, standard_error, lower, upper;
    std::string why_not;  // "" when `dogs` has a value
};

/// The total of each stratum, in the design's order, then the city's (last), with intervals at
/// `level`.
std::vector<TotalEstimate> city_totals(const Library& library, const SurveyDesign& design,
                                       double level, const BootstrapPlan& plan);

/// The q-quantile of `sorted` (ascending), interpolating between order statistics.
double quantile(const std::vector<double>& sorted, double q);

}  // namespace kestrivo::analysis
