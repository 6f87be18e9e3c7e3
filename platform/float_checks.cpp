// Names of the floating-point flags, for error messages.
#include "platform/float_checks.h"

namespace kestrivo::platform {

std::string flag_names(int flags) {
    std::string names;
    auto add = [&](int flag, const char* name) {
        if (!(flags & flag)) return;
        if (!names.empty()) names += " and ";
        names += name;
    };
    add(FE_DIVBYZERO, "division by zero");
    add(FE_INVALID, "invalid operation");
    add(FE_OVERFLOW, "overflow");
    if (!names.empty()) names[0] = static_cast<char>(names[0] - 'a' + 'A');
    return names;
}

}  // namespace kestrivo::platform
