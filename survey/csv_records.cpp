// RecordReader over libcsv, fed one physical line at a time so that every record knows the line it
// starts on (a quoted field may span lines: the record's own line ends say how many). A record
// that cannot be parsed becomes an error of its first line, and the lines after that one are
// read again as the start of new records.
#include "survey/csv_records.h"

#include <csv.h>

#include <algorithm>
#include <deque>

namespace kestrivo::survey {
namespace {

// No sane line of a table is longer than this; a longer one is an error of its record.
constexpr std::size_t kLongestLine = std::size_t{1} << 20;
// A quoted field may hold line ends, but a record still open after this many lines (or bytes) is
// a stray quote swallowing the rows after it, not one long field.
constexpr std::size_t kMostRecordLines = 100;
constexpr std::size_t kMostRecordBytes = kLongestLine;

// One physical line of the file, with its line end (CR LF, LF or CR alone).
struct Line {
    std::size_t number = 0;
    std::string text;
    bool too_long = false;  // longer than kLongestLine: its text is dropped, not kept
};

// Reads the next physical line of `in`. A line longer than kLongestLine is read to its end
// without being kept, so a file with no line ends (or /dev/zero) never makes memory grow. False
// at the end of the stream.
bool next_line(std::istream& in, Line& line) try {
    line.text.clear();
    line.too_long = false;
    std::streambuf* buffer = in.rdbuf();
    bool any = false;
    for (int c = buffer->sbumpc(); c != std::char_traits<char>::eof(); c = buffer->sbumpc()) {
        any = true;
        if (!line.too_long) {
            line.text += static_cast<char>(c);
            if (line.text.size() > kLongestLine) {
                line.too_long = true;
                line.text.clear();
            }
        }
        if (c == '\n') return true;
        if (c == '\r') {
            if (buffer->sgetc() == '\n') {
                buffer->sbumpc();
                if (!line.too_long) line.text += '\n';
            }
            return true;
        }
    }
    if (!any) in.setstate(std::ios::eofbit);
    return any;
} catch (const std::exception&) {
    // A stream buffer reports a read error (a folder, an I/O error) by throwing.
    in.setstate(std::ios::badbit);
    return false;
}

// The fields of the record being parsed, and the records completed so far.
struct Records {
    std::vector<std::string> fields;
    std::size_t start_line = 0;  // where the record in `fields` began
    std::deque<Record> complete;

    static void field(void* data, size_t size, void* self) {
        auto& r = *static_cast<Records*>(self);
        r.fields.emplace_back(static_cast<const char*>(data), data ? size : 0);
    }
    static void record(int, void* self) {
        auto& r = *static_cast<Records*>(self);
        const std::size_t width = r.fields.size();
        r.complete.push_back({std::move(r.fields), r.start_line, 0, ""});
        r.fields.clear();
        r.fields.reserve(width);  // the next record is most likely as wide
    }
};

struct ParserDeleter {
    void operator()(csv_parser* p) const {
        csv_free(p);
        delete p;
    }
};

bool blank(const std::vector<std::string>& fields) {
    return std::all_of(fields.begin(), fields.end(),
                       [](const std::string& f) { return trimmed(f).empty(); });
}

// libcsv's state between records: a line fed in this state starts a new record.
constexpr int kRowNotBegun = 0;

}  // namespace

std::string trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

struct RecordReader::State {
    std::istream& in;
    std::string file_name;
    char delimiter;
    std::unique_ptr<csv_parser, ParserDeleter> parser;
    Records records;
    bool finished = false;
    std::size_t lines_read = 0;
    std::deque<Line> again;          // lines to feed once more, ahead of the stream
    std::vector<Line> record_lines;  // the lines of the record being parsed, from its first
    std::size_t record_bytes = 0;

    State(std::istream& stream, std::string name, char separator)
        : in(stream), file_name(std::move(name)), delimiter(separator) {
        reset_parser();
    }

    // Strict mode: a quote that does not end its field ("Main St" corner, "1"0) is an error
    // rather than text that keeps the field open over the rows after it.
    void reset_parser() {
        parser.reset(new csv_parser);
        if (csv_init(parser.get(), CSV_STRICT | CSV_STRICT_FINI) != 0) {
            throw FileError(file_name + ": out of memory.");
        }
        csv_set_delim(parser.get(), static_cast<unsigned char>(delimiter));
        records.fields.clear();
        record_lines.clear();
        record_bytes = 0;
    }

    // The next record that is not blank, feeding the parser line by line as far as needed.
    std::optional<Record> next_record() {
        for (;;) {
            while (!records.complete.empty()) {
                Record record = std::move(records.complete.front());
                records.complete.pop_front();
                if (!record.why.empty() || !blank(record.fields)) return record;
            }
            if (finished) return std::nullopt;
            feed_line();
        }
    }

    // The record being parsed cannot be read: it becomes an error of its first line, and every
    // line after that one is read again as the start of new records, so one stray quote costs
    // one row, not the rest of the file.
    void broken(const std::string& why) {
        records.complete.push_back({{}, records.start_line, records.fields.size() + 1, why});
        std::vector<Line> lines = std::move(record_lines);
        reset_parser();
        for (std::size_t k = lines.size(); k-- > 1;)
            again.push_front(std::move(lines[k]));
    }

    bool take_line(Line& line) {
        if (!again.empty()) {
            line = std::move(again.front());
            again.pop_front();
            return true;
        }
        if (!next_line(in, line)) return false;
        line.number = ++lines_read;
        if (line.number == 1) {
            // A byte-order mark (some tools write two) is no part of the first column's name.
            while (line.text.starts_with("\xEF\xBB\xBF"))
                line.text.erase(0, 3);
        }
        return true;
    }

    void feed_line() {
        Line line;
        if (!take_line(line)) {
            if (in.bad()) throw FileError(file_name + ": the file could not be read to its end.");
            // In strict mode csv_fini refuses a quoted field still open at the end.
            if (csv_fini(parser.get(), Records::field, Records::record, &records) != 0) {
                broken("a quoted field has no closing quote");
                return;
            }
            finished = true;
            return;
        }
        const bool starts_record = parser->pstate == kRowNotBegun;
        if (line.too_long) {
            if (!starts_record) {
                again.push_front(std::move(line));
                broken("a quoted field runs on past the longest line a survey may have (1 MB)");
                return;
            }
            records.complete.push_back(
                {{}, line.number, 1, "the line is longer than a survey line may be (1 MB)"});
            return;
        }
        if (starts_record) {
            records.start_line = line.number;
            record_lines.clear();
            record_bytes = 0;
        }
        record_bytes += line.text.size();
        record_lines.push_back(line);
        if (csv_parse(parser.get(), line.text.data(), line.text.size(), Records::field,
                      Records::record, &records) != line.text.size()) {
            if (csv_error(parser.get()) != CSV_EPARSE) {
                throw FileError(file_name + ": " + csv_strerror(csv_error(parser.get())) + ".");
            }
            broken(
                "a quoted field is malformed (a quote inside a field must be doubled, and a "
                "closing quote must end the field)");
            return;
        }
        if (parser->pstate == kRowNotBegun) {
            record_lines.clear();
            record_bytes = 0;
        } else if (record_lines.size() > kMostRecordLines || record_bytes > kMostRecordBytes) {
            broken("a quoted field is still open after " + std::to_string(record_lines.size()) +
                   " lines; is a closing quote missing?");
        }
    }
};

RecordReader::RecordReader(std::istream& in, std::string file_name, char delimiter)
    : state_(std::make_unique<State>(in, std::move(file_name), delimiter)) {}

RecordReader::~RecordReader() = default;

std::optional<Record> RecordReader::next() {
    return state_->next_record();
}

const std::string& RecordReader::file_name() const {
    return state_->file_name;
}

}  // namespace kestrivo::survey
