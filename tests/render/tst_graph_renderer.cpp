// The daily graph's painter: a single drawing leaves only the frames, two
// drawings join in their panel's colour, also when both lie outside the
// window on either side.
#include <QImage>
#include <QPainter>
#include <QTest>

#include "graphs/graph_series.h"
#include "render/graph_renderer.h"

using namespace hk;

namespace {

int redPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == QColor(255, 0, 0)) ++n;
    return n;
}

QImage paintGraph(const GraphData& data, int posun) {
    const GraphModel model = BuildGraphModel(data, 800, GraphView::All, 2);
    QImage image(600, 800, QImage::Format_RGB32);
    QPainter p(&image);
    GraphOptions o;
    o.offset = posun;
    PaintGraph(p, image.rect(), model, o);
    return image;
}

GraphData data(std::vector<int> dny) {
    GraphData d;
    d.quantity = GraphQuantity::g;
    d.firstYear = 2020;
    d.days = std::move(dny);
    d.A.assign(d.days.size(), 6);
    d.B.assign(d.days.size(), 0);
    return d;
}

} // namespace

class TestGraphRenderer : public QObject {
    Q_OBJECT
  private slots:
    void polyline_data() {
        QTest::addColumn<std::vector<int>>("dny");
        QTest::addColumn<int>("posun");
        QTest::addColumn<bool>("cara");
        QTest::newRow("single drawing: frames only") << std::vector<int>{10} << 0 << false;
        QTest::newRow("two drawings") << std::vector<int>{10, 40} << 0 << true;
        QTest::newRow("both outside, line across the window")
            << std::vector<int>{0, 2000} << 1500 << true;
    }
    void polyline() {
        QFETCH(std::vector<int>, dny);
        QFETCH(int, posun);
        QFETCH(bool, cara);
        const QImage image = paintGraph(data(dny), posun);
        QCOMPARE(redPixels(image) > 0, cara);
        // The frames are there in every case: the base line of panel 1.
        const int H = ComputeGraphGeometry(800).H;
        QCOMPARE(image.pixelColor(100, H + 25), QColor(Qt::black));
    }
};

QTEST_MAIN(TestGraphRenderer)
#include "tst_graph_renderer.moc"
