// What a pilot survey says a plan should assume: for each stratum, the pooled S and P of its
// blocks, and the mean and negative-binomial dispersion of their dogs under that visibility, by
// moments (Poisson when they vary no more than that). Where the pilot gives all seven histories,
// the visibility is the model the report chooses for the stratum by AICc (P on each count for
// the by-count model) and the blocks' dogs are the report's, over the averaged share ever seen;
// the plan's surveys then record the seven histories too. kestrivo-plan's --pilot and the survey
// window's Plan... dialog both take a pilot through here.
#pragma once

#include <istream>
#include <string>
#include <vector>

#include "analysis/survey_plan.h"
#include "survey/design_builder.h"

namespace kestrivo::survey {

/// The pilot read from `in` (named `name` in messages), its strata as `design` makes them (each
/// needs its K). Each row that cannot be used is said in `notes`, with its file, line and column,
/// and so is how many of the rows were. Throws std::runtime_error with a message for the user
/// when the assumptions cannot be had (no readable block, a stratum of one block, a visibility
/// that cannot be fitted).
std::vector<analysis::PlanStratum> pilot_assumptions(std::istream& in, const std::string& name,
                                                     DesignOptions design,
                                                     const analysis::Library& library, double level,
                                                     std::vector<std::string>& notes);

/// The same from the file at `path`.
std::vector<analysis::PlanStratum> pilot_assumptions(const std::string& path,
                                                     const DesignOptions& design,
                                                     const analysis::Library& library, double level,
                                                     std::vector<std::string>& notes);

}  // namespace kestrivo::survey
