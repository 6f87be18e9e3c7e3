// The report's rows as a map's features, gathered once by MapWriter and written by each format's
// writer (map_geojson.cpp, map_kml.cpp): the blocks with their point and outline (or why there is
// none), the strata with their blocks' points and outlines and their pooled and total rows merged,
// and each cell as a property. Private to the map writers: the rest of the program uses
// map_writer.h.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "survey/map_writer.h"
#include "survey/output_cell.h"

namespace kestrivo::survey::map_detail {

/// The strata layer's feature for the whole city, under a name no stratum can have: map_text
/// leaves no control character in a stratum's name.
inline constexpr const char* kCity =
    "\x01"
    "city";
/// The property that says why a feature has no geometry.
inline constexpr const char* kNote = "geometry_note";

/// A column the report fills on a stratum's or the city's rows only, never on a block's: the
/// heterogeneity test, the city's total, the pooled fit's own model columns and the coverage after
/// vaccination. A block's feature leaves them out rather than carry a column empty by design.
bool not_on_blocks(const std::string& key);

/// Six decimals of a degree: about 11 cm, finer than any phone's fix.
std::string degrees(double value);

/// The text in cell `at` of `cells`; "" when there is none or it is not text.
std::string text_of(const std::vector<Cell>& cells, std::optional<std::size_t> at);

/// `text` fit for an XML attribute or element (the KML and the QGIS styles): the markup
/// characters and the double quote as entities, everything else as it is.
std::string xml_escaped(const std::string& text);

struct MapFeatures {
    std::vector<std::string> keys;   // the report's columns
    std::vector<std::string> names;  // the keys as the map's property names, each its own
    /// Per column: whether a block's feature leaves it out, as one only a stratum's or the
    /// city's rows fill (see not_on_blocks).
    std::vector<bool> strata_only;
    int digits = 9;
    std::optional<std::size_t> outline_at;  // the column of the blocks' outlines
    std::optional<std::size_t> value_at;    // the column of the blocks' dogs (N_pool or N_hat)
    /// Where the report gives coverage after vaccination: the target, and the columns of the
    /// coverage's limits, by which a KML colours each stratum.
    std::optional<double> coverage_target;
    std::optional<std::size_t> coverage_lo_at, coverage_hi_at;

    struct Block {
        std::vector<Cell> cells;
        std::optional<LonLat> point;
        std::vector<LonLat> ring;
        std::string point_note, outline_note;  // why there is no point, or no outline
    };
    std::vector<Block> blocks;
    struct Stratum {
        std::vector<Cell> cells;                 // its pooled and total rows merged
        std::vector<LonLat> points;              // its blocks' points
        std::vector<std::vector<LonLat>> rings;  // its blocks' outlines
        bool unoutlined = false;                 // some block of it has no outline
    };
    std::vector<std::string> strata_order;  // in order of their first pooled or total row
    std::map<std::string, Stratum> strata;

    /// Cell `i` as a JSON property: numbers as numbers (and so the text of a carried column that
    /// holds numbers), an empty cell as null, other text as a string.
    std::string property(std::size_t i, const Cell& cell) const;
};

/// A block's dogs, the number its colour class is of: its finite N_pool (or N_hat).
std::optional<double> dogs_of(const MapFeatures& features, const std::vector<Cell>& cells);
/// The classes of the blocks' dogs, as every map of the report colours them.
DogClasses dog_classes(const MapFeatures& features);

/// A QGIS layer style (.qml) for the blocks' outlines (`fill`) or points: graduated by their
/// dogs in `classes`, each range labelled as the class's range, the blocks labelled by name.
std::string qgis_style(const MapFeatures& features, const DogClasses& classes, bool fill);

/// The property that says what a stratum's area was drawn from, and its two values.
inline constexpr const char* kAreaFrom = "area_from";
inline constexpr const char* kFromOutlines = "outlines";
inline constexpr const char* kFromHull = "convex hull";

/// A stratum's area: its blocks' outlines (kFromOutlines) where every block has one and no two
/// share a point of their bounding boxes, so that they make a valid MultiPolygon as they are;
/// else the convex hull of all its blocks' corners and points (kFromHull). Rings closed and
/// counterclockwise; no polygon, and why, when its blocks' places enclose no area.
struct StratumArea {
    std::vector<std::vector<LonLat>> polygons;
    std::string from;
    std::string why_not;
};
StratumArea stratum_area(const MapFeatures::Stratum& stratum);

/// The points in `path`, the outlines (when the report has them) in `stem`-outlines.geojson and
/// the strata (when there are any) in `stem`-strata.geojson, each collection named after `name`.
void write_geojson(const MapFeatures& features, const std::string& path, const std::string& stem,
                   const std::string& name);

/// The blocks and the strata as one KML document named `name`, the blocks coloured in five
/// classes of their dogs.
void write_kml(const MapFeatures& features, const std::string& path, const std::string& name);

}  // namespace kestrivo::survey::map_detail
