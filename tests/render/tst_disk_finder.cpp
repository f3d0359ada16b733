// The disk finder on a drawing painted by the program's own renderer: the
// disk of radius 1500 px found through paper tone, noise and a tilted scan.
// (Groups and faculae measured back from a rendered drawing: tst_measurement_window;
// blank paper without a disk: the command line's find-spots.)
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTest>
#include <QTransform>
#include <cmath>
#include <random>

#include "demo/demo.h"
#include "drawing/drawing_model.h"
#include "drawing/drawing_scale.h"
#include "measure/disk_finder.h"
#include "render/drawing_renderer.h"
#include "render/scan_view.h"

using namespace hk;

namespace {

constexpr int ZoomK = 96;  // disk radius 96 * 15.625 = 1500 px
constexpr int Side = 3400; // the square of the picture that holds the disk

// A demo drawing painted with its disk in the top left square.
QImage paintedDisk() {
    DemoOptions d{.years = 1, .perYear = 40, .seed = 11, .endDate = {2014, 12, 31}};
    DrawingOptions o;
    o.zoomK = ZoomK;
    return RenderDrawingImage(MakeDrawingModel(GenerateDemoRecords(d).at(3)), o)
        .copy(0, 0, Side, Side);
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

} // namespace

class TestDiskFinder : public QObject {
    Q_OBJECT

  private slots:
    // A clean scan; paper tone, noise and 2 degrees; grey paper and -2 degrees.
    void findsTheDisk() {
        const struct {
            double tilt;
            QColor paper;
            int noise;
        } cases[] = {{0.0, Qt::white, 0}, {2.0, {235, 225, 195}, 12}, {-2.0, {200, 200, 200}, 20}};
        const QImage drawing = paintedDisk();
        // The outline spans pixels xy(30) .. xy(530): centre 1680, radius 1500
        // (pixel centres at whole numbers; the turn works on pixel corners).
        const DrawingScale s{ZoomK};
        const double c = (s.xy(DiskCentre - DiskRadius) + s.xy(DiskCentre + DiskRadius)) / 2.0;
        for (const auto& [tilt, paper, noise] : cases) {
            QTransform turn;
            const QImage scan = scanned(drawing, tilt, paper, noise, turn);
            const QPointF centre = turn.map(QPointF(c + 0.5, c + 0.5)) - QPointF(0.5, 0.5);
            const auto disk = FindDisk(GreyView(scan.convertToFormat(QImage::Format_Grayscale8)));
            QVERIFY(disk);
            QVERIFY(std::hypot(disk->x - centre.x(), disk->y - centre.y()) <= 1.0);
            QVERIFY(std::fabs(disk->radius - 1500) <= 1500 * 0.005);
        }
    }

    // A 600 dpi scan of an A4 page is larger than the picture buffer: it
    // opens reduced to fit (a JPEG by the decoder, a PNG row by row), says
    // so, and its disk is still found.
    void scansOfA4At600DpiOpenReduced() {
        // In colour, as scanners save: decoded whole it would take 139 MB.
        QImage page(4960, 7016, QImage::Format_RGB888);
        page.fill(Qt::white);
        // The drawn disk: a circle line 8 pixels wide.
        constexpr int Cx = 2480, Cy = 3000, R = 2000, Line = 8;
        for (int y = Cy - R; y <= Cy + R; ++y) {
            uchar* line = page.scanLine(y);
            for (int x = Cx - R; x <= Cx + R; ++x) {
                const int d2 = (x - Cx) * (x - Cx) + (y - Cy) * (y - Cy);
                if (d2 <= R * R && d2 >= (R - Line) * (R - Line)) line[3 * x] = line[3 * x + 1] = 0;
            }
        }
        for (const QString& format : {QStringLiteral("jpg"), QStringLiteral("png")}) {
            const QString path = QDir::temp().filePath(QStringLiteral("heliokres-a4-%1.%2")
                                                           .arg(QCoreApplication::applicationPid())
                                                           .arg(format));
            QVERIFY(page.save(path, nullptr, 90));
            const LoadedScan scan = LoadScan(path);
            QFile::remove(path);
            QVERIFY2(!scan.picture.isNull(), qPrintable(scan.message));
            QVERIFY(scan.message.contains(QStringLiteral("byl zmenšen na")));
            QCOMPARE(scan.picture.height(), MaxScanHeight);
            QVERIFY(std::abs(scan.picture.width() - 4960 * MaxScanHeight / 7016) <= 1);
            const double k = double(MaxScanHeight) / 7016;
            const QImage grey = scan.picture.convertToFormat(QImage::Format_Grayscale8);
            const auto disk = FindDisk(GreyView(grey));
            QVERIFY(disk);
            QVERIFY(std::hypot(disk->x - Cx * k, disk->y - Cy * k) <= 3);
            QVERIFY(std::fabs(disk->radius - R * k) <= R * k * 0.01);
        }
    }
};

QTEST_MAIN(TestDiskFinder)
#include "tst_disk_finder.moc"
