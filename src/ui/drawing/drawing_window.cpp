#include "ui/drawing/drawing_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>
#include <cstring>

#include "drawing/drawing_scale.h"
#include "drawing/faculae.h"
#include "drawing/magnetic_map.h"
#include "drawing/record_merge.h"
#include "records/record.h"
#include "records/session.h"
#include "render/drawing_renderer.h"
#include "render/jpeg_writer.h"
#include "results/report_file.h"
#include "text/number_format.h"
#include "ui/drawing/group_list_panel.h"
#include "ui/drawing/merge_panel.h"
#include "ui/drawing/print_panel.h"
#include "ui/drawing/save_drawings_panel.h"
#include "ui/drawing/split_panel.h"
#include "ui/entry/record_list_window.h"
#include "ui/frame/command_names.h"
#include "ui/frame/messages.h"
#include "ui/frame/picture_canvas.h"
#include "ui/frame/session_model.h"
#include "ui/frame/ui_helpers.h"

namespace hk {

namespace {

constexpr int ClientWidth = 800;     // client width at 100 %
constexpr int HeightReduction = 48;  // the window is this much lower than the work area at 100 %
constexpr int TextPanelBottom = 500; // logical y below the text panel's last row
constexpr int PanelGap = 6;          // pixels between the picture and a panel beside it
constexpr int MaxListed = 30;        // duplicate dates listed in one message

constexpr int CloseSize = 18; // the close button of a panel

// Gives the panel a close button in its top right corner ("X", "Zavřít").
void addCloseButton(QWidget* panel) {
    auto* close = new QToolButton(panel);
    close->setObjectName(QStringLiteral("closePanel"));
    close->setText(QStringLiteral("X"));
    close->setToolTip(QStringLiteral("Zavřít"));
    close->setAutoRaise(true);
    close->setFocusPolicy(Qt::TabFocus);
    close->setFixedSize(CloseSize, CloseSize);
    QObject::connect(close, &QToolButton::clicked, panel, &QWidget::hide);
    // A frame without a title row keeps its contents below the button.
    if (!qobject_cast<QGroupBox*>(panel) && panel->layout()) {
        QMargins m = panel->layout()->contentsMargins();
        m.setTop(std::max(m.top(), CloseSize + 2));
        panel->layout()->setContentsMargins(m);
    }
}

} // namespace

DrawingWindow* DrawingWindow::createWindow(WindowContext k) {
    auto* w = new DrawingWindow(k, nullptr);
    w->sub_ = k.area->addSubWindow(w, Qt::SubWindow | Qt::CustomizeWindowHint |
                                          Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint);
    w->sub_->setObjectName(QStringLiteral("Form2"));
    w->sub_->setAttribute(Qt::WA_DeleteOnClose, false);
    w->sub_->show();
    w->place();
    // The work area gets its size when the main window is shown.
    w->areaViewport_ = k.area->viewport();
    w->areaViewport_->installEventFilter(w);
    k.frame.setDrawingWindow(w->sub_);
    w->refresh();
    return w;
}

void DrawingWindow::place() {
    if (!sub_) return;
    const int percent = std::max(10, session().sizePercent());
    const QSize ram = sub_->size() - size();
    // The scaled width, or on a wider work area all that the record list
    // leaves at the right (the list places itself right of this window).
    int width = scaledTruncated(ClientWidth, percent);
    for (QMdiSubWindow* window : k_.area->subWindowList())
        if (auto* list = qobject_cast<RecordListWindow*>(window->widget()))
            width = std::max(width,
                             k_.area->viewport()->width() - 4 - list->usualWidth() - ram.width());
    const int height = std::max(200, k_.area->viewport()->height() - 2 -
                                         scaledTruncated(HeightReduction, percent));
    normalSize_ = QSize(width, height);
    const QSize client = scene_.enlarged ? enlargedSize() : normalSize_;
    sub_->setGeometry(2, 1, client.width() + ram.width(), client.height() + ram.height());
}

bool DrawingWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == areaViewport_ && event->type() == QEvent::Resize) place();
    return QWidget::eventFilter(watched, event);
}

DrawingWindow::DrawingWindow(WindowContext k, QWidget* parent)
    : QWidget(parent), k_(k), canvas_(new PictureCanvas(this)), statusLabel_(new QLabel(this)),
      orientationBox_(new QGroupBox(QStringLiteral("Orientace"), this)),
      eastWestButton_(new QPushButton(QStringLiteral("Z - V"), orientationBox_)),
      northSouthButton_(new QPushButton(QStringLiteral("S - J"), orientationBox_)),
      saveDrawingsPanel_(new SaveDrawingsPanel(this)), printPanel_(new PrintPanel(this)),
      mergePanel_(new MergePanel(this)), panel_(new GroupListPanel(this)),
      splitPanel_(new SplitPanel(this)) {
    setObjectName(QStringLiteral("DrawingWindow"));
    setFocusPolicy(Qt::StrongFocus);

    // The canvas fills the window, below the panels and the read-out.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(canvas_);
    canvas_->lower();
    canvas_->setPainter(
        [this](QPainter& p, const QRect& r) { PaintDrawingPicture(p, r, picture_); });
    canvas_->onPress([this](QMouseEvent& e) { onCanvasPress(e); });
    canvas_->onMove([this](QMouseEvent& e) { onCanvasMove(e); });
    canvas_->onRelease([this](QMouseEvent&) { onCanvasRelease(); });
    canvas_->onResize([this] { onCanvasResized(); });

    statusLabel_->setObjectName(QStringLiteral("Label1"));
    statusLabel_->setAutoFillBackground(true);
    statusLabel_->setBackgroundRole(QPalette::ToolTipBase);
    statusLabel_->setForegroundRole(QPalette::ToolTipText);
    statusLabel_->setMargin(2);
    statusLabel_->hide();

    orientationBox_->setObjectName(QStringLiteral("GroupBox1"));
    eastWestButton_->setObjectName(QStringLiteral("vyza"));
    northSouthButton_->setObjectName(QStringLiteral("seji"));
    orientationBox_->setAutoFillBackground(true);
    auto* orientationLayout = new QHBoxLayout(orientationBox_);
    orientationLayout->addWidget(eastWestButton_);
    orientationLayout->addWidget(northSouthButton_);
    orientationBox_->hide();

    connect(eastWestButton_, &QPushButton::clicked, this, &DrawingWindow::onEastWestClicked);
    connect(northSouthButton_, &QPushButton::clicked, this, &DrawingWindow::onNorthSouthClicked);
    connect(saveDrawingsPanel_->saveButton, &QPushButton::clicked, this,
            &DrawingWindow::onSaveRangeClicked);
    connect(printPanel_->printButton, &QPushButton::clicked, this, &DrawingWindow::onPrintClicked);
    connect(printPanel_->helpButton, &QPushButton::clicked, this, &DrawingWindow::onHelpClicked);
    connect(mergePanel_->chooseFileButton, &QPushButton::clicked, this,
            &DrawingWindow::onChooseMergeFileClicked);
    connect(mergePanel_->confirmMerge, &QPushButton::clicked, this,
            &DrawingWindow::onConfirmMergeClicked);
    connect(mergePanel_->cancelMergeButton, &QPushButton::clicked, this,
            &DrawingWindow::onCancelMergeClicked);
    connect(panel_->backButton, &QPushButton::clicked, panel_, &QWidget::hide);
    connect(splitPanel_->splitButton, &QPushButton::clicked, this, &DrawingWindow::onSplitClicked);
    for (QWidget* panel : panels())
        addCloseButton(panel);

    chooseFile = [this](const QString& heading) {
        return QFileDialog::getOpenFileName(this, heading,
                                            QString::fromStdString(session().dir.root().string()),
                                            QStringLiteral("Datax (*.dat)"));
    };
    choosePrinter = [this](QPrinter& printer) {
        // Without a printer the drawings go into a PDF file.
        if (QPrinterInfo::availablePrinters().isEmpty()) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            const auto drawing = shownDrawingName();
            const QString name =
                drawing
                    ? q("Tisk " + *drawing).replace(QStringLiteral(".bmp"), QStringLiteral(".pdf"))
                    : QStringLiteral("Tisk zákresu.pdf");
            runCommand(k_.messages, [&] {
                printer.setOutputFileName(QString::fromStdString(
                    (session().dir.ensureFolder("Obrázek") / name.toStdString()).string()));
            });
        }
        QPrintDialog d(&printer, this);
        return d.exec() == QDialog::Accepted;
    };

    SessionModel& model = k.model;
    connect(&model, &SessionModel::currentChanged, this, &DrawingWindow::refresh);
    connect(&model, &SessionModel::recordsChanged, this, &DrawingWindow::refresh);
}

const Session& DrawingWindow::session() const {
    return k_.model.session();
}

// ---------------------------------------------------------------------------
// Picture

void DrawingWindow::refresh() {
    const Session& s = session();
    if (s.workingRecord().Datum.empty() && s.currentIndex() >= 1 &&
        s.currentIndex() <= s.recordCount()) {
        k_.model.setCurrent(s.currentIndex()); // comes back here
        return;
    }
    // An overlay belongs to one date: another record drops it.
    magneticMap_.clear();
    scene_.magnetic = false;
    rebuild();
    saveFaculaeArea();
    heading();
    if (panel_->isVisible()) panel_->fill(picture_.model->record);
}

void DrawingWindow::rebuild() {
    scene_.width = canvas_->width();
    scene_.height = canvas_->height();
    picture_ = BuildDrawingPicture(session(), scene_, magneticMap_, &picture_);
    canvas_->update();
}

DrawingPicture DrawingWindow::paperPicture(int record, const DrawingScene& view) const {
    DrawingScene paper = view;
    paper.record = record;
    paper.drawingOnly = true;
    paper.printColours = true;
    if (record != 0) paper.magnetic = false;
    return BuildDrawingPicture(session(), paper, magneticMap_);
}

void DrawingWindow::saveFaculaeArea() {
    const Session& s = session();
    if (s.currentIndex() < 1 || s.currentIndex() > s.recordCount()) return;
    TZaznam z = s.record(s.currentIndex());
    FaculaeBitmap bitmap;
    if (StoreFaculaeArea(z, bitmap)) k_.model.setFaculaeArea(s.currentIndex(), z);
}

void DrawingWindow::heading() {
    const QString text = QStringLiteral("Zákres    ") + q(picture_.model->record.Datum.text());
    setWindowTitle(text);
    if (sub_) sub_->setWindowTitle(text);
}

void DrawingWindow::onCanvasResized() {
    rebuild();
    placePanels();
}

namespace {

// A panel as large as its contents need and at least as wide as its
// title, which the group box's own size leaves out.
void fitPanel(QWidget* panel) {
    panel->adjustSize();
    if (const auto* box = qobject_cast<const QGroupBox*>(panel)) {
        const int title = box->fontMetrics().horizontalAdvance(box->title()) + 24 + CloseSize;
        if (panel->width() < title) panel->resize(title, panel->height());
    }
}

} // namespace

QPoint PanelPosition(const QSize& client, const DrawingScale& scale, const QSize& panel) {
    const int pictureWidth = scale.width(), pictureHeight = scale.height();
    const int right = std::max(0, client.width() - panel.width() - 10);
    if (client.height() - pictureHeight >= panel.height() + PanelGap)
        return {right, pictureHeight + PanelGap};
    if (client.width() - pictureWidth >= panel.width() + PanelGap)
        return {pictureWidth + PanelGap, 10};
    return {right,
            std::max(scale.xy(TextPanelBottom), client.height() - panel.height() - PanelGap)};
}

std::vector<QWidget*> DrawingWindow::panels() const {
    return {orientationBox_, saveDrawingsPanel_, printPanel_, mergePanel_, panel_, splitPanel_};
}

void DrawingWindow::placePanels() {
    for (QWidget* w : panels()) {
        fitPanel(w);
        const QPoint at = PanelPosition(size(), picture_.scale(), w->size());
        // A panel that runs below the window gives up height (its list scrolls).
        if (at.y() + w->height() > height())
            w->resize(w->width(),
                      std::max(w->minimumSizeHint().height(), height() - at.y() - PanelGap));
        w->move(at);
        if (auto* close = w->findChild<QToolButton*>(QStringLiteral("closePanel"),
                                                     Qt::FindDirectChildrenOnly))
            close->move(w->width() - close->width() - 3, 1);
    }
}

void DrawingWindow::showPanel(QWidget* panel) {
    // One panel at a time: a new one replaces the one shown.
    for (QWidget* w : panels())
        if (w != panel) w->hide();
    placePanels();
    panel->show();
    panel->raise();
    // The panel takes the keyboard (its first field), so that typing goes
    // into it and Esc closes it even after a click on the tool bar.
    if (sub_) k_.area->setActiveSubWindow(sub_);
    QWidget* first = panel->nextInFocusChain();
    while (first != panel && !(panel->isAncestorOf(first) && first->isVisibleTo(panel) &&
                               (first->focusPolicy() & Qt::TabFocus) &&
                               first->objectName() != QStringLiteral("closePanel")))
        first = first->nextInFocusChain();
    if (first != panel) first->setFocus(Qt::OtherFocusReason);
}

bool DrawingWindow::closePanels() {
    bool closed = false;
    for (QWidget* w : panels()) {
        if (!w->isVisible()) continue;
        w->hide();
        closed = true;
    }
    if (closed) setFocus();
    return closed;
}

// ---------------------------------------------------------------------------
// Mouse

void DrawingWindow::onCanvasPress(QMouseEvent& event) {
    setFocus();
    const DrawingScale scale = picture_.scale();
    const DrawingOptions& o = picture_.options;
    const QPoint pos = event.position().toPoint();
    if (event.button() == Qt::LeftButton) {
        const auto& ephemeris = picture_.model->ephemeris;
        if (!ephemeris) return;
        const auto h = ClickReadout(*ephemeris, scale, pos.x(), pos.y(), o.orientEW, o.orientNS);
        if (!h) return;
        statusLabel_->setText(q(ClickReadoutText(*h)));
    } else if (event.button() == Qt::RightButton) {
        rightDragStart_ = WindowToDiskOffset(scale, pos.x(), pos.y(), o.orientEW, o.orientNS);
        statusLabel_->setText(QStringLiteral("0.00"));
    } else {
        return;
    }
    statusLabel_->adjustSize();
    statusLabel_->move(pos.x() + 20, pos.y());
    statusLabel_->show();
    statusLabel_->raise();
}

void DrawingWindow::onCanvasMove(QMouseEvent& event) {
    if (!(event.buttons() & Qt::RightButton) || !rightDragStart_) return;
    const DrawingScale scale = picture_.scale();
    const QPoint pos = event.position().toPoint();
    const DiskOffset now = WindowToDiskOffset(scale, pos.x(), pos.y(), picture_.options.orientEW,
                                              picture_.options.orientNS);
    if (std::hypot(now.east, now.north) > scale.xy(DiskRadius)) return;
    const double d = AngularDistance(*rightDragStart_, now, scale.diskRadiusPx());
    statusLabel_->setText(q(FormatNumber(d, "#0.00")));
    statusLabel_->adjustSize();
    statusLabel_->move(pos.x() + 20, pos.y());
}

void DrawingWindow::onCanvasRelease() {
    statusLabel_->hide();
    rightDragStart_.reset();
}

// ---------------------------------------------------------------------------
// Keys

void DrawingWindow::keyPressEvent(QKeyEvent* event) {
    // Esc closes the panel shown, also from a field of the panel.
    if (event->key() == Qt::Key_Escape && closePanels()) {
        event->accept();
        return;
    }
    if (event->text() == QStringLiteral("k")) {
        duplicateDates();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void DrawingWindow::keyReleaseEvent(QKeyEvent* event) {
    // Keys typed into the panels' fields are theirs.
    QWidget* focused = focusWidget();
    if (focused && focused != this && isAncestorOf(focused) &&
        !qobject_cast<QPushButton*>(focused)) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    if (event->isAutoRepeat()) return;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const int key = event->key();
    if (ctrl) {
        if (key == Qt::Key_G || key == Qt::Key_F11)
            switchCoordinates();
        else if (key == Qt::Key_S)
            showMergePanel();
        else if (key == Qt::Key_R || key == Qt::Key_F3)
            showSplitPanel();
        else if (key == Qt::Key_Z)
            undoMeasurement();
        else
            return QWidget::keyReleaseEvent(event);
    } else if (key == Qt::Key_P || key == Qt::Key_F1) {
        recompute();
    } else if (key == Qt::Key_F12) {
        mergeFaculae();
    } else if (key == Qt::Key_Z || key == Qt::Key_F11) {
        leaves(true);
    } else if (key == Qt::Key_V || key == Qt::Key_F7) {
        leaves(false);
    } else if (key == Qt::Key_F8) {
        if (k_.messages.ask(QStringLiteral("Uložit bitmapu zákresu"), SafeAnswer::No)) saveBitmap();
    } else if (key == Qt::Key_F9) {
        withMagnetosphere();
    } else if (key == Qt::Key_F ||
               (key == Qt::Key_6 && (event->modifiers() & Qt::KeypadModifier))) {
        measurement();
    } else {
        return QWidget::keyReleaseEvent(event);
    }
    event->accept();
}

void DrawingWindow::closeEvent(QCloseEvent* event) {
    // The window lives for the whole run; the main window's end frees it.
    event->ignore();
}

// ---------------------------------------------------------------------------
// View commands

QSize DrawingWindow::enlargedSize() const {
    const QWidget* area = k_.area->viewport();
    const QSize ram = sub_ ? sub_->size() - size() : QSize();
    const int width = std::max(200, area->width() - 4 - ram.width());
    const int height = std::max(150, area->height() - 2 - ram.height());
    const DrawingScale scale{DrawingZoom(width, height, true)};
    return {scale.width(), scale.height()};
}

void DrawingWindow::toggleSize() {
    if (!scene_.enlarged) normalSize_ = size();
    scene_.enlarged = !scene_.enlarged;
    const QSize client = scene_.enlarged ? enlargedSize() : normalSize_;
    if (sub_) {
        const QSize ram = sub_->size() - size();
        sub_->resize(client + ram);
    } else {
        resize(client);
    }
    rebuild();
    // The new size shows for a moment in the status line; the caption keeps
    // naming the drawing.
    k_.frame.showStatus(QStringLiteral("%1 x %2").arg(width()).arg(height()), 3000);
    heading();
    if (QAction* a = k_.frame.action(cmd::ToggleDrawingSize))
        a->setText(scene_.enlarged ? QStringLiteral("Zmenšit") : QStringLiteral("Zvětšit"));
}

void DrawingWindow::toggleGroupList() {
    panel_->fill(picture_.model->record);
    showPanel(panel_);
}

void DrawingWindow::toggleOrientation() {
    if (orientationBox_->isVisible())
        orientationBox_->hide();
    else
        showPanel(orientationBox_);
}

void DrawingWindow::onEastWestClicked() {
    scene_.orientEW = -scene_.orientEW;
    eastWestButton_->setText(scene_.orientEW == 1 ? QStringLiteral("Z - V")
                                                  : QStringLiteral("V - Z"));
    orientationBox_->hide();
    rebuild();
}

void DrawingWindow::onNorthSouthClicked() {
    scene_.orientNS = -scene_.orientNS;
    northSouthButton_->setText(scene_.orientNS == 1 ? QStringLiteral("S - J")
                                                    : QStringLiteral("J - S"));
    orientationBox_->hide();
    rebuild();
}

void DrawingWindow::leaves(bool visible) {
    scene_.leaves = visible;
    rebuild();
}

void DrawingWindow::measurement() {
    QAction* a = k_.frame.action(cmd::EntryFromPhoto);
    if (a && a->isEnabled()) {
        a->trigger();
        return;
    }
    k_.frame.showStatus(WindowFrame::NotReadyHint, 3000);
}

void DrawingWindow::showMergePanel() {
    showPanel(mergePanel_);
}
void DrawingWindow::showSplitPanel() {
    showPanel(splitPanel_);
}

void DrawingWindow::showSavePanel(bool bmp) {
    k_.frame.setSaveAsBmp(bmp);
    saveDrawingsPanel_->present(bmp, session().recordCount());
    showPanel(saveDrawingsPanel_);
}

void DrawingWindow::showPrintPanel() {
    printPanel_->present();
    showPanel(printPanel_);
}

// ---------------------------------------------------------------------------
// Records

void DrawingWindow::duplicateDates() {
    const auto indices = DuplicateDateRecords(session().records());
    if (indices.empty()) return;
    QStringList rows;
    for (std::size_t i = 0; i < indices.size() && rows.size() < MaxListed; ++i)
        rows << QStringLiteral("Shodné datumy !     ") +
                    q(session().record(int(indices[i]) + 1).Datum.text());
    if (indices.size() > std::size_t(MaxListed))
        rows << QStringLiteral("... a dalších %1").arg(indices.size() - MaxListed);
    k_.messages.showMessage(rows.join(QLatin1Char('\r')));
}

void DrawingWindow::switchCoordinates() {
    Messages& messages = k_.messages;
    const bool helio = !session().heliographicEntry();
    // The switch rewrites the entry mode of the whole archive and saves it:
    // it is asked, not just announced.
    const QString change =
        helio ? QStringLiteral("Souřadnice dataxu se změní z  Polárnich na  Heliografické ")
              : QStringLiteral("Souřadnice dataxu se změní z  Heliografických na polární ");
    if (!messages.askYesNo(change + QStringLiteral("\rZměnit?"))) return;
    k_.frame.setCaption(
        helio ? QStringLiteral("Zákresy Sluneční fotosféry   Vizuálně   (Heliografické souřadnice)")
              : QStringLiteral("Zákresy Sluneční fotosféry    (Polární souřadnice)"));
    runCommand(messages, [&] {
        BusyCursor busy;
        k_.model.switchEntryMode(helio);
    });
}

void DrawingWindow::undoMeasurement() {
    if (k_.model.undoMeasurement())
        k_.frame.showStatus(
            QStringLiteral("Vráceno: záznam je zase takový, jaký byl před posledním měřením"),
            10000);
    else
        k_.frame.showStatus(QStringLiteral("Není co vrátit"), 5000);
}

void DrawingWindow::recompute() {
    std::optional<std::string> error;
    {
        BusyCursor busy;
        error = k_.model.recomputeAll();
    }
    if (error) k_.messages.showMessage(q(*error));
}

void DrawingWindow::mergeFaculae() {
    const QString file = chooseFile(QStringLiteral("Soubor dat pro fakule"));
    if (file.isEmpty()) return;
    Messages& messages = k_.messages;
    runCommand(messages, [&] {
        const std::vector<TZaznam> other = ReadRecordsForMerge(pathFromText(file));
        const FaculaeMergeResult r = MergeFaculae(session().records(), other);
        k_.model.mergeFaculae(r.changed, r.added);
        messages.showMessage(QStringLiteral("Přidáno zákresů: %1\rNahrazeno polí fakulí: %2")
                                 .arg(r.added.size())
                                 .arg(r.fieldsReplaced));
        if (messages.ask(QStringLiteral("Uložit změny do souboru datax?"), SafeAnswer::No)) {
            BusyCursor busy;
            k_.model.save();
        }
    });
}

void DrawingWindow::onChooseMergeFileClicked() {
    const QString file = chooseFile(QStringLiteral("Vybrat soubor pro přidání"));
    if (file.isEmpty()) return;
    runCommand(k_.messages, [&] {
        std::vector<TZaznam> records = ReadRecordsForMerge(pathFromText(file));
        if (records.size() >= MergeFileLimit) {
            k_.messages.showMessage(QStringLiteral("Lze přidat jen 1999 zakresu !! "));
            return;
        }
        recordsToAdd_ = std::move(records);
        mergePanel_->setFile(file);
    });
}

void DrawingWindow::onConfirmMergeClicked() {
    if (recordsToAdd_.empty()) return;
    const Session& s = session();
    const auto duplicates = DuplicateDateMask(s.records(), recordsToAdd_);
    const auto count = std::count(duplicates.begin(), duplicates.end(), true);
    bool exclude = false;
    if (count > 0)
        exclude = k_.messages.ask(QStringLiteral("V přidaných datech jsou shodné datumy ") +
                                      QString::number(count) + QStringLiteral("x! Vyloučit je?"),
                                  SafeAnswer::Yes);
    const std::vector<TZaznam> toAppend = RecordsToAppend(s.records(), recordsToAdd_, exclude);
    // The file is merged once: the buffer empties.
    recordsToAdd_.clear();
    mergePanel_->setFile({});
    k_.model.mergeRecords(toAppend);
    k_.messages.showMessage(QStringLiteral("Přidáno zákresů: %1").arg(toAppend.size()));
}

void DrawingWindow::onCancelMergeClicked() {
    recordsToAdd_.clear();
    mergePanel_->setFile({});
    mergePanel_->hide();
}

void DrawingWindow::onSplitClicked() {
    runCommand(k_.messages, [&] {
        const SplitResult r = session().split(splitPanel_->rows());
        if (r.error) {
            k_.messages.showMessage(q(*r.error));
            return;
        }
        splitPanel_->hide();
        QStringList text{QStringLiteral("Dokončno rozdělení")};
        for (const SplitRowResult& row : r.rows)
            if (!row.note.empty()) text << QStringLiteral("%1: ").arg(row.row) + q(row.note);
        k_.messages.showMessage(text.join(QLatin1Char('\r')));
    });
}

// ---------------------------------------------------------------------------

void installDrawing(WindowContext k) {
    DrawingWindow* w = DrawingWindow::createWindow(k);
    k.frame.connectCommand(cmd::ToggleDrawingSize, [w] { w->toggleSize(); });
    k.frame.connectCommand(cmd::ToggleGroupList, [w] { w->toggleGroupList(); });
    k.frame.connectCommand(cmd::ToggleOrientation, [w] { w->toggleOrientation(); });
    k.frame.connectCommand(cmd::SaveDrawings, [w] { w->showSavePanel(true); });
    k.frame.connectCommand(cmd::SaveDrawingsButton, [w] { w->showSavePanel(true); });
    k.frame.connectCommand(cmd::SaveDrawingsJpeg, [w] { w->showSavePanel(false); });
    k.frame.connectCommand(cmd::PrintDrawing, [w] { w->showPrintPanel(); });
    k.frame.connectCommand(cmd::PrintDrawingButton, [w] { w->showPrintPanel(); });
    if (QAction* a = k.frame.action(cmd::ToggleDrawingSize)) a->setText(QStringLiteral("Zvětšit"));
    if (RecordListWindow* list = k.frame.recordList())
        QObject::connect(list, &RecordListWindow::f9Pressed, w, &DrawingWindow::withMagnetosphere);
}

} // namespace hk
