// The survey window as its users meet it: the table is kestrivo-report's own report (compared
// with the real program's bytes), the design controls change it, the answer and the doses say it
// in words, a row double-clicked estimates in the block tool, copies and exports keep every digit,
// the PDF and the map are drawn, a plan runs and stops, and a window closed while it works goes
// quietly.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <optional>

#include <nlohmann/json.hpp>

#include "platform/runtime_error.h"
#include "tests/support/temporary_folder.h"
#include "tests/window/test_helpers.h"
#include "window/form1.h"
#include "window/plan_dialog.h"
#include "window/survey_answer.h"
#include "window/survey_report_pdf.h"
#include "window/survey_table_model.h"
#include "window/survey_window.h"

using namespace kestrivo::window;

namespace {

const std::string kExample = KESTRIVO_DOCS "/example-survey.csv";
const std::string kFieldZip = KESTRIVO_DOCS "/field-example/kestrivo_three_counts.zip";
const std::string kFieldSurvey = KESTRIVO_DOCS "/field-example/survey.csv";
const std::string kMarkedSurvey = KESTRIVO_DOCS "/field-example-marks/survey.csv";
constexpr int kPatience = 120000;  // milliseconds: the sanitizer build is slow

// What the real kestrivo-report writes for `arguments`.
std::string reported(const QStringList& arguments) {
    QProcess report;
    report.start(QStringLiteral(KESTRIVO_REPORT_PROGRAM), arguments);
    EXPECT_TRUE(report.waitForFinished(kPatience));
    return report.readAllStandardOutput().toStdString();
}

class survey_window_test : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(dir_.path()));
        form_.set_error_reporter(
            [this](const kestrivo::platform::RuntimeError& e) { errors_.push_back(e.report()); });
        form_.dialogs().save_file = [this](const QString&, const QString&, QString&) {
            return answer_;
        };
    }
    void TearDown() override { QDir::setCurrent(previous_); }

    SurveyWindow* open(const std::string& path, kestrivo::survey::DesignOptions design = {}) {
        SurveyWindow* window = form_.open_survey_window(QString::fromStdString(path), design);
        settle(window);
        return window;
    }
    static void settle(SurveyWindow* window) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return !window->busy(); }, kPatience));
        QCoreApplication::processEvents();
    }
    static kestrivo::survey::DesignOptions wards(std::int64_t north, std::int64_t south) {
        kestrivo::survey::DesignOptions design;
        design.stratum_column = "ward";
        design.blocks_by_stratum = {{"North", north}, {"South", south}};
        return design;
    }
    static int row_of(const SurveyTableModel* model, const QString& block, int from = 0) {
        for (int r = from; r < model->rowCount(); ++r) {
            if (model->index(r, 0).data().toString() == block) return r;
        }
        return -1;
    }
    static QVariant cell(const SurveyTableModel* model, int row, int column, int role) {
        return model->index(row, column).data(role);
    }
    template <class Widget>
    static Widget* control(QWidget* dialog, const char* name) {
        auto* found = dialog->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static void type_blocks(SurveyWindow* window, int row, const QString& k) {
        window->blocks_in_city->item(row, 2)->setText(k);
        window->recompute();  // what the pause after typing does
        settle(window);
    }
    std::string written(const std::string& name) {
        const std::string path = dir_.file(name);
        EXPECT_TRUE(QTest::qWaitFor([&] { return std::filesystem::exists(path); }, kPatience));
        return file_contents(path);
    }

    TemporaryFolder dir_;
    QString previous_, answer_;
    Form1 form_;
    std::vector<std::string> errors_;
};

// Three significant digits, whole at least, in the user's own thousands separator.
TEST(survey_answer_test, numbers_are_rounded_to_what_the_interval_can_tell) {
    const QLocale english(QLocale::English), german(QLocale::German);
    const struct {
        double value;
        const char *in_english, *in_german;
    } cases[] = {{6879.9, "6,880", "6.880"},
                 {42.4, "42", "42"},
                 {0, "0", "0"},
                 {0.4, "0", "0"},
                 {999.6, "1,000", "1.000"},
                 {1234567, "1,230,000", "1.230.000"},
                 {150.5, "151", "151"}};
    for (const auto& c : cases) {
        EXPECT_EQ(people_number(c.value, english).toStdString(), c.in_english) << c.value;
        EXPECT_EQ(people_number(c.value, german).toStdString(), c.in_german) << c.value;
    }
    TotalInWords total{6879.9, 5432.1, 8719.0, ""};
    EXPECT_EQ(dogs_sentence(total, 0.95, english).toStdString(),
              "About 6,880 dogs, 95% between 5,430 and 8,720.");
    EXPECT_EQ(doses_sentence(total, 0.7, english).toStdString(),
              "4,820 vaccine doses for 70% coverage (between 3,800 and 6,100).");
    // No total: the report's own reason, never a number.
    total = {std::nullopt, std::nullopt, std::nullopt, "a stratum has no fitted block"};
    EXPECT_NE(dogs_sentence(total, 0.95, english)
                  .indexOf(QStringLiteral("a stratum has no fitted block")),
              -1);
    EXPECT_TRUE(doses_sentence(total, 0.7, english).isEmpty());
}

// After a campaign: the coverage with its interval, the doses still needed, and a stratum's
// standing against the target, in the user's locale.
TEST(survey_answer_test, coverage_is_said_with_its_interval_and_the_doses_still_needed) {
    const QLocale english(QLocale::English);
    kestrivo::survey::CoverageCells c;
    c.coverage = 0.643;
    c.lower = 0.571;
    c.upper = 0.709;
    c.doses = 1678.2;
    c.doses_lower = 23;
    c.doses_upper = 4346.2;
    EXPECT_EQ(coverage_sentence(c, 0.95, english).toStdString(),
              "64% of the dogs are vaccinated, 95% between 57% and 71%.");
    EXPECT_EQ(doses_needed_sentence(c, 0.7, english).toStdString(),
              "1,680 doses still needed to reach 70% (between 23 and 4,350).");
    const struct {
        double lower, upper;
        const char* standing;
    } standings[] = {
        {0.50, 0.66, "below 70%: send a team back"},
        {0.60, 0.75, "uncertain"},
        {0.72, 0.80, ""},
        // A stratum with too few blocks for an interval is not said to meet the target.
        {std::nan(""), std::nan(""), "no interval"},
        {0.72, std::nan(""), "no interval"}};
    for (const auto& s : standings) {
        c.lower = s.lower;
        c.upper = s.upper;
        EXPECT_EQ(coverage_standing(c, 0.7, english).toStdString(), s.standing) << s.lower;
    }
    c.doses = c.doses_lower = c.doses_upper = 0;
    EXPECT_EQ(doses_needed_sentence(c, 0.7, english).toStdString(),
              "The target of 70% is reached.");
}

// The program's command line: a design without a file, a bad number of blocks or an unknown
// option is a usage error said on standard error (status 2), before any window opens; --help
// and --version answer with no display at all, as a script or a remote shell runs them.
TEST(command_line_test, usage_errors_are_said_and_end_with_status_2) {
    const struct {
        QStringList arguments;
        int status;
        const char* said;  // the beginning of standard error, or of standard output for status 0
        bool display;      // run with a display (offscreen), else with none
    } cases[] = {
        {{"--stratum", "ward"}, 2, "Kestrivo: the design options need a FILE.", true},
        {{"--blocks-total", "10"}, 2, "Kestrivo: the design options need a FILE.", true},
        {{"--blocks-total", "North=x", "a.csv"}, 2, "Kestrivo: --blocks-total: ", true},
        {{"--blocks-total", "0", "a.csv"}, 2, "Kestrivo: --blocks-total: ", true},
        {{"--no-such-option"}, 2, "Kestrivo: Unknown option 'no-such-option'.", true},
        {{"--version"}, 0, "Kestrivo ", true},
        {{"--help"}, 0, "Usage: ", true},
        {{"--version"}, 0, "Kestrivo ", false},
        {{"--help"}, 0, "Usage: ", false},
        {{"--help-all"}, 0, "Usage: ", false},
        {{"--stratum", "ward", "a.csv", "b.csv", "--help"}, 0, "[FILE...]", false},
    };
    for (const auto& c : cases) {
        const std::string named =
            c.arguments.join(' ').toStdString() + (c.display ? "" : " (no display)");
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (c.display) {
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        } else {
            for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
                environment.remove(QString::fromUtf8(name));
        }
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(KESTRIVO_PROGRAM), c.arguments);
        ASSERT_TRUE(program.waitForFinished(kPatience)) << named;
        const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
        const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
        const QString said = c.status == 0 ? out : errors;
        EXPECT_EQ(program.exitCode(), c.status) << named << ": " << errors.toStdString();
        EXPECT_NE(said.indexOf(QString::fromUtf8(c.said)), -1)
            << named << ": " << said.toStdString();
        EXPECT_EQ(errors.indexOf(QStringLiteral("graphical display")), -1) << named;
    }
}

// Every cell of the table is a value of the report kestrivo-report writes for the same design,
// and the words above it are that report's city total.
TEST_F(survey_window_test, the_table_is_kestrivo_reports_own_report) {
    SurveyWindow* window = open(kExample, wards(60, 40));
    const std::string expected =
        reported({"--pool", "--stratum", "ward", "--blocks-total", "North=60,South=40", "--format",
                  "json", "--digits", "17", QString::fromStdString(kExample)});
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(window->last_report(), expected);

    const auto rows = nlohmann::json::parse(expected);
    const SurveyTableModel* table = window->model;
    ASSERT_EQ(table->rowCount(), int(rows.size()));
    const int n_hat = table->column("N_hat"), city_n = table->column("city_N");
    ASSERT_GE(n_hat, 0);
    ASSERT_GE(city_n, 0);
    for (int r = 0; r < table->rowCount(); ++r) {
        const auto& row = rows[std::size_t(r)];
        EXPECT_EQ(cell(table, r, 0, Qt::DisplayRole).toString().toStdString(),
                  row["block"].get<std::string>());
        if (row.contains("N_hat") && row["N_hat"].is_number()) {
            EXPECT_EQ(cell(table, r, n_hat, kNumberRole).toDouble(), row["N_hat"].get<double>());
            EXPECT_EQ(cell(table, r, n_hat, Qt::ToolTipRole).toString().toStdString(),
                      row["N_hat"].dump());
        }
    }
    // The city's row is the last.
    const auto& city = rows.back();
    ASSERT_EQ(city["block"], "total");
    const double dogs = city["city_N"].get<double>();
    const QLocale locale;
    EXPECT_TRUE(window->answer->text().startsWith(
        QStringLiteral("About %1 dogs, 95% between ").arg(people_number(dogs, locale))))
        << window->answer->text().toStdString();
    EXPECT_TRUE(window->answer->accessibleName().startsWith(QStringLiteral("City's dogs: About ")));
    EXPECT_NE(window->strata_answer->text().indexOf(QStringLiteral("North: about ")), -1);

    // The coverage changes the doses, the words and the column, without a new report.
    const int doses = table->column("doses");
    ASSERT_GE(doses, 0);
    window->coverage->setValue(50);
    EXPECT_FALSE(window->busy());
    EXPECT_TRUE(window->doses->text().startsWith(people_number(0.5 * dogs, locale) +
                                                 QStringLiteral(" vaccine doses for 50% coverage")))
        << window->doses->text().toStdString();
    EXPECT_DOUBLE_EQ(cell(table, table->rowCount() - 1, doses, kNumberRole).toDouble(), 0.5 * dogs);

    // A heading clicked sorts by number, largest first when asked, blanks last either way; the
    // report's order comes back with no sort column.
    for (const Qt::SortOrder order : {Qt::DescendingOrder, Qt::AscendingOrder}) {
        window->model->sort(n_hat, order);
        std::vector<double> seen;
        bool blank = false;
        for (int r = 0; r < table->rowCount(); ++r) {
            const QVariant v = cell(table, r, n_hat, kNumberRole);
            if (!v.isValid()) {
                blank = true;
                continue;
            }
            EXPECT_FALSE(blank) << "a number after a blank, row " << r;
            seen.push_back(v.toDouble());
        }
        EXPECT_TRUE(order == Qt::AscendingOrder ? std::is_sorted(seen.begin(), seen.end())
                                                : std::is_sorted(seen.rbegin(), seen.rend()));
        EXPECT_EQ(seen.size(),
                  std::size_t(std::count_if(rows.begin(), rows.end(), [](const auto& row) {
                      return row.contains("N_hat") && row["N_hat"].is_number();
                  })));
    }
    window->model->sort(-1);
    EXPECT_EQ(cell(table, 0, 0, Qt::DisplayRole).toString().toStdString(), rows[0]["block"]);
    // The current cell stays on its block as the rows move.
    window->table->setCurrentIndex(table->index(1, n_hat));
    const QString current = table->index(1, 0).data().toString();
    window->model->sort(n_hat, Qt::DescendingOrder);
    const QModelIndex now = window->table->currentIndex();
    EXPECT_EQ(table->index(now.row(), 0).data().toString(), current);
    EXPECT_EQ(now.column(), n_hat);
    EXPECT_NE(now.row(), 1);  // it did move
}

// The design in the controls is the report's design: no strata is one stratum, the city's; the
// blocks typed stay with their strata; a missing number says what to give.
TEST_F(survey_window_test, the_design_controls_make_the_reports_design) {
    SurveyWindow* window = open(kExample);
    ASSERT_EQ(window->blocks_in_city->rowCount(), 1);
    EXPECT_EQ(window->blocks_in_city->item(0, 0)->text(), QStringLiteral("(the city)"));
    EXPECT_TRUE(window->answer->text().startsWith(QStringLiteral("Give each stratum's")));
    EXPECT_EQ(window->last_report(), reported({"--pool", "--format", "json", "--digits", "17",
                                               QString::fromStdString(kExample)}));

    type_blocks(window, 0, QStringLiteral("100"));
    EXPECT_EQ(window->report_options().design.blocks_total, 100);
    EXPECT_EQ(window->last_report(),
              reported({"--pool", "--blocks-total", "100", "--format", "json", "--digits", "17",
                        QString::fromStdString(kExample)}));
    EXPECT_TRUE(window->answer->text().startsWith(QStringLiteral("About ")));

    window->strata_column->setCurrentText(QStringLiteral("ward"));
    ASSERT_EQ(window->blocks_in_city->rowCount(), 2);
    EXPECT_EQ(window->blocks_in_city->item(0, 0)->text(), QStringLiteral("North"));
    EXPECT_EQ(window->blocks_in_city->item(0, 1)->text(), QStringLiteral("6"));
    type_blocks(window, 0, QStringLiteral("60"));
    EXPECT_TRUE(window->answer->text().startsWith(QStringLiteral("Give each stratum's")));
    EXPECT_FALSE(window->report_options().design.blocks_by_stratum.count("North"));
    type_blocks(window, 1, QStringLiteral("40"));
    EXPECT_EQ(window->report_options().design.blocks_by_stratum,
              (std::map<std::string, std::int64_t>{{"North", 60}, {"South", 40}}));
    EXPECT_TRUE(window->answer->text().startsWith(QStringLiteral("About ")));

    // Back to one stratum and to the wards: each keeps what was typed for it.
    window->strata_column->setCurrentIndex(0);
    EXPECT_EQ(window->blocks_in_city->item(0, 2)->text(), QStringLiteral("100"));
    window->strata_column->setCurrentText(QStringLiteral("ward"));
    EXPECT_EQ(window->blocks_in_city->item(1, 2)->text(), QStringLiteral("40"));
    settle(window);

    // A number below the blocks counted is the report's error: the table stays, the status says.
    const std::string before = window->last_report();
    type_blocks(window, 1, QStringLiteral("2"));
    EXPECT_EQ(window->last_report(), before);
    EXPECT_FALSE(window->status->text().isEmpty());
}

// A weight column stands for the blocks in the city: the answer needs no number typed, and the
// report is kestrivo-report's with --weight; a block whose weight is no number is its row's error.
TEST_F(survey_window_test, a_weight_column_gives_the_city_without_blocks_typed) {
    const std::string path = dir_.file("weighted.csv");
    {
        std::ifstream in(kExample);
        std::ofstream out(path);
        std::string line;
        for (int i = 0; std::getline(in, line); ++i)
            out << line << (i == 0 ? ",w\n" : i == 3 ? ",x\n" : ",9.5\n");
    }
    SurveyWindow* window = open(path);
    window->weight_column->setCurrentText(QStringLiteral("w"));
    window->recompute();
    settle(window);
    EXPECT_EQ(window->report_options().design.weight_column, "w");
    EXPECT_EQ(window->last_report(), reported({"--pool", "--weight", "w", "--format", "json",
                                               "--digits", "17", QString::fromStdString(path)}));
    EXPECT_TRUE(window->answer->text().startsWith(QStringLiteral("About ")))
        << window->answer->text().toStdString();
    EXPECT_EQ(window->assumptions->text(), assumption_sentence(true));
    EXPECT_EQ(window->status->text(),
              QStringLiteral("Some blocks could not be fitted: see their rows."));
    const SurveyTableModel* table = window->model;
    const int error = table->column("error");
    EXPECT_NE(table->index(2, error).data().toString().indexOf(QStringLiteral("weighted.csv")), -1);
}

// A block's row, a stratum's pooled row and a row that could not be read, activated.
TEST_F(survey_window_test, a_row_activated_estimates_in_the_block_tool) {
    const std::string path = dir_.file("survey.csv");
    std::ofstream(path) << "block,c100,c111,c101,c110,ward\n"
                           "A-1,29,36,54,48,North\n"
                           "A-2,10,20,5,5,North\n"
                           "B-1,12,30,x,6,South\n"
                           "B-2,12,30,8,6,South\n";
    // As File > Open survey opens it: the rows read there are the window's.
    form_.open_survey_file(QString::fromStdString(path));
    ASSERT_EQ(form_.survey_windows().size(), 1u);
    SurveyWindow* window = form_.survey_windows().front();
    window->strata_column->setCurrentText(QStringLiteral("ward"));
    window->recompute();
    settle(window);
    const SurveyTableModel* table = window->model;
    const auto activate = [&](int row) { emit window->table->activated(table->index(row, 0)); };
    const auto boxes = [&] {
        std::string text;
        for (int h = 1; h <= 4; ++h)
            text += form_.txtHist[std::size_t(h)]->text().toStdString() + " ";
        return text;
    };
    activate(row_of(table, "A-2"));
    EXPECT_EQ(boxes(), "10 20 5 5 ");
    EXPECT_TRUE(std::filesystem::exists(dir_.file("user.txt")));

    const int pooled = row_of(table, "pooled");
    ASSERT_GE(pooled, 0);
    EXPECT_EQ(cell(table, pooled, 0, kStratumRole).toString(), QStringLiteral("North"));
    activate(pooled);
    EXPECT_EQ(boxes(), "39 56 59 53 ");

    ASSERT_TRUE(errors_.empty());
    const int bad = row_of(table, "B-1");
    activate(bad);
    ASSERT_EQ(errors_.size(), 1u);
    // Said in the words of its row's error cell, which the report wrote.
    const QString said = table->index(bad, table->column("error")).data().toString();
    EXPECT_FALSE(said.isEmpty());
    EXPECT_NE(errors_.front().find(said.toStdString()), std::string::npos) << errors_.front();
    EXPECT_EQ(boxes(), "39 56 59 53 ");
}

// Copy gives a spreadsheet the header and every digit; the exports are kestrivo-report's bytes.
TEST_F(survey_window_test, copies_and_exports_keep_every_digit) {
    SurveyWindow* window = open(kExample, wards(60, 40));
    const SurveyTableModel* table = window->model;
    const int n_hat = table->column("N_hat");
    window->table->selectionModel()->select(
        QItemSelection(table->index(0, 0), table->index(1, n_hat)), QItemSelectionModel::Select);
    window->copy_selection();
    const QStringList lines =
        QApplication::clipboard()->mimeData()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("block\tward\t")));
    const auto rows = nlohmann::json::parse(window->last_report());
    EXPECT_EQ(lines[1].split(QLatin1Char('\t')).last().toStdString(), rows[0]["N_hat"].dump());
    EXPECT_NE(
        QApplication::clipboard()->mimeData()->html().indexOf(QStringLiteral("<th>N_hat</th>")),
        -1);

    const QString example = QString::fromStdString(kExample);
    const QStringList design = {"--pool", "--stratum", "ward", "--blocks-total",
                                "North=60,South=40"};
    window->export_table_to(QString::fromStdString(dir_.file("table.csv")));
    EXPECT_EQ(written("table.csv"), reported(design + QStringList{example}));
    window->export_table_to(QString::fromStdString(dir_.file("table.json")));
    EXPECT_EQ(written("table.json"), reported(design + QStringList{"--format", "json", example}));

    // Through the menu, as the user does it: the save dialog's answer.
    answer_ = QString::fromStdString(dir_.file("menu.csv"));
    for (QAction* action : window->menu_bar->actions().front()->menu()->actions()) {
        if (action->text().startsWith(QStringLiteral("Export &table"))) action->trigger();
    }
    EXPECT_EQ(written("menu.csv"), written("table.csv"));
}

// The map: GeoJSON where the blocks have places (the name given an ending when it has none), a
// picture of them in the PDF report, and neither made up where they have none.
TEST_F(survey_window_test, the_map_and_the_report_are_drawn_from_the_table) {
    kestrivo::survey::DesignOptions design = wards(60, 40);
    SurveyWindow* window = open(kFieldSurvey, design);
    window->export_map_to(QString::fromStdString(dir_.file("blocks")));
    const auto map = nlohmann::json::parse(written("blocks.geojson"));
    EXPECT_EQ(map["type"], "FeatureCollection");
    EXPECT_FALSE(map["features"].empty());
    window->export_map_to(QString::fromStdString(dir_.file("blocks.kml")));
    const std::string kml = written("blocks.kml");
    EXPECT_NE(kml.find("<kml"), std::string::npos);
    EXPECT_NE(kml.find("N-1"), std::string::npos);

    const QImage picture = survey_map_image(*window->last_rows(), QSize(600, 400));
    ASSERT_FALSE(picture.isNull());
    EXPECT_GT(pixels_of(picture, qRgb(255, 255, 255)), 0);
    EXPECT_LT(pixels_of(picture, qRgb(255, 255, 255)), 600 * 400);  // something is drawn on it
    EXPECT_TRUE(survey_map_image(*open(kExample)->last_rows(), QSize(600, 400)).isNull());

    window->export_report_to(QString::fromStdString(dir_.file("report.pdf")));
    const std::string pdf = written("report.pdf");
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_GT(pdf.size(), 20000u);  // the map and the tables, not an empty page
    // A folder that cannot be written is an error, and leaves nothing behind.
    EXPECT_THROW(window->export_report_to(QStringLiteral("/proc/report.pdf")),
                 kestrivo::platform::RuntimeError);
}

// After a campaign the window says the coverage and the doses still needed instead of the doses
// for the whole city, and the PDF's coverage map colours each block by its stratum's standing;
// a survey without marks has no such map.
TEST_F(survey_window_test, a_survey_with_marks_is_answered_with_its_coverage) {
    SurveyWindow* window = open(kMarkedSurvey, wards(60, 40));
    ASSERT_TRUE(window->last_rows());
    EXPECT_TRUE(window->last_rows()->layout.with_coverage);
    EXPECT_NE(window->doses->text().indexOf(QStringLiteral("of the dogs are vaccinated")), -1)
        << window->doses->text().toStdString();
    const QImage map = coverage_map_image(*window->last_rows(), 0.7, QSize(600, 400));
    ASSERT_FALSE(map.isNull());
    // One sampled block a ward gives no interval: its blocks are drawn grey, "no interval".
    EXPECT_GT(pixels_of(map, qRgb(0xbb, 0xbb, 0xbb)), 0);
    EXPECT_TRUE(
        coverage_map_image(*open(kFieldSurvey, wards(60, 40))->last_rows(), 0.7, QSize(600, 400))
            .isNull());
    window->export_report_to(QString::fromStdString(dir_.file("coverage.pdf")));
    EXPECT_EQ(written("coverage.pdf").substr(0, 5), "%PDF-");
}

// ODK Central's zip, as downloaded, opens as a survey: tabulated in memory, its conflicts listed.
TEST_F(survey_window_test, field_data_opens_tabulated_with_its_conflicts) {
    form_.open_survey_file(QString::fromStdString(kFieldZip));
    ASSERT_EQ(form_.survey_windows().size(), 1u);
    SurveyWindow* window = form_.survey_windows().front();
    settle(window);
    const OpenedSurvey opened = open_survey_source(kFieldZip);
    EXPECT_EQ(window->conflict_list->count(), int(opened.conflicts.size()));
    EXPECT_EQ(window->conflict_list->isVisibleTo(window), !opened.conflicts.empty());
    EXPECT_GT(window->model->rowCount(), 10);
    EXPECT_GE(window->strata_column->findText(QStringLiteral("ward")), 1);
    if (!opened.conflicts.empty()) {
        window->save_conflicts_to(QString::fromStdString(dir_.file("conflicts.csv")));
        EXPECT_NE(written("conflicts.csv").find(opened.conflicts.front().block), std::string::npos);
    }
}

// ODK Central's two CSVs, chosen together in File > Open survey or named together on the
// command line, in either order, are the zip: the same report to the last digit, the same
// conflicts, under the same design; the window is titled with both files.
TEST_F(survey_window_test, an_exports_csvs_together_are_the_zip) {
    const std::string submissions = KESTRIVO_DOCS "/field-example/kestrivo_three_counts.csv";
    const std::string sightings = KESTRIVO_DOCS "/field-example/kestrivo_three_counts-sighting.csv";
    const QStringList pair{QString::fromStdString(submissions), QString::fromStdString(sightings)};
    const QStringList reversed{pair[1], pair[0]};
    QStringList chosen;
    form_.dialogs().open_files = [&](const QString&, const QString&) { return chosen; };
    const struct {
        const char* way;
        QStringList paths;
        std::optional<kestrivo::survey::DesignOptions> design;
    } cases[] = {
        {"the dialog", pair, std::nullopt},
        {"the dialog", reversed, std::nullopt},
        {"the command line", pair, std::nullopt},
        {"the command line", reversed, wards(60, 40)},
    };
    for (const auto& c : cases) {
        const std::string named = std::string(c.way) + ": " + c.paths.join(' ').toStdString();
        SurveyWindow* zip = open(kFieldZip, c.design.value_or(kestrivo::survey::DesignOptions{}));
        const std::size_t before = form_.survey_windows().size();
        if (std::string(c.way) == "the dialog") {
            chosen = c.paths;
            form_.actions.open_survey->trigger();
        } else {
            form_.open_command_line(c.paths, c.design);
        }
        ASSERT_TRUE(errors_.empty()) << named << ": " << errors_.back();
        ASSERT_EQ(form_.survey_windows().size(), before + 1) << named;
        SurveyWindow* window = form_.survey_windows().back();
        settle(window);
        EXPECT_GT(window->model->rowCount(), 10) << named;
        EXPECT_EQ(window->last_report(), zip->last_report()) << named;
        EXPECT_EQ(window->conflict_list->count(), zip->conflict_list->count()) << named;
        for (const QString& path : c.paths) {
            EXPECT_TRUE(window->windowTitle().contains(QFileInfo(path).fileName()))
                << named << ": " << window->windowTitle().toStdString();
        }
        window->close();
        zip->close();
    }
}

// A long table opens with its table of blocks, in either order, told by the header alone: the
// blocks' stratum column comes to the design controls.
TEST_F(survey_window_test, a_long_table_opens_with_its_table_of_blocks) {
    dir_.write("counts.txt",
               "block,count,dog_id\nA,1,a1\nA,1,a2\nA,2,a1\nA,3,a2\nA,3,a3\n"
               "B,1,b1\nB,2,b1\nB,2,b2\nB,3,b2\n");
    dir_.write("places.txt", "Block;Ward;lat;lon\nA;North;0.1;32.5\nB;South;0.2;32.6\n");
    const QString counts = QString::fromStdString(dir_.file("counts.txt"));
    const QString places = QString::fromStdString(dir_.file("places.txt"));
    const struct {
        QStringList paths;
        bool wards;  // the blocks' ward column is offered as the strata
    } cases[] = {
        {{counts, places}, true},
        {{places, counts}, true},
        {{counts}, false},
    };
    for (const auto& c : cases) {
        const std::string named = c.paths.join(' ').toStdString();
        form_.open_command_line(c.paths, std::nullopt);
        ASSERT_TRUE(errors_.empty()) << named << ": " << errors_.back();
        ASSERT_FALSE(form_.survey_windows().empty()) << named;
        SurveyWindow* window = form_.survey_windows().back();
        settle(window);
        EXPECT_GE(window->model->rowCount(), 2) << named;
        EXPECT_EQ(window->strata_column->findText(QStringLiteral("Ward")) >= 1, c.wards) << named;
        window->close();
    }
}

// Several files that cannot be tabulated together: the message names the file at fault (or all
// of them, when the fault is in what they lack together), and the windows stay as they were.
TEST_F(survey_window_test, several_files_that_cannot_be_tabulated_are_refused_by_name) {
    const std::string sightings = KESTRIVO_DOCS "/field-example/kestrivo_three_counts-sighting.csv";
    dir_.write("counts.csv", "block,count,dog_id\nA,1,a1\nA,2,a1\nA,3,a1\n");
    dir_.write("blocks.csv", "block,ward\nA,North\n");
    dir_.write("more-blocks.csv", "block,ward\nB,South\n");
    const struct {
        std::vector<std::string> files;
        std::vector<std::string> named;  // in the message
        const char* why;
    } cases[] = {
        {{"counts.csv", "missing.csv"}, {"missing.csv"}, "cannot be read"},
        {{kExample, "counts.csv"}, {kExample}, "opens alone"},
        {{"blocks.csv", "counts.csv", "more-blocks.csv"}, {"more-blocks.csv"}, "second table"},
        {{sightings, "counts.csv"}, {sightings, "counts.csv"}, "without their submissions"},
    };
    form_.txtHist[1]->setText(QStringLiteral("7"));
    QStringList chosen;
    form_.dialogs().open_files = [&](const QString&, const QString&) { return chosen; };
    for (const auto& c : cases) {
        chosen.clear();
        for (const std::string& file : c.files)
            chosen << QString::fromStdString(file.starts_with('/') ? file : dir_.file(file));
        const std::string named = chosen.join(' ').toStdString();
        errors_.clear();
        form_.actions.open_survey->trigger();
        ASSERT_EQ(errors_.size(), 1u) << named;
        for (const std::string& file : c.named) {
            const std::string path = file.starts_with('/') ? file : dir_.file(file);
            const std::string& said = errors_.front();
            EXPECT_TRUE(said.find(path + ":") != std::string::npos ||
                        said.find(path + ",") != std::string::npos)
                << named << ": " << said;
        }
        EXPECT_NE(errors_.front().find(c.why), std::string::npos)
            << named << ": " << errors_.front();
        EXPECT_TRUE(form_.survey_windows().empty()) << named;
        EXPECT_EQ(form_.txtHist[1]->text(), QStringLiteral("7")) << named;
    }
}

// The plan runs off the window's thread on the open survey as its pilot, says what it found,
// and stops when asked, giving the report nothing it did not finish; it follows the survey
// window's strata.
TEST_F(survey_window_test, a_plan_runs_and_stops) {
    SurveyWindow* window = open(kExample, wards(60, 40));
    window->open_plan();
    PlanDialog* dialog = window->plan_dialog();
    ASSERT_NE(dialog, nullptr);
    control<QSpinBox>(dialog, "replicates")->setValue(20);
    control<QDoubleSpinBox>(dialog, "target")->setValue(30);
    auto* status = control<QLabel>(dialog, "status");
    auto* recommendation = control<QLabel>(dialog, "recommendation");
    auto* strata = control<QTableWidget>(dialog, "strata");
    dialog->start();
    EXPECT_TRUE(dialog->busy());
    dialog->stop();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog->busy(); }, kPatience));
    QCoreApplication::processEvents();
    ASSERT_TRUE(dialog->made());
    EXPECT_TRUE(dialog->made()->plan.stopped);
    EXPECT_TRUE(status->text().startsWith(QStringLiteral("Stopped: ")));
    EXPECT_TRUE(recommendation->text().isEmpty());

    dialog->start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog->busy(); }, kPatience));
    QCoreApplication::processEvents();
    ASSERT_TRUE(dialog->made());
    EXPECT_FALSE(dialog->made()->plan.stopped);
    auto* rows = control<QTableWidget>(dialog, "plan_rows");
    ASSERT_GT(rows->rowCount(), 0);
    // Half-widths in percent of the total, as the target is typed, with one decimal.
    for (int c : {2, 3, 4}) {
        EXPECT_TRUE(
            rows->item(0, c)->text().contains(QRegularExpression(QStringLiteral("^\\d+\\.\\d%$"))))
            << rows->item(0, c)->text().toStdString();
    }
    const QString words = recommendation->text();
    EXPECT_TRUE(words.startsWith(QStringLiteral("Count ")) ||
                words.startsWith(QStringLiteral("No sample size")))
        << words.toStdString();

    // Opened again after another strata column was chosen, the dialog plans the strata shown.
    dialog->close();
    window->strata_column->setCurrentIndex(0);
    window->open_plan();
    ASSERT_EQ(strata->rowCount(), 1);
    EXPECT_EQ(strata->item(0, 0)->text(), QStringLiteral("(the city)"));
    EXPECT_TRUE(strata->item(0, 1)->text().isEmpty());
    // A number typed in the survey window since fills the one left empty here.
    window->blocks_in_city->item(0, 2)->setText(QStringLiteral("100"));
    window->open_plan();
    EXPECT_EQ(strata->item(0, 1)->text(), QStringLiteral("100"));
    strata->item(0, 1)->setText(QStringLiteral("120"));
    window->open_plan();
    EXPECT_EQ(strata->item(0, 1)->text(), QStringLiteral("120"));
}

// Every heading of the plan's table is whole, before a plan and after one.
void expect_headings_whole(QTableWidget* table, const char* when) {
    const QHeaderView* header = table->horizontalHeader();
    const QFontMetrics metrics(header->font());
    for (int c = 0; c < table->columnCount(); ++c) {
        const QString heading = table->model()->headerData(c, Qt::Horizontal).toString();
        EXPECT_GE(header->sectionSize(c), metrics.horizontalAdvance(heading))
            << when << ": " << heading.toStdString();
    }
}

// Every number of a note in words: its significant digits (a whole number's trailing zeros are
// its size, not its digits).
std::vector<std::pair<QString, int>> numbers_and_digits(const QString& note) {
    std::vector<std::pair<QString, int>> found;
    static const QRegularExpression number(QStringLiteral("\\d[\\d,]*(\\.\\d+)?"));
    for (const QRegularExpressionMatch& match : number.globalMatch(note)) {
        QString digits = match.captured(0);
        digits.remove(QLatin1Char(','));
        const bool whole = !digits.contains(QLatin1Char('.'));
        digits.remove(QLatin1Char('.'));
        while (digits.startsWith(QLatin1Char('0')))
            digits.remove(0, 1);
        while (whole && digits.endsWith(QLatin1Char('0')))
            digits.chop(1);
        found.emplace_back(match.captured(0), int(digits.size()));
    }
    return found;
}

// The README's worked example, planned in the dialog: the note under the result speaks in words,
// with no symbol of the formulas and no number carrying more digits than the plan can tell.
TEST_F(survey_window_test, the_plans_note_speaks_in_words) {
    SurveyWindow* window = open(kExample, wards(60, 40));
    window->open_plan();
    PlanDialog* dialog = window->plan_dialog();
    ASSERT_NE(dialog, nullptr);
    auto* table = control<QTableWidget>(dialog, "plan_rows");
    expect_headings_whole(table, "before a plan");
    control<QSpinBox>(dialog, "replicates")->setValue(20);
    control<QDoubleSpinBox>(dialog, "target")->setValue(20);
    dialog->start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog->busy(); }, kPatience));
    QCoreApplication::processEvents();
    ASSERT_TRUE(dialog->made());
    ASSERT_GT(table->rowCount(), 0);
    expect_headings_whole(table, "after a plan");

    const QString note = control<QLabel>(dialog, "status")->text();
    const std::string said = note.toStdString();
    for (const char* symbol : {"K_h", "k_h", "S ", "P ", "N\u0302", "N_", "quantile", " k "})
        EXPECT_FALSE(note.contains(QString::fromUtf8(symbol))) << symbol << ": " << said;
    for (const char* words :
         {"blocks in the city", "blocks to count", "share always seen",
          "chance of being seen on a count", "±20% of the total", "North", "South"})
        EXPECT_TRUE(note.contains(QString::fromUtf8(words))) << words << ": " << said;
    const auto numbers = numbers_and_digits(note);
    EXPECT_FALSE(numbers.empty()) << said;
    for (const auto& [number, digits] : numbers)
        EXPECT_LE(digits, 3) << number.toStdString() << ": " << said;
    // kestrivo-plan's note, kept for the report, is as the command line writes it.
    EXPECT_NE(dialog->made()->note.find("K_h"), std::string::npos);
}

// Reports replaced before they end are dropped, and a window closed while one runs goes without
// waiting for it or touching what is gone.
TEST_F(survey_window_test, replaced_and_closed_reports_go_quietly) {
    SurveyWindow* window = open(kExample, wards(60, 40));
    const std::string expected = window->last_report();
    for (int i = 0; i < 5; ++i)
        window->recompute();
    EXPECT_TRUE(window->busy());
    settle(window);
    EXPECT_EQ(window->last_report(), expected);

    QPointer<SurveyWindow> closing = open(kExample, wards(60, 40));
    closing->recompute();
    closing->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return closing.isNull(); }, kPatience));
    QCoreApplication::processEvents();
    EXPECT_EQ(form_.survey_windows().size(), 1u);
}

}  // namespace
