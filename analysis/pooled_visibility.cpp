// pool, dogs_under, heterogeneity: the one-block report and the dogs' full likelihood, applied to
// the stratum's summed histories.
#include "analysis/pooled_visibility.h"

#include <boost/math/distributions/chi_squared.hpp>
#include <cmath>
#include <limits>
#include <utility>

#include "analysis/boost_policy.h"
#include "analysis/bootstrap.h"
#include "analysis/dogs_on_block.h"

namespace kestrivo::analysis {

bool prefers_no_territorial(const Model& free, const Point& top) {
    const Point none = free.best_without_always_visible();
    if (!std::isfinite(top.value) || !std::isfinite(none.value)) return false;
    const double n = free.dogs();
    const auto aicc = [&](double value, double k) {
        return -2 * value + 2 * k +
               (n - k - 1 > 0 ? 2 * k * (k + 1) / (n - k - 1)
                              : std::numeric_limits<double>::infinity());
    };
    return aicc(none.value, 1) <= aicc(top.value, 2);
}

std::string why_not_pooled(const Stratum& stratum) {
    if (stratum.blocks.empty()) return "no block of this stratum could be read";
    if (stratum.s_held_differs) {
        return "the blocks hold S at different values, so they share no one visibility";
    }
    if (!summed_counts(stratum.blocks)) {
        return "a summed count exceeds 2147483647 dogs, more than the library takes";
    }
    return "";
}

std::string why_not_estimated(const Stratum& stratum) {
    if (std::string why = why_not_pooled(stratum); !why.empty()) return why;
    return stratum.has_later() ? why_not_estimable(sample_sums(stratum).histories) : "";
}

PooledVisibility pool(const Library& library, const Stratum& stratum, double level,
                      const PoolingTest& test) {
    PooledVisibility pooled;
    pooled.why_not = why_not_estimated(stratum);
    if (!pooled.why_not.empty()) return pooled;
    const std::optional<Counts> sum = summed_counts(stratum.blocks);
    Request request;
    request.counts = *sum;
    request.s_held = stratum.s_held;
    request.level = level;
    request.s_floor = kSurveyFloorOfS;
    pooled.report = make_report(library, request);
    if (pooled.report.empty_block) {
        pooled.nobody_seen = true;
        pooled.why_not =
            "no dog was seen on these blocks, so there is no visibility to estimate; their dogs "
            "are 0 as far as the counts tell";
        return pooled;
    }
    if (!pooled.report.estimates) {
        pooled.why_not = pooled.report.estimates.why_not;
        return pooled;
    }
    pooled.model.emplace(library.loglik, *sum, stratum.s_held, kSurveyFloorOfS);
    if (stratum.has_later()) {
        pooled.seven = fit_seven_histories(sample_sums(stratum).histories, stratum.s_held);
    }
    pooled.het = pooling_test(library, stratum, pooled, test);
    if (!pooled.seven && !stratum.s_held &&
        prefers_no_territorial(*pooled.model, pooled.model->maximum())) {
        // The total takes S = 0 here: so does the pooled row, and the blocks' dogs under it.
        pooled.s_zero_by_aicc = true;
        pooled.gain_of_free_s =
            pooled.report.always_visible ? pooled.report.always_visible->statistic : 0;
        request.s_held = 0.0;
        pooled.report = make_report(library, request);
        pooled.model.emplace(library.loglik, *sum, 0.0, kSurveyFloorOfS);
    }
    return pooled;
}

DogsOnBlock dogs_under(const PooledVisibility& pooled, std::int64_t n) {
    const double estimate = double(n) / pooled.seen();
    const DogLimits limits = dog_limits(*pooled.model, n, pooled.report.drop);
    return {estimate, std::fmax(0.0, std::fmin(limits.lower, estimate)),
            std::fmax(limits.upper, estimate)};
}

DogsOnBlock block_dogs(const PooledVisibility& pooled, const Counts& counts,
                       const std::optional<Later>& later) {
    if (pooled.seven && later) {
        const BinomialDogs dogs =
            binomial_dogs(dogs_seen(counts, &*later), pooled.seven->seen_any, pooled.report.drop);
        return {dogs.estimate, dogs.lower, dogs.upper};
    }
    return dogs_under(pooled, std::int64_t{counts[0]} + counts[1] + counts[2] + counts[3]);
}

Report seven_history_report(const PooledVisibility& pooled) {
    const SevenHistoriesFit& seven = *pooled.seven;
    const SevenFit& fit = seven.chosen_fit();
    Report report;
    report.request = pooled.report.request;
    report.drop = pooled.report.drop;
    // n is the dogs seen on count 1 on every row; those seen at least once are n_any.
    report.n = pooled.report.n;
    const bool constant = seven.chosen == VisibilityModel::constant;
    report.estimates = {
        Estimates{fit.S, fit.P[0], share_seen(fit.S, fit.P[0]), fit.log_likelihood, constant}, ""};
    const std::string limits = "the total row's interval carries the uncertainty";
    report.s_limits = {std::nullopt, limits};
    // P is one number only in the constant model. The behaviour model's reason is no sentence
    // here: the report words its own note of P_first against P_again.
    const char* why_no_p = "";
    if (constant) why_no_p = limits.c_str();
    if (seven.chosen == VisibilityModel::by_count)
        why_no_p = "visibility differs between the counts, as P1, P2 and P3 give it";
    report.p_limits = {std::nullopt, why_no_p};
    report.seen_limits = {std::nullopt, limits};
    report.dogs = {DogsOnBlock{double(seven.seen_at_least_once) / seven.seen_any, NAN, NAN}, ""};
    report.s_bound = bound_of(fit.S, kSurveyFloorOfS);
    report.fit_check = {FitCheck{fit.deviance, fit.df, fit.gof_p}, ""};
    if (!pooled.report.request.s_held) {
        report.always_visible = {AlwaysVisibleTest{fit.lrt_S0, fit.lrt_p}, ""};
    }
    return report;
}

std::optional<Heterogeneity> heterogeneity(const PooledVisibility& pooled,
                                           double sum_of_block_maxima, int blocks_with_dogs,
                                           std::optional<double> pooled_maximum) {
    if (!pooled || !std::isfinite(sum_of_block_maxima) || blocks_with_dogs < 1) return std::nullopt;
    const int per_block = pooled.report.request.s_held ? 1 : 2;
    const int df = per_block * (blocks_with_dogs - 1);
    const double statistic =
        std::fmax(0.0, 2 * (sum_of_block_maxima -
                            pooled_maximum.value_or(pooled.report.estimates->log_likelihood)));
    if (df == 0) return Heterogeneity{statistic, 0, 1.0};
    using boost::math::chi_squared_distribution;
    const double p = boost::math::cdf(
        boost::math::complement(chi_squared_distribution<double, MathPolicy>(df), statistic));
    return Heterogeneity{statistic, df, p};
}

}  // namespace kestrivo::analysis
