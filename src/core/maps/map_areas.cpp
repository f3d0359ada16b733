#include "maps/map_areas.h"

#include <cmath>

namespace hk {

int ScaledAreaRadius(int r, int factor) {
    if (factor <= 1) return r;
    return static_cast<int>(std::nearbyint(r * std::sqrt(static_cast<double>(factor))));
}

void ScaleMapAreas(SynopticMap& map, int factor) {
    if (factor <= 1) return;
    for (MapGroupSymbol& g : map.groups) {
        g.circle.r = ScaledAreaRadius(g.circle.r, factor);
        g.spot1.r = ScaledAreaRadius(g.spot1.r, factor);
        g.spot1Area.r = ScaledAreaRadius(g.spot1Area.r, factor);
        g.spot2.r = ScaledAreaRadius(g.spot2.r, factor);
    }
}

void ScaleStripAreas(StripView& view, int factor) {
    if (factor <= 1) return;
    for (MapStrip& strip : view.strips)
        for (StripGroup& g : strip.groups)
            g.r = ScaledAreaRadius(g.r, factor);
}

} // namespace hk
