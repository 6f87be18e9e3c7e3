// A plan once made, as the survey window keeps it for its PDF report, and its picture (the
// half-width against k, the target, the recommendation) on any painter: the Plan... dialog's
// screen and the report's page draw it by the same procedure as kestrivo-plan's --plot.
#pragma once

#include <QFont>
#include <QSizeF>
#include <string>

#include "analysis/survey_plan.h"
#include "plot/drawing_surface.h"

class QPainter;

namespace kestrivo::window {

struct MadePlan {
    analysis::Plan plan;
    analysis::PlanRequest request;  // its strata hold the pilot's assumptions
    std::string note;               // as kestrivo-plan writes it
};

/// The plan's picture on `painter`, filling `size` from the painter's origin.
void paint_plan_picture(QPainter& painter, QSizeF size, const MadePlan& made);
/// The same picture on any `surface` (cleared first), and the font paint_plan_picture gives it.
void draw_plan_picture(plot::DrawingSurface& surface, const MadePlan& made);
QFont plan_picture_font();

/// "North 10, South 7": the recommended k's blocks by stratum, or the k alone without strata.
std::string allocation_words(const MadePlan& made, const analysis::PlanRow& row);

}  // namespace kestrivo::window
