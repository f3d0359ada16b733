#include "maps/map_dates.h"

#include <cmath>

namespace hk {

namespace {

// Days from 1.1.1989 to the start of rotation R, by the mean synodic rate.
double daysFrom1989(int R) {
    return ((static_cast<double>(R) * 360 - 651960) + 107.6) / 13.1985;
}

} // namespace

RotationDates MapRotationDates(int R) {
    RotationDates d;
    const int d1989 = DaySerial({1989, 1, 1});
    const int d1940 = DaySerial({1940, 1, 1});
    d.start = d1989 + daysFrom1989(R) + 0.5;
    d.end = d.start + 27.27;
    d.startDate = DateFromSerial(static_cast<int>(std::floor(d.start)));
    d.endDate = DateFromSerial(static_cast<int>(std::floor(d.end)));
    d.coronaDay = static_cast<int>(std::nearbyint(d1989 - d1940 + daysFrom1989(R) + 1));
    return d;
}

std::string MapDateRange(const RotationDates& d) {
    return FormatDatum(d.startDate) + " - " + FormatDatum(d.endDate);
}

std::string MapCaption(int R) {
    return "Mapa   " + MapDateRange(MapRotationDates(R));
}

} // namespace hk
