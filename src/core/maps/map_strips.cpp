#include "maps/map_strips.h"

#include <algorithm>
#include <cmath>

#include "maps/map_slots.h"

namespace hk {

StripParams StripParamsOf(StripKind kind) {
    switch (kind) {
    case StripKind::Long:
        return {4, 0.166666, 6.0};
    case StripKind::High:
        return {1, 2.666666, 0.5};
    case StripKind::Two:
        return {1, 1.3333333, 1.0};
    }
    return {};
}

int StripX(double lon, StripKind kind, int s) {
    const StripParams p = StripParamsOf(kind);
    return static_cast<int>(std::nearbyint(((960 * s) >> p.shift) - lon * p.lonFactor * s / 2));
}

int StripY(double lat, StripKind kind, int s) {
    // North up: the offset from the equator is negative for northern latitudes.
    const StripParams p = StripParamsOf(kind);
    return -((static_cast<int>(std::nearbyint(lat * p.latFactor)) * s) >> 1);
}

MapStrip MakeMapStrip(std::span<const TZaznam> records, const GeometryCache& geometry,
                      const RotationIndex& index, int R, StripKind kind, int s) {
    MapStrip strip;
    strip.rotation = R;
    strip.dates = MapRotationDates(R);
    if (geometry.size() != records.size()) return strip;
    // The radii come from the same accumulation as the single map's, with
    // the whole-pixel scale in sixteenths.
    const MapSlotTable slots =
        AccumulateSlots(records, geometry, index.range(records, R), R, 16 * s);
    for (int k = 1; k <= MapSlots; ++k) {
        const MapSlot& slot = slots[std::size_t(k)];
        if (!slot.group.present()) continue;
        const float n = slot.legend.n == 0 ? 1.0f : float(slot.legend.n);
        strip.groups.push_back({StripX(slot.legend.lon / n, kind, s),
                                StripY(slot.legend.lat / n, kind, s), slot.group.r / slot.group.n});
    }
    return strip;
}

StripView MakeStripView(std::span<const TZaznam> records, const GeometryCache& geometry,
                        const RotationIndex& index, int first, int count, StripKind kind, int s,
                        bool stopAtLast) {
    StripView v;
    v.kind = kind;
    v.s = s;
    v.x360 = StripX(360, kind, s);
    v.x0 = StripX(0, kind, s);
    v.yNorth = StripY(90, kind, s);
    v.pitch = (960 * s) >> StripParamsOf(kind).shift;
    for (int i = 0; i < count; ++i) {
        const int R = first + i;
        if (stopAtLast && i > 0 && R > index.lastRotation()) break;
        v.strips.push_back(MakeMapStrip(records, geometry, index, R, kind, s));
    }
    return v;
}

StripView MakeTwoMapView(std::span<const TZaznam> records, const GeometryCache& geometry,
                         const RotationIndex& index, int R, int s) {
    StripView v = MakeStripView(records, geometry, index, R, 1, StripKind::Two, s, false);
    const int at = index.position(R);
    const auto& list = index.rotations();
    const int next =
        at >= 0 && at + 1 < static_cast<int>(list.size()) ? list[std::size_t(at + 1)] : R + 1;
    v.strips.push_back(MakeMapStrip(records, geometry, index, next, StripKind::Two, s));
    return v;
}

int StripScale(int clientWidth) {
    return std::max(1, static_cast<int>(std::nearbyint(clientWidth / 960.0)));
}

int LongMapScale(int clientWidth) {
    constexpr int labels = 80;
    return std::max(1, std::min(StripScale(clientWidth), (clientWidth - labels) / 960));
}

int TwoMapScale(int clientWidth, int clientHeight) {
    // 240 pixels a unit wide (longitude) and 90 high per strip, with room
    // for the labels around them.
    return std::max(1, std::min((clientWidth - 160) / 240, (clientHeight - 100) / 200));
}

int HighMapStripCount(int clientWidth, int clientHeight) {
    const int s = StripScale(clientWidth);
    return std::max(1, (clientHeight - 25 * s - 5) / (40 * s));
}

} // namespace hk
