#include "drawing/disk_grid.h"

#include <cmath>
#include <numbers>

#include "drawing/drawing_scale.h"

namespace hk {

namespace {

constexpr double pi = std::numbers::pi;
constexpr double TenDegrees = 0.174533;
constexpr double OneDegree = 0.0174533;

struct Projected {
    double rho, t;
};

// Polar form of a point (u east, w north of the axis) turned by P.
Projected project(double u, double w, double sunP) {
    double t = std::atan(w / u);
    if (u < 0) t += pi;
    t -= sunP / 180 * pi;
    return {std::sqrt(u * u + w * w), t};
}

} // namespace

bool ZeroMeridianVisible(double sunL0) {
    return std::cos(0.0174524 * sunL0) >= 0;
}

DiskGrid ComputeDiskGrid(const Ephemeris& e, int orientEW, int orientNS) {
    DiskGrid grid;
    const double sb = std::sin(-e.B0 * pi / 180), cb = std::cos(-e.B0 * pi / 180);
    const double R = DiskRadius;
    for (int n = -4; n <= 4; ++n) {
        const double sN = std::sin(n * TenDegrees), cN = std::cos(n * TenDegrees);
        std::vector<DrawingPoint> line;
        line.reserve(181);
        for (int m = -90; m <= 90; ++m) {
            const double u = std::sin(m * OneDegree) * (R * cN) + 0.0000001;
            const double w = R * sN * cb - std::cos(m * OneDegree) * (R * cN * sb);
            const Projected p = project(u, w, e.P);
            line.push_back({int(std::nearbyint(p.rho * std::cos(pi + p.t) * orientEW)) + DiskCentre,
                            int(std::nearbyint(p.rho * std::sin(p.t) * orientNS)) + DiskCentre});
        }
        grid.parallels.push_back(std::move(line));
    }
    if (ZeroMeridianVisible(e.L0)) {
        const double s = std::sin(6.283185 - OneDegree * e.L0);
        const double c0 = std::cos(6.283185 - OneDegree * e.L0);
        grid.zeroMeridian.reserve(167);
        for (int m = -83; m <= 83; ++m) {
            const double c = std::cos(m * OneDegree) * R;
            const double u = s * c + 0.000001;
            const double w =
                std::sin(m * OneDegree) * R * cb - c0 * (std::cos(m * OneDegree) * R * sb);
            const Projected p = project(u, w, e.P);
            grid.zeroMeridian.push_back(
                {int(std::trunc(p.rho * std::cos(pi + p.t) * orientEW)) + DiskCentre,
                 int(std::trunc(p.rho * std::sin(p.t) * orientNS)) + DiskCentre});
        }
    }
    return grid;
}

} // namespace hk
