#include "drawing/drawing_readout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "records/record.h"

namespace hk {

namespace {

constexpr double pi = std::numbers::pi;
constexpr double RadianToDegree = 57.2957;

// arcsin with the argument kept on [-1, 1]: a drag that starts off the disk
// reads as the limb instead of failing.
double safeAsin(double v) {
    return std::asin(std::clamp(v, -1.0, 1.0));
}

} // namespace

DiskOffset WindowToDiskOffset(const DrawingScale& scale, int x, int y, int orientEW, int orientNS) {
    const int c = scale.xy(DiskCentre);
    return {double(x - c) * orientEW, double(c - y) * orientNS};
}

std::optional<Heliographic> ClickReadout(const Ephemeris& e, const DrawingScale& scale, int x,
                                         int y, int orientEW, int orientNS) {
    if (scale.zoomK <= 0) return std::nullopt;
    const DiskOffset o = WindowToDiskOffset(scale, x, y, orientEW, orientNS);
    const double r = std::sqrt(o.east * o.east + o.north * o.north);
    if (r > scale.xy(DiskRadius)) return std::nullopt;
    double angle = r > 0 ? std::acos(std::clamp(o.north / r, -1.0, 1.0)) * 180 / pi : 0;
    if (o.east < 0) angle = 360 - angle;
    return PolarToHeliographic(e, angle * 10, r * 5 * 16 / scale.zoomK);
}

std::string ClickReadoutText(const Heliographic& h) {
    char lon[32], lat[32];
    std::snprintf(lon, sizeof lon, "%3.1f", h.Lon);
    std::snprintf(lat, sizeof lat, "%2.1f", h.Lat);
    return std::string(lon).substr(0, 5) + " , " + std::string(lat).substr(0, 5);
}

double AngularDistance(const DiskOffset& from, const DiskOffset& to, double radiusPx) {
    if (radiusPx <= 0) return 0;
    const double rs = radiusPx;
    const double dn = std::sin(safeAsin(from.north / rs) - safeAsin(to.north / rs)) * rs;
    const double de = std::sin(safeAsin(from.east / rs) - safeAsin(to.east / rs)) * rs;
    const double d = std::sqrt(dn * dn + de * de);
    // The limb itself is a quarter circle away; only beyond it is there no reading.
    return d <= rs ? std::asin(d / rs) * RadianToDegree : 0;
}

std::optional<double> AuxSpotDistance(const TSkupina& s) {
    if (s.Pomocna1 == 0) return std::nullopt;
    constexpr double R = 125;
    const double gx = std::sin(s.Uhel * pi / 1800) * s.Vzd * 0.1;
    const double gy = std::cos(s.Uhel * pi / 1800) * s.Vzd * 0.1;
    const PackedPosition p = UnpackPosition(s.Pomocna1);
    const double ax = std::sin(p.angle * pi / 180) * p.dist;
    const double ay = std::cos(p.angle * pi / 180) * p.dist;
    const double dy = std::sin(safeAsin(gy / R) - safeAsin(ay / R)) * R;
    const double dx = std::sin(safeAsin(gx / R) - safeAsin(ax / R)) * R;
    return safeAsin(std::sqrt(dx * dx + dy * dy) / R) * RadianToDegree;
}

} // namespace hk
