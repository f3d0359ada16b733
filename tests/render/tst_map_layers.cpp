// The corona and magnetosphere layers of the synoptic map probed on rendered
// images: pixels and cells at their places (shifted with the area), the
// edges of the filled cells, the picture over the grid area, and the corona
// graph's profiles rising above their base lines.
#include <QImage>
#include <QPainter>
#include <QTest>
#include <functional>

#include "maps/corona_views.h"
#include "maps/magnetosphere.h"
#include "render/corona_renderer.h"
#include "render/magnetosphere_renderer.h"

using namespace hk;

namespace {

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

} // namespace

class TestMapLayers : public QObject {
    Q_OBJECT
  private slots:
    void magnetosphereAtItsPlaces() {
        MagnetosphereLayer layer;
        layer.pixels = {{100, 50}, {101, 50}};
        layer.colours = {MagnetoColour(15), MagnetoColour(0)};
        layer.rects = {{200, 60, 208, 62, MagnetoColour(7)}};
        const QImage image = painted([&](QPainter& p, const QRect&) {
            PaintMagnetosphereLayer(p, {10, 20, 700, 500}, layer);
        });
        QCOMPARE(at(image, 110, 70), QRgb(0xFF1F1F));
        QCOMPARE(at(image, 111, 70), QRgb(0x0000FF));
        QCOMPARE(at(image, 112, 70), QRgb(0xFFFFFF));
        // The cell covers x1 .. x2 - 1 and y1 .. y2 - 1.
        QCOMPARE(at(image, 210, 80), QRgb(0xE0E0FF));
        QCOMPARE(at(image, 217, 81), QRgb(0xE0E0FF));
        QCOMPARE(at(image, 218, 81), QRgb(0xFFFFFF));
        QCOMPARE(at(image, 217, 82), QRgb(0xFFFFFF));
    }

    void coronaUnderTheMapCells() {
        CoronaUnderMapModel m;
        m.present = true;
        m.rects = {{30, 40, 56, 50, 175}};
        const auto paint = [&](QPainter& p, const QRect& r) { PaintCoronaUnderMap(p, r, m); };
        const QImage image = painted(paint);
        QCOMPARE(at(image, 30, 40), qRgb(255, 175, 255) & 0xFFFFFF);
        QCOMPARE(at(image, 55, 49), qRgb(255, 175, 255) & 0xFFFFFF);
        QCOMPARE(at(image, 56, 49), QRgb(0xFFFFFF));
        QCOMPARE(at(image, 55, 50), QRgb(0xFFFFFF));
        // A model the table does not reach draws nothing.
        m.present = false;
        QCOMPARE(at(painted(paint), 30, 40), QRgb(0xFFFFFF));
    }

    void pictureOverTheGridArea() {
        QImage red(4, 4, QImage::Format_RGB32);
        red.fill(Qt::red);
        const QImage image =
            painted([&](QPainter& p, const QRect& r) { PaintMagnetoPicture(p, r, red, 16, 5); });
        QCOMPARE(at(image, 21, 46), QRgb(0xFF0000));
        QCOMPARE(at(image, 739, 404), QRgb(0xFF0000));
        QCOMPARE(at(image, 18, 46), QRgb(0xFFFFFF));
        QCOMPARE(at(image, 300, 43), QRgb(0xFFFFFF));
        QCOMPARE(at(image, 300, 407), QRgb(0xFFFFFF));
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

QTEST_MAIN(TestMapLayers)
#include "tst_map_layers.moc"
