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
#include "ui/frame/session_model.h"
#include "ui/frame/tool_window.h"
#include "ui/frame/ui_helpers.h"
#include "ui/graphs/graph_canvas.h"

namespace hk {

namespace {

const QString NoFurtherData = QStringLiteral("Nejsou další data");
constexpr int ShiftCentre = 10; // ScrollBar3 0..20, 10 = no shift
constexpr QSize SmallSize{812, 581};
// The lower map of the comparison starts this far below the upper one's
// 25 q, so that its title does not run into the upper map's labels.
constexpr int ComparisonGap = 15;
// The corona butterfly's margins beside its columns (one a rotation): the
// captions on the left, the last rotation's number on the right.
constexpr int CoronaButterflyMargin = 160;

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

void MapWindow::createMenu() {
    auto add = [this](QWidget* target, const char* name, const QString& text, auto fn,
                      bool checkable = false) {
        auto* a = new QAction(text, this);
        a->setObjectName(QString::fromLatin1(name));
        a->setCheckable(checkable);
        connect(a, &QAction::triggered, this, fn);
        target->addAction(a);
        actions_.insert(a->objectName(), a);
        return a;
    };
    auto* views = new QActionGroup(this);
    auto radio = [&](QWidget* target, const char* name, const QString& text, auto fn) {
        QAction* a = add(target, name, text, fn, true);
        views->addAction(a);
        return a;
    };
    add(menu_, "zavritm", QStringLiteral("&Zavřít"), [this] { onCloseClicked(); });
    add(menu_, "vyberm", QStringLiteral(" &Rotace"), [this] { onChooseRotationClicked(); });
    radio(menu_, "mapky", QStringLiteral("Mapa otočky"), [this] {
        onSingleMapClicked();
    })->setChecked(true);
    radio(menu_, "dlouhamap", QStringLiteral("Dlouhá  mapa"), [this] { onLongMapClicked(); });
    radio(menu_, "vysokamap", QStringLiteral("Vysoká  mapa"), [this] { onHighMapClicked(); });
    auto* corona = new QMenu(QStringLiteral("Korona"), menu_);
    corona->setObjectName(QStringLiteral("Korona1"));
    corona->menuAction()->setObjectName(QStringLiteral("Korona1"));
    corona->menuAction()->setCheckable(true);
    actions_.insert(QStringLiteral("Korona1"), corona->menuAction());
    menu_->addMenu(corona);
    radio(corona, "KoronaGraf", QStringLiteral("Korona Graf"), [this] { onCoronaGraphClicked(); });
    radio(corona, "Koronamotyl", QStringLiteral("Korona motýl"),
          [this] { onCoronaButterflyClicked(); });
    radio(corona, "koronaglob", QStringLiteral("Korona skutečná"),
          [this] { onCoronaGlobalClicked(); });
    corona->menuAction()->setEnabled(this->corona().present());
    add(
        menu_, "koronapod", QStringLiteral("Korona pod mapu"),
        [this] { onCoronaUnderlayClicked(); }, true);
    add(
        menu_, "MagnetoSfera1", QStringLiteral("MagnetoSfera"),
        [this] { onMagnetosphereClicked(); }, true);
    add(
        menu_, "Srovnani", QStringLiteral("Srovnávání"), [this] { onComparisonClicked(); }, true);
    radio(menu_, "dvenadsebou", QStringLiteral("Dvě nadsebou"), [this] { onTwoMapsClicked(); });
    add(menu_, "Tisk1", QStringLiteral("&Tisk"), [this] { onPrintClicked(); });
    radio(popup_, "Koronazvlast", QStringLiteral("Korona zvvlašť"),
          [this] { onCoronaSeparateClicked(); });
    radio(popup_, "Magnetzvlast", QStringLiteral("Magnetosféra zvlášť"),
          [this] { onMagnetSeparateClicked(); });
}

void MapWindow::createTools() {
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    // (name, caption, hint); a button that is up (Flat) is off.
    const std::tuple<const char*, const char*, const char*> layers[] = {
        {"koronazap", "Korona", "Korona pod mapou"},
        {"magnetzap", "Magnetosféra", "Magnetosféra"},
        {"magnobr", "Obr. magnetosféry", "Obrázek magnetosféry"},
        {"fakulzap", "Fakule", "Fakule"},
        {"plochazap", "Plochy", "Plochy skupin"},
        {"Stredfakuli", "SF", "Středy fakulí"},
    };
    for (const auto& [name, text, hint] : layers) {
        auto* a = new QAction(QString::fromUtf8(text), this);
        const QString button = QString::fromLatin1(name);
        a->setObjectName(button);
        a->setToolTip(QString::fromUtf8(hint));
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, button] { onLayerClicked(button); });
        toolBar_->addAction(a);
        toolBar_->widgetForAction(a)->setObjectName(button);
        actions_.insert(button, a);
    }
    toolBar_->addSeparator();
    auto* mv = new QAction(QStringLiteral("Zmenšit"), this);
    mv->setObjectName(QStringLiteral("mensivetsi"));
    connect(mv, &QAction::triggered, this, [this] { onSizeClicked(); });
    toolBar_->addAction(mv);
    toolBar_->widgetForAction(mv)->setObjectName(QStringLiteral("mensivetsi"));
    actions_.insert(mv->objectName(), mv);
    auto* sb = new QAction(QStringLiteral("Porovnání magnetosféry"), this);
    sb->setObjectName(QStringLiteral("SpeedButton1"));
    sb->setCheckable(true);
    connect(sb, &QAction::triggered, this, [this] { onMagnetComparisonClicked(); });
    toolBar_->addAction(sb);
    toolBar_->widgetForAction(sb)->setObjectName(QStringLiteral("SpeedButton1"));
    actions_.insert(sb->objectName(), sb);
    updateButtons();
}

void MapWindow::createComparison() {
    comparisonPanel_->setObjectName(QStringLiteral("Panelsrovnani"));
    comparisonPanel_->setFrameShape(QFrame::Panel);
    comparisonPanel_->setFrameShadow(QFrame::Raised);
    comparisonPanel_->setAutoFillBackground(true);
    auto* g = new QGridLayout(comparisonPanel_);
    g->setContentsMargins(4, 4, 4, 4);
    g->setSpacing(2);
    auto button = [this, g](const char* name, const QString& text, int row, int column, auto fn) {
        auto* b = new QPushButton(text, comparisonPanel_);
        b->setObjectName(QString::fromLatin1(name));
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::clicked, this, fn);
        g->addWidget(b, row, column);
    };
    g->addWidget(new QLabel(QStringLiteral("Horní"), comparisonPanel_), 0, 0);
    button("Hskvrna", QStringLiteral("Skvrny"), 0, 1,
           [this] { onUpperLayerClicked(ComparisonSpots); });
    button("Hfakule", QStringLiteral("Fakule"), 0, 2,
           [this] { onUpperLayerClicked(ComparisonFaculae); });
    button("Hkorona", QStringLiteral("Korona"), 0, 3,
           [this] { onUpperLayerClicked(ComparisonCorona); });
    button("Hmagnet", QStringLiteral("Magnet"), 0, 4,
           [this] { onUpperLayerClicked(ComparisonMagnet); });
    button("mazaniHor", QStringLiteral("Smazat"), 0, 5, [this] { onClearUpperClicked(); });
    g->addWidget(new QLabel(QStringLiteral("Dolní"), comparisonPanel_), 1, 0);
    button("Dfakule", QStringLiteral("Fakule"), 1, 2,
           [this] { onLowerLayerClicked(ComparisonFaculae); });
    button("Dkorona", QStringLiteral("Korona"), 1, 3,
           [this] { onLowerLayerClicked(ComparisonCorona); });
    button("Dmagnet", QStringLiteral("Magnet"), 1, 4,
           [this] { onLowerLayerClicked(ComparisonMagnet); });
    button("MazaniDol", QStringLiteral("Smazat"), 1, 5, [this] { onClearLowerClicked(); });
    comparisonShiftScroll_->setObjectName(QStringLiteral("ScrollBar3"));
    comparisonShiftScroll_->setRange(0, 2 * ShiftCentre);
    comparisonShiftScroll_->setValue(ShiftCentre);
    comparisonShiftScroll_->setPageStep(1);
    comparisonShiftScroll_->setMinimumWidth(160);
    connect(comparisonShiftScroll_, &QScrollBar::valueChanged, this,
            [this](int v) { onShiftChanged(v); });
    shiftLabel_->setObjectName(QStringLiteral("Label1"));
    g->addWidget(comparisonShiftScroll_, 2, 0, 1, 4);
    g->addWidget(shiftLabel_, 2, 4, 1, 2);
    comparisonPanel_->hide();
}

void MapWindow::createMagnetosphereData() {
    magnetosphereDataBox_->setObjectName(QStringLiteral("datamagnet"));
    magnetosphereDataBox_->setTitle(QStringLiteral("Porovnání magnetosféry"));
    magnetosphereDataBox_->setAutoFillBackground(true);
    auto* g = new QGridLayout(magnetosphereDataBox_);
    const std::tuple<const char*, const char*, const char*> pole[] = {{"Od", "Od  °", "20"},
                                                                      {"Do", "Do  °", "10"},
                                                                      {"Cykly", "Cykly", "3"},
                                                                      {"Otocka", "Otočka", "1958"}};
    int row = 0;
    for (const auto& [name, text, value] : pole) {
        g->addWidget(new QLabel(QString::fromUtf8(text), magnetosphereDataBox_), row, 0);
        auto* e = new QLineEdit(QString::fromLatin1(value), magnetosphereDataBox_);
        e->setObjectName(QString::fromLatin1(name));
        g->addWidget(e, row++, 1);
    }
    auto button = [&](const char* name, const char* text, auto fn) {
        auto* b = new QPushButton(QString::fromUtf8(text), magnetosphereDataBox_);
        b->setObjectName(QString::fromLatin1(name));
        connect(b, &QPushButton::clicked, this, fn);
        g->addWidget(b, row++, 0, 1, 2);
    };
    button("Vetsi", "Větší", [this] { onRowHeightClicked(1); });
    button("Mensi", "Menší", [this] { onRowHeightClicked(-1); });
    button("Potvrdit", "Potvrdit", [this] { onConfirmClicked(); });
    magnetosphereDataBox_->adjustSize();
    magnetosphereDataBox_->hide();
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

// The widening rule of the strip views: on a wide work area a window made
// small grows to its width again.
static void widen(QMdiSubWindow* sub, QMdiArea* area) {
    if (!sub || !area) return;
    const int width = area->viewport()->width();
    if (sub->width() < 1450 && width > 1452) sub->resize(width - 20, sub->height());
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
    if (position >= 0) return s.geometry().record(index_.L()[std::size_t(position)]).date;
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
    const GeometryCache& g = s.geometry();
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

// ---------------------------------------------------------------------------
// Menu

void MapWindow::onCloseClicked() {
    if (sub_)
        sub_->close();
    else
        close();
}

void MapWindow::onChooseRotationClicked() {
    if (view_ != MapView::Single && view_ != MapView::Two) setView(MapView::Single);
    if (selectedRow_ >= 0) rotationList_->setCurrentRow(selectedRow_);
    rotationList_->show();
    rotationList_->raise();
    rotationList_->setFocus();
}

void MapWindow::setRotationIndex(int position) {
    const auto& r = index_.rotations();
    if (position < 0 || std::size_t(position) >= r.size()) return;
    if (position == selectedRow_ && rotation_ == r[std::size_t(position)]) return;
    selectedRow_ = position;
    rotation_ = r[std::size_t(position)];
    datum_ = context_.model.session().geometry().record(index_.L()[std::size_t(position)]).date;
    texts_.clear();
    change();
}

void MapWindow::chooseRotation(int position) {
    setRotationIndex(position);
    rotationList_->hide();
    canvas_->setFocus();
}

void MapWindow::onSingleMapClicked() {
    // "Mapky" is the plain map: it leaves the comparison too.
    comparing_ = false;
    if (sub_ && sub_->height() == 1008 && context_.area) {
        const QRect v = context_.area->viewport()->rect();
        sub_->resize(v.width() - 8, v.height() - 5);
    }
    widen(sub_, context_.area);
    setView(MapView::Single);
}

void MapWindow::onLongMapClicked() {
    widen(sub_, context_.area);
    setView(MapView::Long);
}

void MapWindow::onHighMapClicked() {
    widen(sub_, context_.area);
    setView(MapView::High);
}

void MapWindow::onTwoMapsClicked() {
    if (sub_ && context_.area) {
        const QRect v = context_.area->viewport()->rect();
        sub_->setGeometry(sub_->x(), sub_->y(), std::min(1400, v.width() - sub_->x() - 2),
                          v.height() - sub_->y() - 8);
    }
    setView(MapView::Two);
}

void MapWindow::onCoronaGraphClicked() {
    const CoronaTable& k = corona();
    if (!k.present()) {
        context_.messages.showMessage(q(NoCoronaData));
        setView(MapView::Single);
        return;
    }
    const QSignalBlocker b(coronaGraphScroll_);
    coronaGraphScroll_->setRange(1, CoronaGraphMaximum(k));
    coronaGraphScroll_->setPageStep(1);
    coronaGraphScroll_->setValue(CoronaGraphPositionOf(k, MapRotationDates(rotation_).startDate));
    setView(MapView::CoronaGraph);
}

void MapWindow::onCoronaButterflyClicked() {
    const CoronaTable& k = corona();
    if (!k.present()) {
        context_.messages.showMessage(q(NoCoronaData));
        setView(MapView::Single);
        return;
    }
    if (!coronaButterfly_)
        coronaButterfly_ = std::make_unique<CoronaButterflyModel>(MakeCoronaButterfly(k));
    // One column a rotation: the scroll bar moves across them.
    const QSignalBlocker b(coronaGraphScroll_);
    const int width = static_cast<int>(coronaButterfly_->columns.size()) + CoronaButterflyMargin;
    coronaGraphScroll_->setRange(0, std::max(0, width - canvas_->width()));
    coronaGraphScroll_->setPageStep(std::max(1, canvas_->width()));
    coronaGraphScroll_->setValue(coronaGraphScroll_->maximum());
    setView(MapView::CoronaButterfly);
}

void MapWindow::onCoronaGlobalClicked() {
    const CoronaTable& k = corona();
    if (!k.present()) {
        context_.messages.showMessage(q(NoCoronaData));
        setView(MapView::Single);
        return;
    }
    const QSignalBlocker b(coronaDayScroll_);
    coronaDayScroll_->setRange(0, CoronaDayMaximum(k));
    coronaDayScroll_->setPageStep(27);
    const std::optional<std::size_t> row = CoronaFindRow(k, MapRotationDates(rotation_).startDate);
    coronaDayScroll_->setValue(row ? static_cast<int>(*row) : coronaDayScroll_->maximum());
    setView(MapView::CoronaGlobal);
}

void MapWindow::onCoronaUnderlayClicked() {
    QAction* a = actions_.value(QStringLiteral("koronapod"));
    const bool on = !layers_.coronaUnderlay;
    if (on && !corona().present()) {
        a->setChecked(false);
        context_.messages.showMessage(q(NoCoronaData));
        return;
    }
    layers_.coronaUnderlay = on;
    if (on && view_ != MapView::Single)
        setView(MapView::Single);
    else
        change();
}

const CoronaTable& MapWindow::corona() const {
    return context_.model.corona(context_.messages);
}

bool MapWindow::magnetoData() {
    if (HasMagnetoData(context_.model.session().dir)) return true;
    context_.messages.showMessage(q(NoMagnetosphereData));
    return false;
}

void MapWindow::onMagnetosphereClicked() {
    if (!layers_.magnetosphereOn && !magnetoData()) {
        updateButtons();
        return;
    }
    layers_.magnetosphereOn = !layers_.magnetosphereOn;
    if (layers_.magnetosphereOn && view_ != MapView::Single)
        setView(MapView::Single);
    else
        change();
}

void MapWindow::onComparisonClicked() {
    comparing_ = !comparing_;
    if (comparing_) {
        upperLayers_ = ComparisonSpots;
        lowerLayers_ = 0;
        const QSignalBlocker b(comparisonShiftScroll_);
        comparisonShiftScroll_->setValue(ShiftCentre + shift_);
    }
    if (view_ != MapView::Single)
        setView(MapView::Single);
    else
        change();
}

void MapWindow::onCoronaSeparateClicked() {
    if (!corona().present()) {
        context_.messages.showMessage(q(NoCoronaData));
        updateButtons();
        return;
    }
    setView(MapView::CoronaSeparate);
}

void MapWindow::onMagnetSeparateClicked() {
    if (!magnetoData()) {
        updateButtons();
        return;
    }
    setView(MapView::MagnetSeparate);
}

void MapWindow::onPrintClicked() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(view_ == MapView::High ? QPageLayout::Portrait
                                                      : QPageLayout::Landscape);
    if (!choosePrinter || !choosePrinter(printer)) return;
    printTo(printer);
}

void MapWindow::printTo(QPrinter& printer) {
    bool started = false;
    if (view_ == MapView::High) {
        // The high map: 14 rotations drawn for the page.
        QPainter p;
        if ((started = p.begin(&printer))) {
            const Session& s = context_.model.session();
            const QRect pageIndex = p.viewport();
            StripView v =
                MakeStripView(s.records(), s.geometry(), index_, rotation_, PrintedHighMapStrips,
                              StripKind::High, PrintStripScale(pageIndex.width()), true);
            ScaleStripAreas(v, zoom_);
            PrintHighMap(p, QRect(QPoint(0, 0), pageIndex.size()), v);
            p.end();
        }
    } else {
        started = PrintPicture(printer, canvas_->size(),
                               [this](QPainter& p, const QRect& r) { paint(p, r); });
    }
    if (!started) context_.messages.showMessage(QStringLiteral("Tisk nelze zahájit"));
}

// ---------------------------------------------------------------------------
// Tool buttons

void MapWindow::onLayerClicked(const QString& button) {
    auto flip = [](bool& b) { b = !b; };
    if (button == QLatin1String("koronazap")) {
        if (!layers_.coronaOn && !corona().present()) {
            context_.messages.showMessage(q(NoCoronaData));
            updateButtons();
            return;
        }
        flip(layers_.coronaOn);
    } else if (button == QLatin1String("magnetzap") || button == QLatin1String("magnobr")) {
        bool& b = button == QLatin1String("magnetzap") ? layers_.magnetosphereOn
                                                       : layers_.magnetospherePicture;
        if (!b && !magnetoData()) {
            updateButtons();
            return;
        }
        flip(b);
    } else if (button == QLatin1String("fakulzap")) {
        flip(layers_.faculaeOn);
    } else if (button == QLatin1String("plochazap")) {
        flip(layers_.areasOn);
    } else if (button == QLatin1String("Stredfakuli")) {
        flip(layers_.faculaeCentres);
    }
    change();
}

void MapWindow::onSizeClicked() {
    smaller_ = !smaller_;
    if (sub_ && context_.area) {
        const QRect v = context_.area->viewport()->rect();
        if (smaller_)
            sub_->resize(std::min(SmallSize.width(), v.width()),
                         std::min(SmallSize.height(), v.height()));
        else
            sub_->setGeometry(1, 1, std::max(400, v.width() - 8), std::max(300, v.height() - 8));
    }
    change();
}

void MapWindow::onMagnetComparisonClicked() {
    magnetosphereDataBox_->setVisible(magnetosphereDataBox_->isHidden());
    magnetosphereDataBox_->raise();
    change();
}

void MapWindow::onConfirmClicked() {
    auto pole = [this](const char* name) {
        return s(magnetosphereDataBox_->findChild<QLineEdit*>(QString::fromLatin1(name))->text());
    };
    MagnetComparisonParams v = comparisonOptions_;
    if (const auto error = ParseMagnetComparison(pole("Od"), pole("Do"), pole("Cykly"),
                                                 pole("Otocka"), index_.lastRotation(), v)) {
        context_.messages.showMessage(q(*error));
        return;
    }
    comparisonOptions_ = v;
    change();
}

void MapWindow::onRowHeightClicked(int change) {
    comparisonOptions_.rowHeight = std::clamp(comparisonOptions_.rowHeight + change,
                                              MagnetComparisonMinRow, MagnetComparisonMaxRow);
    this->change();
}

void MapWindow::onZoomClicked() {
    zoom_ = zoom_ == 2 ? 1 : 2;
    change();
}

// ---------------------------------------------------------------------------
// Comparison

bool MapWindow::coronaUnderMap(int rotation) const {
    return MakeCoronaUnderMap(corona(), rotation, 16, 0).present;
}

// A half of the comparison gets a layer: the corona erases the half first
// and needs the corona table to reach beyond the rotation, the
// magnetosphere needs its folder.
bool MapWindow::addLayer(unsigned& half, ComparisonLayer layer, int rotation) {
    if (!comparing_) return false;
    if (layer == ComparisonCorona) {
        if (!coronaUnderMap(rotation)) {
            context_.messages.showMessage(NoFurtherData);
            return false;
        }
        half = ComparisonCorona;
        return true;
    }
    if (layer == ComparisonMagnet && !magnetoData()) return false;
    half |= layer;
    return true;
}

void MapWindow::onUpperLayerClicked(ComparisonLayer layer) {
    if (addLayer(upperLayers_, layer, rotation_)) change();
}

void MapWindow::onLowerLayerClicked(ComparisonLayer layer) {
    if (addLayer(lowerLayers_, layer, lowerRotation())) change();
}

void MapWindow::onClearUpperClicked() {
    upperLayers_ = 0;
    change();
}

void MapWindow::onClearLowerClicked() {
    lowerLayers_ = 0;
    change();
}

void MapWindow::onShiftChanged(int position) {
    shift_ = std::clamp(position, 0, 2 * ShiftCentre) - ShiftCentre;
    if (comparisonShiftScroll_->value() != shift_ + ShiftCentre) {
        const QSignalBlocker b(comparisonShiftScroll_);
        comparisonShiftScroll_->setValue(shift_ + ShiftCentre);
    }
    // The lower half is drawn again for the new rotation with the layers it
    // showed (faculae, corona, magnetosphere); a corona the new rotation
    // lacks is left out.
    if ((lowerLayers_ & ComparisonCorona) && !coronaUnderMap(lowerRotation()))
        lowerLayers_ &= ~unsigned(ComparisonCorona);
    change();
}

// ---------------------------------------------------------------------------
// Keys, text, summation

void MapWindow::savePicture() {
    QString name = QStringLiteral("Mapa  ") + QString::number(rotation_);
    if (view_ == MapView::Long)
        name = QStringLiteral("Dlouhamapa  ") + QString::number(rotation_);
    else if (view_ == MapView::High)
        name = QStringLiteral("Vysokamapa  ") + QString::number(rotation_);
    else if (view_ == MapView::CoronaGraph)
        name = QStringLiteral("Korona_graf") + QString::number(coronaGraphScroll_->value() + 1327);
    else if (view_ == MapView::CoronaButterfly)
        name = QStringLiteral("Korona_motyl");
    sizeLabel_->hide();
    const bool scrollBarWidth = toolBar_->isVisible();
    toolBar_->hide();
    layout()->activate(); // the canvas takes the tool bar's place at once
    layers_.areasOn = false;
    change();
    context_.frame.saveWindowPicture(name);
    sizeLabel_->show();
    if (scrollBarWidth) toolBar_->show();
}

void MapWindow::keyReleaseEvent(QKeyEvent* e) {
    // Letters typed into the text or the comparison fields are no commands.
    if (qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
        e->ignore();
        return;
    }
    switch (e->key()) {
    case Qt::Key_F8:
        savePicture();
        break;
    case Qt::Key_F9:
        context_.frame.saveWindowPictureNow(QStringLiteral("MagnetSuma"));
        break;
    case Qt::Key_Z:
        layers_.areasOn = true;
        change();
        break;
    case Qt::Key_V:
        layers_.areasOn = false;
        change();
        break;
    case Qt::Key_P:
        sumMagnetosphere();
        break;
    default:
        e->ignore();
        return;
    }
    e->accept();
}

void MapWindow::textPlace(const QPoint& point) {
    QAction* a = context_.frame.action(QStringLiteral("vloztext"));
    if (!a || !a->isChecked()) return;
    textPoint_ = point;
    mapTextEdit_->move(point);
    mapTextEdit_->show();
    mapTextEdit_->raise();
    mapTextEdit_->setFocus();
}

void MapWindow::insertText(const QPoint& point, const QString& text) {
    if (text.isEmpty()) return;
    texts_.emplace_back(point, text);
    canvas_->update();
}

void MapWindow::sumMagnetosphere() {
    const Session& s = context_.model.session();
    if (!HasMagnetoData(s.dir)) {
        context_.messages.showMessage(q(NoMagnetosphereData));
        return;
    }
    QProgressDialog progress(QStringLiteral("Počítá se"), QStringLiteral("Zrušit"), 0, 100, this);
    progress.setObjectName(QStringLiteral("Pocita"));
    progress.setWindowTitle(QStringLiteral("Magnetosféra"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    MagnetosphereSumResult result;
    const DrawingRotation drawingRotation = MagnDrawingRotation(s.records(), today());
    if (drawingRotation.warning) context_.messages.showMessage(q(*drawingRotation.warning));
    const bool succeeded = runCommand(context_.messages, [&] {
        result = SumMagnetosphere(s.dir, today(), drawingRotation.rotation,
                                  [&progress](int done, int total) {
                                      if (progress.maximum() != total)
                                          progress.setMaximum(std::max(1, total));
                                      progress.setValue(std::min(done, total));
                                      return !progress.wasCanceled();
                                  });
    });
    progress.reset();
    if (!succeeded || result.cancelled) return;
    magnetosphere_ = ReadMagnDat(s.dir, MagnBlocks(index_.lastRotation()));
    magnetData_.clear();
    context_.frame.showStatus(QStringLiteral("Data byla uložena: ") + pathText(result.file), 5000);
    change();
}

// ---------------------------------------------------------------------------

void installMap(MainWindow& mainWindow) {
    const WindowContext k = mainWindow.context();
    mainWindow.connectCommand(QStringLiteral("map"), [k] { MapWindow::openWindow(k); });
    const std::pair<const char*, std::function<void(MapWindow&)>> buttons[] = {
        {"rotacem", [](MapWindow& w) { w.onChooseRotationClicked(); }},
        {"mapam", [](MapWindow& w) { w.onSingleMapClicked(); }},
        {"dlouham", [](MapWindow& w) { w.onLongMapClicked(); }},
        {"vysokam", [](MapWindow& w) { w.onHighMapClicked(); }},
        {"SpeedButton5", [](MapWindow& w) { w.onTwoMapsClicked(); }},
        {"koronagraf", [](MapWindow& w) { w.onCoronaGraphClicked(); }},
        {"koronaitensit", [](MapWindow& w) { w.onCoronaButterflyClicked(); }},
        {"koronsku", [](MapWindow& w) { w.onCoronaGlobalClicked(); }},
        {"koronpod", [](MapWindow& w) { w.onCoronaUnderlayClicked(); }},
        {"magnetpod", [](MapWindow& w) { w.onMagnetosphereClicked(); }},
        {"srovnan", [](MapWindow& w) { w.onComparisonClicked(); }},
        {"SpeedButton6", [](MapWindow& w) { w.onZoomClicked(); }},
        {"SpeedButton10", [](MapWindow& w) { w.onCloseClicked(); }},
    };
    for (const auto& [name, fn] : buttons)
        mainWindow.connectCommand(QString::fromLatin1(name), [area = k.area, fn] {
            if (MapWindow* w = MapWindow::openInstance(area)) fn(*w);
        });
    // "A": armed until a text is written on the map.
    mainWindow.connectCommand(QStringLiteral("vloztext"), [] {});
    if (QAction* a = mainWindow.action(QStringLiteral("vloztext"))) a->setCheckable(true);
}

} // namespace hk
