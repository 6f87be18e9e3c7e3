// Writing a file whole or not at all. Every file the program writes (the parameter dump, saved
// counts, exported plots, the survey companion's plots) goes through here, so that a full disk,
// a file-size limit or a symbolic link planted in the folder can never cost the user the file
// that was there before; and the files of one command go together, all or none.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kestrivo::platform {

/// Replaces the contents of `path` by `bytes`.
///
/// The bytes go to a new file beside the target, which is flushed to disk and then renamed over
/// it: on any failure the previous file stays as it was, byte for byte, and the new file is
/// removed. A target that is a symbolic link is refused before anything is written, and the rename
/// replaces names, never link targets, so nothing is ever written through a link. Where the folder
/// takes no new file but the target itself is writable, the target is rewritten in place; a
/// failure then may leave it incomplete, and the message says so. A target that is a device or a
/// pipe (/dev/null, /dev/full, a FIFO) is written into, as any program writes to it: replacing the
/// node would leave a plain file where the device was.
///
/// While an OutputBatch is collecting on the calling thread, the file is staged in it instead,
/// and written when the batch is committed.
///
/// Throws a FileError RuntimeError naming the file and giving the system's reason.
void write_whole_file(const std::string& path, std::string_view bytes);

/// Several files written all or none: each is staged (its new file written and flushed beside
/// it), and only when every one is staged are they committed. A command that writes a survey and
/// its conflicts, or a map and its companion files, thus never leaves one replaced and the other
/// not for a reason that was known before the first was replaced.
class OutputBatch {
public:
    OutputBatch();
    /// Removes the new files of a batch that was not committed; the targets stay as they were.
    ~OutputBatch();
    OutputBatch(const OutputBatch&) = delete;
    OutputBatch& operator=(const OutputBatch&) = delete;

    /// Stages `bytes` for `path`, refusing what write_whole_file refuses, with its messages;
    /// nothing of the target is touched yet. A path staged again keeps its last bytes.
    void stage(const std::string& path, std::string_view bytes);

    /// Writes the staged files: first the targets written where they stand (devices, pipes, files
    /// in folders that take no new file), whose failure leaves every other target as it was, then
    /// the renames. Throws a FileError RuntimeError on the first failure.
    void commit();

    /// How many files are staged.
    std::size_t size() const { return staged_.size(); }

    /// While one lives, write_whole_file on this thread stages into `batch`: code that writes a
    /// file whole joins the batch without knowing of it.
    class Collecting {
    public:
        explicit Collecting(OutputBatch& batch);
        ~Collecting();
        Collecting(const Collecting&) = delete;
        Collecting& operator=(const Collecting&) = delete;

    private:
        OutputBatch* previous_;
    };

private:
    struct Staged {
        std::string path;
        std::string temporary;  // the new file beside the target; empty: written where it stands
        std::string bytes;      // held for a target written where it stands
        bool in_place = false;  // a file rewritten in place (else a device or a pipe)
    };
    std::vector<Staged> staged_;
};

}  // namespace kestrivo::platform
