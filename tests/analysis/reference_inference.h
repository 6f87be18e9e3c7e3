// An independent computation of the report's quantities for the tests: the model from its
// definitions in long double (reference_model.h), every maximum by a brute-force grid refined by
// golden sections, every limit by bisection. Nothing here calls the library or the analysis
// layer, and none of it is tuned for speed.
#pragma once

#include <cmath>
#include <functional>

#include "tests/library/reference_model.h"

namespace kestrivo::library::reference {

using Real = long double;
using Function = std::function<Real(Real)>;

inline constexpr Real kLow = 0.01L, kHigh = 0.99L;

// The maximum of f on [lo, hi]: the best of `points` grid points, then golden sections between
// its neighbours.
inline std::pair<Real, Real> grid_max(const Function& f, Real lo, Real hi, int points = 60) {
    if (!(hi > lo)) return {lo, f(lo)};
    int best = 0;
    Real best_value = -INFINITY;
    for (int i = 0; i <= points; ++i) {
        const Real value = f(lo + (hi - lo) * i / points);
        if (value > best_value) {
            best_value = value;
            best = i;
        }
    }
    const Real a = lo + (hi - lo) * std::max(best - 1, 0) / points;
    const Real b = lo + (hi - lo) * std::min(best + 1, points) / points;
    const Real x = argmax(f, a, b);
    const Real value = f(x);
    return value > best_value ? std::pair{x, value}
                              : std::pair{lo + (hi - lo) * best / points, best_value};
}

// Where g changes sign between a and b (g(a) and g(b) of opposite signs), by bisection.
inline Real bisect(const Function& g, Real a, Real b) {
    const bool a_positive = g(a) > 0;
    for (int i = 0; i < 200 && std::fabs(b - a) > 1e-13L * std::max<Real>(1, std::fabs(a)); ++i) {
        const Real mid = (a + b) / 2;
        ((g(mid) > 0) == a_positive ? a : b) = mid;
    }
    return (a + b) / 2;
}

struct Limits {
    Real lower, upper;
    bool lower_at_edge, upper_at_edge;
};

// The interval around `estimate` where `profile` stays at or above `threshold`, within [lo, hi].
inline Limits limits(const Function& profile, Real estimate, Real lo, Real hi, Real threshold) {
    const Function g = [&](Real x) { return profile(x) - threshold; };
    Limits l{};
    l.lower_at_edge = g(lo) >= 0 || estimate - lo < 1e-12L;
    l.lower = l.lower_at_edge ? lo : bisect(g, lo, estimate);
    l.upper_at_edge = g(hi) >= 0 || hi - estimate < 1e-12L;
    l.upper = l.upper_at_edge ? hi : bisect(g, estimate, hi);
    return l;
}

// The block's model, with S free in the box or held.
struct Block {
    Counts counts;
    bool s_free;
    Real s_held;

    Real at(Real s, Real p) const { return log_likelihood(counts, s, p); }
    Real profile_p(Real p) const {
        if (!s_free) return at(s_held, p);
        return grid_max([&](Real s) { return at(s, p); }, kLow, kHigh).second;
    }
    Real profile_s(Real s) const {
        return grid_max([&](Real p) { return at(s, p); }, kLow, kHigh).second;
    }
    Real seen_low() const {
        return s_free ? kLow + (1 - kLow) * kLow : s_held + (1 - s_held) * kLow;
    }
    Real seen_high() const {
        return s_free ? kHigh + (1 - kHigh) * kHigh : s_held + (1 - s_held) * kHigh;
    }
    // On S + (1 - S) P = q, over the S that keep P inside the box.
    Real profile_seen(Real q) const {
        const auto p_of = [&](Real s) { return std::clamp((q - s) / (1 - s), kLow, kHigh); };
        if (!s_free) return at(s_held, p_of(s_held));
        const Real lo = std::max(kLow, (q - kHigh) / (1 - kHigh));
        const Real hi = std::min(kHigh, (q - kLow) / (1 - kLow));
        return grid_max([&](Real s) { return at(s, p_of(s)); }, lo, std::max(lo, hi)).second;
    }
    Real n() const { return Real(counts[0]) + counts[1] + counts[2] + counts[3]; }
    // The full log likelihood of N dogs on the block, at its best share seen.
    Real full_profile(Real N) const {
        const Real dogs = n();
        return grid_max(
                   [&](Real q) {
                       return std::lgamma(N + 1) - std::lgamma(N - dogs + 1) + dogs * std::log(q) +
                              (N - dogs) * std::log1p(-q) + profile_seen(q);
                   },
                   seen_low(), seen_high(), 40)
            .second;
    }
};

}  // namespace kestrivo::library::reference
