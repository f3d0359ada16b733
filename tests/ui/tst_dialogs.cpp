// The coordinate-type dialog and the observer dialog: what each choice
// gives, and that neither closes without an answer.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "ui/frame/observer_dialog.h"
#include "ui/drawing/coordinate_type_dialog.h"
#include "ui/support/scripted_messages.h"

using namespace hk;
using namespace hk::test;

class TestDialogy : public QObject {
    Q_OBJECT
  private slots:
    void polarniChoice_data() {
        QTest::addColumn<int>("polozka");
        QTest::addColumn<QString>("radius");
        QTest::addColumn<bool>("helio");
        QTest::addColumn<double>("expected");
        QTest::newRow("polar 125") << 0 << "125" << false << 125.0;
        // The visual method gives heliographic entry.
        QTest::newRow("heliographic") << 1 << "100" << true << 100.0;
    }

    void polarniChoice() {
        QFETCH(int, polozka);
        QFETCH(QString, radius);
        QFETCH(bool, helio);
        QFETCH(double, expected);
        ScriptedMessages zpravy;
        PolarniDialog d(zpravy);
        d.show();
        QTest::mouseClick(d.findChild<QRadioButton*>(QString("polozka%1").arg(polozka)),
                          Qt::LeftButton);
        auto* edit = d.findChild<QLineEdit*>("Edit1");
        QVERIFY(edit->isVisible());
        edit->setText(radius);
        QTest::mouseClick(d.findChild<QPushButton*>("Button1"), Qt::LeftButton);
        QVERIFY(zpravy.zpravy.isEmpty());
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QVERIFY(!d.isVisible());
        QCOMPARE(d.vysledek().heliographic, helio);
        QCOMPARE(d.vysledek().radius, expected);
    }

    void polarniRefusesWithoutChoice() {
        ScriptedMessages zpravy;
        PolarniDialog d(zpravy);
        d.show();
        // Nothing is chosen for the user.
        QVERIFY(!d.findChild<QRadioButton*>("polozka0")->isChecked());
        QVERIFY(!d.findChild<QRadioButton*>("polozka1")->isChecked());
        QVERIFY(!d.findChild<QLineEdit*>("Edit1")->isVisible());
        QTest::mouseClick(d.findChild<QPushButton*>("Button1"), Qt::LeftButton);
        QCOMPARE(zpravy.zpravy, QStringList{"Nebyl zvolen typ souřednic"});
        QVERIFY(d.isVisible());
        // Neither Escape nor the title bar closes it.
        QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(d.isVisible());
        d.close();
        QVERIFY(d.isVisible());
    }

    // Which texts are refused is ParsePolomerKresby's table in core; here the
    // dialog shows the message, stays open and takes the corrected value.
    void polarniRefusesBadRadius() {
        ScriptedMessages zpravy;
        PolarniDialog d(zpravy);
        d.show();
        d.zvolit(0);
        d.findChild<QLineEdit*>("Edit1")->setText("abc");
        d.Button1Click();
        QCOMPARE(zpravy.zpravy.size(), 1);
        QVERIFY(zpravy.zpravy[0].startsWith("Poloměr zákresu musí být kladné číslo"));
        QVERIFY(d.isVisible());
        // Corrected, it is taken.
        d.findChild<QLineEdit*>("Edit1")->setText("125");
        d.Button1Click();
        QVERIFY(!d.isVisible());
        QCOMPARE(d.vysledek().radius, 125.0);
    }

    void polarniHelp() {
        ScriptedMessages zpravy;
        PolarniDialog d(zpravy);
        d.show();
        QTest::mouseClick(d.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
        QCOMPARE(zpravy.zpravy.size(), 1);
        QVERIFY(zpravy.zpravy[0].startsWith("Polární souřadnice - zadává se  úhel"));
        QVERIFY(zpravy.zpravy[0].contains('\r'));
    }

    void jmepozNeedsAName() {
        JmepozDialog d({"Adam", "Nováček", ""});
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
        d.OKBtnClick();
        QVERIFY(d.isVisible());
        // A typed name is taken.
        d.findChild<QComboBox*>("ComboBox1")->setEditText("Zdeněk Nový");
        QTest::mouseClick(d.findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
        QVERIFY(!d.isVisible());
        QCOMPARE(d.VybranyPozorovatel(), QString("Zdeněk Nový"));
    }

    void jmepozChoosesAKnownName() {
        JmepozDialog d({"Adam", "Nováček", "", "Po prázdném"});
        auto* combo = d.findChild<QComboBox*>("ComboBox1");
        // The names up to the first empty one.
        QCOMPARE(combo->count(), 2);
        combo->setCurrentIndex(1);
        d.OKBtnClick();
        QCOMPARE(d.VybranyPozorovatel(), QString("Nováček"));
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestDialogy)
#include "tst_dialogs.moc"
