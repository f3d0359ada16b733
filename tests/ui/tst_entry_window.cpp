// The entry window in the running program: its three modes, typing a drawing
// and finding it in datax.dat, refusals that store nothing, the view toggle.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "entry/entry_messages.h"
#include "io/atomic_file.h"
#include "records/record_file.h"
#include "tests_support/records.h"
#include "tests_support/session_edit.h"
#include "ui/entry/entry_window.h"
#include "ui/entry/record_list_window.h"
#include "ui/frame/ui_helpers.h"
#include "ui/support/frame_fixture.h"

using namespace hk;

namespace {

// The program started on a data folder of three drawings of June 2014.
struct Program : test::Frame {
    Program() : Frame(juneDate()) {
        if (!startWithList({125, false}, Date{2014, 7, 1}))
            qFatal("start-up failed: %s", qPrintable(messages.messages.join(" | ")));
        installEntry(mainWindow->context());
        messages.clear();
    }
    static std::vector<TZaznam> juneDate() {
        std::vector<TZaznam> records;
        for (const auto& [date, number] :
             {std::pair{"01.06.2014", 114}, {"10.06.2014", 214}, {"20.06.2014", 314}}) {
            TZaznam& z = records.emplace_back(test_records::Record(date, 800));
            z.CisloZakresu = static_cast<std::uint16_t>(number);
            z.Stanice.setText("Úpice");
        }
        records[0].NastaveniKresby = 125;
        return records;
    }

    // The record list watches the work area: hide the frame while it is whole.
    ~Program() { mainWindow->hide(); }

    EntryWindow* open(const QString& item) {
        mainWindow->action(item)->trigger();
        return mainWindow->findChild<EntryWindow*>();
    }
    std::string diskBytes() const { return ReadWholeFile(path("datax.dat")); }
    RecordBlock onDisk() const { return ReadRecordFile(path("datax.dat")).records; }
};

template <typename T> T* child(QWidget* w, const char* name) {
    T* c = w->findChild<T*>(QString::fromLatin1(name));
    if (!c) qFatal("no control %s", name);
    return c;
}

void typeInto(QWidget* w, const char* name, const QString& text) {
    auto* e = child<QLineEdit>(w, name);
    e->clear();
    QTest::keyClicks(e, text);
}

// Leaves a field for the next control, as Tab does.
void leave(QWidget* w, const char* name) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(child<QLineEdit>(w, name), &out);
}

void setCell(QTableWidget* grid, int row, int col, const QString& text) {
    if (!grid->item(row, col)) grid->setItem(row, col, new QTableWidgetItem);
    grid->item(row, col)->setText(text);
}

// One group: class, spots, spots with penumbra, angle, distance, area.
void typeGroup(QTableWidget* grid, int row, const QStringList& cells) {
    for (int c = 0; c < cells.size(); ++c)
        setCell(grid, row, c + 1, cells[c]);
}

void typeHeader(EntryWindow* w, const QString& date, const QString& time) {
    child<QComboBox>(w, "ComboBox1")->setEditText(QStringLiteral("Dvořák, Petr"));
    auto* datumEdit = child<QLineEdit>(w, "MaskEdit1");
    datumEdit->setCursorPosition(0);
    QTest::keyClicks(datumEdit, QString(date).remove('.'));
    leave(w, "MaskEdit1");
    typeInto(w, "Edit3", time);
    leave(w, "Edit3");
    typeInto(w, "Edit4", "2");
    typeInto(w, "Edit5", "3");
    typeInto(w, "Edit6", "1");
    typeInto(w, "Edit2", "004/14");
}

} // namespace

enum class Leaving { Esc, Back, Close };
using ModeRow = std::tuple<QString, QString, bool, QString, QString>;
using FieldRow = std::tuple<QString, QString, QString>;
using LeaveRow = std::tuple<Leaving, bool, bool, bool>;
Q_DECLARE_METATYPE(ModeRow)
Q_DECLARE_METATYPE(FieldRow)
Q_DECLARE_METATYPE(LeaveRow)

class TestEntryWindow : public QObject {
    Q_OBJECT
  private slots:
    // The menu item, the caption, a red window, the faculae area field's
    // marker (shown only when set) and the drawing number offered.
    void modes_data() {
        QTest::addColumn<ModeRow>("row");
        QTest::newRow("new") << ModeRow{"novy", "Nový zákres", false, "", "000/00"};
        QTest::newRow("special") << ModeRow{"zvlastni", "Zvláštní záznam", true, "zvlášťní",
                                            "000/00"};
        QTest::newRow("correction") << ModeRow{"oprava", "Oprava dat", false, "", "3/14"};
    }

    void modes() {
        QFETCH(ModeRow, row);
        const auto& [item, caption, red, marker, number] = row;
        Program p;
        QPointer<EntryWindow> w = p.open(item);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), caption);
        QCOMPARE(w->palette().color(QPalette::Window) == QColor(Qt::red), red);
        auto* faculaeAreaEdit = child<QLineEdit>(w, "Edit25");
        QCOMPARE(faculaeAreaEdit->text(), marker);
        QCOMPARE(faculaeAreaEdit->isVisibleTo(w), !marker.isEmpty());
        QCOMPARE(child<QLineEdit>(w, "Edit2")->text(), number);
        // Every mode offers the drawings' observer.
        QCOMPARE(child<QComboBox>(w, "ComboBox1")->currentText(), QStringLiteral("Novák, Jan"));
        QVERIFY(w->isModal() || w->windowModality() != Qt::NonModal);
        // The item that opened the window is disabled until it closes.
        QVERIFY(!p.mainWindow->action(item)->isEnabled());
        child<QPushButton>(w, "Navrat")->click();
        QTRY_VERIFY(w.isNull());
        QVERIFY(p.mainWindow->action(item)->isEnabled());
        QCOMPARE(p.session.recordCount(), 3);
    }

    // The field typed into, its text and the message. The messages of each
    // field are core's; one row per place the window reads.
    void refusedEntryStoresNothing_data() {
        QTest::addColumn<FieldRow>("row");
        QTest::newRow("header field") << FieldRow{"Edit4", "x", q(messages::BadField("PP"))};
        QTest::newRow("group cell") << FieldRow{"class", "Dkx", q(messages::BadClass)};
        QTest::newRow("duplicate") << FieldRow{"Edit3", "800", q(messages::RecordExists)};
    }

    void refusedEntryStoresNothing() {
        QFETCH(FieldRow, row);
        const auto& [field, text, message] = row;
        Program p;
        const std::string before = p.diskBytes();
        EntryWindow* w = p.open("novy");
        typeHeader(w, "10.06.2014", "905");
        typeInto(w, "Edit11", "1");
        auto* grid = child<QTableWidget>(w, "StringGrid1");
        typeGroup(grid, 0, {"Dkc", "12", "3", "45", "60"});
        if (field == "class")
            setCell(grid, 0, 1, text);
        else
            typeInto(w, field.toLatin1().constData(), text);
        p.messages.clear();
        child<QPushButton>(w, "ukoncit")->click();
        QVERIFY(!p.messages.messages.isEmpty());
        QCOMPARE(p.messages.messages.last(), message);
        QCOMPARE(p.session.recordCount(), 3);
        QVERIFY(!p.session.dataChanged());
        QCOMPARE(p.diskBytes(), before);
        QVERIFY(w->isVisible()); // everything typed stays for a second try
        QCOMPARE(child<QLineEdit>(w, "Edit3")->text().isEmpty(), false);
    }

    void groupCountAndClassChecks() {
        Program p;
        EntryWindow* w = p.open("novy");
        auto* grid = child<QTableWidget>(w, "StringGrid1");
        QVERIFY(!grid->isEnabled()); // no groups yet
        QVERIFY(!child<QPushButton>(w, "Helios")->isVisibleTo(w));
        auto* faculae = child<QTableWidget>(w, "StringGrid2");
        QVERIFY(!faculae->isEnabled());
        typeInto(w, "Edit12", "2");
        QVERIFY(faculae->isEnabled());
        QCOMPARE(faculae->rowCount(), 2);
        typeInto(w, "Edit11", "41");
        QCOMPARE(p.messages.messages, QStringList{q(messages::MaxGroups)});
        QCOMPARE(child<QLineEdit>(w, "Edit11")->text(), QStringLiteral("40"));
        QCOMPARE(grid->rowCount(), 40);
        QVERIFY(grid->isEnabled());
        QVERIFY(child<QPushButton>(w, "Helios")->isVisibleTo(w));

        // A class typed in small letters is written as a class (a wrong one:
        // refusedClassReturnsToItsCellOncePerEdit).
        setCell(grid, 0, 1, "dkc");
        grid->setCurrentCell(0, 2);
        QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("Dkc"));

        // Column "č.sk1" shows the highest group number of the year.
        ChangeRecord(p.session, 2, [](TZaznam& z) { z.Skupiny[5].CSk1 = 4321; });
        typeHeader(w, "15.06.2014", "905");
        grid->setCurrentCell(0, 8);
        QVERIFY(child<QLabel>(w, "Panel1")->isVisibleTo(w));
        QCOMPARE(child<QLabel>(w, "Panel1")->text(), QStringLiteral("4321"));
        grid->setCurrentCell(0, 7);
        QVERIFY(!child<QLabel>(w, "Panel1")->isVisibleTo(w));

        // A day of 0 is no date.
        p.messages.clear();
        auto* date = child<QLineEdit>(w, "MaskEdit1");
        date->setText("00.06.2014");
        leave(w, "MaskEdit1");
        QCOMPARE(p.messages.messages, QStringList{q(messages::BadDate)});
    }

    void viewToggle() {
        Program p;
        EntryWindow* w = p.open("novy");
        typeInto(w, "Edit11", "1");
        auto* grid = child<QTableWidget>(w, "StringGrid1");
        typeGroup(grid, 0, {"Dkc", "12", "3", "45", "60", "4.9"});
        auto* helios = child<QPushButton>(w, "Helios");
        QCOMPARE(helios->text().remove(QLatin1Char('&')), QStringLiteral("Změna souřadnic na l b"));

        // Without a date there is no orientation to convert with.
        helios->click();
        QCOMPARE(p.messages.messages, QStringList{q(messages::NoDate)});
        QCOMPARE(w->view(), EntryView::Polar);

        typeHeader(w, "15.06.2014", "905");
        p.messages.clear();
        helios->click();
        QCOMPARE(p.messages.messages, QStringList());
        QCOMPARE(w->view(), EntryView::Heliographic);
        QCOMPARE(helios->text().remove(QLatin1Char('&')),
                 QStringLiteral("Změna souřadnic na úhel vzdálenost "));
        QCOMPARE(grid->horizontalHeaderItem(4)->text(), QStringLiteral("   l"));
        QVERIFY(grid->isColumnHidden(10));
        QVERIFY(!child<QGroupBox>(w, "GroupBox2")->isVisibleTo(w));
        QCOMPARE(grid->item(0, 6)->text(), QStringLiteral("100"));
        grid->setCurrentCell(0, 6);
        QVERIFY(child<QLabel>(w, "Label17")->isVisibleTo(w));

        // Back to polar, the grid shows the angle again (the round trip of
        // every position: ToggleEntryView in core).
        helios->click();
        QCOMPARE(w->view(), EntryView::Polar);
        QVERIFY(!grid->isColumnHidden(10));
        QVERIFY(std::abs(grid->item(0, 4)->text().toDouble() - 45) < 0.2);
    }

    void measurementEntryShowsOnlyTheHeader() {
        Program p;
        QPointer<EntryWindow> w =
            EntryWindow::openWindow(p.mainWindow->context(), EntryMode::New, true);
        QVERIFY(w->fromScan());
        QCOMPARE(w->palette().color(QPalette::Window), QColor(200, 180, 50));
        QVERIFY(!child<QGroupBox>(w, "GroupBox1")->isVisibleTo(w));
        QVERIFY(!child<QGroupBox>(w, "GroupBox2")->isVisibleTo(w));
        typeInto(w, "Edit11", "1");
        QVERIFY(!child<QPushButton>(w, "Helios")->isVisibleTo(w));
        p.messages.answers = {true}; // "Zahodit zadaná data?"
        w->close();
        QTRY_VERIFY(w.isNull());
        QVERIFY(p.mainWindow->action("novy")->isEnabled());
    }

    void correctionMovesTheRecordAndTheListFollows() {
        Program p;
        p.mainWindow->model().setCurrent(1);
        EntryWindow* w = p.open("oprava");
        QCOMPARE(child<QLineEdit>(w, "MaskEdit1")->displayText(), QStringLiteral("01.06.2014"));
        QCOMPARE(child<QLineEdit>(w, "Edit2")->text(), QStringLiteral("1/14"));
        auto* date = child<QLineEdit>(w, "MaskEdit1");
        date->setText("25.06.2014");
        child<QComboBox>(w, "ComboBox1")->setEditText(QStringLiteral("Dvořák, Petr"));
        child<QPushButton>(w, "ukoncit")->click();
        QCOMPARE(p.messages.messages, QStringList());
        QCOMPARE(p.session.recordCount(), 3);
        QCOMPARE(p.session.currentIndex(), 3);
        const RecordBlock disk = p.onDisk();
        QCOMPARE(QString::fromStdString(disk[2].Datum.text()), QStringLiteral("25.06.2014"));
        QCOMPARE(disk[2].CisloZakresu, std::uint16_t(114));
        QCOMPARE(QString::fromStdString(disk[2].Pozorovatel.text()),
                 QStringLiteral("Dvořák, Petr"));
        const RecordListWindow* list = p.mainWindow->recordList();
        QVERIFY(list->selectedRow() >= 0);
        QVERIFY(list->rows().at(list->selectedRow()).contains(QStringLiteral("25 06 2014")));
    }

    void drawingNumbersOff() {
        Program p;
        EntryWindow* w = p.open("novy");
        // (Its "Ne" changes nothing: tst_main_window's question rows.)
        QVERIFY(child<QLineEdit>(w, "Edit2")->isVisibleTo(w));
        p.messages.answers = {true};
        QTest::mouseClick(child<QLabel>(w, "Label10"), Qt::LeftButton);
        QCOMPARE(p.messages.questions, QStringList{q(messages::SwitchNumbersOff)});
        QVERIFY(!p.session.drawingNumbers());
        QVERIFY(!child<QLineEdit>(w, "Edit2")->isVisibleTo(w));
        QVERIFY(!child<QLabel>(w, "Label18")->isVisibleTo(w));
        QCOMPARE(child<QLineEdit>(w, "Edit2")->text(), QStringLiteral("001/21"));
        for (const TZaznam& z : p.session.records())
            QCOMPARE(z.CisloZakresu, std::uint16_t(0));
    }

    // How the window is left, the header typed, a grid cell typed and still
    // open, and the answer to "Zahodit zadaná data?".
    void leavingWithTypedValuesAsks_data() {
        QTest::addColumn<LeaveRow>("row");
        QTest::newRow("nothing typed, Esc: no question")
            << LeaveRow{Leaving::Esc, false, false, false};
        QTest::newRow("Esc, Ne keeps the window") << LeaveRow{Leaving::Esc, true, false, false};
        QTest::newRow("Esc, Ano discards") << LeaveRow{Leaving::Esc, true, false, true};
        QTest::newRow("Návrat, Ne keeps the window") << LeaveRow{Leaving::Back, true, false, false};
        QTest::newRow("Návrat, Ano discards") << LeaveRow{Leaving::Back, true, false, true};
        QTest::newRow("close, Ne keeps the window") << LeaveRow{Leaving::Close, true, false, false};
        QTest::newRow("open cell, Návrat, Ne") << LeaveRow{Leaving::Back, false, true, false};
    }

    void leavingWithTypedValuesAsks() {
        QFETCH(LeaveRow, row);
        const auto& [odchod, napsano, vBunce, zahodit] = row;
        Program p;
        QPointer<EntryWindow> w = p.open("novy");
        if (napsano) typeHeader(w, "15.06.2014", "905");
        if (vBunce) {
            typeInto(w, "Edit11", "1");
            auto* grid = child<QTableWidget>(w, "StringGrid1");
            grid->setCurrentCell(0, 2);
            grid->editItem(grid->item(0, 2));
            auto* editor = grid->viewport()->findChild<QLineEdit*>();
            QVERIFY(editor);
            QTest::keyClicks(editor, "12");
        }
        p.messages.clear();
        p.messages.answers = {zahodit};
        switch (odchod) {
        case Leaving::Esc:
            QTest::keyClick(w, Qt::Key_Escape);
            break;
        case Leaving::Back:
            child<QPushButton>(w, "Navrat")->click();
            break;
        case Leaving::Close:
            w->close();
            break;
        }
        const bool asks = napsano || vBunce;
        QCOMPARE(p.messages.questions, asks ? QStringList{"Zahodit zadaná data?"} : QStringList());
        const bool stays = asks && !zahodit;
        QCOMPARE(w && w->isVisible(), stays);
        if (stays && napsano) QCOMPARE(child<QLineEdit>(w, "Edit3")->text(), QStringLiteral("905"));
        if (stays && vBunce)
            QCOMPARE(child<QTableWidget>(w, "StringGrid1")->item(0, 2)->text(),
                     QStringLiteral("12"));
        QCOMPARE(p.session.recordCount(), 3);
    }

    void refusedClassReturnsToItsCellOncePerEdit() {
        Program p;
        EntryWindow* w = p.open("novy");
        typeInto(w, "Edit11", "2");
        auto* grid = child<QTableWidget>(w, "StringGrid1");
        p.messages.clear();
        setCell(grid, 0, 1, "Dkx");
        grid->setCurrentCell(0, 3);
        QCoreApplication::processEvents();
        QCOMPARE(p.messages.messages, QStringList{q(messages::BadClassClick)});
        QCOMPARE(grid->currentRow(), 0);
        QCOMPARE(grid->currentColumn(), 1);

        // More clicks without a new class: no new message, the cell may be left.
        grid->setCurrentCell(0, 4);
        QCoreApplication::processEvents();
        grid->setCurrentCell(0, 5);
        QCoreApplication::processEvents();
        QCOMPARE(p.messages.messages.size(), 1);
        QCOMPARE(grid->currentColumn(), 5);

        // A new wrong class is a new edit: refused once more.
        setCell(grid, 0, 1, "Qxx");
        grid->setCurrentCell(0, 2);
        QCoreApplication::processEvents();
        QCOMPARE(p.messages.messages.size(), 2);
        QCOMPARE(grid->currentColumn(), 1);
    }

    // A drawing typed and confirmed without the mouse: Tab through the header
    // into the group grid, Ctrl+Tab out of each grid, Ctrl+Enter to confirm;
    // it lands in datax.dat, becomes current and the list shows it.
    void keyboardOnlyEntry() {
        Program p;
        QPointer<EntryWindow> w = p.open("novyzakres");
        QVERIFY(w);
        QApplication::setActiveWindow(w);
        QVERIFY(QTest::qWaitForWindowActive(w));
        QCOMPARE(QApplication::activeWindow(), w.data());
        QCOMPARE(w->windowTitle(), QStringLiteral("Nový zákres"));
        QCOMPARE(child<QLabel>(w, "Label16")->text(), QStringLiteral("1"));
        auto focused = [] { return QApplication::focusWidget(); };
        auto type = [&](const QString& text) {
            QVERIFY(focused());
            QTest::keyClicks(focused(), text);
        };
        auto key = [&](Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
            QVERIFY(focused());
            QTest::keyClick(focused(), k, m);
        };
        // Header: observer, date, time, PP, Obr., Q, qc, fc, rc, faculae,
        // groups, faculae fields, station, drawing number.
        QVERIFY(child<QComboBox>(w, "ComboBox1")->isAncestorOf(focused()) ||
                focused() == child<QComboBox>(w, "ComboBox1"));
        const QStringList header = {"Novak, Jan", "15062014", "905", "2", "3", "1",    "0",
                                    "0",          "0",        "0",   "2", "1", "Upice"};
        for (const QString& field : header) {
            key(Qt::Key_A, Qt::ControlModifier);
            type(field);
            key(Qt::Key_Tab);
        }
        QCOMPARE(focused(), child<QLineEdit>(w, "Edit2"));
        key(Qt::Key_A, Qt::ControlModifier);
        type("004/14");
        key(Qt::Key_Tab);
        auto* groups = child<QTableWidget>(w, "StringGrid1");
        QVERIFY(groups->isAncestorOf(focused()) || focused() == groups);
        QCOMPARE(groups->rowCount(), 2);
        QCOMPARE(groups->item(1, 9)->text(), QStringLiteral("0")); // new rows are filled with zeros
        // Two rows; Tab goes cell by cell and over the row numbers.
        for (const char* cell : {"dkc", "12", "3", "45", "60,5", "4.9"}) {
            type(QString::fromUtf8(cell));
            key(Qt::Key_Tab);
        }
        QCOMPARE(groups->currentColumn(), 7);
        for (int c = 7; c < groups->columnCount(); ++c)
            key(Qt::Key_Tab);
        QCOMPARE(groups->currentRow(), 1);
        QCOMPARE(groups->currentColumn(), 1);
        for (const char* cell : {"Axx", "1", "0", "j"}) {
            type(QString::fromUtf8(cell));
            key(Qt::Key_Tab);
        }
        // Ctrl+Tab leaves the group grid for the faculae grid, from a cell.
        key(Qt::Key_Tab, Qt::ControlModifier);
        auto* faculae = child<QTableWidget>(w, "StringGrid2");
        QVERIFY(faculae->isAncestorOf(focused()) || focused() == faculae);
        for (const char* cell : {"10", "20", "30", "40"}) {
            type(QString::fromUtf8(cell));
            key(Qt::Key_Tab);
        }
        // ... and the faculae grid for the buttons.
        key(Qt::Key_Tab, Qt::ControlModifier);
        QVERIFY(qobject_cast<QPushButton*>(focused()));
        key(Qt::Key_Tab);
        QCOMPARE(focused(), child<QPushButton>(w, "ukoncit"));
        key(Qt::Key_Tab);
        QCOMPARE(focused(), child<QPushButton>(w, "Navrat"));
        // Back into the faculae grid and confirm from its cell.
        for (int i = 0; i < 3; ++i)
            key(Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(faculae->isAncestorOf(focused()) || focused() == faculae);
        key(Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(p.messages.messages, QStringList());
        QTRY_VERIFY(w.isNull());

        // The fields in Tab order: the header's, both rows of groups, the faculae.
        const TZaznam z = p.onDisk().at(2);
        QCOMPARE(QString::fromStdString(z.Datum.text() + " " + z.Pozorovatel.text()),
                 QStringLiteral("15.06.2014 Novak, Jan"));
        QCOMPARE(p.onDisk().size(), std::size_t(4));
        QCOMPARE(z.Cas, std::uint16_t(905));
        QCOMPARE(z.CisloZakresu, std::uint16_t(414));
        QCOMPARE(QString::fromStdString(z.Skupiny[0].Typ.text()), QStringLiteral("Dkc"));
        QCOMPARE(z.Skupiny[0].Vzd, std::uint16_t(605));
        QCOMPARE(z.Skupiny[0].Plocha, std::uint16_t(100));
        QVERIFY(IsSouthMarker(z.Skupiny[1]));
        QCOMPARE(z.Skupiny[0].Fakule[1], std::uint16_t(30 * 128 + 40));
        // The stored record is current, and the list shows it.
        QCOMPARE(p.session.currentIndex(), 3);
        QCOMPARE(QString::fromStdString(p.session.workingRecord().Datum.text()),
                 QStringLiteral("15.06.2014"));
        const RecordListWindow* list = p.mainWindow->recordList();
        QVERIFY(list->selectedRow() >= 0);
        QVERIFY(list->rows().at(list->selectedRow()).contains(QStringLiteral("15 06 2014")));
        QVERIFY(p.mainWindow->action("novy")->isEnabled());
    }
};

QTEST_MAIN(TestEntryWindow)
#include "tst_entry_window.moc"
