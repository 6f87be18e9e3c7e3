// Binds an entry of a shared library by name, the first time it is needed. The library is opened
// by absolute path only, from a fixed list of folders, never through the loader's search path or
// the current folder: a library planted elsewhere is never picked up.
#pragma once

#include <string>
#include <vector>

namespace platform {

class LibraryBinding {
public:
    /// @param candidates  absolute paths of the library, tried in order
    explicit LibraryBinding(std::vector<std::string> candidates);
    ~LibraryBinding();
    LibraryBinding(const LibraryBinding&) = delete;
    LibraryBinding& operator=(const LibraryBinding&) = delete;

    /// The address of `entry`, opening the library on first use. Throws a LibraryNotFound
    /// RuntimeError naming what is missing.
    void* entry(const std::string& name);

    /// The path of the library opened, empty until then.
    const std::string& loaded_path() const { return loaded_; }

private:
    std::vector<std::string> candidates_;
    std::string loaded_;
    void* handle_ = nullptr;
};

/// Where the program's own libKestrivo.so lies: beside the executable in the build tree, or in the
/// install layout's lib/kestrivo beside bin/.
std::vector<std::string> kestrivo_library_paths(const std::string& executable_folder);

}  // namespace platform
