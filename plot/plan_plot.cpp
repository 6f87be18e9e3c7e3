// draw_plan_plot: the words are laid out first (the titles at the top, the tick labels and the
// x title at the bottom, the y tick labels at the left), measured on the surface, and the curve's
// box takes what they leave. x is proportional to k (the plan's steps are uneven); y is in percent
// of the total, as the Plan... dialog states the target ("±10% of the total").
#include "plot/plan_plot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kestrivo::plot {

namespace {

constexpr plot::Colour kBlack = 0;
constexpr plot::Colour kRed = 0x0000FF;
constexpr plot::Colour kCurve = 0xC00000;
constexpr float kPad = 4;   // between a word and an edge, a line or another word
constexpr float kTick = 4;  // a tick's length
constexpr int kMostYTicks = 6;

// Where the parts go: the curve's box, the axes beside it, and the values at its edges.
struct Frame {
    float left, right, top, bottom, axis_x, axis_y;
    double k_low, k_high, y_low, y_high;

    float x_of(double k) const {
        return float(left + (k - k_low) / (k_high - k_low) * (right - left));
    }
    float y_of(double percent) const {
        return float(bottom - (percent - y_low) / (y_high - y_low) * (bottom - top));
    }
};

// `pattern` with its "%1" replaced by `number`.
std::string filled(std::string_view pattern, std::string_view number) {
    std::string text(pattern);
    if (const auto at = text.find("%1"); at != std::string::npos) text.replace(at, 2, number);
    return text;
}

void print_at(DrawingSurface& surface, float x, float y, std::string_view text) {
    surface.set_current_x(x);
    surface.set_current_y(y);
    surface.print(text);
}

// The y title at the top left and the series label at the top right, beside it when both fit on
// the first line, else under it; each wrapped to the surface's width. Returns the bottom of the
// words.
float draw_titles(DrawingSurface& surface, std::string_view y_title, std::string_view series) {
    const float sw = surface.scale_width(), lh = surface.line_height();
    const float width = std::max(sw - 2 * kPad, 1.0f);
    const auto titles = wrapped_lines(y_title, width, surface);
    float y = kPad;
    for (const auto& line : titles) {
        print_at(surface, kPad, y, line);
        y += lh;
    }
    const float beside = titles.empty() ? 0 : surface.text_width(titles.front()) + 4 * kPad;
    surface.set_fore_colour(kCurve);
    if (titles.size() == 1 && beside + surface.text_width(series) <= width) {
        print_at(surface, sw - kPad - surface.text_width(series), kPad, series);
    } else {
        for (const auto& line : wrapped_lines(series, width, surface)) {
            print_at(surface, sw - kPad - surface.text_width(line), y, line);
            y += lh;
        }
    }
    surface.set_fore_colour(kBlack);
    return y;
}

// The y axis with its round ticks, each labelled in percent at its left.
void draw_y_axis(DrawingSurface& surface, const Frame& f, const AxisTicks& ticks,
                 const platform::NumberLocale& locale, const PlanPlotWords& words) {
    const float lh = surface.line_height();
    surface.line(f.axis_x, f.top - kPad, f.axis_x, f.axis_y);
    for (const double value : ticks.values) {
        const float y = f.y_of(value);
        surface.line(f.axis_x - kTick, y, f.axis_x, y);
        const std::string label = filled(words.percent, tick_text(value, ticks.decimals, locale));
        print_at(surface, f.axis_x - kTick - kPad - surface.text_width(label), y - lh / 2, label);
    }
}

// The x axis, a tick under each point and its k where the previous label leaves room, the curve,
// and the axis's title centred under it.
void draw_x_axis_and_curve(DrawingSurface& surface, const Frame& f, std::span<const double> k,
                           std::span<const double> percent, const PlanPlotWords& words) {
    const float sw = surface.scale_width(), lh = surface.line_height();
    surface.line(f.axis_x, f.axis_y, f.right + kPad, f.axis_y);
    float last_label_end = -1e9f;
    std::optional<std::pair<float, float>> previous;
    for (std::size_t i = 0; i < k.size(); ++i) {
        const float x = f.x_of(k[i]);
        if (std::isfinite(percent[i])) {
            const float y = f.y_of(percent[i]);
            if (previous) surface.line(previous->first, previous->second, x, y, kCurve);
            previous = {x, y};
        }
        surface.line(x, f.axis_y, x, f.axis_y + kTick);
        const std::string label = platform::printed_number(static_cast<int32_t>(k[i]));
        const float w = surface.text_width(label);
        const float left = std::clamp(x - w / 2, kPad, std::max(kPad, sw - kPad - w));
        if (left - last_label_end >= 2 * kPad) {
            print_at(surface, left, f.axis_y + kTick + 1, label);
            last_label_end = left + w;
        }
    }
    const std::string& title = words.x_title;
    const float w = surface.text_width(title);
    const float centre = (f.left + f.right) / 2;
    print_at(surface, std::clamp(centre - w / 2, kPad, std::max(kPad, sw - kPad - w)),
             f.axis_y + kTick + 1 + lh, title);
}

// The dashed target line with its value, and the recommended k's line with its k beside it, on
// the side that keeps it inside the picture.
void draw_answer(DrawingSurface& surface, const Frame& f, double target_percent,
                 std::optional<std::int64_t> recommended, const platform::NumberLocale& locale,
                 const PlanPlotWords& words) {
    const float sw = surface.scale_width(), lh = surface.line_height();
    surface.set_draw_style(plot::DrawStyle::Dashed);
    const float yt = f.y_of(target_percent);
    surface.line(f.left, yt, f.right, yt, kRed);
    surface.set_fore_colour(kRed);
    print_at(surface, f.left + kPad, std::max(0.0f, yt - lh - 1),
             filled(words.target, platform::general_text(target_percent, locale, 3)));
    if (recommended) {
        const float xr = f.x_of(double(*recommended));
        surface.line(xr, f.top, xr, f.axis_y, kRed);
        const std::string label = "k = " + std::to_string(*recommended);
        const float w = surface.text_width(label);
        print_at(surface, xr + kPad + w <= sw - kPad ? xr + kPad : xr - kPad - w, f.top, label);
    }
    surface.set_draw_style(plot::DrawStyle::Solid);
    surface.set_fore_colour(kBlack);
}

}  // namespace

AxisTicks axis_ticks(double low, double high, int most) {
    AxisTicks ticks;
    if (!(high > low) || most < 2) return ticks;
    // The smallest of 1, 2 and 5 times a power of ten that leaves at most `most` values.
    const double least = (high - low) / (most - 1);
    int power = int(std::floor(std::log10(least)));
    double unit = std::pow(10.0, power);
    double step = unit;
    for (const int m : {1, 2, 5, 10}) {
        step = m * unit;
        if (step >= least * (1 - 1e-9)) break;
    }
    if (step >= 10 * unit * (1 - 1e-9)) {
        ++power;
        step = unit = std::pow(10.0, power);
    }
    ticks.decimals = std::max(0, -power);
    const double slack = step * 1e-9;
    for (double i = std::ceil(low / step - 1e-9); i * step <= high + slack; ++i)
        ticks.values.push_back(i * step);
    return ticks;
}

std::string tick_text(double value, int decimals, const platform::NumberLocale& locale) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", std::clamp(decimals, 0, 15), value);
    std::string text = buffer;
    if (text.find_first_not_of("-0.") == std::string::npos && text.front() == '-') text.erase(0, 1);
    const auto point = text.find('.');
    if (point != std::string::npos) text.replace(point, 1, locale.decimal_point);
    return text;
}

std::vector<std::string> wrapped_lines(std::string_view text, float width,
                                       const DrawingSurface& surface) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view word = text.substr(start, end - start);
        start = end + 1;
        if (word.empty()) continue;
        const std::string longer =
            line.empty() ? std::string(word) : line + " " + std::string(word);
        if (!line.empty() && surface.text_width(longer) > width) {
            lines.push_back(line);
            line = std::string(word);
        } else {
            line = longer;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

void draw_plan_plot(plot::DrawingSurface& surface, std::span<const double> k,
                    std::span<const double> half_width, double target, double assurance,
                    std::optional<std::int64_t> recommended, const platform::NumberLocale& locale,
                    const PlanPlotWords& words) {
    surface.set_fore_colour(kBlack);
    const std::size_t n = std::min(k.size(), half_width.size());
    std::vector<double> percent(n);
    double y_min = target * 100, y_max = target * 100;
    for (std::size_t i = 0; i < n; ++i) {
        percent[i] = half_width[i] * 100;
        if (!std::isfinite(percent[i])) continue;
        y_min = std::min(y_min, percent[i]);
        y_max = std::max(y_max, percent[i]);
    }
    if (n == 0 || !(y_max > y_min) || !(k[n - 1] > k[0])) return;

    const float sw = surface.scale_width(), sh = surface.scale_height();
    const float lh = surface.line_height();
    const float words_bottom =
        draw_titles(surface, words.y_title,
                    filled(words.series, platform::format_pattern(assurance * 100, "0", locale)));

    const AxisTicks ticks = axis_ticks(y_min, y_max, kMostYTicks);
    float widest = 0;
    for (const double value : ticks.values)
        widest = std::max(widest, surface.text_width(filled(
                                      words.percent, tick_text(value, ticks.decimals, locale))));
    Frame f{};
    f.axis_x = std::max(sw * 0.1f, kPad + widest + kPad + kTick);
    f.axis_y = sh - kPad - 2 * lh - kTick - 1;
    f.left = f.axis_x + 2 * kPad;
    f.right = std::max(f.left + 1, sw * 0.9f);
    f.top = words_bottom + lh / 2 + kPad;
    f.bottom = std::max(f.top + 1, f.axis_y - 2 * kPad);
    f.k_low = k[0];
    f.k_high = k[n - 1];
    f.y_low = y_min;
    f.y_high = y_max;

    draw_y_axis(surface, f, ticks, locale, words);
    draw_x_axis_and_curve(surface, f, k.first(n), percent, words);
    draw_answer(surface, f, target * 100, recommended, locale, words);
}

}  // namespace kestrivo::plot
