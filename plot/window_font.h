// The window's typeface: "MS Sans Serif", the face the layout was measured in, or the nearest
// face with the same widths where it is missing, so that labels fit their boxes.
#pragma once

#include <QFont>

namespace kestrivo::plot {

/// The window's font at `points`, regular or bold.
QFont window_font(qreal points, bool bold = false);

}  // namespace kestrivo::plot
