// The inference report in the few lines the window has room for, beside the help text: the 95%
// limits of the profiled parameter and of the share seen, the dogs on the block, a sentence for an
// estimate on an edge of its range, and the fit check. Plain text in the user's number format.
#pragma once

#include <string>

#include "inference_report.h"
#include "platform/number_text.h"

/// The strip's text, one line per subject. `profile_p` picks P or S as the parameter whose limits
/// are shown (the one the plot profiles).
std::string report_strip_text(const kestrivo::analysis::Report& report, bool profile_p,
                              const platform::NumberLocale& locale);
