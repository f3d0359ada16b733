#pragma once
// The strips of the long, high and two-map views: one strip per rotation,
// each group number of the rotation a grey circle at its mean Carrington
// longitude and latitude, compressed by the view's factors.
#include <span>
#include <vector>

#include "maps/map_dates.h"
#include "maps/rotation_index.h"
#include "records/geometry_cache.h"
#include "records/record_layout.h"

namespace hk {

enum class StripKind { Long, High, Two };

struct StripParams {
    int shift = 4;
    double lonFactor = 0.166666;
    double latFactor = 6.0;
};
StripParams StripParamsOf(StripKind kind);

struct StripGroup {
    int x = 0, y = 0, r = 0; // relative to the strip's origin (y = 0 at the equator)
};

struct MapStrip {
    int rotation = 0;
    RotationDates dates;
    std::vector<StripGroup> groups;
};

// The strips of one view for a whole-pixel scale s (pixels per unit).
struct StripView {
    StripKind kind = StripKind::Long;
    int s = 1;
    std::vector<MapStrip> strips;
    // Strip geometry relative to a strip's origin: x of longitude 360 and
    // of longitude 0, y of latitude +90 (the equator is y = 0), and the
    // distance from one strip's origin to the next ((960 * s) >> shift).
    int x360 = 0, x0 = 0, yNorth = 0, pitch = 0;
};

// x = Round(((960 * s) >> shift) - lon * lonFactor * s / 2),
// y = (Round(lat * latFactor) * s) >> 1 (north up, so y is negated by the painter: see StripY).
int StripX(double lon, StripKind kind, int s);
int StripY(double lat, StripKind kind, int s);

// One strip of rotation R.
MapStrip MakeMapStrip(std::span<const TZaznam> records, const GeometryCache& geometry,
                      const RotationIndex& index, int R, StripKind kind, int s);
// Strips of rotations first .. first + count - 1, stopping after the last
// record's rotation when `stopAtLast`.
StripView MakeStripView(std::span<const TZaznam> records, const GeometryCache& geometry,
                        const RotationIndex& index, int first, int count, StripKind kind, int s,
                        bool stopAtLast);

// The two-map view: the strip of rotation R above the strip of the next
// rotation of the rotation list (R + 1 when R is not in the list or last).
StripView MakeTwoMapView(std::span<const TZaznam> records, const GeometryCache& geometry,
                         const RotationIndex& index, int R, int s);

// The whole-pixel scale of the strips on the screen: Round(client width / 960), at least 1.
int StripScale(int clientWidth);
// The scale of the long map: as StripScale, but never wider than the
// window holds with the latitude labels (16 strips take 960 * s).
int LongMapScale(int clientWidth);
// Strips of the high map: as many strips of 40 * s pixels as fit below the
// 25 * s pixels of the longitude labels and a 5-pixel margin (s =
// StripScale(width); at s = 1 that is (client height - 30) div 40), at least 1.
int HighMapStripCount(int clientWidth, int clientHeight);
// The scale of the two-map view: two strips one above the other filling
// the client area, at least 1.
int TwoMapScale(int clientWidth, int clientHeight);
// The long map shows 16 rotations, the printed high map 14.
inline constexpr int LongMapStrips = 16;
inline constexpr int PrintedHighMapStrips = 14;
// The scale of the printed high map: page width div 550, at least 1.
inline int PrintStripScale(int pageWidth) {
    return pageWidth / 550 > 0 ? pageWidth / 550 : 1;
}

} // namespace hk
