// Text-to-number parsing and the number patterns, done on decimal digit strings so that rounding
// is decided on the written digits, never on binary fractions.
#include "platform/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

#include "platform/quoted.h"
#include "platform/runtime_error.h"

namespace kestrivo::platform {
namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

ErrorKind kind_of(NumberRefused::Why why) {
    switch (why) {
        case NumberRefused::Why::not_a_number:
            return ErrorKind::TypeMismatch;
        case NumberRefused::Why::too_large:
            return ErrorKind::Overflow;
        case NumberRefused::Why::ambiguous:
        case NumberRefused::Why::grouped:
            break;
    }
    return ErrorKind::InvalidInput;
}

std::string refusal_words(NumberRefused::Why why, std::string_view text, const std::string& plain,
                          const std::string& decimal, const std::string& separator) {
    switch (why) {
        case NumberRefused::Why::not_a_number:
            return quoted(text) + " is not a number";
        case NumberRefused::Why::too_large:
            return quoted(text) + " is too large";
        case NumberRefused::Why::ambiguous:
            return quoted(text) + " is ambiguous: it could be read as " + plain + " or as " +
                   decimal + "; type " + plain + " or " + decimal + ", without \".\"";
        case NumberRefused::Why::grouped:
            break;
    }
    return quoted(text) + " groups its digits with \"" + separator +
           "\"; type it without them: " + plain;
}

[[noreturn]] void not_a_number(std::string_view text) {
    throw NumberRefused(NumberRefused::Why::not_a_number, text);
}
[[noreturn]] void too_large(std::string_view text) {
    throw NumberRefused(NumberRefused::Why::too_large, text);
}

// A number text checked against the grammar and rewritten for std::from_chars: an optional '-',
// digits with '.' as the point, an optional exponent. `magnitude` is the decimal exponent of the
// first nonzero digit plus one (0 for a zero mantissa), which tells overflow from underflow.
struct Normalised {
    std::string text;
    long magnitude = 0;
    bool zero = true;
};

std::optional<Normalised> normalise(std::string_view text, std::string_view decimal_point) {
    std::size_t i = 0, end = text.size();
    while (i < end && is_blank(text[i]))
        ++i;
    while (end > i && is_blank(text[end - 1]))
        --end;

    Normalised out;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') out.text += '-';
        ++i;
    }
    long integer_digits = 0, leading_zeros_after_point = 0, digits = 0;
    bool seen_point = false;
    while (i < end) {
        const char c = text[i];
        if (is_digit(c)) {
            out.text += c;
            ++digits;
            if (c != '0') out.zero = false;
            if (!seen_point && !out.zero) ++integer_digits;
            if (seen_point && out.zero) ++leading_zeros_after_point;
            ++i;
        } else if (!seen_point && (c == '.' || (!decimal_point.empty() &&
                                                text.substr(i).starts_with(decimal_point)))) {
            out.text += '.';
            seen_point = true;
            i += c == '.' ? 1 : decimal_point.size();
        } else {
            break;
        }
    }
    if (digits == 0) return std::nullopt;

    long exponent = 0;
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        out.text += 'e';
        ++i;
        bool negative = false;
        if (i < end && (text[i] == '+' || text[i] == '-')) {
            negative = text[i] == '-';
            if (negative) out.text += '-';
            ++i;
        }
        const std::size_t first = i;
        while (i < end && is_digit(text[i])) {
            out.text += text[i];
            if (exponent < 100000) exponent = exponent * 10 + (text[i] - '0');
            ++i;
        }
        if (i == first) return std::nullopt;
        if (negative) exponent = -exponent;
    }
    if (i != end) return std::nullopt;
    out.magnitude =
        out.zero ? 0
                 : (integer_digits > 0 ? integer_digits : -leading_zeros_after_point) + exponent;
    return out;
}

// Digits with a group separator between every three: an optional sign, one to three digits (the
// first not 0), then one or more groups of the separator and three digits. Returns how many
// groups there are, 0 when the text is not of that form.
int digit_groups(std::string_view text, std::string_view separator) {
    std::size_t i = 0, end = text.size();
    while (i < end && is_blank(text[i]))
        ++i;
    while (end > i && is_blank(text[end - 1]))
        --end;
    if (i < end && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t lead = 0;
    while (i + lead < end && is_digit(text[i + lead]))
        ++lead;
    if (lead < 1 || lead > 3 || text[i] == '0') return 0;
    i += lead;
    int groups = 0;
    while (i < end) {
        if (!text.substr(i).starts_with(separator) || end - i < separator.size() + 3) return 0;
        i += separator.size();
        for (std::size_t k = 0; k < 3; ++k, ++i) {
            if (!is_digit(text[i])) return 0;
        }
        ++groups;
    }
    return groups;
}

// Refuses a text written with the locale's group separator, showing what to type instead.
void refuse_grouped_digits(std::string_view text, const NumberLocale& locale) {
    const std::string& separator = locale.group_separator;
    if (separator.empty() || separator == locale.decimal_point) return;
    const int groups = digit_groups(text, separator);
    if (groups == 0) return;

    std::string trimmed(text);
    trimmed.erase(0, trimmed.find_first_not_of(" \t"));
    trimmed.erase(trimmed.find_last_not_of(" \t") + 1);
    std::string plain;
    for (std::size_t i = 0; i < trimmed.size();) {
        if (trimmed.compare(i, separator.size(), separator) == 0) {
            i += separator.size();
        } else {
            plain += trimmed[i++];
        }
    }
    // "." also reads as a decimal point, so one group has a second reading: 12.500 as 12,5.
    if (separator == "." && groups == 1) {
        std::string fraction = trimmed.substr(trimmed.find('.') + 1);
        fraction.erase(fraction.find_last_not_of('0') + 1);
        std::string decimal = trimmed.substr(0, trimmed.find('.'));
        if (!fraction.empty()) decimal += locale.decimal_point + fraction;
        throw NumberRefused(NumberRefused::Why::ambiguous, text, plain, decimal);
    }
    throw NumberRefused(NumberRefused::Why::grouped, text, plain, {}, separator);
}

template <class T>
T parse(std::string_view text, const NumberLocale& locale) {
    refuse_grouped_digits(text, locale);
    const std::optional<Normalised> n = normalise(text, locale.decimal_point);
    if (!n) not_a_number(text);
    T value{};
    const char* first = n->text.data();
    const auto [ptr, ec] = std::from_chars(first, first + n->text.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (n->magnitude > 0) too_large(text);
        return n->text[0] == '-' ? -T(0) : T(0);  // too small to hold: zero
    }
    if (ec != std::errc() || ptr != first + n->text.size()) not_a_number(text);
    if (std::isinf(value)) too_large(text);
    return value;
}

// |value| written with `significant` digits: the digits without trailing point and the decimal
// exponent of the first one.
struct Digits {
    bool negative;
    std::string digits;
    int exponent;
};

Digits significant_digits(double value, int significant) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, significant - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t e = text.find('e');
    Digits d{std::signbit(value) && value != 0, {}, 0};
    for (char c : text.substr(0, e)) {
        if (is_digit(c)) d.digits += c;
    }
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(),
                    d.exponent);
    return d;
}

std::string non_finite_text(double value) {
    if (std::isnan(value)) return "NaN";
    return value < 0 ? "-Infinity" : "Infinity";
}

// "1" added to a string of decimal digits.
void increment(std::string& digits) {
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

}  // namespace

NumberRefused::NumberRefused(Why why_, std::string_view text_, std::string plain_,
                             std::string decimal_, std::string separator_)
    : RuntimeError(kind_of(why_), refusal_words(why_, text_, plain_, decimal_, separator_)),
      why(why_),
      text(text_),
      plain(std::move(plain_)),
      decimal(std::move(decimal_)),
      separator(std::move(separator_)) {}

double text_to_double(std::string_view text, const NumberLocale& locale) {
    return parse<double>(text, locale);
}

float text_to_single(std::string_view text, const NumberLocale& locale) {
    return parse<float>(text, locale);
}

int32_t text_to_int32(std::string_view text, const NumberLocale& locale) {
    const double value = text_to_double(text, locale);
    const double below = std::floor(value);
    const double fraction = value - below;  // exact: both lie within one binade step
    double rounded = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0)) rounded += 1.0;
    if (rounded < -2147483648.0 || rounded > 2147483647.0) too_large(text);
    return static_cast<int32_t>(rounded);
}

std::string format_pattern(double value, std::string_view pattern, const NumberLocale& locale) {
    if (!std::isfinite(value)) return non_finite_text(value);
    const bool digit_before_point = !pattern.starts_with('#');
    const std::size_t point = pattern.find('.');
    const int decimals = point == std::string_view::npos ? 0 : int(pattern.size() - point - 1);

    // The integer round(|value| x 10^decimals), from the 15-digit text.
    const Digits d = significant_digits(value, 15);
    const int keep = d.exponent + 1 + decimals;  // digits of d that lie before the cut
    std::string scaled;
    if (keep <= 0) {
        scaled = keep == 0 && d.digits[0] >= '5' ? "1" : "0";
    } else if (keep >= static_cast<int>(d.digits.size())) {
        scaled = d.digits + std::string(keep - d.digits.size(), '0');
    } else {
        scaled = d.digits.substr(0, keep);
        if (d.digits[keep] >= '5') increment(scaled);
    }
    const std::size_t nonzero = scaled.find_first_not_of('0');
    const bool zero = nonzero == std::string::npos;
    scaled = zero ? "" : scaled.substr(nonzero);
    if (scaled.size() < static_cast<std::size_t>(decimals)) {
        scaled.insert(0, decimals - scaled.size(), '0');
    }

    std::string integer = scaled.substr(0, scaled.size() - decimals);
    if (integer.empty() && digit_before_point) integer = "0";
    std::string out = (d.negative && !zero) ? "-" : "";
    out += integer;
    if (decimals > 0) out += locale.decimal_point + scaled.substr(scaled.size() - decimals);
    return out;
}

std::string general_text(double value, const NumberLocale& locale, int significant) {
    if (!std::isfinite(value)) return non_finite_text(value);
    if (value == 0) return "0";
    Digits d = significant_digits(value, significant);
    d.digits.erase(d.digits.find_last_not_of('0') + 1);
    std::string out = d.negative ? "-" : "";

    if (d.exponent >= significant || d.exponent < -4) {
        out += d.digits[0];
        if (d.digits.size() > 1) out += locale.decimal_point + d.digits.substr(1);
        const int e = std::abs(d.exponent);
        out += d.exponent < 0 ? "E-" : "E+";
        out += (e < 10 ? "0" : "") + std::to_string(e);
        return out;
    }
    if (d.exponent < 0) {
        return out + "0" + locale.decimal_point + std::string(-d.exponent - 1, '0') + d.digits;
    }
    const std::size_t integer_digits = static_cast<std::size_t>(d.exponent) + 1;
    if (d.digits.size() <= integer_digits) {
        return out + d.digits + std::string(integer_digits - d.digits.size(), '0');
    }
    return out + d.digits.substr(0, integer_digits) + locale.decimal_point +
           d.digits.substr(integer_digits);
}

std::string printed_number(double value, const NumberLocale& locale) {
    const std::string text = general_text(value, locale, 15);
    return (text.starts_with('-') ? "" : " ") + text + " ";
}

std::string printed_number(float value, const NumberLocale& locale) {
    const std::string text = general_text(static_cast<double>(value), locale, 7);
    return (text.starts_with('-') ? "" : " ") + text + " ";
}

std::string printed_number(int32_t value) {
    return (value < 0 ? "" : " ") + std::to_string(value) + " ";
}

std::string digits_text(double value, int digits) {
    if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
    if (std::isnan(value)) return "nan";
    if (value == 0) return "0";  // never "-0"
    char buffer[64];
    const auto result =
        digits >= kRoundTripDigits
            ? std::to_chars(buffer, buffer + sizeof buffer, value)
            : std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general,
                            std::clamp(digits, 1, kRoundTripDigits));
    return std::string(buffer, result.ptr);
}

}  // namespace kestrivo::platform
