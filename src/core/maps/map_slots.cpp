#include "maps/map_slots.h"

#include <algorithm>
#include <cmath>

#include "records/record.h"

namespace hk {

int MapPassageRotation(const Ephemeris& e, double cmd) {
    return static_cast<int>((360 - e.L0 + cmd + e.CarrRotation * 360.0) / 360);
}

int MapSpotRadius(int area, int s) {
    return static_cast<int>(std::nearbyint(std::sqrt(area * 0.36) * s)) >> 6;
}

namespace {

void add(SlotSum& sum, int x, int y, int r) {
    sum.x += x;
    sum.y += y;
    sum.r += r;
    ++sum.n;
}

} // namespace

MapSlotTable AccumulateSlots(std::span<const TZaznam> records, const GeometryCache& geometry,
                             const RecordRange& range, int R, int s) {
    MapSlotTable slots{};
    for (int i = range.first; i <= range.last; ++i) {
        const TZaznam& z = records[std::size_t(i - 1)];
        if (!z.Zvlastni.empty()) continue;
        const auto& e = geometry.ephemeris(i);
        if (!e) continue;
        const auto positions = geometry.groups(i);
        for (std::size_t k = 0; k < positions.size(); ++k) {
            const TSkupina& g = z.Skupiny[k];
            if (g.CSk2 < 1 || g.CSk2 > MapSlots || IsHemisphereMarker(g)) continue;
            const Heliographic& h = positions[k];
            if (MapPassageRotation(*e, h.CMD) != R) continue;
            MapSlot& slot = slots[g.CSk2];
            const int area = static_cast<int>(std::nearbyint(g.Plocha + g.MalS * 15.3));
            add(slot.group, MapGroupX(h.Lon, s), MapY(h.Lat, s),
                std::max(MapSpotRadius(area, s), 1));
            slot.legend.lon += static_cast<float>(h.Lon);
            slot.legend.lat += static_cast<float>(h.Lat);
            ++slot.legend.n;
            const int ki = static_cast<int>(k);
            if (g.Pomocna1 != 0) {
                const HelioPoint p = geometry.auxiliary(i, ki, 1);
                add(slot.aux1, MapSpotX(p.Lon, s), MapY(p.Lat, s), MapSpotRadius(g.Plo1, s));
            }
            if (g.Pomocna2 != 0) {
                const HelioPoint p = geometry.auxiliary(i, ki, 2);
                add(slot.aux2, MapSpotX(p.Lon, s), MapY(p.Lat, s), MapSpotRadius(g.Plo2, s));
            }
        }
    }
    return slots;
}

std::vector<LegendMean> LegendOrder(const MapSlotTable& slots) {
    std::vector<LegendMean> out;
    for (int k = 1; k <= MapSlots; ++k) {
        const MapSlot& slot = slots[std::size_t(k)];
        if (!slot.group.present()) continue;
        const float n = slot.legend.n == 0 ? 1.0f : float(slot.legend.n);
        out.push_back({k, slot.legend.lon / n, slot.legend.lat / n});
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const LegendMean& a, const LegendMean& b) { return a.lon > b.lon; });
    return out;
}

} // namespace hk
