// The plan's picture: the half-width of the city's interval, as a percentage of its total, against
// the blocks counted, k. Both axes carry a title and round ticks; the series label sits at the top
// right, a dashed red line where the user reads the answer (the target) and the recommended k is
// marked. Every word is measured against the surface so that none runs past its edges.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/number_text.h"
#include "plot/drawing_surface.h"

namespace kestrivo::plot {

/// Round values for an axis from `low` to `high` (low < high): 1, 2 or 5 times a power of ten
/// apart, at most `most` of them, and the decimals that write that step exactly.
struct AxisTicks {
    std::vector<double> values;
    int decimals = 0;
};
AxisTicks axis_ticks(double low, double high, int most);

/// A tick's number with `decimals` after the point and its leading zero: "0.12", "15".
std::string tick_text(double value, int decimals, const platform::NumberLocale& locale);

/// `text` broken at its spaces into lines no wider than `width` on `surface` (a word wider than
/// that stands alone on its line).
std::vector<std::string> wrapped_lines(std::string_view text, float width,
                                       const DrawingSurface& surface);

/// The plot's words, each "%1" standing for its number. The defaults are the English that
/// kestrivo-plan draws; the window passes its own language's.
struct PlanPlotWords {
    std::string x_title = "Blocks counted";
    std::string y_title = "Half-width of the city's interval, % of its total";
    std::string series = "half-width met in %1% of surveys";
    std::string target = "target ±%1%";
    std::string percent = "%1%";  // a tick's label
};

/// Draws the points (k[i], half_width[i]), k ascending, half-widths as shares of the total, on a
/// cleared `surface`; `assurance` names the series ("80% of surveys"). Points that are not finite
/// (no interval) are left out.
void draw_plan_plot(plot::DrawingSurface& surface, std::span<const double> k,
                    std::span<const double> half_width, double target, double assurance,
                    std::optional<std::int64_t> recommended, const platform::NumberLocale& locale,
                    const PlanPlotWords& words = {});

}  // namespace kestrivo::plot
