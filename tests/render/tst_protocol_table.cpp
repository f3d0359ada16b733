// Tables of the results window printed across pages: how many pages, which
// rows land on which page, and a PDF with that many pages.
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTest>

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
};

QTEST_MAIN(TestProtocolTable)
#include "tst_protocol_table.moc"
