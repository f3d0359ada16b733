#include "ui/graphs/graph_window.h"
#include "ui/frame/command_names.h"

#include <QActionGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPrinter>
#include <QScrollBar>
#include <QVBoxLayout>

#include "records/session.h"
#include "render/graph_renderer.h"
#include "render/jpeg_writer.h"
#include "results/report_file.h"
#include "ui/frame/messages.h"
#include "ui/frame/picture_canvas.h"
#include "ui/frame/session_model.h"
#include "ui/frame/tool_window.h"
#include "ui/frame/ui_helpers.h"

namespace hk {

namespace {

struct QuantityCommand {
    GraphQuantity quantity;
    const char* item;
    const char* text;
    const char* button;
};
constexpr QuantityCommand Quantities[] = {
    {GraphQuantity::g, "ggraf", "Počet skupin", "gb"},
    {GraphQuantity::f, "fgraf", "Počet skvrn", "fb"},
    {GraphQuantity::R, "rrelativni", "Relativní číslo", "rb"},
    {GraphQuantity::CV, "cvgraf", "CV  (McIntoshovo číslo)", "cvb"},
    {GraphQuantity::SN, "sngraf", "SN  (Pettisovo číslo)", "snb"},
    {GraphQuantity::RB, "rbgraf", "RB  (Beckovo číslo)", "rbb"},
    {GraphQuantity::Plocha, "plochagraf", "Plocha skvrn disk", "plochb"},
    {GraphQuantity::HemisphereArea, "polokoulegraf", "Plocha skvrn polokoule", "polob"},
    {GraphQuantity::Fakule, "Plochafakul", "Plocha fakulí", "plochfak"},
    {GraphQuantity::Position, "gsvzg", "Poloha V-S-Z", "gsvz"},
    {GraphQuantity::InterSol, "InterSOL1", "Inter SOL", "solgraf"},
};
struct ViewCommand {
    GraphView mode;
    const char* item;
    const char* text;
    const char* button;
};
constexpr ViewCommand Views[] = {
    {GraphView::All, "vsechny", "Všechny tři", "vsechny"},
    {GraphView::Disk, "celkovy", "Celkový", "celkovy"},
    {GraphView::North, "severg", "Sever", "sevrni"},
    {GraphView::South, "jihg", "Jih", "jizni"},
};

} // namespace

GraphWindow* GraphWindow::openWindow(const WindowContext& ctx) {
    if (GraphWindow* w = openInstance(ctx.area)) {
        w->activate();
        return w;
    }
    // The work area left of the record list.
    const QRect rect = ToolWindowRect(ctx.area, {10, 10}, {400, 300}, true);
    auto* w = new GraphWindow(ctx);
    w->showInArea(QStringLiteral("Form6"), rect);
    // Opened at the last months of the time axis.
    w->scene_.options.offset = std::max(0, w->picture_.model.xLast - 750);
    w->rebuild();
    return w;
}

GraphWindow::GraphWindow(const WindowContext& ctx)
    : ToolWindow(ctx.frame, ctx.area, QString::fromLatin1(panel::Graphs)), ctx_(ctx) {
    setObjectName(QStringLiteral("GraphWindow"));
    setWindowTitle(QStringLiteral("Grafy"));
    setFocusPolicy(Qt::StrongFocus);
    menu_ = new QMenuBar(this);
    auto add = [this](QWidget* menu, const char* name, const QString& text, auto fn) {
        auto* a = new QAction(text, this);
        a->setObjectName(QString::fromLatin1(name));
        menu->addAction(a);
        connect(a, &QAction::triggered, this, fn);
        return a;
    };
    auto submenu = [this](const char* name, const QString& text) {
        auto* m = menu_->addMenu(text);
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };
    add(menu_, "zaviratgraf", QStringLiteral("&Zavřít"), [this] { closeWindow(); });
    QMenu* choose = submenu("vybergraf", QStringLiteral("&Výběr grafu"));
    auto* group = new QActionGroup(this);
    for (const QuantityCommand& r : Quantities) {
        QAction* a = add(choose, r.item, q(r.text),
                         [this, quantity = r.quantity] { chooseQuantity(quantity); });
        a->setCheckable(true);
        group->addAction(a);
    }
    QMenu* groupClass = submenu("typzobraz", QStringLiteral("Ty&p zobrazení"));
    for (const ViewCommand& p : Views)
        add(groupClass, p.item, q(p.text), [this, mode = p.mode] { chooseView(mode); });
    add(menu_, "tiskgraf", QStringLiteral("&Tisk "), [this] { onPrintClicked(); });
    add(menu_, "stupnice", QStringLiteral("&Stupnice"), [this] { onScaleClicked(); });
    QMenu* geometry = submenu("dosouboru", QStringLiteral("&Rozměr uložení"));
    add(geometry, "ctyry", QStringLiteral("400x400"), [this] { setGraphSize(400); });
    add(geometry, "pet", QStringLiteral("500x500"), [this] { setGraphSize(500); });
    add(geometry, "sest", QStringLiteral("600x600"), [this] { setGraphSize(600); });
    add(geometry, "plneokno", QStringLiteral("Celé okno"), [this] { setGraphSize(0); });
    add(menu_, "ulozit", QStringLiteral("Uložit jednotlivě"), [this] { onSaveClicked(); });
    add(menu_, "vsechnyobr", QStringLiteral("Uložit všechny obrázky"),
        [this] { onSaveAllClicked(); });

    canvas_ = new PictureCanvas(this);
    canvas_->setObjectName(QStringLiteral("platno"));
    canvas_->setPainter([this](QPainter& p, const QRect& r) { PaintGraphPicture(p, r, picture_); });
    scroll_ = new QScrollBar(Qt::Horizontal, this);
    scroll_->setObjectName(QStringLiteral("HorzScrollBar"));
    scroll_->setSingleStep(20);
    connect(scroll_, &QScrollBar::valueChanged, this, [this](int v) {
        if (updatingScrollBar_) return;
        scene_.options.offset = v;
        rebuild();
    });
    sizeLabel_ = new QLabel(canvas_);
    sizeLabel_->setObjectName(QStringLiteral("Label1"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menu_);
    layout->addWidget(canvas_, 1);
    layout->addWidget(scroll_);

    choosePrinter = [this](QPrinter& printer) {
        return ChoosePrinter(printer, this, ctx_.messages, ctx_.model.session().dir,
                             QStringLiteral("Tisk grafu.pdf"));
    };
    connect(&ctx_.model, &SessionModel::recordsChanged, this, [this] { rebuild(); });
    rebuild();
    markChecked();
}

void GraphWindow::rebuild() {
    scene_.clientWidth = canvas_->width();
    scene_.clientHeight = canvas_->height();
    picture_ = BuildGraphPicture(ctx_.model.session(), scene_, &picture_);
    scene_.options.offset = picture_.options.offset;
    updatingScrollBar_ = true;
    scroll_->setRange(0, picture_.maxOffset);
    scroll_->setPageStep(std::max(1, canvas_->width()));
    scroll_->setValue(picture_.options.offset);
    updatingScrollBar_ = false;
    setWindowTitle(q(picture_.model.title));
    sizeLabel_->setText(QStringLiteral("%1 x %2").arg(canvas_->width()).arg(canvas_->height()));
    sizeLabel_->adjustSize();
    sizeLabel_->move(std::max(0, canvas_->width() - 65 - sizeLabel_->width() / 2), 2);
    canvas_->update();
}

void GraphWindow::markChecked() {
    for (const QuantityCommand& r : Quantities) {
        if (QAction* a = findChild<QAction*>(QString::fromLatin1(r.item)))
            a->setChecked(r.quantity == scene_.quantity);
        if (QAction* b = ctx_.frame.action(QString::fromLatin1(r.button)))
            b->setChecked(r.quantity == scene_.quantity);
    }
    const GraphView view = mode();
    for (const ViewCommand& p : Views)
        if (QAction* b = ctx_.frame.action(QString::fromLatin1(p.button)))
            b->setChecked(p.mode == view);
}

void GraphWindow::chooseQuantity(GraphQuantity quantity) {
    scene_.quantity = quantity;
    if (quantity == GraphQuantity::InterSol) scene_.view = GraphView::Disk;
    rebuild();
    markChecked();
}

void GraphWindow::chooseView(GraphView mode) {
    scene_.view = scene_.quantity == GraphQuantity::InterSol ? GraphView::Disk : mode;
    rebuild();
    markChecked();
}

void GraphWindow::setGraphSize(int size) {
    if (subWindow()) {
        if (size > 0) {
            // The picture area of that size.
            const QSize extra = subWindow()->size() - canvas_->size();
            subWindow()->resize(QSize(size, size) + extra);
        } else {
            const QRect area = ctx_.area->viewport()->rect();
            subWindow()->setGeometry(1, 1, area.width() - 10, area.height() - 40);
        }
    }
    scene_.fixedSize = size;
    rebuild();
}

void GraphWindow::onScaleClicked() {
    scene_.options.scale = !scene_.options.scale;
    rebuild();
}

void GraphWindow::setScale(bool shown) {
    scene_.options.scale = shown;
    rebuild();
}

QImage GraphWindow::picture() const {
    return canvas_->picture();
}

int GraphWindow::offset() const {
    return picture_.options.offset;
}

void GraphWindow::onPrintClicked() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!choosePrinter || !choosePrinter(printer)) return;
    printTo(printer);
}

void GraphWindow::printTo(QPrinter& printer) {
    // The whole time axis on one page.
    const GraphModel& m = picture_.model;
    const QSize size(GraphWidth(m) + 50, std::max(1, canvas_->height()));
    if (!PrintPicture(printer, size,
                      [&m](QPainter& p, const QRect& r) { PaintGraph(p, r, m, {}); }))
        ctx_.messages.showMessage(QStringLiteral("Tisk nelze zahájit"));
}

void GraphWindow::savePicture(const QString& name) {
    runCommand(ctx_.messages, [&] {
        const auto folder = ctx_.model.session().dir.ensureFolder("Obrázek");
        WriteJpeg(picture().convertToFormat(QImage::Format_RGB888), folder / (s(name) + ".jpg"),
                  90);
    });
}

void GraphWindow::onSaveClicked() {
    runCommand(ctx_.messages, [&] {
        const auto folder = ctx_.model.session().dir.ensureFolder("Obrázek");
        const QString v =
            QString::number(scene_.fixedSize > 0 ? scene_.fixedSize : canvas_->width());
        const QImage image = picture();
        const std::filesystem::path file =
            folder /
            s(QStringLiteral("Graf") + v + QStringLiteral("x") + v + QStringLiteral(".bmp"));
        SaveImage(image.copy(0, 0, std::max(1, image.width() - 5), image.height()), file);
        ctx_.messages.showMessage(q(SavedMessage(ctx_.model.session().dir, {file})));
    });
}

void GraphWindow::onSaveAllClicked() {
    ctx_.messages.showMessage(QStringLiteral("Uloží se všechny grafy"));
    sizeLabel_->hide();
    setGraphSize(600);
    const bool scale = scene_.options.scale;
    setScale(true);
    const GraphQuantity original = scene_.quantity;
    const QString view = q(ViewTitle(scene_.view)).left(1);
    for (int i = 0; i <= static_cast<int>(GraphQuantity::HemisphereArea); ++i) {
        chooseQuantity(static_cast<GraphQuantity>(i));
        savePicture(q(QuantityInfoOf(scene_.quantity).picture) + view);
    }
    scene_.options.scale = scale;
    chooseQuantity(original);
    sizeLabel_->show();
}

void GraphWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F8) {
        sizeLabel_->hide();
        const bool scale = scene_.options.scale;
        setScale(true);
        canvas_->repaint();
        ctx_.frame.saveWindowPicture(windowTitle().left(20));
        setScale(scale);
        sizeLabel_->show();
        return;
    }
    QWidget::keyPressEvent(event);
}

void GraphWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    rebuild();
}

void GraphWindow::windowClosing() {
    // The panel's buttons show no state of a graph that is gone.
    for (const QuantityCommand& r : Quantities)
        if (QAction* b = ctx_.frame.action(QString::fromLatin1(r.button))) b->setChecked(false);
    if (QAction* b = ctx_.frame.action(cmd::GraphTotal)) b->setChecked(false);
}

void installGraphs(const WindowContext& ctx) {
    ctx.frame.connectCommand(cmd::Graphs, [ctx] { GraphWindow::openWindow(ctx); });
    auto onWindow = [area = ctx.area](auto fn) {
        return [area, fn] {
            if (GraphWindow* w = GraphWindow::openInstance(area)) fn(*w);
        };
    };
    for (const QuantityCommand& r : Quantities) {
        ctx.frame.connectCommand(
            QString::fromLatin1(r.button),
            onWindow([quantity = r.quantity](GraphWindow& w) { w.chooseQuantity(quantity); }));
        ctx.frame.action(QString::fromLatin1(r.button))->setCheckable(true);
    }
    for (const ViewCommand& p : Views) {
        ctx.frame.connectCommand(QString::fromLatin1(p.button),
                                 onWindow([mode = p.mode](GraphWindow& w) { w.chooseView(mode); }));
        ctx.frame.action(QString::fromLatin1(p.button))->setCheckable(true);
    }
    ctx.frame.connectCommand(cmd::GraphScale, onWindow([](GraphWindow& w) { w.onScaleClicked(); }));
    ctx.frame.connectCommand(cmd::GraphClose, onWindow([](GraphWindow& w) { w.closeWindow(); }));
}

} // namespace hk
