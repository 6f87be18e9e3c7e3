// The objective that the minimiser drives: unpacks a trial point through the parameter blocks and
// returns the negative log likelihood.
#include <limits>

#include "library/kestrivo.h"
#include "library/parameter_block.h"

using kestrivo::library::kParameterCount;

extern "C" void FUNCT1(const int32_t* N, const double* XC, double* FC, const int32_t* IUSER,
                       const double* RUSER) {
    // Only a block inside the contract is read past N: anything else would send the reads below
    // wherever its numbers point.
    if (!kestrivo::library::valid_free_list(*N, IUSER)) {
        *FC = std::numeric_limits<double>::quiet_NaN();
        return;
    }
    const int n = *N;

    int32_t counts[4];
    for (int h = 0; h < 4; ++h)
        counts[h] = IUSER[kestrivo::library::kFirstCountSlot - 1 + h];

    // Parameter k keeps its value in RUSER(4k - 3) and its scale in RUSER(4k - 2).
    double value[kParameterCount];
    double scale[kParameterCount];
    for (int k = 1; k <= kParameterCount; ++k) {
        value[k - 1] = RUSER[4 * k - 4];
        scale[k - 1] = RUSER[4 * k - 3];
    }

    // Free parameter i is the one numbered IUSER(i + 1); its trial value is scaled by that
    // parameter's own scale.
    for (int i = 1; i <= n; ++i) {
        const int k = IUSER[i];
        value[k - 1] = XC[i - 1] / scale[k - 1];
    }

    // RLOGLIK replaces S by S'; handing it a copy keeps the caller's blocks as they were.
    double s = value[0];
    const double p = value[1];
    *FC = -RLOGLIK(counts, &p, &s);
}
