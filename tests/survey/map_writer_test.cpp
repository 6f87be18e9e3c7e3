// Maps of a report: places and outlines read (or refused with a reason), every row kept as a
// feature, GeoJSON parsed back, rings closed and counterclockwise, KML well formed; maps of
// hostile texts and outlines opened with GDAL's own reader, as QGIS and Google Earth users will.
#include "survey/map_writer.h"

#include <expat.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <regex>
#include <set>

#include "tests/support/temporary_folder.h"

namespace {

using kestrivo::survey::Cell;
using kestrivo::survey::RowKind;

// What a command printed, stdout and stderr together, and its status (nonzero when it failed).
struct Ran {
    int status = -1;
    std::string out;
};
Ran run(const std::string& command) {
    Ran ran;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return ran;
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        ran.out.append(buffer, got);
    ran.status = ::pclose(pipe);
    return ran;
}

bool have_ogrinfo() {
    return std::system("ogrinfo --version >/dev/null 2>&1") == 0;
}

// How many features GDAL read from the file's layers, by their "Feature Count" lines.
long features_read(const std::string& ogrinfo_out) {
    long total = 0;
    const std::regex count("Feature Count: (\\d+)");
    for (auto m = std::sregex_iterator(ogrinfo_out.begin(), ogrinfo_out.end(), count);
         m != std::sregex_iterator(); ++m)
        total += std::stol((*m)[1]);
    return total;
}

// The names an object has twice, over every object of a JSON text (which nlohmann-json would
// otherwise fold into one value without a word).
std::vector<std::string> repeated_json_names(const std::string& text) {
    std::vector<std::set<std::string>> open;
    std::vector<std::string> repeated;
    [[maybe_unused]] const auto parsed = nlohmann::json::parse(
        text, [&](int, nlohmann::json::parse_event_t event, nlohmann::json& v) {
            using E = nlohmann::json::parse_event_t;
            if (event == E::object_start) open.emplace_back();
            if (event == E::object_end) open.pop_back();
            if (event == E::key && !open.back().insert(v.get<std::string>()).second)
                repeated.push_back(v.get<std::string>());
            return true;
        });
    return repeated;
}

// A strict XML 1.0 read of a KML text: its error (empty when well formed), and the names a
// Placemark's SchemaData has twice.
struct KmlRead {
    std::string error;
    std::vector<std::string> repeated;
    std::set<std::string> names;  // of the SchemaData being read
};
KmlRead read_kml(const std::string& text) {
    KmlRead read;
    XML_Parser parser = XML_ParserCreate(nullptr);
    XML_SetUserData(parser, &read);
    XML_SetStartElementHandler(parser, [](void* data, const XML_Char* element,
                                          const XML_Char** attributes) {
        auto& r = *static_cast<KmlRead*>(data);
        const std::string name = element;
        if (name == "SchemaData") r.names.clear();
        for (int i = 0; name == "SimpleData" && attributes[i]; i += 2) {
            if (std::string(attributes[i]) == "name" && !r.names.insert(attributes[i + 1]).second)
                r.repeated.push_back(attributes[i + 1]);
        }
    });
    if (XML_Parse(parser, text.data(), int(text.size()), 1) != XML_STATUS_OK)
        read.error = XML_ErrorString(XML_GetErrorCode(parser));
    XML_ParserFree(parser);
    return read;
}

// A cell of text, and an empty cell, as the report's rows hold them.
Cell text(const char* t) {
    return Cell(std::string(t));
}
const Cell kEmpty;

// GDAL's summary of every layer of `file`, read with `options`.
Ran ogrinfo_summary(const std::string& file, const std::string& options = "") {
    return run("ogrinfo -ro -al -so " + options + " '" + file + "'");
}

TEST(map_writer_test, places_and_outlines_are_read_or_refused_with_a_reason) {
    const struct {
        const char* lat;
        const char* lon;
        bool read;
        const char* why;
    } points[] = {
        {"0.33", "32.58", true, ""},
        {"-90", "180", true, ""},
        {"", "", false, "no latitude"},
        {"91", "32", false, "latitude \"91\""},
        {"0.3", "x", false, "longitude \"x\""},
        {"nan", "1", false, "latitude"},
    };
    for (const auto& p : points) {
        const auto read = kestrivo::survey::read_point(p.lat, p.lon);
        EXPECT_EQ(read.point.has_value(), p.read) << p.lat << "," << p.lon;
        EXPECT_NE(read.why_not.find(p.why), std::string::npos) << read.why_not;
    }
    // ODK writes latitude first; the ring comes back longitude first, closed, counterclockwise.
    const auto clockwise = kestrivo::survey::read_outline("0 0 0 0;1 0 0 0;1 1 0 0;0 1 0 0");
    ASSERT_EQ(clockwise.ring.size(), 5u);
    EXPECT_EQ(clockwise.ring.front().lon, clockwise.ring.back().lon);
    double area = 0;
    for (std::size_t i = 0; i + 1 < clockwise.ring.size(); ++i)
        area += clockwise.ring[i].lon * clockwise.ring[i + 1].lat -
                clockwise.ring[i + 1].lon * clockwise.ring[i].lat;
    EXPECT_GT(area, 0);
    EXPECT_EQ(kestrivo::survey::read_outline("0 0;0 1;1 1;0 0").ring.size(), 4u);  // closed already
    for (const char* bad : {"", "0 0;1 1", "0 0;1 1;2 2", "0 0;x 1;1 1", "0 0;100 1;1 1"})
        EXPECT_FALSE(kestrivo::survey::read_outline(bad).why_not.empty()) << bad;
}

TEST(map_writer_test, every_row_is_a_feature_with_the_reports_columns) {
    const TemporaryFolder folder;
    const std::vector<std::string> keys = {"block",    "n",         "N_pool",  "note",     "ward",
                                           "latitude", "longitude", "outline", "conflicts"};
    const auto rows = [&](kestrivo::survey::MapWriter& map) {
        map.row(RowKind::block,
                {text("A"), std::int64_t{27}, 45.5, kEmpty, text("North"), text("0.33"),
                 text("32.58"), text("0.33 32.58;0.33 32.581;0.329 32.581"), text("0")});
        map.row(RowKind::block, {text("B"), std::int64_t{12}, 20.0, text("x"), text("North"),
                                 text("95"), text("32.58"), text(""), text("")});
        map.row(RowKind::pooled, {text("pooled"), std::int64_t{39}, kEmpty, kEmpty, text("North"),
                                  kEmpty, kEmpty, kEmpty, kEmpty});
        map.row(RowKind::total, {text("total"), std::int64_t{39}, kEmpty, text("t"), text("North"),
                                 kEmpty, kEmpty, kEmpty, kEmpty});
        map.row(RowKind::total, {text("total"), std::int64_t{39}, kEmpty, kEmpty, text(""), kEmpty,
                                 kEmpty, kEmpty, kEmpty});
        map.finish();
    };
    kestrivo::survey::MapWriter geojson(folder.file("m.geojson"), keys, "ward", 9);
    rows(geojson);
    ASSERT_EQ(geojson.files().size(), 3u);
    const auto points = nlohmann::json::parse(folder.read("m.geojson"));
    ASSERT_EQ(points["features"].size(), 2u);  // no block dropped
    const auto& a = points["features"][0];
    EXPECT_EQ(a["geometry"]["coordinates"][0], 32.58);  // longitude first
    EXPECT_EQ(a["properties"]["n"], 27);
    EXPECT_EQ(a["properties"]["N_pool"], 45.5);
    EXPECT_TRUE(a["properties"]["note"].is_null());  // missing is null, not ""
    EXPECT_EQ(a["properties"]["latitude"], 0.33);    // carried numbers are numbers
    EXPECT_EQ(a["properties"]["conflicts"], 0);
    const auto& b = points["features"][1];
    EXPECT_TRUE(b["geometry"].is_null());
    EXPECT_NE(b["properties"]["geometry_note"].get<std::string>().find("latitude"),
              std::string::npos);
    const auto outlines = nlohmann::json::parse(folder.read("m-outlines.geojson"));
    ASSERT_EQ(outlines["features"].size(), 2u);
    const auto& ring = outlines["features"][0]["geometry"]["coordinates"][0];
    EXPECT_EQ(ring.size(), 4u);
    EXPECT_EQ(ring.front(), ring.back());
    EXPECT_TRUE(outlines["features"][1]["geometry"].is_null());
    const auto strata = nlohmann::json::parse(folder.read("m-strata.geojson"));
    ASSERT_EQ(strata["features"].size(), 2u);                     // North, and the city
    EXPECT_EQ(strata["features"][0]["properties"]["note"], "t");  // pooled and total joined
    EXPECT_EQ(strata["features"][0]["geometry"]["type"], "MultiPolygon");

    kestrivo::survey::MapWriter kml(folder.file("m.kml"), keys, "ward", 9);
    rows(kml);
    const std::string text = folder.read("m.kml");
    XML_Parser parser = XML_ParserCreate(nullptr);
    EXPECT_EQ(XML_Parse(parser, text.data(), int(text.size()), 1), XML_STATUS_OK)
        << XML_ErrorString(XML_GetErrorCode(parser));
    XML_ParserFree(parser);
    EXPECT_NE(text.find("<coordinates>32.580000,0.330000</coordinates>"), std::string::npos);
    EXPECT_NE(text.find("<SimpleData name=\"geometry_note\">"), std::string::npos);

    EXPECT_THROW(kestrivo::survey::MapWriter(folder.file("no/such/m.geojson"), keys, {}, 9),
                 std::runtime_error);
}

// Texts as the maps write them: UTF-8 kept, other bytes read as Windows-1252, characters
// XML 1.0 cannot hold as U+FFFD.
TEST(map_writer_test, texts_are_utf8_that_xml_can_hold) {
    const struct {
        std::string raw;
        const char* written;
    } cases[] = {
        {"Pe\361a", "Pe\u00f1a"},                          // Latin-1
        {"Pe\u00f1a", "Pe\u00f1a"},                        // UTF-8 already
        {"\x80 \x93x\x94", "\u20ac \u201cx\u201d"},        // Windows-1252's own
        {"\x81", "\ufffd"},                                // no character in Windows-1252
        {"A\001B\037", "A\ufffdB\ufffd"},                  // controls
        {{"a\0b", 3}, "a\ufffdb"},                         // even NUL
        {"a\tb\nc\rd\x7f", "a\tb\nc\rd\x7f"},              // allowed in XML
        {"\xef\xbf\xbe\xef\xbf\xbf", "\ufffd\ufffd"},      // U+FFFE, U+FFFF
        {"\xf0\x9f\x90\x95", "\U0001f415"},                // four bytes
        {"\xc0\xaf", "\u00c0\u00af"},                      // overlong
        {"\xed\xa0\x80", "\u00ed\u00a0\u20ac"},            // a surrogate
        {"\xe2\x82", "\u00e2\u201a"},                      // cut short
        {"\xf4\x90\x80\x80", "\u00f4\ufffd\u20ac\u20ac"},  // beyond U+10FFFF
    };
    for (const auto& c : cases)
        EXPECT_EQ(kestrivo::survey::map_text(c.raw), c.written) << c.raw;
}

// Hostile texts everywhere a text reaches a map: Latin-1 and control characters in labels,
// stratum names, carried values and column names, a file name that is not UTF-8, a column named
// as the writer's own note. Every file is strict JSON or XML 1.0 with no name twice in a
// feature's properties, and GDAL opens it and reads every feature.
TEST(map_writer_test, maps_of_hostile_texts_open_in_gdal_with_every_feature) {
    const TemporaryFolder folder;
    const std::vector<std::string> keys = {"block",         "N_pool",      "ward",
                                           "geometry_note", "lat",         "lon",
                                           "outline",       "ca\361o\002", "ca\361o\003"};
    const std::string ward = "Nor\013te";
    for (const std::string ending : {".geojson", ".kml"}) {
        kestrivo::survey::MapWriter map(folder.file("m\351" + ending), keys, "ward", 9);
        map.row(RowKind::block, {text("Pe\361a"), 4.0, ward, text("kept"), text("1"), text("2"),
                                 text("0 0;0 1;1 1"), text("x\001"), text("\xef\xbf\xbf")});
        map.row(RowKind::block, {text("A\001<&>\""), 7.0, ward, kEmpty, text("9\001"), text("2"),
                                 text("0 0;1 1;0 1;1 0\001"), kEmpty, text("\x80")});
        map.row(RowKind::pooled, {std::string("pooled\005"), 11.0, ward});
        map.row(RowKind::total, {std::string("total"), 11.0, std::string("")});
        map.finish();
        for (const std::string& file : map.files()) {
            if (ending == ".kml") {
                const KmlRead kml = read_kml(read_file(file));
                EXPECT_EQ(kml.error, "");
                EXPECT_EQ(kml.repeated, std::vector<std::string>());
            } else {
                std::vector<std::string> repeated;
                EXPECT_NO_THROW(repeated = repeated_json_names(read_file(file))) << file;
                EXPECT_EQ(repeated, std::vector<std::string>());
            }
        }
    }
    // The carried column keeps its value beside the writer's note.
    const auto first = nlohmann::json::parse(folder.read("m\351.geojson"))["features"][0];
    EXPECT_EQ(first["properties"]["block"], "Pe\u00f1a");
    EXPECT_EQ(first["properties"]["geometry_note (column)"], "kept");
    EXPECT_EQ(first["properties"]["ca\u00f1o\ufffd (column)"], "\ufffd");
    EXPECT_TRUE(first["properties"]["geometry_note"].is_null());

    if (!have_ogrinfo()) GTEST_SKIP() << "GDAL's ogrinfo is not installed";
    const struct {
        std::string file;
        const char* options;
        long features;
    } maps[] = {
        {"m\351.geojson", "", 2},
        {"m\351-outlines.geojson", "", 2},
        {"m\351-strata.geojson", "", 2},
        {"m\351.kml", "", 4},  // LIBKML, which Debian's GDAL reads KML with
        // GDAL's own KML reader, on expat; it leaves out a Placemark with no geometry.
        {"m\351.kml", "--config GDAL_SKIP LIBKML", 3},
    };
    for (const auto& m : maps) {
        const Ran ran = ogrinfo_summary(folder.file(m.file), m.options);
        EXPECT_EQ(ran.status, 0) << m.file << " " << m.options << "\n" << ran.out;
        EXPECT_EQ(features_read(ran.out), m.features) << m.file << " " << m.options;
    }
}

// Outlines a GIS calls invalid (edges that cross, or meet away from the corner two neighbours
// share) are left out with a note, the block keeping its point; GDAL's validity check (GEOS,
// through SpatiaLite) finds every outline drawn valid. Vertices are ODK's "lat lon".
TEST(map_writer_test, outlines_that_cross_or_touch_themselves_are_left_out_with_a_note) {
    const struct {
        const char* shape;
        const char* why;  // "" when drawn
    } cases[] = {
        {"0 0;1 1;0 1;1 0", "crosses or touches"},                    // a bow tie
        {"0 0;0 1;1 1;2 1;2 2;1 2;1 1;1 0", "crosses or touches"},    // an eight through a corner
        {"0 0;0 4;4 4;0 2;4 0", "crosses or touches"},                // a corner on another edge
        {"0 0;0 3;0 2;2 2;2 0", "crosses or touches"},                // a spike back along an edge
        {"0 0;0.0000001 0.0000001;0 0.0000002", "fewer than three"},  // one corner on the map
        {"0 0;0 1;0 2", "no area"},
        {"0 0;0 2;1 2;1 1;2 1;2 0", ""},  // an L, not convex
        {"0 0;0 1;0 2;2 2;2 0", ""},      // three corners in line
        {"0 0;0.0000001 0;0 1;1 1", ""},  // two that are one on the map
    };
    const TemporaryFolder folder;
    for (const std::string ending : {".geojson", ".kml"}) {
        kestrivo::survey::MapWriter map(folder.file("o" + ending),
                                        {"block", "latitude", "longitude", "outline"}, {}, 9);
        for (const auto& c : cases) {
            map.row(RowKind::block, {std::string(c.shape), std::string("0.5"), std::string("0.5"),
                                     std::string(c.shape)});
        }
        map.finish();
    }
    const auto outlines = nlohmann::json::parse(folder.read("o-outlines.geojson"))["features"];
    const auto points = nlohmann::json::parse(folder.read("o.geojson"))["features"];
    ASSERT_EQ(outlines.size(), std::size(cases));
    std::size_t drawn = 0;
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const bool left_out = *cases[i].why != '\0';
        drawn += !left_out;
        EXPECT_EQ(outlines[i]["geometry"].is_null(), left_out) << cases[i].shape;
        EXPECT_NE(outlines[i]["properties"]["geometry_note"].dump().find(cases[i].why),
                  std::string::npos)
            << cases[i].shape;
        EXPECT_EQ(points[i]["geometry"]["type"], "Point");  // the block stays
    }
    // The KML draws the same outlines, and gives its block the same note.
    const std::string kml = folder.read("o.kml");
    std::size_t polygons = 0, notes = 0;
    for (auto at = kml.find("<Polygon>"); at != std::string::npos;
         at = kml.find("<Polygon>", at + 1))
        ++polygons;
    for (auto at = kml.find("crosses or"); at != std::string::npos;
         at = kml.find("crosses or", at + 1))
        ++notes;
    EXPECT_EQ(polygons, drawn);
    EXPECT_EQ(notes, 4u);

    if (!have_ogrinfo()) GTEST_SKIP() << "GDAL's ogrinfo is not installed";
    const Ran ran =
        run("ogrinfo -ro -q -dialect sqlite -sql \"SELECT COUNT(geometry) AS drawn, "
            "SUM(geometry IS NOT NULL AND ST_IsValid(geometry) = 1) AS valid FROM "
            "\\\"o-outlines\\\"\" '" +
            folder.file("o-outlines.geojson") + "'");
    if (ran.out.find("ST_IsValid") != std::string::npos)
        GTEST_SKIP() << "GDAL has no SpatiaLite to check validity with:\n" << ran.out;
    EXPECT_EQ(ran.status, 0) << ran.out;
    EXPECT_NE(ran.out.find("drawn (Integer) = " + std::to_string(drawn)), std::string::npos)
        << ran.out;
    EXPECT_NE(ran.out.find("valid (Integer) = " + std::to_string(drawn)), std::string::npos)
        << ran.out;
}

// Five classes by the quintiles of the dogs shown: a block on a break goes up, one without a
// number is grey, and a map where no block has a number has no breaks to show.
TEST(map_writer_test, blocks_fall_in_five_classes_by_their_quintiles) {
    using kestrivo::survey::DogClasses;
    const DogClasses classes({50, 10, 40, 20, 30, 60, 70, 80, 90, 100});
    EXPECT_EQ(classes.breaks, (std::array<double, 4>{30, 50, 70, 90}));
    EXPECT_TRUE(classes.any);
    const struct {
        std::optional<double> dogs;
        std::size_t expected;
    } cases[] = {{0, 0},  {29.9, 0}, {30, 1},  {69, 2},
                 {70, 3}, {90, 4},   {1e9, 4}, {std::nullopt, DogClasses::kNone}};
    for (const auto& c : cases)
        EXPECT_EQ(classes.of(c.dogs), c.expected) << c.dogs.value_or(-1);
    EXPECT_FALSE(DogClasses({}).any);
}

// After a campaign a KML colours each stratum by its coverage against the target: below where
// its whole interval is, uncertain where the interval holds the target, met above it; a map
// without coverage has none of these styles.
TEST(map_writer_test, a_kml_colours_strata_by_their_coverage_against_the_target) {
    const TemporaryFolder folder;
    const std::vector<std::string> keys = {"block", "ward", "coverage_lo", "coverage_hi"};
    const auto write = [&](const std::string& name, std::optional<double> target) {
        kestrivo::survey::MapWriter kml(folder.file(name), keys, "ward", 9, target);
        const struct {
            const char* ward;
            double lower, upper;
        } strata[] = {{"W1", 0.5, 0.66}, {"W2", 0.6, 0.75}, {"W3", 0.72, 0.8}};
        for (const auto& s : strata) {
            kml.row(RowKind::total, {std::string("total"), std::string(s.ward), s.lower, s.upper});
        }
        kml.finish();
        return folder.read(name);
    };
    const std::string text = write("c.kml", 0.7);
    EXPECT_TRUE(read_kml(text).error.empty()) << read_kml(text).error;
    std::vector<std::string> styles;
    const std::regex used("<name>(W\\d)</name><styleUrl>#coverage_(\\w+)</styleUrl>");
    for (auto m = std::sregex_iterator(text.begin(), text.end(), used); m != std::sregex_iterator();
         ++m)
        styles.push_back((*m)[1].str() + " " + (*m)[2].str());
    EXPECT_EQ(styles, (std::vector<std::string>{"W1 below", "W2 uncertain", "W3 met"}));
    for (const char* style : {"below", "uncertain", "met"})
        EXPECT_NE(text.find(std::string("<Style id=\"coverage_") + style), std::string::npos);
    const std::string plain = write("plain.kml", std::nullopt);
    EXPECT_EQ(plain.find("#coverage_"), std::string::npos);
    EXPECT_EQ(plain.find("<Style id=\"coverage_"), std::string::npos);
}

// The range a legend prints, read back: [low, high) with either end open when not printed.
struct PrintedRange {
    double low = -HUGE_VAL, high = HUGE_VAL;
};
PrintedRange read_range(const std::string& text) {
    std::smatch m;
    if (std::regex_match(text, m, std::regex("below (\\S+)"))) return {-HUGE_VAL, std::stod(m[1])};
    if (std::regex_match(text, m, std::regex("(\\S+) and more")))
        return {std::stod(m[1]), HUGE_VAL};
    if (std::regex_match(text, m, std::regex("(\\S+) to (\\S+)")))
        return {std::stod(m[1]), std::stod(m[2])};
    ADD_FAILURE() << "not a range: " << text;
    return {};
}

// Blocks on, just below and just above each break are coloured in the class whose range the KML's
// legend prints around them, for breaks of a few dogs and of thousands.
TEST(map_writer_test, every_blocks_class_is_the_range_the_legend_prints) {
    const std::vector<std::vector<double>> surveys = {
        {10, 47.6, 47.9991, 48.2, 60.6, 60.88, 77.08, 77.3, 106.6, 106.8, 107, 106.5, 48, 47.5},
        {0.4, 0.6, 1.49, 1.5, 2.5, 2.51, 3, 3.49, 3.5, 4},
        {1234.4, 1235, 1239.9, 1240, 5555, 5550, 5549.9, 9996, 10000, 12, 999.5, 999.4},
    };
    const TemporaryFolder folder;
    for (const auto& values : surveys) {
        kestrivo::survey::MapWriter map(folder.file("c.kml"), {"block", "N_pool"}, {}, 9);
        for (std::size_t i = 0; i < values.size(); ++i)
            map.row(RowKind::block, {std::string("b") + std::to_string(i), values[i]});
        map.finish();
        const std::string kml = folder.read("c.kml");
        std::smatch m;
        ASSERT_TRUE(std::regex_search(kml, m, std::regex("\\(N_pool\\): ([^<]*)</description>")));
        std::vector<std::string> ranges;
        const std::string legend = m[1];
        for (std::size_t from = 0; from <= legend.size();) {
            const std::size_t end = std::min(legend.find("; ", from), legend.size());
            ranges.push_back(legend.substr(from, end - from));
            from = end + 2;
        }
        ASSERT_EQ(ranges.size(), 5u) << legend;
        const std::regex placemark("<name>b(\\d+)</name><styleUrl>#class(\\d)</styleUrl>");
        std::size_t seen = 0;
        for (auto p = std::sregex_iterator(kml.begin(), kml.end(), placemark);
             p != std::sregex_iterator(); ++p, ++seen) {
            const double dogs = values[std::stoul((*p)[1])];
            const std::size_t c = std::stoul((*p)[2]);
            ASSERT_LT(c, ranges.size());
            const PrintedRange range = read_range(ranges[c]);
            EXPECT_TRUE(range.low <= dogs && dogs < range.high)
                << dogs << " coloured as " << ranges[c] << " in " << legend;
        }
        EXPECT_EQ(seen, values.size());
    }
}

// A KML declares each column's type in its schema, so that GDAL (and QGIS through it) reads the
// numbers as numbers: counts as integers, estimates and degrees as reals, texts as strings; one
// type a column over the blocks and the strata alike.
TEST(map_writer_test, a_kmls_columns_are_typed_for_gdal) {
    const TemporaryFolder folder;
    const std::vector<std::string> keys = {"block", "n",        "N_pool",   "note",
                                           "ward",  "latitude", "longitude"};
    kestrivo::survey::MapWriter map(folder.file("t.kml"), keys, "ward", 9);
    map.row(RowKind::block, {text("A"), std::int64_t{27}, 45.0, text("x"), text("North"),
                             text("0.33"), text("32.58")});
    map.row(RowKind::block, {text("B"), std::int64_t{12}, 20.5, kEmpty, text("North"), text("0.34"),
                             text("32.59")});
    map.row(RowKind::pooled,
            {text("pooled"), std::int64_t{39}, 70.25, kEmpty, text("North"), kEmpty, kEmpty});
    map.finish();
    const std::string kml = folder.read("t.kml");
    EXPECT_EQ(read_kml(kml).error, "");
    const struct {
        const char* column;
        const char* declared;
        const char* gdal;
    } fields[] = {{"block", "string", "String"},  {"n", "int", "Integer"},
                  {"N_pool", "double", "Real"},   {"note", "string", "String"},
                  {"latitude", "double", "Real"}, {"longitude", "double", "Real"}};
    for (const auto& f : fields) {
        EXPECT_NE(kml.find("<SimpleField name=\"" + std::string(f.column) + "\" type=\"" +
                           f.declared + "\"/>"),
                  std::string::npos)
            << f.column;
    }
    if (!have_ogrinfo()) GTEST_SKIP() << "GDAL's ogrinfo is not installed";
    // LIBKML, which Debian's GDAL reads KML with (and QGIS through it); GDAL's own KML reader
    // reads no placemark data at all.
    const Ran ran = ogrinfo_summary(folder.file("t.kml"));
    EXPECT_EQ(ran.status, 0) << ran.out;
    for (const auto& f : fields) {
        EXPECT_NE(ran.out.find(std::string(f.column) + ": " + f.gdal), std::string::npos)
            << f.column << "\n"
            << ran.out;
    }
}

// Columns only a stratum's or the city's rows fill are left off the blocks' features (points,
// outlines and KML placemarks) and kept on the strata's; n_any, which a block fills, stays.
TEST(map_writer_test, blocks_leave_out_the_columns_only_strata_fill) {
    struct Column {
        const char* column;
        bool on_blocks;
    };
    // clang-format off
    const char* const strata_only[] = {
        "het", "het_df", "het_p", "city_N", "city_se", "city_lo", "city_hi", "model",
        "aicc_weight_by_count", "aicc_weight_behaviour", "P1", "P2", "P3", "P_first", "P_again",
        "N_marked", "coverage", "coverage_lo", "coverage_hi", "naive_coverage", "visibility_p",
        "doses_needed", "doses_needed_lo", "doses_needed_hi", "N_vaccinated_check"};
    // clang-format on
    std::vector<Column> columns = {{"n_any", true}};
    for (const char* column : strata_only)
        columns.push_back({column, false});
    std::vector<std::string> keys = {"block", "ward", "latitude", "longitude", "outline"};
    for (const auto& c : columns)
        keys.push_back(c.column);
    const auto cells = [&](const char* block, const char* ward, bool place) {
        std::vector<Cell> row;
        for (const char* text :
             {block, ward, place ? "0.5" : "", place ? "0.5" : "", place ? "0 0;0 1;1 1" : ""})
            row.emplace_back(std::string(text));
        for (const auto& c : columns)
            if (place && !c.on_blocks) {
                row.emplace_back();
            } else {
                row.emplace_back(1.5);
            }
        return row;
    };
    const TemporaryFolder folder;
    for (const std::string ending : {".geojson", ".kml"}) {
        kestrivo::survey::MapWriter map(folder.file("s" + ending), keys, "ward", 9);
        map.row(RowKind::block, cells("A", "North", true));
        map.row(RowKind::total, cells("total", "North", false));
        map.finish();
    }
    const auto point = nlohmann::json::parse(folder.read("s.geojson"))["features"][0];
    const auto outline = nlohmann::json::parse(folder.read("s-outlines.geojson"))["features"][0];
    const auto stratum = nlohmann::json::parse(folder.read("s-strata.geojson"))["features"][0];
    const std::string kml = folder.read("s.kml");
    const std::string block_kml = kml.substr(0, kml.find("<name>Strata</name>"));
    const std::string strata_kml = kml.substr(kml.find("<name>Strata</name>"));
    for (const auto& c : columns) {
        EXPECT_EQ(point["properties"].contains(c.column), c.on_blocks) << c.column;
        EXPECT_EQ(outline["properties"].contains(c.column), c.on_blocks) << c.column;
        EXPECT_TRUE(stratum["properties"].contains(c.column)) << c.column;
        const std::string data = "<SimpleData name=\"" + std::string(c.column) + "\">";
        EXPECT_EQ(block_kml.find(data) != std::string::npos, c.on_blocks) << c.column;
        EXPECT_NE(strata_kml.find(data), std::string::npos) << c.column;
        // The schema still declares it, for the strata.
        EXPECT_NE(kml.find("<SimpleField name=\"" + std::string(c.column) + "\""),
                  std::string::npos)
            << c.column;
    }
}

// Twice the signed area of a closed ring: positive when it runs counterclockwise.
double twice_area(const nlohmann::json& ring) {
    double sum = 0;
    for (std::size_t i = 0; i + 1 < ring.size(); ++i)
        sum += ring[i][0].get<double>() * ring[i + 1][1].get<double>() -
               ring[i + 1][0].get<double>() * ring[i][1].get<double>();
    return sum;
}

// Each stratum is an area that holds all its blocks: its blocks' outlines as they are where every
// block has one and none comes near another, else the convex hull of their corners and points;
// rings closed and counterclockwise, and area_from saying which. GDAL reads one layer of
// MultiPolygons.
TEST(map_writer_test, strata_are_areas_that_hold_their_blocks) {
    // Vertices are ODK's "lat lon"; a block's point is inside its outline or alone.
    const struct {
        const char* ward;
        const char* lat;
        const char* lon;
        const char* outline;
    } blocks[] = {
        {"Apart", "0.5", "0.5", "0 0;0 1;1 1;1 0"},
        {"Apart", "3.5", "3.5", "3 3;3 4;4 4;4 3"},
        {"Touching", "0.5", "10.5", "0 10;0 11;1 11;1 10"},
        {"Touching", "1.5", "10.5", "1 10;1 11;2 11;2 10"},
        {"Mixed", "0.5", "20.5", "0 20;0 21;1 21;1 20"},
        {"Mixed", "5", "25", ""},
        {"Alone", "7", "30", ""},
    };
    const struct {
        const char* ward;
        const char* from;  // "" for no area
        std::size_t polygons;
    } expected[] = {{"Apart", "outlines", 2},
                    {"Touching", "convex hull", 1},
                    {"Mixed", "convex hull", 1},
                    {"Alone", "", 0}};
    const std::vector<std::string> keys = {"block", "ward", "latitude", "longitude", "outline"};
    const TemporaryFolder folder;
    for (const std::string ending : {".geojson", ".kml"}) {
        kestrivo::survey::MapWriter map(folder.file("a" + ending), keys, "ward", 9);
        for (const auto& b : blocks) {
            map.row(RowKind::block, {std::string("b"), std::string(b.ward), std::string(b.lat),
                                     std::string(b.lon), std::string(b.outline)});
        }
        for (const auto& e : expected)
            map.row(RowKind::total, {std::string("total"), std::string(e.ward), {}, {}, {}});
        map.row(RowKind::total, {std::string("total"), std::string(""), {}, {}, {}});
        map.finish();
    }
    const auto strata = nlohmann::json::parse(folder.read("a-strata.geojson"))["features"];
    ASSERT_EQ(strata.size(), std::size(expected) + 1);
    for (std::size_t s = 0; s < strata.size(); ++s) {
        const auto& feature = strata[s];
        const bool city = s == std::size(expected);
        const std::string ward = city ? "" : expected[s].ward;
        const std::string from = city ? "convex hull" : expected[s].from;
        EXPECT_EQ(feature["properties"]["area_from"].is_null(), from.empty()) << ward;
        if (from.empty()) {
            EXPECT_TRUE(feature["geometry"].is_null()) << ward;
            EXPECT_FALSE(feature["properties"]["geometry_note"].is_null()) << ward;
            continue;
        }
        EXPECT_EQ(feature["properties"]["area_from"], from) << ward;
        ASSERT_EQ(feature["geometry"]["type"], "MultiPolygon") << ward;
        const auto& polygons = feature["geometry"]["coordinates"];
        if (!city) {
            EXPECT_EQ(polygons.size(), expected[s].polygons) << ward;
        }
        for (const auto& polygon : polygons) {
            const auto& ring = polygon[0];
            EXPECT_EQ(ring.front(), ring.back()) << ward;
            EXPECT_GT(twice_area(ring), 0) << ward;
        }
        // Every corner and point of its blocks lies in one of its polygons: on the left of (or on)
        // each edge of a convex ring, or a corner of an outline drawn as it is.
        for (const auto& b : blocks) {
            if (!city && ward != b.ward) continue;
            std::vector<std::pair<double, double>> places{{std::stod(b.lon), std::stod(b.lat)}};
            const std::regex vertex("([0-9.]+) ([0-9.]+)");
            const std::string outline = b.outline;
            for (auto v = std::sregex_iterator(outline.begin(), outline.end(), vertex);
                 v != std::sregex_iterator(); ++v)
                places.emplace_back(std::stod((*v)[2]), std::stod((*v)[1]));
            for (const auto& [x, y] : places) {
                bool inside = false;
                for (const auto& polygon : polygons) {
                    const auto& ring = polygon[0];
                    bool left_of_all = true;
                    for (std::size_t i = 0; i + 1 < ring.size(); ++i) {
                        const double ax = ring[i][0], ay = ring[i][1], bx = ring[i + 1][0],
                                     by = ring[i + 1][1];
                        left_of_all =
                            left_of_all && (bx - ax) * (y - ay) - (by - ay) * (x - ax) >= -1e-12;
                    }
                    inside = inside || left_of_all;
                }
                EXPECT_TRUE(inside) << ward << " misses " << x << "," << y;
            }
        }
    }
    const std::string kml = folder.read("a.kml");
    EXPECT_EQ(read_kml(kml).error, "");
    EXPECT_NE(kml.find("<SimpleData name=\"area_from\">outlines</SimpleData>"), std::string::npos);

    if (!have_ogrinfo()) GTEST_SKIP() << "GDAL's ogrinfo is not installed";
    const Ran ran = ogrinfo_summary(folder.file("a-strata.geojson"));
    EXPECT_EQ(ran.status, 0) << ran.out;
    EXPECT_NE(ran.out.find("Geometry: Multi Polygon"), std::string::npos) << ran.out;
    EXPECT_EQ(features_read(ran.out), long(strata.size())) << ran.out;
}

// Beside the GeoJSON's points and outlines, a QGIS style under the same base name: graduated by
// N_pool in the KML's five classes and ranges, each block falling (by QGIS's rule: a range holds
// its upper end, not its lower one) in the class the KML colours it in, and labelled by block.
TEST(map_writer_test, a_geojson_map_has_qgis_styles_in_the_kmls_classes) {
    const std::vector<double> values = {10, 47.6,  47.9991, 48,    48.2,  60.6, 60.88,
                                        61, 77.08, 77.3,    106.6, 106.8, 107,  200};
    const TemporaryFolder folder;
    for (const std::string ending : {".geojson", ".kml"}) {
        kestrivo::survey::MapWriter map(folder.file("q" + ending),
                                        {"block", "N_pool", "latitude", "longitude", "outline"}, {},
                                        9);
        for (std::size_t i = 0; i < values.size(); ++i) {
            map.row(RowKind::block,
                    {std::string("b") + std::to_string(i), values[i], std::string("0.5"),
                     std::string("0.5"), std::string("0 0;0 1;1 1")});
        }
        map.finish();
    }
    const std::string kml = folder.read("q.kml");
    std::vector<std::size_t> kml_class;
    const std::regex placemark("<name>b\\d+</name><styleUrl>#class(\\d)</styleUrl>");
    for (auto p = std::sregex_iterator(kml.begin(), kml.end(), placemark);
         p != std::sregex_iterator(); ++p)
        kml_class.push_back(std::stoul((*p)[1]));
    ASSERT_EQ(kml_class.size(), values.size());
    for (const char* style : {"q.qml", "q-outlines.qml"}) {
        const std::string qml = folder.read(style);
        EXPECT_EQ(read_kml(qml).error, "") << style;  // well-formed XML
        EXPECT_NE(qml.find("attr=\"N_pool\""), std::string::npos) << style;
        // One label a block, on its point: the outlines are not labelled again.
        EXPECT_EQ(qml.find("fieldName=\"block\"") != std::string::npos,
                  std::string(style) == "q.qml")
            << style;
        struct Range {
            double lower, upper;
            std::string label;
        };
        std::vector<Range> ranges;
        const std::regex range(
            "<range lower=\"([^\"]+)\" upper=\"([^\"]+)\" symbol=\"\\d\" label=\"([^\"]+)\"");
        for (auto r = std::sregex_iterator(qml.begin(), qml.end(), range);
             r != std::sregex_iterator(); ++r)
            ranges.push_back({std::stod((*r)[1]), std::stod((*r)[2]), (*r)[3]});
        ASSERT_EQ(ranges.size(), 5u) << style;
        for (const Range& r : ranges)
            EXPECT_NE(kml.find(r.label), std::string::npos) << r.label;  // the KML's legend
        for (std::size_t i = 0; i < values.size(); ++i) {
            std::size_t c = 0;
            while (c < ranges.size() &&
                   !((c == 0 ? ranges[c].lower <= values[i] : ranges[c].lower < values[i]) &&
                     values[i] <= ranges[c].upper))
                ++c;
            EXPECT_EQ(c, kml_class[i]) << style << " " << values[i];
        }
    }
}

}  // namespace
