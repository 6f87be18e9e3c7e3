// The inference report gives a reason, in English, for each quantity it has not got; the CSV and
// JSON write it so. The window and its PDF say the same reason in the window's language.
#pragma once

#include <QString>
#include <string>

namespace kestrivo::window {

/// `why_not` in the window's language; a reason the report words from a system's message (its
/// own failure) keeps that message as it is.
QString report_reason(const std::string& why_not);

}  // namespace kestrivo::window
