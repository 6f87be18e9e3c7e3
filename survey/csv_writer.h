// CSV as the programs write it: fields quoted only where they must be, and a text that a
// spreadsheet would run as a formula defused. Every CSV the programs write goes through here.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "survey/output_cell.h"

namespace kestrivo::survey {

/// `text` as one CSV field: quoted (with its quotes doubled) when it holds a comma, a quote, a line
/// end or blanks at either end; as it is otherwise.
std::string csv_field(std::string_view text);

/// A cell that a spreadsheet would run as a formula (it starts with =, +, -, @, a tab or a
/// carriage return and is not a number) gets a single quote in front, so it shows as text.
std::string defused(std::string_view cell);

/// A text cell as it stands in a CSV row: defused, then quoted where it must be.
inline std::string csv_text(std::string_view text) {
    return csv_field(defused(text));
}

/// One row: numbers at `digits` significant digits, texts by csv_text, empty cells empty; ended
/// by `line_end`.
void write_csv_row(std::ostream& out, const std::vector<Cell>& cells, int digits,
                   std::string_view line_end = "\r\n");

}  // namespace kestrivo::survey
