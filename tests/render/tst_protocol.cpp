// The monthly protocol and the certificate: where the painters put their ink,
// the font size keys and the printed page.
#include <QImage>
#include <QPainter>
#include <QTest>

#include <cmath>
#include <vector>

#include "render/protocol.h"
#include "results/protocol_data.h"
#include "tests_support/records.h"

using namespace hk;

namespace {

// March 2001: drawings on the 3rd and two on the 17th, framed by February and
// April; each with its summary's groups and spots of the north and the south.
std::vector<TZaznam> march() {
    const struct {
        const char* date;
        int time, gSev, fSev, gJih, fJih, q, faculae;
        const char* observer;
    } drawings[] = {{"27.02.2001", 800, 1, 1, 0, 0, 2, 0, "Novák"},
                    {"03.03.2001", 705, 3, 12, 1, 2, 2, 4, "Novák"},
                    {"17.03.2001", 900, 1, 1, 1, 1, 3, 1, "Dvořák"},
                    {"17.03.2001", 1330, 2, 5, 0, 0, 1, 6, "Šťastná"},
                    {"02.04.2001", 1000, 5, 50, 5, 50, 2, 0, "Novák"}};
    std::vector<TZaznam> out;
    for (const auto& d : drawings) {
        TZaznam& z = out.emplace_back(
            test_records::Record(d.date, static_cast<std::uint16_t>(d.time), d.observer));
        z.Q = static_cast<std::uint8_t>(d.q);
        z.PocetFakuli = static_cast<std::uint16_t>(d.faculae);
        TSouhrn& s = z.Souhrn;
        s.Cas = z.Cas;
        s.gSev = static_cast<std::uint16_t>(d.gSev);
        s.fSev = static_cast<std::uint16_t>(d.fSev);
        s.RSev = static_cast<std::uint16_t>(10 * d.gSev + d.fSev);
        s.gJih = static_cast<std::uint16_t>(d.gJih);
        s.fJih = static_cast<std::uint16_t>(d.fJih);
        s.RJih = static_cast<std::uint16_t>(10 * d.gJih + d.fJih);
    }
    return out;
}

// Rows 1 to 5: the station, instrument, aperture, focal length and magnification.
StationData station() {
    StationData o;
    o.lines = {"Hvězdárna Úpice", "Refractor", "150", "2250", "25"};
    return o;
}

// The protocol of March 2001 (from its first drawing on).
const ProtocolData& marchData() {
    static const ProtocolData data = BuildProtocolData(march(), 1, station());
    return data;
}

bool hasInk(const QImage& img, const QRectF& area) {
    const QRect r = area.toAlignedRect().intersected(img.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (qGray(img.pixel(x, y)) < 128) return true;
    return false;
}

// The inner part of a cell, clear of the table's rules.
QRectF inner(const QRectF& cell) {
    return cell.adjusted(2, 2, -2, -2);
}

QImage paint(const ProtocolData& data, ProtocolKind kind, const ProtocolOptions& o, QSize size,
             QPoint offset = {}) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::red);
    QPainter p(&img);
    PaintProtocol(p, QRect(offset, size - QSize(offset.x(), offset.y())), data, kind, o);
    return img;
}

} // namespace

class TestProtocol : public QObject {
    Q_OBJECT
  private slots:
    // Painting a month without days draws the form without failing.
    void emptyMonthStillDrawsTheForm() {
        const QImage img = paint(BuildProtocolData(march(), 99, station()), ProtocolKind::Sidc, {},
                                 QSize(700, 840));
        QVERIFY(hasInk(img, QRectF(0, 0, 700, 840)));
    }

    void observedDaysHaveInk() {
        for (const ProtocolKind kind : {ProtocolKind::Sidc, ProtocolKind::Own}) {
            const ProtocolOptions o;
            const QSizeF form = ProtocolFormSize(kind, o.fontSize);
            const QImage img = paint(marchData(), kind, o, form.toSize());

            for (int column = 0; column < ProtocolTableColumns; ++column)
                QVERIFY2(hasInk(img, inner(ProtocolCellRect(kind, o, 0, column))), "header");
            for (int day : {3, 17})
                for (int column = 0; column < ProtocolTableColumns; ++column)
                    QVERIFY2(hasInk(img, inner(ProtocolCellRect(kind, o, day, column))),
                             qPrintable(QString("day %1 column %2").arg(day).arg(column)));
            // An empty day shows its number only; the days after the month's end are empty.
            QVERIFY(hasInk(img, inner(ProtocolCellRect(kind, o, 4, 0))));
            for (int column = 1; column < ProtocolTableColumns; ++column)
                QVERIFY(!hasInk(img, inner(ProtocolCellRect(kind, o, 4, column))));
            for (int column = 2; column < ProtocolTableColumns - 1; ++column) {
                QVERIFY(hasInk(img, inner(ProtocolCellRect(kind, o, ProtocolSumRow, column))));
                QVERIFY(hasInk(img, inner(ProtocolCellRect(kind, o, ProtocolMeanRow, column))));
            }
            QVERIFY(!hasInk(
                img, inner(ProtocolCellRect(kind, o, ProtocolMeanRow, ProtocolTableColumns - 1))));
            QCOMPARE(img.pixelColor(2, 2), QColor(Qt::white));
        }
    }

    void scrollMovesTheFormUp() {
        ProtocolOptions o;
        const QRectF cell = inner(ProtocolCellRect(ProtocolKind::Sidc, o, 17, 2));
        o.scroll = 200;
        const QImage img = paint(marchData(), ProtocolKind::Sidc, o, QSize(700, 840));
        QVERIFY(hasInk(img, cell.translated(0, -200)));
        QVERIFY(!hasInk(img, cell));
    }

    void fontSizeScalesTheCzechForm() {
        ProtocolOptions big;
        big.fontSize = 24;
        const ProtocolOptions normal;
        const QRectF small = ProtocolCellRect(ProtocolKind::Own, normal, 17, 2);
        const QRectF large = ProtocolCellRect(ProtocolKind::Own, big, 17, 2);
        QCOMPARE(large.topLeft(), small.topLeft() * 2);
        QCOMPARE(ProtocolFormSize(ProtocolKind::Own, 24),
                 ProtocolFormSize(ProtocolKind::Own, 12) * 2);
        // The certificate has no font size of its own.
        QCOMPARE(ProtocolFormSize(ProtocolKind::Sidc, 24),
                 ProtocolFormSize(ProtocolKind::Sidc, 12));
        // The keys' steps are the results window's test; here the sizes' ends.
        QCOMPARE(LargerFontSize(60), 20);
        QCOMPARE(SmallerFontSize(8), 8);

        const QImage img = paint(marchData(), ProtocolKind::Own, big,
                                 ProtocolFormSize(ProtocolKind::Own, 24).toSize());
        QVERIFY(hasInk(img, inner(large)));
        QVERIFY(!hasInk(img, inner(ProtocolCellRect(ProtocolKind::Own, big, 16, 2))));
    }

    void nothingOutsideTheTarget() {
        // A target smaller than the form, away from the image's corner.
        const QImage img =
            paint(marchData(), ProtocolKind::Own, {}, QSize(400, 300), QPoint(50, 40));
        QCOMPARE(img.pixelColor(10, 10), QColor(Qt::red));
        QCOMPARE(img.pixelColor(399, 39), QColor(Qt::red));
        QCOMPARE(img.pixelColor(49, 299), QColor(Qt::red));
        QCOMPARE(img.pixelColor(52, 42), QColor(Qt::white));
    }

    // The printed form follows the Czech protocol's font size as the window
    // does: smaller on one page, larger over several pages whose splits fall
    // between the table's rows; every part of the form is printed once, each
    // on its page. (The pages of a PDF: tst_results_window.)
    void printedPages() {
        const struct {
            ProtocolKind kind;
            int size;
            bool onePage;
        } cases[] = {{ProtocolKind::Sidc, 12, true},
                     {ProtocolKind::Own, 12, true},
                     {ProtocolKind::Own, 24, false},
                     {ProtocolKind::Own, 60, false}};
        for (const auto& [kind, size, onePage] : cases) {
            const QSize page(850, 1100);
            const double unit = ProtocolFitUnit(kind, DefaultFontSize, page);
            const QSizeF form = ProtocolFormSize(kind, size) * unit;
            const std::vector<QRectF> pieces = ProtocolPrintPieces(kind, size, page);
            QCOMPARE(pieces.size() == 1, onePage);
            if (onePage) QCOMPARE(pieces.front().size(), form);

            QRectF all;
            double area = 0;
            for (const QRectF& piece : pieces) {
                QVERIFY(piece.width() <= page.width() + 0.5 &&
                        piece.height() <= page.height() + 0.5);
                all |= piece;
                area += piece.width() * piece.height();
                // No row of the table is cut by a page's edge.
                ProtocolOptions o{unit, 0, size};
                for (int row = 0; row <= ProtocolMeanRow; ++row) {
                    const QRectF cell = ProtocolCellRect(kind, o, row, 0);
                    const bool inside =
                        cell.top() >= piece.top() - 0.5 && cell.bottom() <= piece.bottom() + 0.5;
                    const bool outside =
                        cell.bottom() <= piece.top() + 0.5 || cell.top() >= piece.bottom() - 0.5;
                    QVERIFY2(inside || outside, qPrintable(QString("row %1").arg(row)));
                }
            }
            QCOMPARE(all, QRectF(QPointF(0, 0), form));
            QVERIFY(std::abs(area - form.width() * form.height()) < 1);

            // The observer of the 17th is printed on the page that holds it.
            const QRectF observer =
                inner(ProtocolCellRect(kind, {unit, 0, size}, 17, ProtocolTableColumns - 1));
            std::size_t i = 0;
            while (i < pieces.size() && !pieces[i].contains(observer.topLeft()))
                ++i;
            QVERIFY(i < pieces.size());
            QImage img(page, QImage::Format_RGB32);
            img.fill(Qt::white);
            {
                QPainter p(&img);
                PaintProtocolPage(p, img.rect(), marchData(), kind, size, static_cast<int>(i));
            }
            const double left = onePage ? (page.width() - std::ceil(form.width())) / 2 : 0;
            QVERIFY(hasInk(img, observer
                                    .translated(std::max(0.0, std::floor(left)) - pieces[i].left(),
                                                -pieces[i].top())
                                    .intersected(QRectF(0, 0, page.width(), page.height()))));
        }
    }
};

QTEST_MAIN(TestProtocol)
#include "tst_protocol.moc"
