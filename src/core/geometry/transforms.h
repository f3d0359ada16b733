#pragma once
// Transforms between positions on the drawn disk and heliographic coordinates.
#include <cstdint>
#include <optional>

#include "geometry/ephemeris.h"

namespace hk {

struct Heliographic {
    double CMD = 0; // distance from the central meridian, degrees, east positive;
                    // beyond +-90 for a point drawn on the limb tilted away from us
    double Lat = 0; // heliographic latitude, degrees, north positive
    double Lon = 0; // Carrington longitude, degrees 0..360
};

struct DiskPolar {
    double Angle = 0; // position angle on the drawn disk, degrees 0..360
    double Dist = 0;  // distance from the centre in pixels of the 250-pixel disk
};

inline constexpr double DiskRadiusPx = 250.0;

// Angle in tenths of a degree from celestial north through east, distance in
// tenths of a unit of the 125-unit disk (1250 = limb). A distance beyond the
// limb is taken as the limb.
Heliographic PolarToHeliographic(const Ephemeris& e, double angleTenths, double distTenths);

// The orientation of one moment made ready for many transforms: the sine and
// cosine of B0 are taken once, not for every point. The positions are the
// same to the last bit as those of the function above.
struct DiskOrientation {
    explicit DiskOrientation(const Ephemeris& e);
    double P = 0;
    double L0 = 0;
    double sinB0 = 0;
    double cosB0 = 0;
};
Heliographic PolarToHeliographic(const DiskOrientation& o, double angleTenths, double distTenths);
// The latitude alone of the same point, equal to the last bit to that of
// PolarToHeliographic, for callers that need no more (the extents of faculae
// fields): a third of the work.
double PolarLatitude(const DiskOrientation& o, double angleTenths, double distTenths);

// A point given by its offset from the disk centre in pixels of the
// 250-pixel disk (east and celestial north positive); nullopt off the disk.
std::optional<Heliographic> PixelToHeliographic(const Ephemeris& e, float east, float north);

// Where a point of Carrington longitude and latitude lies on the drawn disk
// (also on the far side; callers test visibility themselves).
DiskPolar HeliographicToPolar(const Ephemeris& e, float lon, float lat);

// Area corrected for foreshortening for a group at distance `vzd` (tenths).
int GroupAreaCorrected(int rawArea, std::uint16_t distance);

// A longitude made continuous with a reference longitude of a neighbouring
// rotation (shifted by +-360 where the rules say so).
int LongitudeAcrossRotations(int lon, int rot, int refLon, int refRot);

} // namespace hk
