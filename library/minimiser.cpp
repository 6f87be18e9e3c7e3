// Bounded minimisation over NLopt's BOBYQA, with the guarantees the fit relies on: the objective
// is only evaluated inside the box, the point returned is the best one evaluated, and nothing but
// IFAIL reports trouble.
//
// Two things BOBYQA alone gets wrong on our likelihoods, and what is done about them here:
// - With the minimum on a bound and a tolerance near the rounding of the arithmetic, its trust
//   region step rounds to nothing and it evaluates the very same point over and over until the
//   evaluation limit (an ordinary block then "found no maximum"). A search that proposes the same
//   point several times running has converged as far as the arithmetic allows, and is stopped.
// - It is a local method. Some blocks (a few dogs of three histories, very many of the fourth)
//   have a second, higher maximum in another corner of the box, or a narrow deep one along an
//   edge. A coarse grid over the box, both edges included, is evaluated, and the search starts
//   again from each of its local minima that lies away from the best point found so far.
#include "library/minimiser.h"

#include <nlopt.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <type_traits>
#include <vector>

namespace kestrivo::library {
namespace {

// BOBYQA's trust region starts at this radius (in scaled units) unless the box is narrower.
constexpr double kInitialStep = 0.1;
// For BOBYQA the relative x tolerance is taken against the initial radius; this lets the search
// go on until x is good to about 1e-8 and F to about 1e-12 relative.
constexpr double kRelativeTolerance = 1e-10;
// The same point proposed this many times in a row means the search can make no more progress.
constexpr int kRepeatsToStop = 4;
// Points per variable of the coarse scan of the box, both bounds included. Only boxes of up to
// kScanMaxVariables variables are scanned (the fit has one or two).
constexpr int kScanPoints = 9;
constexpr std::size_t kScanMaxVariables = 2;
// At most this many further searches, from the lowest local minima of the scan.
constexpr int kMostRestarts = 4;

struct NloptDeleter {
    void operator()(nlopt_opt opt) const { nlopt_destroy(opt); }
};
using NloptHandle = std::unique_ptr<std::remove_pointer_t<nlopt_opt>, NloptDeleter>;

// x clamped into [lo, hi]; a point that is not a number goes to the lower bound.
double clamp_into(double x, double lo, double hi) {
    if (!(x >= lo)) return lo;
    if (x > hi) return hi;
    return x;
}

// One search: the objective with its blocks, the box, and the best point evaluated so far.
// Variables whose bounds coincide are held at that value and not shown to NLopt at all.
class Search {
public:
    Search(int n, Objective objective, const double* lo, const double* hi, const double* start,
           const int32_t* iuser, const double* ruser)
        : n_(n), objective_(objective), lo_(lo), hi_(hi), iuser_(iuser), ruser_(ruser), trial_(n) {
        for (int i = 0; i < n; ++i) {
            trial_[i] = clamp_into(start[i], lo[i], hi[i]);
            if (lo[i] < hi[i]) free_.push_back(i);
        }
        best_ = trial_;
    }

    const std::vector<int>& free_variables() const { return free_; }
    const std::vector<double>& best_point() const { return best_; }
    double best_value() const { return best_value_; }
    bool evaluated() const { return evaluations_ > 0; }
    bool found_finite() const { return std::isfinite(best_value_); }

    // The start point in NLopt's coordinates (the free variables only).
    std::vector<double> reduced_start() const {
        std::vector<double> x;
        for (int i : free_)
            x.push_back(trial_[i]);
        return x;
    }

    // The objective at a point given in NLopt's coordinates. NLopt may hand us a point a rounding
    // step outside a bound, so every coordinate is clipped into the box first.
    double evaluate(const double* reduced) {
        bool same = evaluations_ > 0;
        for (std::size_t j = 0; j < free_.size(); ++j) {
            const int i = free_[j];
            const double x = clamp_into(reduced[j], lo_[i], hi_[i]);
            same = same && x == trial_[i];
            trial_[i] = x;
        }
        repeats_ = same ? repeats_ + 1 : 0;
        return evaluate_trial();
    }

    // True once the search has proposed the same point kRepeatsToStop times running.
    bool stalled() const { return repeats_ >= kRepeatsToStop; }
    void restart_from(const std::vector<double>& point) {
        trial_ = point;
        repeats_ = 0;
    }

    double evaluate_trial() {
        double f = 0.0;
        objective_(&n_, trial_.data(), &f, iuser_, ruser_);
        record(f);
        return std::isfinite(f) ? f : stand_in_for_non_finite();
    }

private:
    // The first value is always kept (so F and X agree even if nothing is finite); after that a
    // value replaces the best one only when it is lower, or a number where the best one is not.
    void record(double f) {
        const bool better = evaluations_ == 0 || std::isless(f, best_value_) ||
                            (std::isnan(best_value_) && !std::isnan(f));
        ++evaluations_;
        if (std::isfinite(f) && (!std::isfinite(worst_finite_) || f > worst_finite_)) {
            worst_finite_ = f;
        }
        if (better) {
            best_value_ = f;
            best_ = trial_;
        }
    }

    // BOBYQA fits quadratic models to the values it sees, so an infinity or a NaN would spoil
    // every model after it. It is shown a value well above anything finite seen so far instead:
    // the search then treats that region as uphill and backs away from it.
    double stand_in_for_non_finite() const {
        if (!std::isfinite(worst_finite_)) return 1e10;
        return worst_finite_ + 1.0 + std::fabs(worst_finite_);
    }

    int32_t n_;
    Objective objective_;
    const double* lo_;
    const double* hi_;
    const int32_t* iuser_;
    const double* ruser_;
    std::vector<int> free_;
    std::vector<double> trial_;
    std::vector<double> best_;
    double best_value_ = NAN;
    double worst_finite_ = NAN;
    long evaluations_ = 0;
    int repeats_ = 0;
};

struct Run {
    Search* search;
    nlopt_opt opt;
};

double nlopt_objective(unsigned, const double* x, double*, void* data) {
    const Run& run = *static_cast<Run*>(data);
    const double f = run.search->evaluate(x);
    if (run.search->stalled()) nlopt_force_stop(run.opt);
    return f;
}

bool valid_arguments(int n, int ibound, const double* lo, const double* hi) {
    if (n < 1 || ibound != 0) return false;
    for (int i = 0; i < n; ++i) {
        if (!std::isfinite(lo[i]) || !std::isfinite(hi[i]) || lo[i] > hi[i]) return false;
    }
    return true;
}

// Runs BOBYQA over the free variables; returns the status it ended with.
MinimiserStatus run_bobyqa(Search& search, int max_evaluations, const double* lo,
                           const double* hi) {
    const std::vector<int>& free = search.free_variables();
    const unsigned m = static_cast<unsigned>(free.size());
    std::vector<double> lower, upper;
    double step = kInitialStep;
    for (int i : free) {
        lower.push_back(lo[i]);
        upper.push_back(hi[i]);
        step = std::fmin(step, 0.25 * (hi[i] - lo[i]));
    }

    NloptHandle opt(nlopt_create(NLOPT_LN_BOBYQA, m));
    if (!opt) return kNoProgress;
    std::vector<double> x = search.reduced_start();
    double f = 0.0;
    Run run{&search, opt.get()};
    const bool configured = nlopt_set_lower_bounds(opt.get(), lower.data()) > 0 &&
                            nlopt_set_upper_bounds(opt.get(), upper.data()) > 0 &&
                            nlopt_set_min_objective(opt.get(), nlopt_objective, &run) > 0 &&
                            nlopt_set_xtol_rel(opt.get(), kRelativeTolerance) > 0 &&
                            nlopt_set_maxeval(opt.get(), max_evaluations) > 0 &&
                            nlopt_set_initial_step1(opt.get(), step) > 0;
    if (!configured) return kNoProgress;

    switch (nlopt_optimize(opt.get(), x.data(), &f)) {
        case NLOPT_SUCCESS:
        case NLOPT_STOPVAL_REACHED:
        case NLOPT_FTOL_REACHED:
        case NLOPT_XTOL_REACHED:
        // Rounding stopped further progress: the best point is as good as the arithmetic allows.
        case NLOPT_ROUNDOFF_LIMITED:
            return kSuccess;
        case NLOPT_FORCED_STOP:
            return search.stalled() ? kSuccess : kNoProgress;
        case NLOPT_MAXEVAL_REACHED:
        case NLOPT_MAXTIME_REACHED:
            return kEvaluationLimit;
        default:
            return kNoProgress;
    }
}

// The local minima of a grid of kScanPoints per free variable over the box, bounds included,
// lowest first: grid points no higher than any neighbour along an axis. Every point is evaluated
// (and so competes for the best point). Empty for wider boxes.
std::vector<std::vector<double>> scan_box(Search& search, const double* lo, const double* hi) {
    const std::vector<int>& free = search.free_variables();
    if (free.empty() || free.size() > kScanMaxVariables) return {};
    const std::size_t m = free.size();
    std::size_t count = 1;
    for (std::size_t j = 0; j < m; ++j)
        count *= kScanPoints;
    std::vector<std::vector<double>> points(count);
    std::vector<double> values(count);
    std::vector<double> point = search.best_point();
    for (std::size_t k = 0; k < count; ++k) {
        std::size_t rest = k;
        for (std::size_t j = 0; j < m; ++j, rest /= kScanPoints) {
            const int i = free[j];
            const int at = int(rest % kScanPoints);
            point[i] =
                at == kScanPoints - 1 ? hi[i] : lo[i] + (hi[i] - lo[i]) * at / (kScanPoints - 1);
        }
        search.restart_from(point);
        values[k] = search.evaluate_trial();
        points[k] = point;
    }
    std::vector<std::size_t> minima;
    for (std::size_t k = 0; k < count; ++k) {
        bool lowest = std::isfinite(values[k]);
        std::size_t stride = 1;
        for (std::size_t j = 0; j < m && lowest; ++j, stride *= kScanPoints) {
            const std::size_t at = (k / stride) % kScanPoints;
            if (at > 0 && values[k - stride] < values[k]) lowest = false;
            if (at + 1 < kScanPoints && values[k + stride] < values[k]) lowest = false;
        }
        if (lowest) minima.push_back(k);
    }
    std::sort(minima.begin(), minima.end(),
              [&](std::size_t a, std::size_t b) { return values[a] < values[b]; });
    std::vector<std::vector<double>> starts;
    for (std::size_t k : minima)
        starts.push_back(points[k]);
    return starts;
}

// True when `a` and `b` are within one step of the scan's grid in every variable.
bool next_to(const std::vector<double>& a, const std::vector<double>& b, const double* lo,
             const double* hi, int n) {
    for (int i = 0; i < n; ++i) {
        const double step = (hi[i] - lo[i]) / (kScanPoints - 1);
        if (std::fabs(a[std::size_t(i)] - b[std::size_t(i)]) > step) return false;
    }
    return true;
}

}  // namespace

void E04JYF(const int32_t* N, const int32_t* IBOUND, Objective FUNCT, const double* BL,
            const double* BU, double* X, double* F, int32_t*, const int32_t*, double*,
            const int32_t*, const int32_t* IUSER, const double* RUSER, int32_t* IFAIL) noexcept {
    const int n = *N;
    if (!valid_arguments(n, *IBOUND, BL, BU)) {
        *IFAIL = kInvalidArguments;
        return;
    }
    try {
        Search search(n, FUNCT, BL, BU, X, IUSER, RUSER);
        MinimiserStatus status = kSuccess;
        if (!search.free_variables().empty()) {
            status = run_bobyqa(search, kEvaluationsPerVariable * n, BL, BU);
            // Further searches from the local minima of a coarse scan: each may lie in a basin
            // the first search never saw (large counts make basins narrow and deep). The best
            // point over all of them is the answer.
            int more = 0;
            for (const std::vector<double>& start : scan_box(search, BL, BU)) {
                // A grid point next to the best point found lies in its basin: nothing new.
                if (next_to(start, search.best_point(), BL, BU, n)) continue;
                if (++more > kMostRestarts) break;
                const double before = search.best_value();
                search.restart_from(start);
                const MinimiserStatus again =
                    run_bobyqa(search, kEvaluationsPerVariable * n, BL, BU);
                // The status is that of the search that found the best point.
                if (std::isless(search.best_value(), before)) status = again;
            }
        }
        // Whatever happened, X and F must describe one real evaluation.
        if (!search.evaluated()) search.evaluate_trial();
        if (!search.found_finite()) status = kNoProgress;

        for (int i = 0; i < n; ++i)
            X[i] = search.best_point()[i];
        *F = search.best_value();
        *IFAIL = status;
    } catch (...) {
        // Only allocation can throw here; the caller's X and F are still as they were.
        *IFAIL = kNoProgress;
    }
}

}  // namespace kestrivo::library
