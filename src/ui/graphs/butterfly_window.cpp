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
#include "ui/frame/session_model.h"
#include "ui/frame/tool_window.h"
#include "ui/frame/ui_helpers.h"
#include "ui/graphs/graph_canvas.h"

namespace hk {

namespace {

const QString Skvrny = QStringLiteral("Motýlek   Skvrny");
const QString Fakule = QStringLiteral("Motýlek   Fakule");
const QString SkvrnyAFakule = QStringLiteral("Motýlek   Skvrny a fakule");
const QString NazevObrazku = QStringLiteral("Motýlek");
constexpr int KrokPosuvu = 100;

// The diagram's client area: paints through the window and passes the mouse.
class Platno : public QWidget {
  public:
    explicit Platno(ButterflyWindow* okno) : QWidget(okno), okno_(okno) {
        setObjectName(QStringLiteral("platno"));
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::StrongFocus);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        okno_->kreslit(p, rect());
    }
    void mousePressEvent(QMouseEvent* e) override { stisk_ = e->position().toPoint().y(); }
    void mouseReleaseEvent(QMouseEvent* e) override {
        okno_->posunRovniku(stisk_, e->position().toPoint().y());
    }

  private:
    ButterflyWindow* okno_;
    int stisk_ = 0;
};

} // namespace

ButterflyWindow* ButterflyWindow::otevrene(QMdiArea* plocha) {
    if (!plocha) return nullptr;
    for (ButterflyWindow* w : plocha->findChildren<ButterflyWindow*>())
        if (!w->zavreno_) return w;
    return nullptr;
}

ButterflyWindow* ButterflyWindow::otevrit(const WindowContext& k) {
    if (ButterflyWindow* w = otevrene(k.plocha)) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget()))
            k.plocha->setActiveSubWindow(sub);
        return w;
    }
    BusyCursor busy;
    auto* w = new ButterflyWindow(k);
    QMdiSubWindow* sub = k.plocha->addSubWindow(w);
    sub->setObjectName(QStringLiteral("form5"));
    sub->setAttribute(Qt::WA_DeleteOnClose);
    const QRect plocha = k.plocha->viewport()->rect();
    sub->setGeometry(1, 1, std::max(300, plocha.width() - 30), std::max(200, plocha.height() - 5));
    k.ramec.ukazPanel(QStringLiteral("promotylek"));
    sub->show();
    k.plocha->setActiveSubWindow(sub);
    w->platno_->setFocus();
    // Closes itself when another window of the work area becomes active.
    ZavritPriAktivaciJineho(k.plocha, sub, w, [sub] { sub->close(); });
    return w;
}

ButterflyWindow::ButterflyWindow(const WindowContext& k, QWidget* parent)
    : QWidget(parent), kontext_(k), titulekZaklad_(Skvrny), menu_(new QMenuBar(this)),
      platno_(new Platno(this)), vodorovny_(new QScrollBar(Qt::Horizontal, this)),
      svisly_(new QScrollBar(Qt::Vertical, this)) {
    setObjectName(QStringLiteral("Form5"));
    menu_->setObjectName(QStringLiteral("MainMenu1"));
    vodorovny_->setObjectName(QStringLiteral("HorzScrollBar"));
    svisly_->setObjectName(QStringLiteral("VertScrollBar"));
    volby_.fontPixels =
        static_cast<int>(std::nearbyint(kontext_.model.session().ProcentoVelikosti() * 8 / 100.0));

    auto* l = new QGridLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    l->setMenuBar(menu_);
    l->addWidget(platno_, 0, 0);
    l->addWidget(svisly_, 0, 1);
    l->addWidget(vodorovny_, 1, 0);
    vodorovny_->setSingleStep(KrokPosuvu);
    svisly_->setSingleStep(KrokPosuvu / 4);
    platno_->installEventFilter(this);
    connect(vodorovny_, &QScrollBar::valueChanged, this, [this](int v) {
        volby_.sx = v;
        volby_.stupnice = false;
        platno_->update();
    });
    connect(svisly_, &QScrollBar::valueChanged, this, [this](int v) {
        volby_.sy = v;
        volby_.stupnice = false;
        platno_->update();
    });
    connect(&kontext_.model, &SessionModel::recordsChanged, this, [this] { platno_->update(); });

    vybratTiskarnu = [this](QPrinter& printer) {
        return VybratTiskarnu(printer, this, kontext_.zpravy, kontext_.model.session().dir,
                              QStringLiteral("Motýlek.pdf"));
    };

    vytvorMenu();
    nastavTlacitka();
    zmenaVolby();
}

ButterflyWindow::~ButterflyWindow() = default;

const ButterflyModel& ButterflyWindow::model() const {
    const Session& s = kontext_.model.session();
    if (!model_ || modelRevize_ != s.revision()) {
        model_ = std::make_unique<ButterflyModel>(
            MakeButterflyModel(s.records(), s.geometry(), s.tables().DoplnkovaData, KoronaTable{}));
        modelRevize_ = s.revision();
        modelKorona_ = false;
    }
    // The corona columns once the corona is shown: the corona has been read
    // (and its warnings shown) by the command that switched it on.
    if (volby_.korona && !modelKorona_) {
        SetButterflyCorona(*model_, kontext_.model.analysis().corona());
        modelKorona_ = true;
    }
    return *model_;
}

QAction* ButterflyWindow::akce(const QString& objectName) const {
    return akce_.value(objectName);
}

int ButterflyWindow::rozsahPosuvu() const {
    return ButterflyScrollRange(volby_.MeritkoRotace);
}

void ButterflyWindow::vytvorMenu() {
    auto pridej = [this](QWidget* kam, const char* jmeno, const QString& text, auto fn,
                         bool zaskrtavaci = false) {
        auto* a = new QAction(text, this);
        a->setObjectName(QString::fromLatin1(jmeno));
        a->setCheckable(zaskrtavaci);
        connect(a, &QAction::triggered, this, fn);
        kam->addAction(a);
        akce_.insert(a->objectName(), a);
        return a;
    };
    pridej(menu_, "konecmot", QStringLiteral("&Zavřít"), [this] { konecmotClick(); });
    pridej(menu_, "tiskmot", QStringLiteral("&Tisk "), [this] { tiskmotClick(); });
    pridej(menu_, "skvrnymot", QStringLiteral("&Skvrny"), [this] { rezimClick(1); });
    pridej(menu_, "Fakulemot", QStringLiteral("&Fakule"), [this] { rezimClick(2); });
    pridej(menu_, "Celek1", QStringLiteral("&Celek"), [this] { rezimClick(3); });
    for (const auto& [jmeno, text] :
         {std::pair{"vyskaskvrn", "Výška skvrn"}, std::pair{"vyskahlazena", "Výška vyhlazená"},
          std::pair{"hranice", "Ohraničení"}, std::pair{"vse", "Kreslit vše "}}) {
        const QString polozka = QString::fromLatin1(jmeno);
        pridej(
            menu_, jmeno, QString::fromUtf8(text), [this, polozka] { prepnout(polozka); }, true);
    }
    QAction* podkreslit = pridej(
        menu_, "Podkreslit1", QStringLiteral("Nepodkreslit"), [this] { Podkreslit1Click(); }, true);
    podkreslit->setChecked(true);
    pridej(
        menu_, "koronapod", QStringLiteral("Podkreslit koronu"), [this] { koronapodClick(); },
        true);
    auto* doplnkova = new QMenu(QStringLiteral("&Doplňková data"), menu_);
    doplnkova->setObjectName(QStringLiteral("doplnkova"));
    menu_->addMenu(doplnkova);
    doplnkova->menuAction()->setObjectName(QStringLiteral("doplnkova"));
    akce_.insert(QStringLiteral("doplnkova"), doplnkova->menuAction());
    QAction* vypnout = pridej(
        doplnkova, "vypnout", QStringLiteral("Zapnout"), [this] { vypnoutClick(); }, true);
    vypnout->setChecked(true);
    const auto& blok = kontext_.model.session().tables().DoplnkovaData;
    doplnkova->menuAction()->setVisible(!blok.empty() && blok.front() != 0);
    pridej(menu_, "Stupnice1", QStringLiteral("&Stupnice"), [this] { Stupnice1Click(); });
}

// The down states of the panel's buttons follow the window.
void ButterflyWindow::nastavTlacitka() {
    auto dole = [this](const char* jmeno, bool stav) {
        if (QAction* a = kontext_.ramec.akce(QString::fromLatin1(jmeno))) {
            a->setCheckable(true);
            a->setChecked(stav);
        }
    };
    dole("skvrny", volby_.RezimMotylka == 1);
    dole("fakule", volby_.RezimMotylka == 2);
    dole("skvrfak", volby_.RezimMotylka == 3);
    dole("sirfakule", volby_.SirkaFakuli);
    dole("vyskvrn", volby_.vyskaskvrn);
    dole("vyskhlaz", volby_.vyskahlazena);
    dole("hranice", volby_.hranice);
    dole("vse", volby_.vse);
    dole("podkresleni", volby_.podkreslit);
    dole("podkreskorona", volby_.korona);
}

void ButterflyWindow::titulek() {
    setWindowTitle(titulekZaklad_ + QString(10, QLatin1Char(' ')) +
                   QString::number(platno_->width()) + QStringLiteral(" x ") +
                   QString::number(platno_->height()));
}

void ButterflyWindow::zmenaVolby() {
    const int sirka = platno_->width();
    vodorovny_->setRange(0, std::max(0, rozsahPosuvu() - sirka));
    vodorovny_->setPageStep(std::max(1, sirka));
    // The diagram is 180 degrees high plus its labels; the rest scrolls.
    const int navic = std::max(0, (180 * volby_.MeritkoSirky + 60 - platno_->height()) / 2);
    svisly_->setRange(-navic, navic);
    svisly_->setPageStep(std::max(1, platno_->height()));
    volby_.sx = vodorovny_->value();
    volby_.sy = svisly_->value();
    volby_.stupnice = false;
    titulek();
    nastavTlacitka();
    platno_->update();
}

void ButterflyWindow::kreslit(QPainter& p, const QRect& rect) {
    PaintButterfly(p, rect, model(), volby_);
}

bool ButterflyWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == platno_ && event->type() == QEvent::Resize) zmenaVolby();
    if (watched == platno_ && event->type() == QEvent::KeyRelease) {
        keyReleaseEvent(static_cast<QKeyEvent*>(event));
        return event->isAccepted();
    }
    return QWidget::eventFilter(watched, event);
}

void ButterflyWindow::closeEvent(QCloseEvent* e) {
    // The work area closes the window before it goes; the main window's
    // default panel comes back at once, unless the window that took over
    // shows its own.
    if (!zavreno_) {
        zavreno_ = true;
        VratitPanel(kontext_.ramec, QStringLiteral("promotylek"));
    }
    QWidget::closeEvent(e);
}

void ButterflyWindow::keyReleaseEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F8) {
        kontext_.ramec.ulozitObrazekOkna(NazevObrazku);
        e->accept();
        return;
    }
    e->ignore();
}

void ButterflyWindow::konecmotClick() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}

void ButterflyWindow::tiskmotClick() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!vybratTiskarnu(printer)) return;
    tiskDo(printer);
}

void ButterflyWindow::tiskDo(QPrinter& printer) {
    QPainter p;
    if (!p.begin(&printer)) {
        kontext_.zpravy.Zprava(QStringLiteral("Tisk se nepodařilo zahájit"));
        return;
    }
    const QRect stranka = printer.pageLayout().paintRectPixels(printer.resolution());
    PrintButterfly(p, QRect(0, 0, stranka.width(), stranka.height()), platno_->size(), model(),
                   volby_);
    p.end();
}

void ButterflyWindow::rezimClick(int rezim) {
    volby_.RezimMotylka = rezim;
    titulekZaklad_ = rezim == 1 ? Skvrny : rezim == 2 ? Fakule : SkvrnyAFakule;
    zmenaVolby();
}

void ButterflyWindow::vlevoClick() {
    volby_.MeritkoRotace = std::max(MeritkoRotaceMin, volby_.MeritkoRotace / 2);
    zmenaVolby();
}

void ButterflyWindow::vpravoClick() {
    volby_.MeritkoRotace = std::min(MeritkoRotaceMax, volby_.MeritkoRotace * 2);
    zmenaVolby();
}

void ButterflyWindow::vetsiClick() {
    volby_.MeritkoSirky = std::min(MeritkoSirkyMax, volby_.MeritkoSirky + 1);
    zmenaVolby();
}

void ButterflyWindow::mensiClick() {
    volby_.MeritkoSirky = std::max(MeritkoSirkyMin, volby_.MeritkoSirky - 1);
    zmenaVolby();
}

void ButterflyWindow::sirfakuleClick() {
    if (volby_.RezimMotylka == 2 || volby_.RezimMotylka == 3)
        volby_.SirkaFakuli = !volby_.SirkaFakuli;
    zmenaVolby();
}

void ButterflyWindow::prepnout(const QString& polozka) {
    QAction* a = akce_.value(polozka);
    if (!a) return;
    // The menu item toggled itself; a panel button toggles it here.
    if (sender() != a) a->setChecked(!a->isChecked());
    if (polozka == QLatin1String("vse"))
        for (const char* jina : {"vyskaskvrn", "vyskahlazena", "hranice"})
            akce_.value(QString::fromLatin1(jina))->setChecked(false);
    volby_.vyskaskvrn = akce_.value(QStringLiteral("vyskaskvrn"))->isChecked();
    volby_.vyskahlazena = akce_.value(QStringLiteral("vyskahlazena"))->isChecked();
    volby_.hranice = akce_.value(QStringLiteral("hranice"))->isChecked();
    volby_.vse = akce_.value(QStringLiteral("vse"))->isChecked();
    zmenaVolby();
}

void ButterflyWindow::Podkreslit1Click() {
    QAction* a = akce_.value(QStringLiteral("Podkreslit1"));
    if (sender() != a) a->setChecked(!a->isChecked());
    volby_.podkreslit = a->isChecked();
    a->setText(volby_.podkreslit ? QStringLiteral("Nepodkreslit") : QStringLiteral("Podkreslit"));
    zmenaVolby();
}

void ButterflyWindow::koronapodClick() {
    QAction* a = akce_.value(QStringLiteral("koronapod"));
    if (sender() != a) a->setChecked(!a->isChecked());
    if (a->isChecked() && !kontext_.model.corona(kontext_.zpravy).present()) {
        a->setChecked(false);
        kontext_.zpravy.Zprava(QStringLiteral("Nejsou data pro koronu"));
    }
    volby_.korona = a->isChecked();
    a->setText(volby_.korona ? QStringLiteral("Podkreslit koronou")
                             : QStringLiteral("Nekreslit koronu"));
    zmenaVolby();
}

void ButterflyWindow::vypnoutClick() {
    QAction* a = akce_.value(QStringLiteral("vypnout"));
    if (sender() != a) a->setChecked(!a->isChecked());
    volby_.doplnkova = !a->isChecked();
    a->setText(a->isChecked() ? QStringLiteral("Zapnout") : QStringLiteral("Vypnout"));
    zmenaVolby();
}

void ButterflyWindow::Stupnice1Click() {
    volby_.stupnice = true;
    platno_->update();
}

void ButterflyWindow::posunRovniku(int yStisk, int yUvolneni) {
    volby_.PosunRovniku = yUvolneni - yStisk;
    zmenaVolby();
}

void installMotylek(MainWindow& hlavni) {
    const WindowContext k = hlavni.kontext();
    hlavni.zapojit(QStringLiteral("motylek1"), [k] { ButterflyWindow::otevrit(k); });
    hlavni.zapojit(QStringLiteral("motylekz"), [k] { ButterflyWindow::otevrit(k); });
    const std::pair<const char*, std::function<void(ButterflyWindow&)>> tlacitka[] = {
        {"vlevo", [](ButterflyWindow& w) { w.vlevoClick(); }},
        {"vpravo", [](ButterflyWindow& w) { w.vpravoClick(); }},
        {"vetsi", [](ButterflyWindow& w) { w.vetsiClick(); }},
        {"mensi", [](ButterflyWindow& w) { w.mensiClick(); }},
        {"skvrny", [](ButterflyWindow& w) { w.rezimClick(1); }},
        {"fakule", [](ButterflyWindow& w) { w.rezimClick(2); }},
        {"skvrfak", [](ButterflyWindow& w) { w.rezimClick(3); }},
        {"sirfakule", [](ButterflyWindow& w) { w.sirfakuleClick(); }},
        {"vyskvrn", [](ButterflyWindow& w) { w.prepnout(QStringLiteral("vyskaskvrn")); }},
        {"vyskhlaz", [](ButterflyWindow& w) { w.prepnout(QStringLiteral("vyskahlazena")); }},
        {"hranice", [](ButterflyWindow& w) { w.prepnout(QStringLiteral("hranice")); }},
        {"vse", [](ButterflyWindow& w) { w.prepnout(QStringLiteral("vse")); }},
        {"podkresleni", [](ButterflyWindow& w) { w.Podkreslit1Click(); }},
        {"podkreskorona", [](ButterflyWindow& w) { w.koronapodClick(); }},
        {"SpeedButton12", [](ButterflyWindow& w) { w.konecmotClick(); }},
    };
    for (const auto& [jmeno, fn] : tlacitka)
        hlavni.zapojit(QString::fromLatin1(jmeno), [plocha = k.plocha, fn] {
            if (ButterflyWindow* w = ButterflyWindow::otevrene(plocha)) fn(*w);
        });
}

} // namespace hk
