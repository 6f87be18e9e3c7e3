// why_refused over stat(2): a file is known by its device and inode, a name not yet taken by its
// canonical path, so that "./s.csv", "s.csv" and a link to it are all one file.
#include "platform/command_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace kestrivo::platform {
namespace {

namespace fs = std::filesystem;

// What tells two names of one file apart from names of two files.
struct Identity {
    bool exists = false;
    bool regular = false;
    dev_t device = 0;
    ino_t inode = 0;
    std::string canonical;  // of a name not taken yet; empty when even that cannot be had
};

// `path` as it stands now; "-" is the standard stream `standard`, whatever it was opened on.
Identity identity_of(const std::string& path, int standard) {
    Identity id;
    struct stat status {};
    const bool found =
        path == "-" ? ::fstat(standard, &status) == 0 : ::stat(path.c_str(), &status) == 0;
    if (found) {
        id.exists = true;
        id.regular = S_ISREG(status.st_mode);
        id.device = status.st_dev;
        id.inode = status.st_ino;
    } else if (path != "-") {
        std::error_code error;
        const fs::path absolute = fs::absolute(path, error);
        if (!error) id.canonical = fs::weakly_canonical(absolute, error).string();
        if (error) id.canonical.clear();
    }
    return id;
}

// One node of the file system, whatever its type.
bool same_node(const Identity& a, const Identity& b) {
    if (a.exists && b.exists) return a.device == b.device && a.inode == b.inode;
    if (a.exists || b.exists) return false;
    return !a.canonical.empty() && a.canonical == b.canonical;
}

// One file that writing would replace. A device or a pipe is written into, never replaced, and
// takes any number of writers (two outputs on /dev/null), so it is never "the same file".
bool same_file(const Identity& a, const Identity& b) {
    if (a.exists && b.exists && !(a.regular && b.regular)) return false;
    return same_node(a, b);
}

std::string described(const NamedFile& file, bool input) {
    if (file.path == "-") {
        return file.role + (input ? " (standard input)" : " (standard output)");
    }
    return file.role + " \"" + file.path + "\"";
}

std::string folder_of(const std::string& path) {
    const fs::path parent = fs::path(path).parent_path();
    return parent.empty() ? "." : parent.string();
}

// The effective user's access, as open(2) will judge it (sudo and set-user-ID alike).
bool may(const std::string& path, int mode) {
    return ::faccessat(AT_FDCWD, path.c_str(), mode, AT_EACCESS) == 0;
}

// "" or why the folder `role` names can neither be used nor made.
std::string why_no_folder(const NamedFolder& folder) {
    struct stat status {};
    if (::stat(folder.path.c_str(), &status) == 0) {
        return S_ISDIR(status.st_mode) ? ""
                                       : folder.role + " cannot be made: \"" + folder.path +
                                             "\" is a file, not a folder.";
    }
    // Made at need, with any folders missing above it: the nearest that is there must take them.
    fs::path above = fs::path(folder.path).parent_path();
    while (!above.empty() && ::stat(above.c_str(), &status) != 0 && above.has_relative_path())
        above = above.parent_path();
    if (above.empty()) above = ".";
    if (::stat(above.c_str(), &status) != 0 || !S_ISDIR(status.st_mode)) {
        return folder.role + " cannot be made: \"" + above.string() + "\" is not a folder.";
    }
    if (!may(above.string(), W_OK | X_OK)) {
        return folder.role + " cannot be made in \"" + above.string() +
               "\": " + std::strerror(errno) + ".";
    }
    return "";
}

}  // namespace

std::string why_no_place(const std::string& path) {
    if (path == "-") return "";
    struct stat target {};
    const bool exists = ::lstat(path.c_str(), &target) == 0;
    if (exists && S_ISLNK(target.st_mode)) {
        return "\"" + path +
               "\" is a symbolic link, and Kestrivo writes through no link. Remove the link, or "
               "name another file";
    }
    if (exists && S_ISDIR(target.st_mode)) return "\"" + path + "\" is a folder";
    const std::string folder = folder_of(path);
    struct stat status {};
    if (::stat(folder.c_str(), &status) != 0) {
        return errno == ENOENT
                   ? "the folder \"" + folder + "\" does not exist"
                   : "the folder \"" + folder + "\" cannot be reached: " + std::strerror(errno);
    }
    if (!S_ISDIR(status.st_mode)) return "\"" + folder + "\" is a file, not a folder";
    // A device or a pipe is written where it stands; a file is replaced by a new one beside it,
    // or, where the folder takes none, rewritten where it stands.
    if (exists && !S_ISREG(target.st_mode)) {
        return may(path, W_OK) ? "" : "\"" + path + "\" cannot be written: " + std::strerror(errno);
    }
    if (may(folder, W_OK | X_OK) || (exists && may(path, W_OK))) return "";
    return "the folder \"" + folder + "\" takes no new file: " + std::strerror(errno);
}

std::string why_refused(const CommandFiles& files) {
    std::vector<Identity> inputs, outputs;
    for (const NamedFile& input : files.inputs)
        inputs.push_back(identity_of(input.path, STDIN_FILENO));
    for (const NamedFile& output : files.outputs)
        outputs.push_back(identity_of(output.path, STDOUT_FILENO));

    for (std::size_t o = 0; o < outputs.size(); ++o) {
        for (std::size_t i = 0; i < inputs.size(); ++i) {
            if (same_file(outputs[o], inputs[i])) {
                return described(files.outputs[o], false) + " is " +
                       described(files.inputs[i], true) +
                       ": writing it would destroy what is to be read. Name another file for it.";
            }
        }
        for (std::size_t p = 0; p < o; ++p) {
            if (files.outputs[o].path == "-" && files.outputs[p].path == "-") {
                return files.outputs[p].role + " and " + files.outputs[o].role +
                       " would both go to standard output. Name a file for one of them.";
            }
            if (same_file(outputs[o], outputs[p])) {
                return described(files.outputs[p], false) + " and " +
                       described(files.outputs[o], false) +
                       " are one file: one would replace the other. Name a file for each.";
            }
        }
    }

    for (const NamedFolder& folder : files.folders) {
        const Identity place = identity_of(folder.path, -1);
        const auto lies_in = [&](const NamedFile& file) {
            return file.path != "-" && file.path.ends_with(folder.suffix) &&
                   same_node(identity_of(folder_of(file.path), -1), place);
        };
        for (const auto* named : {&files.inputs, &files.outputs}) {
            for (const NamedFile& file : *named) {
                if (lies_in(file)) {
                    return described(file, named == &files.inputs) + " lies in " + folder.role +
                           " \"" + folder.path + "\", and a file written there could replace " +
                           "it. Name another folder.";
                }
            }
        }
    }

    for (const NamedFile& output : files.outputs) {
        if (const std::string why = why_no_place(output.path); !why.empty()) {
            return output.role + " cannot be written: " + why + ".";
        }
    }
    for (const NamedFolder& folder : files.folders) {
        if (const std::string why = why_no_folder(folder); !why.empty()) return why;
    }
    return "";
}

}  // namespace kestrivo::platform
