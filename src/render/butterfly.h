#pragma once
// The butterfly diagram on any QPainter: the window, the printed page, the
// saved picture and the command line's file.
#include <QPainter>
#include <QRect>

#include "graphs/butterfly_model.h"
#include "io/picture_data.h"

namespace hk {

struct ButterflyOptions {
    int rotationScale = 1;      // pixels per rotation: 1, 2, 4, 8, 16
    int latitudeScale = 3;      // pixels per degree of latitude, 1..9
    bool faculaeBars = false;   // faculae as bars one rotation wide
    int equatorOffset = 0;      // equator offset from the middle, pixels
    int butterflyMode = 1;      // 1 spots, 2 faculae, 3 both
    bool underlay = true;       // the data (groups, faculae, supplementary data)
    bool corona = false;        // the corona underlay
    bool supplementary = false; // the supplementary data shown
    bool meanCurve = false;     // mean latitude per rotation
    bool smoothedCurve = false; // smoothed mean latitude
    bool bounds = false;        // yearly extreme latitudes
    bool allCurves = false;     // all three overlays
    bool scale = false;         // latitude labels at the left edge of the visible area
    int sx = 0;                 // horizontal scroll position
    int sy = 0;                 // vertical scroll position
    int fontPixels = 10;        // Round(sizePercent * 8 / 100)
};

// The numbers of what PaintButterfly draws with these options, one row per
// rotation of the records (their own rotation numbers): the mean and the
// smoothed latitudes of each hemisphere, the yearly bounds over the rotation,
// and the latitudes of the rotation's group marks as drawn at the latitude
// scale (columns "značka 1" on, in group number order); degrees, north positive.
PictureData ButterflyPictureData(const ButterflyModel& model, const ButterflyOptions& options);

// The rotation number drawn at x = 50 (ButterflyAxisOf's start).
int ButterflyStartRotation(const ButterflyModel& model, const ButterflyOptions& options);
// The width of the whole diagram (the horizontal scroll range): the latitude
// labels and the time axis at the rotation scale.
int ButterflyScrollRange(const ButterflyModel& model, const ButterflyOptions& options);

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

} // namespace hk
