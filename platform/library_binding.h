// Binds an entry of a shared library by name, the first time it is needed. The library is opened
// by absolute path only, from a fixed list of folders, never through the loader's search path or
// the current folder: a library planted elsewhere is never picked up.
#pragma once

#include <string>
#include <vector>

namespace kestrivo::platform {

class LibraryBinding {
public:
    /// @param candidates  absolute paths of the library, tried in order
    /// @param sha256      when not empty, the lower-case hex SHA-256 the library file must have:
    ///                    any other file at a candidate path is refused before it is loaded
    explicit LibraryBinding(std::vector<std::string> candidates, std::string sha256 = {});
    ~LibraryBinding();
    LibraryBinding(const LibraryBinding&) = delete;
    LibraryBinding& operator=(const LibraryBinding&) = delete;

    /// The address of `entry`, opening the library on first use. Throws a RuntimeError:
    /// LibraryNotFound when no candidate exists, LibraryDamaged when the file is cut short or its
    /// digest differs, LibraryUnusable when it is another machine's, a folder, lacks `entry` or
    /// the loader refuses it.
    void* entry(const std::string& name);

    /// The path of the library opened, empty until then.
    const std::string& loaded_path() const { return loaded_; }

private:
    std::vector<std::string> candidates_;
    std::string sha256_;
    std::string loaded_;
    void* handle_ = nullptr;
};

/// Where the program's own library `file` lies: beside the executable in the build tree, or in
/// the install layout's lib/kestrivo beside bin/.
std::vector<std::string> kestrivo_library_paths(const std::string& executable_folder,
                                                const std::string& file = "libKestrivo.so");

/// The SHA-256 of the file at `path` in lower-case hex, or "" when it cannot be read.
std::string file_sha256(const std::string& path);

}  // namespace kestrivo::platform
