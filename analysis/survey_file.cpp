// read_survey over libcsv, fed one physical line at a time so that every row knows the line it
// starts on (a quoted field may span lines: the first field's own line ends say how many).
#include "survey_file.h"

#include <csv.h>

#include <algorithm>
#include <cctype>
#include <charconv>
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

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The fields of one record as libcsv hands them over, with the line the record starts on.
struct Records {
    std::vector<std::string> fields;
    std::size_t feeding_line = 0;  // the physical line being fed to the parser
    std::size_t start_line = 0;    // where the record in `fields` began
    std::function<void(std::vector<std::string>&, std::size_t)> on_record;

    static void field(void* data, size_t size, void* self) {
        auto& r = *static_cast<Records*>(self);
        const std::string_view text(static_cast<const char*>(data), data ? size : 0);
        if (r.fields.empty()) {
            r.start_line = r.feeding_line -
                           static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
        }
        r.fields.emplace_back(text);
    }
    static void record(int, void* self) {
        auto& r = *static_cast<Records*>(self);
        r.on_record(r.fields, r.start_line);
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

void read_survey(std::istream& in, const std::string& file_name,
                 const std::function<void(const Header&)>& on_header,
                 const std::function<void(const Row&)>& on_row) {
    std::unique_ptr<csv_parser, ParserDeleter> parser(new csv_parser);
    if (csv_init(parser.get(), 0) != 0) throw FileError(file_name + ": out of memory.");

    std::optional<Layout> layout;
    Records records;
    records.on_record = [&](std::vector<std::string>& fields, std::size_t line) {
        if (blank(fields)) return;
        if (!layout) {
            layout = layout_of(fields, file_name);
            on_header(layout->header);
            return;
        }
        on_row(row_of(fields, line, *layout, file_name));
    };

    std::string line;
    while (std::getline(in, line)) {
        ++records.feeding_line;
        if (records.feeding_line == 1 && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
        if (!in.eof()) line += '\n';
        if (csv_parse(parser.get(), line.data(), line.size(), Records::field, Records::record,
                      &records) != line.size()) {
            throw FileError(file_name + ": " + csv_strerror(csv_error(parser.get())) + ".");
        }
    }
    if (in.bad()) throw FileError(file_name + ": the file could not be read to its end.");
    csv_fini(parser.get(), Records::field, Records::record, &records);
    if (!layout) {
        throw FileError(file_name +
                        ": the file is empty; a survey needs a header row with "
                        "c100, c111, c101 and c110.");
    }
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
