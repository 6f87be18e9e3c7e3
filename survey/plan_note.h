// The plan's note in words: what its recommendation is (or why there is none), a warning where
// the estimate would not be trustworthy at the assumptions, and what the plan assumed. kestrivo-
// plan writes it in its table; the window's Plan... dialog and the PDF report show it.
#pragma once

#include <string>

#include "analysis/survey_plan.h"

namespace kestrivo::survey {

/// Numbers in the plan's texts and tables: the simulation's own error is larger than six
/// significant digits.
constexpr int kPlanDigits = 6;

struct PlanNote {
    std::string note;     // the whole note, the warning within it
    std::string warning;  // "" or why the recommended k's estimate is not trustworthy
};

/// The note of `plan`, made for `request` (whose strata hold the assumptions).
PlanNote plan_note(const analysis::Plan& plan, const analysis::PlanRequest& request);

}  // namespace kestrivo::survey
