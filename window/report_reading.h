// The parts of the PDF report that explain rather than report: how to read it, the method with
// its references, what the numbers assume, and the conflicts found in the field data, all in the
// words of someone who was not there. Each returns HTML for the report's document.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "field/tabulation.h"
#include "survey/report_rows.h"

namespace kestrivo::window {

/// The report's HTML pieces, shared by its sections: a section's heading, and text from the data
/// escaped for HTML.
QString report_heading(const QString& text);
QString report_html(const std::string& text);

/// "How to read this report": the share always seen, the chance of being seen, what the interval
/// at `level` means and does not mean, and why a block's own estimate and its estimate with its
/// stratum's shared visibility differ; coverage after vaccination where the report has it.
QString how_to_read_section(const survey::ReportLayout& layout, double level);

/// "Method": closed-population capture-recapture, the models and the choice between them, the
/// pooled visibility and its test, the bootstrap of blocks, with the standard references.
QString method_section(const survey::ReportLayout& layout, bool weighted);

/// "What the numbers assume", closing with the city's own notes.
QString assumptions_section(bool weighted, const survey::ReportRow* city);

/// The conflicts, one row each (what kind, block, count, dog, what was found); "" without any.
QString conflicts_appendix(const std::vector<field::Conflict>& conflicts);

/// A conflict's kind as a reader says it ("one dog entered twice in one count").
QString conflict_kind_words(field::ConflictKind kind);

/// The limits of a block's own fit that stopped at the edge of the range searched, in words
/// ("Own interval open: share always seen may be none."); "" for none. `names` as the report's
/// columns call them ("S_lo P_hi").
QString edges_words(const std::string& names);

}  // namespace kestrivo::window
