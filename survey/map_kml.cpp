// The map as KML for Google Earth: one document with a folder of blocks, each a placemark at its
// point and outline coloured by the class of its dogs (N_pool, or N_hat) among five quintile
// classes, and a folder of strata at their areas (see stratum_area); every column of the report is
// the placemark's data, and the legend says where the classes break.
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/number_text.h"
#include "platform/whole_file.h"
#include "survey/map_features.h"

namespace kestrivo::survey::map_detail {
namespace {

std::string coordinates(const LonLat& p) {
    return degrees(p.lon) + "," + degrees(p.lat);
}

// A ring as a KML Polygon's outer boundary.
std::string polygon(const std::vector<LonLat>& ring) {
    std::string text;
    for (const LonLat& p : ring)
        text += coordinates(p) + " ";
    return "<Polygon><outerBoundaryIs><LinearRing><coordinates>" + text +
           "</coordinates></LinearRing></outerBoundaryIs></Polygon>";
}

// The styles of the six classes (five of dogs and one without a number): KML writes a colour as
// aabbggrr, the outlines' fill a little transparent.
std::string styles() {
    std::string kml;
    for (std::size_t c = 0; c < 6; ++c) {
        const std::uint32_t rgb = DogClasses::kColours[c];
        char colour[16];
        std::snprintf(colour, sizeof colour, "ff%02x%02x%02x", unsigned(rgb & 0xff),
                      unsigned((rgb >> 8) & 0xff), unsigned((rgb >> 16) & 0xff));
        kml += "<Style id=\"class" + std::to_string(c) + "\"><IconStyle><color>" + colour +
               "</color></IconStyle><LineStyle><color>ff333333</color></LineStyle><PolyStyle>"
               "<color>" +
               std::string("b3") + (colour + 2) + "</color></PolyStyle></Style>\n";
    }
    return kml;
}

// After a campaign, each stratum's coverage against the target: red where its whole interval
// lies below it, amber where the interval holds it, green above it.
constexpr const char* kCoverageStyles =
    "<Style id=\"coverage_below\"><IconStyle><color>ff2c1cd7</color></IconStyle></Style>\n"
    "<Style id=\"coverage_uncertain\"><IconStyle><color>ff00a5ff</color></IconStyle></Style>\n"
    "<Style id=\"coverage_met\"><IconStyle><color>ff3ca01a</color></IconStyle></Style>\n";

std::string coverage_style(const MapFeatures& features, const std::vector<Cell>& cells) {
    if (!features.coverage_target || !features.coverage_lo_at || !features.coverage_hi_at)
        return "";
    const auto number = [&](std::size_t at) -> std::optional<double> {
        const double* v = at < cells.size() ? std::get_if<double>(&cells[at]) : nullptr;
        return v && std::isfinite(*v) ? std::optional<double>(*v) : std::nullopt;
    };
    const auto lower = number(*features.coverage_lo_at), upper = number(*features.coverage_hi_at);
    if (!lower || !upper) return "";
    const double target = *features.coverage_target;
    const char* style = *upper < target   ? "coverage_below"
                        : *lower < target ? "coverage_uncertain"
                                          : "coverage_met";
    return std::string("<styleUrl>#") + style + "</styleUrl>";
}

// The classes' ranges, in the measure's name: the breaks as DogClasses classes the blocks by.
std::string legend(const DogClasses& classes, const std::string& measure) {
    std::string text = "Dogs on the block (" + measure + "): ";
    for (std::size_t c = 0; c < 5; ++c)
        text += (c ? "; " : "") + classes.range(c);
    return text;
}

// Each column's type, as the KML's schema declares it so that a GIS reads numbers as numbers:
// "int" where every value written is a whole-number count, "double" where every value is a
// number, "string" otherwise (and for a column with no value at all). Decided once over every
// feature, so that one column has one type on the whole map.
std::vector<std::string> field_types(const MapFeatures& features) {
    std::vector<std::string> types;
    for (std::size_t i = 0; i < features.keys.size(); ++i) {
        bool any = false, real = false, text = false;
        const auto look = [&](const std::vector<Cell>& cells) {
            if (i >= cells.size()) return;
            const std::string value = features.property(i, cells[i]);
            if (value == "null") return;
            any = true;
            text = text || value.front() == '"';
            real = real || std::holds_alternative<double>(cells[i]) ||
                   value.find_first_of(".eEin") != std::string::npos;
        };
        for (const MapFeatures::Block& block : features.blocks)
            look(block.cells);
        for (const auto& [key, stratum] : features.strata)
            look(stratum.cells);
        types.push_back(!any || text ? "string" : real ? "double" : "int");
    }
    return types;
}

constexpr const char* kSchemaId = "report";

// The schema of the placemarks' data: every column under its map name, then the note on a
// feature's place.
std::string schema(const MapFeatures& features) {
    const std::vector<std::string> types = field_types(features);
    std::string kml = "<Schema name=\"" + std::string(kSchemaId) + "\" id=\"" + kSchemaId + "\">\n";
    for (std::size_t i = 0; i < features.keys.size(); ++i) {
        kml += "<SimpleField name=\"" + xml_escaped(features.names[i]) + "\" type=\"" + types[i] +
               "\"/>\n";
    }
    return kml + "<SimpleField name=\"" + kNote + "\" type=\"string\"/>\n<SimpleField name=\"" +
           kAreaFrom + "\" type=\"string\"/>\n</Schema>\n";
}

// Every column as the placemark's typed data (on a block, those only strata fill aside), texts as
// themselves (not as JSON), then the note on its place when there is one.
std::string extended_data(const MapFeatures& features, const std::vector<Cell>& cells,
                          const std::string& note, bool block, const std::string& area_from = "") {
    std::string text = "<ExtendedData><SchemaData schemaUrl=\"#" + std::string(kSchemaId) + "\">";
    for (std::size_t i = 0; i < features.keys.size(); ++i) {
        if (block && features.strata_only[i]) continue;
        const std::string value = features.property(i, i < cells.size() ? cells[i] : Cell());
        std::string shown = value == "null" ? "" : value;
        if (shown.size() >= 2 && shown.front() == '"') {
            shown = std::get<std::string>(cells[i]);  // the text itself, not its JSON
        }
        text += "<SimpleData name=\"" + xml_escaped(features.names[i]) + "\">" +
                xml_escaped(shown) + "</SimpleData>";
    }
    if (!note.empty()) {
        text += "<SimpleData name=\"" + std::string(kNote) + "\">" + xml_escaped(note) +
                "</SimpleData>";
    }
    if (!area_from.empty()) {
        text += "<SimpleData name=\"" + std::string(kAreaFrom) + "\">" + xml_escaped(area_from) +
                "</SimpleData>";
    }
    return text + "</SchemaData></ExtendedData>";
}

// A block at its point and its outline, both in one geometry when it has both. Its note says why
// it has no point, or an outline that cannot be read (a block without one needs no note).
std::string block_placemark(const MapFeatures& features, const MapFeatures::Block& block,
                            const DogClasses& classes) {
    std::string geometry;
    if (block.point) {
        geometry += "<Point><coordinates>" + coordinates(*block.point) + "</coordinates></Point>";
    }
    if (!block.ring.empty()) {
        geometry += polygon(block.ring);
    }
    if (block.point && !block.ring.empty())
        geometry = "<MultiGeometry>" + geometry + "</MultiGeometry>";
    std::string note = block.point_note;
    if (features.outline_at && block.ring.empty() &&
        block.outline_note != "the block has no outline") {
        note += (note.empty() ? "" : "; ") + block.outline_note;
    }
    return "<Placemark><name>" + xml_escaped(text_of(block.cells, 0)) + "</name><styleUrl>#class" +
           std::to_string(classes.of(dogs_of(features, block.cells))) + "</styleUrl>" +
           extended_data(features, block.cells, note, true) + geometry + "</Placemark>\n";
}

// A stratum at its area (see stratum_area), a MultiGeometry of its polygons.
std::string stratum_placemark(const MapFeatures& features, const std::string& key,
                              const MapFeatures::Stratum& stratum) {
    const StratumArea area = stratum_area(stratum);
    std::string geometry;
    for (const auto& ring : area.polygons)
        geometry += polygon(ring);
    const std::string label = key == kCity ? "city" : key;
    return "<Placemark><name>" + xml_escaped(label) + "</name>" +
           coverage_style(features, stratum.cells) +
           extended_data(features, stratum.cells, area.why_not, false, area.from) +
           (geometry.empty() ? "" : "<MultiGeometry>" + geometry + "</MultiGeometry>") +
           "</Placemark>\n";
}

}  // namespace

void write_kml(const MapFeatures& features, const std::string& path, const std::string& name) {
    const DogClasses classes = dog_classes(features);
    const std::string measure = features.value_at ? features.keys[*features.value_at] : "N";
    std::string kml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n<Document>\n<name>" +
        xml_escaped(name) + "</name>\n" + schema(features) + styles() +
        (features.coverage_target ? kCoverageStyles : "");
    kml += "<description>" + xml_escaped(legend(classes, measure)) +
           "</description>\n<Folder><name>Blocks</name>\n";
    for (const MapFeatures::Block& block : features.blocks)
        kml += block_placemark(features, block, classes);
    kml += "</Folder>\n<Folder><name>Strata</name>\n";
    for (const std::string& key : features.strata_order)
        kml += stratum_placemark(features, key, features.strata.at(key));
    kml += "</Folder>\n</Document>\n</kml>\n";
    platform::write_whole_file(path, kml);
}

}  // namespace kestrivo::survey::map_detail
