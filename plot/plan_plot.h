// The plan's picture: the half-width of the city's interval against the blocks counted, k, drawn
// as the window draws its profile plot (the curve over the middle 80% of the width and 75% of the
// height, the extreme and middle values at the left edge, the axis caption at the bottom right,
// the series label at the top right, a dashed red line where the user reads the answer), here
// with the red line at the target and the recommended k marked.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "platform/number_text.h"
#include "plot/drawing_surface.h"

namespace kestrivo::plot {

/// Draws the points (k[i], half_width[i]), k ascending, on a cleared `surface`; `assurance` names
/// the series ("80% of surveys"). Points that are not finite (no interval) are left out.
void draw_plan_plot(plot::DrawingSurface& surface, std::span<const double> k,
                    std::span<const double> half_width, double target, double assurance,
                    std::optional<std::int64_t> recommended, const platform::NumberLocale& locale);

}  // namespace kestrivo::plot
