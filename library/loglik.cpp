// The statistical model: the log likelihood of the four capture-history counts when a share S of
// the dogs is always visible and each other dog is seen with probability P on every count.
#include <cfenv>
#include <cmath>
#include <limits>

#include "library/kestrivo.h"

namespace {

// The quiet comparisons: an ordinary '<' or '>=' on NaN would raise the invalid flag.
bool in_unit_interval(double x) {
    return std::isgreaterequal(x, 0.0) && std::islessequal(x, 1.0);
}

// S' = S / ((1 - S) P + S), the share of territorial dogs among those seen on count 1. Inside the
// unit square the denominator is zero only at S = P = 0, where S' is 0/0: NaN, given without the
// invalid flag. Outside it the quotient may overflow or be undefined; it is computed as IEEE
// arithmetic gives it and the caller's flags are put back as they were, because the flags belong
// to the caller's own arithmetic.
double share_seen_first(double s, double p) {
    if (in_unit_interval(s) && in_unit_interval(p)) {
        const double denominator = (1.0 - s) * p + s;
        if (denominator == 0.0) return std::numeric_limits<double>::quiet_NaN();
        return s / denominator;
    }
    std::fexcept_t saved;
    std::fegetexceptflag(&saved, FE_ALL_EXCEPT);
    const double share = s / ((1.0 - s) * p + s);
    std::fesetexceptflag(&saved, FE_ALL_EXCEPT);
    return share;
}

// count x ln(probability), where a history nobody showed adds nothing and a history that was seen
// but cannot happen makes the whole likelihood zero.
double term(int count, double probability) {
    if (count == 0) return 0.0;
    if (!std::isgreater(probability, 0.0) || std::isgreater(probability, 1.0)) {
        return -std::numeric_limits<double>::infinity();
    }
    return std::log(probability) * static_cast<double>(count);
}

}  // namespace

extern "C" double RLOGLIK(const int32_t* counts, const double* P, double* S) {
    const double p = *P;
    const double s = *S;
    *S = share_seen_first(s, p);
    const double s1 = *S;

    // A negative count is no frequency: there is no likelihood to give.
    for (int k = 0; k < 4; ++k) {
        if (counts[k] < 0) return std::numeric_limits<double>::quiet_NaN();
    }
    // No probability exists for S or P outside 0..1 (or not a number).
    if (!in_unit_interval(s) || !in_unit_interval(p)) {
        return -std::numeric_limits<double>::infinity();
    }

    // The order of every product is the model's own, so results agree to the last bit with a
    // hand evaluation in double precision. With S and P in 0..1, S' is in 0..1 or NaN (S = P = 0),
    // and a NaN probability counts as an impossible history below.
    const double q = 1.0 - p;
    const double rest = 1.0 - s1;
    const double pi[4] = {q * q * rest, p * p * rest + s1, rest * q * p, rest * q * p};

    double sum = 0.0;
    for (int k = 0; k < 4; ++k)
        sum += term(counts[k], pi[k]);
    return sum;
}
