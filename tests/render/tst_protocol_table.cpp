// Pictures of the results window: tables printed across pages (how many
// pages, which rows land on which page, a PDF with that many pages), the
// painted list of observers with their periods (key "q") and the calendar of
// the days without activity; the yearly coordinate table.
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTest>

#include "render/coordinate_table_renderer.h"
#include "render/spotless_calendar.h"
#include "render/table_print.h"
#include "tests_support/pdf_pages.h"

using namespace hk;

namespace {

// A header row and `rows` rows of "X" cells.
ResultsGrid grid(int rows, int columns = 9) {
    ResultsGrid g;
    g.cells.push_back(std::vector<std::string>(static_cast<std::size_t>(columns), "   g  "));
    for (int r = 0; r < rows; ++r)
        g.cells.push_back(std::vector<std::string>(static_cast<std::size_t>(columns), "XX.XX"));
    return g;
}

// Runs of pixel rows with ink: one per printed text line.
int inkBands(const QImage& img) {
    int bands = 0;
    bool inBand = false;
    for (int y = 0; y < img.height(); ++y) {
        bool ink = false;
        for (int x = 0; x < img.width() && !ink; ++x)
            ink = qGray(img.pixel(x, y)) < 160;
        if (ink && !inBand) ++bands;
        inBand = ink;
    }
    return bands;
}

} // namespace

class TestProtocolTable : public QObject {
    Q_OBJECT
  private slots:
    void pageCount_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QSize>("page");
        QTest::addColumn<int>("pages");
        // 704 x 350 dots: (350 - 200) / 15 = 10 rows per page.
        QTest::newRow("empty table") << 0 << QSize(704, 350) << 1;
        QTest::newRow("one page full") << 10 << QSize(704, 350) << 1;
        QTest::newRow("one row over") << 11 << QSize(704, 350) << 2;
        QTest::newRow("25 rows") << 25 << QSize(704, 350) << 3;
        // Twice as wide: rows twice as high, 5 per page.
        QTest::newRow("wide page") << 25 << QSize(1408, 350) << 5;
    }

    void pageCount() {
        QFETCH(int, rows);
        QFETCH(QSize, page);
        QFETCH(int, pages);
        QCOMPARE(TablePrintPageCount(grid(rows), page), pages);
    }

    void rowsSplitAcrossPages_data() {
        QTest::addColumn<int>("pageIndex");
        QTest::addColumn<int>("lines"); // title, header, the rule under it and the rows of the page
        QTest::newRow("second page") << 1 << 3 + 10;
        QTest::newRow("last page") << 2 << 3 + 3;
        QTest::newRow("past the end") << 3 << 3;
    }

    void rowsSplitAcrossPages() {
        QFETCH(int, pageIndex);
        QFETCH(int, lines);
        QImage img(704, 350, QImage::Format_RGB32);
        img.fill(Qt::white);
        {
            QPainter p(&img);
            PaintTablePage(p, img.rect(), grid(23), QStringLiteral("Výsledky"), pageIndex);
        }
        QCOMPARE(inkBands(img), lines);
    }

    void wideTableStaysOnThePage() {
        QImage img(704, 350, QImage::Format_RGB32);
        img.fill(Qt::white);
        {
            QPainter p(&img);
            // 60 columns cannot fit at the normal size.
            PaintTablePage(p, QRect(0, 0, 600, 350), grid(5, 60), QStringLiteral("T"), 0);
        }
        for (int y = 0; y < img.height(); ++y)
            for (int x = 600; x < img.width(); ++x)
                QCOMPARE(img.pixelColor(x, y), QColor(Qt::white));
        // The last column is still printed.
        bool ink = false;
        for (int y = 0; y < img.height() && !ink; ++y)
            for (int x = 540; x < 600 && !ink; ++x)
                ink = qGray(img.pixel(x, y)) < 160;
        QVERIFY(ink);
    }

    void pdfHasEveryPage() {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        int printed = 0;
        int expected = 0;
        {
            QPdfWriter pdf(&buffer);
            pdf.setPageSize(QPageSize(QPageSize::A4));
            pdf.setResolution(150);
            const ResultsGrid g = grid(300, 16);
            expected = TablePrintPageCount(g, QSize(pdf.width(), pdf.height()));
            printed =
                PrintTable(pdf, g, QStringLiteral("Výsledky    statistika - naměřené - celkový"));
        }
        QVERIFY(expected > 1);
        QCOMPARE(printed, expected);
        QCOMPARE(PdfPages(bytes.toStdString()), expected);
    }

    // A marked day is a red cell with a black border in its month's column
    // and its day's row; other cells stay white.
    void spotlessDayIsARedCell() {
        const std::vector<std::string> days = {"31.12.2005", "01.02.2005", "15.07.2006"};
        const SpotlessCalendar model = BuildSpotlessCalendar(days, 2005, 900, 600, 100);
        QImage image(900, 600, QImage::Format_RGB32);
        image.fill(Qt::blue);
        QPainter p(&image);
        PaintSpotlessCalendar(p, image.rect(), model);
        p.end();

        // w = 60: December from x = 780, row 31 from y = 15 * 31 + 61.
        QCOMPARE(image.pixelColor(810, 15 * 31 + 67), QColor(255, 0, 0));
        QCOMPARE(image.pixelColor(781, 15 * 31 + 67), QColor(Qt::black)); // its border
        QCOMPARE(image.pixelColor(810, 15 * 31 + 74), QColor(Qt::white)); // below it
        QCOMPARE(image.pixelColor(190, 15 * 1 + 67), QColor(255, 0, 0));  // 1 February
        QCOMPARE(image.pixelColor(490, 15 * 15 + 67), QColor(Qt::white)); // 15 July 2006 not shown
        QCOMPARE(image.pixelColor(899, 599), QColor(Qt::white));          // the whole area filled
        QCOMPARE(image.pixelColor(60, 300), QColor(Qt::black));           // the first vertical line
    }

    void calendarMonthNamesKeepToTheirColumns() {
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

QTEST_MAIN(TestProtocolTable)
#include "tst_protocol_table.moc"
