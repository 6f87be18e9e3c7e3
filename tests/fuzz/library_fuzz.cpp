// Fuzzes the library's three entries with counts, values, scales and bounds of every kind the
// callers may pass, and with blocks outside the contract (any N, any parameter numbers, negative
// counts): no crash, no read past the documented slots, no evaluation outside the bounds, no flag
// left after a search, a block it cannot fit refused with X and F untouched, and otherwise F
// always the objective at the X returned.
#include <fuzzer/FuzzedDataProvider.h>

#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "library/kestrivo.h"
#include "library/minimiser.h"

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
    // Exactly the documented slots, on the heap, so the sanitizers see any read past them.
    std::vector<int32_t> iuser(13);
    std::vector<double> ruser(8);
    const bool outside_contract = in.ConsumeIntegralInRange(0, 7) == 0;
    int32_t n = in.ConsumeIntegralInRange<int32_t>(-1, 2);
    if (outside_contract) {
        n = in.ConsumeBool() ? in.ConsumeIntegralInRange<int32_t>(-3, 1000)
                             : in.ConsumeIntegral<int32_t>();
        iuser[1] = in.ConsumeIntegral<int32_t>();
        iuser[2] = in.ConsumeIntegralInRange<int32_t>(-1, 3);
    } else if (n == 2 && in.ConsumeBool()) {
        iuser[1] = 2;
        iuser[2] = 1;
    } else {
        iuser[1] = in.ConsumeBool() ? 1 : 2;
        iuser[2] = 3 - iuser[1];
    }
    iuser[0] = n;
    for (int h = 9; h < 13; ++h) {
        iuser[h] =
            in.ConsumeBool() ? in.ConsumeIntegralInRange(0, 500) : in.ConsumeIntegral<int32_t>();
    }
    for (int k = 0; k < 2; ++k) {
        ruser[4 * k] = in.ConsumeBool() ? in.ConsumeProbability<double>() : any_double(in);
        double scale = in.ConsumeBool() ? 1.0 : in.ConsumeFloatingPointInRange(-1e3, 1e3);
        ruser[4 * k + 1] = scale == 0 ? 1.0 : scale;  // a zero scale is outside the contract
    }
    const bool valid_list = n >= 0 && n <= 2 && (n < 1 || iuser[1] == 1 || iuser[1] == 2) &&
                            (n < 2 || ((iuser[2] == 1 || iuser[2] == 2) && iuser[1] != iuser[2]));
    bool valid_counts = true;
    for (int h = 9; h < 13; ++h)
        valid_counts = valid_counts && iuser[h] >= 0;

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
    std::feclearexcept(FE_ALL_EXCEPT);
    const double loglik = RLOGLIK(iuser.data() + 9, &p, &s);
    check(std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW) == 0);
    check(!valid_counts ? std::isnan(loglik) : !std::isnan(loglik));

    double fc = 0;
    FUNCT1(&n, x, &fc, iuser.data(), ruser.data());
    if (!valid_list) check(std::isnan(fc));

    // The minimiser through a checking objective.
    int32_t ibound = 0, liw = 20, lw = 500, ifail = 1, iw[20];
    double w[500];
    double xs[2] = {x[0], x[1]};
    if (n >= 1 && valid_list) {
        kestrivo::library::E04JYF(&n, &ibound, bounded_funct1, lower, upper, xs, &f, iw, &liw, w,
                                  &lw, iuser.data(), ruser.data(), &ifail);
        check(ifail >= 0 && ifail <= 3);
    }

    // The exported entry: a block it cannot fit refused untouched; flags clear after a search;
    // F the objective at X.
    std::feraiseexcept(FE_INVALID);
    ifail = 1;
    f = 12345;
    const double x_before[2] = {x[0], x[1]};
    N_E04JYF(&n, &ibound, lower, upper, x, &f, iw, &liw, w, &lw, iuser.data(), ruser.data(),
             &ifail);
    if (n != 0) check(std::fetestexcept(FE_ALL_EXCEPT) == 0);
    if (!valid_counts || (n != 0 && !valid_list)) {
        check(ifail == kestrivo::library::kInvalidArguments && f == 12345);
        check(same(x[0], x_before[0]) && same(x[1], x_before[1]));
    } else if (n != 0 && ifail != kestrivo::library::kInvalidArguments) {
        double again = 0;
        FUNCT1(&n, x, &again, iuser.data(), ruser.data());
        check(same(again, f));
    }
    std::feclearexcept(FE_ALL_EXCEPT);
    return 0;
}
