// An independent statement of the two-class model for checking the library: written from the
// definitions (not from the library's order of operations), in long double, with its own 1-D
// maximiser. Shared by the tests and the benchmark.
#pragma once

#include <array>
#include <cmath>

namespace kestrivo::library::reference {

using Counts = std::array<int, 4>;

// log L of the counts at S, P; the probabilities come from the class shares of dogs seen first.
inline long double log_likelihood(const Counts& c, long double s, long double p) {
    const long double seen_first = s + (1 - s) * p;
    const long double territorial = s / seen_first;  // S'
    const long double other = 1 - territorial;
    const long double pi[4] = {other * (1 - p) * (1 - p), territorial + other * p * p,
                               other * p * (1 - p), other * p * (1 - p)};
    long double sum = 0;
    for (int k = 0; k < 4; ++k) {
        if (c[k] != 0) sum += c[k] * std::log(pi[k]);
    }
    return sum;
}

// Maximum of a unimodal f on [lo, hi] by golden-section search, to the resolution of long double.
template <class F>
long double argmax(F f, long double lo, long double hi) {
    const long double g = (std::sqrt(5.0L) - 1) / 2;
    long double a = lo, b = hi;
    long double x1 = b - g * (b - a), x2 = a + g * (b - a);
    long double f1 = f(x1), f2 = f(x2);
    for (int i = 0; i < 200 && b - a > 1e-15L; ++i) {
        if (f1 < f2) {
            a = x1;
            x1 = x2;
            f1 = f2;
            x2 = a + g * (b - a);
            f2 = f(x2);
        } else {
            b = x2;
            x2 = x1;
            f2 = f1;
            x1 = b - g * (b - a);
            f1 = f(x1);
        }
    }
    // The ends may beat the interior when the maximum sits on a bound.
    long double best = (a + b) / 2;
    if (f(lo) > f(best)) best = lo;
    if (f(hi) > f(best)) best = hi;
    return best;
}

struct Maximum {
    long double s, p, log_likelihood;
};

// The maximum over lo <= S, P <= hi. Inside the box it has a closed form in the histories seen once
// (a), on all counts (b) and on one of the later two (c); otherwise it lies on an edge, where the
// profile over P is unimodal in the other parameter.
inline Maximum maximum(const Counts& counts, long double lo = 0.01L, long double hi = 0.99L) {
    const long double a = counts[0], b = counts[1], c = counts[2] + counts[3];
    const long double n = a + b + c;
    if (a > 0 && c > 0) {
        const long double p = c / (2 * a + c);
        const long double s1 = 1 - (2 * a + c) * (2 * a + c) / (4 * a * n);
        const long double s = s1 * p / (1 - s1 + s1 * p);
        if (s1 >= 0 && s1 < 1 && s >= lo && s <= hi && p >= lo && p <= hi) {
            return {s, p, log_likelihood(counts, s, p)};
        }
    }
    // Edge search: the best P for each S, then the best S, by nested golden sections.
    auto best_p = [&](long double s) {
        return argmax([&](long double p) { return log_likelihood(counts, s, p); }, lo, hi);
    };
    const long double s =
        argmax([&](long double s) { return log_likelihood(counts, s, best_p(s)); }, lo, hi);
    const long double p = best_p(s);
    return {s, p, log_likelihood(counts, s, p)};
}

}  // namespace kestrivo::library::reference
