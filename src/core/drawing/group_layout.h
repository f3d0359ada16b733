#pragma once
// Where the groups of a record and their auxiliary spots lie on the drawing,
// in logical coordinates (disk centre 280, 280, radius 250).
#include <array>
#include <cstdint>
#include <optional>

#include "drawing/drawing_point.h"
#include "records/record_layout.h"

namespace hk {

// A group's circle: top-left corner and radius.
struct GroupCircle {
    int X = 0;
    int Y = 0;
    int R = 0;
    DrawingPoint centre() const { return {X + R, Y + R}; }
};

using GroupCircles = std::array<GroupCircle, MaxGroups>;

// Radius of a group's circle from its area: Trunc(sqrt(S * 0.3565) * 0.5)
// with S = Round(Plocha + MalS * 15.3).
int GroupRadius(const TSkupina& s);

// The circles of groups 1..PocetSkupin (entries past the count stay zero).
GroupCircles ComputeGroupCircles(const TZaznam& z, int orientEW, int orientNS);

// An auxiliary spot: centre and radius (logical units before scaling).
struct AuxSpot {
    DrawingPoint centre;
    int radius = 0;
};

// The spot at a packed position with its area; nullopt when the position is 0.
std::optional<AuxSpot> PlaceAuxSpot(std::uint16_t packed, std::uint16_t area, int orientEW,
                                    int orientNS);

} // namespace hk
