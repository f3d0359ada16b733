// The map window's controls: its menu, the tool panel's buttons, the
// comparison box and the magnetosphere data box.
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

void MapWindow::createMenu() {
    auto add = [this](QWidget* target, const char* name, const QString& text, auto fn,
                      bool checkable = false) {
        return addWindowAction(this, actions_, target, name, text, fn, checkable);
    };
    auto* views = new QActionGroup(this);
    auto radio = [&](QWidget* target, const char* name, const QString& text, auto fn) {
        QAction* a = add(target, name, text, fn, true);
        views->addAction(a);
        return a;
    };
    add(menu_, "zavritm", QStringLiteral("&Zavřít"), [this] { closeWindow(); });
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

} // namespace hk
