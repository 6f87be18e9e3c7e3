// The survey report a team hands over as it is: one PDF, written by Qt's own PDF writer, with the
// survey's name and date, its design, the city's dogs and the vaccine doses, the strata, the
// table of blocks, a map of the blocks' points coloured by their dogs (a plain longitude and
// latitude drawing, no tiles), the plan when one was made, and what the numbers assume.
#pragma once

#include <QImage>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include <memory>

#include "survey/report_rows.h"

#include "window/plan_picture.h"

namespace kestrivo::window {

struct SurveyPdf {
    std::string name;            // the survey's file
    std::string stratum_column;  // "" without strata
    bool weighted = false;
    double coverage = 0.7;  // the vaccination coverage asked for
    double level = 0.95;
    std::shared_ptr<const survey::ReportRows> rows;  // the report
    /// Each stratum's name (as shown), blocks counted and blocks in the city (as typed).
    struct DesignRow {
        std::string stratum, counted, in_city;
    };
    std::vector<DesignRow> design;
    std::optional<MadePlan> plan;
    std::size_t conflicts = 0;  // conflicts in the field data it was tabulated from
};

/// The blocks' points coloured by N_pool in five classes, with a legend; a null image when no
/// block has a readable latitude and longitude.
QImage survey_map_image(const survey::ReportRows& report, QSize size);

/// The blocks' points coloured by their stratum's vaccination coverage against `target` (below,
/// uncertain, reached, no interval), with a legend; a null image when no block has a place or
/// the report has no coverage.
QImage coverage_map_image(const survey::ReportRows& report, double target, QSize size);

/// Writes the report to `path`. Throws platform::RuntimeError when it cannot be written.
void write_survey_pdf(const QString& path, const SurveyPdf& pdf);

}  // namespace kestrivo::window
