#pragma once
// The synoptic maps on any QPainter: the single map of a rotation and the
// strip views (long, high, two maps), for the window, the printed page, the
// saved picture and the command line's file.
#include <QPainter>
#include <QRect>
#include <functional>

#include "maps/map_strips.h"
#include "maps/synoptic_map.h"

namespace hk {

struct SynopticMapOptions {
    bool faculaeOn = true;       // faculae fields
    bool areasOn = true;         // areas: the leaves to the first auxiliary spots
    bool faculaeCentres = false; // faculae centres ("SF")
    bool legendX = true;         // the legend below the map (off in the comparison mode)
    bool greyGrid = true;        // the grid grey (black before the first paint)
    // The comparison mode draws the lower map over the upper one: without
    // the white background and without the title and frame.
    bool background = true; // fill the area white first
    bool title = true;      // the title and the frame
};

// Paints the map into `area` on a white background; `area`'s top-left is the
// map's origin. `underlay` (the corona under the map, the magnetosphere
// layer, the magnetosphere picture) is called after the title and before the
// grid, with the painter translated to the map's origin.
void PaintSynopticMap(QPainter& p, const QRect& area, const SynopticMap& map,
                      const SynopticMapOptions& options,
                      const std::function<void(QPainter&)>& underlay = {});

// Paints a strip view (long, high or two maps) into `area` on a white
// background: each strip framed, with its latitude ticks and labels, its
// rotation and its dates.
void PaintStripView(QPainter& p, const QRect& area, const StripView& view);

// The printed high map: the strips of `view` (built with PrintStripScale of
// the page width and PrintedHighMapStrips rotations) on the page.
void PrintHighMap(QPainter& p, const QRect& page, const StripView& view);

} // namespace hk
