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

SmoothedGraphWindow* SmoothedGraphWindow::openInstance(QMdiArea* area) {
    for (SmoothedGraphWindow* w : area->findChildren<SmoothedGraphWindow*>())
        if (!w->closed_) return w;
    return nullptr;
}

SmoothedGraphWindow* SmoothedGraphWindow::openWindow(const WindowContext& ctx, Tag tag,
                                                     AsymmetryKind kind) {
    if (SmoothedGraphWindow* w = openInstance(ctx.area)) {
        if (w->tag_ == tag) {
            if (tag == AsymmetryTag) w->chooseKind(kind);
            return w;
        }
        w->closeWindow();
    }
    auto* w = new SmoothedGraphWindow(ctx, tag, kind);
    QMdiSubWindow* sub = ctx.area->addSubWindow(w);
    w->sub_ = sub;
    sub->setObjectName(QStringLiteral("Form8"));
    sub->setAttribute(Qt::WA_DeleteOnClose);
    const QRect area = ctx.area->viewport()->rect();
    // The work area left of the record list.
    int width = area.width();
    for (QMdiSubWindow* other : ctx.area->subWindowList())
        if (other != sub && other->isVisible() && other->x() > area.width() / 2)
            width = std::min(width, other->x());
    sub->setGeometry(1, 1, std::max(400, width - 8), std::max(300, area.height() - 5));
    ctx.frame.showPanel(panel::Smoothed);
    sub->show();
    ctx.area->setActiveSubWindow(sub);
    CloseWhenAnotherActivates(ctx.area, sub, w, [w] {
        if (!w->closed_) w->closeWindow();
    });
    w->markChecked();
    return w;
}

SmoothedGraphWindow::SmoothedGraphWindow(const WindowContext& ctx, Tag tag, AsymmetryKind kind)
    : QWidget(nullptr), ctx_(ctx), tag_(tag) {
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
            paintGraph(p, r, scroll_->value());
    });
    scroll_ = new QScrollBar(Qt::Horizontal, this);
    scroll_->setObjectName(QStringLiteral("HorzScrollBar"));
    scroll_->setSingleStep(20);
    connect(scroll_, &QScrollBar::valueChanged, this, [this](int v) {
        if (updatingScrollBar_) return;
        if (tag_ == AsymmetryTag) {
            asymmetryScene_.options.offset = v;
            rebuildAsymmetry();
        }
        canvas_->update();
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
            &SmoothedGraphWindow::onScrollChanged);

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
    connect(&ctx_.model, &SessionModel::recordsChanged, this, [this] { recompute(); });
    recompute();
}

bool SmoothedGraphWindow::brusselsShown() const {
    return tag_ == SmoothedTag && S_ == 3 && brusselsBox_->isChecked() &&
           H_ != HemisphereOption::Both;
}

bool SmoothedGraphWindow::areasShown() const {
    return tag_ == SmoothedTag && brusselsAreasBox_->isEnabled() && brusselsAreasBox_->isChecked();
}

bool SmoothedGraphWindow::fluxShown() const {
    return tag_ == SmoothedTag && radioFluxBox_->isEnabled() && radioFluxBox_->isChecked();
}

FluxOption SmoothedGraphWindow::fluxOption() const {
    for (std::size_t i = 0; i < fluxButtons_.size(); ++i)
        if (fluxButtons_[i]->isChecked()) return static_cast<FluxOption>(i);
    return FluxOption::OBS;
}

void SmoothedGraphWindow::recompute() {
    const Session& s = ctx_.model.session();
    const bool stale = revision_ != s.revision();
    revision_ = s.revision();
    if (tag_ == SmoothedTag) {
        if (stale || data_.S != S_ || data_.curves[0].t.empty())
            data_ = BuildSmoothedData(s.records(), S_);
        further_.clear();
        for (int S = 1; S <= SmoothedQuantityCount; ++S)
            if (comparison_[static_cast<std::size_t>(S - 1)]->isChecked() && S != S_)
                further_.push_back(
                    std::make_unique<SmoothedData>(BuildSmoothedData(s.records(), S)));
        brussels_ = brusselsShown() ? BuildBrusselsCurve(s.tables().sidcDaily, data_.firstYear,
                                                         static_cast<int>(H_) - 1)
                                    : OutsideCurve{};
        const StartupTables& t = s.tables();
        const bool both = H_ == HemisphereOption::Both;
        areas_ = areasShown() ? BuildOutsideCurve(t.areasTable, both ? 1 : static_cast<int>(H_) - 1,
                                                  data_.firstYear)
                              : OutsideCurve{};
        southAreas_ = areasShown() && both ? BuildOutsideCurve(t.areasTable, 2, data_.firstYear)
                                           : OutsideCurve{};
        fluxOption_ = fluxOption();
        flux_ = fluxShown()
                    ? BuildOutsideCurve(t.fluxTable, static_cast<int>(fluxOption_), data_.firstYear)
                    : OutsideCurve{};
    }
    refresh();
}

int SmoothedGraphWindow::pictureWidth() const {
    if (tag_ == AsymmetryTag)
        return AsymmetryWidth(*asymmetryPicture_.graph, asymmetryPicture_.options);
    const int w = std::max(1, Z_ * std::max(1, canvas_->height() / 45) / 22);
    return (data_.tLast + 14) * w + 80;
}

void SmoothedGraphWindow::rebuildAsymmetry() {
    asymmetryScene_.S = S_;
    asymmetryScene_.clientWidth = canvas_->width();
    asymmetryScene_.clientHeight = canvas_->height();
    asymmetryPicture_ =
        BuildAsymmetryPicture(ctx_.model.session(), ctx_.model.analysis().asymmetry(),
                              asymmetryScene_, &asymmetryPicture_);
    asymmetryScene_.options.offset = asymmetryPicture_.options.offset;
}

void SmoothedGraphWindow::refresh() {
    if (tag_ == AsymmetryTag) rebuildAsymmetry();
    updatingScrollBar_ = true;
    scroll_->setRange(0, std::max(0, pictureWidth() - canvas_->width()));
    scroll_->setPageStep(std::max(1, canvas_->width()));
    updatingScrollBar_ = false;
    if (tag_ == SmoothedTag)
        setWindowTitle(q(SmoothedTitle(H_, brusselsShown(), k_)));
    else
        setWindowTitle(QStringLiteral("Asymetrie    graf"));
    sizeLabel_->setText(QStringLiteral("%1 x %2").arg(canvas_->width()).arg(canvas_->height()));
    sizeLabel_->adjustSize();
    sizeLabel_->move(std::max(0, canvas_->width() - sizeLabel_->width() - 10), 2);
    // Near the right edge, whole whatever the width of its texts.
    comparisonBox_->move(
        std::max(0, canvas_->width() - std::max(300, comparisonBox_->width() + 10)), 30);
    canvas_->update();
}

void SmoothedGraphWindow::markChecked() {
    for (int S = 1; S <= SmoothedQuantityCount; ++S) {
        if (QAction* a = findChild<QAction*>(QString::fromLatin1(Quantities[S - 1].item)))
            a->setChecked(S == S_);
        if (QAction* b = ctx_.frame.action(QString::fromLatin1(Quantities[S - 1].button))) {
            b->setChecked(S == S_);
            // Inter SOL has no hemispheres, so no asymmetry.
            if (S == 9) b->setVisible(tag_ == SmoothedTag);
        }
    }
    for (const HemisphereCommand& p : Hemispheres)
        if (QAction* b = ctx_.frame.action(QString::fromLatin1(p.button))) {
            b->setChecked(p.H == H_);
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
    brusselsCurve->setEnabled(S_ == 3);
    // The international number joins only a graph of R of one curve.
    const bool brussels = S_ == 3 && H_ != HemisphereOption::Both;
    brusselsBox_->setEnabled(brussels);
    brusselsBox_->setToolTip(
        brussels ? QString() : QStringLiteral("Jen u grafu R celkového, severního nebo jižního"));
    brusselsScroll_->setVisible(tag_ == SmoothedTag && S_ == 3 && brusselsCurve->isChecked());
}

void SmoothedGraphWindow::chooseQuantity(int S) {
    S_ = std::clamp(S, 1, tag_ == AsymmetryTag ? 8 : SmoothedQuantityCount);
    if (S_ == 9) H_ = HemisphereOption::Disk;
    recompute();
    markChecked();
}

void SmoothedGraphWindow::chooseHemisphere(HemisphereOption H) {
    H_ = S_ == 9 ? HemisphereOption::Disk : H;
    recompute();
    markChecked();
}

void SmoothedGraphWindow::choosePeriod(AsymmetryPeriod o) {
    asymmetryScene_.period = o;
    recompute();
    markChecked();
}

void SmoothedGraphWindow::chooseKind(AsymmetryKind d) {
    asymmetryScene_.kind = d;
    recompute();
    markChecked();
}

void SmoothedGraphWindow::onZoomClicked() {
    widthEdit_->setText(QString::number(Z_));
    heightEdit_->setText(QString::number(800 / divisor_));
    zoomBox_->adjustSize();
    zoomBox_->move(60, 30);
    zoomBox_->show();
    widthEdit_->setFocus();
}

void SmoothedGraphWindow::onZoomConfirmed() {
    const int z = widthEdit_->text().trimmed().toInt();
    Z_ = std::min(z == 0 ? 3 : std::max(1, z), 9);
    int v = heightEdit_->text().trimmed().toInt();
    v = v >= 10 ? v / 10 * 10 : 5;
    divisor_ = 800 / std::min(v, 30);
    zoomBox_->hide();
    refresh();
}

void SmoothedGraphWindow::onCompareClicked() {
    comparisonBox_->setVisible(!comparisonBox_->isVisible());
    comparisonBox_->raise();
}

void SmoothedGraphWindow::onConfirmComparisonClicked() {
    comparisonBox_->hide();
    recompute();
}

void SmoothedGraphWindow::onBrusselsRClicked() {
    markChecked();
}

void SmoothedGraphWindow::onScrollChanged(int position) {
    k_ = 1.0 + 0.01 * position;
    if (brusselsShown()) refresh();
}

void SmoothedGraphWindow::shrink() {
    if (tag_ == AsymmetryTag)
        asymmetryScene_.options.factor = std::min(16, asymmetryScene_.options.factor * 2);
    else
        Z_ = std::max(1, Z_ - 1);
    refresh();
}

void SmoothedGraphWindow::widen() {
    if (tag_ == AsymmetryTag)
        asymmetryScene_.options.factor = std::max(1, asymmetryScene_.options.factor / 2);
    else
        Z_ = std::min(9, Z_ + 1);
    refresh();
}

void SmoothedGraphWindow::paintGraph(QPainter& p, const QRect& r, int offset) const {
    if (tag_ == AsymmetryTag) {
        PaintAsymmetry(p, r, *asymmetryPicture_.graph,
                       AsymmetryOptions{asymmetryPicture_.options.factor, offset});
        return;
    }
    SmoothedOptions o;
    o.Z = Z_;
    o.divisor = divisor_;
    o.offset = offset;
    o.H = H_;
    if (brusselsShown()) {
        o.brusselsCurve = &brussels_;
        o.k = k_;
    }
    for (const auto& d : further_)
        o.comparison.push_back(d.get());
    // As last confirmed.
    if (!areas_.t.empty()) o.areasCurve = &areas_;
    if (!southAreas_.t.empty()) o.southAreasCurve = &southAreas_;
    if (!flux_.t.empty()) {
        o.tok = &flux_;
        o.fluxOption = fluxOption_;
    }
    PaintSmoothed(p, r, data_, o);
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
    const int original = S_;
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
    int width = pictureWidth();
    bool ok = false;
    const int year = printYearEdit_->text().trimmed().toInt(&ok);
    if (ok) {
        if (tag_ == SmoothedTag) {
            const int w = std::max(1, Z_ * std::max(1, canvas_->height() / 45) / 22);
            width = std::clamp(((year - data_.firstYear + 1) * 12 + 1) * w + 30, 200, width);
        } else {
            const int factor = asymmetryPicture_.options.factor;
            for (const AsymmetryBar& m : asymmetryPicture_.graph->months)
                if (m.year == year + 1 && m.month == 1)
                    width = std::clamp(50 + static_cast<int>(m.fromDay * 2.0 / factor), 200, width);
        }
    }
    const QSize size(width, std::max(1, canvas_->height()));
    if (!PrintPicture(printer, size, [this](QPainter& p, const QRect& r) { paintGraph(p, r, 0); }))
        ctx_.messages.showMessage(QStringLiteral("Tisk nelze zahájit"));
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

void SmoothedGraphWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    refresh();
}

void SmoothedGraphWindow::closeWindow() {
    if (sub_)
        sub_->close();
    else
        close();
}

void SmoothedGraphWindow::closeEvent(QCloseEvent* event) {
    closed_ = true;
    for (const QuantityCommand& r : Quantities)
        if (QAction* b = ctx_.frame.action(QString::fromLatin1(r.button))) b->setChecked(false);
    RestorePanel(ctx_.frame, panel::Smoothed);
    QWidget::closeEvent(event);
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
