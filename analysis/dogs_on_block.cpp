// The limits of N, computed from the region where the full likelihood stays above its threshold:
// for each q that region holds an interval of N (the likelihood is concave in N), so the limits
// are the smallest lower end and the largest upper end over the q that reach the threshold.
#include "analysis/dogs_on_block.h"

#include <algorithm>
#include <array>
#include <boost/math/special_functions/digamma.hpp>
#include <boost/math/special_functions/trigamma.hpp>
#include <cmath>
#include <limits>

#include "analysis/one_dimension.h"

namespace kestrivo::analysis {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
// A block beyond this many dogs counts as "no upper limit".
constexpr double kLargestBlock = 1e15;
// A limit of N is found to this share of itself: beyond the nine significant digits a report
// writes by default, so that its last digit is the limit's own.
constexpr double kDogTolerance = 1e-11;
// The shares seen where the maxima lie are wanted only to these many bits: an error of 2^-20 in q
// moves a maximum's value by its square, far below the limits' own tolerance.
constexpr int kShareBits = 20;

class FullLikelihood {
public:
    FullLikelihood(const Model& model, std::int64_t n) : model_(model), n_(double(n)) {}

    // lnG(N+1) - lnG(N-n+1) + n ln q + (N-n) ln(1-q): the binomial chance of seeing n of N.
    // The C library's lgamma_r (reentrant, unlike lgamma) is as accurate as Boost's here and
    // several times faster, and the limits' searches call it hundreds of times a block.
    double binomial(double N, double q) const {
        int sign = 0;
        return ::lgamma_r(N + 1, &sign) - ::lgamma_r(N - n_ + 1, &sign) + n_ * std::log(q) +
               (N - n_) * std::log1p(-q);
    }

    // The N that makes the binomial part largest for this q: where its slope
    // digamma(N+1) - digamma(N-n+1) + ln(1-q), the sum of 1/j for j from N-n+1 to N plus
    // ln(1-q), falls to zero. Bounding that sum by logarithms puts the root between n/q - 1 and
    // n/q (or at n when the slope is never positive there); the midpoint rule for the sum puts it
    // within O(n/N^3) of n/q - 1/2, from where Newton's steps converge at once. The slope is
    // convex and falling, so a step from either side stays in the bracket once clamped to it.
    // Also returns the binomial part's curvature there, for the limits' first guesses.
    struct Top {
        double n, curvature;
    };
    Top best_n(double q) const {
        const double log_unseen = std::log1p(-q);
        const double high = std::fmin(n_ / q, kLargestBlock);
        const double low = std::fmax(n_, high - 1);
        double N = std::clamp(n_ / q - 0.5, low, high);
        double curvature = 0;
        for (int i = 0; i < 20; ++i) {
            const double slope = boost::math::digamma(N + 1, MathPolicy()) -
                                 boost::math::digamma(N - n_ + 1, MathPolicy()) + log_unseen;
            curvature = boost::math::trigamma(N - n_ + 1, MathPolicy()) -
                        boost::math::trigamma(N + 1, MathPolicy());
            if (!(curvature > 0)) break;  // n = 0: flat
            const double next = std::clamp(N + slope / curvature, low, high);
            const double step = next - N;
            N = next;
            // Newton's error after a step is of the order of the step squared over N.
            if (std::fabs(step) <= 1e-4 * std::fmax(1.0, std::sqrt(N - n_ + 1))) break;
        }
        return {N, curvature};
    }

    // The largest full log likelihood for this q, with the N that gives it, the binomial part's
    // curvature there, and the histories' profile at q.
    struct Best {
        double n, value, profile, curvature, profile_slope;
    };
    Best best(double q) const {
        const Top top = best_n(q);
        const auto [profile, profile_slope] = model_.profile_seen_and_slope(q);
        return {top.n, binomial(top.n, q) + profile, profile, top.curvature, profile_slope};
    }

    // The slope in q of the full log likelihood at (N, q), the histories' profile moving with q:
    // at N = best N it is the slope of best(q).value; at a limit of N it has the sign of the
    // limit's own slope for the upper limit, the opposite one for the lower limit (the binomial
    // part falling, then rising, in N there).
    double slope_in_q(double N, double q, const Best& at) const {
        return n_ / q - (N - n_) / (1 - q) + at.profile_slope;
    }

    // How far from the top of the binomial part its value falls by `fall`, were it a parabola:
    // the first guess at a limit.
    static double parabola_reach(const Best& start, double fall) {
        return start.curvature > 0 ? std::sqrt(2 * fall / start.curvature) : 1.0;
    }

    // The largest N whose full log likelihood at q reaches `threshold` (from `start`, where it
    // does), or +infinity when it never falls below within a plausible block. The binomial part
    // falls more slowly to the right of its top than a parabola, so the search starts at the
    // parabola's reach and widens from there.
    double upper_n(double q, const Best& start, double threshold) const {
        const auto above = [&](double N) { return binomial(N, q) + start.profile - threshold; };
        const double at_start = start.value - threshold;
        if (!(at_start > 0)) return start.n;
        double step = std::fmax(1e-3, parabola_reach(start, at_start));
        double low = start.n, at_low = at_start;
        double high = start.n + step;
        double at_high = above(high);
        while (at_high > 0) {
            if (high > kLargestBlock) return kInfinity;
            low = high;
            at_low = at_high;
            step *= 2;
            high = start.n + step;
            at_high = above(high);
        }
        return crossing(above, low, high, at_low, at_high, kDogTolerance * high);
    }

    // The smallest N (at least n) whose full log likelihood at q reaches `threshold`.
    double lower_n(double q, const Best& start, double threshold) const {
        const auto above = [&](double N) { return binomial(N, q) + start.profile - threshold; };
        const double at_n = above(n_);
        if (at_n >= 0) return n_;
        const double at_start = start.value - threshold;
        if (!(at_start > 0)) return start.n;
        // To the left the binomial part falls faster than a parabola: the parabola's reach lies
        // beyond the limit, or at n, and brackets it with the top.
        const double guess = std::fmax(n_, start.n - parabola_reach(start, at_start));
        if (guess > n_) {
            if (const double at_guess = above(guess); at_guess < 0) {
                return crossing(above, guess, start.n, at_guess, at_start, kDogTolerance * start.n);
            }
        }
        return crossing(above, n_, start.n, at_n, at_start, kDogTolerance * start.n);
    }

private:
    const Model& model_;
    double n_;
};

constexpr int kIntervals = 8;

// A value of one of the searches over q, and a slope with the sign of its slope.
struct Sample {
    double value, slope;
};
using Grid = std::array<Sample, kIntervals + 1>;

// The maximum over [lo, hi] of a function known on the grid: where its slope falls through zero
// in the grid step beside the best grid point (TOMS748, to 2^-kShareBits of q), or by Brent's
// search on the values when the slope does not change sign there (a maximum on an end, or at a
// corner where the maximum of the histories' profile moves from one place to another).
template <class Evaluate>
Peak peak(Evaluate evaluate, double lo, double hi, const Grid& grid) {
    std::size_t best = 0;
    for (std::size_t i = 1; i < grid.size(); ++i) {
        if (grid[i].value > grid[best].value) best = i;
    }
    const Peak on_grid{grid_point(lo, hi, kIntervals, int(best)), grid[best].value};
    if (!std::isfinite(on_grid.value) || !(hi > lo)) return on_grid;
    std::size_t left = best, right = best;
    if (grid[best].slope > 0 && best < kIntervals && grid[best + 1].slope <= 0) right = best + 1;
    if (grid[best].slope < 0 && best > 0 && grid[best - 1].slope >= 0) left = best - 1;
    if (left == right) {
        std::array<double, kIntervals + 1> values{};
        for (std::size_t i = 0; i < grid.size(); ++i)
            values[i] = grid[i].value;
        return maximise_from_grid([&](double q) { return evaluate(q).value; }, lo, hi, kIntervals,
                                  values.data(), kShareBits);
    }
    const double a = grid_point(lo, hi, kIntervals, int(left));
    const double b = grid_point(lo, hi, kIntervals, int(right));
    const double x = crossing([&](double q) { return evaluate(q).slope; }, a, b, grid[left].slope,
                              grid[right].slope, std::ldexp(b, -kShareBits));
    const double value = evaluate(x).value;
    return value > on_grid.value ? Peak{x, value} : on_grid;
}

}  // namespace

DogLimits dog_limits(const Model& model, std::int64_t n, double drop) {
    const FullLikelihood full(model, n);
    const auto [q_low, q_high] = model.seen_range();
    if (!(q_high > q_low)) return {double(n), double(n)};

    // The maximum of the full likelihood, and the threshold below it.
    const auto top_at = [&](double q) {
        const auto best = full.best(q);
        return Sample{best.value, full.slope_in_q(best.n, q, best)};
    };
    Grid grid;
    for (int i = 0; i <= kIntervals; ++i)
        grid[std::size_t(i)] = top_at(grid_point(q_low, q_high, kIntervals, i));
    const Peak top = peak(top_at, q_low, q_high, grid);
    const double threshold = top.value - drop;

    // The shares seen whose best N reaches the threshold: an interval around the top.
    const auto above = [&](double q) { return full.best(q).value - threshold; };
    // Only the span searched below hangs on these ends, not a limit: the reach of N is largest
    // inside it.
    const double tolerance = 1e-7;
    double q_left = q_low, q_right = q_high;
    if (const double at_low = above(q_low); at_low < 0) {
        q_left = crossing(above, q_low, top.x, at_low, top.value - threshold, tolerance);
    }
    if (const double at_high = above(q_high); at_high < 0) {
        q_right = crossing(above, top.x, q_high, top.value - threshold, at_high, tolerance);
    }

    // Over those shares, the widest reach of N in either direction; both searches start from one
    // grid, whose points share the best N and the histories' profile.
    const auto reach_up = [&](double q) {
        const auto best = full.best(q);
        const double N = full.upper_n(q, best, threshold);
        return Sample{N, full.slope_in_q(N, q, best)};
    };
    const auto reach_down = [&](double q) {
        const auto best = full.best(q);
        const double N = full.lower_n(q, best, threshold);
        return Sample{-N, full.slope_in_q(N, q, best)};
    };
    Grid up, down;
    for (int i = 0; i <= kIntervals; ++i) {
        const double q = grid_point(q_left, q_right, kIntervals, i);
        const auto best = full.best(q);
        const double upper = full.upper_n(q, best, threshold);
        const double lower = full.lower_n(q, best, threshold);
        up[std::size_t(i)] = {upper, full.slope_in_q(upper, q, best)};
        down[std::size_t(i)] = {-lower, full.slope_in_q(lower, q, best)};
    }
    const Peak upper = peak(reach_up, q_left, q_right, up);
    const Peak lower = peak(reach_down, q_left, q_right, down);
    return {std::fmax(double(n), -lower.value), upper.value};
}

}  // namespace kestrivo::analysis
