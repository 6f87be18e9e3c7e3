// The limits of N, computed from the region where the full likelihood stays above its threshold:
// for each q that region holds an interval of N (the likelihood is concave in N), so the limits
// are the smallest lower end and the largest upper end over the q that reach the threshold.
#include "dogs_on_block.h"

#include <boost/math/special_functions/digamma.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <cmath>
#include <limits>

#include "one_dimension.h"

namespace kestrivo::analysis {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
// A block beyond this many dogs counts as "no upper limit".
constexpr double kLargestBlock = 1e15;
// N is wanted to a thousandth of a dog; the roots are found well within that.
constexpr double kDogTolerance = 1e-7;

class FullLikelihood {
public:
    FullLikelihood(const Model& model, std::int64_t n) : model_(model), n_(double(n)) {}

    // lnG(N+1) - lnG(N-n+1) + n ln q + (N-n) ln(1-q): the binomial chance of seeing n of N.
    double binomial(double N, double q) const {
        return boost::math::lgamma(N + 1, MathPolicy()) -
               boost::math::lgamma(N - n_ + 1, MathPolicy()) + n_ * std::log(q) +
               (N - n_) * std::log1p(-q);
    }

    // The N that makes the binomial part largest for this q: where its slope
    // digamma(N+1) - digamma(N-n+1) + ln(1-q) falls to zero, or n when it is never positive.
    double best_n(double q) const {
        const auto slope = [&](double N) {
            return boost::math::digamma(N + 1, MathPolicy()) -
                   boost::math::digamma(N - n_ + 1, MathPolicy()) + std::log1p(-q);
        };
        const double at_n = slope(n_);
        if (!(at_n > 0)) return n_;
        double high = n_ / q + 1;
        double at_high = slope(high);
        while (at_high > 0 && high < kLargestBlock) {
            high = n_ + 2 * (high - n_);
            at_high = slope(high);
        }
        if (at_high > 0) return high;
        return crossing(slope, n_, high, at_n, at_high, kDogTolerance);
    }

    // The largest full log likelihood for this q, with the N that gives it.
    struct Best {
        double n, value;
    };
    Best best(double q) const {
        const double N = best_n(q);
        return {N, binomial(N, q) + model_.profile_seen(q)};
    }

    // The largest N whose full log likelihood at q reaches `threshold` (from `start`, where it
    // does), or +infinity when it never falls below within a plausible block.
    double upper_n(double q, const Best& start, double threshold) const {
        const double profile = model_.profile_seen(q);
        const auto above = [&](double N) { return binomial(N, q) + profile - threshold; };
        const double at_start = start.value - threshold;
        if (!(at_start > 0)) return start.n;
        double step = std::fmax(1.0, std::sqrt(start.n));
        double high = start.n + step;
        double at_high = above(high);
        while (at_high > 0) {
            if (high > kLargestBlock) return kInfinity;
            step *= 2;
            high = start.n + step;
            at_high = above(high);
        }
        return crossing(above, start.n, high, at_start, at_high, kDogTolerance);
    }

    // The smallest N (at least n) whose full log likelihood at q reaches `threshold`.
    double lower_n(double q, const Best& start, double threshold) const {
        const double profile = model_.profile_seen(q);
        const auto above = [&](double N) { return binomial(N, q) + profile - threshold; };
        const double at_n = above(n_);
        if (at_n >= 0) return n_;
        const double at_start = start.value - threshold;
        if (!(at_start > 0)) return start.n;
        return crossing(above, n_, start.n, at_n, at_start, kDogTolerance);
    }

private:
    const Model& model_;
    double n_;
};

}  // namespace

DogLimits dog_limits(const Model& model, std::int64_t n, double drop) {
    const FullLikelihood full(model, n);
    const auto [q_low, q_high] = model.seen_range();
    if (!(q_high > q_low)) return {double(n), double(n)};

    // The maximum of the full likelihood, and the threshold below it.
    const auto best_value = [&](double q) { return full.best(q).value; };
    const Peak top = maximise(best_value, q_low, q_high);
    const double threshold = top.value - drop;

    // The shares seen whose best N reaches the threshold: an interval around the top.
    const auto above = [&](double q) { return best_value(q) - threshold; };
    const double tolerance = 1e-10;
    double q_left = q_low, q_right = q_high;
    if (const double at_low = above(q_low); at_low < 0) {
        q_left = crossing(above, q_low, top.x, at_low, top.value - threshold, tolerance);
    }
    if (const double at_high = above(q_high); at_high < 0) {
        q_right = crossing(above, top.x, q_high, top.value - threshold, at_high, tolerance);
    }

    // Over those shares, the widest reach of N in either direction.
    const auto reach_up = [&](double q) { return full.upper_n(q, full.best(q), threshold); };
    const auto reach_down = [&](double q) { return -full.lower_n(q, full.best(q), threshold); };
    const Peak upper = maximise(reach_up, q_left, q_right);
    const Peak lower = maximise(reach_down, q_left, q_right);
    return {std::fmax(double(n), -lower.value), upper.value};
}

}  // namespace kestrivo::analysis
