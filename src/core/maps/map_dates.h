#pragma once
// The dates of a synoptic map's rotation: its start and end as the title
// shows them and the row of the corona table where the rotation begins.
#include <string>

#include "geometry/calendar.h"

namespace hk {

struct RotationDates {
    double start =
        0; // day serial with its fraction: 1.1.1989 + ((R*360 - 651960) + 107.6) / 13.1985 + 0.5
    double end = 0; // start + 27.27
    Date startDate; // the calendar days of start and end
    Date endDate;
    int coronaDay = 0; // day index into the corona table (day 0 = 1.1.1940)
};

RotationDates MapRotationDates(int R);

// "dd.mm.yyyy - dd.mm.yyyy"
std::string MapDateRange(const RotationDates& d);
// The window caption "Mapa   " + start + " - " + end.
std::string MapCaption(int R);

} // namespace hk
