// A DrawingSurface that writes down every call with its coordinates, so plot tests can compare
// the exact drawing.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "plot/drawing_surface.h"

class RecordingSurface : public kestrivo::plot::DrawingSurface {
public:
    RecordingSurface(float width, float height, float line_height = 13)
        : width_(width), height_(height), line_height_(line_height) {}

    std::vector<std::string> calls;

    void clear() override {
        x_ = y_ = 0;
        calls.push_back("clear");
    }
    float scale_width() const override { return width_; }
    float scale_height() const override { return height_; }
    float line_height() const override { return line_height_; }
    void set_fore_colour(kestrivo::plot::Colour c) override { fore_ = c; }
    kestrivo::plot::Colour fore_colour() const override { return fore_; }
    void set_draw_style(kestrivo::plot::DrawStyle s) override { style_ = s; }
    kestrivo::plot::DrawStyle draw_style() const override { return style_; }
    float current_x() const override { return x_; }
    float current_y() const override { return y_; }
    void set_current_x(float x) override { x_ = x; }
    void set_current_y(float y) override { y_ = y; }
    void line(float x1, float y1, float x2, float y2) override {
        line(x1, y1, x2, y2, fore_, false);
    }
    void line(float x1, float y1, float x2, float y2, kestrivo::plot::Colour c) override {
        line(x1, y1, x2, y2, c, true);
    }
    void print(std::string_view text) override {
        calls.push_back(format("print %g %g #%06X '", x_, y_, fore_) + std::string(text) + "'");
        x_ = 0;
        y_ += line_height_;
    }

    /// The calls that start with `prefix`.
    std::vector<std::string> starting(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const auto& c : calls) {
            if (c.rfind(prefix, 0) == 0) out.push_back(c);
        }
        return out;
    }

private:
    void line(float x1, float y1, float x2, float y2, kestrivo::plot::Colour c, bool own) {
        calls.push_back(format("line %g %g %g %g #%06X %s%s", x1, y1, x2, y2, c,
                               style_ == kestrivo::plot::DrawStyle::Dashed ? "dashed" : "solid",
                               own ? "" : " fore"));
        x_ = x2;
        y_ = y2;
    }
    template <class... A>
    static std::string format(const char* f, A... a) {
        char buffer[200];
        std::snprintf(buffer, sizeof buffer, f, a...);
        return buffer;
    }

    float width_, height_, line_height_;
    float x_ = 0, y_ = 0;
    kestrivo::plot::Colour fore_ = 0;
    kestrivo::plot::DrawStyle style_ = kestrivo::plot::DrawStyle::Solid;
};
