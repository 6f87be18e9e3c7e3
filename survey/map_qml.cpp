// QGIS layer styles written beside the GeoJSON's points and outlines (FILE.qml beside FILE.geojson,
// which QGIS loads with the layer), so that the map opens coloured as the KML and the PDF colour
// it: graduated by the blocks' dogs in the same five classes, and labelled by block.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>

#include "platform/number_text.h"
#include "platform/whole_file.h"
#include "survey/map_features.h"

namespace kestrivo::survey::map_detail {
namespace {

// QGIS writes a colour as "r,g,b,a".
std::string qgis_colour(std::uint32_t rgb) {
    return std::to_string((rgb >> 16) & 0xff) + "," + std::to_string((rgb >> 8) & 0xff) + "," +
           std::to_string(rgb & 0xff) + ",255";
}

// A class's upper end as QGIS takes it. QGIS puts a value equal to a range's upper end in that
// range, where our classes are half-open (a block on a break goes up): the end just below the
// break, the next double down, keeps every block in the class whose range the label prints.
std::string upper_end(double brk) {
    return platform::digits_text(std::nextafter(brk, -HUGE_VAL), platform::kRoundTripDigits);
}

std::string symbol(std::size_t c, bool fill) {
    const std::string colour = qgis_colour(DogClasses::kColours[c]);
    const std::string layer =
        fill ? "<layer class=\"SimpleFill\" enabled=\"1\" locked=\"0\" pass=\"0\"><Option "
               "type=\"Map\"><Option name=\"color\" type=\"QString\" value=\"" +
                   colour +
                   "\"/><Option name=\"outline_color\" type=\"QString\" "
                   "value=\"51,51,51,255\"/><Option name=\"style\" type=\"QString\" "
                   "value=\"solid\"/></Option></layer>"
             : "<layer class=\"SimpleMarker\" enabled=\"1\" locked=\"0\" pass=\"0\"><Option "
               "type=\"Map\"><Option name=\"color\" type=\"QString\" value=\"" +
                   colour +
                   "\"/><Option name=\"name\" type=\"QString\" value=\"circle\"/><Option "
                   "name=\"outline_color\" type=\"QString\" value=\"51,51,51,255\"/><Option "
                   "name=\"size\" type=\"QString\" value=\"3\"/></Option></layer>";
    return "<symbol type=\"" + std::string(fill ? "fill" : "marker") + "\" name=\"" +
           std::to_string(c) + "\" alpha=\"1\" clip_to_extent=\"1\" force_rhr=\"0\">" + layer +
           "</symbol>\n";
}

}  // namespace

std::string qgis_style(const MapFeatures& features, const DogClasses& classes, bool fill) {
    const std::string measure = features.value_at ? features.names[*features.value_at] : "N_pool";
    const std::string label = features.names.empty() ? "block" : features.names[0];
    std::string ranges, symbols;
    for (std::size_t c = 0; c < DogClasses::kNone; ++c) {
        const std::string lower =
            c == 0 ? "-1e308" : upper_end(classes.breaks[c - 1]);  // QGIS's lower end is open
        const std::string upper = c == 4 ? "1e308" : upper_end(classes.breaks[c]);
        ranges += "<range lower=\"" + lower + "\" upper=\"" + upper + "\" symbol=\"" +
                  std::to_string(c) + "\" label=\"" + xml_escaped(classes.range(c)) +
                  "\" render=\"true\"/>\n";
        symbols += symbol(c, fill);
    }
    // Only the points are labelled, one label a block: labels on both layers would say each
    // block twice, and an outline, as a label's obstacle, would push its point's label away.
    const std::string labels =
        fill ? std::string()
             : "<labeling type=\"simple\"><settings calloutType=\"simple\"><text-style "
               "fieldName=\"" +
                   xml_escaped(label) +
                   "\" isExpression=\"0\" fontSize=\"9\" textColor=\"0,0,0,255\"/>"
                   "<rendering obstacle=\"0\"/></settings></labeling>\n";
    return "<!DOCTYPE qgis PUBLIC 'http://mrcc.com/qgis.dtd' 'SYSTEM'>\n"
           "<qgis version=\"3.22.0\" styleCategories=\"Symbology|Labeling\" labelsEnabled=\"" +
           std::string(fill ? "0" : "1") +
           "\">\n"
           "<renderer-v2 type=\"graduatedSymbol\" attr=\"" +
           xml_escaped(measure) +
           "\" graduatedMethod=\"GraduatedColor\" symbollevels=\"0\" enableorderby=\"0\" "
           "forceraster=\"0\">\n<ranges>\n" +
           ranges + "</ranges>\n<symbols>\n" + symbols + "</symbols>\n</renderer-v2>\n" + labels +
           "</qgis>\n";
}

}  // namespace kestrivo::survey::map_detail
