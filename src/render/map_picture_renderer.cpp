#include "render/map_picture_renderer.h"

#include <QImage>
#include <QString>
#include <algorithm>

#include "render/corona_renderer.h"
#include "render/magnet_comparison_renderer.h"
#include "render/magnetosphere_renderer.h"
#include "render/synoptic_map_renderer.h"

namespace hk {

namespace {

// A map that shows only some of its layers (the halves of the comparison,
// the corona or the magnetosphere alone).
SynopticMap onlyLayers(const SynopticMap& m, bool groups, bool faculae) {
    SynopticMap v = m;
    if (!groups) {
        v.groups.clear();
        v.legend.clear();
        v.legendCaptions.clear();
    }
    if (!faculae) {
        v.faculae.clear();
        v.faculaeCentres.clear();
    }
    return v;
}

void paintMap(QPainter& p, const QRect& r, const MapPicture& m) {
    SynopticMapOptions o;
    o.faculaeOn = m.layers.faculaeOn;
    o.areasOn = m.layers.areasOn;
    o.faculaeCentres = m.layers.faculaeCentres;
    QImage picture;
    if (m.magnetospherePicture)
        picture.load(QString::fromStdString(m.magnetospherePicture->string()), "BMP");
    const int s = m.map.s;
    PaintSynopticMap(p, r, m.map, o, [&](QPainter& q) {
        const QRect layer(QPoint(0, 0), r.size());
        if (!picture.isNull()) PaintMagnetoPicture(q, layer, picture, s);
        if (m.corona.present) PaintCoronaUnderMap(q, layer, m.corona);
        if (!m.magnet.empty()) PaintMagnetosphereLayer(q, layer, m.magnet);
    });
}

void paintHalf(QPainter& p, const QRect& r, const SynopticMap& map, unsigned layers, bool areasOn,
               const CoronaUnderMapModel& corona, const MagnetosphereLayer& magnet) {
    SynopticMapOptions o;
    o.faculaeOn = (layers & ComparisonFaculae) != 0;
    o.areasOn = areasOn;
    o.faculaeCentres = false;
    o.legendX = false;
    const SynopticMap only =
        onlyLayers(map, (layers & ComparisonSpots) != 0, (layers & ComparisonFaculae) != 0);
    PaintSynopticMap(p, r, only, o, [&](QPainter& q) {
        const QRect layer(QPoint(0, 0), r.size());
        if ((layers & ComparisonCorona) && corona.present) PaintCoronaUnderMap(q, layer, corona);
        if ((layers & ComparisonMagnet) && !magnet.empty())
            PaintMagnetosphereLayer(q, layer, magnet);
    });
}

void paintComparison(QPainter& p, const QRect& r, const MapPicture& m) {
    const int bounds = 25 * m.map.s + ComparisonGap;
    const QRect upper(r.left(), r.top(), r.width(), bounds);
    const QRect lower(r.left(), r.top() + bounds, r.width(), r.height() - bounds);
    const bool areas = m.layers.areasOn;
    p.save();
    p.setClipRect(upper);
    if (m.upperLayers) paintHalf(p, upper, m.map, m.upperLayers, areas, m.corona, m.magnet);
    p.setClipRect(lower);
    if (m.lowerLayers)
        paintHalf(p, lower, m.lowerMap, m.lowerLayers, areas, m.lowerCorona, m.lowerMagnet);
    p.restore();
}

} // namespace

void PaintMapPicture(QPainter& p, const QRect& r, const MapPicture& m) {
    p.fillRect(r, Qt::white);
    const CoronaViewOptions options{m.fontPixels};
    switch (m.kind) {
    case MapPicture::Kind::Map:
        if (m.halves)
            paintHalf(p, r, m.map, m.upperLayers, m.layers.areasOn, m.corona, m.magnet);
        else
            paintMap(p, r, m);
        break;
    case MapPicture::Kind::Comparison:
        paintComparison(p, r, m);
        break;
    case MapPicture::Kind::MagnetComparison:
        // Left of the group box, which stays over the right edge.
        PaintMagnetComparison(
            p, r.adjusted(0, 0, -std::min(r.width() / 2, m.magnetComparisonMargin), 0),
            m.magnetComparison, m.fontPixels);
        break;
    case MapPicture::Kind::Strips:
        PaintStripView(p, r, m.strips);
        break;
    case MapPicture::Kind::CoronaGraph:
        PaintCoronaGraph(p, r, m.coronaGraph, options);
        break;
    case MapPicture::Kind::CoronaButterfly:
        if (m.coronaButterfly)
            PaintCoronaButterfly(p, r, *m.coronaButterfly, {m.coronaButterflyScroll, m.fontPixels});
        break;
    case MapPicture::Kind::CoronaDay:
        PaintCoronaDay(p, r, m.coronaDay, options);
        break;
    }
}

} // namespace hk
