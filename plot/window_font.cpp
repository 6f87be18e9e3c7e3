// window_font: the face asked for by name, with substitutes of the same widths.
#include "plot/window_font.h"

#include <QStringList>

namespace kestrivo::plot {

// Where the face is missing, one with its widths (Arial's, which Liberation Sans shares) keeps the
// labels inside their boxes; failing those the system's sans-serif face is used at the same size.
QFont window_font(qreal points, bool bold) {
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                                QStringLiteral("Liberation Sans")});
    QFont font("MS Sans Serif");
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace kestrivo::plot
