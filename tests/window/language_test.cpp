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
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <string>
#include <vector>

#include "analysis/inference_report.h"
#include "analysis/pooled_visibility.h"
#include "library/kestrivo.h"
#include "tests/window/in_language.h"
#include "window/caption_fit.h"
#include "window/form1.h"
#include "window/language.h"
#include "window/report_reasons.h"
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
    for (const QString& name :
         window.entryList({QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files))
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
    QString english;
    for (const char* code : {"en", "fr", "es", "pt"}) {
        SCOPED_TRACE(code);
        const QLocale locale{QString::fromLatin1(code)};
        const InLanguage language(code);
        ASSERT_TRUE(language.loaded());
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
    }
}

// The main window's refusals and results in each language: English exactly as it always was, and
// in the other languages other words around the text the user typed.
TEST(language_window_test, the_main_window_refuses_and_answers_in_each_language) {
    struct Refusal {
        const char* name;
        std::function<void(Form1&)> act;
        const char* english;
        const char* typed;  // what the message must still quote
        bool whole = true;  // `english` is the whole message, not its beginning
    };
    QTemporaryDir folder;
    const QString neither = folder.filePath(QStringLiteral("neither.csv"));
    {
        QFile file(neither);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("x,y\n1,2\n");
    }
    const std::string neither_english =
        "File error: " + neither.toStdString() +
        ": is neither a survey (whose header names c100, c111, c101 and c110) nor field data: ";
    const auto click = [](QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); };
    const std::vector<Refusal> refusals = {
        {"not a number",
         [&](Form1& f) {
             f.txtHist[1]->setText(QStringLiteral("abc"));
             click(f.Command1);
         },
         "Type mismatch: in the 1,0,0 box, \"abc\" is not a number.", "abc"},
        {"negative",
         [&](Form1& f) {
             f.txtHist[2]->setText(QStringLiteral("-3"));
             click(f.Command1);
         },
         "Invalid input: in the 1,1,1 box, \"-3\" is negative; a frequency is a number of dogs.",
         "-3"},
        {"too large",
         [&](Form1& f) {
             f.txtHist[0]->setText(QStringLiteral("1e999"));
             click(f.Command1);
         },
         "Overflow: in the % plotting range box, \"1e999\" is too large.", "1e999"},
        {"no dogs",
         [&](Form1& f) {
             for (int h = 1; h <= 4; ++h)
                 f.txtHist[h]->setText(QStringLiteral("0"));
             click(f.Command1);
         },
         "Invalid input: all four frequencies are 0: there are no dogs to estimate from.", ""},
        {"not a share",
         [&](Form1& f) {
             f.txtP->setText(QStringLiteral("1.5"));
             click(f.Command2);
         },
         "Invalid input: in the P box, \"1.5\" is not a share: it must lie from 0 to 1.", "1.5"},
        {"no plot",
         [](Form1& f) {
             try {
                 f.export_plot_to(QStringLiteral("plot.png"));
             } catch (const kestrivo::platform::RuntimeError& e) {
                 f.report_error(e);
             }
         },
         "Invalid input: there is no plot to export yet: press \"estimate\" first.", ""},
        {"neither a survey nor field data",
         [&](Form1& f) { f.open_command_line({neither}, std::nullopt); }, neither_english.c_str(),
         "neither.csv", false},
    };
    QStringList english_results;
    for (const char* code : {"en", "fr", "es", "pt"}) {
        SCOPED_TRACE(code);
        // The C locale's numbers, so that "1.5" and "1e999" read alike in every language.
        const InLanguage language(code, QLocale::c());
        ASSERT_TRUE(language.loaded());
        for (const Refusal& refusal : refusals) {
            SCOPED_TRACE(refusal.name);
            Form1 form;
            QStringList shown;
            form.set_error_reporter(
                [&](const kestrivo::platform::RuntimeError& e) { shown << Form1::error_words(e); });
            refusal.act(form);
            ASSERT_EQ(shown.size(), 1);
            const std::string said = shown[0].toStdString();
            if (std::string(code) == "en") {
                EXPECT_TRUE(refusal.whole ? said == refusal.english
                                          : said.starts_with(refusal.english))
                    << said;
            } else {
                // Neither the title nor the detail in English.
                const std::string english = refusal.english;
                const std::size_t colon = english.find(": ");
                EXPECT_FALSE(said.starts_with(english.substr(0, colon + 2))) << said;
                EXPECT_EQ(said.find(english.substr(colon + 2)), std::string::npos) << said;
                EXPECT_TRUE(shown[0].contains(QString::fromLatin1(refusal.typed)))
                    << shown[0].toStdString();
            }
        }
        // An estimate: the maximum, the share seen, the report strip and the plot's words.
        Form1 form;
        form.set_error_reporter(
            [](const kestrivo::platform::RuntimeError& e) { ADD_FAILURE() << e.report(); });
        click(form.Command1);
        const auto words = [](QString text) {
            return text.remove(QRegularExpression(QStringLiteral("[\\d\\s.,=()%–-]")));
        };
        const QStringList results = {words(form.Label9->text()), words(form.Label11->text()),
                                     words(form.lblReport->text()), words(form.Label10->text())};
        // Every caption whole at its fixed place, shrunk at most to kSmallestShare of its size.
        for (QLabel* caption : {form.Label2, form.Label6, form.Label7, form.Label8, form.Label3,
                                form.Label9, form.Label11})
            EXPECT_TRUE(fits_line(*caption)) << caption->text().toStdString();
        EXPECT_TRUE(fits_lines(*form.Label10, form.lblReport->y() - form.Label10->y()));
        EXPECT_TRUE(fits_lines(*form.lblReport, form.lblReport->height()))
            << form.lblReport->text().toStdString();
        for (QRadioButton* button : {form.optP, form.optS}) {
            const QStyle* style = button->style();
            const int beside = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                               style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
            EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()),
                      button->width() - beside)
                << button->text().toStdString();
        }
        for (QPushButton* button : {form.Command1, form.Command2}) {
            EXPECT_LT(button->fontMetrics().horizontalAdvance(button->text()), button->width() - 8)
                << button->text().toStdString();
        }
        if (english_results.isEmpty()) {
            english_results = results;
            EXPECT_TRUE(
                form.Label9->text().startsWith(QStringLiteral("maximum log likelihood = ")));
        } else {
            for (int i = 0; i < results.size(); ++i)
                EXPECT_NE(results[i].toStdString(), english_results[i].toStdString()) << i;
            EXPECT_FALSE(form.Label9->text().contains(QStringLiteral("maximum log likelihood")));
            EXPECT_FALSE(form.Label10->text().contains(QStringLiteral("free-roaming dogs")));
        }
    }
}

// The reasons the inference report and the pooled fit give, made by them here, each in the
// window's language: a reason they learn to give without its words here would show in English.
TEST(language_window_test, the_reports_reasons_are_in_each_language) {
    using namespace kestrivo::analysis;
    const Library library{RLOGLIK};
    std::vector<std::string> reasons;
    const auto collect = [&](const Request& request) {
        const Report r = make_report(library, request);
        for (const std::string* why :
             {&r.estimates.why_not, &r.s_limits.why_not, &r.p_limits.why_not})
            if (!why->empty()) reasons.push_back(*why);
    };
    Request request;
    request.counts = {30, 29, 36, 54};
    request.s_held = 1.0;  // some dogs were missed: impossible
    collect(request);
    request.counts = {0, 29, 0, 0};  // every dog seen every time: nothing of P
    collect(request);
    request.s_held = 1.5;
    collect(request);
    request.s_held.reset();
    request.counts = {0, 0, 0, 0};
    collect(request);
    request.counts = {-1, 2, 3, 4};
    collect(request);
    Stratum stratum;
    reasons.push_back(why_not_pooled(stratum));
    stratum.blocks = {{1, 2, 3, 4}, {1, 2, 3, 4}};
    stratum.s_held_differs = true;
    reasons.push_back(why_not_pooled(stratum));
    ASSERT_GE(reasons.size(), 8u);

    for (const char* code : kLanguages) {
        SCOPED_TRACE(code);
        const InLanguage language(code);
        ASSERT_TRUE(language.loaded());
        for (const std::string& reason : reasons) {
            EXPECT_FALSE(reason.empty());
            EXPECT_NE(report_reason(reason).toStdString(), reason);
        }
    }
}

}  // namespace
