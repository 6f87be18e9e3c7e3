// What the plot area shows after an estimate, kept so that the same picture can be drawn again on
// other devices (a PNG, SVG or PDF file, a printer, the clipboard) by the same procedure that drew
// it on the screen, and described in words for a screen reader.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/number_text.h"
#include "plot/drawing_surface.h"

namespace kestrivo::plot {

struct PlotPicture {
    bool shown = false;       // false: the plot area is blank
    std::vector<float> y;     // the profile log likelihoods, point 1 first
    std::vector<float> x;     // the profiled parameter at each point, in percent
    bool profile_p = true;    // P profiled ("% seen"), else S ("% stay")
    std::string caption;      // one line under an exported picture: counts and estimates
    std::string description;  // the picture in words: its maximum and the limits
    // The words drawn, in the window's language; an empty one is drawn in English.
    struct Words {
        std::string y_title;   // "log likelihood"
        std::string x_title;   // "% seen" or "% stay"
        std::string no_point;  // the plotting range holds no point
    } words;
};

/// Draws `picture` on a cleared `surface`: the profile curve with its labels and the 1.92 line,
/// or the sentence that the plotting range holds no point.
void draw_plot(plot::DrawingSurface& surface, const PlotPicture& picture,
               const platform::NumberLocale& locale);

}  // namespace kestrivo::plot
