// Chooses and installs the window's language at start; Help > Language only saves the choice.
#include "window/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

namespace kestrivo::window {

namespace {

QSettings settings() {
    return QSettings(QStringLiteral("Kestrivo"), QStringLiteral("Kestrivo"));
}

const QString kLanguageKey = QStringLiteral("language");

// Qt ships some translations under a country's name only (Portuguese as Brazil's): a language
// with none of its own takes the first of these.
QString qt_translation_file(const QLocale& locale) {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QString language = QLocale::languageToCode(locale.language());
    const QString country = QLocale::territoryToCode(locale.territory());
    for (const QString& name : {QStringLiteral("qtbase_%1_%2").arg(language, country),
                                QStringLiteral("qtbase_%1").arg(language),
                                QStringLiteral("qtbase_%1_BR").arg(language)}) {
        QTranslator probe;
        if (probe.load(name, folder)) return folder + QLatin1Char('/') + name;
    }
    return QString();
}

void install(QCoreApplication& app, const QString& file, const QString& folder = QString()) {
    auto* translator = new QTranslator(&app);
    if (translator->load(file, folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

}  // namespace

const std::vector<LanguageChoice>& language_choices() {
    // Each language is named in itself, so a user lost in another one can still find theirs.
    static const std::vector<LanguageChoice> choices = {
        {QString(), QCoreApplication::translate("kestrivo::window::Form1", "System language")},
        {QStringLiteral("en"), QStringLiteral("English")},
        {QStringLiteral("fr"), QStringLiteral("Français")},
        {QStringLiteral("es"), QStringLiteral("Español")},
        {QStringLiteral("pt"), QStringLiteral("Português")},
    };
    return choices;
}

QString saved_language() {
    return settings().value(kLanguageKey).toString();
}

void save_language(const QString& code) {
    QSettings kept = settings();
    if (code.isEmpty())
        kept.remove(kLanguageKey);
    else
        kept.setValue(kLanguageKey, code);
}

QLocale chosen_locale() {
    const QString saved = saved_language();
    if (!saved.isEmpty()) return QLocale(saved);
    const QStringList system = QLocale::system().uiLanguages();
    return system.isEmpty() ? QLocale::system() : QLocale(system.first());
}

void install_translations(QCoreApplication& app, const QLocale& locale) {
    QLocale::setDefault(locale);
    if (locale.language() == QLocale::English || locale.language() == QLocale::C) return;
    if (const QString qt = qt_translation_file(locale); !qt.isEmpty()) install(app, qt);
    install(app, QStringLiteral("kestrivo_") + QLocale::languageToCode(locale.language()),
            QStringLiteral(":/kestrivo/i18n"));
}

}  // namespace kestrivo::window
