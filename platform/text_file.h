// Sequential text output, written whole or not at all (see whole_file.h).
#pragma once

#include <string>
#include <vector>

namespace kestrivo::platform {

/// Writes `lines` to `path`, each ended by CR LF, replacing what the file held. Throws a FileError
/// RuntimeError with the system's reason when the file cannot be written; the previous file then
/// stays as it was.
void write_text_lines(const std::string& path, const std::vector<std::string>& lines);

}  // namespace kestrivo::platform
