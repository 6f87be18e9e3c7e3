// Visibility from all seven histories of the dogs seen at least once, where a survey records the
// dogs first seen on count 2 or 3 as well (c010, c001, c011). A share S of the dogs holds a
// territory and is seen on every count; every other dog is seen on count c with chance P_c.
// Conditional on being seen at least once, a dog has history h with chance
//     pi(h) = [ (1 - S) prod_c P_c^h_c (1 - P_c)^(1 - h_c)  +  S [h = 111] ] / p_any,
//     p_any = 1 - (1 - S)(1 - P_1)(1 - P_2)(1 - P_3),
// and the stratum's dogs are the dogs seen at least once over p_any. A dog may instead grow shy
// of the counters, or bolder, once it has been seen: in the behaviour model a dog not seen
// before is seen on a count with chance P_first, one seen before with chance P_again, so with f
// the count a dog is first seen on,
//     pi(h) = [ (1 - S) (1 - P_first)^(f - 1) P_first prod_{c > f} A_c  +  S [h = 111] ] / p_any,
//     A_c = P_again^h_c (1 - P_again)^(1 - h_c),
//     p_any = 1 - (1 - S)(1 - P_first)^3,
// where only P_first tells how many were never seen. Three models are fitted by maximum
// likelihood of these conditional chances: "constant" (one P on every count, the model of the
// window), "by count" (P_1, P_2, P_3) and "behaviour" (P_first, P_again). They are compared by
// AICc and the estimate of the dogs averaged by their Akaike weights, the practice in
// closed-population capture-recapture, so that a change of visibility between counts, on count 1
// too, or after a dog is first seen, moves the estimate only as far as the counts show it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kestrivo::analysis {

/// The seven histories, in the survey file's order: c100, c111, c101, c110, c010, c001, c011.
using SevenHistories = std::array<std::int64_t, 7>;

/// Seen on count 1, 2, 3, for each of the seven histories in their order.
inline constexpr std::array<std::array<int, 3>, 7> kSevenPatterns = {
    {{1, 0, 0}, {1, 1, 1}, {1, 0, 1}, {1, 1, 0}, {0, 1, 0}, {0, 0, 1}, {0, 1, 1}}};

enum class VisibilityModel { constant, by_count, behaviour };

/// The model's name as the report writes it ("constant", "by count", "behaviour").
const char* model_name(VisibilityModel model);

/// The conditional log likelihood of the histories at S and P_1, P_2, P_3; -infinity where a
/// history seen has no chance.
double seven_log_likelihood(const SevenHistories& counts, double s, const std::array<double, 3>& p);

/// The behaviour model's conditional log likelihood at S, P_first and P_again; -infinity where a
/// history seen has no chance.
double behaviour_log_likelihood(const SevenHistories& counts, double s, double p_first,
                                double p_again);

/// One model's fit.
struct SevenFit {
    double S = 0;
    /// Each count's P; in the behaviour model P_first on every count, the chance of a dog not
    /// seen before, which alone sets p_any.
    std::array<double, 3> P{};
    /// The behaviour model's P_again, the chance of a dog seen before; none in the others.
    std::optional<double> P_again;
    double log_likelihood = 0;
    double seen_any = 0;  // p_any at the fit
    int parameters = 0;   // estimated: S (unless held or on its floor 0) and the P's
    double aicc = 0;
    double deviance = 0;  // G2 = 2 sum n_h ln(n_h / (n pi_h)), against chi-square on df
    int df = 0;           // 6 - parameters
    double gof_p = 1;
    double lrt_S0 = 0;  // twice the log likelihood S gains over S = 0, and its boundary p
    double lrt_p = 1;
};

struct SevenHistoriesFit {
    SevenFit constant, by_count, behaviour;
    double weight_by_count = 0;   // the Akaike weight of the by-count model
    double weight_behaviour = 0;  // and of the behaviour model; the constant's is the rest
    VisibilityModel chosen = VisibilityModel::constant;  // the lowest AICc
    /// The averaged share ever seen: 1 / q = sum of each model's weight over its q, so that the
    /// dogs n_any / q are the weighted average of the models' dogs.
    double seen_any = 0;
    std::int64_t seen_at_least_once = 0;
    const SevenFit& chosen_fit() const {
        switch (chosen) {
            case VisibilityModel::by_count:
                return by_count;
            case VisibilityModel::behaviour:
                return behaviour;
            case VisibilityModel::constant:
                break;
        }
        return constant;
    }
};

/// "" or why `counts` cannot tell the share of dogs missed by every count, however the models
/// are fitted: no dog was seen on two counts (nothing was seen again, so nothing tells how many
/// were never seen), or count 1 saw none of the dogs the others saw (its P would be 0, below
/// what the models allow, which then pins the share ever seen to the edge of their box). Either
/// way the fits' maxima lie on the box's edges and the dogs they give are the box's, not the
/// counts'. Also "" when nobody was seen: that is data, said elsewhere.
std::string why_not_estimable(const SevenHistories& counts);

/// The three models fitted to `counts` (S held at `s_held` when given, else free from 0 to 0.99;
/// each P from 0.005 to 0.995), compared and averaged. Empty when nobody was seen. `with_tests`:
/// also the fit tests and the tests of S = 0 (a bootstrap replicate needs only the estimates).
/// `near`: a fit of counts like these (the sample's, for its replicates), whose maxima are the
/// searches' starts instead of a spread of them.
std::optional<SevenHistoriesFit> fit_seven_histories(const SevenHistories& counts,
                                                     std::optional<double> s_held,
                                                     bool with_tests = true,
                                                     const SevenHistoriesFit* near = nullptr);

/// One model's maximum of `counts` alone, searched from each of `starts` (their S, P's and
/// P_again), without its fit test, AICc or test of S = 0: what the test of pooling needs of each
/// block. Empty when no search converges.
std::optional<SevenFit> fit_seven_model(const SevenHistories& counts, VisibilityModel model,
                                        std::optional<double> s_held,
                                        const std::vector<SevenFit>& starts);

/// pi(h) of each of the seven histories, in their order, at `fit` of `model`: the chances of a
/// dog seen at least once.
std::array<double, 7> history_chances(const SevenFit& fit, VisibilityModel model);

/// The dogs on a block that saw `n_any` dogs at least once, under a shared p_any: n_any / p_any,
/// with limits where the binomial likelihood of N (n_any seen of N, each with chance p_any)
/// falls `drop` below its top. The shared share is taken as known: its own uncertainty is small
/// beside a block's binomial chance, and the city's interval carries it.
struct BinomialDogs {
    double estimate, lower, upper;
};
BinomialDogs binomial_dogs(std::int64_t n_any, double seen_any, double drop);

}  // namespace kestrivo::analysis
