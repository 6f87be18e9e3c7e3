// What kestrivo-tabulate writes: the survey file that kestrivo-report reads (a block a row, its
// seven histories and, when recorded, its marked dogs', its stratum, where it lies, how many
// conflicts touch it, and the rest of what is known of it), and the list of conflicts a team
// works through before the report.
#pragma once

#include <ostream>
#include <vector>

#include "field/tabulation.h"

namespace kestrivo::field {

/// The survey file: block, c100, c111, c101, c110, c010, c001, c011, when sightings recorded
/// vaccination marks the marked dogs' histories m100 ... m011 and mark_unknown, the stratum column
/// under its own name, latitude, longitude, outline, conflicts, then the rest. A block touched by
/// a conflict has its counts empty.
void write_tabulated_survey(std::ostream& out, const TabulatedSurvey& survey);

/// The conflicts: kind, block, count, dog_id, file, line, detail.
void write_conflicts(std::ostream& out, const std::vector<Conflict>& conflicts);

}  // namespace kestrivo::field
