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
#include "analysis/box_newton.h"
#include "analysis/jet.h"

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

// The log likelihood of the histories conditional on being seen at least once (chance `any`),
// where a dog without a territory is seen on count c with chance visible(c, seen before c). `T`
// is double, or a Jet that carries the derivatives in the model's free values along.
template <typename T, typename Visible>
T conditional_log_likelihood(const SevenHistories& counts, const T& s, const T& any,
                             const Visible& visible) {
    using std::log;
    if (!(value_of(any) > 0)) return T(kMinusInfinity);
    T value(0.0);
    std::int64_t n = 0;
    for (std::size_t h = 0; h < 7; ++h) {
        if (counts[h] == 0) continue;
        T other = 1 - s;
        bool seen_before = false;
        for (std::size_t c = 0; c < 3; ++c) {
            const T p = visible(c, seen_before);
            other *= kSevenPatterns[h][c] ? p : 1 - p;
            seen_before = seen_before || kSevenPatterns[h][c];
        }
        const T chance = h == 1 ? other + s : other;  // 1,1,1: the territorial dogs too
        if (!(value_of(chance) > 0)) return T(kMinusInfinity);
        value += double(counts[h]) * log(chance);
        n += counts[h];
    }
    return value - double(n) * log(any);
}

// Each model's log likelihood at S and the P's (P_first on every count in the behaviour model).
template <typename T>
T by_count_log_likelihood(const SevenHistories& counts, const T& s, const std::array<T, 3>& p) {
    const T missed_by_all = (1 - s) * (1 - p[0]) * (1 - p[1]) * (1 - p[2]);
    return conditional_log_likelihood(counts, s, T(1 - missed_by_all),
                                      [&](std::size_t c, bool) { return p[c]; });
}

template <typename T>
T behaviour_log_likelihood_of(const SevenHistories& counts, const T& s, const T& p_first,
                              const T& p_again) {
    const T missed_by_all = (1 - s) * (1 - p_first) * (1 - p_first) * (1 - p_first);
    return conditional_log_likelihood(
        counts, s, T(1 - missed_by_all),
        [&](std::size_t, bool seen_before) { return seen_before ? p_again : p_first; });
}

// A point of a model: S, each count's P, and the behaviour model's P_again.
struct Point {
    double s = 0;
    std::array<double, 3> p{};
    double again = 0;
};

Point point_of(const SevenFit& fit) {
    return {fit.S, fit.P, fit.P_again.value_or(fit.P[0])};
}

// The model's free values in NLopt's vector: S first unless held, then one P, or P_1, P_2, P_3,
// or P_first and P_again.
struct Layout {
    VisibilityModel model;
    std::optional<double> s_held;
    std::size_t ps() const {
        switch (model) {
            case VisibilityModel::by_count:
                return 3;
            case VisibilityModel::behaviour:
                return 2;
            case VisibilityModel::constant:
                break;
        }
        return 1;
    }
    std::size_t size() const { return (s_held ? 0 : 1) + ps(); }
    std::vector<double> pack(const Point& point) const {
        std::vector<double> x;
        if (!s_held) x.push_back(point.s);
        if (model == VisibilityModel::by_count) {
            x.insert(x.end(), point.p.begin(), point.p.end());
        } else {
            x.push_back(point.p[0]);
            if (model == VisibilityModel::behaviour) x.push_back(point.again);
        }
        return x;
    }
    Point unpack(const double* x) const {
        Point point;
        std::size_t i = 0;
        point.s = s_held ? *s_held : x[i++];
        if (model == VisibilityModel::by_count) {
            point.p = {x[i], x[i + 1], x[i + 2]};
        } else {
            point.p = {x[i], x[i], x[i]};
        }
        point.again = model == VisibilityModel::behaviour ? x[i + 1] : point.p[0];
        return point;
    }
    double log_likelihood(const SevenHistories& counts, const Point& point) const {
        return model == VisibilityModel::behaviour
                   ? behaviour_log_likelihood(counts, point.s, point.p[0], point.again)
                   : seven_log_likelihood(counts, point.s, point.p);
    }
};

struct Problem {
    const SevenHistories* counts;
    Layout layout;
};

double objective(unsigned, const double* x, double*, void* data) {
    const auto& problem = *static_cast<const Problem*>(data);
    const double value = problem.layout.log_likelihood(*problem.counts, problem.layout.unpack(x));
    // BOBYQA wants finite values: a point where a seen history has no chance is only far down.
    return std::isfinite(value) ? -value : 1e300;
}

// The model's log likelihood at its N free values x, with its derivatives in them. It is the
// likelihood above rearranged for speed, as Newton evaluates it a few million times in a test
// of pooling: every history but 1,1,1 is seen only by dogs without a territory, so its log
// chance is log(1 - S) plus a log P or log(1 - P) for each count, and the histories' counts
// gather on these few logs before any Jet is taken.
template <std::size_t N>
Jet<N> jet_log_likelihood(const SevenHistories& counts, const Layout& layout,
                          const std::vector<double>& x) {
    using J = Jet<N>;
    std::size_t i = 0;
    const auto next = [&] {
        const std::size_t k = i++;
        return J::variable(x[k], k);
    };
    const J s = layout.s_held ? J(*layout.s_held) : next();
    // The model's distinct chances of a count seeing a dog without a territory, and which one a
    // count has: P_c on count c; one P; or P_first until the dog is seen, P_again after.
    std::array<J, 3> p;
    std::size_t distinct = 1;
    if (layout.model == VisibilityModel::by_count) {
        p = {next(), next(), next()};
        distinct = 3;
    } else {
        p[0] = next();
        if (layout.model == VisibilityModel::behaviour) {
            p[1] = next();
            distinct = 2;
        }
    }
    const auto which = [&](std::size_t c, bool seen_before) -> std::size_t {
        if (layout.model == VisibilityModel::by_count) return c;
        return layout.model == VisibilityModel::behaviour && seen_before ? 1 : 0;
    };
    double of_not_territorial = 0;
    std::array<double, 3> seen{}, missed{};
    std::int64_t n = 0;
    for (std::size_t h = 0; h < 7; ++h) {
        if (counts[h] == 0) continue;
        n += counts[h];
        if (h == 1) continue;
        of_not_territorial += double(counts[h]);
        bool seen_before = false;
        for (std::size_t c = 0; c < 3; ++c) {
            const bool on_count = kSevenPatterns[h][c];
            (on_count ? seen : missed)[which(c, seen_before)] += double(counts[h]);
            seen_before = seen_before || on_count;
        }
    }
    const J not_territorial = 1 - s;
    J all_three = not_territorial, none = not_territorial;
    for (std::size_t c = 0; c < 3; ++c) {
        all_three *= p[which(c, c > 0)];
        none *= 1 - p[which(c, false)];
    }
    const J with_territorial = all_three + s, any = 1 - none;
    if (!(not_territorial.value > 0 && with_territorial.value > 0 && any.value > 0)) {
        return J(kMinusInfinity);
    }
    J value(0.0);
    if (of_not_territorial > 0) value += of_not_territorial * log(not_territorial);
    for (std::size_t k = 0; k < distinct; ++k) {
        if (!(p[k].value > 0 && p[k].value < 1)) return J(kMinusInfinity);
        if (seen[k] > 0) value += seen[k] * log(p[k]);
        if (missed[k] > 0) value += missed[k] * log(1 - p[k]);
    }
    if (counts[1] > 0) value += double(counts[1]) * log(with_territorial);
    return value - double(n) * log(any);
}

// Newton's search for the model's maximum from `start`, with Jets of the model's own size.
template <std::size_t N>
std::optional<BoxMinimum> newton_fit(const SevenHistories& counts, const Layout& layout,
                                     const Point& start, const std::vector<double>& lower,
                                     const std::vector<double>& upper) {
    return box_newton<N>(
        [&](const std::vector<double>& x) { return -jet_log_likelihood<N>(counts, layout, x); },
        layout.pack(start), lower, upper);
}

std::optional<BoxMinimum> newton_fit(const SevenHistories& counts, const Layout& layout,
                                     const Point& start, const std::vector<double>& lower,
                                     const std::vector<double>& upper) {
    switch (layout.size()) {
        case 1:
            return newton_fit<1>(counts, layout, start, lower, upper);
        case 2:
            return newton_fit<2>(counts, layout, start, lower, upper);
        case 3:
            return newton_fit<3>(counts, layout, start, lower, upper);
        default:
            return newton_fit<4>(counts, layout, start, lower, upper);
    }
}

// The box of the model's free values: S from 0 to 0.99 unless held, each P from 0.005 to 0.995.
void bounds_of(const Layout& layout, std::vector<double>& lower, std::vector<double>& upper) {
    if (!layout.s_held) {
        lower.push_back(0);
        upper.push_back(kCeilingOfS);
    }
    for (std::size_t i = 0; i < layout.ps(); ++i) {
        lower.push_back(kFloorOfP);
        upper.push_back(kCeilingOfP);
    }
}

SevenFit fit_at(const SevenHistories& counts, const Layout& layout, const double* x) {
    const Point point = layout.unpack(x);
    SevenFit fit;
    fit.S = point.s;
    fit.P = point.p;
    if (layout.model == VisibilityModel::behaviour) fit.P_again = point.again;
    fit.log_likelihood = layout.log_likelihood(counts, point);
    return fit;
}

// The best of BOBYQA's searches from `starts`, or nothing when none converges.
std::optional<SevenFit> best_fit(const SevenHistories& counts, const Layout& layout,
                                 const std::vector<Point>& starts, double xtol = 1e-10) {
    Problem problem{&counts, layout};
    const std::size_t n = layout.size();
    std::vector<double> lower, upper;
    bounds_of(layout, lower, upper);
    std::optional<SevenFit> best;
    for (const Point& start : starts) {
        nlopt::opt opt(nlopt::LN_BOBYQA, unsigned(n));
        opt.set_lower_bounds(lower);
        opt.set_upper_bounds(upper);
        opt.set_min_objective(objective, &problem);
        opt.set_xtol_rel(xtol);
        opt.set_ftol_abs(1e-12);
        opt.set_maxeval(4000);
        std::vector<double> x = layout.pack(start);
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
        const SevenFit fit = fit_at(counts, layout, x.data());
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

// A model that holds the constant one (the by-count model with equal P's, the behaviour model
// with P_again = P_first) fitted from `starts`: never below the constant model's maximum.
SevenFit fit_holding_constant(const SevenHistories& counts, const Layout& layout,
                              const SevenFit& constant, const std::vector<Point>& starts,
                              double n) {
    const auto found = best_fit(counts, layout, starts);
    SevenFit fit;
    if (found && found->log_likelihood >= constant.log_likelihood) {
        fit = *found;
    } else {
        fit.S = constant.S;
        fit.P = constant.P;
        if (layout.model == VisibilityModel::behaviour) fit.P_again = constant.P[0];
        fit.log_likelihood = constant.log_likelihood;
    }
    describe(fit, counts, layout, n);
    return fit;
}

// The test of S = 0 in a model: twice what S gains, against the boundary mixture.
void test_no_territorial(SevenFit& fit, const SevenHistories& counts, Layout layout) {
    layout.s_held = 0.0;
    Point from = point_of(fit);
    from.s = 0;
    const auto zero = best_fit(counts, layout, {from, {0, {0.3, 0.3, 0.3}, 0.3}});
    const double gain = zero ? 2 * (fit.log_likelihood - zero->log_likelihood) : 0;
    fit.lrt_S0 = std::fmax(0.0, gain);
    fit.lrt_p = fit.lrt_S0 > 0 ? chi_square_tail(fit.lrt_S0, 1) / 2 : 1;
}

// The lowest AICc chosen (the simpler model on a tie), the Akaike weights, and the share ever
// seen averaged by them.
void choose_and_average(SevenHistoriesFit& result) {
    const double best =
        std::fmin(result.constant.aicc, std::fmin(result.by_count.aicc, result.behaviour.aicc));
    const double wc = std::exp(-(result.constant.aicc - best) / 2);
    const double wb = std::exp(-(result.by_count.aicc - best) / 2);
    const double wm = std::exp(-(result.behaviour.aicc - best) / 2);
    const double total = wc + wb + wm;
    result.weight_by_count = wb / total;
    result.weight_behaviour = wm / total;
    result.chosen = VisibilityModel::constant;
    if (result.by_count.aicc < result.constant.aicc) result.chosen = VisibilityModel::by_count;
    if (result.behaviour.aicc < result.chosen_fit().aicc) {
        result.chosen = VisibilityModel::behaviour;
    }
    result.seen_any = 1 / (wc / total / result.constant.seen_any +
                           result.weight_by_count / result.by_count.seen_any +
                           result.weight_behaviour / result.behaviour.seen_any);
}

}  // namespace

const char* model_name(VisibilityModel model) {
    switch (model) {
        case VisibilityModel::by_count:
            return "by count";
        case VisibilityModel::behaviour:
            return "behaviour";
        case VisibilityModel::constant:
            break;
    }
    return "constant";
}

double seven_log_likelihood(const SevenHistories& counts, double s,
                            const std::array<double, 3>& p) {
    return by_count_log_likelihood(counts, s, p);
}

double behaviour_log_likelihood(const SevenHistories& counts, double s, double p_first,
                                double p_again) {
    return behaviour_log_likelihood_of(counts, s, p_first, p_again);
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
    std::vector<Point> starts;
    if (near) {
        starts.push_back(point_of(near->constant));
    } else {
        for (double s0 : {0.05, 0.4}) {
            for (double p0 : {0.25, 0.6})
                starts.push_back({s0, {p0, p0, p0}, p0});
        }
    }
    const auto c = best_fit(counts, constant, starts);
    if (!c) return std::nullopt;
    result.constant = *c;
    describe(result.constant, counts, constant, double(n));

    // The other two hold the constant model, so its maximum is one of their starts.
    const Point from_constant = point_of(*c);
    const Layout by_count{VisibilityModel::by_count, s_held};
    result.by_count =
        fit_holding_constant(counts, by_count, result.constant,
                             near ? std::vector<Point>{from_constant, point_of(near->by_count)}
                                  : std::vector<Point>{from_constant,
                                                       {0.05, {0.3, 0.3, 0.3}, 0.3},
                                                       {0.4, {0.6, 0.4, 0.5}, 0.5}},
                             double(n));
    const Layout behaviour{VisibilityModel::behaviour, s_held};
    result.behaviour =
        fit_holding_constant(counts, behaviour, result.constant,
                             near ? std::vector<Point>{from_constant, point_of(near->behaviour)}
                                  : std::vector<Point>{from_constant,
                                                       {0.05, {0.3, 0.3, 0.3}, 0.5},
                                                       {0.4, {0.5, 0.5, 0.5}, 0.3}},
                             double(n));

    if (!s_held && with_tests) {
        test_no_territorial(result.constant, counts, constant);
        test_no_territorial(result.by_count, counts, by_count);
        test_no_territorial(result.behaviour, counts, behaviour);
    }
    choose_and_average(result);
    return result;
}

std::optional<SevenFit> fit_seven_model(const SevenHistories& counts, VisibilityModel model,
                                        std::optional<double> s_held,
                                        const std::vector<SevenFit>& starts) {
    // Newton's method with the likelihood's exact derivatives: the test of pooling fits every
    // block of every replicate from the pooled fit, next to the block's maximum, where Newton
    // needs a handful of steps and BOBYQA a hundred values. A search Newton cannot finish is
    // BOBYQA's, to a millionth of its place: a maximum within a hundred-millionth of its
    // height, which is all a log likelihood ratio needs.
    const Layout layout{model, s_held};
    std::vector<double> lower, upper;
    bounds_of(layout, lower, upper);
    std::optional<SevenFit> best;
    for (const SevenFit& start : starts) {
        std::optional<SevenFit> fit;
        if (const auto found = newton_fit(counts, layout, point_of(start), lower, upper)) {
            fit = fit_at(counts, layout, found->x.data());
        } else {
            fit = best_fit(counts, layout, {point_of(start)}, 1e-6);
        }
        if (fit && std::isfinite(fit->log_likelihood) &&
            (!best || fit->log_likelihood > best->log_likelihood)) {
            best = fit;
        }
    }
    return best;
}

std::array<double, 7> history_chances(const SevenFit& fit, VisibilityModel model) {
    // The conditional log likelihood of one dog of history h is log pi(h).
    const Layout layout{model, std::nullopt};
    std::array<double, 7> chances{};
    for (std::size_t h = 0; h < 7; ++h) {
        SevenHistories one{};
        one[h] = 1;
        chances[h] = std::exp(layout.log_likelihood(one, point_of(fit)));
    }
    return chances;
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
