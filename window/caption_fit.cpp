// fit_line and fit_lines: the label's own font metrics decide, as the label draws with them.
#include "window/caption_fit.h"

#include <QFontMetricsF>
#include <QLabel>

namespace kestrivo::window {
namespace {

template <class Fits>
void shrink_until(QLabel& label, const QFont& base, Fits fits) {
    QFont font = base;
    label.setFont(font);
    const double smallest = base.pointSizeF() * kSmallestShare;
    while (!fits() && font.pointSizeF() - 0.25 >= smallest) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
        label.setFont(font);
    }
}

}  // namespace

bool fits_line(const QLabel& label) {
    return QFontMetricsF(label.font()).horizontalAdvance(label.text()) <=
           label.contentsRect().width();
}

bool fits_lines(const QLabel& label, int height) {
    const QRectF room(0, 0, label.contentsRect().width(), 1e6);
    return QFontMetricsF(label.font())
               .boundingRect(room, Qt::TextWordWrap, label.text())
               .height() <= height;
}

void fit_line(QLabel& label, const QFont& base) {
    shrink_until(label, base, [&] { return fits_line(label); });
}

void fit_lines(QLabel& label, const QFont& base, int height) {
    shrink_until(label, base, [&] { return fits_lines(label, height); });
}

}  // namespace kestrivo::window
