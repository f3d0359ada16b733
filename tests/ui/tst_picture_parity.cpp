// The windows and the command line draw the same scene alike, at a client
// size equal pixel for pixel the CLI's PNG of that size: the picture windows'
// canvas set up through its panel and menu, and the printed forms (the
// results window's protocol and certificate, its list of observers and its
// calendar of the days without activity, and the yearly coordinate table).
#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include "demo/demo.h"
#include "ui/drawing/coordinate_table_window.h"
#include "ui/frame/install_windows.h"
#include "ui/support/frame_fixture.h"
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

class TestPictureParity : public QObject {
    Q_OBJECT
    TempDir demo_, resultsDemo_;

  private slots:
    void initTestCase() {
        DemoOptions o{.years = 3, .perYear = 80, .endDate = {2014, 12, 31}};
        WriteDemoDirectory(demo_.path(), o);
        WriteResultsDemo(resultsDemo_.path());
    }

    // Each row: the command that opens the window, the panel and menu
    // commands that set its view ("+name" ticks a box or presses a button of
    // the window), and the CLI's command with the same view.
    void windowEqualsCommandLine_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<QString>("cli");
        struct View {
            const char* name;
            QStringList commands;
            const char* cli; // less its size, which the butterfly takes as --size
        };
        const View views[] = {
            {"butterfly, spots",
             {"motylek1", "vlevo", "vlevo", "vlevo", "vlevo", "vpravo"},
             "render butterfly --rotation-scale 2"},
            {"butterfly, both with curves and bars",
             {"motylek1", "vlevo", "vlevo", "vlevo", "vlevo", "vpravo", "vpravo", "skvrfak",
              "sirfakule", "vyskvrn", "hranice", "vetsi"},
             "render butterfly --rotation-scale 4 --mode both --faculae-bars --mean --bounds "
             "--latitude-scale 4"},
            {"graph, groups", {"graf"}, "render graph --series g"},
            {"graph, spots north",
             {"graf", "fb", "sevrni"},
             "render graph --series f --view north"},
            {"graph, Inter SOL", {"graf", "solgraf"}, "render graph --series intersol"},
            {"smoothed, groups", {"vyhlazovaci"}, "render smoothed --series g"},
            {"smoothed, relative number with the international one",
             {"vyhlazovaci", "rv", "+Bruselvy", "+potvrdp"},
             "render smoothed --series r --brussels 1"},
            {"smoothed, spots north with areas and flux",
             {"vyhlazovaci", "fv", "severni", "+bruselploch", "+radiotok", "+vybtokADJ",
              "+potvrdp"},
             "render smoothed --series f --hemisphere north --areas --flux adj"},
            {"asymmetry, difference", {"asyroz"}, "render asymmetry --series g --kind difference"},
            {"asymmetry, monthly ratio of spots",
             {"asypo", "fv", "mesicni"},
             "render asymmetry --series f --kind ratio --period month"},
        };
        for (const QSize& s : ParitySizes)
            for (const View& v : views)
                QTest::addRow("%s %dx%d", v.name, s.width(), s.height())
                    << s << v.commands
                    << QStringLiteral("%1 %2 %3")
                           .arg(v.cli, v.commands.front() == "motylek1" ? "--size" : "--window",
                                SizeText(s));
    }

    void windowEqualsCommandLine() {
        QFETCH(QSize, size);
        QFETCH(QStringList, commands);
        QFETCH(QString, cli);
        Frame f({});
        f.copyIn(demo_.path());
        QVERIFY(f.start());
        installWindows(*f.mainWindow);
        f.mainWindow->show();
        f.mainWindow->action(commands.front())->trigger();
        QMdiSubWindow* sub = f.mainWindow->area()->activeSubWindow();
        QVERIFY(sub);
        auto* canvas = sub->findChild<QWidget*>("platno");
        QVERIFY(canvas);
        sub->resize(sub->size() + (size - canvas->size()));
        QTRY_COMPARE(canvas->size(), size);
        for (const QString& c : commands.mid(1)) {
            if (c.startsWith('+')) {
                // A box of the window ticked or its button pressed.
                auto* button = sub->findChild<QAbstractButton*>(c.mid(1));
                QVERIFY2(button, qPrintable(c));
                if (button->isCheckable())
                    button->setChecked(true);
                else
                    button->click();
            } else {
                f.mainWindow->action(c)->trigger();
            }
        }
        // At the start of the time axis, without the size label (as F8 saves it).
        sub->findChild<QScrollBar*>("HorzScrollBar")->setValue(0);
        for (QLabel* label : canvas->findChildren<QLabel*>())
            label->hide();
        const int space = cli.indexOf(' ', cli.indexOf(' ') + 1);
        QCOMPARE(DifferingPixels(canvas->grab().toImage(),
                                 CliPicture(f.dir.path(), cli.insert(space, ' ' + dirArg(f)))),
                 0);
    }

    void protocol_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("view");
        for (const QSize& s : ParitySizes)
            for (const char* view : {"vlastni", "oficialni"})
                QTest::addRow("%s %dx%d", view, s.width(), s.height()) << s << QString(view);
    }

    void protocol() {
        QFETCH(QSize, size);
        QFETCH(QString, view);
        const QString form = view == "vlastni" ? "--own" : "--sidc";
        const auto o = openResults(resultsDemo_.path());
        QVERIFY(o);
        o->f.messages.values.push_back(QStringLiteral("3.2024"));
        o->w->action(view)->trigger();
        auto* canvas = o->w->findChild<QWidget*>("platno");
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
        const auto o = openResults(resultsDemo_.path());
        QVERIFY(o);
        auto* list = o->w->findChild<QWidget*>("SeznamPozorovatelu");
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
        const auto o = openResults(year == 2020 ? spotless.dir.path() : resultsDemo_.path());
        QVERIFY(o);
        o->w->action("Bezaktivity")->trigger();
        auto* calendar = o->w->findChild<QWidget*>("SpotlessCalendarWidget");
        QVERIFY(calendar && calendar->isVisible());
        QVERIFY(ResizeCanvas(*o->w->parentWidget(), *calendar, size));
        o->w->findChild<QSpinBox*>("SpinEdit3")->setValue(year);
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
        Frame f(DayRecords(3), Run::Started);
        installCoordinateTable(f.mainWindow->context());
        f.mainWindow->show();
        f.mainWindow->resize(2400, 1500);
        f.mainWindow->action("souslunce")->trigger();
        auto* w = f.mainWindow->area()->findChild<CoordinateTableWindow*>();
        QVERIFY(w);
        auto* canvas = w->findChild<QWidget*>("Tabulka");
        QVERIFY(ResizeCanvas(*w->parentWidget(), *canvas, size));
        w->findChild<QToolButton*>(QStringLiteral("SpeedButton%1").arg(page))->click();
        f.messages.values.push_back(scale);
        w->findChild<QPushButton*>("SpeedButton4")->click();
        QCOMPARE(differsFromCli(
                     *canvas, f, size,
                     QStringLiteral("yearly-table %1 --page %2").arg(w->TableYear()).arg(page)),
                 0);
    }
};

QTEST_MAIN(TestPictureParity)
#include "tst_picture_parity.moc"
