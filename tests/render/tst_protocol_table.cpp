// Pictures of the results window: tables printed across pages (how many
// pages, which rows land on which page, a PDF with that many pages), the
// painted list of observers with their periods (key "q") and the calendar of
// the days without activity; the yearly coordinate table.
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTest>
#include <functional>

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

// A picture of `size` filled with `fill`, with what `paint` draws on it.
QImage painted(QSize size, const QColor& fill,
               const std::function<void(QPainter&, const QRect&)>& paint) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(fill);
    QPainter p(&img);
    paint(p, img.rect());
    return img;
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
    // 704 x 350 dots: (350 - 200) / 15 = 10 rows per page; on a page twice
    // as wide the rows are twice as high, 5 per page.
    void pageCount() {
        const struct {
            int rows;
            QSize page;
            int pages;
        } cases[] = {{0, {704, 350}, 1},
                     {10, {704, 350}, 1},
                     {11, {704, 350}, 2},
                     {25, {704, 350}, 3},
                     {25, {1408, 350}, 5}};
        for (const auto& [rows, page, pages] : cases)
            QCOMPARE(TablePrintPageCount(grid(rows), page), pages);
    }

    // A page prints its title, the header, the rule under it and its rows:
    // 23 rows are 10 on the second page, 3 on the last, none past the end.
    void rowsSplitAcrossPages() {
        for (const auto& [pageIndex, rows] : {std::pair{1, 10}, {2, 3}, {3, 0}}) {
            const QImage img = painted({704, 350}, Qt::white, [&](QPainter& p, const QRect& r) {
                PaintTablePage(p, r, grid(23), QStringLiteral("Výsledky"), pageIndex);
            });
            QCOMPARE(inkBands(img), 3 + rows);
        }
    }

    void wideTableStaysOnThePage() {
        // 60 columns cannot fit at the normal size.
        const QImage img = painted({704, 350}, Qt::white, [](QPainter& p, const QRect&) {
            PaintTablePage(p, QRect(0, 0, 600, 350), grid(5, 60), QStringLiteral("T"), 0);
        });
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
        const QImage image = painted({900, 600}, Qt::blue, [&](QPainter& p, const QRect& r) {
            PaintSpotlessCalendar(p, r, model);
        });

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
        const QImage image = painted({600, 600}, Qt::blue, [&](QPainter& p, const QRect& r) {
            PaintSpotlessCalendar(p, r, model);
        });
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

    // The title's cell starts at logical y 110, at device y `top` for the
    // scale and the steps scrolled; its ink begins in the top quarter of the
    // cell, nothing of it lies above. The page is white over the canvas.
    void titleLandsAtItsRow() {
        const struct {
            int scale, scroll, top;
        } cases[] = {{16, 0, 110}, {16, 1, 100}, {32, 0, 220}, {32, 2, 180}};
        for (const auto& [scale, scroll, top] : cases) {
            const QImage img = painted(
                CoordinateTablePictureSize(scale), Qt::red, [&](QPainter& p, const QRect& r) {
                    DrawCoordinateTable(p, r, MakeCoordinateTablePage(MakeCoordinateYear(2026), 0),
                                        {scale, scroll});
                });
            int ink = -1;
            for (int y = 0; y < img.height() && ink < 0; ++y)
                for (int x = TableScaled(160, scale); x < TableScaled(800, scale); ++x)
                    if (qGray(img.pixel(x, y)) < 128) ink = y;
            const int cell = TitleFontHeight * scale / CoordinateTableUnitScale;
            QVERIFY2(
                ink >= top && ink < top + cell / 4,
                qPrintable(QString("%1 at scale %2 scroll %3").arg(ink).arg(scale).arg(scroll)));
            QCOMPARE(img.pixel(0, 0), qRgb(255, 255, 255));
        }
    }
};

QTEST_MAIN(TestProtocolTable)
#include "tst_protocol_table.moc"
