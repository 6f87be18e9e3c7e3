// LibraryBinding over dlopen/dlsym with absolute paths.
#include "library_binding.h"

#include <dlfcn.h>

#include <filesystem>

#include "runtime_error.h"

namespace platform {

LibraryBinding::LibraryBinding(std::vector<std::string> candidates)
    : candidates_(std::move(candidates)) {}

LibraryBinding::~LibraryBinding() {
    if (handle_) dlclose(handle_);
}

void* LibraryBinding::entry(const std::string& name) {
    if (!handle_) {
        std::string reasons;
        for (const std::string& path : candidates_) {
            // A path with a slash is opened as it is; the loader searches nothing.
            if (!std::filesystem::path(path).is_absolute()) continue;
            if (!std::filesystem::exists(path)) continue;
            handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
            if (handle_) {
                loaded_ = path;
                break;
            }
            const char* why = dlerror();
            reasons += " " + path + ": " + (why ? why : "cannot be loaded") + ".";
        }
        if (!handle_) {
            std::string looked;
            for (const std::string& path : candidates_)
                looked += (looked.empty() ? "" : ", ") + path;
            throw RuntimeError(ErrorKind::LibraryNotFound,
                               "the library was not found (looked for " + looked + ")." + reasons);
        }
    }
    dlerror();
    void* address = dlsym(handle_, name.c_str());
    if (!address) {
        throw RuntimeError(ErrorKind::LibraryNotFound,
                           "the entry " + name + " is missing from " + loaded_ + ".");
    }
    return address;
}

std::vector<std::string> kestrivo_library_paths(const std::string& executable_folder) {
    const std::filesystem::path folder(executable_folder);
    return {(folder / "libKestrivo.so").lexically_normal().string(),
            (folder / ".." / "lib" / "kestrivo" / "libKestrivo.so").lexically_normal().string()};
}

}  // namespace platform
