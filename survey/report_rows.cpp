// The sinks that fan rows out to several readers, or keep them all.
#include "survey/report_rows.h"

#include <cmath>

namespace kestrivo::survey {
namespace {

// A number the report writes: none where it is no number or past the largest double.
std::optional<double> number(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace

Estimate block_dogs(const ReportRow& row) {
    if (!row.report || !row.report->dogs) return {};
    const analysis::DogsOnBlock& dogs = *row.report->dogs;
    return {number(dogs.estimate), number(dogs.lower),
            row.report->empty_block ? std::nullopt : number(dogs.upper)};
}

Estimate pooled_dogs(const ReportRow& row) {
    if (!row.cells.dogs_pooled) return {};
    const analysis::DogsOnBlock& dogs = *row.cells.dogs_pooled;
    return {number(dogs.estimate), number(dogs.lower), number(dogs.upper)};
}

Estimate total_dogs(const ReportRow& row) {
    if (!row.cells.total) return {};
    const analysis::TotalEstimate& total = *row.cells.total;
    const auto of = [](const std::optional<double>& v) { return v ? number(*v) : std::nullopt; };
    return {of(total.dogs), of(total.lower), of(total.upper)};
}

std::optional<double> share_seen(const ReportRow& row) {
    if (row.cells.seven) return number(row.cells.seven->seen_any);
    if (row.report && row.report->estimates) return number(row.report->estimates->seen);
    return std::nullopt;
}

void ReportSinks::begin(const ReportLayout& layout) {
    for (ReportSink* sink : sinks_)
        sink->begin(layout);
}

void ReportSinks::row(const ReportRow& row) {
    for (ReportSink* sink : sinks_)
        sink->row(row);
}

void ReportSinks::finish() {
    for (ReportSink* sink : sinks_)
        sink->finish();
}

void ReportSinks::abandon() {
    for (ReportSink* sink : sinks_)
        sink->abandon();
}

std::size_t ReportRows::blocks() const {
    std::size_t n = 0;
    while (n < rows.size() && rows[n].kind == RowKind::block)
        ++n;
    return n;
}

}  // namespace kestrivo::survey
