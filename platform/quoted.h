// User text inside a message: every error that names what the user typed or what a file holds
// shows it the same way, in double quotes and cut short when long, so one bad cell of a
// megabyte-long line cannot flood a message box or a report's error column.
#pragma once

#include <string>
#include <string_view>

namespace kestrivo::platform {

/// `text` in double quotes; beyond 40 bytes it is cut at a character boundary and ends "...".
std::string quoted(std::string_view text);

}  // namespace kestrivo::platform
