// A stratum's area on a map, so that QGIS can fill it: its blocks' outlines where every block has
// one and no two come near each other, else the convex hull of all its blocks' corners and
// points. The outlines are not merged: outlines whose boxes are apart make a valid MultiPolygon as
// they are, and for outlines that touch or overlap a true union would need a polygon clipper,
// where the hull holds them all without one.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "survey/map_features.h"

namespace kestrivo::survey::map_detail {
namespace {

struct Box {
    double west, south, east, north;
};

Box box_of(const std::vector<LonLat>& ring) {
    Box box{ring.front().lon, ring.front().lat, ring.front().lon, ring.front().lat};
    for (const LonLat& p : ring) {
        box.west = std::min(box.west, p.lon);
        box.east = std::max(box.east, p.lon);
        box.south = std::min(box.south, p.lat);
        box.north = std::max(box.north, p.lat);
    }
    return box;
}

// Boxes that share not even a point: the outlines in them cannot touch.
bool apart(const Box& a, const Box& b) {
    return a.east < b.west || b.east < a.west || a.north < b.south || b.north < a.south;
}

// The convex hull of `points`, on the map's grid of six decimals, as a closed counterclockwise
// ring without corners in line; empty when the points enclose no area. Whole millionths keep
// the turns exact (Andrew's monotone chain).
std::vector<LonLat> convex_hull(const std::vector<LonLat>& points) {
    struct Grid {
        std::int64_t x, y;
        auto operator<=>(const Grid&) const = default;
    };
    std::vector<Grid> grid;
    for (const LonLat& p : points)
        grid.push_back({std::llround(p.lon * 1e6), std::llround(p.lat * 1e6)});
    std::sort(grid.begin(), grid.end());
    grid.erase(std::unique(grid.begin(), grid.end()), grid.end());
    if (grid.size() < 3) return {};
    const auto left = [](const Grid& a, const Grid& b, const Grid& c) {
        return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x) > 0;
    };
    std::vector<Grid> hull;
    // The lower chain west to east, then the upper one back, each turning left only.
    for (int pass = 0; pass < 2; ++pass) {
        const std::size_t start = hull.size();
        for (std::size_t k = 0; k < grid.size(); ++k) {
            const Grid& p = pass == 0 ? grid[k] : grid[grid.size() - 1 - k];
            while (hull.size() >= start + 2 && !left(hull[hull.size() - 2], hull.back(), p))
                hull.pop_back();
            hull.push_back(p);
        }
        hull.pop_back();  // the chain's last point starts the other
    }
    if (hull.size() < 3) return {};
    std::vector<LonLat> ring;
    for (const Grid& g : hull)
        ring.push_back({double(g.x) / 1e6, double(g.y) / 1e6});
    ring.push_back(ring.front());
    return ring;
}

}  // namespace

StratumArea stratum_area(const MapFeatures::Stratum& stratum) {
    if (stratum.points.empty() && stratum.rings.empty())
        return {{}, "", "no block of it has a place"};
    if (!stratum.unoutlined && !stratum.rings.empty()) {
        std::vector<Box> boxes;
        for (const auto& ring : stratum.rings)
            boxes.push_back(box_of(ring));
        bool all_apart = true;
        for (std::size_t i = 0; i < boxes.size() && all_apart; ++i) {
            for (std::size_t j = i + 1; j < boxes.size() && all_apart; ++j)
                all_apart = apart(boxes[i], boxes[j]);
        }
        if (all_apart) return {stratum.rings, kFromOutlines, ""};
    }
    std::vector<LonLat> corners = stratum.points;
    for (const auto& ring : stratum.rings)
        corners.insert(corners.end(), ring.begin(), ring.end());
    std::vector<LonLat> hull = convex_hull(corners);
    if (hull.empty()) return {{}, "", "its blocks' places enclose no area"};
    return {{std::move(hull)}, kFromHull, ""};
}

}  // namespace kestrivo::survey::map_detail

namespace kestrivo::survey {

std::vector<std::vector<LonLat>> area_of_blocks(const std::vector<LonLat>& points,
                                                const std::vector<std::vector<LonLat>>& rings,
                                                bool unoutlined) {
    map_detail::MapFeatures::Stratum stratum;
    stratum.points = points;
    stratum.rings = rings;
    stratum.unoutlined = unoutlined;
    return map_detail::stratum_area(stratum).polygons;
}

}  // namespace kestrivo::survey
