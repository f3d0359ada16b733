// The synoptic map's painter probed on rendered images: the group, its leaf
// and auxiliary spot, the faculae and their centres by their switches, the
// caller's underlay below the grid and the overflow cleared by the frame. Its
// corona and magnetosphere layers: pixels and cells at their places (shifted
// with the area), the edges of the filled cells, the picture over the grid
// area, and the corona graph's profiles rising above their base lines.
#include <QImage>
#include <QPainter>
#include <QTest>
#include <functional>

#include "maps/corona_views.h"
#include "maps/magnetosphere.h"
#include "maps/rotation_index.h"
#include "maps/synoptic_map.h"
#include "records/geometry_cache.h"
#include "render/corona_renderer.h"
#include "render/magnetosphere_renderer.h"
#include "render/synoptic_map_renderer.h"

using namespace hk;

namespace {

constexpr int S = 16; // one pixel a reference unit

// An empty rotation's map (grid and title) with hand-placed symbols.
SynopticMap handMadeMap() {
    const std::vector<TZaznam> none;
    SynopticMap m =
        MakeSynopticMap(none, GeometryCache::of(none), RotationIndex::of(none), 2100, S);
    m.groups.push_back({.slot = 1,
                        .group = true,
                        .circle = {300, 200, 6},
                        .aux1 = true,
                        .spot1 = {250, 205, 3},
                        .spot1Area = {250, 205, 3},
                        .leaf = true,
                        .leafPoints = PlaceLeaf(300, 200, 250, 205),
                        .spot2 = {}});
    MapGroupSymbol spill{}; // beyond the right edge of the map
    spill.slot = 2;
    spill.group = true;
    spill.circle = {m.frameRight + 10, 250, 6};
    m.groups.push_back(spill);
    m.faculae.push_back({{505, 105}, {535, 105}, {535, 135}, {505, 135}});
    m.faculaeCentres.push_back({610, 310});
    return m;
}

QImage paint(const SynopticMap& m, const SynopticMapOptions& o,
             const std::function<void(QPainter&)>& underlay = {}) {
    QImage image(800, 510, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter p(&image);
    PaintSynopticMap(p, image.rect(), m, o, underlay);
    return image;
}

// A white picture with what `paint` draws on it.
QImage painted(const std::function<void(QPainter&, const QRect&)>& paint, int w = 800,
               int h = 600) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    paint(p, image.rect());
    return image;
}

QRgb at(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}
QList<QRgb> at(const QImage& image, std::initializer_list<QPoint> points) {
    QList<QRgb> out;
    for (const QPoint& p : points)
        out.append(at(image, p.x(), p.y()));
    return out;
}

} // namespace

class TestMapPainters : public QObject {
    Q_OBJECT
  private slots:
    // The default layers, everything, and no faculae and no areas.
    void layersFollowTheirSwitches() {
        const SynopticMapOptions cases[] = {
            {}, {.faculaeCentres = true}, {.faculaeOn = false, .areasOn = false}};
        for (const SynopticMapOptions& o : cases) {
            const QImage image = paint(handMadeMap(), o);
            const QColor white(Qt::white);
            QCOMPARE(image.pixelColor(300, 200), QColor(Qt::black));
            QCOMPARE(image.pixelColor(250, 205), QColor(150, 150, 255));
            QCOMPARE(image.pixelColor(275, 203), o.areasOn ? QColor(130, 130, 130) : white);
            QCOMPARE(image.pixelColor(525, 125), o.faculaeOn ? QColor(255, 200, 200) : white);
            QCOMPARE(image.pixelColor(610, 310), o.faculaeCentres ? QColor(255, 20, 20) : white);
            // The frame clears what spilled over the map's edge.
            QCOMPARE(image.pixelColor(handMadeMap().frameRight + 10, 250), white);
            QCOMPARE(image.pixelColor(799, 509), white);
        }
    }

    void underlayLiesBelowTheGrid() {
        SynopticMapOptions o;
        o.faculaeOn = false;
        const QImage image = paint(handMadeMap(), o, [](QPainter& p) {
            p.fillRect(QRect(400, 100, 200, 100), QColor(0, 0, 255));
        });
        QCOMPARE(image.pixelColor(525, 125), QColor(0, 0, 255));
        QCOMPARE(image.pixelColor(520, 125), QColor(200, 200, 200)); // a longitude line
        QCOMPARE(image.pixelColor(525, 140), QColor(200, 200, 200)); // a latitude line
    }

    void magnetosphereAtItsPlaces() {
        MagnetosphereLayer layer;
        layer.pixels = {{100, 50}, {101, 50}};
        layer.colours = {MagnetoColour(15), MagnetoColour(0)};
        layer.rects = {{200, 60, 208, 62, MagnetoColour(7)}};
        const QImage image = painted([&](QPainter& p, const QRect&) {
            PaintMagnetosphereLayer(p, {10, 20, 700, 500}, layer);
        });
        QCOMPARE(at(image, {{110, 70}, {111, 70}, {112, 70}}),
                 (QList<QRgb>{0xFF1F1F, 0x0000FF, 0xFFFFFF}));
        // The cell covers x1 .. x2 - 1 and y1 .. y2 - 1.
        QCOMPARE(at(image, {{210, 80}, {217, 81}, {218, 81}, {217, 82}}),
                 (QList<QRgb>{0xE0E0FF, 0xE0E0FF, 0xFFFFFF, 0xFFFFFF}));
    }

    void coronaUnderTheMapCells() {
        CoronaUnderMapModel m;
        m.present = true;
        m.rects = {{30, 40, 56, 50, 175}};
        const auto paint = [&](QPainter& p, const QRect& r) { PaintCoronaUnderMap(p, r, m); };
        const QImage image = painted(paint);
        QCOMPARE(at(image, {{30, 40}, {55, 49}, {56, 49}, {55, 50}}),
                 (QList<QRgb>{0xFFAFFF, 0xFFAFFF, 0xFFFFFF, 0xFFFFFF})); // 175: AF
        // A model the table does not reach draws nothing.
        m.present = false;
        QCOMPARE(at(painted(paint), 30, 40), QRgb(0xFFFFFF));
    }

    void pictureOverTheGridArea() {
        QImage red(4, 4, QImage::Format_RGB32);
        red.fill(Qt::red);
        const QImage image =
            painted([&](QPainter& p, const QRect& r) { PaintMagnetoPicture(p, r, red, 16, 5); });
        QCOMPARE(at(image, {{21, 46}, {739, 404}, {18, 46}, {300, 43}, {300, 407}}),
                 (QList<QRgb>{0xFF0000, 0xFF0000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF}));
    }

    void coronaGraphProfilesRiseAboveTheirBase() {
        CoronaTable t;
        for (int day = 0; day < 200; ++day) {
            const std::uint8_t head[6] = {1, 100, 1, 1, 0, 0};
            t.coronaBytes.insert(t.coronaBytes.end(), head, head + 6);
            t.coronaBytes.insert(t.coronaBytes.end(), CoronaValues, std::uint8_t(40));
        }
        t.coronaLength = t.coronaBytes.size();
        const CoronaGraphModel m = MakeCoronaGraph(t, 1);
        const QImage image =
            painted([&](QPainter& p, const QRect& r) { PaintCoronaGraph(p, r, m); }, 1100, 700);
        // The last east profile (base 280) and the last west one (base 560)
        // reach 20 pixels up; below their bases the picture is empty.
        for (const int base : {280, 560}) {
            QVERIFY(at(image, 500, base - 10) != QRgb(0xFFFFFF));
            QCOMPARE(at(image, 500, base + 5), QRgb(0xFFFFFF));
        }
        QCOMPARE(at(image, 500, 30), QRgb(0xFFFFFF));
    }
};

QTEST_MAIN(TestMapPainters)
#include "tst_map_painters.moc"
