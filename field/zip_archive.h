// The files inside a zip archive, each read as a stream: an ODK Central export as downloaded (its
// CSVs), and the parts of an XLSX workbook. Over libzip; an entry is inflated as it is read, so a
// large export never sits whole in memory.
#pragma once

#include <istream>
#include <memory>
#include <string>
#include <vector>

namespace kestrivo::field {

class ZipArchive {
public:
    /// Opens the archive at `path` for reading. Throws survey::FileError (naming the file) when it
    /// cannot be opened, is no zip archive, or holds two entries of one name. `name` is the
    /// archive's name in messages (`path` when empty): a copy of a pipe is named by what the user
    /// gave.
    explicit ZipArchive(const std::string& path, const std::string& name = "");
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    /// The archive's name in messages.
    const std::string& path() const { return path_; }
    /// The names of its entries, in the archive's order (folders end in "/").
    std::vector<std::string> entries() const;
    bool has(const std::string& name) const;
    /// The entry `name` as a stream, valid while the archive is open. Throws survey::FileError when
    /// it is missing or cannot be inflated; a read error part way sets the stream's badbit.
    std::unique_ptr<std::istream> open(const std::string& name) const;
    /// The whole of a small entry (a workbook's list of sheets, say). Throws survey::FileError when
    /// it inflates past kLargestWholeEntry bytes.
    std::string read(const std::string& name) const;
    static constexpr std::size_t kLargestWholeEntry = std::size_t{256} << 20;

private:
    struct Handle;
    std::string path_;
    std::unique_ptr<Handle> handle_;
};

}  // namespace kestrivo::field
