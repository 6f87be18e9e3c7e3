// city_totals: point totals from the pooled fits, replicates from bootstrap(), the strata's
// scaled deviations added replicate by replicate into the city's.
#include "analysis/city_total.h"

#include <algorithm>
#include <cmath>
#include <random>

#include "analysis/parallel_for.h"

#include <boost/math/distributions/students_t.hpp>

#include "analysis/boost_policy.h"

namespace kestrivo::analysis {

std::vector<std::vector<double>> bootstrap(const SurveyDesign& design,
                                           const StratumEstimator& estimator,
                                           const BootstrapPlan& plan) {
    std::vector<std::vector<double>> replicates;
    for (std::size_t h = 0; h < design.strata.size(); ++h) {
        const Stratum& stratum = design.strata[h];
        std::seed_seq seed{std::uint64_t{plan.seed}, std::uint64_t{h}};
        std::mt19937_64 random(seed);
        const std::size_t k = stratum.blocks.size();
        const std::size_t count = std::size_t(std::max(plan.replicates, 0));
        // The draws are made in order from the one stream, so the replicates are the same on
        // any number of threads; only the estimates are spread over them, a few replicates at a
        // time so that the draws kept stay small however many blocks the stratum has.
        const std::size_t chunk = std::size_t(4) * std::size_t(std::max(plan.jobs, 1));
        std::vector<std::uint32_t> draws(chunk * k);
        std::vector<double> values(count);
        for (std::size_t first = 0; first < count; first += chunk) {
            const std::size_t here = std::min(chunk, count - first);
            for (std::size_t d = 0; d < here * k; ++d) {
                // random() % k: the bias for a survey's k is far below the bootstrap's own
                // noise, and unlike the standard distributions it draws the same on every
                // library.
                draws[d] = std::uint32_t(random() % k);
            }
            parallel_for(here, plan.jobs, [&](std::size_t b) {
                Stratum resampled = stratum;
                for (std::size_t i = 0; i < k; ++i)
                    resampled.blocks[i] = stratum.blocks[draws[b * k + i]];
                values[first + b] = estimator(resampled).value_or(NAN);
            });
        }
        replicates.push_back(std::move(values));
    }
    return replicates;
}

std::optional<double> stratum_total(const Library& library, const Stratum& stratum) {
    if (!stratum.blocks_total || stratum.blocks.empty()) return std::nullopt;
    const double scale = double(*stratum.blocks_total) / double(stratum.blocks.size());
    const std::int64_t n = stratum.dogs_identified();
    if (n == 0) return 0.0;  // nobody seen: nothing to scale up
    const std::optional<Counts> sum = summed_counts(stratum.blocks);
    if (!sum || stratum.s_held_differs) return std::nullopt;
    const Point top = Model(library.loglik, *sum, stratum.s_held).maximum();
    if (!std::isfinite(top.value)) return std::nullopt;
    return scale * double(n) / share_seen(top.s, top.p);
}

double quantile(const std::vector<double>& sorted, double q) {
    if (sorted.empty()) return NAN;
    const double at = q * double(sorted.size() - 1);
    const std::size_t below = std::size_t(std::floor(at));
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] + (at - double(below)) * (sorted[above] - sorted[below]);
}

namespace {

// The standard error of `values` (NaNs dropped) and the interval around `total.dogs` by `method`,
// on `df` degrees of freedom (percentiles when it is below 1); false when fewer than two replicates
// could be computed.
bool summarise(std::vector<double> values, double level, IntervalMethod method, double df,
               TotalEstimate& total) {
    values.erase(
        std::remove_if(values.begin(), values.end(), [](double v) { return !std::isfinite(v); }),
        values.end());
    if (values.size() < 2) return false;
    double mean = 0;
    for (double v : values)
        mean += v / double(values.size());
    double squares = 0;
    for (double v : values)
        squares += (v - mean) * (v - mean);
    total.standard_error = std::sqrt(squares / double(values.size() - 1));
    double lower, upper;
    if (method == IntervalMethod::percentile || !(*total.dogs > 0) || !(df >= 1)) {
        std::sort(values.begin(), values.end());
        lower = quantile(values, (1 - level) / 2);
        upper = quantile(values, (1 + level) / 2);
    } else {
        // Symmetric in log(total): totals of skewed blocks are skewed to the right, and Student's
        // t carries the uncertainty of a standard error from few blocks.
        const boost::math::students_t_distribution<double, MathPolicy> t(df);
        const double spread =
            boost::math::quantile(t, (1 + level) / 2) * *total.standard_error / *total.dogs;
        lower = *total.dogs * std::exp(-spread);
        upper = *total.dogs * std::exp(spread);
    }
    total.lower = std::fmax(lower, double(total.identified));
    total.upper = std::fmax(upper, *total.lower);
    return true;
}

}  // namespace

std::vector<TotalEstimate> city_totals(const Library& library, const SurveyDesign& design,
                                       double level, const BootstrapPlan& plan) {
    std::vector<TotalEstimate> totals;
    TotalEstimate city;
    city.dogs = 0.0;
    for (const Stratum& stratum : design.strata) {
        TotalEstimate total;
        total.name = stratum.name;
        total.identified = stratum.dogs_identified();
        city.identified += total.identified;
        total.dogs = stratum_total(library, stratum);
        if (!total.dogs) {
            total.why_not = stratum.blocks_total
                                ? "the visibility of this stratum's blocks cannot be fitted"
                                : "no number of blocks was given for this stratum";
            city.why_not = "stratum \"" + stratum.name + "\": " + total.why_not;
            city.dogs.reset();
        } else if (city.dogs) {
            *city.dogs += *total.dogs;
        }
        totals.push_back(total);
    }

    // Replicates of each stratum's total, as deviations scaled for the finite population.
    const auto estimator = [&](const Stratum& s) { return stratum_total(library, s); };
    const std::vector<std::vector<double>> replicates = bootstrap(design, estimator, plan);
    std::vector<double> city_replicates(std::size_t(std::max(plan.replicates, 0)), 0.0);
    // Satterthwaite's degrees of freedom for the city: (sum v_h)^2 / sum v_h^2 / (k_h - 1), v_h
    // each stratum's variance; k - 1 for one stratum, fewer when one stratum's few blocks carry
    // most of the uncertainty.
    double variance_sum = 0, variance_share = 0;
    for (std::size_t h = 0; h < design.strata.size(); ++h) {
        TotalEstimate& total = totals[h];
        if (!total.dogs) continue;
        const Stratum& stratum = design.strata[h];
        // The finite-population correction, and k / (k - 1): resampling k blocks from k with
        // replacement gives a variance (k - 1) / k too small (Rao and Wu's rescaling).
        const double k = double(stratum.blocks.size()), K = double(*stratum.blocks_total);
        const double scale =
            k > 1 ? std::sqrt(std::fmax(0.0, 1 - k / K) * k / (k - 1)) : (k < K ? 1.0 : 0.0);
        std::vector<double> scaled(replicates[h].size());
        for (std::size_t b = 0; b < scaled.size(); ++b) {
            scaled[b] = *total.dogs + scale * (replicates[h][b] - *total.dogs);
            city_replicates[b] += scaled[b];
        }
        if (scale == 0) {
            // Counted whole: no sampling error at all.
            total.standard_error = 0;
            total.lower = total.upper = std::fmax(*total.dogs, double(total.identified));
        } else if (stratum.blocks.size() < 2) {
            // One block says nothing of how blocks differ: no interval, for it or the city.
            total.why_not = "one sampled block of " + std::to_string(*stratum.blocks_total) +
                            " gives no estimate of the sampling error";
            city.why_not = "stratum \"" + stratum.name + "\": " + total.why_not;
        } else if (!summarise(scaled, level, plan.interval, k - 1, total)) {
            total.why_not = "too few bootstrap replicates could be fitted for an interval";
        } else {
            const double v = *total.standard_error * *total.standard_error;
            variance_sum += v;
            variance_share += v * v / (k - 1);
        }
    }
    const double city_df = variance_share > 0 ? variance_sum * variance_sum / variance_share : 0;
    const bool census = std::all_of(totals.begin(), totals.end(), [](const TotalEstimate& t) {
        return t.standard_error && *t.standard_error == 0;
    });
    if (city.dogs && city.why_not.empty() && census) {
        // Every stratum counted whole.
        city.standard_error = 0;
        city.lower = city.upper = std::fmax(*city.dogs, double(city.identified));
    } else if (city.dogs && city.why_not.empty() &&
               !summarise(city_replicates, level, plan.interval, city_df, city)) {
        city.why_not = "too few bootstrap replicates could be fitted for an interval";
    }
    totals.push_back(city);
    return totals;
}

}  // namespace kestrivo::analysis
