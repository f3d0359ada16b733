// The measurement window: a drawing painted by the program's own renderer is
// opened as a scan, calibrated by clicks (or by the disk the assistant
// proposes), and its groups, areas and faculae are clicked back into the
// current record; the area window and the magnifier.
#include <QAction>
#include <QGroupBox>
#include <QMdiArea>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <cmath>

#include "demo/demo.h"
#include "demo/drawn_scan.h"
#include "drawing/drawing_model.h"
#include "drawing/drawing_scale.h"
#include "drawing/faculae.h"
#include "drawing/group_layout.h"
#include "io/atomic_file.h"
#include "measure/faculae_entry.h"
#include "measure/spot_proposals.h"
#include "records/record.h"
#include "render/drawing_renderer.h"
#include "tests_support/records.h"
#include "ui/drawing/drawing_window.h"
#include "ui/measure/measurement_window.h"
#include "ui/support/frame_fixture.h"

using namespace hk;
using namespace hk::test;

namespace {

constexpr int ZoomK = 32; // disk radius 500 px, centre at pixel 560

// A demo drawing with groups far from the centre and faculae fields.
TZaznam demoDrawing() {
    DemoOptions o{.years = 1, .perYear = 40, .seed = 11, .endDate = {2014, 12, 31}};
    for (const TZaznam& z : GenerateDemoRecords(o)) {
        int far = 0;
        for (int k = 0; k < z.groupCount(); ++k)
            far += z.Skupiny[k].Vzd >= 900;
        if (far >= 2 && z.faculaeCount() >= 1) return z;
    }
    return {};
}

// The program on `records` with the drawing window and the measurement
// window opened from the menu.
struct MeasurementFrame {
    explicit MeasurementFrame(const std::vector<TZaznam>& records = DayRecords(3)) : f(records) {
        if (!f.start()) qFatal("start-up failed");
        f.mainWindow->resize(1280, 1000);
        f.mainWindow->show();
        installDrawing(f.mainWindow->context());
        installMeasurement(f.mainWindow->context());
        f.mainWindow->action("zfota")->trigger();
        w = f.mainWindow->findChild<MeasurementWindow*>();
        if (!w) qFatal("no measurement window");
    }
    template <class T> T* child(const char* name) const {
        return w->findChild<T*>(QString::fromLatin1(name));
    }
    void press(const char* button) { child<QPushButton>(button)->click(); }
    QString cell(int col) const { return child<QTableWidget>("jinak")->item(0, col)->text(); }
    void setCell(int col, const char* text) {
        child<QTableWidget>("jinak")->item(0, col)->setText(QString::fromUtf8(text));
    }
    // Scrolls the picture point into the view and clicks it.
    void click(PicturePoint p, Qt::MouseButton b = Qt::LeftButton) {
        QWidget* canvas = w->canvas();
        child<QScrollBar>("hory")->setValue(p.x - canvas->width() / 2);
        child<QScrollBar>("very")->setValue(p.y - canvas->height() / 2);
        const QPointF at = PictureToWindow(p, w->options());
        QTest::mouseClick(canvas, b, {}, QPoint(int(std::floor(at.x())), int(std::floor(at.y()))));
    }
    QString savePicture(const QImage& img, const char* name) {
        const QString path = QString::fromStdString(f.path(name).string());
        img.save(path);
        return path;
    }
    // Opens a scan of one colour.
    bool openBlank(int width, int height, QColor colour = Qt::white) {
        QImage img(width, height, QImage::Format_RGB32);
        img.fill(colour);
        return w->openScan(savePicture(img, "blank.png"));
    }
    // Opens the drawing of `z` as the program paints it at ZoomK.
    bool openDrawing(const TZaznam& z) {
        DrawingOptions o;
        o.zoomK = ZoomK;
        return w->openScan(savePicture(RenderDrawingImage(MakeDrawingModel(z), o), "d.png"));
    }
    Frame f;
    MeasurementWindow* w = nullptr;
};

template <class T> QByteArray bytesOf(const T& value) {
    return QByteArray(reinterpret_cast<const char*>(&value), sizeof value);
}

double angleDiff(double a, double b) {
    const double d = std::fabs(a - b);
    return std::min(d, 360 - d);
}

} // namespace

class TestMeasurementWindow : public QObject {
    Q_OBJECT

  private slots:
    void opensFromTheMainWindowAndTheDrawingWindow() {
        MeasurementFrame m;
        // The caption names the record written into.
        QCOMPARE(m.w->windowTitle(),
                 QString("Měření fakulí – zápis do: 03.01.2020 7:05 UT, ") +
                     QString::fromStdString(m.f.session.workingRecord().Pozorovatel.text()));
        QVERIFY(m.f.mainWindow->action("zfota")->isEnabled());
        m.w->findChild<QToolButton*>("SpeedButton1")->click();
        QTRY_VERIFY(!m.f.mainWindow->findChild<MeasurementWindow*>());
        auto* drawingRequests = m.f.mainWindow->findChild<DrawingWindow*>();
        QTest::keyClick(drawingRequests, Qt::Key_F);
        QVERIFY(m.f.mainWindow->findChild<MeasurementWindow*>());
    }

    // Groups measured over a record that has groups: asked first (nothing
    // changes on "Ne"), stored on "Ano" with the status line saying what, and
    // brought back whole by Ctrl+Z in the drawing window, once.
    void replacingGroupsAsksAndUndoes() {
        auto records = DayRecords(3);
        for (int k = 0; k < 3; ++k)
            test_records::AddGroup(records[2], "Dkc", 900 + 100 * k, 600, 400, 0).CSk2 =
                std::uint8_t(7 + k);
        MeasurementFrame m(records);
        const int index = m.f.mainWindow->model().currentIndex();
        const QByteArray before = bytesOf(m.f.session.record(index));
        QStringList status;
        m.w->showStatus = [&](const QString& text) { status << text; };
        m.setCell(ColTyp, "Dai");
        m.setCell(ColCSk2, "5");
        m.setCell(ColAngle, "90.0");
        m.setCell(ColDistance, "50.0");
        m.press("zapskvrnu");

        m.f.messages.answers = {false};
        m.press("konskvr");
        QVERIFY2(m.f.messages.questions.last().contains(QStringLiteral("skupin: 3")),
                 qPrintable(m.f.messages.questions.last()));
        QCOMPARE(bytesOf(m.f.session.record(index)), before);
        QVERIFY(status.isEmpty());

        m.f.messages.answers = {true};
        m.press("konskvr");
        QCOMPARE(int(m.f.session.record(index).PocetSkupin), 1);
        QCOMPARE(status.size(), 1);
        QVERIFY2(status.last().contains(QStringLiteral("skupin: 1")) &&
                     status.last().contains(QStringLiteral("nahrazeno 3")),
                 qPrintable(status.last()));

        auto* drawing = m.f.mainWindow->findChild<DrawingWindow*>();
        QTest::keyClick(drawing, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(bytesOf(m.f.session.record(index)), before);
        QCOMPARE(bytesOf(m.f.session.workingRecord()), before);
        QCOMPARE(drawing->model().record.groupCount(), 3);
        // One step: a second Ctrl+Z has nothing to bring back.
        QVERIFY(!m.f.session.canUndoMeasurement());
        QTest::keyClick(drawing, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(bytesOf(m.f.session.record(index)), before);
    }

    // "Najít skvrny" on a made-up scan: a proposal corrected by clicks, the
    // classes typed, accepted into the drafts, and stored only by "Konec
    // zadávání skvrn", as typing the same rows would store it.
    void proposedSpotsCorrectedAndStored() {
        MeasurementFrame m;
        const drawn_scans::DrawnScan scan = drawn_scans::DrawScan(3, drawn_scans::Digits, 1400);
        std::string bytes = "P5 1400 1400 255\n";
        bytes.append(scan.pixels.begin(), scan.pixels.end());
        WriteFileAtomic(m.f.path("scan.pgm"), bytes);
        QVERIFY(m.w->openScan(QString::fromStdString(m.f.path("scan.pgm").string())));
        m.press("najitskvrny");
        QCOMPARE(m.f.messages.messages.last(), QString("Není zadán střed a sever zákresu"));
        m.press("paramskvr");
        m.press("stredsk");
        m.click(scan.cal.CalCentre);
        m.press("seversk");
        m.click(scan.cal.CalNorth);
        QVERIFY(m.w->calibration().calibrated());
        m.press("najitskvrny");
        const SpotProposals& n = m.w->proposals();
        QVERIFY(!n.empty());
        QVERIFY(m.child<QGroupBox>("navrh")->isVisible());

        // The smallest spot of the largest group clicked away.
        int largest = 0;
        for (int g = 0; g < int(n.groups().size()); ++g)
            if (n.groups()[g].spots.size() > n.groups()[largest].spots.size()) largest = g;
        const int spots = int(n.groups()[largest].spots.size());
        QVERIFY(spots >= 2);
        m.press("odebratskvrnu");
        m.click(n.spots()[n.groups()[largest].spots.back()].point());
        QCOMPARE(int(n.groups()[largest].spots.size()), spots - 1);

        const int index = m.f.mainWindow->model().currentIndex();
        const TZaznam before = m.f.session.record(index);
        m.press("prijmout"); // no classes yet
        QCOMPARE(m.f.messages.messages.last(),
                 QString("Skupina 1: Nabyl zadán typ nebo číslo skupiny  - povinné"));
        auto* table = m.child<QTableWidget>("navrhy");
        QCOMPARE(table->rowCount(), int(n.groups().size()));
        std::vector<DraftRow> typed;
        for (int g = 0; g < table->rowCount(); ++g) {
            table->item(g, 1)->setText(g % 2 ? QStringLiteral("Cso") : QStringLiteral("Dai"));
            table->item(g, 2)->setText(QString::number(20 + g));
            typed.push_back(n.row(g, m.w->calibration()));
        }
        m.press("prijmout");
        QVERIFY(m.w->proposals().empty());
        // Drafted, not stored.
        QCOMPARE(bytesOf(m.f.session.record(index)), bytesOf(before));
        TZaznam expected = m.f.mainWindow->model().workingRecord();
        m.press("konskvr");

        GroupDrafts drafts{};
        for (std::size_t g = 0; g < typed.size(); ++g)
            drafts[g] = std::get<GroupDraft>(ParseGroupRow(typed[g]));
        QVERIFY(!WriteGroups(expected, drafts, m.f.session.drawingRadius()));
        const TZaznam& stored = m.f.session.record(index);
        QCOMPARE(int(stored.PocetSkupin), int(typed.size()));
        for (std::size_t g = 0; g < typed.size(); ++g)
            QCOMPARE(bytesOf(stored.Skupiny[g]), bytesOf(expected.Skupiny[g]));
        QCOMPARE(stored.Souhrn.gSev + stored.Souhrn.gJih, int(typed.size()));
    }

    void badAndLargePictures() {
        MeasurementFrame m;
        QVERIFY(m.openBlank(300, 200));
        QVERIFY(m.f.messages.messages.isEmpty());
        // Not a picture: a message, the open picture stays.
        WriteFileAtomic(m.f.path("b.jpg"), "no picture");
        QVERIFY(!m.w->openScan(QString::fromStdString(m.f.path("b.jpg").string())));
        QCOMPARE(m.f.messages.messages.size(), 1);
        QCOMPARE(m.w->scan().picture.size(), QSize(300, 200));
        // Larger than the buffer: reduced to fit, with a message.
        QImage big(6040, 1000, QImage::Format_RGB32);
        big.fill(Qt::white);
        QVERIFY(m.w->openScan(m.savePicture(big, "c.bmp")));
        QCOMPARE(m.w->scan().picture.size(), QSize(3020, 500));
        QCOMPARE(m.f.messages.messages.size(), 2);
    }

    // The whole chain through the window: the rendered drawing calibrated by
    // clicks, its groups clicked, written and compared.
    void clickedBackIntoTheRecord() {
        const TZaznam original = demoDrawing();
        QVERIFY(original.groupCount() > 0);
        MeasurementFrame m;
        QVERIFY(m.openDrawing(original));
        const DrawingScale s{ZoomK};
        const int c = s.xy(DiskCentre), r = s.xy(DiskCentre) - s.xy(DiskCentre - DiskRadius);

        m.press("stredovv");
        QVERIFY(m.w->magnifier() && m.w->magnifier()->isVisible() && m.w->magnifier()->crosshair());
        m.click({c, c});
        m.press("severr");
        m.click({c, c - r});
        QCOMPARE(m.w->calibration().CalRadiusPx, r);
        m.press("stredovv");
        QCOMPARE(m.f.messages.messages.last(),
                 QString(" Není nutné zadávání středu a sevsru . Hodnoty jsou již zadány."));

        // Groups far from the centre, each with its order number.
        m.press("paramskvr");
        auto* grid = m.child<QTableWidget>("jinak");
        const GroupCircles circles = ComputeGroupCircles(original, 1, 1);
        std::vector<int> far;
        for (int k = 0; k < original.groupCount(); ++k) {
            if (original.Skupiny[k].Vzd < 900) continue;
            far.push_back(k);
            m.child<QSpinBox>("SpinEdit2")->setValue(static_cast<int>(far.size()));
            m.setCell(ColTyp, "Dai");
            m.setCell(ColCSk2, "5");
            grid->setCurrentCell(0, ColAngle);
            const DrawingPoint d = circles[k].centre();
            m.click({s.xy(d.x), s.xy(d.y)});
            m.press("zapskvrnu");
            QCOMPARE(m.child<QPushButton>("zapskvrnu")->text(), QString("Zapsáno"));
        }
        m.press("konskvr");
        const TZaznam& stored = m.f.session.record(m.f.mainWindow->model().currentIndex());
        QCOMPARE(int(stored.PocetSkupin), int(far.size()));
        for (std::size_t i = 0; i < far.size(); ++i) {
            const TSkupina& want = original.Skupiny[far[i]];
            const TSkupina& got = stored.Skupiny[i];
            QVERIFY2(angleDiff(got.Uhel / 10.0, want.Uhel / 10.0) <= 0.5,
                     qPrintable(QStringLiteral("%1 for %2").arg(got.Uhel).arg(want.Uhel)));
            QVERIFY(std::abs(got.Vzd - want.Vzd) <= 10);
        }
        QVERIFY(m.f.session.dataChanged());

        // A faculae field stored after the groups leaves them (the vertices
        // clicked and stored: everyClickMarkedAndListed).
        m.press("param");
        m.press("konec"); // field number 0 would take the record's fields away
        QCOMPARE(m.f.messages.messages.last(), QString("Číslo fakule nula"));
        m.child<QSpinBox>("SpinEdit1")->setValue(1);
        const DrawingPoint v = FaculaePolygon(original.Skupiny[0]).front();
        m.click({s.xy(v.x), s.xy(v.y)}, Qt::RightButton);
        m.click({s.xy(v.x), s.xy(v.y)});
        m.press("konec");
        const TZaznam& withFields = m.f.session.record(m.f.mainWindow->model().currentIndex());
        QCOMPARE(int(withFields.PocetFakKresleni), 1);
        QCOMPARE(int(withFields.PocetSkupin), int(far.size())); // the groups stay
    }

    // Every click shows at once as a mark on the scan and a row: the faculae
    // start point in a row of its own, each vertex, each spot of the groups.
    // "Zpět bod" takes the last click back, mark and row, and what is stored
    // is what the remaining clicks give.
    void everyClickMarkedAndListed() {
        MeasurementFrame m;
        QVERIFY(m.openBlank(1200, 1200));
        m.press("stredovv");
        m.click({600, 600});
        m.press("severr");
        m.click({600, 350});
        const ScanOverlay& ov = m.w->scan().overlay;
        auto marked = [&](PicturePoint p) {
            m.child<QScrollBar>("hory")->setValue(p.x - m.w->canvas()->width() / 2);
            m.child<QScrollBar>("very")->setValue(p.y - m.w->canvas()->height() / 2);
            const QImage shot = m.w->canvas()->grab().toImage();
            const QPointF at = PictureToWindow(p, m.w->options());
            for (int dy = -5; dy <= 5; ++dy)
                for (int dx = -5; dx <= 5; ++dx)
                    if (shot.pixelColor(int(at.x()) + dx, int(at.y()) + dy) != Qt::white)
                        return true;
            return false;
        };
        auto text = [](QTableWidget* t, int r, int c) {
            return t->item(r, c) ? t->item(r, c)->text() : QString();
        };

        // Field 2: start point A, vertices B and C, C taken back, D instead.
        auto* vertexRows = m.child<QTableWidget>("tabxy");
        const PicturePoint a{700, 500}, b{740, 460}, c{780, 520}, d{700, 560};
        m.child<QSpinBox>("SpinEdit1")->setValue(2);
        m.click(a, Qt::RightButton);
        m.click(b);
        m.click(c);
        QCOMPARE(text(vertexRows, 0, 0), QString("úvodní"));
        QCOMPARE(text(vertexRows, 2, 0), QString("2"));
        QVERIFY(marked(a) && marked(b) && marked(c));
        m.press("zpetfak");
        QVERIFY(text(vertexRows, 2, 0).isEmpty() && !marked(c));
        m.click(d);
        QCOMPARE(ov.fields[0].vertices, (std::vector<PicturePoint>{b, d}));
        const int index = m.f.mainWindow->model().currentIndex();
        TZaznam expected = m.f.session.record(index);
        FacPoints points{};
        points[1] = {b, d};
        StoreFaculae(expected, 2, points, m.w->calibration());
        auto fields = [](const TZaznam& z) {
            return QByteArray(reinterpret_cast<const char*>(z.Skupiny), 2 * sizeof(TSkupina));
        };
        m.f.messages.answers = {true, true};
        m.press("konec");
        QCOMPARE(fields(m.f.session.record(index)), fields(expected));
        // Field 2 started again and its start point taken back: the field as
        // it was, marks and what is stored.
        m.click({500, 700}, Qt::RightButton);
        m.press("zpetfak");
        QCOMPARE(ov.fields[0].vertices, (std::vector<PicturePoint>{b, d}));
        QVERIFY(!marked({500, 700}));
        m.press("konec");
        QCOMPARE(fields(m.f.session.record(index)), fields(expected));

        // Spots: group, grid column, point; the rows listed by group and spot.
        // A field left started takes no vertex from the group box.
        m.child<QSpinBox>("SpinEdit1")->setValue(3);
        m.click({500, 700}, Qt::RightButton);
        m.press("paramskvr");
        m.child<QTableWidget>("jinak")->setCurrentCell(0, ColTyp);
        m.click({500, 650});
        QVERIFY(ov.fields.back().vertices.empty() && !marked({500, 650}));
        auto* spotRows = m.child<QTableWidget>("bodyskvrn");
        struct Click {
            int group, column;
            PicturePoint p;
            QStringList rows;
        };
        const Click clicks[] = {
            {1, ColAngle, {650, 650}, {"1 hlavní"}},
            {1, ColAngle1, {700, 650}, {"1 hlavní", "1 pomocná 1"}},
            {1, ColAngle, {650, 700}, {"1 hlavní", "1 pomocná 1"}}, // moved
            {2, ColAngle2, {550, 650}, {"1 hlavní", "1 pomocná 1", "2 pomocná 2"}},
        };
        for (const Click& k : clicks) {
            m.child<QSpinBox>("SpinEdit2")->setValue(k.group);
            m.child<QTableWidget>("jinak")->setCurrentCell(0, k.column);
            m.click(k.p);
            QStringList rows;
            for (int r = 0; r < spotRows->rowCount(); ++r)
                rows << text(spotRows, r, 0) + " " + text(spotRows, r, 1);
            QCOMPARE(rows, k.rows);
            QVERIFY(marked(k.p));
        }
        QVERIFY(!marked({650, 650}));
        QCOMPARE(text(spotRows, 2, 2), m.cell(ColAngle2));
        m.press("zpetskvrnu"); // group 2's only spot
        QVERIFY(!marked({550, 650}) && m.cell(ColAngle2).isEmpty());
        QCOMPARE(spotRows->rowCount(), 2);
        m.child<QSpinBox>("SpinEdit2")->setValue(1);
        m.press("zpetskvrnu"); // group 1's spot clicked last: the main one
        QVERIFY(!marked({650, 700}) && marked({700, 650}));
        QCOMPARE(text(spotRows, 0, 1), QString("pomocná 1"));
    }

    void diskProposedAndAcceptedAsTheCentre() {
        MeasurementFrame m;
        QVERIFY(m.openDrawing(demoDrawing()));
        m.f.messages.answers = {false};
        m.press("najitdisk");
        QVERIFY(m.f.messages.questions.last().startsWith("Navržený disk: střed x=560  y=560"));
        QVERIFY(!m.w->scan().overlay.centre);
        QCOMPARE(m.w->nextClick(), MeasurementWindow::Click::None);

        m.f.messages.answers = {true};
        m.press("najitdisk");
        QCOMPARE(m.w->scan().overlay.centre, std::optional<PicturePoint>(PicturePoint{560, 560}));
        QCOMPARE(m.w->nextClick(), MeasurementWindow::Click::North);
        QVERIFY(!m.w->calibration().calibrated()); // north is still clicked
        m.click({560, 60});
        QCOMPARE(m.w->calibration().CalRadiusPx, 500);
    }

    void dailyMotionCalibration() {
        MeasurementFrame m;
        QVERIFY(m.openBlank(1000, 1000));
        m.f.messages.answers = {true};
        m.press("paramskvr");
        m.press("proupravu");
        // Right and left end of a line rising to the right, centre, limb.
        for (PicturePoint p : {PicturePoint{800, 400}, {200, 600}, {500, 500}, {500, 800}})
            m.click(p);
        // The north of these clicks: DailyMotionNorth's table in core.
        QCOMPARE(m.w->calibration().CalNorth, (PicturePoint{406, 216}));
        QVERIFY(m.w->calibration().calibrated());
        QVERIFY(m.child<QGroupBox>("GroupBox2")->isVisible());
    }

    void areaPaintedIntoTheGridCell() {
        MeasurementFrame m;
        QVERIFY(m.openBlank(1200, 1200));
        m.press("paramskvr");
        m.press("merplochy");
        QCOMPARE(m.f.messages.messages.last(),
                 QString("Prvně je třeba zadat souřadnice skvrny bebo druhotné skvrny !"));
        m.press("stredsk");
        m.click({600, 600});
        m.press("seversk");
        m.click({600, 350}); // radius 250: a mask pixel is 0.0625 mm^2
        m.child<QTableWidget>("jinak")->setCurrentCell(0, ColAngle1);
        m.click({650, 550});
        QCOMPARE(m.w->AreaTarget(), 2);
        QCOMPARE(m.cell(ColAngle1), QString("45.0"));

        m.press("merplochy");
        AreaMeasurementWindow* p = m.w->areaMeasurement();
        QVERIFY(p);
        QCOMPARE(p->windowTitle(), QString("Okno pro měření plochy skupiny "));
        auto* canvas = p->findChild<QWidget*>("platno");
        const QPoint at = p->image().topLeft() + QPoint(300, 300);
        QTest::mousePress(canvas, Qt::RightButton, {}, at);
        QCOMPARE(p->AreaState(), int(AreaMeasurementWindow::Painting));
        for (int x = 0; x <= 40; x += 4)
            QTest::mouseMove(canvas, at + QPoint(x, 0));
        QTest::mouseRelease(canvas, Qt::RightButton, {}, at + QPoint(40, 0));
        const double area = p->area();
        QVERIFY(area > 0);
        p->findChild<QPushButton*>("Button1")->click();
        QCOMPARE(m.cell(ColPlo1), QString::number(area, 'f', 1));
        QVERIFY(m.child<QPushButton>("zapskvrnu")->isEnabled());
        QVERIFY(!m.child<QPushButton>("merplochy")->isEnabled());

        // Finishing without painting gives 0.0.
        m.child<QTableWidget>("jinak")->setCurrentCell(0, ColAngle);
        m.click({600, 500});
        m.press("merplochy");
        m.w->areaMeasurement()->findChild<QPushButton*>("Button1")->click();
        QCOMPARE(m.cell(ColArea), QString("0.0"));
    }

    void zoomKeepsTheMiddleAndBrightnessChangesTheView() {
        MeasurementFrame m;
        QVERIFY(m.openBlank(2000, 2000, QColor(100, 100, 100)));
        QWidget* canvas = m.w->canvas();
        const QPoint middle(canvas->width() / 2, canvas->height() / 2);
        m.child<QScrollBar>("hory")->setValue(300);
        const PicturePoint before = WindowToPicture(middle, m.w->options());
        const int range = m.child<QScrollBar>("hory")->maximum();
        for (int i = 0; i < 12; ++i)
            m.press("vet");
        QCOMPARE(m.w->options().zoom, 10);
        QCOMPARE(m.child<QScrollBar>("hory")->maximum(), range + 2000);
        const PicturePoint after = WindowToPicture(middle, m.w->options());
        QVERIFY(std::abs(after.x - before.x) <= 1 && std::abs(after.y - before.y) <= 1);

        m.w->findChild<QSlider*>("kont")->setValue(160); // (100 + 0) * 160 / 80
        QCOMPARE(canvas->grab().toImage().pixelColor(middle), QColor(200, 200, 200));
        m.w->findChild<QSlider*>("jas")->setValue(-200);
        QCOMPARE(canvas->grab().toImage().pixelColor(middle), QColor(Qt::black));
    }

    void magnifierFollowsThePointer() {
        MeasurementFrame m;
        QImage img(800, 800, QImage::Format_RGB32);
        img.fill(Qt::white);
        img.setPixelColor(400, 400, Qt::black);
        QVERIFY(m.w->openScan(m.savePicture(img, "p.png")));
        auto* magnifierButton = m.w->findChild<QToolButton*>("lupe");
        magnifierButton->click();
        QVERIFY(m.w->magnifier()->isVisible() && !m.w->magnifier()->crosshair());
        QCOMPARE(m.w->magnifier()->LoupeHalf, 40);
        m.w->pointerMoved({400, 400});
        // Enlargement 5: the black pixel is the 5 x 5 square in the middle.
        const QImage& b = m.w->magnifier()->LoupeBitmap();
        QCOMPARE(b.pixelColor(202, 202), QColor(Qt::black));
        QCOMPARE(b.pixelColor(196, 202), QColor(Qt::white));
        magnifierButton->click();
        QVERIFY(!m.w->magnifier()->isVisible());
        QCOMPARE(m.w->magnifier()->LoupeHalf, 20);
    }
};

QTEST_MAIN(TestMeasurementWindow)
#include "tst_measurement_window.moc"
