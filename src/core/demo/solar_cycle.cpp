#include "demo/solar_cycle.h"

#include <cmath>

#include "geometry/calendar.h"

namespace hk::demo {

namespace {

struct Cycle {
    int number;
    double minimum; // decimal year
    double peakGroups;
};

// Minima of the observed cycles; the peak is about the cycle's maximum
// smoothed sunspot number divided by 20.
constexpr Cycle Cycles[] = {
    {15, 1913.6, 7.5},  {16, 1923.6, 7.8}, {17, 1933.8, 10.0}, {18, 1944.2, 11.0},
    {19, 1954.3, 14.2}, {20, 1964.9, 7.9}, {21, 1976.5, 11.6}, {22, 1986.8, 10.6},
    {23, 1996.4, 9.0},  {24, 2008.9, 5.8}, {25, 2019.9, 8.0},
};
constexpr double CycleLength = 11.0;
constexpr double Rise = 4.6;  // years from the start of the shape to its peak
constexpr double Lead = 0.8;  // a cycle's first groups appear before its minimum
constexpr double Span = 14.0; // years a cycle lasts, overlap included

Cycle cycleByIndex(int i) {
    constexpr int count = sizeof(Cycles) / sizeof(Cycles[0]);
    if (i < 0) return {Cycles[0].number + i, Cycles[0].minimum + i * CycleLength, 8.8};
    if (i >= count) {
        const Cycle& last = Cycles[count - 1];
        return {last.number + (i - count + 1), last.minimum + (i - count + 1) * CycleLength, 8.8};
    }
    return Cycles[i];
}

// Rise and decay of one cycle, 1 at its peak.
double shape(double phase) {
    const double x = (phase + Lead) / Rise;
    if (x <= 0) return 0;
    return x * x * x * x * std::exp(4 * (1 - x));
}

} // namespace

std::vector<CycleShare> SolarCycle::sharesAt(double year) {
    std::vector<CycleShare> shares;
    const int first = static_cast<int>(std::floor((year - Cycles[0].minimum) / CycleLength)) - 2;
    for (int i = first; i <= first + 3; ++i) {
        const Cycle c = cycleByIndex(i);
        const double phase = year - c.minimum;
        if (phase < -Lead || phase > Span) continue;
        shares.push_back({c.number, phase, c.peakGroups * shape(phase)});
    }
    return shares;
}

double SolarCycle::groupsOnDisk(double year) {
    double sum = 0;
    for (const CycleShare& s : sharesAt(year))
        sum += s.groups;
    return sum;
}

double SolarCycle::meanLatitude(double phase) {
    return 27.0 * std::exp(-phase / 7.5);
}

double DecimalYear(double daySerial) {
    const Date d = DateFromSerial(static_cast<int>(std::floor(daySerial)));
    const double start = DaySerial(Date{d.year, 1, 1});
    const double length = IsLeapYear(d.year) ? 366 : 365;
    return d.year + (daySerial - start) / length;
}

} // namespace hk::demo
