// The yearly coordinate table on an image: where the title and the values
// land for a scale and a scroll position.
#include <QImage>
#include <QPainter>
#include <QTest>

#include "render/coordinate_table_renderer.h"

using namespace hk;

namespace {

// First row (from the top) with dark ink between x0 and x1; -1 when none.
int firstInkRow(const QImage& img, int x0, int x1) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = x0; x < x1 && x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < 128) return y;
    return -1;
}

bool hasInk(const QImage& img, const QRect& area) {
    const QRect r = area.intersected(img.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (qGray(img.pixel(x, y)) < 128) return true;
    return false;
}

QImage render(const CoordinateTablePage& page, int scale, int scroll) {
    QImage img(CoordinateTablePictureSize(scale), QImage::Format_RGB32);
    img.fill(Qt::red);
    QPainter p(&img);
    DrawCoordinateTable(p, img.rect(), page, {scale, scroll});
    return img;
}

} // namespace

class TestCoordinateTable : public QObject {
    Q_OBJECT
  private slots:
    void titleLandsAtItsRow_data();
    void titleLandsAtItsRow();
    void valuesEndAtTheirColumnEdge();
};

void TestCoordinateTable::titleLandsAtItsRow_data() {
    QTest::addColumn<int>("scale");
    QTest::addColumn<int>("scroll");
    QTest::addColumn<int>("top"); // device y of the title's text cell
    QTest::newRow("unscrolled") << 16 << 0 << 110;
    QTest::newRow("one step down") << 16 << 1 << 100;
    QTest::newRow("double scale") << 32 << 0 << 220;
    QTest::newRow("double scale scrolled") << 32 << 2 << 180;
}

// The title's cell starts at logical y 110; its ink begins in the top quarter
// of the cell, nothing of it lies above.
void TestCoordinateTable::titleLandsAtItsRow() {
    QFETCH(int, scale);
    QFETCH(int, scroll);
    QFETCH(int, top);
    const QImage img = render(MakeCoordinateTablePage(MakeCoordinateYear(2026), 0), scale, scroll);
    const int cell = TitleFontHeight * scale / 16;
    const int ink = firstInkRow(img, TableScaled(160, scale), TableScaled(800, scale));
    QVERIFY2(ink >= top && ink < top + cell / 4, qPrintable(QString::number(ink)));
    QCOMPARE(img.pixel(0, 0), qRgb(255, 255, 255)); // the page is white, not the canvas
}

// The L0 of 1 January 2026 (299.2) ends at x 130 in row 1 (y 220..240):
// ink just left of the edge, none right of it before the B0 column.
void TestCoordinateTable::valuesEndAtTheirColumnEdge() {
    const QImage img = render(MakeCoordinateTablePage(MakeCoordinateYear(2026), 0), 16, 0);
    const int edge = L0ColumnRight(1);
    QVERIFY(hasInk(img, QRect(edge - 12, TableRowY(1), 12, TableRowHeight)));
    QVERIFY(!hasInk(img, QRect(edge + 1, TableRowY(1), 10, TableRowHeight)));
}

QTEST_MAIN(TestCoordinateTable)
#include "tst_coordinate_table.moc"
