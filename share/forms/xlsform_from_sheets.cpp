// Builds the XLSForm workbook from its sheets kept as CSV text (survey.csv, choices.csv,
// settings.csv beside each other): ODK Central and KoboToolbox take a form as .xlsx, while the
// repository keeps text that reads well in a diff. Run at build time only.
//   xlsform_from_sheets OUTPUT.xlsx SHEET.csv ...   (each sheet named after its file)
#include <xlsxwriter.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "survey/csv_records.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: xlsform_from_sheets OUTPUT.xlsx SHEET.csv ...\n");
        return 2;
    }
    lxw_workbook* workbook = workbook_new(argv[1]);
    if (!workbook) {
        std::fprintf(stderr, "xlsform_from_sheets: %s cannot be written\n", argv[1]);
        return 1;
    }
    // A fixed date, so that the same sheets always build the same workbook.
    char title[] = "Kestrivo three counts";
    lxw_doc_properties properties{};
    properties.title = title;
    properties.created = 1796601600;  // 2026-12-08
    workbook_set_properties(workbook, &properties);
    lxw_format* bold = workbook_add_format(workbook);
    format_set_bold(bold);
    for (int i = 2; i < argc; ++i) {
        const std::string path = argv[i];
        const std::string name = std::filesystem::path(path).stem().string();
        lxw_worksheet* sheet = workbook_add_worksheet(workbook, name.c_str());
        std::ifstream in(path, std::ios::binary);
        if (!sheet || !in) {
            std::fprintf(stderr, "xlsform_from_sheets: %s cannot be read\n", path.c_str());
            return 1;
        }
        try {
            kestrivo::survey::RecordReader records(in, path);
            lxw_row_t row = 0;
            while (const auto record = records.next()) {
                if (!record->why.empty()) {
                    std::fprintf(stderr, "%s, line %zu: %s\n", path.c_str(), record->line,
                                 record->why.c_str());
                    return 1;
                }
                for (std::size_t c = 0; c < record->fields.size(); ++c) {
                    if (record->fields[c].empty()) continue;
                    worksheet_write_string(sheet, row, lxw_col_t(c), record->fields[c].c_str(),
                                           row == 0 ? bold : nullptr);
                }
                ++row;
            }
        } catch (const kestrivo::survey::FileError& e) {
            std::fprintf(stderr, "%s\n", e.what());
            return 1;
        }
    }
    return workbook_close(workbook) == LXW_NO_ERROR ? 0 : 1;
}
