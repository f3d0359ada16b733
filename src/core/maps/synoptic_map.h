#pragma once
// What the single synoptic map draws for one Carrington rotation, as pixel
// values for a given scale s (sixteenths: pixel = (value * s) >> 4 of the
// 760 x 510 reference map) and vertical offset: the title, the grid with its
// labels, the faculae fields and their centres, the group symbols with their
// leaves and auxiliary spots, the legend. Built from the geometry cache and
// only the records of the rotation's range; the painter chooses the layers.
#include <span>
#include <string>
#include <vector>

#include "drawing/leaf.h"
#include "io/picture_data.h"
#include "maps/map_dates.h"
#include "maps/map_slots.h"
#include "maps/rotation_index.h"
#include "records/geometry_cache.h"
#include "records/record_layout.h"

namespace hk {

struct MapPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const MapPoint&, const MapPoint&) = default;
};
struct MapLine {
    MapPoint a, b;
};
struct MapCircle {
    int x = 0, y = 0, r = 0;
};
// A text whose top-left corner is at (x, y).
struct MapText {
    int x = 0, y = 0;
    std::string text;
};

// One group number of the rotation (a slot with observations).
struct MapGroupSymbol {
    int slot = 0;
    bool group = false; // the group itself (a slot may hold only auxiliary spots)
    MapCircle circle;   // mean position and radius of the group
    bool aux1 = false;
    MapCircle spot1;     // mean of the first auxiliary spot as accumulated
    MapCircle spot1Area; // the same after the wrap across the map's edge (areas shown)
    bool leaf = false;   // the leaf joins the group and spot1Area
    LeafPoints leafPoints{};
    bool aux2 = false;
    MapCircle spot2;
};

// Legend entries: the first row holds 23, every later row 24.
inline constexpr int LegendFirstRow = 23;
inline constexpr int LegendRow = 24;
// Column (1-based) and row (1-based) of the n-th drawn group (1-based).
struct LegendCell {
    int column = 1;
    int row = 1;
};
LegendCell LegendCellOf(int n);

struct SynopticMap {
    int rotation = 0; // R
    int s = 16;
    int offset = 0; // vertical offset of everything, pixels
    RotationDates dates;
    RecordRange range;
    std::string title; // "Číslo rotace  " + R

    int titleFont = 0;  // (15 * s) >> 4
    int canvasFont = 0; // (13 * s) >> 4
    int gridFont = 0;   // (11 * s) >> 4
    int legendFont = 0; // (9 * s) >> 4
    int gridLeft = 0, gridRight = 0, gridTop = 0, gridBottom = 0;
    int frameLeft = 0;  // overflow left of the map is cleared up to here (exclusive)
    int frameRight = 0; // and from here to the right edge
    std::vector<MapLine> gridLines;
    std::vector<MapText> latitudeLabels;
    std::vector<MapText> longitudeLabels;

    // Faculae fields of the rotation (every vertex valid), polygons.
    std::vector<std::vector<MapPoint>> faculae;
    // Centres of every faculae field of the range (radius 5 pixels).
    std::vector<MapPoint> faculaeCentres;

    std::vector<MapGroupSymbol> groups;  // by slot
    std::vector<MapText> legend;         // latitude and longitude texts per drawn group
    std::vector<MapText> legendCaptions; // "b" and "l" per legend row
    std::vector<LegendMean> legendMeans; // the numbers of the legend, in its order
};

// The map of rotation R (records of index.range(records, R)).
SynopticMap MakeSynopticMap(std::span<const TZaznam> records, const GeometryCache& geometry,
                            const RotationIndex& index, int R, int s, int offset = 0);

// The map's legend as a table: one row per group drawn, in the legend's
// order, keyed by the group number, with its mean latitude and longitude.
PictureData MapPictureData(const SynopticMap& map);

// The scale of the single map for a client area: the map's 760 reference
// units of width and, in height, its grid (400 units) and 20 units of
// longitude labels with the legend's rows between them (30 units a row; by
// default the three rows that 71 groups take, 510 units in all), as large as
// the area holds without cutting the map. At least 1.
inline int MapScale(int clientWidth, int clientHeight, int legendRows = 3) {
    const int height = 400 + 30 * (legendRows > 0 ? legendRows : 0) + 20;
    const int byHeight = clientHeight * 16 / height;
    const int byWidth = clientWidth * 16 / 760;
    const int s = byHeight < byWidth ? byHeight : byWidth;
    return s < 1 ? 1 : s;
}
// Rows of the map's legend.
inline int LegendRows(const SynopticMap& map) {
    return static_cast<int>(map.legendCaptions.size() / 2);
}
// The map of rotation R at the largest scale whose title, grid and legend
// rows fit a client area of that size.
SynopticMap MakeFittedSynopticMap(std::span<const TZaznam> records, const GeometryCache& geometry,
                                  const RotationIndex& index, int R, int clientWidth,
                                  int clientHeight);

} // namespace hk
