// The guide's picture of the Plan... dialog, made from the program's own widgets rather than by
// hand: the README's example survey as the pilot, its wards' 60 and 40 blocks in the city, the
// dialog's own target and assurance, a plan run to its end. Not a check: it runs only when
// scripts/plan-dialog-screenshot names the file to write (KESTRIVO_SCREENSHOT), and is left out
// of the ordinary test run.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPushButton>
#include <QTest>

#include "tests/window/in_language.h"
#include "window/form1.h"
#include "window/plan_dialog.h"
#include "window/survey_window.h"

using namespace kestrivo::window;

namespace {

constexpr int kPatience = 600000;  // milliseconds: 500 surveys a k on a busy machine

// The README's example survey with its wards' 60 and 40 blocks in the city, its report done;
// null when it did not open or finish.
SurveyWindow* example_survey(Form1& form) {
    kestrivo::survey::DesignOptions design;
    design.stratum_column = "ward";
    design.blocks_by_stratum = {{"North", 60}, {"South", 40}};
    SurveyWindow* window =
        form.open_survey_window(QStringLiteral(KESTRIVO_DOCS "/example-survey.csv"), design);
    if (!window || !QTest::qWaitFor([&] { return !window->busy(); }, kPatience)) return nullptr;
    return window;
}

TEST(docs_screenshot, plan_dialog) {
    const QString file = qEnvironmentVariable("KESTRIVO_SCREENSHOT");
    if (file.isEmpty()) GTEST_SKIP() << "KESTRIVO_SCREENSHOT names no file to write";
    Form1 form;
    SurveyWindow* window = example_survey(form);
    ASSERT_NE(window, nullptr);
    window->open_plan();
    PlanDialog* dialog = window->plan_dialog();
    ASSERT_NE(dialog, nullptr);
    dialog->resize(860, 720);
    dialog->start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog->busy(); }, kPatience));
    QCoreApplication::processEvents();
    ASSERT_TRUE(dialog->made());
    ASSERT_TRUE(dialog->made()->plan.recommended);
    EXPECT_TRUE(dialog->grab().save(file, "PNG")) << file.toStdString();
}

// The guide's picture of the survey window in another language (KESTRIVO_LANGUAGE, "fr" unless
// set): the example survey with its wards' blocks in the city and a title, after its report.
TEST(docs_screenshot, survey_window_in_a_language) {
    const QString file = qEnvironmentVariable("KESTRIVO_SCREENSHOT");
    if (file.isEmpty()) GTEST_SKIP() << "KESTRIVO_SCREENSHOT names no file to write";
    const QString code = qEnvironmentVariable("KESTRIVO_LANGUAGE", QStringLiteral("fr"));
    const InLanguage language(code);
    ASSERT_TRUE(language.loaded());
    Form1 form;
    SurveyWindow* window = example_survey(form);
    ASSERT_NE(window, nullptr);
    window->resize(1100, 720);
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->grab().save(file, "PNG")) << file.toStdString();
}

// The block window in another language after "estimate" on its own counts, for a look at its
// fixed-width captions (scripts/block-window-screenshot).
TEST(docs_screenshot, block_window_in_a_language) {
    const QString file = qEnvironmentVariable("KESTRIVO_SCREENSHOT");
    if (file.isEmpty()) GTEST_SKIP() << "KESTRIVO_SCREENSHOT names no file to write";
    const QString code = qEnvironmentVariable("KESTRIVO_LANGUAGE", QStringLiteral("fr"));
    const InLanguage language(code);
    ASSERT_TRUE(language.loaded());
    Form1 form;
    form.show();
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_TRUE(form.grab().save(file, "PNG")) << file.toStdString();
}

}  // namespace
