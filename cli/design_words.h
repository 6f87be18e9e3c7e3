// A refused design in the command line's words: the options kestrivo-report and kestrivo-plan
// take (--stratum, --blocks-total, --weight), so the user reads which of their own words to
// change.
#pragma once

#include <string>

#include "survey/design_builder.h"

namespace kestrivo::cli {

std::string command_line_words(const survey::DesignRefusal& refusal);

}  // namespace kestrivo::cli
