#pragma once
// The latitudes of the numbered sunspot groups per Carrington rotation and
// per year: the tables of the butterfly diagram and of the results view for
// maps. Rotation index r = Rotace - Rotace of record 1 + 1; year index y =
// year - year of record 1 + 1. The tables are sized to the data (entry 0 of
// each stays empty), so archives of any length are covered.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "records/geometry_cache.h"
#include "records/record_layout.h"

namespace hk {

// One entry of rotationTable. Latitudes in degrees, extremes in tenths.
struct RotationLatitudes {
    float North = 0;                                // north latitude sum, then the mean
    float South = 0;                                // south latitude sum, then the mean
    std::uint16_t northGroups = 0, southGroups = 0; // groups, filled by the rotation table
    std::uint16_t northCount = 0, southCount = 0;   // observations counted
    std::int16_t northMax = 0, northMin = 0, southMin = 0, southMax = 0;
};

// One entry of yearTable: extreme latitudes of a year, degrees.
struct YearLatitudes {
    float northMax = 0, northMin = 0; // northern maximum and minimum
    float southMin = 0, southMax = 0; // most southern, nearest the equator
};

struct GroupLatitudes {
    std::vector<RotationLatitudes> rotationTable;       // indices 0..PocetRotaci (+1)
    int rotationCount = 0;                              // rotation index of the last record
    std::vector<YearLatitudes> yearTable;               // indices 0..last year index
    std::vector<std::array<float, 2>> smoothedLatitude; // north, south per rotation index

    const RotationLatitudes& rotation(int r) const {
        static const RotationLatitudes empty{};
        return r >= 0 && r < static_cast<int>(rotationTable.size()) ? rotationTable[std::size_t(r)]
                                                                    : empty;
    }
    std::array<float, 2> smoothed(int r) const {
        return r >= 0 && r < static_cast<int>(smoothedLatitude.size())
                   ? smoothedLatitude[std::size_t(r)]
                   : std::array<float, 2>{0, 0};
    }
};

// Rotation index of the central-meridian passage of a group seen in rotation
// index r at Carrington longitude `lon` when the disk centre is at L0.
int CentralMeridianRotation(int r, double lon, double L0);

// Special records (Zvlastni not empty), hemisphere markers (placeholders, not
// where a group was seen) and records without a date are left out; positions
// come from the geometry cache.
GroupLatitudes ComputeGroupLatitudes(std::span<const TZaznam> records,
                                     const GeometryCache& geometry);

} // namespace hk
