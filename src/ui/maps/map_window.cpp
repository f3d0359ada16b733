#include "ui/maps/map_window.h"

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

#include "maps/map_areas.h"
#include "maps/map_dates.h"
#include "records/session.h"
#include "render/corona_renderer.h"
#include "render/font_roles.h"
#include "render/magnet_comparison_renderer.h"
#include "render/magnetosphere_renderer.h"
#include "render/synoptic_map_renderer.h"
#include "ui/frame/main_window.h"
#include "ui/frame/messages.h"
#include "ui/frame/picture_canvas.h"
#include "ui/frame/session_model.h"
#include "ui/frame/tool_window.h"
#include "ui/frame/ui_helpers.h"

namespace hk {

namespace {

// The lower map of the comparison starts this far below the upper one's
// 25 q, so that its title does not run into the upper map's labels.
constexpr int ComparisonGap = 15;

// The client area: paints through the window and passes the mouse.
class Canvas : public QWidget {
  public:
    Canvas(MapWindow* window, std::function<void(const QPoint&)> pressed)
        : QWidget(window), window_(window), pressY_(std::move(pressed)) {
        setObjectName(QStringLiteral("platno"));
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::StrongFocus);
        setContextMenuPolicy(Qt::CustomContextMenu);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        window_->paint(p, rect());
    }
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) pressY_(e->position().toPoint());
    }

  private:
    MapWindow* window_;
    std::function<void(const QPoint&)> pressY_;
};

// A map that shows only some of its layers (the halves of the comparison,
// the corona or the magnetosphere alone).
SynopticMap OnlyLayers(const SynopticMap& m, bool groups, bool faculae) {
    SynopticMap v = m;
    if (!groups) {
        v.groups.clear();
        v.legend.clear();
        v.legendCaptions.clear();
    }
    if (!faculae) {
        v.faculae.clear();
        v.faculaeCentres.clear();
    }
    return v;
}

} // namespace

// ---------------------------------------------------------------------------
// Opening and closing

MapWindow* MapWindow::openInstance(QMdiArea* area) {
    if (!area) return nullptr;
    for (MapWindow* w : area->findChildren<MapWindow*>())
        if (!w->closed_) return w;
    return nullptr;
}

MapWindow* MapWindow::openWindow(const WindowContext& k) {
    if (MapWindow* w = openInstance(k.area)) {
        k.area->setActiveSubWindow(w->sub_);
        return w;
    }
    BusyCursor busy;
    auto* w = new MapWindow(k);
    QMdiSubWindow* sub = k.area->addSubWindow(w);
    w->sub_ = sub;
    sub->setObjectName(QStringLiteral("Form7"));
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // The whole work area: the map is as large as its height allows.
    const QRect area = k.area->viewport()->rect();
    sub->setGeometry(1, 1, std::max(400, area.width() - 8), std::max(300, area.height() - 8));
    k.frame.showPanel(QStringLiteral("promapu"));
    if (QAction* a = k.frame.action(QStringLiteral("map"))) a->setEnabled(false);
    sub->show();
    k.area->setActiveSubWindow(sub);
    w->canvas_->setFocus();
    QObject::connect(k.area, &QMdiArea::subWindowActivated, w, [w](QMdiSubWindow* activated) {
        if (activated && activated != w->sub_ && !w->closed_) w->onCloseClicked();
    });
    w->change();
    return w;
}

MapWindow::MapWindow(const WindowContext& k, QWidget* parent)
    : QWidget(parent), context_(k), menu_(new QMenuBar(this)), popup_(new QMenu(this)),
      toolBar_(new QToolBar(this)),
      canvas_(new Canvas(this, [this](const QPoint& point) { textPlace(point); })),
      coronaGraphScroll_(new QScrollBar(Qt::Horizontal, this)),
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
        if (QAction* a = context_.frame.action(QStringLiteral("vloztext"))) a->setChecked(false);
        canvas_->setFocus();
    });
    connect(coronaGraphScroll_, &QScrollBar::valueChanged, this, [this] { change(); });
    connect(coronaDayScroll_, &QScrollBar::valueChanged, this, [this] { change(); });
    connect(canvas_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& point) { popup_->popup(canvas_->mapToGlobal(point)); });
    connect(&context_.model, &SessionModel::recordsChanged, this, [this] { change(); });

    // The map starts from the working record's rotation.
    const TZaznam& z = s.workingRecord();
    rotation_ = z.Rotace;
    datum_ = RecordDate(z);
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
    rebuild();
    magnetosphere_ = ReadMagnDat(s.dir, MagnBlocks(index_.lastRotation()));
    setWindowTitle(q(MapCaption(rotation_)));
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
    state("koronazap", layers_.coronaOn);
    state("magnetzap", layers_.magnetosphereOn);
    state("magnobr", layers_.magnetospherePicture);
    state("fakulzap", layers_.faculaeOn);
    state("plochazap", layers_.areasOn);
    state("Stredfakuli", layers_.faculaeCentres);
    state("koronapod", layers_.coronaUnderlay);
    state("MagnetoSfera1", layers_.magnetosphereOn);
    state("Srovnani", comparing_);
    state("SpeedButton1", !magnetosphereDataBox_->isHidden());
    const bool corona = view_ == MapView::CoronaGraph || view_ == MapView::CoronaButterfly ||
                        view_ == MapView::CoronaGlobal;
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
        if (p == view_) state(name, true);
    if (QAction* mv = actions_.value(QStringLiteral("mensivetsi")))
        mv->setText(smaller_ ? QStringLiteral("Zvětšit") : QStringLiteral("Zmenšit"));
    // The main panel's buttons show the same states.
    auto dole = [this](const char* name, bool on) {
        if (QAction* a = context_.frame.action(QString::fromLatin1(name))) {
            a->setCheckable(true);
            a->setChecked(on);
        }
    };
    dole("koronpod", layers_.coronaUnderlay);
    dole("magnetpod", layers_.magnetosphereOn);
    dole("srovnan", comparing_);
    if (QAction* a = context_.frame.action(QStringLiteral("SpeedButton6")))
        a->setText(zoom_ == 2 ? QStringLiteral("1x") : QStringLiteral("2x"));
}

void MapWindow::setView(MapView view) {
    if (view_ != view) texts_.clear();
    view_ = view;
    const bool map = view == MapView::Single;
    if (view == MapView::Long || view == MapView::High || view == MapView::Two)
        layers_.coronaUnderlay = false;
    if (map) toolBar_->show();
    if (view == MapView::Long || view == MapView::High || view == MapView::Two ||
        view == MapView::CoronaGlobal)
        toolBar_->hide();
    coronaGraphScroll_->setVisible(view == MapView::CoronaGraph ||
                                   view == MapView::CoronaButterfly);
    coronaDayScroll_->setVisible(view == MapView::CoronaGlobal);
    if (!map) {
        rotationList_->hide();
        magnetosphereDataBox_->hide();
    }
    change();
}

void MapWindow::change() {
    if (closed_) return;
    rebuild();
    arrange();
    updateButtons();
    setWindowTitle(q(MapCaption(rotation_)));
    canvas_->update();
}

int MapWindow::comparisonScale() const {
    // (main window width div 64) - 3, as long as both maps fit the height.
    QWidget* mainWindow = context_.area ? context_.area->window() : nullptr;
    const int q = (mainWindow ? mainWindow->width() : width()) / 64 - 3;
    const int height = (canvas_->height() - ComparisonGap) / 54;
    return std::max(1, std::min(q, height));
}

std::optional<Date> MapWindow::rotationDate(int rotation) const {
    const Session& s = context_.model.session();
    const int position = index_.position(rotation);
    if (position >= 0) {
        const int k = index_.L()[std::size_t(position)];
        return s.geometry(k, k).record(k).date;
    }
    if (rotation == rotation_ && datum_) return datum_;
    return MapRotationDates(rotation).startDate;
}

const MagnetosphereData& MapWindow::withMagnetosphere(int rotation) {
    for (const MagnetosphereData& d : magnetData_)
        if (d.rotation == rotation) return d;
    const std::optional<Date> d = rotationDate(rotation);
    // Keeps the two rotations of the comparison.
    if (magnetData_.size() >= 2) magnetData_.erase(magnetData_.begin());
    magnetData_.push_back(LoadMagnetosphere(context_.model.session().dir,
                                            d.value_or(MapRotationDates(rotation).startDate),
                                            rotation, magnetosphere_));
    return magnetData_.back();
}

const GeometryCache& MapWindow::geometryShown() const {
    const Session& s = context_.model.session();
    const auto records = s.records();
    const auto rotation = [&](int R) {
        const RecordRange range = index_.range(records, R);
        return &s.geometry(range.first, range.last);
    };
    switch (view_) {
    case MapView::Single:
        // The magnetosphere comparison runs over the rotations of the list.
        if (!magnetosphereDataBox_->isHidden()) return s.geometry();
        if (comparing_) rotation(lowerRotation());
        return *rotation(rotation_);
    case MapView::CoronaSeparate:
    case MapView::MagnetSeparate:
        return *rotation(rotation_);
    case MapView::Long:
    case MapView::High:
    case MapView::Two:
        return s.geometry();
    default: // the corona's views read no record
        return s.geometry(1, 0);
    }
}

void MapWindow::rebuild() {
    const Session& s = context_.model.session();
    if (revision_ != s.revision()) {
        index_ = RotationIndex::of(s.records());
        revision_ = s.revision();
        magnetData_.clear();
        rotationList_->clear();
        for (int r : index_.rotations())
            rotationList_->addItem(QString::number(r));
        selectedRow_ = index_.position(rotation_);
    }
    ++builds_;
    const auto records = s.records();
    const GeometryCache& g = geometryShown();
    const CoronaTable& corona = this->corona();
    const int w = canvas_->width();
    const int h = canvas_->height();
    if (view_ == MapView::Single && !magnetosphereDataBox_->isHidden()) {
        magnetComparison_ =
            MakeMagnetComparison(records, g, index_, magnetosphere_, comparisonOptions_,
                                 MagnetComparisonRows(h, comparisonOptions_.rowHeight));
        return;
    }
    switch (view_) {
    case MapView::Single:
    case MapView::CoronaSeparate:
    case MapView::MagnetSeparate: {
        if (comparing_ && view_ == MapView::Single) {
            const int q = comparisonScale();
            map_ = MakeSynopticMap(records, g, index_, rotation_, q);
            lowerMap_ = MakeSynopticMap(records, g, index_, lowerRotation(), q);
            ScaleMapAreas(map_, zoom_);
            ScaleMapAreas(lowerMap_, zoom_);
            coronaUnder_ = (upperLayers_ & ComparisonCorona)
                               ? MakeCoronaUnderMap(corona, rotation_, q, 0)
                               : CoronaUnderMapModel{};
            coronaUnderLower_ = (lowerLayers_ & ComparisonCorona)
                                    ? MakeCoronaUnderMap(corona, lowerRotation(), q, 0)
                                    : CoronaUnderMapModel{};
            magnet_ = (upperLayers_ & ComparisonMagnet)
                          ? LayoutMagnetosphere(withMagnetosphere(rotation_), q, 0)
                          : MagnetosphereLayer{};
            magnetLower_ = (lowerLayers_ & ComparisonMagnet)
                               ? LayoutMagnetosphere(withMagnetosphere(lowerRotation()), q, 0)
                               : MagnetosphereLayer{};
            magnetospherePicture_ = {};
            break;
        }
        map_ = MakeFittedSynopticMap(records, g, index_, rotation_, w, h);
        const int sm = map_.s;
        ScaleMapAreas(map_, zoom_);
        const bool coronaUnder =
            view_ == MapView::CoronaSeparate ||
            (view_ == MapView::Single && (layers_.coronaUnderlay || layers_.coronaOn));
        coronaUnder_ =
            coronaUnder ? MakeCoronaUnderMap(corona, rotation_, sm, 0) : CoronaUnderMapModel{};
        const bool magnet = view_ == MapView::MagnetSeparate ||
                            (view_ == MapView::Single && layers_.magnetosphereOn);
        magnet_ = magnet ? LayoutMagnetosphere(withMagnetosphere(rotation_), sm, 0)
                         : MagnetosphereLayer{};
        magnetospherePicture_ = view_ == MapView::Single && layers_.magnetospherePicture
                                    ? LoadMagnetoPicture(s.dir, rotation_)
                                    : QImage();
        break;
    }
    case MapView::Long:
        strips_ = MakeStripView(records, g, index_, rotation_, LongMapStrips, StripKind::Long,
                                LongMapScale(w), false);
        ScaleStripAreas(strips_, zoom_);
        break;
    case MapView::High:
        strips_ = MakeStripView(records, g, index_, rotation_, HighMapStripCount(w, h),
                                StripKind::High, StripScale(w), true);
        ScaleStripAreas(strips_, zoom_);
        break;
    case MapView::Two:
        // The rotation and the next one of the list.
        strips_ = MakeTwoMapView(records, g, index_, rotation_, TwoMapScale(w, h));
        ScaleStripAreas(strips_, zoom_);
        break;
    case MapView::CoronaGraph:
        coronaGraph_ = MakeCoronaGraph(corona, std::max(1, coronaGraphScroll_->value()));
        break;
    case MapView::CoronaButterfly:
        if (!coronaButterfly_)
            coronaButterfly_ = std::make_unique<CoronaButterflyModel>(MakeCoronaButterfly(corona));
        break;
    case MapView::CoronaGlobal:
        coronaDay_ = MakeCoronaDay(corona, std::size_t(std::max(0, coronaDayScroll_->value())));
        break;
    }
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
    comparisonPanel_->setVisible(comparing_ && view_ == MapView::Single);
    comparisonPanel_->raise();
    magnetosphereDataBox_->move(std::max(0, w - magnetosphereDataBox_->width() - 4),
                                10 + sizeLabel_->height());
    shiftLabel_->setText(QStringLiteral("Posun %1   rotace %2").arg(shift_).arg(lowerRotation()));
}

// ---------------------------------------------------------------------------
// Painting

void MapWindow::paint(QPainter& p, const QRect& r) const {
    p.fillRect(r, Qt::white);
    const CoronaViewOptions options{scaledRounded(13, context_.model.session().sizePercent())};
    switch (view_) {
    case MapView::Single:
        if (!magnetosphereDataBox_->isHidden())
            // Left of the group box, which stays over the right edge.
            PaintMagnetComparison(
                p,
                r.adjusted(0, 0, -std::min(r.width() / 2, magnetosphereDataBox_->width() + 8), 0),
                magnetComparison_, options.fontPixels);
        else if (comparing_)
            paintComparison(p, r);
        else
            paintMap(p, r);
        break;
    case MapView::CoronaSeparate:
        paintHalf(p, r, map_, ComparisonCorona, coronaUnder_, {});
        break;
    case MapView::MagnetSeparate:
        paintHalf(p, r, map_, ComparisonMagnet, {}, magnet_);
        break;
    case MapView::Long:
    case MapView::High:
    case MapView::Two:
        PaintStripView(p, r, strips_);
        break;
    case MapView::CoronaGraph:
        PaintCoronaGraph(p, r, coronaGraph_, options);
        break;
    case MapView::CoronaButterfly:
        if (coronaButterfly_)
            PaintCoronaButterfly(p, r, *coronaButterfly_,
                                 {coronaGraphScroll_->value(), options.fontPixels});
        break;
    case MapView::CoronaGlobal:
        PaintCoronaDay(p, r, coronaDay_, options);
        break;
    }
    if (!texts_.empty()) {
        p.save();
        p.setPen(Qt::black);
        p.setFont(SansFont(map_.canvasFont > 0 ? map_.canvasFont : 13));
        for (const auto& [point, text] : texts_)
            p.drawText(point + QPoint(0, p.fontMetrics().ascent()), text);
        p.restore();
    }
}

void MapWindow::paintMap(QPainter& p, const QRect& r) const {
    SynopticMapOptions o;
    o.faculaeOn = layers_.faculaeOn;
    o.areasOn = layers_.areasOn;
    o.faculaeCentres = layers_.faculaeCentres;
    const int s = map_.s;
    PaintSynopticMap(p, r, map_, o, [this, r, s](QPainter& q) {
        const QRect layer(QPoint(0, 0), r.size());
        if (!magnetospherePicture_.isNull())
            PaintMagnetoPicture(q, layer, magnetospherePicture_, s);
        if (coronaUnder_.present) PaintCoronaUnderMap(q, layer, coronaUnder_);
        if (!magnet_.empty()) PaintMagnetosphereLayer(q, layer, magnet_);
    });
}

void MapWindow::paintHalf(QPainter& p, const QRect& r, const SynopticMap& m, unsigned layers,
                          const CoronaUnderMapModel& corona,
                          const MagnetosphereLayer& magnet) const {
    SynopticMapOptions o;
    o.faculaeOn = (layers & ComparisonFaculae) != 0;
    o.areasOn = layers_.areasOn;
    o.faculaeCentres = false;
    o.legendX = false;
    const SynopticMap only =
        OnlyLayers(m, (layers & ComparisonSpots) != 0, (layers & ComparisonFaculae) != 0);
    PaintSynopticMap(p, r, only, o, [&, r](QPainter& q) {
        const QRect layer(QPoint(0, 0), r.size());
        if ((layers & ComparisonCorona) && corona.present) PaintCoronaUnderMap(q, layer, corona);
        if ((layers & ComparisonMagnet) && !magnet.empty())
            PaintMagnetosphereLayer(q, layer, magnet);
    });
}

void MapWindow::paintComparison(QPainter& p, const QRect& r) const {
    const int q = map_.s;
    const int bounds = 25 * q + ComparisonGap;
    const QRect upper(r.left(), r.top(), r.width(), bounds);
    const QRect lower(r.left(), r.top() + bounds, r.width(), r.height() - bounds);
    p.save();
    p.setClipRect(upper);
    if (upperLayers_) paintHalf(p, upper, map_, upperLayers_, coronaUnder_, magnet_);
    p.setClipRect(lower);
    if (lowerLayers_) paintHalf(p, lower, lowerMap_, lowerLayers_, coronaUnderLower_, magnetLower_);
    p.restore();
}

QImage MapWindow::picture() const {
    QImage image(canvas_->size(), QImage::Format_RGB32);
    QPainter p(&image);
    paint(p, image.rect());
    return image;
}

bool MapWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == canvas_ && event->type() == QEvent::Resize) change();
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

void MapWindow::closeEvent(QCloseEvent* e) {
    if (!closed_) {
        closed_ = true;
        // The frame gets its default panel (unless the window that closed
        // the map has shown its own) and the map command back; the map
        // chose its rotation without touching the working record.
        RestorePanel(context_.frame, QStringLiteral("promapu"));
        if (QAction* a = context_.frame.action(QStringLiteral("map"))) a->setEnabled(true);
        // The panel's buttons show no state of a map that is gone.
        for (const char* name : {"vloztext", "koronpod", "magnetpod", "srovnan"})
            if (QAction* a = context_.frame.action(QString::fromLatin1(name))) a->setChecked(false);
        if (QAction* a = context_.frame.action(QStringLiteral("SpeedButton6")))
            a->setText(QStringLiteral("2x"));
        magnetData_.clear();
        magnetosphere_ = {};
    }
    QWidget::closeEvent(e);
}

} // namespace hk
