#include "ui/graphs/butterfly_window.h"
#include "ui/frame/command_names.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <cmath>

#include "records/session.h"
#include "render/butterfly.h"
#include "ui/frame/messages.h"
#include "ui/frame/picture_canvas.h"
#include "ui/frame/session_model.h"
#include "ui/frame/tool_window.h"
#include "ui/frame/ui_helpers.h"

namespace hk {

namespace {

const QString Spots = QStringLiteral("Motýlek   Skvrny");
const QString Fakule = QStringLiteral("Motýlek   Fakule");
const QString SpotsAndFaculae = QStringLiteral("Motýlek   Skvrny a fakule");
const QString PictureFileName = QStringLiteral("Motýlek");
constexpr int ScrollStep = 100;

} // namespace

ButterflyWindow* ButterflyWindow::openWindow(const WindowContext& k) {
    if (ButterflyWindow* w = openInstance(k.area)) {
        w->activate();
        return w;
    }
    BusyCursor busy;
    auto* w = new ButterflyWindow(k);
    w->showInArea(QStringLiteral("form5"), ToolWindowRect(k.area, {30, 5}, {300, 200}, false));
    // Opened with the largest rotation scale at which the observer's
    // rotations fit; the panel's buttons change it from there.
    w->rebuild();
    w->keepRotationScale();
    w->canvas_->setFocus();
    return w;
}

ButterflyWindow::ButterflyWindow(const WindowContext& k)
    : ToolWindow(k.frame, k.area, QString::fromLatin1(panel::Butterfly)), context_(k),
      baseTitle_(Spots), menu_(new QMenuBar(this)), canvas_(new PictureCanvas(this)),
      horizontalScroll_(new QScrollBar(Qt::Horizontal, this)),
      verticalScroll_(new QScrollBar(Qt::Vertical, this)) {
    setObjectName(QStringLiteral("Form5"));
    menu_->setObjectName(QStringLiteral("MainMenu1"));
    horizontalScroll_->setObjectName(QStringLiteral("HorzScrollBar"));
    verticalScroll_->setObjectName(QStringLiteral("VertScrollBar"));

    auto* l = new QGridLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    l->setMenuBar(menu_);
    l->addWidget(canvas_, 0, 0);
    l->addWidget(verticalScroll_, 0, 1);
    l->addWidget(horizontalScroll_, 1, 0);
    horizontalScroll_->setSingleStep(ScrollStep);
    verticalScroll_->setSingleStep(ScrollStep / 4);
    canvas_->setFocusPolicy(Qt::StrongFocus);
    canvas_->setPainter(
        [this](QPainter& p, const QRect& r) { PaintButterflyPicture(p, r, picture_); });
    // The equator is dragged: pressed at one height, released at another.
    canvas_->onPress([this](QMouseEvent& e) { pressY_ = e.position().toPoint().y(); });
    canvas_->onRelease(
        [this](QMouseEvent& e) { shiftEquator(pressY_, e.position().toPoint().y()); });
    canvas_->installEventFilter(this);
    connect(horizontalScroll_, &QScrollBar::valueChanged, this, [this](int v) {
        if (updatingScrollBars_) return;
        scene_.view.sx = v;
        scene_.view.scale = false;
        rebuild();
    });
    connect(verticalScroll_, &QScrollBar::valueChanged, this, [this](int v) {
        if (updatingScrollBars_) return;
        scene_.view.sy = v;
        scene_.view.scale = false;
        rebuild();
    });
    connect(&context_.model, &SessionModel::recordsChanged, this, [this] { rebuild(); });

    choosePrinter = [this](QPrinter& printer) {
        return ChoosePrinter(printer, this, context_.messages, context_.model.session().dir,
                             QStringLiteral("Motýlek.pdf"));
    };

    createMenu();
    rebuild();
}

ButterflyWindow::~ButterflyWindow() = default;

QAction* ButterflyWindow::action(const QString& objectName) const {
    return actions_.value(objectName);
}

void ButterflyWindow::createMenu() {
    auto add = [this](QWidget* target, const char* name, const QString& text, auto fn,
                      bool checkable = false) {
        return addWindowAction(this, actions_, target, name, text, fn, checkable);
    };
    add(menu_, "konecmot", QStringLiteral("&Zavřít"), [this] { closeWindow(); });
    add(menu_, "tiskmot", QStringLiteral("&Tisk "), [this] { onPrintClicked(); });
    add(menu_, "skvrnymot", QStringLiteral("&Skvrny"), [this] { onModeClicked(1); });
    add(menu_, "Fakulemot", QStringLiteral("&Fakule"), [this] { onModeClicked(2); });
    add(menu_, "Celek1", QStringLiteral("&Celek"), [this] { onModeClicked(3); });
    for (const auto& [name, text] :
         {std::pair{"vyskaskvrn", "Výška skvrn"}, std::pair{"vyskahlazena", "Výška vyhlazená"},
          std::pair{"hranice", "Ohraničení"}, std::pair{"vse", "Kreslit vše "}}) {
        const QString item = QString::fromLatin1(name);
        add(
            menu_, name, QString::fromUtf8(text), [this, item] { toggle(item); }, true);
    }
    QAction* underlay = add(
        menu_, "Podkreslit1", QStringLiteral("Nepodkreslit"), [this] { onNoUnderlayClicked(); },
        true);
    underlay->setChecked(true);
    add(
        menu_, "koronapod", QStringLiteral("Podkreslit koronu"),
        [this] { onCoronaUnderlayClicked(); }, true);
    auto* supplementary = new QMenu(QStringLiteral("&Doplňková data"), menu_);
    supplementary->setObjectName(QStringLiteral("doplnkova"));
    menu_->addMenu(supplementary);
    supplementary->menuAction()->setObjectName(QStringLiteral("doplnkova"));
    actions_.insert(QStringLiteral("doplnkova"), supplementary->menuAction());
    QAction* switchOff = add(
        supplementary, "vypnout", QStringLiteral("Zapnout"), [this] { onSupplementaryClicked(); },
        true);
    switchOff->setChecked(true);
    const auto& block = context_.model.session().tables().supplementaryData;
    supplementary->menuAction()->setVisible(!block.empty() && block.front() != 0);
    add(menu_, "Stupnice1", QStringLiteral("&Stupnice"), [this] { onScaleClicked(); });
}

// The down states of the panel's buttons follow the window.
void ButterflyWindow::updateButtons() {
    auto dole = [this](const char* name, bool state) {
        if (QAction* a = context_.frame.action(QString::fromLatin1(name))) {
            a->setCheckable(true);
            a->setChecked(state);
        }
    };
    dole("skvrny", scene_.view.butterflyMode == 1);
    dole("fakule", scene_.view.butterflyMode == 2);
    dole("skvrfak", scene_.view.butterflyMode == 3);
    dole("sirfakule", scene_.view.faculaeBars);
    dole("vyskvrn", scene_.view.meanCurve);
    dole("vyskhlaz", scene_.view.smoothedCurve);
    dole("hranice", scene_.view.bounds);
    dole("vse", scene_.view.allCurves);
    dole("podkresleni", scene_.view.underlay);
    dole("podkreskorona", scene_.view.corona);
}

void ButterflyWindow::title() {
    setWindowTitle(baseTitle_ + QString(10, QLatin1Char(' ')) + QString::number(canvas_->width()) +
                   QStringLiteral(" x ") + QString::number(canvas_->height()));
}

void ButterflyWindow::rebuild() {
    scene_.clientWidth = canvas_->width();
    scene_.clientHeight = canvas_->height();
    // The corona has been read (and its warnings shown) by the command that
    // switched it on.
    const CoronaTable* corona = scene_.view.corona ? &context_.model.analysis().corona() : nullptr;
    picture_ = BuildButterflyPicture(context_.model.session(), corona, scene_, &picture_);
    scene_.view.sx = picture_.options.sx;
    scene_.view.sy = picture_.options.sy;
    updatingScrollBars_ = true;
    const int width = canvas_->width();
    horizontalScroll_->setRange(0, std::max(0, ButterflyScrollRange(model(), options()) - width));
    horizontalScroll_->setPageStep(std::max(1, width));
    horizontalScroll_->setValue(options().sx);
    const int extra = ButterflyVerticalScroll(options(), canvas_->height());
    verticalScroll_->setRange(-extra, extra);
    verticalScroll_->setPageStep(std::max(1, canvas_->height()));
    verticalScroll_->setValue(options().sy);
    updatingScrollBars_ = false;
    title();
    updateButtons();
    canvas_->update();
}

void ButterflyWindow::keepRotationScale() {
    scene_.view.rotationScale = picture_.options.rotationScale;
    scene_.fitRotationScale = false;
}

bool ButterflyWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == canvas_ && event->type() == QEvent::Resize) rebuild();
    if (watched == canvas_ && event->type() == QEvent::KeyRelease) {
        keyReleaseEvent(static_cast<QKeyEvent*>(event));
        return event->isAccepted();
    }
    return QWidget::eventFilter(watched, event);
}

void ButterflyWindow::keyReleaseEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F8) {
        context_.frame.saveWindowPicture(PictureFileName);
        e->accept();
        return;
    }
    e->ignore();
}

void ButterflyWindow::onPrintClicked() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!choosePrinter(printer)) return;
    printTo(printer);
}

void ButterflyWindow::printTo(QPrinter& printer) {
    QPainter p;
    if (!p.begin(&printer)) {
        context_.messages.showMessage(QStringLiteral("Tisk se nepodařilo zahájit"));
        return;
    }
    const QRect pageIndex = printer.pageLayout().paintRectPixels(printer.resolution());
    PrintButterflyPicture(p, QRect(0, 0, pageIndex.width(), pageIndex.height()), picture_);
    p.end();
}

void ButterflyWindow::onModeClicked(int mode) {
    scene_.view.butterflyMode = mode;
    baseTitle_ = mode == 1 ? Spots : mode == 2 ? Fakule : SpotsAndFaculae;
    scene_.view.scale = false;
    rebuild();
}

void ButterflyWindow::onLeftClicked() {
    keepRotationScale();
    scene_.view.rotationScale = std::max(RotationScaleMin, scene_.view.rotationScale / 2);
    scene_.view.scale = false;
    rebuild();
}

void ButterflyWindow::onRightClicked() {
    keepRotationScale();
    scene_.view.rotationScale = std::min(RotationScaleMax, scene_.view.rotationScale * 2);
    scene_.view.scale = false;
    rebuild();
}

void ButterflyWindow::onLargerClicked() {
    scene_.view.latitudeScale = std::min(LatitudeScaleMax, scene_.view.latitudeScale + 1);
    scene_.view.scale = false;
    rebuild();
}

void ButterflyWindow::onSmallerClicked() {
    scene_.view.latitudeScale = std::max(LatitudeScaleMin, scene_.view.latitudeScale - 1);
    scene_.view.scale = false;
    rebuild();
}

void ButterflyWindow::onFaculaeBarsClicked() {
    if (scene_.view.butterflyMode == 2 || scene_.view.butterflyMode == 3)
        scene_.view.faculaeBars = !scene_.view.faculaeBars;
    scene_.view.scale = false;
    rebuild();
}

void ButterflyWindow::toggle(const QString& item) {
    QAction* a = actions_.value(item);
    if (!a) return;
    // The menu item toggled itself; a panel button toggles it here.
    if (sender() != a) a->setChecked(!a->isChecked());
    if (item == QLatin1String("vse"))
        for (const char* otherName : {"vyskaskvrn", "vyskahlazena", "hranice"})
            actions_.value(QString::fromLatin1(otherName))->setChecked(false);
    scene_.view.meanCurve = actions_.value(QStringLiteral("vyskaskvrn"))->isChecked();
    scene_.view.smoothedCurve = actions_.value(QStringLiteral("vyskahlazena"))->isChecked();
    scene_.view.bounds = actions_.value(QStringLiteral("hranice"))->isChecked();
    scene_.view.allCurves = actions_.value(QStringLiteral("vse"))->isChecked();
    scene_.view.scale = false;
    rebuild();
}

void ButterflyWindow::onNoUnderlayClicked() {
    QAction* a = actions_.value(QStringLiteral("Podkreslit1"));
    if (sender() != a) a->setChecked(!a->isChecked());
    scene_.view.underlay = a->isChecked();
    a->setText(scene_.view.underlay ? QStringLiteral("Nepodkreslit")
                                    : QStringLiteral("Podkreslit"));
    scene_.view.scale = false;
    rebuild();
}

void ButterflyWindow::onCoronaUnderlayClicked() {
    QAction* a = actions_.value(QStringLiteral("koronapod"));
    if (sender() != a) a->setChecked(!a->isChecked());
    if (a->isChecked() && !context_.model.corona(context_.messages).present()) {
        a->setChecked(false);
        context_.messages.showMessage(QStringLiteral("Nejsou data pro koronu"));
    }
    scene_.view.corona = a->isChecked();
    a->setText(scene_.view.corona ? QStringLiteral("Podkreslit koronou")
                                  : QStringLiteral("Nekreslit koronu"));
    scene_.view.scale = false;
    rebuild();
}

void ButterflyWindow::onSupplementaryClicked() {
    QAction* a = actions_.value(QStringLiteral("vypnout"));
    if (sender() != a) a->setChecked(!a->isChecked());
    scene_.view.supplementary = !a->isChecked();
    a->setText(a->isChecked() ? QStringLiteral("Zapnout") : QStringLiteral("Vypnout"));
    scene_.view.scale = false;
    rebuild();
}

void ButterflyWindow::onScaleClicked() {
    scene_.view.scale = true;
    rebuild();
}

void ButterflyWindow::shiftEquator(int yPress, int yRelease) {
    scene_.view.equatorOffset = yRelease - yPress;
    scene_.view.scale = false;
    rebuild();
}

void installButterfly(const WindowContext& k) {
    k.frame.connectCommand(cmd::Butterfly, [k] { ButterflyWindow::openWindow(k); });
    k.frame.connectCommand(cmd::ButterflyButton, [k] { ButterflyWindow::openWindow(k); });
    const std::pair<const char*, std::function<void(ButterflyWindow&)>> buttons[] = {
        {"vlevo", [](ButterflyWindow& w) { w.onLeftClicked(); }},
        {"vpravo", [](ButterflyWindow& w) { w.onRightClicked(); }},
        {"vetsi", [](ButterflyWindow& w) { w.onLargerClicked(); }},
        {"mensi", [](ButterflyWindow& w) { w.onSmallerClicked(); }},
        {"skvrny", [](ButterflyWindow& w) { w.onModeClicked(1); }},
        {"fakule", [](ButterflyWindow& w) { w.onModeClicked(2); }},
        {"skvrfak", [](ButterflyWindow& w) { w.onModeClicked(3); }},
        {"sirfakule", [](ButterflyWindow& w) { w.onFaculaeBarsClicked(); }},
        {"vyskvrn", [](ButterflyWindow& w) { w.toggle(QStringLiteral("vyskaskvrn")); }},
        {"vyskhlaz", [](ButterflyWindow& w) { w.toggle(QStringLiteral("vyskahlazena")); }},
        {"hranice", [](ButterflyWindow& w) { w.toggle(QStringLiteral("hranice")); }},
        {"vse", [](ButterflyWindow& w) { w.toggle(QStringLiteral("vse")); }},
        {"podkresleni", [](ButterflyWindow& w) { w.onNoUnderlayClicked(); }},
        {"podkreskorona", [](ButterflyWindow& w) { w.onCoronaUnderlayClicked(); }},
        {"SpeedButton12", [](ButterflyWindow& w) { w.closeWindow(); }},
    };
    for (const auto& [name, fn] : buttons)
        k.frame.connectCommand(QString::fromLatin1(name), [area = k.area, fn] {
            if (ButterflyWindow* w = ButterflyWindow::openInstance(area)) fn(*w);
        });
}

} // namespace hk
