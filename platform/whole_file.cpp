// write_whole_file and OutputBatch over POSIX calls: a temporary file created exclusively beside
// the target, every write checked, fsync before the rename; devices and pipes written into.
#include "platform/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>

#include "platform/runtime_error.h"

namespace kestrivo::platform {
namespace {

[[noreturn]] void file_error(const std::string& path, const std::string& what) {
    throw RuntimeError(ErrorKind::FileError, "\"" + path + "\" " + what);
}

std::string reason(int error) {
    return std::strerror(error);
}

// Closes a descriptor once, however the function that owns it ends.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor(Descriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    int get() const { return fd_; }
    /// Closes now and returns 0, or the errno of a failed close (a delayed write error).
    int close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int fd_;
};

// Writes all of `bytes`, going on after a partial write or a signal. Returns 0 or the errno.
int write_all(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// A new file in `folder` that did not exist before, readable and writable as the umask allows.
// Returns the descriptor, or -1 with errno set.
int create_beside(const std::filesystem::path& folder, const std::string& stem, std::string& name) {
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = (folder / ("." + stem + "." + std::to_string(random() % 1000000000))).string();
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// The target rewritten where it stands, for a folder that takes no new file. O_NOFOLLOW: a link
// is refused here too, even one that appeared since the check.
// The file where it stands, for writing. O_NOFOLLOW: a link is refused, even one that appeared
// since the file was checked or staged.
Descriptor open_where_it_stands(const std::string& path) {
    Descriptor file(::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC));
    if (file.get() < 0) {
        const int error = errno;
        if (error == ELOOP) file_error(path, "is a symbolic link; nothing was written through it.");
        file_error(path, "cannot be written: " + reason(error) + ".");
    }
    return file;
}

void rewrite_in_place(const std::string& path, std::string_view bytes) {
    Descriptor file = open_where_it_stands(path);
    int error = write_all(file.get(), bytes);
    if (error == 0 && ::ftruncate(file.get(), static_cast<off_t>(bytes.size())) != 0) error = errno;
    if (error == 0 && ::fsync(file.get()) != 0) error = errno;
    if (error == 0) error = file.close();
    if (error != 0) {
        file_error(path, "could not be rewritten: " + reason(error) +
                             ". It was being rewritten in place, and may now be incomplete.");
    }
}

// A device or a pipe written where it stands, as the shell's ">" would. Not truncated (it has no
// length) and not synced (a pipe or /dev/null cannot be); O_NOFOLLOW all the same, so a link
// put there since it was staged is refused, not written through.
void write_into(const std::string& path, std::string_view bytes) {
    Descriptor file = open_where_it_stands(path);
    int error = write_all(file.get(), bytes);
    if (error == 0) error = file.close();
    if (error != 0) file_error(path, "cannot be written: " + reason(error) + ".");
}

// The batch write_whole_file stages into on this thread, if any.
thread_local OutputBatch* collecting = nullptr;

}  // namespace

void write_whole_file(const std::string& path, std::string_view bytes) {
    if (collecting) return collecting->stage(path, bytes);
    OutputBatch batch;
    batch.stage(path, bytes);
    batch.commit();
}

OutputBatch::OutputBatch() = default;

OutputBatch::~OutputBatch() {
    for (const Staged& staged : staged_) {
        if (!staged.temporary.empty()) ::unlink(staged.temporary.c_str());
    }
}

void OutputBatch::stage(const std::string& path, std::string_view bytes) {
    struct stat existing {};
    const bool exists = ::lstat(path.c_str(), &existing) == 0;
    if (exists && S_ISLNK(existing.st_mode)) {
        file_error(path,
                   "is a symbolic link; Kestrivo does not write through links, so nothing "
                   "was written. Remove the link, or work in another folder.");
    }
    if (exists && S_ISDIR(existing.st_mode)) file_error(path, "cannot be written: it is a folder.");

    Staged staged{path, "", "", false};
    if (exists && !S_ISREG(existing.st_mode)) {
        staged.bytes = bytes;
    } else {
        const std::filesystem::path target(path);
        std::filesystem::path folder = target.parent_path();
        if (folder.empty()) folder = ".";
        Descriptor file(create_beside(folder, target.filename().string(), staged.temporary));
        if (file.get() < 0) {
            const int error = errno;
            if (!((error == EACCES || error == EPERM) && exists)) {
                file_error(path, "cannot be written: " + reason(error) + ".");
            }
            staged.temporary.clear();
            staged.bytes = bytes;
            staged.in_place = true;
        } else {
            // The replacement keeps the group and the permissions of the file it replaces. The
            // group is kept where the system lets us (a member of it, or root); otherwise it is
            // the folder's default, as for any new file.
            int error = 0;
            if (exists && existing.st_gid != ::getegid()) {
                [[maybe_unused]] const int kept =
                    ::fchown(file.get(), static_cast<uid_t>(-1), existing.st_gid);
            }
            if (exists && ::fchmod(file.get(), existing.st_mode & 07777) != 0) error = errno;
            if (error == 0) error = write_all(file.get(), bytes);
            if (error == 0 && ::fsync(file.get()) != 0) error = errno;
            if (error == 0) error = file.close();
            if (error != 0) {
                ::unlink(staged.temporary.c_str());
                file_error(path, "cannot be written: " + reason(error) +
                                     ". The previous file is unchanged.");
            }
        }
    }
    for (Staged& earlier : staged_) {
        if (earlier.path == path) {
            if (!earlier.temporary.empty()) ::unlink(earlier.temporary.c_str());
            earlier = std::move(staged);
            return;
        }
    }
    staged_.push_back(std::move(staged));
}

void OutputBatch::commit() {
    // What cannot be undone, and may fail (a full device, a rewrite in place), goes first: while
    // it fails, every file that would be renamed is still its previous self.
    for (Staged& staged : staged_) {
        if (!staged.temporary.empty()) continue;
        if (staged.in_place) {
            rewrite_in_place(staged.path, staged.bytes);
        } else {
            write_into(staged.path, staged.bytes);
        }
        staged.bytes.clear();
    }
    std::vector<Staged> renames = std::move(staged_);
    staged_.clear();
    for (std::size_t i = 0; i < renames.size(); ++i) {
        const Staged& staged = renames[i];
        if (staged.temporary.empty()) continue;
        if (::rename(staged.temporary.c_str(), staged.path.c_str()) != 0) {
            const int error = errno;
            // The files not yet renamed are removed with the batch.
            for (std::size_t j = i; j < renames.size(); ++j) {
                if (!renames[j].temporary.empty()) staged_.push_back(renames[j]);
            }
            file_error(staged.path,
                       "cannot be written: " + reason(error) + ". The previous file is unchanged.");
        }
    }
}

OutputBatch::Collecting::Collecting(OutputBatch& batch) : previous_(collecting) {
    collecting = &batch;
}

OutputBatch::Collecting::~Collecting() {
    collecting = previous_;
}

}  // namespace kestrivo::platform
