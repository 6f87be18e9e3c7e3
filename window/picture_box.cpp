// PictureBox: draws into an image the size of its inner area and paints that image.
#include "window/picture_box.h"

#include <QPaintEvent>
#include <QPainter>

namespace kestrivo::window {

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::StrongFocus);  // a stop in the tab order, as the layout lists it
    setAttribute(Qt::WA_OpaquePaintEvent);
    fit_image();
}

void PictureBox::fit_image() {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = contentsRect().size() * ratio;
    if (!image_.isNull() && image_.size() == pixels) return;
    QImage fresh(pixels.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    fresh.setDevicePixelRatio(ratio);
    fresh.fill(palette().color(QPalette::Window));
    if (!image_.isNull()) {
        QPainter painter(&fresh);
        painter.drawImage(QPointF(0, 0), image_);
    }
    image_ = fresh;
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    fit_image();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), image_);
}

void PictureBox::clear() {
    fit_image();
    image_.fill(palette().color(QPalette::Window));
    x_ = 0;
    y_ = 0;
    update();
}

float PictureBox::scale_width() const {
    return static_cast<float>(contentsRect().width());
}
float PictureBox::scale_height() const {
    return static_cast<float>(contentsRect().height());
}

void PictureBox::line(float x1, float y1, float x2, float y2) {
    line(x1, y1, x2, y2, fore_);
}

void PictureBox::line(float x1, float y1, float x2, float y2, plot::Colour colour) {
    QPainter painter(&image_);
    plot::paint_line(painter, x1, y1, x2, y2, colour, style_);
    x_ = x2;
    y_ = y2;
    update();
}

void PictureBox::print(std::string_view text) {
    QPainter painter(&image_);
    y_ += plot::paint_text(painter, x_, y_, text, fore_, font());
    x_ = 0;
    update();
}

}  // namespace kestrivo::window
