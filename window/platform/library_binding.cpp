// LibraryBinding over dlopen/dlsym with absolute paths, each file checked before it is loaded.
#include "library_binding.h"

#include <dlfcn.h>
#include <link.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "runtime_error.h"

namespace platform {
namespace {

// What is wrong with the shared library at `path`, or "" when its ELF header and every segment the
// loader maps lie inside the file. The loader maps segments without reading them first, so a
// truncated library would end the program with SIGBUS inside dlopen, not with an error.
std::string elf_damage(const std::string& path) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) return "it cannot be read";
    const auto size = static_cast<std::uint64_t>(file.tellg());
    file.seekg(0);

    ElfW(Ehdr) header{};
    if (size < sizeof header || !file.read(reinterpret_cast<char*>(&header), sizeof header)) {
        return "it is too short to be a library (" + std::to_string(size) + " bytes)";
    }
    const bool native =
        std::memcmp(header.e_ident, ELFMAG, SELFMAG) == 0 &&
        header.e_ident[EI_CLASS] == (sizeof(void*) == 8 ? ELFCLASS64 : ELFCLASS32) &&
        header.e_ident[EI_DATA] == ELFDATA2LSB && header.e_type == ET_DYN;
    if (!native) return "it is not a shared library for this machine";
    if (header.e_phentsize != sizeof(ElfW(Phdr)) || header.e_phnum == 0 || header.e_phoff > size ||
        (size - header.e_phoff) / sizeof(ElfW(Phdr)) < header.e_phnum) {
        return "its table of segments is cut off (the file has " + std::to_string(size) + " bytes)";
    }

    std::vector<ElfW(Phdr)> segments(header.e_phnum);
    file.seekg(static_cast<std::streamoff>(header.e_phoff));
    if (!file.read(reinterpret_cast<char*>(segments.data()),
                   static_cast<std::streamsize>(segments.size() * sizeof(ElfW(Phdr))))) {
        return "its table of segments cannot be read";
    }
    for (const ElfW(Phdr) & segment : segments) {
        if (segment.p_offset > size || size - segment.p_offset < segment.p_filesz) {
            return "a segment reaches past the end of the file (" + std::to_string(size) +
                   " bytes)";
        }
    }
    return "";
}

}  // namespace

LibraryBinding::LibraryBinding(std::vector<std::string> candidates)
    : candidates_(std::move(candidates)) {}

LibraryBinding::~LibraryBinding() {
    if (handle_) dlclose(handle_);
}

void* LibraryBinding::entry(const std::string& name) {
    if (!handle_) {
        std::string reasons;
        bool damaged = false;
        for (const std::string& path : candidates_) {
            // A path with a slash is opened as it is; the loader searches nothing.
            if (!std::filesystem::path(path).is_absolute()) continue;
            if (!std::filesystem::exists(path)) continue;
            if (const std::string damage = elf_damage(path); !damage.empty()) {
                damaged = true;
                reasons += " " + path + " is damaged: " + damage + ".";
                continue;
            }
            handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
            if (handle_) {
                loaded_ = path;
                break;
            }
            const char* why = dlerror();
            reasons += " " + path + ": " + (why ? why : "cannot be loaded") + ".";
        }
        if (!handle_ && damaged) {
            throw RuntimeError(
                ErrorKind::LibraryDamaged,
                "the library cannot be loaded." + reasons + " Reinstalling Kestrivo replaces it.");
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
