// The survey's maps as the PDF report draws them: each block's outline (its point where it has
// none) filled by its dogs or by its stratum's vaccination coverage, its label, each stratum's
// area as the map files give it, a scale, north and a legend whose classes are the map files'.
// A plain longitude and latitude drawing, no tiles: the report is read on paper, offline.
#pragma once

#include <QImage>
#include <QSize>

#include "survey/report_rows.h"

namespace kestrivo::window {

/// The blocks coloured by their dogs under their stratum's visibility (N_pool, else N_hat) in the
/// map files' five classes, with a legend; a null image when no block has a readable place.
QImage survey_map_image(const survey::ReportRows& report, QSize size);

/// The blocks coloured by their stratum's vaccination coverage against `target` (below,
/// uncertain, reached, no interval), with a legend; a null image when no block has a place or
/// the report has no coverage.
QImage coverage_map_image(const survey::ReportRows& report, double target, QSize size);

}  // namespace kestrivo::window
