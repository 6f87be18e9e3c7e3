// Fuzzes the survey file reader with arbitrary bytes: a file error or rows, never a crash; rows in
// order of their lines; a row without an error holds counts of 0 or more and a held S in 0..1,
// and a row with one says where.
#include <cstdlib>
#include <sstream>
#include <string>

#include "survey/survey_reader.h"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::size_t last_line = 1, width = 0;
    try {
        kestrivo::survey::read_survey(
            in, "fuzz.csv", [&](const kestrivo::survey::Header& h) { width = h.carried.size(); },
            [&](const kestrivo::survey::Row& row) {
                check(row.line > last_line);
                last_line = row.line;
                check(!row.label.empty());
                check(row.carried.size() == width);
                if (row.error.empty()) {
                    for (int32_t c : row.counts)
                        check(c >= 0);
                    check(!row.s_held || (*row.s_held >= 0 && *row.s_held <= 1));
                } else {
                    check(row.error.starts_with("fuzz.csv, line " + std::to_string(row.line) +
                                                ", column "));
                }
            });
    } catch (const kestrivo::survey::FileError& e) {
        check(std::string(e.what()).starts_with("fuzz.csv: "));
    }
    return 0;
}
