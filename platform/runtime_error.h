// Run-time errors of the program: what ends a command early. A command throws one; the window
// catches it where the command began, reports it, and goes on running.
#pragma once

#include <stdexcept>
#include <string>

namespace kestrivo::platform {

enum class ErrorKind {
    TypeMismatch,         // a text that is not a number
    InvalidInput,         // a number the program cannot use (a negative count)
    Overflow,             // a number beyond the range of its type
    FloatingPoint,        // invalid operation, division by zero or overflow in a checked step
    SubscriptOutOfRange,  // an index outside its array
    FileError,            // a file that cannot be written
    LibraryNotFound,      // the shared library or one of its entries is missing
    LibraryDamaged,       // the library file is cut short, altered, or not the one built with us
    LibraryUnusable,      // a library is there but cannot serve: another machine's, a folder,
                          // or an entry missing
    NoEstimate,           // the fit found none: the counts are impossible under what is held
};

/// The kind's title, as the user reads it ("Type mismatch").
const char* kind_title(ErrorKind kind);

class RuntimeError : public std::runtime_error {
public:
    /// @param detail  what went wrong and where, in plain words, as a sentence
    RuntimeError(ErrorKind kind, const std::string& detail)
        : std::runtime_error(detail), kind_(kind) {}

    ErrorKind kind() const { return kind_; }
    /// The text shown to the user: the kind's title, then the detail.
    std::string report() const;

private:
    ErrorKind kind_;
};

}  // namespace kestrivo::platform
