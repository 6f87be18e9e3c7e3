// One block's counts as a survey file: what the window's Save counts writes, and what Open survey
// (or kestrivo-report) reads back as that block.
#pragma once

#include <optional>
#include <string>

#include "analysis/survey_design.h"

namespace kestrivo::survey {

/// The header c100,c111,c101,c110 (and s_held when S is held) and one row of `counts`, with CRLF
/// line ends as a spreadsheet writes them; a held S in the shortest form that reads back to it.
std::string one_block_survey(const analysis::Counts& counts, std::optional<double> s_held);

}  // namespace kestrivo::survey
