// write_survey_pdf: the report as HTML in a QTextDocument, one function a section, its map and
// plan drawn into images the document holds, printed by QPrinter's PDF writer to a file beside the
// one asked for and moved over it once whole, so that a report that fails leaves no half a file
// behind. Every number comes from the report's rows as values.
#include "window/survey_report_pdf.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>
#include <QTemporaryFile>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <functional>
#include <map>

#include "platform/runtime_error.h"
#include "survey/map_writer.h"
#include "window/survey_answer.h"

#ifndef KESTRIVO_VERSION
#define KESTRIVO_VERSION ""
#endif

namespace kestrivo::window {
namespace {

using survey::ReportRow;

QString html(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped();
}

// A share or a probability: three significant digits.
QString share(const std::optional<double>& value, const QLocale& locale) {
    return value ? locale.toString(*value, 'g', 3) : QStringLiteral("–");
}

// "312 (261–378)": dogs with their limits, rounded as the answer is.
QString dogs(const survey::Estimate& estimate, const QLocale& locale, double factor = 1) {
    if (!estimate.value) return QStringLiteral("–");
    QString text = people_number(factor * *estimate.value, locale);
    if (estimate.lower && estimate.upper) {
        text += QStringLiteral(" (%1–%2)")
                    .arg(people_number(factor * *estimate.lower, locale),
                         people_number(factor * *estimate.upper, locale));
    }
    return text;
}

// A class's colour, as the KML map gives it.
QColor class_colour(std::size_t c) {
    return QColor::fromRgb(survey::DogClasses::kColours[c]);
}

// A round length near `about` metres: 1, 2 or 5 times a power of ten.
double round_length(double about) {
    const double unit = std::pow(10.0, std::floor(std::log10(about)));
    for (double m : {5.0, 2.0, 1.0}) {
        if (m * unit <= about) return m * unit;
    }
    return unit;
}

// The carried column `name` of a report, if it has one.
std::optional<std::size_t> carried_column(const survey::ReportRows& report, const char* name) {
    const auto& carried = report.layout.carried;
    const auto at = std::find(carried.begin(), carried.end(), name);
    if (at == carried.end()) return std::nullopt;
    return std::size_t(at - carried.begin());
}

std::string carried_value(const ReportRow& row, std::optional<std::size_t> column) {
    return column && *column < row.carried.size() ? row.carried[*column] : std::string();
}

// A block on the map: x the longitude shrunk by the cosine of the middle latitude, y the latitude.
struct MapPoint {
    double x, y;
    std::optional<double> dogs;
    std::string stratum;
};

// The blocks with a readable place, and their dogs under their stratum's visibility.
std::vector<MapPoint> map_points(const survey::ReportRows& report) {
    std::optional<std::size_t> lat = carried_column(report, "latitude"),
                               lon = carried_column(report, "longitude");
    if (!lat) lat = carried_column(report, "lat");
    if (!lon) lon = carried_column(report, "lon");
    std::vector<MapPoint> points;
    for (const ReportRow& row : report.rows) {
        if (row.kind != survey::RowKind::block) continue;
        const auto place = survey::read_point(carried_value(row, lat), carried_value(row, lon));
        if (!place.point) continue;
        points.push_back(
            {place.point->lon, place.point->lat, survey::pooled_dogs(row).value, row.stratum});
    }
    return points;
}

// Where the map goes in the picture, and how degrees become pixels.
struct MapFrame {
    double margin = 40, legend = 150;
    double w = 0, h = 0;  // the map's box, in pixels
    double cx = 0, cy = 0, degrees_per_pixel = 1;

    QPointF at(const MapPoint& p) const {
        return {margin + w / 2 + (p.x - cx) / degrees_per_pixel,
                margin + h / 2 - (p.y - cy) / degrees_per_pixel};
    }
};

// Longitude shrunk by the cosine of the middle latitude: a plain drawing, true to shape for a
// city's extent. Shrinks the points' x and frames them in `size`.
MapFrame frame_points(std::vector<MapPoint>& points, QSize size) {
    double lat_lo = points[0].y, lat_hi = points[0].y;
    for (const auto& p : points) {
        lat_lo = std::min(lat_lo, p.y);
        lat_hi = std::max(lat_hi, p.y);
    }
    const double shrink = std::cos((lat_lo + lat_hi) / 2 * M_PI / 180);
    double x_lo = points[0].x * shrink, x_hi = x_lo;
    for (auto& p : points) {
        p.x *= shrink;
        x_lo = std::min(x_lo, p.x);
        x_hi = std::max(x_hi, p.x);
    }
    MapFrame frame;
    // At least about 200 m across, so that a survey of one place is still drawn.
    const double least = 0.002;
    frame.cx = (x_lo + x_hi) / 2;
    frame.cy = (lat_lo + lat_hi) / 2;
    const double half = std::max({(x_hi - x_lo) / 2, (lat_hi - lat_lo) / 2, least / 2});
    frame.w = size.width() - 2 * frame.margin;
    frame.h = size.height() - 2 * frame.margin - frame.legend;
    frame.degrees_per_pixel = std::max(2 * half / frame.w, 2 * half / frame.h) * 1.08;
    return frame;
}

// A scale bar (a degree of latitude is about 111.32 km) and north.
void draw_scale_and_north(QPainter& painter, const MapFrame& f) {
    painter.setPen(QPen(Qt::black, 2));
    const double metres_per_pixel = f.degrees_per_pixel * 111320;
    const double bar = round_length(f.w / 5 * metres_per_pixel);
    const double bar_pixels = bar / metres_per_pixel;
    const QPointF bar_at(f.margin + f.w - bar_pixels - 10, f.margin + f.h - 16);
    painter.drawLine(bar_at, bar_at + QPointF(bar_pixels, 0));
    painter.drawLine(bar_at + QPointF(0, -5), bar_at + QPointF(0, 5));
    painter.drawLine(bar_at + QPointF(bar_pixels, -5), bar_at + QPointF(bar_pixels, 5));
    const QString bar_text =
        bar >= 1000 ? QStringLiteral("%1 km").arg(bar / 1000) : QStringLiteral("%1 m").arg(bar);
    painter.drawText(QRectF(bar_at.x(), bar_at.y() - 30, bar_pixels, 24), Qt::AlignCenter,
                     bar_text);
    painter.drawText(QRectF(f.margin + f.w - 90, f.margin + 4, 80, 40), Qt::AlignCenter,
                     QStringLiteral("N ↑"));
}

// The legend: the classes' ranges of N_pool.
void draw_legend(QPainter& painter, const MapFrame& f, const survey::DogClasses& classes) {
    const auto& breaks = classes.breaks;
    const QLocale locale;
    double y = f.margin + f.h + 20;
    painter.drawText(QPointF(f.margin, y + 10), QStringLiteral("Dogs in the block (N_pool):"));
    y += 24;
    for (std::size_t c = 0; c < 6; ++c) {
        if (c < survey::DogClasses::kNone && !classes.any) continue;
        QString label;
        if (c == 5) {
            label = QStringLiteral("no estimate");
        } else if (c == 0) {
            label = QStringLiteral("below %1").arg(people_number(breaks[0], locale));
        } else if (c == 4) {
            label = QStringLiteral("%1 and more").arg(people_number(breaks[3], locale));
        } else {
            label =
                QStringLiteral("%1 to %2")
                    .arg(people_number(breaks[c - 1], locale), people_number(breaks[c], locale));
        }
        const double x = f.margin + double(c % 3) * (f.w / 3);
        const double row_y = y + double(c / 3) * 30;
        painter.setPen(QPen(QColor(0x33, 0x33, 0x33), 1.2));
        painter.setBrush(class_colour(c));
        painter.drawEllipse(QPointF(x + 10, row_y), 8, 8);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(x + 26, row_y + 6), label);
    }
}

}  // namespace

namespace {

// A map picture: its frame, each block a disc filled with `fill(point)`, the scale and north,
// and what `legend` draws below the frame.
QImage points_image(std::vector<MapPoint>& points, QSize size,
                    const std::function<QColor(const MapPoint&)>& fill,
                    const std::function<void(QPainter&, const MapFrame&)>& legend) {
    const MapFrame frame = frame_points(points, size);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0xcc, 0xcc, 0xcc), 1));
    painter.drawRect(QRectF(frame.margin, frame.margin, frame.w, frame.h));
    const double radius = std::clamp(std::min(frame.w, frame.h) / 60, 4.0, 12.0);
    for (const auto& p : points) {
        painter.setPen(QPen(QColor(0x33, 0x33, 0x33), 1.2));
        painter.setBrush(fill(p));
        painter.drawEllipse(frame.at(p), radius, radius);
    }
    QFont font = painter.font();
    font.setPixelSize(int(std::max(12.0, size.height() / 45.0)));
    painter.setFont(font);
    draw_scale_and_north(painter, frame);
    legend(painter, frame);
    return image;
}

}  // namespace

QImage survey_map_image(const survey::ReportRows& report, QSize size) {
    std::vector<MapPoint> points = map_points(report);
    if (points.empty()) return {};
    std::vector<double> values;
    for (const auto& p : points)
        if (p.dogs) values.push_back(*p.dogs);
    const survey::DogClasses classes(std::move(values));
    return points_image(
        points, size, [&](const MapPoint& p) { return class_colour(classes.of(p.dogs)); },
        [&](QPainter& painter, const MapFrame& frame) { draw_legend(painter, frame, classes); });
}

QImage coverage_map_image(const survey::ReportRows& report, double target, QSize size) {
    std::vector<MapPoint> points = map_points(report);
    if (points.empty()) return {};
    // Each stratum's standing, from its total row (the city's when the survey has no strata).
    std::map<std::string, QColor> colour;
    const QColor below(0xd7, 0x1c, 0x2c), uncertain(0xff, 0xa5, 0x00), met(0x1a, 0xa0, 0x3c),
        none(0xbb, 0xbb, 0xbb);
    for (const ReportRow& row : report.rows) {
        if (row.kind != survey::RowKind::total || !row.cells.coverage) continue;
        const survey::CoverageCells& c = *row.cells.coverage;
        const QColor standing = !std::isfinite(c.lower) || !std::isfinite(c.upper) ? none
                                : c.upper < target                                 ? below
                                : c.lower < target                                 ? uncertain
                                                                                   : met;
        if (!row.city || !colour.count(row.stratum)) colour[row.stratum] = standing;
    }
    if (colour.empty()) return {};
    const QLocale locale;
    const QString percent = locale.toString(std::round(target * 100)) + QStringLiteral("%");
    const std::pair<QColor, QString> legend[] = {
        {below, QStringLiteral("below %1: send a team back").arg(percent)},
        {uncertain, QStringLiteral("uncertain")},
        {met, QStringLiteral("%1 reached").arg(percent)},
        {none, QStringLiteral("no interval")}};
    const auto fill = [&](const MapPoint& p) {
        const auto found = colour.find(p.stratum);
        return found != colour.end() ? found->second : none;
    };
    const auto draw_legend = [&](QPainter& painter, const MapFrame& frame) {
        double y = frame.margin + frame.h + 20;
        painter.setPen(Qt::black);
        painter.drawText(QPointF(frame.margin, y + 10),
                         QStringLiteral("The block's stratum, by its vaccination coverage:"));
        y += 24;
        for (std::size_t i = 0; i < 4; ++i) {
            const double x = frame.margin + double(i % 2) * (frame.w / 2);
            const double row_y = y + double(i / 2) * 30;
            painter.setPen(QPen(QColor(0x33, 0x33, 0x33), 1.2));
            painter.setBrush(legend[i].first);
            painter.drawEllipse(QPointF(x + 10, row_y), 8, 8);
            painter.setPen(Qt::black);
            painter.drawText(QPointF(x + 26, row_y + 6), legend[i].second);
        }
    };
    return points_image(points, size, fill, draw_legend);
}

namespace {

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

QString title_section(const SurveyPdf& pdf, std::size_t blocks, const QLocale& locale) {
    return QStringLiteral("<h1>Dogs of %1</h1>").arg(html(pdf.name)) +
           QStringLiteral("<p>Kestrivo %1, %2. %3 blocks counted three times.</p>")
               .arg(QStringLiteral(KESTRIVO_VERSION),
                    locale.toString(QDateTime::currentDateTime(), QLocale::LongFormat),
                    QString::number(blocks));
}

QString answer_section(const SurveyPdf& pdf, const ReportRow* city, const QLocale& locale) {
    QString body = QStringLiteral("<h2>The city's dogs</h2>");
    if (city) {
        const TotalInWords total = total_in_words(*city);
        body += QStringLiteral("<p style=\"font-size:15pt\"><b>%1</b></p>")
                    .arg(dogs_sentence(total, pdf.level, locale).toHtmlEscaped());
        body += QStringLiteral("<p style=\"font-size:12pt\">%1</p>")
                    .arg(doses_sentence(total, pdf.coverage, locale).toHtmlEscaped());
    } else {
        body += QStringLiteral(
            "<p>There is no city total: give each stratum's number of blocks in "
            "the city (or a weight column).</p>");
    }
    return body + QStringLiteral("<p><i>%1</i></p>")
                      .arg(assumption_sentence(pdf.weighted).toHtmlEscaped());
}

QString design_section(const SurveyPdf& pdf) {
    QString body = QStringLiteral("<h2>Design</h2><p>");
    body += pdf.stratum_column.empty()
                ? QStringLiteral("One stratum: the whole city.")
                : QStringLiteral("Strata from the column <b>%1</b>.").arg(html(pdf.stratum_column));
    if (pdf.weighted) body += QStringLiteral(" Each block's design weight as given in the file.");
    if (pdf.conflicts) {
        body += QStringLiteral(
                    " The field data it was tabulated from held %1 conflicts, listed in "
                    "the survey window.")
                    .arg(pdf.conflicts);
    }
    body += QStringLiteral(
        "</p><table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><tr>"
        "<th>Stratum</th><th>Blocks counted</th><th>Blocks in the city</th></tr>");
    for (const auto& row : pdf.design) {
        body += QStringLiteral(
                    "<tr><td>%1</td><td align=\"right\">%2</td><td align=\"right\">%3"
                    "</td></tr>")
                    .arg(html(row.stratum), html(row.counted),
                         row.in_city.empty() ? QStringLiteral("not given") : html(row.in_city));
    }
    return body + QStringLiteral("</table>");
}

// Each stratum: its pooled visibility and its dogs.
QString strata_section(const SurveyPdf& pdf, const Sorted& sorted, const QLocale& locale) {
    QString body = QStringLiteral(
                       "<h2>Strata</h2><table border=\"1\" cellspacing=\"0\" "
                       "cellpadding=\"3\"><tr><th>Stratum</th><th>S</th><th>P</th>"
                       "<th>Share seen</th><th>het_p</th><th>Dogs (%1%)</th><th>Doses at %2%"
                       "</th></tr>")
                       .arg(locale.toString(std::round(pdf.level * 100)),
                            locale.toString(std::round(pdf.coverage * 100)));
    for (const ReportRow* row : sorted.pooled) {
        // Without strata the city is the one stratum: its total is the city's.
        const ReportRow* total = pdf.stratum_column.empty() ? sorted.city : nullptr;
        for (const ReportRow* t : sorted.strata_totals)
            if (t->stratum == row->stratum) total = t;
        const analysis::Report* fit = row->report ? &*row->report : nullptr;
        std::optional<double> S, P, het;
        if (fit && fit->estimates) {
            S = fit->estimates->S;
            if (fit->estimates->p_identified) P = fit->estimates->P;
        }
        if (row->cells.het) het = row->cells.het->p;
        const survey::Estimate dogs_total = total ? survey::total_dogs(*total) : survey::Estimate{};
        body +=
            QStringLiteral(
                "<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td><td>%5</td>"
                "<td>%6</td><td>%7</td></tr>")
                .arg(row->stratum.empty() ? QStringLiteral("the city") : html(row->stratum),
                     share(S, locale), share(P, locale), share(survey::share_seen(*row), locale),
                     het ? share(het, locale) +
                               (*het < 0.05 ? QStringLiteral(" (blocks differ)") : QString())
                         : QStringLiteral("–"),
                     total ? dogs(dogs_total, locale) : QStringLiteral("–"),
                     total ? dogs(dogs_total, locale, pdf.coverage) : QStringLiteral("–"));
        if (!row->error.empty()) {
            body += QStringLiteral("<tr><td colspan=\"7\">%1</td></tr>").arg(html(row->error));
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
    body += QStringLiteral(
                "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><tr><th>Stratum</th>"
                "<th>Coverage (%1%)</th><th>Share marked among dogs seen</th><th>Against "
                "%2</th><th>Doses still needed</th></tr>")
                .arg(locale.toString(std::round(pdf.level * 100)), percent(pdf.coverage));
    std::vector<const ReportRow*> rows = sorted.strata_totals;
    if (rows.empty()) rows.push_back(sorted.city);
    for (const ReportRow* row : rows) {
        if (!row->cells.coverage) continue;
        const survey::CoverageCells& c = *row->cells.coverage;
        const QString standing = coverage_standing(c, pdf.coverage, locale);
        body +=
            QStringLiteral(
                "<tr><td>%1</td><td>%2 (%3 to %4)</td><td>%5</td><td>%6</td><td "
                "align=\"right\">%7</td></tr>")
                .arg(row->stratum.empty() ? QStringLiteral("the city") : html(row->stratum),
                     percent(c.coverage), percent(c.lower), percent(c.upper), percent(c.naive),
                     standing.isEmpty() ? QStringLiteral("met") : standing.toHtmlEscaped(),
                     std::isfinite(c.doses) ? people_number(c.doses, locale) : QStringLiteral("–"));
    }
    body += QStringLiteral("</table>");
    const QImage map = coverage_map_image(*pdf.rows, pdf.coverage, QSize(1500, 950));
    if (!map.isNull()) {
        document.addResource(QTextDocument::ImageResource,
                             QUrl(QStringLiteral("kestrivo:coverage-map")), QVariant(map));
        body += QStringLiteral("<p><img src=\"kestrivo:coverage-map\" width=\"620\"></p>");
    }
    return body + QStringLiteral(
                      "<p><i>Coverage is the marked dogs over the dogs whose mark is "
                      "known, each group counted over its own share seen: the share marked among "
                      "the dogs seen leans towards whichever group is easier to see.</i></p>");
}

QString map_section(QTextDocument& document, const survey::ReportRows& report) {
    const QImage map = survey_map_image(report, QSize(1500, 950));
    if (map.isNull()) return {};
    document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("kestrivo:map")),
                         QVariant(map));
    return QStringLiteral(
        "<h2 style=\"page-break-before: always\">Map of the blocks</h2><p><img "
        "src=\"kestrivo:map\" width=\"620\"></p>");
}

QString blocks_section(const SurveyPdf& pdf, const Sorted& sorted, const QLocale& locale) {
    QString body = QStringLiteral(
        "<h2>Blocks</h2><table border=\"1\" cellspacing=\"0\" cellpadding=\"2\">"
        "<tr><th>Block</th>");
    if (!pdf.stratum_column.empty())
        body += QStringLiteral("<th>%1</th>").arg(html(pdf.stratum_column));
    body += QStringLiteral(
        "<th>n</th><th>N̂ (limits)</th><th>N_pool (limits)</th><th>Edges</th>"
        "<th>Error</th></tr>");
    for (const ReportRow* row : sorted.blocks) {
        body += QStringLiteral("<tr><td>%1</td>").arg(html(row->label));
        if (!pdf.stratum_column.empty()) {
            body += QStringLiteral("<td>%1</td>").arg(html(row->stratum));
        }
        const analysis::Report* fit = row->report ? &*row->report : nullptr;
        const QString n = fit && fit->n ? QString::number(*fit->n) : QString();
        const std::string edges = fit ? analysis::limits_at_edges(*fit) : std::string();
        body += QStringLiteral(
                    "<td align=\"right\">%1</td><td>%2</td><td>%3</td><td>%4</td>"
                    "<td>%5</td></tr>")
                    .arg(n, dogs(survey::block_dogs(*row), locale),
                         dogs(survey::pooled_dogs(*row), locale), html(edges), html(row->error));
    }
    return body + QStringLiteral("</table>");
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
        body += QStringLiteral("<p>%1, for a half-width of at most %2 in %3% of surveys.</p>")
                    .arg(words, locale.toString(made.request.target, 'g', 3),
                         locale.toString(std::round(made.request.assurance * 100)));
    }
    QString note = QString::fromStdString(made.note);
    if (!note.isEmpty()) note[0] = note[0].toUpper();
    body += QStringLiteral("<p>%1.</p>").arg(note.toHtmlEscaped());
    QImage picture(QSize(949 * 2, 381 * 2), QImage::Format_RGB32);
    {
        QPainter painter(&picture);
        painter.scale(2, 2);
        paint_plan_picture(painter, QSizeF(949, 381), made);
    }
    document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("kestrivo:plan")),
                         QVariant(picture));
    return body + QStringLiteral("<p><img src=\"kestrivo:plan\" width=\"620\"></p>");
}

QString assumptions_section(const SurveyPdf& pdf, const ReportRow* city) {
    QString body = QStringLiteral("<h2>What the numbers assume</h2><ul>");
    body += QStringLiteral(
        "<li>Each block's dogs are of two kinds: a share S that hold a territory and are seen on "
        "every count, and the rest, each seen with probability P on each count. The counts are "
        "close enough in time that no dog came or went.</li>");
    body += QStringLiteral("<li>%1</li>").arg(assumption_sentence(pdf.weighted).toHtmlEscaped());
    // The city's own notes, each in its line, less what the line above already says.
    if (city) {
        for (const survey::Note& note : city->notes) {
            if (note.code == survey::NoteCode::weights_as_given ||
                note.code == survey::NoteCode::drawn_at_random ||
                note.code == survey::NoteCode::shy_dogs_unseen)
                continue;
            QString line = QString::fromStdString(survey::note_words(note, {}));
            if (line.isEmpty()) continue;
            line[0] = line[0].toUpper();
            body += QStringLiteral("<li>%1.</li>").arg(line.toHtmlEscaped());
        }
    }
    return body + QStringLiteral(
                      "<li>Vaccine doses are the coverage times the dogs, with the same "
                      "interval; they leave out doses lost or wasted.</li></ul>");
}

// Prints `document` beside `path`, then moves it over it.
void print_to(const QString& path, const std::string& name, QTextDocument& document) {
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
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(part.fileName());
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    printer.setDocName(QString::fromStdString(name));
    printer.setCreator(QStringLiteral("Kestrivo"));
    document.print(&printer);
    if (QFileInfo(part.fileName()).size() <= 0)
        fail(QStringLiteral("the report could not be written."));
    std::error_code error;
    std::filesystem::rename(part.fileName().toStdString(), target.absoluteFilePath().toStdString(),
                            error);
    if (error) fail(QString::fromStdString(error.message()) + QStringLiteral("."));
    part.setAutoRemove(false);  // moved: nothing is left to remove
}

}  // namespace

void write_survey_pdf(const QString& path, const SurveyPdf& pdf) {
    if (QFileInfo(path).isDir()) {
        throw platform::RuntimeError(platform::ErrorKind::FileError,
                                     (path + QStringLiteral(": is a folder.")).toStdString());
    }
    static const survey::ReportRows none;
    const survey::ReportRows& report = pdf.rows ? *pdf.rows : none;
    const Sorted sorted = sorted_rows(report);
    const QLocale locale;
    QTextDocument document;
    QFont font = document.defaultFont();
    font.setPointSizeF(9.5);
    document.setDefaultFont(font);
    QString body = title_section(pdf, sorted.blocks.size(), locale);
    body += answer_section(pdf, sorted.city, locale);
    body += design_section(pdf);
    body += strata_section(pdf, sorted, locale);
    body += coverage_section(document, pdf, sorted, locale);
    body += map_section(document, report);
    body += blocks_section(pdf, sorted, locale);
    if (pdf.plan) body += plan_section(document, *pdf.plan, locale);
    body += assumptions_section(pdf, sorted.city);
    document.setHtml(QStringLiteral("<html><body>") + body + QStringLiteral("</body></html>"));
    print_to(path, pdf.name, document);
}

}  // namespace kestrivo::window
