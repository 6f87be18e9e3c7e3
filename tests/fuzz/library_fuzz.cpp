// Fuzzes the library's three entries with counts, values, scales and bounds of every kind the
// callers may pass: no crash, no evaluation outside the bounds, no flag left after a search, and
// F always the objective at the X returned.
#include <fuzzer/FuzzedDataProvider.h>

#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "kestrivo.h"
#include "minimiser.h"

namespace {

const double* g_lower = nullptr;
const double* g_upper = nullptr;
int32_t g_n = 0;

void check(bool condition) {
    if (!condition) std::abort();
}

// FUNCT1, after checking that the trial point lies in the box.
void bounded_funct1(const int32_t* n, const double* xc, double* fc, const int32_t* iuser,
                    const double* ruser) {
    check(*n == g_n);
    for (int i = 0; i < *n; ++i)
        check(xc[i] >= g_lower[i] && xc[i] <= g_upper[i]);
    FUNCT1(n, xc, fc, iuser, ruser);
}

double any_double(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange(0, 9)) {
        case 0:
            return NAN;
        case 1:
            return INFINITY;
        case 2:
            return -INFINITY;
        case 3:
            return 0.0;
        case 4:
            return 1.0;
        default:
            return in.ConsumeFloatingPoint<double>();
    }
}

bool same(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    int32_t iuser[14] = {};
    double ruser[8] = {};
    const int32_t n = in.ConsumeIntegralInRange<int32_t>(-1, 2);
    iuser[0] = n;
    if (n == 2 && in.ConsumeBool()) {
        iuser[1] = 2;
        iuser[2] = 1;
    } else {
        iuser[1] = in.ConsumeBool() ? 1 : 2;
        iuser[2] = 3 - iuser[1];
    }
    for (int h = 9; h < 13; ++h) {
        iuser[h] =
            in.ConsumeBool() ? in.ConsumeIntegralInRange(0, 500) : in.ConsumeIntegral<int32_t>();
    }
    for (int k = 0; k < 2; ++k) {
        ruser[4 * k] = in.ConsumeBool() ? in.ConsumeProbability<double>() : any_double(in);
        double scale = in.ConsumeBool() ? 1.0 : in.ConsumeFloatingPointInRange(-1e3, 1e3);
        ruser[4 * k + 1] = scale == 0 ? 1.0 : scale;  // a zero scale is outside the contract
    }

    double lower[2], upper[2], x[2], f = 0;
    for (int i = 0; i < 2; ++i) {
        double a = in.ConsumeFloatingPointInRange(-10.0, 10.0);
        double b = in.ConsumeBool() ? a : in.ConsumeFloatingPointInRange(-10.0, 10.0);
        lower[i] = std::fmin(a, b);
        upper[i] = std::fmax(a, b);
        x[i] = any_double(in);
    }
    g_lower = lower;
    g_upper = upper;
    g_n = n;

    double s = ruser[0], p = ruser[4];
    RLOGLIK(iuser + 9, &p, &s);

    // The minimiser through a checking objective.
    int32_t ibound = 0, liw = 20, lw = 500, ifail = 1, iw[20];
    double w[500];
    double xs[2] = {x[0], x[1]};
    if (n >= 1) {
        kestrivo::E04JYF(&n, &ibound, bounded_funct1, lower, upper, xs, &f, iw, &liw, w, &lw, iuser,
                         ruser, &ifail);
        check(ifail >= 0 && ifail <= 3);
    }

    // The exported entry: flags clear after a search, F the objective at X.
    std::feraiseexcept(FE_INVALID);
    ifail = 1;
    f = 12345;
    N_E04JYF(&n, &ibound, lower, upper, x, &f, iw, &liw, w, &lw, iuser, ruser, &ifail);
    if (n != 0) {
        check(std::fetestexcept(FE_ALL_EXCEPT) == 0);
        if (ifail != kestrivo::kInvalidArguments) {
            double again = 0;
            FUNCT1(&n, x, &again, iuser, ruser);
            check(same(again, f));
        }
    }
    std::feclearexcept(FE_ALL_EXCEPT);
    return 0;
}
