// csv_field, defused and write_csv_row: the formula guard and the quoting rules in one place.
#include "survey/csv_writer.h"

#include <charconv>

#include "platform/number_text.h"

namespace kestrivo::survey {

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

std::string defused(std::string_view cell) {
    if (cell.empty() || std::string_view("=+-@\t\r").find(cell.front()) == std::string::npos) {
        return std::string(cell);
    }
    double number = 0;
    const auto [end, status] = std::from_chars(cell.data(), cell.data() + cell.size(), number);
    if (status == std::errc() && end == cell.data() + cell.size()) return std::string(cell);
    return "'" + std::string(cell);
}

void write_csv_row(std::ostream& out, const std::vector<Cell>& cells, int digits,
                   std::string_view line_end) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i) out << ',';
        const Cell& cell = cells[i];
        if (const double* d = std::get_if<double>(&cell)) {
            out << platform::digits_text(*d, digits);
        } else if (const std::int64_t* n = std::get_if<std::int64_t>(&cell)) {
            out << *n;
        } else if (const std::string* s = std::get_if<std::string>(&cell)) {
            out << csv_text(*s);
        }
    }
    out << line_end;
}

}  // namespace kestrivo::survey
