// make_report: one fit through the library's entry, then every quantity from the profiles.
#include "inference_report.h"

#include <algorithm>
#include <boost/math/distributions/chi_squared.hpp>
#include <cmath>
#include <numeric>

#include "dogs_on_block.h"
#include "one_dimension.h"
#include "vector_state.h"

namespace kestrivo::analysis {
namespace {

constexpr double kRootTolerance = 1e-9;  // limits of S, P and q, well within 1e-8

// The fit as the window asks for it: the same blocks, bounds and start point.
struct Fit {
    double s, p, log_likelihood;
    int32_t ifail;
};

Fit fit_block(const Library& library, const Request& request) {
    std::array<int32_t, 1000> iuser{};
    std::array<double, 1000> ruser{};
    const bool s_free = !request.s_held;
    int32_t n = s_free ? 2 : 1;
    iuser[0] = n;
    iuser[1] = s_free ? 1 : 2;
    iuser[2] = 2;
    for (int h = 0; h < 4; ++h)
        iuser[9 + h] = request.counts[h];
    const double s_start = s_free ? request.start[0] : *request.s_held;
    const double block[8] = {s_start,          1.0, kLowerBound, kUpperBound,
                             request.start[1], 1.0, kLowerBound, kUpperBound};
    std::copy(block, block + 8, ruser.begin());

    double x[2] = {s_free ? request.start[0] : request.start[1], request.start[1]};
    double bl[2] = {kLowerBound, kLowerBound}, bu[2] = {kUpperBound, kUpperBound};
    int32_t ibound = 0, liw = 20, lw = 500, ifail = 1;
    std::array<int32_t, 20> iw{};
    std::array<double, 500> w{};
    double f = 0;
    library.fit(&n, &ibound, bl, bu, x, &f, iw.data(), &liw, w.data(), &lw, iuser.data(),
                ruser.data(), &ifail);
    if (s_free) return {x[0], x[1], -f, ifail};
    return {*request.s_held, x[0], -f, ifail};
}

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

// Why the request cannot be fitted at all, or "". `n` is the dogs counted, when no count is
// negative.
std::string unusable(const Library& library, const Request& request,
                     std::optional<std::int64_t> n) {
    if (!library.fit || !library.loglik) return "the likelihood library is not bound";
    if (!(request.level > 0 && request.level < 1)) return "the level must lie between 0 and 1";
    if (!n) return "a count is negative";
    if (*n == 0) return "no dogs were counted";
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

    const Fit fit = fit_block(library, request);
    report.ifail = fit.ifail;
    if (!std::isfinite(fit.log_likelihood)) {
        nothing_estimated(
            report, "the counts are impossible when S is held at " + number_text(*request.s_held));
        return;
    }
    if (fit.ifail != 0) {
        nothing_estimated(
            report, "the fit found no maximum (error code " + std::to_string(fit.ifail) + ")");
        return;
    }

    const Model model(library.loglik, request.counts, request.s_held);
    const double q = share_seen(fit.s, fit.p);
    report.estimates = {Estimates{fit.s, fit.p, q, fit.log_likelihood}, ""};
    const double threshold = fit.log_likelihood - report.drop;

    report.p_limits = {limits([&](double p) { return model.profile_p(p); }, fit.p, kLowerBound,
                              kUpperBound, threshold),
                       ""};
    if (model.s_free()) {
        report.s_limits = {limits([&](double s) { return model.profile_s(s); }, fit.s, kLowerBound,
                                  kUpperBound, threshold),
                           ""};
        report.s_bound = bound_of(fit.s);
    } else {
        report.s_limits = none<Interval>("S is held, not estimated");
    }
    report.p_bound = bound_of(fit.p);
    const auto [q_low, q_high] = model.seen_range();
    report.seen_limits = {
        limits([&](double x) { return model.profile_seen(x); }, q, q_low, q_high, threshold), ""};

    const std::int64_t n = *report.n;
    const DogLimits dogs = dog_limits(model, n, report.drop);
    report.dogs = {DogsOnBlock{double(n) / q, dogs.lower, dogs.upper}, ""};

    // G2 = 2 (sum c ln(c / n) - max log L), the same sum as 2 sum c ln(c / (n pi)).
    double saturated = 0;
    for (int32_t c : request.counts) {
        if (c > 0) saturated += c * std::log(double(c) / double(n));
    }
    const double deviance = std::fmax(0.0, 2 * (saturated - fit.log_likelihood));
    const int df = 3 - (model.s_free() ? 2 : 1);
    report.fit_check = {FitCheck{deviance, df,
                                 boost::math::cdf(boost::math::complement(
                                     chi_squared_distribution<double, MathPolicy>(df), deviance))},
                        ""};

    if (model.s_free()) {
        const Peak without =
            maximise([&](double p) { return model.at(0, p); }, kLowerBound, kUpperBound);
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

Bound bound_of(double value) {
    if (std::fabs(value - kLowerBound) <= 1e-6) return Bound::lower;
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
        fill(report, library);
    } catch (const std::exception& error) {
        nothing_estimated(report, std::string("the report could not be computed: ") + error.what());
    } catch (...) {
        nothing_estimated(report, "the report could not be computed");
    }
    return report;
}

}  // namespace kestrivo::analysis
