// The coordinate-type dialog, the observer dialog and the first start's
// question: what each choice gives, and that none closes without an answer
// or chooses unasked. The message window: sizes by mode and text, and how
// each mode answers.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <deque>

#include "io/atomic_file.h"
#include "records/program_dir.h"
#include "tests_support/temp_dir.h"
#include "ui/drawing/coordinate_type_dialog.h"
#include "ui/frame/first_start_dialog.h"
#include "ui/frame/message_dialog.h"
#include "ui/frame/message_layout.h"
#include "ui/frame/observer_dialog.h"
#include "ui/support/scripted_messages.h"

using namespace hk;
using namespace hk::test;

// A first start's row (its columns: firstStartChoices_data) and a message
// window's (layout_data).
using ChoiceRow = std::tuple<std::vector<hk::FirstStartChoice>, QString, bool, QString, bool>;
Q_DECLARE_METATYPE(ChoiceRow)
using LayoutRow = std::tuple<hk::MessageKind, QString, QString, QSize, QPoint, QPoint>;
Q_DECLARE_METATYPE(LayoutRow)

namespace {

const QString HelpText = QStringLiteral(
    " F8   - Uloží bitmapu okna\r F9   - Podkreslí zákres magnetosférou\r F12  - Sloučení "
    "souborů dat pro fakule\r f      - Překreslování dat fakulí\r p      - Přepočet ploch "
    "fakulí\r z-v   - zap.vyp propojení skupiny\r");

// 10 pixels per character, so that widths in the table are easy to read.
int tenPerChar(const QString& s) {
    return static_cast<int>(s.size()) * 10;
}

} // namespace

class TestDialogs : public QObject {
    Q_OBJECT
  private slots:
    // Enter presses "Otevřít existující adresář…", which writes nothing;
    // Escape quits.
    void firstStartDialogKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("choice");
        QTest::newRow("Enter") << int(Qt::Key_Return) << int(FirstStartChoice::OpenDirectory);
        QTest::newRow("Escape") << int(Qt::Key_Escape) << int(FirstStartChoice::Quit);
    }

    void firstStartDialogKeys() {
        QFETCH(int, key);
        QFETCH(int, choice);
        FirstStartDialog d("/home/pozorovatel/.local/share/Heliokres");
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QVERIFY(d.findChild<QLabel*>("text")->text().contains(
            "/home/pozorovatel/.local/share/Heliokres"));
        QCOMPARE(QApplication::focusWidget(), d.findChild<QPushButton*>("openDirectory"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QVERIFY(!d.isVisible());
        QCOMPARE(int(d.choice()), choice);
    }

    // Each row: the buttons pressed in turn, the folder chosen in the folder
    // dialog ("" cancels it), the answer to "Založit v něm nový archiv?", and
    // the directory the program starts on ("" none) and whether it is
    // remembered for the next start.
    void firstStartChoices_data() {
        QTest::addColumn<ChoiceRow>("row");
        using C = FirstStartChoice;
        QTest::newRow("new archive")
            << ChoiceRow{{C::NewArchive}, "", false, "data/Heliokres", true};
        QTest::newRow("station") << ChoiceRow{
            {C::OpenDirectory}, "station", false, "station", true};
        QTest::newRow("empty folder refused, quit")
            << ChoiceRow{{C::OpenDirectory, C::Quit}, "empty", false, "", false};
        QTest::newRow("empty folder as a new archive")
            << ChoiceRow{{C::OpenDirectory}, "empty", true, "empty", true};
        QTest::newRow("folder dialog cancelled, demo")
            << ChoiceRow{{C::OpenDirectory, C::Demo}, "", false, "data/Heliokres-demo", false};
    }

    void firstStartChoices() {
        QFETCH(ChoiceRow, row);
        const auto& [choices, chosen, newArchiveThere, expected, remembered] = row;
        TempDir dir;
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString((dir.path() / "data").string()));
        std::filesystem::create_directories(dir.path() / "empty");
        std::filesystem::create_directories(dir.path() / "station");
        WriteFileAtomic(dir.path() / "station" / "DATAX.DAT", "");
        QSettings settings(QString::fromStdString((dir.path() / "settings.ini").string()),
                           QSettings::IniFormat);

        ScriptedMessages messages;
        messages.answers = {newArchiveThere};
        FirstStart start(messages, settings);
        std::deque<FirstStartChoice> pressed(choices.begin(), choices.end());
        start.ask = [&] {
            if (pressed.empty()) qFatal("asked once more than the row answers");
            const FirstStartChoice choice = pressed.front();
            pressed.pop_front();
            return choice;
        };
        start.chooseDirectory = [&]() -> std::optional<std::filesystem::path> {
            if (chosen.isEmpty()) return std::nullopt;
            return dir.path() / chosen.toStdString();
        };
        start.demo = {.years = 1, .perYear = 20, .endDate = {2024, 6, 30}};

        const auto result = start.run();
        QVERIFY(pressed.empty());
        QCOMPARE(messages.questions.size(), chosen == "empty" ? 1 : 0);
        QCOMPARE(result.has_value(), !expected.isEmpty());
        if (result) {
            QCOMPARE(*result, dir.path() / expected.toStdString());
            QVERIFY(std::filesystem::is_directory(*result));
        }
        // Nothing is made in the data folder but what was chosen.
        QCOMPARE(std::filesystem::exists(dir.path() / "data" / "Heliokres"),
                 expected == "data/Heliokres");
        QCOMPARE(ProgramDir(dir.path() / "data" / "Heliokres-demo").exists("datax.dat"),
                 expected == "data/Heliokres-demo");
        // The demo holds the scan of its newest drawing, as the command line's demo does.
        QCOMPARE(QDir(QString::fromStdString((dir.path() / "data" / "Heliokres-demo").string()))
                     .entryList({"Sken *.png"})
                     .size(),
                 expected == "data/Heliokres-demo" ? 1 : 0);
        // The next start takes the remembered directory without asking.
        QCOMPARE(RememberedDirectory(settings).has_value(), remembered);
        if (remembered)
            QCOMPARE(FindProgramDirectory(std::nullopt, dir.path() / "bin",
                                          RememberedDirectory(settings)),
                     result);
        qunsetenv("XDG_DATA_HOME");
    }
    // Which radius texts are refused is ParseDrawingRadius's table in core;
    // here the dialog refuses, stays open and takes the corrected value.
    void coordinateTypeRefusesUntilChosen() {
        ScriptedMessages messages;
        CoordinateTypeDialog d(messages);
        d.show();
        // "?" explains the two kinds.
        QTest::mouseClick(d.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
        QVERIFY(messages.messages.value(0).startsWith("Polární souřadnice - zadává se  úhel"));
        QVERIFY(messages.messages[0].contains('\r'));
        messages.clear();
        // Nothing is chosen for the user.
        QVERIFY(!d.findChild<QRadioButton*>("polozka0")->isChecked());
        QVERIFY(!d.findChild<QRadioButton*>("polozka1")->isChecked());
        QVERIFY(!d.findChild<QLineEdit*>("Edit1")->isVisible());
        auto* ok = d.findChild<QPushButton*>("Button1");
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(messages.messages, QStringList{"Nebyl zvolen typ souřednic"});
        QVERIFY(d.isVisible());
        // Neither Escape nor the title bar closes it.
        QTest::keyClick(&d, Qt::Key_Escape);
        d.close();
        QVERIFY(d.isVisible());

        QTest::mouseClick(d.findChild<QRadioButton*>("polozka0"), Qt::LeftButton);
        auto* edit = d.findChild<QLineEdit*>("Edit1");
        QVERIFY(edit->isVisible());
        edit->setText("abc");
        ok->click();
        QCOMPARE(messages.messages.size(), 2);
        QVERIFY(messages.messages[1].startsWith("Poloměr zákresu musí být kladné číslo"));
        QVERIFY(d.isVisible());
        edit->setText("125");
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!d.isVisible());
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.chosenSetting().heliographic, false);
        QCOMPARE(d.chosenSetting().radius, 125.0);

        // The visual method gives heliographic entry.
        CoordinateTypeDialog visual(messages);
        visual.show();
        QTest::mouseClick(visual.findChild<QRadioButton*>("polozka1"), Qt::LeftButton);
        visual.findChild<QLineEdit*>("Edit1")->setText("100");
        QTest::mouseClick(visual.findChild<QPushButton*>("Button1"), Qt::LeftButton);
        QCOMPARE(messages.messages.size(), 2);
        QVERIFY(!visual.isVisible());
        QCOMPARE(visual.chosenSetting().heliographic, true);
        QCOMPARE(visual.chosenSetting().radius, 100.0);
    }

    void observerDialogNeedsAName() {
        ObserverDialog d({"Adam", "Nováček", "", "Po prázdném"});
        d.show();
        QCOMPARE(d.windowTitle(), QString("Vybrat pozorovatele"));
        auto* combo = d.findChild<QComboBox*>("ComboBox1");
        QCOMPARE(combo->count(), 2); // the names up to the first empty one
        QVERIFY(!d.findChild<QPushButton*>("CancelBtn")->isVisible());
        QTest::mouseClick(d.findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
        QVERIFY(d.isVisible());
        QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(d.isVisible());
        d.close();
        QVERIFY(d.isVisible());
        combo->setEditText("   ");
        d.findChild<QPushButton*>("OKBtn")->click();
        QVERIFY(d.isVisible());
        // A typed name is taken, and so is a known one.
        combo->setEditText("Zdeněk Nový");
        QTest::mouseClick(d.findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
        QVERIFY(!d.isVisible());
        QCOMPARE(d.chosenObserver(), QString("Zdeněk Nový"));
        ObserverDialog known({"Adam", "Nováček"});
        known.findChild<QComboBox*>("ComboBox1")->setCurrentIndex(1);
        known.findChild<QPushButton*>("OKBtn")->click();
        QCOMPARE(known.chosenObserver(), QString("Nováček"));
        QCOMPARE(known.result(), int(QDialog::Accepted));
    }

    // The kind and text of a message, its caption, window size and the
    // corners of its buttons (no "Ne": a null point).
    void layout_data() {
        QTest::addColumn<LayoutRow>("row");
        const auto M = MessageKind::Message, Q = MessageKind::Question;
        // 10 characters = 100 px: the 250 px minimum plus 100.
        QTest::newRow("message 100px")
            << LayoutRow{M, QString(10, 'x'), "Zpráva", {350, 170}, {125, 80}, {}};
        // Two lines: the wider one decides.
        QTest::newRow("message two lines") << LayoutRow{
            M, QString(30, 'x') + "\r" + QString(35, 'y'), "Zpráva", {450, 170}, {175, 80}, {}};
        // Six line ends: 6 * 19 + 12 + 170 high, button 50 px above the bottom edge.
        QTest::newRow("help text") << LayoutRow{M, HelpText, "Zpráva", {650, 296}, {275, 216}, {}};
        // A help line longer than 600 px widens the window instead of being cut.
        QTest::newRow("help text, long line") << LayoutRow{
            M, HelpText + QString(70, 'x') + "\r", "Zpráva", {750, 317}, {325, 237}, {}};
        QTest::newRow("prompt") << LayoutRow{MessageKind::Value, "Zadej měsíc", "Zadání hodnoty",
                                             {350, 200},         {125, 120},    {}};
        QTest::newRow("question 500px")
            << LayoutRow{Q, QString(50, 'x'), "Výběr", {550, 170}, {173, 80}, {276, 80}};
        QTest::newRow("question short")
            << LayoutRow{Q, QString(10, 'x'), "Výběr", {400, 170}, {98, 80}, {201, 80}};
        // More lines than the fixed height holds: the window grows downwards.
        const QString five =
            QStringList{"řádek 0", "řádek 1", "řádek 2", "řádek 3", "řádek 4"}.join('\r');
        QTest::newRow("message 5 lines")
            << LayoutRow{M, five, "Zpráva", {350, 232}, {125, 142}, {}};
        QTest::newRow("question 4 lines") << LayoutRow{
            Q, five.left(five.lastIndexOf('\r')), "Výběr", {400, 210}, {98, 120}, {201, 120}};
    }

    void layout() {
        QFETCH(LayoutRow, row);
        const auto& [mode, text, caption, size, ok, no] = row;
        const MessageLayout l = LayoutMessage(mode, text, tenPerChar, 22);
        QCOMPARE(l.caption, caption);
        QCOMPARE(l.window, size);
        QCOMPARE(l.ok.topLeft(), ok);
        QCOMPARE(l.ok.size(), QSize(100, 30));
        QCOMPARE(l.no.isEmpty() ? QPoint() : l.no.topLeft(), no);
        // The text never runs under the buttons nor out of the window.
        QVERIFY(l.text.bottom() < l.ok.top());
        QVERIFY(l.text.left() >= 0 && l.text.right() < l.window.width());
        QVERIFY(l.ok.bottom() < l.window.height());
    }

    void longLinesBreakAtSpaces() {
        const QString note = QStringLiteral(
            "Zámek adresáře \"/home/pozorovatel/Heliokres/heliokres.lock\" zůstal po programu, "
            "který už neběží: heliokres (proces 4242 na počítači stanice, spuštěn 07.12.2026 "
            "03:14:03 UTC); byl převzat.");
        const QStringList lines =
            WrapMessageLines({QStringLiteral("Krátký řádek"), note}, tenPerChar, 400);
        QVERIFY(lines.size() > 3);
        QCOMPARE(lines.front(), QStringLiteral("Krátký řádek"));
        QCOMPARE(lines.mid(1).join(' '), note); // every word kept, in order
        for (const QString& line : lines)
            QVERIFY2(tenPerChar(line) <= 400 || !line.contains(' '), qPrintable(line));
        // The window of such a message stays narrower than the screen.
        MessageDialog d(MessageKind::Message, note);
        QVERIFY(d.width() <= MaxMessageLineWidth + 100);
        QVERIFY(!d.findChild<QScrollArea*>());
    }

    void dialogUsesLayout() {
        MessageDialog d(MessageKind::Message, HelpText);
        QCOMPARE(d.windowTitle(), QString("Zpráva"));
        QCOMPARE(d.width(), 650);
        auto* label = d.findChild<QLabel*>("Label1");
        QVERIFY(label);
        // The whole text shows: the label is as tall as its lines need (its line
        // height is more than the font's spacing) and ends above "OK".
        QVERIFY(label->height() >= label->sizeHint().height());
        QVERIFY(label->geometry().bottom() <
                d.findChild<QPushButton*>("Button1")->geometry().top());
        QCOMPARE(label->text().count('\n'), 5); // six lines, no empty last line
        QVERIFY(!d.findChild<QLineEdit*>("Edit1")->isVisibleTo(&d));
        QVERIFY(!d.findChild<QPushButton*>("Button2")->isVisibleTo(&d));
    }

    void promptTakesEnterAsOkAndCloseAsNoValue() {
        MessageDialog d(MessageKind::Value, "Zadej rok", "2020");
        d.show();
        auto* edit = d.findChild<QLineEdit*>("Edit1");
        QVERIFY(edit && edit->isVisible());
        QCOMPARE(edit->text(), QString("2020"));
        edit->setText("2021");
        QSignalSpy accepted(&d, &QDialog::accepted);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(accepted.count(), 1);
        QVERIFY(d.confirmed());
        QCOMPARE(d.value(), QString("2021"));

        // Closed instead, the prompt gives no value.
        MessageDialog closed(MessageKind::Value, "Zadej rok", "2020");
        closed.show();
        closed.close();
        QVERIFY(!closed.confirmed());
    }

    void questionAnswers_data() {
        QTest::addColumn<bool>("yesIsSafe");
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("answer");
        for (const bool yesIsSafe : {false, true}) {
            const char* safe = yesIsSafe ? "safe Ano: " : "safe Ne: ";
            const auto row = [&](const char* name) {
                return &(QTest::newRow(qPrintable(QString(safe) + name)) << yesIsSafe);
            };
            *row("click Ano") << "Button1" << true;
            *row("click Ne") << "Button2" << false;
            // Closing or Esc, and Enter at once, give the safe answer.
            *row("title bar close") << "close" << yesIsSafe;
            *row("Escape") << "escape" << yesIsSafe;
            *row("Enter") << "enter" << yesIsSafe;
            // Enter presses the button the focus was moved to.
            *row("Tab, Enter") << "tab enter" << !yesIsSafe;
            *row("Tab, Tab, Enter") << "tab tab enter" << yesIsSafe;
        }
    }

    void questionAnswers() {
        QFETCH(bool, yesIsSafe);
        QFETCH(QString, how);
        QFETCH(bool, answer);
        MessageDialog d(MessageKind::Question, "Vytvořit zálohu?");
        d.setSafeAnswer(yesIsSafe);
        d.show();
        QCOMPARE(d.findChild<QPushButton*>("Button1")->text(), QString("Ano"));
        QCOMPARE(d.findChild<QPushButton*>("Button2")->text(), QString("Ne"));
        if (how == "close") {
            d.close();
        } else if (how == "escape") {
            QTest::keyClick(d.focusWidget(), Qt::Key_Escape);
        } else if (how.endsWith("enter")) {
            for (int i = 0; i < how.count("tab"); ++i)
                QTest::keyClick(d.focusWidget(), Qt::Key_Tab);
            QTest::keyClick(d.focusWidget(), Qt::Key_Return);
        } else {
            QTest::mouseClick(d.findChild<QPushButton*>(how), Qt::LeftButton);
        }
        QVERIFY(!d.isVisible());
        QCOMPARE(d.confirmed(), answer);
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
