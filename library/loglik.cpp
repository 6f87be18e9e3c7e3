// The statistical model: the log likelihood of the four capture-history counts when a share S of
// the dogs is always visible and each other dog is seen with probability P on every count.
#include <cmath>
#include <limits>

#include "kestrivo.h"

namespace {

// S' = S / ((1 - S) P + S), the share of territorial dogs among those seen on count 1. A zero
// denominator gives the IEEE quotient (NaN for 0/0, a signed infinity otherwise) without raising
// the invalid or divide-by-zero flag: inputs outside 0..1 or on the edge are the caller's to
// choose, and the flags belong to the caller's own arithmetic.
double share_seen_first(double s, double p) {
    const double denominator = (1.0 - s) * p + s;
    if (denominator != 0.0 || std::isnan(denominator)) return s / denominator;
    if (s == 0.0 || std::isnan(s)) return std::numeric_limits<double>::quiet_NaN();
    const bool negative = std::signbit(s) != std::signbit(denominator);
    return negative ? -std::numeric_limits<double>::infinity()
                    : std::numeric_limits<double>::infinity();
}

// count x ln(probability), where a history nobody showed adds nothing and a history that was seen
// but cannot happen makes the whole likelihood zero. isgreater is the quiet comparison: an
// ordinary '>' on NaN would raise the invalid flag.
double term(int count, double probability) {
    if (count == 0) return 0.0;
    if (!std::isgreater(probability, 0.0)) return -std::numeric_limits<double>::infinity();
    return std::log(probability) * static_cast<double>(count);
}

}  // namespace

extern "C" double RLOGLIK(const int32_t* counts, const double* P, double* S) {
    const double p = *P;
    *S = share_seen_first(*S, p);
    const double s1 = *S;

    // The order of every product is the model's own, so results agree to the last bit with a
    // hand evaluation in double precision.
    const double q = 1.0 - p;
    const double rest = 1.0 - s1;
    double pi[4];
    if (std::isfinite(s1)) {
        pi[0] = q * q * rest;
        pi[1] = p * p * rest + s1;
        pi[2] = rest * q * p;
        pi[3] = rest * q * p;
    } else {
        // An infinite S' would turn the sums above into inf - inf; no probability exists here.
        pi[0] = pi[1] = pi[2] = pi[3] = std::numeric_limits<double>::quiet_NaN();
    }

    double sum = 0.0;
    for (int k = 0; k < 4; ++k)
        sum += term(counts[k], pi[k]);
    return sum;
}
