// roots_in: recursion on the derivative down to a constant, then one bisection per monotone piece.
#include "polynomial_roots.h"

#include <algorithm>
#include <cmath>

namespace kestrivo::analysis {

double Polynomial::operator()(double x) const {
    double value = 0;
    for (auto c = c_.rbegin(); c != c_.rend(); ++c)
        value = value * x + *c;
    return value;
}

Polynomial Polynomial::derivative() const {
    Polynomial d;
    for (std::size_t k = 1; k < c_.size(); ++k)
        d.c_.push_back(c_[k] * double(k));
    return d;
}

Polynomial Polynomial::operator*(const Polynomial& other) const {
    Polynomial product;
    if (c_.empty() || other.c_.empty()) return product;
    product.c_.assign(c_.size() + other.c_.size() - 1, 0.0);
    for (std::size_t i = 0; i < c_.size(); ++i) {
        for (std::size_t j = 0; j < other.c_.size(); ++j)
            product.c_[i + j] += c_[i] * other.c_[j];
    }
    return product;
}

Polynomial Polynomial::operator+(const Polynomial& other) const {
    Polynomial sum = c_.size() >= other.c_.size() ? *this : other;
    const Polynomial& shorter = c_.size() >= other.c_.size() ? other : *this;
    for (std::size_t k = 0; k < shorter.c_.size(); ++k)
        sum.c_[k] += shorter.c_[k];
    return sum;
}

Polynomial Polynomial::operator*(double factor) const {
    Polynomial scaled = *this;
    for (double& c : scaled.c_)
        c *= factor;
    return scaled;
}

bool Polynomial::is_zero() const {
    return std::all_of(c_.begin(), c_.end(), [](double c) { return c == 0; });
}

namespace {

// The root of a monotone piece [a, b] whose ends have values of opposite signs, by bisection
// until the interval cannot be halved any more.
double bisect(const Polynomial& p, double a, double b, double pa) {
    for (int i = 0; i < 200; ++i) {
        const double mid = a + (b - a) / 2;
        if (mid <= a || mid >= b) break;
        const double pm = p(mid);
        if (pm == 0) return mid;
        if ((pm < 0) == (pa < 0)) {
            a = mid;
            pa = pm;
        } else {
            b = mid;
        }
    }
    return a + (b - a) / 2;
}

}  // namespace

std::vector<double> roots_in(const Polynomial& p, double lo, double hi) {
    std::vector<double> roots;
    if (!(hi >= lo) || p.is_zero()) return roots;
    const Polynomial d = p.derivative();
    // Between consecutive turning points p is monotone.
    std::vector<double> ends{lo};
    if (!d.is_zero()) {
        for (double t : roots_in(d, lo, hi)) {
            if (t > ends.back() && t < hi) ends.push_back(t);
        }
    }
    ends.push_back(hi);
    for (std::size_t k = 0; k + 1 < ends.size(); ++k) {
        const double a = ends[k], b = ends[k + 1];
        const double pa = p(a), pb = p(b);
        double root;
        if (pa == 0) {
            root = a;
        } else if (pb == 0) {
            root = b;
        } else if ((pa < 0) != (pb < 0)) {
            root = bisect(p, a, b, pa);
        } else {
            continue;
        }
        if (roots.empty() || root > roots.back()) roots.push_back(root);
    }
    return roots;
}

}  // namespace kestrivo::analysis
