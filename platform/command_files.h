// The files a command names on its command line, checked before it reads any of them: no output
// may be one of its inputs, no two outputs may be one file, and every output must have a place
// to go. Each program lists its files here, so the three programs refuse alike, in the same
// words, and nothing is read or written when the answer would be lost or would destroy a file.
#pragma once

#include <string>
#include <vector>

namespace kestrivo::platform {

/// A file as the command line names it. `path` "-" is the standard stream (standard input for
/// an input, standard output for an output); `role` says what it is, as the user reads it ("the
/// survey file", "the conflicts", "the input").
struct NamedFile {
    std::string path;
    std::string role;
};

/// A folder the command fills with files it names itself, each ending in `suffix` (the plots of
/// kestrivo-report --plots DIR, DIR/<block>.png).
struct NamedFolder {
    std::string path;
    std::string role;
    std::string suffix;
};

struct CommandFiles {
    std::vector<NamedFile> inputs = {};
    std::vector<NamedFile> outputs = {};
    std::vector<NamedFolder> folders = {};
};

/// "" or why the command cannot go on, as a sentence: an output is an input or another output
/// (the same device and inode when the files exist, the same canonical path when they do not;
/// devices and pipes are never "the same file", /dev/null takes any number of outputs), a file
/// would land in one of the folders with that name, or an output has no place (see why_no_place).
std::string why_refused(const CommandFiles& files);

/// "" or why no file can be written at `path`: it is a symbolic link (never written through), a
/// folder, or its folder is missing, is a file, or takes no file. "-" always has a place.
std::string why_no_place(const std::string& path);

}  // namespace kestrivo::platform
