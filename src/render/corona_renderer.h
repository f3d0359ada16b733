#pragma once
// The corona views of the map window on any QPainter: the corona graph, the
// corona butterfly and the real corona as whole views, and the corona under
// the synoptic map as a layer the map painter calls before its grid.
#include <QPainter>
#include <QRect>

#include "maps/corona_views.h"

namespace hk {

struct CoronaViewOptions {
    int fontPixels = 13; // text height of the captions
};

// The corona graph into `area` (its top-left is the view's origin) on a
// white background.
void PaintCoronaGraph(QPainter& p, const QRect& area, const CoronaGraphModel& model,
                      const CoronaViewOptions& options = {});

struct CoronaButterflyOptions {
    int sx = 0;          // horizontal scroll position
    int fontPixels = 13; // rotation captions
};
// The corona butterfly into `area` on a white background: column j
// (rotation 1145 + j) at x = 95 + j - sx.
void PaintCoronaButterfly(QPainter& p, const QRect& area, const CoronaButterflyModel& model,
                          const CoronaButterflyOptions& options = {});

// The real corona: the day's limb values around a disk outline, centred in
// `area`, on a white background.
void PaintCoronaDay(QPainter& p, const QRect& area, const CoronaDayModel& model,
                    const CoronaViewOptions& options = {});

// The corona under the map: the model's rectangles, drawn relative to
// area.topLeft() (the map's origin); nothing else is touched. Inside the
// underlay of PaintSynopticMap the painter already stands at the map's
// origin: pass a rectangle at (0, 0).
void PaintCoronaUnderMap(QPainter& p, const QRect& area, const CoronaUnderMapModel& model);

} // namespace hk
