// Jet: a value carried with its gradient and Hessian in N variables through +, -, * and log
// (forward differentiation to second order), so that a likelihood written once for doubles gives
// Newton's method its exact derivatives. The seven-history models have two to four free values
// (S and one to three P's); each takes the Jet of its own size, as the work grows with N^2.
#pragma once

#include <array>
#include <cmath>
#include <cstddef>

namespace kestrivo::analysis {

template <std::size_t N>
struct Jet {
    double value = 0;
    std::array<double, N> gradient{};
    std::array<std::array<double, N>, N> hessian{};  // only j <= i is kept up to date

    Jet() = default;
    explicit Jet(double constant) : value(constant) {}
    static Jet variable(double at, std::size_t index) {
        Jet jet(at);
        jet.gradient[index] = 1;
        return jet;
    }
    /// The Hessian with its upper triangle filled from the lower.
    std::array<std::array<double, N>, N> full_hessian() const {
        auto full = hessian;
        for (std::size_t i = 0; i < N; ++i) {
            for (std::size_t j = i + 1; j < N; ++j)
                full[i][j] = hessian[j][i];
        }
        return full;
    }

    // a * x + b * y, the one form every linear operation takes.
    static Jet combined(double a, const Jet& x, double b, const Jet& y, double constant) {
        Jet sum(a * x.value + b * y.value + constant);
        for (std::size_t i = 0; i < N; ++i) {
            sum.gradient[i] = a * x.gradient[i] + b * y.gradient[i];
            for (std::size_t j = 0; j <= i; ++j)
                sum.hessian[i][j] = a * x.hessian[i][j] + b * y.hessian[i][j];
        }
        return sum;
    }
    friend Jet operator+(const Jet& a, const Jet& b) { return combined(1, a, 1, b, 0); }
    friend Jet operator-(const Jet& a, const Jet& b) { return combined(1, a, -1, b, 0); }
    friend Jet operator-(const Jet& a) { return combined(-1, a, 0, a, 0); }
    friend Jet operator-(double a, const Jet& b) { return combined(0, b, -1, b, a); }
    friend Jet operator-(const Jet& a, double b) { return combined(1, a, 0, a, -b); }
    friend Jet operator*(double a, const Jet& b) { return combined(a, b, 0, b, 0); }
    friend Jet operator*(const Jet& a, const Jet& b) {
        Jet product(a.value * b.value);
        for (std::size_t i = 0; i < N; ++i) {
            product.gradient[i] = a.value * b.gradient[i] + b.value * a.gradient[i];
            for (std::size_t j = 0; j <= i; ++j) {
                product.hessian[i][j] = a.value * b.hessian[i][j] + b.value * a.hessian[i][j] +
                                        a.gradient[i] * b.gradient[j] +
                                        b.gradient[i] * a.gradient[j];
            }
        }
        return product;
    }
    Jet& operator*=(const Jet& other) { return *this = *this * other; }
    Jet& operator+=(const Jet& other) { return *this = *this + other; }

    friend Jet log(const Jet& a) {
        Jet result(std::log(a.value));
        const double inverse = 1 / a.value;
        for (std::size_t i = 0; i < N; ++i) {
            result.gradient[i] = a.gradient[i] * inverse;
            for (std::size_t j = 0; j <= i; ++j) {
                result.hessian[i][j] =
                    a.hessian[i][j] * inverse - a.gradient[i] * a.gradient[j] * inverse * inverse;
            }
        }
        return result;
    }
};

inline double value_of(double x) {
    return x;
}
template <std::size_t N>
double value_of(const Jet<N>& x) {
    return x.value;
}

}  // namespace kestrivo::analysis
