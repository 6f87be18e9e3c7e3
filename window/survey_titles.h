// A survey's title (the city or area it covers), typed once in the survey window and kept for
// that survey's files between runs, so that every report of it is headed the same.
#pragma once

#include <QString>
#include <string>

namespace kestrivo::window {

/// The title kept for the survey remembered as `key` (its files' paths); "" when none is.
QString remembered_title(const std::string& key);

/// Keeps `title` for the survey remembered as `key`; an empty title forgets it.
void remember_title(const std::string& key, const QString& title);

}  // namespace kestrivo::window
