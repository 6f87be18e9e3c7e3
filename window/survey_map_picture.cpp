// The PDF's maps. Longitude is shrunk by the cosine of the middle latitude, which is true to shape
// over a city's extent. The strata are drawn first, pale and dashed, the blocks over them, the
// labels over everything with a white halo so that they stay readable on any fill.
#include "window/survey_map_picture.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "survey/map_writer.h"
#include "window/survey_answer.h"

namespace kestrivo::window {
namespace {

using survey::LonLat;
using survey::ReportRow;

// The translations (i18n/*.ts) hold the maps' legends and scale under this name.
class SurveyMapPicture {
    Q_DECLARE_TR_FUNCTIONS(kestrivo::window::SurveyMapPicture)
};

// More labels than this crowd a page's map into a grey smudge: the table of blocks names them.
constexpr std::size_t kMostLabels = 60;

std::optional<std::size_t> carried_column(const survey::ReportRows& report,
                                          std::initializer_list<const char*> names) {
    const auto& carried = report.layout.carried;
    for (const char* name : names) {
        const auto at = std::find(carried.begin(), carried.end(), name);
        if (at != carried.end()) return std::size_t(at - carried.begin());
    }
    return std::nullopt;
}

std::string carried_value(const ReportRow& row, std::optional<std::size_t> column) {
    return column && *column < row.carried.size() ? row.carried[*column] : std::string();
}

// A block as the map draws it: x already shrunk, in degrees.
struct MapBlock {
    std::string label, stratum;
    std::optional<QPointF> point;
    QPolygonF ring;
    std::optional<double> dogs;
};

struct MapStratum {
    std::string name;
    std::vector<QPolygonF> area;
};

struct MapContent {
    std::vector<MapBlock> blocks;
    std::vector<MapStratum> strata;
};

QPointF projected(const LonLat& p, double shrink) {
    return {p.lon * shrink, p.lat};
}

QPolygonF projected(const std::vector<LonLat>& ring, double shrink) {
    QPolygonF polygon;
    for (const LonLat& p : ring)
        polygon << projected(p, shrink);
    return polygon;
}

// The blocks with a readable point or outline, and the strata's areas as the map files draw them.
MapContent map_content(const survey::ReportRows& report) {
    const auto lat = carried_column(report, {"latitude", "lat"});
    const auto lon = carried_column(report, {"longitude", "lon"});
    const auto outline = carried_column(report, {"outline"});
    struct Read {
        const ReportRow* row;
        std::optional<LonLat> point;
        std::vector<LonLat> ring;
    };
    std::vector<Read> read;
    double lat_lo = 90, lat_hi = -90;
    for (const ReportRow& row : report.rows) {
        if (row.kind != survey::RowKind::block) continue;
        Read r{&row, survey::read_point(carried_value(row, lat), carried_value(row, lon)).point,
               outline ? survey::read_outline(carried_value(row, outline)).ring
                       : std::vector<LonLat>()};
        if (!r.point && r.ring.empty()) continue;
        for (const LonLat& p : r.ring.empty() ? std::vector<LonLat>{*r.point} : r.ring) {
            lat_lo = std::min(lat_lo, p.lat);
            lat_hi = std::max(lat_hi, p.lat);
        }
        read.push_back(std::move(r));
    }
    MapContent content;
    if (read.empty()) return content;
    const double shrink = std::cos((lat_lo + lat_hi) / 2 * M_PI / 180);
    struct Gathered {
        std::vector<LonLat> points;
        std::vector<std::vector<LonLat>> rings;
        bool unoutlined = false;
    };
    std::map<std::string, Gathered> strata;
    for (const Read& r : read) {
        MapBlock block{r.row->label, r.row->stratum, std::nullopt, projected(r.ring, shrink),
                       survey::pooled_dogs(*r.row).value};
        if (r.point) block.point = projected(*r.point, shrink);
        content.blocks.push_back(std::move(block));
        if (r.row->stratum.empty()) continue;
        Gathered& g = strata[r.row->stratum];
        if (r.point) g.points.push_back(*r.point);
        if (r.ring.empty()) {
            g.unoutlined = true;
        } else {
            g.rings.push_back(r.ring);
        }
    }
    for (const auto& [name, g] : strata) {
        MapStratum stratum{name, {}};
        for (const auto& ring : survey::area_of_blocks(g.points, g.rings, g.unoutlined))
            stratum.area.push_back(projected(ring, shrink));
        content.strata.push_back(std::move(stratum));
    }
    return content;
}

// Where the map goes in the picture, and how degrees become pixels.
struct MapFrame {
    double margin = 30, legend = 150;
    double w = 0, h = 0;  // the map's box, in pixels
    double cx = 0, cy = 0, degrees_per_pixel = 1;

    QPointF at(QPointF p) const {
        return {margin + w / 2 + (p.x() - cx) / degrees_per_pixel,
                margin + h / 2 - (p.y() - cy) / degrees_per_pixel};
    }
    QPolygonF at(const QPolygonF& polygon) const {
        QPolygonF out;
        for (const QPointF& p : polygon)
            out << at(p);
        return out;
    }
};

MapFrame frame_content(const MapContent& content, QSize size, double legend) {
    // QRectF::united ignores empty rectangles, and a point is one: the box is kept by hand.
    double west = std::numeric_limits<double>::max(), east = -west, south = west, north = -west;
    const auto take = [&](QPointF p) {
        west = std::min(west, p.x());
        east = std::max(east, p.x());
        south = std::min(south, p.y());
        north = std::max(north, p.y());
    };
    for (const MapBlock& b : content.blocks) {
        if (b.point) take(*b.point);
        for (const QPointF& p : b.ring)
            take(p);
    }
    for (const MapStratum& s : content.strata) {
        for (const QPolygonF& polygon : s.area)
            for (const QPointF& p : polygon)
                take(p);
    }
    const QRectF box(QPointF(west, south), QPointF(east, north));
    MapFrame frame;
    frame.legend = legend;
    frame.cx = box.center().x();
    frame.cy = box.center().y();
    frame.w = size.width() - 2 * frame.margin;
    frame.h = size.height() - 2 * frame.margin - frame.legend;
    // At least about 200 m across, so that a survey of one place is still drawn.
    const double least = 0.002;
    frame.degrees_per_pixel =
        std::max({box.width() / frame.w, box.height() / frame.h, least / frame.w}) * 1.12;
    return frame;
}

// A round length near `about` metres: 1, 2 or 5 times a power of ten.
double round_length(double about) {
    const double unit = std::pow(10.0, std::floor(std::log10(about)));
    for (double m : {5.0, 2.0, 1.0}) {
        if (m * unit <= about) return m * unit;
    }
    return unit;
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
    const QLocale locale;
    //: The map's scale bar, in kilometres.
    const QString bar_text = bar >= 1000
                                 ? SurveyMapPicture::tr("%1 km").arg(locale.toString(bar / 1000))
                                 //: The map's scale bar, in metres.
                                 : SurveyMapPicture::tr("%1 m").arg(locale.toString(bar));
    const double text_height = QFontMetricsF(painter.font()).height() * 1.2;
    painter.drawText(
        QRectF(bar_at.x() - 60, bar_at.y() - text_height - 6, bar_pixels + 120, text_height),
        Qt::AlignCenter, bar_text);
    painter.drawText(QRectF(f.margin + f.w - 140, f.margin + 6, 130, text_height), Qt::AlignCenter,
                     //: North on the map: the first letter of the word, and an arrow.
                     SurveyMapPicture::tr("N ↑"));
}

// Text with a white halo, so that it reads on any fill.
void draw_label(QPainter& painter, QPointF at, const QString& text, Qt::Alignment align) {
    const QFontMetricsF metrics(painter.font());
    const double width = metrics.horizontalAdvance(text);
    double x = at.x();
    if (align & Qt::AlignHCenter) x -= width / 2;
    const double y = at.y() + metrics.ascent() / 2 - metrics.descent() / 2;
    QPainterPath path;
    path.addText(QPointF(x, y), painter.font(), text);
    painter.save();
    painter.strokePath(path, QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(path, QColor(0x20, 0x20, 0x20));
    painter.restore();
}

const QColor kOutlinePen(0x33, 0x33, 0x33);

// The strata pale and dashed.
void draw_strata(QPainter& painter, const MapFrame& frame, const MapContent& content) {
    painter.save();
    painter.setPen(QPen(QColor(0x55, 0x55, 0x77), 2, Qt::DashLine));
    painter.setBrush(QColor(0x9e, 0xb4, 0xd8, 70));
    for (const MapStratum& s : content.strata) {
        for (const QPolygonF& polygon : s.area)
            painter.drawPolygon(frame.at(polygon));
    }
    painter.restore();
}

// Each stratum's name above its area, over the blocks.
void name_strata(QPainter& painter, const MapFrame& frame, const MapContent& content) {
    painter.save();
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    for (const MapStratum& s : content.strata) {
        QRectF bounds;
        for (const QPolygonF& polygon : s.area) {
            const QRectF shown = frame.at(polygon).boundingRect();
            bounds = bounds.isNull() ? shown : bounds.united(shown);
        }
        if (bounds.isNull()) continue;
        draw_label(painter, QPointF(bounds.center().x(), bounds.top() - font.pixelSize() * 0.7),
                   QString::fromStdString(s.name), Qt::AlignHCenter);
    }
    painter.restore();
}

// Each block its outline, or a disc at its point, filled by `fill`; then their labels.
void draw_blocks(QPainter& painter, const MapFrame& frame, const MapContent& content,
                 const std::function<QColor(const MapBlock&)>& fill) {
    const double radius = std::clamp(std::min(frame.w, frame.h) / 70, 4.0, 10.0);
    std::vector<std::pair<QPointF, bool>> label_at;  // where, and whether at a disc
    for (const MapBlock& b : content.blocks) {
        painter.setPen(QPen(kOutlinePen, 1.2));
        painter.setBrush(fill(b));
        if (!b.ring.isEmpty()) {
            const QPolygonF shown = frame.at(b.ring);
            painter.drawPolygon(shown);
            label_at.emplace_back(shown.boundingRect().center(), false);
        } else {
            painter.drawEllipse(frame.at(*b.point), radius, radius);
            label_at.emplace_back(frame.at(*b.point), true);
        }
    }
    if (content.blocks.size() > kMostLabels) return;
    QFont font = painter.font();
    font.setPixelSize(std::max(10, int(font.pixelSize() * 0.85)));
    painter.save();
    painter.setFont(font);
    for (std::size_t i = 0; i < content.blocks.size(); ++i) {
        const auto [at, disc] = label_at[i];
        // Under a disc, so that its colour stays seen; in the middle of an outline.
        const QPointF where = disc ? at + QPointF(0, radius + font.pixelSize() * 0.7) : at;
        draw_label(painter, where, QString::fromStdString(content.blocks[i].label),
                   Qt::AlignHCenter);
    }
    painter.restore();
}

struct LegendEntry {
    QColor colour;
    QString text;
};

// A title, then the entries in `columns` columns, a swatch before each; the strata's own swatch
// last where the map draws them. Rows are `line` apart.
void draw_legend(QPainter& painter, const MapFrame& f, const QString& title,
                 std::vector<LegendEntry> entries, int columns, bool strata, double line) {
    painter.save();
    double y = f.margin + f.h + line * 0.8;
    painter.setPen(Qt::black);
    painter.drawText(QPointF(f.margin, y + line * 0.3), title);
    y += line * 1.2;
    const QSizeF swatch(line * 1.1, line * 0.7);
    if (strata) {
        entries.push_back(
            {Qt::transparent, SurveyMapPicture::tr("a stratum's area (around its blocks)")});
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const double x = f.margin + double(i % columns) * (f.w / columns);
        const double row_y = y + double(i / columns) * line;
        const bool area = strata && i + 1 == entries.size();
        painter.setPen(area ? QPen(QColor(0x55, 0x55, 0x77), 2, Qt::DashLine)
                            : QPen(kOutlinePen, 1.2));
        painter.setBrush(area ? QColor(0x9e, 0xb4, 0xd8, 70) : entries[i].colour);
        painter.drawRect(QRectF(QPointF(x, row_y - swatch.height() / 2), swatch));
        painter.setPen(Qt::black);
        painter.drawText(QPointF(x + swatch.width() + line * 0.3, row_y + line * 0.25),
                         entries[i].text);
    }
    painter.restore();
}

// A map picture: the strata, the blocks filled by `fill`, the labels, the scale and north, and
// the legend below the frame.
QImage map_image(const MapContent& content, QSize size,
                 const std::function<QColor(const MapBlock&)>& fill, const QString& title,
                 const std::vector<LegendEntry>& legend, int columns) {
    QFont font;
    font.setPixelSize(int(std::max(14.0, size.height() / 30.0)));
    const double line = QFontMetricsF(font).height() * 1.35;
    const std::size_t entries = legend.size() + (content.strata.empty() ? 0 : 1);
    const double legend_height = line * (2.2 + double((entries + columns - 1) / columns));
    const MapFrame frame = frame_content(content, size, legend_height);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font);
    painter.setPen(QPen(QColor(0xcc, 0xcc, 0xcc), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(frame.margin, frame.margin, frame.w, frame.h));
    painter.setClipRect(QRectF(frame.margin, frame.margin, frame.w, frame.h));
    draw_strata(painter, frame, content);
    draw_blocks(painter, frame, content, fill);
    name_strata(painter, frame, content);
    painter.setClipping(false);
    draw_scale_and_north(painter, frame);
    draw_legend(painter, frame, title, legend, columns, !content.strata.empty(), line);
    return image;
}

}  // namespace

namespace {

// Class `c` as the map files' legend gives it ("below 48", "48 to 61", "107 and more"), in the
// window's language, the breaks whole dogs as the classes keep them.
QString class_range(const survey::DogClasses& classes, std::size_t c, const QLocale& locale) {
    const auto number = [&](double v) { return locale.toString(qlonglong(std::llround(v))); };
    if (c >= survey::DogClasses::kNone) return SurveyMapPicture::tr("no estimate");
    //: A class of blocks on the map by their dogs: fewer than %1 dogs.
    if (c == 0) return SurveyMapPicture::tr("below %1").arg(number(classes.breaks[0]));
    //: A class of blocks on the map by their dogs: %1 dogs or more.
    if (c == 4) return SurveyMapPicture::tr("%1 and more").arg(number(classes.breaks[3]));
    //: A class of blocks on the map by their dogs: from %1 to (not including) %2 dogs.
    return SurveyMapPicture::tr("%1 to %2")
        .arg(number(classes.breaks[c - 1]), number(classes.breaks[c]));
}

}  // namespace

QImage survey_map_image(const survey::ReportRows& report, QSize size) {
    const MapContent content = map_content(report);
    if (content.blocks.empty()) return {};
    std::vector<double> values;
    for (const MapBlock& b : content.blocks)
        if (b.dogs) values.push_back(*b.dogs);
    const survey::DogClasses classes(std::move(values));
    std::vector<LegendEntry> legend;
    for (std::size_t c = 0; c <= survey::DogClasses::kNone; ++c) {
        if (c < survey::DogClasses::kNone && !classes.any) continue;
        legend.push_back(
            {QColor::fromRgb(survey::DogClasses::kColours[c]), class_range(classes, c, QLocale())});
    }
    const bool pooled = report.layout.with_pool;
    return map_image(
        content, size,
        [&](const MapBlock& b) {
            return QColor::fromRgb(survey::DogClasses::kColours[classes.of(b.dogs)]);
        },
        pooled ? SurveyMapPicture::tr("Dogs in the block, estimated with its stratum's shared "
                                      "visibility:")
               : SurveyMapPicture::tr("Dogs in the block, estimated from its own counts:"),
        legend, 3);
}

QImage coverage_map_image(const survey::ReportRows& report, double target, QSize size) {
    const MapContent content = map_content(report);
    if (content.blocks.empty()) return {};
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
    const QString percent = percent_sign(locale.toString(std::round(target * 100)));
    const std::vector<LegendEntry> legend = {
        //: %1 is the target coverage; the stratum's whole interval lies below it.
        {below, SurveyMapPicture::tr("below %1: send a team back").arg(percent)},
        {uncertain, SurveyMapPicture::tr("uncertain: the interval holds %1").arg(percent)},
        {met, SurveyMapPicture::tr("%1 reached").arg(percent)},
        //: The stratum's coverage has no interval.
        {none, SurveyMapPicture::tr("no interval")}};
    return map_image(
        content, size,
        [&](const MapBlock& b) {
            const auto found = colour.find(b.stratum);
            return found != colour.end() ? found->second : none;
        },
        SurveyMapPicture::tr("The block's stratum, by its vaccination coverage:"), legend, 2);
}

}  // namespace kestrivo::window
