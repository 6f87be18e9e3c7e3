// A cell of a table the programs write (a report row, a plan row): nothing, a number, a whole
// number or a text; and the two forms a table is written in. Both writers (CSV and JSON) take
// cells, so the same row reads the same in either.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace kestrivo::survey {

enum class Format { csv, json };

/// Empty (an empty CSV cell, JSON null), a number at the table's digits, a whole number, a text.
using Cell = std::variant<std::monostate, double, std::int64_t, std::string>;

/// The report's numbers carry nine significant digits: the fit is good to about 1e-8, so these
/// show all of it.
inline constexpr int kDefaultDigits = 9;

}  // namespace kestrivo::survey
