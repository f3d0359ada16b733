// The yearly coordinate table on an image: where the title lands for a scale
// and a scroll position.
#include <QImage>
#include <QPainter>
#include <QTest>

#include "render/coordinate_table_renderer.h"

using namespace hk;

class TestCoordinateTable : public QObject {
    Q_OBJECT
  private slots:
    void titleLandsAtItsRow_data() {
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("scroll");
        QTest::addColumn<int>("top"); // device y of the title's text cell
        QTest::newRow("unscrolled") << 16 << 0 << 110;
        QTest::newRow("one step down") << 16 << 1 << 100;
        QTest::newRow("double scale") << 32 << 0 << 220;
        QTest::newRow("double scale scrolled") << 32 << 2 << 180;
    }

    // The title's cell starts at logical y 110; its ink begins in the top quarter
    // of the cell, nothing of it lies above. The page is white over the canvas.
    void titleLandsAtItsRow() {
        QFETCH(int, scale);
        QFETCH(int, scroll);
        QFETCH(int, top);
        QImage img(CoordinateTablePictureSize(scale), QImage::Format_RGB32);
        img.fill(Qt::red);
        {
            QPainter p(&img);
            DrawCoordinateTable(p, img.rect(), MakeCoordinateTablePage(MakeCoordinateYear(2026), 0),
                                {scale, scroll});
        }
        int ink = -1;
        for (int y = 0; y < img.height() && ink < 0; ++y)
            for (int x = TableScaled(160, scale); x < TableScaled(800, scale); ++x)
                if (qGray(img.pixel(x, y)) < 128) ink = y;
        const int cell = TitleFontHeight * scale / CoordinateTableUnitScale;
        QVERIFY2(ink >= top && ink < top + cell / 4, qPrintable(QString::number(ink)));
        QCOMPARE(img.pixel(0, 0), qRgb(255, 255, 255));
    }
};

QTEST_MAIN(TestCoordinateTable)
#include "tst_coordinate_table.moc"
