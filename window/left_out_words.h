// Why a block was left out of the survey's estimates, in words a ward officer reads: the count
// named by what it counts ("the number of dogs seen on the first count only"), not by its column
// alone, and the line of the file to look at. The report's own error text stays what the CSV and
// JSON write; these words are for the window and its PDF. Each sentence is one whole format
// string with %1 placeholders, so that it can be translated as a whole.
#pragma once

#include <QString>

#include "survey/report_rows.h"

namespace kestrivo::window {

/// What a column of the survey file holds, with its name in brackets: "the number of dogs seen
/// on the first count only (c100)". A column of the file's own (a weight, a stratum) is named as
/// it is: "column weight".
QString column_words(const std::string& column);

/// One sentence for a block row with an error: "Left out: the number of dogs seen on the first
/// count only (c100) is missing (line 3 of the file)." "" for a row without an error.
QString left_out_words(const survey::ReportRow& row);

/// Whether a block row was left out of its stratum and the city's total: a row the reader or the
/// weights refused. A block whose own fit gives no estimate is still in its stratum.
bool left_out_of_strata(const survey::ReportRow& row);

/// The blocks used and those left out, the reasons grouped and counted: "10 blocks used; 2 left
/// out: 1 with a count missing, 1 with a count that is not a whole number." Only block rows are
/// counted.
QString left_out_summary(const survey::ReportRows& rows);

}  // namespace kestrivo::window
