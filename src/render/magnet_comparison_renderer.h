#pragma once
// The comparison of the magnetosphere with the maps on any QPainter: one row
// per rotation, the band's magn.dat cells in the magnetosphere colours and
// the band's groups as black dots, longitude 360 left to 0 right in every
// cycle.
#include <QPainter>
#include <QRect>

#include "maps/magnet_comparison.h"

namespace hk {

void PaintMagnetComparison(QPainter& p, const QRect& area, const MagnetComparison& m,
                           int fontPixels = 13);

} // namespace hk
