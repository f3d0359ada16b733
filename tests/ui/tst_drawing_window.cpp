// The drawing window: it follows the current record, reads coordinates and
// angular distances with the mouse, answers its keys, saves and prints
// drawings, merges record files and connects the main window's buttons; its
// canvas and its saved picture equal the command line's picture of the same
// view pixel for pixel. The yearly coordinate table window: opened from the
// main window, the year box, the refused scales, saving, printing, the key
// "t" and closing when another window is activated.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <fstream>
#include <functional>
#include <memory>

#include "demo/demo.h"
#include "drawing/coordinate_table.h"
#include "drawing/faculae.h"
#include "drawing/magnetic_map.h"
#include "io/atomic_file.h"
#include "records/record.h"
#include "records/record_file.h"
#include "render/drawing_renderer.h"
#include "tests_support/pdf_pages.h"
#include "tests_support/records.h"
#include "ui/drawing/coordinate_table_window.h"
#include "ui/drawing/drawing_window.h"
#include "ui/drawing/group_list_panel.h"
#include "ui/frame/ui_helpers.h"
#include "ui/support/frame_fixture.h"
#include "ui/support/picture_compare.h"

using namespace hk;
using namespace hk::test;

namespace {

// The program started on `records` (or on what `fill` writes into its
// folder) on `screen`, with the record list and the drawing window.
struct DrawingFrame {
    explicit DrawingFrame(const std::vector<TZaznam>& records, QRect screen = TestScreen,
                          const std::function<void(const std::filesystem::path&)>& fill = {})
        : f(records) {
        f.screen = screen;
        if (fill) fill(f.dir.path());
        if (!f.startWithList())
            qFatal("start-up failed: %s", qPrintable(f.messages.messages.join('|')));
        installDrawing(f.mainWindow->context());
        w = f.mainWindow->findChild<DrawingWindow*>();
        if (!w) qFatal("no drawing window");
    }
    template <class T> T* child(const char* name) const {
        return w->findChild<T*>(QString::fromLatin1(name));
    }
    // The file dialog answers with `name` in the program's folder.
    void file(const char* name) {
        w->chooseFile = [p = f.path(name)](const QString&) {
            return QString::fromStdString(p.string());
        };
    }
    Frame f;
    DrawingWindow* w = nullptr;
};

// n records of DayRecords, each with group 7 "Dkc" east of the centre.
std::vector<TZaznam> recordsWithGroup(int n) {
    auto rs = DayRecords(n);
    for (auto& z : rs) {
        for (auto& s : z.Skupiny)
            s.Typ.setText("***");
        test_records::AddGroup(z, "Dkc", 900, 600, 400, 0).CSk2 = 7;
    }
    return rs;
}

void addSquareField(TZaznam& z) {
    test_records::AddField(z, {{45, 50}, {135, 50}, {225, 50}, {315, 50}});
}

// A busy day: drawing number 242/26, 18 groups and a long observer name.
std::vector<TZaznam> busyRecords() {
    auto rs = DayRecords(2);
    TZaznam& z = rs[1];
    z.CisloZakresu = 24226;
    z.Pozorovatel.setText("Jaroslava Novotná-Procházková");
    for (int k = 0; k < 18; ++k)
        test_records::AddGroup(z, "Ekc", 200 * k, 300 + 40 * k, 300, 2).CSk2 = 100 + k;
    return rs;
}

// Rectangles of the text panel beside the disk: the header fields and the
// values column.
std::vector<QRect> textPanelRects(const DrawingWindow* w) {
    const DrawingScale s{w->options().zoomK};
    std::vector<QRect> rects;
    for (const DrawnText& t : DrawingTexts(w->model(), w->options()))
        if (t.rect.left() >= s.xy(540) && t.rect.top() < s.xy(500)) rects.push_back(t.rect);
    return rects;
}

QPoint windowPoint(const DrawingWindow* w, int logicalX, int logicalY) {
    const DrawingScale s{w->options().zoomK};
    return {s.xy(logicalX), s.xy(logicalY)};
}

// The first ordinary drawing with auxiliary spots, with faculae fields or
// without; 0 when the store has none.
int demoDrawing(const Session& s, bool faculae) {
    for (int i = 1; i <= s.recordCount(); ++i) {
        const TZaznam& z = s.record(i);
        bool spots = false;
        for (int k = 0; k < z.groupCount(); ++k)
            spots = spots || z.Skupiny[k].Pomocna1 != 0;
        if (z.Zvlastni.empty() && spots && (z.faculaeCount() > 0) == faculae) return i;
    }
    return 0;
}

// heliokres-cli render drawing of the directory with `flags`.
QImage cliDrawing(const Frame& f, const QString& flags) {
    return CliPicture(f.dir.path(), "render drawing " +
                                        QString::fromStdString(ShellQuoted(f.dir.path())) + " " +
                                        flags);
}

// The yearly coordinate table opened from the main window on three
// records, printing into tisk.pdf.
struct TableFrame {
    TableFrame() : f(DayRecords(3)) {
        if (!f.startWithList()) qFatal("start-up failed");
        installCoordinateTable(f.mainWindow->context());
        f.mainWindow->action("souslunce")->trigger();
        w = f.mainWindow->area()->findChild<CoordinateTableWindow*>();
        if (!w) qFatal("no coordinate table window");
        w->choosePrinter = PrintToPdf(f.path("tisk.pdf"));
    }
    template <class T> T* child(const char* name) const { return w->findChild<T*>(name); }
    Frame f;
    CoordinateTableWindow* w = nullptr;
};

// The current record, "poly tisk", the count typed, the pages printed (0: refused).
using PrintRow = std::tuple<int, bool, QString, int>;

} // namespace

Q_DECLARE_METATYPE(PrintRow)

class TestDrawingWindow : public QObject {
    Q_OBJECT
  private slots:
    // Made at the start, it follows the current record and stays open; the
    // main window's buttons open its panels.
    void followsTheCurrentRecordAndOpensPanels() {
        DrawingFrame z(recordsWithGroup(4));
        z.f.mainWindow->action("SpeedButton14")->trigger();
        QVERIFY(z.child<QLineEdit>("Edit3")->isVisible());
        QCOMPARE(z.child<QSpinBox>("SpinEdit1")->value(), 4);
        QVERIFY(!z.f.mainWindow->saveAsBmp);
        z.f.mainWindow->action("Ulozkresy")->trigger();
        QVERIFY(!z.child<QLineEdit>("Edit3")->isVisible());
        QVERIFY(z.f.mainWindow->saveAsBmp);

        z.f.mainWindow->action("SpeedButton7")->trigger();
        // Its long title shows whole.
        const auto* print = z.child<QGroupBox>("GroupBox2");
        QVERIFY(print->width() > print->fontMetrics().horizontalAdvance(print->title()));
        QCOMPARE(z.child<QLineEdit>("Edit1")->text(), QStringLiteral("1"));

        z.f.mainWindow->action("SpeedButton2")->trigger();
        QVERIFY(z.child<QWidget>("GroupBox1")->isVisible());
        z.f.mainWindow->action("SpeedButton2")->trigger();
        QVERIFY(!z.child<QWidget>("GroupBox1")->isVisible());

        // The zoom toggle: the caption keeps naming the drawing.
        const int normal = z.w->width();
        z.f.mainWindow->action("menvet")->trigger();
        QVERIFY(z.w->enlarged());
        QCOMPARE(z.w->windowTitle(), QStringLiteral("Zákres    04.01.2020"));
        z.f.mainWindow->action("menvet")->trigger();
        QCOMPARE(z.w->width(), normal);

        z.f.mainWindow->model().setCurrent(1);
        QCOMPARE(z.w->windowTitle(), QStringLiteral("Zákres    01.01.2020"));
        QCOMPARE(z.w->model().record.Datum.text(), std::string("01.01.2020"));
        QVERIFY(!z.w->close()); // a close request leaves it open
        QVERIFY(z.w->isVisible());
    }

    // On each screen, normal and enlarged: the panels never cover the text
    // panel and close, and the whole picture shows and is saved.
    void panelsAndPictureFitTheScreen_data() {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<bool>("enlarged");
        for (const QRect& r : {QRect(0, 0, 1280, 1024), QRect(0, 0, 1920, 1080)})
            for (bool enlarged : {false, true})
                QTest::addRow("%dx%d%s", r.width(), r.height(), enlarged ? " enlarged" : "")
                    << r << enlarged;
    }
    void panelsAndPictureFitTheScreen() {
        QFETCH(QRect, screen);
        QFETCH(bool, enlarged);
        DrawingFrame z(busyRecords(), screen);
        if (enlarged) z.f.mainWindow->action("menvet")->trigger();
        const auto header = textPanelRects(z.w);
        QVERIFY(header.size() > 20);
        QWidget* shown = nullptr;
        for (const char* command : {"SpeedButton14", "SpeedButton7", "pomocnaskvrna"}) {
            z.f.mainWindow->action(command)->trigger();
            QWidget* panel = nullptr;
            for (const char* name : {"ulozzakresy", "GroupBox2", "panel"})
                if (z.child<QWidget>(name)->isVisible()) {
                    QVERIFY2(!panel, "one panel at a time");
                    panel = z.child<QWidget>(name);
                }
            QVERIFY(panel && panel != shown);
            shown = panel;
            const QByteArray name = panel->objectName().toLatin1();
            for (const QRect& r : header) // no text of the panel beside the disk covered
                QVERIFY2(!panel->geometry().intersects(r), name);
            QVERIFY2(z.w->rect().contains(panel->geometry()), name);
        }
        // Esc in a field of a panel closes it; so does its close button.
        z.f.mainWindow->action("tisk1")->trigger();
        auto* count = z.child<QLineEdit>("Edit1");
        QTest::keyClick(count, Qt::Key_Escape);
        QVERIFY(!z.child<QWidget>("GroupBox2")->isVisible());
        z.f.mainWindow->action("SpeedButton3")->trigger();
        auto* save = z.child<QWidget>("ulozzakresy");
        save->findChild<QAbstractButton*>("closePanel")->click();
        QVERIFY(!save->isVisible());

        // The whole picture fits the window and goes whole into the files.
        const QSize picture = DrawingPictureSize(z.w->options());
        QVERIFY(QRect(QPoint(0, 0), z.w->size()).contains(QRect(QPoint(0, 0), picture)));
        if (enlarged) QVERIFY(z.w->options().zoomK > 14);
        // Every text lies inside the picture: the drawing number whole, the
        // last rows of the group table present.
        QStringList texts;
        for (const DrawnText& t : DrawingTexts(z.w->model(), z.w->options())) {
            QVERIFY2(QRect(QPoint(0, 0), picture).contains(t.rect), qPrintable(t.text));
            texts << t.text;
        }
        for (const char* text : {"242/26", "p.skv.", "č. sku.", "117"})
            QVERIFY2(texts.contains(QString::fromUtf8(text)), text);

        // A range is saved whole at the enlarged zoom.
        z.f.mainWindow->action("SpeedButton3")->trigger();
        z.child<QSpinBox>("SpinEdit1")->setValue(2);
        z.child<QLineEdit>("Edit2")->setText(QStringLiteral("r"));
        z.child<QPushButton>("Button1")->click();
        const QDir folder(QString::fromStdString(z.f.path("Obrázek").string()));
        const QStringList ranged = folder.entryList({QStringLiteral("r Zakres 2020-01-02 *.bmp")});
        QCOMPARE(ranged.size(), 1);
        const QImage range(folder.filePath(ranged.front()));
        QVERIFY(!range.isNull());
        const DrawingScale big{DrawingScale::ZoomToFit(range.width(), range.height(), 64)};
        QCOMPARE(range.size(), QSize(big.width(), big.height()));
        QVERIFY(range.width() <= screen.width() && range.height() <= screen.height());
    }

    void mouseReadouts() {
        DrawingFrame z(recordsWithGroup(1));
        auto* label = z.child<QLabel>("Label1");
        QWidget* canvas = z.child<QWidget>("platno");
        // Left click at the centre: the disk centre's longitude and latitude.
        QTest::mousePress(canvas, Qt::LeftButton, {}, windowPoint(z.w, 280, 280));
        QVERIFY(label->isVisible());
        QVERIFY(label->text().contains(QStringLiteral(" , ")));
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, windowPoint(z.w, 280, 280));
        QVERIFY(!label->isVisible());
        // Outside the disk nothing is shown.
        QTest::mousePress(canvas, Qt::LeftButton, {}, windowPoint(z.w, 20, 600));
        QVERIFY(!label->isVisible());
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, windowPoint(z.w, 20, 600));

        // A right drag reads the angular distance; back at its start it is zero.
        const QPoint start = windowPoint(z.w, 330, 200);
        const auto dragTo = [canvas](QPointF p) {
            QMouseEvent move(QEvent::MouseMove, p, canvas->mapToGlobal(p), Qt::NoButton,
                             Qt::RightButton, Qt::NoModifier);
            QApplication::sendEvent(canvas, &move);
        };
        QTest::mousePress(canvas, Qt::RightButton, {}, start);
        QCOMPARE(label->text(), QStringLiteral("0.00"));
        dragTo(windowPoint(z.w, 400, 300));
        QVERIFY(label->text().toDouble() > 5);
        dragTo(start);
        QCOMPARE(label->text(), QStringLiteral("0.00"));
        QTest::mouseRelease(canvas, Qt::RightButton, {}, start);
        QVERIFY(!label->isVisible());
    }

    // (Its "Ne" changes and writes nothing: tst_main_window's questions.)
    void coordinateModeSwitchSaves() {
        DrawingFrame z(recordsWithGroup(2));
        QVERIFY(!z.f.session.heliographicEntry());
        z.f.messages.answers = {true, true};
        QTest::keyClick(z.w, Qt::Key_G, Qt::ControlModifier);
        QVERIFY(z.f.session.heliographicEntry());
        QCOMPARE(
            z.f.mainWindow->windowTitle(),
            QStringLiteral("Zákresy Sluneční fotosféry   Vizuálně   (Heliografické souřadnice)"));
        QCOMPARE(
            z.f.messages.questions.last(),
            QStringLiteral("Souřadnice dataxu se změní z  Polárnich na  Heliografické \rZměnit?"));
        QCOMPARE(ReadRecordFile(z.f.path("datax.dat")).records.front().NastaveniKresby, 1125);
        QTest::keyClick(z.w, Qt::Key_F11, Qt::ControlModifier);
        QVERIFY(!z.f.session.heliographicEntry());
        QCOMPARE(ReadRecordFile(z.f.path("datax.dat")).records.front().NastaveniKresby, 125);
    }

    // The shown record gets its faculae area, the same whatever the view's
    // orientation; "p" recomputes every record (the numbers: RecomputeRecords
    // in core) and keeps the current one.
    void faculaeAreaOfTheShownRecordAndOfEveryRecord() {
        auto rs = recordsWithGroup(3);
        addSquareField(rs[0]);
        addSquareField(rs[1]);
        rs[2].PlochaFakuli.setText("999");
        DrawingFrame z(rs);
        const Session& s = z.f.session;
        QVERIFY(s.record(1).PlochaFakuli.empty());
        for (bool turn : {false, true}) {
            if (turn) z.child<QPushButton>("vyza")->click();
            z.f.mainWindow->model().setCurrent(1);
            QCOMPARE(s.record(1).PlochaFakuli.text(), std::string("90121"));
        }
        z.f.mainWindow->action("ulozitdat")->trigger();
        QVERIFY(!s.dataChanged());
        QTest::keyClick(z.w, Qt::Key_P);
        QCOMPARE(s.record(2).PlochaFakuli.text() + "|" + s.record(3).PlochaFakuli.text(),
                 std::string("90121|0"));
        QVERIFY(s.dataChanged());
        QCOMPARE(s.currentIndex(), 1);
    }

    // V and Z, and F7 and F11, switch the leaves off and on; K lists the
    // records of one date.
    void leavesAndDuplicateDatesKeys() {
        auto rs = recordsWithGroup(3);
        rs[1].Datum.setText("01.01.2020");
        rs[1].Cas = 1300;
        DrawingFrame z(rs);
        QVERIFY(z.w->options().showLeaves);
        for (const auto& [off, on] : {std::pair{Qt::Key_V, Qt::Key_Z}, {Qt::Key_F7, Qt::Key_F11}}) {
            QTest::keyClick(z.w, off);
            QVERIFY2(!z.w->options().showLeaves, qPrintable(QKeySequence(off).toString()));
            QTest::keyClick(z.w, on);
            QVERIFY2(z.w->options().showLeaves, qPrintable(QKeySequence(on).toString()));
        }
        z.f.messages.clear();
        QTest::keyClick(z.w, Qt::Key_K);
        QCOMPARE(z.f.messages.messages,
                 QStringList{"Shodné datumy !     01.01.2020\rShodné datumy !     01.01.2020"});
    }

    // F9 without a magnetic map says so; F8 saves the bitmap.
    void f9WithoutMagneticMapAndF8SavesTheBitmap() {
        DrawingFrame z(recordsWithGroup(2));
        z.f.messages.clear();
        QTest::keyClick(z.w, Qt::Key_F9);
        QCOMPARE(z.f.messages.messages,
                 QStringList{QStringLiteral("Nejsou data pro magnetosféru")});
        QVERIFY(!z.w->scene().magnetic);
        z.f.messages.answers = {true};
        QTest::keyClick(z.w, Qt::Key_F8);
        QCOMPARE(z.f.messages.questions.last(), QStringLiteral("Uložit bitmapu zákresu"));
        const auto file = z.f.path("Obrázek") / "Zakres 2020-01-02 0705.bmp";
        QVERIFY(std::filesystem::exists(file));
        QVERIFY(z.f.mainWindow->statusBar()->currentMessage().endsWith(pathText(file)));
        QVERIFY(z.w->scene().leaves);
        // Saved again: the picture there is replaced only on "Ano".
        WriteFileAtomic(file, "dřívější");
        z.f.messages.answers = {true, false};
        QTest::keyClick(z.w, Qt::Key_F8);
        QCOMPARE(
            z.f.messages.questions.last(),
            QStringLiteral("Soubor Obrázek/Zakres 2020-01-02 0705.bmp už existuje.\rPřepsat ho?"));
        QCOMPARE(z.f.messages.safeAnswers.back(), SafeAnswer::No);
        QCOMPARE(ReadWholeFile(file), std::string("dřívější"));
    }

    void saveRangeAsPictures_data() {
        QTest::addColumn<bool>("bmp");
        QTest::newRow("BMP") << true;
        QTest::newRow("JPG") << false;
    }
    void saveRangeAsPictures() {
        QFETCH(bool, bmp);
        DrawingFrame z(recordsWithGroup(5));
        z.f.mainWindow->action(bmp ? "SpeedButton3" : "SpeedButton14")->trigger();
        z.child<QSpinBox>("SpinEdit1")->setValue(2);
        z.child<QSpinBox>("SpinEdit2")->setValue(4);
        z.child<QLineEdit>("Edit2")->setText(QStringLiteral("Ondřejov"));
        z.child<QPushButton>("Button1")->click();
        const std::string ext = bmp ? ".bmp" : ".jpg";
        const auto name = [&ext](int day) {
            return "Ondřejov Zakres 2020-01-0" + std::to_string(day) + " 0705" + ext;
        };
        QCOMPARE(z.f.messages.messages, QStringList{QString::fromStdString(
                                            "Data byla uložena:\rObrázek/" + name(2) +
                                            "\rObrázek/" + name(3) + "\rObrázek/" + name(4))});
        for (int day = 1; day <= 5; ++day)
            QCOMPARE(std::filesystem::exists(z.f.path("Obrázek") / name(day)),
                     day >= 2 && day <= 4);
        QVERIFY(!z.w->enlarged());

        // Saved again, the earlier pictures stay unless the user says "Ano".
        WriteFileAtomic(z.f.path("Obrázek") / name(3), "dřívější");
        z.f.messages.clear();
        z.child<QPushButton>("Button1")->click();
        QCOMPARE(z.f.messages.questions.size(), 1);
        QVERIFY(z.f.messages.safeAnswers == std::vector{SafeAnswer::No});
        QCOMPARE(ReadWholeFile(z.f.path("Obrázek") / name(3)), std::string("dřívější"));
        QCOMPARE(z.f.messages.messages,
                 QStringList{"Žádný obrázek nebyl uložen\rPonechány dřívější soubory: 3"});
    }

    void refusedRangeWritesNothing() {
        DrawingFrame z(recordsWithGroup(3));
        z.f.mainWindow->action("SpeedButton14")->trigger();
        z.child<QSpinBox>("SpinEdit1")->setValue(3);
        z.child<QSpinBox>("SpinEdit2")->setValue(1);
        z.child<QPushButton>("Button1")->click();
        z.child<QSpinBox>("SpinEdit1")->setValue(1);
        z.child<QLineEdit>("Edit3")->setText(QString());
        z.child<QPushButton>("Button1")->click();
        // A picture name that would lead out of "Obrázek".
        z.child<QLineEdit>("Edit3")->setText(QStringLiteral("90"));
        z.child<QLineEdit>("Edit2")->setText(QStringLiteral("../../x"));
        z.child<QPushButton>("Button1")->click();
        QCOMPARE(z.f.messages.messages.size(), 3);
        QVERIFY(z.f.messages.messages.last().contains(QStringLiteral("Název obrázku")));
        QVERIFY(!std::filesystem::exists(z.f.path("Obrázek")));
    }

    // The range printed from the current record (its rules: PrintRange in core).
    void printing_data() {
        QTest::addColumn<PrintRow>("row");
        QTest::newRow("current only") << PrintRow{3, false, "5", 1};
        QTest::newRow("poly tisk three") << PrintRow{2, true, "3", 3};
        QTest::newRow("poly tisk of none refused") << PrintRow{2, true, "0", 0};
    }
    void printing() {
        QFETCH(PrintRow, row);
        const auto& [current, poly, count, pages] = row;
        DrawingFrame z(recordsWithGroup(5));
        z.f.mainWindow->model().setCurrent(current);
        const auto pdf = z.f.path("tisk.pdf");
        int asked = 0;
        z.w->choosePrinter = PrintToPdf(pdf, &asked);
        z.f.mainWindow->action("tisk1")->trigger();
        z.child<QCheckBox>("CheckBox1")->setChecked(poly);
        z.child<QLineEdit>("Edit1")->setText(count);
        z.f.messages.values = {QStringLiteral("10")};
        z.child<QPushButton>("Button4")->click();
        QCOMPARE(asked, pages > 0 ? 1 : 0);
        if (pages == 0) {
            // A refused count says why and opens no print dialog.
            QCOMPARE(z.f.messages.messages.size(), 1);
            return;
        }
        QCOMPARE(z.f.messages.prompts, QStringList{QStringLiteral("Zadej procento posunutí")});
        QVERIFY(z.f.messages.messages.first().startsWith(QStringLiteral("Výška obrázku je  ")));
        QCOMPARE(PdfPagesOfFile(pdf), pages);
    }

    // A file without duplicate dates is merged at once; a second one with two
    // asks whether to leave them out.
    void mergeFiles_data() {
        QTest::addColumn<bool>("exclude");
        QTest::newRow("duplicates excluded") << true;
        QTest::newRow("duplicates kept") << false;
    }
    void mergeFiles() {
        QFETCH(bool, exclude);
        const int records = exclude ? 6 : 8; // 5 and the second file's 3, less its 2 known dates
        DrawingFrame z(recordsWithGroup(3));
        auto other = recordsWithGroup(2);
        other[0].Datum.setText("10.02.2020");
        other[1].Datum.setText("05.01.2019");
        other[1].Pozorovatel.setText("Nový, Jan");
        WriteRecordFile(z.f.path("jiny.dat"), other);
        z.file("jiny.dat");
        QTest::keyClick(z.w, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(z.child<QWidget>("slucovani")->isVisible());
        auto* mergeButton = z.child<QPushButton>("potvrditpri");
        QVERIFY(!mergeButton->isEnabled());
        z.child<QPushButton>("vyberpri")->click();
        QVERIFY(mergeButton->isEnabled());
        z.f.messages.clear();
        mergeButton->click();
        QVERIFY(z.f.messages.questions.isEmpty());
        QCOMPARE(z.f.messages.messages, QStringList{QStringLiteral("Přidáno zákresů: 2")});
        const Session& s = z.f.session;
        QCOMPARE(s.recordCount(), 5);
        QCOMPARE(s.record(1).Datum.text(), std::string("05.01.2019"));
        QCOMPARE(s.record(5).Datum.text(), std::string("10.02.2020"));
        QVERIFY(s.dataChanged());
        QVERIFY(std::find(s.observers().begin(), s.observers().end(), "Nový, Jan") !=
                s.observers().end());
        // The current record stays the one shown before.
        QCOMPARE(s.record(s.currentIndex()).Datum.text(), std::string("03.01.2020"));
        // Merged once: the button waits for another file.
        QVERIFY(!mergeButton->isEnabled());

        auto duplicates = recordsWithGroup(3);
        duplicates[0].Cas = 1500; // 01.01.2020 again, another time
        duplicates[2].Datum.setText("20.01.2020");
        WriteRecordFile(z.f.path("jiny.dat"), duplicates);
        z.child<QPushButton>("vyberpri")->click();
        z.f.messages.clear();
        z.f.messages.answers = {exclude};
        mergeButton->click();
        QCOMPARE(
            z.f.messages.questions,
            QStringList{QStringLiteral("V přidaných datech jsou shodné datumy 2x! Vyloučit je?")});
        QCOMPARE(s.recordCount(), records);
        QCOMPARE(z.f.messages.messages.last(),
                 QStringLiteral("Přidáno zákresů: %1").arg(records - 5));
    }

    // Ctrl+S refuses a damaged or too large file; F12 merges a file's
    // faculae fields and new drawings.
    void mergeRefusesBadFilesAndF12MergesFaculae() {
        DrawingFrame z(recordsWithGroup(2));
        WriteFileAtomic(z.f.path("kus.dat"), std::string(1774 + 10, 'x'));
        z.file("kus.dat");
        QTest::keyClick(z.w, Qt::Key_S, Qt::ControlModifier);
        z.child<QPushButton>("vyberpri")->click();
        QCOMPARE(z.f.messages.messages.size(), 1);
        QVERIFY(!z.child<QPushButton>("potvrditpri")->isEnabled());

        WriteRecordFile(z.f.path("velky.dat"), DayRecords(1999));
        z.file("velky.dat");
        z.child<QPushButton>("vyberpri")->click();
        QCOMPARE(z.f.messages.messages.last(), QStringLiteral("Lze přidat jen 1999 zakresu !! "));
        QVERIFY(!z.child<QPushButton>("potvrditpri")->isEnabled());
        z.child<QPushButton>("zrusitpri")->click();
        QVERIFY(!z.child<QWidget>("slucovani")->isVisible());
        QCOMPARE(z.f.session.recordCount(), 2);

        auto other = recordsWithGroup(3);
        addSquareField(other[0]);
        WriteRecordFile(z.f.path("fakule.dat"), other);
        z.file("fakule.dat");
        z.f.messages.answers = {true};
        QTest::keyClick(z.w, Qt::Key_F12);
        QCOMPARE(z.f.messages.messages.last(),
                 QStringLiteral("Přidáno zákresů: 1\rNahrazeno polí fakulí: 1"));
        QCOMPARE(z.f.messages.questions.last(), QStringLiteral("Uložit změny do souboru datax?"));
        const auto saved = ReadRecordFile(z.f.path("datax.dat")).records;
        QCOMPARE(saved.size(), std::size_t(3));
        QCOMPARE(saved[0].PocetFakKresleni, 1);
    }

    void auxiliarySpotList() {
        auto rs = recordsWithGroup(1);
        rs[0].Skupiny[0].Uhel = 0;
        rs[0].Skupiny[0].Vzd = 0;
        rs[0].Skupiny[0].Pomocna1 = PackPosition(90, 50);
        DrawingFrame z(rs);
        z.f.mainWindow->action("pomocnaskvrna")->trigger();
        auto* grid = z.child<QTableWidget>("StringGrid2");
        QVERIFY(z.child<QWidget>("panel")->isVisible());
        QCOMPARE(grid->rowCount(), GroupListPanel::DataRows);
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("   7  Dkc"));
        QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("23.6"));
        QVERIFY(!grid->item(1, 0));
        z.child<QPushButton>("Navrat")->click();
        QVERIFY(!z.child<QWidget>("panel")->isVisible());
    }

    void splitPanel() {
        DrawingFrame z(recordsWithGroup(5));
        QTest::keyClick(z.w, Qt::Key_R, Qt::ControlModifier);
        auto* grid = z.child<QTableWidget>("StringGrid4");
        QVERIFY(z.child<QWidget>("Panel2")->isVisible());
        grid->setItem(0, 0, new QTableWidgetItem(QStringLiteral("02.01.2020")));
        grid->setItem(0, 1, new QTableWidgetItem(QStringLiteral("04.01.2020")));
        z.child<QPushButton>("rozdeleni")->click();
        QVERIFY(z.f.messages.messages.last().startsWith(QStringLiteral("Dokončno rozdělení")));
        QCOMPARE(ReadRecordFile(z.f.path("datax1.dat")).records.size(), std::size_t(3));
        QVERIFY(!z.child<QWidget>("Panel2")->isVisible());
    }

    // The canvas at a client size, set up through the window's keys, equals
    // 'render drawing --window' of that size; F8's picture is the same
    // drawing in print colours without leaves, whole and nothing more.
    void windowEqualsCommandLine_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("view");
        const char* views[] = {"groups", "faculae without leaves", "enlarged, mirrored",
                               "magnetosphere", "F8 in print colours"};
        for (const QSize& size : ParitySizes)
            for (int v = 0; v < 5; ++v)
                QTest::addRow("%s %dx%d", views[v], size.width(), size.height()) << size << v;
        // The enlarged window's own size, where its zoom rule makes a difference.
        QTest::addRow("enlarged, mirrored 857x637") << QSize(857, 637) << 2;
    }
    void windowEqualsCommandLine() {
        QFETCH(QSize, size);
        QFETCH(int, view);
        DrawingFrame z({}, TestScreen, [](const std::filesystem::path& dir) {
            WriteDemoDirectory(dir, {.years = 1, .perYear = 60, .endDate = {2014, 12, 31}});
        });
        const int record = demoDrawing(z.f.session, view == 1);
        QVERIFY(record > 0);
        z.f.mainWindow->model().setCurrent(record);
        if (view == 3) {
            // A magnetic map of the drawing's day: rows of points across the disk.
            std::vector<std::uint16_t> words{0, 0};
            for (int row = 0; row < 300; ++row) {
                words.push_back(64);
                for (int column = 100; column < 330; column += 3)
                    words.push_back(std::uint16_t(column << 7 | (row & 63)));
            }
            words.push_back(0);
            std::filesystem::create_directories(z.f.path("Magneto"));
            std::ofstream(z.f.path("Magneto") /
                              MagneticMapFileName(*RecordDate(z.f.session.record(record))),
                          std::ios::binary)
                .write(reinterpret_cast<const char*>(words.data()), 2 * words.size());
        }
        QString flags = QStringLiteral("--record %1 --window %2x%3")
                            .arg(record)
                            .arg(size.width())
                            .arg(size.height());
        if (view == 1) {
            QTest::keyClick(z.w, Qt::Key_V);
            flags += QStringLiteral(" --no-leaves");
        } else if (view == 2) {
            z.f.mainWindow->action("menvet")->trigger();
            z.child<QPushButton>("vyza")->click();
            z.child<QPushButton>("seji")->click();
            flags += QStringLiteral(" --enlarged --mirror-ew --mirror-ns");
        } else if (view == 3) {
            QTest::keyClick(z.w, Qt::Key_F9);
            flags += QStringLiteral(" --magnetosphere");
        }
        auto* canvas = z.child<QWidget>("platno");
        QMdiSubWindow* sub = z.w->subWindow();
        sub->resize(sub->size() + (size - canvas->size()));
        QTRY_COMPARE(canvas->size(), size);
        if (view < 4) {
            QCOMPARE(DifferingPixels(canvas->grab().toImage(), cliDrawing(z.f, flags)), 0);
            // Another record drops an overlay of this date.
            z.f.mainWindow->model().setCurrent(1);
            QVERIFY(!z.w->scene().magnetic);
            return;
        }
        z.f.messages.answers = {true};
        QTest::keyClick(z.w, Qt::Key_F8);
        const QDir folder(QString::fromStdString(z.f.path("Obrázek").string()));
        const QStringList saved = folder.entryList({QStringLiteral("*.bmp")});
        QCOMPARE(saved.size(), 1);
        const QImage f8(folder.filePath(saved.front()));
        const QImage cli = cliDrawing(z.f, flags + QStringLiteral(" --print-colours --no-leaves"));
        QVERIFY(!f8.isNull() && QRect(QPoint(), cli.size()).contains(QRect(QPoint(), f8.size())));
        QImage expected(cli.size(), QImage::Format_RGB32);
        expected.fill(Qt::white);
        QPainter(&expected).drawImage(0, 0, f8);
        QCOMPARE(DifferingPixels(cli, expected), 0);
    }

    void coordinateTable() {
        TableFrame t;
        QCOMPARE(t.w->windowTitle(), QStringLiteral("Souřadnice středu slunce"));
        QCOMPARE(t.w->TableYear(), 2020);
        QCOMPARE(t.child<QLineEdit>("Edit1")->text(), QStringLiteral("2020"));
        QVERIFY(t.child<QToolButton>("SpeedButton1")->isChecked());
        t.f.mainWindow->action("SpeedButton4")->trigger(); // the same window again
        QCOMPARE(t.f.mainWindow->area()->findChildren<CoordinateTableWindow*>().size(), 1);

        auto* year = t.child<QLineEdit>("Edit1");
        year->clear();
        QTest::keyClicks(year, "2x0t24");
        QCOMPARE(year->text(), QStringLiteral("2024"));
        t.child<QToolButton>("SpeedButton2")->click();
        QCOMPARE(t.w->page().texts.front().text, std::string(CoordinateTableTitle) + "2024");

        // A year the table cannot show: the message, the page stays.
        year->setText(QStringLiteral("15"));
        t.child<QToolButton>("SpeedButton3")->click();
        QCOMPARE(t.f.messages.messages, QStringList{QString::fromUtf8(BadTableYear.data())});
        QCOMPARE(t.w->TableYear(), 2024);
        QCOMPARE(t.w->TableFirstMonth(), 4);
        QVERIFY(t.child<QToolButton>("SpeedButton2")->isChecked());

        // "zve" takes positive whole numbers only.
        t.f.messages.clear();
        const int start = t.w->TableScale();
        for (const char* bad : {"0", "1.5", "abc"}) {
            t.f.messages.values.push_back(QString::fromLatin1(bad));
            t.child<QPushButton>("SpeedButton4")->click();
            QCOMPARE(t.w->TableScale(), start);
        }
        QCOMPARE(t.f.messages.messages, QStringList(3, QString::fromUtf8(BadTableScale.data())));

        // The page saved as a picture and printed; the key "t" in a low window.
        year->setText(QStringLiteral("2020"));
        t.f.messages.clear();
        t.child<QToolButton>("SpeedButton3")->click();
        t.child<QPushButton>("ulozitobr")->click();
        const QImage image(QString::fromStdString(
            t.f.session.dir.resolve("Obrázek/Souřadnice 2020 9 - 12.bmp").string()));
        QCOMPARE(image.size(), QSize(CoordinateTableWidth, CoordinateTableHeight));

        t.child<QPushButton>("tisksouradnic")->click();
        QVERIFY(std::filesystem::file_size(t.f.path("tisk.pdf")) > 1000);

        QVERIFY(t.w->height() <= 990);
        t.w->setFocus();
        QTest::keyClick(t.w, Qt::Key_T);
        QCOMPARE(t.f.messages.messages, QStringList{QString::fromUtf8(LowTableWindow.data())});

        // Another window of the work area activated: the table closes.
        QPointer<CoordinateTableWindow> window = t.w;
        auto* other = t.f.mainWindow->area()->addSubWindow(new QWidget);
        other->show();
        t.f.mainWindow->area()->setActiveSubWindow(other);
        QTRY_VERIFY(window.isNull());
    }
};

QTEST_MAIN(TestDrawingWindow)
#include "tst_drawing_window.moc"
