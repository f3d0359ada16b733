#include "drawing/group_layout.h"

#include <cmath>

#include "drawing/drawing_scale.h"
#include "records/record.h"

namespace hk {

namespace {
constexpr double DegreeToRadian = 0.0174532;
constexpr double TenthToRadian = 0.00174532;

int radiusFromArea(double area) {
    return static_cast<int>(std::trunc(std::sqrt(area * 0.3565) * 0.5));
}
} // namespace

int GroupRadius(const TSkupina& s) {
    return radiusFromArea(std::nearbyint(s.Plocha + s.MalS * 15.3));
}

GroupCircles ComputeGroupCircles(const TZaznam& z, int orientEW, int orientNS) {
    GroupCircles circles{};
    for (int k = 0; k < z.groupCount(); ++k) {
        const TSkupina& s = z.Skupiny[k];
        const int R = GroupRadius(s);
        const double a = s.Uhel * TenthToRadian;
        const double d = s.Vzd;
        circles[k].X =
            static_cast<int>(std::trunc(std::sin(a) * orientEW * d * 0.2 + DiskCentre - R));
        circles[k].Y =
            static_cast<int>(std::trunc(-std::cos(a) * orientNS * d * 0.2 + DiskCentre - R));
        circles[k].R = R;
    }
    return circles;
}

std::optional<AuxSpot> PlaceAuxSpot(std::uint16_t packed, std::uint16_t area, int orientEW,
                                    int orientNS) {
    if (packed == 0) return std::nullopt;
    const PackedPosition pos = UnpackPosition(packed);
    const double a = pos.angle * DegreeToRadian;
    const double d = pos.dist * 2;
    AuxSpot spot;
    spot.centre = {static_cast<int>(std::trunc(std::sin(a) * orientEW * d + DiskCentre)),
                   static_cast<int>(std::trunc(-std::cos(a) * orientNS * d + DiskCentre))};
    spot.radius = radiusFromArea(area);
    return spot;
}

} // namespace hk
