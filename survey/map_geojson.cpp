// The map as GeoJSON (RFC 7946) for QGIS: one file a layer, as QGIS splits a file of mixed
// geometries into sub-layers. The blocks' points, their outlines and the strata's areas each
// make a FeatureCollection, one feature a line; a feature without a place has a null geometry and
// says why in its geometry_note.
#include <string>
#include <vector>

#include "platform/whole_file.h"
#include "survey/json_writer.h"
#include "survey/map_features.h"

namespace kestrivo::survey::map_detail {
namespace {

std::string position(const LonLat& p) {
    return "[" + degrees(p.lon) + "," + degrees(p.lat) + "]";
}

// The positions of `points`, separated by commas.
std::string positions(const std::vector<LonLat>& points) {
    std::string text;
    for (const LonLat& p : points)
        text += (text.empty() ? "" : ",") + position(p);
    return text;
}

// Every column a property (on a block, those only strata fill aside), then the note on the
// geometry (null when there is one).
std::string properties(const MapFeatures& features, const std::vector<Cell>& cells,
                       const std::string& note, bool block, std::vector<JsonMember> extra = {}) {
    std::vector<JsonMember> members;
    for (std::size_t i = 0; i < features.keys.size(); ++i) {
        if (block && features.strata_only[i]) continue;
        members.emplace_back(features.names[i],
                             features.property(i, i < cells.size() ? cells[i] : Cell()));
    }
    members.emplace_back(kNote, note.empty() ? "null" : json_string(note));
    members.insert(members.end(), extra.begin(), extra.end());
    return json_object(members);
}

// `geometry` is a GeoJSON geometry object, or "" for none.
std::string feature(const std::string& geometry, const std::string& properties) {
    return "{\"type\":\"Feature\",\"geometry\":" + (geometry.empty() ? "null" : geometry) +
           ",\"properties\":" + properties + "}";
}

std::string collection(const std::string& name, const std::vector<std::string>& features) {
    return "{\"type\":\"FeatureCollection\",\"name\":" + json_string(name) +
           ",\"features\":" + json_array(features, {",\n", "", "\n", "\n"}) + "}\n";
}

std::string point_feature(const MapFeatures& features, const MapFeatures::Block& block) {
    return feature(
        block.point ? "{\"type\":\"Point\",\"coordinates\":" + position(*block.point) + "}" : "",
        properties(features, block.cells, block.point_note, true));
}

std::string outline_feature(const MapFeatures& features, const MapFeatures::Block& block) {
    return feature(block.ring.empty()
                       ? ""
                       : "{\"type\":\"Polygon\",\"coordinates\":[[" + positions(block.ring) + "]]}",
                   properties(features, block.cells, block.outline_note, true));
}

// A stratum's area as a MultiPolygon, one type for the whole layer whether drawn from outlines or
// as a hull; what it was drawn from in area_from.
std::string stratum_feature(const MapFeatures& features, const MapFeatures::Stratum& stratum) {
    const StratumArea area = stratum_area(stratum);
    std::string polygons;
    for (const auto& ring : area.polygons)
        polygons += (polygons.empty() ? "[[" : ",[[") + positions(ring) + "]]";
    return feature(area.polygons.empty()
                       ? ""
                       : "{\"type\":\"MultiPolygon\",\"coordinates\":[" + polygons + "]}",
                   properties(features, stratum.cells, area.why_not, false,
                              {{kAreaFrom, area.from.empty() ? "null" : json_string(area.from)}}));
}

}  // namespace

void write_geojson(const MapFeatures& features, const std::string& path, const std::string& stem,
                   const std::string& name) {
    std::vector<std::string> points, outlines, strata;
    for (const MapFeatures::Block& block : features.blocks) {
        points.push_back(point_feature(features, block));
        if (features.outline_at) outlines.push_back(outline_feature(features, block));
    }
    for (const std::string& key : features.strata_order)
        strata.push_back(stratum_feature(features, features.strata.at(key)));
    // Each layer of blocks with its QGIS style under the same base name, which QGIS loads with it.
    const DogClasses classes = dog_classes(features);
    platform::write_whole_file(path, collection(name, points));
    platform::write_whole_file(stem + ".qml", qgis_style(features, classes, false));
    if (features.outline_at) {
        platform::write_whole_file(stem + "-outlines.geojson",
                                   collection(name + "-outlines", outlines));
        platform::write_whole_file(stem + "-outlines.qml", qgis_style(features, classes, true));
    }
    if (!strata.empty()) {
        platform::write_whole_file(stem + "-strata.geojson", collection(name + "-strata", strata));
    }
}

}  // namespace kestrivo::survey::map_detail
