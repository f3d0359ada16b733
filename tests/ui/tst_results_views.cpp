// Views 3, 4, 10, 11, 13 and 14 of the results window on a demo directory:
// the main window's buttons open them with the core's tables, the year and
// rotation boxes follow their rules, the CSV files and the official sheet
// are the core's bytes, and each printable view prints. With HK_SCREENSHOTS
// set to a folder, each view is saved there as a picture.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <filesystem>

#include "io/atomic_file.h"
#include "records/session.h"
#include "results/group_evolution.h"
#include "results/largest_groups.h"
#include "results/observer_drawings.h"
#include "results/observer_statistics.h"
#include "results/official_csv.h"
#include "results/spotless_days.h"
#include "results/zone_positions.h"
#include "ui/support/results_window_fixture.h"

using namespace hk;
using namespace hk::test;
namespace fs = std::filesystem;

namespace {

struct ResultsFixture : ResultsWindowFixture {
    using ResultsWindowFixture::ResultsWindowFixture;
    std::string file(const ReportFile& r) const {
        return ReadWholeFile(ReportPath(f.session.dir, r));
    }
    void snapshot(const QString& name) const {
        const QByteArray dir = qgetenv("HK_SCREENSHOTS");
        if (dir.isEmpty()) return;
        QApplication::processEvents();
        f.mainWindow->grab().save(QString::fromUtf8(dir) + "/" + name + ".png");
    }
};

} // namespace

class TestResultsViews : public QObject {
    Q_OBJECT
    TempDir demoDir_;
    fs::path demo_;

  private slots:
    void initTestCase() {
        demo_ = demoDir_.path() / "demo";
        WriteResultsDemo(demo_);
    }

    void buttonsShowTheCoreTables_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("grid");
        QTest::addColumn<bool>("printable"); // "Tisk" follows the view
        QTest::newRow("observers per year") << "pozorovatelv" << 4 << "StringGrid3" << true;
        QTest::newRow("group evolution") << "vyvojskup" << 3 << "StringGrid2" << false;
        QTest::newRow("largest groups") << "velikost" << 10 << "StringGrid7" << true;
        QTest::newRow("zones") << "polohy" << 13 << "StringGrid9" << true;
        QTest::newRow("days without activity") << "SpeedButton1" << 11 << "" << true;
    }

    void buttonsShowTheCoreTables() {
        QFETCH(QString, button);
        QFETCH(int, mode);
        QFETCH(QString, grid);
        QFETCH(bool, printable);
        ResultsFixture o(demo_);
        QVERIFY(o.openWindow());
        o.f.mainWindow->action(button)->trigger();
        QCOMPARE(o.w->resultsMode(), mode);
        QCOMPARE(o.w->action("tiskvysl")->isEnabled(), printable);
        const Session& s = o.f.session;
        const auto records = s.records();
        ResultsGrid expected;
        switch (mode) {
        case 4:
            expected = BuildObserverStatistics(records, s.observers()).grid;
            break;
        case 3:
            // The latest rotation drawn.
            expected =
                BuildGroupEvolution(records, s.geometry(), *LatestEvolutionRotation(records));
            break;
        case 10:
            expected = BuildLargestGroups(records, 2023);
            break;
        case 13:
            // The drawings section switched off by its button: months, years, all.
            expected = BuildZonePositions(records, s.geometry(), "vše", {false, true, true, true});
            break;
        default:
            break;
        }
        if (!grid.isEmpty()) {
            QVERIFY(expected.rowCount() > 1);
            QCOMPARE(GridDifference(o.grid(grid), expected), QString());
            QCOMPARE(o.w->windowTitle(), q(expected.caption));
        }
        if (mode == 13) {
            // The class of the main window's ComboBox1 rebuilds the view.
            auto* combo = o.f.mainWindow->findChild<QComboBox*>("ComboBox1");
            QVERIFY(combo->isEnabled());
            combo->setCurrentText("D");
            QCOMPARE(GridDifference(o.grid(grid), BuildZonePositions(records, s.geometry(), "D",
                                                                     {false, true, true, true})),
                     QString());
            o.f.messages.answers.push_back(true);
            o.f.mainWindow->action("zapidosoudorutxt")->trigger();
            for (const ReportFile& f : ZoneTextFiles(records, s.geometry(), "D"))
                QCOMPARE(o.file(f), ReportBytes(f));
        }
        o.snapshot(QStringLiteral("pohled%1").arg(mode));
    }

    void yearAndRotationBoxes() {
        ResultsFixture o(demo_);
        QVERIFY(o.openWindow());
        const auto records = o.f.session.records();
        o.w->action("veliky")->trigger();
        auto* year = o.w->findChild<QSpinBox*>("SpinEdit2");
        QCOMPARE(year->value(), 2023); // 2000 is before the first record
        year->setValue(2024);
        QCOMPARE(GridDifference(o.grid("StringGrid7"), BuildLargestGroups(records, 2024)),
                 QString());

        o.w->action("Vvojskupin1")->trigger();
        auto* rotationText = o.w->findChild<QSpinBox*>("SpinEdit1");
        // It opens on the latest rotation drawn.
        QCOMPARE(rotationText->value(), *LatestEvolutionRotation(records));
        QVERIFY(RowCount(o.grid("StringGrid2")) > 1);
        const int next = records.back().Rotace - 2;
        rotationText->setValue(next);
        QCOMPARE(GridDifference(o.grid("StringGrid2"),
                                BuildGroupEvolution(records, o.f.session.geometry(), next)),
                 QString());
        rotationText->setValue(10); // below 15: the first record's rotation
        QCOMPARE(rotationText->value(), static_cast<int>(records.front().Rotace));
        o.snapshot(QStringLiteral("pohled3"));

        // The days without activity open on the archive's latest year.
        o.w->action("Bezaktivity")->trigger();
        QCOMPARE(o.w->findChild<QSpinBox*>("SpinEdit3")->value(),
                 LatestSpotlessYear(SpotlessDaysOf(records), records));
    }

    void observerOfTheDayAndItsCsv() {
        ResultsFixture o(demo_);
        QVERIFY(o.openWindow());
        o.f.mainWindow->action("SpeedButton15")->trigger();
        QCOMPARE(o.w->resultsMode(), 14);
        auto* combo = o.w->findChild<QComboBox*>("ComboBox2");
        QCOMPARE(combo->count(), static_cast<int>(o.f.session.observers().size()));
        auto* csv = o.w->findChild<QPushButton*>("Button11");
        QVERIFY(!csv->isVisibleTo(o.w));
        combo->setCurrentIndex(1);
        emit combo->activated(1);
        const std::string name = combo->currentText().toStdString();
        const ObserverDrawings list = BuildObserverDrawings(o.f.session.records(), name);
        QCOMPARE(o.w->findChild<QLabel*>("Panel14")->text(), q(list.summary));
        QCOMPARE(RowCount(o.grid("StringGrid10")), list.n + 3);
        QVERIFY(csv->isVisibleTo(o.w));
        o.snapshot(QStringLiteral("pohled14"));
        csv->click();
        const ReportFile written = ObserverDrawingsCsv(list, name, o.f.session.records());
        QCOMPARE(o.f.messages.messages,
                 QStringList{QString::fromStdString("Data byla uložena:\r" + written.folder + "/" +
                                                    written.name)});
        QCOMPARE(o.file(written), ReportBytes(written));
        QVERIFY(!csv->isVisibleTo(o.w));
    }

    void observersCsv() {
        ResultsFixture o(demo_);
        QVERIFY(o.openWindow());
        o.w->action("pozorovatele")->trigger();
        QVERIFY(o.w->action("doCSV")->isVisible());
        o.w->action("doCSV")->trigger();
        QCOMPARE(o.f.messages.messages, (QStringList{"Data se uloží do souboru  Pozorovatele.csv",
                                                     "Data byla uložena:\rPozorovatele.csv"}));
        const ReportFile f = ObserversCsv(
            BuildObserverStatistics(o.f.session.records(), o.f.session.observers()).grid);
        QCOMPARE(o.file(f), ReportBytes(f));
    }

    void officialSheetPanel() {
        ResultsFixture o(demo_);
        QVERIFY(o.openWindow());
        o.w->action("oficCSV")->trigger();
        auto* panel = o.w->findChild<QWidget*>("PanelOficCSV");
        QVERIFY(panel->isVisible());
        auto* number = panel->findChild<QLineEdit*>("CisloSL");
        QCOMPARE(number->text(), q(o.w->stationData().row(12)));
        QCOMPARE(number->palette().color(QPalette::Base), QColor(0xc0, 0xc0, 0xc0));
        QCOMPARE(panel->findChild<QLineEdit*>("Adresa")->palette().color(QPalette::Base),
                 QColor(Qt::white));
        o.snapshot(QStringLiteral("oficialni"));
        panel->findChild<QLineEdit*>("MesicRok")->setText("3,2024");
        number->setText("x1");
        panel->findChild<QPushButton*>("ZadanyMesic")->click();
        QCOMPARE(o.f.messages.messages, QStringList{"Špatné číslo SL nebo nevybrána metoda"});
        number->setText(q(o.w->stationData().row(12)));
        o.f.messages.clear();
        panel->findChild<QPushButton*>("ZadanyMesic")->click();
        QCOMPARE(o.f.messages.messages.size(), 1);
        QVERIFY(o.f.messages.messages[0].startsWith("Data byla uložena:\r"));
        const ReportFile sheet = BuildOfficialSheet(
            o.f.session.records(), {2024, 3},
            OfficialFieldsFrom(o.w->stationData(), MethodProjection), o.f.session.observerTable());
        QCOMPARE(o.file(sheet), ReportBytes(sheet));
    }

    void printedViews() {
        ResultsFixture o(demo_);
        QVERIFY(o.openWindow());
        for (const char* name : {"pozorovatele", "veliky", "Bezaktivity", "polohy1"}) {
            o.w->action(QString::fromLatin1(name))->trigger();
            const QString pdf = QString::fromStdString((o.f.dir.path() / name).string()) + ".pdf";
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setResolution(150);
            o.w->printTo(printer);
            QVERIFY2(QFileInfo(pdf).size() > 1000, name);
            if (const QByteArray dir = qgetenv("HK_SCREENSHOTS"); !dir.isEmpty())
                QFile::copy(pdf, QString::fromUtf8(dir) + "/" + name + ".pdf");
            if (std::string_view(name) == "Bezaktivity") o.snapshot(QStringLiteral("pohled11"));
        }
        QVERIFY(o.f.messages.messages.isEmpty());
    }
};

QTEST_MAIN(TestResultsViews)
#include "tst_results_views.moc"
