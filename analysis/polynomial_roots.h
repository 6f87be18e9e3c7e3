// Every real root of a polynomial in an interval. The profiles of the two-class model are
// maximised over one variable whose stationary points are the roots of a polynomial of degree
// five at most; finding all of them, rather than climbing from one start, is what makes each
// profile the global maximum even where the likelihood has two peaks.
#pragma once

#include <initializer_list>
#include <vector>

namespace kestrivo::analysis {

/// c[0] + c[1] x + c[2] x^2 + ...
class Polynomial {
public:
    Polynomial() = default;
    Polynomial(std::initializer_list<double> coefficients) : c_(coefficients) {}

    double operator()(double x) const;
    Polynomial derivative() const;
    Polynomial operator*(const Polynomial& other) const;
    Polynomial operator+(const Polynomial& other) const;
    Polynomial operator*(double factor) const;
    /// True when every coefficient is zero (or there is none).
    bool is_zero() const;

private:
    std::vector<double> c_;
};

/// The distinct real roots of `p` in [lo, hi], in increasing order, each to the last bits a
/// double can hold. A polynomial that is zero everywhere has none. Roots are isolated by the
/// roots of the derivative, between which `p` is monotone: at most one root lies in each piece.
std::vector<double> roots_in(const Polynomial& p, double lo, double hi);

}  // namespace kestrivo::analysis
