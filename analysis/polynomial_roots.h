// Every real root of a polynomial in an interval. The profiles of the two-class model are
// maximised over one variable whose stationary points are the roots of a polynomial of degree
// five at most; finding all of them, rather than climbing from one start, is what makes each
// profile the global maximum even where the likelihood has two peaks. Coefficients and roots
// live in fixed arrays: the profiles call this in their innermost loops, where an allocation
// would cost more than the arithmetic.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <utility>

namespace kestrivo::analysis {

/// c[0] + c[1] x + c[2] x^2 + ..., of degree below kCapacity.
class Polynomial {
public:
    static constexpr std::size_t kCapacity = 12;

    Polynomial() = default;
    Polynomial(std::initializer_list<double> coefficients);

    double operator()(double x) const;
    /// The value and the slope at x, in one pass.
    std::pair<double, double> value_and_slope(double x) const;
    Polynomial derivative() const;
    /// Throws std::length_error when the product's degree would reach kCapacity.
    Polynomial operator*(const Polynomial& other) const;
    Polynomial operator+(const Polynomial& other) const;
    Polynomial operator*(double factor) const;
    /// True when every coefficient is zero (or there is none).
    bool is_zero() const;
    /// The coefficient of x^k (0 beyond the last).
    double operator[](std::size_t k) const { return k < size_ ? c_[k] : 0.0; }
    /// The degree, with zero leading coefficients dropped (0 for a constant or zero).
    std::size_t degree() const;

private:
    std::array<double, kCapacity> c_{};
    std::size_t size_ = 0;
};

/// Roots found in an interval, in increasing order.
struct Roots {
    std::array<double, Polynomial::kCapacity> x{};
    std::size_t count = 0;
    const double* begin() const { return x.data(); }
    const double* end() const { return x.data() + count; }
};

/// The distinct real roots of `p` in [lo, hi] where it changes sign, in increasing order, each to
/// the last bits a double can hold. A root where `p` only touches zero (of even multiplicity) is
/// found only when `p` is exactly zero there: the profiles look for where a slope changes sign,
/// and a touch is no maximum. A polynomial that is zero everywhere has none. Roots are isolated
/// by the roots of the derivative, between which `p` is monotone: at most one root lies in each
/// piece.
Roots roots_in(const Polynomial& p, double lo, double hi);

}  // namespace kestrivo::analysis
