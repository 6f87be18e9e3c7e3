// draw_plan_plot: x proportional to k (the plan's steps are uneven), labels under the points
// that have room, then the captions, the target line and the recommendation.
#include "plot/plan_plot.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace kestrivo::plot {

namespace {

constexpr plot::Colour kBlack = 0;
constexpr plot::Colour kRed = 0x0000FF;
constexpr plot::Colour kCurve = 0xC00000;

}  // namespace

void draw_plan_plot(plot::DrawingSurface& surface, std::span<const double> k,
                    std::span<const double> half_width, double target, double assurance,
                    std::optional<std::int64_t> recommended, const platform::NumberLocale& locale) {
    surface.set_fore_colour(kBlack);
    const std::size_t n = std::min(k.size(), half_width.size());
    double y_min = target, y_max = target;
    for (std::size_t i = 0; i < n; ++i) {
        if (!std::isfinite(half_width[i])) continue;
        y_min = std::min(y_min, half_width[i]);
        y_max = std::max(y_max, half_width[i]);
    }
    if (n == 0 || !(y_max > y_min) || !(k[n - 1] > k[0])) return;

    const double sw = surface.scale_width(), sh = surface.scale_height();
    const double k_low = k[0], k_high = k[n - 1];
    const auto x_of = [&](double v) {
        return float(sw * 0.1 + (v - k_low) / (k_high - k_low) * sw * 0.8);
    };
    const auto y_of = [&](double v) {
        return float(sh / 2 + ((y_max + y_min) / 2 - v) / (y_max - y_min) * sh * 0.75);
    };

    // The curve, a tick under each point, and its k where the previous label leaves room.
    float last_label = -1e9f;
    std::optional<std::pair<float, float>> previous;
    for (std::size_t i = 0; i < n; ++i) {
        const float x = x_of(k[i]);
        if (std::isfinite(half_width[i])) {
            const float y = y_of(half_width[i]);
            if (previous) surface.line(previous->first, previous->second, x, y, kCurve);
            previous = {x, y};
        }
        surface.line(x, float(sh - 30), x, float(sh - 40));
        if (x - last_label >= 40) {
            surface.set_current_x(x - 10);
            surface.set_current_y(float(sh - 25));
            surface.print(platform::printed_number(static_cast<int32_t>(k[i])));
            last_label = x;
        }
    }
    surface.set_current_x(float(sw - 90));
    surface.set_current_y(float(sh - 12));
    surface.print("blocks counted");

    const auto y_label = [&](double value) {
        surface.set_current_x(0);
        surface.set_current_y(y_of(value) - 5);
        surface.print(platform::format_pattern(value, "#.###0", locale));
    };
    y_label(y_min);
    y_label(y_max);
    y_label((y_max + y_min) / 2);

    surface.set_fore_colour(kCurve);
    surface.set_current_x(float(sw - 260));
    surface.set_current_y(10);
    surface.print("half-width met in " + platform::format_pattern(assurance * 100, "0", locale) +
                  "% of surveys");

    surface.set_draw_style(plot::DrawStyle::Dashed);
    const float yt = y_of(target);
    surface.line(x_of(k_low), yt, x_of(k_high), yt, kRed);
    surface.set_fore_colour(kRed);
    surface.set_current_x(x_of(k_low));
    surface.set_current_y(yt - 16);
    surface.print("target " + platform::general_text(target, locale, 6));
    if (recommended) {
        const float xr = x_of(double(*recommended));
        surface.line(xr, y_of(y_max), xr, float(sh - 40), kRed);
        surface.set_current_x(xr + 4);
        surface.set_current_y(y_of(y_max));
        surface.print("k = " + std::to_string(*recommended));
    }
    surface.set_draw_style(plot::DrawStyle::Solid);
    surface.set_fore_colour(kBlack);
}

}  // namespace kestrivo::plot
