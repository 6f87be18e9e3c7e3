// Small readers the widget tests share: a whole file's bytes, and how many pixels of an image
// have exactly one colour.
#pragma once

#include <QImage>
#include <fstream>
#include <sstream>
#include <string>

inline std::string file_contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

inline int pixels_of(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == colour;
    }
    return n;
}
