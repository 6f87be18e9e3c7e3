// kestrivo-report's table: one row per block with the columns of the report (and, for a
// survey, of pooled visibility and the city total), then the columns carried from the input, as
// CSV or as a JSON array of objects with the same keys; pooled and total rows use the same
// columns. Rows are written as they come, so memory stays flat however long the survey. The same
// cells go on the map, where one was asked for.
#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <unordered_map>
#include <vector>

#include "survey/map_writer.h"
#include "survey/output_cell.h"
#include "survey/report_rows.h"

namespace kestrivo::survey {

/// The report's columns, and a row's values in them.
class ReportColumns {
public:
    /// @param digits  significant digits of every number (the notes' numbers too);
    ///                platform::kRoundTripDigits writes the shortest form that reads back
    ReportColumns(const ReportLayout& layout, int digits);

    /// The columns, in output order (carried ones renamed where they clash with the report's).
    const std::vector<std::string>& keys() const { return keys_; }
    /// The row's cells in that order: a number that is no number (a limit not computed) is an
    /// empty cell.
    std::vector<Cell> cells(const ReportRow& row) const;

    /// The columns of one block's report, in output order.
    static const std::vector<std::string>& report_columns();

private:
    std::vector<std::string> keys_;
    std::unordered_map<std::string, std::size_t> place_;  // our own columns only
    int digits_;
};

/// The table as CSV or JSON text.
class ReportTable : public ReportSink {
public:
    ReportTable(std::ostream& out, Format format, int digits = kDefaultDigits)
        : out_(out), format_(format), digits_(digits) {}

    void begin(const ReportLayout& layout) override;
    void row(const ReportRow& row) override;
    void finish() override;
    /// A JSON table is closed, so that what was written stays a whole array.
    void abandon() override;

    const std::vector<std::string>& keys() const { return columns_->keys(); }

private:
    void write(const std::vector<Cell>& values);
    void check() const;

    std::ostream& out_;
    Format format_;
    int digits_;
    std::optional<ReportColumns> columns_;
    bool first_row_ = true;
};

/// The table's cells on a map (GeoJSON or KML).
class ReportMap : public ReportSink {
public:
    ReportMap(std::string path, int digits) : path_(std::move(path)), digits_(digits) {}

    void begin(const ReportLayout& layout) override;
    void row(const ReportRow& row) override;
    void finish() override;

private:
    std::string path_;
    int digits_;
    std::optional<ReportColumns> columns_;
    std::unique_ptr<MapWriter> map_;
};

}  // namespace kestrivo::survey
