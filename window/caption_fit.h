// The block window's captions sit at fixed places, made for English words. In a language whose
// words are longer, a caption's font shrinks, a quarter point at a time, until its text fits its
// place, and no smaller than kSmallestShare of its own size; text that fits keeps its size, as
// English does.
#pragma once

class QFont;
class QLabel;

namespace kestrivo::window {

inline constexpr double kSmallestShare = 0.8;

/// Whether `label`'s text, in its font, fits its width on one line.
bool fits_line(const QLabel& label);
/// Whether `label`'s text, in its font and wrapped at its width, fits `height` pixels.
bool fits_lines(const QLabel& label, int height);

/// `label` in `base`, or the largest smaller size of it down to kSmallestShare whose text fits
/// on one line.
void fit_line(QLabel& label, const QFont& base);
/// The same for a word-wrapped `label` whose text must fit `height` pixels.
void fit_lines(QLabel& label, const QFont& base, int height);

}  // namespace kestrivo::window
