// make_report: the exact maximum, then every quantity from the profiles.
#include "analysis/inference_report.h"

#include <algorithm>
#include <boost/math/distributions/chi_squared.hpp>
#include <cmath>
#include <numeric>

#include "analysis/dogs_on_block.h"
#include "analysis/one_dimension.h"
#include "analysis/vector_state.h"

namespace kestrivo::analysis {
namespace {

// Limits of S, P and q, all at least 0.01: to 1e-10 of themselves or better.
constexpr double kRootTolerance = 1e-12;

}  // namespace

namespace {

// The interval where `profile` stays at or above `threshold`, from the estimate out to each edge
// of [low, high]; a side that never falls below it ends at the edge.
template <class Profile>
Interval limits(Profile profile, double estimate, double low, double high, double threshold) {
    Interval interval;
    const double tolerance = 1e-12;
    const auto g = [&](double x) { return profile(x) - threshold; };
    const double at_estimate = g(estimate);
    const auto side = [&](double edge, double& limit, bool& at_bound) {
        const double at_edge = g(edge);
        if (std::fabs(edge - estimate) <= tolerance || at_edge >= 0) {
            limit = edge;
            at_bound = true;
        } else if (!(at_estimate > 0)) {
            limit = estimate;
        } else if (edge > estimate) {
            limit = crossing(g, estimate, edge, at_estimate, at_edge, kRootTolerance);
        } else {
            limit = crossing(g, edge, estimate, at_edge, at_estimate, kRootTolerance);
        }
    };
    side(low, interval.lower, interval.lower_at_bound);
    side(high, interval.upper, interval.upper_at_bound);
    return interval;
}

template <class T>
Quantity<T> none(const std::string& why) {
    return {std::nullopt, why};
}

// With S held the profile of P is the likelihood itself, which can have two peaks: the P within
// the limits are found from its turning points, each monotone stretch between them crossing the
// threshold at most once. Several pieces are all kept; the one that holds the estimate is the
// interval.
Interval held_s_limits(const Model& model, double s, double estimate, double threshold) {
    std::vector<double> ends{kLowerBound};
    for (double t : model.turning_points_p(s)) {
        if (t > ends.back() && t < kUpperBound) ends.push_back(t);
    }
    ends.push_back(kUpperBound);
    const auto g = [&](double p) { return model.at(s, p) - threshold; };
    std::vector<std::pair<double, double>> pieces;
    double at_a = g(ends[0]);
    bool in_piece = at_a >= 0;
    double start = ends[0];  // where the piece being built begins, while in_piece
    for (std::size_t k = 0; k + 1 < ends.size(); ++k) {
        const double a = ends[k], b = ends[k + 1];
        const double at_b = g(b);
        if ((at_a >= 0) != (at_b >= 0)) {
            const double x = crossing(g, a, b, at_a, at_b, kRootTolerance);
            if (in_piece) pieces.emplace_back(start, x);
            start = x;
            in_piece = !in_piece;
        }
        at_a = at_b;
    }
    if (in_piece) pieces.emplace_back(start, kUpperBound);

    Interval interval;
    interval.lower = interval.upper = estimate;
    for (const auto& [lo, hi] : pieces) {
        if (lo <= estimate + 1e-9 && estimate - 1e-9 <= hi) {
            interval.lower = std::fmin(lo, estimate);
            interval.upper = std::fmax(hi, estimate);
        }
    }
    interval.lower_at_bound = interval.lower == kLowerBound;
    interval.upper_at_bound = interval.upper == kUpperBound;
    if (pieces.size() > 1) interval.pieces = pieces;
    return interval;
}

// Every quantity that depends on the fit gets the same reason.
void nothing_estimated(Report& report, const std::string& why) {
    report.estimates = none<Estimates>(why);
    report.s_limits = report.p_limits = report.seen_limits = none<Interval>(why);
    report.dogs = none<DogsOnBlock>(why);
    report.fit_check = none<FitCheck>(why);
    report.always_visible = none<AlwaysVisibleTest>(why);
}

std::string number_text(double value) {
    std::string text = std::to_string(value);
    text.erase(text.find_last_not_of('0') + 1);
    if (!text.empty() && text.back() == '.') text.pop_back();
    return text;
}

Fit maximum_of(const Model& model) {
    const Point top = model.maximum();
    return {top.s, top.p, top.value};
}

// Why the request cannot be fitted at all, or "". `n` is the dogs counted, when no count is
// negative.
std::string unusable(const Library& library, const Request& request,
                     std::optional<std::int64_t> n) {
    if (!library.loglik) return "the likelihood library is not bound";
    if (!(request.level > 0 && request.level < 1)) return "the level must lie between 0 and 1";
    if (!n) return "a count is negative";
    if (request.s_held && !(*request.s_held >= 0 && *request.s_held <= 1)) {
        return "S is held outside 0 to 1";
    }
    return "";
}

void fill(Report& report, const Library& library) {
    const Request& request = report.request;
    using boost::math::chi_squared_distribution;
    report.drop =
        boost::math::quantile(chi_squared_distribution<double, MathPolicy>(1), request.level) / 2;

    const Model model(library.loglik, request.counts, request.s_held, request.s_floor);
    Fit fit = maximum_of(model);
    if (!std::isfinite(fit.log_likelihood)) {
        nothing_estimated(
            report, "the counts are impossible when S is held at " + number_text(*request.s_held));
        return;
    }
    if (request.fit_entry) {
        const double rounding = 1e-9 * std::fmax(1.0, std::fabs(fit.log_likelihood));
        if (std::fabs(request.fit_entry->log_likelihood - fit.log_likelihood) > rounding) {
            report.fits_apart = Report::FitsApart{*request.fit_entry, fit};
            // Should the fit entry have found a higher point, the report is built on that one:
            // the estimate is always the highest point known.
            if (request.fit_entry->log_likelihood > fit.log_likelihood) fit = *request.fit_entry;
        }
    }

    const double q = share_seen(fit.s, fit.p);
    const bool p_identified = !(request.s_held && *request.s_held >= 1);
    report.estimates = {Estimates{fit.s, fit.p, q, fit.log_likelihood, p_identified}, ""};
    const double threshold = fit.log_likelihood - report.drop;

    if (!p_identified) {
        report.p_limits = none<Interval>(
            "with S held at 1 every dog is seen on every count, so the counts say nothing of P");
    } else if (request.s_held) {
        report.p_limits = {held_s_limits(model, *request.s_held, fit.p, threshold), ""};
    } else {
        report.p_limits = {limits([&](double p) { return model.profile_p(p); }, fit.p, kLowerBound,
                                  kUpperBound, threshold),
                           ""};
    }
    if (model.s_free()) {
        report.s_limits = {limits([&](double s) { return model.profile_s(s); }, fit.s,
                                  request.s_floor, kUpperBound, threshold),
                           ""};
        report.s_bound = bound_of(fit.s, request.s_floor);
    } else {
        report.s_limits = none<Interval>("S is held, not estimated");
    }
    if (p_identified) report.p_bound = bound_of(fit.p);
    const auto [q_low, q_high] = model.seen_range();
    report.seen_limits = {
        limits([&](double x) { return model.profile_seen(x); }, q, q_low, q_high, threshold), ""};

    const std::int64_t n = *report.n;
    const DogLimits dogs = dog_limits(model, n, report.drop);
    // The limits come from the full likelihood of (N, q), whose top can lie a little away from
    // n / q at the histories' own estimate of q (most where q sits near an edge of its range,
    // or at a level near 0). The interval is widened to hold the estimate it is reported with.
    const double n_hat = double(n) / q;
    report.dogs = {DogsOnBlock{n_hat, std::fmin(dogs.lower, n_hat), std::fmax(dogs.upper, n_hat)},
                   ""};

    // G2 = 2 (sum c ln(c / n) - max log L), the same sum as 2 sum c ln(c / (n pi)).
    double saturated = 0;
    for (int32_t c : request.counts) {
        if (c > 0) saturated += c * std::log(double(c) / double(n));
    }
    // A fit that reproduces the counts leaves a difference of two sums' rounding, of either
    // sign and of a size that depends on libm's last bits: that is a deviance of 0, written
    // alike on every machine.
    const double gap = 2 * (saturated - fit.log_likelihood);
    const double deviance = gap > 1e-12 * (1 + std::fabs(saturated)) ? gap : 0.0;
    // S held at the floor 0 by the box (no territorial dogs) is a parameter the data did not
    // estimate: the test then has the degree of freedom that S would have taken.
    const bool s_estimated = model.s_free() && !(request.s_floor == 0 && fit.s <= 1e-9);
    const int df = 3 - (s_estimated ? 2 : 1);
    report.fit_check = {FitCheck{deviance, df,
                                 boost::math::cdf(boost::math::complement(
                                     chi_squared_distribution<double, MathPolicy>(df), deviance))},
                        ""};

    if (model.s_free()) {
        const Point without = model.best_without_always_visible();
        const double statistic = std::fmax(0.0, 2 * (fit.log_likelihood - without.value));
        const double p = statistic > 0
                             ? boost::math::cdf(boost::math::complement(
                                   chi_squared_distribution<double, MathPolicy>(1), statistic)) /
                                   2
                             : 1.0;
        report.always_visible = {AlwaysVisibleTest{statistic, p}, ""};
    } else {
        report.always_visible = none<AlwaysVisibleTest>("S is held, not estimated");
    }
}

}  // namespace

std::string limits_at_edges(const Report& report) {
    std::string names;
    const auto add = [&](const Quantity<Interval>& q, const char* lo, const char* hi) {
        if (!q) return;
        if (q->lower_at_bound) names += std::string(names.empty() ? "" : " ") + lo;
        if (q->upper_at_bound) names += std::string(names.empty() ? "" : " ") + hi;
    };
    add(report.s_limits, "S_lo", "S_hi");
    add(report.p_limits, "P_lo", "P_hi");
    add(report.seen_limits, "seen_lo", "seen_hi");
    return names;
}

Bound bound_of(double value, double lower) {
    if (std::fabs(value - lower) <= 1e-6) return Bound::lower;
    if (std::fabs(value - kUpperBound) <= 1e-6) return Bound::upper;
    return Bound::none;
}

Report make_report(const Library& library, const Request& request) noexcept {
    clear_vector_state();
    Report report;
    try {
        report.request = request;
        if (std::all_of(request.counts.begin(), request.counts.end(),
                        [](int32_t c) { return c >= 0; })) {
            report.n =
                std::accumulate(request.counts.begin(), request.counts.end(), std::int64_t{0});
        }
        if (const std::string why = unusable(library, request, report.n); !why.empty()) {
            nothing_estimated(report, why);
            return report;
        }
        if (*report.n == 0) {
            // Nobody was identified: the block's dogs are at least 0 and nothing bounds them
            // from above; there is no visibility to fit.
            nothing_estimated(report, "no dogs were counted");
            report.empty_block = true;
            report.dogs = {DogsOnBlock{0, 0, std::numeric_limits<double>::infinity()}, ""};
            return report;
        }
        fill(report, library);
    } catch (const std::exception& error) {
        nothing_estimated(report, std::string("the report could not be computed: ") + error.what());
    } catch (...) {
        nothing_estimated(report, "the report could not be computed");
    }
    return report;
}

}  // namespace kestrivo::analysis
