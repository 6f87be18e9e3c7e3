// OwnLibraries: the program's folder from /proc/self/exe, and the digests compiled in.
#include "cli/own_libraries.h"

#include <filesystem>

#include "library/library_digest.h"
#include "plot/plot_module_digest.h"

namespace kestrivo::cli {
namespace {

std::string own_folder() {
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : exe.parent_path().string();
}

}  // namespace

OwnLibraries::OwnLibraries() : OwnLibraries(own_folder()) {}

OwnLibraries::OwnLibraries(const std::string& folder)
    : library_(platform::kestrivo_library_paths(folder), kestrivo_library_sha256()),
      plots_(platform::kestrivo_library_paths(folder, "libkestrivo-plot.so"),
             kestrivo_plot_module_sha256()) {}

analysis::Library OwnLibraries::likelihood() {
    return {reinterpret_cast<analysis::LogLikelihoodFn>(library_.entry("RLOGLIK"))};
}

}  // namespace kestrivo::cli
