// Titles and report texts of the run-time errors.
#include "platform/runtime_error.h"

namespace kestrivo::platform {

const char* kind_title(ErrorKind kind) {
    switch (kind) {
        case ErrorKind::TypeMismatch:
            return "Type mismatch";
        case ErrorKind::InvalidInput:
            return "Invalid input";
        case ErrorKind::Overflow:
            return "Overflow";
        case ErrorKind::FloatingPoint:
            return "Floating-point error";
        case ErrorKind::SubscriptOutOfRange:
            return "Subscript out of range";
        case ErrorKind::FileError:
            return "File error";
        case ErrorKind::LibraryNotFound:
            return "Library not found";
        case ErrorKind::LibraryDamaged:
            return "Library damaged";
        case ErrorKind::LibraryUnusable:
            return "Library unusable";
        case ErrorKind::NoEstimate:
            return "No estimate";
    }
    return "Run-time error";
}

std::string RuntimeError::report() const {
    return std::string(kind_title(kind_)) + ": " + what();
}

}  // namespace kestrivo::platform
