// The results window on a demo directory: one window from "&Výsledky", the
// views built from the core tables, the month input, the files saved from
// the window equal to heliokres-cli's, printing, the general data, the
// Inter-Sol panel and closing.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <filesystem>

#include "io/atomic_file.h"
#include "render/protocol.h"
#include "results/choose_month.h"
#include "results/csv_export.h"
#include "results/intersol_report.h"
#include "results/measured_statistics.h"
#include "results/station_data.h"
#include "results/report_file.h"
#include "results/sidc_report.h"
#include "results/smoothed_statistics.h"
#include "results/type_occurrence.h"
#include "tests_support/pdf_pages.h"
#include "tests_support/run_cli.h"
#include "text/encoding.h"
#include "ui/entry/record_list_window.h"
#include "ui/results/protocol_view.h"
#include "ui/support/results_window_fixture.h"

using namespace hk;
using namespace hk::test;
namespace fs = std::filesystem;

namespace {

constexpr const char* Mesic = "3.2024";
const QString Pozorovatel = QStringLiteral("Novák, Jan");

// The results window, with the month of a monthly view chosen by the prompt.
struct Okno : VysledkyOkno {
    using VysledkyOkno::VysledkyOkno;
    void mesic(void (ResultsWindow::*view)(), const QString& text = QString::fromLatin1(Mesic)) {
        f.zpravy.hodnoty.push_back(text);
        (w->*view)();
    }
    std::string soubor(const std::string& relative) const {
        return ReadWholeFile(f.session.dir.resolve(relative));
    }
};

// heliokres-cli with every argument quoted for the shell.
CliRun cli(const QStringList& args) {
    QString line;
    for (const QString& a : args)
        line += " '" + a + "'";
    return RunCli(line.toStdString(), true);
}

} // namespace

Q_DECLARE_METATYPE(VyberPolokoule)

class TestResultsWindow : public QObject {
    Q_OBJECT
    TempDir demoDir_;
    fs::path demo_;

  private slots:
    void initTestCase();
    void vysledkyTwiceOpensOneWindow();
    void menuOfTheWindow();
    void statisticsViews_data();
    void statisticsViews();
    void smoothedNeedsMoreThan400Days();
    void monthInput_data();
    void monthInput();
    void protocolViewAndKeys();
    void savedFilesEqualTheCli_data();
    void savedFilesEqualTheCli();
    void sidcAsksBeforeOverwriting();
    void cvValuesOfTheMonth();
    void printedProtocolPages_data();
    void printedProtocolPages();
    void csvOfTheStatisticsShown();
    void generalData();
    void interSolRefusesMissingInputs_data();
    void interSolRefusesMissingInputs();
    void interSolProtocolEqualsTheCli();
    void closingRestoresTheFrame();
};

void TestResultsWindow::initTestCase() {
    demo_ = demoDir_.path() / "demo";
    WriteResultsDemo(demo_);
}

void TestResultsWindow::vysledkyTwiceOpensOneWindow() {
    Okno o(demo_);
    QVERIFY(o.otevrit());
    QCOMPARE(o.f.hlavni->viditelnyPanel(), QString("provysledky"));
    o.f.hlavni->akce(QStringLiteral("vysledky1"))->trigger();
    o.f.hlavni->akce(QStringLiteral("vysledekz"))->trigger();
    QCOMPARE(o.f.hlavni->plocha()->findChildren<ResultsWindow*>().size(), 1);
    QCOMPARE(ResultsWindow::otevrene(*o.f.hlavni), o.w);
    QCOMPARE(o.w->RezimVysledku(), 0);

    // The results panel's buttons scroll within the tool bar; the frame, its
    // status bar and the window's own buttons stay on the 1280-pixel screen.
    QCoreApplication::processEvents();
    QVERIFY2(o.f.hlavni->width() <= TestScreen.width(),
             qPrintable(QString::number(o.f.hlavni->width())));
    auto* sub = qobject_cast<QMdiSubWindow*>(o.w->parentWidget());
    QVERIFY(sub);
    QVERIFY2(sub->geometry().right() < o.f.hlavni->plocha()->viewport()->width(),
             qPrintable(QStringLiteral("%1 %2")
                            .arg(sub->geometry().right())
                            .arg(o.f.hlavni->plocha()->viewport()->width())));

    // Closed, it opens again.
    o.w->zavritvysClick();
    QTRY_VERIFY(o.f.hlavni->plocha()->findChildren<ResultsWindow*>().isEmpty());
    o.f.hlavni->akce(QStringLiteral("vysledky1"))->trigger();
    QVERIFY(ResultsWindow::otevrene(*o.f.hlavni));
}

void TestResultsWindow::menuOfTheWindow() {
    Okno o(demo_);
    QVERIFY(o.otevrit());
    // Tisk and the save commands follow the view.
    QAction* tisk = o.w->akce("tiskvysl");
    QAction* ulozit = o.w->akce("dosouboru");
    QVERIFY(!tisk->isEnabled());
    QVERIFY(!ulozit->isVisible());
    o.w->vyskitClick();
    QVERIFY(!tisk->isEnabled());
    o.w->celkovynamClick();
    QVERIFY(tisk->isEnabled());
    QVERIFY(!ulozit->isVisible());
    QVERIFY(o.f.hlavni->akce("SpeedButton8")->isEnabled());
    o.mesic(&ResultsWindow::oficialniClick);
    QVERIFY(tisk->isEnabled());
    QVERIFY(ulozit->isVisible());
    QVERIFY(!o.f.hlavni->akce("SpeedButton8")->isEnabled());
    QVERIFY(!o.w->akce("doCSV")->isVisible());
}

void TestResultsWindow::statisticsViews_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("rezim");
    QTest::addColumn<VyberPolokoule>("vyber");
    QTest::addColumn<QString>("grid");
    QTest::newRow("measured whole disk")
        << "namercelek" << 5 << VyberPolokoule::Celkova << "StringGrid1";
    QTest::newRow("measured north") << "namersever" << 5 << VyberPolokoule::Sever << "StringGrid1";
    QTest::newRow("measured south") << "namerjih" << 5 << VyberPolokoule::Jih << "StringGrid1";
    QTest::newRow("smoothed whole disk")
        << "vyhlcelek" << 6 << VyberPolokoule::Celkova << "StringGrid1";
    QTest::newRow("smoothed north") << "vyhlsever" << 6 << VyberPolokoule::Sever << "StringGrid1";
    QTest::newRow("smoothed south") << "vyhljih" << 6 << VyberPolokoule::Jih << "StringGrid1";
    QTest::newRow("type occurrence")
        << "vyskytskup" << 7 << VyberPolokoule::Celkova << "StringGrid4";
}

void TestResultsWindow::statisticsViews() {
    QFETCH(QString, button);
    QFETCH(int, rezim);
    QFETCH(VyberPolokoule, vyber);
    QFETCH(QString, grid);
    Okno o(demo_);
    QVERIFY(o.otevrit());
    o.f.hlavni->akce(button)->trigger();
    QCOMPARE(o.w->RezimVysledku(), rezim);
    const auto records = o.f.session.records();
    const ResultsGrid expected = rezim == 5   ? BuildMeasuredStatistics(records, vyber)
                                 : rezim == 6 ? BuildSmoothedStatistics(records, vyber)
                                              : BuildTypeOccurrence(records).grid;
    QVERIFY(expected.rowCount() > 10);
    QCOMPARE(RozdilMrizky(o.mrizka(grid), expected), QString());
    QCOMPARE(o.w->windowTitle(), q(rezim == 6 ? SmoothedCaption(vyber) : expected.caption));
    if (rezim != 7) {
        // The status line counts the table's pages.
        const auto* stav = o.w->findChild<QLabel*>("LabelTisk");
        QVERIFY(stav->text().startsWith(
            "Počet hodnot je = " + QString::number(expected.rowCount() - 1) + "   ( "));
        QVERIFY(stav->text().endsWith("  str.)"));
    }
}

void TestResultsWindow::smoothedNeedsMoreThan400Days() {
    test::Frame f(DayRecords(400)); // 399 days from the first to the last
    QVERIFY(f.start());
    installVysledky(*f.hlavni);
    ResultsWindow* w = ResultsWindow::otevrit(*f.hlavni);
    w->celkovynamClick();
    w->severvyrClick();
    QCOMPARE(f.zpravy.zpravy, QStringList{"Nedostatek dat pro měsíční vyhlazené"});
    QCOMPARE(w->RezimVysledku(), 5);
    QCOMPARE(w->vyberPolokoule(), VyberPolokoule::Celkova);
}

void TestResultsWindow::monthInput_data() {
    QTest::addColumn<QString>("view");
    QTest::addColumn<QStringList>("answers"); // typed texts; "" closes the prompt
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("rezim");
    QTest::addColumn<int>("vybranyMesic");
    QTest::addColumn<QString>("remembered");
    const QString header = q(HlavickaZObecnychDat);
    QTest::newRow("own, month with drawings")
        << "vlastni" << QStringList{"3.2024"} << QStringList{header} << 1 << 202403 << "3.2024";
    QTest::newRow("SIDC with a comma")
        << "oficialni" << QStringList{"3,2024"} << QStringList{header} << 2 << 202403 << "3,2024";
    QTest::newRow("CV without the header notice")
        << "CVvysledek" << QStringList{"12.2023"} << QStringList{} << 9 << 202312 << "12.2023";
    QTest::newRow("month without drawings asks again")
        << "vlastni" << QStringList{"3.1990", "4.2024"}
        << QStringList{header, " Poalední záznam je z LAST"} << 1 << 202404 << "4.2024";
    QTest::newRow("closed prompt shows nothing")
        << "vlastni" << QStringList{"3.1990", ""}
        << QStringList{header, " Poalední záznam je z LAST"} << 0 << 0 << "3.1990";
}

void TestResultsWindow::monthInput() {
    QFETCH(QString, view);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, messages);
    QFETCH(int, rezim);
    QFETCH(int, vybranyMesic);
    QFETCH(QString, remembered);
    Okno o(demo_);
    QVERIFY(o.otevrit());
    o.f.zpravy.clear();
    for (const QString& a : answers)
        o.f.zpravy.hodnoty.push_back(a.isEmpty() ? std::nullopt : std::optional<QString>(a));
    o.w->akce(view)->trigger();
    const TZaznam& last = o.f.session.record(o.f.session.PocetZaznamu());
    messages.replaceInStrings("LAST", q(last.Datum.text()));
    QCOMPARE(o.f.zpravy.zpravy, messages);
    QCOMPARE(o.f.zpravy.vyzvy.size(), answers.size());
    QCOMPARE(o.f.zpravy.vyzvy.front(), q(ZadaniMesiceVyzva));
    QCOMPARE(o.w->RezimVysledku(), rezim);
    if (rezim) QCOMPARE(o.w->VybranyMesic(), vybranyMesic);
    QCOMPARE(o.w->mesicText(), remembered);
}

void TestResultsWindow::protocolViewAndKeys() {
    Okno o(demo_);
    QVERIFY(o.otevrit());
    o.mesic(&ResultsWindow::vlastniClick);
    auto* view = o.w->findChild<ProtocolView*>();
    QVERIFY(view && view->isVisible());
    QCOMPARE(view->kind(), ProtocolKind::Vlastni);
    const auto first = FirstRecordOfMonth(o.f.session.records(), 202403);
    QCOMPARE(view->data().firstRecord, *first);

    QCOMPARE(o.w->VelikostPisma(), 12);
    QTest::keyClick(view, Qt::Key_V);
    QTest::keyClick(view, Qt::Key_V);
    QCOMPARE(o.w->VelikostPisma(), 14);
    QCOMPARE(view->options().velikostPisma, 14);
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(view, Qt::Key_M);
    QCOMPARE(o.w->VelikostPisma(), 8);

    // A form wider than the window scrolls sideways to its last column.
    for (int i = 0; i < 8; ++i)
        QTest::keyClick(view, Qt::Key_V);
    qobject_cast<QMdiSubWindow*>(o.w->parentWidget())->resize(420, 500);
    QCoreApplication::processEvents();
    QScrollBar* vodorovny = view->horizontalScrollBar();
    const QImage vlevo = view->viewport()->grab().toImage();
    vodorovny->setValue(vodorovny->maximum());
    const QRectF pozorovatel = ProtocolCellRect(view->kind(), view->options(), 0, 9);
    QVERIFY(pozorovatel.left() > view->viewport()->width()); // beyond the window unscrolled
    QVERIFY(pozorovatel.right() - vodorovny->value() <= view->viewport()->width());
    QVERIFY(view->viewport()->grab().toImage() != vlevo); // and painted where it scrolled to
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(view, Qt::Key_M);

    // "q" lists the observers over the view; the next key takes it away.
    QTest::keyClick(view, Qt::Key_Q);
    auto* seznam = o.w->findChild<QWidget*>("SeznamPozorovatelu");
    QVERIFY(seznam->isVisible());
    QTest::keyClick(seznam, Qt::Key_Escape);
    QVERIFY(!seznam->isVisible());

    // The SIDC view ignores the font keys; choosing the own view again starts at 12.
    o.mesic(&ResultsWindow::oficialniClick);
    QCOMPARE(view->kind(), ProtocolKind::Sidc);
    QTest::keyClick(view, Qt::Key_V);
    QCOMPARE(o.w->VelikostPisma(), 8);
    o.mesic(&ResultsWindow::vlastniClick);
    QCOMPARE(o.w->VelikostPisma(), 12);
}

void TestResultsWindow::savedFilesEqualTheCli_data() {
    QTest::addColumn<QString>("view");
    QTest::addColumn<QStringList>("cliArgs");
    QTest::addColumn<QStringList>("files");
    QTest::newRow("own") << "vlastni" << QStringList{"own"}
                         << QStringList{"Vlastni/VL-03_2024.Txt", "Vlastni/VLR-03_2024.Txt"};
    QTest::newRow("SIDC") << "oficialni" << QStringList{"sidc"} << QStringList{"Mesice/202403.txt"};
    QTest::newRow("CV") << "CVvysledek" << QStringList{"cv", "--observer", Pozorovatel}
                        << QStringList{"CVdata/CV-03_2024.Txt"};
}

void TestResultsWindow::savedFilesEqualTheCli() {
    QFETCH(QString, view);
    QFETCH(QStringList, cliArgs);
    QFETCH(QStringList, files);
    Okno o(demo_);
    QVERIFY(o.otevrit());
    // The CLI works on a copy of the same directory.
    TempDir kopie;
    fs::copy(o.f.dir.path(), kopie.path(), fs::copy_options::recursive);
    const QString kind = cliArgs.takeFirst();
    const CliRun r =
        cli(QStringList{"report", kind, QString::fromStdString(kopie.path().string()), Mesic} +
            cliArgs);
    QVERIFY2(r.status == 0, r.out.c_str());

    o.w->vybratPozorovatele = [] { return Pozorovatel; };
    o.f.zpravy.hodnoty.push_back(QString::fromLatin1(Mesic));
    o.w->akce(view)->trigger();
    o.f.hlavni->model().setCurrent(1);
    o.f.zpravy.clear();
    o.w->akce("dosouboru")->trigger();
    QCOMPARE(o.f.zpravy.zpravy, QStringList{"Data byla uložena"});
    for (const QString& file : files) {
        const std::string ours = o.soubor(file.toStdString());
        QVERIFY(!ours.empty());
        QCOMPARE(ours, ReadWholeFile(ProgramDir(kopie.path()).resolve(file.toStdString())));
    }
    // The month's first record is the working record afterwards.
    QCOMPARE(o.f.session.AktualniIndex(),
             static_cast<int>(*FirstRecordOfMonth(o.f.session.records(), 202403)) + 1);
}

void TestResultsWindow::sidcAsksBeforeOverwriting() {
    Okno o(demo_);
    QVERIFY(o.otevrit());
    fs::create_directory(o.f.dir.path() / "Mesice");
    WriteFileAtomic(o.f.dir.path() / "Mesice" / "202403.txt", "stary");
    o.mesic(&ResultsWindow::oficialniClick);
    o.f.zpravy.clear();
    o.f.zpravy.odpovedi.push_back(false);
    o.w->dosouboruClick();
    QCOMPARE(o.f.zpravy.otazky, QStringList{"Soubor již existuje !\r   Přepsat?"});
    QVERIFY(o.f.zpravy.zpravy.isEmpty());
    QCOMPARE(o.soubor("Mesice/202403.txt"), std::string("stary"));
    o.f.zpravy.odpovedi.push_back(true);
    o.w->dosouboruClick();
    QCOMPARE(o.f.zpravy.zpravy, QStringList{"Data byla uložena"});
    QVERIFY(o.soubor("Mesice/202403.txt").starts_with("SIDC202403"));
}

void TestResultsWindow::cvValuesOfTheMonth() {
    Okno o(demo_);
    QVERIFY(o.otevrit());
    o.mesic(&ResultsWindow::CVvysledekClick);
    const QTableWidget* m = o.mrizka("StringGrid8");
    QVERIFY(m && m->isVisible());
    // Header, 31 days, AVRG and OBS.
    QCOMPARE(m->rowCount(), 1 + 31 + 2);
    QCOMPARE(m->item(0, 1)->text(), QString("CV"));
}

void TestResultsWindow::printedProtocolPages_data() {
    QTest::addColumn<QString>("view");
    QTest::addColumn<int>("vetsi"); // "v" pressed so many times before printing
    QTest::addColumn<bool>("jednaStrana");
    QTest::newRow("own protocol") << "vlastni" << 0 << true;
    QTest::newRow("SIDC certificate") << "oficialni" << 0 << true;
    QTest::newRow("own protocol, font 24") << "vlastni" << 12 << false;
}

void TestResultsWindow::printedProtocolPages() {
    QFETCH(QString, view);
    QFETCH(int, vetsi);
    QFETCH(bool, jednaStrana);
    Okno o(demo_);
    QVERIFY(o.otevrit());
    o.f.zpravy.hodnoty.push_back(QString::fromLatin1(Mesic));
    o.w->akce(view)->trigger();
    for (int i = 0; i < vetsi; ++i)
        QTest::keyClick(o.w, Qt::Key_V);
    const QString pdf = QString::fromStdString((o.f.dir.path() / "protokol.pdf").string());
    int asked = 0;
    o.w->vybratTiskarnu = [&](QPrinter& p) {
        ++asked;
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
        return true;
    };
    o.w->akce("tiskvysl")->trigger();
    QCOMPARE(asked, 1);
    QCOMPARE(PdfPagesOfFile(pdf.toStdString()) == 1, jednaStrana);
    QVERIFY(PdfPagesOfFile(pdf.toStdString()) >= 1);

    // A cancelled print dialog prints nothing.
    QFile::remove(pdf);
    o.w->vybratTiskarnu = [](QPrinter&) { return false; };
    o.w->tiskvyslClick();
    QVERIFY(!QFile::exists(pdf));
}

void TestResultsWindow::csvOfTheStatisticsShown() {
    Okno o(demo_);
    QVERIFY(o.otevrit());
    // Outside the statistics views there is nothing to export.
    o.w->namdocsv();
    QCOMPARE(o.f.zpravy.zpravy.size(), 1);
    QVERIFY(!fs::exists(o.f.dir.path() / "CSVsoubory"));

    o.f.zpravy.clear();
    o.f.hlavni->akce("namersever")->trigger();
    o.f.hlavni->akce("SpeedButton8")->trigger();
    QCOMPARE(o.f.zpravy.zpravy, QStringList{"Data byla uložena"});
    QCOMPARE(o.soubor("CSVsoubory/Namerene-sever.csv"),
             StatisticsCsvText(
                 BuildMeasuredStatistics(o.f.session.records(), VyberPolokoule::Sever).cells, 2));
    o.f.hlavni->akce("vyhlcelek")->trigger();
    o.w->namdocsv();
    QCOMPARE(o.soubor("CSVsoubory/Vyhlazene-celkove.csv"),
             StatisticsCsvText(
                 BuildSmoothedStatistics(o.f.session.records(), VyberPolokoule::Celkova).cells, 1));
}

void TestResultsWindow::generalData() {
    Okno o(demo_);
    QVERIFY(o.otevrit());
    const std::string before = o.soubor("Obecdata.dat");
    o.w->Veobecndata1Click();
    auto* panel = o.w->findChild<QWidget*>("PanelObecnaData");
    QVERIFY(panel->isVisible());
    auto* tabulka = o.w->findChild<QTableWidget*>("StringGrid12");
    QCOMPARE(tabulka->item(0, 0)->text(), QString("Observatoř-stanice"));
    QCOMPARE(tabulka->item(0, 1)->text(), QString("Hvězdárna Demo"));
    QCOMPARE(tabulka->item(11, 1)->text(), QString("007"));
    // The reserved row cannot be chosen.
    QVERIFY(!(tabulka->item(5, 1)->flags() & Qt::ItemIsEditable));

    // X leaves without saving.
    tabulka->item(0, 1)->setText("Jiná");
    panel->findChild<QPushButton*>("Xobecna")->click();
    QVERIFY(!panel->isVisible());
    QCOMPARE(o.soubor("Obecdata.dat"), before);
    QCOMPARE(o.w->obecnaData().row(1), std::string("Hvězdárna Demo"));

    // OK saves: row 12 of 5 is stored as 005.
    o.w->Veobecndata1Click();
    tabulka->item(0, 1)->setText("Hvězdárna Jiná");
    tabulka->item(11, 1)->setText("5");
    panel->findChild<QPushButton*>("OKobecna")->click();
    QVERIFY(!panel->isVisible());
    QCOMPARE(o.w->obecnaData().row(12), std::string("005"));
    QCOMPARE(tabulka->item(11, 1)->text(), QString("005"));
    const ObecnaData saved = ReadObecnaData(o.f.session.dir);
    QCOMPARE(saved.row(1), std::string("Hvězdárna Jiná"));
    QCOMPARE(saved.row(12), std::string("005"));
    // The protocol shows the new station name.
    o.mesic(&ResultsWindow::oficialniClick);
    QCOMPARE(o.w->findChild<ProtocolView*>()->data().station, std::string("Hvězdárna Jiná"));
}

void TestResultsWindow::interSolRefusesMissingInputs_data() {
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("observer");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("monthAfter");
    const QString spatne = q(SpatneZadaniInterSol);
    // Each refusal of the inputs is core's (InterSolInput); here the window
    // shows the message, keeps or clears the month, and writes nothing.
    QTest::newRow("no observer") << "3.2024"
                                 << ""
                                 << "12" << spatne << "3.2024";
    QTest::newRow("month without drawings")
        << "3.1990" << Pozorovatel << "12" << q(ZaznamyNeexistuji) << "";
}

void TestResultsWindow::interSolRefusesMissingInputs() {
    QFETCH(QString, month);
    QFETCH(QString, observer);
    QFETCH(QString, number);
    QFETCH(QString, message);
    QFETCH(QString, monthAfter);
    Okno o(demo_);
    QVERIFY(o.otevrit());
    o.f.hlavni->akce("SpeedButton16")->trigger();
    QCOMPARE(o.w->RezimVysledku(), 15);
    auto* combo = o.w->findChild<QComboBox*>("pozorovatelIS");
    combo->setCurrentIndex(combo->findText(observer));
    o.w->findChild<QLineEdit*>("cisloIS")->setText(number);
    o.w->findChild<QLineEdit*>("mesicIS")->setText(month);
    o.w->findChild<QPushButton*>("zobrazitIS")->click();
    QCOMPARE(o.f.zpravy.zpravy, QStringList{message});
    QVERIFY(!o.w->findChild<QPushButton*>("dosouboruIS")->isEnabled());
    QCOMPARE(o.w->findChild<QLineEdit*>("mesicIS")->text(), monthAfter);
    QCOMPARE(o.w->findChild<QTableWidget*>("StringGrid11")->rowCount(), 0);
}

void TestResultsWindow::interSolProtocolEqualsTheCli() {
    Okno o(demo_);
    QVERIFY(o.otevrit());
    TempDir kopie;
    fs::copy(o.f.dir.path(), kopie.path(), fs::copy_options::recursive);
    const CliRun r = cli({"report", "intersol", QString::fromStdString(kopie.path().string()),
                          Mesic, "--observer", Pozorovatel, "--number", "12"});
    QVERIFY2(r.status == 0, r.out.c_str());

    o.w->InterSOL1Click();
    auto* combo = o.w->findChild<QComboBox*>("pozorovatelIS");
    combo->setCurrentIndex(combo->findText(Pozorovatel));
    // The number kept in the observer table comes with the name.
    QCOMPARE(o.w->findChild<QLineEdit*>("cisloIS")->text(), QString("12"));
    o.w->findChild<QLineEdit*>("mesicIS")->setText(Mesic);
    o.w->findChild<QPushButton*>("zobrazitIS")->click();
    QVERIFY(o.f.zpravy.zpravy.isEmpty());
    auto* grid = o.w->findChild<QTableWidget*>("StringGrid11");
    QCOMPARE(grid->rowCount(), 1 + 31 + 1);
    QCOMPARE(grid->item(0, 9)->text(), QString("   Suma   "));
    QCOMPARE(grid->item(32, 0)->text(), QString("Suma"));

    auto* doSouboru = o.w->findChild<QPushButton*>("dosouboruIS");
    QVERIFY(doSouboru->isEnabled());
    doSouboru->click();
    QCOMPARE(o.w->findChild<QLineEdit*>("observatorIS")->text(), QString("Hvezdarna Demo"));
    QCOMPARE(o.w->findChild<QLineEdit*>("adresaIS")->text(), QString("Hlavní 5  Brno  60200"));
    auto* pristroj = o.w->findChild<QLineEdit*>("pristrojIS");
    QVERIFY(pristroj->text().isEmpty());

    // Without the instrument nothing is written.
    auto* ulozit = o.w->findChild<QPushButton*>("ulozitIS");
    ulozit->click();
    QCOMPARE(o.f.zpravy.zpravy, QStringList{" Není zadaný přístroj ! "});
    QVERIFY(!fs::exists(o.f.dir.path() / "Intersol"));

    // The general data confirmed meanwhile fill the instrument.
    o.w->Veobecndata1Click();
    o.w->findChild<QPushButton*>("OKobecna")->click();
    QCOMPARE(pristroj->text(), QString("Refractor  "));
    o.f.zpravy.clear();
    ulozit->click();
    QCOMPARE(o.f.zpravy.zpravy, QStringList{"Data byla uložena"});
    const std::string name = "Intersol/2403_012.txt";
    QCOMPARE(o.soubor(name), ReadWholeFile(ProgramDir(kopie.path()).resolve(name)));
    QCOMPARE(o.w->mesicText(), QString(Mesic));
    QVERIFY(Cp1250ToUtf8(o.soubor("pozorovatelep.dat")).find("12,Novák Jan,") != std::string::npos);
}

void TestResultsWindow::closingRestoresTheFrame() {
    Okno o(demo_);
    QVERIFY(o.otevrit(true));
    // The record list's scroll bar is hidden while the results are shown.
    auto* posuvnik = o.f.hlavni->seznam()->findChild<QScrollBar*>("ScrollBar1");
    QVERIFY(posuvnik->isHidden());
    o.w->celkovynamClick();
    QVERIFY(posuvnik->isHidden());
    o.f.hlavni->model().setCurrent(3);
    // A new observer added meanwhile goes to the file when the window closes.
    QVERIFY(o.f.session.addObserver({"200", "Nový Pozorovatel", "", "", "", ""}));
    o.f.hlavni->akce("SpeedButton9")->trigger();
    QTRY_VERIFY(o.f.hlavni->plocha()->findChildren<ResultsWindow*>().isEmpty());
    QCOMPARE(o.f.hlavni->viditelnyPanel(), QString("zakladni"));
    QVERIFY(!posuvnik->isHidden());
    QCOMPARE(o.f.session.AktualniIndex(), o.f.session.PocetZaznamu());
    const std::string soubor = Cp1250ToUtf8(o.soubor("pozorovatelep.dat"));
    QVERIFY(soubor.find("200,Nový Pozorovatel,") != std::string::npos);
    // Every observer of the file read at start is still there.
    QVERIFY(soubor.find("104,Kovář Tomáš,Na Vyhlídce 3,Říčany,25101,") != std::string::npos);
}

QTEST_MAIN(TestResultsWindow)
#include "tst_results_window.moc"
