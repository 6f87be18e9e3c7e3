// The profile grid's arithmetic, each step checked for floating-point errors.
#include "plot/profile_scan.h"

#include "platform/float_checks.h"

namespace kestrivo::plot {

using platform::checked;

ProfileRange profile_range(double theta, double r, const platform::NumberLocale& locale) {
    ProfileRange range{};

    const double lower = checked(
        "the lower end of the plotting range",
        +[](double r, double theta) { return (1 - r / 100) * theta; }, r, theta);
    range.lo = platform::text_to_single(platform::format_pattern(lower, "0.00", locale), locale);
    if (range.lo < 0.01) range.lo = 0.01f;

    range.hi = checked(
        "the upper end of the plotting range",
        +[](double r, double theta) { return float((r / 100 + 1) * theta); }, r, theta);
    if (range.hi > 0.99) range.hi = 0.99f;

    // From the two single values, rounded to single once at the end.
    range.step = checked(
        "the step of the plotting range",
        +[](float hi, float lo) { return float((double(hi) - double(lo)) / 20); }, range.hi,
        range.lo);
    return range;
}

void ProfileWalk::advance() {
    value_ = checked(
        "the next value of the profile",
        +[](double value, float step) { return value + double(step); }, value_, range_.step);
}

float profile_label(double value, const platform::NumberLocale& locale) {
    const double percent = checked(
        "the profile's x label", +[](double v) { return v * 100; }, value);
    return platform::text_to_single(platform::format_pattern(percent, "0", locale), locale);
}

}  // namespace kestrivo::plot
