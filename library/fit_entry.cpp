// The library's fitting entry: one objective evaluation when nothing is free, otherwise the
// bounded minimiser inside a known floating-point environment. Blocks it cannot fit are refused
// before anything is evaluated.
#include <cfenv>

#include "library/kestrivo.h"
#include "library/minimiser.h"
#include "library/parameter_block.h"

extern "C" void N_E04JYF(const int32_t* N, const int32_t* IBOUND, const double* BL,
                         const double* BU, double* X, double* F, int32_t* IW, const int32_t* LIW,
                         double* W, const int32_t* LW, const int32_t* IUSER, const double* RUSER,
                         int32_t* IFAIL) {
    // Nothing to fit: evaluate in the caller's own floating-point environment and leave every
    // flag it raises for the caller to see.
    if (*N == 0) {
        if (!kestrivo::library::valid_counts(IUSER)) {
            *IFAIL = kestrivo::library::kInvalidArguments;
            return;
        }
        FUNCT1(N, X, F, IUSER, RUSER);
        return;
    }

    // The default environment rounds to nearest with every trap masked, so infinities and NaNs
    // met during the search are values, not signals. The same fixed environment, with all flags
    // clear, is set again afterwards: the caller's next flag test sees only its own arithmetic.
    std::fesetenv(FE_DFL_ENV);
    if (kestrivo::library::valid_free_list(*N, IUSER) && kestrivo::library::valid_counts(IUSER)) {
        kestrivo::library::E04JYF(N, IBOUND, FUNCT1, BL, BU, X, F, IW, LIW, W, LW, IUSER, RUSER,
                                  IFAIL);
    } else {
        // A negative N lands here too.
        *IFAIL = kestrivo::library::kInvalidArguments;
    }
    std::fesetenv(FE_DFL_ENV);
}
