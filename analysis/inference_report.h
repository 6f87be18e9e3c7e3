// The numbers a survey team acts on, for one block: the estimates, their confidence limits from
// the profile likelihood, the dogs on the block with limits, which estimates sit on an edge of
// the fit's box, and two model checks. The maximum and every profile come from the model's closed
// forms (see profile_likelihood.h), each candidate evaluated by the likelihood library's RLOGLIK,
// passed in as a pointer: the window, which binds the library from its own folder, and a program
// linked to it compute the same report. No Qt.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "analysis/profile_likelihood.h"
#include "library/kestrivo.h"

namespace kestrivo::analysis {

/// The library's entry the report calls.
struct Library {
    LogLikelihoodFn loglik = nullptr;  // RLOGLIK
};

/// Where the library's fit entry (N_E04JYF) stopped, as the window shows it.
struct Fit {
    double s, p, log_likelihood;
};

struct Request {
    /// Counts of the histories 1,0,0 / 1,1,1 / 1,0,1 / 1,1,0.
    std::array<int32_t, 4> counts{};
    /// Empty: S is fitted. Otherwise S is held at this value (0..1).
    std::optional<double> s_held;
    /// Confidence level of every interval, between 0 and 1.
    double level = 0.95;
    /// The lowest S the fit allows: the window's kLowerBound, or the survey's 0
    /// (kSurveyFloorOfS). P keeps the window's box.
    double s_floor = kLowerBound;
    /// The fit entry's result for these counts, when the caller has one to show: the report
    /// then says, should the two differ, which is the maximum.
    std::optional<Fit> fit_entry;
};

/// A quantity of the report: its value, or in `why_not` the reason there is none.
template <class T>
struct Quantity {
    std::optional<T> value;
    std::string why_not;

    explicit operator bool() const { return value.has_value(); }
    const T& operator*() const { return *value; }
    const T* operator->() const { return &*value; }
};

enum class Bound { none, lower, upper };

/// A confidence interval. A limit that reached an edge of the fit's box is that edge, marked.
struct Interval {
    double lower = std::numeric_limits<double>::quiet_NaN();
    double upper = std::numeric_limits<double>::quiet_NaN();
    bool lower_at_bound = false;
    bool upper_at_bound = false;
    /// Empty when the values within the limits form one span. Otherwise they form several
    /// separate pieces, listed here in order; `lower` and `upper` then bound the piece that holds
    /// the estimate, and no single interval describes the set.
    std::vector<std::pair<double, double>> pieces;
};

struct Estimates {
    double S;               // the held value when S is held
    double P;               // meaningless when !p_identified
    double seen;            // q = S + (1 - S) P, the share of all dogs seen on one count
    double log_likelihood;  // the maximum, as RLOGLIK computes it
    /// False with S held at 1: every dog is then seen on every count and the data say nothing
    /// about P.
    bool p_identified = true;
};

struct DogsOnBlock {
    double estimate;  // n / q
    double lower;     // never below n
    double upper;     // +infinity when no upper limit is reached
};

/// Goodness of fit: G2 = 2 sum c ln(c / (n pi)) over the histories seen, on 3 - (free
/// parameters) degrees of freedom.
struct FitCheck {
    double deviance;
    int df;
    double p;
};

/// Are there always-visible dogs? The likelihood ratio of S free against S = 0, with the p-value
/// of the boundary mixture of chi-square(0) and chi-square(1).
struct AlwaysVisibleTest {
    double statistic;
    double p;
};

struct Report {
    Request request;
    /// Half the chi-square(1) quantile at the level: how far below the maximum the limits lie
    /// (1.9207... at 0.95).
    double drop = std::numeric_limits<double>::quiet_NaN();
    /// The dogs identified on the first count: the sum of the four counts (when none is negative).
    std::optional<std::int64_t> n;
    /// When the request's fit entry result and the closed forms' maximum differ in log likelihood
    /// by more than rounding: both points. The estimates are those of the higher.
    struct FitsApart {
        Fit entry, closed_form;
    };
    std::optional<FitsApart> fits_apart;
    /// No dog was identified (all four counts 0): nothing to fit, but a block with no dogs seen.
    /// Only `dogs` (0, from 0, no upper limit) has a value then.
    bool empty_block = false;

    Quantity<Estimates> estimates;
    Quantity<Interval> s_limits;
    Quantity<Interval> p_limits;
    Quantity<Interval> seen_limits;
    Quantity<DogsOnBlock> dogs;
    Bound s_bound = Bound::none;  // always none when S is held
    Bound p_bound = Bound::none;
    Quantity<FitCheck> fit_check;
    Quantity<AlwaysVisibleTest> always_visible;
};

/// The names of the limits that stopped at an edge of the fit's box rather than where the
/// profile fell far enough, as the report's columns call them ("S_lo P_hi"), or "".
std::string limits_at_edges(const Report& report);

/// Fits the block and computes every quantity of the report. Never throws: data on which a
/// quantity cannot be computed (a negative count, counts impossible under a held S, a level
/// outside 0..1) give that quantity's reason instead of a value. A block where no dog was
/// identified is data, not a failure: see `empty_block`.
Report make_report(const Library& library, const Request& request) noexcept;

/// Which edge of the fit's box a value lies on, within 1e-6: `lower` or kUpperBound.
Bound bound_of(double value, double lower = kLowerBound);

}  // namespace kestrivo::analysis
