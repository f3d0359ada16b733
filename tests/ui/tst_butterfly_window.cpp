// The butterfly window on a demo directory: opened from the menu, its
// caption with the size, the panel's scale buttons and their limits, the
// equator drag, the corona without data, printing, F8, closing itself when
// another window becomes active; and the results view for maps showing the
// core table.
#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QScrollBar>
#include <QTest>
#include <filesystem>

#include "demo/demo.h"
#include "io/atomic_file.h"
#include "results/rotation_table.h"
#include "ui/graphs/butterfly_window.h"
#include "ui/support/results_window_fixture.h"

using namespace hk;
using namespace hk::test;
namespace fs = std::filesystem;

class TestButterflyWindow : public QObject {
    Q_OBJECT
    TempDir demo_;
    std::unique_ptr<test::Frame> f_;
    ButterflyWindow* w_ = nullptr;

    void tlacitko(const char* jmeno, int kolikrat = 1) {
        for (int i = 0; i < kolikrat; ++i)
            f_->hlavni->akce(QString::fromLatin1(jmeno))->trigger();
    }

  private slots:
    void initTestCase() {
        DemoOptions o{.years = 3, .perYear = 80, .endDate = {2014, 12, 31}};
        WriteDemoDirectory(demo_.path(), o);
    }

    void init() {
        f_ = std::make_unique<test::Frame>(std::vector<TZaznam>{});
        f_->copyIn(demo_.path());
        QVERIFY(f_->start());
        installVysledky(*f_->hlavni);
        installMotylek(*f_->hlavni);
        f_->hlavni->show();
        tlacitko("motylek1");
        w_ = ButterflyWindow::otevrene(f_->hlavni->plocha());
        QVERIFY(w_);
    }

    void cleanup() { f_.reset(); }

    void opensWithCaptionPanelAndTheCorona() {
        QCOMPARE(f_->hlavni->viditelnyPanel(), QStringLiteral("promotylek"));
        const QString size = QString::number(w_->platno()->width()) + QStringLiteral(" x ") +
                             QString::number(w_->platno()->height());
        QCOMPARE(w_->windowTitle(), QStringLiteral("Motýlek   Skvrny") + QString(10, ' ') + size);
        // Nothing shown so far needs the corona: it is read when first shown,
        // and what that read warns about is shown then.
        QVERIFY(!f_->hlavni->model().analysis().coronaLoaded());
        f_->zpravy.clear();
        WriteFileAtomic(f_->path("KoronaX/HR1941.csv"), "1 1941 1 1 1 0 x\r\n");
        tlacitko("fakule");
        QVERIFY(w_->windowTitle().startsWith(QStringLiteral("Motýlek   Fakule          ")));
        QVERIFY(f_->hlavni->akce(QStringLiteral("fakule"))->isChecked());
        QVERIFY(!f_->hlavni->akce(QStringLiteral("skvrny"))->isChecked());
        tlacitko("podkreskorona");
        QVERIFY(w_->volby().korona);
        QCOMPARE(f_->zpravy.zpravy.size(), 1);
        QVERIFY(f_->zpravy.zpravy.front().contains(QStringLiteral("HR1941.csv")));
        QVERIFY(w_->akce(QStringLiteral("doplnkova"))->isVisible() || !w_->isVisible());

        if (const QByteArray file = qgetenv("HELIOKRES_SCREENSHOT"); !file.isEmpty()) {
            tlacitko("skvrfak");
            tlacitko("vse");
            tlacitko("vpravo", 3);
            w_->findChild<QScrollBar*>(QStringLiteral("HorzScrollBar"))->setValue(7200);
            QTest::qWait(50);
            f_->hlavni->grab().save(QString::fromLocal8Bit(file));
        }
    }

    void scaleButtonsStayWithinTheirLimits() {
        struct Krok {
            const char* tlacitko;
            int kolikrat;
            int rotace, sirky;
        };
        for (const Krok& k :
             {Krok{"vlevo", 1, 1, 3}, Krok{"vpravo", 6, 16, 3}, Krok{"vlevo", 2, 4, 3},
              Krok{"vetsi", 8, 4, 9}, Krok{"mensi", 12, 4, 1}}) {
            tlacitko(k.tlacitko, k.kolikrat);
            QCOMPARE(w_->volby().MeritkoRotace, k.rotace);
            QCOMPARE(w_->volby().MeritkoSirky, k.sirky);
        }
        QCOMPARE(w_->findChild<QScrollBar*>(QStringLiteral("HorzScrollBar"))->maximum(),
                 1000 * 4 + 1000 - w_->platno()->width());
        // Faculae width only with faculae shown.
        tlacitko("sirfakule");
        QVERIFY(!w_->volby().SirkaFakuli);
        tlacitko("skvrfak");
        tlacitko("sirfakule");
        QVERIFY(w_->volby().SirkaFakuli);
    }

    void secondDragReplacesTheOffset() {
        QWidget* p = w_->platno();
        QTest::mousePress(p, Qt::LeftButton, {}, QPoint(300, 100));
        QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(300, 160));
        QCOMPARE(w_->volby().PosunRovniku, 60);
        QTest::mousePress(p, Qt::LeftButton, {}, QPoint(300, 200));
        QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(300, 180));
        QCOMPARE(w_->volby().PosunRovniku, -20);
    }

    void overlaysAllClearsTheOthers() {
        tlacitko("vyskvrn");
        tlacitko("hranice");
        QVERIFY(w_->volby().vyskaskvrn && w_->volby().hranice);
        tlacitko("vse");
        QVERIFY(w_->volby().vse);
        QVERIFY(!w_->volby().vyskaskvrn && !w_->volby().hranice && !w_->volby().vyskahlazena);
    }

    void printsToPdfAndSavesWithF8() {
        const fs::path pdf = f_->dir.path() / "motylek.pdf";
        w_->vybratTiskarnu = [&pdf](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(pdf.string()));
            return true;
        };
        w_->akce(QStringLiteral("tiskmot"))->trigger();
        QVERIFY(fs::exists(pdf) && fs::file_size(pdf) > 1000);

        f_->zpravy.odpovedi.push_back(true);
        QTest::keyClick(w_->platno(), Qt::Key_F8);
        QVERIFY(!f_->zpravy.otazky.isEmpty());
        QVERIFY(f_->zpravy.otazky.last().contains(QStringLiteral("Uložit bitmapu okna")));
    }

    void closesWhenAnotherWindowIsActivated() {
        auto* jine = f_->hlavni->plocha()->addSubWindow(new QWidget);
        jine->show();
        f_->hlavni->plocha()->setActiveSubWindow(jine);
        QTRY_VERIFY(ButterflyWindow::otevrene(f_->hlavni->plocha()) == nullptr);
        QCOMPARE(f_->hlavni->viditelnyPanel(), QStringLiteral("zakladni"));
    }

    void resultsViewForMapsShowsTheCoreTable() {
        f_->hlavni->akce(QStringLiteral("vysledky1"))->trigger();
        ResultsWindow* v = ResultsWindow::otevrene(*f_->hlavni);
        QVERIFY(v);
        v->akce(QStringLiteral("udajmapa"))->trigger();
        QCOMPARE(v->RezimVysledku(), int(ResultsWindow::UdajeMapa));
        QCOMPARE(
            RozdilMrizky(v->findChild<QTableWidget*>(QStringLiteral("StringGrid5")),
                         BuildRotationStatistics(f_->session.records(), f_->session.geometry())),
            QString());
        QCOMPARE(v->windowTitle(), QStringLiteral("Výsledky    údaje pro mapu"));
    }
};

QTEST_MAIN(TestButterflyWindow)
#include "tst_butterfly_window.moc"
