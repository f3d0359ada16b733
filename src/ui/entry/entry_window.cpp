#include "ui/entry/entry_window.h"
#include "ui/frame/ui_helpers.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

#include "entry/entry_columns.h"
#include "entry/entry_confirm.h"
#include "entry/entry_fields.h"
#include "entry/entry_load.h"
#include "entry/entry_messages.h"
#include "entry/entry_text.h"
#include "entry/entry_view.h"
#include "render/font_roles.h"
#include "ui/frame/main_window.h"
#include "ui/frame/messages.h"

namespace hk {

namespace {

constexpr int SirkaOkna = 665;
constexpr int VyskaOkna = 700;
constexpr int SirkaSloupceSkupin = 38;
constexpr int SirkaSloupceFakuli = 47;
constexpr int VyskaRadku = 24;
constexpr int SirkaPole = 46;
constexpr int PismoOknaPx = 12;    // 9 points on a 96-dpi screen
constexpr int PismoNadpisuPx = 10; // column titles fit the 38-pixel columns

constexpr QColor BarvaZeSnimku{200, 180, 50};
constexpr QColor BarvaPolarni{220, 220, 220};
constexpr QColor BarvaHelio{150, 150, 225};
constexpr QColor BarvaPlochy{255, 100, 100};
constexpr QColor SedePismo{200, 200, 200};
constexpr QColor SedePevne{250, 250, 250};

const QString NadpisPolarni = QStringLiteral("Zákresy Sluneční fotosféry    (Polární souřadnice)");
const QString NadpisHelio =
    QStringLiteral("Zákresy Sluneční fotosféry    (Heliografické souřadnice)");
const QString HeliosNaLB = QStringLiteral("Změna souřadnic na l b");
const QString HeliosNaPolarni = QStringLiteral("Změna souřadnic na úhel vzdálenost ");

const QString NapovedaPolarni = QStringLiteral("Typ   = Typ skupiny\n"
                                               "poč.  = počet skvrn ve skupině\n"
                                               "s pen = počet skvrn s penumbrou\n"
                                               " úhel = polární souřadnice  úhel\n"
                                               " vzd.  = polární souřadnice  vzdálenost\n"
                                               " plocha= plocha skvrn ve skupině\n"
                                               " mal.s = počet malých skvrn menší než 1 mm2\n"
                                               "č.sk1. = číslo skupiny globalní\n"
                                               "č.sk2. = číslo skupiny v rotaci( důležité)\n"
                                               "uhel1  = úhel 1. pomocné skvrny\n"
                                               " vzd1. = vzdálenost 1. pomocné skvrny\n"
                                               " plo.1 = plocha 1. pomocné skvrny\n"
                                               "uhel2  = úhel 2. pomocné skvrny\n"
                                               " vzd2. = vzdálenost 2. pomocné skvrny\n"
                                               " plo.2 = plocha 2. pomocné skvrny");
const QString NapovedaHelio = QStringLiteral("Typ   = Typ skupiny\n"
                                             "poč.  = počet skvrn ve skupině\n"
                                             "s pen = počet skvrn s penumbrou\n"
                                             "  l        = heliografická délka\n"
                                             "  b       = heliografická šířka\n"
                                             " plocha= plocha skvrn ve skupině - miliontiny\n"
                                             " mal.s = počet malých skvrn menší než 20 mili.\n"
                                             "č.sk1. = číslo skupiny globalní\n"
                                             "č.sk2. = číslo skupiny v rotaci( důležité)");

QString nadpisRezimu(EntryMode mode) {
    switch (mode) {
    case EntryMode::New:
        return QStringLiteral("Nový zákres");
    case EntryMode::Special:
        return QStringLiteral("Zvlášťní záznam");
    case EntryMode::Correction:
        return QStringLiteral("Oprava dat");
    }
    return {};
}

QString polozkaRezimu(EntryMode mode) {
    switch (mode) {
    case EntryMode::New:
        return QStringLiteral("novy");
    case EntryMode::Special:
        return QStringLiteral("zvlastni");
    case EntryMode::Correction:
        return QStringLiteral("oprava");
    }
    return {};
}

void nastavBarvu(QWidget* w, QPalette::ColorRole role, const QColor& barva) {
    QPalette pal = w->palette();
    pal.setColor(role, barva);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

QString text(const QTableWidget* grid, int row, int col) {
    const QTableWidgetItem* item = grid->item(row, col);
    return item ? item->text() : QString();
}

void nastavText(QTableWidget* grid, int row, int col, const QString& t) {
    if (QTableWidgetItem* item = grid->item(row, col))
        item->setText(t);
    else
        grid->setItem(row, col, new QTableWidgetItem(t));
}

} // namespace

EntryWindow* EntryWindow::otevrit(WindowContext k, EntryMode mode, bool zeSnimku) {
    if (QAction* a = k.ramec.akce(polozkaRezimu(mode))) a->setEnabled(false);
    auto* w = new EntryWindow(k, mode, zeSnimku);
    w->show();
    return w;
}

EntryWindow::EntryWindow(WindowContext k, EntryMode mode, bool zeSnimku)
    : QDialog(k.plocha->window()), k_(k), session_(k.model.session()), rezim_(mode),
      zeSnimku_(zeSnimku && mode == EntryMode::New) {
    setObjectName(QStringLiteral("Form3"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::WindowModal);
    setFont(SansFont(skaluj(PismoOknaPx)));
    vytvorOvladace();
    connect(this, &QDialog::finished, this, &EntryWindow::FormClose);
    FormCreate();
}

int EntryWindow::skaluj(int hodnota) const {
    return static_cast<int>(std::nearbyint(hodnota * session_.ProcentoVelikosti() / 100.0));
}

EntrySettings EntryWindow::nastaveni() const {
    return EntrySettings{session_.PolomerKresby(), session_.HelioZadavani(),
                         session_.CislovaniZakresu()};
}

// ---------------------------------------------------------------------------
// Controls

QTableWidget* EntryWindow::vytvorMrizku(const QString& name, int sloupcu, int sirka) {
    auto* grid = new QTableWidget(1, sloupcu, this);
    grid->setObjectName(name);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->horizontalHeader()->setDefaultSectionSize(skaluj(sirka));
    grid->horizontalHeader()->setMinimumSectionSize(1);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(skaluj(VyskaRadku));
    grid->horizontalHeader()->setFixedHeight(skaluj(VyskaRadku));
    grid->horizontalHeader()->setFont(SansFont(skaluj(PismoNadpisuPx)));
    grid->horizontalHeader()->setHighlightSections(false);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::AllEditTriggers);
    return grid;
}

void EntryWindow::vytvorOvladace() {
    auto* hlavniLayout = new QVBoxLayout(this);
    auto* hlavicka = new QGridLayout;
    hlavniLayout->addLayout(hlavicka);

    auto pole = [this](const char* name, const QString& hint = {}) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setToolTip(hint);
        e->setFixedWidth(skaluj(SirkaPole));
        return e;
    };
    auto popisek = [this](const QString& t) { return new QLabel(t, this); };

    ComboBox1_ = new QComboBox(this);
    ComboBox1_->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1_->setEditable(true);
    ComboBox1_->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1_->setToolTip(QStringLiteral("Příjmení , jméno  pozorovatele"));
    ComboBox1_->setMinimumWidth(skaluj(220));
    MaskEdit1_ = new QLineEdit(this);
    MaskEdit1_->setObjectName(QStringLiteral("MaskEdit1"));
    MaskEdit1_->setInputMask(QStringLiteral("99.99.9999; "));
    MaskEdit1_->setFixedWidth(skaluj(90));
    Edit3_ = pole("Edit3", QStringLiteral("Zadat čas ve formátu  bez dvojtečky   7:05  =  705"));
    Edit4_ = pole("Edit4", QStringLiteral("Podmínky pozorování"));
    Edit5_ = pole("Edit5", QStringLiteral("Kvalita obrazu"));
    Edit6_ = pole("Edit6");
    Edit7_ = pole("Edit7", QStringLiteral("Počet skupin v centrální oblasti"));
    Edit8_ = pole("Edit8", QStringLiteral("Počet skvrn v centrální oblasti"));
    Edit9_ = pole("Edit9", QStringLiteral("Relativní číslo centrální oblasti"));
    Edit10_ = pole("Edit10", QStringLiteral("Počet falulových polí "));
    Edit11_ = pole("Edit11", QStringLiteral("Počet skupin na zákresu"));
    Edit12_ = pole("Edit12", QStringLiteral("Počet fakulových polí pro jejich zakreslování"));
    Edit13_ = new QLineEdit(this);
    Edit13_->setObjectName(QStringLiteral("Edit13"));
    Edit13_->setToolTip(QStringLiteral("Místo pozorování"));
    Edit2_ = pole("Edit2", QStringLiteral("Maximmální počet je 654 a rok "));
    Edit2_->setFixedWidth(skaluj(70));
    Edit25_ = pole("Edit25");
    Edit25_->setFixedWidth(skaluj(80));
    Label18_ = popisek(QStringLiteral(" Číslo zákresu formát:číslo a rok   001/21"));
    Label18_->setObjectName(QStringLiteral("Label18"));
    Label16_ = popisek({});
    Label16_->setObjectName(QStringLiteral("Label16"));
    Label16_->setToolTip(QStringLiteral("Počet vložených záznamů na jedno otevření programu"));
    Label10_ = popisek(QStringLiteral("F "));
    Label10_->setObjectName(QStringLiteral("Label10"));
    Label10_->installEventFilter(this);

    hlavicka->addWidget(popisek(QStringLiteral("Pozorovatel")), 0, 0);
    hlavicka->addWidget(ComboBox1_, 0, 1, 1, 5);
    hlavicka->addWidget(popisek(QStringLiteral("Datum")), 0, 6);
    hlavicka->addWidget(MaskEdit1_, 0, 7, 1, 2);
    hlavicka->addWidget(popisek(QStringLiteral("Čas    UT")), 0, 9);
    hlavicka->addWidget(Edit3_, 0, 10);
    const std::pair<const char*, QLineEdit*> druhyRadek[] = {{"PP", Edit4_}, {"Obr.", Edit5_},
                                                             {"Q", Edit6_},  {"qc", Edit7_},
                                                             {"fc", Edit8_}, {"rc", Edit9_}};
    int sloupec = 0;
    for (const auto& [nazev, edit] : druhyRadek) {
        hlavicka->addWidget(popisek(QString::fromUtf8(nazev)), 1, sloupec++, Qt::AlignRight);
        hlavicka->addWidget(edit, 1, sloupec++);
    }
    hlavicka->addWidget(popisek(QStringLiteral("Počet fakulí")), 2, 0, 1, 2, Qt::AlignRight);
    hlavicka->addWidget(Edit10_, 2, 2);
    hlavicka->addWidget(popisek(QStringLiteral("Počet skupin")), 2, 3, 1, 2, Qt::AlignRight);
    hlavicka->addWidget(Edit11_, 2, 5);
    hlavicka->addWidget(popisek(QStringLiteral("Počet fakulí pro kreslení")), 2, 6, 1, 4,
                        Qt::AlignRight);
    hlavicka->addWidget(Edit12_, 2, 10);
    hlavicka->addWidget(popisek(QStringLiteral("Stanice")), 3, 0);
    hlavicka->addWidget(Edit13_, 3, 1, 1, 3);
    hlavicka->addWidget(Label18_, 3, 4, 1, 5, Qt::AlignRight);
    hlavicka->addWidget(Edit2_, 3, 9, 1, 2);
    hlavicka->addWidget(Edit25_, 4, 1, 1, 2);
    hlavicka->addWidget(Label16_, 4, 8);
    hlavicka->addWidget(Label10_, 4, 10, Qt::AlignRight);
    hlavicka->setColumnStretch(11, 1);

    auto* radekHelios = new QHBoxLayout;
    Helios_ = new QPushButton(HeliosNaLB, this);
    Helios_->setObjectName(QStringLiteral("Helios"));
    Helios_->setAutoDefault(false);
    Label17_ = popisek(QStringLiteral("Plocha se zadává v miliontinách "));
    Label17_->setObjectName(QStringLiteral("Label17"));
    nastavBarvu(Label17_, QPalette::Window, BarvaPlochy);
    Label17_->hide();
    Panel1_ = popisek({});
    Panel1_->setObjectName(QStringLiteral("Panel1"));
    Panel1_->setToolTip(QStringLiteral("Nejvyšší číslo"));
    Panel1_->setFrameShape(QFrame::Panel);
    Panel1_->setFrameShadow(QFrame::Raised);
    Panel1_->setMinimumWidth(skaluj(60));
    Panel1_->setAlignment(Qt::AlignCenter);
    Panel1_->hide();
    radekHelios->addWidget(Helios_);
    radekHelios->addWidget(Label17_);
    radekHelios->addStretch(1);
    radekHelios->addWidget(Panel1_);
    hlavniLayout->addLayout(radekHelios);

    GroupBox1_ = new QGroupBox(QStringLiteral("Skupiny"), this);
    GroupBox1_->setObjectName(QStringLiteral("GroupBox1"));
    StringGrid1_ = vytvorMrizku(QStringLiteral("StringGrid1"), GroupColumns, SirkaSloupceSkupin);
    (new QVBoxLayout(GroupBox1_))->addWidget(StringGrid1_);
    hlavniLayout->addWidget(GroupBox1_, 3);

    GroupBox2_ = new QGroupBox(QStringLiteral("Fakule"), this);
    GroupBox2_->setObjectName(QStringLiteral("GroupBox2"));
    StringGrid2_ = vytvorMrizku(QStringLiteral("StringGrid2"), FaculaeColumns, SirkaSloupceFakuli);
    StringGrid2_->setToolTip(QStringLiteral("Zde se zadávají souřednice  vrcholů\n jednotlivých "
                                            "fakulových polí. \n Na jedno pole max. 6 vrcholů"));
    (new QVBoxLayout(GroupBox2_))->addWidget(StringGrid2_);
    hlavniLayout->addWidget(GroupBox2_, 2);

    auto* tlacitka = new QHBoxLayout;
    ukoncit_ = new QPushButton(QStringLiteral("Potvrdit  zadávání"), this);
    ukoncit_->setObjectName(QStringLiteral("ukoncit"));
    ukoncit_->setToolTip(QStringLiteral("Při porvrzení se záznam uloží"));
    // Enter in a field must not confirm the drawing by accident.
    ukoncit_->setAutoDefault(false);
    Navrat_ = new QPushButton(QStringLiteral("Návrat"), this);
    Navrat_->setObjectName(QStringLiteral("Navrat"));
    Navrat_->setAutoDefault(false);
    // Leaving without storing must not run the checks of the field left.
    Navrat_->setFocusPolicy(Qt::NoFocus);
    tlacitka->addStretch(1);
    tlacitka->addWidget(ukoncit_);
    tlacitka->addWidget(Navrat_);
    hlavniLayout->addLayout(tlacitka);

    for (int c = 0; c < GroupColumns; ++c)
        StringGrid1_->setHorizontalHeaderItem(
            c, new QTableWidgetItem(q(std::string(GroupColumnTitle(c, EntryView::Polar)))));
    for (int c = 0; c < FaculaeColumns; ++c)
        StringGrid2_->setHorizontalHeaderItem(
            c, new QTableWidgetItem(q(std::string(FaculaeColumnTitle(c)))));
    // Columns as wide as the scaled width, or as a value like "1250.0" and
    // the column title need in the window's scaled font.
    for (auto [grid, sirka] : {std::pair{StringGrid1_, SirkaSloupceSkupin},
                               std::pair{StringGrid2_, SirkaSloupceFakuli}}) {
        const QFontMetrics hodnoty(grid->font());
        const QFontMetrics nadpisy(grid->horizontalHeader()->font());
        const int okraj = skaluj(10);
        for (int c = 1; c < grid->columnCount(); ++c) {
            const QString nadpis = grid->horizontalHeaderItem(c)->text();
            grid->horizontalHeader()->resizeSection(
                c, std::max({skaluj(sirka),
                             hodnoty.horizontalAdvance(QStringLiteral("1250.0")) + okraj,
                             nadpisy.horizontalAdvance(nadpis) + okraj}));
        }
    }

    MaskEdit1_->installEventFilter(this);
    Edit3_->installEventFilter(this);
    connect(Edit11_, &QLineEdit::textChanged, this, [this] {
        if (!plneni_) Edit11Change();
    });
    connect(Edit12_, &QLineEdit::textChanged, this, [this] {
        if (!plneni_) Edit12Change();
    });
    connect(StringGrid1_, &QTableWidget::currentCellChanged, this, [this] {
        if (!plneni_) StringGrid1Click();
    });
    connect(Helios_, &QPushButton::clicked, this, &EntryWindow::HeliosClick);
    connect(ukoncit_, &QPushButton::clicked, this, &EntryWindow::ukoncitClick);
    connect(Navrat_, &QPushButton::clicked, this, &EntryWindow::NavratClick);
}

bool EntryWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        // Focus that goes to another window (a message, another program)
        // comes back; only leaving the field for another control counts.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == MaskEdit1_) MaskEdit1Exit();
            if (watched == Edit3_) Edit3Exit();
        }
    } else if (event->type() == QEvent::MouseButtonRelease && watched == Label10_) {
        Label10Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------
// Text in and out

EntryForm EntryWindow::formular() const {
    EntryForm f;
    f.pozorovatel = s(ComboBox1_->currentText());
    f.datum = s(MaskEdit1_->displayText());
    f.cas = s(Edit3_->text());
    f.pp = s(Edit4_->text());
    f.obr = s(Edit5_->text());
    f.q = s(Edit6_->text());
    f.qc = s(Edit7_->text());
    f.fc = s(Edit8_->text());
    f.rc = s(Edit9_->text());
    f.pocetFakuli = s(Edit10_->text());
    f.pocetSkupin = s(Edit11_->text());
    f.pocetFakKresleni = s(Edit12_->text());
    f.stanice = s(Edit13_->text());
    f.cisloZakresu = s(Edit2_->text());
    f.zvlastni = s(Edit25_->text());
    f.view = pohled_;
    f.skupiny.assign(static_cast<std::size_t>(std::max(1, StringGrid1_->rowCount())), GroupRow{});
    for (int r = 0; r < StringGrid1_->rowCount(); ++r)
        for (int c = 1; c < GroupColumns; ++c)
            f.skupiny[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] =
                s(text(StringGrid1_, r, c));
    f.fakule.assign(static_cast<std::size_t>(std::max(1, StringGrid2_->rowCount())), FaculaeRow{});
    for (int r = 0; r < StringGrid2_->rowCount(); ++r)
        for (int c = 1; c < FaculaeColumns; ++c)
            f.fakule[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] =
                s(text(StringGrid2_, r, c));
    return f;
}

void EntryWindow::nastavRadky(QTableWidget* grid, int radku) {
    grid->setRowCount(radku);
    for (int r = 0; r < radku; ++r) {
        nastavText(grid, r, 0, QString::number(r + 1));
        grid->item(r, 0)->setFlags(Qt::ItemIsEnabled);
    }
}

void EntryWindow::nastavFormular(const EntryForm& f) {
    const bool bylo = plneni_;
    plneni_ = true;
    ComboBox1_->setEditText(q(f.pozorovatel));
    MaskEdit1_->setText(q(f.datum));
    Edit3_->setText(q(f.cas));
    Edit4_->setText(q(f.pp));
    Edit5_->setText(q(f.obr));
    Edit6_->setText(q(f.q));
    Edit7_->setText(q(f.qc));
    Edit8_->setText(q(f.fc));
    Edit9_->setText(q(f.rc));
    Edit10_->setText(q(f.pocetFakuli));
    Edit11_->setText(q(f.pocetSkupin));
    Edit12_->setText(q(f.pocetFakKresleni));
    Edit13_->setText(q(f.stanice));
    Edit2_->setText(q(f.cisloZakresu));
    Edit25_->setText(q(f.zvlastni));
    nastavRadky(StringGrid1_, static_cast<int>(f.skupiny.size()));
    for (int r = 0; r < StringGrid1_->rowCount(); ++r)
        for (int c = 1; c < GroupColumns; ++c)
            nastavText(StringGrid1_, r, c, q(f.skupiny[static_cast<std::size_t>(r)][c]));
    nastavRadky(StringGrid2_, static_cast<int>(f.fakule.size()));
    for (int r = 0; r < StringGrid2_->rowCount(); ++r)
        for (int c = 1; c < FaculaeColumns; ++c)
            nastavText(StringGrid2_, r, c, q(f.fakule[static_cast<std::size_t>(r)][c]));
    plneni_ = bylo;
}

// ---------------------------------------------------------------------------
// Opening and closing

void EntryWindow::FormCreate() {
    const Session& ss = session_;
    if (ss.PocetZaznamu() == 1) k_.model.setCurrent(1);
    zaklad_ = ss.AktualniZaznam();
    setWindowTitle(ss.HelioZadavani() ? NadpisHelio : NadpisPolarni);
    QStringList jmena;
    for (const std::string& jmeno : ss.Pozorovatele())
        if (!jmeno.empty()) jmena << q(jmeno);
    ComboBox1_->addItems(seraditCesky(jmena));
    // Wide enough for the group grid's columns where the screen allows it.
    const int mrizka = StringGrid1_->horizontalHeader()->length() + skaluj(60);
    const int obrazovka = k_.ramec.obrazovka().width() > 0 ? k_.ramec.obrazovka().width() : mrizka;
    resize(std::max(skaluj(SirkaOkna), std::min(mrizka, obrazovka - 40)), skaluj(VyskaOkna));

    const std::string prvni = ss.Pozorovatele().empty() ? std::string() : ss.Pozorovatele().front();
    const EntryForm f = OpenEntryForm(rezim_, zaklad_, ss.records(), nastaveni(), prvni);
    nastavFormular(f);
    if (!q(f.pozorovatel).isEmpty()) ComboBox1_->setEditText(q(f.pozorovatel));

    Edit25_->setVisible(!f.zvlastni.empty());
    if (rezim_ == EntryMode::Special) nastavBarvu(this, QPalette::Window, Qt::red);
    if (zeSnimku_) nastavBarvu(this, QPalette::Window, BarvaZeSnimku);
    ukazPocitadlo();
    Label16_->setVisible(rezim_ != EntryMode::Correction);

    StringGrid1_->setToolTip(ss.HelioZadavani() ? NapovedaHelio : NapovedaPolarni);
    ukazPohled(f.view);
    ukazStavSkupin(f.pocetSkupin != "0");
    ukazStavFakuli(f.pocetFakKresleni != "0");
    // With heliographic entry the grid stays in l and b until the count changes.
    if (ss.HelioZadavani()) Helios_->hide();
    ukazCislovani();
    // From the measurement window only the header is entered.
    if (zeSnimku_) {
        GroupBox1_->hide();
        GroupBox2_->hide();
        Helios_->hide();
    }
    setWindowTitle(nadpisRezimu(rezim_));
    otevreno_ = formular();
}

void EntryWindow::FormClose() {
    for (EntryMode m : {EntryMode::New, EntryMode::Special, EntryMode::Correction})
        if (QAction* a = k_.ramec.akce(polozkaRezimu(m))) a->setEnabled(true);
}

void EntryWindow::ukazPocitadlo() {
    Label16_->setText(QString::number(session_.PocetZaznamu() + 1 - session_.PocetNaStartu()));
}

void EntryWindow::ukazCislovani() {
    const bool cislovani = session_.CislovaniZakresu();
    Edit2_->setVisible(cislovani);
    Label18_->setVisible(cislovani);
    if (!cislovani) Edit2_->setText(q(std::string(DrawingNumbersOffText)));
}

void EntryWindow::ukazPohled(EntryView pohled) {
    pohled_ = pohled;
    const bool helio = pohled == EntryView::Heliographic;
    for (int c = HeliographicColumns; c < GroupColumns; ++c)
        StringGrid1_->setColumnHidden(c, helio);
    for (int c : {sloupec::Uhel, sloupec::Vzd})
        StringGrid1_->horizontalHeaderItem(c)->setText(q(std::string(GroupColumnTitle(c, pohled))));
    Helios_->setText(helio ? HeliosNaPolarni : HeliosNaLB);
    nastavBarvu(Helios_, QPalette::Button, helio ? BarvaHelio : BarvaPolarni);
    if (helio)
        nastavBarvu(GroupBox1_, QPalette::Window, BarvaHelio);
    else
        GroupBox1_->setAutoFillBackground(false);
    GroupBox2_->setVisible(!helio && !zeSnimku_);
    Label17_->hide();
}

namespace {

// A grid without rows to fill is greyed.
void ukazStavMrizky(QTableWidget* grid, const QPalette& okno, bool povoleno) {
    grid->setEnabled(povoleno);
    QPalette pal = okno;
    if (!povoleno) {
        pal.setColor(QPalette::Text, SedePismo);
        pal.setColor(QPalette::Button, SedePevne);
    }
    grid->setPalette(pal);
}

} // namespace

void EntryWindow::ukazStavSkupin(bool povoleno) {
    ukazStavMrizky(StringGrid1_, palette(), povoleno);
    Helios_->setVisible(povoleno && !zeSnimku_);
    Helios_->setEnabled(povoleno);
}

void EntryWindow::ukazStavFakuli(bool povoleno) {
    ukazStavMrizky(StringGrid2_, palette(), povoleno);
}

// ---------------------------------------------------------------------------
// While typing

void EntryWindow::Edit11Change() {
    EntryForm f = formular();
    const GridCount g = ResizeGroupGrid(f);
    if (!g.numeric) {
        StringGrid1_->setEnabled(false);
        return;
    }
    if (g.message) k_.zpravy.Zprava(q(*g.message));
    nastavFormular(f);
    ukazStavSkupin(g.enabled);
}

void EntryWindow::Edit12Change() {
    EntryForm f = formular();
    const GridCount g = ResizeFaculaeGrid(f);
    if (!g.numeric) {
        StringGrid2_->setEnabled(false);
        return;
    }
    if (g.message) k_.zpravy.Zprava(q(*g.message));
    nastavFormular(f);
    ukazStavFakuli(g.enabled);
}

void EntryWindow::MaskEdit1Exit() {
    const DateFieldCheck c =
        CheckDateField(formular(), rezim_, session_.records(), session_.CislovaniZakresu());
    for (const std::string& m : c.messages)
        k_.zpravy.Zprava(q(m));
    if (c.cisloZakresu) Edit2_->setText(q(*c.cisloZakresu));
    if (c.refocus) MaskEdit1_->setFocus(Qt::OtherFocusReason);
}

void EntryWindow::Edit3Exit() {
    for (const std::string& m : CheckTimeField(formular(), rezim_, session_.records()))
        k_.zpravy.Zprava(q(m));
}

void EntryWindow::StringGrid1Click() {
    const int row = StringGrid1_->currentRow();
    const int col = StringGrid1_->currentColumn();
    Label17_->setVisible(col == sloupec::Plocha && pohled_ == EntryView::Heliographic);
    if (row < 0) return;
    const QString typ = text(StringGrid1_, row, sloupec::Typ);
    if (col > sloupec::Typ && !typ.isEmpty()) {
        if (const auto trida = NormaliseGroupClass(s(typ))) {
            nastavText(StringGrid1_, row, sloupec::Typ, q(*trida));
        } else if (odmitnuto_ != std::pair(row, typ)) {
            odmitnuto_ = std::pair(row, typ);
            k_.zpravy.Zprava(q(std::string(zpravy::SpatnyTypKlik)));
            // Back to the refused class so that the next keys correct it.
            // Queued: the click that moved the cell is still being handled.
            QTimer::singleShot(0, this, [this, row] {
                plneni_ = true;
                StringGrid1_->setCurrentCell(row, sloupec::Typ);
                plneni_ = false;
                StringGrid1_->setFocus(Qt::OtherFocusReason);
            });
        }
    }
    if (col == sloupec::CSk1) {
        Panel1_->setText(
            QString::number(HighestCSk1OfYear(session_.records(), s(MaskEdit1_->displayText()))));
        Panel1_->show();
    } else {
        Panel1_->hide();
    }
}

void EntryWindow::HeliosClick() {
    EntryForm f = formular();
    if (const auto zprava = ToggleEntryView(f, session_.PolomerKresby())) {
        k_.zpravy.Zprava(q(*zprava));
        return;
    }
    nastavFormular(f);
    ukazPohled(f.view);
}

void EntryWindow::Label10Click() {
    if (!k_.zpravy.Otazka(q(std::string(zpravy::VypnoutCislovani)))) return;
    k_.model.switchDrawingNumbersOff();
    zaklad_.CisloZakresu = 0;
    ukazCislovani();
}

// ---------------------------------------------------------------------------
// Confirmation

void EntryWindow::ukoncitClick() {
    const Session& ss = session_;
    EntryContext ctx;
    ctx.mode = rezim_;
    ctx.settings = nastaveni();
    ctx.records = ss.records();
    ctx.addedSinceStart = ss.PocetZaznamu() - ss.PocetNaStartu();
    const EntryOutcome out = ConfirmEntry(formular(), zaklad_, ctx);
    nastavFormular(out.form);
    ukazPocitadlo();
    for (const std::string& m : out.messages)
        k_.zpravy.Zprava(q(m));
    if (out.focus) {
        QTableWidget* grid =
            out.focus->grid == GridCell::Grid::Skupiny ? StringGrid1_ : StringGrid2_;
        plneni_ = true;
        grid->setCurrentCell(out.focus->row - 1, out.focus->col);
        plneni_ = false;
        grid->setFocus(Qt::OtherFocusReason);
    }
    if (!out.record) return;

    SessionModel& model = k_.model;
    const std::uint64_t revize = ss.revision();
    try {
        model.storeWorkingRecord(*out.record, rezim_);
    } catch (const std::exception& e) {
        k_.zpravy.Zprava(q(e.what()));
        // Not stored at all: the window stays open with everything typed.
        if (ss.revision() == revize) {
            model.setWorkingRecord(zaklad_);
            return;
        }
    }
    k_.ramec.zobrazZakres();
    accept();
}

void EntryWindow::NavratClick() {
    reject();
}

void EntryWindow::reject() {
    // A cell still being edited holds its text in its editor: commit it, so
    // that it counts as typed (and is kept when the answer is "Ne").
    for (QTableWidget* grid : {StringGrid1_, StringGrid2_})
        for (QWidget* editor : grid->viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (editor->isVisible()) emit grid->itemDelegate()->commitData(editor);
    if (formular() != otevreno_) {
        QWidget* fokus = focusWidget();
        if (!k_.zpravy.OtazkaAnoNe(QStringLiteral("Zahodit zadaná data?"))) {
            if (fokus) fokus->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    QDialog::reject();
}

// ---------------------------------------------------------------------------

void installNovdat(MainWindow& hlavni) {
    for (EntryMode m : {EntryMode::New, EntryMode::Special, EntryMode::Correction})
        hlavni.zapojit(polozkaRezimu(m),
                       [&hlavni, m] { EntryWindow::otevrit(hlavni.kontext(), m); });
}

} // namespace hk
