#pragma once
// Read-outs of the drawing window: heliographic coordinates under the mouse,
// the angular distance of a right-button drag, and the distance of a group's
// first auxiliary spot.
#include <optional>
#include <string>

#include "drawing/drawing_scale.h"
#include "geometry/transforms.h"
#include "records/record_layout.h"

namespace hk {

// Offset of a window pixel from the disk centre, east and north positive,
// in window pixels.
struct DiskOffset {
    double east = 0;
    double north = 0;
};
DiskOffset WindowToDiskOffset(const DrawingScale& scale, int x, int y, int orientEW, int orientNS);

// Heliographic coordinates of the window pixel (x, y); nullopt off the disk.
std::optional<Heliographic> ClickReadout(const Ephemeris& e, const DrawingScale& scale, int x,
                                         int y, int orientEW, int orientNS);

// "lon , lat" with one decimal, each cut to 5 characters.
std::string ClickReadoutText(const Heliographic& h);

// Angular distance in degrees between two points given as disk offsets in
// window pixels, on a disk of `radiusPx` pixels; 0 when the chord leaves the
// disk.
double AngularDistance(const DiskOffset& from, const DiskOffset& to, double radiusPx);

// Distance in degrees between a group and its first auxiliary spot, on the
// 125-unit disk; nullopt when the group has no auxiliary spot 1.
std::optional<double> AuxSpotDistance(const TSkupina& s);

} // namespace hk
