// The survey file: one block of a city survey a row, in the CSV that spreadsheets write, with a
// header row. The columns c100, c111, c101 and c110 hold the counts of the histories 1,0,0 /
// 1,1,1 / 1,0,1 / 1,1,0; "block" a label and "s_held" a value at which S is held (empty: S is
// fitted); every other column is carried along unchanged. kestrivo-report, kestrivo-plan's pilot
// and the window all read surveys with it, so they accept and refuse exactly the same files,
// with the same messages.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "survey/csv_records.h"
#include "survey/left_out.h"

namespace kestrivo::survey {

/// The counts' column names, in the order of the histories everywhere else.
inline constexpr std::array<const char*, 4> kCountColumns = {"c100", "c111", "c101", "c110"};
/// The optional columns of the dogs first seen on count 2 or 3: 0,1,0 / 0,0,1 / 0,1,1. They are
/// read when all three are there, and carried along as well, so a block's own row stays as it is.
/// A block may leave all three empty (it was counted without them); one cell empty or bad is its
/// row's error, as a bad count is.
inline constexpr std::array<const char*, 3> kLaterColumns = {"c010", "c001", "c011"};
/// The optional columns of the dogs seen with the vaccination mark, in the order of the
/// histories: m100, m111, m101, m110 with the first four, m010, m001, m011 with the later ones;
/// and mark_unknown, the dogs whose mark was never seen clearly (among the c-columns' dogs, in
/// none of the m-columns). Read when m100 to m110 are there, carried along as well.
inline constexpr std::array<const char*, 7> kMarkColumns = {"m100", "m111", "m101", "m110",
                                                            "m010", "m001", "m011"};
inline constexpr const char* kMarkUnknownColumn = "mark_unknown";

struct Header {
    std::vector<std::string> carried;  // the other columns' names, in file order
    bool has_block = false;
    bool has_s_held = false;
    bool has_later = false;  // c010, c001 and c011 are all there
    bool has_marks = false;  // m100, m111, m101 and m110 are there (m010, m001, m011 with c010…)
};

/// A block's dogs seen with the vaccination mark: each history's count of marked dogs (the last
/// three 0 where the block has no later dogs) and the dogs whose mark is unknown.
struct RowMarks {
    std::array<int32_t, 7> marked{};
    int32_t unknown = 0;
};

struct Row {
    std::size_t line = 0;             // where the row starts in its file (the header is line 1)
    std::string label;                // the "block" value, or the line number where it is empty
    std::array<int32_t, 4> counts{};  // valid when `error` is empty
    std::optional<double> s_held;     // empty: S is fitted
    /// c010, c001, c011 when the header has them and the row fills them; empty when the header
    /// lacks them, the row leaves all three empty, or the row has an error.
    std::optional<std::array<int32_t, 3>> later;
    /// The marked dogs when the header has their columns and the row fills them; empty when it
    /// leaves them all empty (a block counted before the campaign) or has an error.
    std::optional<RowMarks> marks;
    std::vector<std::string> carried;  // the carried columns' values, in header order
    std::string error;                 // "" or: file, line, column and the offending text
    LeftOut left_out;                  // when `error` is not empty: the same, as data
    /// False when the record itself could not be read (a malformed quote, an overlong line): its
    /// label is its line number and its carried values are empty, so its stratum is unknown.
    bool fields_read = true;
};

/// A header that cannot serve as a survey's: the message names the file, and the same is kept as
/// data for a window that says it in its own language.
class HeaderRefused : public FileError {
public:
    enum class Why {
        empty,                // no header row at all
        unreadable,           // the header record cannot be read: `line`, `column`, `detail`
        column_twice,         // `detail` names the column
        counts_missing,       // `detail` lists the missing count columns, ", " between them
        marks_partial,        // some of m010, m001 and m011
        marks_without_later,  // c010, c001, c011 and m100 to m110 without m010, m001, m011
        later_without_marks,  // m010, m001, m011 without c010, c001, c011
    };
    HeaderRefused(Why why, std::string file, const std::string& message, std::string detail = {});

    Why why;
    std::string file, detail;
    std::size_t line = 0, column = 0;
};

/// Reads a survey from a stream, a row at a time, so that memory stays flat however long the
/// survey is. A row that cannot be read still comes with its line, label and carried values, and
/// with `error` saying why. The file cannot serve as a survey at all (a FileError, naming the
/// file) when it cannot be read, is empty, or its header lacks a count column.
class SurveyReader {
public:
    /// Reads up to the header row. Throws FileError for an empty file or an unusable header.
    SurveyReader(std::istream& in, std::string file_name);
    ~SurveyReader();
    SurveyReader(const SurveyReader&) = delete;
    SurveyReader& operator=(const SurveyReader&) = delete;

    const Header& header() const;
    /// The next row that is not blank, or nothing at the end of the file. Throws FileError when
    /// the stream fails.
    std::optional<Row> next();

private:
    struct State;
    std::unique_ptr<State> state_;
};

/// The whole survey at once: `on_header`, then `on_row` for every row, in file order.
void read_survey(std::istream& in, const std::string& file_name,
                 const std::function<void(const Header&)>& on_header,
                 const std::function<void(const Row&)>& on_row);

}  // namespace kestrivo::survey
