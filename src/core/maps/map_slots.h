#pragma once
// The per-group-number accumulation behind every synoptic map and strip:
// each observation of a group whose central-meridian passage falls in the
// map's rotation is added to the slot of its number within the rotation
// (CSk2 1..71), with its auxiliary spots and its heliographic position.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "maps/rotation_index.h"
#include "records/geometry_cache.h"
#include "records/record_layout.h"

namespace hk {

inline constexpr int MapSlots = 71;

// Sums of pixel positions and radii (and their count) of one kind of spot.
struct SlotSum {
    std::int32_t x = 0, y = 0, r = 0, n = 0;
    bool present() const { return n != 0; }
};

// Sum of Carrington longitudes and latitudes of one slot, in single
// precision, with a 16-bit count; after MeanLegend the means.
struct LegendTriple {
    float lon = 0;
    float lat = 0;
    std::uint16_t n = 0;
};

struct MapSlot {
    SlotSum group, aux1, aux2;
    LegendTriple legend;
};

// Slots 1..71 at index 1..71 (index 0 unused).
using MapSlotTable = std::array<MapSlot, MapSlots + 1>;

// Rotation of a group's central-meridian passage:
// Trunc((360 - L0 + CMD + CarrRotation * 360) / 360).
int MapPassageRotation(const Ephemeris& e, double cmd);

// Pixel positions of the map at scale s (sixteenths), before any vertical
// offset: longitude 360 at reference x = 20, longitude 0 at x = 740; latitude
// +90 at y = 40, the equator at y = 220.
inline int MapGroupX(double lon, int s) {
    return ((760 * s) >> 4) - (static_cast<int>(2 * lon * s + 20 * s) >> 4);
}
inline int MapSpotX(double lon, int s) {
    return static_cast<int>(760.0 * s - 2 * lon * s - 20.0 * s) >> 4;
}
inline int MapY(double lat, int s) {
    return static_cast<int>(220.0 * s - 2 * lat * s) >> 4;
}
// Radius of a spot of area A: Round(sqrt(A * 0.36) * s) shr 6.
int MapSpotRadius(int area, int s);

// Accumulates the groups of the records in `range` (special records and
// records without a date skipped) for the map of rotation R at scale s.
MapSlotTable AccumulateSlots(std::span<const TZaznam> records, const GeometryCache& geometry,
                             const RecordRange& range, int R, int s);

// Slot numbers with a group, their legend triples turned into means and
// ordered by decreasing mean longitude (equal longitudes keep slot order).
struct LegendMean {
    int slot = 0;
    float lon = 0;
    float lat = 0;
};
std::vector<LegendMean> LegendOrder(const MapSlotTable& slots);

} // namespace hk
