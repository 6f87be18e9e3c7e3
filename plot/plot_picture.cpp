// draw_plot: PlotCurve with the window's arguments, and the empty range said in words.
#include "plot/plot_picture.h"

#include "plot/plot_curve.h"

namespace kestrivo::plot {

namespace {

constexpr plot::Colour kCurveColour = 0xC00000;
constexpr const char* kNoProfilePoint =
    "The plotting range holds no point of the profile: make the % plotting range larger "
    "(for example 30).";

}  // namespace

void draw_plot(plot::DrawingSurface& surface, const PlotPicture& picture,
               const platform::NumberLocale& locale) {
    if (!picture.shown) return;
    const auto& words = picture.words;
    PlotCurve(surface, picture.y, picture.x, static_cast<int16_t>(picture.y.size()),
              words.y_title.empty() ? "log likelihood" : words.y_title, 10, kCurveColour, -1,
              picture.profile_p, locale, words.x_title);
    if (picture.y.empty()) {
        // An empty plot would say nothing; the reason goes where the curve would be.
        surface.set_current_x(surface.scale_width() / 10);
        surface.set_current_y(surface.scale_height() / 2);
        surface.print(words.no_point.empty() ? kNoProfilePoint : words.no_point);
    }
}

}  // namespace kestrivo::plot
