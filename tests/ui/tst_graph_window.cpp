// The graph windows on a demo directory: opened from the main window's
// menu, the panel buttons, the views and sizes, the saved images, view 12
// of the results window with its text file, and closing on deactivation.
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
    TempDir demoDir_;
    fs::path demo_;

    // The main window on a copy of the demo.
    std::unique_ptr<test::Frame> startProgram() {
        auto f = std::make_unique<test::Frame>(std::vector<TZaznam>{});
        f->copyIn(demo_);
        if (!f->start()) return nullptr;
        installWindows(*f->mainWindow);
        f->mainWindow->show();
        return f;
    }

  private slots:
    void initTestCase() {
        demo_ = demoDir_.path() / "demo";
        DemoOptions o{.years = 3, .seed = 11};
        WriteDemoDirectory(demo_, o);
    }

    void graphs() {
        auto f = startProgram();
        QVERIFY(f);
        // The butterfly diagram closes for the graphs and leaves their panel shown.
        f->mainWindow->action(QStringLiteral("motylek1"))->trigger();
        QCOMPARE(f->mainWindow->visiblePanel(), QStringLiteral("promotylek"));
        f->mainWindow->action(QStringLiteral("graf"))->trigger();
        GraphWindow* w = GraphWindow::openInstance(f->mainWindow->area());
        QVERIFY(w);
        QTRY_VERIFY(!ButterflyWindow::openInstance(f->mainWindow->area()));
        QCOMPARE(f->mainWindow->visiblePanel(), QStringLiteral("prografy"));
        QVERIFY(f->mainWindow->action(QStringLiteral("gb"))->isChecked());
        f->mainWindow->action(QStringLiteral("fb"))->trigger();
        QCOMPARE(w->quantity(), GraphQuantity::f);
        QVERIFY(w->windowTitle().endsWith(QStringLiteral("Počet skvrn")));
        f->mainWindow->action(QStringLiteral("sevrni"))->trigger();
        QCOMPARE(w->mode(), GraphView::North);
        QCOMPARE(w->model().panels.size(), std::size_t{1});
        // Inter SOL falls back to the whole disk.
        f->mainWindow->action(QStringLiteral("solgraf"))->trigger();
        QCOMPARE(w->mode(), GraphView::Disk);
        f->mainWindow->action(QStringLiteral("vsechny"))->trigger();
        QCOMPARE(w->mode(), GraphView::Disk);
        f->mainWindow->action(QStringLiteral("gb"))->trigger();
        f->mainWindow->action(QStringLiteral("vsechny"))->trigger();
        QCOMPARE(w->model().panels.size(), std::size_t{3});

        w->findChild<QAction*>(QStringLiteral("sest"))->trigger();
        QCOMPARE(w->picture().size(), QSize(600, 600));
        QCOMPARE(w->model().d, 1);
        w->findChild<QAction*>(QStringLiteral("ulozit"))->trigger();
        QVERIFY(f->session.dir.exists("Obrázek/Graf600x600.bmp"));
        w->findChild<QAction*>(QStringLiteral("vsechnyobr"))->trigger();
        for (const char* n : {"Graf_g_C", "Graf_f_C", "Graf_r_C", "Graf_CV_C", "Graf_SN_C",
                              "Graf_RB_C", "Graf_Plo_C", "Graf_Polo_C"})
            QVERIFY2(f->session.dir.exists(std::string("Obrázek/") + n + ".jpg"), n);

        // Printing goes to a PDF without a printer.
        const fs::path pdf = f->dir.path() / "tisk.pdf";
        w->choosePrinter = [&pdf](QPrinter& p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(QString::fromStdString(pdf.string()));
            return true;
        };
        w->findChild<QAction*>(QStringLiteral("tiskgraf"))->trigger();
        QVERIFY(fs::file_size(pdf) > 1000);

        // Another window activated: the graphs close and the default panel returns.
        f->mainWindow->action(QStringLiteral("vyhlazovaci"))->trigger();
        QTRY_VERIFY(!GraphWindow::openInstance(f->mainWindow->area()));
        SmoothedGraphWindow* v = SmoothedGraphWindow::openInstance(f->mainWindow->area());
        QVERIFY(v);
        QCOMPARE(f->mainWindow->visiblePanel(), QStringLiteral("provyhlazovaci"));
        v->findChild<QAction*>(QStringLiteral("zaviratv"))->trigger();
        QTRY_COMPARE(f->mainWindow->visiblePanel(), QStringLiteral("zakladni"));
    }

    void smoothedMenu() {
        auto f = startProgram();
        QVERIFY(f);
        f->mainWindow->action(QStringLiteral("vyhlazovaci"))->trigger();
        SmoothedGraphWindow* w = SmoothedGraphWindow::openInstance(f->mainWindow->area());
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Vyhlazovací   grafy   celkový"));
        QVERIFY(!w->findChild<QAction*>(QStringLiteral("BruselR"))->isEnabled());
        // "Brusel r" can be ticked only where it adds its curve: R of one curve.
        auto* brussels = w->findChild<QCheckBox*>(QStringLiteral("Bruselvy"));
        QVERIFY(!brussels->isEnabled());
        f->mainWindow->action(QStringLiteral("rv"))->trigger();
        QVERIFY(brussels->isEnabled());
        f->mainWindow->action(QStringLiteral("sev_jih"))->trigger();
        QVERIFY(!brussels->isEnabled());
        f->mainWindow->action(QStringLiteral("CElek"))->trigger();
        QAction* brusselsCurve = w->findChild<QAction*>(QStringLiteral("BruselR"));
        QVERIFY(brusselsCurve->isEnabled());
        brusselsCurve->trigger();
        w->findChild<QCheckBox*>(QStringLiteral("Bruselvy"))->setChecked(true);
        w->findChild<QCheckBox*>(QStringLiteral("Chg"))->setChecked(true);
        w->findChild<QAction*>(QStringLiteral("porovnat"))->trigger();
        w->findChild<QPushButton*>(QStringLiteral("potvrdp"))->click();
        w->findChild<QScrollBar*>(QStringLiteral("ScrollBar1"))->setValue(25);
        QCOMPARE(w->windowTitle(), QStringLiteral("Vyhlazovací   grafy   celkový         0.800"));

        w->findChild<QAction*>(QStringLiteral("ulozitobr"))->trigger();
        for (const char* n : {"Vyhl_g", "Vyhl_r", "Vyhl_Polo"})
            QVERIFY2(f->session.dir.exists(std::string("Obrázek/") + n + ".jpg"), n);
        w->findChild<QAction*>(QStringLiteral("zaviratv"))->trigger();

        f->mainWindow->action(QStringLiteral("asyroz"))->trigger();
        w = SmoothedGraphWindow::openInstance(f->mainWindow->area());
        QVERIFY(w && w->tag() == SmoothedGraphWindow::AsymmetryTag);
        QCOMPARE(w->windowTitle(), QStringLiteral("Asymetrie    graf"));
        // Its panel shows the period buttons in place of the hemisphere ones.
        QVERIFY(f->mainWindow->findChild<QToolButton*>(QStringLiteral("CElek"))->isHidden());
        QVERIFY(!f->mainWindow->findChild<QToolButton*>(QStringLiteral("zakrsovy"))->isHidden());
        f->mainWindow->action(QStringLiteral("mesicni"))->trigger();
        w->findChild<QAction*>(QStringLiteral("ulozitobr"))->trigger();
        QVERIFY(f->session.dir.exists("Obrázek/Asy_g__R.jpg"));
        QVERIFY(f->session.dir.exists("Obrázek/Asy_Polo__R.jpg"));
    }

    void asymmetryData() {
        auto f = startProgram();
        QVERIFY(f);
        f->mainWindow->action(QStringLiteral("vysledky1"))->trigger();
        ResultsWindow* v = ResultsWindow::openInstance(f->mainWindow->context());
        QVERIFY(v);
        f->mainWindow->action(QStringLiteral("asro"))->trigger();
        QCOMPARE(v->resultsMode(), 12);
        const ResultsGrid yearly =
            BuildAsymmetryGrid(ComputeAsymmetry(f->session.records()), f->session.records(), false);
        QCOMPARE(v->grid().cells, yearly.cells);
        QCOMPARE(RowCount(v->findChild<QTableView*>(QStringLiteral("StringGrid8"))),
                 static_cast<int>(yearly.rowCount()));
        f->messages.answers.push_back(true);
        f->mainWindow->action(QStringLiteral("AsinTXT"))->trigger();
        QCOMPARE(ReadWholeFile(f->session.dir.resolve("Polohy-skupin/asymerocni.dat")),
                 AsymmetryText(yearly));
        f->mainWindow->action(QStringLiteral("asme"))->trigger();
        QVERIFY(v->grid().cells.size() > 30);
    }

    // Every operation that changes records leaves the asymmetry tables and
    // view 12 as a fresh computation gives them.
    void asymmetryAfterChanges() {
        auto f = startProgram();
        QVERIFY(f);
        f->mainWindow->action(QStringLiteral("vysledky1"))->trigger();
        ResultsWindow* v = ResultsWindow::openInstance(f->mainWindow->context());
        QVERIFY(v);
        f->mainWindow->action(QStringLiteral("asro"))->trigger();
        SessionModel& model = f->mainWindow->model();
        const Session& s = f->session;
        auto yearly = [&] { return model.analysis().asymmetry().yearly.values; };
        // The tables and the view as computed afresh, and changed by the step.
        auto check = [&](const char* step, const auto& pred) {
            const AsymmetryTables fresh = ComputeAsymmetry(s.records());
            QVERIFY2(yearly() == fresh.yearly.values && yearly() != pred, step);
            QVERIFY2(v->grid().cells == BuildAsymmetryGrid(fresh, s.records(), false).cells, step);
        };

        // A correction that makes the north of the first drawing far larger.
        auto pred = yearly();
        model.setCurrent(1);
        TZaznam z = s.record(1);
        z.Souhrn.gSev = static_cast<decltype(z.Souhrn.gSev)>(z.Souhrn.gSev + 40);
        model.replaceCurrentRecord(z);
        check("oprava", pred);

        // "Přepočítat" takes the summary from the groups again.
        pred = yearly();
        QVERIFY(!model.recomputeAll());
        check("přepočet", pred);

        // Merged records of a year after the last one add a year.
        pred = yearly();
        TZaznam newRecord = s.record(s.recordCount());
        newRecord.Datum.setText("15.06." +
                                std::to_string(std::stoi(newRecord.Datum.text().substr(6)) + 1));
        model.mergeRecords(std::vector<TZaznam>{newRecord});
        check("sloučení", pred);
        QCOMPARE(yearly().size(), pred.size() + 1);
    }
};

QTEST_MAIN(TestGraphWindow)
#include "tst_graph_window.moc"
