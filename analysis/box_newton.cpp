// box_newton: projected Newton steps with a backtracking search along the projected path. The
// values held are those at an edge whose slope points out of the box; the others take the
// Newton step of their own block of the Hessian, damped towards a gradient step where that
// block is not positive definite.
#include "analysis/box_newton.h"

#include <algorithm>
#include <cmath>

namespace kestrivo::analysis {
namespace {

template <std::size_t N>
using Matrix = std::array<std::array<double, N>, N>;

// Solves (A + damping I) d = -g on the first `n` rows by Cholesky; false when the damped matrix
// is not positive definite.
template <std::size_t N>
bool solve_damped(const Matrix<N>& a, const std::array<double, N>& g, std::size_t n, double damping,
                  std::array<double, N>& d) {
    Matrix<N> l{};
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = 0; j <= i; ++j) {
            double sum = a[i][j] + (i == j ? damping : 0);
            for (std::size_t k = 0; k < j; ++k)
                sum -= l[i][k] * l[j][k];
            if (i == j) {
                if (!(sum > 0)) return false;
                l[i][i] = std::sqrt(sum);
            } else {
                l[i][j] = sum / l[j][j];
            }
        }
    }
    std::array<double, N> y{};
    for (std::size_t i = 0; i < n; ++i) {
        double sum = -g[i];
        for (std::size_t k = 0; k < i; ++k)
            sum -= l[i][k] * y[k];
        y[i] = sum / l[i][i];
    }
    for (std::size_t i = n; i-- > 0;) {
        double sum = y[i];
        for (std::size_t k = i + 1; k < n; ++k)
            sum -= l[k][i] * d[k];
        d[i] = sum / l[i][i];
    }
    return true;
}

// The Newton step of the values not held at an edge (zero for those held), damped until their
// block of the Hessian is positive definite; empty when no damping makes it so.
template <std::size_t N>
std::optional<std::vector<double>> newton_step(const Jet<N>& at, const std::vector<double>& x,
                                               const std::vector<double>& lower,
                                               const std::vector<double>& upper) {
    std::vector<std::size_t> free;
    for (std::size_t i = 0; i < x.size(); ++i) {
        const double g = at.gradient[i];
        if ((x[i] <= lower[i] && g > 0) || (x[i] >= upper[i] && g < 0)) continue;
        free.push_back(i);
    }
    std::vector<double> step(x.size(), 0.0);
    if (free.empty()) return step;
    const Matrix<N> hessian = at.full_hessian();
    Matrix<N> a{};
    std::array<double, N> g{}, d{};
    double largest = 0;
    for (std::size_t i = 0; i < free.size(); ++i) {
        g[i] = at.gradient[free[i]];
        for (std::size_t j = 0; j < free.size(); ++j)
            a[i][j] = hessian[free[i]][free[j]];
        largest = std::fmax(largest, std::fabs(a[i][i]));
    }
    double damping = 0;
    for (int tries = 0; !solve_damped(a, g, free.size(), damping, d); ++tries) {
        if (tries > 40 || !std::isfinite(largest)) return std::nullopt;
        damping = damping == 0 ? 1e-8 * (1 + largest) : damping * 10;
    }
    for (std::size_t i = 0; i < free.size(); ++i)
        step[free[i]] = d[i];
    return step;
}

}  // namespace

template <std::size_t N>
std::optional<BoxMinimum> box_newton(const std::function<Jet<N>(const std::vector<double>&)>& f,
                                     std::vector<double> x, const std::vector<double>& lower,
                                     const std::vector<double>& upper, double gain, int steps) {
    const auto clamp_into = [&](std::vector<double>& y) {
        for (std::size_t i = 0; i < y.size(); ++i)
            y[i] = std::clamp(y[i], lower[i], upper[i]);
    };
    clamp_into(x);
    Jet<N> at = f(x);
    if (!std::isfinite(at.value)) return std::nullopt;
    for (int s = 0; s < steps; ++s) {
        const auto step = newton_step(at, x, lower, upper);
        if (!step) return std::nullopt;
        double predicted = 0;  // what the full step would gain, on a quadratic
        for (std::size_t i = 0; i < x.size(); ++i)
            predicted -= at.gradient[i] * (*step)[i];
        if (predicted < gain) return BoxMinimum{x, at.value};
        // Halve the step until the value falls by a share of what the path promises.
        bool moved = false;
        for (double t = 1; t > 1e-12 && !moved; t /= 2) {
            std::vector<double> y = x;
            for (std::size_t i = 0; i < y.size(); ++i)
                y[i] += t * (*step)[i];
            clamp_into(y);
            double slope = 0;
            for (std::size_t i = 0; i < y.size(); ++i)
                slope += at.gradient[i] * (y[i] - x[i]);
            const Jet<N> next = f(y);
            if (std::isfinite(next.value) && next.value < at.value &&
                next.value <= at.value + 1e-4 * std::fmin(0.0, slope)) {
                x = std::move(y);
                at = next;
                moved = true;
            }
        }
        // Where no step lowers the value any more, it is the minimum to within rounding if the
        // step promised next to nothing; otherwise the search has failed.
        if (!moved) {
            if (predicted < 1e-8 * (1 + std::fabs(at.value))) return BoxMinimum{x, at.value};
            return std::nullopt;
        }
    }
    return std::nullopt;
}

// One to four values, as the header promises: the signature written once, so it cannot drift
// from the header's in one size only.
#define KESTRIVO_BOX_NEWTON(N)                                                         \
    template std::optional<BoxMinimum> box_newton<N>(                                  \
        const std::function<Jet<N>(const std::vector<double>&)>&, std::vector<double>, \
        const std::vector<double>&, const std::vector<double>&, double, int);
KESTRIVO_BOX_NEWTON(1)
KESTRIVO_BOX_NEWTON(2)
KESTRIVO_BOX_NEWTON(3)
KESTRIVO_BOX_NEWTON(4)
#undef KESTRIVO_BOX_NEWTON

}  // namespace kestrivo::analysis
