// The main window: start-up on a demo directory and on an empty one, the
// menu and the tool panels, the commands of the frame, the exports, the
// window image and the exit sequence.
#include <QAction>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>

#include "demo/demo.h"
#include "io/atomic_file.h"
#include "records/exports.h"
#include "records/record_file.h"
#include "tests_support/session_edit.h"
#include "ui/entry/record_list_window.h"
#include "ui/frame/install_windows.h"
#include "ui/support/frame_fixture.h"

using namespace hk;
using namespace hk::test;

class TestMainWindow : public QObject {
    Q_OBJECT
  private slots:
    void startOnDemoDirectory();
    void startOnEmptyDirectoryAsksForTheDrawingSetting_data();
    void startOnEmptyDirectoryAsksForTheDrawingSetting();
    void unreadableRecordFileStopsTheStart();
    void zapojitMakesACommandLive();
    void helpAndAbout();
    void posledniZakres();
    void exportsFromTheMenu();
    void windowImage();
    void exitSequence_data();
    void exitSequence();
    void exitRefusedWhenTheSaveFails();
    void narrowScreen();
    void recordListBesideTheDrawing_data();
    void recordListBesideTheDrawing();
};

void TestMainWindow::startOnDemoDirectory() {
    TempDir dir;
    DemoOptions o{.years = 2, .perYear = 60, .endDate = {2024, 4, 30}};
    WriteDemoDirectory(dir.path(), o);
    const auto records = ReadRecordFile(dir.path() / "datax.dat").records;

    Session session(dir.path());
    ScriptedMessages zpravy;
    MainWindow hlavni(session, zpravy);
    hlavni.zeptatSeNaNastaveni = [] {
        qFatal("the demo directory holds a drawing setting");
        return DrawingSetting{};
    };
    QVERIFY(hlavni.FormCreate(TestScreen, TestToday));
    installWindows(hlavni);
    hlavni.show();
    QVERIFY(QTest::qWaitForWindowExposed(&hlavni));

    QCOMPARE(session.PocetZaznamu(), int(records.size()));
    QCOMPARE(session.AktualniIndex(), session.PocetZaznamu());
    QVERIFY(hlavni.windowTitle().startsWith(QStringLiteral("Zákresy Sluneční fotosféry")));
    QCOMPARE(hlavni.viditelnyPanel(), QString("zakladni"));
    QVERIFY(hlavni.findChild<QLabel*>("versa")->text().contains(HELIOKRES_BUILD_NUMBER));
    // The window fills the screen but for the task bar.
    QCOMPARE(hlavni.geometry().width(), TestScreen.width() - 20);
    QVERIFY(hlavni.geometry().height() < TestScreen.height());

    // The record list with the last record selected (its lines: tst_record_list_window).
    QVERIFY(hlavni.seznam());
    QVERIFY(
        hlavni.seznam()->radky().back().startsWith(QString("%1").arg(session.PocetZaznamu(), 5)));
    QVERIFY(zpravy.unanswered == 0);
}

void TestMainWindow::startOnEmptyDirectoryAsksForTheDrawingSetting_data() {
    QTest::addColumn<bool>("helio");
    QTest::addColumn<double>("radius");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("setting");
    QTest::addColumn<QByteArray>("datax"); // null: no file
    const QString polar =
        "Zákresy Sluneční fotosféry  (Polární souřadnice)  (průměr zákresu  250 mm)";
    QTest::newRow("polar 125") << false << 125.0 << polar << 125 << QByteArray();
    QTest::newRow("heliographic") << true << 100.0
                                  << "Zákresy Sluneční fotosféry   Vizuálně   (Heliografické "
                                     "souřadnice)"
                                  << 1100 << QByteArray();
    // A file without a record starts the same way, with a message.
    QTest::newRow("empty datax.dat") << false << 125.0 << polar << 125 << QByteArray("");
    QTest::newRow("datax.dat of zeros")
        << false << 125.0 << polar << 125 << QByteArray(3 * 1774 + 5, '\0');
}

void TestMainWindow::startOnEmptyDirectoryAsksForTheDrawingSetting() {
    QFETCH(bool, helio);
    QFETCH(double, radius);
    QFETCH(QString, caption);
    QFETCH(int, setting);
    QFETCH(QByteArray, datax);
    Frame f({});
    if (!datax.isNull())
        WriteFileAtomic(f.path("datax.dat"), std::string(datax.constData(), datax.size()));
    QVERIFY(f.startWithList({radius, helio}));
    QCOMPARE(f.nastaveniAsked, 1);
    QCOMPARE(f.zpravy.zpravy.join('|').contains("novým archivem"), !datax.isNull());
    QCOMPARE(f.hlavni->windowTitle(), caption);
    QCOMPARE(f.session.PocetZaznamu(), 1);
    QCOMPARE(f.session.record(1).Datum.text(), std::string("01.05.2024"));
    QCOMPARE(f.session.HelioZadavani(), helio);
    QCOMPARE(f.hlavni->seznam()->radky().size(), 1);
    QCOMPARE(f.hlavni->seznam()->vybranyRadek(), 0);

    // The first save stores the answer in record 1; the next start does not ask.
    f.hlavni->akce("ulozitdat")->trigger();
    QCOMPARE(int(ReadRecordFile(f.path("datax.dat")).records.at(0).NastaveniKresby), setting);
    Session again(f.dir.path());
    ScriptedMessages zpravy;
    MainWindow hlavni(again, zpravy);
    int asked = 0;
    hlavni.zeptatSeNaNastaveni = [&asked] {
        ++asked;
        return DrawingSetting{};
    };
    QVERIFY(hlavni.FormCreate(TestScreen, TestToday));
    QCOMPARE(asked, 0);
    QCOMPARE(hlavni.windowTitle(), caption);
}

void TestMainWindow::unreadableRecordFileStopsTheStart() {
    Frame f({});
    std::filesystem::create_directory(f.path("datax.dat")); // cannot be read as a file
    QVERIFY(!f.start());
    QCOMPARE(f.zpravy.zpravy.size(), 1);
    QVERIFY(f.zpravy.zpravy.front().startsWith("Program nelze spustit"));
}

void TestMainWindow::zapojitMakesACommandLive() {
    Frame f(DayRecords(3));
    QVERIFY(f.start());
    QAction* novy = f.hlavni->akce("novy");
    QAction* tlacitko = f.hlavni->akce("novyzakres");
    QVERIFY(!novy->isEnabled());
    QVERIFY(!tlacitko->isEnabled());
    QCOMPARE(tlacitko->toolTip(), MainWindow::PripravujeSe);

    int runs = 0;
    f.hlavni->zapojit("novy", [&runs] { ++runs; });
    QVERIFY(novy->isEnabled());
    // The button does what the menu item does, with its own hint.
    QVERIFY(tlacitko->isEnabled());
    QCOMPARE(tlacitko->toolTip(), QString("Nový  zákres"));
    tlacitko->trigger();
    novy->trigger();
    QCOMPARE(runs, 2);
    // Disabled while its window is open, the button follows.
    novy->setEnabled(false);
    QVERIFY(!tlacitko->isEnabled());
    tlacitko->trigger();
    QCOMPARE(runs, 2);

    // A button of a window's panel.
    int vlevo = 0;
    f.hlavni->zapojit("vlevo", [&vlevo] { ++vlevo; });
    f.hlavni->akce("vlevo")->trigger();
    QCOMPARE(vlevo, 1);
    // Connected again: only the new function runs.
    f.hlavni->zapojit("vlevo", [&vlevo] { vlevo += 10; });
    f.hlavni->akce("vlevo")->trigger();
    QCOMPARE(vlevo, 11);
}

void TestMainWindow::helpAndAbout() {
    Frame f(DayRecords(3));
    QVERIFY(f.start());
    f.hlavni->akce("napoveda")->trigger();
    QCOMPARE(f.zpravy.zpravy, QStringList{MainWindow::TextNapovedy});
    f.hlavni->akce("About1")->trigger();
    auto* box = f.hlavni->findChild<QMessageBox*>("AboutBox");
    QVERIFY(box && box->isVisible());
    QVERIFY(box->text().contains("Heliokres"));
    QVERIFY(box->text().contains(HELIOKRES_VERSION));
    QVERIFY(box->text().contains(QString::fromStdString(f.dir.path().string()).toHtmlEscaped()));
    box->close();
}

void TestMainWindow::posledniZakres() {
    Frame f(DayRecords(200));
    QVERIFY(f.startWithList());
    RecordListWindow* seznam = f.hlavni->seznam();
    QSignalSpy zakres(f.hlavni.get(), &MainWindow::zakresPozadovan);
    f.hlavni->model().setCurrent(5);
    QCOMPARE(seznam->okno().prvni(), 1);
    f.hlavni->akce("posledni1")->trigger();
    QCOMPARE(f.session.AktualniIndex(), 200);
    QCOMPARE(f.session.AktualniZaznam().Datum.raw(), f.session.record(200).Datum.raw());
    QCOMPARE(seznam->okno().posledni(), 200);
    QCOMPARE(seznam->vybranyRadek(), seznam->RadkySeznamu());
    QVERIFY(zakres.count() >= 1);
    // The tool button does the same.
    f.hlavni->model().setCurrent(1);
    f.hlavni->akce("poslednizaz")->trigger();
    QCOMPARE(f.session.AktualniIndex(), 200);
}

void TestMainWindow::exportsFromTheMenu() {
    auto records = DayRecords(4);
    for (TZaznam& z : records) {
        z.PocetSkupin = 2;
        z.Skupiny[0].Typ.setText("Dao");
        z.Skupiny[0].Uhel = 300;
        z.Skupiny[0].Vzd = 500;
        z.Skupiny[1].Uhel = 2000; // no class: "***"
        z.Skupiny[1].Vzd = 700;
        z.PocetFakKresleni = 1;
        z.Skupiny[0].Fakule[0] = PackPosition(100, 40);
    }
    Frame f(records);
    QVERIFY(f.start());
    std::vector<TZaznam> expected(f.session.records().begin(), f.session.records().end());
    const std::string ascii = SoubASCIText(expected);
    const std::string csv = PolohyFakuliText(expected);

    f.hlavni->akce("ulozASCI")->trigger();
    QCOMPARE(ReadWholeFile(f.path("SoubASCI.dat")), ascii);
    QCOMPARE(f.zpravy.zpravy.size(), 2);
    QCOMPARE(f.zpravy.zpravy[0], "Data skvrn budou uložena do souboru " +
                                     QString::fromStdString(f.path("SoubASCI.dat").string()));
    QCOMPARE(f.zpravy.zpravy[1], QString("Data byla uložena"));
    // The class left empty is "***" in the store now.
    QCOMPARE(f.session.record(3).Skupiny[1].Typ.raw(), std::string_view("***"));

    f.zpravy.clear();
    f.hlavni->akce("Polohyfakul1")->trigger();
    QCOMPARE(ReadWholeFile(f.dir.path() / "CSVsoubory" / "Polohy fakuli.csv"), csv);
    QVERIFY(f.zpravy.zpravy[0].startsWith("Pozice fakulí budou uloženy do adresáře "));
    QCOMPARE(f.zpravy.zpravy[1], QString("Data byla uložena"));
    // The working record is left as it was.
    QCOMPARE(f.session.AktualniZaznam().Datum.raw(), f.session.record(4).Datum.raw());
}

void TestMainWindow::windowImage() {
    Frame f(DayRecords(3));
    QVERIFY(f.start());
    // Without a window there is nothing to save.
    f.hlavni->NazevObrazku = "nic";
    QVERIFY(!f.hlavni->ulozokno1());
    QCOMPARE(f.zpravy.zpravy.size(), 1);
    QVERIFY(!std::filesystem::exists(f.dir.path() / "Obrázek"));

    f.hlavni->show();
    auto* obsah = new QLabel("Obsah okna");
    obsah->setAutoFillBackground(true);
    QMdiSubWindow* sub = f.hlavni->plocha()->addSubWindow(obsah);
    sub->resize(420, 300);
    sub->show();
    f.hlavni->plocha()->setActiveSubWindow(sub);
    QVERIFY(QTest::qWaitForWindowExposed(f.hlavni.get()));

    f.hlavni->NazevObrazku = "Grafy 2024";
    f.zpravy.odpovedi = {false};
    f.hlavni->ulozokno();
    QCOMPARE(f.zpravy.otazky, QStringList{"            Uložit bitmapu okna "});
    const auto soubor = f.dir.path() / "Obrázek" / "Grafy 2024.jpg";
    QVERIFY(!std::filesystem::exists(soubor));

    f.zpravy.odpovedi = {true};
    f.hlavni->ulozokno();
    QVERIFY(std::filesystem::exists(soubor));
    QImage image;
    QVERIFY(image.load(QString::fromStdString(soubor.string()), "JPG"));
    QCOMPARE(image.size(), QSize(obsah->width() - 5, obsah->height()));

    // A name cannot lead out of the picture folder.
    f.hlavni->NazevObrazku = "../ven";
    QVERIFY(f.hlavni->ulozokno1());
    QVERIFY(!std::filesystem::exists(f.dir.path() / "ven.jpg"));
    QVERIFY(std::filesystem::exists(f.dir.path() / "Obrázek" / "..-ven.jpg"));
}

void TestMainWindow::exitSequence_data() {
    QTest::addColumn<bool>("changed");
    QTest::addColumn<bool>("backup");
    QTest::newRow("no change") << false << false;
    QTest::newRow("changed, no backup") << true << false;
    QTest::newRow("changed, backup") << true << true;
}

void TestMainWindow::exitSequence() {
    QFETCH(bool, changed);
    QFETCH(bool, backup);
    Frame f(DayRecords(30));
    QVERIFY(f.startWithList());
    const std::string original = ReadWholeFile(f.path("datax.dat"));
    if (changed) {
        ChangeRecord(f.session, 7, [](TZaznam& z) { z.Cas = 1234; });
    }
    f.zpravy.odpovedi = {backup};
    f.hlavni->akce("konec")->trigger();
    QVERIFY(!f.hlavni->isVisible());
    // The backup is asked for only after a change, written only on yes.
    QCOMPARE(f.zpravy.otazky.size(), changed ? 1 : 0);
    if (changed)
        QCOMPARE(f.zpravy.otazky[0], QString("Vytvořit zálohový soubor dataxu bez nových dat ? "));
    QCOMPARE(std::filesystem::exists(f.path("datax-zaloha.dat")), backup);
    if (backup) QCOMPARE(ReadWholeFile(f.path("datax-zaloha.dat")), original);
    // Nothing is lost: the change is in datax.dat.
    const auto saved = ReadRecordFile(f.path("datax.dat")).records;
    QCOMPARE(saved.size(), std::size_t(30));
    QCOMPARE(int(saved[6].Cas), changed ? 1234 : 705);
    if (!changed) QCOMPARE(ReadWholeFile(f.path("datax.dat")), original);
    // The record list closed with the frame.
    QVERIFY(f.hlavni->plocha()->subWindowList().isEmpty());
}

void TestMainWindow::exitRefusedWhenTheSaveFails() {
    Frame f(DayRecords(5));
    QVERIFY(f.startWithList());
    ChangeRecord(f.session, 2, [](TZaznam& z) { z.Cas = 999; });
    // datax.dat cannot be replaced: a folder stands in its way.
    std::filesystem::remove(f.path("datax.dat"));
    std::filesystem::create_directory(f.path("datax.dat"));
    f.zpravy.odpovedi = {false, false}; // no backup; do not quit without saving
    QVERIFY(!f.hlavni->close());
    QVERIFY(f.hlavni->isVisible());
    QCOMPARE(f.zpravy.otazky.size(), 2);
    QVERIFY(f.zpravy.otazky[1].endsWith("Přesto ukončit program ?"));
    QCOMPARE(int(f.session.record(2).Cas), 999);
    QVERIFY(!f.hlavni->plocha()->subWindowList().isEmpty());
    // Once the way is free the close saves.
    std::filesystem::remove(f.path("datax.dat"));
    f.zpravy.odpovedi = {false};
    QVERIFY(f.hlavni->close());
    QCOMPARE(int(ReadRecordFile(f.path("datax.dat")).records.at(1).Cas), 999);
}

void TestMainWindow::narrowScreen() {
    Frame f(DayRecords(3));
    QVERIFY(f.startWithList());
    QVERIFY(f.hlavni->kontrolaObrazovky(TestScreen));
    QVERIFY(f.zpravy.zpravy.isEmpty());
    QVERIFY(!f.hlavni->kontrolaObrazovky(QRect(0, 0, 1000, 768)));
    QCOMPARE(f.zpravy.zpravy, QStringList{"Program je určen pro rozlišení 1024x768 a větší"});
    QVERIFY(!f.hlavni->isVisible());
}

void TestMainWindow::recordListBesideTheDrawing_data() {
    QTest::addColumn<QRect>("screen");
    QTest::newRow("1024 x 768") << QRect(0, 0, 1024, 768);
    QTest::newRow("1280 x 1024") << QRect(0, 0, 1280, 1024);
    QTest::newRow("1920 x 1080") << QRect(0, 0, 1920, 1080);
}

// The record list stands right of the drawing window, within the work area,
// and shows its lines whole.
void TestMainWindow::recordListBesideTheDrawing() {
    QFETCH(QRect, screen);
    Frame f(DayRecords(40));
    f.hlavni->zeptatSeNaNastaveni = [] { return DrawingSetting{125, false}; };
    QVERIFY(f.hlavni->FormCreate(screen, TestToday));
    installWindows(*f.hlavni);
    f.hlavni->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.hlavni.get()));
    QCoreApplication::processEvents();
    QMdiSubWindow* zakres = f.hlavni->plocha()->findChild<QMdiSubWindow*>("Form2");
    QMdiSubWindow* seznam = f.hlavni->plocha()->findChild<QMdiSubWindow*>("Form4");
    QVERIFY(zakres && seznam);
    QVERIFY(seznam->geometry().left() > zakres->geometry().right());
    QVERIFY(seznam->geometry().right() < f.hlavni->plocha()->viewport()->width());
    const auto* list = seznam->findChild<QListWidget*>("ListBox1");
    const QFontMetrics fm(list->font());
    for (const QString& radek : f.hlavni->seznam()->radky())
        QVERIFY2(fm.horizontalAdvance(radek) <= list->viewport()->width(), qPrintable(radek));
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
