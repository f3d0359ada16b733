#pragma once
// The list of observers painted over the results window (key "q"): each
// known observer with the period of his drawings and their number.
#include <QRect>
#include <span>
#include <string>
#include <vector>

#include "geometry/calendar.h"
#include "records/zaznam.h"

class QPainter;

namespace hk {

struct ObserverPeriod {
    std::string name; // UTF-8
    Date first;       // the earliest drawing with a readable date
    Date last;        // the latest one
    int count = 0;    // drawings whose observer is exactly this name
};

// One entry per name, in the order given; names without a drawing are left
// out.
std::vector<ObserverPeriod> ObserverPeriods(std::span<const TZaznam> records,
                                            const std::vector<std::string>& names);

// The list as a small table in the top left corner of `target`; without
// observers the line "Ještě není znám žádný pozorovatel".
void PaintObserverList(QPainter& painter, const QRect& target,
                       const std::vector<ObserverPeriod>& periods);

// The size the list needs.
QSize ObserverListSize(const std::vector<ObserverPeriod>& periods);

} // namespace hk
