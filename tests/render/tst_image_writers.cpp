// Saving pictures: the format follows the extension, files are replaced
// atomically, and a refused save leaves the old file as it was. PNG files of
// the program's own encoder: every pixel comes back through QImage's reader
// (libpng, which checks the chunks' CRCs and the stream's Adler-32), in the
// colour type the image's format calls for.
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>

#include "render/jpeg_writer.h"
#include "render/png_writer.h"

using hk::SaveImage;

class TestImageWriters : public QObject {
    Q_OBJECT
    static QImage sample() {
        QImage img(64, 48, QImage::Format_RGB32);
        img.fill(QColor(255, 255, 180));
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                img.setPixelColor(x, y, QColor(10, 10, 205));
        return img;
    }

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
    void formatByExtension_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("magic");
        QTest::addColumn<bool>("lossless");
        QTest::newRow("png") << "a.png" << QByteArray("\x89PNG", 4) << true;
        QTest::newRow("jpg") << "a.jpg" << QByteArray("\xFF\xD8\xFF", 3) << false;
        QTest::newRow("JPEG upper case") << "A.JPEG" << QByteArray("\xFF\xD8\xFF", 3) << false;
        QTest::newRow("Czech folder name")
            << "Obrázek Zakres 2021-03-04.bmp" << QByteArray("BM") << true;
    }
    void formatByExtension() {
        QFETCH(QString, name);
        QFETCH(QByteArray, magic);
        QFETCH(bool, lossless);
        QTemporaryDir dir;
        const std::filesystem::path path = dir.filePath(name).toStdString();
        SaveImage(sample(), path, 90);

        QFile file(QString::fromStdString(path.string()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(magic.size()), magic);
        QImage back(QString::fromStdString(path.string()));
        QCOMPARE(back.size(), QSize(64, 48));
        const QColor corner = back.pixelColor(4, 4);
        const QColor field = back.pixelColor(40, 30);
        if (lossless) {
            QCOMPARE(corner, QColor(10, 10, 205));
            QCOMPARE(field, QColor(255, 255, 180));
        } else {
            QVERIFY(qAbs(corner.blue() - 205) < 12 && corner.red() < 30);
            QVERIFY(qAbs(field.blue() - 180) < 12 && field.red() > 240);
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1); // no temporary left
    }

    void higherQualityGivesLargerFile() {
        QImage noisy(128, 128, QImage::Format_RGB32);
        for (int y = 0; y < 128; ++y)
            for (int x = 0; x < 128; ++x)
                noisy.setPixel(x, y, qRgb((x * 7) ^ y, x * y, y * 3));
        QVERIFY(hk::EncodeJpeg(noisy, 20).size() < hk::EncodeJpeg(noisy, 95).size());
    }

    void refusedSaveKeepsOldFile_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("unknown extension") << "old.gif";
        QTest::newRow("no extension") << "old";
    }
    void refusedSaveKeepsOldFile() {
        QFETCH(QString, name);
        QTemporaryDir dir;
        const std::filesystem::path path = dir.filePath(name).toStdString();
        { std::ofstream(path) << "old"; }
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, SaveImage(sample(), path, 90));
        std::ifstream in(path);
        std::string text;
        in >> text;
        QCOMPARE(text, std::string("old"));
    }

    void missingFolderAndEmptyImageThrow() {
        QTemporaryDir dir;
        const std::filesystem::path path = dir.filePath("missing/x.jpg").toStdString();
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, SaveImage(sample(), path, 90));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, hk::EncodeJpeg(QImage(), 90));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, hk::EncodePng(QImage()));
    }

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
};

QTEST_MAIN(TestImageWriters)
#include "tst_image_writers.moc"
