// write_survey_pdf: the report as HTML in a QTextDocument, one function a section, its maps and
// plan drawn into images the document holds, laid out so that no heading or table is split from
// its text (window/report_pages), and printed to a file beside the one asked for and moved over
// it once whole, so that a report that fails leaves no half a file behind. Every number comes
// from the report's rows as values. Numbers and intervals are written with no-break spaces and
// word joiners, and the document wraps at word boundaries only, so that "3,090 (2,090–4,570)"
// is never broken across lines.
#include "window/survey_report_pdf.h"

#include <QCoreApplication>
#include <QDate>
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

// The translations (i18n/*.ts) hold the report's words under this name, without their HTML
// tags. Names from the data (strata, teams, columns) and the report's own English reasons are
// put in as they are.
class SurveyReportPdf {
    Q_DECLARE_TR_FUNCTIONS(kestrivo::window::SurveyReportPdf)
};

// The cells of a table's heading row, one a column.
QString head_cells(const QStringList& names) {
    QString cells;
    for (const QString& name : names)
        cells += QStringLiteral("<th>%1</th>").arg(name);
    return cells;
}

const QString kTable = QStringLiteral(
    "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\" "
    "style=\"border-collapse: collapse\">");

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
        //: %1 is a number of dogs: the block's dogs are at least that, with no upper limit.
        return unbroken(text) + QLatin1Char(' ') +
               SurveyReportPdf::tr("(from %1, no upper limit)")
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
    //: Days of fieldwork, "11 to 20 November 2026".
    return SurveyReportPdf::tr("%1 to %2")
        .arg(locale.toString(first, from), locale.toString(last, whole));
}

// "team 1, team 2 and team 3".
QString listed(const QStringList& items) {
    if (items.size() <= 1) return items.join(QString());
    //: What separates the items of a list but the last two: "team 1, team 2 and team 3".
    const QString separator = SurveyReportPdf::tr(", ");
    //: %1 is all the list's items but the last, %2 its last: "team 1, team 2 and team 3".
    return SurveyReportPdf::tr("%1 and %2")
        .arg(items.mid(0, items.size() - 1).join(separator), items.back());
}

// "Fieldwork from 11 to 20 November 2026, by 2 teams: A and B.", each case a whole sentence.
QString fieldwork_words(const QString& days, const QStringList& teams) {
    const QString many = QString::number(teams.size());
    if (teams.isEmpty()) return SurveyReportPdf::tr("Fieldwork from %1.").arg(days);
    if (days.isEmpty()) {
        //: %1 is the name of the one team, as in the data.
        return teams.size() == 1
                   ? SurveyReportPdf::tr("Fieldwork, by %1.").arg(teams.front())
                   : SurveyReportPdf::tr("Fieldwork, by %1 teams: %2.").arg(many, listed(teams));
    }
    return teams.size() == 1
               ? SurveyReportPdf::tr("Fieldwork from %1, by %2.").arg(days, teams.front())
               : SurveyReportPdf::tr("Fieldwork from %1, by %2 teams: %3.")
                     .arg(days, many, listed(teams));
}

QString title_section(const SurveyPdf& pdf, const Sorted& sorted, const QLocale& locale) {
    //: %1 is the survey file's name.
    const QString title =
        pdf.title.empty()
            ? SurveyReportPdf::tr("Free-roaming dogs counted in %1").arg(report_html(pdf.name))
            //: %1 is the title the user gave the survey, a city's name.
            : SurveyReportPdf::tr("Free-roaming dogs of %1").arg(report_html(pdf.title));
    QString body = QStringLiteral("<h1>%1</h1>").arg(title);
    QStringList facts;
    const QString days = fieldwork_days(pdf, locale);
    const QStringList teams = carried_values(*pdf.rows, sorted, "team");
    if (!days.isEmpty() || !teams.isEmpty()) facts << fieldwork_words(days, teams).toHtmlEscaped();
    //: %1 is the survey file's name, %2 today's date, %3 Kestrivo's version.
    facts << SurveyReportPdf::tr("Counts from %1; report written on %2 by Kestrivo %3.")
                 .arg(report_html(pdf.name),
                      locale.toString(QDate::currentDate(), QStringLiteral("d MMMM yyyy")),
                      QStringLiteral(KESTRIVO_VERSION));
    facts << left_out_summary(*pdf.rows).toHtmlEscaped();
    return body + QStringLiteral("<p>%1</p>").arg(facts.join(QStringLiteral("<br>")));
}

// The city's answer, then the map when there is one: the first page says what was found, and
// where.
QString answer_section(QTextDocument& document, const SurveyPdf& pdf, const ReportRow* city,
                       const QLocale& locale) {
    QString body = report_heading(SurveyReportPdf::tr("The city's dogs"));
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
        body += QStringLiteral("<p>%1</p>")
                    .arg(SurveyReportPdf::tr(
                        "There is no city total: give each stratum's number of blocks "
                        "in the city (or a weight column) in the survey window's "
                        "design."));
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
    QString body = report_heading(SurveyReportPdf::tr("Design")) + QStringLiteral("<p>");
    body += pdf.stratum_column.empty()
                ? SurveyReportPdf::tr("One stratum: the whole city.")
                //: %1 is the name of the file's strata column, in bold.
                : SurveyReportPdf::tr(
                      "The city is divided into strata by the column %1; the blocks counted "
                      "in each were drawn from its blocks.")
                      .arg(QStringLiteral("<b>%1</b>").arg(report_html(pdf.stratum_column)));
    if (pdf.weighted) {
        body += QLatin1Char(' ') + SurveyReportPdf::tr(
                                       "Each block stands for as many blocks of the city as "
                                       "its design weight in the file says.");
    }
    if (!pdf.conflicts.empty()) {
        body +=
            QLatin1Char(' ') +
            (pdf.conflicts.size() == 1
                 ? SurveyReportPdf::tr("The field data held 1 conflict, listed in the appendix.")
                 : SurveyReportPdf::tr("The field data held %1 conflicts, listed in the appendix.")
                       .arg(locale.toString(qulonglong(pdf.conflicts.size()))));
    }
    body += QStringLiteral("</p>") + kTable + QStringLiteral("<thead><tr>") +
            head_cells({SurveyReportPdf::tr("Stratum"), SurveyReportPdf::tr("Blocks counted"),
                        SurveyReportPdf::tr("Used"), SurveyReportPdf::tr("Left out"),
                        SurveyReportPdf::tr("Blocks in the city")}) +
            QStringLiteral("</tr></thead>");
    for (const auto& row : pdf.design) {
        std::size_t used = 0, left_out = 0;
        for (const ReportRow* block : sorted.blocks) {
            if (!pdf.stratum_column.empty() && block->stratum != row.stratum) continue;
            ++(left_out_of_strata(*block) ? left_out : used);
        }
        body += QStringLiteral(
                    "<tr><td>%1</td><td align=\"right\">%2</td><td align=\"right\">%3</td>"
                    "<td align=\"right\">%4</td><td align=\"right\">%5</td></tr>")
                    .arg(report_html(row.stratum), report_html(row.counted),
                         locale.toString(qulonglong(used)), locale.toString(qulonglong(left_out)),
                         //: A stratum's number of blocks in the city was not given.
                         row.in_city.empty() ? SurveyReportPdf::tr("not given")
                                             : report_html(row.in_city));
    }
    return body + QStringLiteral("</table>");
}

// Whether a stratum's blocks can share one visibility, in words with the test's p.
QString agreement(const ReportRow& pooled, const QLocale& locale) {
    if (!pooled.cells.het || !std::isfinite(pooled.cells.het->p)) return QStringLiteral("–");
    const double p = pooled.cells.het->p;
    const QString shown = unbroken(QStringLiteral("p = ") + locale.toString(p, 'f', 2));
    //: Do a stratum's blocks agree on how visible their dogs are? %1 is a bold "no", %2 the
    //: test's p.
    return p < 0.05 ? SurveyReportPdf::tr("%1: they differ (%2)")
                          .arg(QStringLiteral("<b>%1</b>").arg(SurveyReportPdf::tr("no")), shown)
                    : SurveyReportPdf::tr("yes (%1)").arg(shown);
}

// The share of a stratum's dogs seen: at least once over the three counts where the stratum gave
// the dogs first seen later, else on one count. Each cell says which.
QString seen_words(const ReportRow& pooled, const QLocale& locale) {
    const std::optional<double> seen = survey::share_seen(pooled);
    if (!seen || !std::isfinite(*seen)) return QStringLiteral("–");
    //: The share of a stratum's dogs seen at least once over the three counts.
    return pooled.cells.seven ? SurveyReportPdf::tr("%1 at least once").arg(percent(seen, locale))
                              //: The share of a stratum's dogs seen on one count.
                              : SurveyReportPdf::tr("%1 on a count").arg(percent(seen, locale));
}

// Each stratum: its shared visibility in words, whether its blocks agree, and its dogs.
QString strata_section(const SurveyPdf& pdf, const Sorted& sorted, const QLocale& locale) {
    const QString level = percent_sign(locale.toString(std::round(pdf.level * 100)));
    const QString coverage = percent_sign(locale.toString(std::round(pdf.coverage * 100)));
    QString body = report_heading(SurveyReportPdf::tr("Strata")) +
                   QStringLiteral("<p>%1</p>")
                       .arg(SurveyReportPdf::tr(
                           "Each stratum's dogs, with the visibility its blocks share.")) +
                   kTable + QStringLiteral("<thead><tr>") +
                   head_cells({SurveyReportPdf::tr("Stratum"),
                               //: The share of a block's dogs that hold a territory and are seen on
                               //: every count.
                               SurveyReportPdf::tr("Share always seen"),
                               SurveyReportPdf::tr("Chance of being seen on a count"),
                               SurveyReportPdf::tr("Share of its dogs seen"),
                               SurveyReportPdf::tr("Do its blocks agree?"),
                               //: %1 is the interval's level, "95%".
                               SurveyReportPdf::tr("Dogs (%1 interval)").arg(level),
                               //: %1 is the coverage aimed at, "70%".
                               SurveyReportPdf::tr("Doses for %1 coverage").arg(coverage)}) +
                   QStringLiteral("</tr></thead>");
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
                    //: In the stratum column, where the city is its one stratum.
                    .arg(row->stratum.empty() ? SurveyReportPdf::tr("the city")
                                              : report_html(row->stratum),
                         percent(S, locale), percent(P, locale), seen_words(*row, locale),
                         agreement(*row, locale),
                         total ? dogs(dogs_total, locale) : QStringLiteral("–"),
                         total ? dogs(dogs_total, locale, pdf.coverage) : QStringLiteral("–"));
        if (!row->error.empty()) {
            QString why = QString::fromStdString(row->error);
            why.remove(QRegularExpression(QStringLiteral("^pooled: ")));
            //: %1 is the report's own reason, in English.
            body +=
                QStringLiteral("<tr><td colspan=\"7\">%1</td></tr>")
                    .arg(SurveyReportPdf::tr("No shared visibility: %1").arg(why.toHtmlEscaped()));
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
        return std::isfinite(x) ? percent_sign(locale.toString(std::round(x * 100)))
                                : QStringLiteral("–");
    };
    QString body = report_heading(SurveyReportPdf::tr("Vaccination coverage")) +
                   QStringLiteral("<p style=\"font-size:13pt\"><b>%1</b> %2</p>")
                       .arg(coverage_sentence(city, pdf.level, locale).toHtmlEscaped(),
                            doses_needed_sentence(city, pdf.coverage, locale).toHtmlEscaped());
    body += kTable + QStringLiteral("<thead><tr>") +
            head_cells({SurveyReportPdf::tr("Stratum"),
                        //: %1 is the interval's level in percent.
                        SurveyReportPdf::tr("Coverage (%1% interval)")
                            .arg(locale.toString(std::round(pdf.level * 100))),
                        SurveyReportPdf::tr("Share marked among the dogs seen"),
                        //: %1 is the target coverage: whether each stratum reaches it.
                        SurveyReportPdf::tr("Against %1").arg(percent(pdf.coverage)),
                        SurveyReportPdf::tr("Doses still needed")}) +
            QStringLiteral("</tr></thead>");
    std::vector<const ReportRow*> rows = sorted.strata_totals;
    if (rows.empty()) rows.push_back(sorted.city);
    for (const ReportRow* row : rows) {
        if (!row->cells.coverage) continue;
        const survey::CoverageCells& c = *row->cells.coverage;
        const QString standing = coverage_standing(c, pdf.coverage, locale);
        // The cell is never broken: the template's own spaces too are no-break.
        //: A coverage with its interval: %1 (from %2 to %3).
        QString interval = SurveyReportPdf::tr("%1 (%2 to %3)")
                               .arg(unbroken(percent(c.coverage)), unbroken(percent(c.lower)),
                                    unbroken(percent(c.upper)));
        interval.replace(QChar(' '), QStringLiteral("&nbsp;"));
        body +=
            QStringLiteral(
                "<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td><td align=\"right\">%5</td></tr>")
                .arg(row->stratum.empty() ? SurveyReportPdf::tr("the city")
                                          : report_html(row->stratum),
                     interval, percent(c.naive),
                     //: The coverage's interval lies above the target.
                     standing.isEmpty() ? SurveyReportPdf::tr("met") : standing.toHtmlEscaped(),
                     std::isfinite(c.doses) ? people_number(c.doses, locale) : QStringLiteral("–"));
    }
    body += QStringLiteral("</table>");
    const QImage map = coverage_map_image(*pdf.rows, pdf.coverage, QSize(1500, 900));
    if (!map.isNull()) {
        document.addResource(QTextDocument::ImageResource,
                             QUrl(QStringLiteral("kestrivo:coverage-map")), QVariant(map));
        body += QStringLiteral("<p><img src=\"kestrivo:coverage-map\" width=\"600\"></p>");
    }
    return body +
           QStringLiteral("<p><i>%1</i></p>")
               .arg(SurveyReportPdf::tr("Coverage is the marked dogs over the dogs whose mark is "
                                        "known, each group counted over its own share seen: the "
                                        "share marked among the dogs seen leans towards whichever "
                                        "group is easier to see."));
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

// A heading cell of the given width, "11%".
QString th(const char* width, const QString& text) {
    return QStringLiteral("<th width=\"%1\">%2</th>").arg(QLatin1String(width), text);
}

QString blocks_section(const SurveyPdf& pdf, const Sorted& sorted, const QLocale& locale) {
    const QString level = percent_sign(locale.toString(std::round(pdf.level * 100)));
    const bool pooled = pdf.rows->layout.with_pool, strata = !pdf.stratum_column.empty();
    QString head = QStringLiteral("<thead><tr>") + th("11%", SurveyReportPdf::tr("Block"));
    if (strata) head += th("11%", report_html(pdf.stratum_column));
    head += th("12%", SurveyReportPdf::tr("Dogs identified on the first count")) +
            //: %1 is the interval's level, "95%".
            th("19%", SurveyReportPdf::tr("Dogs: its own estimate (%1 interval)").arg(level));
    if (pooled) {
        head +=
            th("19%", SurveyReportPdf::tr("Dogs with its stratum's shared visibility (%1 interval)")
                          .arg(level));
    }
    head += QStringLiteral("<th>%1</th></tr></thead>").arg(SurveyReportPdf::tr("Notes"));
    QString body = report_heading(SurveyReportPdf::tr("Blocks"));
    for (std::size_t i = 0; i < sorted.blocks.size(); ++i) {
        if (i % kBlocksPerTable == 0) {
            if (i > 0) body += QStringLiteral("</table>");
            body += kTable + head;
        }
        const ReportRow* row = sorted.blocks[i];
        body += QStringLiteral("<tr><td>%1</td>").arg(report_html(row->label));
        if (strata) body += QStringLiteral("<td>%1</td>").arg(report_html(row->stratum));
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
    QString body = report_heading(SurveyReportPdf::tr("Plan: blocks to count"));
    if (made.plan.recommended) {
        //: The number of blocks the plan recommends counting, shown in bold.
        const QString blocks =
            QStringLiteral("<b>%1</b>")
                .arg(SurveyReportPdf::tr("%1 blocks").arg(QString::number(*made.plan.recommended)));
        QString allocation;
        for (const auto& row : made.plan.rows) {
            if (row.k == *made.plan.recommended && made.request.strata.size() > 1)
                allocation = report_html(allocation_words(made, row));
        }
        const QString within = unbroken(target_words(made.request.target, locale)).toHtmlEscaped();
        const QString surveys =
            percent_sign(locale.toString(std::round(made.request.assurance * 100)));
        const QString level = percent_sign(locale.toString(95));
        //: %1 is "12 blocks"; %2 the interval's level; %3 a precision, "±20% of the total"; %4
        //: a share of surveys.
        const QString words =
            allocation.isEmpty()
                ? SurveyReportPdf::tr(
                      "Count %1, so that the city's %2 interval is within %3 in %4 of "
                      "surveys.")
                      .arg(blocks, level, within, surveys)
                //: %2 is how the blocks are shared among the strata, as the plan says it.
                : SurveyReportPdf::tr(
                      "Count %1: %2, so that the city's %3 interval is within %4 in %5 of "
                      "surveys.")
                      .arg(blocks, allocation, level, within, surveys);
        body += QStringLiteral("<p>%1</p>").arg(words);
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
    //: %1 is the system's reason.
    if (!part.open())
        fail(SurveyReportPdf::tr("the folder cannot be written: %1").arg(part.errorString()));
    // A report is for handing over: readable by others, as a file the user saved would be.
    part.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                        QFileDevice::ReadOther);
    part.close();
    if (!print_pdf(parts, part.fileName(), title, title) || QFileInfo(part.fileName()).size() <= 0)
        fail(SurveyReportPdf::tr("the report could not be written."));
    std::error_code error;
    std::filesystem::rename(part.fileName().toStdString(), target.absoluteFilePath().toStdString(),
                            error);
    if (error) fail(QString::fromStdString(error.message()) + QStringLiteral("."));
    part.setAutoRemove(false);  // moved: nothing is left to remove
}

}  // namespace

void write_survey_pdf(const QString& path, const SurveyPdf& given) {
    if (QFileInfo(path).isDir()) {
        throw platform::RuntimeError(
            platform::ErrorKind::FileError,
            SurveyReportPdf::tr("%1: is a folder.").arg(path).toStdString());
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
    QString details_body = blocks_section(pdf, sorted, locale) + conflicts_appendix(pdf.conflicts);
    // Qt's layout breaks a line at any space but the no-break space U+00A0, the narrow one
    // (U+202F, French and other languages' thousands separator and the space before ":") too:
    // "8 720" would end a line at "8". The no-break space holds.
    for (QString* text : {&body, &details_body})
        text->replace(QChar(0x202f), QChar(0x00a0));
    document.setHtml(QStringLiteral("<html><body>") + body + QStringLiteral("</body></html>"));
    details.setHtml(QStringLiteral("<html><body>") + details_body +
                    QStringLiteral("</body></html>"));
    const QString title =
        pdf.title.empty()
            ? QString::fromStdString(pdf.name)
            : SurveyReportPdf::tr("Free-roaming dogs of %1").arg(QString::fromStdString(pdf.title));
    print_to(path, title, {&document, &details});
}

}  // namespace kestrivo::window
