// The painters of the daily graph, the smoothed graph and the asymmetry
// graph probed by pixels: a single drawing leaves only the frames, two
// drawings join in their panel's colour, also when both lie outside the
// window on either side; the whole disk is the sum of the hemispheres'
// truncated heights; no heading over the January after the last drawing; a
// smoothed curve of one value is a mark; the asymmetry's first period right
// of the scale; the command line's pictures keep 1-pixel lines one pixel wide.
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include "demo/demo.h"
#include "graphs/graph_series.h"
#include "render/graph_renderer.h"
#include "tests_support/run_cli.h"

using namespace hk;

namespace {

QImage paintGraph(const GraphData& data, int posun, int width = 600) {
    const GraphModel model = BuildGraphModel(data, 800, GraphView::All, 2);
    QImage image(width, 800, QImage::Format_RGB32);
    QPainter p(&image);
    GraphOptions o;
    o.offset = posun;
    PaintGraph(p, image.rect(), model, o);
    return image;
}

GraphData data(std::vector<int> dny, int north = 6, int south = 0) {
    GraphData d;
    d.quantity = GraphQuantity::g;
    d.firstYear = 2020;
    d.days = std::move(dny);
    d.A.assign(d.days.size(), north);
    d.B.assign(d.days.size(), south);
    return d;
}

// Pixels of `colour` inside a rectangle.
int pixels(const QImage& image, const QRect& region, const QColor& colour) {
    int n = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            n += image.pixelColor(x, y) == colour;
    return n;
}

const QColor Grey(200, 200, 200);

} // namespace

class TestGraphRenderer : public QObject {
    Q_OBJECT
  private slots:
    // A single drawing leaves the frames only; two drawings join, also when
    // both lie outside the window on either side. The base line of panel 1
    // is there in every case.
    void polyline() {
        const struct {
            std::vector<int> days;
            int offset;
            bool line;
        } rows[] = {{{10}, 0, false}, {{10, 40}, 0, true}, {{0, 2000}, 1500, true}};
        for (const auto& [days, offset, line] : rows) {
            const QImage image = paintGraph(data(days), offset);
            QCOMPARE(pixels(image, image.rect(), QColor(255, 0, 0)) > 0, line);
            QCOMPARE(image.pixelColor(100, ComputeGraphGeometry(800).H + 25), QColor(Qt::black));
        }
    }

    void dailyGraphPixels() {
        // 800 pixels high: H = 220, a division of 20 pixels for 3 groups;
        // the whole-disk panel's base line at y = 245.
        const QImage oneValue = paintGraph(data({10, 40}, 1, 1), 0);
        QCOMPARE(oneValue.pixelColor(100, 245 - 2 * (20 / 3)), QColor(Qt::black));
        QVERIFY(oneValue.pixelColor(100, 245 - 2 * 20 / 3) != QColor(Qt::black));
        // The last drawing in December of 2020: the January of 2021 at
        // x = 782 gets its line, but the year and heading only over 2020
        // (in the row at y = 20 of the whole-disk panel).
        const QImage year = paintGraph(data({10, 350}), 0, 950);
        QVERIFY(pixels(year, QRect(52, 18, 250, 24), Qt::black) > 0);
        QCOMPARE(pixels(year, QRect(784, 18, 950 - 784, 24), Qt::black), 0);
    }

    void smoothedCurveOfOneValueIsAMark() {
        SmoothedData d;
        d.S = 1;
        d.firstYear = 2020;
        d.tFirst = 1;
        d.tLast = 13;
        MonthlyCurve& k = d.curves[0];
        k.t = {1};
        k.value = {0};
        k.smooth.assign(14, 0);
        k.smooth[7] = 3024; // 420 of the 800 pixels up: y = 380
        k.smoothFrom = k.smoothTo = 7;
        QImage image(700, 900, QImage::Format_RGB32);
        QPainter p(&image);
        SmoothedOptions o;
        o.Z = 9; // 8 pixels a month: x = 7 * 8 + 30
        PaintSmoothed(p, image.rect(), d, o);
        QCOMPARE(image.pixelColor(86, 380), QColor(Qt::black));
        QCOMPARE(image.pixelColor(88, 382), QColor(Qt::black));
    }

    void asymmetryFirstPeriodRightOfTheScale() {
        AsymmetryGraph g;
        g.period = AsymmetryPeriod::Yearly;
        g.firstYear = 2020;
        g.firstMonth = 7;
        g.days = 300;
        // The year 2020 from 1 January, the first drawing on 1 July.
        g.columns = {{-182, 184, 3, true, 2020, 1}};
        QImage image(800, 600, QImage::Format_RGB32);
        QPainter p(&image);
        PaintAsymmetry(p, image.rect(), g, AsymmetryOptions{2, 0});
        const QColor column(255, 150, 150);
        QVERIFY(image.pixelColor(30, 175) != column); // the scale column
        QCOMPARE(image.pixelColor(52, 175), column);
        QCOMPARE(image.pixelColor(50 + 366 - 2, 175), column);
    }

    // The command line's pictures keep 1-pixel lines one pixel wide: a grey
    // grid line at y stays grey along the picture.
    void commandLinePicturesAreCrisp() {
        const std::pair<QStringList, int> rows[] = {
            // graph: the top line of the whole-disk panel
            {{"graph", "--series", "g"}, 245 - 10 * 20},
            // smoothed: the 19th line of 20 over 800 pixels
            {{"smoothed", "--series", "r"}, 800 - 19 * 40},
            // asymmetry: the top line, 5 of 50 pixels over the zero line
            {{"asymmetry", "--series", "f", "--kind", "ratio"}, 300 - 5 * 50}};
        QTemporaryDir tmp;
        const QString demo = tmp.filePath(QStringLiteral("demo"));
        WriteDemoDirectory(demo.toStdString(), DemoOptions{.years = 2, .endDate = {2024, 12, 31}});
        for (const auto& [args, y] : rows) {
            const QString out = tmp.filePath(args[0] + ".png");
            QString cmd = "render " + args[0] + " '" + demo + "' " + args.mid(1).join(' ') +
                          " --out '" + out + "'";
            const CliRun r = RunCli(cmd.toStdString(), true);
            QVERIFY2(r.status == 0, r.out.c_str());
            const QImage image(out);
            int grey = 0, n = 0;
            for (int x = 60; x < image.width() - 10; ++x, ++n)
                grey += image.pixelColor(x, y) == Grey;
            QVERIFY2(grey * 2 > n,
                     qPrintable(QString("%1: %2 of %3 pixels grey").arg(args[0]).arg(grey).arg(n)));
        }
    }
};

QTEST_MAIN(TestGraphRenderer)
#include "tst_graph_renderer.moc"
