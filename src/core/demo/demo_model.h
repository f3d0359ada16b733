#pragma once
// The simulated sunspot groups of the demo data: where and when each one
// emerges, how it grows and decays, and how it looks at a given moment.
#include <cstdint>
#include <string>
#include <vector>

#include "demo/demo_random.h"

namespace hk::demo {

struct SimGroup {
    int id = 0;
    int cycle = 0;
    double birth = 0;    // day serial with fraction
    double life = 0;     // days
    double lon0 = 0;     // Carrington longitude at birth
    double lat = 0;      // degrees, north positive
    double peakArea = 0; // hemispheric area at its peak, millionths
    int peakSpots = 0;
    bool bipolar = true; // false: stays a single spot (A / H)
};

// The look of a group at one moment.
struct GroupState {
    double lon = 0;  // Carrington longitude now
    double area = 0; // hemispheric area, millionths
    int spots = 0;
    int penumbral = 0;      // spots with penumbra
    int small = 0;          // spots smaller than 1 mm2 on the drawing
    double extent = 0;      // leading to following spot, degrees of longitude
    std::string groupClass; // McIntosh class, always one of GroupClasses
};

// All groups emerging between two day serials, sorted by birth.
std::vector<SimGroup> SimulateGroups(double fromDay, double toDay, Random& rnd);

bool IsAlive(const SimGroup& g, double day);
// The state of a living group.
GroupState StateAt(const SimGroup& g, double day);

// Carrington longitude drift of the differential rotation, degrees per day.
double LongitudeDrift(double latitude);

} // namespace hk::demo
