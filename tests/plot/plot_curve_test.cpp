// PlotCurve's picture, call by call, on a recording surface.
#include "plot/plot_curve.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "platform/runtime_error.h"
#include "tests/plot/recording_surface.h"

using namespace kestrivo::plot;

namespace {

const kestrivo::platform::NumberLocale kPoint{".", ""};
constexpr kestrivo::plot::Colour kBlue = 0xC00000;

struct Series {
    std::array<float, 100> y{}, x{};
};

// 21 points from -9.6 up to 0 and down again: yMax - yMin = 9.6.
Series peaked() {
    Series s;
    for (int i = 0; i < 21; ++i) {
        s.y[i] = -9.6f * static_cast<float>(std::abs(i - 10)) / 10.0f;
        s.x[i] = static_cast<float>(30 + i);
    }
    return s;
}

RecordingSurface plot(const Series& s, int16_t n, bool optP = true, int16_t autoScale = -1) {
    RecordingSurface surface(1000, 400);
    PlotCurve(surface, s.y, s.x, n, "log likelihood", 10, kBlue, autoScale, optP, kPoint);
    return surface;
}

TEST(plot_curve_test, geometry_of_twenty_one_points_on_a_thousand_by_four_hundred_area) {
    const RecordingSurface s = plot(peaked(), 21);
    const auto segments = s.starting("line");
    // 20 segments, each followed by its tick, then the red line.
    ASSERT_EQ(segments.size(), 41u);
    EXPECT_EQ(segments[0], "line 100 350 140 320 #C00000 solid");
    EXPECT_EQ(segments[1], "line 140 370 140 360 #000000 solid fore");
    EXPECT_EQ(segments[38], "line 860 320 900 350 #C00000 solid");
    EXPECT_EQ(segments[39], "line 900 370 900 360 #000000 solid fore");
    EXPECT_EQ(segments[40], "line 100 110 900 110 #0000FF dashed");

    const auto prints = s.starting("print");
    ASSERT_EQ(prints.size(), 20u + 1 + 3 + 1);
    EXPECT_EQ(prints[0], "print 130 375 #000000 ' 31 '");
    EXPECT_EQ(prints[19], "print 890 375 #000000 ' 50 '");
    EXPECT_EQ(prints[20], "print 950 388 #000000 '% seen'");  // one line below the last label
    EXPECT_EQ(prints[21], "print 0 345 #000000 '-9.6000'");
    EXPECT_EQ(prints[22], "print 0 45 #000000 '.0000'");
    EXPECT_EQ(prints[23], "print 0 195 #000000 '-4.8000'");
    EXPECT_EQ(prints[24], "print 800 10 #C00000 'log likelihood'");
}

TEST(plot_curve_test, leaves_the_series_colour_and_solid_style_and_captions_by_option) {
    RecordingSurface s(1000, 400);
    const Series series = peaked();
    PlotCurve(s, series.y, series.x, 21, "log likelihood", 10, kBlue, -1, false, kPoint);
    EXPECT_EQ(s.fore_colour(), kBlue);
    EXPECT_EQ(s.draw_style(), kestrivo::plot::DrawStyle::Solid);
    EXPECT_EQ(s.starting("print 950").at(0), "print 950 388 #000000 '% stay'");
}

TEST(plot_curve_test, nothing_to_scale_draws_nothing_and_sets_black) {
    Series flat;
    flat.y.fill(-5);
    Series none_finite;
    none_finite.y.fill(-INFINITY);
    const struct {
        const Series* series;
        int16_t n, autoScale;
    } cases[] = {
        {&flat, 21, -1}, {&flat, 1, -1}, {&flat, 0, -1}, {&none_finite, 21, -1}, {&flat, 21, 0}};
    for (const auto& c : cases) {
        RecordingSurface s(1000, 400);
        s.set_fore_colour(kBlue);
        PlotCurve(s, c.series->y, c.series->x, c.n, "log likelihood", 10, kBlue, c.autoScale, true,
                  kPoint);
        EXPECT_TRUE(s.calls.empty()) << "n " << c.n;
        EXPECT_EQ(s.fore_colour(), 0u);
    }
}

TEST(plot_curve_test, values_that_are_not_finite_stay_out_of_the_range_and_the_curve) {
    Series s = peaked();
    s.y[0] = -INFINITY;  // the first point
    s.y[5] = NAN;
    const RecordingSurface r = plot(s, 21);
    int curve = 0;
    for (const auto& call : r.starting("line")) {
        if (call.find("#C00000") != std::string::npos) ++curve;
        EXPECT_EQ(call.find("inf"), std::string::npos) << call;
        EXPECT_EQ(call.find("nan"), std::string::npos) << call;
    }
    EXPECT_EQ(curve, 20 - 1 - 2) << "segments 1-2, 5-6 and 6-7 are left out";
    EXPECT_EQ(r.starting("line").size(), 17u + 20 + 1) << "every tick is still drawn";
    // The range comes from the finite values alone: -infinity at point 1 is not its lower end.
    EXPECT_EQ(r.starting("print 0").at(0), "print 0 345 #000000 '-9.6000'");
}

TEST(plot_curve_test, more_points_than_the_arrays_hold_is_a_subscript_error) {
    Series s = peaked();
    try {
        plot(s, 101);
        ADD_FAILURE();
    } catch (const kestrivo::platform::RuntimeError& e) {
        EXPECT_EQ(e.kind(), kestrivo::platform::ErrorKind::SubscriptOutOfRange);
    }
}

}  // namespace
