// The profile grid: its range, its single-precision step and the values it visits.
#include "plot/profile_scan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/runtime_error.h"

using namespace kestrivo::plot;

namespace {

const kestrivo::platform::NumberLocale kPoint{".", ""};

struct Walked {
    ProfileRange range;
    std::vector<int> labels;
};

Walked walk(double theta, double r) {
    Walked w{profile_range(theta, r, kPoint), {}};
    for (ProfileWalk walk(w.range); walk.more(); walk.advance()) {
        w.labels.push_back(static_cast<int>(profile_label(walk.value(), kPoint)));
        if (w.labels.size() > 100) break;
    }
    return w;
}

TEST(profile_scan_test, thirty_percent_around_one_half) {
    const Walked w = walk(0.5, 30);
    EXPECT_EQ(w.range.lo, 0.35f);
    EXPECT_EQ(w.range.hi, 0.65f);
    EXPECT_EQ(w.range.step, 0.0149999987f);
    EXPECT_EQ(w.range.step, std::nextafter(0.015f, 0.0f));
    EXPECT_EQ(w.labels, (std::vector<int>{35, 36, 38, 39, 41, 42, 44, 45, 47, 48,
                                          50, 51, 53, 54, 56, 57, 59, 60, 62, 63}));
}

TEST(profile_scan_test, ends_are_clamped_to_the_bounds) {
    const Walked high = walk(0.8, 30);
    EXPECT_EQ(high.range.lo, 0.56f);
    EXPECT_EQ(high.range.hi, 0.99f);
    ASSERT_EQ(high.labels.size(), 20u);
    EXPECT_EQ(high.labels.front(), 56);
    EXPECT_EQ(high.labels.back(), 97);

    const Walked full = walk(0.5, 100);
    EXPECT_EQ(full.range.lo, 0.01f);
    EXPECT_EQ(full.labels, (std::vector<int>{1,  6,  11, 16, 21, 25, 30, 35, 40, 45, 50,
                                             55, 60, 65, 70, 74, 79, 84, 89, 94, 99}));
}

TEST(profile_scan_test, narrow_empty_and_reversed_ranges) {
    EXPECT_TRUE(walk(0.0076, 30).labels.empty()) << "profHi 0.00988 below profLo 0.01";
    EXPECT_TRUE(walk(0.5, 0).labels.empty());
    EXPECT_TRUE(walk(0.5, -30).labels.empty());

    const Walked close = walk(0.4512, 0);
    EXPECT_EQ(close.range.lo, 0.45f);
    EXPECT_EQ(close.labels, std::vector<int>(20, 45));

    // One single-precision unit wide: the rounded running value reaches the end after 10 points.
    const Walked one_unit = walk(0.45000003, 0);
    EXPECT_EQ(one_unit.range.hi, std::nextafter(0.45f, 1.0f));
    EXPECT_EQ(one_unit.labels, std::vector<int>(10, 45));
}

TEST(profile_scan_test, a_lower_end_on_a_half_rounds_up_from_its_fifteen_digit_text) {
    // (1 - 0.5) x 0.35 is stored just below 0.175.
    EXPECT_EQ(profile_range(0.35, 50, kPoint).lo, 0.18f);
}

TEST(profile_scan_test, an_estimate_beyond_single_precision_is_an_error) {
    EXPECT_THROW(profile_range(1e300, 30, kPoint), kestrivo::platform::RuntimeError);
}

}  // namespace
