#pragma once
// The group-area multiplier of the map panel ("2x" / "1x"): the group symbols
// and their auxiliary spots drawn with k times their area, so that small
// groups stand out on a printed map. A radius grows by the square root of k;
// positions, leaves and legends stay.
#include "maps/map_strips.h"
#include "maps/synoptic_map.h"

namespace hk {

// Radius r drawn with `factor` times its area: Round(r * sqrt(factor)).
int ScaledAreaRadius(int r, int factor);

void ScaleMapAreas(SynopticMap& map, int factor);
void ScaleStripAreas(StripView& view, int factor);

} // namespace hk
