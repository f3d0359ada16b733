// heliokres-cli render protocol: a picture of the form's size, a one-page
// PDF, and the refusals.
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "demo/demo.h"
#include "render/protocol.h"
#include "tests_support/pdf_pages.h"

using namespace hk;

namespace {

struct Run {
    int code;
    QString out;
    QString err;
};

Run cli(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(HELIOKRES_CLI), args);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

class TestProtocolCli : public QObject {
    Q_OBJECT
    QTemporaryDir tmp_;
    QString demo_;

  private slots:
    void initTestCase() {
        demo_ = tmp_.filePath(QStringLiteral("demo"));
        DemoOptions o;
        o.years = 2;
        o.endDate = {2024, 12, 31};
        WriteDemoDirectory(demo_.toStdString(), o);
    }

    void picture_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QSize>("size");
        const QSizeF cert = ProtocolFormSize(ProtocolKind::Sidc, VelikostPismaVychozi);
        const QSizeF own = ProtocolFormSize(ProtocolKind::Vlastni, VelikostPismaVychozi);
        QTest::newRow("certificate png") << "--sidc"
                                         << "c.png" << QStringList() << cert.toSize();
        QTest::newRow("protocol bmp") << "--own"
                                      << "p.bmp" << QStringList() << own.toSize();
        QTest::newRow("protocol 1520 wide")
            << "--own"
            << "w.png" << QStringList{"--width", "1520"} << (own * 2).toSize();
    }

    void picture() {
        QFETCH(QString, form);
        QFETCH(QString, name);
        QFETCH(QStringList, extra);
        QFETCH(QSize, size);
        const QString out = tmp_.filePath(name);
        const Run r =
            cli(QStringList{"render", "protocol", demo_, "3.2024", form, "--out", out} + extra);
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out.trimmed(), out);
        const QImage img(out);
        QCOMPARE(img.size(), size);
        QCOMPARE(img.pixelColor(3, 3), QColor(Qt::white));
    }

    void pdfHasOnePage() {
        const QString out = tmp_.filePath(QStringLiteral("Protokol.PDF"));
        const Run r = cli({"render", "protocol", demo_, "3,2024", "--sidc", "--out", out});
        QCOMPARE(r.code, 0);
        QFile f(out);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray pdf = f.readAll();
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(PdfPages(pdf.toStdString()), 1);
    }

    void refusals_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("name");
        QTest::newRow("month without drawings")
            << QStringList{"3.1990", "--own"} << 1 << " Poalední záznam je z "
            << "a.pdf";
        QTest::newRow("no form chosen") << QStringList{"3.2024"} << 2 << "--own"
                                        << "a.pdf";
        QTest::newRow("both forms") << QStringList{"3.2024", "--own", "--sidc"} << 2 << "--own"
                                    << "a.pdf";
        QTest::newRow("width of a pdf")
            << QStringList{"3.2024", "--own", "--width", "900"} << 2 << "PDF"
            << "a.pdf";
        QTest::newRow("width too small")
            << QStringList{"3.2024", "--own", "--width", "10"} << 2 << "šířka"
            << "a.png";
        QTest::newRow("unknown picture type") << QStringList{"3.2024", "--own"} << 1 << ""
                                              << "a.gif";
    }

    void refusals() {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, message);
        QFETCH(QString, name);
        const QString out = tmp_.filePath(name);
        const Run r =
            cli(QStringList{"render", "protocol", demo_} + args + QStringList{"--out", out});
        QCOMPARE(r.code, code);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY(!QFile::exists(out));
    }
};

QTEST_MAIN(TestProtocolCli)
#include "tst_protocol_cli.moc"
