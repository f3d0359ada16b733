#include "maps/map_scene.h"

#include <algorithm>
#include <cmath>

#include "maps/map_areas.h"
#include "maps/map_dates.h"
#include "records/session.h"

namespace hk {

namespace {

// The geometry cache with the records the scene shows computed: one
// rotation's (two in the comparison), the whole store's for the strips and
// the magnetosphere comparison, none for the corona's views.
const GeometryCache& geometryShown(const Session& session, const RotationIndex& index,
                                   const MapScene& scene) {
    const auto records = session.records();
    const auto rotation = [&](int R) -> const GeometryCache& {
        const RecordRange range = index.range(records, R);
        return session.geometryWithPoints(range.first, range.last);
    };
    switch (scene.view) {
    case MapView::Single:
        if (scene.magnetComparison) return session.geometryWithPoints();
        if (scene.comparing) rotation(scene.rotation + scene.shift);
        return rotation(scene.rotation);
    case MapView::CoronaSeparate:
    case MapView::MagnetSeparate:
        return rotation(scene.rotation);
    case MapView::Long:
    case MapView::High:
    case MapView::Two:
        return session.geometryWithPoints();
    default:
        return session.geometry(1, 0);
    }
}

// The date of the map's current record: the first record of the rotation in
// the rotation list, else the record the map started from, else the
// rotation's seventh day (so that the 39 days of magnetograms begin on its
// first day).
Date currentRecordDate(const Session& session, const RotationIndex& index, const MapScene& scene,
                       int rotation) {
    const int position = index.position(rotation);
    if (position >= 0) {
        const int k = index.L()[std::size_t(position)];
        if (const auto date = session.geometry(k, k).record(k).date) return *date;
    }
    if (rotation == scene.rotation && scene.recordDate) return *scene.recordDate;
    return DateFromSerial(DaySerial(MapRotationDates(rotation).startDate) + MagnetoLayerDaysBefore);
}

const MagnetosphereData& magnetosphereOf(const Session& session, const MapInputs& in,
                                         const RotationIndex& index, const MapScene& scene,
                                         int rotation, MagnetosphereData& scratch) {
    if (in.cache)
        for (const MagnetosphereData& d : in.cache->magnetosphere)
            if (d.rotation == rotation) return d;
    MagnetosphereData data = LoadMagnetosphere(
        session.dir, currentRecordDate(session, index, scene, rotation), rotation, in.magnCells);
    if (!in.cache) return scratch = std::move(data);
    // Keeps the two rotations of the comparison.
    auto& kept = in.cache->magnetosphere;
    if (kept.size() >= 2) kept.erase(kept.begin());
    kept.push_back(std::move(data));
    return kept.back();
}

void buildMaps(MapPicture& m, const Session& session, const MapInputs& in,
               const RotationIndex& index, const GeometryCache& g, const MapScene& scene) {
    const auto records = session.records();
    MagnetosphereData scratch;
    const auto magnet = [&](int rotation, int s, int offset) {
        return LayoutMagnetosphere(magnetosphereOf(session, in, index, scene, rotation, scratch), s,
                                   offset);
    };
    if (scene.comparing && scene.view == MapView::Single) {
        m.kind = MapPicture::Kind::Comparison;
        const int q = ComparisonScale(scene);
        const int lower = scene.rotation + scene.shift;
        m.map = MakeSynopticMap(records, g, index, scene.rotation, q);
        m.lowerMap = MakeSynopticMap(records, g, index, lower, q);
        ScaleMapAreas(m.map, scene.zoom);
        ScaleMapAreas(m.lowerMap, scene.zoom);
        m.upperLayers = scene.upperLayers;
        m.lowerLayers = scene.lowerLayers;
        if (m.upperLayers & ComparisonCorona)
            m.corona = MakeCoronaUnderMap(in.corona, scene.rotation, q, 0);
        if (m.lowerLayers & ComparisonCorona)
            m.lowerCorona = MakeCoronaUnderMap(in.corona, lower, q, 0);
        if (m.upperLayers & ComparisonMagnet) m.magnet = magnet(scene.rotation, q, 0);
        if (m.lowerLayers & ComparisonMagnet) m.lowerMagnet = magnet(lower, q, 0);
        return;
    }
    m.kind = MapPicture::Kind::Map;
    m.map = MakeFittedSynopticMap(records, g, index, scene.rotation, scene.width, scene.height);
    const int s = m.map.s;
    ScaleMapAreas(m.map, scene.zoom);
    const bool single = scene.view == MapView::Single;
    m.halves = !single;
    m.upperLayers =
        scene.view == MapView::CoronaSeparate ? ComparisonCorona : unsigned(ComparisonMagnet);
    if (scene.view == MapView::CoronaSeparate ||
        (single && (scene.layers.coronaUnderlay || scene.layers.coronaOn)))
        m.corona = MakeCoronaUnderMap(in.corona, scene.rotation, s, 0);
    if (scene.view == MapView::MagnetSeparate || (single && scene.layers.magnetosphereOn))
        m.magnet = magnet(scene.rotation, s, 0);
    if (single && scene.layers.magnetospherePicture)
        m.magnetospherePicture = MagnetoPicturePath(session.dir, scene.rotation);
}

} // namespace

int CoronaButterflyScrollMaximum(const CoronaButterflyModel& model, int width) {
    const int columns = static_cast<int>(model.columns.size()) + CoronaButterflyMargin;
    return std::max(0, columns - width);
}

int ComparisonScale(const MapScene& scene) {
    const int q = (scene.frameWidth > 0 ? scene.frameWidth : scene.width) / 64 - 3;
    const int height = (scene.height - ComparisonGap) / 54;
    return std::max(1, std::min(q, height));
}

MapPicture BuildMapPicture(const Session& session, const MapInputs& in, const MapScene& scene) {
    MapPicture m;
    m.width = std::max(1, scene.width);
    m.height = std::max(1, scene.height);
    m.layers = scene.layers;
    m.fontPixels = static_cast<int>(std::nearbyint(13 * session.sizePercent() / 100.0));
    const RotationIndex index = RotationIndex::of(session.records());
    const GeometryCache& g = geometryShown(session, index, scene);
    const auto records = session.records();
    const int w = m.width;
    const int h = m.height;
    const int R = scene.rotation;
    switch (scene.view) {
    case MapView::Single:
        if (scene.magnetComparison) {
            m.kind = MapPicture::Kind::MagnetComparison;
            m.magnetComparisonMargin = scene.magnetComparisonMargin;
            const MagnetComparisonParams& p = scene.magnetComparisonParams;
            m.magnetComparison = MakeMagnetComparison(records, g, index, in.magnCells, p,
                                                      MagnetComparisonRows(h, p.rowHeight));
            break;
        }
        [[fallthrough]];
    case MapView::CoronaSeparate:
    case MapView::MagnetSeparate:
        buildMaps(m, session, in, index, g, scene);
        break;
    case MapView::Long:
        m.kind = MapPicture::Kind::Strips;
        m.strips = MakeStripView(records, g, index, R, LongMapStrips, StripKind::Long,
                                 LongMapScale(w), false);
        ScaleStripAreas(m.strips, scene.zoom);
        break;
    case MapView::High:
        m.kind = MapPicture::Kind::Strips;
        m.strips = MakeStripView(records, g, index, R, HighMapStripCount(w, h), StripKind::High,
                                 StripScale(w), true);
        ScaleStripAreas(m.strips, scene.zoom);
        break;
    case MapView::Two:
        // The rotation and the next one of the list.
        m.kind = MapPicture::Kind::Strips;
        m.strips = MakeTwoMapView(records, g, index, R, TwoMapScale(w, h));
        ScaleStripAreas(m.strips, scene.zoom);
        break;
    case MapView::CoronaGraph:
        m.kind = MapPicture::Kind::CoronaGraph;
        m.coronaGraph = scene.coronaGraphPosition > 0
                            ? MakeCoronaGraph(in.corona, scene.coronaGraphPosition)
                            : MakeCoronaGraphOfRotation(in.corona, R);
        break;
    case MapView::CoronaButterfly: {
        m.kind = MapPicture::Kind::CoronaButterfly;
        std::shared_ptr<const CoronaButterflyModel> model =
            in.cache ? in.cache->coronaButterfly : nullptr;
        if (!model)
            model = std::make_shared<const CoronaButterflyModel>(MakeCoronaButterfly(in.corona));
        if (in.cache) in.cache->coronaButterfly = model;
        const int last = CoronaButterflyScrollMaximum(*model, w);
        m.coronaButterflyScroll = std::clamp(scene.coronaButterflyScroll.value_or(last), 0, last);
        m.coronaButterfly = std::move(model);
        break;
    }
    case MapView::CoronaGlobal: {
        m.kind = MapPicture::Kind::CoronaDay;
        std::size_t row = scene.coronaDay.value_or(0);
        if (!scene.coronaDay) {
            const auto start = CoronaFindRow(in.corona, MapRotationDates(R).startDate);
            row = start ? *start : std::size_t(std::max(0, CoronaDayMaximum(in.corona)));
        }
        m.coronaDay = MakeCoronaDay(in.corona, row);
        break;
    }
    }
    return m;
}

StripView BuildPrintedHighMap(const Session& session, const MapScene& scene, int pageWidth) {
    const auto records = session.records();
    StripView v = MakeStripView(records, session.geometryWithPoints(), RotationIndex::of(records),
                                scene.rotation, PrintedHighMapStrips, StripKind::High,
                                PrintStripScale(pageWidth), true);
    ScaleStripAreas(v, scene.zoom);
    return v;
}

} // namespace hk
