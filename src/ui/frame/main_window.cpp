#include "ui/frame/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <cmath>

#include "records/exports.h"
#include "records/session.h"
#include "records/startup.h"
#include "render/font_roles.h"
#include "render/jpeg_writer.h"
#include "ui/drawing/coordinate_type_dialog.h"
#include "ui/entry/record_list_window.h"
#include "ui/frame/messages.h"
#include "ui/frame/ui_helpers.h"

namespace hk {

const QString MainWindow::PripravujeSe = QStringLiteral("Připravuje se");

const QString MainWindow::TextNapovedy = QStringLiteral(
    " F8   - Uloží bitmapu okna\r F9   - Podkreslí zákres magnetosférou\r F12  - Sloučení "
    "souborů dat pro fakule\r f      - Překreslování dat fakulí\r p      - Přepočet ploch "
    "fakulí\r z-v   - zap.vyp propojení skupiny\r k      - Seznam shodných datumů\r Ctrl+G "
    "- Změna souřadnic dataxu (polární / heliografické), s dotazem\r Ctrl+S - Sloučení "
    "jiného souboru záznamů s daty\r Ctrl+R - Rozdělení dat do datax1.dat .. datax5.dat podle "
    "datumů\r");

namespace {

// Keeps the work area's windows inside it when it shrinks (a taller tool
// panel, a smaller main window): a window is moved and, when it must, made
// smaller, so that its buttons and edges stay reachable.
class DrzeniOken : public QObject {
  public:
    explicit DrzeniOken(QMdiArea* plocha) : QObject(plocha), plocha_(plocha) {
        plocha->viewport()->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize && plocha_->isVisible()) udrzet();
        return false;
    }

  private:
    void udrzet() {
        const QSize v = plocha_->viewport()->size();
        for (QMdiSubWindow* okno : plocha_->subWindowList()) {
            if (!okno->isVisible() || okno->isMaximized() || okno->isMinimized()) continue;
            QRect g = okno->geometry();
            g.setWidth(std::max(okno->minimumWidth(), std::min(g.width(), v.width())));
            g.setHeight(std::max(okno->minimumHeight(), std::min(g.height(), v.height())));
            g.moveLeft(std::max(0, std::min(g.left(), v.width() - g.width())));
            g.moveTop(std::max(0, std::min(g.top(), v.height() - g.height())));
            if (g != okno->geometry()) okno->setGeometry(g);
        }
    }
    QMdiArea* plocha_;
};

// A panel of buttons in the tool bar. Its buttons may need more than the
// screen's width (the results panel has 27 and a combo box): they scroll
// sideways inside the tool bar instead of widening the main window beyond
// the screen.
class PasPanelu : public QScrollArea {
  public:
    PasPanelu(QWidget* panel, QWidget* parent) : QScrollArea(parent) {
        setObjectName(panel->objectName() + QStringLiteral("Pas"));
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        setWidget(panel);
    }
    QSize sizeHint() const override {
        const QSize s = widget()->sizeHint();
        return {s.width(), vyska(s.width() > width())};
    }
    QSize minimumSizeHint() const override {
        return {100, vyska(widget()->sizeHint().width() > width())};
    }

  protected:
    void resizeEvent(QResizeEvent* e) override {
        const bool predtim = posuvnik_;
        posuvnik_ = widget()->sizeHint().width() > e->size().width();
        QScrollArea::resizeEvent(e);
        if (posuvnik_ != predtim) updateGeometry();
    }

  private:
    int vyska(bool sPosuvnikem) const {
        return widget()->sizeHint().height() +
               (sPosuvnikem ? horizontalScrollBar()->sizeHint().height() : 0);
    }
    bool posuvnik_ = false;
};

constexpr QColor BarvaOkna{100, 150, 180};
constexpr QColor BarvaNastroju{200, 220, 220};
constexpr int PismoOkna = 11; // pixels: 8 points on the screen
constexpr int MinSirkaObrazovky = 1020;
constexpr int KvalitaObrazku = 90;
constexpr int OrezObrazku = 5;

// A name for a file: separators would lead out of the picture folder.
QString nazevSouboru(QString nazev) {
    nazev.replace(QLatin1Char('/'), QLatin1Char('-')).replace(QLatin1Char('\\'), QLatin1Char('-'));
    nazev = nazev.trimmed();
    if (nazev.isEmpty() || nazev == QStringLiteral(".") || nazev == QStringLiteral(".."))
        nazev = QStringLiteral("Okno");
    return nazev;
}

using Tlacitka = std::vector<std::tuple<QString, QString, QString>>;

} // namespace

MainWindow::MainWindow(Session& session, Messages& zpravy, QWidget* parent)
    : QMainWindow(parent), model_(session), zpravy_(zpravy), plocha_(new QMdiArea(this)),
      toolBar_(new QToolBar(QStringLiteral("Nástroje"), this)), versa_(new QLabel(this)),
      label1_(new QLabel(this)), pocitadla_(new QLabel(this)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Heliokres"));
    setFont(SansFont(PismoOkna));

    plocha_->setObjectName(QStringLiteral("plocha"));
    plocha_->setBackground(BarvaOkna);
    plocha_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    plocha_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(plocha_);
    new DrzeniOken(plocha_);

    toolBar_->setObjectName(QStringLiteral("ToolBar1"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setAutoFillBackground(true);
    QPalette pal = toolBar_->palette();
    pal.setColor(QPalette::Window, BarvaNastroju);
    pal.setColor(QPalette::Button, BarvaNastroju);
    toolBar_->setPalette(pal);
    addToolBar(Qt::TopToolBarArea, toolBar_);

    vytvorMenu();
    vytvorPanely();

    versa_->setObjectName(QStringLiteral("versa"));
    versa_->setToolTip(QStringLiteral("Číslo sestavení programu"));
    versa_->setText(QStringLiteral("sestavení %1").arg(QStringLiteral(HELIOKRES_BUILD_NUMBER)));
    pocitadla_->setObjectName(QStringLiteral("pocitadla"));
    pocitadla_->setToolTip(QStringLiteral("Načtené řady SIDC: roky denních hodnot, řádky ploch a "
                                          "řádky toku 10,7 cm"));
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->addPermanentWidget(pocitadla_);
    statusBar()->addPermanentWidget(versa_);

    zeptatSeNaNastaveni = [this] { return CoordinateTypeDialog::zeptat(zpravy_, this); };
}

MainWindow::~MainWindow() {
    // The windows in the work area hold references to this window: they go
    // while it is still whole.
    seznam_ = nullptr;
    const QList<QMdiSubWindow*> okna = plocha_->subWindowList();
    qDeleteAll(okna);
}

// ---------------------------------------------------------------------------
// Menu and panels

QAction* MainWindow::pridejAkci(const QString& name, const QString& text, const QString& hint) {
    Q_ASSERT(!akce_.contains(name));
    auto* a = new QAction(text, this);
    a->setObjectName(name);
    akce_.insert(name, a);
    napovedy_.insert(name, hint);
    a->setToolTip(hint.isEmpty() ? QString(text).remove(QLatin1Char('&')) : hint);
    a->setStatusTip(hint);
    return a;
}

void MainWindow::pripravujeSe(QAction* a) {
    a->setEnabled(false);
    a->setToolTip(PripravujeSe);
    a->setStatusTip(PripravujeSe);
}

void MainWindow::vytvorMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    auto podmenu = [this](QWidget* rodic, const QString& name, const QString& text) {
        auto* m = new QMenu(text, rodic);
        m->setObjectName(name);
        m->menuAction()->setObjectName(name);
        akce_.insert(name, m->menuAction());
        return m;
    };

    QMenu* zadavani = podmenu(bar, QStringLiteral("zadavani"), QStringLiteral("&Zadávání"));
    bar->addMenu(zadavani);
    zadavani->addAction(pridejAkci("novy", QStringLiteral("&Nový zákres")));
    zadavani->addAction(pridejAkci("zvlastni", QStringLiteral("&Zvlášťní zákres")));
    zadavani->addAction(pridejAkci("oprava", QStringLiteral("&Oprava  dat")));
    QMenu* ulozitdata =
        podmenu(zadavani, QStringLiteral("ulozitdata"), QStringLiteral("&Uložit data"));
    zadavani->addMenu(ulozitdata);
    ulozitdata->addAction(pridejAkci("ulozitdat", QStringLiteral("Uložit data")));
    ulozitdata->addAction(pridejAkci("ulozASCI", QStringLiteral("Uložit jako ASCI")));
    ulozitdata->addAction(pridejAkci("Polohyfakul1", QStringLiteral("Polohy fakulí CSV")));
    zadavani->addAction(pridejAkci("posledni1", QStringLiteral("&Poslední zákres")));
    zadavani->addAction(pridejAkci("tisk1", QStringLiteral("Tisk zákresu")));
    zadavani->addAction(pridejAkci("Ulozkresy", QStringLiteral("Ulož zákresy (bmp)")));
    zadavani->addSeparator();
    zadavani->addAction(pridejAkci("konec", QStringLiteral("&Konec")));

    QMenu* grafy = podmenu(bar, QStringLiteral("Grafy1"), QStringLiteral("&Grafy"));
    bar->addMenu(grafy);
    grafy->addAction(pridejAkci("motylek1", QStringLiteral("&Motýlek")));
    grafy->addAction(pridejAkci("graf", QStringLiteral("&Grafy")));
    grafy->addAction(pridejAkci("vyhlazovaci", QStringLiteral("&Vyhlazovací")));
    QMenu* asymetrie = podmenu(grafy, QStringLiteral("asymetrie"), QStringLiteral("&Asymetrie"));
    grafy->addMenu(asymetrie);
    asymetrie->addAction(pridejAkci("asyroz", QStringLiteral("Asymetrie rozdílová")));
    asymetrie->addAction(pridejAkci("asypo", QStringLiteral("Asymetrie podílová")));
    grafy->addAction(pridejAkci("map", QStringLiteral("&Mapy")));

    bar->addAction(pridejAkci("vysledky1", QStringLiteral("&Výsledky")));
    bar->addAction(pridejAkci("About1", QStringLiteral("&About")));
    bar->addAction(pridejAkci("napoveda", QStringLiteral("Nápověda")));
    QAction* souslunce = pridejAkci("souslunce", QStringLiteral("Souřadnice slunce"));
    souslunce->setVisible(false);
    souslunce->setEnabled(false);
    bar->addAction(souslunce);

    // Commands whose windows come with their own parts of the program.
    for (const char* name : {"novy", "zvlastni", "oprava", "tisk1", "Ulozkresy", "motylek1", "graf",
                             "vyhlazovaci", "asyroz", "asypo", "map", "vysledky1"})
        pripravujeSe(akce_.value(QString::fromLatin1(name)));

    zapojit(QStringLiteral("ulozitdat"), [this] { ulozitdatClick(); });
    zapojit(QStringLiteral("ulozASCI"), [this] { ulozASCIClick(); });
    zapojit(QStringLiteral("Polohyfakul1"), [this] { Polohyfakul1Click(); });
    zapojit(QStringLiteral("posledni1"), [this] { posledni1Click(); });
    zapojit(QStringLiteral("konec"), [this] { close(); });
    zapojit(QStringLiteral("About1"), [this] { About1Click(); });
    zapojit(QStringLiteral("napoveda"), [this] { napovedaClick(); });
}

QWidget* MainWindow::vytvorPanel(const QString& name, const Tlacitka& tlacitka) {
    auto* panel = new QWidget(toolBar_);
    panel->setObjectName(name);
    panel->setAutoFillBackground(true);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(2, 1, 2, 1);
    layout->setSpacing(1);
    for (const auto& [tlacitko, text, hint] : tlacitka) {
        QAction* a = pridejAkci(tlacitko, text, hint);
        auto* b = new QToolButton(panel);
        b->setObjectName(tlacitko);
        b->setDefaultAction(a);
        b->setAutoRaise(false);
        layout->addWidget(b);
        // A button whose command a window hides goes from the panel (a
        // tool button would only grey it).
        connect(a, &QAction::visibleChanged, b, [a, b] { b->setVisible(a->isVisible()); });
        pripravujeSe(a);
    }
    layout->addStretch(1);
    panely_.insert(name, panel);
    QAction* a = toolBar_->addWidget(new PasPanelu(panel, toolBar_));
    a->setVisible(false);
    panelAkce_.insert(name, a);
    return panel;
}

void MainWindow::vytvorPanely() {
    // (name, caption, hint); the hint is the button's label.
    QWidget* zakladni = vytvorPanel(QStringLiteral("zakladni"),
                                    {{"novyzakres", "Nový", "Nový  zákres"},
                                     {"zvlastnizakrrs", "Zvláštní", "Zvláštní zákres"},
                                     {"opravazaz", "Oprava", "Oprava  záznamu"},
                                     {"ulozit", "Uložit", "Uložit data"},
                                     {"poslednizaz", "Poslední", "Poslední záznam"},
                                     {"motylekz", "Motýlek", "Motýlkový diagram"},
                                     {"grafyz", "Grafy", "Denní grafy"},
                                     {"vyhladitz", "Vyhlazené", "Vyhlazené grafy"},
                                     {"asimetryz", "Asymetrie", "Asymetrie grafy"},
                                     {"mapyz", "Mapy", "Synoptické mapy"},
                                     {"vysledekz", "Výsledky", "Výsledky"},
                                     {"menvet", "Zmenšit", "Zmenšit - zvětšit"},
                                     {"pomocnaskvrna", "Pomocná", "Vzdálenost pomocné skvrny"},
                                     {"SpeedButton2", "Orientace", "Orientace"},
                                     {"SpeedButton3", "BMP", "Uložit obrázek zákresu"},
                                     {"SpeedButton14", "JPG", "Uloží kopii okna v jpg "},
                                     {"SpeedButton7", "Tisk", "Tisk"},
                                     {"zfota", "Foto", "Zadávání z přefoceného zákresu "}});
    label1_->setParent(zakladni);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setToolTip(QStringLiteral("Poslední úprava"));
    label1_->setStatusTip(QStringLiteral("Poslední úprava"));
    static_cast<QHBoxLayout*>(zakladni->layout())->addWidget(label1_);

    // Buttons that do what a menu item does follow that item.
    const std::pair<const char*, const char*> dvojice[] = {
        {"novyzakres", "novy"},   {"zvlastnizakrrs", "zvlastni"}, {"opravazaz", "oprava"},
        {"ulozit", "ulozitdat"},  {"poslednizaz", "posledni1"},   {"motylekz", "motylek1"},
        {"grafyz", "graf"},       {"vyhladitz", "vyhlazovaci"},   {"asimetryz", "asypo"},
        {"mapyz", "map"},         {"vysledekz", "vysledky1"},     {"SpeedButton3", "Ulozkresy"},
        {"SpeedButton7", "tisk1"}};
    for (const auto& [tlacitko, polozka] : dvojice) {
        QAction* b = akce_.value(QString::fromLatin1(tlacitko));
        QAction* m = akce_.value(QString::fromLatin1(polozka));
        dvojcata_.insert(b->objectName(), m->objectName());
        connect(b, &QAction::triggered, m, [m] { m->trigger(); });
        auto follow = [this, b, m] {
            b->setEnabled(m->isEnabled());
            const bool live = m->isEnabled() || m->toolTip() != PripravujeSe;
            const QString hint = live ? napovedy_.value(b->objectName()) : PripravujeSe;
            b->setToolTip(hint);
            b->setStatusTip(hint);
        };
        connect(m, &QAction::changed, b, follow);
        follow();
    }

    vytvorPanel(QStringLiteral("promotylek"),
                {{"vlevo", "Zúžit", "Zúžit "},
                 {"vpravo", "Rozšířit", "Rozšířit"},
                 {"vetsi", "Zvýšit", "Zvýšit"},
                 {"mensi", "Snížit", "Snížit"},
                 {"skvrny", "Skvrny", "Skupiny"},
                 {"fakule", "Fakule", "Fakule"},
                 {"skvrfak", "Skvrny+fak.", "Skvrny i fakule"},
                 {"sirfakule", "Šířka fak.", "Šířka fakulí"},
                 {"vyskvrn", "Výška", "Výška skupin"},
                 {"vyskhlaz", "Vyhlazená", "Výška vyhlazená"},
                 {"hranice", "Ohraničení", "Ohraničení"},
                 {"vse", "Vše", "Veškeré ohraničení"},
                 {"podkresleni", "Podkreslit", "Podkreslit"},
                 {"podkreskorona", "Korona", "Podkreslit zelenou koronu"},
                 {"SpeedButton12", "Zavřít", "Zavřít"}});
    vytvorPanel(QStringLiteral("prografy"), {{"gb", "g", "g"},
                                             {"fb", "f", "f"},
                                             {"rb", "R", "R"},
                                             {"cvb", "CV", "CV"},
                                             {"snb", "SN", "SN"},
                                             {"rbb", "RB", "RB"},
                                             {"plochb", "Plocha", "Plocha skupin"},
                                             {"polob", "Polokoule", "Polokoule"},
                                             {"plochfak", "Pl. fakulí", "Plocha fakulí"},
                                             {"vsechny", "Všechny", "Všechny"},
                                             {"celkovy", "Celkový", "Celkový"},
                                             {"sevrni", "Severní", "Severní"},
                                             {"jizni", "Jižní", "Jižní"},
                                             {"stupnice", "Stupnice", "Stupnice"},
                                             {"gsvz", "g s-v-z", "g severní, východní, západní"},
                                             {"solgraf", "InterSOL", "InterSOL"},
                                             {"SpeedButton13", "Zavřít", "Zavřít"}});
    vytvorPanel(QStringLiteral("provyhlazovaci"), {{"gv", "g", "g"},
                                                   {"fv", "f", "f"},
                                                   {"rv", "R", "R"},
                                                   {"cvv", "CV", "CV"},
                                                   {"snv", "SN", "SN"},
                                                   {"rbv", "RB", "RB"},
                                                   {"plochv", "Plocha", "Plocha skupin"},
                                                   {"polokouv", "Polokoule", "Polokoule"},
                                                   {"zakrsovy", "Záznamový", "Záznamový"},
                                                   {"mesicni", "Měsíční", "Měsíční"},
                                                   {"rocni", "Roční", "Roční"},
                                                   {"stupnicevyhl", "Stupnice", "Stupnice"},
                                                   {"Solvyhla", "InterSOL", "InterSOL"},
                                                   {"CElek", "Celek", "Celek"},
                                                   {"severni", "Sever", "Severní polokoule"},
                                                   {"jizniv", "Jih", "Jižní polokoule"},
                                                   {"sev_jih", "S-J", "Sever - jih"},
                                                   {"zmensit", "Zmenšit", "Zmenšit"},
                                                   {"rozsirit", "Rozšířit", "Rozšířit"},
                                                   {"SpeedButton11", "Zavřít", "Zavřít"}});
    vytvorPanel(QStringLiteral("promapu"),
                {{"rotacem", "Rotace", "Výběr rotace"},
                 {"mapam", "Mapky", "Mapky"},
                 {"dlouham", "Dlouhá", "Dlouhá mapa"},
                 {"vysokam", "Vysoká", "Vysoká mapa"},
                 {"SpeedButton5", "12", "Dvanáct map"},
                 {"koronagraf", "Kor. graf", "Korona graf"},
                 {"koronaitensit", "Kor. int.", "Korona intenzita"},
                 {"koronsku", "Kor. glob.", "Korona globálně"},
                 {"koronpod", "Kor. pod.", "Podkreslit koronou"},
                 {"magnetpod", "Magneto", "Magnetosféra"},
                 {"srovnan", "Srovnání", "Srovnání"},
                 {"SpeedButton6", "2x", "Násobek velikosti ploch skupin"},
                 {"vloztext", "A", "Před tiskem možno vložit text"},
                 {"SpeedButton10", "Zavřít", "Zavřít"}});
    QWidget* provysledky = vytvorPanel(QStringLiteral("provysledky"),
                                       {{"vlastniv", "Vlastní", "Vlastní"},
                                        {"oficialv", "Oficiální", "Oficiální"},
                                        {"CVvysledky", "CV", "CV"},
                                        {"namercelek", "Nam. celek", "Naměřené celkem"},
                                        {"namersever", "Nam. sever", "Naměřené sever"},
                                        {"namerjih", "Nam. jih", "Naměřené jih"},
                                        {"vyhlcelek", "Vyhl. celek", "Vyhlazené celkem"},
                                        {"vyhlsever", "Vyhl. sever", "Vyhlazené sever"},
                                        {"vyhljih", "Vyhl. jih", "Vyhlazené jih"},
                                        {"pozorovatelv", "Pozorovatelé", "Pozorovatelé"},
                                        {"vyskytskup", "Výskyt", "Výskyt skupin"},
                                        {"vyvojskup", "Vývoj", "Vývoj skupin"},
                                        {"promapovy", "Pro mapy", "Údaje pro mapy"},
                                        {"velikost", "Velikost", "Největší skupiny"},
                                        {"SpeedButton1", "Bez akt.", "Dny bez aktivity"},
                                        {"asme", "Asym. m.", "Asymetrie měsíční"},
                                        {"asro", "Asym. r.", "Asymetrie roční"},
                                        {"polohy", "Polohy", "Polohy skupin"},
                                        {"polohyr", "Polohy r.", "Polohy skupin roční"},
                                        {"polohym", "Polohy m.", "Polohy skupin měsíční"},
                                        {"AsinTXT", "Asym. TXT", "Asymetrie do textu"},
                                        {"zapidosoudorutxt", "Polohy TXT", "Polohy do textu"},
                                        {"SpeedButton15", "Poz. den", "Pozorovatelé po dnech"},
                                        {"SpeedButton8", "CSV", "Naměřené do CSV"},
                                        {"SpeedButton16", "InterSOL", "InterSOL"},
                                        {"SpeedButton4", "L B P", "L B P"},
                                        {"SpeedButton9", "Zavřít", "Zavřít"}});
    auto* combo = new QComboBox(provysledky);
    combo->setObjectName(QStringLiteral("ComboBox1"));
    combo->setEnabled(false);
    combo->setToolTip(PripravujeSe);
    combo->setStatusTip(PripravujeSe);
    static_cast<QHBoxLayout*>(provysledky->layout())->insertWidget(18, combo);
}

QAction* MainWindow::akce(const QString& objectName) const {
    return akce_.value(objectName);
}

void MainWindow::zapojit(const QString& objectName, std::function<void()> fn) {
    QAction* a = akce_.value(objectName);
    Q_ASSERT_X(a, "MainWindow::zapojit", qPrintable(objectName));
    if (!a) return;
    // A button connected on its own no longer follows its menu item.
    if (const QString polozka = dvojcata_.take(objectName); !polozka.isEmpty())
        disconnect(akce_.value(polozka), &QAction::changed, a, nullptr);
    disconnect(a, &QAction::triggered, nullptr, nullptr);
    const QString hint = napovedy_.value(objectName);
    a->setToolTip(hint.isEmpty() ? a->text().remove(QLatin1Char('&')) : hint);
    a->setStatusTip(hint);
    a->setEnabled(true);
    connect(a, &QAction::triggered, this, [fn = std::move(fn)] { fn(); });
}

void MainWindow::ukazPanel(const QString& name) {
    for (auto it = panelAkce_.cbegin(); it != panelAkce_.cend(); ++it)
        it.value()->setVisible(it.key() == name);
}

QString MainWindow::viditelnyPanel() const {
    for (auto it = panelAkce_.cbegin(); it != panelAkce_.cend(); ++it)
        if (it.value()->isVisible()) return it.key();
    return {};
}

// ---------------------------------------------------------------------------
// Start-up

bool MainWindow::FormCreate(const QRect& screen, const Date& today) {
    const Session& s = session();
    obrazovka_ = screen;
    StartupResult start;
    try {
        start = RunStartup(model_.store(), screen.height(), today, startupHooks);
        startupHooks.notes.clear(); // listed once, below
    } catch (const std::exception& e) {
        zpravy_.Zprava(QStringLiteral("Program nelze spustit:\r") + q(e.what()));
        return false;
    }
    // Window: the whole screen but for the task bar, scaled by the percentage.
    const int vyska =
        screen.height() - static_cast<int>(std::nearbyint(28.0 * s.ProcentoVelikosti() / 100));
    setGeometry(screen.x(), screen.y(), screen.width() - 20, vyska);

    if (start.askDrawingSetting) model_.setDrawingSetting(zeptatSeNaNastaveni());
    setWindowTitle(q(MainWindowCaption(s)));

    pocitadla_->setText(QStringLiteral("SIDC %1 | plochy %2 | tok %3")
                            .arg(s.tables().DenniSIDC.years.size())
                            .arg(s.tables().PlochyTab.rows.size())
                            .arg(s.tables().Tok10cmTab.rows.size()));
    ukazPosledniUpravu();
    zakladniPanel();
    if (const std::vector<std::string> varovani = model_.takeWarnings(); !varovani.empty()) {
        QStringList w;
        for (const std::string& t : varovani)
            w << q(t);
        zpravy_.Zprava(w.join(QLatin1Char('\r')));
    }
    return true;
}

bool MainWindow::kontrolaObrazovky(const QRect& screen) {
    if (screen.width() >= MinSirkaObrazovky) return true;
    zpravy_.Zprava(QStringLiteral("Program je určen pro rozlišení 1024x768 a větší"));
    close();
    return false;
}

void MainWindow::ukazPosledniUpravu() {
    const QFileInfo datax(textCesty(session().dir.resolve("datax.dat")));
    label1_->setText(datax.exists()
                         ? datax.lastModified().toString(QStringLiteral("dd.MM.yyyy hh:mm"))
                         : QString());
}

// ---------------------------------------------------------------------------
// Commands

void MainWindow::ulozitdatClick() {
    if (!runCommand(zpravy_, [&] {
            BusyCursor busy;
            model_.save();
        }))
        return;
    ukazPosledniUpravu();
}

void MainWindow::ulozASCIClick() {
    const Session& s = session();
    zpravy_.Zprava(QStringLiteral("Data skvrn budou uložena do souboru ") +
                   textCesty(s.dir.resolve(SoubASCIName)));
    if (!runCommand(zpravy_, [&] {
            BusyCursor busy;
            WriteSoubASCI(s.dir, s.records(), s.geometry());
        }))
        return;
    // A group without a class is "***" in the store too from now on.
    model_.fillMissingClasses();
    zpravy_.Zprava(QStringLiteral("Data byla uložena"));
    ukazStav(QStringLiteral("Uloženo: ") + textCesty(s.dir.resolve(SoubASCIName)));
}

void MainWindow::Polohyfakul1Click() {
    const Session& s = session();
    zpravy_.Zprava(QStringLiteral("Pozice fakulí budou uloženy do adresáře ") +
                   textCesty(s.dir.resolve(CSVFolderName)));
    if (!runCommand(zpravy_, [&] {
            BusyCursor busy;
            WritePolohyFakuli(s.dir, s.records());
        }))
        return;
    zpravy_.Zprava(QStringLiteral("Data byla uložena"));
    ukazStav(QStringLiteral("Uloženo do adresáře ") + textCesty(s.dir.resolve(CSVFolderName)));
}

void MainWindow::ukazStav(const QString& text, int ms) {
    statusBar()->showMessage(text, ms);
}

void MainWindow::ukazPosuvnikZaznamu(bool viditelny) {
    if (seznam_) seznam_->ukazPosuvnik(viditelny);
}

void MainWindow::posledni1Click() {
    if (seznam_)
        seznam_->posledni();
    else
        model_.setCurrent(session().PocetZaznamu());
    zobrazZakres();
}

void MainWindow::napovedaClick() {
    zpravy_.Zprava(TextNapovedy);
}

void MainWindow::About1Click() {
    const Session& s = session();
    const QString text =
        QStringLiteral("<p><b>Heliokres</b><br>Zákresy sluneční fotosféry</p>"
                       "<p>Verze %1, sestavení %2</p>"
                       "<p>Adresář programu (data): %3<br>Záznamy: %4<br>Obrázky oken: %5<br>"
                       "Program: %6</p>")
            .arg(QStringLiteral(HELIOKRES_VERSION), QStringLiteral(HELIOKRES_BUILD_NUMBER),
                 textCesty(s.dir.root()).toHtmlEscaped(),
                 textCesty(s.dir.resolve("datax.dat")).toHtmlEscaped(),
                 textCesty(s.dir.resolve("Obrázek")).toHtmlEscaped(),
                 QCoreApplication::applicationFilePath().toHtmlEscaped());
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("About"), text,
                                QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("AboutBox"));
    box->setTextFormat(Qt::RichText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void MainWindow::ulozokno() {
    if (zpravy_.Otazka(QStringLiteral("            Uložit bitmapu okna "))) ulozokno1();
}

bool MainWindow::ulozokno1() {
    QMdiSubWindow* okno = plocha_->activeSubWindow();
    if (!okno) okno = plocha_->currentSubWindow();
    if (!okno || !okno->widget()) {
        zpravy_.Zprava(QStringLiteral("Není otevřeno žádné okno, jehož obrázek by se uložil"));
        return false;
    }
    QWidget* w = okno->widget();
    const QImage image = w->grab(QRect(0, 0, std::max(1, w->width() - OrezObrazku), w->height()))
                             .toImage()
                             .convertToFormat(QImage::Format_RGB888);
    try {
        const std::filesystem::path slozka = session().dir.ensureFolder("Obrázek");
        const std::filesystem::path soubor =
            slozka / (nazevSouboru(NazevObrazku) + QStringLiteral(".jpg")).toStdString();
        WriteJpeg(image, soubor, KvalitaObrazku);
        statusBar()->showMessage(QStringLiteral("Obrázek uložen: ") + textCesty(soubor), 5000);
    } catch (const std::exception& e) {
        zpravy_.Zprava(q(e.what()));
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------
// Exit

bool MainWindow::ukoncit() {
    Session& s = model_.store();
    if (s.needsBackupQuestion() &&
        zpravy_.Otazka(QStringLiteral("Vytvořit zálohový soubor dataxu bez nových dat ? "))) {
        try {
            s.writeBackup();
        } catch (const std::exception& e) {
            zpravy_.Zprava(q(e.what()));
        }
    }
    try {
        s.saveAtExit();
    } catch (const std::exception& e) {
        // The data in memory would be lost: the user decides.
        if (!zpravy_.Otazka(q(e.what()) +
                            QStringLiteral("\rData nebyla uložena. Přesto ukončit program ?")))
            return false;
    }
    konciSe_ = true;
    if (seznam_) seznam_->povolitZavreni();
    plocha_->closeAllSubWindows();
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (konciSe_ || ukoncit())
        event->accept();
    else
        event->ignore();
}

} // namespace hk
