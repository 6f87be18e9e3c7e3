// The language the window speaks: the one the user chose in Help > Language, kept in the settings,
// or the system's. It is read once at start, as Qt's widgets take their texts when they are made.
#pragma once

#include <QLocale>
#include <QString>
#include <vector>

class QCoreApplication;

namespace kestrivo::window {

/// A language the window can be set to: its code as kept in the settings ("" for the system's)
/// and its name as shown in the menu.
struct LanguageChoice {
    QString code;
    QString name;
};

/// The choices of Help > Language, in the menu's order: the system's first, then each language
/// in its own name.
const std::vector<LanguageChoice>& language_choices();

/// The language code kept in the settings, "" when none was chosen (the system's).
QString saved_language();
void save_language(const QString& code);

/// The locale the window uses: the saved language's, else the system's first user-interface
/// language.
QLocale chosen_locale();

/// Installs Qt's own translations (standard dialogs and buttons) and the window's for `locale`,
/// and makes it the default locale so numbers follow it. English needs no translation, so none
/// is installed for it; a language with no translation found leaves the English texts.
void install_translations(QCoreApplication& app, const QLocale& locale);

}  // namespace kestrivo::window
