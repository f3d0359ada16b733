#pragma once
// The corona views of the map window on any QPainter: the corona graph, the
// corona butterfly and the real corona as whole views, and the corona under
// the synoptic map as a layer the map painter calls before its grid.
#include <QPainter>
#include <QRect>

#include "maps/corona_views.h"

namespace hk {

struct KoronaViewOptions {
    int fontPixels = 13; // text height of the captions
};

// The corona graph into `area` (its top-left is the view's origin) on a
// white background.
void PaintKoronaGraf(QPainter& p, const QRect& area, const KoronaGrafModel& model,
                     const KoronaViewOptions& options = {});

struct KoronaMotylOptions {
    int sx = 0;          // horizontal scroll position
    int fontPixels = 13; // rotation captions
};
// The corona butterfly into `area` on a white background: column j
// (rotation 1145 + j) at x = 95 + j - sx.
void PaintKoronaMotyl(QPainter& p, const QRect& area, const KoronaMotylModel& model,
                      const KoronaMotylOptions& options = {});

// The real corona: the day's limb values around a disk outline, centred in
// `area`, on a white background.
void PaintKoronaDen(QPainter& p, const QRect& area, const KoronaDenModel& model,
                    const KoronaViewOptions& options = {});

// The corona under the map: the model's rectangles, drawn relative to
// area.topLeft() (the map's origin); nothing else is touched. Inside the
// underlay of PaintSynopticMap the painter already stands at the map's
// origin: pass a rectangle at (0, 0).
void PaintKoronaPodMapu(QPainter& p, const QRect& area, const KoronaPodMapuModel& model);

} // namespace hk
