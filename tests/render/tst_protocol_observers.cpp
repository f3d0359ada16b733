// The list of observers with their periods (key "q" of the results window).
#include <QImage>
#include <QPainter>
#include <QTest>

#include <vector>

#include "render/protocol_observers.h"

using namespace hk;

namespace {

TZaznam drawing(const char* datum, const char* observer) {
    TZaznam z{};
    z.Datum.setText(datum);
    z.Pozorovatel.setText(observer);
    return z;
}

bool hasInk(const QImage& img) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < 128) return true;
    return false;
}

} // namespace

class TestProtocolObservers : public QObject {
    Q_OBJECT
  private slots:
    void periodsAndCounts();
    void listSizeFollowsTheObservers();
};

void TestProtocolObservers::periodsAndCounts() {
    const std::vector<TZaznam> records = {
        drawing("03.05.2001", "Šťastná"), drawing("01.02.2000", "Novák"),
        drawing("07.07.2003", "Novák"),   drawing("15.01.1999", "novák"),
        drawing("xx.yy.zzzz", "Šťastná"), drawing("09.09.2009", "Nikdo v seznamu")};
    const auto periods = ObserverPeriods(records, {"Novák", "Šťastná", "Bez zákresu"});
    QCOMPARE(periods.size(), std::size_t{2});
    // In the order of the names; the name compares exactly (not "novák").
    QCOMPARE(periods[0].name, std::string("Novák"));
    QCOMPARE(periods[0].count, 2);
    QCOMPARE(periods[0].first, (Date{2000, 2, 1}));
    QCOMPARE(periods[0].last, (Date{2003, 7, 7}));
    // A drawing whose date cannot be read counts but has no place in the period.
    QCOMPARE(periods[1].name, std::string("Šťastná"));
    QCOMPARE(periods[1].count, 2);
    QCOMPARE(periods[1].first, (Date{2001, 5, 3}));
    QCOMPARE(periods[1].last, (Date{2001, 5, 3}));
}

void TestProtocolObservers::listSizeFollowsTheObservers() {
    const QSize empty = ObserverListSize({});
    const QSize two = ObserverListSize({{"A", {2000, 1, 1}, {2001, 1, 1}, 3}, {"B", {}, {}, 1}});
    QCOMPARE(two.width(), empty.width());
    QVERIFY(two.height() > empty.height());

    for (const auto& list : {std::vector<ObserverPeriod>{},
                             std::vector<ObserverPeriod>{{"A", {2000, 1, 1}, {2001, 1, 1}, 3}}}) {
        QImage img(ObserverListSize(list) + QSize(20, 20), QImage::Format_RGB32);
        img.fill(Qt::red);
        {
            QPainter p(&img);
            PaintObserverList(p, QRect(QPoint(0, 0), ObserverListSize(list)), list);
        }
        // Painted on white inside its size, nothing beyond it.
        QCOMPARE(img.pixelColor(5, 5), QColor(Qt::white));
        QCOMPARE(img.pixelColor(img.width() - 5, img.height() - 5), QColor(Qt::red));
        QVERIFY(hasInk(img.copy(QRect(QPoint(2, 2), ObserverListSize(list) - QSize(4, 4)))));
    }
}

QTEST_MAIN(TestProtocolObservers)
#include "tst_protocol_observers.moc"
