#include "ui/frame/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
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
#include "results/report_file.h"
#include "ui/drawing/coordinate_type_dialog.h"
#include "ui/entry/record_list_window.h"
#include "ui/frame/command_names.h"
#include "ui/frame/messages.h"
#include "ui/frame/ui_helpers.h"

namespace hk {

const QString MainWindow::NotReadyHint = QStringLiteral("Připravuje se");

const QString MainWindow::HelpText = QStringLiteral(
    " F8   - Uloží bitmapu okna\r F9   - Podkreslí zákres magnetosférou\r F12  - Sloučení "
    "souborů dat pro fakule\r f      - Měření fakulí\r p      - Přepočet ploch "
    "fakulí\r z-v   - zap.vyp propojení skupiny\r k      - Seznam shodných datumů\r Ctrl+G "
    "- Změna souřadnic dataxu (polární / heliografické), s dotazem\r Ctrl+S - Sloučení "
    "jiného souboru záznamů s daty\r Ctrl+R - Rozdělení dat do datax1.dat .. datax5.dat podle "
    "datumů\r");

namespace {

// Keeps the work area's windows inside it when it shrinks (a taller tool
// panel, a smaller main window): a window is moved and, when it must, made
// smaller, so that its buttons and edges stay reachable.
class WindowKeeper : public QObject {
  public:
    explicit WindowKeeper(QMdiArea* area) : QObject(area), area_(area) {
        area->viewport()->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize && area_->isVisible()) keep();
        // A child window's caption shows no icon: without one of its own Qt
        // would draw the toolkit's logo there.
        if (event->type() == QEvent::ChildPolished)
            if (auto* window =
                    qobject_cast<QMdiSubWindow*>(static_cast<QChildEvent*>(event)->child()))
                window->setWindowIcon(blankIcon());
        return false;
    }

  private:
    static QIcon blankIcon() {
        QPixmap blank(16, 16);
        blank.fill(Qt::transparent);
        return QIcon(blank);
    }
    void keep() {
        const QSize v = area_->viewport()->size();
        for (QMdiSubWindow* window : area_->subWindowList()) {
            if (!window->isVisible() || window->isMaximized() || window->isMinimized()) continue;
            QRect g = window->geometry();
            g.setWidth(std::max(window->minimumWidth(), std::min(g.width(), v.width())));
            g.setHeight(std::max(window->minimumHeight(), std::min(g.height(), v.height())));
            g.moveLeft(std::max(0, std::min(g.left(), v.width() - g.width())));
            g.moveTop(std::max(0, std::min(g.top(), v.height() - g.height())));
            if (g != window->geometry()) window->setGeometry(g);
        }
    }
    QMdiArea* area_;
};

// A panel of buttons in the tool bar. Its buttons may need more than the
// screen's width (the results panel has 27 and a combo box): they scroll
// sideways inside the tool bar instead of widening the main window beyond
// the screen.
class PanelStrip : public QScrollArea {
  public:
    PanelStrip(QWidget* panel, QWidget* parent) : QScrollArea(parent) {
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
        return {s.width(), height(s.width() > width())};
    }
    QSize minimumSizeHint() const override {
        return {100, height(widget()->sizeHint().width() > width())};
    }

  protected:
    void resizeEvent(QResizeEvent* e) override {
        const bool before = recordScrollShown_;
        recordScrollShown_ = widget()->sizeHint().width() > e->size().width();
        QScrollArea::resizeEvent(e);
        if (recordScrollShown_ != before) updateGeometry();
    }

  private:
    int height(bool withScrollBar) const {
        return widget()->sizeHint().height() +
               (withScrollBar ? horizontalScrollBar()->sizeHint().height() : 0);
    }
    bool recordScrollShown_ = false;
};

constexpr QColor WindowColour{100, 150, 180};
constexpr QColor ToolColour{200, 220, 220};
constexpr int WindowFont = 11; // pixels: 8 points on the screen
constexpr int MinScreenWidth = 1020;
constexpr int PictureQuality = 90;
constexpr int PictureCrop = 5;

// A name for a file: separators would lead out of the picture folder.
QString fileName(QString name) {
    name.replace(QLatin1Char('/'), QLatin1Char('-')).replace(QLatin1Char('\\'), QLatin1Char('-'));
    name = name.trimmed();
    if (name.isEmpty() || name == QStringLiteral(".") || name == QStringLiteral(".."))
        name = QStringLiteral("Okno");
    return name;
}

using Buttons = std::vector<std::tuple<QString, QString, QString>>;

} // namespace

MainWindow::MainWindow(Session& session, Messages& messages, QWidget* parent)
    : QMainWindow(parent), model_(session), messages_(messages), area_(new QMdiArea(this)),
      toolBar_(new QToolBar(QStringLiteral("Nástroje"), this)), versa_(new QLabel(this)),
      captionLabel_(new QLabel(this)), countersLabel_(new QLabel(this)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Heliokres"));
    setFont(SansFont(WindowFont));

    area_->setObjectName(QStringLiteral("plocha"));
    area_->setBackground(WindowColour);
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(area_);
    new WindowKeeper(area_);

    toolBar_->setObjectName(QStringLiteral("ToolBar1"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setAutoFillBackground(true);
    QPalette pal = toolBar_->palette();
    pal.setColor(QPalette::Window, ToolColour);
    pal.setColor(QPalette::Button, ToolColour);
    toolBar_->setPalette(pal);
    addToolBar(Qt::TopToolBarArea, toolBar_);

    createMenu();
    createPanels();

    versa_->setObjectName(QStringLiteral("versa"));
    versa_->setToolTip(QStringLiteral("Číslo sestavení programu"));
    versa_->setText(QStringLiteral("sestavení %1").arg(QStringLiteral(HELIOKRES_BUILD_NUMBER)));
    countersLabel_->setObjectName(QStringLiteral("pocitadla"));
    countersLabel_->setToolTip(
        QStringLiteral("Načtené řady SIDC: roky denních hodnot, řádky ploch a "
                       "řádky toku 10,7 cm"));
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->addPermanentWidget(countersLabel_);
    statusBar()->addPermanentWidget(versa_);

    askDrawingSettingFn = [this] { return CoordinateTypeDialog::ask(messages_, this); };
}

MainWindow::~MainWindow() {
    // The windows in the work area hold references to this window: they go
    // while it is still whole.
    list_ = nullptr;
    const QList<QMdiSubWindow*> windows = area_->subWindowList();
    qDeleteAll(windows);
}

// ---------------------------------------------------------------------------
// Menu and panels

QAction* MainWindow::createAction(const QString& name, const QString& text, const QString& hint) {
    Q_ASSERT(!actions_.contains(name));
    auto* a = new QAction(text, this);
    a->setObjectName(name);
    actions_.insert(name, a);
    hints_.insert(name, hint);
    a->setToolTip(hint.isEmpty() ? QString(text).remove(QLatin1Char('&')) : hint);
    a->setStatusTip(hint);
    return a;
}

void MainWindow::markNotReady(QAction* a) {
    a->setEnabled(false);
    a->setToolTip(NotReadyHint);
    a->setStatusTip(NotReadyHint);
}

void MainWindow::createMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    auto submenu = [this](QWidget* parent, const QString& name, const QString& text) {
        auto* m = new QMenu(text, parent);
        m->setObjectName(name);
        m->menuAction()->setObjectName(name);
        actions_.insert(name, m->menuAction());
        return m;
    };

    QMenu* entryMenu = submenu(bar, cmd::EntryMenu, QStringLiteral("&Zadávání"));
    bar->addMenu(entryMenu);
    entryMenu->addAction(createAction(cmd::NewDrawing, QStringLiteral("&Nový zákres")));
    entryMenu->addAction(createAction(cmd::SpecialDrawing, QStringLiteral("&Zvláštní zákres")));
    entryMenu->addAction(createAction(cmd::CorrectRecord, QStringLiteral("&Oprava  dat")));
    QMenu* saveDataMenu = submenu(entryMenu, cmd::SaveDataMenu, QStringLiteral("&Uložit data"));
    entryMenu->addMenu(saveDataMenu);
    saveDataMenu->addAction(createAction(cmd::SaveData, QStringLiteral("Uložit data")));
    saveDataMenu->addAction(createAction(cmd::SaveAscii, QStringLiteral("Uložit jako ASCI")));
    saveDataMenu->addAction(
        createAction(cmd::SaveFaculaePositions, QStringLiteral("Polohy fakulí CSV")));
    entryMenu->addAction(createAction(cmd::LastDrawing, QStringLiteral("&Poslední zákres")));
    entryMenu->addAction(createAction(cmd::PrintDrawing, QStringLiteral("Tisk zákresu")));
    entryMenu->addAction(createAction(cmd::SaveDrawings, QStringLiteral("Ulož zákresy (bmp)")));
    entryMenu->addSeparator();
    entryMenu->addAction(createAction(cmd::Exit, QStringLiteral("&Konec")));

    QMenu* graphs = submenu(bar, cmd::GraphsMenu, QStringLiteral("&Grafy"));
    bar->addMenu(graphs);
    graphs->addAction(createAction(cmd::Butterfly, QStringLiteral("&Motýlek")));
    graphs->addAction(createAction(cmd::Graphs, QStringLiteral("&Grafy")));
    graphs->addAction(createAction(cmd::SmoothedGraphs, QStringLiteral("&Vyhlazovací")));
    QMenu* asymmetry = submenu(graphs, cmd::AsymmetryMenu, QStringLiteral("&Asymetrie"));
    graphs->addMenu(asymmetry);
    asymmetry->addAction(
        createAction(cmd::AsymmetryDifference, QStringLiteral("Asymetrie rozdílová")));
    asymmetry->addAction(createAction(cmd::AsymmetryRatio, QStringLiteral("Asymetrie podílová")));
    graphs->addAction(createAction(cmd::Maps, QStringLiteral("&Mapy")));

    bar->addAction(createAction(cmd::Results, QStringLiteral("&Výsledky")));
    bar->addAction(createAction(cmd::About, QStringLiteral("&O programu")));
    bar->addAction(createAction(cmd::Help, QStringLiteral("Nápověda")));
    QAction* sunCentre = createAction(cmd::SunCoordinates, QStringLiteral("Souřadnice slunce"));
    sunCentre->setVisible(false);
    sunCentre->setEnabled(false);
    bar->addAction(sunCentre);

    // Commands whose windows come with their own parts of the program.
    for (const char* name :
         {cmd::NewDrawing, cmd::SpecialDrawing, cmd::CorrectRecord, cmd::PrintDrawing,
          cmd::SaveDrawings, cmd::Butterfly, cmd::Graphs, cmd::SmoothedGraphs,
          cmd::AsymmetryDifference, cmd::AsymmetryRatio, cmd::Maps, cmd::Results})
        markNotReady(actions_.value(QString::fromLatin1(name)));

    connectCommand(cmd::SaveData, [this] { onSaveDataClicked(); });
    connectCommand(cmd::SaveAscii, [this] { onSaveAsciiClicked(); });
    connectCommand(cmd::SaveFaculaePositions, [this] { onFaculaePositionsClicked(); });
    connectCommand(cmd::LastDrawing, [this] { onLastEditClicked(); });
    connectCommand(cmd::Exit, [this] { close(); });
    connectCommand(cmd::About, [this] { onAboutClicked(); });
    connectCommand(cmd::Help, [this] { onHelpClicked(); });
}

QWidget* MainWindow::createPanel(const QString& name, const Buttons& buttons) {
    auto* panel = new QWidget(toolBar_);
    panel->setObjectName(name);
    panel->setAutoFillBackground(true);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(2, 1, 2, 1);
    layout->setSpacing(1);
    for (const auto& [button, text, hint] : buttons) {
        QAction* a = createAction(button, text, hint);
        auto* b = new QToolButton(panel);
        b->setObjectName(button);
        b->setDefaultAction(a);
        b->setAutoRaise(false);
        layout->addWidget(b);
        // A button whose command a window hides goes from the panel (a
        // tool button would only grey it).
        connect(a, &QAction::visibleChanged, b, [a, b] { b->setVisible(a->isVisible()); });
        markNotReady(a);
    }
    layout->addStretch(1);
    panels_.insert(name, panel);
    QAction* a = toolBar_->addWidget(new PanelStrip(panel, toolBar_));
    a->setVisible(false);
    panelActions_.insert(name, a);
    return panel;
}

void MainWindow::createPanels() {
    // (name, caption, hint); the hint is the button's label.
    QWidget* defaultPanel = createPanel(
        panel::Default, {{cmd::NewDrawingButton, "Nový", "Nový  zákres"},
                         {cmd::SpecialDrawingButton, "Zvláštní", "Zvláštní zákres"},
                         {cmd::CorrectRecordButton, "Oprava", "Oprava  záznamu"},
                         {cmd::SaveDataButton, "Uložit", "Uložit data"},
                         {cmd::LastDrawingButton, "Poslední", "Poslední záznam"},
                         {cmd::ButterflyButton, "Motýlek", "Motýlkový diagram"},
                         {cmd::GraphsButton, "Grafy", "Denní grafy"},
                         {cmd::SmoothedGraphsButton, "Vyhlazené", "Vyhlazené grafy"},
                         {cmd::AsymmetryButton, "Asymetrie", "Asymetrie grafy"},
                         {cmd::MapsButton, "Mapy", "Synoptické mapy"},
                         {cmd::ResultsButton, "Výsledky", "Výsledky"},
                         {cmd::ToggleDrawingSize, "Zmenšit", "Zmenšit - zvětšit"},
                         {cmd::ToggleGroupList, "Pomocná", "Vzdálenost pomocné skvrny"},
                         {cmd::ToggleOrientation, "Orientace", "Orientace"},
                         {cmd::SaveDrawingsButton, "BMP", "Uložit obrázek zákresu"},
                         {cmd::SaveDrawingsJpeg, "JPG", "Uloží kopii okna v jpg "},
                         {cmd::PrintDrawingButton, "Tisk", "Tisk"},
                         {cmd::EntryFromPhoto, "Foto", "Zadávání z přefoceného zákresu "}});
    captionLabel_->setParent(defaultPanel);
    captionLabel_->setObjectName(QStringLiteral("Label1"));
    captionLabel_->setToolTip(QStringLiteral("Poslední úprava"));
    captionLabel_->setStatusTip(QStringLiteral("Poslední úprava"));
    static_cast<QHBoxLayout*>(defaultPanel->layout())->addWidget(captionLabel_);

    // Buttons that do what a menu item does follow that item.
    const std::pair<const char*, const char*> hemispherePair[] = {
        {cmd::NewDrawingButton, cmd::NewDrawing},
        {cmd::SpecialDrawingButton, cmd::SpecialDrawing},
        {cmd::CorrectRecordButton, cmd::CorrectRecord},
        {cmd::SaveDataButton, cmd::SaveData},
        {cmd::LastDrawingButton, cmd::LastDrawing},
        {cmd::ButterflyButton, cmd::Butterfly},
        {cmd::GraphsButton, cmd::Graphs},
        {cmd::SmoothedGraphsButton, cmd::SmoothedGraphs},
        {cmd::AsymmetryButton, cmd::AsymmetryRatio},
        {cmd::MapsButton, cmd::Maps},
        {cmd::ResultsButton, cmd::Results},
        {cmd::SaveDrawingsButton, cmd::SaveDrawings},
        {cmd::PrintDrawingButton, cmd::PrintDrawing}};
    for (const auto& [button, item] : hemispherePair) {
        QAction* b = actions_.value(QString::fromLatin1(button));
        QAction* m = actions_.value(QString::fromLatin1(item));
        twins_.insert(b->objectName(), m->objectName());
        connect(b, &QAction::triggered, m, [m] { m->trigger(); });
        auto follow = [this, b, m] {
            b->setEnabled(m->isEnabled());
            const bool live = m->isEnabled() || m->toolTip() != NotReadyHint;
            const QString hint = live ? hints_.value(b->objectName()) : NotReadyHint;
            b->setToolTip(hint);
            b->setStatusTip(hint);
        };
        connect(m, &QAction::changed, b, follow);
        follow();
    }

    createPanel(panel::Butterfly,
                {{cmd::ButterflyNarrower, "Zúžit", "Zúžit "},
                 {cmd::ButterflyWider, "Rozšířit", "Rozšířit"},
                 {cmd::ButterflyTaller, "Zvýšit", "Zvýšit"},
                 {cmd::ButterflyLower, "Snížit", "Snížit"},
                 {cmd::ButterflySpots, "Skvrny", "Skupiny"},
                 {cmd::ButterflyFaculae, "Fakule", "Fakule"},
                 {cmd::ButterflySpotsAndFaculae, "Skvrny+fak.", "Skvrny i fakule"},
                 {cmd::ButterflyFaculaeWidth, "Šířka fak.", "Šířka fakulí"},
                 {cmd::ButterflyGroupHeight, "Výška", "Výška skupin"},
                 {cmd::ButterflySmoothedHeight, "Vyhlazená", "Výška vyhlazená"},
                 {cmd::ButterflyOutline, "Ohraničení", "Ohraničení"},
                 {cmd::ButterflyFullOutline, "Vše", "Veškeré ohraničení"},
                 {cmd::ButterflyUnderlay, "Podkreslit", "Podkreslit"},
                 {cmd::ButterflyCoronaUnderlay, "Korona", "Podkreslit zelenou koronu"},
                 {cmd::ButterflyClose, "Zavřít", "Zavřít"}});
    createPanel(panel::Graphs,
                {{cmd::GraphGroups, "g", "g"},
                 {cmd::GraphSpots, "f", "f"},
                 {cmd::GraphRelativeNumber, "R", "R"},
                 {cmd::GraphCv, "CV", "CV"},
                 {cmd::GraphSn, "SN", "SN"},
                 {cmd::GraphRb, "RB", "RB"},
                 {cmd::GraphGroupArea, "Plocha", "Plocha skupin"},
                 {cmd::GraphHemispheres, "Polokoule", "Polokoule"},
                 {cmd::GraphFaculaeArea, "Pl. fakulí", "Plocha fakulí"},
                 {cmd::GraphAll, "Všechny", "Všechny"},
                 {cmd::GraphTotal, "Celkový", "Celkový"},
                 {cmd::GraphNorth, "Severní", "Severní"},
                 {cmd::GraphSouth, "Jižní", "Jižní"},
                 {cmd::GraphScale, "Stupnice", "Stupnice"},
                 {cmd::GraphGroupsNorthEastWest, "g s-v-z", "g severní, východní, západní"},
                 {cmd::GraphInterSol, "InterSOL", "InterSOL"},
                 {cmd::GraphClose, "Zavřít", "Zavřít"}});
    createPanel(panel::Smoothed, {{cmd::SmoothedGroups, "g", "g"},
                                  {cmd::SmoothedSpots, "f", "f"},
                                  {cmd::SmoothedRelativeNumber, "R", "R"},
                                  {cmd::SmoothedCv, "CV", "CV"},
                                  {cmd::SmoothedSn, "SN", "SN"},
                                  {cmd::SmoothedRb, "RB", "RB"},
                                  {cmd::SmoothedGroupArea, "Plocha", "Plocha skupin"},
                                  {cmd::SmoothedHemispheres, "Polokoule", "Polokoule"},
                                  {cmd::SmoothedPerDrawing, "Záznamový", "Záznamový"},
                                  {cmd::SmoothedMonthly, "Měsíční", "Měsíční"},
                                  {cmd::SmoothedYearly, "Roční", "Roční"},
                                  {cmd::SmoothedScale, "Stupnice", "Stupnice"},
                                  {cmd::SmoothedInterSol, "InterSOL", "InterSOL"},
                                  {cmd::SmoothedWhole, "Celek", "Celek"},
                                  {cmd::SmoothedNorth, "Sever", "Severní polokoule"},
                                  {cmd::SmoothedSouth, "Jih", "Jižní polokoule"},
                                  {cmd::SmoothedNorthMinusSouth, "S-J", "Sever - jih"},
                                  {cmd::SmoothedNarrower, "Zmenšit", "Zmenšit"},
                                  {cmd::SmoothedWider, "Rozšířit", "Rozšířit"},
                                  {cmd::SmoothedClose, "Zavřít", "Zavřít"}});
    createPanel(panel::Map, {{cmd::MapRotation, "Rotace", "Výběr rotace"},
                             {cmd::MapSmallMaps, "Mapky", "Mapky"},
                             {cmd::MapLong, "Dlouhá", "Dlouhá mapa"},
                             {cmd::MapHigh, "Vysoká", "Vysoká mapa"},
                             {cmd::MapTwoMaps, "12", "Dvě mapy"},
                             {cmd::MapCoronaGraph, "Kor. graf", "Korona graf"},
                             {cmd::MapCoronaIntensity, "Kor. int.", "Korona intenzita"},
                             {cmd::MapCoronaGlobal, "Kor. glob.", "Korona globálně"},
                             {cmd::MapCoronaUnderlay, "Kor. pod.", "Podkreslit koronou"},
                             {cmd::MapMagnetosphere, "Magneto", "Magnetosféra"},
                             {cmd::MapComparison, "Srovnání", "Srovnání"},
                             {cmd::MapDoubleAreas, "2x", "Násobek velikosti ploch skupin"},
                             {cmd::MapInsertText, "A", "Před tiskem možno vložit text"},
                             {cmd::MapClose, "Zavřít", "Zavřít"}});
    QWidget* resultsPanel = createPanel(
        panel::Results, {{cmd::ResultsOwn, "Vlastní", "Vlastní"},
                         {cmd::ResultsSidc, "Oficiální", "Oficiální"},
                         {cmd::ResultsCv, "CV", "CV"},
                         {cmd::ResultsMeasuredDisk, "Nam. celek", "Naměřené celkem"},
                         {cmd::ResultsMeasuredNorth, "Nam. sever", "Naměřené sever"},
                         {cmd::ResultsMeasuredSouth, "Nam. jih", "Naměřené jih"},
                         {cmd::ResultsSmoothedDisk, "Vyhl. celek", "Vyhlazené celkem"},
                         {cmd::ResultsSmoothedNorth, "Vyhl. sever", "Vyhlazené sever"},
                         {cmd::ResultsSmoothedSouth, "Vyhl. jih", "Vyhlazené jih"},
                         {cmd::ResultsObservers, "Pozorovatelé", "Pozorovatelé"},
                         {cmd::ResultsLatitudes, "Výskyt", "Výskyt skupin"},
                         {cmd::ResultsGroupEvolution, "Vývoj", "Vývoj skupin"},
                         {cmd::ResultsMapData, "Pro mapy", "Údaje pro mapy"},
                         {cmd::ResultsLargestGroups, "Velikost", "Největší skupiny"},
                         {cmd::ResultsSpotlessDays, "Bez akt.", "Dny bez aktivity"},
                         {cmd::ResultsAsymmetryMonthly, "Asym. m.", "Asymetrie měsíční"},
                         {cmd::ResultsAsymmetryYearly, "Asym. r.", "Asymetrie roční"},
                         {cmd::ResultsZonesByDrawing, "Polohy", "Polohy skupin"},
                         {cmd::ResultsZonesByYear, "Polohy r.", "Polohy skupin roční"},
                         {cmd::ResultsZonesByMonth, "Polohy m.", "Polohy skupin měsíční"},
                         {cmd::ResultsAsymmetryToText, "Asym. TXT", "Asymetrie do textu"},
                         {cmd::ResultsZonesToText, "Polohy TXT", "Polohy do textu"},
                         {cmd::ResultsObserversDaily, "Poz. den", "Pozorovatelé po dnech"},
                         {cmd::ResultsMeasuredToCsv, "CSV", "Naměřené do CSV"},
                         {cmd::ResultsInterSol, "InterSOL", "InterSOL"},
                         {cmd::CoordinateTable, "L B P", "L B P"},
                         {cmd::ResultsClose, "Zavřít", "Zavřít"}});
    auto* combo = new QComboBox(resultsPanel);
    combo->setObjectName(cmd::ZoneClassChoice);
    combo->setEnabled(false);
    combo->setToolTip(NotReadyHint);
    combo->setStatusTip(NotReadyHint);
    static_cast<QHBoxLayout*>(resultsPanel->layout())->insertWidget(18, combo);
}

QAction* MainWindow::action(const QString& objectName) const {
    return actions_.value(objectName);
}

void MainWindow::connectCommand(const QString& objectName, std::function<void()> fn) {
    QAction* a = actions_.value(objectName);
    Q_ASSERT_X(a, "MainWindow::connectCommand", qPrintable(objectName));
    if (!a) return;
    // A button connected on its own no longer follows its menu item.
    if (const QString item = twins_.take(objectName); !item.isEmpty())
        disconnect(actions_.value(item), &QAction::changed, a, nullptr);
    disconnect(a, &QAction::triggered, nullptr, nullptr);
    const QString hint = hints_.value(objectName);
    a->setToolTip(hint.isEmpty() ? a->text().remove(QLatin1Char('&')) : hint);
    a->setStatusTip(hint);
    a->setEnabled(true);
    connect(a, &QAction::triggered, this, [fn = std::move(fn)] { fn(); });
}

void MainWindow::showPanel(const QString& name) {
    for (auto it = panelActions_.cbegin(); it != panelActions_.cend(); ++it)
        it.value()->setVisible(it.key() == name);
}

QString MainWindow::visiblePanel() const {
    for (auto it = panelActions_.cbegin(); it != panelActions_.cend(); ++it)
        if (it.value()->isVisible()) return it.key();
    return {};
}

// ---------------------------------------------------------------------------
// Start-up

bool MainWindow::startUp(const QRect& screen, const Date& today) {
    const Session& s = session();
    screenRect_ = screen;
    StartupResult start;
    try {
        start = RunStartup(model_.store(), screen.height(), today, startupHooks);
        startupHooks.notes.clear(); // listed once, below
    } catch (const std::exception& e) {
        messages_.showMessage(QStringLiteral("Program nelze spustit:\r") + q(e.what()));
        return false;
    }
    // Window: the whole screen but for the task bar, scaled by the percentage.
    const int height =
        screen.height() - static_cast<int>(std::nearbyint(28.0 * s.sizePercent() / 100));
    setGeometry(screen.x(), screen.y(), screen.width() - 20, height);

    if (start.askDrawingSetting) model_.setDrawingSetting(askDrawingSettingFn());
    setWindowTitle(q(MainWindowCaption(s)) +
                   (startupHooks.readOnly ? QStringLiteral("  – jen pro čtení") : QString()));

    countersLabel_->setText(QStringLiteral("SIDC %1 | plochy %2 | tok %3")
                                .arg(s.tables().sidcDaily.years.size())
                                .arg(s.tables().areasTable.rows.size())
                                .arg(s.tables().fluxTable.rows.size()));
    showLastEdit();
    showDefaultPanel();
    if (const std::vector<std::string> warnings = model_.takeWarnings(); !warnings.empty()) {
        QStringList w;
        for (const std::string& t : warnings)
            w << q(t);
        messages_.showMessage(w.join(QLatin1Char('\r')));
    }
    return true;
}

bool MainWindow::checkScreen(const QRect& screen) {
    if (screen.width() >= MinScreenWidth) return true;
    messages_.showMessage(QStringLiteral("Program je určen pro rozlišení 1024x768 a větší"));
    close();
    return false;
}

void MainWindow::showLastEdit() {
    const QFileInfo datax(pathText(session().dir.resolve("datax.dat")));
    captionLabel_->setText(datax.exists()
                               ? datax.lastModified().toString(QStringLiteral("dd.MM.yyyy hh:mm"))
                               : QString());
}

// ---------------------------------------------------------------------------
// Commands

void MainWindow::onSaveDataClicked() {
    if (!runCommand(messages_, [&] {
            BusyCursor busy;
            model_.save();
        }))
        return;
    showLastEdit();
}

void MainWindow::onSaveAsciiClicked() {
    const Session& s = session();
    messages_.showMessage(QStringLiteral("Data skvrn budou uložena do souboru ") +
                          pathText(s.dir.resolve(AsciiExportName)));
    std::filesystem::path written;
    if (!runCommand(messages_, [&] {
            BusyCursor busy;
            written = WriteAsciiExport(s.dir, s.records(), s.geometry());
        }))
        return;
    // A group without a class is "***" in the store too from now on.
    model_.fillMissingClasses();
    messages_.showMessage(q(SavedMessage(s.dir, {written})));
    showStatus(QStringLiteral("Uloženo: ") + pathText(s.dir.resolve(AsciiExportName)));
}

void MainWindow::onFaculaePositionsClicked() {
    const Session& s = session();
    messages_.showMessage(QStringLiteral("Pozice fakulí budou uloženy do adresáře ") +
                          pathText(s.dir.resolve(CSVFolderName)));
    std::filesystem::path written;
    if (!runCommand(messages_, [&] {
            BusyCursor busy;
            written = WriteFaculaePositions(s.dir, s.records());
        }))
        return;
    messages_.showMessage(q(SavedMessage(s.dir, {written})));
    showStatus(QStringLiteral("Uloženo do adresáře ") + pathText(s.dir.resolve(CSVFolderName)));
}

void MainWindow::showStatus(const QString& text, int ms) {
    statusBar()->showMessage(text, ms);
}

void MainWindow::showRecordScrollBar(bool visible) {
    if (list_) list_->showScrollBar(visible);
}

void MainWindow::onLastEditClicked() {
    if (list_)
        list_->last();
    else
        model_.setCurrent(session().recordCount());
    showDrawing();
}

void MainWindow::onHelpClicked() {
    messages_.showMessage(HelpText);
}

void MainWindow::onAboutClicked() {
    const Session& s = session();
    const QString text =
        QStringLiteral("<p><b>Heliokres</b><br>Zákresy sluneční fotosféry</p>"
                       "<p>Verze %1, sestavení %2</p>"
                       "<p>Adresář programu (data): %3<br>Záznamy: %4<br>Obrázky oken: %5<br>"
                       "Program: %6</p>")
            .arg(QStringLiteral(HELIOKRES_VERSION), QStringLiteral(HELIOKRES_BUILD_NUMBER),
                 pathText(s.dir.root()).toHtmlEscaped(),
                 pathText(s.dir.resolve("datax.dat")).toHtmlEscaped(),
                 pathText(s.dir.resolve("Obrázek")).toHtmlEscaped(),
                 QCoreApplication::applicationFilePath().toHtmlEscaped());
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("O programu"), text,
                                QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("AboutBox"));
    box->setTextFormat(Qt::RichText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void MainWindow::saveWindowPicture() {
    if (messages_.ask(QStringLiteral("            Uložit bitmapu okna "), SafeAnswer::No))
        saveWindowPictureNow();
}

bool MainWindow::saveWindowPictureNow() {
    QMdiSubWindow* window = area_->activeSubWindow();
    if (!window) window = area_->currentSubWindow();
    if (!window || !window->widget()) {
        messages_.showMessage(
            QStringLiteral("Není otevřeno žádné okno, jehož obrázek by se uložil"));
        return false;
    }
    QWidget* w = window->widget();
    const QImage image = w->grab(QRect(0, 0, std::max(1, w->width() - PictureCrop), w->height()))
                             .toImage()
                             .convertToFormat(QImage::Format_RGB888);
    try {
        const std::filesystem::path folder = session().dir.ensureFolder("Obrázek");
        const std::filesystem::path file =
            folder / (fileName(PictureFileName) + QStringLiteral(".jpg")).toStdString();
        WriteJpeg(image, file, PictureQuality);
        statusBar()->showMessage(QStringLiteral("Obrázek uložen: ") + pathText(file), 5000);
    } catch (const std::exception& e) {
        messages_.showMessage(q(e.what()));
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------
// Exit

bool MainWindow::confirmEntry() {
    Session& s = model_.store();
    // A directory only viewed gets no backup (it could not be written).
    if (!startupHooks.readOnly && s.needsBackupQuestion() &&
        messages_.ask(QStringLiteral("Vytvořit zálohový soubor dataxu bez nových dat ? "),
                      SafeAnswer::No)) {
        try {
            s.writeBackup();
        } catch (const std::exception& e) {
            messages_.showMessage(q(e.what()));
        }
    }
    try {
        s.saveAtExit();
    } catch (const std::exception& e) {
        // The data in memory would be lost: the user decides.
        if (!messages_.ask(q(e.what()) +
                               QStringLiteral("\rData nebyla uložena. Přesto ukončit program ?"),
                           SafeAnswer::No))
            return false;
    }
    closing_ = true;
    if (list_) list_->allowClose();
    area_->closeAllSubWindows();
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (closing_ || confirmEntry())
        event->accept();
    else
        event->ignore();
}

} // namespace hk
