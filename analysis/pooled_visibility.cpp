// pool, dogs_under, heterogeneity: the one-block report and the dogs' full likelihood, applied to
// the stratum's summed histories.
#include "pooled_visibility.h"

#include <boost/math/distributions/chi_squared.hpp>
#include <cmath>

#include "boost_policy.h"
#include "dogs_on_block.h"

namespace kestrivo::analysis {

PooledVisibility pool(const Library& library, const Stratum& stratum, double level) {
    PooledVisibility pooled;
    if (stratum.s_held_differs) {
        pooled.why_not = "the blocks hold S at different values, so they share no one visibility";
        return pooled;
    }
    const std::optional<Counts> sum = summed_counts(stratum.blocks);
    if (!sum) {
        pooled.why_not = "a summed count exceeds 2147483647 dogs, more than the library takes";
        return pooled;
    }
    Request request;
    request.counts = *sum;
    request.s_held = stratum.s_held;
    request.level = level;
    pooled.report = make_report(library, request);
    if (!pooled.report.estimates) {
        pooled.why_not = pooled.report.estimates.why_not;
        return pooled;
    }
    pooled.model.emplace(library.loglik, *sum, stratum.s_held);
    return pooled;
}

DogsOnBlock dogs_under(const PooledVisibility& pooled, std::int64_t n) {
    const double estimate = double(n) / pooled.seen();
    const DogLimits limits = dog_limits(*pooled.model, n, pooled.report.drop);
    return {estimate, std::fmax(0.0, std::fmin(limits.lower, estimate)),
            std::fmax(limits.upper, estimate)};
}

std::optional<Heterogeneity> heterogeneity(const PooledVisibility& pooled,
                                           double sum_of_block_maxima, int blocks_with_dogs) {
    if (!pooled || !std::isfinite(sum_of_block_maxima) || blocks_with_dogs < 1) return std::nullopt;
    const int per_block = pooled.report.request.s_held ? 1 : 2;
    const int df = per_block * (blocks_with_dogs - 1);
    const double statistic =
        std::fmax(0.0, 2 * (sum_of_block_maxima - pooled.report.estimates->log_likelihood));
    if (df == 0) return Heterogeneity{statistic, 0, 1.0};
    using boost::math::chi_squared_distribution;
    const double p = boost::math::cdf(
        boost::math::complement(chi_squared_distribution<double, MathPolicy>(df), statistic));
    return Heterogeneity{statistic, df, p};
}

std::string heterogeneity_note(const Heterogeneity& het) {
    if (!(het.p < 0.05)) return "";
    return "visibility differs between these blocks (het p < 0.05): one shared S and P may "
           "mislead; give a column of strata (--stratum) that groups blocks seen alike";
}

}  // namespace kestrivo::analysis
