#pragma once
// A model of the solar cycle for the demo data: activity (mean number of
// groups on the visible disk) and the latitudes where groups emerge, cycle by
// cycle, with minima at the dates of the observed cycles.
#include <vector>

namespace hk::demo {

struct CycleShare {
    int cycle = 0;     // cycle number (24 began in 2008)
    double phase = 0;  // years since the cycle's minimum (negative just before)
    double groups = 0; // its share of the mean number of groups on the disk
};

class SolarCycle {
  public:
    // The contributions of the cycles active at a decimal year.
    static std::vector<CycleShare> sharesAt(double year);
    // Mean number of groups on the visible disk at a decimal year.
    static double groupsOnDisk(double year);
    // Mean latitude (degrees, unsigned) of the groups of a cycle at a phase.
    static double meanLatitude(double phase);
    // The polarity of the leading spots of a cycle's northern groups (+1, -1).
    static int northLeadingPolarity(int cycle) { return cycle % 2 == 0 ? -1 : 1; }
};

// Decimal year of a day serial number (30.12.1899 = 0).
double DecimalYear(double daySerial);

} // namespace hk::demo
