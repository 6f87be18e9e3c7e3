// The help text that Form_Load puts into Label10, in the pieces it was written in. The double
// spaces after full stops belong to the text. It is translated in the window's context, where the
// translations (i18n/*.ts) hold it.
#pragma once

#include <QtGlobal>

namespace kestrivo::window {

inline constexpr const char* kHelpText = QT_TRANSLATE_NOOP(
    "kestrivo::window::Form1",
    "This program can be used to estimate the proportion of free-roaming dogs "
    "seen on a count of a city block.  A sample of individually distinct dogs are "
    "identified during the first count and the number seen during a second and third "
    "count recorded.  The frequency of the four possible resulting capture histories "
    "- not seen again, seen on both the second and third counts, seen on the third "
    "but not on the second, seen on the second but not on the third - are entered in "
    "the text boxes to the left.  Click the 'estimate' command button to generate ML "
    "estimates of the proportion permanently visible because of defending territory, S, and "
    "the probability of seeing the others, P.  Read 95% confidence limits from intersection of "
    "dotted red line "
    "with ML curve.  Uncheck check box and set S to 0 to see effect of assuming all dogs equally "
    "visible on P "
    "estimate.");

}  // namespace kestrivo::window
