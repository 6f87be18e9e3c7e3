// What the plot draws on: a surface measured in pixels from its top-left corner, with a current
// position for printed text, a fore colour and a pen style. Drawing persists until clear().
// The window implements it over a backing image; tests record the calls.
#pragma once

#include <cstdint>
#include <string_view>

namespace kestrivo::plot {

/// Colours are 0x00BBGGRR: 0xC00000 is blue 192, 0x0000FF pure red.
using Colour = std::uint32_t;

enum class DrawStyle { Solid = 0, Dashed = 1 };

class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    /// Erases everything and moves the current position to (0, 0).
    virtual void clear() = 0;
    /// The inner width and height in pixels.
    virtual float scale_width() const = 0;
    virtual float scale_height() const = 0;

    virtual void set_fore_colour(Colour colour) = 0;
    virtual Colour fore_colour() const = 0;
    virtual void set_draw_style(DrawStyle style) = 0;
    virtual DrawStyle draw_style() const = 0;

    virtual float current_x() const = 0;
    virtual float current_y() const = 0;
    virtual void set_current_x(float x) = 0;
    virtual void set_current_y(float y) = 0;

    /// A one-pixel line in the current draw style, in the fore colour or in `colour`; the current
    /// position moves to (x2, y2).
    virtual void line(float x1, float y1, float x2, float y2) = 0;
    virtual void line(float x1, float y1, float x2, float y2, Colour colour) = 0;

    /// Draws `text` (UTF-8) with its top-left corner at the current position in the fore colour,
    /// then ends the line: current x becomes 0 and current y grows by one line of the font.
    virtual void print(std::string_view text) = 0;

    /// How wide `text` prints and how far print() moves down a line, in pixels, so that a picture
    /// can keep its words inside its edges. A surface without a font to measure answers by a
    /// fixed cell of the window's font at its usual size.
    virtual float text_width(std::string_view text) const {
        float width = 0;
        for (const char c : text)
            width += (static_cast<unsigned char>(c) & 0xC0) == 0x80 ? 0 : 6;
        return width;
    }
    virtual float line_height() const { return 13; }
};

}  // namespace kestrivo::plot
