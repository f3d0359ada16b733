// The yearly coordinate table window: opened from the main window, the year
// box, the page buttons, the scale, saving, printing, the key "t" and closing
// when another window is activated.
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
        installSlusouradnice(*f->hlavni);
        f->hlavni->akce(QStringLiteral("souslunce"))->trigger();
        w = f->hlavni->plocha()->findChild<CoordinateTableWindow*>();
        QVERIFY(w);
        w->vybratTiskarnu = [this](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(f->path("tisk.pdf").string()));
            return true;
        };
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
        f->hlavni->akce(QStringLiteral("SpeedButton4"))->trigger(); // the same window again
        QCOMPARE(f->hlavni->plocha()->findChildren<CoordinateTableWindow*>().size(), 1);

        auto* rok = child<QLineEdit>("Edit1");
        rok->clear();
        QTest::keyClicks(rok, "2x0t24");
        QCOMPARE(rok->text(), QStringLiteral("2024"));
        child<QToolButton>("SpeedButton2")->click();
        QCOMPARE(w->TableYear(), 2024);
        QCOMPARE(w->TableFirstMonth(), 4);
        QCOMPARE(w->strana().texts.front().text, std::string(CoordinateTableTitle) + "2024");

        // A year the table cannot show: the message, the page stays.
        rok->setText(QStringLiteral("15"));
        child<QToolButton>("SpeedButton3")->click();
        QCOMPARE(f->zpravy.zpravy, QStringList{QString::fromUtf8(SpatnyRokTabulky.data())});
        QCOMPARE(w->TableYear(), 2024);
        QCOMPARE(w->TableFirstMonth(), 4);
        QVERIFY(child<QToolButton>("SpeedButton2")->isChecked());

        // "zve" takes positive whole numbers only.
        f->zpravy.clear();
        const int start = w->TableScale();
        for (const char* bad : {"0", "1.5", "abc"}) {
            f->zpravy.hodnoty.push_back(QString::fromLatin1(bad));
            child<QPushButton>("SpeedButton4")->click();
            QCOMPARE(w->TableScale(), start);
        }
        QCOMPARE(f->zpravy.zpravy, QStringList(3, QString::fromUtf8(SpatneMeritkoTabulky.data())));
        f->zpravy.hodnoty.push_back(QStringLiteral("32"));
        child<QPushButton>("SpeedButton4")->click();
        QCOMPARE(w->TableScale(), 32);
    }

    void savesPrintsKeyTAndCloses() {
        child<QToolButton>("SpeedButton3")->click();
        child<QPushButton>("ulozitobr")->click();
        const QImage obraz(QString::fromStdString(
            f->session.dir.resolve("Obrázek/Souřadnice 2020 9 - 12.bmp").string()));
        QCOMPARE(obraz.size(), QSize(CoordinateTableWidth, CoordinateTableHeight));

        child<QPushButton>("tisksouradnic")->click();
        QVERIFY(std::filesystem::file_size(f->path("tisk.pdf")) > 1000);

        QVERIFY(w->height() <= 990);
        w->setFocus();
        QTest::keyClick(w, Qt::Key_T);
        QCOMPARE(f->zpravy.zpravy, QStringList{QString::fromUtf8(NizkeOknoTabulky.data())});

        // Another window of the work area activated: the table closes.
        QPointer<CoordinateTableWindow> okno = w;
        auto* jine = f->hlavni->plocha()->addSubWindow(new QWidget);
        jine->show();
        f->hlavni->plocha()->setActiveSubWindow(jine);
        QTRY_VERIFY(okno.isNull());
    }

  private:
    template <class T> T* child(const char* name) const { return w->findChild<T*>(name); }

    std::unique_ptr<Frame> f;
    CoordinateTableWindow* w = nullptr;
};

QTEST_MAIN(TestCoordinateTableWindow)
#include "tst_coordinate_table_window.moc"
