// The main window: start-up on an empty directory and an unreadable one, the
// menu and the tool panels, the commands of the frame, the exports, the
// window image and the exit sequence. The record selection window beside
// it: its lines, the scroll bar, clicks and arrow keys, following the
// current record, and that it cannot be closed.
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <functional>

#include "demo/demo.h"
#include "drawing/drawing_scale.h"
#include "io/atomic_file.h"
#include "records/exports.h"
#include "records/record.h"
#include "records/record_file.h"
#include "tests_support/records.h"
#include "tests_support/session_edit.h"
#include "ui/drawing/drawing_window.h"
#include "ui/entry/entry_window.h"
#include "ui/entry/record_list_window.h"
#include "ui/frame/directory_access.h"
#include "ui/frame/geometry_warm_up.h"
#include "ui/frame/install_windows.h"
#include "ui/frame/ui_helpers.h"
#include "ui/support/frame_fixture.h"

using namespace hk;
using namespace hk::test;

namespace {

// Rows of the list on the test screen (the same for every frame).
int rowsOfTheList() {
    Frame f(DayRecords(1), Run::WithList);
    return f.mainWindow->recordList()->ListRows();
}

QListWidget* listBox(Frame& f) {
    return f.mainWindow->recordList()->findChild<QListWidget*>("ListBox1");
}
QScrollBar* scrollBar(Frame& f) {
    return f.mainWindow->recordList()->findChild<QScrollBar*>("ScrollBar1");
}

// The drawing setting answered (heliographic, radius), the caption, the
// setting stored and the datax.dat found (null: none).
using StartRow = std::tuple<bool, double, QString, int, QByteArray>;

} // namespace

Q_DECLARE_METATYPE(StartRow)

// The questions whose "Ano" changes or removes data, each answered by a
// person who tabs to "Ne" in the question window and presses Enter.
struct DataQuestion {
    const char* name;
    // Leads the program to the question.
    std::function<void(Frame&)> ask;
    // True while nothing the question would change has changed.
    std::function<bool(const Frame&)> unchanged;
    bool dataxKept = true;
};

const std::vector<DataQuestion>& DataQuestions() {
    static const std::vector<DataQuestion> questions{
        {"backup at exit",
         [](Frame& f) {
             ChangeRecord(f.session, 2, [](TZaznam& z) { z.Cas = 1234; });
             f.mainWindow->action("konec")->trigger();
         },
         [](const Frame& f) { return !std::filesystem::exists(f.path("datax-zaloha.dat")); },
         false},
        {"window picture", [](Frame& f) { f.mainWindow->saveWindowPicture(); },
         [](const Frame& f) { return !std::filesystem::exists(f.path("Obrázek")); }},
        {"drawing numbers off",
         [](Frame& f) {
             installEntry(f.mainWindow->context());
             f.mainWindow->action("novy")->trigger();
             auto* label = f.mainWindow->findChild<EntryWindow*>()->findChild<QLabel*>("Label10");
             QTest::mouseClick(label, Qt::LeftButton);
         },
         [](const Frame& f) { return f.session.drawingNumbers(); }},
        {"coordinates of the archive",
         [](Frame& f) {
             installDrawing(f.mainWindow->context());
             QTest::keyClick(f.mainWindow->findChild<DrawingWindow*>(), Qt::Key_G,
                             Qt::ControlModifier);
         },
         [](const Frame& f) { return !f.session.heliographicEntry(); }},
        {"drawing picture",
         [](Frame& f) {
             installDrawing(f.mainWindow->context());
             QTest::keyClick(f.mainWindow->findChild<DrawingWindow*>(), Qt::Key_F8);
         },
         [](const Frame& f) { return !std::filesystem::exists(f.path("Obrázek")); }},
    };
    return questions;
}

class TestMainWindow : public QObject {
    Q_OBJECT
    int rows_ = 0;

  private slots:
    void initTestCase() {
        rows_ = rowsOfTheList();
        QVERIFY2(rows_ > 10, "the test screen holds more than ten rows");
    }

    void startOnEmptyDirectoryAsksForTheDrawingSetting_data() {
        QTest::addColumn<StartRow>("row");
        const QString polar =
            "Zákresy Sluneční fotosféry  (Polární souřadnice)  (průměr zákresu  250 mm)";
        const QString helio = "Zákresy Sluneční fotosféry   Vizuálně   (Heliografické souřadnice)";
        QTest::newRow("polar 125") << StartRow{false, 125.0, polar, 125, QByteArray()};
        QTest::newRow("heliographic") << StartRow{true, 100.0, helio, 1100, QByteArray()};
        // A file without a record starts the same way, with a message.
        QTest::newRow("empty datax.dat") << StartRow{false, 125.0, polar, 125, ""};
        QTest::newRow("datax.dat of zeros")
            << StartRow{false, 125.0, polar, 125, QByteArray(3 * 1774 + 5, '\0')};
    }

    void startOnEmptyDirectoryAsksForTheDrawingSetting() {
        QFETCH(StartRow, row);
        const auto& [helio, radius, caption, setting, datax] = row;
        Frame f({});
        if (!datax.isNull())
            WriteFileAtomic(f.path("datax.dat"), std::string(datax.constData(), datax.size()));
        QVERIFY(f.startWithList({radius, helio}));
        QCOMPARE(f.settingAsked, 1);
        QCOMPARE(f.messages.messages.join('|').contains("novým archivem"), !datax.isNull());
        QCOMPARE(f.mainWindow->windowTitle(), caption);
        QCOMPARE(f.session.recordCount(), 1);
        QCOMPARE(f.session.record(1).Datum.text(), std::string("01.05.2024"));
        QCOMPARE(f.session.heliographicEntry(), helio);
        QCOMPARE(f.mainWindow->recordList()->rows().size(), 1);
        QCOMPARE(f.mainWindow->recordList()->selectedRow(), 0);

        // The first save stores the answer in record 1; the next start does not ask.
        f.mainWindow->action("ulozitdat")->trigger();
        QCOMPARE(int(ReadRecordFile(f.path("datax.dat")).records.at(0).NastaveniKresby), setting);
        Session again(f.dir.path());
        ScriptedMessages messages;
        MainWindow mainWindow(again, messages);
        int asked = 0;
        mainWindow.askDrawingSettingFn = [&asked] {
            ++asked;
            return DrawingSetting{};
        };
        QVERIFY(mainWindow.startUp(TestScreen, TestToday));
        QCOMPARE(asked, 0);
        QCOMPARE(mainWindow.windowTitle(), caption);
    }

    void unreadableRecordFileStopsTheStart() {
        Frame f({});
        std::filesystem::create_directory(f.path("datax.dat")); // cannot be read as a file
        QVERIFY(!f.start());
        QCOMPARE(f.messages.messages.size(), 1);
        QVERIFY(f.messages.messages.front().startsWith("Program nelze spustit"));
    }

    // A command connected comes alive; help and about need no connection.
    void connectCommandMakesACommandLiveHelpAndAbout() {
        Frame f(DayRecords(3), Run::Started);
        QAction* newRecord = f.mainWindow->action("novy");
        QAction* button = f.mainWindow->action("novyzakres");
        QVERIFY(!newRecord->isEnabled());
        QVERIFY(!button->isEnabled());
        QCOMPARE(button->toolTip(), MainWindow::NotReadyHint);

        int runs = 0;
        f.mainWindow->connectCommand("novy", [&runs] { ++runs; });
        QVERIFY(newRecord->isEnabled());
        // The button does what the menu item does, with its own hint.
        QVERIFY(button->isEnabled());
        QCOMPARE(button->toolTip(), QString("Nový  zákres"));
        button->trigger();
        newRecord->trigger();
        QCOMPARE(runs, 2);
        // Disabled while its window is open, the button follows.
        newRecord->setEnabled(false);
        QVERIFY(!button->isEnabled());
        button->trigger();
        QCOMPARE(runs, 2);

        // A button of a window's panel.
        int left = 0;
        f.mainWindow->connectCommand("vlevo", [&left] { ++left; });
        f.mainWindow->action("vlevo")->trigger();
        QCOMPARE(left, 1);
        // Connected again: only the new function runs.
        f.mainWindow->connectCommand("vlevo", [&left] { left += 10; });
        f.mainWindow->action("vlevo")->trigger();
        QCOMPARE(left, 11);

        f.mainWindow->action("napoveda")->trigger();
        QCOMPARE(f.messages.messages, QStringList{MainWindow::HelpText});
        f.mainWindow->action("About1")->trigger();
        auto* box = f.mainWindow->findChild<QMessageBox*>("AboutBox");
        QVERIFY(box && box->isVisible());
        QVERIFY(box->text().contains("Heliokres"));
        QVERIFY(box->text().contains(HELIOKRES_VERSION));
        QVERIFY(
            box->text().contains(QString::fromStdString(f.dir.path().string()).toHtmlEscaped()));
        box->close();
    }

    void lastDrawing() {
        Frame f(DayRecords(200), Run::WithList);
        RecordListWindow* recordList = f.mainWindow->recordList();
        installDrawing(f.mainWindow->context());
        QMdiArea* area = f.mainWindow->area();
        // The drawing comes to the front, even when hidden behind the list.
        QMdiSubWindow* drawing = area->findChild<QMdiSubWindow*>("Form2");
        drawing->hide();
        area->setActiveSubWindow(area->findChild<QMdiSubWindow*>("Form4"));
        f.mainWindow->model().setCurrent(5);
        QCOMPARE(recordList->window().first(), 1);
        f.mainWindow->action("posledni1")->trigger();
        QCOMPARE(f.session.currentIndex(), 200);
        QCOMPARE(f.session.workingRecord().Datum.raw(), f.session.record(200).Datum.raw());
        QCOMPARE(recordList->window().last(), 200);
        QCOMPARE(recordList->selectedRow(), recordList->ListRows());
        QVERIFY(drawing->isVisible());
        QCOMPARE(area->activeSubWindow(), drawing);
        // The tool button does the same.
        f.mainWindow->model().setCurrent(1);
        f.mainWindow->action("poslednizaz")->trigger();
        QCOMPARE(f.session.currentIndex(), 200);
    }

    void exportsFromTheMenu() {
        auto records = DayRecords(4);
        for (TZaznam& z : records) {
            test_records::AddGroup(z, "Dao", 300, 500);
            test_records::AddGroup(z, "", 2000, 700); // no class: "***"
            test_records::AddField(z, {{100, 40}});
        }
        Frame f(records, Run::Started);
        std::vector<TZaznam> expected(f.session.records().begin(), f.session.records().end());
        const std::string ascii = AsciiExportText(expected);
        const std::string csv = FaculaePositionsText(expected);

        f.mainWindow->action("ulozASCI")->trigger();
        QCOMPARE(ReadWholeFile(f.path("SoubASCI.dat")), ascii);
        QCOMPARE(f.messages.messages, (QStringList{"Data skvrn budou uložena do souboru " +
                                                       pathText(f.path("SoubASCI.dat")),
                                                   "Data byla uložena:\rSoubASCI.dat"}));
        // The class left empty is "***" in the store now.
        QCOMPARE(f.session.record(3).Skupiny[1].Typ.raw(), std::string_view("***"));

        f.messages.clear();
        f.mainWindow->action("Polohyfakul1")->trigger();
        QCOMPARE(ReadWholeFile(f.dir.path() / "CSVsoubory" / "Polohy fakuli.csv"), csv);
        QVERIFY(f.messages.messages[0].startsWith("Pozice fakulí budou uloženy do adresáře "));
        QCOMPARE(f.messages.messages[1],
                 QString("Data byla uložena:\rCSVsoubory/Polohy fakuli.csv"));
        // The working record is left as it was.
        QCOMPARE(f.session.workingRecord().Datum.raw(), f.session.record(4).Datum.raw());
    }

    void windowImage() {
        Frame f(DayRecords(3), Run::Started);
        // Without a window there is nothing to save.
        f.mainWindow->PictureFileName = "nic";
        QVERIFY(!f.mainWindow->saveWindowPictureNow());
        QCOMPARE(f.messages.messages.size(), 1);
        QVERIFY(!std::filesystem::exists(f.dir.path() / "Obrázek"));

        f.mainWindow->show();
        auto* content = new QLabel("Obsah okna");
        content->setAutoFillBackground(true);
        QMdiSubWindow* sub = f.mainWindow->area()->addSubWindow(content);
        sub->resize(420, 300);
        sub->show();
        f.mainWindow->area()->setActiveSubWindow(sub);
        QVERIFY(QTest::qWaitForWindowExposed(f.mainWindow.get()));

        // (Its "Ne" writes nothing: tabToNoThenEnterChangesNothing.)
        f.mainWindow->PictureFileName = "Grafy 2024";
        f.messages.answers = {true};
        f.mainWindow->saveWindowPicture();
        QCOMPARE(f.messages.questions, QStringList{"            Uložit bitmapu okna "});
        const auto file = f.dir.path() / "Obrázek" / "Grafy 2024.jpg";
        QVERIFY(std::filesystem::exists(file));
        QImage image;
        QVERIFY(image.load(QString::fromStdString(file.string()), "JPG"));
        QCOMPARE(image.size(), QSize(content->width() - 5, content->height()));

        // A name cannot lead out of the picture folder.
        f.mainWindow->PictureFileName = "../ven";
        QVERIFY(f.mainWindow->saveWindowPictureNow());
        QVERIFY(!std::filesystem::exists(f.dir.path() / "ven.jpg"));
        QVERIFY(std::filesystem::exists(f.dir.path() / "Obrázek" / "..-ven.jpg"));
    }

    void exitSequence_data() {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<bool>("backup");
        QTest::newRow("no change") << false << false;
        QTest::newRow("changed, no backup") << true << false;
        QTest::newRow("changed, backup") << true << true;
    }

    void exitSequence() {
        QFETCH(bool, changed);
        QFETCH(bool, backup);
        Frame f(DayRecords(30), Run::WithList);
        const std::string original = ReadWholeFile(f.path("datax.dat"));
        if (changed) {
            ChangeRecord(f.session, 7, [](TZaznam& z) { z.Cas = 1234; });
        }
        f.messages.answers = {backup};
        f.mainWindow->action("konec")->trigger();
        QVERIFY(!f.mainWindow->isVisible());
        // The backup is asked for only after a change, written only on yes.
        QCOMPARE(f.messages.questions.size(), changed ? 1 : 0);
        if (changed)
            QCOMPARE(f.messages.questions[0],
                     QString("Vytvořit zálohový soubor dataxu bez nových dat ? "));
        QCOMPARE(std::filesystem::exists(f.path("datax-zaloha.dat")), backup);
        if (backup) QCOMPARE(ReadWholeFile(f.path("datax-zaloha.dat")), original);
        // Nothing is lost: the change is in datax.dat.
        const auto saved = ReadRecordFile(f.path("datax.dat")).records;
        QCOMPARE(saved.size(), std::size_t(30));
        QCOMPARE(int(saved[6].Cas), changed ? 1234 : 705);
        if (!changed) QCOMPARE(ReadWholeFile(f.path("datax.dat")), original);
        // The record list closed with the frame.
        QVERIFY(f.mainWindow->area()->subWindowList().isEmpty());
    }

    void tabToNoThenEnterChangesNothing_data() {
        QTest::addColumn<int>("row");
        for (std::size_t i = 0; i < DataQuestions().size(); ++i)
            QTest::newRow(DataQuestions()[i].name) << static_cast<int>(i);
    }

    void tabToNoThenEnterChangesNothing() {
        QFETCH(int, row);
        const DataQuestion& question = DataQuestions()[static_cast<std::size_t>(row)];
        Frame f(DayRecords(5), Run::WithList);
        const std::string datax = ReadWholeFile(f.path("datax.dat"));
        QStringList buttons;
        f.messages.typeIntoQuestion = [&buttons](QWidget& window) {
            auto* no = window.findChild<QPushButton*>("Button2");
            auto* yes = window.findChild<QPushButton*>("Button1");
            buttons << yes->text() + "/" + no->text();
            // Round the buttons once, stopping on "Ne".
            for (int tab = 0; tab == 0 || (tab < 3 && window.focusWidget() != no); ++tab)
                QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
            QTest::keyClick(window.focusWidget(), Qt::Key_Return);
        };
        question.ask(f);
        QCOMPARE(f.messages.questions.size(), 1);
        QCOMPARE(buttons, QStringList{"Ano/Ne"});
        QVERIFY(f.messages.safeAnswers == std::vector{SafeAnswer::No});
        QVERIFY(question.unchanged(f));
        if (question.dataxKept) QCOMPARE(ReadWholeFile(f.path("datax.dat")), datax);
    }

    void exitRefusedWhenTheSaveFails() {
        Frame f(DayRecords(5), Run::WithList);
        ChangeRecord(f.session, 2, [](TZaznam& z) { z.Cas = 999; });
        // datax.dat cannot be replaced: a folder stands in its way.
        std::filesystem::remove(f.path("datax.dat"));
        std::filesystem::create_directory(f.path("datax.dat"));
        f.messages.answers = {false, false}; // no backup; do not quit without saving
        QVERIFY(!f.mainWindow->close());
        QVERIFY(f.mainWindow->isVisible());
        QCOMPARE(f.messages.questions.size(), 2);
        QVERIFY(f.messages.questions[1].endsWith("Přesto ukončit program ?"));
        QCOMPARE(int(f.session.record(2).Cas), 999);
        QVERIFY(!f.mainWindow->area()->subWindowList().isEmpty());
        // Once the way is free the close saves.
        std::filesystem::remove(f.path("datax.dat"));
        f.messages.answers = {false};
        QVERIFY(f.mainWindow->close());
        QCOMPARE(int(ReadRecordFile(f.path("datax.dat")).records.at(1).Cas), 999);
    }

    void secondStartViewsReadOnlyOrLeaves() {
        Frame f(DayRecords(5));
        const std::string before = ReadWholeFile(f.path("datax.dat"));
        const DirectoryLock other = DirectoryLock::tryAcquire(f.dir.path(), "heliokres-cli report");
        QVERIFY(other.held());

        f.messages.answers = {false}; // leave
        QVERIFY(!TakeDirectory(f.session.dir, f.messages));
        QCOMPARE(f.messages.questions.size(), 1);
        QVERIFY(f.messages.questions[0].contains("heliokres-cli report (proces"));
        QVERIFY(f.messages.questions[0].contains("jen pro čtení?"));

        f.messages.answers = {true}; // view
        std::optional<DirectoryAccess> access = TakeDirectory(f.session.dir, f.messages);
        QVERIFY(access && access->viewOnly());
        f.mainWindow->startupHooks.readOnly = true;
        QVERIFY(f.startWithList());
        QVERIFY(f.mainWindow->windowTitle().endsWith("jen pro čtení"));
        ChangeRecord(f.session, 2, [](TZaznam& z) { z.Cas = 999; });
        // Saving is refused with the reason; at the exit no backup is offered
        // and the observer decides whether to leave without the change.
        f.messages.answers = {false};
        f.messages.questions.clear();
        QVERIFY(!f.mainWindow->close());
        QCOMPARE(f.messages.questions.size(), 1);
        QVERIFY(f.messages.questions[0].contains(ReadOnlyReason));
        f.messages.answers = {true};
        QVERIFY(f.mainWindow->close());
        QCOMPARE(ReadWholeFile(f.path("datax.dat")), before);
        // Nothing else was written into the directory either.
        for (const auto& e : std::filesystem::directory_iterator(f.dir.path()))
            QVERIFY2(e.path().filename() == "datax.dat" || e.path().filename() == LockFileName,
                     e.path().c_str());
    }

    void narrowScreen() {
        Frame f(DayRecords(3), Run::WithList);
        QVERIFY(f.mainWindow->checkScreen(TestScreen));
        QVERIFY(f.messages.messages.isEmpty());
        QVERIFY(!f.mainWindow->checkScreen(QRect(0, 0, 1000, 768)));
        QCOMPARE(f.messages.messages,
                 QStringList{"Program je určen pro rozlišení 1024x768 a větší"});
        QVERIFY(!f.mainWindow->isVisible());
    }

    void recordListBesideTheDrawing_data() {
        QTest::addColumn<QRect>("screen");
        QTest::newRow("1024 x 768") << QRect(0, 0, 1024, 768);
        QTest::newRow("1280 x 1024") << QRect(0, 0, 1280, 1024);
        QTest::newRow("1920 x 1080") << QRect(0, 0, 1920, 1080);
        QTest::newRow("2560 x 1440") << QRect(0, 0, 2560, 1440);
    }

    // The frame fills the screen but for the task bar and shows the build
    // number and its first panel. The record list stands right of the drawing
    // window, within the work area, and shows its lines whole; the two fill
    // the work area's width, and the drawing fills the drawing window's width
    // or height.
    void recordListBesideTheDrawing() {
        QFETCH(QRect, screen);
        Frame f(DayRecords(40));
        f.screen = screen;
        QVERIFY(f.start());
        installWindows(*f.mainWindow);
        f.mainWindow->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.mainWindow.get()));
        QCoreApplication::processEvents();
        QCOMPARE(f.mainWindow->geometry().width(), screen.width() - 20);
        QVERIFY(f.mainWindow->geometry().height() < screen.height());
        QVERIFY(f.mainWindow->findChild<QLabel*>("versa")->text().contains(HELIOKRES_BUILD_NUMBER));
        QCOMPARE(f.mainWindow->visiblePanel(), QString("zakladni"));
        QMdiSubWindow* drawingSub = f.mainWindow->area()->findChild<QMdiSubWindow*>("Form2");
        QMdiSubWindow* recordList = f.mainWindow->area()->findChild<QMdiSubWindow*>("Form4");
        QVERIFY(drawingSub && recordList);
        QVERIFY(recordList->geometry().left() > drawingSub->geometry().right());
        const int areaWidth = f.mainWindow->area()->viewport()->width();
        QVERIFY(recordList->geometry().right() < areaWidth);
        QVERIFY(recordList->geometry().right() > areaWidth - 8);
        auto* drawing = drawingSub->findChild<DrawingWindow*>();
        const DrawingScale zoom{drawing->options().zoomK};
        const DrawingScale larger{zoom.zoomK + 1};
        QVERIFY(zoom.width() <= drawing->width() && zoom.height() <= drawing->height());
        QVERIFY(larger.width() > drawing->width() || larger.height() > drawing->height());
        const auto* list = recordList->findChild<QListWidget*>("ListBox1");
        const QFontMetrics fm(list->font());
        for (const QString& row : f.mainWindow->recordList()->rows())
            QVERIFY2(fm.horizontalAdvance(row) <= list->viewport()->width(), qPrintable(row));
    }

    // After the start-up the geometry of every record, with the points the
    // butterfly and the maps read, is computed in slices while the program is
    // idle, until the cache is whole. (That a cache computed in ranges equals
    // one built whole: GeometryCache's tests in core.)
    void wholeGeometryComputedWhileIdle() {
        Frame f({});
        WriteDemoDirectory(f.dir.path(), {.years = 10, .perYear = 520, .endDate = {2024, 4, 30}});
        QVERIFY(f.start());
        QVERIFY(f.session.recordCount() > 2 * 2048); // several slices and a short last one
        QVERIFY(!f.session.geometry(1, 0).clean());
        GeometryWarmUp warmUp(f.mainWindow->model(), nullptr, 0);
        QTRY_VERIFY_WITH_TIMEOUT(warmUp.finished(), 60000);
        QVERIFY(f.session.geometry(1, 0).complete());
    }

    void scrollBarMovesTheWindowAndTheCurrentRecordFollows() {
        // Which records a position shows is RecordListRange's table in core;
        // here the window starts at the end of the records and follows its bar.
        Frame f(DayRecords(300), Run::WithList);
        RecordListWindow* s = f.mainWindow->recordList();
        QCOMPARE(s->ListRows(), rows_);
        QCOMPARE(s->rows().size(), rows_ + 1);
        QCOMPARE(s->selectedRow(), rows_);
        QCOMPARE(std::pair(scrollBar(f)->minimum(), scrollBar(f)->maximum()),
                 std::pair(rows_ + 1, 300));
        QCOMPARE(scrollBar(f)->value(), 300);
        scrollBar(f)->setValue(100);
        QCOMPARE(s->rows().front().left(5), QString("%1").arg(100 - rows_, 5));
        QCOMPARE(s->rows().back().left(5), QString("  100"));
        // The current record is not shown: no line is selected, nothing changes.
        QCOMPARE(s->selectedRow(), -1);
        QCOMPARE(f.session.currentIndex(), 300);
        scrollBar(f)->setValue(300);
        QCOMPARE(s->selectedRow(), rows_);
        // A record made current elsewhere is scrolled into the list and selected.
        f.mainWindow->model().setCurrent(20);
        QVERIFY(s->window().rowOfRecord(20).has_value());
        QCOMPARE(s->rows().at(s->selectedRow()).left(5), QString("   20"));
        QCOMPARE(scrollBar(f)->value(), s->window().position());
    }

    // A click makes the record current and asks for its drawing; with the
    // drawing window beside the list, the keys that follow still step through
    // the list. (The arithmetic of the keys: RecordListRange in core.) Down on
    // the last row scrolls by one record, Up on the first goes a page back.
    void clickAndArrowKeys() {
        Frame f(DayRecords(300), Run::WithList);
        RecordListWindow* s = f.mainWindow->recordList();
        DrawingWindow::createWindow(f.mainWindow->context());
        f.mainWindow->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.mainWindow.get()));
        QSignalSpy drawingRequests(f.mainWindow.get(), &MainWindow::drawingRequested);
        QSignalSpy current(&f.mainWindow->model(), &SessionModel::currentChanged);
        scrollBar(f)->setValue(150);
        QListWidget* list = listBox(f);
        const QRect rect = list->visualItemRect(list->item(3));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        const int k = 150 - rows_ + 3;
        QCOMPARE(f.session.currentIndex(), k);
        QCOMPARE(f.session.workingRecord().Datum.raw(), f.session.record(k).Datum.raw());
        QCOMPARE(current.count(), 1);
        QVERIFY(drawingRequests.count() >= 1);
        QCOMPARE(s->selectedRow(), 3);
        QCOMPARE(QApplication::focusWidget(), list);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(f.session.currentIndex(), k + 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QCOMPARE(f.session.currentIndex(), k);

        list->setCurrentRow(rows_);
        QCOMPARE(f.session.currentIndex(), 150);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(f.session.currentIndex(), 151);
        QCOMPARE(scrollBar(f)->value(), 151);
        QCOMPARE(s->selectedRow(), rows_);
        list->setCurrentRow(0);
        const int first = s->window().first();
        QCOMPARE(f.session.currentIndex(), first);
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(f.session.currentIndex(), first - 1);
        QCOMPARE(scrollBar(f)->value(), 151 - rows_);
        QCOMPARE(s->rows().at(s->selectedRow()).left(5), QString("%1").arg(first - 1, 5));
    }

    void followsNewRecordsAndStaysOpen() {
        // Exactly the rows: all show, without a scroll bar; one more scrolls.
        Frame f(DayRecords(rows_), Run::WithList);
        RecordListWindow* s = f.mainWindow->recordList();
        QVERIFY(!scrollBar(f)->isEnabled());
        QCOMPARE(s->rows().size(), rows_);
        QVERIFY(s->rows().front().startsWith("    1"));
        QCOMPARE(s->selectedRow(), rows_ - 1);
        TZaznam z = f.session.record(1);
        z.Datum.setText("01.01.2030");
        f.mainWindow->model().setWorkingRecord(z);
        f.mainWindow->model().mergeRecords({&z, 1});
        QVERIFY(scrollBar(f)->isEnabled());
        QCOMPARE(scrollBar(f)->maximum(), rows_ + 1);
        QCOMPARE(s->rows().size(), rows_ + 1);
        QVERIFY(s->rows().back().contains("01 01 2030"));
        QCOMPARE(s->selectedRow(), rows_);
        // The user cannot close it.
        QMdiSubWindow* sub = f.mainWindow->area()->subWindowList().front();
        QVERIFY(!(sub->windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!sub->close());
        QVERIFY(sub->isVisible());
    }

    void unreadableDateIsRepaired() {
        std::vector<TZaznam> records = DayRecords(5);
        records[2].Datum.setText("3?.01.2020");
        Frame f(records, Run::WithList);
        QCOMPARE(f.session.recordCount(), 4);
        QVERIFY(f.session.dataChanged());
        QVERIFY(
            f.messages.messages.contains("Došlo k chybě zápisu data\rbube automaticky opraven"));
        QCOMPARE(f.mainWindow->recordList()->rows().size(), 4);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
