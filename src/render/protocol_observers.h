#pragma once
// The list of observers painted over the results window (key "q"): each
// known observer with the period of his drawings and their number.
#include <QRect>

#include "results/observer_list_scene.h"

class QPainter;

namespace hk {

// The list as a small table in the top left corner of `target`, cut at its
// edges; without observers the line "Ještě není znám žádný pozorovatel".
void PaintObserverList(QPainter& painter, const QRect& target, const ObserverListPicture& picture);

} // namespace hk
