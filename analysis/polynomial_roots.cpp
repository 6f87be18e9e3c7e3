// roots_in: recursion on the derivative down to a constant, then one safeguarded Newton search per
// monotone piece.
#include "analysis/polynomial_roots.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace kestrivo::analysis {

Polynomial::Polynomial(std::initializer_list<double> coefficients) {
    if (coefficients.size() > kCapacity) throw std::length_error("polynomial degree");
    std::copy(coefficients.begin(), coefficients.end(), c_.begin());
    size_ = coefficients.size();
}

std::pair<double, double> Polynomial::value_and_slope(double x) const {
    double value = 0, slope = 0;
    for (std::size_t k = size_; k-- > 0;) {
        slope = slope * x + value;
        value = value * x + c_[k];
    }
    return {value, slope};
}

double Polynomial::operator()(double x) const {
    double value = 0;
    for (std::size_t k = size_; k-- > 0;)
        value = value * x + c_[k];
    return value;
}

Polynomial Polynomial::derivative() const {
    Polynomial d;
    for (std::size_t k = 1; k < size_; ++k)
        d.c_[k - 1] = c_[k] * double(k);
    d.size_ = size_ > 0 ? size_ - 1 : 0;
    return d;
}

Polynomial Polynomial::operator*(const Polynomial& other) const {
    Polynomial product;
    if (size_ == 0 || other.size_ == 0) return product;
    product.size_ = size_ + other.size_ - 1;
    if (product.size_ > kCapacity) throw std::length_error("polynomial degree");
    for (std::size_t i = 0; i < size_; ++i) {
        for (std::size_t j = 0; j < other.size_; ++j)
            product.c_[i + j] += c_[i] * other.c_[j];
    }
    return product;
}

Polynomial Polynomial::operator+(const Polynomial& other) const {
    Polynomial sum = *this;
    sum.size_ = std::max(size_, other.size_);
    for (std::size_t k = 0; k < other.size_; ++k)
        sum.c_[k] += other.c_[k];
    return sum;
}

Polynomial Polynomial::operator*(double factor) const {
    Polynomial scaled = *this;
    for (std::size_t k = 0; k < size_; ++k)
        scaled.c_[k] *= factor;
    return scaled;
}

bool Polynomial::is_zero() const {
    return std::all_of(c_.begin(), c_.begin() + std::ptrdiff_t(size_),
                       [](double c) { return c == 0; });
}

std::size_t Polynomial::degree() const {
    std::size_t k = size_;
    while (k > 1 && c_[k - 1] == 0)
        --k;
    return k > 0 ? k - 1 : 0;
}

namespace {

// The roots of c0 + c1 x + c2 x^2 (c2 not 0) in [lo, hi], by the formula that does not subtract
// nearly equal numbers.
Roots quadratic_roots_in(double c0, double c1, double c2, double lo, double hi) {
    Roots roots;
    const double discriminant = c1 * c1 - 4 * c2 * c0;
    if (discriminant < 0) return roots;
    const double root = std::sqrt(discriminant);
    const double q = -0.5 * (c1 + (c1 < 0 ? -root : root));
    double x1 = q / c2, x2 = q != 0 ? c0 / q : x1;
    if (x1 > x2) std::swap(x1, x2);
    for (double x : {x1, x2}) {
        if (x >= lo && x <= hi && (roots.count == 0 || x > roots.x[roots.count - 1])) {
            roots.x[roots.count++] = x;
        }
    }
    return roots;
}

// The root of a monotone piece [a, b] whose ends have values of opposite signs: Newton's steps
// while they stay inside the bracket and at least halve it every two steps, bisection otherwise
// (rtsafe). The bracket shrinks around the root at every step, so the answer is the double where
// the step falls below a few units in the last place, or where the bracket can shrink no more.
double refine(const Polynomial& p, double a, double b, double pa, double pb) {
    // The first guess where the chord crosses zero, kept off the ends.
    double x = a + (b - a) * std::clamp(pa / (pa - pb), 0.05, 0.95);
    double step_before = b - a, step = step_before;
    for (int i = 0; i < 200; ++i) {
        const auto [px, dx] = p.value_and_slope(x);
        if (px == 0) return x;
        if ((px < 0) == (pa < 0)) {
            a = x;
            pa = px;
        } else {
            b = x;
        }
        double next = dx != 0 ? x - px / dx : a;
        const bool newton =
            next > a && next < b && std::fabs(2 * px) <= std::fabs(step_before * dx);
        if (!newton) next = a + (b - a) / 2;  // Newton leaves the bracket or converges too slowly
        step_before = step;
        step = next - x;
        if (next <= a || next >= b) return x;  // the bracket cannot shrink any more
        // Newton's error after a step is of the order of the step squared: a step this small
        // leaves the root right to the last bits.
        if (newton && std::fabs(step) <= 1e-8 * std::fabs(next)) return next;
        if (std::fabs(step) <= 4 * std::numeric_limits<double>::epsilon() * std::fabs(next)) {
            return next;
        }
        x = next;
    }
    return x;
}

}  // namespace

Roots roots_in(const Polynomial& p, double lo, double hi) {
    Roots roots;
    if (!(hi >= lo) || p.is_zero()) return roots;
    // Up to degree two the roots have closed forms.
    switch (p.degree()) {
        case 0:
            return roots;
        case 1:
            if (const double x = -p[0] / p[1]; x >= lo && x <= hi) roots.x[roots.count++] = x;
            return roots;
        case 2:
            return quadratic_roots_in(p[0], p[1], p[2], lo, hi);
        default:
            break;
    }
    const Polynomial d = p.derivative();
    // Between consecutive turning points p is monotone.
    std::array<double, Polynomial::kCapacity + 1> ends{lo};
    std::size_t count = 1;
    if (!d.is_zero()) {
        for (double t : roots_in(d, lo, hi)) {
            if (t > ends[count - 1] && t < hi) ends[count++] = t;
        }
    }
    ends[count++] = hi;
    double pb = p(ends[0]);
    for (std::size_t k = 0; k + 1 < count; ++k) {
        const double a = ends[k], b = ends[k + 1];
        const double pa = pb;
        pb = p(b);
        double root;
        if (pa == 0) {
            root = a;
        } else if (pb == 0) {
            root = b;
        } else if ((pa < 0) != (pb < 0)) {
            root = refine(p, a, b, pa, pb);
        } else {
            continue;
        }
        if (roots.count == 0 || root > roots.x[roots.count - 1]) roots.x[roots.count++] = root;
    }
    return roots;
}

}  // namespace kestrivo::analysis
