// The sinks that fan rows out to several readers, or keep them all.
#include "survey/report_rows.h"

namespace kestrivo::survey {

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
