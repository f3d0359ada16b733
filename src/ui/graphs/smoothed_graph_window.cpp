#include "ui/graphs/smoothed_graph_window.h"
#include "ui/frame/command_names.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "records/session.h"
#include "render/jpeg_writer.h"
#include "ui/frame/messages.h"
#include "ui/frame/picture_canvas.h"
#include "ui/frame/session_model.h"
#include "ui/frame/tool_window.h"
#include "ui/frame/ui_helpers.h"

namespace hk {

namespace {

// The colour of a curve as a small square before its check box: the texts
// stay black, readable on the box's grey whatever the curve's colour.
QIcon colourSwatch(const QColor& colour) {
    QPixmap swatch(12, 12);
    swatch.fill(colour);
    QPainter p(&swatch);
    p.setPen(Qt::black);
    p.drawRect(0, 0, 11, 11);
    return QIcon(swatch);
}

struct QuantityCommand {
    const char* item;
    const char* button; // empty: no button
};
constexpr QuantityCommand Quantities[SmoothedQuantityCount] = {
    {"gvyhl", "gv"},          {"fvyhl", "fv"},           {"rvyhl", "rv"},
    {"cvvyhl", "cvv"},        {"snvyhl", "snv"},         {"rbvyhl", "rbv"},
    {"plochavyhl", "plochv"}, {"polokvyhl", "polokouv"}, {"InterSOl1", "Solvyhla"},
};
constexpr const char* ComparisonItems[SmoothedQuantityCount] = {
    "Chg", "Chf", "Chr", "Chcv", "Chsn", "Chrb", "Chpl", "Chpol", "chinter"};
constexpr const char* ComparisonTexts[SmoothedQuantityCount] = {
    "g", "f", "R", "CV", "SN", "RB", "Plocha", "Polokoule", "Inter SOL"};
struct HemisphereCommand {
    HemisphereOption H;
    const char* button;
};
constexpr HemisphereCommand Hemispheres[] = {{HemisphereOption::Disk, "CElek"},
                                             {HemisphereOption::North, "severni"},
                                             {HemisphereOption::South, "jizniv"},
                                             {HemisphereOption::Both, "sev_jih"}};
struct PeriodCommand {
    AsymmetryPeriod o;
    const char* item;
    const char* text;
    const char* button;
};
constexpr PeriodCommand Periods[] = {
    {AsymmetryPeriod::PerRecord, "zaznamova", "Záznamový", "zakrsovy"},
    {AsymmetryPeriod::Monthly, "mesicni", "Měsíční", "mesicni"},
    {AsymmetryPeriod::Yearly, "rocni", "Roční", "rocni"}};

} // namespace

SmoothedGraphWindow* SmoothedGraphWindow::openWindow(const WindowContext& ctx, Tag tag,
                                                     AsymmetryKind kind) {
    if (SmoothedGraphWindow* w = openInstance(ctx.area)) {
        if (w->tag_ == tag) {
            if (tag == AsymmetryTag) w->chooseKind(kind);
            return w;
        }
        w->closeWindow();
    }
    // The work area left of the record list.
    const QRect rect = ToolWindowRect(ctx.area, {8, 5}, {400, 300}, true);
    auto* w = new SmoothedGraphWindow(ctx, tag, kind);
    w->showInArea(QStringLiteral("Form8"), rect);
    w->markChecked();
    return w;
}

SmoothedGraphWindow::SmoothedGraphWindow(const WindowContext& ctx, Tag tag, AsymmetryKind kind)
    : ToolWindow(ctx.frame, ctx.area, QString::fromLatin1(panel::Smoothed)), ctx_(ctx), tag_(tag) {
    setObjectName(QStringLiteral("SmoothedGraphWindow"));
    asymmetryScene_.kind = kind;
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
    add(menu_, "zaviratv", QStringLiteral("Zavřít"), [this] { closeWindow(); });
    QMenu* choose = submenu("vyberkrivku", QStringLiteral("Výběr grafu"));
    auto* group = new QActionGroup(this);
    for (int S = 1; S <= SmoothedQuantityCount; ++S) {
        if (tag == AsymmetryTag && S == 9) continue;
        QAction* a =
            add(choose, Quantities[S - 1].item, q(SmoothedQuantityInfoOf(S).title).trimmed(),
                [this, S] { chooseQuantity(S); });
        a->setCheckable(true);
        group->addAction(a);
    }
    QAction* enlarge =
        add(choose, "zvetsit", QStringLiteral("Zvětšovat"), [this] { onZoomClicked(); });
    enlarge->setVisible(tag == SmoothedTag);
    QMenu* curveTypeMenu = submenu("typkrivky", QStringLiteral("Typ grafu"));
    curveTypeMenu->menuAction()->setVisible(tag == AsymmetryTag);
    auto* period = new QActionGroup(this);
    for (const PeriodCommand& o : Periods) {
        QAction* a = add(curveTypeMenu, o.item, q(o.text), [this, v = o.o] { choosePeriod(v); });
        a->setCheckable(true);
        period->addAction(a);
    }
    auto* kinds = new QActionGroup(this);
    QAction* difference = add(curveTypeMenu, "rozdilova", QStringLiteral("Rozdílová  asym"),
                              [this] { chooseKind(AsymmetryKind::Difference); });
    QAction* pod = add(curveTypeMenu, "podilova", QStringLiteral("Podílová  asym"),
                       [this] { chooseKind(AsymmetryKind::Ratio); });
    for (QAction* a : {difference, pod}) {
        a->setCheckable(true);
        kinds->addAction(a);
    }
    add(menu_, "stupnic", QStringLiteral("Stupnice"), [this] {
        canvas_->update();
    })->setVisible(tag == AsymmetryTag);
    add(menu_, "ulozitobr", QStringLiteral("Uložit všechny grafy"),
        [this] { onSavePictureClicked(); });
    add(menu_, "tiskvyhl", QStringLiteral("Tisk "), [this] { onPrintClicked(); });
    add(menu_, "porovnat", QStringLiteral("Porovnání"), [this] {
        onCompareClicked();
    })->setVisible(tag == SmoothedTag);
    QAction* brusselsCurve =
        add(menu_, "BruselR", QStringLiteral("Brusel R"), [this] { onBrusselsRClicked(); });
    brusselsCurve->setCheckable(true);
    brusselsCurve->setVisible(tag == SmoothedTag);

    canvas_ = new PictureCanvas(this);
    canvas_->setObjectName(QStringLiteral("platno"));
    canvas_->setPainter([this](QPainter& p, const QRect& r) {
        if (tag_ == AsymmetryTag)
            PaintAsymmetryPicture(p, r, asymmetryPicture_);
        else
            PaintSmoothedPicture(p, r, picture_);
    });
    // The picture fits the canvas, which the coefficient's scroll bar
    // makes lower when it shows.
    canvas_->onResize([this] { rebuild(); });
    scroll_ = new QScrollBar(Qt::Horizontal, this);
    scroll_->setObjectName(QStringLiteral("HorzScrollBar"));
    scroll_->setSingleStep(20);
    connect(scroll_, &QScrollBar::valueChanged, this, [this](int v) {
        if (updatingScrollBar_) return;
        if (tag_ == AsymmetryTag)
            asymmetryScene_.options.offset = v;
        else
            scene_.offset = v;
        rebuild();
    });
    sizeLabel_ = new QLabel(canvas_);
    sizeLabel_->setObjectName(QStringLiteral("Label3"));

    // Zoom box.
    zoomBox_ = new QGroupBox(QStringLiteral("Zvětšovat"), canvas_);
    zoomBox_->setObjectName(QStringLiteral("GroupBox1"));
    auto* g1 = new QGridLayout(zoomBox_);
    widthEdit_ = new QLineEdit(zoomBox_);
    widthEdit_->setObjectName(QStringLiteral("Edit1"));
    heightEdit_ = new QLineEdit(zoomBox_);
    heightEdit_->setObjectName(QStringLiteral("Edit2"));
    auto* confirm = new QPushButton(QStringLiteral("Potvrdit"), zoomBox_);
    confirm->setObjectName(QStringLiteral("Button1"));
    g1->addWidget(new QLabel(QStringLiteral("Šířku"), zoomBox_), 0, 0);
    g1->addWidget(widthEdit_, 0, 1);
    g1->addWidget(new QLabel(QStringLiteral("Výšku"), zoomBox_), 1, 0);
    g1->addWidget(heightEdit_, 1, 1);
    g1->addWidget(confirm, 2, 0, 1, 2);
    connect(confirm, &QPushButton::clicked, this, &SmoothedGraphWindow::onZoomConfirmed);
    zoomBox_->hide();

    // Comparison box.
    comparisonBox_ = new QGroupBox(QStringLiteral("Porovnání"), canvas_);
    comparisonBox_->setObjectName(QStringLiteral("GroupBox2"));
    auto* g2 = new QGridLayout(comparisonBox_);
    for (int S = 1; S <= SmoothedQuantityCount; ++S) {
        auto* c = new QCheckBox(QString::fromUtf8(ComparisonTexts[S - 1]), comparisonBox_);
        c->setObjectName(QString::fromLatin1(ComparisonItems[S - 1]));
        c->setIcon(colourSwatch(ComparisonColour(S)));
        comparison_.push_back(c);
        g2->addWidget(c, (S - 1) / 3, (S - 1) % 3);
    }
    brusselsBox_ = new QCheckBox(QStringLiteral("Brusel r"), comparisonBox_);
    brusselsBox_->setObjectName(QStringLiteral("Bruselvy"));
    g2->addWidget(brusselsBox_, 3, 0);
    // The outside monthly series read at start: areas and the radio flux.
    brusselsAreasBox_ = new QCheckBox(QStringLiteral("Brusel plochy"), comparisonBox_);
    brusselsAreasBox_->setObjectName(QStringLiteral("bruselploch"));
    radioFluxBox_ = new QCheckBox(QStringLiteral("Rádiový tok"), comparisonBox_);
    radioFluxBox_->setObjectName(QStringLiteral("radiotok"));
    brusselsAreasBox_->setIcon(colourSwatch(AreaColour));
    radioFluxBox_->setIcon(colourSwatch(FluxColour));
    g2->addWidget(brusselsAreasBox_, 3, 1);
    g2->addWidget(radioFluxBox_, 3, 2);
    auto* tok = new QWidget(comparisonBox_);
    tok->setObjectName(QStringLiteral("vybtok"));
    auto* fluxLayout = new QHBoxLayout(tok);
    fluxLayout->setContentsMargins(0, 0, 0, 0);
    for (const char* t : {"OBS", "ADJ", "ABS"}) {
        auto* r = new QRadioButton(QString::fromLatin1(t), tok);
        r->setObjectName(QStringLiteral("vybtok") + QString::fromLatin1(t));
        fluxLayout->addWidget(r);
        fluxButtons_.push_back(r);
    }
    fluxButtons_.front()->setChecked(true);
    g2->addWidget(tok, 4, 0, 1, 3);
    const StartupTables& tables = ctx_.model.session().tables();
    if (DatedRows(tables.areasTable) == 0) {
        brusselsAreasBox_->setEnabled(false);
        brusselsAreasBox_->setToolTip(QStringLiteral("Soubor SIDC\\Plochy.txt nemá žádný měsíc"));
    }
    if (DatedRows(tables.fluxTable) == 0) {
        radioFluxBox_->setEnabled(false);
        tok->setEnabled(false);
        radioFluxBox_->setToolTip(QStringLiteral("Soubor SIDC\\tok-10cm.txt nemá žádný měsíc"));
    }
    auto* confirmComparison = new QPushButton(QStringLiteral("Potvrdit"), comparisonBox_);
    confirmComparison->setObjectName(QStringLiteral("potvrdp"));
    g2->addWidget(confirmComparison, 5, 0, 1, 3);
    connect(confirmComparison, &QPushButton::clicked, this,
            &SmoothedGraphWindow::onConfirmComparisonClicked);
    comparisonBox_->adjustSize();
    comparisonBox_->hide();
    // The boxes lie over the graph: their own background keeps them readable.
    for (QGroupBox* b : {zoomBox_, comparisonBox_})
        b->setAutoFillBackground(true);

    printYearBox_ = new QGroupBox(QStringLiteral("Tisknout do  roku "), canvas_);
    printYearBox_->setObjectName(QStringLiteral("GroupBox3"));
    printYearEdit_ = new QLineEdit(QStringLiteral("2020"), printYearBox_);
    printYearEdit_->setObjectName(QStringLiteral("Edit3"));
    (new QVBoxLayout(printYearBox_))->addWidget(printYearEdit_);
    printYearBox_->adjustSize();
    printYearBox_->setAutoFillBackground(true);
    printYearBox_->hide();

    brusselsScroll_ = new QScrollBar(Qt::Horizontal, this);
    brusselsScroll_->setObjectName(QStringLiteral("ScrollBar1"));
    brusselsScroll_->setToolTip(QStringLiteral("Posouvání koeficientu  brusel"));
    brusselsScroll_->setRange(0, 200);
    brusselsScroll_->hide();
    connect(brusselsScroll_, &QScrollBar::valueChanged, this,
            &SmoothedGraphWindow::onCoefficientChanged);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menu_);
    layout->addWidget(canvas_, 1);
    layout->addWidget(brusselsScroll_);
    layout->addWidget(scroll_);

    choosePrinter = [this](QPrinter& printer) {
        if (QPrinterInfo::availablePrinters().isEmpty()) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            runCommand(ctx_.messages, [&] {
                printer.setOutputFileName(pathText(
                    ctx_.model.session().dir.ensureFolder("Obrázek") /
                    (tag_ == SmoothedTag ? "Tisk vyhlazeného grafu.pdf" : "Tisk asymetrie.pdf")));
            });
        }
        printYearBox_->move((canvas_->width() - printYearBox_->width()) / 2,
                            (canvas_->height() - printYearBox_->height()) / 2);
        printYearBox_->show();
        QPrintDialog d(&printer, this);
        const bool ok = d.exec() == QDialog::Accepted;
        printYearBox_->hide();
        return ok;
    };
    connect(&ctx_.model, &SessionModel::recordsChanged, this, [this] { rebuild(); });
    rebuild();
}

int SmoothedGraphWindow::series() const {
    return tag_ == SmoothedTag ? scene_.S : asymmetryScene_.S;
}

void SmoothedGraphWindow::rebuild() {
    int maxOffset = 0, offset = 0;
    if (tag_ == SmoothedTag) {
        scene_.clientWidth = canvas_->width();
        scene_.clientHeight = canvas_->height();
        picture_ = BuildSmoothedPicture(ctx_.model.session(), scene_, &picture_);
        scene_.offset = offset = picture_.offset;
        maxOffset = picture_.maxOffset;
        setWindowTitle(q(picture_.title));
    } else {
        asymmetryScene_.clientWidth = canvas_->width();
        asymmetryScene_.clientHeight = canvas_->height();
        asymmetryPicture_ =
            BuildAsymmetryPicture(ctx_.model.session(), ctx_.model.analysis().asymmetry(),
                                  asymmetryScene_, &asymmetryPicture_);
        asymmetryScene_.options.offset = offset = asymmetryPicture_.options.offset;
        maxOffset = asymmetryPicture_.maxOffset;
        setWindowTitle(QStringLiteral("Asymetrie    graf"));
    }
    updatingScrollBar_ = true;
    scroll_->setRange(0, maxOffset);
    scroll_->setPageStep(std::max(1, canvas_->width()));
    scroll_->setValue(offset);
    updatingScrollBar_ = false;
    sizeLabel_->setText(QStringLiteral("%1 x %2").arg(canvas_->width()).arg(canvas_->height()));
    sizeLabel_->adjustSize();
    sizeLabel_->move(std::max(0, canvas_->width() - sizeLabel_->width() - 10), 2);
    // Near the right edge, whole whatever the width of its texts.
    comparisonBox_->move(
        std::max(0, canvas_->width() - std::max(300, comparisonBox_->width() + 10)), 30);
    canvas_->update();
}

void SmoothedGraphWindow::markChecked() {
    const int current = series();
    for (int S = 1; S <= SmoothedQuantityCount; ++S) {
        if (QAction* a = findChild<QAction*>(QString::fromLatin1(Quantities[S - 1].item)))
            a->setChecked(S == current);
        if (QAction* b = ctx_.frame.action(QString::fromLatin1(Quantities[S - 1].button))) {
            b->setChecked(S == current);
            // Inter SOL has no hemispheres, so no asymmetry.
            if (S == 9) b->setVisible(tag_ == SmoothedTag);
        }
    }
    for (const HemisphereCommand& p : Hemispheres)
        if (QAction* b = ctx_.frame.action(QString::fromLatin1(p.button))) {
            b->setChecked(p.H == scene_.H);
            b->setVisible(tag_ == SmoothedTag);
        }
    for (const PeriodCommand& o : Periods) {
        if (QAction* a = findChild<QAction*>(QString::fromLatin1(o.item)))
            a->setChecked(o.o == asymmetryScene_.period);
        if (QAction* b = ctx_.frame.action(QString::fromLatin1(o.button))) {
            b->setChecked(o.o == asymmetryScene_.period);
            b->setVisible(tag_ == AsymmetryTag);
        }
    }
    findChild<QAction*>(QStringLiteral("rozdilova"))
        ->setChecked(asymmetryScene_.kind == AsymmetryKind::Difference);
    findChild<QAction*>(QStringLiteral("podilova"))
        ->setChecked(asymmetryScene_.kind == AsymmetryKind::Ratio);
    QAction* brusselsCurve = findChild<QAction*>(QStringLiteral("BruselR"));
    brusselsCurve->setEnabled(current == 3);
    // The international number joins only a graph of R of one curve.
    const bool brussels = SmoothedBrusselsAllowed(scene_.S, scene_.H);
    brusselsBox_->setEnabled(brussels);
    brusselsBox_->setToolTip(
        brussels ? QString() : QStringLiteral("Jen u grafu R celkového, severního nebo jižního"));
    brusselsScroll_->setVisible(tag_ == SmoothedTag && current == 3 && brusselsCurve->isChecked());
}

void SmoothedGraphWindow::chooseQuantity(int S) {
    if (tag_ == AsymmetryTag) {
        asymmetryScene_.S = std::clamp(S, 1, 8);
    } else {
        scene_.S = std::clamp(S, 1, SmoothedQuantityCount);
        if (scene_.S == 9) scene_.H = HemisphereOption::Disk;
    }
    rebuild();
    markChecked();
}

void SmoothedGraphWindow::chooseHemisphere(HemisphereOption H) {
    scene_.H = scene_.S == 9 ? HemisphereOption::Disk : H;
    rebuild();
    markChecked();
}

void SmoothedGraphWindow::choosePeriod(AsymmetryPeriod o) {
    asymmetryScene_.period = o;
    rebuild();
    markChecked();
}

void SmoothedGraphWindow::chooseKind(AsymmetryKind d) {
    asymmetryScene_.kind = d;
    rebuild();
    markChecked();
}

void SmoothedGraphWindow::onZoomClicked() {
    widthEdit_->setText(QString::number(scene_.Z));
    heightEdit_->setText(QString::number(800 / scene_.divisor));
    zoomBox_->adjustSize();
    zoomBox_->move(60, 30);
    zoomBox_->show();
    widthEdit_->setFocus();
}

void SmoothedGraphWindow::onZoomConfirmed() {
    const int z = widthEdit_->text().trimmed().toInt();
    scene_.Z = std::min(z == 0 ? 3 : std::max(1, z), 9);
    int v = heightEdit_->text().trimmed().toInt();
    v = v >= 10 ? v / 10 * 10 : 5;
    scene_.divisor = 800 / std::min(v, 30);
    zoomBox_->hide();
    rebuild();
}

void SmoothedGraphWindow::onCompareClicked() {
    comparisonBox_->setVisible(!comparisonBox_->isVisible());
    comparisonBox_->raise();
}

// The boxes ticked become the view's comparison curves.
void SmoothedGraphWindow::onConfirmComparisonClicked() {
    for (std::size_t i = 0; i < comparison_.size(); ++i)
        scene_.comparison[i] = comparison_[i]->isChecked();
    scene_.brussels = brusselsBox_->isChecked();
    scene_.areas = brusselsAreasBox_->isEnabled() && brusselsAreasBox_->isChecked();
    scene_.flux = radioFluxBox_->isEnabled() && radioFluxBox_->isChecked();
    for (std::size_t i = 0; i < fluxButtons_.size(); ++i)
        if (fluxButtons_[i]->isChecked()) scene_.fluxOption = static_cast<FluxOption>(i);
    comparisonBox_->hide();
    rebuild();
}

void SmoothedGraphWindow::onBrusselsRClicked() {
    markChecked();
}

void SmoothedGraphWindow::onCoefficientChanged(int position) {
    scene_.k = 1.0 + 0.01 * position;
    rebuild();
}

void SmoothedGraphWindow::shrink() {
    if (tag_ == AsymmetryTag)
        asymmetryScene_.options.factor = std::min(16, asymmetryScene_.options.factor * 2);
    else
        scene_.Z = std::max(1, scene_.Z - 1);
    rebuild();
}

void SmoothedGraphWindow::widen() {
    if (tag_ == AsymmetryTag)
        asymmetryScene_.options.factor = std::max(1, asymmetryScene_.options.factor / 2);
    else
        scene_.Z = std::min(9, scene_.Z + 1);
    rebuild();
}

QImage SmoothedGraphWindow::picture() const {
    return canvas_->picture();
}

void SmoothedGraphWindow::savePicture(const QString& name) {
    runCommand(ctx_.messages, [&] {
        const auto folder = ctx_.model.session().dir.ensureFolder("Obrázek");
        WriteJpeg(picture().convertToFormat(QImage::Format_RGB888), folder / (s(name) + ".jpg"),
                  90);
    });
}

void SmoothedGraphWindow::onSavePictureClicked() {
    const int original = series();
    sizeLabel_->hide();
    for (int S = 1; S <= 8; ++S) {
        chooseQuantity(S);
        canvas_->repaint();
        if (tag_ == SmoothedTag)
            savePicture(q(SmoothedQuantityInfoOf(S).smoothed));
        else
            savePicture(q(SmoothedQuantityInfoOf(S).asymmetry) +
                        (asymmetryScene_.kind == AsymmetryKind::Ratio ? QStringLiteral("_P")
                                                                      : QStringLiteral("_R")));
    }
    sizeLabel_->show();
    chooseQuantity(original);
}

void SmoothedGraphWindow::onPrintClicked() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!choosePrinter || !choosePrinter(printer)) return;
    printTo(printer);
}

void SmoothedGraphWindow::printTo(QPrinter& printer) {
    // From the start to the end of the year in "Tisknout do  roku ".
    bool ok = false;
    const int year = printYearEdit_->text().trimmed().toInt(&ok);
    const int height = std::max(1, canvas_->height());
    bool started = false;
    if (tag_ == SmoothedTag) {
        SmoothedScene page = scene_;
        page.offset = 0;
        page.clientWidth = SmoothedPrintWidth(picture_, ok ? std::optional(year) : std::nullopt);
        const SmoothedPicture printed = BuildSmoothedPicture(ctx_.model.session(), page, &picture_);
        started =
            PrintPicture(printer, QSize(printed.width, height),
                         [&](QPainter& p, const QRect& r) { PaintSmoothedPicture(p, r, printed); });
    } else {
        const AsymmetryGraph& graph = *asymmetryPicture_.graph;
        const int factor = asymmetryPicture_.options.factor;
        int width = AsymmetryWidth(graph, asymmetryPicture_.options);
        if (ok)
            for (const AsymmetryBar& m : graph.months)
                if (m.year == year + 1 && m.month == 1)
                    width = std::clamp(50 + static_cast<int>(m.fromDay * 2.0 / factor), 200, width);
        started = PrintPicture(printer, QSize(width, height), [&](QPainter& p, const QRect& r) {
            PaintAsymmetry(p, r, graph, AsymmetryOptions{factor, 0});
        });
    }
    if (!started) ctx_.messages.showMessage(QStringLiteral("Tisk nelze zahájit"));
}

void SmoothedGraphWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F8) {
        sizeLabel_->hide();
        canvas_->repaint();
        ctx_.frame.saveWindowPicture(tag_ == SmoothedTag ? QStringLiteral("Vyhlazovací")
                                                         : QStringLiteral("Asymetrie"));
        sizeLabel_->show();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        zoomBox_->isVisible()) {
        onZoomConfirmed();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SmoothedGraphWindow::windowClosing() {
    // The panel's buttons show no state of a graph that is gone.
    for (const QuantityCommand& r : Quantities)
        if (QAction* b = ctx_.frame.action(QString::fromLatin1(r.button))) b->setChecked(false);
}

void installSmoothed(const WindowContext& ctx) {
    ctx.frame.connectCommand(cmd::SmoothedGraphs, [ctx] {
        SmoothedGraphWindow::openWindow(ctx, SmoothedGraphWindow::SmoothedTag);
    });
    ctx.frame.connectCommand(cmd::AsymmetryDifference, [ctx] {
        SmoothedGraphWindow::openWindow(ctx, SmoothedGraphWindow::AsymmetryTag,
                                        AsymmetryKind::Difference);
    });
    ctx.frame.connectCommand(cmd::AsymmetryRatio, [ctx] {
        SmoothedGraphWindow::openWindow(ctx, SmoothedGraphWindow::AsymmetryTag,
                                        AsymmetryKind::Ratio);
    });
    auto window = [area = ctx.area](auto fn) {
        return [area, fn] {
            if (SmoothedGraphWindow* w = SmoothedGraphWindow::openInstance(area)) fn(*w);
        };
    };
    for (int S = 1; S <= SmoothedQuantityCount; ++S) {
        const QString b = QString::fromLatin1(Quantities[S - 1].button);
        ctx.frame.connectCommand(b, window([S](SmoothedGraphWindow& w) { w.chooseQuantity(S); }));
        ctx.frame.action(b)->setCheckable(true);
    }
    for (const HemisphereCommand& p : Hemispheres) {
        ctx.frame.connectCommand(
            QString::fromLatin1(p.button),
            window([H = p.H](SmoothedGraphWindow& w) { w.chooseHemisphere(H); }));
        ctx.frame.action(QString::fromLatin1(p.button))->setCheckable(true);
    }
    for (const PeriodCommand& o : Periods) {
        ctx.frame.connectCommand(QString::fromLatin1(o.button),
                                 window([v = o.o](SmoothedGraphWindow& w) { w.choosePeriod(v); }));
        ctx.frame.action(QString::fromLatin1(o.button))->setCheckable(true);
    }
    ctx.frame.connectCommand(cmd::SmoothedScale,
                             window([](SmoothedGraphWindow& w) { w.update(); }));
    ctx.frame.connectCommand(cmd::SmoothedNarrower,
                             window([](SmoothedGraphWindow& w) { w.shrink(); }));
    ctx.frame.connectCommand(cmd::SmoothedWider, window([](SmoothedGraphWindow& w) { w.widen(); }));
    ctx.frame.connectCommand(cmd::SmoothedClose,
                             window([](SmoothedGraphWindow& w) { w.closeWindow(); }));
}

} // namespace hk
