// The inference report in the few lines the window has room for, beside the help text: the 95%
// limits of the profiled parameter and of the share seen, the dogs on the block, a sentence for an
// estimate on an edge of its range, and the fit check. Plain text in the user's number format.
#pragma once

#include <string>
#include <vector>

#include "analysis/inference_report.h"
#include "platform/number_text.h"
#include "plot/plot_picture.h"

namespace kestrivo::window {

/// The strip's text, one line per subject. `profile_p` picks P or S as the parameter whose limits
/// are shown (the one the plot profiles).
std::string report_strip_text(const kestrivo::analysis::Report& report, bool profile_p,
                              const platform::NumberLocale& locale);

/// The plot in words, for a screen reader: what is profiled over which range, where the curve is
/// highest and how high, and the 95% limits that the red line marks.
std::string plot_description(const kestrivo::analysis::Report& report,
                             const plot::PlotPicture& picture,
                             const platform::NumberLocale& locale);

/// The report as a table for the clipboard: a header row, then a row per quantity with its
/// estimate, 95% limits and a note. Numbers have 15 significant digits in the user's format.
std::vector<std::vector<std::string>> results_table(const kestrivo::analysis::Report& report,
                                                    const platform::NumberLocale& locale);
/// Cells joined by tabs, rows ended by line feeds: a spreadsheet pastes it into columns.
std::string tab_separated(const std::vector<std::vector<std::string>>& table);
/// The table as an HTML table, for programs that paste rich text.
std::string html_table(const std::vector<std::vector<std::string>>& table);

}  // namespace kestrivo::window
