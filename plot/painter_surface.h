// Drawing the window's pictures on any Qt paint device: the screen's backing image, a PNG at twice
// the resolution, an SVG or PDF file, a printer page. The plot is drawn by the same procedure on
// each, so a file holds sharp lines and text rather than a copy of the screen's pixels.
#pragma once

#include <QColor>
#include <QFont>
#include <QSizeF>
#include <string_view>

#include "plot/drawing_surface.h"

class QPainter;

namespace kestrivo::plot {

/// The state a surface keeps between calls: fore colour, pen style and current position.
class SurfaceState : public DrawingSurface {
public:
    void set_fore_colour(Colour colour) override { fore_ = colour; }
    Colour fore_colour() const override { return fore_; }
    void set_draw_style(DrawStyle style) override { style_ = style; }
    DrawStyle draw_style() const override { return style_; }
    float current_x() const override { return x_; }
    float current_y() const override { return y_; }
    void set_current_x(float x) override { x_ = x; }
    void set_current_y(float y) override { y_ = y; }

protected:
    Colour fore_ = 0;
    DrawStyle style_ = DrawStyle::Solid;
    float x_ = 0;
    float y_ = 0;
};

/// 0x00BBGGRR to a QColor.
QColor to_qcolor(Colour colour);

/// A one-pixel line (in the painter's units) in `colour` and `style`.
void paint_line(QPainter& painter, float x1, float y1, float x2, float y2, Colour colour,
                DrawStyle style);
/// `text` (UTF-8) with its top-left corner at (x, y) in `font` and `colour`; returns the height of
/// one line of that font.
float paint_text(QPainter& painter, float x, float y, std::string_view text, Colour colour,
                 const QFont& font);

/// The window's font at `points`, fixed in pixels at 96 to the inch, so that a picture measures
/// the same on every device whatever its resolution: the painter's scale alone sizes it.
QFont font_in_pixels(const QFont& font);

/// A surface over an active painter, `size` pixels from the painter's origin.
class PainterSurface : public SurfaceState {
public:
    PainterSurface(QPainter& painter, QSizeF size, const QFont& font, QColor background);

    void clear() override;
    float scale_width() const override { return float(size_.width()); }
    float scale_height() const override { return float(size_.height()); }
    void line(float x1, float y1, float x2, float y2) override;
    void line(float x1, float y1, float x2, float y2, Colour colour) override;
    void print(std::string_view text) override;
    float text_width(std::string_view text) const override;
    float line_height() const override;

private:
    QPainter& painter_;
    QSizeF size_;
    QFont font_;
    QColor background_;
};

}  // namespace kestrivo::plot
