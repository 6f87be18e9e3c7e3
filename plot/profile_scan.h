// The grid of the profile log likelihood: the range around the estimate that the plotting range
// asks for, and the walk over it. Single precision where the user's grid is single precision: the
// range, the step, and the comparison that ends the walk.
#pragma once

#include "platform/number_text.h"

namespace kestrivo::plot {

/// profLo, profHi and profStep of the scan.
struct ProfileRange {
    float lo;    // (1 - r/100) x theta as a two-decimal text, read as single; at least 0.01
    float hi;    // (r/100 + 1) x theta rounded to single (not to two decimals); at most 0.99
    float step;  // (hi - lo) / 20 in single; zero or negative when there is nothing to scan
};

/// The range for estimate `theta` and plotting range `r` percent. Throws a run-time error on a
/// floating-point error or a bound beyond single precision.
ProfileRange profile_range(double theta, double r, const platform::NumberLocale& locale);

/// The values the scan fixes the profiled parameter at: from lo, advanced in double by the single
/// step, for as long as the value rounded to single stays below hi. In exact arithmetic that is 20
/// values; rounding can add a 21st, and a range a few single units wide gives fewer.
class ProfileWalk {
public:
    explicit ProfileWalk(const ProfileRange& range) : range_(range), value_(range.lo) {}
    bool more() const { return static_cast<float>(value_) < range_.hi; }
    double value() const { return value_; }
    void advance();

private:
    ProfileRange range_;
    double value_;
};

/// The x label of a scanned value: value x 100 written with the pattern "0", read back as single.
float profile_label(double value, const platform::NumberLocale& locale);

}  // namespace kestrivo::plot
