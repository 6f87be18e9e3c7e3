// PlotCurve in the order the picture is built: range, scales, curve with ticks and labels,
// captions, confidence line.
#include "plot/plot_curve.h"

#include <cmath>

#include "platform/float_checks.h"
#include "platform/runtime_error.h"

namespace kestrivo::plot {

using platform::checked;

namespace {

constexpr plot::Colour kBlack = 0;
constexpr plot::Colour kRed = 0x0000FF;

float element(std::span<const float> values, int i) {
    if (i < 1 || static_cast<std::size_t>(i) > values.size()) {
        throw platform::RuntimeError(platform::ErrorKind::SubscriptOutOfRange,
                                     "plot point " + std::to_string(i) + " lies outside 1.." +
                                         std::to_string(values.size()) + ".");
    }
    return values[static_cast<std::size_t>(i - 1)];
}

// Single-precision scales and the mapping of a point to picture coordinates. Each quantity is
// computed from its single-precision inputs in double, the constants 0.8, 0.75 and 1.92 included,
// and rounded to single once, when it is stored.
struct Mapping {
    float sw, sh, xMid, yMid, xScale, yScale;

    float x(int i) const {
        return checked(
            "the x position of a plot point",
            +[](int i, float xMid, float xScale, float sw) {
                return float((i - double(xMid)) * double(xScale) + double(sw) / 2);
            },
            i, xMid, xScale, sw);
    }
    float y(double v) const {
        return checked(
            "the y position of a plot point",
            +[](double v, float yMid, float yScale, float sh) {
                return float((double(yMid) - v) * double(yScale) + double(sh) / 2);
            },
            v, yMid, yScale, sh);
    }
};

Mapping scales(float sw, float sh, int16_t nPts, float yMax, float yMin) {
    Mapping m{sw, sh, 0, 0, 0, 0};
    m.xMid = checked(
        "the plot's middle point", +[](int n) { return float((n + 1) / 2.0); }, nPts);
    m.yMid = checked(
        "the plot's middle value",
        +[](float hi, float lo) { return float((double(hi) + double(lo)) / 2); }, yMax, yMin);
    m.xScale = checked(
        "the plot's x scale", +[](float sw, int n) { return float(double(sw) / (n - 1) * 0.8); },
        sw, nPts);
    m.yScale = checked(
        "the plot's y scale",
        +[](float sh, float hi, float lo) {
            return float(double(sh) / (double(hi) - double(lo)) * 0.75);
        },
        sh, yMax, yMin);
    return m;
}

}  // namespace

void PlotCurve(plot::DrawingSurface& picLL, std::span<const float> yValues,
               std::span<const float> xLabels, int16_t nPts, std::string_view seriesLabel,
               int16_t labelY, plot::Colour lineColour, int16_t autoScale, bool optP,
               const platform::NumberLocale& locale, std::string_view x_title) {
    picLL.set_fore_colour(kBlack);

    // The y range over the finite values; equal values replace nothing.
    float yMax = 0, yMin = 0;
    if (autoScale != 0) {
        yMax = -1e20f;
        yMin = 1e20f;
        for (int i = 1; i <= nPts; ++i) {
            const float v = element(yValues, i);
            if (!std::isfinite(v)) continue;
            if (v > yMax) yMax = v;
            if (v < yMin) yMin = v;
        }
    }
    // Nothing to scale: no points, no finite value, one value only, or no range asked for.
    if (!(yMax > yMin)) return;

    const float sw = picLL.scale_width();
    const float sh = picLL.scale_height();
    const Mapping map = scales(sw, sh, nPts, yMax, yMin);

    float px = map.x(1);
    float py = map.y(element(yValues, 1));
    for (int i = 2; i <= nPts; ++i) {
        const float qx = map.x(i);
        const float qy = map.y(element(yValues, i));
        if (std::isfinite(py) && std::fabs(qy) < 100000000.0f)
            picLL.line(px, py, qx, qy, lineColour);
        px = qx;
        py = qy;

        picLL.line(qx, sh - 30, qx, sh - 40);
        picLL.set_current_x(qx - 10);
        picLL.set_current_y(sh - 25);
        picLL.print(platform::printed_number(element(xLabels, i), locale));
    }

    picLL.set_current_x(sw - 50);
    picLL.print(!x_title.empty() ? x_title : optP ? "% seen" : "% stay");

    const auto y_label = [&](float at, float value) {
        picLL.set_current_x(0);
        picLL.set_current_y(at - 5);
        picLL.print(platform::format_pattern(value, "#.###0", locale));
    };
    y_label(map.y(yMin), yMin);
    y_label(map.y(yMax), yMax);
    y_label(sh / 2, map.yMid);

    picLL.set_fore_colour(lineColour);
    picLL.set_current_x(sw - 200);
    picLL.set_current_y(labelY);
    picLL.print(seriesLabel);

    picLL.set_draw_style(plot::DrawStyle::Dashed);
    const float yc = map.y(double(yMax) - 1.92);
    picLL.line(map.x(1), yc, map.x(nPts), yc, kRed);
    picLL.set_draw_style(plot::DrawStyle::Solid);
}

}  // namespace kestrivo::plot
