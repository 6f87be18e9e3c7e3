// The plan plot's numbers and words: round ticks written with their leading zero and the digits
// their step needs, titles on both axes, and captions wrapped to the surface. Table-driven, on
// a surface that records the calls.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "plot/plan_plot.h"
#include "tests/plot/recording_surface.h"

using namespace kestrivo;

namespace {

const platform::NumberLocale kPoint{".", ""};

// The text of a recorded print call.
std::string printed(const std::string& call) {
    const auto open = call.find('\'');
    return call.substr(open + 1, call.size() - open - 2);
}

TEST(plan_plot_test, tick_text_has_its_leading_zero_and_the_decimals_asked) {
    const struct {
        double value;
        int decimals;
        const char* text;
    } cases[] = {
        {0.12, 2, "0.12"}, {0.1232, 2, "0.12"},   {0.5, 1, "0.5"},  {15, 0, "15"},
        {12.5, 1, "12.5"}, {0.05, 2, "0.05"},     {-0.0, 1, "0.0"}, {100, 0, "100"},
        {7.0, 0, "7"},     {0.0004, 4, "0.0004"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(plot::tick_text(c.value, c.decimals, kPoint), c.text) << c.value;
    EXPECT_EQ(plot::tick_text(0.25, 2, platform::NumberLocale{",", ""}), "0,25");
}

// The ticks are round steps inside the range, few enough, and their decimals write each one
// exactly: no digit more than the step needs.
TEST(plan_plot_test, axis_ticks_are_round_and_take_the_digits_their_step_needs) {
    const struct {
        double low, high;
        std::vector<double> values;
        int decimals;
    } cases[] = {
        {8.3, 31.7, {10, 15, 20, 25, 30}, 0}, {9.6, 12.32, {10, 11, 12}, 0},
        {9.6, 11.32, {10, 10.5, 11}, 1},      {0.0812, 0.1232, {0.09, 0.1, 0.11, 0.12}, 2},
        {4, 96, {20, 40, 60, 80}, 0},         {10, 11, {10, 10.2, 10.4, 10.6, 10.8, 11}, 1},
    };
    for (const auto& c : cases) {
        const plot::AxisTicks ticks = plot::axis_ticks(c.low, c.high, 6);
        ASSERT_EQ(ticks.values.size(), c.values.size()) << c.low << ".." << c.high;
        for (std::size_t i = 0; i < c.values.size(); ++i)
            EXPECT_NEAR(ticks.values[i], c.values[i], 1e-9) << c.low << ".." << c.high;
        EXPECT_EQ(ticks.decimals, c.decimals) << c.low << ".." << c.high;
        for (const double v : ticks.values) {
            // Written and read back, each value is itself; with one decimal fewer, some is not.
            EXPECT_NEAR(std::stod(plot::tick_text(v, ticks.decimals, kPoint)), v, 1e-9);
        }
        if (ticks.decimals > 0) {
            bool one_fewer_loses = false;
            for (const double v : ticks.values) {
                one_fewer_loses |=
                    std::abs(std::stod(plot::tick_text(v, ticks.decimals - 1, kPoint)) - v) > 1e-9;
            }
            EXPECT_TRUE(one_fewer_loses) << c.low << ".." << c.high;
        }
    }
}

TEST(plan_plot_test, words_wrap_at_spaces_within_the_width) {
    const RecordingSurface surface(400, 200);
    const std::string text = "half-width met in 80% of surveys";
    const struct {
        float width;
        std::vector<std::string> lines;
    } cases[] = {
        {1000, {text}},
        {surface.text_width("half-width met in 80%"), {"half-width met in 80%", "of surveys"}},
        {surface.text_width("met in"), {"half-width", "met in", "80% of", "surveys"}},
        {1, {"half-width", "met", "in", "80%", "of", "surveys"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(plot::wrapped_lines(text, c.width, surface), c.lines);
}

// A plan whose half-widths run from about 31% to 8%: every number printed on the picture has its
// leading zero, the y axis is in percent, both axes have a title, and every word lies inside the
// surface at the window's size and at the dialog's smallest.
TEST(plan_plot_test, the_picture_titles_its_axes_and_keeps_its_words_inside) {
    const std::vector<double> k{10, 20, 30, 40, 60, 80, 120};
    const std::vector<double> width{0.3173, 0.2211, 0.1644, 0.1232, 0.1003, 0.0912, 0.0832};
    for (const auto& [w, h] :
         {std::pair{949.0f, 381.0f}, std::pair{480.0f, 200.0f}, std::pair{300.0f, 150.0f}}) {
        RecordingSurface surface(w, h);
        plot::draw_plan_plot(surface, k, width, 0.1, 0.8, 60, kPoint);
        std::vector<std::string> texts;
        for (const auto& call : surface.starting("print ")) {
            float x = 0, y = 0;
            ASSERT_EQ(std::sscanf(call.c_str(), "print %f %f", &x, &y), 2) << call;
            const std::string text = printed(call);
            EXPECT_GE(x, 0) << w << " " << text;
            EXPECT_GE(y, 0) << w << " " << text;
            EXPECT_LE(x + surface.text_width(text), w) << w << " " << text;
            EXPECT_LE(y + surface.line_height(), h) << w << " " << text;
            EXPECT_EQ(text.find(" ."), std::string::npos) << text;
            EXPECT_NE(text.front(), '.') << text;
            texts.push_back(text);
        }
        const auto has = [&](const std::string& part) {
            for (const auto& t : texts)
                if (t.find(part) != std::string::npos) return true;
            return false;
        };
        EXPECT_TRUE(has("Blocks counted")) << w;
        EXPECT_TRUE(has("Half-width of the city")) << w;  // the y title, wrapped if need be
        EXPECT_TRUE(has("total")) << w;
        EXPECT_NE(std::find(texts.begin(), texts.end(), "10%"), texts.end()) << w;
        EXPECT_TRUE(has("target ±10%")) << w;
        EXPECT_TRUE(has("k = 60")) << w;
        EXPECT_FALSE(has("0.1232")) << w;
    }
}

}  // namespace
