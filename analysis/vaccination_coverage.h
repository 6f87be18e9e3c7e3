// The share of a city's dogs vaccinated, from the marks a campaign leaves on the dogs it
// vaccinates. A survey's dogs fall into two groups by what the counters saw: the marked dogs,
// and the rest (unmarked, or of a mark never seen clearly). A marked dog may well be seen more
// often than the rest (a dog easy to catch for a vaccinator is easy to see for a counter), so
// each group's dogs are its dogs seen over its own share seen, and the share of the dogs seen
// that are marked (the naive coverage) is not the coverage.
//
// The likelihood. Group g (marked m, or the rest r) has x_g(h) dogs of each history h. Under
// group g's visibility theta_g (its S_g and P_g,c), and conditional on being seen at least once,
// a dog of group g has history h with chance
//     pi_g(h) = [ (1 - S_g) prod_c P_g,c^h_c (1 - P_g,c)^(1 - h_c)  +  S_g [h = 111] ] / p_any,g,
//     p_any,g = 1 - (1 - S_g)(1 - P_g,1)(1 - P_g,2)(1 - P_g,3),
// as in seven_histories.h, and the two groups' histories are independent multinomials given
// their dogs seen:
//     log L = sum_g sum_h x_g(h) log pi_g(h).
// With four histories (only the dogs seen on count 1, one P), it is conditional on count 1:
// q_g = S_g + (1 - S_g) P_g, and pi_g(100) = (1 - S_g) P_g (1 - P_g)^2 / q_g,
// pi_g(111) = (S_g + (1 - S_g) P_g^3) / q_g, pi_g(101) = pi_g(110) = (1 - S_g) P_g^2 (1 - P_g) /
// q_g. Four models: visibility shared (theta_m = theta_r) or separate, each with one P or a P by
// count (four histories: one P only). Since log L is linear in the counts, the shared model's log L
// is the one-group log L of the summed histories x_m + x_r, the survey's own histories; and the
// separate model's parameters are disjoint between the groups, so its maximum is the sum of each
// group's own maximum. Both are the seven-history (or four-history) fits of seven_histories.h
// and the library, applied to other counts. They are compared by AICc, n the dogs seen and the
// parameters as seven_histories counts them (S not counted when held or on its floor 0), and
// each group's share seen is averaged by the Akaike weights as 1 / q_g = sum_k w_k / q_g,k, so
// that each group's dogs n_g / q_g are the weighted average of the models' dogs.
//
// The coverage. N_m = n_m / q_m marked dogs, N_r = n_r / q_r other dogs (the dogs of unknown
// mark among them: they are dogs), and of the others, (n_r - u) / q_r of known mark, the dogs of
// unknown mark taken as seen like the rest. The coverage is N_m / (N_m + (n_r - u) / q_r): the
// dogs of unknown mark are left out of both, as if marked as often as the dogs whose mark was
// seen.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "analysis/bootstrap.h"
#include "analysis/inference_report.h"
#include "analysis/seven_histories.h"
#include "analysis/survey_design.h"

namespace kestrivo::analysis {

/// The two-group conditional log likelihood above of the marked dogs' histories `marked` and the
/// rest's `rest` (seven, or four with the last three 0 when `seven` is false), at each group's
/// S and P's (with four histories, P[0] is the one P). -infinity where a history seen has no
/// chance.
double coverage_log_likelihood(const SevenHistories& marked, const SevenHistories& rest, bool seven,
                               double s_marked, const std::array<double, 3>& p_marked,
                               double s_rest, const std::array<double, 3>& p_rest);

/// Whether both groups are seen alike.
enum class Sharing { shared, separate };

/// One of the four models' maximum.
struct CoverageModel {
    Sharing sharing = Sharing::shared;
    VisibilityModel count_model = VisibilityModel::constant;  // constant or by count
    double log_likelihood = 0;
    int parameters = 0;
    double aicc = 0;
    double weight = 0;  // Akaike weight
    /// Each group's share seen: ever seen with seven histories, on count 1 with four.
    double seen_marked = 0, seen_rest = 0;
    /// Each group's fit, S and P's (the same in a shared model).
    SevenFit marked, rest;
};

/// Which group is seen more, by their averaged shares seen.
enum class SeenMore { alike, marked, rest };

/// The test of equal visibility: twice the log likelihood the separate model gains over the
/// shared one, under the count model of the model AICc chose, on the difference of their
/// parameters.
struct EqualVisibilityTest {
    double statistic = 0;
    int df = 0;
    double p = 1;
    VisibilityModel under = VisibilityModel::constant;
};

/// A stratum's (or a block's) coverage.
struct CoverageFit {
    std::string why_not;  // "" when the coverage was estimated
    bool seven = false;
    std::int64_t seen = 0, seen_marked = 0, seen_rest = 0, unknown = 0;
    std::vector<CoverageModel> models;  // shared before separate, constant before by count
    std::size_t chosen = 0;             // the lowest AICc
    double seen_marked_share = 0, seen_rest_share = 0;  // averaged q_m, q_r
    double marked_dogs = 0, rest_dogs = 0, dogs = 0;    // N_m, N_r, N = N_m + N_r
    double known_unmarked = 0;                          // (n_r - u) / q_r
    std::optional<double> coverage;  // N_m / (N_m + known unmarked); none when no mark was seen
    std::optional<double> naive;     // n_m / (n - u)
    std::optional<EqualVisibilityTest> equal_visibility;  // none when a group has no own fit
    SeenMore seen_more = SeenMore::alike;
    /// A group whose own visibility cannot be estimated (no dog of it, or its histories cannot
    /// tell how many it missed: why_not_estimable): the separate models are left out, and both
    /// groups take the shared visibility. The reasons, "" for a group with its own fit.
    bool marked_shared = false, rest_shared = false;
    std::string marked_why_not, rest_why_not;
    bool no_marked = false;          // no marked dog was seen: coverage 0
    bool all_marked = false;         // every dog seen was marked: coverage 1
    bool no_known_unmarked = false;  // every other dog's mark is unknown

    explicit operator bool() const { return why_not.empty(); }
    const CoverageModel& chosen_model() const { return models[chosen]; }
};

/// The four (with four histories, two) models fitted to `all` dogs' histories and `marks`, with S
/// held at `s_held` when given. `library`: the four-history fit's closed forms. `near`: the
/// sample's fit, from which a bootstrap replicate's searches start. `with_test`: also the test
/// of equal visibility. Not estimated (why_not) when nobody was seen, when the marks do not fit
/// within the histories (a marked count above its history's, or more dogs of unknown mark than
/// unmarked dogs), or when the survey's histories cannot tell how many dogs were missed.
CoverageFit fit_coverage(const Library& library, const SevenHistories& all, const Marks& marks,
                         bool seven, std::optional<double> s_held,
                         const CoverageFit* near = nullptr, bool with_test = true);

/// A block's dogs under its stratum's two groups' shares seen: its marked dogs n_m / q_m (the
/// report's N_marked_pool), and all its dogs n_m / q_m + n_r / q_r.
struct BlockMarkedDogs {
    double marked = 0, dogs = 0;
};
BlockMarkedDogs block_marked_dogs(const CoverageFit& stratum, const Counts& counts,
                                  const Later* later, const Marks& marks);

/// How a coverage interval stands to the target.
enum class TargetStatus { below, uncertain, met };

struct CoverageOptions {
    double target = 0.70;
    double level = 0.95;
    /// Its replicates, seed, jobs and cancel flag; the interval is read as described at
    /// coverage_total whatever its `interval`.
    BootstrapPlan bootstrap{};
    /// The dogs the campaign's records say it vaccinated in a stratum, by the stratum's name.
    std::unordered_map<std::string, double> vaccinated;
};

/// A stratum's coverage, or the city's (name "").
struct CoverageTotal {
    std::string name;
    std::string why_not;      // "" when `coverage` has a value
    std::string no_interval;  // why a coverage given has no interval, or ""
    std::int64_t seen = 0, seen_marked = 0, unknown = 0;  // on the sampled blocks
    /// Scaled to the stratum's blocks (K_h / k_h, or the weights): marked dogs, dogs of known
    /// mark (marked plus known unmarked), and all dogs (the two groups).
    std::optional<double> marked_dogs, known_dogs, dogs;
    std::optional<double> dogs_lower, dogs_upper;  // all dogs' log-scale t interval
    std::optional<double> coverage, lower, upper;
    std::optional<double> logit_se;  // of the coverage's logit, with the first count's part
    double df = 0;                   // Student's t's degrees of freedom
    std::optional<double> naive;     // marked dogs seen over dogs of known mark seen
    /// max(0, (target - coverage) N): the doses that bring all N dogs to the target, the dogs
    /// of unknown mark vaccinated as often as the others; percentile limits, floored at 0.
    std::optional<double> doses, doses_lower, doses_upper;
    std::optional<TargetStatus> status;
    /// The campaign's vaccinated dogs and the dogs they imply, M / coverage (Lincoln-Petersen),
    /// with limits M / upper .. M / lower.
    std::optional<double> vaccinated, lincoln_petersen, lincoln_petersen_lower,
        lincoln_petersen_upper;
    CoverageFit fit;                      // the stratum's sample fit (empty for the city)
    std::vector<BlockMarkedDogs> blocks;  // each sampled block's dogs, in input order
};

/// Each stratum's coverage, in the design's order, then the city's (last). Dogs scale as the
/// city total's (city_total.h): sum_h (K_h / k_h) sum_b, or sum_b w_b. The interval: a bootstrap
/// of blocks within strata (bootstrap.h), every replicate refitted and its model chosen anew,
/// its dogs seen rescaled by the finite population and its shares seen on the log scale as the
/// city total's are; then logit(coverage) +- t se, se the replicates' logits' standard deviation
/// with the first count's binomial part added back (without weights), t on k_h - 1 degrees of
/// freedom (Satterthwaite's for the city), taken back to 0 .. 1; at a coverage of 0 or 1, whose
/// logit is infinite, the replicates' percentiles. A stratum without marks on every block has no
/// coverage, one with a single sampled block no interval (nor then the city).
std::vector<CoverageTotal> coverage_total(const Library& library, const SurveyDesign& design,
                                          const CoverageOptions& options);

}  // namespace kestrivo::analysis
