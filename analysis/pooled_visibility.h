// Visibility shared by the blocks of a stratum. Their histories are one sample from one (S, P),
// so the shared fit is the fit of their summed counts, with the whole report of one block; each
// block's dogs are then its own n over that shared share seen. A likelihood-ratio test says
// whether the blocks' own fits differ more than chance allows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "inference_report.h"
#include "survey_design.h"

namespace kestrivo::analysis {

struct PooledVisibility {
    Report report;               // of the summed counts; S held when every block holds it
    std::string why_not;         // "" when the pooled fit exists
    std::optional<Model> model;  // the pooled histories, for the blocks' dogs

    explicit operator bool() const { return why_not.empty(); }
    /// The shared share seen on one count, q = S + (1 - S) P.
    double seen() const { return report.estimates->seen; }
};

/// The pooled fit of a stratum's blocks. No fit when the blocks hold S at different values,
/// when a summed count exceeds the library's 32-bit counts, or when nobody was seen at all.
PooledVisibility pool(const Library& library, const Stratum& stratum, double level);

/// A block's dogs under the pooled visibility: n / q, with limits where the full likelihood of
/// N (n seen binomially out of N) with the pooled histories' profile over q falls half the
/// level's chi-square(1) point below its top. A block with n = 0 has 0 dogs from 0 upwards.
DogsOnBlock dogs_under(const PooledVisibility& pooled, std::int64_t n);

/// Is pooling fair? het = 2 (sum over the blocks with dogs of each block's own maximum log
/// likelihood - the pooled maximum), on 2 (b - 1) degrees of freedom with S free and b - 1 with
/// S held, for b blocks with dogs; p its chi-square upper tail.
struct Heterogeneity {
    double statistic;
    int df;
    double p;
};
std::optional<Heterogeneity> heterogeneity(const PooledVisibility& pooled,
                                           double sum_of_block_maxima, int blocks_with_dogs);

/// The sentence for a pooled row whose blocks differ (p below 0.05), or "".
std::string heterogeneity_note(const Heterogeneity& het);

}  // namespace kestrivo::analysis
