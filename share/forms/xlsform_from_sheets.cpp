// Builds the XLSForm workbook from its sheets kept as CSV text (survey.csv, choices.csv,
// settings.csv beside each other): ODK Central and KoboToolbox take a form as .xlsx, while the
// repository keeps text that reads well in a diff. Run at build time only.
//   xlsform_from_sheets OUTPUT.xlsx SHEET.csv ...   (each sheet named after its file)
// The settings sheet's `version` cell is left empty in the text and filled here with a version
// derived from all the sheets (share/forms/form_version.h), so it changes whenever they do.
#include <xlsxwriter.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "share/forms/form_version.h"
#include "survey/csv_records.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: xlsform_from_sheets OUTPUT.xlsx SHEET.csv ...\n");
        return 2;
    }
    // Every sheet is read before anything is written: the version needs them all.
    std::vector<kestrivo::forms::SheetText> sheets;
    for (int i = 2; i < argc; ++i) {
        const std::string path = argv[i];
        std::ifstream in(path, std::ios::binary);
        std::string bytes(std::istreambuf_iterator<char>(in), {});
        if (!in && !in.eof()) {
            std::fprintf(stderr, "xlsform_from_sheets: %s cannot be read\n", path.c_str());
            return 1;
        }
        sheets.push_back({std::filesystem::path(path).stem().string(), std::move(bytes)});
    }
    const std::string version = kestrivo::forms::form_version(sheets);

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
    for (std::size_t s = 0; s < sheets.size(); ++s) {
        const std::string path = argv[s + 2];
        const std::string& name = sheets[s].name;
        lxw_worksheet* sheet = workbook_add_worksheet(workbook, name.c_str());
        if (!sheet) {
            std::fprintf(stderr, "xlsform_from_sheets: %s cannot be added\n", path.c_str());
            return 1;
        }
        bool version_written = name != "settings";
        try {
            std::istringstream in(sheets[s].bytes);
            kestrivo::survey::RecordReader records(in, path);
            lxw_row_t row = 0;
            std::size_t version_column = std::size_t(-1);
            while (auto record = records.next()) {
                if (!record->why.empty()) {
                    std::fprintf(stderr, "%s, line %zu: %s\n", path.c_str(), record->line,
                                 record->why.c_str());
                    return 1;
                }
                auto& fields = record->fields;
                if (name == "settings" && row == 0) {
                    for (std::size_t c = 0; c < fields.size(); ++c)
                        if (fields[c] == "version") version_column = c;
                } else if (name == "settings" && row == 1 && version_column != std::size_t(-1)) {
                    // A version typed in would be overwritten unseen, or stay the same while the
                    // sheets change: refused, so the text never shows one the form does not carry.
                    if (version_column < fields.size() && !fields[version_column].empty()) {
                        std::fprintf(stderr,
                                     "%s, line %zu: the version is derived from the sheets at "
                                     "build time; leave its cell empty\n",
                                     path.c_str(), record->line);
                        return 1;
                    }
                    fields.resize(std::max(fields.size(), version_column + 1));
                    fields[version_column] = version;
                    version_written = true;
                }
                for (std::size_t c = 0; c < fields.size(); ++c) {
                    if (fields[c].empty()) continue;
                    worksheet_write_string(sheet, row, lxw_col_t(c), fields[c].c_str(),
                                           row == 0 ? bold : nullptr);
                }
                ++row;
            }
        } catch (const kestrivo::survey::FileError& e) {
            std::fprintf(stderr, "%s\n", e.what());
            return 1;
        }
        if (!version_written) {
            std::fprintf(stderr, "%s: no version column with a row under it to fill\n",
                         path.c_str());
            return 1;
        }
    }
    return workbook_close(workbook) == LXW_NO_ERROR ? 0 : 1;
}
