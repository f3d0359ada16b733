#include "geometry/transforms.h"

#include <cmath>
#include <numbers>

namespace hk {

namespace {
constexpr double Pi = std::numbers::pi;
constexpr double Rad = 57.295779;
} // namespace

DiskOrientation::DiskOrientation(const Ephemeris& e) : P(e.P), L0(e.L0) {
    const double b0 = Pi * e.B0 / 180;
    sinB0 = std::sin(b0);
    cosB0 = std::cos(b0);
}

Heliographic PolarToHeliographic(const Ephemeris& e, double angleTenths, double distTenths) {
    return PolarToHeliographic(DiskOrientation(e), angleTenths, distTenths);
}

Heliographic PolarToHeliographic(const DiskOrientation& o, double angleTenths, double distTenths) {
    if (distTenths > 1250) distTenths = 1250;
    const double a = (0.1 * angleTenths - o.P) * Pi / 180;
    const double x = std::cos(a) * distTenths * 0.1;
    const double y = std::sin(a) * distTenths * 0.1;
    const double z = std::sqrt(15625 - (0.1 * distTenths) * (0.1 * distTenths));

    Heliographic h;
    // The quadrant matters: on the limb tilted away from us the depth
    // component goes negative, and the point lies more than 90 degrees from
    // the central meridian on the side of y, not mirrored to the other limb.
    const double depth = o.cosB0 * z - o.sinB0 * x;
    h.CMD = y == 0 && depth <= 0 ? (depth < 0 ? 180.0 : 0.0) : std::atan2(y, depth) * Rad;
    const double s = (o.sinB0 * z + o.cosB0 * x) * 0.008;
    const double c2 = 1 - s * s;
    h.Lat = c2 <= 0 ? std::copysign(90.0, s) : std::atan(s / std::sqrt(c2)) * Rad;
    h.Lon = o.L0 - h.CMD;
    if (h.Lon > 360) h.Lon -= 360;
    if (h.Lon < 0) h.Lon += 360;
    return h;
}

double PolarLatitude(const DiskOrientation& o, double angleTenths, double distTenths) {
    if (distTenths > 1250) distTenths = 1250;
    const double a = (0.1 * angleTenths - o.P) * Pi / 180;
    const double x = std::cos(a) * distTenths * 0.1;
    const double z = std::sqrt(15625 - (0.1 * distTenths) * (0.1 * distTenths));
    const double s = (o.sinB0 * z + o.cosB0 * x) * 0.008;
    const double c2 = 1 - s * s;
    return c2 <= 0 ? std::copysign(90.0, s) : std::atan(s / std::sqrt(c2)) * Rad;
}

std::optional<Heliographic> PixelToHeliographic(const Ephemeris& e, float east, float north) {
    const double r = std::sqrt(double(east) * east + double(north) * north) + 0.000001;
    if (r > 250) return std::nullopt;
    double angle = std::acos(north / r) / Pi * 180;
    if (east < 0) angle = 360 - angle;
    return PolarToHeliographic(e, angle * 10, r * 5);
}

DiskPolar HeliographicToPolar(const Ephemeris& e, float lon, float lat) {
    const double R = DiskRadiusPx;
    const double b = static_cast<float>(Pi * lat / 180);
    const double l = static_cast<float>((360 - e.L0 + lon) * Pi / 180);
    const double b0 = Pi * e.B0 / 180;
    const double X = std::sin(l) * (std::cos(b) * R);
    const double Y =
        std::cos(b0) * (std::sin(b) * R) - std::cos(l) * (std::sin(b0) * (std::cos(b) * R));
    DiskPolar p;
    p.Dist = std::sqrt(X * X + Y * Y);
    double phi = Y == 0 ? std::copysign(Pi / 2, X) : std::atan(X / Y);
    if (Y <= 0) phi += Pi;
    p.Angle = 360 - phi * 180 / Pi + e.P;
    if (p.Angle > 360) p.Angle -= 360;
    return p;
}

int GroupAreaCorrected(int rawArea, std::uint16_t distance) {
    double v = distance / 1250.0 + (-0.0001);
    // Damaged records may hold distances past the limb: read them as the limb.
    if (v > 0.9999) v = 0.9999;
    return static_cast<int>(std::nearbyint(rawArea * 0.5 / std::sqrt(1 - v * v)));
}

int LongitudeAcrossRotations(int lon, int rot, int refLon, int refRot) {
    if (rot == refRot - 1 && lon < 90 && refLon > 270) lon += 360;
    if (rot == refRot - 1 && lon < 180 && refLon < 180) lon += 360;
    if (rot == refRot && refLon > 270 && lon < 90) lon += 360;
    if (rot == refRot && refLon < 90 && lon > 270 && lon < 361) lon -= 360;
    if (rot == refRot + 1 && refLon > 270 && lon > 180) lon -= 360;
    return lon;
}

} // namespace hk
