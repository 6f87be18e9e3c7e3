// read_survey over libcsv, fed one physical line at a time so that every row knows the line it
// starts on (a quoted field may span lines: the first field's own line ends say how many).
#include "survey_file.h"

#include <csv.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <deque>
#include <limits>
#include <memory>

namespace kestrivo::survey {
namespace {

std::string trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

// How many line ends `text` holds: CR LF, LF, and a CR alone (old Mac files) each count once.
std::size_t line_ends(std::string_view text) {
    std::size_t ends = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) {
            ++ends;
        }
    }
    return ends;
}

// The next physical line of `in` with its line end, whichever of CR LF, LF or CR it is. False at
// the end of the stream.
bool next_line(std::istream& in, std::string& line) {
    line.clear();
    for (int c = in.get(); c != std::char_traits<char>::eof(); c = in.get()) {
        line += static_cast<char>(c);
        if (c == '\n') return true;
        if (c == '\r') {
            if (in.peek() == '\n') line += static_cast<char>(in.get());
            return true;
        }
    }
    return !line.empty();
}

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The fields of one record as libcsv hands them over, with the line the record starts on, and the
// records completed so far.
struct Records {
    std::vector<std::string> fields;
    std::size_t feeding_line = 0;  // the physical line being fed to the parser
    std::size_t start_line = 0;    // where the record in `fields` began
    std::deque<std::pair<std::vector<std::string>, std::size_t>> complete;

    static void field(void* data, size_t size, void* self) {
        auto& r = *static_cast<Records*>(self);
        const std::string_view text(static_cast<const char*>(data), data ? size : 0);
        if (r.fields.empty()) {
            r.start_line = r.feeding_line - line_ends(text);
        }
        r.fields.emplace_back(text);
    }
    static void record(int, void* self) {
        auto& r = *static_cast<Records*>(self);
        r.complete.emplace_back(std::move(r.fields), r.start_line);
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

Layout layout_of(const std::vector<std::string>& names, const std::string& file_name) {
    Layout layout;
    layout.width = names.size();
    std::array<std::optional<std::size_t>, 4> counts;
    std::vector<std::string> seen;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string name = lower(trimmed(names[i]));
        if (!name.empty() && std::find(seen.begin(), seen.end(), name) != seen.end()) {
            throw FileError(file_name + ": the column \"" + trimmed(names[i]) +
                            "\" appears twice in the header.");
        }
        seen.push_back(name);
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

std::string quoted(std::string_view text) {
    constexpr std::size_t kShown = 40;
    if (text.size() <= kShown) return "\"" + std::string(text) + "\"";
    return "\"" + std::string(text.substr(0, kShown)) + "...\"";
}

// A count: digits only (a "+" in front allowed), at most 2^31 - 1. Returns "" or why not.
std::string read_count(const std::string& text, int32_t& count) {
    if (text.empty()) return "the value is missing";
    std::string_view digits = text;
    if (digits.front() == '+') digits.remove_prefix(1);
    const bool plain = !digits.empty() && std::all_of(digits.begin(), digits.end(),
                                                      [](char c) { return c >= '0' && c <= '9'; });
    if (!plain) return quoted(text) + " is not a whole number of dogs (0 or more)";
    const auto [end, status] = std::from_chars(digits.data(), digits.data() + digits.size(), count);
    if (status == std::errc::result_out_of_range) return quoted(text) + " is too large";
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
    share = value;
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

struct SurveyReader::State {
    std::istream& in;
    std::string file_name;
    std::unique_ptr<csv_parser, ParserDeleter> parser{new csv_parser};
    Records records;
    std::optional<Layout> layout;
    bool finished = false;
    bool last_line_ended = false;

    State(std::istream& stream, std::string name) : in(stream), file_name(std::move(name)) {
        if (csv_init(parser.get(), 0) != 0) throw FileError(file_name + ": out of memory.");
    }

    // The next record that is not blank, feeding the parser line by line as far as needed.
    std::optional<std::pair<std::vector<std::string>, std::size_t>> next_record() {
        for (;;) {
            while (!records.complete.empty()) {
                auto record = std::move(records.complete.front());
                records.complete.pop_front();
                if (!blank(record.first)) return record;
            }
            if (finished) return std::nullopt;
            feed_line();
        }
    }

    void feed_line() {
        std::string line;
        if (!next_line(in, line)) {
            if (in.bad()) throw FileError(file_name + ": the file could not be read to its end.");
            // After a last line end the parser stands at the start of a line that never comes; a
            // field still open there holds that line end too.
            if (last_line_ended) ++records.feeding_line;
            csv_fini(parser.get(), Records::field, Records::record, &records);
            finished = true;
            return;
        }
        ++records.feeding_line;
        last_line_ended = line.back() == '\n' || line.back() == '\r';
        if (records.feeding_line == 1 && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
        if (csv_parse(parser.get(), line.data(), line.size(), Records::field, Records::record,
                      &records) != line.size()) {
            throw FileError(file_name + ": " + csv_strerror(csv_error(parser.get())) + ".");
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
    state_->layout = layout_of(header->first, state_->file_name);
}

SurveyReader::~SurveyReader() = default;

const Header& SurveyReader::header() const {
    return state_->layout->header;
}

std::optional<Row> SurveyReader::next() {
    const auto record = state_->next_record();
    if (!record) return std::nullopt;
    return row_of(record->first, record->second, *state_->layout, state_->file_name);
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
