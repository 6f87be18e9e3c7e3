// The survey report as values: each block row, pooled row and total row as the report computed
// it (the fit, its inference report, the carried cells, the pooled and city estimates, the error
// and where it arose, the notes as codes), handed to sinks as it is made. The CSV and JSON table,
// the map, and the window's table, answer and PDF are all sinks of the same rows, so none of
// them reads back another's text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "analysis/city_total.h"
#include "analysis/inference_report.h"
#include "analysis/pooled_visibility.h"
#include "analysis/seven_histories.h"
#include "survey/left_out.h"
#include "survey/report_notes.h"

namespace kestrivo::survey {

/// What a row of the report is.
enum class RowKind { block, pooled, total };

/// A stratum's or the city's coverage after vaccination: the marked dogs, their share of the
/// dogs whose mark is known with its interval, the share marked among the dogs seen, the test
/// that marked and unmarked dogs are seen alike, and the doses still needed to reach the target.
struct CoverageCells {
    double marked_dogs = 0;  // N_marked
    double coverage = 0, lower = 0, upper = 0;
    double naive = 0;                    // naive_coverage: marked among the dogs seen
    std::int64_t mark_unknown = 0;       // dogs seen whose mark was never seen clearly
    std::optional<double> visibility_p;  // the test of equal visibility; a stratum's only
    double doses = 0, doses_lower = 0, doses_upper = 0;  // doses_needed and its interval
    std::optional<double> vaccinated_check;  // N_vaccinated_check: vaccinated / coverage
    std::optional<std::int64_t> vaccinated;  // the dogs vaccinated, by the campaign's records
    /// Each group's share seen (at least once, or on count 1), for the note on which is seen more.
    std::optional<double> seen_marked, seen_unmarked;
};

/// What a row holds beyond one block's report: the estimates of pooled visibility and of the
/// city total, each empty unless set.
struct SurveyCells {
    std::optional<analysis::DogsOnBlock> dogs_pooled;  // N_pool, N_pool_lo, N_pool_hi
    std::optional<analysis::Heterogeneity> het;        // het, het_df, het_p
    std::optional<analysis::TotalEstimate> total;      // city_N, city_se, city_lo, city_hi
    /// model, aicc_weight_by_count, aicc_weight_behaviour, P1, P2, P3, P_first, P_again, n_any,
    /// seen_any
    std::optional<analysis::SevenHistoriesFit> seven;
    /// n_any of a block that gives the dogs first seen later: its dogs seen at least once.
    std::optional<std::int64_t> n_any;
    /// N_marked_pool: a block's marked dogs under its stratum's visibility of marked dogs.
    std::optional<double> marked_pooled;
    std::optional<CoverageCells> coverage;  // of pooled and total rows, where marks are given
};

/// Where a block's error arose: its file and line.
struct ErrorPlace {
    std::string file;
    std::size_t line = 0;
};

struct ReportRow {
    RowKind kind = RowKind::block;
    std::string label;                       // the block's label; "pooled" or "total"
    std::vector<std::string> carried;        // the carried columns' values, in the layout's order
    std::optional<analysis::Report> report;  // the block's or the stratum's fit, when made
    SurveyCells cells;
    std::vector<Note> notes;          // the fit's own notes first, then the row's
    std::string error;                // "" or why the row has no estimate, in the report's words
    std::optional<ErrorPlace> place;  // of a block's error
    std::optional<LeftOut> left_out;  // a block's error as data, beside its words
    std::string stratum;              // the row's stratum ("" when the survey has none)
    bool city = false;                // the city's total row
};

/// An estimate with its limits as the report gives them: each missing where its cell is empty
/// (a limit not computed, no upper limit for a block where nobody was seen).
struct Estimate {
    std::optional<double> value, lower, upper;
};
/// The block's own dogs: N_hat, N_lo, N_hi.
Estimate block_dogs(const ReportRow& row);
/// The block's dogs under its stratum's shared visibility: N_pool, N_pool_lo, N_pool_hi.
Estimate pooled_dogs(const ReportRow& row);
/// A total row's dogs: city_N, city_lo, city_hi.
Estimate total_dogs(const ReportRow& row);
/// The share seen at least once (seen_any) where the stratum gave seven histories, else the
/// share seen on one count (seen).
std::optional<double> share_seen(const ReportRow& row);

/// The shape of a report, known before its first row.
struct ReportLayout {
    std::vector<std::string> carried;  // the carried columns' names, each once, in order
    bool with_pool = false;            // the columns of pooled visibility
    bool with_city = false;            // the columns of the city total
    /// The behaviour model's columns among the pooled ones (aicc_weight_behaviour, P_first,
    /// P_again): some stratum was fitted from all seven histories. A survey of four histories
    /// has no such model, and its table keeps the columns it always had.
    bool with_behaviour = false;
    /// The columns of coverage after vaccination: some stratum's blocks give their marked dogs.
    /// A survey without marks keeps the columns it always had.
    bool with_coverage = false;
    bool with_vaccinated = false;  // N_vaccinated_check: the campaign's records were given
    double coverage_target = 0.7;  // the coverage the strata are measured against
    std::optional<std::string> stratum_column;
};

/// Takes a report's rows as they are made. A sink that cannot take them (a full disk) throws
/// SinkError; the report then ends with its words.
class ReportSink {
public:
    virtual ~ReportSink() = default;
    virtual void begin(const ReportLayout& layout) = 0;
    virtual void row(const ReportRow& row) = 0;
    /// The report is whole.
    virtual void finish() = 0;
    /// The report ends early on an unreadable file, after the rows given so far.
    virtual void abandon() {}
};

struct SinkError {
    std::string message;  // the report's words for it
};

/// Every row to each of several sinks, in order.
class ReportSinks : public ReportSink {
public:
    explicit ReportSinks(std::vector<ReportSink*> sinks) : sinks_(std::move(sinks)) {}
    void begin(const ReportLayout& layout) override;
    void row(const ReportRow& row) override;
    void finish() override;
    void abandon() override;

private:
    std::vector<ReportSink*> sinks_;
};

/// The whole report kept as values, for a reader that needs all of it (the window).
struct ReportRows : public ReportSink {
    ReportLayout layout;
    std::vector<ReportRow> rows;
    bool whole = false;  // finished, not abandoned

    void begin(const ReportLayout& shape) override { layout = shape; }
    void row(const ReportRow& row) override { rows.push_back(row); }
    void finish() override { whole = true; }

    /// The block rows come first, then the pooled rows, then the total rows.
    std::size_t blocks() const;
};

}  // namespace kestrivo::survey
