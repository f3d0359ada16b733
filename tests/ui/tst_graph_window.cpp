// The graph windows on a demo directory: opened from the main window's
// menu, the panel buttons, the views and sizes, the saved images, view 12
// of the results window with its text file, and closing on deactivation.
#include <QAction>
#include <QCheckBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <filesystem>

#include "demo/demo.h"
#include "graphs/asymmetry.h"
#include "io/atomic_file.h"
#include "render/graph_renderer.h"
#include "ui/frame/install_windows.h"
#include "ui/frame/session_model.h"
#include "ui/graphs/butterfly_window.h"
#include "ui/graphs/graph_window.h"
#include "ui/graphs/smoothed_graph_window.h"
#include "ui/results/results_window.h"
#include "ui/support/frame_fixture.h"

using namespace hk;
using namespace hk::test;
namespace fs = std::filesystem;

class TestGraphWindow : public QObject {
    Q_OBJECT
    TempDir demoDir_;
    fs::path demo_;

    // The main window on a copy of the demo.
    std::unique_ptr<test::Frame> spustit() {
        auto f = std::make_unique<test::Frame>(std::vector<TZaznam>{});
        f->copyIn(demo_);
        if (!f->start()) return nullptr;
        installWindows(*f->hlavni);
        f->hlavni->show();
        return f;
    }
    static void snimek(QWidget* w, const char* name) {
        if (const QString dir = qEnvironmentVariable("HELIOKRES_SNIMKY"); !dir.isEmpty())
            w->window()->grab().save(dir + '/' + name + ".png");
    }

  private slots:
    void initTestCase() {
        demo_ = demoDir_.path() / "demo";
        DemoOptions o{.years = 3, .seed = 11};
        WriteDemoDirectory(demo_, o);
    }

    void grafy() {
        auto f = spustit();
        QVERIFY(f);
        // The butterfly diagram closes for the graphs and leaves their panel shown.
        f->hlavni->akce(QStringLiteral("motylek1"))->trigger();
        QCOMPARE(f->hlavni->viditelnyPanel(), QStringLiteral("promotylek"));
        f->hlavni->akce(QStringLiteral("graf"))->trigger();
        GraphWindow* w = GraphWindow::otevrene(f->hlavni->plocha());
        QVERIFY(w);
        QTRY_VERIFY(!ButterflyWindow::otevrene(f->hlavni->plocha()));
        QCOMPARE(f->hlavni->viditelnyPanel(), QStringLiteral("prografy"));
        QVERIFY(f->hlavni->akce(QStringLiteral("gb"))->isChecked());
        f->hlavni->akce(QStringLiteral("fb"))->trigger();
        QCOMPARE(w->rada(), GrafRada::f);
        QVERIFY(w->windowTitle().endsWith(QStringLiteral("Počet skvrn")));
        f->hlavni->akce(QStringLiteral("sevrni"))->trigger();
        QCOMPARE(w->rezim(), RezimGrafu::Sever);
        QCOMPARE(w->model().panely.size(), std::size_t{1});
        // Inter SOL falls back to the whole disk.
        f->hlavni->akce(QStringLiteral("solgraf"))->trigger();
        QCOMPARE(w->rezim(), RezimGrafu::Celkovy);
        f->hlavni->akce(QStringLiteral("vsechny"))->trigger();
        QCOMPARE(w->rezim(), RezimGrafu::Celkovy);
        f->hlavni->akce(QStringLiteral("gb"))->trigger();
        f->hlavni->akce(QStringLiteral("vsechny"))->trigger();
        QCOMPARE(w->model().panely.size(), std::size_t{3});
        snimek(w, "grafy");

        w->findChild<QAction*>(QStringLiteral("sest"))->trigger();
        QCOMPARE(w->obrazek().size(), QSize(600, 600));
        QCOMPARE(w->model().d, 1);
        w->findChild<QAction*>(QStringLiteral("ulozit"))->trigger();
        QVERIFY(f->session.dir.exists("Obrázek/Graf600x600.bmp"));
        w->findChild<QAction*>(QStringLiteral("vsechnyobr"))->trigger();
        for (const char* n : {"Graf_g_C", "Graf_f_C", "Graf_r_C", "Graf_CV_C", "Graf_SN_C",
                              "Graf_RB_C", "Graf_Plo_C", "Graf_Polo_C"})
            QVERIFY2(f->session.dir.exists(std::string("Obrázek/") + n + ".jpg"), n);

        // Printing goes to a PDF without a printer.
        const fs::path pdf = f->dir.path() / "tisk.pdf";
        w->vybratTiskarnu = [&pdf](QPrinter& p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(QString::fromStdString(pdf.string()));
            return true;
        };
        w->findChild<QAction*>(QStringLiteral("tiskgraf"))->trigger();
        QVERIFY(fs::file_size(pdf) > 1000);

        // Another window activated: the graphs close and the default panel returns.
        f->hlavni->akce(QStringLiteral("vyhlazovaci"))->trigger();
        QTRY_VERIFY(!GraphWindow::otevrene(f->hlavni->plocha()));
        SmoothedGraphWindow* v = SmoothedGraphWindow::otevrene(f->hlavni->plocha());
        QVERIFY(v);
        QCOMPARE(f->hlavni->viditelnyPanel(), QStringLiteral("provyhlazovaci"));
        v->zavrit();
        QTRY_COMPARE(f->hlavni->viditelnyPanel(), QStringLiteral("zakladni"));
    }

    void vyhlazovaci() {
        auto f = spustit();
        QVERIFY(f);
        f->hlavni->akce(QStringLiteral("vyhlazovaci"))->trigger();
        SmoothedGraphWindow* w = SmoothedGraphWindow::otevrene(f->hlavni->plocha());
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Vyhlazovací   grafy   celkový"));
        QVERIFY(!w->findChild<QAction*>(QStringLiteral("BruselR"))->isEnabled());
        f->hlavni->akce(QStringLiteral("rv"))->trigger();
        QAction* brusel = w->findChild<QAction*>(QStringLiteral("BruselR"));
        QVERIFY(brusel->isEnabled());
        brusel->trigger();
        w->findChild<QCheckBox*>(QStringLiteral("Bruselvy"))->setChecked(true);
        w->findChild<QCheckBox*>(QStringLiteral("Chg"))->setChecked(true);
        w->potvrdpClick();
        w->ScrollBar1Change(25);
        QVERIFY(w->bruselZobrazen());
        QCOMPARE(w->windowTitle(), QStringLiteral("Vyhlazovací   grafy   celkový         0.800"));
        snimek(w, "vyhlazovaci");

        // The outside areas and the adjusted radio flux of the start-up tables.
        const StartupTables& t = f->session.tables();
        const int rok1 = std::stoi(f->session.record(1).Datum.text().substr(6));
        w->findChild<QCheckBox*>(QStringLiteral("bruselploch"))->setChecked(true);
        w->findChild<QCheckBox*>(QStringLiteral("radiotok"))->setChecked(true);
        w->findChild<QRadioButton*>(QStringLiteral("vybtokADJ"))->setChecked(true);
        w->potvrdpClick();
        QCOMPARE(w->volbaToku(), VolbaToku::ADJ);
        QVERIFY(!w->tok().t.empty());
        QCOMPARE(w->tok().M24, BuildTabulkovaKrivka(t.Tok10cmTab, 1, rok1).M24);
        QCOMPARE(w->plochy().M24, BuildTabulkovaKrivka(t.PlochyTab, 0, rok1).M24);
        snimek(w, "vyhlazovaci_plochy_tok");
        f->hlavni->akce(QStringLiteral("sev_jih"))->trigger();
        QCOMPARE(w->H(), VolbaPolokoule::Obe);
        QCOMPARE(w->plochy().M24, BuildTabulkovaKrivka(t.PlochyTab, 1, rok1).M24); // north
        w->findChild<QAction*>(QStringLiteral("ulozitobr"))->trigger();
        for (const char* n : {"Vyhl_g", "Vyhl_r", "Vyhl_Polo"})
            QVERIFY2(f->session.dir.exists(std::string("Obrázek/") + n + ".jpg"), n);
        w->zavrit();

        f->hlavni->akce(QStringLiteral("asyroz"))->trigger();
        w = SmoothedGraphWindow::otevrene(f->hlavni->plocha());
        QVERIFY(w && w->tag() == SmoothedGraphWindow::Asymetrie);
        QCOMPARE(w->windowTitle(), QStringLiteral("Asymetrie    graf"));
        // Its panel shows the period buttons in place of the hemisphere ones.
        QVERIFY(f->hlavni->findChild<QToolButton*>(QStringLiteral("CElek"))->isHidden());
        QVERIFY(!f->hlavni->findChild<QToolButton*>(QStringLiteral("zakrsovy"))->isHidden());
        f->hlavni->akce(QStringLiteral("mesicni"))->trigger();
        snimek(w, "asymetrie");
        w->findChild<QAction*>(QStringLiteral("ulozitobr"))->trigger();
        QVERIFY(f->session.dir.exists("Obrázek/Asy_g__R.jpg"));
        QVERIFY(f->session.dir.exists("Obrázek/Asy_Polo__R.jpg"));
    }

    void dataAsymetrie() {
        auto f = spustit();
        QVERIFY(f);
        f->hlavni->akce(QStringLiteral("vysledky1"))->trigger();
        ResultsWindow* v = ResultsWindow::otevrene(*f->hlavni);
        QVERIFY(v);
        f->hlavni->akce(QStringLiteral("asro"))->trigger();
        QCOMPARE(v->RezimVysledku(), 12);
        const ResultsGrid rocni = BuildAsymmetryGrid(SpocitejAsymetrii(f->session.records()),
                                                     f->session.records(), false);
        QCOMPARE(v->mrizka().cells, rocni.cells);
        QCOMPARE(v->findChild<QTableWidget*>(QStringLiteral("StringGrid8"))->rowCount(),
                 static_cast<int>(rocni.rowCount()));
        f->zpravy.odpovedi.push_back(true);
        f->hlavni->akce(QStringLiteral("AsinTXT"))->trigger();
        QCOMPARE(ReadWholeFile(f->session.dir.resolve("Polohy-skupin/asymerocni.dat")),
                 AsymmetryText(rocni));
        f->hlavni->akce(QStringLiteral("asme"))->trigger();
        QVERIFY(v->mrizka().cells.size() > 30);
        snimek(v, "data_asymetrie");
    }

    // Every operation that changes records leaves the asymmetry tables and
    // view 12 as a fresh computation gives them.
    void asymetriePoZmenach() {
        auto f = spustit();
        QVERIFY(f);
        f->hlavni->akce(QStringLiteral("vysledky1"))->trigger();
        ResultsWindow* v = ResultsWindow::otevrene(*f->hlavni);
        QVERIFY(v);
        f->hlavni->akce(QStringLiteral("asro"))->trigger();
        SessionModel& model = f->hlavni->model();
        const Session& s = f->session;
        auto rocni = [&] { return model.analysis().asymmetry().AsymetrieRocni.hodnoty; };
        // The tables and the view as computed afresh, and changed by the step.
        auto overit = [&](const char* krok, const auto& pred) {
            const Asymetrie cerstva = SpocitejAsymetrii(s.records());
            QVERIFY2(rocni() == cerstva.AsymetrieRocni.hodnoty && rocni() != pred, krok);
            QVERIFY2(v->mrizka().cells == BuildAsymmetryGrid(cerstva, s.records(), false).cells,
                     krok);
        };

        // A correction that makes the north of the first drawing far larger.
        auto pred = rocni();
        model.setCurrent(1);
        TZaznam z = s.record(1);
        z.Souhrn.gSev = static_cast<decltype(z.Souhrn.gSev)>(z.Souhrn.gSev + 40);
        model.replaceCurrentRecord(z);
        overit("oprava", pred);

        // "Přepočítat" takes the summary from the groups again.
        pred = rocni();
        QVERIFY(!model.recomputeAll());
        overit("přepočet", pred);

        // Merged records of a year after the last one add a year.
        pred = rocni();
        TZaznam novy = s.record(s.PocetZaznamu());
        novy.Datum.setText("15.06." + std::to_string(std::stoi(novy.Datum.text().substr(6)) + 1));
        model.mergeRecords(std::vector<TZaznam>{novy});
        overit("sloučení", pred);
        QCOMPARE(rocni().size(), pred.size() + 1);
    }
};

QTEST_MAIN(TestGraphWindow)
#include "tst_graph_window.moc"
