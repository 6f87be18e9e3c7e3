// Our E04JYF: bounded minimisation of a function of a few variables from function values only.
// The fitting entry hands it FUNCT1; it is kept apart so that tests can drive it with objectives
// of their own.
#pragma once

#include <cstdint>

namespace kestrivo::library {

/// The objective's calling form: FC = f(XC(1..N)), with the parameter blocks passed through.
using Objective = void (*)(const int32_t* N, const double* XC, double* FC, const int32_t* IUSER,
                           const double* RUSER);

/// Error codes returned in IFAIL; kestrivo.h documents what X and F hold with each.
enum MinimiserStatus : int32_t {
    kSuccess = 0,
    kInvalidArguments = 1,
    kEvaluationLimit = 2,
    kNoProgress = 3,
};

/// Evaluations allowed per variable before the search gives up (kEvaluationLimit).
inline constexpr int kEvaluationsPerVariable = 2000;

/// Minimises FUNCT over BL(i) <= X(i) <= BU(i) from the start point in X, which is first clamped
/// into the box. FUNCT is only ever called at points inside the box. On return X is the lowest
/// point evaluated and F the value FUNCT returned there. Reports only through IFAIL; never
/// throws, prints or stops. IW, LIW, W, LW are not used.
void E04JYF(const int32_t* N, const int32_t* IBOUND, Objective FUNCT, const double* BL,
            const double* BU, double* X, double* F, int32_t* IW, const int32_t* LIW, double* W,
            const int32_t* LW, const int32_t* IUSER, const double* RUSER, int32_t* IFAIL) noexcept;

}  // namespace kestrivo::library
