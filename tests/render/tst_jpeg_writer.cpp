// Saving pictures: the format follows the extension, files are replaced
// atomically, and a refused save leaves the old file as it was.
#include <QTemporaryDir>
#include <QTest>

#include <fstream>

#include "render/jpeg_writer.h"

using hk::SaveImage;

class TestJpegWriter : public QObject {
    Q_OBJECT

    static QImage sample() {
        QImage img(64, 48, QImage::Format_RGB32);
        img.fill(QColor(255, 255, 180));
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                img.setPixelColor(x, y, QColor(10, 10, 205));
        return img;
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

    void missingFolderThrows() {
        QTemporaryDir dir;
        const std::filesystem::path path = dir.filePath("missing/x.jpg").toStdString();
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, SaveImage(sample(), path, 90));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, hk::EncodeJpeg(QImage(), 90));
    }
};

QTEST_MAIN(TestJpegWriter)
#include "tst_jpeg_writer.moc"
