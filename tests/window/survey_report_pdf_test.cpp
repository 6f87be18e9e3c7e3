// The PDF report as its reader meets it, read back with poppler's pdftotext page by page: the
// first page says the answer and the fieldwork, no heading is left at a page's foot without its
// text, no interval is broken across lines, conflicts and blocks left out are said in words, and
// the page breaks found by the layout are where the printed pages break. With KESTRIVO_PDF_PAGES
// set to a folder, each report's pages are also rendered there with pdftoppm, to be looked at.
#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTextDocument>

#include <filesystem>
#include <fstream>

#include "tests/support/temporary_folder.h"
#include "tests/window/in_language.h"
#include "tests/window/test_helpers.h"
#include "window/form1.h"
#include "window/report_pages.h"
#include "window/survey_window.h"

using namespace kestrivo::window;

namespace {

const std::string kDocs = KESTRIVO_DOCS;
constexpr int kPatience = 120000;  // milliseconds: the sanitizer build is slow

// The text of each page of `pdf`, as pdftotext reads it in reading order.
std::vector<QString> pages_of(const std::string& pdf) {
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {QString::fromStdString(pdf)});
    EXPECT_TRUE(info.waitForFinished(kPatience));
    const auto pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                           .match(QString::fromUtf8(info.readAllStandardOutput()));
    EXPECT_TRUE(pages.hasMatch()) << pdf;
    std::vector<QString> text;
    for (int p = 1; p <= pages.captured(1).toInt(); ++p) {
        QProcess reader;
        reader.start(QStringLiteral("pdftotext"),
                     {QStringLiteral("-f"), QString::number(p), QStringLiteral("-l"),
                      QString::number(p), QString::fromStdString(pdf), QStringLiteral("-")});
        EXPECT_TRUE(reader.waitForFinished(kPatience));
        // The PDF's font joins "fi" and "fl" into one glyph, which pdftotext gives as such.
        text.push_back(QString::fromUtf8(reader.readAllStandardOutput())
                           .replace(QChar(0xfb01), QStringLiteral("fi"))
                           .replace(QChar(0xfb02), QStringLiteral("fl")));
    }
    return text;
}

// The page's lines with text, less its footer ("... page 2 of 5").
QStringList body_lines(const QString& page) {
    QStringList lines;
    for (const QString& line : page.split(QLatin1Char('\n'))) {
        if (line.trimmed().isEmpty() ||
            line.contains(QRegularExpression(QStringLiteral("page \\d+ of \\d+$"))))
            continue;
        lines << line.trimmed();
    }
    return lines;
}

void render_pages(const std::string& pdf, const std::string& name) {
    const QByteArray folder = qgetenv("KESTRIVO_PDF_PAGES");
    if (folder.isEmpty()) return;
    QProcess::execute(
        QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QStringLiteral("60"), QStringLiteral("-png"),
         QString::fromStdString(pdf),
         QString::fromUtf8(folder) + QLatin1Char('/') + QString::fromStdString(name)});
}

class survey_report_pdf_test : public ::testing::Test {
protected:
    SurveyWindow* open(const QStringList& paths, std::int64_t north, std::int64_t south) {
        kestrivo::survey::DesignOptions design;
        design.stratum_column = "ward";
        design.blocks_by_stratum = {{"North", north}, {"South", south}};
        SurveyWindow* window = form_.open_survey_window(paths, design);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !window->busy(); }, kPatience));
        QCoreApplication::processEvents();
        return window;
    }

    // The field example's CSVs with one count of block N-1 sent again under a new key.
    QStringList resent_count() {
        const std::string submissions = dir_.file("kestrivo_three_counts.csv");
        std::ifstream in(kDocs + "/field-example/kestrivo_three_counts.csv");
        std::ofstream out(submissions);
        std::string line, first;
        for (int i = 0; std::getline(in, line); ++i) {
            out << line << '\n';
            if (i == 1) first = line;
        }
        const std::string old_key = "00010001", new_key = "00019999";
        for (std::size_t at; (at = first.find(old_key)) != std::string::npos;)
            first.replace(at, old_key.size(), new_key);
        out << first << '\n';
        out.close();
        const std::string sightings = dir_.file("kestrivo_three_counts-sighting.csv");
        std::filesystem::copy_file(kDocs + "/field-example/kestrivo_three_counts-sighting.csv",
                                   sightings);
        return {QString::fromStdString(submissions), QString::fromStdString(sightings)};
    }

    // A survey file whose third block has no c100 and whose fifth is not a whole number.
    QStringList with_bad_blocks() {
        const std::string path = dir_.file("bad.csv");
        std::ifstream in(kDocs + "/example-survey.csv");
        std::ofstream out(path);
        std::string line;
        for (int i = 0; std::getline(in, line); ++i) {
            if (i == 3)
                line.replace(line.find(',') + 1,
                             line.find(',', line.find(',') + 1) - line.find(',') - 1, "");
            if (i == 5) line.replace(line.find(',') + 1, 0, "2.5");
            out << line << '\n';
        }
        return {QString::fromStdString(path)};
    }

    TemporaryFolder dir_;
    Form1 form_;
};

// Each report is exported and read back page by page.
TEST_F(survey_report_pdf_test, every_page_reads_whole) {
    struct Case {
        const char* name;
        QStringList paths;
        QString title;
        bool fieldwork, conflicts, left_out;
    };
    const std::vector<Case> cases = {
        {"zip",
         {QString::fromStdString(kDocs + "/field-example/kestrivo_three_counts.zip")},
         QStringLiteral("Kampala, Central Division"),
         true,
         false,
         false},
        // The count sent again leaves block N-1's first count in doubt: the block is left out.
        {"resent", resent_count(), QString(), true, true, true},
        {"example",
         {QString::fromStdString(kDocs + "/example-survey.csv")},
         QString(),
         false,
         false,
         false},
        {"marks",
         {QString::fromStdString(kDocs + "/field-example-marks/survey.csv")},
         QString(),
         true,
         false,
         false},
        {"bad", with_bad_blocks(), QString(), false, false, true},
    };
    const QStringList headings = {QStringLiteral("The city's dogs"),
                                  QStringLiteral("How to read this report"),
                                  QStringLiteral("Design"),
                                  QStringLiteral("Strata"),
                                  QStringLiteral("Vaccination coverage"),
                                  QStringLiteral("Blocks"),
                                  QStringLiteral("What the numbers assume"),
                                  QStringLiteral("Method"),
                                  QStringLiteral("Appendix: what the field data held")};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SurveyWindow* window = open(c.paths, 60, 40);
        window->report_title->setText(c.title);
        const std::string pdf = dir_.file(std::string(c.name) + ".pdf");
        window->export_report_to(QString::fromStdString(pdf));
        render_pages(pdf, c.name);
        const std::vector<QString> pages = pages_of(pdf);
        ASSERT_GE(pages.size(), 2u);
        const QString first = QString(pages[0]).replace(QLatin1Char('\n'), QLatin1Char(' '));
        const QString answer = window->answer->text();
        EXPECT_TRUE(first.contains(answer.left(answer.indexOf(QLatin1Char(',')))))
            << first.toStdString();
        EXPECT_EQ(first.contains(QStringLiteral("Fieldwork")), c.fieldwork);
        if (!c.title.isEmpty()) {
            EXPECT_TRUE(first.contains(c.title));
        }
        QString all;
        for (const QString& page : pages) {
            const QStringList lines = body_lines(page);
            ASSERT_FALSE(lines.isEmpty());
            EXPECT_FALSE(headings.contains(lines.back()))
                << "a heading ends a page: " << lines.back().toStdString();
            for (const QString& line : lines) {
                // "3,090 (2,090–" then "4,570)": an interval broken across lines.
                EXPECT_FALSE(line.contains(QRegularExpression(QStringLiteral("\\d(\\s*\\(|–)$"))))
                    << line.toStdString();
            }
            all += page;
        }
        EXPECT_EQ(all.contains(QStringLiteral("Appendix: what the field data held")), c.conflicts);
        EXPECT_EQ(all.contains(QStringLiteral("Left out:")), c.left_out);
        EXPECT_FALSE(all.contains(QStringLiteral("N_pool")) ||
                     all.contains(QStringLiteral("het_p")) || all.contains(QStringLiteral("S_lo")));
    }
}

// The layout's own account of its pages: a heading is on the page its text starts on, and a table
// that fits on one page is on one page, however the text before them falls.
TEST(report_pages_test, headings_and_tables_keep_together) {
    TemporaryFolder dir;
    for (int filler = 0; filler < 40; filler += 3) {
        SCOPED_TRACE(filler);
        QString html;
        for (int i = 0; i < filler; ++i)
            html += QStringLiteral(
                "<p>A paragraph of the report, long enough to fill a line or "
                "two of the page as the report's text does.</p>");
        for (int section = 0; section < 4; ++section) {
            html += QStringLiteral("<h2>Section %1</h2><p>Its lead-in.</p><table border=\"1\">")
                        .arg(section);
            for (int r = 0; r < 25; ++r)
                html +=
                    QStringLiteral("<tr><td>s%1r%2</td><td>value</td></tr>").arg(section).arg(r);
            html += QStringLiteral("</table>");
        }
        QTextDocument document;
        document.setHtml(html);
        ASSERT_TRUE(print_pdf({&document}, QString::fromStdString(dir.file("pages.pdf")),
                              QStringLiteral("test"), QStringLiteral("test")));
        const std::vector<PagedElement> elements = paged_elements(document);
        for (std::size_t i = 0; i < elements.size(); ++i) {
            if (elements[i].table) {
                EXPECT_EQ(elements[i].first_page, elements[i].last_page) << i;
            }
            if (elements[i].heading && i + 1 < elements.size()) {
                EXPECT_EQ(elements[i].first_page, elements[i + 1].first_page) << i;
            }
        }
        // The pages as printed: each section's heading, its first row and its last on one page.
        const std::vector<QString> pages = pages_of(dir.file("pages.pdf"));
        EXPECT_EQ(int(pages.size()), document.pageCount());
        const auto page_with = [&](const QString& text) {
            for (std::size_t p = 0; p < pages.size(); ++p)
                if (pages[p].contains(
                        QRegularExpression(QStringLiteral("\\b") + text + QStringLiteral("\\b"))))
                    return int(p);
            return -1;
        };
        for (int section = 0; section < 4; ++section) {
            const int heading = page_with(QStringLiteral("Section %1").arg(section));
            EXPECT_NE(heading, -1);
            EXPECT_EQ(page_with(QStringLiteral("s%1r0").arg(section)), heading) << section;
            EXPECT_EQ(page_with(QStringLiteral("s%1r24").arg(section)), heading) << section;
        }
    }
}

// In French a number's groups are joined by a narrow no-break space, and the report in French
// keeps every number whole: no line ends with a digit when the next starts with three.
TEST_F(survey_report_pdf_test, a_french_report_keeps_its_numbers_whole) {
    std::vector<QString> pages;
    {
        const InLanguage language("fr", QLocale(QLocale::French, QLocale::France));
        ASSERT_TRUE(language.loaded());
        SurveyWindow* window = open(
            {QString::fromStdString(kDocs + "/field-example/kestrivo_three_counts.zip")}, 60, 40);
        const std::string pdf = dir_.file("fr.pdf");
        window->export_report_to(QString::fromStdString(pdf));
        render_pages(pdf, "fr");
        pages = pages_of(pdf);
    }
    ASSERT_GE(pages.size(), 2u);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Chiens"))) << pages[0].toStdString();
    for (const QString& page : pages) {
        const QStringList lines = body_lines(page);
        for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
            EXPECT_FALSE(lines[i].contains(QRegularExpression(QStringLiteral("\\d$"))) &&
                         lines[i + 1].contains(QRegularExpression(QStringLiteral("^\\d{3}\\b"))))
                << lines[i].toStdString() << " / " << lines[i + 1].toStdString();
        }
    }
}

// The title typed for a survey comes back when the same files are opened again, in any order,
// and not for other files; emptied, it is forgotten.
TEST_F(survey_report_pdf_test, a_surveys_title_is_kept_for_its_files) {
    const QStringList pair = resent_count();
    const QStringList reversed{pair[1], pair[0]};
    const QStringList other{QString::fromStdString(kDocs + "/example-survey.csv")};
    SurveyWindow* first = open(pair, 60, 40);
    first->report_title->clear();
    QTest::keyClicks(first->report_title, QStringLiteral("Kampala"));
    EXPECT_EQ(open(reversed, 60, 40)->report_title->text(), QStringLiteral("Kampala"));
    EXPECT_EQ(open(other, 60, 40)->report_title->text(), QString());
    SurveyWindow* again = open(pair, 60, 40);
    QTest::keyClick(again->report_title, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(again->report_title, Qt::Key_Delete);
    EXPECT_EQ(open(pair, 60, 40)->report_title->text(), QString());
}

}  // namespace
