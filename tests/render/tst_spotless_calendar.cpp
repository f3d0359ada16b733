// The calendar of the days without activity painted into an image: a marked
// day is a red cell with a black border in its month's column and its day's
// row, other cells stay white.
#include <QImage>
#include <QPainter>
#include <QTest>

#include "render/spotless_calendar.h"

using namespace hk;

class TestSpotlessCalendar : public QObject {
    Q_OBJECT
  private slots:
    void markedDayIsARedCell();
    void monthNamesKeepToTheirColumns();
};

void TestSpotlessCalendar::markedDayIsARedCell() {
    const std::vector<std::string> days = {"31.12.2005", "01.02.2005", "15.07.2006"};
    const SpotlessCalendar model = BuildSpotlessCalendar(days, 2005, 900, 600, 100);
    QImage image(900, 600, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter p(&image);
    PaintSpotlessCalendar(p, image.rect(), model);
    p.end();
    if (const QByteArray dir = qgetenv("HK_SCREENSHOTS"); !dir.isEmpty())
        image.save(QString::fromUtf8(dir) + "/kalendar.png");

    // w = 60: December from x = 780, row 31 from y = 15 * 31 + 61.
    QCOMPARE(image.pixelColor(810, 15 * 31 + 67), QColor(255, 0, 0));
    QCOMPARE(image.pixelColor(781, 15 * 31 + 67), QColor(Qt::black)); // its border
    QCOMPARE(image.pixelColor(810, 15 * 31 + 74), QColor(Qt::white)); // below it
    QCOMPARE(image.pixelColor(190, 15 * 1 + 67), QColor(255, 0, 0));  // 1 February
    QCOMPARE(image.pixelColor(490, 15 * 15 + 67), QColor(Qt::white)); // 15 July 2006 not shown
    QCOMPARE(image.pixelColor(899, 599), QColor(Qt::white));          // the whole area filled
    QCOMPARE(image.pixelColor(60, 300), QColor(Qt::black));           // the first vertical line
}

void TestSpotlessCalendar::monthNamesKeepToTheirColumns() {
    // A narrow calendar: columns of 40 pixels, "Červenec" wider than that.
    const SpotlessCalendar model = BuildSpotlessCalendar({}, 2005, 600, 600, 100);
    QImage image(600, 600, QImage::Format_RGB32);
    QPainter p(&image);
    PaintSpotlessCalendar(p, image.rect(), model);
    p.end();
    const int w = 40;
    // Between the room of one month's name and the start of the next the
    // header row (between the lines at y = 60 and 75) stays white but for
    // the column line.
    for (int m = 1; m < 12; ++m)
        for (int x = 20 + w * (m + 1) + w - 20 - 2; x < 20 + w * (m + 2); ++x)
            for (int y = 61; y < 75 && x % w != 0; ++y)
                QVERIFY2(image.pixelColor(x, y) == QColor(Qt::white),
                         qPrintable(QString("month %1 at %2,%3").arg(m).arg(x).arg(y)));
}

QTEST_MAIN(TestSpotlessCalendar)
#include "tst_spotless_calendar.moc"
