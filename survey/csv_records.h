// Records of the CSV dialect spreadsheets write (RFC 4180: quoted fields that may span lines,
// doubled quotes, CRLF, LF or CR line ends, an optional UTF-8 byte-order mark), a record at a
// time, each knowing the line it starts on. A survey file, a field export's sheet saved as CSV
// and a table of blocks are all read through it, so each refuses a broken file the same way:
// a malformed record costs only its own row, never the rows after it.
#pragma once

#include <cstddef>
#include <istream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kestrivo::survey {

/// The file cannot be read at all (or on): its message names the file.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// One record: its fields and the line it starts on (the first line is 1); or, for a record that
/// could not be read, the column where reading failed and why, instead of fields.
struct Record {
    std::vector<std::string> fields;
    std::size_t line = 0;
    std::size_t column = 0;
    std::string why;  // "" for a record that was read
};

/// Reads records from a stream, feeding libcsv one physical line at a time: memory holds one
/// record, however long the file, and a line longer than 1 MB is refused without being kept.
class RecordReader {
public:
    /// @param file_name  names the file in every FileError
    /// @param delimiter  the field separator (a comma; some exports use a semicolon)
    RecordReader(std::istream& in, std::string file_name, char delimiter = ',');
    ~RecordReader();
    RecordReader(const RecordReader&) = delete;
    RecordReader& operator=(const RecordReader&) = delete;

    /// The next record that is not blank, or nothing at the end. Throws FileError when the
    /// stream fails.
    std::optional<Record> next();
    const std::string& file_name() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

/// `text` without the blanks (spaces and tabs) at either end.
std::string trimmed(std::string_view text);

}  // namespace kestrivo::survey
