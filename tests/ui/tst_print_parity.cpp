// The printed forms and the command line draw the same scene alike: the
// results window's protocol and certificate, its list of observers and its
// calendar of the days without activity, and the yearly coordinate table,
// each at a client size, equal pixel for pixel the CLI's PNG of that size.
#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include "ui/drawing/coordinate_table_window.h"
#include "ui/support/picture_compare.h"
#include "ui/support/results_window_fixture.h"

using namespace hk;
using namespace hk::test;

namespace {

// The pixels in which the canvas differs from the picture of the CLI's
// `command` (with its arguments, less --window and --out) for a window of `size`.
qint64 differsFromCli(QWidget& canvas, const Frame& f, QSize size, const QString& command) {
    return DifferingPixels(canvas.grab().toImage(),
                           CliPicture(f.dir.path(), command + " --window " + SizeText(size)));
}

// The quoted directory of the frame, as the CLI's argument.
QString dirArg(const Frame& f) {
    return QString::fromStdString(ShellQuoted(f.dir.path()));
}

// The results window on `dir`, in a frame with room for the largest window.
std::unique_ptr<ResultsWindowFixture> openResults(const std::filesystem::path& dir) {
    auto o = std::make_unique<ResultsWindowFixture>(dir);
    if (!o->openWindow()) return nullptr;
    o->f.mainWindow->resize(2400, 1500);
    return o;
}

} // namespace

class TestPrintParity : public QObject {
    Q_OBJECT
    TempDir demo_;

  private slots:
    void initTestCase() { WriteResultsDemo(demo_.path()); }

    void protocol_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("view");
        QTest::addColumn<QString>("form");
        for (const QSize& s : ParitySizes) {
            QTest::addRow("own %dx%d", s.width(), s.height()) << s << "vlastni"
                                                              << "--own";
            QTest::addRow("sidc %dx%d", s.width(), s.height()) << s << "oficialni"
                                                               << "--sidc";
        }
    }

    void protocol() {
        QFETCH(QSize, size);
        QFETCH(QString, view);
        QFETCH(QString, form);
        const auto o = openResults(demo_.path());
        QVERIFY(o);
        o->f.messages.values.push_back(QStringLiteral("3.2024"));
        o->w->action(view)->trigger();
        auto* canvas = o->w->findChild<QWidget*>(QStringLiteral("platno"));
        QVERIFY(canvas && canvas->isVisible());
        QVERIFY(ResizeCanvas(*o->w->parentWidget(), *canvas, size));
        QCOMPARE(differsFromCli(*canvas, o->f, size,
                                "render protocol " + dirArg(o->f) + " 3.2024 " + form),
                 0);
    }

    // The list of the key "q" has the room from its corner to the window's
    // edges: the whole list, or the list cut at a narrow window's edge.
    void observerList_data() {
        QTest::addColumn<QSize>("size");
        for (const QSize& s : ParitySizes)
            QTest::addRow("%dx%d", s.width(), s.height()) << s;
    }

    void observerList() {
        QFETCH(QSize, size);
        const auto o = openResults(demo_.path());
        QVERIFY(o);
        auto* list = o->w->findChild<QWidget*>(QStringLiteral("SeznamPozorovatelu"));
        QTest::keyClick(o->w, Qt::Key_Q);
        QVERIFY(list->isVisible());
        QTest::keyClick(list, Qt::Key_Escape);
        QWidget& window = *o->w->parentWidget();
        const auto room = [&] { return o->w->size() - QSize(list->x(), list->y()); };
        for (int i = 0; i < 4 && room() != size; ++i) {
            window.resize(window.size() + size - room());
            QCoreApplication::processEvents();
        }
        QCOMPARE(room(), size);
        QTest::keyClick(o->w, Qt::Key_Q);
        QVERIFY(list->isVisible());
        QCOMPARE(differsFromCli(*list, o->f, size, "render observers " + dirArg(o->f)), 0);
    }

    // The calendar of the demo's latest year, and of a year whose drawings
    // are all without spots (every day a red cell).
    void spotlessDays_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("year");
        for (const QSize& s : ParitySizes)
            for (int year : {2020, 2024})
                QTest::addRow("%d %dx%d", year, s.width(), s.height()) << s << year;
    }

    void spotlessDays() {
        QFETCH(QSize, size);
        QFETCH(int, year);
        const Frame spotless(DayRecords(40)); // 1 January to 9 February 2020
        const auto o = openResults(year == 2020 ? spotless.dir.path() : demo_.path());
        QVERIFY(o);
        o->w->action(QStringLiteral("Bezaktivity"))->trigger();
        auto* calendar = o->w->findChild<QWidget*>(QStringLiteral("SpotlessCalendarWidget"));
        QVERIFY(calendar && calendar->isVisible());
        QVERIFY(ResizeCanvas(*o->w->parentWidget(), *calendar, size));
        o->w->findChild<QSpinBox*>(QStringLiteral("SpinEdit3"))->setValue(year);
        QCOMPARE(
            differsFromCli(*calendar, o->f, size,
                           QStringLiteral("render spotless %1 %2").arg(dirArg(o->f)).arg(year)),
            0);
    }

    // Each row: the page button and the scale typed for "zve", which are
    // what the window opened at a client area of that width shows.
    void yearlyTable_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("scale");
        for (const QSize& s : ParitySizes)
            for (int page : {1, 3})
                QTest::addRow("page %d %dx%d", page, s.width(), s.height())
                    << s << page << (s.width() < CoordinateTableWidth ? "10" : "16");
    }

    void yearlyTable() {
        QFETCH(QSize, size);
        QFETCH(int, page);
        QFETCH(QString, scale);
        Frame f(DayRecords(3));
        QVERIFY(f.start());
        installCoordinateTable(f.mainWindow->context());
        f.mainWindow->show();
        f.mainWindow->resize(2400, 1500);
        f.mainWindow->action(QStringLiteral("souslunce"))->trigger();
        auto* w = f.mainWindow->area()->findChild<CoordinateTableWindow*>();
        QVERIFY(w);
        auto* canvas = w->findChild<QWidget*>(QStringLiteral("Tabulka"));
        QVERIFY(ResizeCanvas(*w->parentWidget(), *canvas, size));
        w->findChild<QToolButton*>(QStringLiteral("SpeedButton%1").arg(page))->click();
        f.messages.values.push_back(scale);
        w->findChild<QPushButton*>(QStringLiteral("SpeedButton4"))->click();
        QCOMPARE(differsFromCli(
                     *canvas, f, size,
                     QStringLiteral("yearly-table %1 --page %2").arg(w->TableYear()).arg(page)),
                 0);
    }
};

QTEST_MAIN(TestPrintParity)
#include "tst_print_parity.moc"
