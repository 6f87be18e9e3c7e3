// MapWriter: each row's geometry read from its own columns, its properties from all of them; the
// strata gathered from their blocks' points and outlines; the features then handed to the GeoJSON
// writer (map_geojson.cpp) or the KML writer (map_kml.cpp).
#include "survey/map_writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "platform/number_text.h"
#include "platform/runtime_error.h"
#include "survey/csv_records.h"
#include "survey/json_writer.h"
#include "survey/map_features.h"

namespace kestrivo::survey {
namespace {

// The number a text holds, blanks around it aside; none when it holds anything else or no finite
// number.
std::optional<double> finite_number(const std::string& raw) {
    const std::string text = trimmed(raw);
    double value = 0;
    const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || status != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// Windows-1252's characters for the bytes 0x80 to 0x9F, where it differs from Latin-1; 0 where
// it has none.
constexpr char32_t kWindows1252[32] = {
    0x20ac, 0,      0x201a, 0x0192, 0x201e, 0x2026, 0x2020, 0x2021, 0x02c6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017d, 0,      0,      0x2018, 0x2019, 0x201c, 0x201d, 0x2022,
    0x2013, 0x2014, 0x02dc, 0x2122, 0x0161, 0x203a, 0x0153, 0,      0x017e, 0x0178};

constexpr char32_t kReplacement = 0xfffd;

void append_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xc0 | (c >> 6));
        out += char(0x80 | (c & 0x3f));
    } else if (c < 0x10000) {
        out += char(0xe0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3f));
        out += char(0x80 | (c & 0x3f));
    } else {
        out += char(0xf0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3f));
        out += char(0x80 | ((c >> 6) & 0x3f));
        out += char(0x80 | (c & 0x3f));
    }
}

// The length of the valid UTF-8 sequence at the start of `text`, and its character; 0 when the
// bytes there are not one (a stray continuation byte, a cut, an overlong form, a surrogate,
// beyond U+10FFFF).
std::size_t utf8_at(std::string_view text, char32_t& c) {
    const auto byte = [&](std::size_t i) {
        return i < text.size() ? unsigned(static_cast<unsigned char>(text[i])) : 0u;
    };
    const unsigned b0 = byte(0);
    std::size_t length = 0;
    unsigned low = 0x80, high = 0xbf;  // the range of the second byte
    if (b0 < 0x80) {
        c = b0;
        return 1;
    } else if (b0 >= 0xc2 && b0 <= 0xdf) {
        length = 2;
    } else if (b0 >= 0xe0 && b0 <= 0xef) {
        length = 3;
        if (b0 == 0xe0) low = 0xa0;   // overlong below
        if (b0 == 0xed) high = 0x9f;  // the surrogates above
    } else if (b0 >= 0xf0 && b0 <= 0xf4) {
        length = 4;
        if (b0 == 0xf0) low = 0x90;   // overlong below
        if (b0 == 0xf4) high = 0x8f;  // beyond U+10FFFF above
    } else {
        return 0;
    }
    if (byte(1) < low || byte(1) > high) return 0;
    c = b0 & (0x7f >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xc0) != 0x80) return 0;
        c = (c << 6) | (byte(i) & 0x3f);
    }
    return length;
}

// A corner in millionths of a degree, the six decimals the map writes. Whole numbers make the
// checks below exact: differences stay under 4e8, so their products stay far within 64 bits.
constexpr double kGrid = 1e6;
struct GridPoint {
    std::int64_t x, y;
    bool operator==(const GridPoint&) const = default;
};

// The way a→b→c turns: 1 left, -1 right, 0 straight on (or back).
int turn(const GridPoint& a, const GridPoint& b, const GridPoint& c) {
    const std::int64_t cross = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
    return (cross > 0) - (cross < 0);
}

// p, in line with a and b, lies on the segment between them (ends included).
bool on_segment(const GridPoint& a, const GridPoint& b, const GridPoint& p) {
    return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
           p.y <= std::max(a.y, b.y);
}

// The segments ab and cd have a point in common: they cross, or one ends on the other.
bool segments_meet(const GridPoint& a, const GridPoint& b, const GridPoint& c, const GridPoint& d) {
    const int abc = turn(a, b, c), abd = turn(a, b, d), cda = turn(c, d, a), cdb = turn(c, d, b);
    if (abc * abd < 0 && cda * cdb < 0) return true;
    return (abc == 0 && on_segment(a, b, c)) || (abd == 0 && on_segment(a, b, d)) ||
           (cda == 0 && on_segment(c, d, a)) || (cdb == 0 && on_segment(c, d, b));
}

// A ring (open, no two neighbouring corners alike) is simple when two edges meet only where
// neighbours share a corner, and there only at it. That is the validity a GIS asks of a polygon's
// ring: a bow tie, a figure eight through one corner, and a spike that doubles back all fail.
bool crosses_itself(const std::vector<GridPoint>& corners) {
    const std::size_t n = corners.size();
    const auto corner = [&](std::size_t i) { return corners[i % n]; };
    // Neighbouring edges a→b→c overlap when the ring turns straight back at b.
    for (std::size_t i = 0; i < n; ++i) {
        const GridPoint a = corner(i), b = corner(i + 1), c = corner(i + 2);
        const std::int64_t ahead = (b.x - a.x) * (c.x - b.x) + (b.y - a.y) * (c.y - b.y);
        if (turn(a, b, c) == 0 && ahead < 0) return true;
    }
    // Other pairs of edges must not meet at all. Edges sorted by their west end are swept east,
    // each tried against those whose span of longitude overlaps its own: near linear for a
    // block's outline, where trying every pair would be slow for a long traced one.
    struct Edge {
        std::size_t at;
        std::int64_t west, east;
    };
    std::vector<Edge> edges;
    for (std::size_t i = 0; i < n; ++i) {
        edges.push_back(
            {i, std::min(corner(i).x, corner(i + 1).x), std::max(corner(i).x, corner(i + 1).x)});
    }
    std::sort(edges.begin(), edges.end(),
              [](const Edge& l, const Edge& r) { return l.west < r.west; });
    for (std::size_t k = 0; k < n; ++k) {
        for (std::size_t m = k + 1; m < n && edges[m].west <= edges[k].east; ++m) {
            const std::size_t i = std::min(edges[k].at, edges[m].at);
            const std::size_t j = std::max(edges[k].at, edges[m].at);
            if (j == i + 1 || (i == 0 && j == n - 1)) continue;  // neighbours, tried above
            if (segments_meet(corner(i), corner(i + 1), corner(j), corner(j + 1))) return true;
        }
    }
    return false;
}

// Carried columns that hold numbers (from kestrivo-tabulate) go on the map as numbers.
bool numeric_column(const std::string& name) {
    static const char* const kNumeric[] = {"latitude",  "longitude", "lat",  "lon",
                                           "conflicts", "c010",      "c001", "c011"};
    return std::find(std::begin(kNumeric), std::end(kNumeric), name) != std::end(kNumeric);
}

std::optional<std::size_t> index_of(const std::vector<std::string>& keys,
                                    std::initializer_list<const char*> names) {
    for (const char* name : names) {
        const auto at = std::find(keys.begin(), keys.end(), name);
        if (at != keys.end()) return std::size_t(at - keys.begin());
    }
    return std::nullopt;
}

}  // namespace

std::string map_text(std::string_view raw) {
    std::string out;
    out.reserve(raw.size());
    while (!raw.empty()) {
        char32_t c = 0;
        std::size_t length = utf8_at(raw, c);
        if (length == 0) {
            // Not UTF-8: a survey saved by an older spreadsheet in Latin-1 or Windows-1252, where
            // "Peña" is "Pe\xf1a". Read so, its names come out as the team wrote them, where
            // U+FFFD would lose every accented letter.
            const unsigned byte = static_cast<unsigned char>(raw.front());
            c = byte >= 0x80 && byte <= 0x9f ? kWindows1252[byte - 0x80] : byte;
            if (c == 0) c = kReplacement;
            length = 1;
        }
        // A control character has no meaning on a map and XML 1.0 cannot hold it, not even as a
        // character reference. U+FFFD rather than a space: the label still shows that something
        // was there, and "A\x01" and "A " stay apart. GeoJSON gets the same, so that the two
        // maps of one survey show the same names.
        const bool forbidden =
            (c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0xfffe || c == 0xffff;
        append_utf8(out, forbidden ? kReplacement : c);
        raw.remove_prefix(length);
    }
    return out;
}

DogClasses::DogClasses(std::vector<double> values) : any(!values.empty()) {
    std::sort(values.begin(), values.end());
    for (std::size_t i = 0; i < 4; ++i) {
        breaks[i] = values.empty()
                        ? 0
                        : shown(values[std::min(values.size() - 1, (i + 1) * values.size() / 5)]);
    }
}

double DogClasses::shown(double dogs) {
    if (!std::isfinite(dogs)) return dogs;
    if (std::fabs(dogs) < 1000) return std::round(dogs);
    const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(dogs))) - 2);
    return std::round(dogs / unit) * unit;
}

std::size_t DogClasses::of(std::optional<double> dogs) const {
    if (!dogs) return kNone;
    return std::size_t(std::upper_bound(breaks.begin(), breaks.end(), *dogs) - breaks.begin());
}

std::string DogClasses::range(std::size_t c) const {
    const auto number = [](double v) { return platform::digits_text(v, 15); };
    if (c >= kNone) return "no estimate";
    if (c == 0) return "below " + number(breaks[0]);
    if (c == 4) return number(breaks[3]) + " and more";
    return number(breaks[c - 1]) + " to " + number(breaks[c]);
}

PlaceRead read_point(const std::string& latitude, const std::string& longitude) {
    if (trimmed(latitude).empty() && trimmed(longitude).empty()) {
        return {std::nullopt, "the block has no latitude and longitude"};
    }
    const auto lat = finite_number(latitude), lon = finite_number(longitude);
    if (!lat || *lat < -90 || *lat > 90) {
        return {std::nullopt, "the latitude \"" + trimmed(latitude) +
                                  "\" is not a number of degrees from -90 to 90"};
    }
    if (!lon || *lon < -180 || *lon > 180) {
        return {std::nullopt, "the longitude \"" + trimmed(longitude) +
                                  "\" is not a number of degrees from -180 to 180"};
    }
    return {LonLat{*lon, *lat}, ""};
}

OutlineRead read_outline(const std::string& shape) {
    OutlineRead read;
    std::size_t start = 0;
    const std::string text = trimmed(shape);
    if (text.empty()) return {{}, "the block has no outline"};
    while (start <= text.size()) {
        std::size_t end = text.find(';', start);
        if (end == std::string::npos) end = text.size();
        const std::string vertex = trimmed(text.substr(start, end - start));
        start = end + 1;
        if (vertex.empty()) continue;
        // "lat lon [altitude accuracy]", as ODK writes each vertex.
        const std::size_t blank = vertex.find_first_of(" \t");
        const std::string lat = vertex.substr(0, blank);
        const std::string rest = blank == std::string::npos ? "" : trimmed(vertex.substr(blank));
        const std::string lon = rest.substr(0, rest.find_first_of(" \t"));
        const PlaceRead point = read_point(lat, lon);
        if (!point.point) {
            return {{}, "the outline's vertex \"" + vertex + "\" cannot be read: " + point.why_not};
        }
        read.ring.push_back(*point.point);
    }
    // Checked on the grid the map is written on, so that what passes here is what a reader of the
    // file gets: two corners a tenth of a micro-degree apart are one corner there.
    std::vector<GridPoint> corners;
    for (const LonLat& p : read.ring) {
        const GridPoint g{std::llround(p.lon * kGrid), std::llround(p.lat * kGrid)};
        if (corners.empty() || !(g == corners.back())) corners.push_back(g);
    }
    while (corners.size() > 1 && corners.back() == corners.front())
        corners.pop_back();
    if (corners.size() < 3) return {{}, "the outline has fewer than three corners"};
    const bool flat = std::all_of(corners.begin() + 2, corners.end(), [&](const GridPoint& p) {
        return turn(corners[0], corners[1], p) == 0;
    });
    if (flat) return {{}, "the outline encloses no area"};
    if (crosses_itself(corners)) {
        return {{}, "the outline crosses or touches itself, so it bounds no one area"};
    }
    // At the lowest corner (the leftmost of the lowest) a ring that does not cross itself turns
    // the way it runs: left for counterclockwise, as RFC 7946 asks of an outer ring. Unlike the
    // shoelace sum this is exact whatever the ring's size.
    const std::size_t n = corners.size();
    std::size_t low = 0;
    for (std::size_t i = 1; i < n; ++i) {
        if (corners[i].y < corners[low].y ||
            (corners[i].y == corners[low].y && corners[i].x < corners[low].x)) {
            low = i;
        }
    }
    if (turn(corners[(low + n - 1) % n], corners[low], corners[(low + 1) % n]) < 0)
        std::reverse(corners.begin(), corners.end());
    read.ring.clear();
    for (const GridPoint& g : corners)
        read.ring.push_back({double(g.x) / kGrid, double(g.y) / kGrid});
    read.ring.push_back(read.ring.front());
    return read;
}

namespace map_detail {

bool not_on_blocks(const std::string& key) {
    static const char* const kStrataOnly[] = {"het",
                                              "het_df",
                                              "het_p",
                                              "city_N",
                                              "city_se",
                                              "city_lo",
                                              "city_hi",
                                              "model",
                                              "aicc_weight_by_count",
                                              "aicc_weight_behaviour",
                                              "P1",
                                              "P2",
                                              "P3",
                                              "P_first",
                                              "P_again",
                                              "N_marked",
                                              "coverage",
                                              "coverage_lo",
                                              "coverage_hi",
                                              "naive_coverage",
                                              "visibility_p",
                                              "doses_needed",
                                              "doses_needed_lo",
                                              "doses_needed_hi",
                                              "N_vaccinated_check"};
    return std::find(std::begin(kStrataOnly), std::end(kStrataOnly), key) != std::end(kStrataOnly);
}

std::optional<double> dogs_of(const MapFeatures& features, const std::vector<Cell>& cells) {
    if (!features.value_at || *features.value_at >= cells.size()) return std::nullopt;
    const double* v = std::get_if<double>(&cells[*features.value_at]);
    return v && std::isfinite(*v) ? std::optional<double>(*v) : std::nullopt;
}

DogClasses dog_classes(const MapFeatures& features) {
    std::vector<double> values;
    for (const MapFeatures::Block& block : features.blocks) {
        if (const auto v = dogs_of(features, block.cells)) values.push_back(*v);
    }
    return DogClasses(std::move(values));
}

std::string degrees(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", value);
    return text;
}

std::string text_of(const std::vector<Cell>& cells, std::optional<std::size_t> at) {
    if (!at || *at >= cells.size()) return "";
    const std::string* s = std::get_if<std::string>(&cells[*at]);
    return s ? *s : "";
}

std::string xml_escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string MapFeatures::property(std::size_t i, const Cell& cell) const {
    if (const std::string* s = std::get_if<std::string>(&cell)) {
        if (trimmed(*s).empty()) return "null";
        if (numeric_column(keys[i])) {
            const auto v = finite_number(*s);
            return v ? platform::digits_text(*v, platform::kRoundTripDigits) : "null";
        }
    }
    return json_value(cell, digits);
}

}  // namespace map_detail

using map_detail::kCity;
using map_detail::kNote;
using map_detail::MapFeatures;
using map_detail::text_of;

struct MapWriter::State {
    std::string path;
    bool kml = false;
    MapFeatures features;
    std::optional<std::string> stratum_name;
    std::optional<std::size_t> lat_at, lon_at, stratum_at;

    std::string stem() const {
        const std::string ending = kml ? ".kml" : ".geojson";
        return path.ends_with(ending) ? path.substr(0, path.size() - ending.size()) : path;
    }
};

MapWriter::MapWriter(std::string path, std::vector<std::string> keys,
                     std::optional<std::string> stratum, int digits,
                     std::optional<double> coverage_target)
    : state_(std::make_unique<State>()) {
    State& s = *state_;
    MapFeatures& f = s.features;
    s.kml = path.ends_with(".kml");
    s.path = std::move(path);
    f.keys = std::move(keys);
    // A survey may carry a column named geometry_note, or two columns whose names come out alike
    // once made fit for the map; a properties object with one name twice keeps only one of its
    // values in most readers. The writer's note keeps the name every map of the program gives
    // it, and a column that would repeat a name gets " (column)" added, or
    // " (column 2)" and on, so no value is lost.
    std::vector<std::string> taken{kNote, map_detail::kAreaFrom};
    for (const std::string& key : f.keys) {
        const std::string base = map_text(key);
        std::string name = base;
        for (int n = 1; std::find(taken.begin(), taken.end(), name) != taken.end(); ++n)
            name = base + (n == 1 ? " (column)" : " (column " + std::to_string(n) + ")");
        taken.push_back(name);
        f.names.push_back(name);
        f.strata_only.push_back(map_detail::not_on_blocks(key));
    }
    s.stratum_name = std::move(stratum);
    f.digits = digits;
    s.lat_at = index_of(f.keys, {"latitude", "lat"});
    s.lon_at = index_of(f.keys, {"longitude", "lon"});
    f.outline_at = index_of(f.keys, {"outline"});
    if (s.stratum_name) s.stratum_at = index_of(f.keys, {s.stratum_name->c_str()});
    f.value_at = index_of(f.keys, {"N_pool", "N_hat"});
    if (coverage_target) {
        f.coverage_target = coverage_target;
        f.coverage_lo_at = index_of(f.keys, {"coverage_lo"});
        f.coverage_hi_at = index_of(f.keys, {"coverage_hi"});
    }
    // Asked now, not after a long report: can the folder take the files?
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path folder =
        fs::path(s.path).parent_path().empty() ? fs::path(".") : fs::path(s.path).parent_path();
    if (fs::is_directory(s.path, error) || !fs::is_directory(folder, error)) {
        throw platform::RuntimeError(platform::ErrorKind::FileError,
                                     "the map \"" + s.path +
                                         "\" cannot be written: its folder does not exist, or it "
                                         "is itself a folder.");
    }
}

MapWriter::~MapWriter() = default;

std::vector<std::string> MapWriter::files() const {
    if (state_->kml) return {state_->path};
    std::vector<std::string> names{state_->path};
    if (state_->features.outline_at) names.push_back(state_->stem() + "-outlines.geojson");
    if (!state_->features.strata_order.empty()) names.push_back(state_->stem() + "-strata.geojson");
    return names;
}

void MapWriter::row(RowKind kind, const std::vector<Cell>& raw) {
    State& s = *state_;
    MapFeatures& f = s.features;
    // Texts made fit for the map as they come: the labels, the stratum names the strata are
    // gathered by, and the notes quoting a cell that cannot be read are all then UTF-8.
    std::vector<Cell> cells = raw;
    for (Cell& cell : cells) {
        if (std::string* text = std::get_if<std::string>(&cell)) *text = map_text(*text);
    }
    const std::string stratum = text_of(cells, s.stratum_at);
    if (kind == RowKind::block) {
        MapFeatures::Block feature;
        feature.cells = cells;
        const PlaceRead point = read_point(text_of(cells, s.lat_at), text_of(cells, s.lon_at));
        feature.point = point.point;
        feature.point_note = point.why_not;
        if (f.outline_at) {
            OutlineRead outline = read_outline(text_of(cells, f.outline_at));
            feature.ring = std::move(outline.ring);
            feature.outline_note = outline.why_not;
        }
        // Every block is in the city's feature, and in its stratum's.
        for (const std::string& name : {std::string(kCity), stratum}) {
            MapFeatures::Stratum& gathered = f.strata[name];
            if (feature.point) gathered.points.push_back(*feature.point);
            if (feature.ring.empty()) {
                gathered.unoutlined = true;
            } else {
                gathered.rings.push_back(feature.ring);
            }
        }
        f.blocks.push_back(std::move(feature));
        return;
    }
    // A stratum's pooled row and its total row make one feature; the city's total another.
    const bool city = kind == RowKind::total && s.stratum_name && stratum.empty();
    const std::string name = city || !s.stratum_name ? std::string(kCity) : stratum;
    auto [at, added] = f.strata.try_emplace(name);
    if (std::find(f.strata_order.begin(), f.strata_order.end(), name) == f.strata_order.end()) {
        f.strata_order.push_back(name);
    }
    std::vector<Cell>& merged = at->second.cells;
    if (merged.empty()) {
        merged = cells;
    } else {
        for (std::size_t i = 0; i < cells.size() && i < merged.size(); ++i) {
            const bool empty = std::holds_alternative<std::monostate>(cells[i]) ||
                               (std::holds_alternative<std::string>(cells[i]) &&
                                std::get<std::string>(cells[i]).empty());
            if (!empty && i != 0) merged[i] = cells[i];
        }
    }
}

void MapWriter::finish() {
    const State& s = *state_;
    // A file name is bytes on Linux, in whatever encoding the shell that named it used.
    const std::string name = map_text(std::filesystem::path(s.stem()).filename().string());
    if (s.kml) {
        map_detail::write_kml(s.features, s.path, name);
    } else {
        map_detail::write_geojson(s.features, s.path, s.stem(), name);
    }
}

}  // namespace kestrivo::survey
