// The map window's commands: the menu's views and layers, the tool buttons,
// the comparison of two maps, keys, texts on the map and the magnetosphere
// summation, and the main window's commands that open it.
#include "ui/frame/command_names.h"
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
#include "ui/frame/messages.h"
#include "ui/frame/picture_canvas.h"
#include "ui/frame/session_model.h"
#include "ui/frame/tool_window.h"
#include "ui/frame/ui_helpers.h"

namespace hk {

namespace {

const QString NoFurtherData = QStringLiteral("Nejsou další data");
constexpr QSize SmallSize{812, 581};

// The widening rule of the strip views: on a wide work area a window made
// small grows to its width again.
void widen(QMdiSubWindow* sub, QMdiArea* area) {
    if (!sub || !area) return;
    const int width = area->viewport()->width();
    if (sub->width() < 1450 && width > 1452) sub->resize(width - 20, sub->height());
}

} // namespace

// ---------------------------------------------------------------------------
// Menu

void MapWindow::onChooseRotationClicked() {
    if (scene_.view != MapView::Single && scene_.view != MapView::Two) setView(MapView::Single);
    if (selectedRow_ >= 0) rotationList_->setCurrentRow(selectedRow_);
    rotationList_->show();
    rotationList_->raise();
    rotationList_->setFocus();
}

void MapWindow::setRotationIndex(int position) {
    const auto& r = index_.rotations();
    if (position < 0 || std::size_t(position) >= r.size()) return;
    if (position == selectedRow_ && scene_.rotation == r[std::size_t(position)]) return;
    selectedRow_ = position;
    scene_.rotation = r[std::size_t(position)];
    const int k = index_.L()[std::size_t(position)];
    scene_.recordDate = context_.model.session().geometry(k, k).record(k).date;
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
    scene_.comparing = false;
    if (subWindow() && subWindow()->height() == 1008 && context_.area) {
        const QRect v = context_.area->viewport()->rect();
        subWindow()->resize(v.width() - 8, v.height() - 5);
    }
    widen(subWindow(), context_.area);
    setView(MapView::Single);
}

void MapWindow::onLongMapClicked() {
    widen(subWindow(), context_.area);
    setView(MapView::Long);
}

void MapWindow::onHighMapClicked() {
    widen(subWindow(), context_.area);
    setView(MapView::High);
}

void MapWindow::onTwoMapsClicked() {
    if (subWindow() && context_.area) {
        const QRect v = context_.area->viewport()->rect();
        subWindow()->setGeometry(subWindow()->x(), subWindow()->y(),
                                 std::min(1400, v.width() - subWindow()->x() - 2),
                                 v.height() - subWindow()->y() - 8);
    }
    setView(MapView::Two);
}

void MapWindow::onCoronaGraphClicked() {
    if (!coronaOrSingleMap()) return;
    // The 100 days from the rotation's first day; the scroll bar moves on by
    // rotations from there.
    scene_.coronaGraphPosition = 0;
    setView(MapView::CoronaGraph);
    const QSignalBlocker b(coronaGraphScroll_);
    coronaGraphScroll_->setRange(1, CoronaGraphMaximum(corona()));
    coronaGraphScroll_->setPageStep(1);
    coronaGraphScroll_->setValue(picture_.coronaGraph.position);
}

void MapWindow::onCoronaButterflyClicked() {
    if (!coronaOrSingleMap()) return;
    // One column a rotation: it opens on the last ones, the scroll bar
    // moves across them.
    scene_.coronaButterflyScroll.reset();
    setView(MapView::CoronaButterfly);
    const QSignalBlocker b(coronaGraphScroll_);
    coronaGraphScroll_->setRange(
        0, CoronaButterflyScrollMaximum(*picture_.coronaButterfly, canvas_->width()));
    coronaGraphScroll_->setPageStep(std::max(1, canvas_->width()));
    coronaGraphScroll_->setValue(picture_.coronaButterflyScroll);
}

void MapWindow::onCoronaGlobalClicked() {
    if (!coronaOrSingleMap()) return;
    // The rotation's first day (else the last day of the table).
    scene_.coronaDay.reset();
    setView(MapView::CoronaGlobal);
    const QSignalBlocker b(coronaDayScroll_);
    coronaDayScroll_->setRange(0, CoronaDayMaximum(corona()));
    coronaDayScroll_->setPageStep(27);
    coronaDayScroll_->setValue(static_cast<int>(picture_.coronaDay.row));
}

void MapWindow::onCoronaUnderlayClicked() {
    QAction* a = actions_.value(QStringLiteral("koronapod"));
    const bool on = !scene_.layers.coronaUnderlay;
    if (on && !corona().present()) {
        a->setChecked(false);
        context_.messages.showMessage(q(NoCoronaData));
        return;
    }
    scene_.layers.coronaUnderlay = on;
    if (on && scene_.view != MapView::Single)
        setView(MapView::Single);
    else
        change();
}

const CoronaTable& MapWindow::corona() const {
    return context_.model.corona(context_.messages);
}

bool MapWindow::coronaOrSingleMap() {
    if (corona().present()) return true;
    context_.messages.showMessage(q(NoCoronaData));
    setView(MapView::Single);
    return false;
}

bool MapWindow::magnetoData() {
    if (HasMagnetoData(context_.model.session().dir)) return true;
    context_.messages.showMessage(q(NoMagnetosphereData));
    return false;
}

void MapWindow::onMagnetosphereClicked() {
    bool& on = scene_.layers.magnetosphereOn;
    if (!on && !magnetoData()) {
        updateButtons();
        return;
    }
    on = !on;
    if (on && scene_.view != MapView::Single)
        setView(MapView::Single);
    else
        change();
}

void MapWindow::onComparisonClicked() {
    scene_.comparing = !scene_.comparing;
    if (scene_.comparing) {
        scene_.upperLayers = ComparisonSpots;
        scene_.lowerLayers = 0;
        const QSignalBlocker b(comparisonShiftScroll_);
        comparisonShiftScroll_->setValue(ShiftCentre + scene_.shift);
    }
    if (scene_.view != MapView::Single)
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
    printer.setPageOrientation(scene_.view == MapView::High ? QPageLayout::Portrait
                                                            : QPageLayout::Landscape);
    if (!choosePrinter || !choosePrinter(printer)) return;
    printTo(printer);
}

void MapWindow::printTo(QPrinter& printer) {
    bool started = false;
    if (scene_.view == MapView::High) {
        // The high map: 14 rotations drawn for the page.
        QPainter p;
        if ((started = p.begin(&printer))) {
            const QRect page = p.viewport();
            PrintHighMap(p, QRect(QPoint(0, 0), page.size()),
                         BuildPrintedHighMap(context_.model.session(), scene_, page.width()));
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
    MapLayerSwitches& layers = scene_.layers;
    if (button == QLatin1String("koronazap")) {
        if (!layers.coronaOn && !corona().present()) {
            context_.messages.showMessage(q(NoCoronaData));
            updateButtons();
            return;
        }
        flip(layers.coronaOn);
    } else if (button == QLatin1String("magnetzap") || button == QLatin1String("magnobr")) {
        bool& b = button == QLatin1String("magnetzap") ? layers.magnetosphereOn
                                                       : layers.magnetospherePicture;
        if (!b && !magnetoData()) {
            updateButtons();
            return;
        }
        flip(b);
    } else if (button == QLatin1String("fakulzap")) {
        flip(layers.faculaeOn);
    } else if (button == QLatin1String("plochazap")) {
        flip(layers.areasOn);
    } else if (button == QLatin1String("Stredfakuli")) {
        flip(layers.faculaeCentres);
    }
    change();
}

void MapWindow::onSizeClicked() {
    smaller_ = !smaller_;
    if (subWindow() && context_.area) {
        const QRect v = context_.area->viewport()->rect();
        if (smaller_)
            subWindow()->resize(std::min(SmallSize.width(), v.width()),
                                std::min(SmallSize.height(), v.height()));
        else
            subWindow()->setGeometry(1, 1, std::max(400, v.width() - 8),
                                     std::max(300, v.height() - 8));
    }
    change();
}

void MapWindow::onMagnetComparisonClicked() {
    scene_.magnetComparison = !scene_.magnetComparison;
    change();
}

void MapWindow::onConfirmClicked() {
    auto pole = [this](const char* name) {
        return s(magnetosphereDataBox_->findChild<QLineEdit*>(QString::fromLatin1(name))->text());
    };
    MagnetComparisonParams v = scene_.magnetComparisonParams;
    if (const auto error = ParseMagnetComparison(pole("Od"), pole("Do"), pole("Cykly"),
                                                 pole("Otocka"), index_.lastRotation(), v)) {
        context_.messages.showMessage(q(*error));
        return;
    }
    scene_.magnetComparisonParams = v;
    change();
}

void MapWindow::onRowHeightClicked(int change) {
    int& rowHeight = scene_.magnetComparisonParams.rowHeight;
    rowHeight = std::clamp(rowHeight + change, MagnetComparisonMinRow, MagnetComparisonMaxRow);
    this->change();
}

void MapWindow::onZoomClicked() {
    scene_.zoom = scene_.zoom == 2 ? 1 : 2;
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
    if (!scene_.comparing) return false;
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
    if (addLayer(scene_.upperLayers, layer, scene_.rotation)) change();
}

void MapWindow::onLowerLayerClicked(ComparisonLayer layer) {
    if (addLayer(scene_.lowerLayers, layer, lowerRotation())) change();
}

void MapWindow::onClearUpperClicked() {
    scene_.upperLayers = 0;
    change();
}

void MapWindow::onClearLowerClicked() {
    scene_.lowerLayers = 0;
    change();
}

void MapWindow::onShiftChanged(int position) {
    scene_.shift = std::clamp(position, 0, 2 * ShiftCentre) - ShiftCentre;
    if (comparisonShiftScroll_->value() != scene_.shift + ShiftCentre) {
        const QSignalBlocker b(comparisonShiftScroll_);
        comparisonShiftScroll_->setValue(scene_.shift + ShiftCentre);
    }
    // The lower half is drawn again for the new rotation with the layers it
    // showed (faculae, corona, magnetosphere); a corona the new rotation
    // lacks is left out.
    if ((scene_.lowerLayers & ComparisonCorona) && !coronaUnderMap(lowerRotation()))
        scene_.lowerLayers &= ~unsigned(ComparisonCorona);
    change();
}

// ---------------------------------------------------------------------------
// Keys, text, summation

void MapWindow::savePicture() {
    const QString rotation = QString::number(scene_.rotation);
    QString name = QStringLiteral("Mapa  ") + rotation;
    if (scene_.view == MapView::Long)
        name = QStringLiteral("Dlouhamapa  ") + rotation;
    else if (scene_.view == MapView::High)
        name = QStringLiteral("Vysokamapa  ") + rotation;
    else if (scene_.view == MapView::CoronaGraph)
        name =
            QStringLiteral("Korona_graf") + QString::number(picture_.coronaGraph.position + 1327);
    else if (scene_.view == MapView::CoronaButterfly)
        name = QStringLiteral("Korona_motyl");
    sizeLabel_->hide();
    const bool scrollBarWidth = toolBar_->isVisible();
    toolBar_->hide();
    layout()->activate(); // the canvas takes the tool bar's place at once
    scene_.layers.areasOn = false;
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
        scene_.layers.areasOn = true;
        change();
        break;
    case Qt::Key_V:
        scene_.layers.areasOn = false;
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
    QAction* a = context_.frame.action(cmd::MapInsertText);
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
    cache_.magnetosphere.clear();
    context_.frame.showStatus(QStringLiteral("Data byla uložena: ") + pathText(result.file), 5000);
    change();
}

// ---------------------------------------------------------------------------

void installMap(const WindowContext& k) {
    k.frame.connectCommand(cmd::Maps, [k] { MapWindow::openWindow(k); });
    const std::pair<const char*, void (MapWindow::*)()> buttons[] = {
        {"rotacem", &MapWindow::onChooseRotationClicked},
        {"mapam", &MapWindow::onSingleMapClicked},
        {"dlouham", &MapWindow::onLongMapClicked},
        {"vysokam", &MapWindow::onHighMapClicked},
        {"SpeedButton5", &MapWindow::onTwoMapsClicked},
        {"koronagraf", &MapWindow::onCoronaGraphClicked},
        {"koronaitensit", &MapWindow::onCoronaButterflyClicked},
        {"koronsku", &MapWindow::onCoronaGlobalClicked},
        {"koronpod", &MapWindow::onCoronaUnderlayClicked},
        {"magnetpod", &MapWindow::onMagnetosphereClicked},
        {"srovnan", &MapWindow::onComparisonClicked},
        {"SpeedButton6", &MapWindow::onZoomClicked},
        {"SpeedButton10", &MapWindow::closeWindow},
    };
    for (const auto& [name, fn] : buttons)
        k.frame.connectCommand(QString::fromLatin1(name), [area = k.area, fn] {
            if (MapWindow* w = MapWindow::openInstance(area)) (w->*fn)();
        });
    // "A": armed until a text is written on the map.
    k.frame.connectCommand(cmd::MapInsertText, [] {});
    if (QAction* a = k.frame.action(cmd::MapInsertText)) a->setCheckable(true);
}

} // namespace hk
