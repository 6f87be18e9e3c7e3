// The window's texts and numbers in one language while it lives: the language's translation
// installed ("en" installs none) and a locale made the default, the previous one back after. A
// test that stops half-way leaves the next one in English.
#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <QTranslator>
#include <optional>

class InLanguage {
public:
    /// `numbers`: the locale whose numbers the test wants, the language's own unless given.
    explicit InLanguage(const QString& code, const std::optional<QLocale>& numbers = std::nullopt) {
        loaded_ = code == QLatin1String("en") ||
                  (translator_.load(QStringLiteral(":/kestrivo/i18n/kestrivo_") + code) &&
                   QCoreApplication::installTranslator(&translator_));
        QLocale::setDefault(numbers.value_or(QLocale(code)));
    }
    explicit InLanguage(const char* code, const std::optional<QLocale>& numbers = std::nullopt)
        : InLanguage(QString::fromLatin1(code), numbers) {}
    ~InLanguage() {
        QCoreApplication::removeTranslator(&translator_);
        QLocale::setDefault(before_);
    }
    InLanguage(const InLanguage&) = delete;
    InLanguage& operator=(const InLanguage&) = delete;

    /// Whether the translation was found and installed.
    bool loaded() const { return loaded_; }

private:
    QLocale before_;
    QTranslator translator_;
    bool loaded_ = false;
};
