// The coordinate-type dialog, the observer dialog and the first start's
// question: what each choice gives, and that none closes without an answer
// or chooses unasked.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>
#include <deque>

#include "io/atomic_file.h"
#include "records/program_dir.h"
#include "tests_support/temp_dir.h"
#include "ui/drawing/coordinate_type_dialog.h"
#include "ui/frame/first_start_dialog.h"
#include "ui/frame/observer_dialog.h"
#include "ui/support/scripted_messages.h"

using namespace hk;
using namespace hk::test;

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
        QTest::addColumn<QList<int>>("choices");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<bool>("newArchiveThere");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("remembered");
        using C = FirstStartChoice;
        QTest::newRow("new archive")
            << QList<int>{int(C::NewArchive)} << "" << false << "data/Heliokres" << true;
        QTest::newRow("station") << QList<int>{int(C::OpenDirectory)} << "station" << false
                                 << "station" << true;
        QTest::newRow("empty folder refused, quit")
            << QList<int>{int(C::OpenDirectory), int(C::Quit)} << "empty" << false << "" << false;
        QTest::newRow("empty folder as a new archive")
            << QList<int>{int(C::OpenDirectory)} << "empty" << true << "empty" << true;
        QTest::newRow("folder dialog cancelled, demo")
            << QList<int>{int(C::OpenDirectory), int(C::Demo)} << "" << false
            << "data/Heliokres-demo" << false;
    }

    void firstStartChoices() {
        QFETCH(QList<int>, choices);
        QFETCH(QString, chosen);
        QFETCH(bool, newArchiveThere);
        QFETCH(QString, expected);
        QFETCH(bool, remembered);
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
        std::deque<int> pressed(choices.begin(), choices.end());
        start.ask = [&] {
            if (pressed.empty()) qFatal("asked once more than the row answers");
            const int choice = pressed.front();
            pressed.pop_front();
            return FirstStartChoice(choice);
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
        // The next start takes the remembered directory without asking.
        QCOMPARE(RememberedDirectory(settings).has_value(), remembered);
        if (remembered)
            QCOMPARE(FindProgramDirectory(std::nullopt, dir.path() / "bin",
                                          RememberedDirectory(settings)),
                     result);
        qunsetenv("XDG_DATA_HOME");
    }
    void coordinateTypeChoice_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("radius");
        QTest::addColumn<bool>("helio");
        QTest::addColumn<double>("expected");
        QTest::newRow("polar 125") << 0 << "125" << false << 125.0;
        // The visual method gives heliographic entry.
        QTest::newRow("heliographic") << 1 << "100" << true << 100.0;
    }

    void coordinateTypeChoice() {
        QFETCH(int, option);
        QFETCH(QString, radius);
        QFETCH(bool, helio);
        QFETCH(double, expected);
        ScriptedMessages messages;
        CoordinateTypeDialog d(messages);
        d.show();
        QTest::mouseClick(d.findChild<QRadioButton*>(QString("polozka%1").arg(option)),
                          Qt::LeftButton);
        auto* edit = d.findChild<QLineEdit*>("Edit1");
        QVERIFY(edit->isVisible());
        edit->setText(radius);
        QTest::mouseClick(d.findChild<QPushButton*>("Button1"), Qt::LeftButton);
        QVERIFY(messages.messages.isEmpty());
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QVERIFY(!d.isVisible());
        QCOMPARE(d.chosenSetting().heliographic, helio);
        QCOMPARE(d.chosenSetting().radius, expected);
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

        d.findChild<QRadioButton*>("polozka0")->click();
        d.findChild<QLineEdit*>("Edit1")->setText("abc");
        ok->click();
        QCOMPARE(messages.messages.size(), 2);
        QVERIFY(messages.messages[1].startsWith("Poloměr zákresu musí být kladné číslo"));
        QVERIFY(d.isVisible());
        d.findChild<QLineEdit*>("Edit1")->setText("125");
        ok->click();
        QVERIFY(!d.isVisible());
        QCOMPARE(d.chosenSetting().radius, 125.0);
    }

    void observerDialogNeedsAName() {
        ObserverDialog d({"Adam", "Nováček", ""});
        d.show();
        QCOMPARE(d.windowTitle(), QString("Vybrat pozorovatele"));
        QVERIFY(!d.findChild<QPushButton*>("CancelBtn")->isVisible());
        QTest::mouseClick(d.findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
        QVERIFY(d.isVisible());
        QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(d.isVisible());
        d.close();
        QVERIFY(d.isVisible());
        d.findChild<QComboBox*>("ComboBox1")->setEditText("   ");
        d.findChild<QPushButton*>("OKBtn")->click();
        QVERIFY(d.isVisible());
        // A typed name is taken.
        d.findChild<QComboBox*>("ComboBox1")->setEditText("Zdeněk Nový");
        QTest::mouseClick(d.findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
        QVERIFY(!d.isVisible());
        QCOMPARE(d.chosenObserver(), QString("Zdeněk Nový"));
    }

    void observerDialogChoosesAKnownName() {
        ObserverDialog d({"Adam", "Nováček", "", "Po prázdném"});
        auto* combo = d.findChild<QComboBox*>("ComboBox1");
        // The names up to the first empty one.
        QCOMPARE(combo->count(), 2);
        combo->setCurrentIndex(1);
        d.findChild<QPushButton*>("OKBtn")->click();
        QCOMPARE(d.chosenObserver(), QString("Nováček"));
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
