// The profile plot: a curve through the y values spread over the middle 80% of the drawing's
// width and 75% of its height, a tick and label under every point but the first, the axis caption,
// the extreme and middle y values at the left edge, the series label, and the dashed red line
// 1.92 below the top of the curve, where the user reads 95% confidence limits.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/number_text.h"
#include "plot/drawing_surface.h"

namespace kestrivo::plot {

/// Draws points 1..nPts of `yValues` (element i is point i, numbered from 1). `xLabels`(i) is
/// printed under point i for i >= 2. `optP` chooses the caption "% seen" (P profiled) or "% stay".
/// All geometry is in single precision. Values that are not finite take no part in the y range
/// and no segment is drawn to or from them. With no y range to show (nothing finite, a single
/// value, or `autoScale` false) only the fore colour is set to black.
void PlotCurve(plot::DrawingSurface& picLL, std::span<const float> yValues,
               std::span<const float> xLabels, int16_t nPts, std::string_view seriesLabel,
               int16_t labelY, plot::Colour lineColour, int16_t autoScale, bool optP,
               const platform::NumberLocale& locale, std::string_view x_title = {});

}  // namespace kestrivo::plot
