// Visibility shared by the blocks of a stratum. Their histories are one sample from one (S, P),
// so the shared fit is the fit of their summed counts, with the whole report of one block; each
// block's dogs are then its own n over that shared share seen. A likelihood-ratio test says
// whether the blocks' own fits differ more than chance allows.
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

#include "analysis/inference_report.h"
#include "analysis/seven_histories.h"
#include "analysis/survey_design.h"

namespace kestrivo::analysis {

/// Is pooling fair? het = 2 (sum over the blocks with dogs of each block's own maximum log
/// likelihood - the pooled maximum), with 2 (b - 1) degrees of freedom with S free and b - 1
/// with S held, for b blocks with dogs. Where the blocks give all seven histories, the maxima are
/// those of the model the pooled row chose, fitted to each block's seven histories. p is the
/// parametric bootstrap's (pooling_test): blocks of 20 to 60 dogs are too few for the chi-square
/// on df, which flags about one stratum in twelve whose blocks share one visibility.
struct Heterogeneity {
    double statistic;
    int df;
    double p;
};

struct PooledVisibility {
    Report report;               // of the summed counts; S held when every block holds it
    std::string why_not;         // "" when the pooled fit exists
    std::optional<Model> model;  // the pooled histories, for the blocks' dogs
    /// The test of pooling, from the blocks' own maxima; empty when one of them has none.
    std::optional<Heterogeneity> het;
    /// No dog was seen on any block: data, not a failure. There is no fit (`why_not` says so),
    /// and every block's dogs are 0 from 0 upwards.
    bool nobody_seen = false;
    /// Where every block gives its dogs first seen later: the seven-history fit, whose share
    /// ever seen the blocks' dogs and the stratum's total then use.
    std::optional<SevenHistoriesFit> seven;
    /// With the four histories and S free, AICc preferred no territorial dogs: the pooled fit
    /// holds S at 0, as the total does. `gain_of_free_s` is what a free S gained (lrt_S0).
    bool s_zero_by_aicc = false;
    double gain_of_free_s = 0;

    explicit operator bool() const { return why_not.empty(); }
    /// The shared share seen on one count, q = S + (1 - S) P.
    double seen() const { return report.estimates->seen; }
};

/// S = 0 against S free in the four-history model, by AICc (n the dogs seen on count 1): true
/// when S = 0 is preferred. A free S cannot fall below its floor 0, so where a stratum has no
/// territorial dogs it would otherwise lean upwards, and the dogs with it; a survey's fits take
/// S = 0 unless the counts show territorial dogs.
/// `top`: the free model's maximum.
bool prefers_no_territorial(const Model& free, const Point& top);

/// How the test of pooling reads its p. Each replicate draws every block's histories from the
/// pooled fit, given the block's own dogs seen (on count 1 with four histories, at least once
/// with seven), refits the blocks and the pool, and p = (1 + replicates whose statistic reaches
/// the survey's) / (1 + replicates). 199 replicates make a test of exact size at 0.05 (10 of 200
/// ranks) whose p near 0.05 is within about 0.015; more would cost the report more than its
/// note gains. The replicates stop once 10 of them reach the survey's statistic, p then being
/// 10 over the replicates run (Besag and Clifford's sequential p, of the same exact size).
struct PoolingTest {
    /// 0: p is the chi-square upper tail on df, the test's first reference, without replicates.
    int replicates = 199;
    /// Mixed with a fixed seed: the stratum's place in its design, so that each stratum has its
    /// own stream and the same survey gives the same p.
    std::uint64_t stream = 0;
    int jobs = 1;  // threads computing replicates; p does not depend on it
    /// Set from another thread to stop: the test is then left without a value.
    const std::atomic<bool>* cancel = nullptr;
};

/// Why the blocks of `stratum` share no one visibility to fit, or "": none could be read, they
/// hold S at different values, or a summed count exceeds the library's 32-bit counts.
std::string why_not_pooled(const Stratum& stratum);

/// Why the stratum's shared visibility cannot be estimated, or "": why_not_pooled's reasons, or,
/// where its blocks give all seven histories, why those cannot tell the share ever seen
/// (why_not_estimable). The pooled row and the stratum's total both ask here, so they agree.
std::string why_not_estimated(const Stratum& stratum);

/// The pooled fit of a stratum's blocks, with the test of pooling calibrated as `test` says. No
/// fit when why_not_estimated says so, or when nobody was seen at all (`nobody_seen`).
PooledVisibility pool(const Library& library, const Stratum& stratum, double level,
                      const PoolingTest& test = {});

/// A block's dogs under the pooled visibility: n / q, with limits where the full likelihood of
/// N (n seen binomially out of N) with the pooled histories' profile over q falls half the
/// level's chi-square(1) point below its top. A block with n = 0 has 0 dogs from 0 upwards.
DogsOnBlock dogs_under(const PooledVisibility& pooled, std::int64_t n);

/// A block's dogs under its stratum's visibility, however the stratum was fitted: with the
/// seven histories, its dogs seen at least once over the shared share ever seen, with binomial
/// limits; else dogs_under its dogs seen on count 1.
DogsOnBlock block_dogs(const PooledVisibility& pooled, const Counts& counts,
                       const std::optional<Later>& later);

/// The pooled row's report where the stratum was fitted from its seven histories: the chosen
/// model's S (and P for the constant model), its log likelihood, fit test and test of S = 0;
/// n the dogs seen at least once and N_hat their dogs under the averaged share ever seen. The
/// profile limits are left out: the total row's interval carries the uncertainty.
Report seven_history_report(const PooledVisibility& pooled);

/// The test of pooling from the sum of the blocks' own maxima over the `blocks_with_dogs` blocks
/// with dogs, its p the chi-square's; empty when the sum is not finite (a block could not be
/// fitted). `pooled_maximum`: the pooled log likelihood the blocks' maxima are set against;
/// empty: the pooled report's.
std::optional<Heterogeneity> heterogeneity(const PooledVisibility& pooled,
                                           double sum_of_block_maxima, int blocks_with_dogs,
                                           std::optional<double> pooled_maximum = std::nullopt);

/// The test of pooling of `stratum`, whose fit `pooled` has just been made (before any S = 0 by
/// AICc): the statistic from the seven-history fits where `pooled.seven`, else the four, and p
/// as `test` says. Empty when a block cannot be fitted, or when `test.cancel` is set.
std::optional<Heterogeneity> pooling_test(const Library& library, const Stratum& stratum,
                                          const PooledVisibility& pooled, const PoolingTest& test);

}  // namespace kestrivo::analysis
