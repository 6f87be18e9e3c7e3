// The drawing area keeps what is drawn until it is cleared, and prints line by line.
#include "window/picture_box.h"

#include <gtest/gtest.h>

#include <QFontMetrics>

#include "tests/window/test_helpers.h"

using namespace kestrivo::window;

namespace {

TEST(picture_box_test, drawing_persists_through_hiding_and_resizing_until_cleared) {
    kestrivo::window::PictureBox box;
    box.resize(304, 204);
    box.show();
    EXPECT_EQ(box.scale_width(), 300);
    EXPECT_EQ(box.scale_height(), 200);

    box.line(10, 50, 110, 50, 0x0000FF);
    EXPECT_EQ(box.current_x(), 110);
    EXPECT_EQ(box.current_y(), 50);
    const int red = pixels_of(box.image(), qRgb(255, 0, 0));
    EXPECT_GE(red, 100);

    box.hide();
    box.resize(500, 300);
    box.show();
    EXPECT_EQ(pixels_of(box.image(), qRgb(255, 0, 0)), red);
    EXPECT_EQ(box.scale_width(), 496);

    box.clear();
    EXPECT_EQ(pixels_of(box.image(), qRgb(255, 0, 0)), 0);
    EXPECT_EQ(box.current_x(), 0);
    EXPECT_EQ(box.current_y(), 0);
}

TEST(picture_box_test, dashed_lines_leave_gaps_and_print_ends_the_line) {
    kestrivo::window::PictureBox box;
    box.resize(304, 204);
    box.set_draw_style(kestrivo::plot::DrawStyle::Dashed);
    box.line(0, 20, 200, 20, 0xC00000);
    const int dashed = pixels_of(box.image(), qRgb(0, 0, 192));
    EXPECT_GT(dashed, 60);
    EXPECT_LT(dashed, 180) << "a dashed line of 200 pixels has gaps";

    box.set_fore_colour(0xC00000);
    box.set_current_x(40);
    box.set_current_y(100);
    box.print("log likelihood");
    EXPECT_EQ(box.current_x(), 0);
    EXPECT_EQ(box.current_y(), 100 + QFontMetrics(box.font()).height());
    EXPECT_GT(pixels_of(box.image(), qRgb(0, 0, 192)), dashed) << "the text is in the fore colour";
}

}  // namespace
