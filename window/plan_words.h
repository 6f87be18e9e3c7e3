// The plan's note as the Plan... dialog shows it under the result: in words a new user reads
// (blocks in the city, blocks to count, the share always seen, the chance of being seen on a
// count) and with numbers rounded to the digits the plan can tell. kestrivo-plan's note, with its
// symbols and six digits, stays as its table has always written it; this is the window's own
// wording of the same plan. No widgets.
#pragma once

#include <QLocale>
#include <QString>

#include "window/plan_picture.h"

namespace kestrivo::window {

/// `share` as a whole percentage ("42%"), or "under 1%" / "over 99%" where rounding would say
/// none or all of what is there.
QString share_words(double share, const QLocale& locale);

/// The target as the dialog takes it: "±20% of the total".
QString target_words(double target, const QLocale& locale);

/// The note of `made` in sentences: its recommendation's rule (or why there is none), the
/// warning when its estimate is not trustworthy, how the blocks are shared among strata, and
/// what each stratum was assumed to be.
QString plan_note_words(const MadePlan& made, const QLocale& locale);

/// Why the recommended number of blocks gives an estimate not to trust, as a sentence, or "" when
/// it can be trusted (or none is recommended): kestrivo-plan's warning, worded in the window.
QString untrustworthy_words(const MadePlan& made, const QLocale& locale);

}  // namespace kestrivo::window
