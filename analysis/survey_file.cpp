// read_survey over libcsv, fed one physical line at a time so that every row knows the line it
// starts on (a quoted field may span lines: the first field's own line ends say how many).
#include "survey_file.h"

#include <csv.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <deque>
#include <limits>
#include <memory>
#include <unordered_set>

#include "platform/quoted.h"

namespace kestrivo::survey {
using platform::quoted;

namespace {

// No sane survey line is longer than this; a longer one is an error of its row.
constexpr std::size_t kLongestLine = std::size_t{1} << 20;
// A quoted field may hold line ends, but a record still open after this many lines (or bytes) is
// a stray quote swallowing the rows after it, not one long field.
constexpr std::size_t kMostRecordLines = 100;
constexpr std::size_t kMostRecordBytes = kLongestLine;

std::string trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

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

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// A record as libcsv hands it over: its fields and the line it starts on; or, for a record that
// could not be read, the column where reading failed and why, instead of fields.
struct Record {
    std::vector<std::string> fields;
    std::size_t line = 0;
    std::size_t column = 0;
    std::string why;  // "" for a record that was read
};

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
        r.complete.push_back({std::move(r.fields), r.start_line, 0, ""});
        r.fields.clear();
    }
};

struct ParserDeleter {
    void operator()(csv_parser* p) const {
        csv_free(p);
        delete p;
    }
};

// Where each column of the header goes.
struct Layout {
    std::array<std::size_t, 4> count_at{};
    std::optional<std::size_t> block_at, s_held_at;
    std::vector<std::size_t> carried_at;
    std::size_t width = 0;
    Header header;
};

Layout layout_of(std::vector<std::string> names, const std::string& file_name) {
    Layout layout;
    layout.width = names.size();
    std::array<std::optional<std::size_t>, 4> counts;
    std::unordered_set<std::string> seen;  // a hash set: a header of a million columns is linear
    for (std::size_t i = 0; i < names.size(); ++i) {
        // A column without a name is named by its place, so two of them stay two columns.
        if (trimmed(names[i]).empty()) names[i] = "column " + std::to_string(i + 1);
        const std::string name = lower(trimmed(names[i]));
        if (!seen.insert(name).second) {
            throw FileError(file_name + ": the column \"" + trimmed(names[i]) +
                            "\" appears twice in the header.");
        }
        const auto count = std::find(kCountColumns.begin(), kCountColumns.end(), name);
        if (count != kCountColumns.end()) {
            counts[static_cast<std::size_t>(count - kCountColumns.begin())] = i;
        } else if (name == "block") {
            layout.block_at = i;
        } else if (name == "s_held") {
            layout.s_held_at = i;
        } else {
            layout.carried_at.push_back(i);
            layout.header.carried.push_back(names[i]);
        }
    }
    std::string missing;
    for (std::size_t h = 0; h < 4; ++h) {
        if (counts[h]) {
            layout.count_at[h] = *counts[h];
        } else {
            missing += std::string(missing.empty() ? "" : ", ") + kCountColumns[h];
        }
    }
    if (!missing.empty()) {
        throw FileError(file_name + ": the header lacks the column" +
                        (missing.find(',') == std::string::npos ? " " : "s ") + missing +
                        "; a survey needs c100, c111, c101 and c110.");
    }
    layout.header.has_block = layout.block_at.has_value();
    layout.header.has_s_held = layout.s_held_at.has_value();
    return layout;
}

// A count: digits (a "+" in front allowed), or a number whose value is whole, as a spreadsheet
// may write it ("12.0"), at most 2^31 - 1. Returns "" or why not.
std::string read_count(const std::string& text, int32_t& count) {
    if (text.empty()) return "the value is missing";
    std::string_view digits = text;
    if (digits.front() == '+') digits.remove_prefix(1);
    const bool plain = !digits.empty() && std::all_of(digits.begin(), digits.end(),
                                                      [](char c) { return c >= '0' && c <= '9'; });
    if (plain) {
        const auto [end, status] =
            std::from_chars(digits.data(), digits.data() + digits.size(), count);
        if (status == std::errc::result_out_of_range) return quoted(text) + " is too large";
        return "";
    }
    double value = 0;
    const auto [end, status] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    const bool number = !digits.empty() && status == std::errc() &&
                        end == digits.data() + digits.size() && digits.front() != '-';
    if (!number || !(value >= 0) || value != std::floor(value)) {
        return quoted(text) + " is not a whole number of dogs (0 or more)";
    }
    if (value > double(std::numeric_limits<int32_t>::max())) return quoted(text) + " is too large";
    count = static_cast<int32_t>(value);
    return "";
}

// A held S: a number from 0 to 1, "." as the decimal point. Empty means S is fitted.
std::string read_share(const std::string& text, std::optional<double>& share) {
    if (text.empty()) return "";
    double value = 0;
    const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (status != std::errc() || end != text.data() + text.size() || !(value >= 0 && value <= 1)) {
        return quoted(text) + " is not a share from 0 to 1 (a number such as 0.25)";
    }
    share = value + 0.0;  // -0 is 0
    return "";
}

Row row_of(const std::vector<std::string>& fields, std::size_t line, const Layout& layout,
           const std::string& file_name) {
    Row row;
    row.line = line;
    const auto at = [&](std::size_t i) { return i < fields.size() ? trimmed(fields[i]) : ""; };
    row.label = layout.block_at ? at(*layout.block_at) : "";
    if (row.label.empty()) row.label = std::to_string(line);
    for (std::size_t i : layout.carried_at)
        row.carried.push_back(i < fields.size() ? fields[i] : "");

    const std::string where = file_name + ", line " + std::to_string(line) + ", column ";
    // Values past the header's last column (empty ones, from trailing commas, mean nothing).
    for (std::size_t i = layout.width; i < fields.size(); ++i) {
        if (trimmed(fields[i]).empty()) continue;
        row.error = where + std::to_string(i + 1) + ": " + quoted(fields[i]) + " lies beyond the " +
                    std::to_string(layout.width) + " columns of the header";
        return row;
    }
    for (std::size_t h = 0; h < 4 && row.error.empty(); ++h) {
        if (const std::string why = read_count(at(layout.count_at[h]), row.counts[h]);
            !why.empty()) {
            row.error = where + kCountColumns[h] + ": " + why;
        }
    }
    if (row.error.empty() && layout.s_held_at) {
        if (const std::string why = read_share(at(*layout.s_held_at), row.s_held); !why.empty()) {
            row.error = where + "s_held: " + why;
        }
    }
    return row;
}

bool blank(const std::vector<std::string>& fields) {
    return std::all_of(fields.begin(), fields.end(),
                       [](const std::string& f) { return trimmed(f).empty(); });
}

}  // namespace

// libcsv's state between records: a line fed in this state starts a new record.
constexpr int kRowNotBegun = 0;

struct SurveyReader::State {
    std::istream& in;
    std::string file_name;
    std::unique_ptr<csv_parser, ParserDeleter> parser;
    Records records;
    std::optional<Layout> layout;
    bool finished = false;
    std::size_t lines_read = 0;
    std::deque<Line> again;          // lines to feed once more, ahead of the stream
    std::vector<Line> record_lines;  // the lines of the record being parsed, from its first
    std::size_t record_bytes = 0;

    State(std::istream& stream, std::string name) : in(stream), file_name(std::move(name)) {
        reset_parser();
    }

    // Strict mode: a quote that does not end its field ("Main St" corner, "1"0) is an error
    // rather than text that keeps the field open over the rows after it.
    void reset_parser() {
        parser.reset(new csv_parser);
        if (csv_init(parser.get(), CSV_STRICT | CSV_STRICT_FINI) != 0) {
            throw FileError(file_name + ": out of memory.");
        }
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

SurveyReader::SurveyReader(std::istream& in, std::string file_name)
    : state_(std::make_unique<State>(in, std::move(file_name))) {
    const auto header = state_->next_record();
    if (!header) {
        throw FileError(state_->file_name +
                        ": the file is empty; a survey needs a header row with c100, c111, c101 "
                        "and c110.");
    }
    if (!header->why.empty()) {
        throw FileError(state_->file_name + ": the header (line " + std::to_string(header->line) +
                        ", column " + std::to_string(header->column) +
                        ") cannot be read: " + header->why + ".");
    }
    state_->layout = layout_of(header->fields, state_->file_name);
}

SurveyReader::~SurveyReader() = default;

const Header& SurveyReader::header() const {
    return state_->layout->header;
}

std::optional<Row> SurveyReader::next() {
    const auto record = state_->next_record();
    if (!record) return std::nullopt;
    if (!record->why.empty()) {
        Row row;
        row.line = record->line;
        row.label = std::to_string(record->line);
        row.carried.assign(state_->layout->carried_at.size(), "");
        row.error = state_->file_name + ", line " + std::to_string(record->line) + ", column " +
                    std::to_string(record->column) + ": " + record->why;
        return row;
    }
    return row_of(record->fields, record->line, *state_->layout, state_->file_name);
}

void read_survey(std::istream& in, const std::string& file_name,
                 const std::function<void(const Header&)>& on_header,
                 const std::function<void(const Row&)>& on_row) {
    SurveyReader reader(in, file_name);
    on_header(reader.header());
    while (const std::optional<Row> row = reader.next())
        on_row(*row);
}

std::string csv_field(std::string_view text) {
    const bool needs_quotes = text.find_first_of(",\"\r\n") != std::string_view::npos ||
                              (!text.empty() && (text.front() == ' ' || text.back() == ' ' ||
                                                 text.front() == '\t' || text.back() == '\t'));
    if (!needs_quotes) return std::string(text);
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

}  // namespace kestrivo::survey
