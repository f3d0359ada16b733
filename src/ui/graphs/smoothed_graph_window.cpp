#include "ui/graphs/smoothed_graph_window.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
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
#include "ui/frame/main_window.h"
#include "ui/frame/messages.h"
#include "ui/frame/session_model.h"
#include "ui/frame/tool_window.h"
#include "ui/frame/ui_helpers.h"
#include "ui/graphs/graph_canvas.h"

namespace hk {

namespace {

struct RadaPrikaz {
    const char* polozka;
    const char* tlacitko; // empty: no button
};
constexpr RadaPrikaz Rady[PocetVyhlRad] = {
    {"gvyhl", "gv"},          {"fvyhl", "fv"},           {"rvyhl", "rv"},
    {"cvvyhl", "cvv"},        {"snvyhl", "snv"},         {"rbvyhl", "rbv"},
    {"plochavyhl", "plochv"}, {"polokvyhl", "polokouv"}, {"InterSOl1", "Solvyhla"},
};
constexpr const char* Porovnani[PocetVyhlRad] = {"Chg",  "Chf",  "Chr",   "Chcv",   "Chsn",
                                                 "Chrb", "Chpl", "Chpol", "chinter"};
constexpr const char* TextyPorovnani[PocetVyhlRad] = {"g",  "f",      "R",         "CV",       "SN",
                                                      "RB", "Plocha", "Polokoule", "Inter SOL"};
struct PolokoulePrikaz {
    VolbaPolokoule H;
    const char* tlacitko;
};
constexpr PolokoulePrikaz Polokoule[] = {{VolbaPolokoule::Celek, "CElek"},
                                         {VolbaPolokoule::Sever, "severni"},
                                         {VolbaPolokoule::Jih, "jizniv"},
                                         {VolbaPolokoule::Obe, "sev_jih"}};
struct ObdobiPrikaz {
    ObdobiAsymetrie o;
    const char* polozka;
    const char* text;
    const char* tlacitko;
};
constexpr ObdobiPrikaz Obdobi[] = {
    {ObdobiAsymetrie::Zaznamovy, "zaznamova", "Záznamový", "zakrsovy"},
    {ObdobiAsymetrie::Mesicni, "mesicni", "Měsíční", "mesicni"},
    {ObdobiAsymetrie::Rocni, "rocni", "Roční", "rocni"}};

} // namespace

SmoothedGraphWindow* SmoothedGraphWindow::otevrene(QMdiArea* plocha) {
    for (SmoothedGraphWindow* w : plocha->findChildren<SmoothedGraphWindow*>())
        if (!w->zavreno_) return w;
    return nullptr;
}

SmoothedGraphWindow* SmoothedGraphWindow::otevrit(const WindowContext& ctx, Tag tag,
                                                  DruhAsymetrie druh) {
    if (SmoothedGraphWindow* w = otevrene(ctx.plocha)) {
        if (w->tag_ == tag) {
            if (tag == Asymetrie) w->vyberDruh(druh);
            return w;
        }
        w->zavrit();
    }
    auto* w = new SmoothedGraphWindow(ctx, tag, druh);
    QMdiSubWindow* sub = ctx.plocha->addSubWindow(w);
    w->sub_ = sub;
    sub->setObjectName(QStringLiteral("Form8"));
    sub->setAttribute(Qt::WA_DeleteOnClose);
    const QRect plocha = ctx.plocha->viewport()->rect();
    // The work area left of the record list.
    int sirka = plocha.width();
    for (QMdiSubWindow* jine : ctx.plocha->subWindowList())
        if (jine != sub && jine->isVisible() && jine->x() > plocha.width() / 2)
            sirka = std::min(sirka, jine->x());
    sub->setGeometry(1, 1, std::max(400, sirka - 8), std::max(300, plocha.height() - 5));
    ctx.ramec.ukazPanel(QStringLiteral("provyhlazovaci"));
    sub->show();
    ctx.plocha->setActiveSubWindow(sub);
    ZavritPriAktivaciJineho(ctx.plocha, sub, w, [w] {
        if (!w->zavreno_) w->zavrit();
    });
    w->oznacit();
    return w;
}

SmoothedGraphWindow::SmoothedGraphWindow(const WindowContext& ctx, Tag tag, DruhAsymetrie druh)
    : QWidget(nullptr), ctx_(ctx), tag_(tag), druh_(druh) {
    setObjectName(QStringLiteral("SmoothedGraphWindow"));
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
    pridej(menu_, "zaviratv", QStringLiteral("Zavřít"), [this] { zavrit(); });
    QMenu* vyber = podmenu("vyberkrivku", QStringLiteral("Výběr grafu"));
    auto* skupina = new QActionGroup(this);
    for (int S = 1; S <= PocetVyhlRad; ++S) {
        if (tag == Asymetrie && S == 9) continue;
        QAction* a = pridej(vyber, Rady[S - 1].polozka, q(VyhlPopis(S).titulek).trimmed(),
                            [this, S] { vyberRadu(S); });
        a->setCheckable(true);
        skupina->addAction(a);
    }
    QAction* zvetsit =
        pridej(vyber, "zvetsit", QStringLiteral("Zvětšovat"), [this] { zvetsitClick(); });
    zvetsit->setVisible(tag == Vyhlazene);
    QMenu* typ = podmenu("typkrivky", QStringLiteral("Typ grafu"));
    typ->menuAction()->setVisible(tag == Asymetrie);
    auto* obdobi = new QActionGroup(this);
    for (const ObdobiPrikaz& o : Obdobi) {
        QAction* a = pridej(typ, o.polozka, q(o.text), [this, v = o.o] { vyberObdobi(v); });
        a->setCheckable(true);
        obdobi->addAction(a);
    }
    auto* druhy = new QActionGroup(this);
    QAction* roz = pridej(typ, "rozdilova", QStringLiteral("Rozdílová  asym"),
                          [this] { vyberDruh(DruhAsymetrie::Rozdilova); });
    QAction* pod = pridej(typ, "podilova", QStringLiteral("Podílová  asym"),
                          [this] { vyberDruh(DruhAsymetrie::Podilova); });
    for (QAction* a : {roz, pod}) {
        a->setCheckable(true);
        druhy->addAction(a);
    }
    pridej(menu_, "stupnic", QStringLiteral("Stupnice"), [this] {
        platno_->update();
    })->setVisible(tag == Asymetrie);
    pridej(menu_, "ulozitobr", QStringLiteral("Uložit všechny grafy"),
           [this] { ulozitobrClick(); });
    pridej(menu_, "tiskvyhl", QStringLiteral("Tisk "), [this] { tiskvyhlClick(); });
    pridej(menu_, "porovnat", QStringLiteral("Porovnání"), [this] {
        porovnatClick();
    })->setVisible(tag == Vyhlazene);
    QAction* brusel =
        pridej(menu_, "BruselR", QStringLiteral("Brusel R"), [this] { BruselRClick(); });
    brusel->setCheckable(true);
    brusel->setVisible(tag == Vyhlazene);

    platno_ = new GraphCanvas(this);
    platno_->setObjectName(QStringLiteral("platno"));
    platno_->setMalir([this](QPainter& p, const QRect& r) { kresli(p, r, posuv_->value()); });
    posuv_ = new QScrollBar(Qt::Horizontal, this);
    posuv_->setObjectName(QStringLiteral("HorzScrollBar"));
    posuv_->setSingleStep(20);
    connect(posuv_, &QScrollBar::valueChanged, platno_, qOverload<>(&QWidget::update));
    Label3_ = new QLabel(platno_);
    Label3_->setObjectName(QStringLiteral("Label3"));

    // Zoom box.
    GroupBox1_ = new QGroupBox(QStringLiteral("Zvětšovat"), platno_);
    GroupBox1_->setObjectName(QStringLiteral("GroupBox1"));
    auto* g1 = new QGridLayout(GroupBox1_);
    sirka_ = new QLineEdit(GroupBox1_);
    sirka_->setObjectName(QStringLiteral("Edit1"));
    vyska_ = new QLineEdit(GroupBox1_);
    vyska_->setObjectName(QStringLiteral("Edit2"));
    auto* potvrdit = new QPushButton(QStringLiteral("Potvrdit"), GroupBox1_);
    potvrdit->setObjectName(QStringLiteral("Button1"));
    g1->addWidget(new QLabel(QStringLiteral("Šířku"), GroupBox1_), 0, 0);
    g1->addWidget(sirka_, 0, 1);
    g1->addWidget(new QLabel(QStringLiteral("Výšku"), GroupBox1_), 1, 0);
    g1->addWidget(vyska_, 1, 1);
    g1->addWidget(potvrdit, 2, 0, 1, 2);
    connect(potvrdit, &QPushButton::clicked, this, &SmoothedGraphWindow::Button1Click);
    GroupBox1_->hide();

    // Comparison box.
    GroupBox2_ = new QGroupBox(QStringLiteral("Porovnání"), platno_);
    GroupBox2_->setObjectName(QStringLiteral("GroupBox2"));
    auto* g2 = new QGridLayout(GroupBox2_);
    for (int S = 1; S <= PocetVyhlRad; ++S) {
        auto* c = new QCheckBox(QString::fromUtf8(TextyPorovnani[S - 1]), GroupBox2_);
        c->setObjectName(QString::fromLatin1(Porovnani[S - 1]));
        QPalette pal = c->palette();
        pal.setColor(QPalette::WindowText, BarvaPorovnani(S));
        c->setPalette(pal);
        porovnani_.push_back(c);
        g2->addWidget(c, (S - 1) / 3, (S - 1) % 3);
    }
    Bruselvy_ = new QCheckBox(QStringLiteral("Brusel r"), GroupBox2_);
    Bruselvy_->setObjectName(QStringLiteral("Bruselvy"));
    g2->addWidget(Bruselvy_, 3, 0);
    // The outside monthly series read at start: areas and the radio flux.
    bruselploch_ = new QCheckBox(QStringLiteral("Brusel plochy"), GroupBox2_);
    bruselploch_->setObjectName(QStringLiteral("bruselploch"));
    radiotok_ = new QCheckBox(QStringLiteral("Rádiový tok"), GroupBox2_);
    radiotok_->setObjectName(QStringLiteral("radiotok"));
    for (QCheckBox* c : {bruselploch_, radiotok_}) {
        QPalette pal = c->palette();
        pal.setColor(QPalette::WindowText, c == bruselploch_ ? BarvaPloch : BarvaToku);
        c->setPalette(pal);
    }
    g2->addWidget(bruselploch_, 3, 1);
    g2->addWidget(radiotok_, 3, 2);
    auto* tok = new QWidget(GroupBox2_);
    tok->setObjectName(QStringLiteral("vybtok"));
    auto* tokLayout = new QHBoxLayout(tok);
    tokLayout->setContentsMargins(0, 0, 0, 0);
    for (const char* t : {"OBS", "ADJ", "ABS"}) {
        auto* r = new QRadioButton(QString::fromLatin1(t), tok);
        r->setObjectName(QStringLiteral("vybtok") + QString::fromLatin1(t));
        tokLayout->addWidget(r);
        vybtok_.push_back(r);
    }
    vybtok_.front()->setChecked(true);
    g2->addWidget(tok, 4, 0, 1, 3);
    const StartupTables& tabulky = ctx_.model.session().tables();
    if (DatovaneRadky(tabulky.PlochyTab) == 0) {
        bruselploch_->setEnabled(false);
        bruselploch_->setToolTip(QStringLiteral("Soubor SIDC\\Plochy.txt nemá žádný měsíc"));
    }
    if (DatovaneRadky(tabulky.Tok10cmTab) == 0) {
        radiotok_->setEnabled(false);
        tok->setEnabled(false);
        radiotok_->setToolTip(QStringLiteral("Soubor SIDC\\tok-10cm.txt nemá žádný měsíc"));
    }
    auto* potvrdp = new QPushButton(QStringLiteral("Potvrdit"), GroupBox2_);
    potvrdp->setObjectName(QStringLiteral("potvrdp"));
    g2->addWidget(potvrdp, 5, 0, 1, 3);
    connect(potvrdp, &QPushButton::clicked, this, &SmoothedGraphWindow::potvrdpClick);
    GroupBox2_->adjustSize();
    GroupBox2_->hide();
    // The boxes lie over the graph: their own background keeps them readable.
    for (QGroupBox* b : {GroupBox1_, GroupBox2_})
        b->setAutoFillBackground(true);

    GroupBox3_ = new QGroupBox(QStringLiteral("Tisknout do  roku "), platno_);
    GroupBox3_->setObjectName(QStringLiteral("GroupBox3"));
    rokTisku_ = new QLineEdit(QStringLiteral("2020"), GroupBox3_);
    rokTisku_->setObjectName(QStringLiteral("Edit3"));
    (new QVBoxLayout(GroupBox3_))->addWidget(rokTisku_);
    GroupBox3_->adjustSize();
    GroupBox3_->setAutoFillBackground(true);
    GroupBox3_->hide();

    ScrollBar1_ = new QScrollBar(Qt::Horizontal, this);
    ScrollBar1_->setObjectName(QStringLiteral("ScrollBar1"));
    ScrollBar1_->setToolTip(QStringLiteral("Posouvání koeficientu  brusel"));
    ScrollBar1_->setRange(0, 200);
    ScrollBar1_->hide();
    connect(ScrollBar1_, &QScrollBar::valueChanged, this, &SmoothedGraphWindow::ScrollBar1Change);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menu_);
    layout->addWidget(platno_, 1);
    layout->addWidget(ScrollBar1_);
    layout->addWidget(posuv_);

    vybratTiskarnu = [this](QPrinter& printer) {
        if (QPrinterInfo::availablePrinters().isEmpty()) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            runCommand(ctx_.zpravy, [&] {
                printer.setOutputFileName(textCesty(
                    ctx_.model.session().dir.ensureFolder("Obrázek") /
                    (tag_ == Vyhlazene ? "Tisk vyhlazeného grafu.pdf" : "Tisk asymetrie.pdf")));
            });
        }
        GroupBox3_->move((platno_->width() - GroupBox3_->width()) / 2,
                         (platno_->height() - GroupBox3_->height()) / 2);
        GroupBox3_->show();
        QPrintDialog d(&printer, this);
        const bool ok = d.exec() == QDialog::Accepted;
        GroupBox3_->hide();
        return ok;
    };
    connect(&ctx_.model, &SessionModel::recordsChanged, this, [this] { prepocitat(); });
    prepocitat();
}

bool SmoothedGraphWindow::bruselZobrazen() const {
    return tag_ == Vyhlazene && S_ == 3 && Bruselvy_->isChecked() && H_ != VolbaPolokoule::Obe;
}

bool SmoothedGraphWindow::plochyZobrazeny() const {
    return tag_ == Vyhlazene && bruselploch_->isEnabled() && bruselploch_->isChecked();
}

bool SmoothedGraphWindow::tokZobrazen() const {
    return tag_ == Vyhlazene && radiotok_->isEnabled() && radiotok_->isChecked();
}

VolbaToku SmoothedGraphWindow::volbaToku() const {
    for (std::size_t i = 0; i < vybtok_.size(); ++i)
        if (vybtok_[i]->isChecked()) return static_cast<VolbaToku>(i);
    return VolbaToku::OBS;
}

void SmoothedGraphWindow::prepocitat() {
    const Session& s = ctx_.model.session();
    const bool nova = revize_ != s.revision();
    revize_ = s.revision();
    if (tag_ == Vyhlazene) {
        if (nova || data_.S != S_ || data_.krivky[0].t.empty())
            data_ = BuildVyhlazenaData(s.records(), S_);
        dalsi_.clear();
        for (int S = 1; S <= PocetVyhlRad; ++S)
            if (porovnani_[static_cast<std::size_t>(S - 1)]->isChecked() && S != S_)
                dalsi_.push_back(
                    std::make_unique<VyhlazenaData>(BuildVyhlazenaData(s.records(), S)));
        brusel_ = bruselZobrazen() ? BuildBruselKrivka(s.tables().DenniSIDC, data_.prvniRok,
                                                       static_cast<int>(H_) - 1)
                                   : BruselKrivka{};
        const StartupTables& t = s.tables();
        const bool obe = H_ == VolbaPolokoule::Obe;
        plochy_ = plochyZobrazeny()
                      ? BuildTabulkovaKrivka(t.PlochyTab, obe ? 1 : static_cast<int>(H_) - 1,
                                             data_.prvniRok)
                      : BruselKrivka{};
        plochyJih_ = plochyZobrazeny() && obe ? BuildTabulkovaKrivka(t.PlochyTab, 2, data_.prvniRok)
                                              : BruselKrivka{};
        tokVolba_ = volbaToku();
        tok_ = tokZobrazen()
                   ? BuildTabulkovaKrivka(t.Tok10cmTab, static_cast<int>(tokVolba_), data_.prvniRok)
                   : BruselKrivka{};
    } else {
        asym_ =
            BuildAsymetrieGraf(s.records(), ctx_.model.analysis().asymmetry(), S_, druh_, obdobi_);
    }
    obnovit();
}

int SmoothedGraphWindow::sirkaObrazu() const {
    if (tag_ == Asymetrie) return AsymetrieSirka(asym_, AsymetrieOptions{faktor_, 0});
    const int w = std::max(1, Z_ * std::max(1, platno_->height() / 45) / 22);
    return (data_.tPosledni + 14) * w + 80;
}

void SmoothedGraphWindow::obnovit() {
    posuv_->setRange(0, std::max(0, sirkaObrazu() - platno_->width()));
    posuv_->setPageStep(std::max(1, platno_->width()));
    if (tag_ == Vyhlazene)
        setWindowTitle(q(VyhlazenyTitulek(H_, bruselZobrazen(), k_)));
    else
        setWindowTitle(QStringLiteral("Asymetrie    graf"));
    Label3_->setText(QStringLiteral("%1 x %2").arg(platno_->width()).arg(platno_->height()));
    Label3_->adjustSize();
    Label3_->move(std::max(0, platno_->width() - Label3_->width() - 10), 2);
    // Near the right edge, whole whatever the width of its texts.
    GroupBox2_->move(std::max(0, platno_->width() - std::max(300, GroupBox2_->width() + 10)), 30);
    platno_->update();
}

void SmoothedGraphWindow::oznacit() {
    for (int S = 1; S <= PocetVyhlRad; ++S) {
        if (QAction* a = findChild<QAction*>(QString::fromLatin1(Rady[S - 1].polozka)))
            a->setChecked(S == S_);
        if (QAction* b = ctx_.ramec.akce(QString::fromLatin1(Rady[S - 1].tlacitko))) {
            b->setChecked(S == S_);
            // Inter SOL has no hemispheres, so no asymmetry.
            if (S == 9) b->setVisible(tag_ == Vyhlazene);
        }
    }
    for (const PolokoulePrikaz& p : Polokoule)
        if (QAction* b = ctx_.ramec.akce(QString::fromLatin1(p.tlacitko))) {
            b->setChecked(p.H == H_);
            b->setVisible(tag_ == Vyhlazene);
        }
    for (const ObdobiPrikaz& o : Obdobi) {
        if (QAction* a = findChild<QAction*>(QString::fromLatin1(o.polozka)))
            a->setChecked(o.o == obdobi_);
        if (QAction* b = ctx_.ramec.akce(QString::fromLatin1(o.tlacitko))) {
            b->setChecked(o.o == obdobi_);
            b->setVisible(tag_ == Asymetrie);
        }
    }
    findChild<QAction*>(QStringLiteral("rozdilova"))->setChecked(druh_ == DruhAsymetrie::Rozdilova);
    findChild<QAction*>(QStringLiteral("podilova"))->setChecked(druh_ == DruhAsymetrie::Podilova);
    QAction* brusel = findChild<QAction*>(QStringLiteral("BruselR"));
    brusel->setEnabled(S_ == 3);
    ScrollBar1_->setVisible(tag_ == Vyhlazene && S_ == 3 && brusel->isChecked());
}

void SmoothedGraphWindow::vyberRadu(int S) {
    S_ = std::clamp(S, 1, tag_ == Asymetrie ? 8 : PocetVyhlRad);
    if (S_ == 9) H_ = VolbaPolokoule::Celek;
    prepocitat();
    oznacit();
}

void SmoothedGraphWindow::vyberPolokouli(VolbaPolokoule H) {
    H_ = S_ == 9 ? VolbaPolokoule::Celek : H;
    prepocitat();
    oznacit();
}

void SmoothedGraphWindow::vyberObdobi(ObdobiAsymetrie o) {
    obdobi_ = o;
    prepocitat();
    oznacit();
}

void SmoothedGraphWindow::vyberDruh(DruhAsymetrie d) {
    druh_ = d;
    prepocitat();
    oznacit();
}

void SmoothedGraphWindow::zvetsitClick() {
    sirka_->setText(QString::number(Z_));
    vyska_->setText(QString::number(800 / delitel_));
    GroupBox1_->adjustSize();
    GroupBox1_->move(60, 30);
    GroupBox1_->show();
    sirka_->setFocus();
}

void SmoothedGraphWindow::Button1Click() {
    const int z = sirka_->text().trimmed().toInt();
    Z_ = std::min(z == 0 ? 3 : std::max(1, z), 9);
    int v = vyska_->text().trimmed().toInt();
    v = v >= 10 ? v / 10 * 10 : 5;
    delitel_ = 800 / std::min(v, 30);
    GroupBox1_->hide();
    obnovit();
}

void SmoothedGraphWindow::porovnatClick() {
    GroupBox2_->setVisible(!GroupBox2_->isVisible());
    GroupBox2_->raise();
}

void SmoothedGraphWindow::potvrdpClick() {
    GroupBox2_->hide();
    prepocitat();
}

void SmoothedGraphWindow::BruselRClick() {
    oznacit();
}

void SmoothedGraphWindow::ScrollBar1Change(int pozice) {
    k_ = 1.0 + 0.01 * pozice;
    if (bruselZobrazen()) obnovit();
}

void SmoothedGraphWindow::zmensit() {
    if (tag_ == Asymetrie)
        faktor_ = std::min(16, faktor_ * 2);
    else
        Z_ = std::max(1, Z_ - 1);
    obnovit();
}

void SmoothedGraphWindow::rozsirit() {
    if (tag_ == Asymetrie)
        faktor_ = std::max(1, faktor_ / 2);
    else
        Z_ = std::min(9, Z_ + 1);
    obnovit();
}

void SmoothedGraphWindow::kresli(QPainter& p, const QRect& r, int posun) const {
    if (tag_ == Asymetrie) {
        PaintAsymetrie(p, r, asym_, AsymetrieOptions{faktor_, posun});
        return;
    }
    VyhlazenyOptions o;
    o.Z = Z_;
    o.delitel = delitel_;
    o.posun = posun;
    o.H = H_;
    if (bruselZobrazen()) {
        o.brusel = &brusel_;
        o.k = k_;
    }
    for (const auto& d : dalsi_)
        o.porovnani.push_back(d.get());
    // As last confirmed.
    if (!plochy_.t.empty()) o.plochy = &plochy_;
    if (!plochyJih_.t.empty()) o.plochyJih = &plochyJih_;
    if (!tok_.t.empty()) {
        o.tok = &tok_;
        o.volbaToku = tokVolba_;
    }
    PaintVyhlazeny(p, r, data_, o);
}

QImage SmoothedGraphWindow::obrazek() const {
    return platno_->obrazek();
}

void SmoothedGraphWindow::ulozitObrazek(const QString& nazev) {
    runCommand(ctx_.zpravy, [&] {
        const auto slozka = ctx_.model.session().dir.ensureFolder("Obrázek");
        WriteJpeg(obrazek().convertToFormat(QImage::Format_RGB888), slozka / (s(nazev) + ".jpg"),
                  90);
    });
}

void SmoothedGraphWindow::ulozitobrClick() {
    const int puvodni = S_;
    Label3_->hide();
    for (int S = 1; S <= 8; ++S) {
        vyberRadu(S);
        platno_->repaint();
        if (tag_ == Vyhlazene)
            ulozitObrazek(q(VyhlPopis(S).vyhl));
        else
            ulozitObrazek(q(VyhlPopis(S).asy) + (druh_ == DruhAsymetrie::Podilova
                                                     ? QStringLiteral("_P")
                                                     : QStringLiteral("_R")));
    }
    Label3_->show();
    vyberRadu(puvodni);
}

void SmoothedGraphWindow::tiskvyhlClick() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!vybratTiskarnu || !vybratTiskarnu(printer)) return;
    tiskDo(printer);
}

void SmoothedGraphWindow::tiskDo(QPrinter& printer) {
    // From the start to the end of the year in "Tisknout do  roku ".
    int sirka = sirkaObrazu();
    bool ok = false;
    const int rok = rokTisku_->text().trimmed().toInt(&ok);
    if (ok) {
        if (tag_ == Vyhlazene) {
            const int w = std::max(1, Z_ * std::max(1, platno_->height() / 45) / 22);
            sirka = std::clamp(((rok - data_.prvniRok + 1) * 12 + 1) * w + 30, 200, sirka);
        } else if (!asym_.mesice.empty()) {
            for (const AsymetrieSloupec& m : asym_.mesice)
                if (m.rok == rok + 1 && m.mesic == 1)
                    sirka = std::clamp(50 + static_cast<int>(m.odDne * 2.0 / faktor_), 200, sirka);
        }
    }
    const QSize size(sirka, std::max(1, platno_->height()));
    if (!TiskObrazku(printer, size, [this](QPainter& p, const QRect& r) { kresli(p, r, 0); }))
        ctx_.zpravy.Zprava(QStringLiteral("Tisk nelze zahájit"));
}

void SmoothedGraphWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F8) {
        Label3_->hide();
        platno_->repaint();
        ctx_.ramec.ulozitObrazekOkna(tag_ == Vyhlazene ? QStringLiteral("Vyhlazovací")
                                                       : QStringLiteral("Asymetrie"));
        Label3_->show();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        GroupBox1_->isVisible()) {
        Button1Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SmoothedGraphWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    obnovit();
}

void SmoothedGraphWindow::zavrit() {
    if (sub_)
        sub_->close();
    else
        close();
}

void SmoothedGraphWindow::closeEvent(QCloseEvent* event) {
    zavreno_ = true;
    for (const RadaPrikaz& r : Rady)
        if (QAction* b = ctx_.ramec.akce(QString::fromLatin1(r.tlacitko))) b->setChecked(false);
    VratitPanel(ctx_.ramec, QStringLiteral("provyhlazovaci"));
    QWidget::closeEvent(event);
}

void installVyhlazovaci(MainWindow& hlavni) {
    hlavni.zapojit(QStringLiteral("vyhlazovaci"), [&hlavni] {
        SmoothedGraphWindow::otevrit(hlavni.kontext(), SmoothedGraphWindow::Vyhlazene);
    });
    hlavni.zapojit(QStringLiteral("asyroz"), [&hlavni] {
        SmoothedGraphWindow::otevrit(hlavni.kontext(), SmoothedGraphWindow::Asymetrie,
                                     DruhAsymetrie::Rozdilova);
    });
    hlavni.zapojit(QStringLiteral("asypo"), [&hlavni] {
        SmoothedGraphWindow::otevrit(hlavni.kontext(), SmoothedGraphWindow::Asymetrie,
                                     DruhAsymetrie::Podilova);
    });
    auto okno = [&hlavni](auto fn) {
        return [&hlavni, fn] {
            if (SmoothedGraphWindow* w = SmoothedGraphWindow::otevrene(hlavni.plocha())) fn(*w);
        };
    };
    for (int S = 1; S <= PocetVyhlRad; ++S) {
        const QString b = QString::fromLatin1(Rady[S - 1].tlacitko);
        hlavni.zapojit(b, okno([S](SmoothedGraphWindow& w) { w.vyberRadu(S); }));
        hlavni.akce(b)->setCheckable(true);
    }
    for (const PolokoulePrikaz& p : Polokoule) {
        hlavni.zapojit(QString::fromLatin1(p.tlacitko),
                       okno([H = p.H](SmoothedGraphWindow& w) { w.vyberPolokouli(H); }));
        hlavni.akce(QString::fromLatin1(p.tlacitko))->setCheckable(true);
    }
    for (const ObdobiPrikaz& o : Obdobi) {
        hlavni.zapojit(QString::fromLatin1(o.tlacitko),
                       okno([v = o.o](SmoothedGraphWindow& w) { w.vyberObdobi(v); }));
        hlavni.akce(QString::fromLatin1(o.tlacitko))->setCheckable(true);
    }
    hlavni.zapojit(QStringLiteral("stupnicevyhl"),
                   okno([](SmoothedGraphWindow& w) { w.update(); }));
    hlavni.zapojit(QStringLiteral("zmensit"), okno([](SmoothedGraphWindow& w) { w.zmensit(); }));
    hlavni.zapojit(QStringLiteral("rozsirit"), okno([](SmoothedGraphWindow& w) { w.rozsirit(); }));
    hlavni.zapojit(QStringLiteral("SpeedButton11"),
                   okno([](SmoothedGraphWindow& w) { w.zavrit(); }));
}

} // namespace hk
