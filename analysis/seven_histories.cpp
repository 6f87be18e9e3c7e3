// fit_seven_histories: each model's maximum by NLopt's BOBYQA from a few starts inside the box
// (the likelihood can have a ridge where S trades against the P's), the fit test and the test of
// S = 0 for each, then AICc and the Akaike weights.
#include "analysis/seven_histories.h"

#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/special_functions/digamma.hpp>
#include <boost/math/tools/roots.hpp>
#include <cmath>
#include <limits>
#include <nlopt.hpp>
#include <vector>

#include "analysis/boost_policy.h"

namespace kestrivo::analysis {
namespace {

constexpr double kFloorOfP = 0.005, kCeilingOfP = 0.995, kCeilingOfS = 0.99;
constexpr double kMinusInfinity = -std::numeric_limits<double>::infinity();

double chi_square_tail(double statistic, int df) {
    if (df <= 0) return 1;
    using boost::math::chi_squared_distribution;
    return boost::math::cdf(boost::math::complement(
        chi_squared_distribution<double, MathPolicy>(df), std::fmax(0.0, statistic)));
}

// The model's free values in NLopt's vector: S first unless held, then one P or three.
struct Layout {
    VisibilityModel model;
    std::optional<double> s_held;
    std::size_t size() const {
        return (s_held ? 0 : 1) + (model == VisibilityModel::by_count ? 3 : 1);
    }
    void unpack(const double* x, double& s, std::array<double, 3>& p) const {
        std::size_t i = 0;
        s = s_held ? *s_held : x[i++];
        if (model == VisibilityModel::by_count) {
            p = {x[i], x[i + 1], x[i + 2]};
        } else {
            p = {x[i], x[i], x[i]};
        }
    }
};

struct Problem {
    const SevenHistories* counts;
    Layout layout;
};

double objective(unsigned, const double* x, double*, void* data) {
    const auto& problem = *static_cast<const Problem*>(data);
    double s;
    std::array<double, 3> p;
    problem.layout.unpack(x, s, p);
    const double value = seven_log_likelihood(*problem.counts, s, p);
    // BOBYQA wants finite values: a point where a seen history has no chance is only far down.
    return std::isfinite(value) ? -value : 1e300;
}

// The best of BOBYQA's searches from `starts` (each S, P), or nothing when none converges.
std::optional<SevenFit> best_fit(
    const SevenHistories& counts, const Layout& layout,
    const std::vector<std::pair<double, std::array<double, 3>>>& starts) {
    Problem problem{&counts, layout};
    const std::size_t n = layout.size();
    std::vector<double> lower, upper;
    if (!layout.s_held) {
        lower.push_back(0);
        upper.push_back(kCeilingOfS);
    }
    for (std::size_t i = 0; i < (layout.model == VisibilityModel::by_count ? 3u : 1u); ++i) {
        lower.push_back(kFloorOfP);
        upper.push_back(kCeilingOfP);
    }
    std::optional<SevenFit> best;
    for (const auto& [s0, p0] : starts) {
        nlopt::opt opt(nlopt::LN_BOBYQA, unsigned(n));
        opt.set_lower_bounds(lower);
        opt.set_upper_bounds(upper);
        opt.set_min_objective(objective, &problem);
        opt.set_xtol_rel(1e-10);
        opt.set_ftol_abs(1e-12);
        opt.set_maxeval(4000);
        std::vector<double> x;
        if (!layout.s_held) x.push_back(s0);
        if (layout.model == VisibilityModel::by_count) {
            x.insert(x.end(), p0.begin(), p0.end());
        } else {
            x.push_back(p0[0]);
        }
        // NLopt refuses a start outside the box, and BOBYQA may step one rounding past an edge.
        for (std::size_t i = 0; i < n; ++i)
            x[i] = std::clamp(x[i], lower[i], upper[i]);
        double value = 0;
        try {
            opt.optimize(x, value);
        } catch (const std::exception&) {
            continue;  // a start that fails leaves the others
        }
        for (std::size_t i = 0; i < n; ++i)
            x[i] = std::clamp(x[i], lower[i], upper[i]);
        SevenFit fit;
        layout.unpack(x.data(), fit.S, fit.P);
        fit.log_likelihood = seven_log_likelihood(counts, fit.S, fit.P);
        if (!std::isfinite(fit.log_likelihood)) continue;
        if (!best || fit.log_likelihood > best->log_likelihood) best = fit;
    }
    return best;
}

void describe(SevenFit& fit, const SevenHistories& counts, const Layout& layout, double n) {
    fit.seen_any = 1 - (1 - fit.S) * (1 - fit.P[0]) * (1 - fit.P[1]) * (1 - fit.P[2]);
    const bool s_on_floor = !layout.s_held && fit.S <= 1e-7;
    fit.parameters = int(layout.size()) - (s_on_floor ? 1 : 0);
    const double k = fit.parameters;
    fit.aicc =
        -2 * fit.log_likelihood + 2 * k +
        (n - k - 1 > 0 ? 2 * k * (k + 1) / (n - k - 1) : std::numeric_limits<double>::infinity());
    // G2 against the seven cells: the saturated log likelihood of the conditional multinomial.
    double saturated = 0;
    for (std::int64_t c : counts) {
        if (c > 0) saturated += double(c) * std::log(double(c) / n);
    }
    fit.deviance = std::fmax(0.0, 2 * (saturated - fit.log_likelihood));
    fit.df = 6 - fit.parameters;
    fit.gof_p = chi_square_tail(fit.deviance, fit.df);
}

}  // namespace

const char* model_name(VisibilityModel model) {
    return model == VisibilityModel::by_count ? "by count" : "constant";
}

double seven_log_likelihood(const SevenHistories& counts, double s,
                            const std::array<double, 3>& p) {
    const double missed_by_all = (1 - s) * (1 - p[0]) * (1 - p[1]) * (1 - p[2]);
    const double any = 1 - missed_by_all;
    if (!(any > 0)) return kMinusInfinity;
    double value = 0;
    std::int64_t n = 0;
    for (std::size_t h = 0; h < 7; ++h) {
        if (counts[h] == 0) continue;
        double other = 1 - s;
        for (std::size_t c = 0; c < 3; ++c)
            other *= kSevenPatterns[h][c] ? p[c] : 1 - p[c];
        const double chance = other + (h == 1 ? s : 0);  // 1,1,1: the territorial dogs too
        if (!(chance > 0)) return kMinusInfinity;
        value += double(counts[h]) * std::log(chance);
        n += counts[h];
    }
    return value - double(n) * std::log(any);
}

std::string why_not_estimable(const SevenHistories& counts) {
    std::int64_t seen = 0, seen_again = 0, on_count_one = 0;
    for (std::size_t h = 0; h < 7; ++h) {
        const auto& pattern = kSevenPatterns[h];
        seen += counts[h];
        if (pattern[0] + pattern[1] + pattern[2] > 1) seen_again += counts[h];
        if (pattern[0]) on_count_one += counts[h];
    }
    if (seen <= 0) return "";
    if (seen_again == 0) {
        return "no dog was seen on more than one count, so nothing tells how many dogs every "
               "count missed: the visibility cannot be estimated";
    }
    if (on_count_one == 0) {
        return "no dog was seen on count 1, only on counts 2 and 3, so the visibility of count 1 "
               "cannot be estimated (was count 1 made and recorded?)";
    }
    return "";
}

std::optional<SevenHistoriesFit> fit_seven_histories(const SevenHistories& counts,
                                                     std::optional<double> s_held, bool with_tests,
                                                     const SevenHistoriesFit* near) {
    std::int64_t n = 0;
    for (std::int64_t c : counts)
        n += c;
    if (n <= 0) return std::nullopt;
    SevenHistoriesFit result;
    result.seen_at_least_once = n;

    const Layout constant{VisibilityModel::constant, s_held};
    std::vector<std::pair<double, std::array<double, 3>>> starts;
    if (near) {
        starts.push_back({near->constant.S, near->constant.P});
    } else {
        for (double s0 : {0.05, 0.4}) {
            for (double p0 : {0.25, 0.6})
                starts.push_back({s0, {p0, p0, p0}});
        }
    }
    const auto c = best_fit(counts, constant, starts);
    if (!c) return std::nullopt;
    result.constant = *c;
    describe(result.constant, counts, constant, double(n));

    const Layout by_count{VisibilityModel::by_count, s_held};
    const auto b =
        near ? best_fit(counts, by_count, {{c->S, c->P}, {near->by_count.S, near->by_count.P}})
             : best_fit(counts, by_count,
                        {{c->S, c->P}, {0.05, {0.3, 0.3, 0.3}}, {0.4, {0.6, 0.4, 0.5}}});
    result.by_count = b ? *b : *c;
    // The constant model is the by-count model with equal P's: never better.
    if (result.by_count.log_likelihood < result.constant.log_likelihood) {
        result.by_count.S = result.constant.S;
        result.by_count.P = result.constant.P;
        result.by_count.log_likelihood = result.constant.log_likelihood;
    }
    describe(result.by_count, counts, by_count, double(n));

    // The test of S = 0 in each model: twice what S gains, against the boundary mixture.
    for (auto [fit, layout] :
         {std::pair{&result.constant, constant}, std::pair{&result.by_count, by_count}}) {
        if (s_held || !with_tests) {
            fit->lrt_S0 = 0;
            fit->lrt_p = 1;
            continue;
        }
        Layout without = layout;
        without.s_held = 0.0;
        const auto zero = best_fit(counts, without, {{0, fit->P}, {0, {0.3, 0.3, 0.3}}});
        const double gain = zero ? 2 * (fit->log_likelihood - zero->log_likelihood) : 0;
        fit->lrt_S0 = std::fmax(0.0, gain);
        fit->lrt_p = fit->lrt_S0 > 0 ? chi_square_tail(fit->lrt_S0, 1) / 2 : 1;
    }

    const double best = std::fmin(result.constant.aicc, result.by_count.aicc);
    const double wc = std::exp(-(result.constant.aicc - best) / 2);
    const double wb = std::exp(-(result.by_count.aicc - best) / 2);
    result.weight_by_count = wb / (wc + wb);
    result.chosen = result.by_count.aicc < result.constant.aicc ? VisibilityModel::by_count
                                                                : VisibilityModel::constant;
    result.seen_any = 1 / ((1 - result.weight_by_count) / result.constant.seen_any +
                           result.weight_by_count / result.by_count.seen_any);
    return result;
}

BinomialDogs binomial_dogs(std::int64_t n_any, double q, double drop) {
    const double n = double(n_any);
    if (n_any <= 0) return {0, 0, std::numeric_limits<double>::infinity()};
    const double estimate = n / q;
    const auto log_likelihood = [&](double N) {
        return std::lgamma(N + 1) - std::lgamma(N - n + 1) + n * std::log(q) +
               (N - n) * std::log1p(-q);
    };
    // The top, where the slope psi(N + 1) - psi(N - n + 1) + ln(1 - q) falls through zero.
    const auto slope = [&](double N) {
        return boost::math::digamma(N + 1, MathPolicy()) -
               boost::math::digamma(N - n + 1, MathPolicy()) + std::log1p(-q);
    };
    double top_n = n;
    if (q < 1 && slope(n) > 0) {
        double hi = std::fmax(2 * estimate, n + 2);
        while (slope(hi) > 0)
            hi *= 2;
        std::uintmax_t iterations = 200;
        const auto root = boost::math::tools::toms748_solve(
            slope, n, hi, boost::math::tools::eps_tolerance<double>(40), iterations);
        top_n = (root.first + root.second) / 2;
    }
    const double threshold = log_likelihood(top_n) - drop;
    const auto falls = [&](double N) { return log_likelihood(N) - threshold; };
    std::uintmax_t iterations = 200;
    double lower = n;
    if (falls(n) < 0) {
        const auto root = boost::math::tools::toms748_solve(
            falls, n, top_n, boost::math::tools::eps_tolerance<double>(40), iterations);
        lower = (root.first + root.second) / 2;
    }
    double upper = std::numeric_limits<double>::infinity();
    if (q < 1) {
        double hi = std::fmax(2 * top_n, top_n + 4);
        while (falls(hi) > 0 && hi < 1e15)
            hi *= 2;
        if (falls(hi) <= 0) {
            iterations = 200;
            const auto root = boost::math::tools::toms748_solve(
                falls, top_n, hi, boost::math::tools::eps_tolerance<double>(40), iterations);
            upper = (root.first + root.second) / 2;
        }
    } else {
        upper = n;
    }
    return {estimate, std::fmin(lower, estimate), std::fmax(upper, estimate)};
}

}  // namespace kestrivo::analysis
