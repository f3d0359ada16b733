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
#include "render/butterfly.h"
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

    void button(const char* name, int times = 1) {
        for (int i = 0; i < times; ++i)
            f_->mainWindow->action(QString::fromLatin1(name))->trigger();
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
        installResults(f_->mainWindow->context());
        installButterfly(f_->mainWindow->context());
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
        QVERIFY(f_->mainWindow->action(QStringLiteral("fakule"))->isChecked());
        QVERIFY(!f_->mainWindow->action(QStringLiteral("skvrny"))->isChecked());
        button("podkreskorona");
        QCOMPARE(ButterflyStartRotation(w_->model(), w_->options()), axis.start);
        QVERIFY(w_->options().corona);
        QCOMPARE(f_->messages.messages.size(), 1);
        QVERIFY(f_->messages.messages.front().contains(QStringLiteral("HR1941.csv")));
        QVERIFY(w_->action(QStringLiteral("doplnkova"))->isVisible() || !w_->isVisible());
    }

    void scaleButtonsStayWithinTheirLimits() {
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
            w_->findChild<QScrollBar*>(QStringLiteral("HorzScrollBar"))->maximum(),
            std::max(0, ButterflyScrollRange(w_->model(), w_->options()) - w_->canvas()->width()));
        // Faculae width only with faculae shown.
        button("sirfakule");
        QVERIFY(!w_->options().faculaeBars);
        button("skvrfak");
        button("sirfakule");
        QVERIFY(w_->options().faculaeBars);
    }

    void secondDragReplacesTheOffset() {
        QWidget* p = w_->canvas();
        QTest::mousePress(p, Qt::LeftButton, {}, QPoint(300, 100));
        QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(300, 160));
        QCOMPARE(w_->options().equatorOffset, 60);
        QTest::mousePress(p, Qt::LeftButton, {}, QPoint(300, 200));
        QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(300, 180));
        QCOMPARE(w_->options().equatorOffset, -20);
    }

    void overlaysAllClearsTheOthers() {
        button("vyskvrn");
        button("hranice");
        QVERIFY(w_->options().meanCurve && w_->options().bounds);
        button("vse");
        QVERIFY(w_->options().allCurves);
        QVERIFY(!w_->options().meanCurve && !w_->options().bounds && !w_->options().smoothedCurve);
    }

    void printsToPdfAndSavesWithF8() {
        const fs::path pdf = f_->dir.path() / "motylek.pdf";
        w_->choosePrinter = [&pdf](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(pdf.string()));
            return true;
        };
        w_->action(QStringLiteral("tiskmot"))->trigger();
        QVERIFY(fs::exists(pdf) && fs::file_size(pdf) > 1000);

        f_->messages.answers.push_back(true);
        QTest::keyClick(w_->canvas(), Qt::Key_F8);
        QVERIFY(!f_->messages.questions.isEmpty());
        QVERIFY(f_->messages.questions.last().contains(QStringLiteral("Uložit bitmapu okna")));
    }

    void closesWhenAnotherWindowIsActivated() {
        auto* other = f_->mainWindow->area()->addSubWindow(new QWidget);
        other->show();
        f_->mainWindow->area()->setActiveSubWindow(other);
        QTRY_VERIFY(ButterflyWindow::openInstance(f_->mainWindow->area()) == nullptr);
        QCOMPARE(f_->mainWindow->visiblePanel(), QStringLiteral("zakladni"));
    }

    void resultsViewForMapsShowsTheCoreTable() {
        f_->mainWindow->action(QStringLiteral("vysledky1"))->trigger();
        ResultsWindow* v = ResultsWindow::openInstance(f_->mainWindow->context());
        QVERIFY(v);
        v->action(QStringLiteral("udajmapa"))->trigger();
        QCOMPARE(v->resultsMode(), int(ResultsWindow::MapData));
        QCOMPARE(
            GridDifference(v->findChild<QTableView*>(QStringLiteral("StringGrid5")),
                           BuildRotationStatistics(f_->session.records(), f_->session.geometry())),
            QString());
        QCOMPARE(v->windowTitle(), QStringLiteral("Výsledky    údaje pro mapu"));
    }
};

QTEST_MAIN(TestButterflyWindow)
#include "tst_butterfly_window.moc"
