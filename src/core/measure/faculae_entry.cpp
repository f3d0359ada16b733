#include "measure/faculae_entry.h"

#include <algorithm>
#include <cmath>

#include "records/record.h"

namespace hk {

namespace {
constexpr int FarthestStored = 124;
constexpr int DiskUnits = 125;
} // namespace

void StoreFaculae(TZaznam& z, int fieldCount, const FacPoints& points, const Calibration& cal) {
    const int n = std::clamp(fieldCount, 0, MaxFacFields);
    z.PocetFakKresleni = static_cast<std::uint8_t>(n);
    if (n == 0 || !cal.calibrated()) return;

    std::array<std::array<VertexPosition, FaculaeVertexCount>, MaxFacFields> v{};
    int farthest = 0;
    for (int k = 0; k < n; ++k)
        for (int j = 0; j < FaculaeVertexCount; ++j) {
            const PicturePoint p = points[k][j];
            if (p.x == 0) continue;
            v[k][j] = FaculaeVertex(cal, p);
            farthest = std::max(farthest, v[k][j].distance);
        }
    for (int k = 0; k < n; ++k)
        for (int j = 0; j < FaculaeVertexCount; ++j) {
            int d = v[k][j].distance;
            if (farthest >= DiskUnits)
                d = static_cast<int>(
                    std::nearbyint(static_cast<double>(d) * FarthestStored / farthest));
            z.Skupiny[k].Fakule[j] = PackPosition(v[k][j].angle, d);
        }
}

} // namespace hk
