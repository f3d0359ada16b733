// The disk finder and the measurement chain on drawings painted by the
// program's own renderer: the disk of radius 1500 px found through paper
// tone, noise and a tilted scan, and the groups and faculae of demo
// drawings measured back from the picture.
#include <QPainter>
#include <QTest>
#include <QTransform>
#include <cmath>
#include <random>

#include "demo/demo.h"
#include "drawing/drawing_scale.h"
#include "drawing/faculae.h"
#include "drawing/group_layout.h"
#include "measure/calibration.h"
#include "measure/disk_finder.h"
#include "records/record.h"
#include "drawing/drawing_model.h"
#include "render/drawing_renderer.h"
#include "render/scan_view.h"

using namespace hk;

namespace {

constexpr int ZoomK = 96;  // disk radius 96 * 15.625 = 1500 px
constexpr int Side = 3400; // the square of the picture that holds the disk

DrawingOptions options() {
    DrawingOptions o;
    o.zoomK = ZoomK;
    return o;
}

QImage paintedDisk(const TZaznam& z) {
    return RenderDrawingImage(MakeDrawingModel(z), options()).copy(0, 0, Side, Side);
}

// The picture as a scan: turned by `tiltDeg` about its middle onto paper,
// the paper's tone falling off to one side, and noise.
QImage scanned(const QImage& drawing, double tiltDeg, const QColor& paper, int noise,
               QTransform& turn) {
    turn = QTransform()
               .translate(Side / 2.0, Side / 2.0)
               .rotate(tiltDeg)
               .translate(-Side / 2.0, -Side / 2.0);
    QImage out(drawing.size(), QImage::Format_RGB32);
    out.fill(Qt::white);
    {
        QPainter p(&out);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.setTransform(turn);
        p.drawImage(0, 0, drawing);
    }
    std::mt19937 rng(7);
    std::normal_distribution<double> n(0, noise);
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const double shade = 1.0 - 0.1 * x / out.width();
            const double e = noise ? n(rng) : 0;
            auto ch = [&](int v, int tone) {
                return std::clamp(static_cast<int>(v * tone / 255.0 * shade + e), 0, 255);
            };
            const QRgb c = row[x];
            row[x] = qRgb(ch(qRed(c), paper.red()), ch(qGreen(c), paper.green()),
                          ch(qBlue(c), paper.blue()));
        }
    }
    return out;
}

TZaznam demoDrawing(int index) {
    DemoOptions o;
    o.years = 1;
    o.perYear = 40;
    o.seed = 11;
    o.endDate = {2014, 12, 31};
    const auto records = GenerateDemoRecords(o);
    return records.at(static_cast<std::size_t>(index) % records.size());
}

std::optional<DiskCircle> find(const QImage& img) {
    const QImage grey = img.convertToFormat(QImage::Format_Grayscale8);
    return FindDisk(GreyView(grey));
}

} // namespace

class TestDiskFinder : public QObject {
    Q_OBJECT

  private slots:
    void findsTheDisk_data() {
        QTest::addColumn<double>("tilt");
        QTest::addColumn<QColor>("paper");
        QTest::addColumn<int>("noise");
        QTest::newRow("clean") << 0.0 << QColor(Qt::white) << 0;
        QTest::newRow("tone, noise, 2 degrees") << 2.0 << QColor(235, 225, 195) << 12;
        QTest::newRow("grey paper, -2 degrees") << -2.0 << QColor(200, 200, 200) << 20;
    }
    void findsTheDisk() {
        QFETCH(double, tilt);
        QFETCH(QColor, paper);
        QFETCH(int, noise);
        QTransform turn;
        const QImage scan = scanned(paintedDisk(demoDrawing(3)), tilt, paper, noise, turn);
        // The outline spans pixels xy(30) .. xy(530): centre 1680, radius 1500
        // (pixel centres at whole numbers; the turn works on pixel corners).
        const DrawingScale s{ZoomK};
        const double c = (s.xy(DiskCentre - DiskRadius) + s.xy(DiskCentre + DiskRadius)) / 2.0;
        const QPointF centre = turn.map(QPointF(c + 0.5, c + 0.5)) - QPointF(0.5, 0.5);
        const auto disk = find(scan);
        QVERIFY(disk);
        QVERIFY2(std::hypot(disk->x - centre.x(), disk->y - centre.y()) <= 1.0,
                 qPrintable(QStringLiteral("%1,%2 instead of %3,%4")
                                .arg(disk->x)
                                .arg(disk->y)
                                .arg(centre.x())
                                .arg(centre.y())));
        QVERIFY2(std::fabs(disk->radius - 1500) <= 1500 * 0.005,
                 qPrintable(QString::number(disk->radius)));
    }

    void noDiskOnEmptyPaper() {
        QImage paper(800, 600, QImage::Format_Grayscale8);
        paper.fill(230);
        QVERIFY(!FindDisk(GreyView(paper)));
    }

    // Calibrated by the disk found (north up), the rendered positions of the
    // groups far from the centre and of the faculae vertices convert back to
    // the record's within 0.5 degree and 1 unit.
    void measuredBackFromTheDrawing() {
        const DrawingScale s{ZoomK};
        int checked = 0;
        for (int index : {3, 17, 29}) {
            const TZaznam z = demoDrawing(index);
            const auto disk = find(paintedDisk(z));
            QVERIFY(disk);
            const PicturePoint centre{static_cast<int>(std::lround(disk->x)),
                                      static_cast<int>(std::lround(disk->y))};
            const Calibration cal = Calibrate(
                centre, {centre.x, centre.y - static_cast<int>(std::lround(disk->radius))});
            const GroupCircles circles = ComputeGroupCircles(z, 1, 1);
            for (int k = 0; k < z.groupCount(); ++k) {
                const TSkupina& g = z.Skupiny[k];
                // Nearer the centre the renderer's whole logical units turn
                // the direction by more than half a degree.
                if (g.Vzd < 900) continue;
                const DrawingPoint d = circles[k].centre();
                const PolarPosition p = SpotPosition(cal, {s.xy(d.x), s.xy(d.y)});
                double da = std::fabs(p.angle - g.Uhel / 10.0);
                da = std::min(da, 360 - da);
                QVERIFY2(da <= 0.5, qPrintable(QStringLiteral("group %1: %2 for %3")
                                                   .arg(k + 1)
                                                   .arg(p.angle)
                                                   .arg(g.Uhel / 10.0)));
                QVERIFY(std::fabs(p.distance - g.Vzd / 10.0) <= 1.0);
                ++checked;
            }
            for (int k = 0; k < z.faculaeCount(); ++k) {
                const std::vector<DrawingPoint> poly = FaculaePolygon(z.Skupiny[k]);
                for (std::size_t j = 0; j < poly.size(); ++j) {
                    const PackedPosition want = UnpackPosition(z.Skupiny[k].Fakule[j]);
                    if (want.dist < 60) continue;
                    const VertexPosition v = FaculaeVertex(cal, {s.xy(poly[j].x), s.xy(poly[j].y)});
                    const int da = std::abs(v.angle - want.angle) % 360;
                    QVERIFY(std::min(da, 360 - da) <= 1);
                    QVERIFY(std::abs(v.distance - want.dist) <= 1);
                    ++checked;
                }
            }
        }
        QVERIFY(checked >= 5);
    }
};

QTEST_MAIN(TestDiskFinder)
#include "tst_disk_finder.moc"
