// The window's languages: every text the window can translate is in each language's .ts file
// (run lupdate over the sources and compare), how much of each is still untranslated, and
// Help > Language keeping the user's choice for the next start.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <string>
#include <vector>

#include "window/form1.h"
#include "window/language.h"
#include "window/survey_answer.h"
#include "window/survey_window.h"

using namespace kestrivo::window;

namespace {

const char* const kLanguages[] = {"fr", "es", "pt"};

struct TsFile {
    QSet<QString> sources;  // "context\nsource text"
    int messages = 0, unfinished = 0;
};

TsFile read_ts(const QString& path) {
    TsFile ts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return ts;
    QDomDocument document;
    if (!document.setContent(&file)) return ts;
    const QDomNodeList contexts = document.elementsByTagName(QStringLiteral("context"));
    for (int c = 0; c < contexts.count(); ++c) {
        const QDomElement context = contexts.at(c).toElement();
        const QString name = context.firstChildElement(QStringLiteral("name")).text();
        for (QDomElement message = context.firstChildElement(QStringLiteral("message"));
             !message.isNull(); message = message.nextSiblingElement(QStringLiteral("message"))) {
            ts.sources.insert(name + QLatin1Char('\n') +
                              message.firstChildElement(QStringLiteral("source")).text());
            ++ts.messages;
            const QDomElement translation =
                message.firstChildElement(QStringLiteral("translation"));
            ts.unfinished +=
                translation.attribute(QStringLiteral("type")) == QStringLiteral("unfinished") ||
                translation.text().isEmpty();
        }
    }
    return ts;
}

QString committed_ts(const char* language) {
    return QStringLiteral(KESTRIVO_SOURCE_DIR "/i18n/kestrivo_%1.ts").arg(QLatin1String(language));
}

// What lupdate finds in the window's sources today, as the build's lupdate target would.
TsFile texts_in_the_sources() {
    QTemporaryDir folder;
    const QString ts = folder.filePath(QStringLiteral("now.ts"));
    QStringList arguments{QStringLiteral("-I"), QStringLiteral(KESTRIVO_SOURCE_DIR),
                          QStringLiteral("-no-obsolete"), QStringLiteral("-locations"),
                          QStringLiteral("none")};
    const QDir window(QStringLiteral(KESTRIVO_SOURCE_DIR "/window"));
    for (const QString& name : window.entryList({QStringLiteral("*.cpp")}, QDir::Files))
        arguments << window.filePath(name);
    arguments << QStringLiteral("-ts") << ts;
    QProcess lupdate;
    lupdate.start(QStringLiteral(KESTRIVO_LUPDATE), arguments);
    EXPECT_TRUE(lupdate.waitForFinished(120000)) << "lupdate did not finish";
    EXPECT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    return read_ts(ts);
}

class translations_test : public ::testing::TestWithParam<const char*> {
protected:
    static void SetUpTestSuite() { now_ = new TsFile(texts_in_the_sources()); }
    static void TearDownTestSuite() { delete now_; }
    static TsFile* now_;
};
TsFile* translations_test::now_ = nullptr;

TEST_P(translations_test, every_text_the_window_translates_is_in_the_ts_file) {
    ASSERT_GT(now_->sources.size(), 0) << "lupdate found no text in window/";
    const TsFile committed = read_ts(committed_ts(GetParam()));
    std::string missing;
    for (const QString& text : now_->sources) {
        if (!committed.sources.contains(text)) missing += "  " + text.toStdString() + "\n";
    }
    EXPECT_TRUE(missing.empty()) << committed_ts(GetParam()).toStdString()
                                 << " lacks these (run the kestrivo_window_lupdate target):\n"
                                 << missing;
}

// tr() looks its texts up under the full name given to Q_DECLARE_TR_FUNCTIONS or Q_OBJECT's
// class; where lupdate loses track of the class (as it did after a lambda), it files the texts
// under a bare name that no run ever asks for, and they are never translated.
TEST_P(translations_test, every_text_is_under_the_name_the_window_looks_it_up_by) {
    std::string lost;
    for (const QString& text : now_->sources) {
        if (!text.startsWith(QStringLiteral("kestrivo::window::")))
            lost += "  " + text.toStdString() + "\n";
    }
    EXPECT_TRUE(lost.empty()) << "texts outside a kestrivo::window:: context:\n" << lost;
}

// Every text is translated: a text added to the window without its translations fails here until
// the translators have done it (lrelease would ship it in English).
TEST_P(translations_test, every_text_is_translated) {
    const TsFile committed = read_ts(committed_ts(GetParam()));
    ASSERT_GT(committed.sources.size(), 0);
    EXPECT_EQ(committed.unfinished, 0) << GetParam() << ": " << committed.unfinished << " of "
                                       << committed.messages << " texts untranslated";
}

INSTANTIATE_TEST_SUITE_P(languages, translations_test, ::testing::ValuesIn(kLanguages));

QAction* checked_language(const Form1& form) {
    for (QAction* action : form.actions.languages) {
        if (action->isChecked()) return action;
    }
    return nullptr;
}

TEST(language_menu_test, the_choice_is_saved_told_and_checked_at_the_next_start) {
    save_language(QString());
    const std::vector<LanguageChoice>& choices = language_choices();
    for (std::size_t i = 0; i < choices.size(); ++i) {
        SCOPED_TRACE(choices[i].code.toStdString());
        QStringList told;
        {
            Form1 form;
            ASSERT_EQ(form.actions.languages.size(), choices.size());
            form.dialogs().tell = [&](const QString& message) { told << message; };
            form.actions.languages[i]->trigger();
            EXPECT_EQ(saved_language(), choices[i].code);
            EXPECT_EQ(told.size(), 1);
            EXPECT_TRUE(told.value(0).contains(QStringLiteral("restart Kestrivo")));
        }
        Form1 next;
        QAction* checked = checked_language(next);
        ASSERT_NE(checked, nullptr);
        EXPECT_EQ(checked->data().toString(), choices[i].code);
        EXPECT_EQ(checked->text(), choices[i].name);
        if (!choices[i].code.isEmpty()) {
            EXPECT_EQ(chosen_locale().language(), QLocale(choices[i].code).language());
        }
    }
    save_language(QString());
}

// The survey window opened in each language: its design box and its answer in that language, and
// the answer's numbers in the language's own form (French groups thousands with a narrow no-break
// space, Portuguese with a dot), the same numbers as in English.
TEST(language_window_test, the_survey_window_answers_in_each_language) {
    kestrivo::survey::DesignOptions design;
    design.stratum_column = "ward";
    design.blocks_by_stratum = {{"North", 60}, {"South", 40}};
    const QString survey = QStringLiteral(KESTRIVO_SOURCE_DIR "/docs/example-survey.csv");
    const QLocale before;
    QString english;
    for (const char* code : {"en", "fr", "es", "pt"}) {
        SCOPED_TRACE(code);
        const QLocale locale{QString::fromLatin1(code)};
        QTranslator translator;
        if (std::string(code) != "en") {
            ASSERT_TRUE(translator.load(
                QStringLiteral(":/kestrivo/i18n/kestrivo_%1").arg(QString::fromLatin1(code))));
            QCoreApplication::installTranslator(&translator);
        }
        QLocale::setDefault(locale);
        {
            Form1 form;
            SurveyWindow* window = form.open_survey_window(survey, design);
            ASSERT_NE(window, nullptr);
            ASSERT_TRUE(QTest::qWaitFor([&] { return !window->busy(); }, 120000));
            QCoreApplication::processEvents();
            ASSERT_TRUE(window->last_rows());
            const kestrivo::survey::ReportRow* city = nullptr;
            for (const auto& row : window->last_rows()->rows)
                if (row.city) city = &row;
            ASSERT_NE(city, nullptr);
            const TotalInWords total = total_in_words(*city);
            ASSERT_TRUE(total.dogs && total.lower && total.upper);
            const QString answer = window->answer->text();
            for (double n : {*total.dogs, *total.lower, *total.upper})
                EXPECT_TRUE(answer.contains(people_number(n, locale))) << answer.toStdString();
            const auto* box = window->findChild<QGroupBox*>();
            ASSERT_NE(box, nullptr);
            if (english.isEmpty()) {
                english = answer;
                EXPECT_EQ(box->title(), QStringLiteral("Design"));
            } else {
                // The words, not only the numbers' form: numbers and separators set aside.
                const auto words = [](QString text) {
                    return text.remove(QRegularExpression(QStringLiteral("[\\d\\s.,]")));
                };
                EXPECT_NE(words(answer).toStdString(), words(english).toStdString());
                EXPECT_NE(box->title(), QStringLiteral("Design"));
            }
            window->close();
        }
        QCoreApplication::removeTranslator(&translator);
    }
    QLocale::setDefault(before);
}

}  // namespace
