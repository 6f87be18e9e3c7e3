// The two one-dimensional tools every quantity of the report is built from: the maximum of a
// function on an interval, and the point where a function crosses zero in a bracket. Both are
// Boost.Math's (Brent's minimiser, TOMS 748); this file only fixes how they are used here.
#pragma once

#include <boost/math/tools/minima.hpp>
#include <boost/math/tools/toms748_solve.hpp>
#include <cmath>
#include <cstdint>
#include <limits>

#include "analysis/boost_policy.h"

namespace kestrivo::analysis {

struct Peak {
    double x;
    double value;
};

/// The i-th of the grid's intervals + 1 points over [lo, hi], the ends exact.
inline double grid_point(double lo, double hi, int intervals, int i) {
    return i == intervals ? hi : lo + (hi - lo) / intervals * i;
}

/// The maximum of `f` over [lo, hi], from its values on a grid of `intervals` steps already
/// computed (`values[i]` = f(grid_point(i))): the grid finds the highest region, so a function
/// with a second, lower hump is not misled, and Brent's method refines inside the two steps
/// around the best grid point. The grid points compete with Brent's answer, so a maximum on an
/// end is found exactly rather than approached. Brent stops when x is known to `bits` bits; near
/// a maximum the value's error is the square of x's.
template <class F>
Peak maximise_from_grid(F f, double lo, double hi, int intervals, const double* values, int bits) {
    int best = 0;
    for (int i = 1; i <= intervals; ++i) {
        if (values[i] > values[best]) best = i;
    }
    const Peak on_grid{grid_point(lo, hi, intervals, best), values[best]};
    if (!(hi > lo)) return on_grid;
    const double a = grid_point(lo, hi, intervals, best == 0 ? 0 : best - 1);
    const double b = grid_point(lo, hi, intervals, best == intervals ? intervals : best + 1);
    std::uintmax_t iterations = 100;
    const auto [x, minus_value] = boost::math::tools::brent_find_minima(
        [&](double t) { return -f(t); }, a, b, bits, iterations);
    if (-minus_value > on_grid.value) return {x, -minus_value};
    return on_grid;
}

/// The x in [a, b] where g crosses zero, to within `tolerance`, given g(a) and g(b) of opposite
/// signs (or one of them zero).
template <class G>
double crossing(G g, double a, double b, double ga, double gb, double tolerance) {
    if (ga == 0) return a;
    if (gb == 0) return b;
    std::uintmax_t iterations = 200;
    const auto [left, right] = boost::math::tools::toms748_solve(
        g, a, b, ga, gb, [tolerance](double u, double v) { return std::fabs(v - u) <= tolerance; },
        iterations, MathPolicy());
    return left + (right - left) / 2;
}

}  // namespace kestrivo::analysis
