// The window's drawing area: a DrawingSurface over a backing image, so that whatever is drawn
// stays through repaints, resizes, minimising and covering windows until the next clear.
#pragma once

#include <QFrame>
#include <QImage>

#include "drawing_surface.h"

namespace platform {

class PictureBox : public QFrame, public DrawingSurface {
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void clear() override;
    float scale_width() const override;
    float scale_height() const override;
    void set_fore_colour(Colour colour) override { fore_ = colour; }
    Colour fore_colour() const override { return fore_; }
    void set_draw_style(DrawStyle style) override { style_ = style; }
    DrawStyle draw_style() const override { return style_; }
    float current_x() const override { return x_; }
    float current_y() const override { return y_; }
    void set_current_x(float x) override { x_ = x; }
    void set_current_y(float y) override { y_ = y; }
    void line(float x1, float y1, float x2, float y2) override;
    void line(float x1, float y1, float x2, float y2, Colour colour) override;
    void print(std::string_view text) override;

    /// What is drawn, for tests and screenshots.
    const QImage& image() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fit_image();  // the image always covers the inner area, keeping what it held

    QImage image_;
    Colour fore_ = 0;
    DrawStyle style_ = DrawStyle::Solid;
    float x_ = 0;
    float y_ = 0;
};

/// 0x00BBGGRR to a QColor.
QColor to_qcolor(Colour colour);

}  // namespace platform
