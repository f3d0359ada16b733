#pragma once
// The magnetosphere layers of the synoptic map, drawn relative to
// area.topLeft() (the map's origin) by the map painter before its grid: the
// layer of the daily magnetograms (or magn.dat cells) and the picture
// magnetOBR/On<R>.bmp stretched over the map area. Inside the underlay of
// PaintSynopticMap the painter already stands at the map's origin: pass a
// rectangle at (0, 0).
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

#include "maps/magnetosphere.h"

namespace hk {

void PaintMagnetosphereLayer(QPainter& p, const QRect& area, const MagnetosphereLayer& layer);

// The picture of a rotation, a null image when there is none or it cannot
// be read.
QImage LoadMagnetoPicture(const ProgramDir& dir, int rotation);

// Stretches `picture` over the map's grid area at scale s (sixteenths):
// reference units (20, 40) - (740, 400), moved down by yOffset.
void PaintMagnetoPicture(QPainter& p, const QRect& area, const QImage& picture, int s,
                         int yOffset = 0);

} // namespace hk
