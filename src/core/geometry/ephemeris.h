#pragma once
// Orientation of the solar disk at a moment of observation: a compact
// low-precision theory with fixed rates from 1989-01-01 0 h UT.
#include <cstdint>

#include "geometry/calendar.h"

namespace hk {

struct Ephemeris {
    double P = 0;  // position angle of the rotation axis, degrees
    double B0 = 0; // heliographic latitude of the disk centre, degrees
    double L0 = 0; // Carrington longitude of the disk centre, 0 <= L0 < 360
    std::int32_t CarrRotation = 0;
};

// Julian Day minus 2400000 at 0 h UT of the date, as a 32-bit float.
float ReducedJulianDay(int year, int month, int day);
inline float ReducedJulianDay(const Date& d) {
    return ReducedJulianDay(d.year, d.month, d.day);
}

// Days since the epoch, the fraction of the day from a time hhmm included.
double EphemerisDays(const Date& date, std::uint16_t timeHHMM);

Ephemeris SolarEphemeris(const Date& date, std::uint16_t timeHHMM);

} // namespace hk
