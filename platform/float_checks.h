// Floating-point error detection for the program's own arithmetic. The program does not trap: it
// clears the exception flags, runs one step, and tests the flags. An invalid operation, a division
// by zero or an overflow in the step is a floating-point run-time error.
#pragma once

#include <cfenv>
#include <string>

#include "platform/runtime_error.h"

namespace kestrivo::platform {

inline constexpr int kCheckedFlags = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

/// The raised flags' names, for a message: "division by zero", "invalid operation", "overflow".
std::string flag_names(int flags);

/// Runs `step(args...)` between clearing and testing the flags and returns its result; throws a
/// FloatingPoint RuntimeError naming `what` if the step raised a checked flag.
///
/// The step is called through a volatile function pointer. The compiler cannot see which
/// arithmetic that runs, so it can neither fold it at compile time nor move it across the two
/// flag calls; the arithmetic happens exactly between them.
template <class R, class... P, class... A>
R checked(const char* what, R (*step)(P...), A... args) {
    R (*volatile opaque)(P...) = step;
    std::feclearexcept(FE_ALL_EXCEPT);
    R result = opaque(args...);
    if (const int raised = std::fetestexcept(kCheckedFlags)) {
        throw RuntimeError(ErrorKind::FloatingPoint, flag_names(raised) + " in " + what + ".");
    }
    return result;
}

}  // namespace kestrivo::platform
