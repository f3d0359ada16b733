#pragma once
// The list of observers painted over the results window (key "q"): each
// known observer with the period of his drawings and their number.
#include <QRect>
#include <span>
#include <string>
#include <vector>

#include "results/observer_periods.h"

class QPainter;

namespace hk {

// The list as a small table in the top left corner of `target`; without
// observers the line "Ještě není znám žádný pozorovatel".
void PaintObserverList(QPainter& painter, const QRect& target,
                       const std::vector<ObserverPeriod>& periods);

// The size the list needs.
QSize ObserverListSize(const std::vector<ObserverPeriod>& periods);

} // namespace hk
