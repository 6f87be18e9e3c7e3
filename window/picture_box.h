// The window's drawing area: a DrawingSurface over a backing image, so that whatever is drawn
// stays through repaints, resizes, minimising and covering windows until the next clear. The
// image has the screen's own pixels (twice as many each way at a device pixel ratio of 2), so the
// plot is drawn at full resolution rather than scaled up.
#pragma once

#include <QFrame>
#include <QImage>

#include "plot/painter_surface.h"

namespace kestrivo::window {

class PictureBox : public QFrame, public plot::SurfaceState {
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void clear() override;
    float scale_width() const override;
    float scale_height() const override;
    void line(float x1, float y1, float x2, float y2) override;
    void line(float x1, float y1, float x2, float y2, plot::Colour colour) override;
    void print(std::string_view text) override;

    /// What is drawn, for tests and screenshots.
    const QImage& image() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fit_image();  // the image always covers the inner area, keeping what it held

    QImage image_;
};

}  // namespace kestrivo::window
