// The butterfly diagram probed on rendered images: a group's mark at the
// pixel of its latitude, the first mark of the supplementary data, the grey
// of a corona band. (Which groups get a mark and where the axis starts: the
// model's tests.)
#include <QImage>
#include <QTest>
#include <cmath>

#include "demo/demo.h"
#include "graphs/butterfly_model.h"
#include "records/geometry_cache.h"
#include "render/butterfly.h"
#include "tests_support/butterfly_records.h"

using namespace hk;
using namespace hk::test;

namespace {

constexpr int Width = 1200, Height = 800, Y0 = Height / 2;

QImage paint(const ButterflyModel& m, const ButterflyOptions& o) {
    QImage image(Width, Height, QImage::Format_RGB32);
    QPainter p(&image);
    PaintButterfly(p, image.rect(), m, o);
    return image;
}

} // namespace

class TestButterfly : public QObject {
    Q_OBJECT
  private slots:
    void groupMarkAtItsLatitude() {
        TZaznam z = RotationRecord("15.03.2014");
        const double L0 = RecordEphemeris(z)->L0;
        AddGroupAt(z, L0 + 5, 20.3, 4);
        const std::vector<TZaznam> records{z};
        const GeometryCache g = GeometryCache::of(records);
        const ButterflyModel m =
            MakeButterflyModel(records, g, std::vector<std::uint8_t>(25000, 0), {});
        ButterflyOptions o;
        o.rotationScale = 4;
        const int vs = o.latitudeScale;
        const QImage image = paint(m, o);

        const int P = ButterflyStartRotation(m, o);
        const int x = (z.Rotace - P) * 4 + 50;
        const int north = static_cast<int>(std::trunc(vs * static_cast<float>(g.groups(1)[0].Lat)));
        // The mark covers rows Y0 - 2 - m .. Y0 + vs div 2 - m - 1, columns x .. x + w - 1.
        QCOMPARE(image.pixelColor(x + 1, Y0 - 1 - north), QColor(Qt::black));
        QCOMPARE(image.pixelColor(x + 2, Y0 - 2 - north), QColor(Qt::black));
        QVERIFY(image.pixelColor(x + 1, Y0 - 3 - north) != QColor(Qt::black));
        QVERIFY(image.pixelColor(x + 3, Y0 - 1 - north) != QColor(Qt::black));

        o.underlay = false;
        QCOMPARE(paint(m, o).pixelColor(x + 1, Y0 - 1 - north), QColor(Qt::white));
    }

    void supplementaryDataStartAt1200WithTheFirstMarkAtIndex66() {
        std::vector<std::uint8_t> block(25000, 0);
        block[0] = 128 + 10;
        block[1] = 255;
        const std::vector<TZaznam> records{RotationRecord("15.03.2014")};
        const ButterflyModel m = MakeButterflyModel(records, GeometryCache::of(records), block, {});
        ButterflyOptions o;
        o.supplementary = true;
        const QImage image = paint(m, o);
        const QColor grey(60, 60, 60);
        QCOMPARE(image.pixelColor(66 + 49, Y0 - 30), grey);
        QCOMPARE(image.pixelColor(66 + 49, Y0 - 30 - 2), grey);
        QVERIFY(image.pixelColor(66 + 49, Y0 - 30 - 3) != grey);
        QVERIFY(image.pixelColor(65 + 49, Y0 - 30) != grey);
        o.supplementary = false; // switched off: nothing there, the axis from the data
        QVERIFY(paint(m, o).pixelColor(66 + 49, Y0 - 30) != grey);
    }

    // The faculae merged per column draw the same pixels as one line a field.
    void mergedFaculaeDrawTheSamePixels() {
        DemoOptions d{.years = 2, .perYear = 120, .endDate = {2014, 12, 31}};
        const std::vector<TZaznam> records = GenerateDemoRecords(d);
        const ButterflyModel merged =
            MakeButterflyModel(records, GeometryCache::of(records), {}, {});
        QVERIFY(merged.faculaeMerged.size() < merged.faculae.size());
        ButterflyModel raw = merged;
        for (FaculaeColumn& c : raw.faculaeColumns)
            c.key = -1000000; // every field on its own
        for (const bool bars : {false, true})
            for (const int hs : {1, 8}) {
                ButterflyOptions o{.rotationScale = hs,
                                   .latitudeScale = 7,
                                   .faculaeBars = bars,
                                   .butterflyMode = 2};
                o.sx =
                    hs == 1 ? 0 : (merged.firstRotation - ButterflyStartRotation(merged, o)) * hs;
                QCOMPARE(paint(merged, o), paint(raw, o));
            }
    }

    // The corona lies under the records' own rotations; what lies before
    // the axis is not drawn.
    void coronaBandGreyOfItsAverage() {
        const std::vector<TZaznam> records{RotationRecord("15.03.2014")};
        ButterflyModel m = MakeButterflyModel(records, GeometryCache::of(records), {}, {});
        m.corona = true;
        const int R = m.firstRotation; // column R - 1145
        CoronaColumn c;
        c.fill(255);
        m.coronaColumns.assign(std::size_t(R - 1145 + 1), c);
        m.coronaColumns.front()[17] = 0;
        m.coronaColumns.back()[17] = 255 - (40 + 33); // band 18: latitude 0..5 north
        const ButterflyOptions o{.rotationScale = 2, .corona = true};
        const int P = ButterflyStartRotation(m, o);
        const QImage image = paint(m, o);
        const int x = (R - P) * 2 + 50;
        // Band 18 spans rows Y0 + 1 - 15 .. Y0 (vs = 3), two columns wide.
        QCOMPARE(image.pixelColor(x, Y0 - 6), QColor(182, 182, 182));
        QCOMPARE(image.pixelColor(x + 1, Y0 - 13), QColor(182, 182, 182));
        QCOMPARE(image.pixelColor(x, Y0 - 16), QColor(255, 255, 255));
        for (int left = 0; left < 50; ++left)
            QVERIFY(image.pixelColor(left, Y0 - 6) != QColor(0, 0, 0));
    }
};

QTEST_MAIN(TestButterfly)
#include "tst_butterfly.moc"
