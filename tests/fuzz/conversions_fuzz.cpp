// Fuzzes the text-to-number conversions and every number pattern: nothing but a run-time error
// may come out of bad text, and the texts written must read back to the value they stand for.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/number_text.h"
#include "platform/runtime_error.h"

namespace {

// English, German (where "." groups digits) and Arabic separators.
const kestrivo::platform::NumberLocale kLocales[] = {
    {".", ","}, {",", "."}, {"\xD9\xAB", "\xD9\xAC"}};

void check(bool condition) {
    if (!condition) std::abort();
}

// The largest doubles' 15-digit texts lie beyond the largest double: reading those back is an
// overflow, reported as such.
double read_back(const std::string& text, double v,
                 const kestrivo::platform::NumberLocale& locale) {
    try {
        return kestrivo::platform::text_to_double(text, locale);
    } catch (const kestrivo::platform::RuntimeError& e) {
        check(e.kind() == kestrivo::platform::ErrorKind::Overflow &&
              std::fabs(v) > 1.7976931348623e308);
        return v;
    }
}

void round_trips(double v, const kestrivo::platform::NumberLocale& locale) {
    if (!std::isfinite(v)) return;
    // "0.00" keeps a value to within half a hundredth, as far as 15 digits can carry it.
    const double back = read_back(kestrivo::platform::format_pattern(v, "0.00", locale), v, locale);
    check(std::fabs(back - v) <= 0.005 + std::fabs(v) * 1e-14);
    // The general form keeps 15 significant digits.
    const double general = read_back(kestrivo::platform::general_text(v, locale), v, locale);
    // Half a unit in the 15th digit, and half an ulp for reading that text back.
    check(std::fabs(general - v) <= std::fabs(v) * (5e-15 + 1.2e-16) + 1e-300);
    for (const char* pattern : {"0", "0.000", "#.###0"}) {
        const std::string text = kestrivo::platform::format_pattern(v, pattern, locale);
        check(!text.empty());
        read_back(text, v, locale);
    }
    kestrivo::platform::printed_number(v, locale);
    kestrivo::platform::printed_number(static_cast<float>(std::fmin(std::fmax(v, -3e38), 3e38)),
                                       locale);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const kestrivo::platform::NumberLocale& locale = kLocales[data[0] % 3];
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    try {
        round_trips(kestrivo::platform::text_to_double(text, locale), locale);
    } catch (const kestrivo::platform::RuntimeError& e) {
        check(e.kind() == kestrivo::platform::ErrorKind::TypeMismatch ||
              e.kind() == kestrivo::platform::ErrorKind::Overflow ||
              e.kind() == kestrivo::platform::ErrorKind::InvalidInput);
    }
    try {
        const int32_t n = kestrivo::platform::text_to_int32(text, locale);
        check(kestrivo::platform::text_to_int32(kestrivo::platform::printed_number(n), locale) ==
              n);
    } catch (const kestrivo::platform::RuntimeError&) {
    }
    try {
        kestrivo::platform::text_to_single(text, locale);
    } catch (const kestrivo::platform::RuntimeError&) {
    }
    // The raw bytes as a double, NaN and infinities included.
    if (size >= 9) {
        double v;
        __builtin_memcpy(&v, data + 1, sizeof v);
        round_trips(v, locale);
        for (const char* pattern : {"0", "0.00", "0.000", "#.###0"}) {
            kestrivo::platform::format_pattern(v, pattern, locale);
        }
        kestrivo::platform::general_text(v, locale);
    }
    return 0;
}
