// The sheets of an XLSX workbook (a KoboToolbox export: one sheet per section of the form) as
// rows of text cells, the way the CSV readers give them. Over ZipArchive and expat: a sheet's XML
// is parsed as it is inflated, so memory holds a row and the shared strings, never the sheet.
// Numbers come as the text the workbook stores ("1", "12.5"), booleans as "1" or "0"; a cell
// left out of a row is an empty field.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "field/zip_archive.h"
#include "survey/csv_records.h"

namespace kestrivo::field {

/// A source of a table's records, a row at a time: a CSV file, a zip entry, a workbook's sheet.
class TableRows {
public:
    virtual ~TableRows() = default;
    /// The next record that is not blank (its `line` is the sheet's row number), or nothing at
    /// the end. Throws survey::FileError when the source cannot be read on.
    virtual std::optional<survey::Record> next() = 0;
};

class XlsxWorkbook {
public:
    /// Throws survey::FileError when the file is no workbook (not a zip, or without a list of
    /// sheets). `name` is the workbook's name in messages (`path` when empty).
    explicit XlsxWorkbook(const std::string& path, const std::string& name = "");
    ~XlsxWorkbook();

    const std::string& path() const { return archive_.path(); }
    /// The sheets' names, in the workbook's order.
    std::vector<std::string> sheets() const;
    /// The rows of the sheet `name`, valid while the workbook is open.
    std::unique_ptr<TableRows> open(const std::string& name) const;

private:
    struct Sheet {
        std::string name, part;  // the sheet's name, and its part in the archive
    };
    ZipArchive archive_;
    std::vector<Sheet> sheets_;
    std::shared_ptr<const std::vector<std::string>> shared_strings_;
};

}  // namespace kestrivo::field
