// Small readers the widget tests share: a whole file's bytes, how many pixels of an image have
// exactly one colour, and where its dark (text) pixels lie.
#pragma once

#include <QImage>
#include <algorithm>
#include <string>

#include "tests/support/temporary_folder.h"

inline std::string file_contents(const std::string& path) {
    return read_file(path);
}

inline int pixels_of(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == colour;
    }
    return n;
}

struct DarkPixels {
    int count = 0, top = 0, bottom = 0;  // how many, and the rows of the first and the last
};

inline DarkPixels dark_pixels(const QImage& image) {
    DarkPixels dark{0, image.height(), -1};
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) >= 60) continue;
            ++dark.count;
            dark.top = std::min(dark.top, y);
            dark.bottom = std::max(dark.bottom, y);
        }
    }
    return dark;
}
