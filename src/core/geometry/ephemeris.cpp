#include "geometry/ephemeris.h"

#include <cmath>

namespace hk {

namespace {
// INT(): truncation toward zero that keeps a floating value.
double Int(double x) {
    return std::trunc(x);
}

constexpr double Deg = 0.017453292; // degrees -> radians, as the theory has it
constexpr double Rad = 57.2957795;  // radians -> degrees
constexpr double Per360 = 0.0027777777777777;

std::int32_t rotationEstimate(double d) {
    return static_cast<std::int32_t>(std::trunc((13.1985 * d - 107.6) * Per360 + 1811.0));
}
} // namespace

float ReducedJulianDay(int year, int month, int day) {
    double y = year, m = month;
    if (m < 3) {
        y -= 1;
        m += 12;
    }
    const double a = Int(y * 365.25);
    const double b = Int((m + 1) * 30.6001);
    const double c = Int(y / 100);
    return static_cast<float>(a + b + day - 679003.5 - c + Int(c / 4));
}

double EphemerisDays(const Date& date, std::uint16_t timeHHMM) {
    const double f = (timeHHMM / 100 + (timeHHMM % 100) * 0.016666666) / 24;
    return static_cast<double>(ReducedJulianDay(date)) - 47527.5 + f;
}

Ephemeris SolarEphemeris(const Date& date, std::uint16_t timeHHMM) {
    Ephemeris e;
    const double d = EphemerisDays(date, timeHHMM);
    const double lambda = (2.1 * std::sin(0.017202785 * d) + (0.985647 * d + (-79.447))) * Deg;
    const double omega = ((d / 365.25) * 0.013958 + 75.58717) * Deg;

    e.B0 = std::asin(std::sin(lambda - omega) * 0.126198) * Rad;
    const double x = std::atan(std::cos(lambda) * (-0.4335677));
    const double y = std::atan(std::cos(lambda - omega) * (-0.127216));
    e.P = (y + x) * Rad;

    const double c = std::cos(lambda - omega);
    const double s = std::sin(lambda - omega);
    double eta = std::atan(s * 0.992004949 / c) * Rad;
    if (c > 0) eta += 180;
    const double lr = 82.81 + eta - 14.184397 * d;

    e.CarrRotation = rotationEstimate(d);
    const double lq = Per360 * lr;
    e.L0 = (lq - Int(lq)) * 360.0;
    if (e.L0 < 0) e.L0 += 360;

    if (e.L0 < 15.0) e.CarrRotation = rotationEstimate(d - 1.0);
    if (e.L0 > 345.0) e.CarrRotation = rotationEstimate(d + 1.0);
    return e;
}

} // namespace hk
