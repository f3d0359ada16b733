// The drawing of a record, probed pixel by pixel on rendered images. The
// scale is 16 (one logical unit = one pixel) so that the probes read as the
// layout does: disk centre (280, 280), radius 250.
#include <QTest>

#include "drawing/group_layout.h"
#include "records/record.h"
#include "render/class_colours.h"
#include "render/drawing_renderer.h"
#include "tests_support/records.h"

using namespace hk;

namespace {

const QColor Yellow(255, 255, 180);
const QColor Grey(125, 125, 125);
const QColor Red(255, 0, 0);
const QColor White(255, 255, 255);

TZaznam record(const char* date = "15.03.2014") {
    return test_records::Record(date);
}

TSkupina& addGroup(TZaznam& z, const char* typ, int angle, int distance, int area) {
    return test_records::AddGroup(z, typ, angle, distance, area, 3);
}

// A model with a fixed orientation of the disk (no tilt, no turn).
DrawingModel model(const TZaznam& z, double l0 = 100) {
    return MakeDrawingModel(z, Ephemeris{0, 0, l0, 2100});
}

QImage render(const DrawingModel& m, int orientEW = 1, int orientNS = 1, bool print = false,
              bool leaves = true) {
    return RenderDrawingImage(m, {.zoomK = 16,
                                  .orientEW = orientEW,
                                  .orientNS = orientNS,
                                  .showLeaves = leaves,
                                  .print = print,
                                  .showMagnetic = !m.magnetic.empty()});
}

// Pixels that differ between two images inside a rectangle.
int differing(const QImage& a, const QImage& b, const QRect& r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

} // namespace

class TestDrawingRenderer : public QObject {
    Q_OBJECT

  private slots:
    // The disk light yellow on the screen, white in print, red for a special
    // record either way; the limb black with white paper around it.
    void diskAndLimb() {
        const struct {
            bool print, special;
            QColor fill;
        } rows[] = {
            {false, false, Yellow}, {true, false, White}, {false, true, Red}, {true, true, Red}};
        for (const auto& [print, special, fill] : rows) {
            TZaznam z = record();
            if (special) z.Zvlastni.setText("zvlášťní");
            const QImage img = render(model(z), 1, 1, print);
            QCOMPARE(img.pixelColor(280, 300), fill); // between the equator and 10 south
            QCOMPARE(img.pixelColor(300, 60), fill);
            QCOMPARE(img.pixelColor(20, 20), White); // outside the disk
            // The limb on the horizontal through the centre, left and right.
            QCOMPARE(img.pixelColor(30, 281), QColor(Qt::black));
            QCOMPARE(img.pixelColor(28, 300), White);
        }
    }

    // A group east of the centre at the limb lies right, or left when mirrored.
    void groupAtTheEastLimb() {
        TZaznam z = record();
        addGroup(z, "Dkc", 900, 1250, 1000); // radius 9
        for (const auto& [orientEW, centreX] : {std::pair{1, 529}, {-1, 31}}) {
            const QImage img = render(model(z), orientEW);
            QCOMPARE(img.pixelColor(centreX, 284), Grey);
            QCOMPARE(img.pixelColor(560 - centreX, 284), Yellow);
        }
    }

    void groupOfNoAreaDrawnWithRadiusOne() {
        TZaznam z = record();
        addGroup(z, "Axx", 450, 400, 0);
        const GroupCircle c = ComputeGroupCircles(z, 1, 1)[0];
        QCOMPARE(c.R, 0);
        const QImage with = render(model(z));
        TZaznam without = z;
        without.PocetSkupin = 0;
        const QImage base = render(model(without));
        const QColor dot = with.pixelColor(c.X + 1, c.Y + 1);
        QVERIFY2(dot == Qt::black || dot == Grey, qPrintable(dot.name()));
        QVERIFY(base.pixelColor(c.X + 1, c.Y + 1) != dot);
        // Nothing wider than the small circle: just outside it the disk is as before.
        QCOMPARE(with.pixelColor(c.X - 2, c.Y + 1), base.pixelColor(c.X - 2, c.Y + 1));
        QCOMPARE(with.pixelColor(c.X + 1, c.Y + 4), base.pixelColor(c.X + 1, c.Y + 4));
    }

    // Against an orientation in which the zero meridian faces away, only the
    // disk may differ (the panel prints L0 of the model's record): hidden at
    // L0 100, shown at 80 and 280.
    void zeroMeridian() {
        const QImage hidden = render(model(record(), 110));
        for (const auto& [l0, shown] : {std::pair{100.0, false}, {80.0, true}, {280.0, true}}) {
            const int changed =
                differing(render(model(record(), l0)), hidden, QRect(30, 30, 501, 501));
            QVERIFY2(shown ? changed > 150 : changed == 0,
                     qPrintable(QString("L0 %1: %2 pixels").arg(l0).arg(changed)));
        }
    }

    void specialRecordHasNoGroupCircles() {
        TZaznam z = record();
        z.Zvlastni.setText("zvlášťní");
        addGroup(z, "Dkc", 450, 500, 1500);
        const GroupCircle c = ComputeGroupCircles(z, 1, 1)[0];
        const QImage img = render(model(z));
        QCOMPARE(img.pixelColor(c.X + c.R, c.Y + c.R), Red);
        // The group table below the disk still lists the group.
        TZaznam none = z;
        none.PocetSkupin = 0;
        QVERIFY(differing(img, render(model(none)), QRect(60, 535, 40, 120)) > 0);
    }

    void faculaeFieldFilled() {
        TZaznam z = record();
        test_records::AddField(z, {{45, 50}, {135, 50}, {225, 50}, {315, 50}});
        const QImage img = render(model(z));
        QCOMPARE(img.pixelColor(300, 300), QColor(255, 200, 200));
        QCOMPARE(img.pixelColor(210, 300), QColor(255, 150, 150)); // outline
        QCOMPARE(img.pixelColor(205, 300), Yellow);
    }

    // A leaf in its class's colour (class J has its own), none with leaves off.
    void leafInTheClassColour() {
        const struct {
            const char* typ;
            bool leaves;
            QColor colour;
        } rows[] = {
            {"Fkc", true, ClassColours[5]}, {"Jxx", true, ClassJColour}, {"Fkc", false, Yellow}};
        for (const auto& [typ, leaves, colour] : rows) {
            TZaznam z = record();
            // Group 100 pixels below the centre, spot 1 about 50 pixels to its right.
            TSkupina& g = addGroup(z, typ, 1800, 500, 0);
            g.Pomocna1 = PackPosition(153, 56); // about (330, 379)
            g.Plo1 = 20;
            const QImage img = render(model(z), 1, 1, false, leaves);
            // Middle of the leaf, halfway from the group to the spot.
            const auto spot = PlaceAuxSpot(g.Pomocna1, g.Plo1, 1, 1);
            QVERIFY(spot);
            const int mx = (280 + spot->centre.x) / 2, my = (380 + spot->centre.y) / 2;
            QCOMPARE(img.pixelColor(mx, my), colour);
            QCOMPARE(img.pixelColor(spot->centre.x, spot->centre.y), QColor(10, 10, 205));
        }
    }

    void magneticOverlayPixel() {
        TZaznam z = record();
        DrawingModel m = model(z);
        m.magnetic = {{300, 320, 160}};
        QCOMPARE(render(m).pixelColor(300, 320), QColor(160, 160, 255));
        QCOMPARE(render(m, -1, -1).pixelColor(260, 240), QColor(160, 160, 255));
    }

    void unreadableDateStillDraws() {
        TZaznam z = record("31.02.2014");
        addGroup(z, "Dkc", 0, 0, 1000);
        const DrawingModel m = MakeDrawingModel(z);
        QVERIFY(!m.ephemeris);
        const QImage img = render(m);
        QCOMPARE(img.pixelColor(284, 284), Grey);
        QCOMPARE(img.pixelColor(100, 400), Yellow); // no grid to cross it
    }
};

QTEST_MAIN(TestDrawingRenderer)
#include "tst_drawing_renderer.moc"
