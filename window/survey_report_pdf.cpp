// write_survey_pdf: the report as HTML in a QTextDocument, one function a section, its maps and
// plan drawn into images the document holds, laid out so that no heading or table is split from
// its text (window/report_pages), and printed to a file beside the one asked for and moved over
// it once whole, so that a report that fails leaves no half a file behind. Every number comes
// from the report's rows as values. Numbers and intervals are written with no-break spaces and
// word joiners, and the document wraps at word boundaries only, so that "3,090 (2,090–4,570)"
// is never broken across lines.
#include "window/survey_report_pdf.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QTextDocument>
#include <QTextOption>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <set>

#include "platform/runtime_error.h"
#include "window/left_out_words.h"
#include "window/plan_words.h"
#include "window/report_pages.h"
#include "window/report_reading.h"
#include "window/survey_answer.h"

#ifndef KESTRIVO_VERSION
#define KESTRIVO_VERSION ""
#endif

namespace kestrivo::window {
namespace {

using survey::ReportRow;

const QString kTable = QStringLiteral(
    "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\" "
    "style=\"border-collapse: collapse\">");

QString html(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped();
}

// Text that a line must not break: spaces made no-break, and a word joiner after each dash.
QString unbroken(QString text) {
    text.replace(QChar(' '), QChar(0x00a0));
    text.replace(QStringLiteral("–"), QStringLiteral("–\u2060"));
    return text;
}

// A share or a chance as a whole percentage, or "–".
QString percent(const std::optional<double>& value, const QLocale& locale) {
    return value && std::isfinite(*value) ? share_words(*value, locale) : QStringLiteral("–");
}

// "312 (261–378)": dogs with their limits, rounded as the answer is, never broken.
QString dogs(const survey::Estimate& estimate, const QLocale& locale, double factor = 1) {
    if (!estimate.value) return QStringLiteral("–");
    QString text = people_number(factor * *estimate.value, locale);
    if (estimate.lower && estimate.upper) {
        text += QStringLiteral(" (%1–%2)")
                    .arg(people_number(factor * *estimate.lower, locale),
                         people_number(factor * *estimate.upper, locale));
    } else if (estimate.lower) {
        // A block whose counts put no bound on its dogs: the reader must see that, not a number.
        return unbroken(text) + QStringLiteral(" (from %1, no upper limit)")
                                    .arg(unbroken(people_number(factor * *estimate.lower, locale)));
    }
    return unbroken(text);
}

// The report's rows by what they are: the city's total, each stratum's, the pooled rows, and
// the blocks.
struct Sorted {
    const ReportRow* city = nullptr;
    std::vector<const ReportRow*> strata_totals, pooled, blocks;
};

Sorted sorted_rows(const survey::ReportRows& report) {
    Sorted sorted;
    for (const ReportRow& row : report.rows) {
        switch (row.kind) {
            case survey::RowKind::total:
                if (row.city) {
                    sorted.city = &row;
                } else {
                    sorted.strata_totals.push_back(&row);
                }
                break;
            case survey::RowKind::pooled:
                sorted.pooled.push_back(&row);
                break;
            case survey::RowKind::block:
                sorted.blocks.push_back(&row);
                break;
        }
    }
    return sorted;
}

// The distinct values of the carried column `name` over the blocks, in order of first sight.
QStringList carried_values(const survey::ReportRows& report, const Sorted& sorted,
                           const char* name) {
    const auto& carried = report.layout.carried;
    const auto at = std::find(carried.begin(), carried.end(), name);
    QStringList values;
    if (at == carried.end()) return values;
    const std::size_t column = std::size_t(at - carried.begin());
    for (const ReportRow* row : sorted.blocks) {
        if (column >= row->carried.size()) continue;
        const QString value = QString::fromStdString(row->carried[column]).trimmed();
        if (!value.isEmpty() && !values.contains(value)) values << value;
    }
    return values;
}

// "11 to 20 November 2026", "30 October to 5 November 2026", or "" when the days are unknown.
QString fieldwork_days(const SurveyPdf& pdf, const QLocale& locale) {
    QDate first = QDate::fromString(QString::fromStdString(pdf.first_day), Qt::ISODate);
    QDate last = QDate::fromString(QString::fromStdString(pdf.last_day), Qt::ISODate);
    if (!first.isValid() || !last.isValid()) return {};
    if (last < first) std::swap(first, last);
    const QString whole = QStringLiteral("d MMMM yyyy");
    if (first == last) return locale.toString(first, whole);
    const QString from = first.year() != last.year()     ? whole
                         : first.month() != last.month() ? QStringLiteral("d MMMM")
                                                         : QStringLiteral("d");
    return QStringLiteral("%1 to %2")
        .arg(locale.toString(first, from), locale.toString(last, whole));
}

// "team 1, team 2 and team 3".
QString listed(const QStringList& items) {
    if (items.size() <= 1) return items.join(QString());
    return QStringLiteral("%1 and %2")
        .arg(items.mid(0, items.size() - 1).join(QStringLiteral(", ")), items.back());
}

QString title_section(const SurveyPdf& pdf, const Sorted& sorted, const QLocale& locale) {
    QString body =
        pdf.title.empty()
            ? QStringLiteral("<h1>Free-roaming dogs counted in %1</h1>").arg(html(pdf.name))
            : QStringLiteral("<h1>Free-roaming dogs of %1</h1>").arg(html(pdf.title));
    QStringList facts;
    const QString days = fieldwork_days(pdf, locale);
    const QStringList teams = carried_values(*pdf.rows, sorted, "team");
    if (!days.isEmpty() || !teams.isEmpty()) {
        QString fieldwork = QStringLiteral("Fieldwork");
        if (!days.isEmpty()) fieldwork += QStringLiteral(" from %1").arg(days);
        if (!teams.isEmpty()) {
            fieldwork +=
                teams.size() == 1
                    ? QStringLiteral(", by %1").arg(teams.front())
                    : QStringLiteral(", by %1 teams: %2").arg(teams.size()).arg(listed(teams));
        }
        facts << fieldwork.toHtmlEscaped() + QStringLiteral(".");
    }
    facts << QStringLiteral("Counts from %1; report written on %2 by Kestrivo %3.")
                 .arg(html(pdf.name),
                      locale.toString(QDate::currentDate(), QStringLiteral("d MMMM yyyy")),
                      QStringLiteral(KESTRIVO_VERSION));
    facts << left_out_summary(*pdf.rows).toHtmlEscaped();
    return body + QStringLiteral("<p>%1</p>").arg(facts.join(QStringLiteral("<br>")));
}

// The city's answer, then the map when there is one: the first page says what was found, and
// where.
QString answer_section(QTextDocument& document, const SurveyPdf& pdf, const ReportRow* city,
                       const QLocale& locale) {
    QString body = QStringLiteral("<h2>The city's dogs</h2>");
    if (city) {
        const TotalInWords total = total_in_words(*city);
        body += QStringLiteral("<p style=\"font-size:15pt\"><b>%1</b></p>")
                    .arg(dogs_sentence(total, pdf.level, locale).toHtmlEscaped());
        if (!city->cells.coverage) {
            body += QStringLiteral("<p style=\"font-size:12pt\">%1</p>")
                        .arg(doses_sentence(total, pdf.coverage, locale).toHtmlEscaped());
        } else {
            const survey::CoverageCells& c = *city->cells.coverage;
            body += QStringLiteral("<p style=\"font-size:12pt\">%1 %2</p>")
                        .arg(coverage_sentence(c, pdf.level, locale).toHtmlEscaped(),
                             doses_needed_sentence(c, pdf.coverage, locale).toHtmlEscaped());
        }
    } else {
        body += QStringLiteral(
            "<p>There is no city total: give each stratum's number of blocks in the city (or "
            "a weight column) in the survey window's design.</p>");
    }
    const QImage map = survey_map_image(*pdf.rows, QSize(1500, 900));
    if (!map.isNull()) {
        document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("kestrivo:map")),
                             QVariant(map));
        body += QStringLiteral("<p><img src=\"kestrivo:map\" width=\"600\"></p>");
    }
    return body;
}

QString design_section(const SurveyPdf& pdf, const Sorted& sorted, const QLocale& locale) {
    QString body = QStringLiteral("<h2>Design</h2><p>");
    body += pdf.stratum_column.empty()
                ? QStringLiteral("One stratum: the whole city.")
                : QStringLiteral(
                      "The city is divided into strata by the column <b>%1</b>; the "
                      "blocks counted in each were drawn from its blocks.")
                      .arg(html(pdf.stratum_column));
    if (pdf.weighted) {
        body += QStringLiteral(
            " Each block stands for as many blocks of the city as its design "
            "weight in the file says.");
    }
    if (!pdf.conflicts.empty()) {
        body += QStringLiteral(" The field data held %1 conflicts, listed in the appendix.")
                    .arg(locale.toString(qulonglong(pdf.conflicts.size())));
        if (pdf.conflicts.size() == 1)
            body.replace(QStringLiteral("held 1 conflicts"), QStringLiteral("held 1 conflict"));
    }
    body += QStringLiteral("</p>") + kTable +
            QStringLiteral(
                "<thead><tr><th>Stratum</th><th>Blocks counted</th><th>Used</th><th>Left "
                "out</th><th>Blocks in the city</th></tr></thead>");
    for (const auto& row : pdf.design) {
        std::size_t used = 0, left_out = 0;
        for (const ReportRow* block : sorted.blocks) {
            if (!pdf.stratum_column.empty() && block->stratum != row.stratum) continue;
            ++(left_out_of_strata(*block) ? left_out : used);
        }
        body += QStringLiteral(
                    "<tr><td>%1</td><td align=\"right\">%2</td><td align=\"right\">%3</td>"
                    "<td align=\"right\">%4</td><td align=\"right\">%5</td></tr>")
                    .arg(html(row.stratum), html(row.counted), locale.toString(qulonglong(used)),
                         locale.toString(qulonglong(left_out)),
                         row.in_city.empty() ? QStringLiteral("not given") : html(row.in_city));
    }
    return body + QStringLiteral("</table>");
}

// Whether a stratum's blocks can share one visibility, in words with the test's p.
QString agreement(const ReportRow& pooled, const QLocale& locale) {
    if (!pooled.cells.het || !std::isfinite(pooled.cells.het->p)) return QStringLiteral("–");
    const double p = pooled.cells.het->p;
    const QString shown = unbroken(QStringLiteral("p = ") + locale.toString(p, 'f', 2));
    return p < 0.05 ? QStringLiteral("<b>no</b>: they differ (%1)").arg(shown)
                    : QStringLiteral("yes (%1)").arg(shown);
}

// The share of a stratum's dogs seen: at least once over the three counts where the stratum gave
// the dogs first seen later, else on one count. Each cell says which.
QString seen_words(const ReportRow& pooled, const QLocale& locale) {
    const std::optional<double> seen = survey::share_seen(pooled);
    if (!seen || !std::isfinite(*seen)) return QStringLiteral("–");
    return pooled.cells.seven ? QStringLiteral("%1 at least once").arg(percent(seen, locale))
                              : QStringLiteral("%1 on a count").arg(percent(seen, locale));
}

// Each stratum: its shared visibility in words, whether its blocks agree, and its dogs.
QString strata_section(const SurveyPdf& pdf, const Sorted& sorted, const QLocale& locale) {
    const QString level = locale.toString(std::round(pdf.level * 100)) + QStringLiteral("%");
    QString body =
        QStringLiteral(
            "<h2>Strata</h2><p>Each stratum's dogs, with the visibility its blocks "
            "share.</p>") +
        kTable +
        QStringLiteral(
            "<thead><tr><th>Stratum</th><th>Share always seen</th><th>Chance of being seen "
            "on a count</th><th>Share of its dogs seen</th><th>Do its blocks agree?</th>"
            "<th>Dogs (%1 interval)</th><th>Doses for %2 coverage</th></tr></thead>")
            .arg(level, locale.toString(std::round(pdf.coverage * 100)) + QStringLiteral("%"));
    for (const ReportRow* row : sorted.pooled) {
        // Without strata the city is the one stratum: its total is the city's.
        const ReportRow* total = pdf.stratum_column.empty() ? sorted.city : nullptr;
        for (const ReportRow* t : sorted.strata_totals)
            if (t->stratum == row->stratum) total = t;
        const analysis::Report* fit = row->report ? &*row->report : nullptr;
        std::optional<double> S, P;
        if (fit && fit->estimates) {
            S = fit->estimates->S;
            if (fit->estimates->p_identified) P = fit->estimates->P;
        }
        const survey::Estimate dogs_total = total ? survey::total_dogs(*total) : survey::Estimate{};
        body += QStringLiteral(
                    "<tr><td>%1</td><td align=\"right\">%2</td><td align=\"right\">%3</td>"
                    "<td align=\"right\">%4</td><td>%5</td><td>%6</td><td>%7</td></tr>")
                    .arg(row->stratum.empty() ? QStringLiteral("the city") : html(row->stratum),
                         percent(S, locale), percent(P, locale), seen_words(*row, locale),
                         agreement(*row, locale),
                         total ? dogs(dogs_total, locale) : QStringLiteral("–"),
                         total ? dogs(dogs_total, locale, pdf.coverage) : QStringLiteral("–"));
        if (!row->error.empty()) {
            QString why = QString::fromStdString(row->error);
            why.remove(QRegularExpression(QStringLiteral("^pooled: ")));
            body += QStringLiteral("<tr><td colspan=\"7\">No shared visibility: %1</td></tr>")
                        .arg(why.toHtmlEscaped());
        }
    }
    return body + QStringLiteral("</table>");
}

// After a campaign: the city's coverage in words, then each stratum's with its interval, the
// naive share marked beside it, whether it is below the target, and the doses still needed.
QString coverage_section(QTextDocument& document, const SurveyPdf& pdf, const Sorted& sorted,
                         const QLocale& locale) {
    if (!sorted.city || !sorted.city->cells.coverage) return {};
    const survey::CoverageCells& city = *sorted.city->cells.coverage;
    const auto percent = [&](double x) {
        return std::isfinite(x) ? locale.toString(std::round(x * 100)) + QStringLiteral("%")
                                : QStringLiteral("–");
    };
    QString body = QStringLiteral(
                       "<h2>Vaccination coverage</h2><p style=\"font-size:13pt\"><b>%1"
                       "</b> %2</p>")
                       .arg(coverage_sentence(city, pdf.level, locale).toHtmlEscaped(),
                            doses_needed_sentence(city, pdf.coverage, locale).toHtmlEscaped());
    body +=
        kTable +
        QStringLiteral(
            "<thead><tr><th>Stratum</th>"
            "<th>Coverage (%1% interval)</th><th>Share marked among the dogs seen</th><th>Against "
            "%2</th><th>Doses still needed</th></tr></thead>")
            .arg(locale.toString(std::round(pdf.level * 100)), percent(pdf.coverage));
    std::vector<const ReportRow*> rows = sorted.strata_totals;
    if (rows.empty()) rows.push_back(sorted.city);
    for (const ReportRow* row : rows) {
        if (!row->cells.coverage) continue;
        const survey::CoverageCells& c = *row->cells.coverage;
        const QString standing = coverage_standing(c, pdf.coverage, locale);
        body +=
            QStringLiteral(
                "<tr><td>%1</td><td>%2&nbsp;(%3&nbsp;to&nbsp;%4)</td><td>%5</td><td>%6</td><td "
                "align=\"right\">%7</td></tr>")
                .arg(row->stratum.empty() ? QStringLiteral("the city") : html(row->stratum),
                     unbroken(percent(c.coverage)), unbroken(percent(c.lower)),
                     unbroken(percent(c.upper)), percent(c.naive),
                     standing.isEmpty() ? QStringLiteral("met") : standing.toHtmlEscaped(),
                     std::isfinite(c.doses) ? people_number(c.doses, locale) : QStringLiteral("–"));
    }
    body += QStringLiteral("</table>");
    const QImage map = coverage_map_image(*pdf.rows, pdf.coverage, QSize(1500, 900));
    if (!map.isNull()) {
        document.addResource(QTextDocument::ImageResource,
                             QUrl(QStringLiteral("kestrivo:coverage-map")), QVariant(map));
        body += QStringLiteral("<p><img src=\"kestrivo:coverage-map\" width=\"600\"></p>");
    }
    return body + QStringLiteral(
                      "<p><i>Coverage is the marked dogs over the dogs whose mark is "
                      "known, each group counted over its own share seen: the share marked among "
                      "the dogs seen leans towards whichever group is easier to see.</i></p>");
}

// A block's notes: why it was left out, or where its own interval is open.
QString block_notes(const ReportRow& row) {
    if (!row.error.empty()) return left_out_words(row).toHtmlEscaped();
    const analysis::Report* fit = row.report ? &*row.report : nullptr;
    return fit ? edges_words(analysis::limits_at_edges(*fit)).toHtmlEscaped() : QString();
}

// Rows a table of blocks holds before the next starts with its own heading row: Qt lays out and
// draws a table in time that grows with its rows times the pages it spans, and a survey of
// 20,000 blocks in one table would take minutes. Fixed column widths keep the tables aligned.
constexpr std::size_t kBlocksPerTable = 40;

QString blocks_section(const SurveyPdf& pdf, const Sorted& sorted, const QLocale& locale) {
    const QString level = locale.toString(std::round(pdf.level * 100)) + QStringLiteral("%");
    const bool pooled = pdf.rows->layout.with_pool, strata = !pdf.stratum_column.empty();
    QString head = QStringLiteral("<thead><tr><th width=\"11%\">Block</th>");
    if (strata) head += QStringLiteral("<th width=\"11%\">%1</th>").arg(html(pdf.stratum_column));
    head += QStringLiteral(
                "<th width=\"12%\">Dogs identified on the first count</th><th width=\"19%\">"
                "Dogs: its own estimate (%1 interval)</th>")
                .arg(level);
    if (pooled) {
        head += QStringLiteral(
                    "<th width=\"19%\">Dogs with its stratum's shared visibility (%1 "
                    "interval)</th>")
                    .arg(level);
    }
    head += QStringLiteral("<th>Notes</th></tr></thead>");
    QString body = QStringLiteral("<h2>Blocks</h2>");
    for (std::size_t i = 0; i < sorted.blocks.size(); ++i) {
        if (i % kBlocksPerTable == 0) {
            if (i > 0) body += QStringLiteral("</table>");
            body += kTable + head;
        }
        const ReportRow* row = sorted.blocks[i];
        body += QStringLiteral("<tr><td>%1</td>").arg(html(row->label));
        if (strata) body += QStringLiteral("<td>%1</td>").arg(html(row->stratum));
        const analysis::Report* fit = row->report ? &*row->report : nullptr;
        const QString n = fit && fit->n ? locale.toString(qlonglong(*fit->n)) : QString();
        body += QStringLiteral("<td align=\"right\">%1</td><td>%2</td>")
                    .arg(n, dogs(survey::block_dogs(*row), locale));
        if (pooled)
            body += QStringLiteral("<td>%1</td>").arg(dogs(survey::pooled_dogs(*row), locale));
        body += QStringLiteral("<td>%1</td></tr>").arg(block_notes(*row));
    }
    return body + (sorted.blocks.empty() ? QString() : QStringLiteral("</table>"));
}

QString plan_section(QTextDocument& document, const MadePlan& made, const QLocale& locale) {
    QString body = QStringLiteral("<h2>Plan: blocks to count</h2>");
    if (made.plan.recommended) {
        QString words = QStringLiteral("Count <b>%1 blocks</b>").arg(*made.plan.recommended);
        for (const auto& row : made.plan.rows) {
            if (row.k == *made.plan.recommended && made.request.strata.size() > 1) {
                words += QStringLiteral(": ") + html(allocation_words(made, row));
            }
        }
        body += QStringLiteral(
                    "<p>%1, so that the city's %2 interval is within %3 in %4 of surveys.</p>")
                    .arg(words, QStringLiteral("95%"),
                         unbroken(target_words(made.request.target, locale)).toHtmlEscaped(),
                         locale.toString(std::round(made.request.assurance * 100)) +
                             QStringLiteral("%"));
    }
    body += QStringLiteral("<p>%1</p>").arg(plan_note_words(made, locale).toHtmlEscaped());
    QImage picture(QSize(949 * 2, 381 * 2), QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        painter.scale(2, 2);
        paint_plan_picture(painter, QSizeF(949, 381), made);
    }
    document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("kestrivo:plan")),
                         QVariant(picture));
    return body + QStringLiteral("<p><img src=\"kestrivo:plan\" width=\"600\"></p>");
}

// Prints `parts` beside `path`, then moves the file over it.
void print_to(const QString& path, const QString& title, const std::vector<QTextDocument*>& parts) {
    const auto fail = [&](const QString& why) {
        throw platform::RuntimeError(platform::ErrorKind::FileError,
                                     (path + QStringLiteral(": ") + why).toStdString());
    };
    const QFileInfo target(path);
    QTemporaryFile part(target.absoluteDir().filePath(QStringLiteral(".kestrivo-XXXXXX.pdf")));
    part.setAutoRemove(true);
    if (!part.open()) fail(QStringLiteral("the folder cannot be written: ") + part.errorString());
    // A report is for handing over: readable by others, as a file the user saved would be.
    part.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                        QFileDevice::ReadOther);
    part.close();
    if (!print_pdf(parts, part.fileName(), title, title) || QFileInfo(part.fileName()).size() <= 0)
        fail(QStringLiteral("the report could not be written."));
    std::error_code error;
    std::filesystem::rename(part.fileName().toStdString(), target.absoluteFilePath().toStdString(),
                            error);
    if (error) fail(QString::fromStdString(error.message()) + QStringLiteral("."));
    part.setAutoRemove(false);  // moved: nothing is left to remove
}

}  // namespace

void write_survey_pdf(const QString& path, const SurveyPdf& given) {
    if (QFileInfo(path).isDir()) {
        throw platform::RuntimeError(platform::ErrorKind::FileError,
                                     (path + QStringLiteral(": is a folder.")).toStdString());
    }
    SurveyPdf pdf = given;
    if (!pdf.rows) pdf.rows = std::make_shared<const survey::ReportRows>();
    const Sorted sorted = sorted_rows(*pdf.rows);
    const QLocale locale;
    // The report, then its blocks and the conflicts: the two that can run to thousands of rows,
    // kept apart so that their tables are laid out once, not again for every page break above.
    QTextDocument document, details;
    for (QTextDocument* part : {&document, &details}) {
        QFont font = part->defaultFont();
        font.setPointSizeF(9.5);
        part->setDefaultFont(font);
        // Lines break between words only: a number or an interval is one word.
        QTextOption wrap = part->defaultTextOption();
        wrap.setWrapMode(QTextOption::WordWrap);
        part->setDefaultTextOption(wrap);
    }
    QString body = title_section(pdf, sorted, locale);
    body += answer_section(document, pdf, sorted.city, locale);
    body += how_to_read_section(pdf.rows->layout, pdf.level);
    body += design_section(pdf, sorted, locale);
    body += strata_section(pdf, sorted, locale);
    body += coverage_section(document, pdf, sorted, locale);
    if (pdf.plan) body += plan_section(document, *pdf.plan, locale);
    body += assumptions_section(pdf.weighted, sorted.city);
    body += method_section(pdf.rows->layout, pdf.weighted);
    document.setHtml(QStringLiteral("<html><body>") + body + QStringLiteral("</body></html>"));
    details.setHtml(QStringLiteral("<html><body>") + blocks_section(pdf, sorted, locale) +
                    conflicts_appendix(pdf.conflicts) + QStringLiteral("</body></html>"));
    const QString title =
        pdf.title.empty()
            ? QString::fromStdString(pdf.name)
            : QStringLiteral("Free-roaming dogs of %1").arg(QString::fromStdString(pdf.title));
    print_to(path, title, {&document, &details});
}

}  // namespace kestrivo::window
