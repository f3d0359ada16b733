// The synoptic map's painter probed on rendered images: the group, its leaf
// and auxiliary spot, the faculae and their centres by their switches, the
// caller's underlay below the grid and the overflow cleared by the frame.
#include <QImage>
#include <QTest>

#include "maps/rotation_index.h"
#include "maps/synoptic_map.h"
#include "records/geometry_cache.h"
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

} // namespace

class TestSynopticMap : public QObject {
    Q_OBJECT
  private slots:
    void layersFollowTheirSwitches_data() {
        QTest::addColumn<bool>("faculae");
        QTest::addColumn<bool>("areas");
        QTest::addColumn<bool>("centres");
        QTest::newRow("default layers") << true << true << false;
        QTest::newRow("everything") << true << true << true;
        QTest::newRow("no faculae, no areas") << false << false << false;
    }
    void layersFollowTheirSwitches() {
        QFETCH(bool, faculae);
        QFETCH(bool, areas);
        QFETCH(bool, centres);
        SynopticMapOptions o;
        o.faculaeOn = faculae;
        o.areasOn = areas;
        o.faculaeCentres = centres;
        const QImage image = paint(handMadeMap(), o);
        const QColor white(Qt::white);
        QCOMPARE(image.pixelColor(300, 200), QColor(Qt::black));
        QCOMPARE(image.pixelColor(250, 205), QColor(150, 150, 255));
        QCOMPARE(image.pixelColor(275, 203), areas ? QColor(130, 130, 130) : white);
        QCOMPARE(image.pixelColor(525, 125), faculae ? QColor(255, 200, 200) : white);
        QCOMPARE(image.pixelColor(610, 310), centres ? QColor(255, 20, 20) : white);
        // The frame clears what spilled over the map's edge.
        QCOMPARE(image.pixelColor(handMadeMap().frameRight + 10, 250), white);
        QCOMPARE(image.pixelColor(799, 509), white);
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
};

QTEST_MAIN(TestSynopticMap)
#include "tst_synoptic_map.moc"
