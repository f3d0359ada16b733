// The message window: sizes by mode and text, and how each mode answers.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTest>

#include "ui/frame/message_dialog.h"
#include "ui/frame/message_layout.h"

using namespace hk;

Q_DECLARE_METATYPE(hk::MessageKind)

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

class TestMessageDialog : public QObject {
    Q_OBJECT
  private slots:
    void layout_data() {
        QTest::addColumn<MessageKind>("mode");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("ok");
        QTest::addColumn<QPoint>("no");

        // 10 characters = 100 px: the 250 px minimum plus 100.
        QTest::newRow("message 100px") << MessageKind::Message << QString(10, 'x') << "Zpráva"
                                       << QSize(350, 170) << QPoint(125, 80) << QPoint();
        // Two lines: the wider one decides.
        QTest::newRow("message two lines")
            << MessageKind::Message << QString(30, 'x') + "\r" + QString(35, 'y') << "Zpráva"
            << QSize(450, 170) << QPoint(175, 80) << QPoint();
        // Six line ends: 6 * 19 + 12 + 170 high, button 50 px above the bottom edge.
        QTest::newRow("help text") << MessageKind::Message << HelpText << "Zpráva"
                                   << QSize(650, 296) << QPoint(275, 216) << QPoint();
        // A help line longer than 600 px widens the window instead of being cut.
        QTest::newRow("help text, long line")
            << MessageKind::Message << HelpText + QString(70, 'x') + "\r"
            << "Zpráva" << QSize(750, 317) << QPoint(325, 237) << QPoint();
        QTest::newRow("prompt") << MessageKind::Value << QString("Zadej měsíc") << "Zadání hodnoty"
                                << QSize(350, 200) << QPoint(125, 120) << QPoint();
        QTest::newRow("question 500px") << MessageKind::Question << QString(50, 'x') << "Výběr"
                                        << QSize(550, 170) << QPoint(173, 80) << QPoint(276, 80);
        QTest::newRow("question short") << MessageKind::Question << QString(10, 'x') << "Výběr"
                                        << QSize(400, 170) << QPoint(98, 80) << QPoint(201, 80);
        // More lines than the fixed height holds: the window grows downwards.
        const QString five =
            QStringList{"řádek 0", "řádek 1", "řádek 2", "řádek 3", "řádek 4"}.join('\r');
        QTest::newRow("message 5 lines") << MessageKind::Message << five << "Zpráva"
                                         << QSize(350, 232) << QPoint(125, 142) << QPoint();
        QTest::newRow("question 4 lines")
            << MessageKind::Question << five.left(five.lastIndexOf('\r')) << "Výběr"
            << QSize(400, 210) << QPoint(98, 120) << QPoint(201, 120);
    }

    void layout() {
        QFETCH(MessageKind, mode);
        QFETCH(QString, text);
        QFETCH(QString, caption);
        QFETCH(QSize, size);
        QFETCH(QPoint, ok);
        QFETCH(QPoint, no);
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

QTEST_MAIN(TestMessageDialog)
#include "tst_message_dialog.moc"
