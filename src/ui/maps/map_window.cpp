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
#include "ui/frame/main_window.h"
#include "ui/frame/messages.h"
#include "ui/frame/session_model.h"
#include "ui/frame/ui_helpers.h"
#include "ui/graphs/graph_canvas.h"

namespace hk {

namespace {

const QString NejsouDalsiData = QStringLiteral("Nejsou další data");
constexpr int PosunStred = 10; // ScrollBar3 0..20, 10 = no shift
constexpr QSize MalaVelikost{812, 581};
// The lower map of the comparison starts this far below the upper one's
// 25 q, so that its title does not run into the upper map's labels.
constexpr int MezeraSrovnani = 15;
// The corona butterfly's margins beside its columns (one a rotation): the
// captions on the left, the last rotation's number on the right.
constexpr int KoronaMotylOkraj = 160;

// The client area: paints through the window and passes the mouse.
class Platno : public QWidget {
  public:
    Platno(MapWindow* okno, std::function<void(const QPoint&)> stisk)
        : QWidget(okno), okno_(okno), stisk_(std::move(stisk)) {
        setObjectName(QStringLiteral("platno"));
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::StrongFocus);
        setContextMenuPolicy(Qt::CustomContextMenu);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        okno_->kreslit(p, rect());
    }
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) stisk_(e->position().toPoint());
    }

  private:
    MapWindow* okno_;
    std::function<void(const QPoint&)> stisk_;
};

// A map that shows only some of its layers (the halves of the comparison,
// the corona or the magnetosphere alone).
SynopticMap JenVrstvy(const SynopticMap& m, bool skupiny, bool fakule) {
    SynopticMap v = m;
    if (!skupiny) {
        v.groups.clear();
        v.legend.clear();
        v.legendCaptions.clear();
    }
    if (!fakule) {
        v.faculae.clear();
        v.faculaeCentres.clear();
    }
    return v;
}

} // namespace

// ---------------------------------------------------------------------------
// Opening and closing

MapWindow* MapWindow::otevrene(QMdiArea* plocha) {
    if (!plocha) return nullptr;
    for (MapWindow* w : plocha->findChildren<MapWindow*>())
        if (!w->zavreno_) return w;
    return nullptr;
}

MapWindow* MapWindow::otevrit(const WindowContext& k) {
    if (MapWindow* w = otevrene(k.plocha)) {
        k.plocha->setActiveSubWindow(w->sub_);
        return w;
    }
    BusyCursor busy;
    auto* w = new MapWindow(k);
    QMdiSubWindow* sub = k.plocha->addSubWindow(w);
    w->sub_ = sub;
    sub->setObjectName(QStringLiteral("Form7"));
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // The whole work area: the map is as large as its height allows.
    const QRect plocha = k.plocha->viewport()->rect();
    sub->setGeometry(1, 1, std::max(400, plocha.width() - 8), std::max(300, plocha.height() - 8));
    k.ramec.ukazPanel(QStringLiteral("promapu"));
    if (QAction* a = k.ramec.akce(QStringLiteral("map"))) a->setEnabled(false);
    sub->show();
    k.plocha->setActiveSubWindow(sub);
    w->platno_->setFocus();
    QObject::connect(k.plocha, &QMdiArea::subWindowActivated, w, [w](QMdiSubWindow* aktivni) {
        if (aktivni && aktivni != w->sub_ && !w->zavreno_) w->zavritmClick();
    });
    w->zmena();
    return w;
}

MapWindow::MapWindow(const WindowContext& k, QWidget* parent)
    : QWidget(parent), kontext_(k), menu_(new QMenuBar(this)), popup_(new QMenu(this)),
      Toolbar1_(new QToolBar(this)),
      platno_(new Platno(this, [this](const QPoint& bod) { mistoTextu(bod); })),
      ScrollBar1_(new QScrollBar(Qt::Horizontal, this)),
      ScrollBar2_(new QScrollBar(Qt::Horizontal, this)), ListBox1_(new QListWidget(platno_)),
      Label2_(new QLabel(platno_)), Panelsrovnani_(new QFrame(platno_)),
      ScrollBar3_(new QScrollBar(Qt::Horizontal, Panelsrovnani_)),
      Label1_(new QLabel(Panelsrovnani_)), datamagnet_(new QGroupBox(platno_)),
      Edit5_(new QLineEdit(platno_)) {
    setObjectName(QStringLiteral("Form7"));
    menu_->setObjectName(QStringLiteral("MainMenu1"));
    Toolbar1_->setObjectName(QStringLiteral("Toolbar1"));
    ScrollBar1_->setObjectName(QStringLiteral("ScrollBar1"));
    ScrollBar2_->setObjectName(QStringLiteral("ScrollBar2"));
    ListBox1_->setObjectName(QStringLiteral("ListBox1"));
    Label2_->setObjectName(QStringLiteral("Label2"));
    Edit5_->setObjectName(QStringLiteral("Edit5"));
    popup_->setObjectName(QStringLiteral("PopupMenu1"));
    setFocusPolicy(Qt::StrongFocus);

    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    l->setMenuBar(menu_);
    l->addWidget(Toolbar1_);
    l->addWidget(platno_, 1);
    l->addWidget(ScrollBar1_);
    l->addWidget(ScrollBar2_);
    ScrollBar1_->hide();
    ScrollBar2_->hide();
    platno_->installEventFilter(this);

    const Session& s = kontext_.model.session();
    const int procento = s.ProcentoVelikosti();
    ListBox1_->setFixedSize(skalujZaokrouhlene(90, procento), skalujZaokrouhlene(300, procento));
    ListBox1_->move(4, 4);
    ListBox1_->hide();
    ListBox1_->installEventFilter(this);
    connect(ListBox1_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* i) { vyberRotace(ListBox1_->row(i)); });
    Label2_->setAutoFillBackground(true);
    Edit5_->hide();
    connect(Edit5_, &QLineEdit::returnPressed, this, [this] {
        vlozText(bodTextu_, Edit5_->text());
        Edit5_->hide();
        Edit5_->clear();
        if (QAction* a = kontext_.ramec.akce(QStringLiteral("vloztext"))) a->setChecked(false);
        platno_->setFocus();
    });
    connect(ScrollBar1_, &QScrollBar::valueChanged, this, [this] { zmena(); });
    connect(ScrollBar2_, &QScrollBar::valueChanged, this, [this] { zmena(); });
    connect(platno_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& bod) { popup_->popup(platno_->mapToGlobal(bod)); });
    connect(&kontext_.model, &SessionModel::recordsChanged, this, [this] { zmena(); });

    // The map starts from the working record's rotation.
    const TZaznam& z = s.AktualniZaznam();
    rotace_ = z.Rotace;
    datum_ = RecordDate(z);
    dnes = [] {
        const QDate d = QDate::currentDate();
        return Date{d.year(), d.month(), d.day()};
    };
    vybratTiskarnu = [this](QPrinter& printer) {
        return VybratTiskarnu(printer, this, kontext_.zpravy, kontext_.model.session().dir,
                              QStringLiteral("Mapa.pdf"));
    };

    vytvorMenu();
    vytvorNastroje();
    vytvorSrovnani();
    vytvorDatamagnet();
    sestavit();
    magn_ = ReadMagnDat(s.dir, MagnBlocks(index_.lastRotation()));
    setWindowTitle(q(MapCaption(rotace_)));
}

MapWindow::~MapWindow() = default;

QAction* MapWindow::akce(const QString& objectName) const {
    return akce_.value(objectName);
}

void MapWindow::vytvorMenu() {
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
    auto* pohledy = new QActionGroup(this);
    auto radio = [&](QWidget* kam, const char* jmeno, const QString& text, auto fn) {
        QAction* a = pridej(kam, jmeno, text, fn, true);
        pohledy->addAction(a);
        return a;
    };
    pridej(menu_, "zavritm", QStringLiteral("&Zavřít"), [this] { zavritmClick(); });
    pridej(menu_, "vyberm", QStringLiteral(" &Rotace"), [this] { vybermClick(); });
    radio(menu_, "mapky", QStringLiteral("Mapa otočky"), [this] {
        mapkyClick();
    })->setChecked(true);
    radio(menu_, "dlouhamap", QStringLiteral("Dlouhá  mapa"), [this] { dlouhamapClick(); });
    radio(menu_, "vysokamap", QStringLiteral("Vysoká  mapa"), [this] { vysokamapClick(); });
    auto* korona = new QMenu(QStringLiteral("Korona"), menu_);
    korona->setObjectName(QStringLiteral("Korona1"));
    korona->menuAction()->setObjectName(QStringLiteral("Korona1"));
    korona->menuAction()->setCheckable(true);
    akce_.insert(QStringLiteral("Korona1"), korona->menuAction());
    menu_->addMenu(korona);
    radio(korona, "KoronaGraf", QStringLiteral("Korona Graf"), [this] { KoronaGrafClick(); });
    radio(korona, "Koronamotyl", QStringLiteral("Korona motýl"), [this] { KoronamotylClick(); });
    radio(korona, "koronaglob", QStringLiteral("Korona skutečná"), [this] { koronaglobClick(); });
    korona->menuAction()->setEnabled(this->korona().present());
    pridej(
        menu_, "koronapod", QStringLiteral("Korona pod mapu"), [this] { koronapodClick(); }, true);
    pridej(
        menu_, "MagnetoSfera1", QStringLiteral("MagnetoSfera"), [this] { MagnetoSfera1Click(); },
        true);
    pridej(
        menu_, "Srovnani", QStringLiteral("Srovnávání"), [this] { SrovnaniClick(); }, true);
    radio(menu_, "dvenadsebou", QStringLiteral("Dvě nadsebou"), [this] { dvenadsebouClick(); });
    pridej(menu_, "Tisk1", QStringLiteral("&Tisk"), [this] { Tisk1Click(); });
    radio(popup_, "Koronazvlast", QStringLiteral("Korona zvvlašť"),
          [this] { KoronazvlastClick(); });
    radio(popup_, "Magnetzvlast", QStringLiteral("Magnetosféra zvlášť"),
          [this] { MagnetzvlastClick(); });
}

void MapWindow::vytvorNastroje() {
    Toolbar1_->setMovable(false);
    Toolbar1_->setFloatable(false);
    Toolbar1_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    // (name, caption, hint); a button that is up (Flat) is off.
    const std::tuple<const char*, const char*, const char*> vrstvy[] = {
        {"koronazap", "Korona", "Korona pod mapou"},
        {"magnetzap", "Magnetosféra", "Magnetosféra"},
        {"magnobr", "Obr. magnetosféry", "Obrázek magnetosféry"},
        {"fakulzap", "Fakule", "Fakule"},
        {"plochazap", "Plochy", "Plochy skupin"},
        {"Stredfakuli", "SF", "Středy fakulí"},
    };
    for (const auto& [jmeno, text, hint] : vrstvy) {
        auto* a = new QAction(QString::fromUtf8(text), this);
        const QString tlacitko = QString::fromLatin1(jmeno);
        a->setObjectName(tlacitko);
        a->setToolTip(QString::fromUtf8(hint));
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, tlacitko] { vrstvaClick(tlacitko); });
        Toolbar1_->addAction(a);
        Toolbar1_->widgetForAction(a)->setObjectName(tlacitko);
        akce_.insert(tlacitko, a);
    }
    Toolbar1_->addSeparator();
    auto* mv = new QAction(QStringLiteral("Zmenšit"), this);
    mv->setObjectName(QStringLiteral("mensivetsi"));
    connect(mv, &QAction::triggered, this, [this] { mensivetsiClick(); });
    Toolbar1_->addAction(mv);
    Toolbar1_->widgetForAction(mv)->setObjectName(QStringLiteral("mensivetsi"));
    akce_.insert(mv->objectName(), mv);
    auto* sb = new QAction(QStringLiteral("Porovnání magnetosféry"), this);
    sb->setObjectName(QStringLiteral("SpeedButton1"));
    sb->setCheckable(true);
    connect(sb, &QAction::triggered, this, [this] { SpeedButton1Click(); });
    Toolbar1_->addAction(sb);
    Toolbar1_->widgetForAction(sb)->setObjectName(QStringLiteral("SpeedButton1"));
    akce_.insert(sb->objectName(), sb);
    nastavTlacitka();
}

void MapWindow::vytvorSrovnani() {
    Panelsrovnani_->setObjectName(QStringLiteral("Panelsrovnani"));
    Panelsrovnani_->setFrameShape(QFrame::Panel);
    Panelsrovnani_->setFrameShadow(QFrame::Raised);
    Panelsrovnani_->setAutoFillBackground(true);
    auto* g = new QGridLayout(Panelsrovnani_);
    g->setContentsMargins(4, 4, 4, 4);
    g->setSpacing(2);
    auto tlacitko = [this, g](const char* jmeno, const QString& text, int radek, int sloupec,
                              auto fn) {
        auto* b = new QPushButton(text, Panelsrovnani_);
        b->setObjectName(QString::fromLatin1(jmeno));
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::clicked, this, fn);
        g->addWidget(b, radek, sloupec);
    };
    g->addWidget(new QLabel(QStringLiteral("Horní"), Panelsrovnani_), 0, 0);
    tlacitko("Hskvrna", QStringLiteral("Skvrny"), 0, 1, [this] { horniClick(SrovnaniSkvrny); });
    tlacitko("Hfakule", QStringLiteral("Fakule"), 0, 2, [this] { horniClick(SrovnaniFakule); });
    tlacitko("Hkorona", QStringLiteral("Korona"), 0, 3, [this] { horniClick(SrovnaniKorona); });
    tlacitko("Hmagnet", QStringLiteral("Magnet"), 0, 4, [this] { horniClick(SrovnaniMagnet); });
    tlacitko("mazaniHor", QStringLiteral("Smazat"), 0, 5, [this] { mazaniHorClick(); });
    g->addWidget(new QLabel(QStringLiteral("Dolní"), Panelsrovnani_), 1, 0);
    tlacitko("Dfakule", QStringLiteral("Fakule"), 1, 2, [this] { dolniClick(SrovnaniFakule); });
    tlacitko("Dkorona", QStringLiteral("Korona"), 1, 3, [this] { dolniClick(SrovnaniKorona); });
    tlacitko("Dmagnet", QStringLiteral("Magnet"), 1, 4, [this] { dolniClick(SrovnaniMagnet); });
    tlacitko("MazaniDol", QStringLiteral("Smazat"), 1, 5, [this] { MazaniDolClick(); });
    ScrollBar3_->setObjectName(QStringLiteral("ScrollBar3"));
    ScrollBar3_->setRange(0, 2 * PosunStred);
    ScrollBar3_->setValue(PosunStred);
    ScrollBar3_->setPageStep(1);
    ScrollBar3_->setMinimumWidth(160);
    connect(ScrollBar3_, &QScrollBar::valueChanged, this, [this](int v) { posunClick(v); });
    Label1_->setObjectName(QStringLiteral("Label1"));
    g->addWidget(ScrollBar3_, 2, 0, 1, 4);
    g->addWidget(Label1_, 2, 4, 1, 2);
    Panelsrovnani_->hide();
}

void MapWindow::vytvorDatamagnet() {
    datamagnet_->setObjectName(QStringLiteral("datamagnet"));
    datamagnet_->setTitle(QStringLiteral("Porovnání magnetosféry"));
    datamagnet_->setAutoFillBackground(true);
    auto* g = new QGridLayout(datamagnet_);
    const std::tuple<const char*, const char*, const char*> pole[] = {{"Od", "Od  °", "20"},
                                                                      {"Do", "Do  °", "10"},
                                                                      {"Cykly", "Cykly", "3"},
                                                                      {"Otocka", "Otočka", "1958"}};
    int radek = 0;
    for (const auto& [jmeno, text, hodnota] : pole) {
        g->addWidget(new QLabel(QString::fromUtf8(text), datamagnet_), radek, 0);
        auto* e = new QLineEdit(QString::fromLatin1(hodnota), datamagnet_);
        e->setObjectName(QString::fromLatin1(jmeno));
        g->addWidget(e, radek++, 1);
    }
    auto tlacitko = [&](const char* jmeno, const char* text, auto fn) {
        auto* b = new QPushButton(QString::fromUtf8(text), datamagnet_);
        b->setObjectName(QString::fromLatin1(jmeno));
        connect(b, &QPushButton::clicked, this, fn);
        g->addWidget(b, radek++, 0, 1, 2);
    };
    tlacitko("Vetsi", "Větší", [this] { vyskaRadkuClick(1); });
    tlacitko("Mensi", "Menší", [this] { vyskaRadkuClick(-1); });
    tlacitko("Potvrdit", "Potvrdit", [this] { PotvrditClick(); });
    datamagnet_->adjustSize();
    datamagnet_->hide();
}

// ---------------------------------------------------------------------------
// State changes

void MapWindow::nastavTlacitka() {
    auto stav = [this](const char* jmeno, bool zap) {
        if (QAction* a = akce_.value(QString::fromLatin1(jmeno))) a->setChecked(zap);
    };
    stav("koronazap", vrstvy_.koronazap);
    stav("magnetzap", vrstvy_.magnetzap);
    stav("magnobr", vrstvy_.magnobr);
    stav("fakulzap", vrstvy_.fakulzap);
    stav("plochazap", vrstvy_.plochazap);
    stav("Stredfakuli", vrstvy_.stredFakuli);
    stav("koronapod", vrstvy_.koronapod);
    stav("MagnetoSfera1", vrstvy_.magnetzap);
    stav("Srovnani", srovnani_);
    stav("SpeedButton1", !datamagnet_->isHidden());
    const bool korona = pohled_ == MapaPohled::KoronaGraf || pohled_ == MapaPohled::KoronaMotyl ||
                        pohled_ == MapaPohled::KoronaGlob;
    stav("Korona1", korona);
    const std::pair<MapaPohled, const char*> radia[] = {{MapaPohled::Mapa, "mapky"},
                                                        {MapaPohled::Dlouha, "dlouhamap"},
                                                        {MapaPohled::Vysoka, "vysokamap"},
                                                        {MapaPohled::Dve, "dvenadsebou"},
                                                        {MapaPohled::KoronaGraf, "KoronaGraf"},
                                                        {MapaPohled::KoronaMotyl, "Koronamotyl"},
                                                        {MapaPohled::KoronaGlob, "koronaglob"},
                                                        {MapaPohled::KoronaZvlast, "Koronazvlast"},
                                                        {MapaPohled::MagnetZvlast, "Magnetzvlast"}};
    for (const auto& [p, jmeno] : radia)
        if (p == pohled_) stav(jmeno, true);
    if (QAction* mv = akce_.value(QStringLiteral("mensivetsi")))
        mv->setText(mensi_ ? QStringLiteral("Zvětšit") : QStringLiteral("Zmenšit"));
    // The main panel's buttons show the same states.
    auto dole = [this](const char* jmeno, bool zap) {
        if (QAction* a = kontext_.ramec.akce(QString::fromLatin1(jmeno))) {
            a->setCheckable(true);
            a->setChecked(zap);
        }
    };
    dole("koronpod", vrstvy_.koronapod);
    dole("magnetpod", vrstvy_.magnetzap);
    dole("srovnan", srovnani_);
    if (QAction* a = kontext_.ramec.akce(QStringLiteral("SpeedButton6")))
        a->setText(nasobek_ == 2 ? QStringLiteral("1x") : QStringLiteral("2x"));
}

void MapWindow::nastavPohled(MapaPohled pohled) {
    if (pohled_ != pohled) texty_.clear();
    pohled_ = pohled;
    const bool mapa = pohled == MapaPohled::Mapa;
    if (pohled == MapaPohled::Dlouha || pohled == MapaPohled::Vysoka || pohled == MapaPohled::Dve)
        vrstvy_.koronapod = false;
    if (mapa) Toolbar1_->show();
    if (pohled == MapaPohled::Dlouha || pohled == MapaPohled::Vysoka || pohled == MapaPohled::Dve ||
        pohled == MapaPohled::KoronaGlob)
        Toolbar1_->hide();
    ScrollBar1_->setVisible(pohled == MapaPohled::KoronaGraf || pohled == MapaPohled::KoronaMotyl);
    ScrollBar2_->setVisible(pohled == MapaPohled::KoronaGlob);
    if (!mapa) {
        ListBox1_->hide();
        datamagnet_->hide();
    }
    zmena();
}

// The widening rule of the strip views: on a wide work area a window made
// small grows to its width again.
static void rozsirit(QMdiSubWindow* sub, QMdiArea* plocha) {
    if (!sub || !plocha) return;
    const int sirka = plocha->viewport()->width();
    if (sub->width() < 1450 && sirka > 1452) sub->resize(sirka - 20, sub->height());
}

void MapWindow::zmena() {
    if (zavreno_) return;
    sestavit();
    rozmistit();
    nastavTlacitka();
    setWindowTitle(q(MapCaption(rotace_)));
    platno_->update();
}

int MapWindow::meritko() const {
    // The map is 510 reference units high and 760 wide; a narrow window
    // takes the scale from its width so that the map is not cut.
    const int s = std::min(MapScale(platno_->height()), platno_->width() * 16 / 760);
    return std::max(1, s);
}

int MapWindow::meritkoSrovnani() const {
    // (main window width div 64) - 3, as long as both maps fit the height.
    QWidget* hlavni = kontext_.plocha ? kontext_.plocha->window() : nullptr;
    const int q = (hlavni ? hlavni->width() : width()) / 64 - 3;
    const int vyska = (platno_->height() - MezeraSrovnani) / 54;
    return std::max(1, std::min(q, vyska));
}

std::optional<Date> MapWindow::datumRotace(int rotace) const {
    const Session& s = kontext_.model.session();
    const int pozice = index_.position(rotace);
    if (pozice >= 0) return s.geometry().record(index_.L()[std::size_t(pozice)]).date;
    if (rotace == rotace_ && datum_) return datum_;
    return MapRotationDates(rotace).startDate;
}

const MagnetosphereData& MapWindow::magnetosfera(int rotace) {
    for (const MagnetosphereData& d : magnetData_)
        if (d.rotace == rotace) return d;
    const std::optional<Date> d = datumRotace(rotace);
    // Keeps the two rotations of the comparison.
    if (magnetData_.size() >= 2) magnetData_.erase(magnetData_.begin());
    magnetData_.push_back(LoadMagnetosphere(kontext_.model.session().dir,
                                            d.value_or(MapRotationDates(rotace).startDate), rotace,
                                            magn_));
    return magnetData_.back();
}

void MapWindow::sestavit() {
    const Session& s = kontext_.model.session();
    if (revize_ != s.revision()) {
        index_ = RotationIndex::of(s.records());
        revize_ = s.revision();
        magnetData_.clear();
        ListBox1_->clear();
        for (int r : index_.rotations())
            ListBox1_->addItem(QString::number(r));
        vybrana_ = index_.position(rotace_);
    }
    ++sestaveni_;
    const auto records = s.records();
    const GeometryCache& g = s.geometry();
    const KoronaTable& korona = this->korona();
    const int w = platno_->width();
    const int h = platno_->height();
    if (pohled_ == MapaPohled::Mapa && !datamagnet_->isHidden()) {
        porovnani_ = MakeMagnetComparison(records, g, index_, magn_, porovnaniVolby_,
                                          MagnetComparisonRows(h, porovnaniVolby_.vyskaRadku));
        return;
    }
    switch (pohled_) {
    case MapaPohled::Mapa:
    case MapaPohled::KoronaZvlast:
    case MapaPohled::MagnetZvlast: {
        if (srovnani_ && pohled_ == MapaPohled::Mapa) {
            const int q = meritkoSrovnani();
            mapa_ = MakeSynopticMap(records, g, index_, rotace_, q);
            mapaDolni_ = MakeSynopticMap(records, g, index_, rotaceDolni(), q);
            ScaleMapAreas(mapa_, nasobek_);
            ScaleMapAreas(mapaDolni_, nasobek_);
            koronaPod_ = (horni_ & SrovnaniKorona) ? MakeKoronaPodMapu(korona, rotace_, q, 0)
                                                   : KoronaPodMapuModel{};
            koronaPodDolni_ = (dolni_ & SrovnaniKorona)
                                  ? MakeKoronaPodMapu(korona, rotaceDolni(), q, 0)
                                  : KoronaPodMapuModel{};
            magnet_ = (horni_ & SrovnaniMagnet) ? LayoutMagnetosphere(magnetosfera(rotace_), q, 0)
                                                : MagnetosphereLayer{};
            magnetDolni_ = (dolni_ & SrovnaniMagnet)
                               ? LayoutMagnetosphere(magnetosfera(rotaceDolni()), q, 0)
                               : MagnetosphereLayer{};
            magnetObr_ = {};
            break;
        }
        const int sm = meritko();
        mapa_ = MakeSynopticMap(records, g, index_, rotace_, sm);
        ScaleMapAreas(mapa_, nasobek_);
        const bool korPod =
            pohled_ == MapaPohled::KoronaZvlast ||
            (pohled_ == MapaPohled::Mapa && (vrstvy_.koronapod || vrstvy_.koronazap));
        koronaPod_ = korPod ? MakeKoronaPodMapu(korona, rotace_, sm, 0) : KoronaPodMapuModel{};
        const bool magnet = pohled_ == MapaPohled::MagnetZvlast ||
                            (pohled_ == MapaPohled::Mapa && vrstvy_.magnetzap);
        magnet_ = magnet ? LayoutMagnetosphere(magnetosfera(rotace_), sm, 0) : MagnetosphereLayer{};
        magnetObr_ = pohled_ == MapaPohled::Mapa && vrstvy_.magnobr
                         ? LoadMagnetoPicture(s.dir, rotace_)
                         : QImage();
        break;
    }
    case MapaPohled::Dlouha:
        pasy_ = MakeStripView(records, g, index_, rotace_, LongMapStrips, StripKind::Long,
                              LongMapScale(w), false);
        ScaleStripAreas(pasy_, nasobek_);
        break;
    case MapaPohled::Vysoka:
        pasy_ = MakeStripView(records, g, index_, rotace_, HighMapStripCount(w, h), StripKind::High,
                              StripScale(w), true);
        ScaleStripAreas(pasy_, nasobek_);
        break;
    case MapaPohled::Dve:
        // The rotation and the next one of the list.
        pasy_ = MakeTwoMapView(records, g, index_, rotace_, TwoMapScale(w, h));
        ScaleStripAreas(pasy_, nasobek_);
        break;
    case MapaPohled::KoronaGraf:
        koronaGraf_ = MakeKoronaGraf(korona, std::max(1, ScrollBar1_->value()));
        break;
    case MapaPohled::KoronaMotyl:
        if (!koronaMotyl_)
            koronaMotyl_ = std::make_unique<KoronaMotylModel>(MakeKoronaMotyl(korona));
        break;
    case MapaPohled::KoronaGlob:
        koronaDen_ = MakeKoronaDen(korona, std::size_t(std::max(0, ScrollBar2_->value())));
        break;
    }
}

// Places the controls that lie on the client area.
void MapWindow::rozmistit() {
    const int w = platno_->width();
    Label2_->setText(QString::number(w) + QStringLiteral(" x ") +
                     QString::number(platno_->height()));
    Label2_->adjustSize();
    Label2_->move(std::max(0, w - Label2_->width() - 4), 2);
    Label2_->raise();
    Panelsrovnani_->adjustSize();
    const int x =
        std::min(static_cast<int>(std::lround(w * 680.0 / 1024)), w - Panelsrovnani_->width() - 4);
    Panelsrovnani_->move(std::max(0, x), 10 + Label2_->height());
    Panelsrovnani_->setVisible(srovnani_ && pohled_ == MapaPohled::Mapa);
    Panelsrovnani_->raise();
    datamagnet_->move(std::max(0, w - datamagnet_->width() - 4), 10 + Label2_->height());
    Label1_->setText(QStringLiteral("Posun %1   rotace %2").arg(posun_).arg(rotaceDolni()));
}

// ---------------------------------------------------------------------------
// Painting

void MapWindow::kreslit(QPainter& p, const QRect& r) const {
    p.fillRect(r, Qt::white);
    const KoronaViewOptions volby{
        skalujZaokrouhlene(13, kontext_.model.session().ProcentoVelikosti())};
    switch (pohled_) {
    case MapaPohled::Mapa:
        if (!datamagnet_->isHidden())
            // Left of the group box, which stays over the right edge.
            PaintMagnetComparison(
                p, r.adjusted(0, 0, -std::min(r.width() / 2, datamagnet_->width() + 8), 0),
                porovnani_, volby.fontPixels);
        else if (srovnani_)
            kreslitSrovnani(p, r);
        else
            kreslitMapu(p, r);
        break;
    case MapaPohled::KoronaZvlast:
        kreslitPolovinu(p, r, mapa_, SrovnaniKorona, koronaPod_, {});
        break;
    case MapaPohled::MagnetZvlast:
        kreslitPolovinu(p, r, mapa_, SrovnaniMagnet, {}, magnet_);
        break;
    case MapaPohled::Dlouha:
    case MapaPohled::Vysoka:
    case MapaPohled::Dve:
        PaintStripView(p, r, pasy_);
        break;
    case MapaPohled::KoronaGraf:
        PaintKoronaGraf(p, r, koronaGraf_, volby);
        break;
    case MapaPohled::KoronaMotyl:
        if (koronaMotyl_)
            PaintKoronaMotyl(p, r, *koronaMotyl_, {ScrollBar1_->value(), volby.fontPixels});
        break;
    case MapaPohled::KoronaGlob:
        PaintKoronaDen(p, r, koronaDen_, volby);
        break;
    }
    if (!texty_.empty()) {
        p.save();
        p.setPen(Qt::black);
        p.setFont(SansFont(mapa_.canvasFont > 0 ? mapa_.canvasFont : 13));
        for (const auto& [bod, text] : texty_)
            p.drawText(bod + QPoint(0, p.fontMetrics().ascent()), text);
        p.restore();
    }
}

void MapWindow::kreslitMapu(QPainter& p, const QRect& r) const {
    SynopticMapOptions o;
    o.fakulzap = vrstvy_.fakulzap;
    o.plochazap = vrstvy_.plochazap;
    o.stredFakuli = vrstvy_.stredFakuli;
    const int s = mapa_.s;
    PaintSynopticMap(p, r, mapa_, o, [this, r, s](QPainter& q) {
        const QRect vrstva(QPoint(0, 0), r.size());
        if (!magnetObr_.isNull()) PaintMagnetoPicture(q, vrstva, magnetObr_, s);
        if (koronaPod_.present) PaintKoronaPodMapu(q, vrstva, koronaPod_);
        if (!magnet_.empty()) PaintMagnetosphereLayer(q, vrstva, magnet_);
    });
}

void MapWindow::kreslitPolovinu(QPainter& p, const QRect& r, const SynopticMap& m, unsigned vrstvy,
                                const KoronaPodMapuModel& korona,
                                const MagnetosphereLayer& magnet) const {
    SynopticMapOptions o;
    o.fakulzap = (vrstvy & SrovnaniFakule) != 0;
    o.plochazap = vrstvy_.plochazap;
    o.stredFakuli = false;
    o.legenda = false;
    const SynopticMap jen =
        JenVrstvy(m, (vrstvy & SrovnaniSkvrny) != 0, (vrstvy & SrovnaniFakule) != 0);
    PaintSynopticMap(p, r, jen, o, [&, r](QPainter& q) {
        const QRect vrstva(QPoint(0, 0), r.size());
        if ((vrstvy & SrovnaniKorona) && korona.present) PaintKoronaPodMapu(q, vrstva, korona);
        if ((vrstvy & SrovnaniMagnet) && !magnet.empty())
            PaintMagnetosphereLayer(q, vrstva, magnet);
    });
}

void MapWindow::kreslitSrovnani(QPainter& p, const QRect& r) const {
    const int q = mapa_.s;
    const int hranice = 25 * q + MezeraSrovnani;
    const QRect horni(r.left(), r.top(), r.width(), hranice);
    const QRect dolni(r.left(), r.top() + hranice, r.width(), r.height() - hranice);
    p.save();
    p.setClipRect(horni);
    if (horni_) kreslitPolovinu(p, horni, mapa_, horni_, koronaPod_, magnet_);
    p.setClipRect(dolni);
    if (dolni_) kreslitPolovinu(p, dolni, mapaDolni_, dolni_, koronaPodDolni_, magnetDolni_);
    p.restore();
}

QImage MapWindow::obrazek() const {
    QImage image(platno_->size(), QImage::Format_RGB32);
    QPainter p(&image);
    kreslit(p, image.rect());
    return image;
}

bool MapWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == platno_ && event->type() == QEvent::Resize) zmena();
    if (watched == ListBox1_ && event->type() == QEvent::KeyRelease) {
        auto* k = static_cast<QKeyEvent*>(event);
        if (ListBox1_->currentRow() >= 0) nastavRotaci(ListBox1_->currentRow());
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter || k->key() == Qt::Key_Escape) {
            ListBox1_->hide();
            platno_->setFocus();
        }
        return true;
    }
    if ((watched == platno_ || watched == ListBox1_) && event->type() == QEvent::KeyRelease) {
        keyReleaseEvent(static_cast<QKeyEvent*>(event));
        return event->isAccepted();
    }
    return QWidget::eventFilter(watched, event);
}

void MapWindow::closeEvent(QCloseEvent* e) {
    if (!zavreno_) {
        zavreno_ = true;
        // The frame gets its default panel and the map command back; the
        // map chose its rotation without touching the working record.
        kontext_.ramec.zakladniPanel();
        if (QAction* a = kontext_.ramec.akce(QStringLiteral("map"))) a->setEnabled(true);
        // The panel's buttons show no state of a map that is gone.
        for (const char* jmeno : {"vloztext", "koronpod", "magnetpod", "srovnan"})
            if (QAction* a = kontext_.ramec.akce(QString::fromLatin1(jmeno))) a->setChecked(false);
        if (QAction* a = kontext_.ramec.akce(QStringLiteral("SpeedButton6")))
            a->setText(QStringLiteral("2x"));
        magnetData_.clear();
        magn_ = {};
    }
    QWidget::closeEvent(e);
}

// ---------------------------------------------------------------------------
// Menu

void MapWindow::zavritmClick() {
    if (sub_)
        sub_->close();
    else
        close();
}

void MapWindow::vybermClick() {
    if (pohled_ != MapaPohled::Mapa && pohled_ != MapaPohled::Dve) nastavPohled(MapaPohled::Mapa);
    if (vybrana_ >= 0) ListBox1_->setCurrentRow(vybrana_);
    ListBox1_->show();
    ListBox1_->raise();
    ListBox1_->setFocus();
}

void MapWindow::nastavRotaci(int pozice) {
    const auto& r = index_.rotations();
    if (pozice < 0 || std::size_t(pozice) >= r.size()) return;
    if (pozice == vybrana_ && rotace_ == r[std::size_t(pozice)]) return;
    vybrana_ = pozice;
    rotace_ = r[std::size_t(pozice)];
    datum_ = kontext_.model.session().geometry().record(index_.L()[std::size_t(pozice)]).date;
    texty_.clear();
    zmena();
}

void MapWindow::vyberRotace(int pozice) {
    nastavRotaci(pozice);
    ListBox1_->hide();
    platno_->setFocus();
}

void MapWindow::mapkyClick() {
    if (sub_ && sub_->height() == 1008 && kontext_.plocha) {
        const QRect v = kontext_.plocha->viewport()->rect();
        sub_->resize(v.width() - 8, v.height() - 5);
    }
    rozsirit(sub_, kontext_.plocha);
    nastavPohled(MapaPohled::Mapa);
}

void MapWindow::dlouhamapClick() {
    rozsirit(sub_, kontext_.plocha);
    nastavPohled(MapaPohled::Dlouha);
}

void MapWindow::vysokamapClick() {
    rozsirit(sub_, kontext_.plocha);
    nastavPohled(MapaPohled::Vysoka);
}

void MapWindow::dvenadsebouClick() {
    if (sub_ && kontext_.plocha) {
        const QRect v = kontext_.plocha->viewport()->rect();
        sub_->setGeometry(sub_->x(), sub_->y(), std::min(1400, v.width() - sub_->x() - 2),
                          v.height() - sub_->y() - 8);
    }
    nastavPohled(MapaPohled::Dve);
}

void MapWindow::KoronaGrafClick() {
    const KoronaTable& k = korona();
    if (!k.present()) {
        kontext_.zpravy.Zprava(q(NejsouDataKorona));
        nastavPohled(MapaPohled::Mapa);
        return;
    }
    const QSignalBlocker b(ScrollBar1_);
    ScrollBar1_->setRange(1, KoronaGrafMaximum(k));
    ScrollBar1_->setPageStep(1);
    ScrollBar1_->setValue(KoronaGrafPositionOf(k, MapRotationDates(rotace_).startDate));
    nastavPohled(MapaPohled::KoronaGraf);
}

void MapWindow::KoronamotylClick() {
    const KoronaTable& k = korona();
    if (!k.present()) {
        kontext_.zpravy.Zprava(q(NejsouDataKorona));
        nastavPohled(MapaPohled::Mapa);
        return;
    }
    if (!koronaMotyl_) koronaMotyl_ = std::make_unique<KoronaMotylModel>(MakeKoronaMotyl(k));
    // One column a rotation: the scroll bar moves across them.
    const QSignalBlocker b(ScrollBar1_);
    const int sirka = static_cast<int>(koronaMotyl_->columns.size()) + KoronaMotylOkraj;
    ScrollBar1_->setRange(0, std::max(0, sirka - platno_->width()));
    ScrollBar1_->setPageStep(std::max(1, platno_->width()));
    ScrollBar1_->setValue(ScrollBar1_->maximum());
    nastavPohled(MapaPohled::KoronaMotyl);
}

void MapWindow::koronaglobClick() {
    const KoronaTable& k = korona();
    if (!k.present()) {
        kontext_.zpravy.Zprava(q(NejsouDataKorona));
        nastavPohled(MapaPohled::Mapa);
        return;
    }
    const QSignalBlocker b(ScrollBar2_);
    ScrollBar2_->setRange(0, KoronaDenMaximum(k));
    ScrollBar2_->setPageStep(27);
    const std::optional<std::size_t> radek = KoronaFindRow(k, MapRotationDates(rotace_).startDate);
    ScrollBar2_->setValue(radek ? static_cast<int>(*radek) : ScrollBar2_->maximum());
    nastavPohled(MapaPohled::KoronaGlob);
}

void MapWindow::koronapodClick() {
    QAction* a = akce_.value(QStringLiteral("koronapod"));
    const bool zap = !vrstvy_.koronapod;
    if (zap && !korona().present()) {
        a->setChecked(false);
        kontext_.zpravy.Zprava(q(NejsouDataKorona));
        return;
    }
    vrstvy_.koronapod = zap;
    if (zap && pohled_ != MapaPohled::Mapa)
        nastavPohled(MapaPohled::Mapa);
    else
        zmena();
}

const KoronaTable& MapWindow::korona() const {
    return kontext_.model.corona(kontext_.zpravy);
}

bool MapWindow::magnetoData() {
    if (HasMagnetoData(kontext_.model.session().dir)) return true;
    kontext_.zpravy.Zprava(q(NejsouDataMagnetosfera));
    return false;
}

void MapWindow::MagnetoSfera1Click() {
    if (!vrstvy_.magnetzap && !magnetoData()) {
        nastavTlacitka();
        return;
    }
    vrstvy_.magnetzap = !vrstvy_.magnetzap;
    if (vrstvy_.magnetzap && pohled_ != MapaPohled::Mapa)
        nastavPohled(MapaPohled::Mapa);
    else
        zmena();
}

void MapWindow::SrovnaniClick() {
    srovnani_ = !srovnani_;
    if (srovnani_) {
        horni_ = SrovnaniSkvrny;
        dolni_ = 0;
        const QSignalBlocker b(ScrollBar3_);
        ScrollBar3_->setValue(PosunStred + posun_);
    }
    if (pohled_ != MapaPohled::Mapa)
        nastavPohled(MapaPohled::Mapa);
    else
        zmena();
}

void MapWindow::KoronazvlastClick() {
    if (!korona().present()) {
        kontext_.zpravy.Zprava(q(NejsouDataKorona));
        nastavTlacitka();
        return;
    }
    nastavPohled(MapaPohled::KoronaZvlast);
}

void MapWindow::MagnetzvlastClick() {
    if (!magnetoData()) {
        nastavTlacitka();
        return;
    }
    nastavPohled(MapaPohled::MagnetZvlast);
}

void MapWindow::Tisk1Click() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(pohled_ == MapaPohled::Vysoka ? QPageLayout::Portrait
                                                             : QPageLayout::Landscape);
    if (!vybratTiskarnu || !vybratTiskarnu(printer)) return;
    tiskDo(printer);
}

void MapWindow::tiskDo(QPrinter& printer) {
    bool zahajen = false;
    if (pohled_ == MapaPohled::Vysoka) {
        // The high map: 14 rotations drawn for the page.
        QPainter p;
        if ((zahajen = p.begin(&printer))) {
            const Session& s = kontext_.model.session();
            const QRect stranka = p.viewport();
            StripView v =
                MakeStripView(s.records(), s.geometry(), index_, rotace_, PrintedHighMapStrips,
                              StripKind::High, PrintStripScale(stranka.width()), true);
            ScaleStripAreas(v, nasobek_);
            PrintHighMap(p, QRect(QPoint(0, 0), stranka.size()), v);
            p.end();
        }
    } else {
        zahajen = TiskObrazku(printer, platno_->size(),
                              [this](QPainter& p, const QRect& r) { kreslit(p, r); });
    }
    if (!zahajen) kontext_.zpravy.Zprava(QStringLiteral("Tisk nelze zahájit"));
}

// ---------------------------------------------------------------------------
// Tool buttons

void MapWindow::vrstvaClick(const QString& tlacitko) {
    auto prepni = [](bool& b) { b = !b; };
    if (tlacitko == QLatin1String("koronazap")) {
        if (!vrstvy_.koronazap && !korona().present()) {
            kontext_.zpravy.Zprava(q(NejsouDataKorona));
            nastavTlacitka();
            return;
        }
        prepni(vrstvy_.koronazap);
    } else if (tlacitko == QLatin1String("magnetzap") || tlacitko == QLatin1String("magnobr")) {
        bool& b = tlacitko == QLatin1String("magnetzap") ? vrstvy_.magnetzap : vrstvy_.magnobr;
        if (!b && !magnetoData()) {
            nastavTlacitka();
            return;
        }
        prepni(b);
    } else if (tlacitko == QLatin1String("fakulzap")) {
        prepni(vrstvy_.fakulzap);
    } else if (tlacitko == QLatin1String("plochazap")) {
        prepni(vrstvy_.plochazap);
    } else if (tlacitko == QLatin1String("Stredfakuli")) {
        prepni(vrstvy_.stredFakuli);
    }
    zmena();
}

void MapWindow::mensivetsiClick() {
    mensi_ = !mensi_;
    if (sub_ && kontext_.plocha) {
        const QRect v = kontext_.plocha->viewport()->rect();
        if (mensi_)
            sub_->resize(std::min(MalaVelikost.width(), v.width()),
                         std::min(MalaVelikost.height(), v.height()));
        else
            sub_->setGeometry(1, 1, std::max(400, v.width() - 8), std::max(300, v.height() - 8));
    }
    zmena();
}

void MapWindow::SpeedButton1Click() {
    datamagnet_->setVisible(datamagnet_->isHidden());
    datamagnet_->raise();
    zmena();
}

void MapWindow::PotvrditClick() {
    auto pole = [this](const char* jmeno) {
        return s(datamagnet_->findChild<QLineEdit*>(QString::fromLatin1(jmeno))->text());
    };
    MagnetComparisonParams v = porovnaniVolby_;
    if (const auto chyba = ParseMagnetComparison(pole("Od"), pole("Do"), pole("Cykly"),
                                                 pole("Otocka"), index_.lastRotation(), v)) {
        kontext_.zpravy.Zprava(q(*chyba));
        return;
    }
    porovnaniVolby_ = v;
    zmena();
}

void MapWindow::vyskaRadkuClick(int zmena) {
    porovnaniVolby_.vyskaRadku = std::clamp(porovnaniVolby_.vyskaRadku + zmena,
                                            MagnetComparisonMinRow, MagnetComparisonMaxRow);
    this->zmena();
}

void MapWindow::nasobekClick() {
    nasobek_ = nasobek_ == 2 ? 1 : 2;
    zmena();
}

// ---------------------------------------------------------------------------
// Comparison

bool MapWindow::koronaPodMapu(int rotace) const {
    return MakeKoronaPodMapu(korona(), rotace, 16, 0).present;
}

// A half of the comparison gets a layer: the corona erases the half first
// and needs the corona table to reach beyond the rotation, the
// magnetosphere needs its folder.
bool MapWindow::pridatVrstvu(unsigned& polovina, SrovnaniVrstva vrstva, int rotace) {
    if (!srovnani_) return false;
    if (vrstva == SrovnaniKorona) {
        if (!koronaPodMapu(rotace)) {
            kontext_.zpravy.Zprava(NejsouDalsiData);
            return false;
        }
        polovina = SrovnaniKorona;
        return true;
    }
    if (vrstva == SrovnaniMagnet && !magnetoData()) return false;
    polovina |= vrstva;
    return true;
}

void MapWindow::horniClick(SrovnaniVrstva vrstva) {
    if (pridatVrstvu(horni_, vrstva, rotace_)) zmena();
}

void MapWindow::dolniClick(SrovnaniVrstva vrstva) {
    if (pridatVrstvu(dolni_, vrstva, rotaceDolni())) zmena();
}

void MapWindow::mazaniHorClick() {
    horni_ = 0;
    zmena();
}

void MapWindow::MazaniDolClick() {
    dolni_ = 0;
    zmena();
}

void MapWindow::posunClick(int pozice) {
    posun_ = std::clamp(pozice, 0, 2 * PosunStred) - PosunStred;
    if (ScrollBar3_->value() != posun_ + PosunStred) {
        const QSignalBlocker b(ScrollBar3_);
        ScrollBar3_->setValue(posun_ + PosunStred);
    }
    // The lower half is drawn again for the new rotation with the layers it
    // showed (faculae, corona, magnetosphere); a corona the new rotation
    // lacks is left out.
    if ((dolni_ & SrovnaniKorona) && !koronaPodMapu(rotaceDolni()))
        dolni_ &= ~unsigned(SrovnaniKorona);
    zmena();
}

// ---------------------------------------------------------------------------
// Keys, text, summation

void MapWindow::ulozitObrazek() {
    QString nazev = QStringLiteral("Mapa  ") + QString::number(rotace_);
    if (pohled_ == MapaPohled::Dlouha)
        nazev = QStringLiteral("Dlouhamapa  ") + QString::number(rotace_);
    else if (pohled_ == MapaPohled::Vysoka)
        nazev = QStringLiteral("Vysokamapa  ") + QString::number(rotace_);
    else if (pohled_ == MapaPohled::KoronaGraf)
        nazev = QStringLiteral("Korona_graf") + QString::number(ScrollBar1_->value() + 1327);
    else if (pohled_ == MapaPohled::KoronaMotyl)
        nazev = QStringLiteral("Korona_motyl");
    Label2_->hide();
    const bool lista = Toolbar1_->isVisible();
    Toolbar1_->hide();
    layout()->activate(); // the canvas takes the tool bar's place at once
    vrstvy_.plochazap = false;
    zmena();
    kontext_.ramec.ulozitObrazekOkna(nazev);
    Label2_->show();
    if (lista) Toolbar1_->show();
}

void MapWindow::keyReleaseEvent(QKeyEvent* e) {
    // Letters typed into the text or the comparison fields are no commands.
    if (qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
        e->ignore();
        return;
    }
    switch (e->key()) {
    case Qt::Key_F8:
        ulozitObrazek();
        break;
    case Qt::Key_F9:
        kontext_.ramec.ulozitObrazekOknaHned(QStringLiteral("MagnetSuma"));
        break;
    case Qt::Key_Z:
        vrstvy_.plochazap = true;
        zmena();
        break;
    case Qt::Key_V:
        vrstvy_.plochazap = false;
        zmena();
        break;
    case Qt::Key_P:
        magnetSuma();
        break;
    default:
        e->ignore();
        return;
    }
    e->accept();
}

void MapWindow::mistoTextu(const QPoint& bod) {
    QAction* a = kontext_.ramec.akce(QStringLiteral("vloztext"));
    if (!a || !a->isChecked()) return;
    bodTextu_ = bod;
    Edit5_->move(bod);
    Edit5_->show();
    Edit5_->raise();
    Edit5_->setFocus();
}

void MapWindow::vlozText(const QPoint& bod, const QString& text) {
    if (text.isEmpty()) return;
    texty_.emplace_back(bod, text);
    platno_->update();
}

void MapWindow::magnetSuma() {
    const Session& s = kontext_.model.session();
    if (!HasMagnetoData(s.dir)) {
        kontext_.zpravy.Zprava(q(NejsouDataMagnetosfera));
        return;
    }
    QProgressDialog prubeh(QStringLiteral("Počítá se"), QStringLiteral("Zrušit"), 0, 100, this);
    prubeh.setObjectName(QStringLiteral("Pocita"));
    prubeh.setWindowTitle(QStringLiteral("Magnetosféra"));
    prubeh.setWindowModality(Qt::WindowModal);
    prubeh.setMinimumDuration(0);
    MagnSumResult vysledek;
    const DrawingRotation kresba = MagnDrawingRotation(s.records(), dnes());
    if (kresba.warning) kontext_.zpravy.Zprava(q(*kresba.warning));
    const bool probehlo = runCommand(kontext_.zpravy, [&] {
        vysledek =
            SumMagnetosphere(s.dir, dnes(), kresba.rotation, [&prubeh](int hotovo, int celkem) {
                if (prubeh.maximum() != celkem) prubeh.setMaximum(std::max(1, celkem));
                prubeh.setValue(std::min(hotovo, celkem));
                return !prubeh.wasCanceled();
            });
    });
    prubeh.reset();
    if (!probehlo || vysledek.cancelled) return;
    magn_ = ReadMagnDat(s.dir, MagnBlocks(index_.lastRotation()));
    magnetData_.clear();
    kontext_.ramec.ukazStav(QStringLiteral("Data byla uložena: ") + textCesty(vysledek.file), 5000);
    zmena();
}

// ---------------------------------------------------------------------------

void installMapa(MainWindow& hlavni) {
    const WindowContext k = hlavni.kontext();
    hlavni.zapojit(QStringLiteral("map"), [k] { MapWindow::otevrit(k); });
    const std::pair<const char*, std::function<void(MapWindow&)>> tlacitka[] = {
        {"rotacem", [](MapWindow& w) { w.vybermClick(); }},
        {"mapam", [](MapWindow& w) { w.mapkyClick(); }},
        {"dlouham", [](MapWindow& w) { w.dlouhamapClick(); }},
        {"vysokam", [](MapWindow& w) { w.vysokamapClick(); }},
        {"SpeedButton5", [](MapWindow& w) { w.dvenadsebouClick(); }},
        {"koronagraf", [](MapWindow& w) { w.KoronaGrafClick(); }},
        {"koronaitensit", [](MapWindow& w) { w.KoronamotylClick(); }},
        {"koronsku", [](MapWindow& w) { w.koronaglobClick(); }},
        {"koronpod", [](MapWindow& w) { w.koronapodClick(); }},
        {"magnetpod", [](MapWindow& w) { w.MagnetoSfera1Click(); }},
        {"srovnan", [](MapWindow& w) { w.SrovnaniClick(); }},
        {"SpeedButton6", [](MapWindow& w) { w.nasobekClick(); }},
        {"SpeedButton10", [](MapWindow& w) { w.zavritmClick(); }},
    };
    for (const auto& [jmeno, fn] : tlacitka)
        hlavni.zapojit(QString::fromLatin1(jmeno), [plocha = k.plocha, fn] {
            if (MapWindow* w = MapWindow::otevrene(plocha)) fn(*w);
        });
    // "A": armed until a text is written on the map.
    hlavni.zapojit(QStringLiteral("vloztext"), [] {});
    if (QAction* a = hlavni.akce(QStringLiteral("vloztext"))) a->setCheckable(true);
}

} // namespace hk
