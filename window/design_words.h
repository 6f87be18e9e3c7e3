// A refused design in the survey window's words: the controls the user changes (the strata
// column, the weight column, "Blocks in the city"), not the command line's options, which a user
// of the window never typed.
#pragma once

#include <QString>

#include "survey/design_builder.h"

namespace kestrivo::window {

QString window_words(const survey::DesignRefusal& refusal);

}  // namespace kestrivo::window
