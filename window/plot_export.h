// The plot as a file or on paper, drawn afresh on the file's own paint device by the same
// procedure as on the screen, so lines and text stay sharp: PNG at twice the window's resolution,
// SVG, PDF, or a printer page, each with a caption line under the plot.
#pragma once

#include <QFont>
#include <QSizeF>
#include <string>

#include "platform/number_text.h"
#include "plot/plot_picture.h"

class QPainter;
class QPrinter;

namespace kestrivo::window {

enum class PlotFormat { png, svg, pdf };

/// The format a file name asks for by its ending (any case), if it has one of the three.
std::optional<PlotFormat> plot_format_of(const std::string& path);

/// Draws the plot in `size` (the plot area's size, in its pixels) at the painter's origin on a
/// white ground, and the caption under it. Returns the height of both together.
double paint_plot(QPainter& painter, const plot::PlotPicture& picture, QSizeF size,
                  const QFont& font, const platform::NumberLocale& locale);

/// The height of the caption line under the plot, in the plot's pixels.
double caption_height(const QFont& font);

/// The file's bytes for `picture` in `format`.
std::string plot_file(PlotFormat format, const plot::PlotPicture& picture, QSizeF size,
                      const QFont& font, const platform::NumberLocale& locale);

/// The plot on the printer's page, scaled to the page's width (or height, where that is less).
/// Returns false when the printer cannot be painted on.
bool print_plot_page(QPrinter& printer, const plot::PlotPicture& picture, QSizeF size,
                     const QFont& font, const platform::NumberLocale& locale);

}  // namespace kestrivo::window
