// The window as a desktop tool: its menu bar, Open survey and Save counts (round trip, and every
// bad file), the plot exported as PNG, SVG and PDF and printed, the clipboard, the names a screen
// reader speaks, and the plot at a device pixel ratio of 2.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "platform/runtime_error.h"
#include "tests/support/temporary_folder.h"
#include "tests/window/test_helpers.h"
#include "window/form1.h"
#include "window/picture_box.h"
#include "window/survey_window.h"

using namespace kestrivo::window;

namespace {

// A window whose dialogs answer from the test: the file names to give, the block to choose.
class desktop_test : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(dir_.path()));
        form_.set_error_reporter(
            [this](const kestrivo::platform::RuntimeError& e) { errors_.push_back(e); });
        form_.dialogs().open_files = [this](const QString&, const QString&) {
            return answer_.isEmpty() ? QStringList() : QStringList{answer_};
        };
        form_.dialogs().save_file = [this](const QString&, const QString&, QString& filter) {
            if (!filter_answer_.isEmpty()) filter = filter_answer_;
            return answer_;
        };
        form_.dialogs().confirm = [this](const QString& question) {
            asked_.push_back(question.toStdString());
            return replace_answer_;
        };
        form_.dialogs().reading = [this](double) { return !cancel_reading_; };
        form_.dialogs().print = [this](QPrinter& printer) {
            if (answer_.isEmpty()) return false;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(answer_);
            return true;
        };
    }
    void TearDown() override { QDir::setCurrent(previous_); }

    void estimate() { QTest::mouseClick(form_.Command1, Qt::LeftButton); }
    std::array<QString, 6> boxes() const {
        return {
            form_.txtHist[1]->text(), form_.txtHist[2]->text(),
            form_.txtHist[3]->text(), form_.txtHist[4]->text(),
            form_.txtS->text(),       form_.chkS->isChecked() ? QString("free") : QString("held")};
    }
    QString path(const std::string& name) const { return QString::fromStdString(dir_.file(name)); }
    std::string last_error() const { return errors_.empty() ? "" : errors_.back().report(); }
    std::vector<SurveyWindow*> survey_windows() const { return form_.survey_windows(); }

    TemporaryFolder dir_;
    QString previous_;
    Form1 form_;
    std::vector<kestrivo::platform::RuntimeError> errors_;
    QString answer_, filter_answer_;
    std::vector<std::string> asked_;
    bool replace_answer_ = false, cancel_reading_ = false;
};

TEST_F(desktop_test, the_menu_bar_stands_above_the_controls_with_the_standard_shortcuts) {
    const QList<QAction*> menus = form_.menuBar->actions();
    ASSERT_EQ(menus.size(), 3);
    EXPECT_EQ(menus[0]->text(), "&File");
    EXPECT_EQ(menus[1]->text(), "&Edit");
    EXPECT_EQ(menus[2]->text(), "&Help");
    EXPECT_EQ(form_.actions.open_survey->shortcut(), QKeySequence(QKeySequence::Open));
    EXPECT_EQ(form_.actions.save_counts->shortcut(), QKeySequence(QKeySequence::Save));
    EXPECT_EQ(form_.actions.print_plot->shortcut(), QKeySequence(QKeySequence::Print));
    EXPECT_EQ(form_.actions.copy_results->shortcut(), QKeySequence(QKeySequence::Copy));
    EXPECT_EQ(form_.actions.quit->shortcut(), QKeySequence(QKeySequence::Quit));
    EXPECT_EQ(form_.actions.user_guide->shortcut(), QKeySequence(QKeySequence::HelpContents));

    // The window's own area starts under the menu bar; the controls keep their places in it.
    form_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form_));
    const int bar = form_.menuBar->height();
    EXPECT_GT(bar, 10);
    EXPECT_EQ(form_.client->geometry().top(), bar);
    EXPECT_EQ(form_.picLL->geometry(), QRect(16, 224, 953, 385));
    EXPECT_EQ(form_.height(), 9135 / 15 + 16 + bar);
    EXPECT_EQ(form_.menuBar->focusPolicy(), Qt::NoFocus);

    // Help > User guide shows the README's guide from the program's own resources, picture and
    // all, and the guide speaks of every menu command.
    QFile guide(QStringLiteral(":/kestrivo/README.md"));
    ASSERT_TRUE(guide.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(guide.readAll());
    for (const char* command : {"File > Open survey", "File > Save counts", "File > Export plot",
                                "File > Print plot", "File > Quit", "Edit > Copy results",
                                "Edit > Copy plot", "Help > User guide", "Help > About Kestrivo"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(command))) << command;
    }
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/kestrivo/docs/window-after-estimate.png")));
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/kestrivo/docs/plan-example.png")));
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/kestrivo/docs/survey-window.png")));
}

TEST_F(desktop_test, saved_counts_open_again_and_a_survey_block_fills_the_boxes) {
    form_.txtHist[1]->setText("12");
    form_.txtHist[3]->setText("7.5");  // read as 8, as estimate reads it
    form_.chkS->setChecked(false);
    form_.txtS->setText("0.3");
    answer_ = path("saved");  // no ending: .csv is added
    form_.actions.save_counts->trigger();
    ASSERT_TRUE(errors_.empty()) << last_error();
    EXPECT_EQ(dir_.read("saved.csv"), "c100,c111,c101,c110,s_held\r\n12,36,8,48,0.3\r\n");

    form_.txtHist[1]->setText("1");
    form_.chkS->setChecked(true);
    form_.txtS->setText("0.5");
    answer_ = path("saved.csv");
    form_.actions.open_survey->trigger();
    EXPECT_EQ(boxes(), (std::array<QString, 6>{"12", "36", "8", "48", "0.3", "held"}));

    // Several blocks, with a quoted label, after a byte-order mark: the survey's own window,
    // titled with the file's name; the block tool's boxes stay as they were.
    dir_.write("survey.csv",
               "\xEF\xBB\xBF"
               "block,c100,c111,c101,c110,s_held,ward\r\n"
               "\"A-1, corner\",29,36,54,48,,North\r\n"
               "B-2,10,20,5,5,,South\r\n");
    answer_ = path("survey.csv");
    form_.actions.open_survey->trigger();
    ASSERT_EQ(survey_windows().size(), 1);
    EXPECT_TRUE(survey_windows().front()->windowTitle().startsWith("survey.csv"));
    EXPECT_TRUE(survey_windows().front()->isWindow());
    EXPECT_EQ(boxes(), (std::array<QString, 6>{"12", "36", "8", "48", "0.3", "held"}));
    EXPECT_TRUE(errors_.empty()) << last_error();

    // Cancelled dialogs change nothing.
    answer_.clear();
    form_.actions.open_survey->trigger();
    form_.actions.save_counts->trigger();
    EXPECT_EQ(boxes(), (std::array<QString, 6>{"12", "36", "8", "48", "0.3", "held"}));
    EXPECT_EQ(survey_windows().size(), 1);
    EXPECT_TRUE(errors_.empty());
}

TEST_F(desktop_test, a_survey_that_cannot_be_read_says_where_and_leaves_every_box) {
    dir_.write("short.csv", "block,c100,c111\nA,1,2\n");
    dir_.write("bad.csv", "block,c100,c111,c101,c110\nA,1,x,3,4\n");
    dir_.write("neither.csv", "x,y\n1,2\n");
    dir_.write("empty.csv", "c100,c111,c101,c110\n");
    const std::array<QString, 6> before = boxes();
    const struct {
        std::string file;
        std::string message;
    } cases[] = {
        {"missing.csv", "File error: " + dir_.file("missing.csv") + ": No such file or directory."},
        {"short.csv", "File error: " + dir_.file("short.csv") +
                          ": the header lacks the columns c101, c110; a survey needs c100, "
                          "c111, c101 and c110."},
        {"bad.csv", "Invalid input: " + dir_.file("bad.csv") +
                        ", line 2, column c111: \"x\" is not a whole number of dogs (0 or "
                        "more)."},
        {"empty.csv", "File error: " + dir_.file("empty.csv") + ": the survey holds no block."},
        {"neither.csv",
         "File error: " + dir_.file("neither.csv") +
             ": is neither a survey (whose header names c100, c111, c101 and c110) nor field "
             "data: the header is none of the layouts kestrivo-tabulate reads (an ODK Central or "
             "KoboToolbox export, block,count,dog_id, or block,dog_id,seen1,seen2,seen3)."},
    };
    for (const auto& c : cases) {
        errors_.clear();
        answer_ = path(c.file);
        form_.actions.open_survey->trigger();
        ASSERT_FALSE(errors_.empty()) << c.file;
        EXPECT_EQ(last_error(), c.message);
        EXPECT_EQ(boxes(), before) << c.file;
    }
    EXPECT_TRUE(survey_windows().empty());
}

// The file dialog asks about the name as typed; when an ending is added to it, or the file is
// read-only, the window asks itself before anything is replaced.
TEST_F(desktop_test, an_existing_file_is_replaced_only_when_the_user_says_so) {
    estimate();
    const struct {
        QString typed, filter;
        std::string written;
        mode_t mode;
        const char* question;  // "" when the dialog's own question was enough
    } cases[] = {
        {path("counts"), "", "counts.csv", 0644, "already exists"},
        {path("plot"), "SVG drawing (*.svg)", "plot.svg", 0644, "already exists"},
        {path("kept.csv"), "", "kept.csv", 0444, "is read-only"},
        {path("typed.csv"), "", "typed.csv", 0644, ""},
    };
    for (const bool replace : {false, true}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.written + (replace ? " replaced" : " kept"));
            dir_.write(c.written, "before");
            ::chmod(dir_.file(c.written).c_str(), c.mode);
            asked_.clear();
            replace_answer_ = replace;
            answer_ = c.typed;
            filter_answer_ = c.filter;
            (c.written == "plot.svg" ? form_.actions.export_plot : form_.actions.save_counts)
                ->trigger();
            EXPECT_EQ(asked_.size(), std::string(c.question).empty() ? 0u : 1u);
            if (!asked_.empty()) {
                EXPECT_NE(asked_[0].find(c.question), std::string::npos);
            }
            const bool written = dir_.read(c.written) != "before";
            EXPECT_EQ(written, replace || std::string(c.question).empty());
            struct stat status {};
            ::stat(dir_.file(c.written).c_str(), &status);
            EXPECT_EQ(status.st_mode & 0777, c.mode) << "the mode of a replaced file is kept";
        }
    }
}

// What is not an ordinary file is refused before it is opened (a pipe with no writer would hang
// the window); a survey too large for the window points to kestrivo-report; a long read can be
// cancelled and then changes nothing.
TEST_F(desktop_test, open_survey_refuses_pipes_folders_and_huge_files_and_can_be_cancelled) {
    ASSERT_EQ(::mkfifo(dir_.file("pipe.csv").c_str(), 0644), 0);
    std::filesystem::create_directory(dir_.file("folder.csv"));
    {
        std::ofstream huge(dir_.file("huge.csv"));
        huge << "c100,c111,c101,c110\n";
        huge.seekp(65 << 20);
        huge << "1,2,3,4\n";
    }
    std::string many = "block,c100,c111,c101,c110\n";
    for (int i = 0; i < 5000; ++i)
        many += "b" + std::to_string(i) + ",1,2,3,4\n";
    dir_.write("many.csv", many);
    const std::array<QString, 6> before = boxes();
    const struct {
        std::string file, message;
    } cases[] = {
        {"pipe.csv", "is not an ordinary file"},
        {"folder.csv", "is a folder"},
        {"huge.csv", "too large to open in the window"},
        {"many.csv", ""},  // cancelled while reading
    };
    cancel_reading_ = true;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        errors_.clear();
        answer_ = path(c.file);
        form_.actions.open_survey->trigger();
        if (c.message.empty()) {
            EXPECT_TRUE(errors_.empty()) << last_error();
        } else {
            EXPECT_NE(last_error().find(c.message), std::string::npos) << last_error();
        }
        EXPECT_EQ(boxes(), before);
        EXPECT_TRUE(survey_windows().empty());
    }
    cancel_reading_ = false;
    form_.actions.open_survey->trigger();
    ASSERT_EQ(survey_windows().size(), 1);
    EXPECT_EQ(survey_windows().front()->blocks_in_city->item(0, 1)->text(), "5000");
}

TEST(user_guide_test, the_guide_is_the_readme_without_building_and_testing) {
    const std::string guide = user_guide(read_file(KESTRIVO_README));
    EXPECT_NE(guide.find("## Using the window"), std::string::npos);
    EXPECT_NE(guide.find("kestrivo-report"), std::string::npos);
    EXPECT_EQ(guide.find("./scripts/"), std::string::npos);
    EXPECT_EQ(guide.find("## Testing"), std::string::npos);
}

TEST_F(desktop_test, save_counts_refuses_what_estimate_refuses_and_a_failed_save_keeps_the_file) {
    answer_ = path("counts.csv");
    form_.txtHist[2]->setText("many");
    form_.actions.save_counts->trigger();
    EXPECT_EQ(last_error(), "Type mismatch: in the 1,1,1 box, \"many\" is not a number.");
    EXPECT_FALSE(std::filesystem::exists(dir_.file("counts.csv")));

    form_.txtHist[2]->setText("36");
    dir_.write("counts.csv", "the previous counts");
    ::chmod(dir_.file("counts.csv").c_str(), 0444);
    ::chmod(dir_.path().c_str(), 0555);
    if (geteuid() != 0) {  // root writes anyway: the permission case runs for other users only
        errors_.clear();
        form_.actions.save_counts->trigger();
        EXPECT_NE(last_error().find("File error"), std::string::npos);
        EXPECT_EQ(dir_.read("counts.csv"), "the previous counts");
    }
    ::chmod(dir_.path().c_str(), 0755);
}

TEST_F(desktop_test, the_plot_exports_as_sharp_png_svg_and_pdf_with_a_caption) {
    answer_ = path("plot.png");
    form_.actions.export_plot->trigger();
    EXPECT_EQ(last_error(),
              "Invalid input: there is no plot to export yet: press \"estimate\" first.");
    estimate();
    errors_.clear();

    form_.export_plot_to(path("plot.png"));
    QImage png(path("plot.png"));
    ASSERT_FALSE(png.isNull());
    EXPECT_EQ(png.width(), 2 * 949);
    EXPECT_GT(png.height(), 2 * 381) << "the caption line lies under the plot";
    EXPECT_LT(png.height(), 2 * 381 + 80);
    const int curve = pixels_of(png.convertToFormat(QImage::Format_RGB32), qRgb(0, 0, 192));
    EXPECT_GT(curve, 2 * pixels_of(form_.picLL->image(), qRgb(0, 0, 192)))
        << "drawn at twice the resolution, not scaled from the screen";

    // The ending comes from the dialog's filter when the name has none.
    filter_answer_ = "SVG drawing (*.svg)";
    answer_ = path("drawing");
    form_.actions.export_plot->trigger();
    QFile svg(path("drawing.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray svg_text = svg.readAll();
    QDomDocument document;
    EXPECT_TRUE(document.setContent(svg_text)) << "valid XML";
    EXPECT_TRUE(QSvgRenderer(svg_text).isValid());
    EXPECT_TRUE(svg_text.contains("#0000c0")) << "the curve's colour";
    EXPECT_TRUE(svg_text.contains("width=\"949")) << svg_text.left(400).toStdString();
    EXPECT_TRUE(svg_text.contains("log likelihood"));

    form_.export_plot_to(path("plot.PDF"));
    const std::string pdf = dir_.read("plot.PDF");
    EXPECT_TRUE(pdf.starts_with("%PDF-"));
    EXPECT_NE(pdf.find("%%EOF"), std::string::npos);
    // A page the plot's size: 949 pixels at 96 an inch are 711.75 points.
    EXPECT_NE(pdf.find("/MediaBox [0 0 712.0"), std::string::npos) << "rounded to whole points";
    EXPECT_TRUE(errors_.empty()) << last_error();
}

TEST_F(desktop_test, a_failed_export_leaves_the_previous_file_whole) {
    estimate();
    dir_.write("plot.png", "the previous picture");
    std::filesystem::create_symlink(dir_.file("plot.png"), dir_.file("link.png"));
    errors_.clear();
    answer_ = path("link.png");
    form_.actions.export_plot->trigger();
    EXPECT_NE(last_error().find("symbolic link"), std::string::npos);
    EXPECT_EQ(dir_.read("plot.png"), "the previous picture");
}

TEST_F(desktop_test, print_draws_the_plot_on_the_printers_page_and_cancel_prints_nothing) {
    estimate();
    answer_.clear();
    form_.actions.print_plot->trigger();
    EXPECT_TRUE(errors_.empty());
    answer_ = path("printed.pdf");
    form_.actions.print_plot->trigger();
    ASSERT_TRUE(errors_.empty()) << last_error();
    EXPECT_TRUE(dir_.read("printed.pdf").starts_with("%PDF-"));
    EXPECT_GT(dir_.read("printed.pdf").size(), 2000u);
}

TEST_F(desktop_test, copy_puts_the_results_as_cells_and_the_plot_as_an_image) {
    form_.actions.copy_results->trigger();
    EXPECT_EQ(last_error(),
              "Invalid input: there are no results to copy yet: press \"estimate\" first.");
    estimate();
    errors_.clear();
    form_.actions.copy_results->trigger();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    const QStringList lines = data->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 12);
    EXPECT_EQ(lines[0], "quantity\testimate\t95% lower\t95% upper\tnote");
    EXPECT_EQ(lines[1], "frequency 1,0,0\t29\t\t\t");
    // The numbers come out of a fit and a root search: read as numbers, within what their last
    // digits may move on another machine's libm.
    const auto cell = [&](int line, int column) {
        return lines[line].split('\t').value(column).toDouble();
    };
    EXPECT_TRUE(lines[5].startsWith("S\t0.01\t0.01\t")) << lines[5].toStdString();
    EXPECT_NEAR(cell(5, 3), 0.0329384811, 1e-6);
    EXPECT_TRUE(lines[5].endsWith("\ton the lower edge of its range"));
    EXPECT_TRUE(lines[6].startsWith("P\t")) << lines[6].toStdString();
    EXPECT_NEAR(cell(6, 1), 0.51481232567, 1e-8);
    const int dogs = int(lines.indexOf(QRegularExpression("^dogs on the block\t.*")));
    ASSERT_GE(dogs, 0) << data->text().toStdString();
    EXPECT_NEAR(cell(dogs, 1), 321.3613699, 1e-5);
    EXPECT_TRUE(data->html().startsWith("<table><tr><th>quantity</th>"));

    form_.actions.copy_plot->trigger();
    EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              form_.picLL->image().convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(errors_.empty());
}

TEST_F(desktop_test, every_box_and_button_has_a_name_for_a_screen_reader) {
    // Each box, check box and option button has a name of its own, so none is announced bare.
    QStringList names;
    for (QWidget* w : form_.client->findChildren<QWidget*>()) {
        if (!qobject_cast<QLineEdit*>(w) && !qobject_cast<QCheckBox*>(w) &&
            !qobject_cast<QRadioButton*>(w)) {
            continue;
        }
        EXPECT_FALSE(w->accessibleName().isEmpty()) << w->metaObject()->className();
        EXPECT_FALSE(names.contains(w->accessibleName())) << w->accessibleName().toStdString();
        names << w->accessibleName();
    }
    EXPECT_EQ(names.size(), 10);
    // A count box is named after the history on its own row (Label1(k) labels txtHist(k + 1)).
    for (int h = 1; h <= 4; ++h) {
        EXPECT_TRUE(form_.txtHist[std::size_t(h)]->accessibleName().endsWith(
            form_.Label1[std::size_t(h - 1)]->text()));
    }

    EXPECT_EQ(form_.picLL->accessibleDescription(), "No plot yet.");
    estimate();
    EXPECT_EQ(form_.picLL->accessibleDescription().toStdString(),
              "Profile log likelihood of P from 36% to 65%: highest, -231.917, at 51%. The 95% "
              "limits of P are 45.91% and 56.96%.");
    // A stopped estimate takes the plot, and its description, away.
    form_.txtHist[0]->setText("1e300");
    estimate();
    EXPECT_EQ(form_.picLL->accessibleDescription(), "No plot yet.");
}

// Runs only where the screen has a device pixel ratio of 2 (ctest runs it with QT_SCALE_FACTOR=2).
TEST(high_dpi_test, the_plot_is_drawn_with_twice_the_pixels_not_scaled_up) {
    Form1 form;
    form.show();
    if (form.devicePixelRatioF() != 2) GTEST_SKIP() << "needs a device pixel ratio of 2";
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    const QImage& image = form.picLL->image();
    EXPECT_EQ(image.width(), 2 * 949);
    EXPECT_EQ(image.height(), 2 * 381);
    EXPECT_EQ(image.devicePixelRatio(), 2);
    // A line scaled up would be blurred into mixtures of red and grey; drawn at full resolution the
    // dashes are pure red, two device pixels thick.
    const int red = pixels_of(image, qRgb(255, 0, 0));
    int reddish = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qRed(p) > qGreen(p) + 60 && p != qRgb(255, 0, 0)) ++reddish;
        }
    }
    EXPECT_GT(red, 2 * 300);
    EXPECT_LT(reddish, red / 10);
}

}  // namespace
