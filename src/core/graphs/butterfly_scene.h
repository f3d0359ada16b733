#pragma once
// The butterfly diagram's view: what the window's menu, panel, scroll bars
// and client size choose and what the command line's flags choose, and the
// one function that turns it and the store into the picture the painter
// draws. Every decision both sides need (the fitted rotation scale, the font
// size, the corona shown only when there are data) is taken here.
#include <cstdint>
#include <memory>

#include "graphs/butterfly_model.h"

namespace hk {

class Session;

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

struct ButterflyScene {
    // The switches, scales and scroll positions; fontPixels is set by Build.
    ButterflyOptions view;
    // The largest rotation scale at which the axis fits the client width, in
    // place of view.rotationScale (the diagram as it opens).
    bool fitRotationScale = true;
    int clientWidth = 1200;
    int clientHeight = 800;
};

struct ButterflyPicture {
    // Shared between the pictures of one store revision: a change of the
    // view does not compute the model again.
    std::shared_ptr<const ButterflyModel> model;
    std::uint64_t revision = 0;
    ButterflyOptions options; // as painted: scale fitted, font, corona
    int clientWidth = 0;
    int clientHeight = 0;
};

// The picture of `scene`. `corona` is the corona table when the scene shows
// the corona (nullptr otherwise); without corona data the underlay is off.
// `previous` lends its model when it was built from the same store revision
// (with the corona when this picture needs it).
ButterflyPicture BuildButterflyPicture(const Session& session, const CoronaTable* corona,
                                       const ButterflyScene& scene,
                                       const ButterflyPicture* previous = nullptr);

// The width of the whole diagram (the horizontal scroll range): the latitude
// labels and the time axis at the rotation scale.
int ButterflyScrollRange(const ButterflyModel& model, const ButterflyOptions& options);
// The vertical scroll range either side of the middle: 180 degrees plus the
// labels less the client height, halved.
int ButterflyVerticalScroll(const ButterflyOptions& options, int clientHeight);

} // namespace hk
