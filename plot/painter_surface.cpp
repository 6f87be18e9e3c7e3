// The drawing primitives every surface shares, and the surface over a painter.
#include "plot/painter_surface.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

namespace kestrivo::plot {

QColor to_qcolor(Colour colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

void paint_line(QPainter& painter, float x1, float y1, float x2, float y2, Colour colour,
                DrawStyle style) {
    QPen pen(to_qcolor(colour));
    pen.setWidth(1);
    pen.setStyle(style == DrawStyle::Dashed ? Qt::DashLine : Qt::SolidLine);
    painter.setPen(pen);
    painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

float paint_text(QPainter& painter, float x, float y, std::string_view text, Colour colour,
                 const QFont& font) {
    painter.setFont(font);
    painter.setPen(to_qcolor(colour));
    const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    painter.drawText(QRectF(x, y, 10000, 10000),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, qtext);
    return static_cast<float>(painter.fontMetrics().height());
}

QFont font_in_pixels(const QFont& font) {
    QFont fixed = font;
    if (font.pixelSize() <= 0) fixed.setPixelSize(qRound(font.pointSizeF() * 96.0 / 72.0));
    return fixed;
}

PainterSurface::PainterSurface(QPainter& painter, QSizeF size, const QFont& font, QColor background)
    : painter_(painter), size_(size), font_(font_in_pixels(font)), background_(background) {}

void PainterSurface::clear() {
    painter_.fillRect(QRectF(QPointF(0, 0), size_), background_);
    x_ = 0;
    y_ = 0;
}

void PainterSurface::line(float x1, float y1, float x2, float y2) {
    line(x1, y1, x2, y2, fore_);
}

void PainterSurface::line(float x1, float y1, float x2, float y2, Colour colour) {
    paint_line(painter_, x1, y1, x2, y2, colour, style_);
    x_ = x2;
    y_ = y2;
}

void PainterSurface::print(std::string_view text) {
    y_ += paint_text(painter_, x_, y_, text, fore_, font_);
    x_ = 0;
}

// Measured on the painter's device, as paint_text draws.
float PainterSurface::text_width(std::string_view text) const {
    const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return static_cast<float>(QFontMetricsF(font_, painter_.device()).horizontalAdvance(qtext));
}

// Whole pixels, as print() moves down by paint_text's answer.
float PainterSurface::line_height() const {
    return static_cast<float>(QFontMetrics(font_, painter_.device()).height());
}

}  // namespace kestrivo::plot
