// Why a survey file's header cannot serve, in the window's language: the reader's message,
// which kestrivo-report writes, made again from the reasons it keeps as data.
#pragma once

#include <QString>

#include "survey/survey_reader.h"

namespace kestrivo::window {

/// One sentence, naming the file: "survey.csv: the header lacks the column c110; …".
QString header_words(const survey::HeaderRefused& refused);

}  // namespace kestrivo::window
