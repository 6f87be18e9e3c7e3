// city_totals: point totals from the pooled fits; replicates of each stratum's dogs seen and share
// seen from its resampled summed histories, rescaled apart; the strata's variances added into the
// city's.
#include "analysis/city_total.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

#include <boost/math/distributions/students_t.hpp>

#include "analysis/boost_policy.h"
#include "analysis/parallel_for.h"
#include "analysis/pooled_visibility.h"
#include "analysis/seven_histories.h"

namespace kestrivo::analysis {
namespace {

// 128 bits, for drawing a block from 64 random bits by multiplying (a GCC and Clang extension).
__extension__ typedef unsigned __int128 Wide;

std::int64_t seen_on_count_one(const Resample& r) {
    return r.histories[0] + r.histories[1] + r.histories[2] + r.histories[3];
}

std::int64_t seen_at_all(const Resample& r) {
    return seen_on_count_one(r) + r.histories[4] + r.histories[5] + r.histories[6];
}

// Block b's histories added to `r`, and its dogs seen with its weight.
void add_block(Resample& r, const Stratum& stratum, std::size_t b, bool seven) {
    const Counts& c = stratum.blocks[b];
    for (std::size_t i = 0; i < 4; ++i)
        r.histories[i] += c[i];
    const Later* later = seven ? &stratum.later[b] : nullptr;
    if (later) {
        for (std::size_t i = 0; i < 3; ++i)
            r.histories[4 + i] += (*later)[i];
    }
    const double w = stratum.weighted() ? stratum.weights[b] : 1.0;
    r.weighted_seen += w * double(dogs_seen(c, later));
}

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

void add_note(std::string& note, const std::string& more) {
    if (more.empty()) return;
    note += (note.empty() ? "" : "; ") + more;
}

std::string blocks_text(std::int64_t count) {
    return std::to_string(count) + (count == 1 ? " block" : " blocks");
}

}  // namespace

std::int64_t dogs_seen(const Counts& c, const Later* later) {
    std::int64_t n = std::int64_t{c[0]} + c[1] + c[2] + c[3];
    if (later) n += std::int64_t{(*later)[0]} + (*later)[1] + (*later)[2];
    return n;
}

Resample sample_sums(const Stratum& stratum) {
    Resample r;
    const bool seven = stratum.has_later();
    for (std::size_t b = 0; b < stratum.blocks.size(); ++b)
        add_block(r, stratum, b, seven);
    return r;
}

std::vector<Resample> resampled_sums(const Stratum& stratum, std::size_t h,
                                     const BootstrapPlan& plan) {
    std::seed_seq seed{std::uint64_t{plan.seed}, std::uint64_t{h}};
    std::mt19937_64 random(seed);
    const std::size_t k = stratum.blocks.size();
    std::vector<Resample> sums(std::size_t(std::max(plan.replicates, 0)));
    if (k == 0) return sums;
    // Each block once, as the sums need it, in one contiguous array: a replicate is k draws and
    // k additions of eight numbers, whatever the block holds.
    struct Packed {
        std::array<std::int64_t, 7> histories;
        double weighted_seen;
    };
    std::vector<Packed> packed(k);
    const bool seven = stratum.has_later();
    for (std::size_t b = 0; b < k; ++b) {
        Resample one;
        add_block(one, stratum, b, seven);
        packed[b] = {one.histories, one.weighted_seen};
    }
    // A draw from 0 .. k - 1 by multiplying out the 64 random bits (Lemire's reduction): unbiased
    // to far below the bootstrap's own noise, much faster than a remainder, and unlike the
    // standard distributions it draws the same on every library.
    const auto draw = [&] { return std::size_t((static_cast<Wide>(random()) * k) >> 64); };
    if (!seven && !stratum.weighted()) {
        // The four histories alone, the dogs seen their sum: half the additions.
        for (Resample& r : sums) {
            for (std::size_t i = 0; i < k; ++i) {
                const Packed& p = packed[draw()];
                for (std::size_t c = 0; c < 4; ++c)
                    r.histories[c] += p.histories[c];
            }
            r.weighted_seen = double(seen_on_count_one(r));
        }
        return sums;
    }
    for (Resample& r : sums) {
        for (std::size_t i = 0; i < k; ++i) {
            const Packed& p = packed[draw()];
            for (std::size_t c = 0; c < 7; ++c)
                r.histories[c] += p.histories[c];
            r.weighted_seen += p.weighted_seen;
        }
    }
    return sums;
}

std::optional<double> share_seen_of(const Library& library, const Resample& sums,
                                    std::optional<double> s_held, bool seven,
                                    const SevenHistoriesFit* near) {
    if (seven) {
        // A replicate that drew no block with a dog seen twice (or none seen on count 1) fits on
        // the box's edge, and its q would swamp the spread: it tells nothing of q.
        if (seen_at_all(sums) == 0 || !why_not_estimable(sums.histories).empty()) {
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
    if (seen_on_count_one(sums) == 0) return std::nullopt;
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

std::vector<TotalEstimate> city_totals(const Library& library, const SurveyDesign& design,
                                       double level, const BootstrapPlan& plan) {
    std::vector<TotalEstimate> totals;
    TotalEstimate city;
    city.dogs = 0.0;
    const std::size_t count = std::size_t(std::max(plan.replicates, 0));
    std::vector<double> city_replicates(count, 0.0);
    // Satterthwaite's degrees of freedom for the city: (sum v_h)^2 / sum v_h^2 / (k_h - 1), v_h
    // each stratum's variance; k - 1 for one stratum, fewer when one stratum's few blocks carry
    // most of the uncertainty.
    double variance_sum = 0, variance_share = 0;
    bool city_interval = true;
    const bool named = design.strata.size() > 1 ||
                       (design.strata.size() == 1 && !design.strata.front().name.empty());
    std::string city_note;
    // A total past the largest double is no count of dogs: the weights (or K) are a slip.
    const std::string too_large =
        "the total is too large to be a number of dogs: look at the weights and numbers of blocks";
    for (std::size_t h = 0; h < design.strata.size(); ++h) {
        const Stratum& stratum = design.strata[h];
        TotalEstimate total;
        total.name = stratum.name;
        // The dogs the total stands on: seen on count 1, or at least once with seven histories.
        total.identified =
            stratum.has_later() ? seen_at_all(sample_sums(stratum)) : stratum.dogs_identified();
        city.identified += total.identified;
        total.first_count = stratum.dogs_identified();
        city.first_count += total.first_count;
        if (stratum.has_later()) {
            total.seen_at_least_once = total.identified;
            if (h == 0 || city.seen_at_least_once)
                city.seen_at_least_once = city.seen_at_least_once.value_or(0) + total.identified;
        } else {
            city.seen_at_least_once.reset();
        }
        // What a stratum's total is to be read with is said in its row, and in the city's under
        // the stratum's name (the survey as one stratum has the city's row only).
        const auto tell = [&](const std::string& what) {
            add_note(total.note, what);
            add_note(city_note, named ? "stratum \"" + stratum.name + "\": " + what : what);
        };
        const std::int64_t k = std::int64_t(stratum.blocks.size());
        if (stratum.left_out > 0) {
            tell(blocks_text(stratum.left_out) + " of this stratum could not be read and " +
                 (stratum.left_out == 1 ? "is" : "are") + " left out: the total treats the " +
                 blocks_text(k) + " read as the sample");
        }
        const bool seven = stratum.has_later(), weighted = stratum.weighted();
        const Resample sums = sample_sums(stratum);
        std::optional<SevenHistoriesFit> sample_fit;
        // Counts that cannot tell the share ever seen give a fit on the box's edges, and a total
        // and replicates as wild as the box allows: no q at all.
        if (seven && !stratum.s_held_differs && why_not_estimable(sums.histories).empty()) {
            sample_fit = fit_seven_histories(sums.histories, stratum.s_held, false);
        }
        std::optional<double> q;
        if (sample_fit) {
            q = sample_fit->seen_any;
        } else if (!seven && !stratum.s_held_differs) {
            q = share_seen_of(library, sums, stratum.s_held, false);
        }
        if (!stratum.blocks_total && !weighted) {
            total.why_not = "no number of blocks was given for this stratum";
        } else if (k == 0) {
            total.why_not = "no block of this stratum could be read";
        } else if (total.identified == 0) {
            total.dogs = 0.0;
            tell(
                "no dog was seen on the sampled blocks, so there is no visibility to scale them "
                "up by: the total is the 0 dogs identified, with no interval");
        } else if (!q) {
            const std::string why = why_not_estimated(stratum);
            total.why_not =
                why.empty() ? "the visibility of this stratum's blocks cannot be fitted" : why;
        } else {
            total.dogs = (weighted ? 1.0 : double(*stratum.blocks_total) / double(k)) *
                         sums.weighted_seen / *q;
            if (!std::isfinite(*total.dogs)) {
                total.dogs.reset();
                total.why_not = too_large;
            }
        }
        if (!total.dogs) {
            city.why_not = "stratum \"" + stratum.name + "\": " + total.why_not;
            city.dogs.reset();
            city_interval = false;
        } else if (city.dogs) {
            *city.dogs += *total.dogs;
        }

        if (total.dogs && total.identified > 0 && k < 2) {
            // One block says nothing of how blocks differ: no interval, for it or the city.
            tell("one sampled block of " + std::to_string(*stratum.blocks_total) +
                 " gives no estimate of the sampling error");
            city_interval = false;
        } else if (total.dogs && total.identified > 0) {
            // Each replicate's dogs seen and share seen, rescaled apart: the finite population
            // reduces the spread between blocks only (and a weighted sample is taken as drawn
            // with replacement: no finite population).
            const double kk = double(k);
            const double K = weighted ? kk : double(*stratum.blocks_total);
            const double scale = weighted ? 1.0 : K / kk;
            const double n = sums.weighted_seen;
            const double refit = std::sqrt(kk / (kk - 1));
            const double spread = weighted ? refit : std::sqrt(std::fmax(0.0, 1 - kk / K)) * refit;
            const std::vector<Resample> resampled = resampled_sums(stratum, h, plan);
            std::vector<double> replicates(resampled.size());
            parallel_for(resampled.size(), plan.jobs, [&](std::size_t b) {
                if (plan.cancel && plan.cancel->load()) {
                    replicates[b] = NAN;
                    return;
                }
                const double seen = resampled[b].weighted_seen;
                double q_b = *q;  // a replicate that saw nobody says nothing of q
                if (seen > 0) {
                    const std::optional<double> refitted =
                        share_seen_of(library, resampled[b], stratum.s_held, seven,
                                      sample_fit ? &*sample_fit : nullptr);
                    q_b = refitted ? std::fmin(1.0, *q * std::pow(*refitted / *q, refit)) : NAN;
                }
                replicates[b] = scale * (n + spread * (seen - n)) / q_b;
            });
            const auto [variance, finite] = variance_of(replicates);
            if (finite < 2) {
                tell("too few bootstrap replicates could be fitted for an interval");
                city_interval = false;
            } else if (!std::isfinite(variance)) {
                // Replicates near the largest double square past it: no spread to give.
                tell("the bootstrap's spread is too large to be a number, so there is no interval");
                city_interval = false;
            } else {
                // The first count's binomial part that the finite-population factor took away
                // (none with weights, where there is no such factor).
                const double v = variance + (weighted ? 0.0 : *total.dogs * (1 - *q) / *q);
                total.standard_error = std::sqrt(v);
                set_interval(total, level, plan.interval, kk - 1, replicates);
                variance_sum += v;
                variance_share += v * v / (kk - 1);
                for (std::size_t b = 0; b < count; ++b)
                    city_replicates[b] += replicates[b];
            }
        }
        totals.push_back(total);
    }
    if (design.unplaced > 0) {
        add_note(city_note, std::to_string(design.unplaced) +
                                (design.unplaced == 1 ? " row" : " rows") +
                                " could not be read, so their strata are unknown: the totals "
                                "treat the blocks read as the sample");
    }
    // What every interval of a survey rests on, said where the number is read.
    const bool weighted = std::any_of(design.strata.begin(), design.strata.end(),
                                      [](const Stratum& s) { return s.weighted(); });
    add_note(city_note, weighted ? "the interval takes each block's weight as given, the blocks "
                                   "as drawn with replacement within their stratum"
                                 : "the interval assumes the blocks of each stratum were drawn "
                                   "at random");
    if (city.dogs && !std::isfinite(*city.dogs)) {
        city.dogs.reset();
        city.why_not = too_large;
        city_interval = false;
    }
    if (city.dogs) city.note = city_note;
    if (city.dogs && city_interval && variance_sum > 0) {
        city.standard_error = std::sqrt(variance_sum);
        set_interval(city, level, plan.interval, variance_sum * variance_sum / variance_share,
                     city_replicates);
    }
    totals.push_back(city);
    return totals;
}

}  // namespace kestrivo::analysis
