// The log likelihood of the two-class model, evaluated by the library's own RLOGLIK, and its
// profiles: for one quantity held at a value (P, S, or the share seen on one count), the largest
// log likelihood that the remaining freedom allows inside the fit's box. The report's confidence
// limits are where these profiles fall a set amount below the maximum.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <utility>

#include "analysis/polynomial_roots.h"
#include "library/kestrivo.h"

namespace kestrivo::analysis {

/// The box the window's fit works in, for S and for P alike.
inline constexpr double kLowerBound = 0.01;
inline constexpr double kUpperBound = 0.99;
/// The survey's fits (pooled visibility, the city total) let S go down to 0: a stratum without
/// territorial dogs then has its maximum at S = 0, not at the window's floor, where it would
/// expect territorial dogs it does not have and lower P to make up for them.
inline constexpr double kSurveyFloorOfS = 0.0;

/// RLOGLIK's type, for calling the library's entry through a pointer.
using LogLikelihoodFn = double (*)(const int32_t*, const double*, double*);

/// A point of the box and the log likelihood there.
struct Point {
    double s, p, value;
};

/// The model for one block: its counts, and S either free in the box or held at a value.
class Model {
public:
    /// @param s_held   empty: S is free in the box; otherwise S is fixed there (0..1)
    /// @param s_floor  the box's lowest S: the window's kLowerBound, or 0 for the survey's fits
    Model(LogLikelihoodFn loglik, std::array<int32_t, 4> counts, std::optional<double> s_held,
          double s_floor = kLowerBound);

    /// The log likelihood at (S, P).
    double at(double s, double p) const;
    bool s_free() const { return !s_held_; }
    /// The box's lowest S.
    double s_floor() const { return s_floor_; }
    /// The dogs the histories are of: the sum of the four counts.
    double dogs() const {
        return double(counts_[0]) + counts_[1] + counts_[2] + double(counts_[3]);
    }

    /// The largest log likelihood with P fixed: over S in the box, or at the held S.
    double profile_p(double p) const { return best_given_p(p).value; }
    /// The largest log likelihood with S fixed, over P in the box.
    double profile_s(double s) const { return best_given_s(s).value; }
    /// Where profile_p and profile_s reach their values.
    Point best_given_p(double p) const;
    Point best_given_s(double s) const;
    /// The maximum of the log likelihood over the box, or over P at the held S: the stationary
    /// point in closed form when it lies inside the box, else the best of the box's four edges.
    Point maximum() const;
    /// The stationary point of the log likelihood with S free, when it lies inside the box: then
    /// it is the maximum (the profile in P with S at its best is concave), found without looking
    /// at the edges. Empty otherwise, or with S held.
    std::optional<Point> interior_maximum() const;
    /// The largest log likelihood with S = 0 (no always-visible dogs), over P in the box.
    Point best_without_always_visible() const;
    /// The stationary points in P of the log likelihood with S fixed (below 1), inside the box,
    /// in increasing order: the log likelihood is monotone between them.
    Roots turning_points_p(double s) const;
    /// The largest log likelihood with the share seen on one count, q = S + (1 - S) P, fixed.
    double profile_seen(double q) const { return profile_seen_and_slope(q).value; }
    /// profile_seen and its slope in q: by the envelope theorem, the slope of the log likelihood
    /// as q moves the maximum's point along the constraints that hold there (S on an edge of the
    /// box, or P on one; the line alone inside it).
    struct Profile {
        double value, slope;
    };
    Profile profile_seen_and_slope(double q) const;
    /// The partial slopes of the log likelihood in S and in P.
    double slope_s(double s, double p) const;
    double slope_p(double s, double p) const;
    /// The shares seen that the box allows: from its smallest S and P to its largest.
    std::pair<double, double> seen_range() const;

private:
    /// The slope in P of the log likelihood with S fixed, times a factor positive in the box.
    Polynomial slope_numerator_p(double s) const;

    LogLikelihoodFn loglik_;
    std::array<int32_t, 4> counts_;
    std::optional<double> s_held_;
    double s_floor_;
};

/// q = S + (1 - S) P: a territorial dog is always seen, any other with probability P.
inline double share_seen(double s, double p) {
    return s + (1 - s) * p;
}

}  // namespace kestrivo::analysis
