// The report on a map, for QGIS (GeoJSON, RFC 7946) or Google Earth (KML). Blocks are placed by
// their latitude and longitude columns and drawn by their outline (ODK's geoshape form,
// "lat lon alt acc;..."), strata by an area holding their blocks; every column of the report is a
// property, numbers as numbers and missing values as null, so that a map can be coloured by any
// of them. QGIS splits a file of mixed geometries into sub-layers, so GeoJSON has one file a
// layer: the points in FILE, the outlines in FILE-outlines.geojson, the strata in
// FILE-strata.geojson. A block whose place cannot be read keeps its feature, with no geometry and
// a geometry_note that says why: no block is dropped from a map. Every text on a map is UTF-8 that
// XML 1.0 can hold (see map_text), and every feature's properties have names of their own.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "survey/output_cell.h"
#include "survey/report_rows.h"

namespace kestrivo::survey {

/// A point in degrees.
struct LonLat {
    double lon, lat;
};

/// A block's place from its latitude and longitude texts: the point, or why there is none.
struct PlaceRead {
    std::optional<LonLat> point;
    std::string why_not;
};
PlaceRead read_point(const std::string& latitude, const std::string& longitude);

/// `raw` as a map writes it: UTF-8 kept, each byte that is not part of valid UTF-8 read as
/// Windows-1252 (a superset of Latin-1's printable characters), and each character XML 1.0 cannot
/// hold (C0 controls but tab, LF and CR; U+FFFE, U+FFFF) written as U+FFFD.
std::string map_text(std::string_view raw);

/// A block's outline from ODK's geoshape text: a closed ring, longitude first, counterclockwise
/// (a clockwise one reversed), on the map's grid of six decimals; or why there is none: fewer
/// than three corners, no area, or edges that cross or touch each other away from their shared
/// corners (a "bow tie"), which no GIS takes as a polygon.
struct OutlineRead {
    std::vector<LonLat> ring;
    std::string why_not;
};
OutlineRead read_outline(const std::string& shape);

/// The area a map gives a stratum, as its strata layer draws it: its blocks' outlines where every
/// block has one (`unoutlined` false) and no two come near each other, else the convex hull of all
/// their corners and points. Rings closed and counterclockwise; none when they enclose no area.
std::vector<std::vector<LonLat>> area_of_blocks(const std::vector<LonLat>& points,
                                                const std::vector<std::vector<LonLat>>& rings,
                                                bool unoutlined);

/// The five classes a map colours its blocks' dogs in, by the quintiles of the dogs shown. The
/// breaks are kept as a legend prints them (whole dogs; three significant digits from 1,000 on),
/// and the classes are the half-open ranges between them, so that a block on or just around a
/// break is coloured as the legend's text says: "below 48", "48 to 61", ..., "107 and more".
struct DogClasses {
    static constexpr std::size_t kNone = 5;  // the class of a block without a number
    /// Yellow to dark red, then grey for kNone, as 0xRRGGBB.
    static constexpr std::uint32_t kColours[6] = {0xffffb2, 0xfecc5c, 0xfd8d3c,
                                                  0xf03b20, 0xbd0026, 0x999999};
    /// The four breaks between the classes: the 20th, 40th, 60th and 80th percentiles of
    /// `values` (0 when there are none), each as shown().
    explicit DogClasses(std::vector<double> values);
    /// A number of dogs as a legend prints it: whole dogs, and three significant digits from
    /// 1,000 on.
    static double shown(double dogs);
    /// The class of a block's dogs: how many breaks lie at or below it; kNone without a number.
    std::size_t of(std::optional<double> dogs) const;
    /// Class `c` as the range of dogs it holds ("below 48", "48 to 61", "107 and more"), or
    /// "no estimate" for kNone.
    std::string range(std::size_t c) const;

    std::array<double, 4> breaks{};
    bool any = false;  // some block has a number
};

class MapWriter {
public:
    /// @param path     FILE.geojson or FILE.kml
    /// @param keys     the report's columns, in its order
    /// @param stratum  the column that names the strata, if any
    /// @param digits   significant digits of the numbers, as in the report
    /// Throws platform::RuntimeError when the map's folder cannot take it.
    /// @param coverage_target  where the report gives coverage: the target a KML colours its
    ///                         strata against
    MapWriter(std::string path, std::vector<std::string> keys, std::optional<std::string> stratum,
              int digits, std::optional<double> coverage_target = std::nullopt);
    ~MapWriter();

    /// A row of the report, as the table wrote it.
    void row(RowKind kind, const std::vector<Cell>& cells);
    /// Writes the files, each whole. Throws platform::RuntimeError when one cannot be written.
    void finish();

    /// The files the map is written to (the first is `path`). A GeoJSON map also writes, beside
    /// its points and outlines, their QGIS styles: FILE.qml and FILE-outlines.qml.
    std::vector<std::string> files() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace kestrivo::survey
