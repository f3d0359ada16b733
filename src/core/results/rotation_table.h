#pragma once
// The results view "Údaje pro mapu": per Carrington rotation the numbers of
// northern and southern groups, their mean latitudes observed and smoothed,
// the extreme latitudes of the belts, the asymmetry of the means and the
// number of groups of each Zurich class.
#include <array>
#include <span>
#include <string>
#include <vector>

#include "records/geometry_cache.h"
#include "records/record_layout.h"
#include "results/group_latitudes.h"
#include "results/results_grid.h"

namespace hk {

// Zurich classes counted per rotation: A, B, C, D, E, F, H.
inline constexpr int RotationClassCount = 7;

struct RotationGroups {
    int north = 0;
    int south = 0;
    std::array<int, RotationClassCount> classesInRotation{};
};

// The group pass: for rotation index r (1..PocetRotaci) the records around
// the rotation are examined and every group whose central-meridian passage
// falls in it is taken once by its group number (1 and up); the class and
// the hemisphere are those of its last observation taken. A group on the
// equator counts as southern. Index 0 of the result stays empty.
std::vector<RotationGroups> CountRotationGroups(std::span<const TZaznam> records,
                                                const GeometryCache& geometry, int rotationCount);

// The captions above the grid.
extern const std::array<const char*, 6> RotationTableCaptions;

// Caption "Výsledky    údaje pro mapu"; row 0 the headers, then one row per
// rotation index 1..PocetRotaci.
ResultsGrid BuildRotationStatistics(std::span<const TZaznam> records,
                                    const GeometryCache& geometry);

} // namespace hk
