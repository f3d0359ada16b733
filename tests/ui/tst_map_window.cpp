// The map window on a demo directory: opened from the main menu with its
// caption, panel and rotation list; every view, layer and panel button
// changes what is painted; the rotation list; the comparison and its shift
// (faculae included); the text insertion; printing, F8 and F9; the
// magnetosphere summation and its cancel; the messages for missing data;
// closing restores the main window.
#include <QAction>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <filesystem>

#include "demo/demo.h"
#include "io/atomic_file.h"
#include "maps/map_dates.h"
#include "ui/graphs/butterfly_window.h"
#include "ui/maps/map_window.h"
#include "ui/support/frame_fixture.h"
#include "ui/support/picture_compare.h"

using namespace hk;
using namespace hk::test;
namespace fs = std::filesystem;

namespace {

bool isWhite(const QImage& img, const QRect& r) {
    for (int y = r.top(); y <= r.bottom(); y += 3)
        for (int x = r.left(); x <= r.right(); x += 3)
            if (img.pixel(x, y) != qRgb(255, 255, 255)) return false;
    return true;
}

} // namespace

class TestMapWindow : public QObject {
    Q_OBJECT
    TempDir demo_;
    std::unique_ptr<Frame> f_;
    MapWindow* w_ = nullptr;

    void runCommand(const char* name) {
        if (QAction* a = w_->action(QString::fromLatin1(name)))
            a->trigger();
        else
            f_->mainWindow->action(QString::fromLatin1(name))->trigger();
    }
    // A rotation of the list whose map has faculae, leaves and many groups.
    void richRotation() {
        const auto& r = w_->rotationIndex().rotations();
        auto* list = w_->findChild<QListWidget*>("ListBox1");
        for (int i = int(r.size()) / 2; i < int(r.size()); ++i) {
            runCommand("vyberm");
            list->setCurrentRow(i);
            QTest::keyClick(list, Qt::Key_Return);
            const SynopticMap& m = w_->map();
            const bool list = std::any_of(m.groups.begin(), m.groups.end(),
                                          [](const MapGroupSymbol& g) { return g.leaf; });
            if (list && !m.faculae.empty() && m.groups.size() > 5) return;
        }
        QFAIL("no rotation with faculae and leaves");
    }

    // The program on `records` (none: a copy of the demo) with the map open.
    bool openMap(const std::vector<TZaznam>& records = {}) {
        f_ = std::make_unique<Frame>(records);
        if (records.empty()) f_->copyIn(demo_.path());
        if (!f_->start()) return false;
        installMap(f_->mainWindow->context());
        f_->mainWindow->show();
        if (!QTest::qWaitForWindowExposed(f_->mainWindow.get())) return false;
        f_->mainWindow->action("map")->trigger();
        w_ = MapWindow::openInstance(f_->mainWindow->area());
        return w_ != nullptr;
    }

  private slots:
    void initTestCase() {
        DemoOptions o{.years = 3, .perYear = 120, .endDate = {2014, 12, 31}};
        WriteDemoDirectory(demo_.path(), o);
    }

    void init() { QVERIFY(openMap()); }

    void cleanup() { f_.reset(); }

    // Its caption, panel and list; what it computes, when it builds its
    // models, and its two sizes.
    void opensOnTheWorkingRecordsRotation() {
        const int R = f_->session.workingRecord().Rotace;
        QCOMPARE(w_->rotation(), R);
        QCOMPARE(w_->windowTitle(), QString::fromStdString(MapCaption(R)));
        QVERIFY(w_->windowTitle().startsWith(QStringLiteral("Mapa   ")));
        QCOMPARE(f_->mainWindow->visiblePanel(), QStringLiteral("promapu"));
        QVERIFY(!f_->mainWindow->action("map")->isEnabled());
        auto* list = w_->findChild<QListWidget*>("ListBox1");
        QCOMPARE(std::size_t(list->count()), w_->rotationIndex().rotations().size());
        QVERIFY(list->count() > 30);
        // The whole window lies in the work area.
        const QRect area = f_->mainWindow->area()->viewport()->rect();
        QVERIFY(area.contains(w_->parentWidget()->geometry()));
        // The map of one rotation computed the geometry of its records only;
        // the long map needs the whole store's.
        QVERIFY(!f_->session.geometry(1, 0).clean());
        runCommand("dlouhamap");
        QVERIFY(f_->session.geometry(1, 0).clean());

        // The models are built when something changes, not per repaint.
        const int n = w_->buildCount();
        w_->picture();
        w_->canvas()->repaint();
        QCOMPARE(w_->buildCount(), n);
        runCommand("fakulzap");
        QVERIFY(w_->buildCount() > n);

        // Smaller and larger again; the map still fits the smaller client area.
        runCommand("mapky");
        QMdiSubWindow* sub = qobject_cast<QMdiSubWindow*>(w_->parentWidget());
        const QSize large = sub->size();
        runCommand("mensivetsi");
        QCOMPARE(sub->size(), QSize(812, 581));
        QCOMPARE(w_->action("mensivetsi")->text(), QStringLiteral("Zvětšit"));
        QVERIFY(w_->map().frameRight <= w_->canvas()->width());
        runCommand("mensivetsi");
        QCOMPARE(sub->size(), large);
    }

    void everyCommandChangesThePicture_data() {
        QTest::addColumn<QString>("name");
        // (The views and layers that render map draws too are compared with
        // it below.)
        for (const char* p :
             {"koronaglob", "Koronazvlast", "Magnetzvlast", "koronapod", "Srovnani", "fakulzap",
              "SpeedButton1", "SpeedButton6", "dlouham", "vysokam", "SpeedButton5", "koronagraf",
              "koronaitensit", "koronsku", "koronpod", "srovnan"})
            QTest::newRow(p) << QString::fromLatin1(p);
    }
    void everyCommandChangesThePicture() {
        QFETCH(QString, name);
        richRotation();
        const QImage pred = w_->picture();
        runCommand(name.toLatin1().constData());
        QVERIFY2(f_->messages.messages.isEmpty(), qPrintable(f_->messages.messages.join('|')));
        QVERIFY(DifferingPixels(pred, w_->picture()) > 0);
    }

    // heliokres-cli render map draws what the window's client area shows, to
    // the pixel, at the sizes of a small and two large screens.
    void commandLineDrawsWhatTheWindowShows_data() {
        QTest::addColumn<QStringList>("commands"); // the window's, after the rotation is chosen
        QTest::addColumn<QString>("flags");        // render map's
        const QStringList layers{"plochazap", "Stredfakuli", "koronazap"};
        QTest::newRow("single") << QStringList{} << "";
        QTest::newRow("layers") << layers << "--no-areas --faculae-centres --corona";
        QTest::newRow("magnetosphere") << QStringList{"magnetzap", "magnobr"} << "--magnetosphere";
        QTest::newRow("long") << QStringList{"dlouhamap"} << "--kind long";
        QTest::newRow("high") << QStringList{"vysokamap"} << "--kind high";
        QTest::newRow("two") << QStringList{"dvenadsebou"} << "--kind two";
        QTest::newRow("corona-graph") << QStringList{"KoronaGraf"} << "--kind corona-graph";
        QTest::newRow("corona-butterfly")
            << QStringList{"Koronamotyl"} << "--kind corona-butterfly";
    }
    void commandLineDrawsWhatTheWindowShows() {
        QFETCH(QStringList, commands);
        QFETCH(QString, flags);
        // The magnetosphere on the rotation the window opens on, the last.
        const bool lastRotation = flags == "--magnetosphere";
        // The magnetograms of the demo are of its last days.
        if (lastRotation) {
            QImage magnetPicture(80, 40, QImage::Format_RGB32);
            magnetPicture.fill(QColor(0, 0, 200));
            fs::create_directories(f_->path("magnetOBR"));
            const std::string name = "On" + std::to_string(w_->rotation()) + ".bmp";
            QVERIFY(magnetPicture.save(
                QString::fromStdString((f_->path("magnetOBR") / name).string())));
        } else {
            richRotation();
        }
        for (const QString& c : commands)
            runCommand(c.toLatin1().constData());
        QVERIFY2(f_->messages.messages.isEmpty(), qPrintable(f_->messages.messages.join('|')));
        for (const QSize size : ParitySizes) {
            // The sub-window grows or shrinks until its client area has that size.
            QWidget* sub = w_->parentWidget();
            w_->layout()->activate();
            sub->resize(sub->size() + size - w_->canvas()->size());
            w_->layout()->activate();
            QCOMPARE(w_->canvas()->size(), size);
            QImage window(size, QImage::Format_RGB32);
            w_->canvas()->render(&window, {}, {}, QWidget::DrawWindowBackground);

            const QImage cli = CliPicture(
                f_->dir.path(), QStringLiteral("render map %1 --rotation %2 --size %3 %4")
                                    .arg(QString::fromStdString(ShellQuoted(f_->dir.path())))
                                    .arg(w_->rotation())
                                    .arg(SizeText(size), flags));
            QCOMPARE(cli.size(), size);
            QCOMPARE(DifferingPixels(window, cli), 0);
            // The picture is stretched over the map's grid.
            if (lastRotation) {
                QImage blue(size, QImage::Format_RGB32);
                blue.fill(QColor(0, 0, 200));
                QVERIFY(DifferingPixels(window, blue) <
                        qint64(size.width()) * size.height() * 4 / 5);
            }
        }
    }

    // Without the folder Magneto; "Hmagnet" is the comparison's button.
    void missingDataSaySoAndLeaveTheLayerOff_data() {
        QTest::addColumn<QString>("name");
        for (const char* p : {"magnetzap", "magnobr", "MagnetoSfera1", "Magnetzvlast", "Hmagnet"})
            QTest::newRow(p) << p;
    }
    void missingDataSaySoAndLeaveTheLayerOff() {
        QFETCH(QString, name);
        fs::remove_all(f_->path("Magneto"));
        if (name == QLatin1String("Hmagnet")) {
            runCommand("Srovnani");
            w_->findChild<QPushButton*>(name)->click();
            QCOMPARE(w_->upper(), unsigned(ComparisonSpots));
        } else {
            runCommand(name.toLatin1().constData());
        }
        QCOMPARE(f_->messages.messages,
                 QStringList{QStringLiteral("Nejsou data pro magnetosféru")});
        QVERIFY(!w_->layers().magnetosphereOn && !w_->layers().magnetospherePicture);
        QVERIFY(!w_->action(name) || !w_->action(name)->isChecked());
        QVERIFY(w_->view() == MapView::Single);
    }

    void rotationListSelectsTheMap() {
        runCommand("rotacem");
        auto* list = w_->findChild<QListWidget*>("ListBox1");
        QVERIFY(list->isVisible());
        QCOMPARE(list->currentRow(), w_->selectedRow());
        const int k = 5;
        list->scrollToItem(list->item(k));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(k)).center());
        QCOMPARE(w_->selectedRow(), k);
        QCOMPARE(w_->rotation(), w_->rotationIndex().rotations()[k]);
        QVERIFY(!list->isVisible());
        QCOMPARE(w_->windowTitle(), QString::fromStdString(MapCaption(w_->rotation())));
        // The keys step through the list and the map follows.
        runCommand("vyberm");
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(w_->selectedRow(), k + 1);
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(!list->isVisible());
        // The working record of the program stays.
        QCOMPARE(f_->session.currentIndex(), f_->session.recordCount());
    }

    void comparisonShiftsTheLowerMapWithItsFaculae() {
        richRotation();
        const int R = w_->rotation();
        runCommand("Srovnani");
        auto* panel = w_->findChild<QWidget*>("Panelsrovnani");
        QVERIFY(panel->isVisible());
        QVERIFY(w_->canvas()->rect().contains(panel->geometry()));
        // Both maps fit the client area.
        QVERIFY(w_->map().s * 52 + 15 <= w_->canvas()->height());
        auto click = [this](const char* b) {
            w_->findChild<QPushButton*>(QString::fromLatin1(b))->click();
        };
        const QImage upperOnly = w_->picture();
        const QRect lowerQuarter(0, w_->canvas()->height() * 3 / 4, 500, 40);
        QVERIFY(isWhite(upperOnly, lowerQuarter));
        click("Dfakule");
        QCOMPARE(w_->lower(), unsigned(ComparisonFaculae));
        const QImage faculaeOff = w_->picture();
        QVERIFY(DifferingPixels(upperOnly, faculaeOff) > 1000);

        // One rotation on: the lower map is that rotation's, still with its faculae.
        auto* scrollBar = w_->findChild<QScrollBar*>("ScrollBar3");
        scrollBar->setValue(11);
        QCOMPARE(w_->offset(), 1);
        QCOMPARE(w_->lower(), unsigned(ComparisonFaculae));
        QVERIFY(w_->findChild<QLabel*>("Label1")->text().contains(QString::number(R + 1)));
        QVERIFY(f_->messages.messages.isEmpty());
        const QImage faculaeOn = w_->picture();
        QVERIFY(DifferingPixels(faculaeOff, faculaeOn) > 500);
        QCOMPARE(w_->rotation(), R); // the upper map stays

        click("Hfakule");
        QCOMPARE(w_->upper(), unsigned(ComparisonSpots | ComparisonFaculae));
        click("MazaniDol");
        QCOMPARE(w_->lower(), 0u);
        click("mazaniHor");
        QVERIFY(isWhite(w_->picture(), QRect(0, 40, 700, w_->canvas()->height() - 80)));
        // Leaving the mode hides the panel.
        runCommand("Srovnani");
        QVERIFY(!panel->isVisible());
        // So does "Mapky".
        runCommand("Srovnani");
        QVERIFY(panel->isVisible());
        runCommand("mapam");
        QVERIFY(!panel->isVisible());
    }

    void comparisonCoronaNeedsFurtherData() {
        // The last rotation: the corona table ends with the data.
        runCommand("Srovnani");
        w_->findChild<QPushButton*>("Hkorona")->click();
        QCOMPARE(f_->messages.messages, QStringList{QStringLiteral("Nejsou další data")});
        QCOMPARE(w_->upper(), unsigned(ComparisonSpots));
        richRotation();
        f_->messages.clear();
        w_->findChild<QPushButton*>("Dkorona")->click();
        QVERIFY(f_->messages.messages.isEmpty());
        QCOMPARE(w_->lower(), unsigned(ComparisonCorona));
    }

    void textIsWrittenWhereThePressWas() {
        runCommand("koronpod");
        QAction* a = f_->mainWindow->action("vloztext");
        a->trigger();
        QVERIFY(a->isChecked());
        const QImage pred = w_->picture();
        QTest::mousePress(w_->canvas(), Qt::LeftButton, {}, QPoint(300, 200));
        auto* edit = w_->findChild<QLineEdit*>("Edit5");
        QVERIFY(edit->isVisible());
        QCOMPARE(edit->pos(), QPoint(300, 200));
        QTest::keyClicks(edit, QStringLiteral("Pozn PVZ"));
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(!edit->isVisible());
        QVERIFY(!a->isChecked());
        QVERIFY(!isWhite(w_->picture(), QRect(300, 200, 60, 20)));
        QVERIFY(DifferingPixels(pred, w_->picture()) > 0);
        // The letters went into the text, not to the window's keys.
        QVERIFY(w_->layers().areasOn);
        // The other layer's button still shows the layer.
        QVERIFY(f_->mainWindow->action("koronpod")->isChecked());
    }

    void printsEveryViewAndSavesWithF8AndF9() {
        const fs::path pdf = f_->path("mapa.pdf");
        w_->choosePrinter = PrintToPdf(pdf);
        for (const char* view : {"mapky", "vysokamap"}) {
            fs::remove(pdf);
            runCommand(view);
            runCommand("Tisk1");
            QVERIFY2(fs::exists(pdf) && fs::file_size(pdf) > 1000, view);
        }
        runCommand("mapky");
        f_->messages.answers.push_back(true);
        QTest::keyClick(w_->canvas(), Qt::Key_F8);
        QCOMPARE(f_->messages.questions.size(), 1);
        const std::string name = "Mapa  " + std::to_string(w_->rotation()) + ".jpg";
        QVERIFY(fs::exists(f_->path("Obrázek") / name));
        QVERIFY(!w_->layers().areasOn);
        QVERIFY(w_->findChild<QToolBar*>("Toolbar1")->isVisible());
        QTest::keyClick(w_->canvas(), Qt::Key_Z);
        QVERIFY(w_->layers().areasOn);
        QTest::keyClick(w_->canvas(), Qt::Key_F9);
        QCOMPARE(f_->messages.questions.size(), 1);
        QVERIFY(fs::exists(f_->path("Obrázek") / "MagnetSuma.jpg"));
    }

    void summationWritesMagnDatAndCancelKeepsIt() {
        w_->today = [] { return Date{2015, 1, 1}; };
        const fs::path magnCells = f_->path("magn.dat");
        WriteFileAtomic(magnCells, "stary obsah");
        // Cancelled while it runs: the old file stays.
        QTimer::singleShot(0, w_, [this] {
            if (auto* d = w_->findChild<QProgressDialog*>("Pocita")) d->cancel();
        });
        QTest::keyClick(w_->canvas(), Qt::Key_P);
        QCOMPARE(ReadWholeFile(magnCells), std::string("stary obsah"));
        QVERIFY(f_->messages.messages.isEmpty());

        QTest::keyClick(w_->canvas(), Qt::Key_P);
        const std::string after = ReadWholeFile(magnCells);
        QCOMPARE(after.size() % 10890, std::size_t(0));
        QVERIFY(after.size() > 10890 * 100);
        QVERIFY(std::any_of(after.begin(), after.end(), [](char c) { return c != 0; }));
    }

    void magnetosphereComparisonBox() {
        runCommand("SpeedButton1");
        auto* box = w_->findChild<QWidget*>("datamagnet");
        QVERIFY(box->isVisible());
        auto pole = [box](const char* n) {
            return box->findChild<QLineEdit*>(QString::fromLatin1(n));
        };
        auto click = [box](const char* n) {
            box->findChild<QPushButton*>(QString::fromLatin1(n))->click();
        };
        pole("Otocka")->setText(QStringLiteral("1717"));
        click("Potvrdit");
        QCOMPARE(f_->messages.messages.size(), 1);
        QVERIFY(f_->messages.messages[0].startsWith(QStringLiteral("Otočka musí být")));
        QCOMPARE(w_->magnetComparison().params.rotationText, 1958);

        const int R = w_->rotation();
        pole("Otocka")->setText(QString::number(R - 20));
        pole("Cykly")->setText(QStringLiteral("2"));
        const QImage pred = w_->picture();
        click("Potvrdit");
        QCOMPARE(f_->messages.messages.size(), 1);
        QCOMPARE(w_->magnetComparison().params.rotationText, R - 20);
        QCOMPARE(w_->magnetComparison().rows, 21); // up to the last record's rotation
        QVERIFY(DifferingPixels(pred, w_->picture()) > 0);
        const QImage higher = w_->picture();
        click("Vetsi");
        QCOMPARE(w_->magnetComparison().params.rowHeight, 7);
        QVERIFY(DifferingPixels(higher, w_->picture()) > 0);
        // Hidden again, the map comes back.
        runCommand("SpeedButton1");
        QVERIFY(!box->isVisible());
        QVERIFY(!w_->map().groups.empty());
    }

    void aStoreWithoutOutsideDataSaysSo() {
        // Three drawings, no corona, no magnetograms: every view opens or
        // says why not.
        QVERIFY(openMap(DayRecords(3)));
        QVERIFY(!w_->action("Korona1")->isEnabled());
        for (const char* p :
             {"koronagraf", "koronaitensit", "koronsku", "koronpod", "koronazap", "Koronazvlast"}) {
            f_->messages.clear();
            runCommand(p);
            QCOMPARE(f_->messages.messages, QStringList{QStringLiteral("Nejsou data pro koronu")});
            QVERIFY(w_->view() == MapView::Single);
        }
        f_->messages.clear();
        for (const char* p : {"dlouhamap", "vysokamap", "dvenadsebou", "Srovnani", "rotacem",
                              "SpeedButton1", "mapky", "SpeedButton6"}) {
            runCommand(p);
            QVERIFY(!w_->picture().isNull());
        }
        QVERIFY(f_->messages.messages.isEmpty());
    }

    void closingRestoresTheMainWindow() {
        runCommand("koronpod");
        QVERIFY(f_->mainWindow->action("koronpod")->isChecked());
        auto* other = f_->mainWindow->area()->addSubWindow(new QWidget);
        other->show();
        f_->mainWindow->area()->setActiveSubWindow(other);
        QTRY_VERIFY(MapWindow::openInstance(f_->mainWindow->area()) == nullptr);
        QCOMPARE(f_->mainWindow->visiblePanel(), QStringLiteral("zakladni"));
        QVERIFY(f_->mainWindow->action("map")->isEnabled());
        QVERIFY(!f_->mainWindow->action("koronpod")->isChecked());
        // A window that shows its own panel as it opens (the butterfly, the
        // graphs) keeps it when its activation closes the map.
        f_->mainWindow->action("map")->trigger();
        QVERIFY(MapWindow::openInstance(f_->mainWindow->area()));
        installButterfly(f_->mainWindow->context());
        f_->mainWindow->action("motylek1")->trigger();
        QTRY_VERIFY(MapWindow::openInstance(f_->mainWindow->area()) == nullptr);
        QCOMPARE(f_->mainWindow->visiblePanel(), QStringLiteral("promotylek"));
        QTRY_VERIFY(f_->mainWindow->panel("promotylek")->isVisible());
        f_->mainWindow->area()->setActiveSubWindow(other);
        // Opened again, from the panel's menu command.
        f_->mainWindow->action("map")->trigger();
        QVERIFY(MapWindow::openInstance(f_->mainWindow->area()));
        f_->mainWindow->action("SpeedButton10")->trigger();
        QTRY_VERIFY(MapWindow::openInstance(f_->mainWindow->area()) == nullptr);
        QCOMPARE(f_->mainWindow->visiblePanel(), QStringLiteral("zakladni"));
    }
};

QTEST_MAIN(TestMapWindow)
#include "tst_map_window.moc"
