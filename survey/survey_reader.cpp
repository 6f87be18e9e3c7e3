// SurveyReader: the header's columns found once, then each record turned into a row: its label,
// its counts read as whole numbers of dogs, its held S, and the carried values.
#include "survey/survey_reader.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <unordered_set>
#include <utility>

#include "platform/quoted.h"

namespace kestrivo::survey {
using platform::quoted;

namespace {

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Where each column of the header goes.
struct Layout {
    std::array<std::size_t, 4> count_at{};
    std::optional<std::size_t> block_at, s_held_at;
    std::array<std::optional<std::size_t>, 3> later_at;
    std::array<std::optional<std::size_t>, 7> mark_at;
    std::optional<std::size_t> unknown_at;
    std::vector<std::size_t> carried_at;
    std::size_t width = 0;
    Header header;
};

// Marked dogs first seen later need the c-columns of those dogs, and all three or none.
void marks_header_checked(const Layout& layout, const std::string& file_name) {
    const bool some_later = std::any_of(layout.mark_at.begin() + 4, layout.mark_at.end(),
                                        [](const auto& at) { return at.has_value(); });
    const bool all_later = std::all_of(layout.mark_at.begin() + 4, layout.mark_at.end(),
                                       [](const auto& at) { return at.has_value(); });
    if (some_later && !all_later) {
        throw HeaderRefused(HeaderRefused::Why::marks_partial, file_name,
                            file_name +
                                ": the header has some of m010, m001 and m011 but not all three; "
                                "the marked dogs first seen later go together.");
    }
    const bool later = std::all_of(layout.later_at.begin(), layout.later_at.end(),
                                   [](const auto& at) { return at.has_value(); });
    if (later && !all_later) {
        throw HeaderRefused(HeaderRefused::Why::marks_without_later, file_name,
                            file_name +
                                ": the header has c010, c001 and c011 and the marked dogs' m100 "
                                "to m110 but not m010, m001 and m011; give the marked dogs first "
                                "seen later too.");
    }
    if (all_later && !later) {
        throw HeaderRefused(HeaderRefused::Why::later_without_marks, file_name,
                            file_name +
                                ": the header has m010, m001 and m011 without c010, c001 and "
                                "c011; the marked dogs first seen later are some of the dogs "
                                "first seen later.");
    }
}

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
            throw HeaderRefused(HeaderRefused::Why::column_twice, file_name,
                                file_name + ": the column \"" + trimmed(names[i]) +
                                    "\" appears twice in the header.",
                                trimmed(names[i]));
        }
        const auto count = std::find(kCountColumns.begin(), kCountColumns.end(), name);
        if (count != kCountColumns.end()) {
            counts[static_cast<std::size_t>(count - kCountColumns.begin())] = i;
        } else if (name == "block") {
            layout.block_at = i;
        } else if (name == "s_held") {
            layout.s_held_at = i;
        } else {
            const auto later = std::find(kLaterColumns.begin(), kLaterColumns.end(), name);
            if (later != kLaterColumns.end()) {
                layout.later_at[std::size_t(later - kLaterColumns.begin())] = i;
            }
            const auto mark = std::find(kMarkColumns.begin(), kMarkColumns.end(), name);
            if (mark != kMarkColumns.end()) {
                layout.mark_at[std::size_t(mark - kMarkColumns.begin())] = i;
            }
            if (name == kMarkUnknownColumn) layout.unknown_at = i;
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
        throw HeaderRefused(HeaderRefused::Why::counts_missing, file_name,
                            file_name + ": the header lacks the column" +
                                (missing.find(',') == std::string::npos ? " " : "s ") + missing +
                                "; a survey needs c100, c111, c101 and c110.",
                            missing);
    }
    layout.header.has_block = layout.block_at.has_value();
    layout.header.has_s_held = layout.s_held_at.has_value();
    layout.header.has_later = std::all_of(layout.later_at.begin(), layout.later_at.end(),
                                          [](const auto& at) { return at.has_value(); });
    layout.header.has_marks = std::all_of(layout.mark_at.begin(), layout.mark_at.begin() + 4,
                                          [](const auto& at) { return at.has_value(); });
    if (layout.header.has_marks) marks_header_checked(layout, file_name);
    return layout;
}

// Why a cell cannot be read: the report's words ("" when it can), and the reason as data.
struct CellWhy {
    std::string text;
    LeftOut::Why why = LeftOut::Why::other;
    bool bad() const { return !text.empty(); }
};

// A count: digits (a "+" in front allowed), or a number whose value is whole, as a spreadsheet
// may write it ("12.0"), at most 2^31 - 1. Returns nothing, or why not.
CellWhy read_count(const std::string& text, int32_t& count) {
    using Why = LeftOut::Why;
    if (text.empty()) return {"the value is missing", Why::missing};
    std::string_view digits = text;
    if (digits.front() == '+') digits.remove_prefix(1);
    const bool plain = !digits.empty() && std::all_of(digits.begin(), digits.end(),
                                                      [](char c) { return c >= '0' && c <= '9'; });
    if (plain) {
        const auto [end, status] =
            std::from_chars(digits.data(), digits.data() + digits.size(), count);
        if (status == std::errc::result_out_of_range) {
            return {quoted(text) + " is too large", Why::too_large};
        }
        return {};
    }
    double value = 0;
    const auto [end, status] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    const bool number = !digits.empty() && status == std::errc() &&
                        end == digits.data() + digits.size() && digits.front() != '-';
    if (!number || !(value >= 0) || value != std::floor(value)) {
        return {quoted(text) + " is not a whole number of dogs (0 or more)", Why::not_whole};
    }
    if (value > double(std::numeric_limits<int32_t>::max())) {
        return {quoted(text) + " is too large", Why::too_large};
    }
    count = static_cast<int32_t>(value);
    return {};
}

// A held S: a number from 0 to 1, "." as the decimal point. Empty means S is fitted.
CellWhy read_share(const std::string& text, std::optional<double>& share) {
    if (text.empty()) return {};
    double value = 0;
    const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (status != std::errc() || end != text.data() + text.size() || !(value >= 0 && value <= 1)) {
        return {quoted(text) + " is not a share from 0 to 1 (a number such as 0.25)",
                LeftOut::Why::not_share};
    }
    share = value + 0.0;  // -0 is 0
    return {};
}

// The row's error, `where` naming its file and line: the report's words, "<where><column>: <why>",
// and the same as data.
void set_error(Row& row, const std::string& where, const std::string& column, const CellWhy& why,
               std::string value, std::string limit = "") {
    row.error = where + column + ": " + why.text;
    row.left_out = {why.why, column, std::move(value), row.line, std::move(limit), ""};
}

// The row's marked dogs, where the header has their columns: all their cells empty is a block
// counted without marks; otherwise each is a count of dogs no larger than its history's, and a
// bad or missing one is the row's error, as a bad count is.
template <typename At>
Row with_marks(Row row, const At& at, const Layout& layout, const std::string& where) {
    if (!row.error.empty() || !layout.header.has_marks) return row;
    std::vector<std::size_t> cells;  // the mark columns this row reads
    for (std::size_t h = 0; h < 7; ++h) {
        if (layout.mark_at[h] && (h < 4 || row.later)) cells.push_back(h);
    }
    const bool all_empty =
        std::all_of(cells.begin(), cells.end(),
                    [&](std::size_t h) { return at(*layout.mark_at[h]).empty(); }) &&
        (!layout.unknown_at || at(*layout.unknown_at).empty());
    if (all_empty) return row;
    RowMarks marks;
    std::int64_t seen = 0, marked = 0;
    for (const std::size_t h : cells) {
        const std::string cell = at(*layout.mark_at[h]);
        if (const CellWhy why = read_count(cell, marks.marked[h]); why.bad()) {
            set_error(row, where, kMarkColumns[h], why, cell);
            return row;
        }
        const int32_t dogs = h < 4 ? row.counts[h] : (*row.later)[h - 4];
        if (marks.marked[h] > dogs) {
            set_error(row, where, kMarkColumns[h],
                      {std::to_string(marks.marked[h]) + " marked dogs are more than the " +
                           std::to_string(dogs) + " dogs of " +
                           (h < 4 ? kCountColumns[h] : kLaterColumns[h - 4]),
                       LeftOut::Why::marked_more},
                      cell, std::to_string(dogs));
            return row;
        }
        seen += dogs;
        marked += marks.marked[h];
    }
    if (layout.unknown_at && !at(*layout.unknown_at).empty()) {
        const std::string cell = at(*layout.unknown_at);
        if (const CellWhy why = read_count(cell, marks.unknown); why.bad()) {
            set_error(row, where, kMarkUnknownColumn, why, cell);
            return row;
        }
        if (marks.unknown > seen - marked) {
            set_error(row, where, kMarkUnknownColumn,
                      {std::to_string(marks.unknown) + " dogs of unknown mark are more than the " +
                           std::to_string(seen - marked) + " dogs seen without the mark",
                       LeftOut::Why::unknown_more},
                      cell, std::to_string(seen - marked));
            return row;
        }
    }
    row.marks = marks;
    return row;
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
        set_error(row, where, std::to_string(i + 1),
                  {quoted(fields[i]) + " lies beyond the " + std::to_string(layout.width) +
                       " columns of the header",
                   LeftOut::Why::beyond_header},
                  fields[i]);
        return row;
    }
    for (std::size_t h = 0; h < 4 && row.error.empty(); ++h) {
        const std::string cell = at(layout.count_at[h]);
        if (const CellWhy why = read_count(cell, row.counts[h]); why.bad()) {
            set_error(row, where, kCountColumns[h], why, cell);
        }
    }
    if (row.error.empty() && layout.s_held_at) {
        const std::string cell = at(*layout.s_held_at);
        if (const CellWhy why = read_share(cell, row.s_held); why.bad()) {
            set_error(row, where, "s_held", why, cell);
        }
    }
    if (row.error.empty() && layout.header.has_later) {
        // All three left empty: the block was counted without them. One or two empty is a cell
        // missing, and a bad cell is the row's error as a bad count is: a block read without its
        // later dogs would quietly take its whole stratum back to the four histories.
        const auto empty = [&](std::size_t h) { return at(*layout.later_at[h]).empty(); };
        if (empty(0) && empty(1) && empty(2)) return with_marks(row, at, layout, where);
        std::array<int32_t, 3> later{};
        for (std::size_t h = 0; h < 3 && row.error.empty(); ++h) {
            const std::string cell = at(*layout.later_at[h]);
            if (CellWhy why = read_count(cell, later[h]); why.bad()) {
                if (empty(h)) {
                    why.text +=
                        " (c010, c001 and c011 go together: fill all three, or leave all three "
                        "empty)";
                    why.why = LeftOut::Why::later_incomplete;
                }
                set_error(row, where, kLaterColumns[h], why, cell);
            }
        }
        if (row.error.empty()) row.later = later;
    }
    return with_marks(row, at, layout, where);
}

}  // namespace

struct SurveyReader::State {
    RecordReader records;
    std::optional<Layout> layout;

    State(std::istream& in, std::string file_name) : records(in, std::move(file_name)) {}
    const std::string& file_name() const { return records.file_name(); }
};

HeaderRefused::HeaderRefused(Why why_, std::string file_, const std::string& message,
                             std::string detail_)
    : FileError(message), why(why_), file(std::move(file_)), detail(std::move(detail_)) {}

SurveyReader::SurveyReader(std::istream& in, std::string file_name)
    : state_(std::make_unique<State>(in, std::move(file_name))) {
    const auto header = state_->records.next();
    if (!header) {
        throw HeaderRefused(HeaderRefused::Why::empty, state_->file_name(),
                            state_->file_name() +
                                ": the file is empty; a survey needs a header row with c100, "
                                "c111, c101 and c110.");
    }
    if (!header->why.empty()) {
        HeaderRefused refused(HeaderRefused::Why::unreadable, state_->file_name(),
                              state_->file_name() + ": the header (line " +
                                  std::to_string(header->line) + ", column " +
                                  std::to_string(header->column) +
                                  ") cannot be read: " + header->why + ".",
                              header->why);
        refused.line = header->line;
        refused.column = header->column;
        throw refused;
    }
    state_->layout = layout_of(header->fields, state_->file_name());
}

SurveyReader::~SurveyReader() = default;

const Header& SurveyReader::header() const {
    return state_->layout->header;
}

std::optional<Row> SurveyReader::next() {
    const auto record = state_->records.next();
    if (!record) return std::nullopt;
    if (!record->why.empty()) {
        Row row;
        row.line = record->line;
        row.label = std::to_string(record->line);
        row.carried.assign(state_->layout->carried_at.size(), "");
        row.fields_read = false;
        row.error = state_->file_name() + ", line " + std::to_string(record->line) + ", column " +
                    std::to_string(record->column) + ": " + record->why;
        row.left_out = {LeftOut::Why::unreadable,
                        std::to_string(record->column),
                        "",
                        row.line,
                        "",
                        record->why};
        return row;
    }
    return row_of(record->fields, record->line, *state_->layout, state_->file_name());
}

void read_survey(std::istream& in, const std::string& file_name,
                 const std::function<void(const Header&)>& on_header,
                 const std::function<void(const Row&)>& on_row) {
    SurveyReader reader(in, file_name);
    on_header(reader.header());
    while (const std::optional<Row> row = reader.next())
        on_row(*row);
}

}  // namespace kestrivo::survey
