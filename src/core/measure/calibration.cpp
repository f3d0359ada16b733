#include "measure/calibration.h"

#include <cmath>

#include "records/record.h"
#include "text/number_format.h"

namespace hk {

namespace {
constexpr double RadToDeg = 57.295779;
constexpr double Pi = 3.14159265358979323846;
constexpr double DiskUnits = 125;
} // namespace

const char* const MissingRecordDateMessage =
    "Musí být zadám daný záznam s datumen a časem do ktrého se data zapíšou !   ";

float NorthAngle(PicturePoint centre, PicturePoint north) {
    const float nx = static_cast<float>(north.x) + 0.01f;
    const float ny = static_cast<float>(north.y) + 0.01f;
    const double dx = nx - static_cast<float>(centre.x);
    const double dy = static_cast<float>(centre.y) - ny; // up is positive
    double a = 0;
    if (dx > 0 && dy > 0)
        a = std::atan(dx / dy) * RadToDeg;
    else if (dx > 0 && dy < 0)
        a = 180 - std::atan(dx / std::fabs(dy)) * RadToDeg;
    else if (dx < 0 && dy > 0)
        a = 360 - std::atan(std::fabs(dx) / dy) * RadToDeg;
    else if (dx < 0 && dy < 0)
        a = 180 + std::atan(std::fabs(dx) / std::fabs(dy)) * RadToDeg;
    return static_cast<float>(a);
}

Calibration Calibrate(PicturePoint centre, PicturePoint north) {
    Calibration c;
    c.CalCentre = centre;
    c.CalNorth = north;
    const double dx = centre.x - north.x, dy = centre.y - north.y;
    c.CalRadiusPx = static_cast<int>(std::nearbyint(std::sqrt(dx * dx + dy * dy)));
    c.CalNorthAngle = NorthAngle(centre, north);
    return c;
}

std::variant<Calibration, std::string> CalibrateByAxis(PicturePoint centre, PicturePoint axisEnd,
                                                       const TZaznam& record) {
    const auto e = RecordEphemeris(record);
    if (!e) return std::string(MissingRecordDateMessage);
    Calibration c = Calibrate(centre, axisEnd);
    c.CalNorthAngle = static_cast<float>(c.CalNorthAngle - e->P);
    return c;
}

PicturePoint DailyMotionNorth(PicturePoint r, PicturePoint l, PicturePoint centre,
                              PicturePoint edge) {
    const float dxE = static_cast<float>(centre.x - edge.x);
    const float dyE = static_cast<float>(centre.y - edge.y);
    const float radius = std::sqrt(dxE * dxE + dyE * dyE);
    double beta = 0;
    if (l.y != r.y)
        beta = Pi / 2 - std::atan(std::fabs(static_cast<double>(l.x - r.x) / (l.y - r.y)));
    if (l.y > r.y) beta = -beta;
    return {static_cast<int>(std::trunc(std::sin(beta) * radius)) + centre.x,
            centre.y - static_cast<int>(std::trunc(std::cos(beta) * radius))};
}

PolarPosition PictureToPolar(const Calibration& cal, PicturePoint p) {
    const double dx = p.x - cal.CalCentre.x;
    double dy = cal.CalCentre.y - p.y;
    if (dy == 0) dy = 0.2;
    const double r = std::sqrt(dx * dx + dy * dy);
    double a = std::atan(dx / dy) * 180 / Pi - cal.CalNorthAngle;
    if (dy < 0)
        a += 180;
    else if (dx < 0)
        a += 360;
    if (a < 0) a += 360;
    if (a > 359.9) a -= 360;
    const double distance = cal.CalRadiusPx != 0 ? r * DiskUnits / cal.CalRadiusPx : 0;
    return {a, distance};
}

VertexPosition FaculaeVertex(const Calibration& cal, PicturePoint p) {
    const PolarPosition pp = PictureToPolar(cal, p);
    int angle = static_cast<int>(std::nearbyint(pp.angle));
    // Just below 360 rounds to 360, the same direction as 0; the packed
    // field keeps whole degrees 0..359.
    if (angle >= 360) angle -= 360;
    return {angle, static_cast<int>(std::trunc(pp.distance))};
}

PolarPosition SpotPosition(const Calibration& cal, PicturePoint p) {
    PolarPosition pp = PictureToPolar(cal, p);
    // After the wrap an angle lies above -0.1: shown and stored as 0.0, never
    // as a negative tenth that the 16-bit angle field cannot hold.
    if (pp.angle < 0) pp.angle = 0;
    pp.angle = RoundHalfEven(pp.angle * 10) / 10.0;
    pp.distance = RoundHalfEven(pp.distance * 10) / 10.0;
    return pp;
}

std::string FormatTenths(double value) {
    return FormatNumber(value, "0.0");
}

} // namespace hk
