// Sequential text output that never leaves a torn file: the lines are written to a temporary file
// beside the target and renamed over it. Where the folder cannot take a new file but the target
// itself is writable, the target is rewritten in place instead.
#pragma once

#include <string>
#include <vector>

namespace platform {

/// Writes `lines` to `path`, each ended by CR LF, replacing what the file held. Throws a FileError
/// RuntimeError with the system's reason when the file cannot be written.
void write_text_lines(const std::string& path, const std::vector<std::string>& lines);

}  // namespace platform
