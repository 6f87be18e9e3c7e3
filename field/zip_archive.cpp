// ZipArchive over libzip: an entry's stream is a stream buffer that calls zip_fread as it runs
// dry.
#include "field/zip_archive.h"

#include <zip.h>

#include <array>
#include <streambuf>
#include <unordered_set>

#include "survey/csv_records.h"

namespace kestrivo::field {

using survey::FileError;

struct ZipArchive::Handle {
    zip_t* zip = nullptr;
    ~Handle() {
        if (zip) zip_discard(zip);
    }
};

namespace {

// A zip entry read a buffer at a time.
class EntryBuffer : public std::streambuf {
public:
    explicit EntryBuffer(zip_file_t* file) : file_(file) {}
    ~EntryBuffer() override { zip_fclose(file_); }

protected:
    int_type underflow() override {
        if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
        const zip_int64_t got = zip_fread(file_, buffer_.data(), buffer_.size());
        // The stream layer turns a throw from the buffer into badbit: a damaged entry is a read
        // error, not an early end.
        if (got < 0) throw FileError("the zip entry cannot be inflated");
        if (got == 0) return traits_type::eof();
        setg(buffer_.data(), buffer_.data(), buffer_.data() + got);
        return traits_type::to_int_type(*gptr());
    }

private:
    zip_file_t* file_;
    std::array<char, 1 << 16> buffer_{};
};

class EntryStream : public std::istream {
public:
    explicit EntryStream(zip_file_t* file) : std::istream(nullptr), buffer_(file) {
        rdbuf(&buffer_);
    }

private:
    EntryBuffer buffer_;
};

std::string zip_reason(int code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    std::string text = zip_error_strerror(&error);
    zip_error_fini(&error);
    return text;
}

}  // namespace

ZipArchive::ZipArchive(const std::string& file, const std::string& name)
    : path_(name.empty() ? file : name), handle_(std::make_unique<Handle>()) {
    const std::string& path = path_;
    int code = 0;
    handle_->zip = zip_open(file.c_str(), ZIP_RDONLY, &code);
    if (!handle_->zip) {
        throw FileError(path + ": " +
                        (code == ZIP_ER_NOZIP
                             ? std::string("is not a zip archive")
                             : "cannot be opened as a zip archive (" + zip_reason(code) + ")") +
                        ".");
    }
    // libzip finds an entry by the first of its name: a second entry of the same name would be
    // read in the first one's place while the first was read twice. No export writes two, so the
    // archive is damaged or put together by hand, and which one is meant cannot be told.
    std::unordered_set<std::string> names;
    for (const std::string& name : entries()) {
        if (!names.insert(name).second) {
            throw FileError(path + ": the zip archive holds two entries named \"" + name +
                            "\"; which one to read cannot be told. Download the export again.");
        }
    }
}

ZipArchive::~ZipArchive() = default;

std::vector<std::string> ZipArchive::entries() const {
    std::vector<std::string> names;
    const zip_int64_t count = zip_get_num_entries(handle_->zip, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        if (const char* name = zip_get_name(handle_->zip, zip_uint64_t(i), 0))
            names.push_back(name);
    }
    return names;
}

bool ZipArchive::has(const std::string& name) const {
    return zip_name_locate(handle_->zip, name.c_str(), 0) >= 0;
}

std::unique_ptr<std::istream> ZipArchive::open(const std::string& name) const {
    zip_file_t* file = zip_fopen(handle_->zip, name.c_str(), 0);
    if (!file) {
        throw FileError(path_ + ": the entry \"" + name + "\" cannot be read (" +
                        zip_error_strerror(zip_get_error(handle_->zip)) + ").");
    }
    return std::make_unique<EntryStream>(file);
}

std::string ZipArchive::read(const std::string& name) const {
    const auto in = open(name);
    std::string text;
    std::array<char, 1 << 16> chunk{};
    while (in->read(chunk.data(), std::streamsize(chunk.size())) || in->gcount() > 0) {
        text.append(chunk.data(), std::size_t(in->gcount()));
        // A few kilobytes in any real export; an entry that inflates past this is a zip bomb,
        // and held whole it would take the machine's memory.
        if (text.size() > kLargestWholeEntry) {
            throw FileError(path_ + ": the entry \"" + name + "\" inflates to more than " +
                            std::to_string(kLargestWholeEntry >> 20) +
                            " MB, more than any export holds.");
        }
    }
    if (in->bad()) throw FileError(path_ + ": the entry \"" + name + "\" cannot be inflated.");
    return text;
}

}  // namespace kestrivo::field
