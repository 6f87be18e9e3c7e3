// LibraryBinding over dlopen/dlsym with absolute paths, each file checked before it is loaded.
#include "platform/library_binding.h"

#include <dlfcn.h>
#include <link.h>
#include <nettle/sha2.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <vector>

#include "platform/runtime_error.h"

namespace kestrivo::platform {
namespace {

#if defined(__x86_64__)
constexpr int kNativeMachine = EM_X86_64;
#elif defined(__aarch64__)
constexpr int kNativeMachine = EM_AARCH64;
#elif defined(__i386__)
constexpr int kNativeMachine = EM_386;
#else
#error "the ELF machine of this processor is not known here"
#endif

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
    if (header.e_machine != kNativeMachine) {
        return "it is a library for another kind of processor (ELF machine " +
               std::to_string(header.e_machine) + ")";
    }
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

LibraryBinding::LibraryBinding(std::vector<std::string> candidates, std::string sha256)
    : candidates_(std::move(candidates)), sha256_(std::move(sha256)) {}

LibraryBinding::~LibraryBinding() {
    if (handle_) dlclose(handle_);
}

void* LibraryBinding::entry(const std::string& name) {
    if (!handle_) {
        // The first candidate that exists decides: a damaged or foreign library is reported,
        // never passed over for another one further down the list.
        std::optional<std::string> found;
        for (const std::string& path : candidates_) {
            // A path with a slash is opened as it is; the loader searches nothing.
            std::error_code error;
            if (std::filesystem::path(path).is_absolute() &&
                std::filesystem::symlink_status(path, error).type() !=
                    std::filesystem::file_type::not_found &&
                !error) {
                found = path;
                break;
            }
        }
        if (!found) {
            std::string looked;
            for (const std::string& path : candidates_)
                looked += (looked.empty() ? "" : ", ") + path;
            throw RuntimeError(ErrorKind::LibraryNotFound,
                               "the library was not found (looked for " + looked + ").");
        }
        const std::string& path = *found;
        if (std::filesystem::is_directory(path)) {
            throw RuntimeError(ErrorKind::LibraryUnusable,
                               path + " is a folder, not the library file.");
        }
        const std::string damage = elf_damage(path);
        if (damage.find("another kind of processor") != std::string::npos) {
            throw RuntimeError(ErrorKind::LibraryUnusable,
                               path + " cannot be used here: " + damage + ".");
        }
        if (!damage.empty()) {
            throw RuntimeError(
                ErrorKind::LibraryDamaged,
                path + " is damaged: " + damage + ". Reinstalling Kestrivo replaces it.");
        }
        // The digest is taken once per process, here, before the loader maps anything: a flipped
        // bit in the code would otherwise run, crash or give other numbers without a word.
        if (!sha256_.empty()) {
            const std::string digest = file_sha256(path);
            if (digest != sha256_) {
                throw RuntimeError(ErrorKind::LibraryDamaged,
                                   path +
                                       " is damaged: its contents are not those of the library "
                                       "this program was built with (SHA-256 " +
                                       (digest.empty() ? std::string("unreadable") : digest) +
                                       "). Reinstalling Kestrivo replaces it.");
            }
        }
        // Kept loaded to the end of the process once bound: the library carries its own C++
        // runtime, whose buffers would be lost at each unload, and binding it again is then free.
        handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
        if (!handle_) {
            const char* why = dlerror();
            throw RuntimeError(ErrorKind::LibraryUnusable,
                               path + " cannot be loaded: " + (why ? why : "unknown reason") + ".");
        }
        loaded_ = path;
    }
    dlerror();
    void* address = dlsym(handle_, name.c_str());
    if (!address) {
        throw RuntimeError(ErrorKind::LibraryUnusable,
                           "the entry " + name + " is missing from " + loaded_ + ".");
    }
    return address;
}

std::string file_sha256(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return "";
    sha256_ctx context;
    sha256_init(&context);
    char buffer[1 << 16];
    while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
        sha256_update(&context, static_cast<std::size_t>(file.gcount()),
                      reinterpret_cast<const std::uint8_t*>(buffer));
        if (!file) break;
    }
    if (file.bad()) return "";
    std::uint8_t digest[SHA256_DIGEST_SIZE];
    sha256_digest(&context, sizeof digest, digest);
    static const char kHex[] = "0123456789abcdef";
    std::string hex;
    for (std::uint8_t byte : digest) {
        hex += kHex[byte >> 4];
        hex += kHex[byte & 15];
    }
    return hex;
}

std::vector<std::string> kestrivo_library_paths(const std::string& executable_folder,
                                                const std::string& file) {
    const std::filesystem::path folder(executable_folder);
    return {(folder / file).lexically_normal().string(),
            (folder / ".." / "lib" / "kestrivo" / file).lexically_normal().string()};
}

}  // namespace kestrivo::platform
