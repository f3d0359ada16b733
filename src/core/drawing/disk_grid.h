#pragma once
// The heliographic grid of the drawn disk: parallels every 10 degrees from
// -40 to 40 and the zero meridian of Carrington longitude when it faces the
// observer, as polylines in logical drawing coordinates.
#include <vector>

#include "drawing/drawing_point.h"
#include "geometry/ephemeris.h"

namespace hk {

struct DiskGrid {
    std::vector<std::vector<DrawingPoint>> parallels; // latitudes 40, 30 .. -40
    std::vector<DrawingPoint> zeroMeridian;           // empty when it faces away
};

// True when the meridian of Carrington longitude 0 faces the observer.
bool ZeroMeridianVisible(double sunL0);

DiskGrid ComputeDiskGrid(const Ephemeris& e, int orientEW, int orientNS);

} // namespace hk
