// The graph windows on a demo directory, opened on the butterfly diagram.
// The butterfly: its caption with the size, the panel's scale buttons and
// their limits, the equator drag, the corona without data, printing, F8, and
// the results view for maps showing the core table. The graphs: opened from
// the main window's menu, the panel buttons, the views and sizes, the saved
// images, view 12 of the results window with its text file, and closing on
// deactivation.
#include <QAction>
#include <QCheckBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include <filesystem>

#include "demo/demo.h"
#include "graphs/asymmetry.h"
#include "io/atomic_file.h"
#include "render/butterfly.h"
#include "results/rotation_table.h"
#include "ui/frame/install_windows.h"
#include "ui/frame/session_model.h"
#include "ui/graphs/butterfly_window.h"
#include "ui/graphs/graph_window.h"
#include "ui/graphs/smoothed_graph_window.h"
#include "ui/results/results_window.h"
#include "ui/support/results_window_fixture.h"

using namespace hk;
using namespace hk::test;
namespace fs = std::filesystem;

class TestGraphWindow : public QObject {
    Q_OBJECT
    TempDir demo_;
    std::unique_ptr<test::Frame> f_;
    ButterflyWindow* w_ = nullptr;

    void button(const char* name, int times = 1) {
        for (int i = 0; i < times; ++i)
            f_->mainWindow->action(QString::fromLatin1(name))->trigger();
    }

  private slots:
    void initTestCase() {
        DemoOptions o{.years = 3, .perYear = 80, .endDate = {2014, 12, 31}};
        WriteDemoDirectory(demo_.path(), o);
    }

    // Every test starts on its own copy of the demo with the butterfly open.
    void init() {
        f_ = std::make_unique<test::Frame>(std::vector<TZaznam>{});
        f_->copyIn(demo_.path());
        QVERIFY(f_->start());
        installWindows(*f_->mainWindow);
        f_->mainWindow->show();
        button("motylek1");
        w_ = ButterflyWindow::openInstance(f_->mainWindow->area());
        QVERIFY(w_);
    }

    void cleanup() { f_.reset(); }

    void opensWithCaptionPanelAndTheCorona() {
        QCOMPARE(f_->mainWindow->visiblePanel(), QStringLiteral("promotylek"));
        const QString size = QString::number(w_->canvas()->width()) + QStringLiteral(" x ") +
                             QString::number(w_->canvas()->height());
        QCOMPARE(w_->windowTitle(), QStringLiteral("Motýlek   Skvrny") + QString(10, ' ') + size);
        // Nothing shown so far needs the corona: it is read when first shown,
        // and what that read warns about is shown then.
        QVERIFY(!f_->mainWindow->model().analysis().coronaLoaded());
        // The window opens with the records' rotations across its width, and
        // the corona leaves them there.
        const ButterflyAxis axis = ButterflyAxisOf(w_->model(), false);
        const int width = 50 + (axis.rotations() + 1) * w_->options().rotationScale;
        QVERIFY(width <= w_->canvas()->width() && 2 * width > w_->canvas()->width());
        f_->messages.clear();
        WriteFileAtomic(f_->path("KoronaX/HR1941.csv"), "1 1941 1 1 1 0 x\r\n");
        button("fakule");
        QVERIFY(w_->windowTitle().startsWith(QStringLiteral("Motýlek   Fakule          ")));
        QVERIFY(f_->mainWindow->action("fakule")->isChecked());
        QVERIFY(!f_->mainWindow->action("skvrny")->isChecked());
        button("podkreskorona");
        QCOMPARE(ButterflyStartRotation(w_->model(), w_->options()), axis.start);
        QVERIFY(w_->options().corona);
        QCOMPARE(f_->messages.messages.size(), 1);
        QVERIFY(f_->messages.messages.front().contains(QStringLiteral("HR1941.csv")));
        QVERIFY(w_->action("doplnkova")->isVisible() || !w_->isVisible());
    }

    // The panel's buttons: the scales within their limits, the faculae width,
    // the curves; and the equator dragged.
    void panelButtonsAndTheEquatorDrag() {
        struct Step {
            const char* button;
            int times;
            int rotation, latitude;
        };
        for (const Step& k :
             {Step{"vlevo", 5, 1, 3}, Step{"vpravo", 6, 16, 3}, Step{"vlevo", 2, 4, 3},
              Step{"vetsi", 8, 4, 9}, Step{"mensi", 12, 4, 1}}) {
            button(k.button, k.times);
            QCOMPARE(w_->options().rotationScale, k.rotation);
            QCOMPARE(w_->options().latitudeScale, k.latitude);
        }
        QCOMPARE(
            w_->findChild<QScrollBar*>("HorzScrollBar")->maximum(),
            std::max(0, ButterflyScrollRange(w_->model(), w_->options()) - w_->canvas()->width()));
        // Faculae width only with faculae shown.
        button("sirfakule");
        QVERIFY(!w_->options().faculaeBars);
        button("skvrfak");
        button("sirfakule");
        QVERIFY(w_->options().faculaeBars);

        // "vse" clears the other curves.
        button("vyskvrn");
        button("hranice");
        QVERIFY(w_->options().meanCurve && w_->options().bounds);
        button("vse");
        QVERIFY(w_->options().allCurves);
        QVERIFY(!w_->options().meanCurve && !w_->options().bounds && !w_->options().smoothedCurve);

        // A second drag of the equator replaces the first one's offset.
        QWidget* p = w_->canvas();
        QTest::mousePress(p, Qt::LeftButton, {}, QPoint(300, 100));
        QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(300, 160));
        QCOMPARE(w_->options().equatorOffset, 60);
        QTest::mousePress(p, Qt::LeftButton, {}, QPoint(300, 200));
        QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(300, 180));
        QCOMPARE(w_->options().equatorOffset, -20);
    }

    void printsToPdfAndSavesWithF8() {
        const fs::path pdf = f_->dir.path() / "motylek.pdf";
        w_->choosePrinter = PrintToPdf(pdf);
        w_->action("tiskmot")->trigger();
        QVERIFY(fs::exists(pdf) && fs::file_size(pdf) > 1000);

        f_->messages.answers.push_back(true);
        QTest::keyClick(w_->canvas(), Qt::Key_F8);
        QVERIFY(!f_->messages.questions.isEmpty());
        QVERIFY(f_->messages.questions.last().contains(QStringLiteral("Uložit bitmapu okna")));
    }

    void graphs() {
        // The butterfly diagram closes for the graphs and leaves their panel shown.
        f_->mainWindow->action("motylek1")->trigger();
        QCOMPARE(f_->mainWindow->visiblePanel(), QStringLiteral("promotylek"));
        f_->mainWindow->action("graf")->trigger();
        GraphWindow* w = GraphWindow::openInstance(f_->mainWindow->area());
        QVERIFY(w);
        QTRY_VERIFY(!ButterflyWindow::openInstance(f_->mainWindow->area()));
        QCOMPARE(f_->mainWindow->visiblePanel(), QStringLiteral("prografy"));
        QVERIFY(f_->mainWindow->action("gb")->isChecked());
        // What "fb" and "sevrni" draw: tst_picture_parity's graph rows.
        button("fb");
        QVERIFY(w->windowTitle().endsWith(QStringLiteral("Počet skvrn")));
        button("sevrni");
        QCOMPARE(w->mode(), GraphView::North);
        // Inter SOL falls back to the whole disk.
        f_->mainWindow->action("solgraf")->trigger();
        QCOMPARE(w->mode(), GraphView::Disk);
        f_->mainWindow->action("vsechny")->trigger();
        QCOMPARE(w->mode(), GraphView::Disk);
        f_->mainWindow->action("gb")->trigger();
        f_->mainWindow->action("vsechny")->trigger();
        QCOMPARE(w->model().panels.size(), std::size_t{3});

        w->findChild<QAction*>("sest")->trigger();
        QCOMPARE(w->picture().size(), QSize(600, 600));
        QCOMPARE(w->model().d, 1);
        w->findChild<QAction*>("ulozit")->trigger();
        QVERIFY(f_->session.dir.exists("Obrázek/Graf600x600.bmp"));
        w->findChild<QAction*>("vsechnyobr")->trigger();
        for (const char* n : {"Graf_g_C", "Graf_f_C", "Graf_r_C", "Graf_CV_C", "Graf_SN_C",
                              "Graf_RB_C", "Graf_Plo_C", "Graf_Polo_C"})
            QVERIFY2(f_->session.dir.exists(std::string("Obrázek/") + n + ".jpg"), n);

        // Printing goes to a PDF without a printer.
        const fs::path pdf = f_->dir.path() / "tisk.pdf";
        w->choosePrinter = PrintToPdf(pdf);
        w->findChild<QAction*>("tiskgraf")->trigger();
        QVERIFY(fs::file_size(pdf) > 1000);

        // Another window activated: the graphs close and the default panel returns.
        f_->mainWindow->action("vyhlazovaci")->trigger();
        QTRY_VERIFY(!GraphWindow::openInstance(f_->mainWindow->area()));
        SmoothedGraphWindow* v = SmoothedGraphWindow::openInstance(f_->mainWindow->area());
        QVERIFY(v);
        QCOMPARE(f_->mainWindow->visiblePanel(), QStringLiteral("provyhlazovaci"));
        v->findChild<QAction*>("zaviratv")->trigger();
        QTRY_COMPARE(f_->mainWindow->visiblePanel(), QStringLiteral("zakladni"));
    }

    void smoothedMenu() {
        f_->mainWindow->action("vyhlazovaci")->trigger();
        SmoothedGraphWindow* w = SmoothedGraphWindow::openInstance(f_->mainWindow->area());
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Vyhlazovací   grafy   celkový"));
        QVERIFY(!w->findChild<QAction*>("BruselR")->isEnabled());
        // "Brusel r" can be ticked only where it adds its curve: R of one curve.
        auto* brussels = w->findChild<QCheckBox*>("Bruselvy");
        QVERIFY(!brussels->isEnabled());
        f_->mainWindow->action("rv")->trigger();
        QVERIFY(brussels->isEnabled());
        f_->mainWindow->action("sev_jih")->trigger();
        QVERIFY(!brussels->isEnabled());
        f_->mainWindow->action("CElek")->trigger();
        QAction* brusselsCurve = w->findChild<QAction*>("BruselR");
        QVERIFY(brusselsCurve->isEnabled());
        brusselsCurve->trigger();
        w->findChild<QCheckBox*>("Bruselvy")->setChecked(true);
        w->findChild<QCheckBox*>("Chg")->setChecked(true);
        w->findChild<QAction*>("porovnat")->trigger();
        w->findChild<QPushButton*>("potvrdp")->click();
        w->findChild<QScrollBar*>("ScrollBar1")->setValue(25);
        QCOMPARE(w->windowTitle(), QStringLiteral("Vyhlazovací   grafy   celkový         0.800"));

        w->findChild<QAction*>("ulozitobr")->trigger();
        for (const char* n : {"Vyhl_g", "Vyhl_r", "Vyhl_Polo"})
            QVERIFY2(f_->session.dir.exists(std::string("Obrázek/") + n + ".jpg"), n);
        w->findChild<QAction*>("zaviratv")->trigger();

        f_->mainWindow->action("asyroz")->trigger();
        w = SmoothedGraphWindow::openInstance(f_->mainWindow->area());
        QVERIFY(w && w->tag() == SmoothedGraphWindow::AsymmetryTag);
        QCOMPARE(w->windowTitle(), QStringLiteral("Asymetrie    graf"));
        // Its panel shows the period buttons in place of the hemisphere ones.
        QVERIFY(f_->mainWindow->findChild<QToolButton*>("CElek")->isHidden());
        QVERIFY(!f_->mainWindow->findChild<QToolButton*>("zakrsovy")->isHidden());
        f_->mainWindow->action("mesicni")->trigger();
        w->findChild<QAction*>("ulozitobr")->trigger();
        QVERIFY(f_->session.dir.exists("Obrázek/Asy_g__R.jpg"));
        QVERIFY(f_->session.dir.exists("Obrázek/Asy_Polo__R.jpg"));
    }

    // The results views of the maps' data and of the asymmetry.
    void resultsViewsOfMapDataAndAsymmetry() {
        f_->mainWindow->action("vysledky1")->trigger();
        ResultsWindow* v = ResultsWindow::openInstance(f_->mainWindow->context());
        QVERIFY(v);
        v->action("udajmapa")->trigger();
        QCOMPARE(v->resultsMode(), int(ResultsWindow::MapData));
        QCOMPARE(
            GridDifference(v->findChild<QTableView*>("StringGrid5"),
                           BuildRotationStatistics(f_->session.records(), f_->session.geometry())),
            QString());
        QCOMPARE(v->windowTitle(), QStringLiteral("Výsledky    údaje pro mapu"));

        f_->mainWindow->action("asro")->trigger();
        QCOMPARE(v->resultsMode(), 12);
        const ResultsGrid yearly = BuildAsymmetryGrid(ComputeAsymmetry(f_->session.records()),
                                                      f_->session.records(), false);
        QCOMPARE(v->grid().cells, yearly.cells);
        QCOMPARE(RowCount(v->findChild<QTableView*>("StringGrid8")),
                 static_cast<int>(yearly.rowCount()));
        f_->messages.answers.push_back(true);
        f_->mainWindow->action("AsinTXT")->trigger();
        QCOMPARE(ReadWholeFile(f_->session.dir.resolve("Polohy-skupin/asymerocni.dat")),
                 AsymmetryText(yearly));
        f_->mainWindow->action("asme")->trigger();
        QVERIFY(v->grid().cells.size() > 30);

        // Every operation that changes records leaves the asymmetry tables and
        // view 12 as a fresh computation gives them.
        f_->mainWindow->action("asro")->trigger();
        SessionModel& model = f_->mainWindow->model();
        const Session& s = f_->session;
        auto cached = [&] { return model.analysis().asymmetry().yearly.values; };
        // The tables and the view as computed afresh, and changed by the step.
        auto check = [&](const char* step, const auto& pred) {
            const AsymmetryTables fresh = ComputeAsymmetry(s.records());
            QVERIFY2(cached() == fresh.yearly.values && cached() != pred, step);
            QVERIFY2(v->grid().cells == BuildAsymmetryGrid(fresh, s.records(), false).cells, step);
        };

        // A correction that makes the north of the first drawing far larger.
        auto pred = cached();
        model.setCurrent(1);
        TZaznam z = s.record(1);
        z.Souhrn.gSev = static_cast<decltype(z.Souhrn.gSev)>(z.Souhrn.gSev + 40);
        model.replaceCurrentRecord(z);
        check("oprava", pred);

        // "Přepočítat" takes the summary from the groups again.
        pred = cached();
        QVERIFY(!model.recomputeAll());
        check("přepočet", pred);

        // Merged records of a year after the last one add a year.
        pred = cached();
        TZaznam newRecord = s.record(s.recordCount());
        newRecord.Datum.setText("15.06." +
                                std::to_string(std::stoi(newRecord.Datum.text().substr(6)) + 1));
        model.mergeRecords(std::vector<TZaznam>{newRecord});
        check("sloučení", pred);
        QCOMPARE(cached().size(), pred.size() + 1);
    }
};

QTEST_MAIN(TestGraphWindow)
#include "tst_graph_window.moc"
