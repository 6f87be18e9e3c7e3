// Conversions between texts and numbers: as the window reads and shows them, and as every file
// the programs write holds them. No widgets: a text here is UTF-8 and the user's decimal
// separator is passed in.
//
// Reading: surrounding blanks and an exponent are accepted; the decimal separator is the user's,
// and "." is accepted too, so the start texts read in any locale. "nan", "inf", hexadecimal and an
// empty text are not numbers (TypeMismatch); a value beyond the type's range is an Overflow. A
// value too small for the type reads as zero. A text written with the locale's group separator
// ("1.000" where "." groups thousands) is refused as InvalidInput with the plain forms to type:
// with "." also read as a point, "1.000" could be one dog or a thousand.
//
// Writing: every pattern first writes the double with 15 significant digits and rounds that text,
// a half away from zero, so 0.175 gives "0.18" although its stored double lies just below 0.175.
// Infinities and NaN are written "Infinity", "-Infinity" and "NaN".
//
// Files (reports, plans, survey files) hold numbers in the C locale, to a number of significant
// digits: digits_text is the one writer of them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/runtime_error.h"

namespace kestrivo::platform {

/// A text refused as a number, with what it is and what to type instead. what() is the English
/// the command-line programs write; the window words the same facts in its own language.
class NumberRefused : public RuntimeError {
public:
    enum class Why {
        not_a_number,  // TypeMismatch
        too_large,     // Overflow
        ambiguous,  // InvalidInput: grouped as thousands, or a decimal point (`plain`, `decimal`)
        grouped,    // InvalidInput: digits grouped with `separator`; `plain` is what to type
    };
    NumberRefused(Why why, std::string_view text, std::string plain = {}, std::string decimal = {},
                  std::string separator = {});

    Why why;
    std::string text;  // as typed
    std::string plain, decimal, separator;
};

struct NumberLocale {
    std::string decimal_point = ".";
    std::string group_separator;  // empty: the locale groups no digits
};

/// A whole text as a double.
double text_to_double(std::string_view text, const NumberLocale& locale);
/// A whole text as a single-precision value, rounded once from the text.
float text_to_single(std::string_view text, const NumberLocale& locale);
/// A whole text as a 32-bit integer: the number rounded to the nearest, a half to even
/// (28.5 gives 28, 29.5 gives 30).
int32_t text_to_int32(std::string_view text, const NumberLocale& locale);

/// Patterns "0", "0.00", "0.000" (at least one digit before the point, that many after) and
/// "#.###0" (four decimals, no digit before the point when the integer part is 0).
std::string format_pattern(double value, std::string_view pattern, const NumberLocale& locale);

/// General form: at most `significant` digits, trailing zeros dropped, "0" before the point below
/// 1, exponent form (1E+20, 1.5E-07) from 10^significant up and below 0.0001.
std::string general_text(double value, const NumberLocale& locale, int significant = 15);

/// The printed form of a number: a blank before a non-negative value (the minus sign's place) and
/// one after. A double has up to 15 significant digits, a single up to 7.
std::string printed_number(double value, const NumberLocale& locale);
std::string printed_number(float value, const NumberLocale& locale);
std::string printed_number(int32_t value);

/// The most significant digits a double needs: with these, digits_text writes the shortest text
/// that reads back to the same double.
inline constexpr int kRoundTripDigits = 17;

/// `value` in a file: `digits` significant digits ("." as the point, an exponent where printf's
/// %g writes one, trailing zeros dropped), or with kRoundTripDigits or more the shortest form that
/// reads back to the same double. "0" for either zero, "inf" and "-inf" for the infinities, "nan"
/// for NaN.
std::string digits_text(double value, int digits);

}  // namespace kestrivo::platform
