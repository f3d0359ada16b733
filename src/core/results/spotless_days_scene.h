#pragma once
// The calendar of the days without activity as the results window and
// 'render spotless' show it: the year and the calendar's area (the scene),
// and the one function that turns it and the store into what the painter
// draws (the picture).
#include <vector>

#include "geometry/calendar.h"
#include "results/spotless_days.h"

namespace hk {

class Session;

struct SpotlessDaysScene {
    int year = SpotlessYearStart;
    // The calendar's area in pixels, drawn at the program's size setting
    // (percent).
    int width = 0;
    int height = 0;
    int sizePercent = 100;
};

struct SpotlessDaysPicture {
    int year = SpotlessYearStart;
    bool yearDrawn = false; // some drawing of the store is dated in the year
    std::vector<Date> days; // the marked days of the year, in calendar order
    SpotlessCalendar calendar;
};

// The printed page's calendar: 1000 x 700 at full size, scaled to the page.
SpotlessDaysScene SpotlessDaysPrintScene(int year);

SpotlessDaysPicture BuildSpotlessDaysPicture(const Session& session,
                                             const SpotlessDaysScene& scene);

} // namespace hk
