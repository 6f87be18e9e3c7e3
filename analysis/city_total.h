// The city's dogs from a stratified simple random sample of blocks, with visibility shared within
// each stratum:
//     city_N = sum_h (K_h / k_h) sum_{b in h} n_b / q_h,
// q_h the share seen from the pooled fit of stratum h: with four histories, n_b is the dogs seen
// on count 1 and q_h the share seen on one count; where the blocks give the dogs first seen
// later too, n_b is the dogs seen at least once and q_h the share ever seen, averaged over the
// seven-history models (seven_histories.h). With design weights w_b (the blocks of the city a
// block stands for) the total is sum_h sum_b w_b n_b / q_h instead.
//
// Its uncertainty has three parts, and only the first is a matter of which blocks were drawn:
//   - the spread of the dogs seen between blocks, which the finite population reduces: none is
//     left when every block was counted;
//   - the estimate of q_h from the histories, which counting more blocks makes better but never
//     exact: a stratum counted whole still has it;
//   - the first count's binomial chance, each dog seen with chance q: part of the spread between
//     blocks, and so reduced with it by the finite population, though it is not a matter of
//     sampling. That part, T_h (1 - q_h) / q_h, is added back.
// A bootstrap of blocks within strata (bootstrap.h) carries the first two together: the k_h
// blocks resampled with replacement, their dogs seen summed and q_h refitted from their summed
// histories. In each replicate the dogs seen deviate from the sample's by the finite-population
// factor sqrt((1 - k_h / K_h) k_h / (k_h - 1)) and q_h from its estimate by sqrt(k_h / (k_h - 1))
// on the log scale (Rao and Wu's rescaling: resampling k of k loses a share (k - 1) / k of the
// variance).
// With weights the blocks are resampled as a with-replacement sample (Hansen and Hurwitz's
// design, to which a sample drawn with chances in proportion to size comes close): the weighted
// dogs seen deviate by sqrt(k_h / (k_h - 1)), with no finite-population factor and so nothing to
// add back; for a sample drawn without replacement that is a little conservative.
// The interval is symmetric in log(total) with Student's t on Satterthwaite's degrees of freedom
// (the bootstrap's own percentiles cover too rarely on the few blocks of a survey; see
// bench/coverage_study), and never below the dogs the survey identified.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "analysis/bootstrap.h"
#include "analysis/inference_report.h"
#include "analysis/seven_histories.h"
#include "analysis/survey_design.h"

namespace kestrivo::analysis {

/// The share of a stratum's dogs its dogs seen stand for, at the maximum of the summed
/// histories: q = S + (1 - S) P from the four (S down to 0, held at `s_held` when given), or the
/// averaged share ever seen from all seven when `seven`. Empty when nobody was seen, a sum
/// exceeds the library's 32-bit counts, or the counts are impossible.
/// `near`: the sample's seven-history fit, from which a replicate's searches start.
std::optional<double> share_seen_of(const Library& library, const Resample& sums,
                                    std::optional<double> s_held, bool seven,
                                    const SevenHistoriesFit* near = nullptr);

/// (K_h / k_h) sum n_b / q_h for one stratum (sum w_b n_b / q_h with weights), q_h from the fit
/// of its summed counts; 0 when nobody was seen. Empty when the stratum has neither K_h nor
/// weights, no sampled block, or its visibility cannot be fitted.
std::optional<double> stratum_total(const Library& library, const Stratum& stratum);

/// One total: a stratum's, or the city's.
/// What a total is to be read with: why it has no interval, what its sample left out, and what
/// every interval of a survey rests on. Worded by the report, not here.
struct TotalNote {
    enum class Kind {
        blocks_left_out,     // `count` blocks could not be read; `of` were
        no_dog_seen,         // the total is the 0 dogs identified, with no interval
        one_sampled_block,   // one block of `count` (0 when the stratum is weighted)
        too_few_replicates,  // fewer than two replicates could be fitted
        spread_too_large,    // the replicates' variance is past the largest double
        rows_unplaced,       // `count` rows whose stratum could not be read
        weights_as_given,    // the interval of a weighted sample
        drawn_at_random,     // the interval of blocks drawn at random within their strata
        // Dogs without a territory that differ among themselves in how easily they are seen
        // show it only in how many were seen once, twice or three times, which S and P already
        // fit exactly: three counts cannot see it, and the total is then a lower bound.
        shy_dogs_unseen,
    };
    Kind kind;
    std::int64_t count = 0, of = 0;
    /// On the city's total, the stratum the note is about, named when the survey has strata.
    std::string stratum;
    bool named = false;

    bool operator==(const TotalNote&) const = default;
};

struct TotalEstimate {
    std::string name;              // the stratum, or "" for the city
    std::int64_t identified = 0;   // dogs identified on its sampled blocks (the total's floor)
    std::int64_t first_count = 0;  // of them, seen on count 1
    /// Dogs seen at least once, where every stratum it sums gives the dogs first seen later.
    std::optional<std::int64_t> seen_at_least_once;
    std::optional<double> dogs, standard_error, lower, upper;
    /// The same replicates read by their percentiles, for comparison (bench/coverage_study).
    std::optional<double> percentile_lower, percentile_upper;
    std::string why_not;           // why there is no total ("" when `dogs` has a value)
    std::vector<TotalNote> notes;  // what a total given is to be read with, in order
};

/// The total of each stratum, in the design's order, then the city's (last), with intervals at
/// `level`.
std::vector<TotalEstimate> city_totals(const Library& library, const SurveyDesign& design,
                                       double level, const BootstrapPlan& plan);

/// The q-quantile of `sorted` (ascending), interpolating between order statistics.
double quantile(const std::vector<double>& sorted, double q);

}  // namespace kestrivo::analysis
