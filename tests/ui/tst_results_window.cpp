// The results window on a demo directory: one window from "&Výsledky", the
// views built from the core tables, the month input, the files saved from
// the window equal to heliokres-cli's, printing, the general data, the
// Inter-Sol panel and closing; views 3, 4, 10, 11, 13 and 14 opened by the
// main window's buttons, their year and rotation boxes, their CSV files and
// the official sheet.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include <filesystem>

#include "io/atomic_file.h"
#include "render/protocol.h"
#include "results/choose_month.h"
#include "results/csv_export.h"
#include "results/group_evolution.h"
#include "results/intersol_report.h"
#include "results/largest_groups.h"
#include "results/measured_statistics.h"
#include "results/observer_drawings.h"
#include "results/observer_statistics.h"
#include "results/official_csv.h"
#include "results/report_file.h"
#include "results/sidc_report.h"
#include "results/smoothed_statistics.h"
#include "results/spotless_days.h"
#include "results/station_data.h"
#include "results/type_occurrence.h"
#include "results/zone_positions.h"
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

constexpr const char* Month = "3.2024";
const QString Pozorovatel = QStringLiteral("Novák, Jan");

// The results window, with the month of a monthly view chosen by the prompt.
struct ResultsFixture : ResultsWindowFixture {
    using ResultsWindowFixture::ResultsWindowFixture;
    void month(const char* view, const QString& text = QString::fromLatin1(Month)) {
        f.messages.values.push_back(text);
        w->action(QString::fromLatin1(view))->trigger();
    }
    std::string file(const std::string& relative) const {
        return ReadWholeFile(f.session.dir.resolve(relative));
    }
    std::string file(const ReportFile& r) const {
        return ReadWholeFile(ReportPath(f.session.dir, r));
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

Q_DECLARE_METATYPE(HemisphereChoice)
using MonthRow = std::tuple<QString, QStringList, QStringList, int, int, QString>;
Q_DECLARE_METATYPE(MonthRow)
using InterSolRow = std::tuple<QString, QString, QString, QString>;
Q_DECLARE_METATYPE(InterSolRow)

class TestResultsWindow : public QObject {
    Q_OBJECT
    TempDir demoDir_;
    fs::path demo_;
    std::optional<ResultsFixture> o_;

  private slots:
    // Every test starts on its own copy of the demo with the window open
    // (and the record list when the test is about closing).
    void init() {
        o_.emplace(demo_);
        QVERIFY(
            o_->openWindow(QByteArray(QTest::currentTestFunction()) == "closingRestoresTheFrame"));
    }
    void cleanup() { o_.reset(); }
    void initTestCase() {
        demo_ = demoDir_.path() / "demo";
        WriteResultsDemo(demo_);
    }

    void resultsTwiceOpensOneWindow() {
        QCOMPARE(o_->f.mainWindow->visiblePanel(), QString("provysledky"));
        o_->f.mainWindow->action("vysledky1")->trigger();
        o_->f.mainWindow->action("vysledekz")->trigger();
        QCOMPARE(o_->f.mainWindow->area()->findChildren<ResultsWindow*>().size(), 1);
        QCOMPARE(ResultsWindow::openInstance(o_->f.mainWindow->context()), o_->w);
        QCOMPARE(o_->w->resultsMode(), 0);

        // Tisk and the save commands follow the view (the views' "Tisk":
        // buttonsShowTheCoreTables).
        QAction* print = o_->w->action("tiskvysl");
        QAction* save = o_->w->action("dosouboru");
        QVERIFY(!print->isEnabled());
        QVERIFY(!save->isVisible());
        o_->w->action("celkovynam")->trigger();
        QVERIFY(print->isEnabled());
        QVERIFY(!save->isVisible());
        QVERIFY(o_->f.mainWindow->action("SpeedButton8")->isEnabled());
        o_->month("oficialni");
        QVERIFY(print->isEnabled());
        QVERIFY(save->isVisible());
        QVERIFY(!o_->f.mainWindow->action("SpeedButton8")->isEnabled());
        QVERIFY(!o_->w->action("doCSV")->isVisible());

        // The results panel's buttons scroll within the tool bar; the frame, its
        // status bar and the window's own buttons stay on the 1280-pixel screen.
        QCoreApplication::processEvents();
        QVERIFY(o_->f.mainWindow->width() <= TestScreen.width());
        auto* sub = qobject_cast<QMdiSubWindow*>(o_->w->parentWidget());
        QVERIFY(sub && sub->geometry().right() < o_->f.mainWindow->area()->viewport()->width());

        // Closed, it opens again.
        o_->w->action("zavritvys")->trigger();
        QTRY_VERIFY(o_->f.mainWindow->area()->findChildren<ResultsWindow*>().isEmpty());
        o_->f.mainWindow->action("vysledky1")->trigger();
        QVERIFY(ResultsWindow::openInstance(o_->f.mainWindow->context()));
    }

    void smoothedNeedsMoreThan400Days() {
        test::Frame f(DayRecords(400), Run::Started); // 399 days from the first to the last
        installResults(f.mainWindow->context());
        ResultsWindow* w = ResultsWindow::openWindow(f.mainWindow->context());
        w->action("celkovynam")->trigger();
        w->action("severvyr")->trigger();
        QCOMPARE(f.messages.messages, QStringList{"Nedostatek dat pro měsíční vyhlazené"});
        QCOMPARE(w->resultsMode(), 5);
        QCOMPARE(w->hemisphereChoice(), HemisphereChoice::Whole);
    }

    // The view, the texts typed ("" closes the prompt), the messages shown,
    // the mode and month chosen and the month text remembered.
    void monthInput_data() {
        QTest::addColumn<MonthRow>("row");
        const QStringList last{" Poalední záznam je z LAST"};
        QTest::newRow("own, month with drawings")
            << MonthRow{"vlastni", {"3.2024"}, {}, 1, 202403, "3.2024"};
        QTest::newRow("SIDC with a comma")
            << MonthRow{"oficialni", {"3,2024"}, {}, 2, 202403, "3,2024"};
        QTest::newRow("CV") << MonthRow{"CVvysledek", {"12.2023"}, {}, 9, 202312, "12.2023"};
        QTest::newRow("month without drawings asks again")
            << MonthRow{"vlastni", {"3.1990", "4.2024"}, last, 1, 202404, "4.2024"};
        QTest::newRow("closed prompt shows nothing")
            << MonthRow{"vlastni", {"3.1990", ""}, last, 0, 0, "3.1990"};
    }

    void monthInput() {
        QFETCH(MonthRow, row);
        auto [view, answers, messages, mode, chosenMonth, remembered] = row;
        o_->f.messages.clear();
        for (const QString& a : answers)
            o_->f.messages.values.push_back(a.isEmpty() ? std::nullopt : std::optional<QString>(a));
        o_->w->action(view)->trigger();
        const TZaznam& last = o_->f.session.record(o_->f.session.recordCount());
        messages.replaceInStrings("LAST", q(last.Datum.text()));
        QCOMPARE(o_->f.messages.messages, messages);
        QCOMPARE(o_->f.messages.prompts.size(), answers.size());
        QCOMPARE(o_->f.messages.prompts.front(), q(MonthPrompt));
        QCOMPARE(o_->w->resultsMode(), mode);
        if (mode) QCOMPARE(o_->w->chosenMonth(), chosenMonth);
        if (mode == 9) {
            // The CV values: header, 31 days, AVRG and OBS.
            const QTableView* values = o_->grid("StringGrid8");
            QVERIFY(values && values->isVisible());
            QCOMPARE(RowCount(values), 1 + 31 + 2);
            QCOMPARE(CellText(values, 0, 1), QString("CV"));
        }
        QCOMPARE(o_->w->monthText(), remembered);
    }

    void protocolViewAndKeys() {
        o_->month("vlastni");
        auto* view = o_->w->findChild<ProtocolView*>();
        QVERIFY(view && view->isVisible());
        QCOMPARE(view->kind(), ProtocolKind::Own);
        const auto first = FirstRecordOfMonth(o_->f.session.records(), 202403);
        QCOMPARE(view->data().firstRecord, *first);

        QCOMPARE(o_->w->fontSize(), 12);
        QTest::keyClick(view, Qt::Key_V);
        QTest::keyClick(view, Qt::Key_V);
        QCOMPARE(o_->w->fontSize(), 14);
        QCOMPARE(view->options().fontSize, 14);
        for (int i = 0; i < 10; ++i)
            QTest::keyClick(view, Qt::Key_M);
        QCOMPARE(o_->w->fontSize(), 8);

        // A form wider than the window scrolls sideways to its last column.
        for (int i = 0; i < 8; ++i)
            QTest::keyClick(view, Qt::Key_V);
        qobject_cast<QMdiSubWindow*>(o_->w->parentWidget())->resize(420, 500);
        QCoreApplication::processEvents();
        QScrollBar* horizontal = view->horizontalScrollBar();
        const QImage left = view->viewport()->grab().toImage();
        horizontal->setValue(horizontal->maximum());
        const QRectF observer = ProtocolCellRect(view->kind(), view->options(), 0, 9);
        QVERIFY(observer.left() > view->viewport()->width()); // beyond the window unscrolled
        QVERIFY(observer.right() - horizontal->value() <= view->viewport()->width());
        QVERIFY(view->viewport()->grab().toImage() != left); // and painted where it scrolled to
        for (int i = 0; i < 10; ++i)
            QTest::keyClick(view, Qt::Key_M);

        // "q" lists the observers over the view; the next key takes it away.
        QTest::keyClick(view, Qt::Key_Q);
        auto* list = o_->w->findChild<QWidget*>("SeznamPozorovatelu");
        QVERIFY(list->isVisible());
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(!list->isVisible());

        // The SIDC view ignores the font keys; choosing the own view again starts at 12.
        o_->month("oficialni");
        QCOMPARE(view->kind(), ProtocolKind::Sidc);
        QTest::keyClick(view, Qt::Key_V);
        QCOMPARE(o_->w->fontSize(), 8);
        o_->month("vlastni");
        QCOMPARE(o_->w->fontSize(), 12);
    }

    // The view, the CLI's report and arguments, the files written.
    void savedFilesEqualTheCli_data() {
        QTest::addColumn<QString>("view");
        QTest::addColumn<QStringList>("cliArgs");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("own") << "vlastni" << QStringList{"own"}
                             << QStringList{"Vlastni/VL-03_2024.Txt", "Vlastni/VLR-03_2024.Txt"};
        QTest::newRow("SIDC") << "oficialni" << QStringList{"sidc"}
                              << QStringList{"Mesice/202403.txt"};
        QTest::newRow("CV") << "CVvysledek" << QStringList{"cv", "--observer", Pozorovatel}
                            << QStringList{"CVdata/CV-03_2024.Txt"};
    }

    void savedFilesEqualTheCli() {
        QFETCH(QString, view);
        QFETCH(QStringList, cliArgs);
        QFETCH(QStringList, files);
        // The CLI works on a copy of the same directory.
        TempDir copy;
        fs::copy(o_->f.dir.path(), copy.path(), fs::copy_options::recursive);
        const QString kind = cliArgs.takeFirst();
        const CliRun r =
            cli(QStringList{"report", kind, QString::fromStdString(copy.path().string()), Month} +
                cliArgs);
        QVERIFY2(r.status == 0, r.out.c_str());

        o_->w->chooseObserver = [] { return Pozorovatel; };
        o_->f.messages.values.push_back(QString::fromLatin1(Month));
        o_->w->action(view)->trigger();
        o_->f.mainWindow->model().setCurrent(1);
        o_->f.messages.clear();
        o_->w->action("dosouboru")->trigger();
        // The message names every file written.
        QCOMPARE(o_->f.messages.messages, QStringList{"Data byla uložena:\r" + files.join('\r')});
        for (const QString& file : files) {
            const std::string ours = o_->file(file.toStdString());
            QVERIFY(!ours.empty());
            QCOMPARE(ours, ReadWholeFile(ProgramDir(copy.path()).resolve(file.toStdString())));
        }
        // The working record stays where it was.
        QCOMPARE(o_->f.session.currentIndex(), 1);
    }

    void sidcAsksBeforeOverwriting() {
        fs::create_directory(o_->f.dir.path() / "Mesice");
        WriteFileAtomic(o_->f.dir.path() / "Mesice" / "202403.txt", "stary");
        o_->month("oficialni");
        o_->f.messages.clear();
        o_->f.messages.answers.push_back(false);
        o_->w->action("dosouboru")->trigger();
        QCOMPARE(o_->f.messages.questions, QStringList{"Soubor již existuje !\r   Přepsat?"});
        QVERIFY(o_->f.messages.messages.isEmpty());
        QCOMPARE(o_->file("Mesice/202403.txt"), std::string("stary"));
        o_->f.messages.answers.push_back(true);
        o_->w->action("dosouboru")->trigger();
        QCOMPARE(o_->f.messages.messages, QStringList{"Data byla uložena:\rMesice/202403.txt"});
        QVERIFY(o_->file("Mesice/202403.txt").starts_with("SIDC202403"));
    }

    // "v" pressed so many times before printing; at the starting font the
    // form fits one page.
    void printedProtocolPages_data() {
        QTest::addColumn<QString>("view");
        QTest::addColumn<int>("larger");
        QTest::newRow("own protocol") << "vlastni" << 0;
        QTest::newRow("SIDC certificate") << "oficialni" << 0;
        QTest::newRow("own protocol, font 24") << "vlastni" << 12;
    }

    void printedProtocolPages() {
        QFETCH(QString, view);
        QFETCH(int, larger);
        const bool onePage = larger == 0;
        o_->f.messages.values.push_back(QString::fromLatin1(Month));
        o_->w->action(view)->trigger();
        for (int i = 0; i < larger; ++i)
            QTest::keyClick(o_->w, Qt::Key_V);
        const QString pdf = QString::fromStdString((o_->f.dir.path() / "protokol.pdf").string());
        int asked = 0;
        o_->w->choosePrinter = PrintToPdf(pdf.toStdString(), &asked);
        o_->w->action("tiskvysl")->trigger();
        QCOMPARE(asked, 1);
        QCOMPARE(PdfPagesOfFile(pdf.toStdString()) == 1, onePage);
        QVERIFY(PdfPagesOfFile(pdf.toStdString()) >= 1);

        // A cancelled print dialog prints nothing.
        QFile::remove(pdf);
        o_->w->choosePrinter = [](QPrinter&) { return false; };
        o_->w->action("tiskvysl")->trigger();
        QVERIFY(!QFile::exists(pdf));
    }

    // The CSV of the statistics shown and of the observers' table.
    void csvFilesOfTheViews() {
        o_->f.mainWindow->action("namersever")->trigger();
        o_->f.mainWindow->action("SpeedButton8")->trigger();
        QCOMPARE(o_->f.messages.messages,
                 QStringList{"Data byla uložena:\rCSVsoubory/Namerene-sever.csv"});
        QCOMPARE(
            o_->file("CSVsoubory/Namerene-sever.csv"),
            StatisticsCsvText(
                BuildMeasuredStatistics(o_->f.session.records(), HemisphereChoice::North).cells,
                2));

        o_->f.messages.clear();
        o_->w->action("pozorovatele")->trigger();
        QVERIFY(o_->w->action("doCSV")->isVisible());
        o_->w->action("doCSV")->trigger();
        QCOMPARE(o_->f.messages.messages, (QStringList{"Data se uloží do souboru  Pozorovatele.csv",
                                                       "Data byla uložena:\rPozorovatele.csv"}));
        const ReportFile f = ObserversCsv(
            BuildObserverStatistics(o_->f.session.records(), o_->f.session.observers()).grid);
        QCOMPARE(o_->file(f), ReportBytes(f));
    }

    void generalData() {
        const std::string before = o_->file("Obecdata.dat");
        o_->w->action("Veobecndata1")->trigger();
        auto* panel = o_->w->findChild<QWidget*>("PanelObecnaData");
        QVERIFY(panel->isVisible());
        auto* table = o_->w->findChild<QTableWidget*>("StringGrid12");
        QCOMPARE(table->item(0, 0)->text(), QString("Observatoř-stanice"));
        QCOMPARE(table->item(0, 1)->text(), QString("Hvězdárna Demo"));
        QCOMPARE(table->item(11, 1)->text(), QString("007"));
        // The reserved row cannot be chosen.
        QVERIFY(!(table->item(5, 1)->flags() & Qt::ItemIsEditable));

        // X leaves without saving.
        table->item(0, 1)->setText("Jiná");
        panel->findChild<QPushButton*>("Xobecna")->click();
        QVERIFY(!panel->isVisible());
        QCOMPARE(o_->file("Obecdata.dat"), before);
        QCOMPARE(o_->w->stationData().row(1), std::string("Hvězdárna Demo"));

        // OK saves, and the table shows the rows as stored (row 12 of 5 as
        // 005: the rules are ConfirmStationData's in core).
        o_->w->action("Veobecndata1")->trigger();
        table->item(0, 1)->setText("Hvězdárna Jiná");
        table->item(11, 1)->setText("5");
        panel->findChild<QPushButton*>("OKobecna")->click();
        QVERIFY(!panel->isVisible());
        QCOMPARE(table->item(11, 1)->text(), QString("005"));
        QCOMPARE(ReadStationData(o_->f.session.dir).row(1), std::string("Hvězdárna Jiná"));
        // The protocol shows the new station name.
        o_->month("oficialni");
        QCOMPARE(o_->w->findChild<ProtocolView*>()->data().station, std::string("Hvězdárna Jiná"));
    }

    // The month, the observer, the message, and the month left in its field.
    // Each refusal of the inputs is core's (InterSolInput); here the window
    // shows the message, keeps or clears the month, and writes nothing.
    void interSolRefusesMissingInputs_data() {
        QTest::addColumn<InterSolRow>("row");
        QTest::newRow("no observer") << InterSolRow{"3.2024", "", q(BadInterSolInput), "3.2024"};
        QTest::newRow("month without drawings")
            << InterSolRow{"3.1990", Pozorovatel, q(NoRecordsExist), ""};
    }

    void interSolRefusesMissingInputs() {
        QFETCH(InterSolRow, row);
        const auto& [month, observer, message, monthAfter] = row;
        o_->f.mainWindow->action("SpeedButton16")->trigger();
        QCOMPARE(o_->w->resultsMode(), 15);
        auto* combo = o_->w->findChild<QComboBox*>("pozorovatelIS");
        combo->setCurrentIndex(combo->findText(observer));
        o_->w->findChild<QLineEdit*>("cisloIS")->setText("12");
        o_->w->findChild<QLineEdit*>("mesicIS")->setText(month);
        o_->w->findChild<QPushButton*>("zobrazitIS")->click();
        QCOMPARE(o_->f.messages.messages, QStringList{message});
        QVERIFY(!o_->w->findChild<QPushButton*>("dosouboruIS")->isEnabled());
        QCOMPARE(o_->w->findChild<QLineEdit*>("mesicIS")->text(), monthAfter);
        QCOMPARE(RowCount(o_->grid("StringGrid11")), 0);
    }

    void interSolProtocolEqualsTheCli() {
        TempDir copy;
        fs::copy(o_->f.dir.path(), copy.path(), fs::copy_options::recursive);
        const CliRun r = cli({"report", "intersol", QString::fromStdString(copy.path().string()),
                              Month, "--observer", Pozorovatel, "--number", "12"});
        QVERIFY2(r.status == 0, r.out.c_str());

        o_->w->action("InterSOL1")->trigger();
        auto* combo = o_->w->findChild<QComboBox*>("pozorovatelIS");
        combo->setCurrentIndex(combo->findText(Pozorovatel));
        // The number kept in the observer table comes with the name.
        QCOMPARE(o_->w->findChild<QLineEdit*>("cisloIS")->text(), QString("12"));
        o_->w->findChild<QLineEdit*>("mesicIS")->setText(Month);
        o_->w->findChild<QPushButton*>("zobrazitIS")->click();
        QVERIFY(o_->f.messages.messages.isEmpty());
        const QTableView* grid = o_->grid("StringGrid11");
        QCOMPARE(RowCount(grid), 1 + 31 + 1);
        QCOMPARE(CellText(grid, 0, 9), QString("   Suma   "));
        QCOMPARE(CellText(grid, 32, 0), QString("Suma"));

        auto* toFile = o_->w->findChild<QPushButton*>("dosouboruIS");
        QVERIFY(toFile->isEnabled());
        toFile->click();
        QCOMPARE(o_->w->findChild<QLineEdit*>("observatorIS")->text(), QString("Hvezdarna Demo"));
        QCOMPARE(o_->w->findChild<QLineEdit*>("adresaIS")->text(),
                 QString("Hlavní 5  Brno  60200"));
        auto* instrument = o_->w->findChild<QLineEdit*>("pristrojIS");
        QVERIFY(instrument->text().isEmpty());

        // Without the instrument nothing is written.
        auto* save = o_->w->findChild<QPushButton*>("ulozitIS");
        save->click();
        QCOMPARE(o_->f.messages.messages, QStringList{" Není zadaný přístroj ! "});
        QVERIFY(!fs::exists(o_->f.dir.path() / "Intersol"));

        // The general data confirmed meanwhile fill the instrument.
        o_->w->action("Veobecndata1")->trigger();
        o_->w->findChild<QPushButton*>("OKobecna")->click();
        QCOMPARE(instrument->text(), QString("Refractor  "));
        o_->f.messages.clear();
        save->click();
        const std::string name = "Intersol/2403_012.txt";
        QCOMPARE(o_->f.messages.messages, QStringList{"Data byla uložena:\r" + q(name)});
        QCOMPARE(o_->file(name), ReadWholeFile(ProgramDir(copy.path()).resolve(name)));
        QCOMPARE(o_->w->monthText(), QString(Month));
        QVERIFY(Cp1250ToUtf8(o_->file("pozorovatelep.dat")).find("12,Novák Jan,") !=
                std::string::npos);
    }

    void closingRestoresTheFrame() {
        // The record list's scroll bar is hidden while the results are shown.
        auto* hasScrollBar = o_->f.mainWindow->recordList()->findChild<QScrollBar*>("ScrollBar1");
        QVERIFY(hasScrollBar->isHidden());
        o_->w->action("celkovynam")->trigger();
        QVERIFY(hasScrollBar->isHidden());
        o_->f.mainWindow->model().setCurrent(3);
        // A new observer added meanwhile goes to the file when the window closes.
        QVERIFY(o_->f.session.addObserver({"200", "Nový Pozorovatel", "", "", "", ""}));
        o_->f.mainWindow->action("SpeedButton9")->trigger();
        QTRY_VERIFY(o_->f.mainWindow->area()->findChildren<ResultsWindow*>().isEmpty());
        QCOMPARE(o_->f.mainWindow->visiblePanel(), QString("zakladni"));
        QVERIFY(!hasScrollBar->isHidden());
        QCOMPARE(o_->f.session.currentIndex(), o_->f.session.recordCount());
        const std::string file = Cp1250ToUtf8(o_->file("pozorovatelep.dat"));
        QVERIFY(file.find("200,Nový Pozorovatel,") != std::string::npos);
        // Every observer of the file read at start is still there.
        QVERIFY(file.find("104,Kovář Tomáš,Na Vyhlídce 3,Říčany,25101,") != std::string::npos);
    }

    // Each button shows its view whole as core builds the table, with the
    // table's caption; "Tisk" follows the view.
    void buttonsShowTheCoreTables_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("mode");
        QTest::addColumn<HemisphereChoice>("hemisphere");
        QTest::addColumn<QString>("grid");
        QTest::addColumn<bool>("printable");
        using H = HemisphereChoice;
        for (const auto& [kind, prefix, mode] :
             {std::tuple{"measured", "namer", 5}, std::tuple{"smoothed", "vyhl", 6}})
            for (const auto& [where, suffix, h] :
                 {std::tuple{"whole disk", "celek", H::Whole},
                  std::tuple{"north", "sever", H::North}, std::tuple{"south", "jih", H::South}})
                QTest::addRow("%s %s", kind, where)
                    << QString(prefix) + suffix << mode << h << QString("StringGrid1") << true;
        const auto row = [](const char* name, const char* button, int mode, const char* grid,
                            bool printable) {
            QTest::newRow(name) << QString(button) << mode << H::Whole << QString(grid)
                                << printable;
        };
        row("type occurrence", "vyskytskup", 7, "StringGrid4", false);
        row("observers per year", "pozorovatelv", 4, "StringGrid3", true);
        row("group evolution", "vyvojskup", 3, "StringGrid2", false);
        row("largest groups", "velikost", 10, "StringGrid7", true);
        row("zones", "polohy", 13, "StringGrid9", true);
        row("days without activity", "SpeedButton1", 11, "", true);
    }

    void buttonsShowTheCoreTables() {
        QFETCH(QString, button);
        QFETCH(int, mode);
        QFETCH(HemisphereChoice, hemisphere);
        QFETCH(QString, grid);
        QFETCH(bool, printable);
        o_->f.mainWindow->action(button)->trigger();
        QCOMPARE(o_->w->resultsMode(), mode);
        QCOMPARE(o_->w->action("tiskvysl")->isEnabled(), printable);
        const Session& s = o_->f.session;
        const auto records = s.records();
        // Group evolution: the latest rotation drawn; zones: the drawings
        // section switched off by its button (months, years, all).
        const ResultsGrid expected =
            mode == 5   ? BuildMeasuredStatistics(records, hemisphere)
            : mode == 6 ? BuildSmoothedStatistics(records, hemisphere)
            : mode == 7 ? BuildTypeOccurrence(records).grid
            : mode == 4 ? BuildObserverStatistics(records, s.observers()).grid
            : mode == 3
                ? BuildGroupEvolution(records, s.geometry(), *LatestEvolutionRotation(records))
            : mode == 10 ? BuildLargestGroups(records, 2023)
            : mode == 13
                ? BuildZonePositions(records, s.geometry(), "vše", {false, true, true, true})
                : ResultsGrid{};
        if (!grid.isEmpty()) {
            QVERIFY(expected.rowCount() > 1);
            QCOMPARE(GridDifference(o_->grid(grid), expected), QString());
            QCOMPARE(o_->w->windowTitle(),
                     q(mode == 6 ? SmoothedCaption(hemisphere) : expected.caption));
        }
        if (mode == 5 || mode == 6) {
            // The status line counts the table's pages.
            const QString state = o_->w->findChild<QLabel*>("LabelTisk")->text();
            QVERIFY(state.startsWith(
                "Počet hodnot je = " + QString::number(expected.rowCount() - 1) + "   ( "));
            QVERIFY(state.endsWith("  str.)"));
        }
        if (mode == 13) {
            // The class of the main window's ComboBox1 rebuilds the view.
            auto* combo = o_->f.mainWindow->findChild<QComboBox*>("ComboBox1");
            QVERIFY(combo->isEnabled());
            combo->setCurrentText("D");
            QCOMPARE(GridDifference(o_->grid(grid), BuildZonePositions(records, s.geometry(), "D",
                                                                       {false, true, true, true})),
                     QString());
            // The drawings' section back: a row a drawing, in the widths of its labels and numbers.
            o_->f.mainWindow->action(button)->trigger();
            QCOMPARE(GridDifference(o_->grid(grid), BuildZonePositions(records, s.geometry(), "D")),
                     QString());
            o_->f.messages.answers.push_back(true);
            o_->f.mainWindow->action("zapidosoudorutxt")->trigger();
            for (const ReportFile& f : ZoneTextFiles(records, s.geometry(), "D"))
                QCOMPARE(o_->file(f), ReportBytes(f));
        }
    }

    void yearAndRotationBoxes() {
        const auto records = o_->f.session.records();
        o_->w->action("veliky")->trigger();
        auto* year = o_->w->findChild<QSpinBox*>("SpinEdit2");
        QCOMPARE(year->value(), 2023); // 2000 is before the first record
        year->setValue(2024);
        QCOMPARE(GridDifference(o_->grid("StringGrid7"), BuildLargestGroups(records, 2024)),
                 QString());

        o_->w->action("Vvojskupin1")->trigger();
        auto* rotationText = o_->w->findChild<QSpinBox*>("SpinEdit1");
        // It opens on the latest rotation drawn.
        QCOMPARE(rotationText->value(), *LatestEvolutionRotation(records));
        QVERIFY(RowCount(o_->grid("StringGrid2")) > 1);
        const int next = records.back().Rotace - 2;
        rotationText->setValue(next);
        QCOMPARE(GridDifference(o_->grid("StringGrid2"),
                                BuildGroupEvolution(records, o_->f.session.geometry(), next)),
                 QString());
        rotationText->setValue(10); // below 15: the first record's rotation
        QCOMPARE(rotationText->value(), static_cast<int>(records.front().Rotace));

        // The days without activity open on the archive's latest year.
        o_->w->action("Bezaktivity")->trigger();
        QCOMPARE(o_->w->findChild<QSpinBox*>("SpinEdit3")->value(),
                 LatestSpotlessYear(SpotlessDaysOf(records), records));
    }

    void observerOfTheDayAndItsCsv() {
        o_->f.mainWindow->action("SpeedButton15")->trigger();
        QCOMPARE(o_->w->resultsMode(), 14);
        auto* combo = o_->w->findChild<QComboBox*>("ComboBox2");
        QCOMPARE(combo->count(), static_cast<int>(o_->f.session.observers().size()));
        auto* csv = o_->w->findChild<QPushButton*>("Button11");
        QVERIFY(!csv->isVisibleTo(o_->w));
        combo->setCurrentIndex(1);
        emit combo->activated(1);
        const std::string name = combo->currentText().toStdString();
        const ObserverDrawings list = BuildObserverDrawings(o_->f.session.records(), name);
        QCOMPARE(o_->w->findChild<QLabel*>("Panel14")->text(), q(list.summary));
        QCOMPARE(RowCount(o_->grid("StringGrid10")), list.n + 3);
        QVERIFY(csv->isVisibleTo(o_->w));
        csv->click();
        const ReportFile written = ObserverDrawingsCsv(list, name, o_->f.session.records());
        QCOMPARE(o_->f.messages.messages,
                 QStringList{QString::fromStdString("Data byla uložena:\r" + written.folder + "/" +
                                                    written.name)});
        QCOMPARE(o_->file(written), ReportBytes(written));
        QVERIFY(!csv->isVisibleTo(o_->w));
    }

    void officialSheetPanel() {
        o_->w->action("oficCSV")->trigger();
        auto* panel = o_->w->findChild<QWidget*>("PanelOficCSV");
        QVERIFY(panel->isVisible());
        auto* number = panel->findChild<QLineEdit*>("CisloSL");
        QCOMPARE(number->text(), q(o_->w->stationData().row(12)));
        QCOMPARE(number->palette().color(QPalette::Base), QColor(0xc0, 0xc0, 0xc0));
        QCOMPARE(panel->findChild<QLineEdit*>("Adresa")->palette().color(QPalette::Base),
                 QColor(Qt::white));
        panel->findChild<QLineEdit*>("MesicRok")->setText("3,2024");
        number->setText("x1");
        panel->findChild<QPushButton*>("ZadanyMesic")->click();
        QCOMPARE(o_->f.messages.messages, QStringList{"Špatné číslo SL nebo nevybrána metoda"});
        number->setText(q(o_->w->stationData().row(12)));
        o_->f.messages.clear();
        panel->findChild<QPushButton*>("ZadanyMesic")->click();
        QCOMPARE(o_->f.messages.messages.size(), 1);
        QVERIFY(o_->f.messages.messages[0].startsWith("Data byla uložena:\r"));
        const ReportFile sheet =
            BuildOfficialSheet(o_->f.session.records(), {2024, 3},
                               OfficialFieldsFrom(o_->w->stationData(), MethodProjection),
                               o_->f.session.observerTable());
        QCOMPARE(o_->file(sheet), ReportBytes(sheet));
    }

    void printedViews() {
        for (const char* name : {"pozorovatele", "veliky", "Bezaktivity", "polohy1"}) {
            o_->w->action(QString::fromLatin1(name))->trigger();
            const QString pdf = QString::fromStdString((o_->f.dir.path() / name).string()) + ".pdf";
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setResolution(150);
            o_->w->printTo(printer);
            QVERIFY2(QFileInfo(pdf).size() > 1000, name);
        }
        QVERIFY(o_->f.messages.messages.isEmpty());
    }
};

QTEST_MAIN(TestResultsWindow)
#include "tst_results_window.moc"
