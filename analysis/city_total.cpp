// city_totals in three steps: each stratum's total from its pooled fit; one bootstrap of the
// design for every stratum's replicate totals (its dogs seen and share seen rescaled apart), read
// into its interval; and the strata's totals and variances summed into the city's.
#include "analysis/city_total.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <boost/math/distributions/students_t.hpp>

#include "analysis/boost_policy.h"
#include "analysis/pooled_visibility.h"
#include "analysis/seven_histories.h"

namespace kestrivo::analysis {
namespace {

// The sample variance of the finite values of `values`, and how many there were.
std::pair<double, std::size_t> variance_of(const std::vector<double>& values) {
    double mean = 0;
    std::size_t count = 0;
    for (double v : values) {
        if (std::isfinite(v)) {
            mean += v;
            ++count;
        }
    }
    if (count < 2) return {NAN, count};
    mean /= double(count);
    double squares = 0;
    for (double v : values) {
        if (std::isfinite(v)) squares += (v - mean) * (v - mean);
    }
    return {squares / double(count - 1), count};
}

// The interval around `total.dogs` with standard error `total.standard_error`: symmetric in
// log(total) with Student's t on `df` degrees of freedom, or the percentiles of `replicates`.
void set_interval(TotalEstimate& total, double level, IntervalMethod method, double df,
                  std::vector<double> replicates) {
    double lower, upper;
    if (method == IntervalMethod::percentile || !(*total.dogs > 0) || !(df >= 1)) {
        replicates.erase(std::remove_if(replicates.begin(), replicates.end(),
                                        [](double v) { return !std::isfinite(v); }),
                         replicates.end());
        std::sort(replicates.begin(), replicates.end());
        lower = quantile(replicates, (1 - level) / 2);
        upper = quantile(replicates, (1 + level) / 2);
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
    if (method == IntervalMethod::log_t) {
        replicates.erase(std::remove_if(replicates.begin(), replicates.end(),
                                        [](double v) { return !std::isfinite(v); }),
                         replicates.end());
        std::sort(replicates.begin(), replicates.end());
        total.percentile_lower = quantile(replicates, (1 - level) / 2);
        total.percentile_upper = quantile(replicates, (1 + level) / 2);
    }
}

}  // namespace

std::optional<double> share_seen_of(const Library& library, const Resample& sums,
                                    std::optional<double> s_held, bool seven,
                                    const SevenHistoriesFit* near) {
    if (seven) {
        // A replicate that drew no block with a dog seen twice (or none seen on count 1) fits on
        // the box's edge, and its q would swamp the spread: it tells nothing of q.
        if (sums.seen_at_all() == 0 || !why_not_estimable(sums.histories).empty()) {
            return std::nullopt;
        }
        const auto fit = fit_seven_histories(sums.histories, s_held, false, near);
        return fit ? std::optional<double>(fit->seen_any) : std::nullopt;
    }
    Counts counts{};
    for (std::size_t i = 0; i < 4; ++i) {
        if (sums.histories[i] < 0 || sums.histories[i] > std::numeric_limits<std::int32_t>::max()) {
            return std::nullopt;
        }
        counts[i] = std::int32_t(sums.histories[i]);
    }
    if (sums.seen_on_count_one() == 0) return std::nullopt;
    // Most samples have their maximum inside the box, in closed form; only the others need the
    // edges searched.
    const Model model(library.loglik, counts, s_held, kSurveyFloorOfS);
    const std::optional<Point> inside = model.interior_maximum();
    const Point top = inside ? *inside : model.maximum();
    if (!std::isfinite(top.value)) return std::nullopt;
    if (!s_held && prefers_no_territorial(model, top)) {
        return share_seen(0, model.best_without_always_visible().p);
    }
    return share_seen(top.s, top.p);
}

std::optional<double> stratum_total(const Library& library, const Stratum& stratum) {
    if (stratum.blocks.empty() || (!stratum.blocks_total && !stratum.weighted()))
        return std::nullopt;
    const Resample sums = sample_sums(stratum);
    if (sums.weighted_seen == 0) return 0.0;  // nobody seen: nothing to scale up
    if (stratum.s_held_differs) return std::nullopt;
    const std::optional<double> q =
        share_seen_of(library, sums, stratum.s_held, stratum.has_later());
    if (!q) return std::nullopt;
    const double scale =
        stratum.weighted() ? 1.0 : double(*stratum.blocks_total) / double(stratum.blocks.size());
    return scale * sums.weighted_seen / *q;
}

double quantile(const std::vector<double>& sorted, double q) {
    if (sorted.empty()) return NAN;
    const double at = q * double(sorted.size() - 1);
    const std::size_t below = std::size_t(std::floor(at));
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] + (at - double(below)) * (sorted[above] - sorted[below]);
}

namespace {

// A total past the largest double is no count of dogs: the weights (or K) are a slip.
constexpr const char* kTooLarge =
    "the total is too large to be a number of dogs: look at the weights and numbers of blocks";

// One stratum's total from its sample, and what its bootstrap needs.
struct StratumEstimate {
    TotalEstimate total;
    // What the total is to be read with, in the order found: said in its row, and in the city's
    // under the stratum's name.
    std::vector<TotalNote> notes;
    Resample sums;                                // the sample: each block once
    std::optional<double> q;                      // the share seen of the sample
    std::optional<SevenHistoriesFit> sample_fit;  // the seven-history fit q is from
    bool resampled = false;  // a total of some dogs from two blocks or more: it has an interval
    // A replicate's dogs seen deviate from the sample's by `spread`, its share seen on the log
    // scale by `refit`, and its total is `scale` times its dogs over its share seen.
    double scale = 1, spread = 1, refit = 1;
    std::optional<double> variance;  // the total's, when the bootstrap gave one
};

void tell(StratumEstimate& estimate, TotalNote::Kind kind, std::int64_t count = 0,
          std::int64_t of = 0) {
    const TotalNote note{kind, count, of, "", false};
    estimate.total.notes.push_back(note);
    estimate.notes.push_back(note);
}

// The stratum's total from its sample, (K_h / k_h) sum n_b / q_h (sum w_b n_b / q_h with
// weights), q_h from the fit of its summed histories; or why it has none.
StratumEstimate estimate_stratum(const Library& library, const Stratum& stratum) {
    StratumEstimate e;
    TotalEstimate& total = e.total;
    total.name = stratum.name;
    const bool seven = stratum.has_later(), weighted = stratum.weighted();
    e.sums = sample_sums(stratum);
    // The dogs the total stands on: seen on count 1, or at least once with seven histories.
    total.identified = seven ? e.sums.seen_at_all() : stratum.dogs_identified();
    total.first_count = stratum.dogs_identified();
    if (seven) total.seen_at_least_once = total.identified;
    const std::int64_t k = std::int64_t(stratum.blocks.size());
    if (stratum.left_out > 0) {
        tell(e, TotalNote::Kind::blocks_left_out, stratum.left_out, k);
    }
    // Counts that cannot tell the share ever seen give a fit on the box's edges, and a total
    // and replicates as wild as the box allows: no q at all.
    if (seven && !stratum.s_held_differs && why_not_estimable(e.sums.histories).empty()) {
        e.sample_fit = fit_seven_histories(e.sums.histories, stratum.s_held, false);
    }
    if (e.sample_fit) {
        e.q = e.sample_fit->seen_any;
    } else if (!seven && !stratum.s_held_differs) {
        e.q = share_seen_of(library, e.sums, stratum.s_held, false);
    }
    if (!stratum.blocks_total && !weighted) {
        total.why_not = "no number of blocks was given for this stratum";
    } else if (k == 0) {
        total.why_not = "no block of this stratum could be read";
    } else if (total.identified == 0) {
        total.dogs = 0.0;
        tell(e, TotalNote::Kind::no_dog_seen);
    } else if (!e.q) {
        const std::string why = why_not_estimated(stratum);
        total.why_not =
            why.empty() ? "the visibility of this stratum's blocks cannot be fitted" : why;
    } else {
        total.dogs = (weighted ? 1.0 : double(*stratum.blocks_total) / double(k)) *
                     e.sums.weighted_seen / *e.q;
        if (!std::isfinite(*total.dogs)) {
            total.dogs.reset();
            total.why_not = kTooLarge;
        }
    }
    if (!total.dogs || total.identified == 0) return e;
    if (k < 2) {
        // One block says nothing of how blocks differ: no interval, for it or the city. (A
        // weighted stratum has no K_h, and says 0.)
        tell(e, TotalNote::Kind::one_sampled_block, stratum.blocks_total.value_or(0));
        return e;
    }
    // The finite population reduces the spread between blocks only (and a weighted sample is
    // taken as drawn with replacement: no finite population).
    e.resampled = true;
    const double kk = double(k);
    const double K = weighted ? kk : double(*stratum.blocks_total);
    e.scale = weighted ? 1.0 : K / kk;
    e.refit = std::sqrt(kk / (kk - 1));
    e.spread = weighted ? e.refit : std::sqrt(std::fmax(0.0, 1 - kk / K)) * e.refit;
    return e;
}

// The stratum's total on a replicate of its blocks: its dogs seen and its share seen, each
// deviating from the sample's by its own factor.
double replicate_total(const Library& library, const Stratum& stratum, const StratumEstimate& e,
                       const Resample& replicate) {
    const double n = e.sums.weighted_seen;
    const double seen = replicate.weighted_seen;
    double q_b = *e.q;  // a replicate that saw nobody says nothing of q
    if (seen > 0) {
        const std::optional<double> refitted =
            share_seen_of(library, replicate, stratum.s_held, stratum.has_later(),
                          e.sample_fit ? &*e.sample_fit : nullptr);
        q_b = refitted ? std::fmin(1.0, *e.q * std::pow(*refitted / *e.q, e.refit)) : NAN;
    }
    return e.scale * (n + e.spread * (seen - n)) / q_b;
}

// The stratum's standard error and interval from its replicate totals, or why it has none.
void read_interval(StratumEstimate& e, const Stratum& stratum,
                   const std::vector<double>& replicates, double level, IntervalMethod method) {
    const auto [variance, finite] = variance_of(replicates);
    if (finite < 2) {
        tell(e, TotalNote::Kind::too_few_replicates);
        return;
    }
    if (!std::isfinite(variance)) {
        // Replicates near the largest double square past it: no spread to give.
        tell(e, TotalNote::Kind::spread_too_large);
        return;
    }
    // The first count's binomial part that the finite-population factor took away (none with
    // weights, where there is no such factor).
    const double v = variance + (stratum.weighted() ? 0.0 : *e.total.dogs * (1 - *e.q) / *e.q);
    e.total.standard_error = std::sqrt(v);
    set_interval(e.total, level, method, double(stratum.blocks.size()) - 1, replicates);
    e.variance = v;
}

// The city's total: the strata's totals summed, their notes said under their names, and their
// variances added, with Satterthwaite's degrees of freedom (sum v_h)^2 / sum v_h^2 / (k_h - 1):
// k - 1 for one stratum, fewer when one stratum's few blocks carry most of the uncertainty. The
// city's replicates, for its percentiles, are the sums of the strata's.
// `replicates[i]` are those of stratum `drawn[i]`.
TotalEstimate city_sum(const SurveyDesign& design, const std::vector<StratumEstimate>& strata,
                       const std::vector<std::size_t>& drawn,
                       const std::vector<std::vector<double>>& replicates, double level,
                       const BootstrapPlan& plan) {
    TotalEstimate city;
    city.dogs = 0.0;
    std::vector<double> city_replicates(std::size_t(std::max(plan.replicates, 0)), 0.0);
    double variance_sum = 0, variance_share = 0;
    bool city_interval = true;
    const bool named = design.strata.size() > 1 ||
                       (design.strata.size() == 1 && !design.strata.front().name.empty());
    std::vector<TotalNote> city_notes;
    std::size_t slot = 0;  // in `drawn`
    for (std::size_t h = 0; h < strata.size(); ++h) {
        const Stratum& stratum = design.strata[h];
        const TotalEstimate& total = strata[h].total;
        city.identified += total.identified;
        city.first_count += total.first_count;
        if (stratum.has_later()) {
            if (h == 0 || city.seen_at_least_once)
                city.seen_at_least_once = city.seen_at_least_once.value_or(0) + total.identified;
        } else {
            city.seen_at_least_once.reset();
        }
        // The survey as one stratum has the city's row only.
        for (TotalNote note : strata[h].notes) {
            note.stratum = stratum.name;
            note.named = named;
            city_notes.push_back(std::move(note));
        }
        if (!total.dogs) {
            city.why_not = "stratum \"" + stratum.name + "\": " + total.why_not;
            city.dogs.reset();
            city_interval = false;
        } else if (city.dogs) {
            *city.dogs += *total.dogs;
        }
        if (const std::optional<double> v = strata[h].variance) {
            variance_sum += *v;
            variance_share += *v * *v / (double(stratum.blocks.size()) - 1);
            // A stratum with a variance was drawn: its replicates are the next in `replicates`.
            while (drawn[slot] != h)
                ++slot;
            const std::vector<double>& own = replicates[slot];
            for (std::size_t b = 0; b < city_replicates.size(); ++b)
                city_replicates[b] += own[b];
        } else if (total.dogs && total.identified > 0) {
            city_interval = false;  // a stratum with dogs and no interval leaves the city none
        }
    }
    if (design.unplaced > 0) {
        city_notes.push_back({TotalNote::Kind::rows_unplaced, design.unplaced, 0, "", false});
    }
    // What every interval of a survey rests on, said where the number is read.
    const bool weighted = std::any_of(design.strata.begin(), design.strata.end(),
                                      [](const Stratum& s) { return s.weighted(); });
    city_notes.push_back(
        {weighted ? TotalNote::Kind::weights_as_given : TotalNote::Kind::drawn_at_random, 0, 0, "",
         false});
    city_notes.push_back({TotalNote::Kind::shy_dogs_unseen, 0, 0, "", false});
    if (city.dogs && !std::isfinite(*city.dogs)) {
        city.dogs.reset();
        city.why_not = kTooLarge;
        city_interval = false;
    }
    if (city.dogs) city.notes = std::move(city_notes);
    if (city.dogs && city_interval && variance_sum > 0) {
        city.standard_error = std::sqrt(variance_sum);
        set_interval(city, level, plan.interval, variance_sum * variance_sum / variance_share,
                     city_replicates);
    }
    return city;
}

}  // namespace

std::vector<TotalEstimate> city_totals(const Library& library, const SurveyDesign& design,
                                       double level, const BootstrapPlan& plan) {
    std::vector<StratumEstimate> strata;
    std::vector<bool> resampled;
    std::vector<std::size_t> drawn;  // the strata resampled, in order: the bootstrap's estimates
    for (std::size_t h = 0; h < design.strata.size(); ++h) {
        strata.push_back(estimate_stratum(library, design.strata[h]));
        resampled.push_back(strata.back().resampled);
        if (strata.back().resampled) drawn.push_back(h);
    }
    // One bootstrap of the design gives the replicate totals of every stratum with an interval
    // to give; the others are not drawn.
    const std::vector<std::vector<double>> replicates = bootstrap(
        design, plan, drawn.size(),
        [&](DesignReplicate replicate) {
            std::vector<double> totals;
            for (std::size_t h : drawn)
                totals.push_back(
                    replicate_total(library, design.strata[h], strata[h], replicate[h]));
            return totals;
        },
        resampled);
    std::vector<TotalEstimate> totals;
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        const std::size_t h = drawn[i];
        read_interval(strata[h], design.strata[h], replicates[i], level, plan.interval);
    }
    for (const StratumEstimate& stratum : strata)
        totals.push_back(stratum.total);
    totals.push_back(city_sum(design, strata, drawn, replicates, level, plan));
    return totals;
}

}  // namespace kestrivo::analysis
