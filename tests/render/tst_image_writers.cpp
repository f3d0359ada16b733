// Saving pictures: the format follows the extension, files are replaced
// atomically, and a refused save leaves the old file as it was. PNG files of
// the program's own encoder: every pixel comes back through QImage's reader
// (libpng, which checks the chunks' CRCs and the stream's Adler-32), in the
// colour type the image's format calls for.
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include "io/atomic_file.h"
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
    // PNG, JPEG by either extension in either case, and BMP under a name
    // with Czech letters and spaces; each read back in its format.
    void formatByExtension() {
        const struct {
            const char* name;
            QByteArray magic;
            bool lossless;
        } cases[] = {{"a.png", QByteArray("\x89PNG", 4), true},
                     {"a.jpg", QByteArray("\xFF\xD8\xFF", 3), false},
                     {"A.JPEG", QByteArray("\xFF\xD8\xFF", 3), false},
                     {"Obrázek Zakres 2021-03-04.bmp", QByteArray("BM"), true}};
        for (const auto& [name, magic, lossless] : cases) {
            QTemporaryDir dir;
            const std::filesystem::path path = dir.filePath(name).toStdString();
            SaveImage(sample(), path, 90);
            QCOMPARE(QByteArray::fromStdString(hk::ReadWholeFile(path)).left(magic.size()), magic);
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
    }

    void higherQualityGivesLargerFile() {
        QImage noisy(128, 128, QImage::Format_RGB32);
        for (int y = 0; y < 128; ++y)
            for (int x = 0; x < 128; ++x)
                noisy.setPixel(x, y, qRgb((x * 7) ^ y, x * y, y * 3));
        QVERIFY(hk::EncodeJpeg(noisy, 20).size() < hk::EncodeJpeg(noisy, 95).size());
    }

    // A refused save (an extension of no format, or none) throws and leaves
    // the old file as it was; a missing folder and an empty image throw too.
    void refusedSavesThrow() {
        QTemporaryDir dir;
        for (const char* name : {"old.gif", "old"}) {
            const std::filesystem::path path = dir.filePath(name).toStdString();
            hk::WriteFileAtomic(path, "old");
            QVERIFY_THROWS_EXCEPTION(std::runtime_error, SaveImage(sample(), path, 90));
            QCOMPARE(hk::ReadWholeFile(path), std::string("old"));
        }
        const std::filesystem::path missing = dir.filePath("missing/x.jpg").toStdString();
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, SaveImage(sample(), missing, 90));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, hk::EncodeJpeg(QImage(), 90));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, hk::EncodePng(QImage()));
    }

    // Each row of a format the encoder writes: RGB over several blocks (3 x
    // 1001 + 1 bytes a row do not fill them evenly) and 1 x 1, opaque ARGB
    // written as RGB, RGBA straight and premultiplied, grey, and a palette
    // left to Qt's writer.
    void roundTrip() {
        using F = QImage::Format;
        const struct {
            QSize size;
            F format;
            bool translucent;
            F decoded;
        } cases[] = {{{1001, 300}, F::Format_RGB32, false, F::Format_RGB32},
                     {{1, 1}, F::Format_RGB32, false, F::Format_RGB32},
                     {{37, 5}, F::Format_ARGB32, false, F::Format_RGB32},
                     {{37, 90}, F::Format_ARGB32, true, F::Format_ARGB32},
                     {{333, 400}, F::Format_ARGB32_Premultiplied, true, F::Format_ARGB32},
                     {{1001, 300}, F::Format_Grayscale8, false, F::Format_Grayscale8},
                     {{37, 5}, F::Format_Indexed8, false, F::Format_Indexed8}};
        for (const auto& [size, format, translucent, decoded] : cases) {
            const QImage image = picture(size, format, translucent);
            const std::string png = hk::EncodePng(image);
            QImage back;
            QVERIFY(back.loadFromData(QByteArray::fromStdString(png), "PNG"));
            QCOMPARE(back.format(), decoded);
            QCOMPARE(back.convertToFormat(QImage::Format_ARGB32),
                     image.convertToFormat(QImage::Format_ARGB32));
            QCOMPARE(back.dotsPerMeterX(), 2835);
            QCOMPARE(back.dotsPerMeterY(), 3780);
        }
    }
};

QTEST_MAIN(TestImageWriters)
#include "tst_image_writers.moc"
