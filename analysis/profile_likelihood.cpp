// The profiles, each the exact maximum over the remaining freedom. Writing a = c100, b = c111,
// d = c101 + c110, n = a + b + d and r = S / (1 - S), the log likelihood is
//     L = (a + 2d) ln P - n ln(P + r) + b ln(r + P^3) + (2a + d) ln(1 - P),
// and in w = 1 - S' = P / (P + r), for P fixed,
//     L = (a + d) ln w + b ln(1 - w (1 - P^2)) + (2a + d) ln(1 - P) + d ln P,
// which is concave in w with its top at w = (a + d) / (n (1 - P^2)). So:
// - P fixed: S is the clamp of that w into the box, no search at all;
// - S fixed: the stationary points in P are the roots of a polynomial of degree 5 (L' over a
//   common denominator that is positive in the box); the profile is the best of those and the
//   two ends;
// - the share seen q fixed: on the line S = (q - P) / (1 - P),
//     L = (a + 2d) ln P + a ln(1 - P) + b ln(q - (1 - q)(P + P^2)) + const(q),
//   whose stationary points are the roots of a polynomial of degree 3.
// With w at its best the profile in P is C + a ln(1 - P) - (a + d) ln(1 + P) + d ln P, concave,
// largest at P = d / (2a + d): the maximum over the box is that point when it lies inside, else
// on an edge, where one of the cases above applies. With S = 0, L = (2b + d) ln P + (2a + d)
// ln(1 - P), largest at P = (2b + d) / 2n.
// Every candidate is evaluated by the library's RLOGLIK, so a profile's value is the library's
// own log likelihood at a point of the box.
#include "analysis/profile_likelihood.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "analysis/polynomial_roots.h"

namespace kestrivo::analysis {
namespace {

double into_box(double x, double low = kLowerBound) {
    return std::clamp(x, low, kUpperBound);
}

// The maximum of f over [lo, hi] when its slope has the sign of `numerator`: only an end the
// slope falls away from, or a turning point where the slope falls through zero, can be it, so
// only those are evaluated. Should rounding leave none of them (a numerator zero everywhere),
// both ends compete. Returns the point and its value.
template <class F>
std::pair<double, double> best_by_slope(F f, const Polynomial& numerator, double lo, double hi) {
    std::pair<double, double> best{lo, -std::numeric_limits<double>::infinity()};
    bool any = false;
    const auto consider = [&](double x) {
        any = true;
        if (const double value = f(x); value > best.second) best = {x, value};
    };
    if (numerator(lo) <= 0) consider(lo);
    if (numerator(hi) >= 0) consider(hi);
    const Polynomial falling = numerator.derivative();
    for (double x : roots_in(numerator, lo, hi)) {
        if (falling(x) <= 0) consider(x);
    }
    if (!any) {
        consider(lo);
        consider(hi);
    }
    return best;
}

}  // namespace

Model::Model(LogLikelihoodFn loglik, std::array<int32_t, 4> counts, std::optional<double> s_held,
             double s_floor)
    : loglik_(loglik), counts_(counts), s_held_(s_held), s_floor_(s_floor) {}

double Model::at(double s, double p) const {
    double s_in_out = s;  // RLOGLIK hands back S' in place of S
    return loglik_(counts_.data(), &p, &s_in_out);
}

Polynomial Model::slope_numerator_p(double s) const {
    const double a = counts_[0], b = counts_[1], d = double(counts_[2]) + counts_[3];
    const double n = a + b + d;
    const double r = s / (1 - s);
    // (a + 2d)(P + r)(r + P^3)(1 - P) - n P (r + P^3)(1 - P) + 3b P^3 (P + r)(1 - P)
    //   - (2a + d) P (P + r)(r + P^3), multiplied out.
    return Polynomial{r * r * (a + 2 * d),    -r * (3 * r * (a + d) + b - d),
                      -r * (2 * (a + d) - b), r * (a + 3 * b + 2 * d),
                      2 * b + d - 3 * r * n,  -2 * n};
}

Roots Model::turning_points_p(double s) const {
    return roots_in(slope_numerator_p(s), kLowerBound, kUpperBound);
}

Point Model::best_given_p(double p) const {
    if (s_held_) return {*s_held_, p, at(*s_held_, p)};
    const double a = counts_[0], b = counts_[1], d = double(counts_[2]) + counts_[3];
    const double n = a + b + d;
    // The best S' for this P, then the S that gives it: S = S' P / (1 - S' (1 - P)).
    const double s1 = 1 - (a + d) / (n * (1 - p * p));
    double s = s_floor_;
    if (s1 >= 1) {
        s = kUpperBound;
    } else if (s1 > 0) {
        s = into_box(s1 * p / (1 - s1 * (1 - p)), s_floor_);
    }
    // The ends compete too, so rounding in the clamp can never lose the maximum.
    Point best{s, p, at(s, p)};
    for (double end : {s_floor_, kUpperBound}) {
        if (const double value = at(end, p); value > best.value) best = {end, p, value};
    }
    return best;
}

Point Model::best_given_s(double s) const {
    // At S = 1 the log likelihood does not depend on P; the ends stand for it.
    const auto [p, value] =
        best_by_slope([&](double x) { return at(s, x); },
                      s < 1 ? slope_numerator_p(s) : Polynomial{}, kLowerBound, kUpperBound);
    return {s, p, value};
}

Point Model::maximum() const {
    if (s_held_) return best_given_s(*s_held_);
    Point best = best_given_p(kLowerBound);
    const auto consider = [&](const Point& point) {
        if (point.value > best.value) best = point;
    };
    consider(best_given_p(kUpperBound));
    consider(best_given_s(s_floor_));
    consider(best_given_s(kUpperBound));
    const double a = counts_[0], b = counts_[1], d = double(counts_[2]) + counts_[3];
    const double n = a + b + d;
    if (d > 0) {
        const double p = d / (2 * a + d);
        const double s1 = 1 - (a + d) / (n * (1 - p * p));
        if (p >= kLowerBound && p <= kUpperBound && s1 > 0 && s1 < 1) {
            const double s = s1 * p / (1 - s1 * (1 - p));
            if (s >= s_floor_ && s <= kUpperBound) consider({s, p, at(s, p)});
        }
    }
    return best;
}

std::optional<Point> Model::interior_maximum() const {
    if (s_held_) return std::nullopt;
    const double a = counts_[0], b = counts_[1], d = double(counts_[2]) + counts_[3];
    const double n = a + b + d;
    if (!(d > 0)) return std::nullopt;
    const double p = d / (2 * a + d);
    const double s1 = 1 - (a + d) / (n * (1 - p * p));
    if (!(p >= kLowerBound && p <= kUpperBound && s1 > 0 && s1 < 1)) return std::nullopt;
    const double s = s1 * p / (1 - s1 * (1 - p));
    if (!(s >= s_floor_ && s <= kUpperBound)) return std::nullopt;
    return Point{s, p, at(s, p)};
}

Point Model::best_without_always_visible() const {
    const double a = counts_[0], b = counts_[1], d = double(counts_[2]) + counts_[3];
    const double p = into_box((2 * b + d) / (2 * (a + b + d)));
    return {0, p, at(0, p)};
}

std::pair<double, double> Model::seen_range() const {
    const double s_low = s_held_ ? *s_held_ : s_floor_;
    const double s_high = s_held_ ? *s_held_ : kUpperBound;
    return {share_seen(s_low, kLowerBound), share_seen(s_high, kUpperBound)};
}

double Model::slope_s(double s, double p) const {
    const double a = counts_[0], b = counts_[1], d = double(counts_[2]) + counts_[3];
    const double n = a + b + d;
    const double r = s / (1 - s);
    // dL/dr, times dr/dS = 1 / (1 - S)^2.
    return (-n / (p + r) + b / (r + p * p * p)) / ((1 - s) * (1 - s));
}

double Model::slope_p(double s, double p) const {
    const double a = counts_[0], b = counts_[1], d = double(counts_[2]) + counts_[3];
    const double n = a + b + d;
    const double r = s / (1 - s);
    return (a + 2 * d) / p - n / (p + r) + 3 * b * p * p / (r + p * p * p) - (2 * a + d) / (1 - p);
}

Model::Profile Model::profile_seen_and_slope(double q) const {
    if (s_held_) {
        const double s = *s_held_;
        if (s >= 1) return {at(s, kLowerBound), 0};
        const double p = (q - s) / (1 - s);
        const double inside = into_box(p);
        // P stops at an edge of the box: beyond it the profile no longer moves with q.
        return {at(s, inside), inside == p ? slope_p(s, p) / (1 - s) : 0};
    }
    // On the line, S >= floor holds for P <= (q - floor) / (1 - floor) and S <= 0.99 for
    // P >= (q - 0.99) / 0.01.
    const double p_low = std::max(kLowerBound, (q - kUpperBound) / (1 - kUpperBound));
    const double p_high = std::min(kUpperBound, (q - s_floor_) / (1 - s_floor_));
    const auto on_line = [&](double p) {
        return at(into_box((q - p) / (1 - p), s_floor_), into_box(p));
    };
    if (!(p_high > p_low)) return {on_line(p_low), 0};

    const double a = counts_[0], b = counts_[1], d = double(counts_[2]) + counts_[3];
    const double n = a + b + d;
    // With h = q - (1 - q)(P + P^2), so that g = (1 - P) h, the slope along the line is
    // (a + 2d)/P - a/(1 - P) - b (1 - q)(1 + 2P)/h; times P (1 - P) h, positive on the line:
    const Polynomial numerator{q * (a + 2 * d), -(a + b + 2 * d) - q * (a - b), (1 - q) * (a - b),
                               2 * (1 - q) * n};
    const auto [best_p, best] = best_by_slope(on_line, numerator, p_low, p_high);
    // At an end of the line held by an edge of S, q moves the point along that edge (P by
    // 1 / (1 - S) per unit of q); anywhere else it moves S by 1 / (1 - P) at the same P.
    const double s = into_box((q - best_p) / (1 - best_p), s_floor_), p = into_box(best_p);
    const bool on_s_edge =
        (best_p == p_low && p_low > kLowerBound) || (best_p == p_high && p_high < kUpperBound);
    return {best, on_s_edge ? slope_p(s, p) / (1 - s) : slope_s(s, p) / (1 - p)};
}

}  // namespace kestrivo::analysis
