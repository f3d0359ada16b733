#pragma once
// The butterfly diagram on any QPainter: the window, the printed page, the
// saved picture and the command line's file.
#include <QPainter>
#include <QRect>

#include "graphs/butterfly_scene.h"
#include "io/picture_data.h"

namespace hk {

// The numbers of what PaintButterfly draws with these options, one row per
// rotation of the records (their own rotation numbers): the mean and the
// smoothed latitudes of each hemisphere, the yearly bounds over the rotation,
// and the latitudes of the rotation's group marks as drawn at the latitude
// scale (columns "značka 1" on, in group number order); degrees, north positive.
PictureData ButterflyPictureData(const ButterflyModel& model, const ButterflyOptions& options);

// The rotation number drawn at x = 50 (ButterflyAxisOf's start).
int ButterflyStartRotation(const ButterflyModel& model, const ButterflyOptions& options);

// Paints the diagram into `area` (its top-left is the picture's origin, its
// height gives the equator's place) on a white background.
void PaintButterfly(QPainter& p, const QRect& area, const ButterflyModel& model,
                    const ButterflyOptions& options);

} // namespace hk

namespace hk {

// The printed page: the client area of size `client` less 5 pixels of width,
// stretched to the page's width at the same aspect ratio.
void PrintButterfly(QPainter& p, const QRect& page, const QSize& client,
                    const ButterflyModel& model, const ButterflyOptions& options);

// The built picture in `area` (the window's canvas, the command line's image).
void PaintButterflyPicture(QPainter& p, const QRect& area, const ButterflyPicture& picture);
// The built picture on a printed page (the window's print, the command line's PDF).
void PrintButterflyPicture(QPainter& p, const QRect& page, const ButterflyPicture& picture);

} // namespace hk
