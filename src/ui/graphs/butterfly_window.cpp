#include "ui/graphs/butterfly_window.h"

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
#include "ui/frame/main_window.h"
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

ButterflyWindow* ButterflyWindow::openInstance(QMdiArea* area) {
    if (!area) return nullptr;
    for (ButterflyWindow* w : area->findChildren<ButterflyWindow*>())
        if (!w->closed_) return w;
    return nullptr;
}

ButterflyWindow* ButterflyWindow::openWindow(const WindowContext& k) {
    if (ButterflyWindow* w = openInstance(k.area)) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget()))
            k.area->setActiveSubWindow(sub);
        return w;
    }
    BusyCursor busy;
    auto* w = new ButterflyWindow(k);
    QMdiSubWindow* sub = k.area->addSubWindow(w);
    sub->setObjectName(QStringLiteral("form5"));
    sub->setAttribute(Qt::WA_DeleteOnClose);
    const QRect area = k.area->viewport()->rect();
    sub->setGeometry(1, 1, std::max(300, area.width() - 30), std::max(200, area.height() - 5));
    k.frame.showPanel(QStringLiteral("promotylek"));
    sub->show();
    k.area->setActiveSubWindow(sub);
    // The largest rotation scale at which the observer's rotations fit.
    w->options_.rotationScale =
        ButterflyFittedRotationScale(ButterflyAxisOf(*w->model_, false), w->canvas_->width());
    w->optionsChanged();
    w->canvas_->setFocus();
    // Closes itself when another window of the work area becomes active.
    CloseWhenAnotherActivates(k.area, sub, w, [sub] { sub->close(); });
    return w;
}

ButterflyWindow::ButterflyWindow(const WindowContext& k, QWidget* parent)
    : QWidget(parent), context_(k), baseTitle_(Spots), menu_(new QMenuBar(this)),
      canvas_(new PictureCanvas(this)), horizontalScroll_(new QScrollBar(Qt::Horizontal, this)),
      verticalScroll_(new QScrollBar(Qt::Vertical, this)) {
    setObjectName(QStringLiteral("Form5"));
    menu_->setObjectName(QStringLiteral("MainMenu1"));
    horizontalScroll_->setObjectName(QStringLiteral("HorzScrollBar"));
    verticalScroll_->setObjectName(QStringLiteral("VertScrollBar"));
    options_.fontPixels =
        static_cast<int>(std::nearbyint(context_.model.session().sizePercent() * 8 / 100.0));

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
    canvas_->setPainter([this](QPainter& p, const QRect& r) { paint(p, r); });
    // The equator is dragged: pressed at one height, released at another.
    canvas_->onPress([this](QMouseEvent& e) { pressY_ = e.position().toPoint().y(); });
    canvas_->onRelease(
        [this](QMouseEvent& e) { shiftEquator(pressY_, e.position().toPoint().y()); });
    canvas_->installEventFilter(this);
    connect(horizontalScroll_, &QScrollBar::valueChanged, this, [this](int v) {
        options_.sx = v;
        options_.scale = false;
        canvas_->update();
    });
    connect(verticalScroll_, &QScrollBar::valueChanged, this, [this](int v) {
        options_.sy = v;
        options_.scale = false;
        canvas_->update();
    });
    updateModel();
    connect(&context_.model, &SessionModel::recordsChanged, this, [this] {
        updateModel();
        canvas_->update();
    });

    choosePrinter = [this](QPrinter& printer) {
        return ChoosePrinter(printer, this, context_.messages, context_.model.session().dir,
                             QStringLiteral("Motýlek.pdf"));
    };

    createMenu();
    updateButtons();
    optionsChanged();
}

ButterflyWindow::~ButterflyWindow() = default;

void ButterflyWindow::updateModel() {
    const Session& s = context_.model.session();
    if (!model_ || modelRevision_ != s.revision()) {
        model_ = std::make_unique<ButterflyModel>(MakeButterflyModel(
            s.records(), s.geometry(), s.tables().supplementaryData, CoronaTable{}));
        modelRevision_ = s.revision();
        modelHasCorona_ = false;
    }
    // The corona columns once the corona is shown: the corona has been read
    // (and its warnings shown) by the command that switched it on.
    if (options_.corona && !modelHasCorona_) {
        SetButterflyCorona(*model_, context_.model.analysis().corona());
        modelHasCorona_ = true;
    }
}

const ButterflyModel& ButterflyWindow::model() const {
    return *model_;
}

QAction* ButterflyWindow::action(const QString& objectName) const {
    return actions_.value(objectName);
}

int ButterflyWindow::scrollRange() const {
    return ButterflyScrollRange(*model_, options_);
}

void ButterflyWindow::createMenu() {
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
    add(menu_, "konecmot", QStringLiteral("&Zavřít"), [this] { onCloseClicked(); });
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
    dole("skvrny", options_.butterflyMode == 1);
    dole("fakule", options_.butterflyMode == 2);
    dole("skvrfak", options_.butterflyMode == 3);
    dole("sirfakule", options_.faculaeBars);
    dole("vyskvrn", options_.meanCurve);
    dole("vyskhlaz", options_.smoothedCurve);
    dole("hranice", options_.bounds);
    dole("vse", options_.allCurves);
    dole("podkresleni", options_.underlay);
    dole("podkreskorona", options_.corona);
}

void ButterflyWindow::title() {
    setWindowTitle(baseTitle_ + QString(10, QLatin1Char(' ')) + QString::number(canvas_->width()) +
                   QStringLiteral(" x ") + QString::number(canvas_->height()));
}

void ButterflyWindow::optionsChanged() {
    const int width = canvas_->width();
    horizontalScroll_->setRange(0, std::max(0, scrollRange() - width));
    horizontalScroll_->setPageStep(std::max(1, width));
    // The diagram is 180 degrees high plus its labels; the rest scrolls.
    const int extra = std::max(0, (180 * options_.latitudeScale + 60 - canvas_->height()) / 2);
    verticalScroll_->setRange(-extra, extra);
    verticalScroll_->setPageStep(std::max(1, canvas_->height()));
    options_.sx = horizontalScroll_->value();
    options_.sy = verticalScroll_->value();
    options_.scale = false;
    title();
    updateButtons();
    canvas_->update();
}

void ButterflyWindow::paint(QPainter& p, const QRect& rect) {
    PaintButterfly(p, rect, model(), options_);
}

bool ButterflyWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == canvas_ && event->type() == QEvent::Resize) optionsChanged();
    if (watched == canvas_ && event->type() == QEvent::KeyRelease) {
        keyReleaseEvent(static_cast<QKeyEvent*>(event));
        return event->isAccepted();
    }
    return QWidget::eventFilter(watched, event);
}

void ButterflyWindow::closeEvent(QCloseEvent* e) {
    // The work area closes the window before it goes; the main window's
    // default panel comes back at once, unless the window that took over
    // shows its own.
    if (!closed_) {
        closed_ = true;
        RestorePanel(context_.frame, QStringLiteral("promotylek"));
    }
    QWidget::closeEvent(e);
}

void ButterflyWindow::keyReleaseEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F8) {
        context_.frame.saveWindowPicture(PictureFileName);
        e->accept();
        return;
    }
    e->ignore();
}

void ButterflyWindow::onCloseClicked() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
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
    PrintButterfly(p, QRect(0, 0, pageIndex.width(), pageIndex.height()), canvas_->size(), model(),
                   options_);
    p.end();
}

void ButterflyWindow::onModeClicked(int mode) {
    options_.butterflyMode = mode;
    baseTitle_ = mode == 1 ? Spots : mode == 2 ? Fakule : SpotsAndFaculae;
    optionsChanged();
}

void ButterflyWindow::onLeftClicked() {
    options_.rotationScale = std::max(RotationScaleMin, options_.rotationScale / 2);
    optionsChanged();
}

void ButterflyWindow::onRightClicked() {
    options_.rotationScale = std::min(RotationScaleMax, options_.rotationScale * 2);
    optionsChanged();
}

void ButterflyWindow::onLargerClicked() {
    options_.latitudeScale = std::min(LatitudeScaleMax, options_.latitudeScale + 1);
    optionsChanged();
}

void ButterflyWindow::onSmallerClicked() {
    options_.latitudeScale = std::max(LatitudeScaleMin, options_.latitudeScale - 1);
    optionsChanged();
}

void ButterflyWindow::onFaculaeBarsClicked() {
    if (options_.butterflyMode == 2 || options_.butterflyMode == 3)
        options_.faculaeBars = !options_.faculaeBars;
    optionsChanged();
}

void ButterflyWindow::toggle(const QString& item) {
    QAction* a = actions_.value(item);
    if (!a) return;
    // The menu item toggled itself; a panel button toggles it here.
    if (sender() != a) a->setChecked(!a->isChecked());
    if (item == QLatin1String("vse"))
        for (const char* otherName : {"vyskaskvrn", "vyskahlazena", "hranice"})
            actions_.value(QString::fromLatin1(otherName))->setChecked(false);
    options_.meanCurve = actions_.value(QStringLiteral("vyskaskvrn"))->isChecked();
    options_.smoothedCurve = actions_.value(QStringLiteral("vyskahlazena"))->isChecked();
    options_.bounds = actions_.value(QStringLiteral("hranice"))->isChecked();
    options_.allCurves = actions_.value(QStringLiteral("vse"))->isChecked();
    optionsChanged();
}

void ButterflyWindow::onNoUnderlayClicked() {
    QAction* a = actions_.value(QStringLiteral("Podkreslit1"));
    if (sender() != a) a->setChecked(!a->isChecked());
    options_.underlay = a->isChecked();
    a->setText(options_.underlay ? QStringLiteral("Nepodkreslit") : QStringLiteral("Podkreslit"));
    optionsChanged();
}

void ButterflyWindow::onCoronaUnderlayClicked() {
    QAction* a = actions_.value(QStringLiteral("koronapod"));
    if (sender() != a) a->setChecked(!a->isChecked());
    if (a->isChecked() && !context_.model.corona(context_.messages).present()) {
        a->setChecked(false);
        context_.messages.showMessage(QStringLiteral("Nejsou data pro koronu"));
    }
    options_.corona = a->isChecked();
    updateModel();
    a->setText(options_.corona ? QStringLiteral("Podkreslit koronou")
                               : QStringLiteral("Nekreslit koronu"));
    optionsChanged();
}

void ButterflyWindow::onSupplementaryClicked() {
    QAction* a = actions_.value(QStringLiteral("vypnout"));
    if (sender() != a) a->setChecked(!a->isChecked());
    options_.supplementary = !a->isChecked();
    a->setText(a->isChecked() ? QStringLiteral("Zapnout") : QStringLiteral("Vypnout"));
    optionsChanged();
}

void ButterflyWindow::onScaleClicked() {
    options_.scale = true;
    canvas_->update();
}

void ButterflyWindow::shiftEquator(int yPress, int yRelease) {
    options_.equatorOffset = yRelease - yPress;
    optionsChanged();
}

void installButterfly(MainWindow& mainWindow) {
    const WindowContext k = mainWindow.context();
    mainWindow.connectCommand(QStringLiteral("motylek1"), [k] { ButterflyWindow::openWindow(k); });
    mainWindow.connectCommand(QStringLiteral("motylekz"), [k] { ButterflyWindow::openWindow(k); });
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
        {"SpeedButton12", [](ButterflyWindow& w) { w.onCloseClicked(); }},
    };
    for (const auto& [name, fn] : buttons)
        mainWindow.connectCommand(QString::fromLatin1(name), [area = k.area, fn] {
            if (ButterflyWindow* w = ButterflyWindow::openInstance(area)) fn(*w);
        });
}

} // namespace hk
