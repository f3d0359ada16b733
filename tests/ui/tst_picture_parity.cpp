// The picture windows and the command line's render commands draw the same
// scene alike: the window's canvas, set up through its panel and menu at a
// client size, equals pixel for pixel the CLI's PNG of that size and flags.
#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTest>
#include <functional>

#include "demo/demo.h"
#include "tests_support/run_cli.h"
#include "ui/frame/install_windows.h"
#include "ui/graphs/butterfly_window.h"
#include "ui/graphs/graph_window.h"
#include "ui/graphs/smoothed_graph_window.h"
#include "ui/support/frame_fixture.h"

using namespace hk;
using namespace hk::test;
namespace fs = std::filesystem;

namespace {

const QSize Sizes[] = {{600, 820}, {1200, 820}, {1920, 1080}};

// The number of pixels in which the two pictures differ (all when their
// sizes differ).
qint64 DifferingPixels(const QImage& a0, const QImage& b0) {
    const QImage a = a0.convertToFormat(QImage::Format_RGB32);
    const QImage b = b0.convertToFormat(QImage::Format_RGB32);
    if (a.size() != b.size()) return qint64(std::max(a.width(), b.width())) * a.height();
    qint64 n = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* ra = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            n += ra[x] != rb[x];
    }
    return n;
}

// Resizes the window's sub-window so that its canvas gets `size`.
bool ResizeCanvas(QWidget* window, QWidget* canvas, QSize size) {
    auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    if (!sub) return false;
    sub->resize(sub->size() + (size - canvas->size()));
    return QTest::qWaitFor([&] { return canvas->size() == size; }, 2000);
}

} // namespace

class TestPictureParity : public QObject {
    Q_OBJECT
    TempDir demo_;
    std::unique_ptr<Frame> f_;

    void trigger(const char* name, int times = 1) {
        for (int i = 0; i < times; ++i)
            f_->mainWindow->action(QString::fromLatin1(name))->trigger();
    }

    // The CLI's picture of `command` (its program directory is the frame's)
    // with `flags` and the client size given by `sizeOption`.
    QImage cliPicture(const QString& command, const QString& flags, QSize size,
                      const char* sizeOption = "--size") {
        const fs::path png = f_->dir.path() / "parity.png";
        fs::remove(png);
        const CliRun r =
            RunCli(command.toStdString() + " " + ShellQuoted(f_->dir.path()) + " --out " +
                       ShellQuoted(png) + " " + flags.toStdString() + " " + sizeOption + " " +
                       std::to_string(size.width()) + "x" + std::to_string(size.height()),
                   true);
        if (r.status != 0) qWarning("%s", r.out.c_str());
        return QImage(QString::fromStdString(png.string()));
    }

  private slots:
    void initTestCase() {
        DemoOptions o{.years = 3, .perYear = 80, .endDate = {2014, 12, 31}};
        WriteDemoDirectory(demo_.path(), o);
    }

    void init() {
        f_ = std::make_unique<Frame>(std::vector<TZaznam>{});
        f_->copyIn(demo_.path());
        QVERIFY(f_->start());
        installWindows(*f_->mainWindow);
        f_->mainWindow->show();
    }

    void cleanup() { f_.reset(); }

    void butterfly_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QString>("flags");
        for (const QSize& s : Sizes) {
            const QByteArray at =
                QByteArray::number(s.width()) + "x" + QByteArray::number(s.height());
            QTest::newRow("spots " + at)
                << s << QStringList{"vpravo"} << QStringLiteral("--rotation-scale 2");
            QTest::newRow("both, curves, bars " + at)
                << s << QStringList{"skvrfak", "sirfakule", "vyskvrn", "hranice",
                                    "vetsi",   "vpravo",    "vpravo"}
                << QStringLiteral("--mode both --faculae-bars --mean --bounds "
                                  "--latitude-scale 4 --rotation-scale 4");
        }
    }

    void butterfly() {
        QFETCH(QSize, size);
        QFETCH(QStringList, buttons);
        QFETCH(QString, flags);
        trigger("motylek1");
        ButterflyWindow* w = ButterflyWindow::openInstance(f_->mainWindow->area());
        QVERIFY(w);
        QVERIFY(ResizeCanvas(w, w->canvas(), size));
        trigger("vlevo", 5); // rotation scale 1
        for (const QString& b : buttons)
            trigger(b.toLatin1().constData());
        const QImage window = w->canvas()->grab().toImage();
        QCOMPARE(DifferingPixels(window, cliPicture("render butterfly", flags, size)), 0);
    }

    void graph_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QString>("flags");
        for (const QSize& s : Sizes) {
            const QByteArray at =
                QByteArray::number(s.width()) + "x" + QByteArray::number(s.height());
            QTest::newRow("groups, all three " + at)
                << s << QStringList{} << QStringLiteral("--series g");
            QTest::newRow("spots, north " + at)
                << s << QStringList{"fb", "sevrni"} << QStringLiteral("--series f --view north");
            QTest::newRow("Inter SOL " + at)
                << s << QStringList{"solgraf"} << QStringLiteral("--series intersol");
        }
    }

    void graph() {
        QFETCH(QSize, size);
        QFETCH(QStringList, buttons);
        QFETCH(QString, flags);
        trigger("graf");
        GraphWindow* w = GraphWindow::openInstance(f_->mainWindow->area());
        QVERIFY(w);
        QVERIFY(ResizeCanvas(w, w->canvas(), size));
        for (const QString& b : buttons)
            trigger(b.toLatin1().constData());
        // At the start of the time axis, without the size label F8 hides too.
        w->findChild<QScrollBar*>(QStringLiteral("HorzScrollBar"))->setValue(0);
        w->findChild<QLabel*>(QStringLiteral("Label1"))->hide();
        const QImage window = w->canvas()->grab().toImage();
        QCOMPARE(DifferingPixels(window, cliPicture("render graph", flags, size, "--window")), 0);
    }

    void asymmetry_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QString>("flags");
        for (const QSize& s : Sizes) {
            const QByteArray at =
                QByteArray::number(s.width()) + "x" + QByteArray::number(s.height());
            QTest::newRow("difference per drawing " + at)
                << s << QStringList{"asyroz"} << QStringLiteral("--series g --kind difference");
            QTest::newRow("ratio of monthly spots " + at)
                << s << QStringList{"asypo", "fv", "mesicni"}
                << QStringLiteral("--series f --kind ratio --period month");
        }
    }

    void asymmetry() {
        QFETCH(QSize, size);
        QFETCH(QStringList, buttons);
        QFETCH(QString, flags);
        trigger(buttons.front().toLatin1().constData());
        SmoothedGraphWindow* w = SmoothedGraphWindow::openInstance(f_->mainWindow->area());
        QVERIFY(w);
        auto* canvas = w->findChild<QWidget*>(QStringLiteral("platno"));
        QVERIFY(ResizeCanvas(w, canvas, size));
        for (const QString& b : buttons.mid(1))
            trigger(b.toLatin1().constData());
        w->findChild<QLabel*>(QStringLiteral("Label3"))->hide();
        const QImage window = canvas->grab().toImage();
        QCOMPARE(DifferingPixels(window, cliPicture("render asymmetry", flags, size, "--window")),
                 0);
    }
};

QTEST_MAIN(TestPictureParity)
#include "tst_picture_parity.moc"
