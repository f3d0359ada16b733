#include "ui/graphs/graph_window.h"

#include <QActionGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScrollBar>
#include <QVBoxLayout>

#include "records/session.h"
#include "render/graph_renderer.h"
#include "render/jpeg_writer.h"
#include "ui/frame/main_window.h"
#include "ui/frame/messages.h"
#include "ui/frame/session_model.h"
#include "ui/frame/tool_window.h"
#include "ui/frame/ui_helpers.h"
#include "ui/graphs/graph_canvas.h"

namespace hk {

namespace {

struct RadaPrikaz {
    GrafRada rada;
    const char* polozka;
    const char* text;
    const char* tlacitko;
};
constexpr RadaPrikaz Rady[] = {
    {GrafRada::g, "ggraf", "Počet skupin", "gb"},
    {GrafRada::f, "fgraf", "Počet skvrn", "fb"},
    {GrafRada::R, "rrelativni", "Relativní číslo", "rb"},
    {GrafRada::CV, "cvgraf", "CV  (McIntoshovo číslo)", "cvb"},
    {GrafRada::SN, "sngraf", "SN  (Pettisovo číslo)", "snb"},
    {GrafRada::RB, "rbgraf", "RB  (Beckovo číslo)", "rbb"},
    {GrafRada::Plocha, "plochagraf", "Plocha skvrn disk", "plochb"},
    {GrafRada::Polokoule, "polokoulegraf", "Plocha skvrn polokoule", "polob"},
    {GrafRada::Fakule, "Plochafakul", "Plocha fakulí", "plochfak"},
    {GrafRada::Poloha, "gsvzg", "Poloha V-S-Z", "gsvz"},
    {GrafRada::InterSol, "InterSOL1", "Inter SOL", "solgraf"},
};
struct PohledPrikaz {
    RezimGrafu rezim;
    const char* polozka;
    const char* text;
    const char* tlacitko;
};
constexpr PohledPrikaz Pohledy[] = {
    {RezimGrafu::Vsechny, "vsechny", "Všechny tři", "vsechny"},
    {RezimGrafu::Celkovy, "celkovy", "Celkový", "celkovy"},
    {RezimGrafu::Sever, "severg", "Sever", "sevrni"},
    {RezimGrafu::Jih, "jihg", "Jih", "jizni"},
};

} // namespace

bool TiskObrazku(QPaintDevice& printer, QSize size, const GraphCanvas::Malir& malir) {
    QPainter p;
    if (!p.begin(&printer)) return false;
    const QRect strana = p.viewport();
    const double m = std::min(static_cast<double>(strana.width()) / std::max(1, size.width()),
                              static_cast<double>(strana.height()) / std::max(1, size.height()));
    p.scale(m, m);
    malir(p, QRect(QPoint(0, 0), size));
    return true;
}

bool VybratTiskarnu(QPrinter& printer, QWidget* parent, Messages& zpravy, const ProgramDir& dir,
                    const QString& pdf) {
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        runCommand(zpravy, [&] {
            printer.setOutputFileName(textCesty(dir.ensureFolder("Obrázek") / cestaZTextu(pdf)));
        });
    }
    QPrintDialog d(&printer, parent);
    return d.exec() == QDialog::Accepted;
}

GraphWindow* GraphWindow::otevrene(QMdiArea* plocha) {
    for (GraphWindow* w : plocha->findChildren<GraphWindow*>())
        if (!w->zavreno_) return w;
    return nullptr;
}

GraphWindow* GraphWindow::otevrit(const WindowContext& ctx) {
    if (GraphWindow* w = otevrene(ctx.plocha)) return w;
    auto* w = new GraphWindow(ctx);
    QMdiSubWindow* sub = ctx.plocha->addSubWindow(w);
    w->sub_ = sub;
    sub->setObjectName(QStringLiteral("Form6"));
    sub->setAttribute(Qt::WA_DeleteOnClose);
    const QRect plocha = ctx.plocha->viewport()->rect();
    // The work area left of the record list.
    int sirka = plocha.width();
    for (QMdiSubWindow* jine : ctx.plocha->subWindowList())
        if (jine != sub && jine->isVisible() && jine->x() > plocha.width() / 2)
            sirka = std::min(sirka, jine->x());
    sub->setGeometry(1, 1, std::max(400, sirka - 10), std::max(300, plocha.height() - 10));
    ctx.ramec.ukazPanel(QStringLiteral("prografy"));
    sub->show();
    ctx.plocha->setActiveSubWindow(sub);
    // Closes itself when another window of the work area is activated.
    ZavritPriAktivaciJineho(ctx.plocha, sub, w, [w] {
        if (!w->zavreno_) w->zavrit();
    });
    w->posuv_->setValue(std::max(0, w->model_.xPosledni - 750));
    return w;
}

GraphWindow::GraphWindow(const WindowContext& ctx) : QWidget(nullptr), ctx_(ctx) {
    setObjectName(QStringLiteral("GraphWindow"));
    setWindowTitle(QStringLiteral("Grafy"));
    setFocusPolicy(Qt::StrongFocus);
    menu_ = new QMenuBar(this);
    auto pridej = [this](QWidget* menu, const char* name, const QString& text, auto fn) {
        auto* a = new QAction(text, this);
        a->setObjectName(QString::fromLatin1(name));
        menu->addAction(a);
        connect(a, &QAction::triggered, this, fn);
        return a;
    };
    auto podmenu = [this](const char* name, const QString& text) {
        auto* m = menu_->addMenu(text);
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };
    pridej(menu_, "zaviratgraf", QStringLiteral("&Zavřít"), [this] { zavrit(); });
    QMenu* vyber = podmenu("vybergraf", QStringLiteral("&Výběr grafu"));
    auto* skupina = new QActionGroup(this);
    for (const RadaPrikaz& r : Rady) {
        QAction* a =
            pridej(vyber, r.polozka, q(r.text), [this, rada = r.rada] { vyberRadu(rada); });
        a->setCheckable(true);
        skupina->addAction(a);
    }
    QMenu* typ = podmenu("typzobraz", QStringLiteral("Ty&p zobrazení"));
    for (const PohledPrikaz& p : Pohledy)
        pridej(typ, p.polozka, q(p.text), [this, rezim = p.rezim] { vyberPohled(rezim); });
    pridej(menu_, "tiskgraf", QStringLiteral("&Tisk "), [this] { tiskgrafClick(); });
    pridej(menu_, "stupnice", QStringLiteral("&Stupnice"), [this] { stupniceClick(); });
    QMenu* rozmer = podmenu("dosouboru", QStringLiteral("&Rozměr uložení"));
    pridej(rozmer, "ctyry", QStringLiteral("400x400"), [this] { nastavVelikost(400); });
    pridej(rozmer, "pet", QStringLiteral("500x500"), [this] { nastavVelikost(500); });
    pridej(rozmer, "sest", QStringLiteral("600x600"), [this] { nastavVelikost(600); });
    pridej(rozmer, "plneokno", QStringLiteral("Celé okno"), [this] { nastavVelikost(0); });
    pridej(menu_, "ulozit", QStringLiteral("Uložit jednotlivě"), [this] { ulozitClick(); });
    pridej(menu_, "vsechnyobr", QStringLiteral("Uložit všechny obrázky"),
           [this] { vsechnyobrClick(); });

    platno_ = new GraphCanvas(this);
    platno_->setObjectName(QStringLiteral("platno"));
    platno_->setMalir([this](QPainter& p, const QRect& r) {
        GrafOptions o;
        o.posun = posuv_->value();
        o.stupnice = stupnice_;
        PaintGraf(p, r, model_, o);
    });
    posuv_ = new QScrollBar(Qt::Horizontal, this);
    posuv_->setObjectName(QStringLiteral("HorzScrollBar"));
    posuv_->setSingleStep(20);
    connect(posuv_, &QScrollBar::valueChanged, platno_, qOverload<>(&QWidget::update));
    Label1_ = new QLabel(platno_);
    Label1_->setObjectName(QStringLiteral("Label1"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menu_);
    layout->addWidget(platno_, 1);
    layout->addWidget(posuv_);

    vybratTiskarnu = [this](QPrinter& printer) {
        return VybratTiskarnu(printer, this, ctx_.zpravy, ctx_.model.session().dir,
                              QStringLiteral("Tisk grafu.pdf"));
    };
    connect(&ctx_.model, &SessionModel::recordsChanged, this, [this] { prepocitat(); });
    prepocitat();
    oznacit();
}

void GraphWindow::prepocitat() {
    const Session& s = ctx_.model.session();
    if (revize_ != s.revision() || data_.rada != rada_ || data_.dny.size() != s.records().size()) {
        data_ = BuildGrafData(s.records(), s.geometry(), rada_);
        revize_ = s.revision();
    }
    model_ = BuildGrafModel(data_, std::max(1, platno_->height()), rezim_, d_);
    posuv_->setRange(0, std::max(0, GrafSirka(model_) + 50 - platno_->width()));
    posuv_->setPageStep(std::max(1, platno_->width()));
    setWindowTitle(q(model_.titulek));
    Label1_->setText(QStringLiteral("%1 x %2").arg(platno_->width()).arg(platno_->height()));
    Label1_->adjustSize();
    Label1_->move(std::max(0, platno_->width() - 65 - Label1_->width() / 2), 2);
    platno_->update();
}

void GraphWindow::oznacit() {
    for (const RadaPrikaz& r : Rady) {
        if (QAction* a = findChild<QAction*>(QString::fromLatin1(r.polozka)))
            a->setChecked(r.rada == rada_);
        if (QAction* b = ctx_.ramec.akce(QString::fromLatin1(r.tlacitko)))
            b->setChecked(r.rada == rada_);
    }
    const RezimGrafu pohled = rada_ == GrafRada::InterSol ? RezimGrafu::Celkovy : rezim_;
    for (const PohledPrikaz& p : Pohledy)
        if (QAction* b = ctx_.ramec.akce(QString::fromLatin1(p.tlacitko)))
            b->setChecked(p.rezim == pohled);
}

void GraphWindow::vyberRadu(GrafRada rada) {
    rada_ = rada;
    if (rada == GrafRada::InterSol) rezim_ = RezimGrafu::Celkovy;
    prepocitat();
    oznacit();
}

void GraphWindow::vyberPohled(RezimGrafu rezim) {
    rezim_ = rada_ == GrafRada::InterSol ? RezimGrafu::Celkovy : rezim;
    prepocitat();
    oznacit();
}

void GraphWindow::nastavVelikost(int velikost) {
    if (sub_) {
        if (velikost > 0) {
            // The picture area of that size.
            const QSize navic = sub_->size() - platno_->size();
            sub_->resize(QSize(velikost, velikost) + navic);
        } else {
            const QRect plocha = ctx_.plocha->viewport()->rect();
            sub_->setGeometry(1, 1, plocha.width() - 10, plocha.height() - 40);
        }
    }
    d_ = velikost > 0 ? 1 : 2;
    velikost_ = velikost > 0 ? QString::number(velikost) : QString();
    prepocitat();
}

void GraphWindow::stupniceClick() {
    stupnice_ = !stupnice_;
    platno_->update();
}

QImage GraphWindow::obrazek() const {
    return platno_->obrazek();
}

int GraphWindow::posun() const {
    return posuv_->value();
}

void GraphWindow::tiskgrafClick() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!vybratTiskarnu || !vybratTiskarnu(printer)) return;
    tiskDo(printer);
}

void GraphWindow::tiskDo(QPrinter& printer) {
    // The whole time axis on one page.
    GrafModel m = model_;
    const QSize size(GrafSirka(m) + 50, std::max(1, platno_->height()));
    if (!TiskObrazku(printer, size, [&m](QPainter& p, const QRect& r) { PaintGraf(p, r, m, {}); }))
        ctx_.zpravy.Zprava(QStringLiteral("Tisk nelze zahájit"));
}

void GraphWindow::ulozitObrazek(const QString& nazev) {
    runCommand(ctx_.zpravy, [&] {
        const auto slozka = ctx_.model.session().dir.ensureFolder("Obrázek");
        WriteJpeg(obrazek().convertToFormat(QImage::Format_RGB888), slozka / (s(nazev) + ".jpg"),
                  90);
    });
}

void GraphWindow::ulozitClick() {
    runCommand(ctx_.zpravy, [&] {
        const auto slozka = ctx_.model.session().dir.ensureFolder("Obrázek");
        const QString v = velikost_.isEmpty() ? QString::number(platno_->width()) : velikost_;
        const QImage image = obrazek();
        SaveImage(image.copy(0, 0, std::max(1, image.width() - 5), image.height()),
                  slozka / s(QStringLiteral("Graf") + v + QStringLiteral("x") + v +
                             QStringLiteral(".bmp")));
        ctx_.zpravy.Zprava(QStringLiteral("Data byla uložena"));
    });
}

void GraphWindow::vsechnyobrClick() {
    ctx_.zpravy.Zprava(QStringLiteral("Uloží se všechny grafy"));
    Label1_->hide();
    nastavVelikost(600);
    const bool stupnice = stupnice_;
    stupnice_ = true;
    const GrafRada puvodni = rada_;
    const QString pohled = q(TitulekPohledu(rezim_)).left(1);
    for (int i = 0; i <= static_cast<int>(GrafRada::Polokoule); ++i) {
        vyberRadu(static_cast<GrafRada>(i));
        ulozitObrazek(q(Popis(rada_).obrazek) + pohled);
    }
    stupnice_ = stupnice;
    vyberRadu(puvodni);
    Label1_->show();
}

void GraphWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F8) {
        Label1_->hide();
        const bool stupnice = stupnice_;
        stupnice_ = true;
        platno_->repaint();
        ctx_.ramec.ulozitObrazekOkna(windowTitle().left(20));
        stupnice_ = stupnice;
        Label1_->show();
        platno_->update();
        return;
    }
    QWidget::keyPressEvent(event);
}

void GraphWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    prepocitat();
}

void GraphWindow::zavrit() {
    if (sub_)
        sub_->close();
    else
        close();
}

void GraphWindow::closeEvent(QCloseEvent* event) {
    zavreno_ = true;
    for (const RadaPrikaz& r : Rady)
        if (QAction* b = ctx_.ramec.akce(QString::fromLatin1(r.tlacitko))) b->setChecked(false);
    if (QAction* b = ctx_.ramec.akce(QStringLiteral("celkovy"))) b->setChecked(false);
    VratitPanel(ctx_.ramec, QStringLiteral("prografy"));
    QWidget::closeEvent(event);
}

void installGrafy(MainWindow& hlavni) {
    hlavni.zapojit(QStringLiteral("graf"), [&hlavni] { GraphWindow::otevrit(hlavni.kontext()); });
    for (const RadaPrikaz& r : Rady) {
        hlavni.zapojit(QString::fromLatin1(r.tlacitko), [&hlavni, rada = r.rada] {
            if (GraphWindow* w = GraphWindow::otevrene(hlavni.plocha())) w->vyberRadu(rada);
        });
        hlavni.akce(QString::fromLatin1(r.tlacitko))->setCheckable(true);
    }
    for (const PohledPrikaz& p : Pohledy) {
        hlavni.zapojit(QString::fromLatin1(p.tlacitko), [&hlavni, rezim = p.rezim] {
            if (GraphWindow* w = GraphWindow::otevrene(hlavni.plocha())) w->vyberPohled(rezim);
        });
        hlavni.akce(QString::fromLatin1(p.tlacitko))->setCheckable(true);
    }
    hlavni.zapojit(QStringLiteral("stupnice"), [&hlavni] {
        if (GraphWindow* w = GraphWindow::otevrene(hlavni.plocha())) w->stupniceClick();
    });
    hlavni.zapojit(QStringLiteral("SpeedButton13"), [&hlavni] {
        if (GraphWindow* w = GraphWindow::otevrene(hlavni.plocha())) w->zavrit();
    });
}

} // namespace hk
