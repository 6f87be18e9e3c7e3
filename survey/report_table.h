// kestrivo-report's table: one row per block with the columns of the report (and, for a
// survey, of pooled visibility and the city total), then the columns carried from the input, as
// CSV or as a JSON array of objects with the same keys; pooled and total rows use the same
// columns. Rows are written as they come, so memory stays flat however long the survey.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <unordered_map>
#include <vector>

#include "analysis/city_total.h"
#include "analysis/inference_report.h"
#include "analysis/pooled_visibility.h"
#include "survey/map_writer.h"
#include "survey/output_cell.h"

namespace kestrivo::survey {

/// What a row holds beyond one block's report: the columns of pooled visibility and of the
/// city total, each empty unless set.
struct SurveyCells {
    std::optional<analysis::DogsOnBlock> dogs_pooled;  // N_pool, N_pool_lo, N_pool_hi
    std::optional<analysis::Heterogeneity> het;        // het, het_df, het_p
    std::optional<analysis::TotalEstimate> total;      // city_N, city_se, city_lo, city_hi
    /// model, aicc_weight_by_count, P1, P2, P3, n_any, seen_any
    std::optional<analysis::SevenHistoriesFit> seven;
    /// n_any of a block that gives the dogs first seen later: its dogs seen at least once.
    std::optional<std::int64_t> n_any;
    std::string note;  // joins the report's own note
};

class ReportTable {
public:
    /// @param carried    the carried columns' names, in output order
    /// @param with_pool  adds the columns of pooled visibility (N_pool ... het_p, and the
    ///                   seven-history fit's model ... seen_any)
    /// @param with_city  adds the city columns (city_N, city_se, city_lo, city_hi)
    /// @param digits     significant digits of every number; platform::kRoundTripDigits writes
    ///                   the shortest form that reads back to the same double
    ReportTable(std::ostream& out, Format format, std::vector<std::string> carried, bool with_pool,
                bool with_city, int digits = kDefaultDigits);

    /// One row: `label` in the block column, a report (or none: only `error` and what the row
    /// itself holds), the survey-level cells, and the carried values in output order.
    void row(const std::string& label, const std::vector<std::string>& carried_values,
             const analysis::Report* report, const SurveyCells& survey, const std::string& error,
             RowKind kind = RowKind::block);
    /// Every row written from now on goes on `map` too (none: no map).
    void also_on(MapWriter* map) { map_ = map; }
    /// The columns, in output order (carried ones renamed where they clash with the report's).
    const std::vector<std::string>& keys() const { return keys_; }
    void finish();

    /// The columns of one block's report, in output order.
    static const std::vector<std::string>& report_columns();

private:
    void write(const std::vector<Cell>& values);
    std::size_t at(const std::string& key) const;

    std::ostream& out_;
    Format format_;
    std::vector<std::string> keys_;
    std::unordered_map<std::string, std::size_t> place_;  // our own columns only
    int digits_;
    bool first_row_ = true;
    MapWriter* map_ = nullptr;
};

}  // namespace kestrivo::survey
