#include "ui/maps/map_window.h"
#include "ui/frame/command_names.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "maps/map_dates.h"
#include "records/session.h"
#include "render/font_roles.h"
#include "render/map_picture_renderer.h"
#include "ui/frame/messages.h"
#include "ui/frame/picture_canvas.h"
#include "ui/frame/session_model.h"
#include "ui/frame/tool_window.h"
#include "ui/frame/ui_helpers.h"

namespace hk {

// ---------------------------------------------------------------------------
// Opening and closing

MapWindow* MapWindow::openWindow(const WindowContext& k) {
    if (MapWindow* w = openInstance(k.area)) {
        w->activate();
        return w;
    }
    BusyCursor busy;
    auto* w = new MapWindow(k);
    // The whole work area: the map is as large as its height allows.
    w->showInArea(QStringLiteral("Form7"), ToolWindowRect(k.area, {8, 8}, {400, 300}, false));
    if (QAction* a = k.frame.action(cmd::Maps)) a->setEnabled(false);
    w->canvas_->setFocus();
    w->change();
    return w;
}

MapWindow::MapWindow(const WindowContext& k)
    : ToolWindow(k.frame, k.area, QString::fromLatin1(panel::Map)), context_(k),
      menu_(new QMenuBar(this)), popup_(new QMenu(this)), toolBar_(new QToolBar(this)),
      canvas_(new PictureCanvas(this)), coronaGraphScroll_(new QScrollBar(Qt::Horizontal, this)),
      coronaDayScroll_(new QScrollBar(Qt::Horizontal, this)),
      rotationList_(new QListWidget(canvas_)), sizeLabel_(new QLabel(canvas_)),
      comparisonPanel_(new QFrame(canvas_)),
      comparisonShiftScroll_(new QScrollBar(Qt::Horizontal, comparisonPanel_)),
      shiftLabel_(new QLabel(comparisonPanel_)), magnetosphereDataBox_(new QGroupBox(canvas_)),
      mapTextEdit_(new QLineEdit(canvas_)) {
    setObjectName(QStringLiteral("Form7"));
    menu_->setObjectName(QStringLiteral("MainMenu1"));
    toolBar_->setObjectName(QStringLiteral("Toolbar1"));
    coronaGraphScroll_->setObjectName(QStringLiteral("ScrollBar1"));
    coronaDayScroll_->setObjectName(QStringLiteral("ScrollBar2"));
    rotationList_->setObjectName(QStringLiteral("ListBox1"));
    sizeLabel_->setObjectName(QStringLiteral("Label2"));
    mapTextEdit_->setObjectName(QStringLiteral("Edit5"));
    popup_->setObjectName(QStringLiteral("PopupMenu1"));
    setFocusPolicy(Qt::StrongFocus);

    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    l->setMenuBar(menu_);
    l->addWidget(toolBar_);
    l->addWidget(canvas_, 1);
    l->addWidget(coronaGraphScroll_);
    l->addWidget(coronaDayScroll_);
    coronaGraphScroll_->hide();
    coronaDayScroll_->hide();
    canvas_->setFocusPolicy(Qt::StrongFocus);
    canvas_->setContextMenuPolicy(Qt::CustomContextMenu);
    canvas_->setPainter([this](QPainter& p, const QRect& r) { paint(p, r); });
    canvas_->onPress([this](QMouseEvent& e) {
        if (e.button() == Qt::LeftButton) textPlace(e.position().toPoint());
    });
    canvas_->onResize([this] { change(); });
    canvas_->installEventFilter(this);

    const Session& s = context_.model.session();
    const int percent = s.sizePercent();
    rotationList_->setFixedSize(scaledRounded(90, percent), scaledRounded(300, percent));
    rotationList_->move(4, 4);
    rotationList_->hide();
    rotationList_->installEventFilter(this);
    connect(rotationList_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* i) { chooseRotation(rotationList_->row(i)); });
    sizeLabel_->setAutoFillBackground(true);
    mapTextEdit_->hide();
    connect(mapTextEdit_, &QLineEdit::returnPressed, this, [this] {
        insertText(textPoint_, mapTextEdit_->text());
        mapTextEdit_->hide();
        mapTextEdit_->clear();
        if (QAction* a = context_.frame.action(cmd::MapInsertText)) a->setChecked(false);
        canvas_->setFocus();
    });
    connect(coronaGraphScroll_, &QScrollBar::valueChanged, this, [this](int value) {
        if (scene_.view == MapView::CoronaButterfly)
            scene_.coronaButterflyScroll = value;
        else
            scene_.coronaGraphPosition = std::max(1, value);
        change();
    });
    connect(coronaDayScroll_, &QScrollBar::valueChanged, this, [this](int value) {
        scene_.coronaDay = std::size_t(std::max(0, value));
        change();
    });
    connect(canvas_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& point) { popup_->popup(canvas_->mapToGlobal(point)); });
    connect(&context_.model, &SessionModel::recordsChanged, this, [this] { change(); });

    // The map starts from the working record's rotation.
    const TZaznam& z = s.workingRecord();
    scene_.rotation = z.Rotace;
    scene_.recordDate = RecordDate(z);
    today = [] {
        const QDate d = QDate::currentDate();
        return Date{d.year(), d.month(), d.day()};
    };
    choosePrinter = [this](QPrinter& printer) {
        return ChoosePrinter(printer, this, context_.messages, context_.model.session().dir,
                             QStringLiteral("Mapa.pdf"));
    };

    createMenu();
    createTools();
    createComparison();
    createMagnetosphereData();
    index_ = RotationIndex::of(s.records());
    magnetosphere_ = ReadMagnDat(s.dir, MagnBlocks(index_.lastRotation()));
    rebuild();
    setWindowTitle(q(MapCaption(scene_.rotation)));
}

MapWindow::~MapWindow() = default;

QAction* MapWindow::action(const QString& objectName) const {
    return actions_.value(objectName);
}

// ---------------------------------------------------------------------------
// State changes

void MapWindow::updateButtons() {
    auto state = [this](const char* name, bool on) {
        if (QAction* a = actions_.value(QString::fromLatin1(name))) a->setChecked(on);
    };
    const MapLayerSwitches& layers = scene_.layers;
    state("koronazap", layers.coronaOn);
    state("magnetzap", layers.magnetosphereOn);
    state("magnobr", layers.magnetospherePicture);
    state("fakulzap", layers.faculaeOn);
    state("plochazap", layers.areasOn);
    state("Stredfakuli", layers.faculaeCentres);
    state("koronapod", layers.coronaUnderlay);
    state("MagnetoSfera1", layers.magnetosphereOn);
    state("Srovnani", scene_.comparing);
    state("SpeedButton1", scene_.magnetComparison);
    const MapView view = scene_.view;
    const bool corona = view == MapView::CoronaGraph || view == MapView::CoronaButterfly ||
                        view == MapView::CoronaGlobal;
    state("Korona1", corona);
    const std::pair<MapView, const char*> radioItems[] = {
        {MapView::Single, "mapky"},
        {MapView::Long, "dlouhamap"},
        {MapView::High, "vysokamap"},
        {MapView::Two, "dvenadsebou"},
        {MapView::CoronaGraph, "KoronaGraf"},
        {MapView::CoronaButterfly, "Koronamotyl"},
        {MapView::CoronaGlobal, "koronaglob"},
        {MapView::CoronaSeparate, "Koronazvlast"},
        {MapView::MagnetSeparate, "Magnetzvlast"}};
    for (const auto& [p, name] : radioItems)
        if (p == view) state(name, true);
    if (QAction* mv = actions_.value(QStringLiteral("mensivetsi")))
        mv->setText(smaller_ ? QStringLiteral("Zvětšit") : QStringLiteral("Zmenšit"));
    // The main panel's buttons show the same states.
    auto dole = [this](const char* name, bool on) {
        if (QAction* a = context_.frame.action(QString::fromLatin1(name))) {
            a->setCheckable(true);
            a->setChecked(on);
        }
    };
    dole("koronpod", layers.coronaUnderlay);
    dole("magnetpod", layers.magnetosphereOn);
    dole("srovnan", scene_.comparing);
    if (QAction* a = context_.frame.action(cmd::MapDoubleAreas))
        a->setText(scene_.zoom == 2 ? QStringLiteral("1x") : QStringLiteral("2x"));
}

void MapWindow::setView(MapView view) {
    if (scene_.view != view) texts_.clear();
    scene_.view = view;
    const bool map = view == MapView::Single;
    if (view == MapView::Long || view == MapView::High || view == MapView::Two)
        scene_.layers.coronaUnderlay = false;
    if (map) toolBar_->show();
    if (view == MapView::Long || view == MapView::High || view == MapView::Two ||
        view == MapView::CoronaGlobal)
        toolBar_->hide();
    coronaGraphScroll_->setVisible(view == MapView::CoronaGraph ||
                                   view == MapView::CoronaButterfly);
    coronaDayScroll_->setVisible(view == MapView::CoronaGlobal);
    if (!map) {
        rotationList_->hide();
        scene_.magnetComparison = false;
    }
    change();
}

void MapWindow::change() {
    if (closing()) return;
    rebuild();
    arrange();
    updateButtons();
    setWindowTitle(q(MapCaption(scene_.rotation)));
    canvas_->update();
}

void MapWindow::rebuild() {
    const Session& s = context_.model.session();
    if (revision_ != s.revision()) {
        index_ = RotationIndex::of(s.records());
        revision_ = s.revision();
        cache_.magnetosphere.clear();
        rotationList_->clear();
        for (int r : index_.rotations())
            rotationList_->addItem(QString::number(r));
        selectedRow_ = index_.position(scene_.rotation);
    }
    ++builds_;
    // The comparison's scale follows the main window's width.
    QWidget* mainWindow = context_.area ? context_.area->window() : nullptr;
    scene_.frameWidth = mainWindow ? mainWindow->width() : width();
    scene_.width = canvas_->width();
    scene_.height = canvas_->height();
    scene_.sizePercent = s.sizePercent();
    scene_.magnetComparisonMargin = magnetosphereDataBox_->width() + 8;
    picture_ = BuildMapPicture(s, {corona(), magnetosphere_, &cache_}, scene_);
}

// Places the controls that lie on the client area.
void MapWindow::arrange() {
    const int w = canvas_->width();
    sizeLabel_->setText(QString::number(w) + QStringLiteral(" x ") +
                        QString::number(canvas_->height()));
    sizeLabel_->adjustSize();
    sizeLabel_->move(std::max(0, w - sizeLabel_->width() - 4), 2);
    sizeLabel_->raise();
    comparisonPanel_->adjustSize();
    const int x = std::min(static_cast<int>(std::lround(w * 680.0 / 1024)),
                           w - comparisonPanel_->width() - 4);
    comparisonPanel_->move(std::max(0, x), 10 + sizeLabel_->height());
    comparisonPanel_->setVisible(scene_.comparing && scene_.view == MapView::Single);
    comparisonPanel_->raise();
    magnetosphereDataBox_->move(std::max(0, w - magnetosphereDataBox_->width() - 4),
                                10 + sizeLabel_->height());
    magnetosphereDataBox_->setVisible(scene_.magnetComparison && scene_.view == MapView::Single);
    if (scene_.magnetComparison) magnetosphereDataBox_->raise();
    shiftLabel_->setText(
        QStringLiteral("Posun %1   rotace %2").arg(scene_.shift).arg(lowerRotation()));
}

// ---------------------------------------------------------------------------
// Painting

void MapWindow::paint(QPainter& p, const QRect& r) const {
    PaintMapPicture(p, r, picture_);
    if (!texts_.empty()) {
        p.save();
        p.setPen(Qt::black);
        const int font = picture_.map.canvasFont;
        p.setFont(SansFont(font > 0 ? font : 13));
        for (const auto& [point, text] : texts_)
            p.drawText(point + QPoint(0, p.fontMetrics().ascent()), text);
        p.restore();
    }
}

QImage MapWindow::picture() const {
    return canvas_->picture();
}

bool MapWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == rotationList_ && event->type() == QEvent::KeyRelease) {
        auto* k = static_cast<QKeyEvent*>(event);
        if (rotationList_->currentRow() >= 0) setRotationIndex(rotationList_->currentRow());
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter || k->key() == Qt::Key_Escape) {
            rotationList_->hide();
            canvas_->setFocus();
        }
        return true;
    }
    if ((watched == canvas_ || watched == rotationList_) && event->type() == QEvent::KeyRelease) {
        keyReleaseEvent(static_cast<QKeyEvent*>(event));
        return event->isAccepted();
    }
    return QWidget::eventFilter(watched, event);
}

void MapWindow::windowClosing() {
    // The frame gets the map command back; the map chose its rotation
    // without touching the working record.
    if (QAction* a = context_.frame.action(cmd::Maps)) a->setEnabled(true);
    // The panel's buttons show no state of a map that is gone.
    for (const char* name : {"vloztext", "koronpod", "magnetpod", "srovnan"})
        if (QAction* a = context_.frame.action(QString::fromLatin1(name))) a->setChecked(false);
    if (QAction* a = context_.frame.action(cmd::MapDoubleAreas)) a->setText(QStringLiteral("2x"));
    cache_ = {};
    magnetosphere_ = {};
}

} // namespace hk
