// The painted list of observers with their periods (key "q" of the results window).
#include <QImage>
#include <QPainter>
#include <QTest>

#include <vector>

#include "render/protocol_observers.h"

using namespace hk;

namespace {

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
    void listSizeFollowsTheObservers() {
        const QSize empty = ObserverListSize({});
        const QSize two =
            ObserverListSize({{"A", {2000, 1, 1}, {2001, 1, 1}, 3}, {"B", {}, {}, 1}});
        QCOMPARE(two.width(), empty.width());
        QVERIFY(two.height() > empty.height());

        for (const auto& list :
             {std::vector<ObserverPeriod>{},
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
};

QTEST_MAIN(TestProtocolObservers)
#include "tst_protocol_observers.moc"
