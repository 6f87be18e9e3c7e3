// Reading back the report's CSV text, for the tests of the command and of the survey room alike:
// CSV rows as cells (the outputs here have no line ends inside fields), a cell by row and column
// name, a cell as a number.
#pragma once

#include <algorithm>
#include <charconv>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace kestrivo::tests {

// A CSV output as rows of cells (the outputs here have no line ends inside fields).
inline std::vector<std::vector<std::string>> cells(const std::string& csv) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(csv);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::vector<std::string> row;
        std::string cell;
        bool quoted = false;
        for (std::size_t i = 0; i < line.size(); ++i) {
            const char c = line[i];
            if (c == '"' && quoted && i + 1 < line.size() && line[i + 1] == '"') {
                cell += '"';
                ++i;
            } else if (c == '"') {
                quoted = !quoted;
            } else if (c == ',' && !quoted) {
                row.push_back(cell);
                cell.clear();
            } else {
                cell += c;
            }
        }
        row.push_back(cell);
        rows.push_back(row);
    }
    return rows;
}

inline double number(const std::string& text) {
    if (text == "inf") return INFINITY;
    double value = NAN;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

struct Table {
    std::vector<std::vector<std::string>> rows;
    std::string cell(std::size_t row, const std::string& key) const {
        const auto at = std::find(rows[0].begin(), rows[0].end(), key);
        return at == rows[0].end() ? "<no column>" : rows[row][std::size_t(at - rows[0].begin())];
    }
};

}  // namespace kestrivo::tests
