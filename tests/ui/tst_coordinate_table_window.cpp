// The yearly coordinate table window: opened from the main window, the year
// box, the refused scales, saving, printing, the key "t" and closing when
// another window is activated (its picture is compared with the command
// line's in the parity test).
#include <QAction>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "drawing/coordinate_table.h"
#include "ui/drawing/coordinate_table_window.h"
#include "ui/support/frame_fixture.h"

using namespace hk;
using namespace hk::test;

class TestCoordinateTableWindow : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        f = std::make_unique<Frame>(DayRecords(3));
        QVERIFY(f->startWithList());
        installCoordinateTable(f->mainWindow->context());
        f->mainWindow->action(QStringLiteral("souslunce"))->trigger();
        w = f->mainWindow->area()->findChild<CoordinateTableWindow*>();
        QVERIFY(w);
        w->choosePrinter = PrintToPdf(f->path("tisk.pdf"));
    }

    void cleanup() {
        w = nullptr;
        f.reset();
    }

    void yearPagesAndScale() {
        QCOMPARE(w->windowTitle(), QStringLiteral("Souřadnice středu slunce"));
        QCOMPARE(w->TableYear(), 2020);
        QCOMPARE(child<QLineEdit>("Edit1")->text(), QStringLiteral("2020"));
        QVERIFY(child<QToolButton>("SpeedButton1")->isChecked());
        f->mainWindow->action(QStringLiteral("SpeedButton4"))->trigger(); // the same window again
        QCOMPARE(f->mainWindow->area()->findChildren<CoordinateTableWindow*>().size(), 1);

        auto* year = child<QLineEdit>("Edit1");
        year->clear();
        QTest::keyClicks(year, "2x0t24");
        QCOMPARE(year->text(), QStringLiteral("2024"));
        child<QToolButton>("SpeedButton2")->click();
        QCOMPARE(w->page().texts.front().text, std::string(CoordinateTableTitle) + "2024");

        // A year the table cannot show: the message, the page stays.
        year->setText(QStringLiteral("15"));
        child<QToolButton>("SpeedButton3")->click();
        QCOMPARE(f->messages.messages, QStringList{QString::fromUtf8(BadTableYear.data())});
        QCOMPARE(w->TableYear(), 2024);
        QCOMPARE(w->TableFirstMonth(), 4);
        QVERIFY(child<QToolButton>("SpeedButton2")->isChecked());

        // "zve" takes positive whole numbers only.
        f->messages.clear();
        const int start = w->TableScale();
        for (const char* bad : {"0", "1.5", "abc"}) {
            f->messages.values.push_back(QString::fromLatin1(bad));
            child<QPushButton>("SpeedButton4")->click();
            QCOMPARE(w->TableScale(), start);
        }
        QCOMPARE(f->messages.messages, QStringList(3, QString::fromUtf8(BadTableScale.data())));
    }

    void savesPrintsKeyTAndCloses() {
        child<QToolButton>("SpeedButton3")->click();
        child<QPushButton>("ulozitobr")->click();
        const QImage image(QString::fromStdString(
            f->session.dir.resolve("Obrázek/Souřadnice 2020 9 - 12.bmp").string()));
        QCOMPARE(image.size(), QSize(CoordinateTableWidth, CoordinateTableHeight));

        child<QPushButton>("tisksouradnic")->click();
        QVERIFY(std::filesystem::file_size(f->path("tisk.pdf")) > 1000);

        QVERIFY(w->height() <= 990);
        w->setFocus();
        QTest::keyClick(w, Qt::Key_T);
        QCOMPARE(f->messages.messages, QStringList{QString::fromUtf8(LowTableWindow.data())});

        // Another window of the work area activated: the table closes.
        QPointer<CoordinateTableWindow> window = w;
        auto* other = f->mainWindow->area()->addSubWindow(new QWidget);
        other->show();
        f->mainWindow->area()->setActiveSubWindow(other);
        QTRY_VERIFY(window.isNull());
    }

  private:
    template <class T> T* child(const char* name) const { return w->findChild<T*>(name); }

    std::unique_ptr<Frame> f;
    CoordinateTableWindow* w = nullptr;
};

QTEST_MAIN(TestCoordinateTableWindow)
#include "tst_coordinate_table_window.moc"
