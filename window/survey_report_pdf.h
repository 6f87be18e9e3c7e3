// The survey report a team hands over as it is, to a reader who was not there: one PDF with the
// survey's title, fieldwork and teams, the city's dogs and the vaccine doses with the map on the
// first page, how to read it, the design and the blocks left out and why, the strata, coverage
// after a campaign, the table of blocks, the plan when one was made, what the numbers assume, the
// method with its references, and the conflicts found in the field data.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include <memory>

#include "field/tabulation.h"
#include "survey/report_rows.h"

#include "window/plan_picture.h"
#include "window/survey_map_picture.h"

namespace kestrivo::window {

struct SurveyPdf {
    std::string name;                 // the survey's files
    std::string title;                // the city or area, as typed in the window; "" when none
    std::string first_day, last_day;  // the fieldwork's ("YYYY-MM-DD"); "" when not known
    std::string stratum_column;       // "" without strata
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
    std::vector<field::Conflict> conflicts;  // found in the field data it was tabulated from
};

/// Writes the report to `path`. Throws platform::RuntimeError when it cannot be written.
void write_survey_pdf(const QString& path, const SurveyPdf& pdf);

}  // namespace kestrivo::window
