// heliokres-cli render protocol: a picture of the form's size, a one-page
// PDF, and the refusals.
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include "demo/demo.h"
#include "render/protocol.h"
#include "tests_support/pdf_pages.h"
#include "tests_support/run_cli.h"

using namespace hk;

namespace {

// Every argument quoted for the shell; standard error joins the output when
// `withErrors`.
CliRun cli(const QStringList& args, bool withErrors = false) {
    QStringList quoted;
    for (const QString& a : args)
        quoted << "'" + a + "'";
    return RunCli(quoted.join(' ').toStdString(), withErrors);
}

} // namespace

class TestProtocolCli : public QObject {
    Q_OBJECT
    QTemporaryDir tmp_;
    QString demo_;

  private slots:
    void initTestCase() {
        demo_ = tmp_.filePath(QStringLiteral("demo"));
        DemoOptions o{.years = 2, .endDate = {2024, 12, 31}};
        WriteDemoDirectory(demo_.toStdString(), o);
    }

    void picture_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QSize>("size");
        const QSizeF cert = ProtocolFormSize(ProtocolKind::Sidc, DefaultFontSize);
        const QSizeF own = ProtocolFormSize(ProtocolKind::Own, DefaultFontSize);
        QTest::newRow("certificate png") << "--sidc"
                                         << "c.png" << QStringList() << cert.toSize();
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
        const CliRun r =
            cli(QStringList{"render", "protocol", demo_, "3.2024", form, "--out", out} + extra);
        QCOMPARE(r.status, 0);
        QCOMPARE(QString::fromStdString(r.out).trimmed(), out);
        const QImage img(out);
        QCOMPARE(img.size(), size);
        QCOMPARE(img.pixelColor(3, 3), QColor(Qt::white));
    }

    void pdfHasOnePage() {
        const QString out = tmp_.filePath(QStringLiteral("Protokol.PDF"));
        const CliRun r = cli({"render", "protocol", demo_, "3,2024", "--sidc", "--out", out});
        QCOMPARE(r.status, 0);
        const std::string pdf = ReadWholeFile(out.toStdString());
        QVERIFY(pdf.starts_with("%PDF"));
        QCOMPARE(PdfPages(pdf), 1);
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
        QTest::newRow("window and width")
            << QStringList{"3.2024", "--own", "--window", "600x820", "--width", "900"} << 2
            << "--window"
            << "a.png";
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
        const CliRun r =
            cli(QStringList{"render", "protocol", demo_} + args + QStringList{"--out", out}, true);
        QCOMPARE(r.status, code);
        QVERIFY2(QString::fromStdString(r.out).contains(message), r.out.c_str());
        QVERIFY(!QFile::exists(out));
    }
};

QTEST_MAIN(TestProtocolCli)
#include "tst_protocol_cli.moc"
