// PNG files of the program's own encoder: every pixel comes back through
// QImage's reader (libpng, which checks the chunks' CRCs and the stream's
// Adler-32), in the colour type the image's format calls for.
#include <QRandomGenerator>
#include <QTest>

#include "render/png_writer.h"

class TestPngWriter : public QObject {
    Q_OBJECT

    // Flat colour with lines, and noise in the lower part (which defeats the
    // compression and makes the encoder grow its buffers).
    static QImage picture(QSize size, QImage::Format format, bool translucent) {
        QImage image(size, QImage::Format_ARGB32);
        QRandomGenerator random(7);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                const bool noise = y > size.height() / 2;
                const quint32 v =
                    noise ? random.generate() : (x % 13 == 0 ? 0xff102030 : 0xfffefdfc);
                const int alpha = translucent ? (x + y) % 256 : 255;
                image.setPixel(x, y, qRgba(qRed(v), qGreen(v), qBlue(v), alpha));
            }
        image.setDotsPerMeterX(2835);
        image.setDotsPerMeterY(3780);
        return image.convertToFormat(format);
    }

  private slots:
    void roundTrip_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("translucent");
        QTest::addColumn<int>("decoded");
        const int rgb = QImage::Format_RGB32, argb = QImage::Format_ARGB32;
        // 3 x 1001 + 1 bytes a row: the rows do not fill the blocks evenly.
        QTest::newRow("RGB, several blocks") << QSize(1001, 300) << rgb << false << rgb;
        QTest::newRow("RGB, 1 x 1") << QSize(1, 1) << rgb << false << rgb;
        QTest::newRow("opaque ARGB as RGB") << QSize(37, 5) << argb << false << rgb;
        QTest::newRow("RGBA") << QSize(37, 90) << argb << true << argb;
        QTest::newRow("premultiplied RGBA")
            << QSize(333, 400) << int(QImage::Format_ARGB32_Premultiplied) << true << argb;
        QTest::newRow("grey") << QSize(1001, 300) << int(QImage::Format_Grayscale8) << false
                              << int(QImage::Format_Grayscale8);
        QTest::newRow("palette through Qt's writer") << QSize(37, 5) << int(QImage::Format_Indexed8)
                                                     << false << int(QImage::Format_Indexed8);
    }
    void roundTrip() {
        QFETCH(QSize, size);
        QFETCH(int, format);
        QFETCH(bool, translucent);
        QFETCH(int, decoded);
        const QImage image = picture(size, QImage::Format(format), translucent);
        const std::string png = hk::EncodePng(image);
        QImage back;
        QVERIFY(back.loadFromData(QByteArray::fromStdString(png), "PNG"));
        QCOMPARE(int(back.format()), decoded);
        QCOMPARE(back.convertToFormat(QImage::Format_ARGB32),
                 image.convertToFormat(QImage::Format_ARGB32));
        QCOMPARE(back.dotsPerMeterX(), 2835);
        QCOMPARE(back.dotsPerMeterY(), 3780);
    }

    void emptyImageThrows() {
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, hk::EncodePng(QImage()));
    }
};

QTEST_MAIN(TestPngWriter)
#include "tst_png_writer.moc"
