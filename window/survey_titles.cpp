// Titles live in the user's Kestrivo settings under a digest of the survey's paths: a path can
// hold any character, which a settings key cannot, and a digest keeps the paths themselves out
// of the settings file.
#include "window/survey_titles.h"

#include <QCryptographicHash>
#include <QSettings>

namespace kestrivo::window {
namespace {

QString key_of(const std::string& key) {
    const QByteArray digest =
        QCryptographicHash::hash(QByteArray::fromStdString(key), QCryptographicHash::Sha256);
    return QStringLiteral("survey-titles/") + QString::fromLatin1(digest.toHex().left(32));
}

}  // namespace

QString remembered_title(const std::string& key) {
    if (key.empty()) return {};
    return QSettings(QStringLiteral("Kestrivo"), QStringLiteral("Kestrivo"))
        .value(key_of(key))
        .toString();
}

void remember_title(const std::string& key, const QString& title) {
    if (key.empty()) return;
    QSettings settings(QStringLiteral("Kestrivo"), QStringLiteral("Kestrivo"));
    if (title.trimmed().isEmpty()) {
        settings.remove(key_of(key));
    } else {
        settings.setValue(key_of(key), title);
    }
}

}  // namespace kestrivo::window
