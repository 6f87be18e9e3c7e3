// The plan's picture as the Plan... dialog and the PDF report draw it: every word's ink lies
// inside the picture at the sizes it is drawn, measured by the font itself, and nothing at all is
// painted past its edges.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <vector>

#include "plot/painter_surface.h"
#include "window/plan_picture.h"

using namespace kestrivo;
using namespace kestrivo::window;

namespace {

MadePlan made_plan() {
    MadePlan made;
    const std::vector<std::pair<std::int64_t, double>> rows{
        {10, 0.3173}, {20, 0.2211}, {30, 0.1644}, {40, 0.1232},
        {60, 0.1003}, {80, 0.0912}, {120, 0.0832}};
    for (const auto& [k, width] : rows) {
        analysis::PlanRow row;
        row.k = k;
        row.assurance_half_width = width;
        made.plan.rows.push_back(row);
    }
    made.plan.recommended = 80;
    made.request.target = 0.1;
    made.request.assurance = 0.8;
    return made;
}

// A painter surface that keeps each printed text's ink rectangle, as the font measures it.
class MeasuringSurface : public plot::PainterSurface {
public:
    MeasuringSurface(QPainter& painter, QSizeF size)
        : PainterSurface(painter, size, plan_picture_font(), Qt::white),
          metrics_(plot::font_in_pixels(plan_picture_font()), painter.device()) {}

    std::vector<std::pair<QString, QRectF>> words;

    void print(std::string_view text) override {
        const QString q = QString::fromUtf8(text.data(), qsizetype(text.size()));
        words.emplace_back(
            q, metrics_.boundingRect(q).translated(current_x(), current_y() + metrics_.ascent()));
        PainterSurface::print(text);
    }

private:
    QFontMetricsF metrics_;
};

const QSize kSizes[] = {{949, 381}, {480, 200}, {640, 260}};

TEST(plan_picture_test, every_word_lies_inside_the_picture) {
    for (const QSize size : kSizes) {
        QImage image(size, QImage::Format_RGB32);
        QPainter painter(&image);
        MeasuringSurface surface(painter, QSizeF(size));
        draw_plan_picture(surface, made_plan());
        const QRectF picture(QPointF(0, 0), QSizeF(size));
        ASSERT_FALSE(surface.words.empty());
        bool x_title = false, y_title = false;
        for (const auto& [text, rect] : surface.words) {
            EXPECT_TRUE(picture.contains(rect))
                << size.width() << "x" << size.height() << " '" << text.toStdString() << "' at "
                << rect.x() << "," << rect.y() << " " << rect.width() << "x" << rect.height();
            EXPECT_FALSE(text.startsWith(QLatin1Char('.'))) << text.toStdString();
            x_title |= text == QStringLiteral("Blocks counted");
            y_title |= text.contains(QStringLiteral("% of its total"));
        }
        EXPECT_TRUE(x_title) << size.width();
        EXPECT_TRUE(y_title) << size.width();
    }
}

// Drawn in the middle of a larger image of another colour, at the report's scale of 2 too: that
// colour is untouched outside the picture, so no word or line runs past its edges.
TEST(plan_picture_test, nothing_is_painted_past_the_edges) {
    constexpr int kMargin = 30;
    const QRgb outside = qRgb(0, 255, 0);
    for (const int scale : {1, 2}) {
        for (const QSize size : kSizes) {
            QImage image((size + QSize(2 * kMargin, 2 * kMargin)) * scale, QImage::Format_RGB32);
            image.fill(outside);
            {
                QPainter painter(&image);
                painter.scale(scale, scale);
                painter.translate(kMargin, kMargin);
                paint_plan_picture(painter, QSizeF(size), made_plan());
            }
            const QRect inside(QPoint(kMargin, kMargin) * scale, size * scale);
            int painted_outside = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    if (!inside.contains(x, y) && image.pixel(x, y) != outside) ++painted_outside;
                }
            }
            EXPECT_EQ(painted_outside, 0)
                << size.width() << "x" << size.height() << " at " << scale;
        }
    }
}

}  // namespace
