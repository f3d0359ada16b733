#pragma once
// The map window's picture on any QPainter: the window's canvas, the
// printed page and heliokres-cli's file.
#include <QPainter>
#include <QRect>

#include "maps/map_scene.h"

namespace hk {

// Paints the picture into `area` (its top-left is the picture's origin) on a
// white background.
void PaintMapPicture(QPainter& p, const QRect& area, const MapPicture& picture);

} // namespace hk
