#pragma once
// The list of observers with their periods as the results window (key "q")
// and 'render observers' show it: the room the list has (the scene), and the
// one function that turns it and the store into what the painter draws (the
// picture). The list's layout in pixels is decided here only.
#include <vector>

#include "results/observer_periods.h"

namespace hk {

class Session;

// The list's table: a margin around rows of one height in three columns.
inline constexpr int ObserverListRowHeight = 20;
inline constexpr int ObserverListMargin = 10;
inline constexpr int ObserverListNameWidth = 240;
inline constexpr int ObserverListPeriodWidth = 230;
inline constexpr int ObserverListCountWidth = 180;
inline constexpr int ObserverListFontPx = 13;

struct ObserverListScene {
    // The room from the list's top left corner to the window's edges; the
    // list is cut at them. 0 x 0: the whole list.
    int roomWidth = 0;
    int roomHeight = 0;
};

struct ObserverListPicture {
    std::vector<ObserverPeriod> periods; // empty: no observer known yet
    int listWidth = 0;                   // the whole list
    int listHeight = 0;
    int width = 0; // the part shown
    int height = 0;
};

ObserverListPicture BuildObserverListPicture(const Session& session,
                                             const ObserverListScene& scene);

} // namespace hk
