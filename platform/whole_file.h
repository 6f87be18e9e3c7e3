// Writing a file whole or not at all. Every file the program writes (the parameter dump, saved
// counts, exported plots, the survey companion's plots) goes through here, so that a full disk,
// a file-size limit or a symbolic link planted in the folder can never cost the user the file
// that was there before.
#pragma once

#include <string>
#include <string_view>

namespace kestrivo::platform {

/// Replaces the contents of `path` by `bytes`.
///
/// The bytes go to a new file beside the target, which is flushed to disk and then renamed over
/// it: on any failure the previous file stays as it was, byte for byte, and the new file is
/// removed. A target that is a symbolic link is refused before anything is written, and the rename
/// replaces names, never link targets, so nothing is ever written through a link. Where the folder
/// takes no new file but the target itself is writable, the target is rewritten in place; a
/// failure then may leave it incomplete, and the message says so.
///
/// Throws a FileError RuntimeError naming the file and giving the system's reason.
void write_whole_file(const std::string& path, std::string_view bytes);

}  // namespace kestrivo::platform
