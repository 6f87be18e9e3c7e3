/* The three entry points of libKestrivo.so, for the program that binds them by name and for the
 * tests that link them directly.
 *
 * Every argument is passed by address, Fortran style: a scalar is the address of one value, an
 * array the address of its element 1 (so IUSER(k) of the documentation is IUSER[k - 1] here).
 * Integers are 32-bit signed, reals are doubles.
 *
 * Parameter blocks (numbered from 1):
 *   IUSER(2..N+1)  parameter number of free parameter i (1 = S, 2 = P), in the order of X
 *   IUSER(10..13)  counts of the capture histories 1,0,0 / 1,1,1 / 1,0,1 / 1,1,0
 *   RUSER(1), (2)  value and scale of S; RUSER(5), (6) value and scale of P
 * The library reads those slots only and never writes either block. */
#ifndef KESTRIVO_H
#define KESTRIVO_H

#include <stdint.h>

#if defined(KESTRIVO_BUILDING_LIBRARY)
#define KESTRIVO_EXPORT __attribute__((visibility("default")))
#else
#define KESTRIVO_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

/// Log likelihood of the four capture-history counts under the two-class model.
/// @param counts  four counts, histories 1,0,0 / 1,1,1 / 1,0,1 / 1,1,0; only these four are read
/// @param P       probability of seeing a non-territorial dog on one count (0..1)
/// @param S       in: share of permanently visible dogs (0..1); out: S' = S / ((1 - S) P + S),
///                their share among the dogs seen on count 1
/// @return        sum of count_k * ln(pi_k), where a term with count 0 adds 0. It is -infinity when
///                S or P lies outside 0..1 (or is not a number), and when a history with a
///                positive count has a probability outside (0, 1]; NaN when a count is negative.
///                No invalid, divide-by-zero or overflow flag is raised on any of these ways.
KESTRIVO_EXPORT double RLOGLIK(const int32_t* counts, const double* P, double* S);

/// Objective of the fit: the negative log likelihood at trial point XC (scaled units).
/// @param N      number of free parameters, 0..2; IUSER(1) is not read
/// @param XC     XC(i) = value x scale of the parameter numbered IUSER(i + 1); unread when N = 0
/// @param FC     out: -RLOGLIK at the resulting S and P; NaN when N is not 0..2 or the parameter
///               numbers IUSER(2..N+1) are not 1 or 2 and distinct (nothing past N is read then)
KESTRIVO_EXPORT void FUNCT1(const int32_t* N, const double* XC, double* FC, const int32_t* IUSER,
                            const double* RUSER);

/// Fits the free parameters, or evaluates FUNCT1 once when N = 0.
///
/// N = 0: FUNCT1(N, X, F, IUSER, RUSER) once; nothing else is touched, not even the
/// floating-point environment. Any other N: bounded minimisation of FUNCT1 from X within BL..BU
/// (IBOUND = 0); on return X is the lowest point found and F = FUNCT1 at X. The search runs with
/// every floating-point trap masked and rounding to nearest; afterwards that same fixed mode is
/// set and every exception flag is cleared, so a caller testing the flags sees nothing raised
/// inside the search.
///
/// IFAIL on return (its value on entry is ignored; nothing is ever printed):
///   0  success;
///   1  invalid arguments, refused before any evaluation with X and F left as they were: N < 0
///      or N > 2, a parameter number in IUSER(2..N+1) that is not 1 or 2 or that repeats, a
///      negative count, IBOUND not 0, a bound not finite, or BL(i) > BU(i). With N = 0 only a
///      negative count is refused; otherwise that path leaves IFAIL alone;
///   2  evaluation limit reached; X and F hold the best point so far;
///   3  no progress: the objective was never finite, or the search failed; X and F hold the
///      best point evaluated.
/// IW, LIW, W and LW are accepted for the calling convention and not used.
KESTRIVO_EXPORT void N_E04JYF(const int32_t* N, const int32_t* IBOUND, const double* BL,
                              const double* BU, double* X, double* F, int32_t* IW,
                              const int32_t* LIW, double* W, const int32_t* LW,
                              const int32_t* IUSER, const double* RUSER, int32_t* IFAIL);

/// The type of N_E04JYF, for binding it by name.
typedef void (*kestrivo_n_e04jyf_fn)(const int32_t*, const int32_t*, const double*, const double*,
                                     double*, double*, int32_t*, const int32_t*, double*,
                                     const int32_t*, const int32_t*, const double*, int32_t*);

#ifdef __cplusplus
}
#endif

#endif
