// The map window on a demo directory: opened from the main menu with its
// caption, panel and rotation list; every view, layer and panel button
// changes what is painted; the rotation list; the comparison and its shift
// (faculae included); the text insertion; printing, F8 and F9; the
// magnetosphere summation and its cancel; the messages for missing data;
// closing restores the main window.
#include <QAction>
#include <QImage>
#include <QLabel>
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
#include "ui/maps/map_window.h"
#include "ui/support/frame_fixture.h"

using namespace hk;
using namespace hk::test;
namespace fs = std::filesystem;

namespace {

// Share of pixels that differ between two pictures of the same size.
double rozdil(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return 1;
    long n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return double(n) / (a.width() * a.height());
}

bool bila(const QImage& img, const QRect& r) {
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

    void prikaz(const char* jmeno) {
        if (QAction* a = w_->akce(QString::fromLatin1(jmeno)))
            a->trigger();
        else
            f_->hlavni->akce(QString::fromLatin1(jmeno))->trigger();
    }
    // A rotation of the list whose map has faculae, leaves and many groups.
    void bohataRotace() {
        const auto& r = w_->rotationIndex().rotations();
        for (int i = int(r.size()) / 2; i < int(r.size()); ++i) {
            w_->vyberRotace(i);
            const SynopticMap& m = w_->mapa();
            const bool list = std::any_of(m.groups.begin(), m.groups.end(),
                                          [](const MapGroupSymbol& g) { return g.leaf; });
            if (list && !m.faculae.empty() && m.groups.size() > 5) return;
        }
        QFAIL("no rotation with faculae and leaves");
    }

  private slots:
    void initTestCase() {
        DemoOptions o{.years = 3, .perYear = 120, .endDate = {2014, 12, 31}};
        WriteDemoDirectory(demo_.path(), o);
    }

    void init() {
        f_ = std::make_unique<Frame>(std::vector<TZaznam>{});
        f_->copyIn(demo_.path());
        QVERIFY(f_->start());
        installMapa(*f_->hlavni);
        f_->hlavni->show();
        QVERIFY(QTest::qWaitForWindowExposed(f_->hlavni.get()));
        f_->hlavni->akce(QStringLiteral("map"))->trigger();
        w_ = MapWindow::otevrene(f_->hlavni->plocha());
        QVERIFY(w_);
    }

    void cleanup() { f_.reset(); }

    void opensOnTheWorkingRecordsRotation() {
        const int R = f_->session.AktualniZaznam().Rotace;
        QCOMPARE(w_->rotace(), R);
        QCOMPARE(w_->windowTitle(), QString::fromStdString(MapCaption(R)));
        QVERIFY(w_->windowTitle().startsWith(QStringLiteral("Mapa   ")));
        QCOMPARE(f_->hlavni->viditelnyPanel(), QStringLiteral("promapu"));
        QVERIFY(!f_->hlavni->akce(QStringLiteral("map"))->isEnabled());
        auto* list = w_->findChild<QListWidget*>(QStringLiteral("ListBox1"));
        QCOMPARE(std::size_t(list->count()), w_->rotationIndex().rotations().size());
        QVERIFY(list->count() > 30);
        // The whole window lies in the work area.
        const QRect plocha = f_->hlavni->plocha()->viewport()->rect();
        QVERIFY(plocha.contains(w_->parentWidget()->geometry()));
    }

    void everyCommandChangesThePicture_data() {
        QTest::addColumn<QString>("prikaz");
        for (const char* p :
             {"dlouhamap",     "vysokamap",    "dvenadsebou",  "KoronaGraf",   "Koronamotyl",
              "koronaglob",    "Koronazvlast", "Magnetzvlast", "koronapod",    "Srovnani",
              "fakulzap",      "plochazap",    "Stredfakuli",  "koronazap",    "SpeedButton1",
              "SpeedButton6",  "dlouham",      "vysokam",      "SpeedButton5", "koronagraf",
              "koronaitensit", "koronsku",     "koronpod",     "srovnan"})
            QTest::newRow(p) << QString::fromLatin1(p);
    }
    void everyCommandChangesThePicture() {
        QFETCH(QString, prikaz);
        bohataRotace();
        const QImage pred = w_->obrazek();
        this->prikaz(prikaz.toLatin1().constData());
        QVERIFY2(f_->zpravy.zpravy.isEmpty(), qPrintable(f_->zpravy.zpravy.join('|')));
        QVERIFY(rozdil(pred, w_->obrazek()) > 0);
    }

    void magnetosphereLayerAndPictureOfTheLastRotation() {
        // The demo's magnetograms are of the last days: the working record's map.
        const QImage pred = w_->obrazek();
        prikaz("magnetzap");
        QVERIFY(w_->vrstvy().magnetzap);
        QVERIFY(w_->akce(QStringLiteral("MagnetoSfera1"))->isChecked());
        const QImage sVrstvou = w_->obrazek();
        QVERIFY(rozdil(pred, sVrstvou) > 0.0001);
        // The picture magnetOBR/On<R>.bmp stretched over the map.
        QImage obr(100, 60, QImage::Format_RGB32);
        obr.fill(QColor(0, 0, 200));
        fs::create_directories(f_->path("magnetOBR"));
        QVERIFY(obr.save(QString::fromStdString(
            (f_->path("magnetOBR") / ("On" + std::to_string(w_->rotace()) + ".bmp")).string())));
        prikaz("magnobr");
        QVERIFY(rozdil(sVrstvou, w_->obrazek()) > 0.2);
    }

    // Without the folder Magneto; "Hmagnet" is the comparison's button.
    void missingDataSaySoAndLeaveTheLayerOff_data() {
        QTest::addColumn<QString>("prikaz");
        for (const char* p : {"magnetzap", "magnobr", "MagnetoSfera1", "Magnetzvlast", "Hmagnet"})
            QTest::newRow(p) << p;
    }
    void missingDataSaySoAndLeaveTheLayerOff() {
        QFETCH(QString, prikaz);
        fs::remove_all(f_->path("Magneto"));
        if (prikaz == QLatin1String("Hmagnet")) {
            this->prikaz("Srovnani");
            w_->findChild<QPushButton*>(prikaz)->click();
            QCOMPARE(w_->horni(), unsigned(SrovnaniSkvrny));
        } else {
            this->prikaz(prikaz.toLatin1().constData());
        }
        QCOMPARE(f_->zpravy.zpravy, QStringList{QStringLiteral("Nejsou data pro magnetosféru")});
        QVERIFY(!w_->vrstvy().magnetzap && !w_->vrstvy().magnobr);
        QVERIFY(!w_->akce(prikaz) || !w_->akce(prikaz)->isChecked());
        QVERIFY(w_->pohled() == MapaPohled::Mapa);
    }

    void rotationListSelectsTheMap() {
        prikaz("rotacem");
        auto* list = w_->findChild<QListWidget*>(QStringLiteral("ListBox1"));
        QVERIFY(list->isVisible());
        QCOMPARE(list->currentRow(), w_->vybrana());
        const int k = 5;
        list->scrollToItem(list->item(k));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(k)).center());
        QCOMPARE(w_->vybrana(), k);
        QCOMPARE(w_->rotace(), w_->rotationIndex().rotations()[k]);
        QVERIFY(!list->isVisible());
        QCOMPARE(w_->windowTitle(), QString::fromStdString(MapCaption(w_->rotace())));
        // The keys step through the list and the map follows.
        prikaz("vyberm");
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(w_->vybrana(), k + 1);
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(!list->isVisible());
        // The working record of the program stays.
        QCOMPARE(f_->session.AktualniIndex(), f_->session.PocetZaznamu());
    }

    void modelsAreBuiltPerChangeNotPerRepaint() {
        const int n = w_->pocetSestaveni();
        w_->obrazek();
        w_->platno()->repaint();
        QCOMPARE(w_->pocetSestaveni(), n);
        prikaz("fakulzap");
        QVERIFY(w_->pocetSestaveni() > n);
    }

    void comparisonShiftsTheLowerMapWithItsFaculae() {
        bohataRotace();
        const int R = w_->rotace();
        prikaz("Srovnani");
        auto* panel = w_->findChild<QWidget*>(QStringLiteral("Panelsrovnani"));
        QVERIFY(panel->isVisible());
        QVERIFY(w_->platno()->rect().contains(panel->geometry()));
        // Both maps fit the client area.
        QVERIFY(w_->mapa().s * 52 + 15 <= w_->platno()->height());
        auto klik = [this](const char* b) {
            w_->findChild<QPushButton*>(QString::fromLatin1(b))->click();
        };
        const QImage jenHorni = w_->obrazek();
        const QRect dolniPulka(0, w_->platno()->height() * 3 / 4, 500, 40);
        QVERIFY(bila(jenHorni, dolniPulka));
        klik("Dfakule");
        QCOMPARE(w_->dolni(), unsigned(SrovnaniFakule));
        const QImage fakule0 = w_->obrazek();
        QVERIFY(rozdil(jenHorni, fakule0) > 0.001);

        // One rotation on: the lower map is that rotation's, still with its faculae.
        auto* posuv = w_->findChild<QScrollBar*>(QStringLiteral("ScrollBar3"));
        posuv->setValue(11);
        QCOMPARE(w_->posun(), 1);
        QCOMPARE(w_->dolni(), unsigned(SrovnaniFakule));
        QVERIFY(w_->findChild<QLabel*>(QStringLiteral("Label1"))
                    ->text()
                    .contains(QString::number(R + 1)));
        QVERIFY(f_->zpravy.zpravy.isEmpty());
        const QImage fakule1 = w_->obrazek();
        QVERIFY(rozdil(fakule0, fakule1) > 0.0005);
        QCOMPARE(w_->rotace(), R); // the upper map stays

        klik("Hfakule");
        QCOMPARE(w_->horni(), unsigned(SrovnaniSkvrny | SrovnaniFakule));
        klik("MazaniDol");
        QCOMPARE(w_->dolni(), 0u);
        klik("mazaniHor");
        QVERIFY(bila(w_->obrazek(), QRect(0, 40, 700, w_->platno()->height() - 80)));
        // Leaving the mode hides the panel.
        prikaz("Srovnani");
        QVERIFY(!w_->findChild<QWidget*>(QStringLiteral("Panelsrovnani"))->isVisible());
    }

    void comparisonCoronaNeedsFurtherData() {
        // The last rotation: the corona table ends with the data.
        prikaz("Srovnani");
        w_->findChild<QPushButton*>(QStringLiteral("Hkorona"))->click();
        QCOMPARE(f_->zpravy.zpravy, QStringList{QStringLiteral("Nejsou další data")});
        QCOMPARE(w_->horni(), unsigned(SrovnaniSkvrny));
        bohataRotace();
        f_->zpravy.clear();
        w_->findChild<QPushButton*>(QStringLiteral("Dkorona"))->click();
        QVERIFY(f_->zpravy.zpravy.isEmpty());
        QCOMPARE(w_->dolni(), unsigned(SrovnaniKorona));
    }

    void textIsWrittenWhereThePressWas() {
        prikaz("koronpod");
        QAction* a = f_->hlavni->akce(QStringLiteral("vloztext"));
        a->trigger();
        QVERIFY(a->isChecked());
        const QImage pred = w_->obrazek();
        QTest::mousePress(w_->platno(), Qt::LeftButton, {}, QPoint(300, 200));
        auto* edit = w_->findChild<QLineEdit*>(QStringLiteral("Edit5"));
        QVERIFY(edit->isVisible());
        QCOMPARE(edit->pos(), QPoint(300, 200));
        QTest::keyClicks(edit, QStringLiteral("Pozn PVZ"));
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(!edit->isVisible());
        QVERIFY(!a->isChecked());
        QVERIFY(!bila(w_->obrazek(), QRect(300, 200, 60, 20)));
        QVERIFY(rozdil(pred, w_->obrazek()) > 0);
        // The letters went into the text, not to the window's keys.
        QVERIFY(w_->vrstvy().plochazap);
        // The other layer's button still shows the layer.
        QVERIFY(f_->hlavni->akce(QStringLiteral("koronpod"))->isChecked());
    }

    void printsEveryViewAndSavesWithF8AndF9() {
        const fs::path pdf = f_->path("mapa.pdf");
        w_->vybratTiskarnu = [&pdf](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(pdf.string()));
            return true;
        };
        for (const char* pohled : {"mapky", "vysokamap"}) {
            fs::remove(pdf);
            prikaz(pohled);
            prikaz("Tisk1");
            QVERIFY2(fs::exists(pdf) && fs::file_size(pdf) > 1000, pohled);
        }
        prikaz("mapky");
        f_->zpravy.odpovedi.push_back(true);
        QTest::keyClick(w_->platno(), Qt::Key_F8);
        QCOMPARE(f_->zpravy.otazky.size(), 1);
        const std::string nazev = "Mapa  " + std::to_string(w_->rotace()) + ".jpg";
        QVERIFY(fs::exists(f_->path("Obrázek") / nazev));
        QVERIFY(!w_->vrstvy().plochazap);
        QVERIFY(w_->findChild<QToolBar*>(QStringLiteral("Toolbar1"))->isVisible());
        QTest::keyClick(w_->platno(), Qt::Key_Z);
        QVERIFY(w_->vrstvy().plochazap);
        QTest::keyClick(w_->platno(), Qt::Key_F9);
        QCOMPARE(f_->zpravy.otazky.size(), 1);
        QVERIFY(fs::exists(f_->path("Obrázek") / "MagnetSuma.jpg"));
    }

    void summationWritesMagnDatAndCancelKeepsIt() {
        w_->dnes = [] { return Date{2015, 1, 1}; };
        const fs::path magn = f_->path("magn.dat");
        WriteFileAtomic(magn, "stary obsah");
        // Cancelled while it runs: the old file stays.
        QTimer::singleShot(0, w_, [this] {
            if (auto* d = w_->findChild<QProgressDialog*>(QStringLiteral("Pocita"))) d->cancel();
        });
        QTest::keyClick(w_->platno(), Qt::Key_P);
        QCOMPARE(ReadWholeFile(magn), std::string("stary obsah"));
        QVERIFY(f_->zpravy.zpravy.isEmpty());

        QTest::keyClick(w_->platno(), Qt::Key_P);
        const std::string nove = ReadWholeFile(magn);
        QCOMPARE(nove.size() % 10890, std::size_t(0));
        QVERIFY(nove.size() > 10890 * 100);
        QVERIFY(std::any_of(nove.begin(), nove.end(), [](char c) { return c != 0; }));
    }

    void magnetosphereComparisonBox() {
        prikaz("SpeedButton1");
        auto* box = w_->findChild<QWidget*>(QStringLiteral("datamagnet"));
        QVERIFY(box->isVisible());
        auto pole = [box](const char* n) {
            return box->findChild<QLineEdit*>(QString::fromLatin1(n));
        };
        auto klik = [box](const char* n) {
            box->findChild<QPushButton*>(QString::fromLatin1(n))->click();
        };
        pole("Otocka")->setText(QStringLiteral("1717"));
        klik("Potvrdit");
        QCOMPARE(f_->zpravy.zpravy.size(), 1);
        QVERIFY(f_->zpravy.zpravy[0].startsWith(QStringLiteral("Otočka musí být")));
        QCOMPARE(w_->porovnaniMagnetosfery().params.otocka, 1958);

        const int R = w_->rotace();
        pole("Otocka")->setText(QString::number(R - 20));
        pole("Cykly")->setText(QStringLiteral("2"));
        const QImage pred = w_->obrazek();
        klik("Potvrdit");
        QCOMPARE(f_->zpravy.zpravy.size(), 1);
        QCOMPARE(w_->porovnaniMagnetosfery().params.otocka, R - 20);
        QCOMPARE(w_->porovnaniMagnetosfery().rows, 21); // up to the last record's rotation
        QVERIFY(rozdil(pred, w_->obrazek()) > 0);
        const QImage vyssi = w_->obrazek();
        klik("Vetsi");
        QCOMPARE(w_->porovnaniMagnetosfery().params.vyskaRadku, 7);
        QVERIFY(rozdil(vyssi, w_->obrazek()) > 0);
        // Hidden again, the map comes back.
        prikaz("SpeedButton1");
        QVERIFY(!box->isVisible());
        QVERIFY(!w_->mapa().groups.empty());
    }

    void smallerAndLargerWindow() {
        QMdiSubWindow* sub = qobject_cast<QMdiSubWindow*>(w_->parentWidget());
        const QSize velka = sub->size();
        prikaz("mensivetsi");
        QCOMPARE(sub->size(), QSize(812, 581));
        QCOMPARE(w_->akce(QStringLiteral("mensivetsi"))->text(), QStringLiteral("Zvětšit"));
        // The map still fits the smaller client area.
        QVERIFY(w_->mapa().frameRight <= w_->platno()->width());
        prikaz("mensivetsi");
        QCOMPARE(sub->size(), velka);
    }

    void aStoreWithoutOutsideDataSaysSo() {
        // Three drawings, no corona, no magnetograms: every view opens or
        // says why not.
        f_ = std::make_unique<Frame>(DayRecords(3));
        QVERIFY(f_->start());
        installMapa(*f_->hlavni);
        f_->hlavni->show();
        f_->hlavni->akce(QStringLiteral("map"))->trigger();
        w_ = MapWindow::otevrene(f_->hlavni->plocha());
        QVERIFY(w_);
        QVERIFY(!w_->akce(QStringLiteral("Korona1"))->isEnabled());
        for (const char* p :
             {"koronagraf", "koronaitensit", "koronsku", "koronpod", "koronazap", "Koronazvlast"}) {
            f_->zpravy.clear();
            prikaz(p);
            QCOMPARE(f_->zpravy.zpravy, QStringList{QStringLiteral("Nejsou data pro koronu")});
            QVERIFY(w_->pohled() == MapaPohled::Mapa);
        }
        f_->zpravy.clear();
        for (const char* p : {"dlouhamap", "vysokamap", "dvenadsebou", "Srovnani", "rotacem",
                              "SpeedButton1", "mapky", "SpeedButton6"}) {
            prikaz(p);
            QVERIFY(!w_->obrazek().isNull());
        }
        QVERIFY(f_->zpravy.zpravy.isEmpty());
    }

    void closingRestoresTheMainWindow() {
        prikaz("koronpod");
        QVERIFY(f_->hlavni->akce(QStringLiteral("koronpod"))->isChecked());
        auto* jine = f_->hlavni->plocha()->addSubWindow(new QWidget);
        jine->show();
        f_->hlavni->plocha()->setActiveSubWindow(jine);
        QTRY_VERIFY(MapWindow::otevrene(f_->hlavni->plocha()) == nullptr);
        QCOMPARE(f_->hlavni->viditelnyPanel(), QStringLiteral("zakladni"));
        QVERIFY(f_->hlavni->akce(QStringLiteral("map"))->isEnabled());
        QVERIFY(!f_->hlavni->akce(QStringLiteral("koronpod"))->isChecked());
        // Opened again, from the panel's menu command.
        f_->hlavni->akce(QStringLiteral("map"))->trigger();
        QVERIFY(MapWindow::otevrene(f_->hlavni->plocha()));
        f_->hlavni->akce(QStringLiteral("SpeedButton10"))->trigger();
        QTRY_VERIFY(MapWindow::otevrene(f_->hlavni->plocha()) == nullptr);
        QCOMPARE(f_->hlavni->viditelnyPanel(), QStringLiteral("zakladni"));
    }
};

QTEST_MAIN(TestMapWindow)
#include "tst_map_window.moc"
