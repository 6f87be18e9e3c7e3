// box_newton: the minimum of a smooth function of a few values in a box by Newton's method, for
// searches that start next to their answer and run by the hundred thousand (the test of pooling
// fits every block of every bootstrap replicate from the pooled fit). Each step solves for the
// values not held at an edge by the function's gradient; a Hessian that is not positive
// definite there is damped until it is. A search that does not meet the conditions of a
// minimum in the box says so and the caller falls back on a derivative-free search.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "analysis/jet.h"

namespace kestrivo::analysis {

struct BoxMinimum {
    std::vector<double> x;
    double value = 0;
};

/// The minimum of `f` over [lower, upper] from `start` (clamped into the box), to where Newton's
/// next step would gain less than `gain`. Empty when `f` is not finite at the start or the
/// search does not converge within `steps`. `f` returns the value with its gradient and Hessian
/// in the box's values.
/// Made for one to four values.
template <std::size_t N>
std::optional<BoxMinimum> box_newton(const std::function<Jet<N>(const std::vector<double>&)>& f,
                                     std::vector<double> start, const std::vector<double>& lower,
                                     const std::vector<double>& upper, double gain = 1e-14,
                                     int steps = 100);

}  // namespace kestrivo::analysis
