// Views 3, 4, 10, 11, 13 and 14 of the results window: the group evolution
// of a rotation, the observers per year, the largest groups of a year, the
// days without activity, the group positions by central-meridian zone and
// the drawings of one observer; with their exports and printing.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "records/session.h"
#include "render/spotless_calendar.h"
#include "render/table_print.h"
#include "results/group_evolution.h"
#include "results/largest_groups.h"
#include "results/observer_statistics.h"
#include "results/official_csv.h"
#include "results/report_file.h"
#include "results/spotless_days.h"
#include "results/zone_positions.h"
#include "ui/frame/command_names.h"
#include "ui/frame/messages.h"
#include "ui/frame/session_model.h"
#include "ui/frame/ui_helpers.h"
#include "ui/results/group_evolution_panel.h"
#include "ui/results/largest_groups_panel.h"
#include "ui/results/observer_results_panel.h"
#include "ui/results/official_csv_panel.h"
#include "ui/results/results_grid.h"
#include "ui/results/results_window.h"
#include "ui/results/spotless_days_view.h"
#include "ui/results/zone_positions_model.h"

namespace hk {

namespace {

const QString ClassEastWest = QStringLiteral("Výběr typu skupiny východ-západ");

// A page of a grid with a line of text above it.
QWidget* pageWithHeading(QWidget* parent, QLabel*& heading, QTableView*& grid, const char* gridName,
                         QAbstractItemModel* model = nullptr) {
    auto* page = new QWidget(parent);
    heading = new QLabel(page);
    grid = NewGrid(QString::fromLatin1(gridName), page, model);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(heading);
    layout->addWidget(grid, 1);
    return page;
}

// The results panel's choice of the zones' Zurich class.
QComboBox* ZoneClassBox(const WindowFrame& frame) {
    const QWidget* resultsPanel = frame.panel(panel::Results);
    return resultsPanel
               ? resultsPanel->findChild<QComboBox*>(QString::fromLatin1(cmd::ZoneClassChoice))
               : nullptr;
}

// The class chosen there; all classes when nothing is chosen.
std::string ChosenZoneClass(const WindowFrame& frame) {
    const QComboBox* combo = ZoneClassBox(frame);
    return combo && !combo->currentText().isEmpty() ? combo->currentText().toStdString()
                                                    : std::string(AllClasses);
}

} // namespace

void ResultsWindow::createViews() {
    evolutionPanel_ = new GroupEvolutionPanel(stack_);
    observerPage_ = pageWithHeading(stack_, noObserverLabel_, observerDrawingsGrid_, "StringGrid3");
    noObserverLabel_->setObjectName(QStringLiteral("NeniPozorovatel"));
    largestGroupsPanel_ = new LargestGroupsPanel(stack_);
    spotlessDaysView_ = new SpotlessDaysView(session_, stack_);
    QLabel* heading = nullptr;
    zonesModel_ = new ZonePositionsModel(this);
    zonesPage_ = pageWithHeading(stack_, heading, zonesGrid_, "StringGrid9", zonesModel_);
    heading->setObjectName(QStringLiteral("PolohyNadpis"));
    heading->setText(q(ZonesHeading));
    observerResultsPanel_ = new ObserverResultsPanel(session_, messages_, stack_);
    for (QWidget* w :
         {static_cast<QWidget*>(evolutionPanel_), observerPage_,
          static_cast<QWidget*>(largestGroupsPanel_), static_cast<QWidget*>(spotlessDaysView_),
          zonesPage_, static_cast<QWidget*>(observerResultsPanel_)})
        stack_->addWidget(w);
    for (QWidget* w :
         {static_cast<QWidget*>(evolutionPanel_->grid()),
          static_cast<QWidget*>(observerDrawingsGrid_),
          static_cast<QWidget*>(largestGroupsPanel_->grid()), static_cast<QWidget*>(zonesGrid_)})
        w->installEventFilter(this);

    officialCsvPanel_ = new OfficialCsvPanel(session_, messages_, this);
    officialCsvPanel_->hide();

    connect(evolutionPanel_, &GroupEvolutionPanel::change, this,
            &ResultsWindow::onEvolutionChanged);
    connect(evolutionPanel_, &GroupEvolutionPanel::enter, this, [this] {
        if (mode_ == GroupEvolution) build();
    });
    connect(largestGroupsPanel_, &LargestGroupsPanel::change, this,
            &ResultsWindow::onLargestChanged);
}

// ---------------------------------------------------------------------------
// Menu handlers

void ResultsWindow::onGroupEvolutionClicked() {
    // The view opens on the latest rotation drawn, not on an empty one.
    if (const auto rotation = LatestEvolutionRotation(session_.records())) {
        const QSignalBlocker quiet(evolutionPanel_->rotationSpin());
        evolutionPanel_->rotationSpin()->setValue(*rotation);
    }
    present(GroupEvolution);
}

void ResultsWindow::onObserversClicked() {
    present(ObserversByYear);
}

void ResultsWindow::onLargestGroupsClicked() {
    present(LargestGroups);
}

void ResultsWindow::onSpotlessDaysClicked() {
    // The calendar opens on the archive's latest year, not on an empty one.
    spotlessDaysView_->yearSpin()->setValue(
        LatestSpotlessYear(SpotlessDaysOf(session_.records()), session_.records()));
    present(SpotlessDays);
}

void ResultsWindow::onZonesClicked() {
    present(Zones);
}

void ResultsWindow::onObserverDailyClicked() {
    present(ObserverDaily);
}

void ResultsWindow::observerDaily() {
    present(ObserverDaily);
    observerResultsPanel_->clear();
}

void ResultsWindow::onEvolutionChanged(int value) {
    const auto rotation = EvolutionRotationInput(session_.records(), value);
    if (!rotation) return;
    if (*rotation != value) {
        evolutionPanel_->rotationSpin()->setValue(*rotation); // the change comes back here
        return;
    }
    if (mode_ == GroupEvolution) build();
}

void ResultsWindow::onLargestChanged(int) {
    if (mode_ == LargestGroups) build();
}

// ---------------------------------------------------------------------------
// Building the views

bool ResultsWindow::buildView() {
    const auto records = session_.records();
    switch (mode_) {
    case GroupEvolution:
        grid_ = BuildGroupEvolution(records, session_.geometry(),
                                    evolutionPanel_->rotationSpin()->value());
        evolutionPanel_->setTable(grid_);
        stack_->setCurrentWidget(evolutionPanel_);
        break;
    case ObserversByYear: {
        ObserverStatistics s = BuildObserverStatistics(records, session_.observers());
        grid_ = std::move(s.grid);
        noObserverLabel_->setText(s.noObserver ? q(NoNameGiven) : QString());
        noObserverLabel_->setVisible(s.noObserver);
        observerDrawingsGrid_->setVisible(!s.noObserver);
        FillGrid(*observerDrawingsGrid_, grid_);
        stack_->setCurrentWidget(observerPage_);
        break;
    }
    case LargestGroups: {
        QSpinBox* spin = largestGroupsPanel_->yearSpin();
        const int year = LargestGroupsYear(records, spin->value());
        if (year != spin->value()) {
            const QSignalBlocker silence(spin);
            spin->setValue(year);
        }
        grid_ = BuildLargestGroups(records, spin->value());
        largestGroupsPanel_->setTable(grid_);
        stack_->setCurrentWidget(largestGroupsPanel_);
        break;
    }
    case SpotlessDays:
        grid_ = {std::string(SpotlessCaption), {}};
        spotlessDaysView_->refresh();
        stack_->setCurrentWidget(spotlessDaysView_);
        break;
    case Zones: {
        const std::string zurichClass = ChosenZoneClass(k_.frame);
        auto checked = [this](const char* name) {
            const QAction* a = k_.frame.action(name);
            return !a || !a->isCheckable() || a->isChecked();
        };
        const ZoneSections sections{checked(cmd::ResultsZonesByDrawing),
                                    checked(cmd::ResultsZonesByMonth),
                                    checked(cmd::ResultsZonesByYear), true};
        BusyCursor busy;
        // A row a drawing: the grid's model keeps the table of numbers, the
        // window its caption only.
        grid_ = ResultsGrid{std::string(ZonesCaption), {}};
        FillZonesGrid(*zonesGrid_, *zonesModel_,
                      BuildZonePositionsTable(records, session_.geometry(), zurichClass, sections));
        stack_->setCurrentWidget(zonesPage_);
        break;
    }
    case ObserverDaily:
        observerResultsPanel_->refresh();
        grid_ = observerResultsPanel_->list().grid;
        grid_.caption = "Výsledky    pozorovatel denní";
        stack_->setCurrentWidget(observerResultsPanel_);
        break;
    default:
        return false;
    }
    setWindowTitle(q(grid_.caption));
    return true;
}

// ---------------------------------------------------------------------------
// Files

void ResultsWindow::onToCsvClicked() {
    if (mode_ != ObserversByYear) return;
    const ObserverStatistics s = BuildObserverStatistics(session_.records(), session_.observers());
    if (s.noObserver) {
        messages_.showMessage(q(NoNameGiven));
        return;
    }
    messages_.showMessage(q(ObserversCsvQuestion));
    std::filesystem::path written;
    if (!runCommand(messages_,
                    [&] { written = WriteReportFile(session_.dir, ObserversCsv(s.grid)); }))
        return;
    messages_.showMessage(q(SavedMessage(session_.dir, {written})));
}

void ResultsWindow::onOfficialCsvClicked() {
    if (!stationData_.stationDataGiven) {
        messages_.showMessage(q(NoStationData));
        return;
    }
    officialCsvPanel_->setTable(stationData_);
    officialCsvPanel_->month()->setText(monthText_);
    officialCsvPanel_->adjustSize();
    officialCsvPanel_->move(20, menu_->height() + 20);
    officialCsvPanel_->show();
    officialCsvPanel_->raise();
}

void ResultsWindow::zonesToText() {
    if (!messages_.ask(q(ZonesTextQuestion), SafeAnswer::No)) return;
    const std::string zurichClass = ChosenZoneClass(k_.frame);
    std::vector<std::filesystem::path> written;
    if (!runCommand(messages_, [&] {
            BusyCursor busy;
            for (const ReportFile& f :
                 ZoneTextFiles(session_.records(), session_.geometry(), zurichClass))
                written.push_back(WriteReportFile(session_.dir, f));
        }))
        return;
    messages_.showMessage(q(SavedMessage(session_.dir, written)));
}

// ---------------------------------------------------------------------------
// Printing

bool ResultsWindow::printView(QPrinter& printer) {
    switch (mode_) {
    case ObserversByYear:
    case LargestGroups:
        if (grid_.rowCount() < 2) break;
        PrintTable(printer, grid_, q(grid_.caption));
        return true;
    case Zones: {
        // Every cell as text only for the printing.
        if (zonesModel_->table().rows.empty()) break;
        const ResultsGrid table = ZonePositionsGrid(zonesModel_->table());
        PrintTable(printer, table, q(table.caption));
        return true;
    }
    case ObserverDaily:
        if (observerResultsPanel_->list().n == 0) break;
        PrintTable(printer, observerResultsPanel_->list().grid,
                   q(grid_.caption) + QStringLiteral("    ") + observerResultsPanel_->name());
        return true;
    case SpotlessDays: {
        QPainter p;
        if (!p.begin(&printer)) throw std::runtime_error("Tisk nelze zahájit");
        PrintSpotlessDays(
            p, QRect(0, 0, printer.width(), printer.height()),
            BuildSpotlessDaysPicture(session_, SpotlessDaysPrintScene(spotlessDaysView_->year())));
        p.end();
        return true;
    }
    default:
        return false;
    }
    messages_.showMessage(QStringLiteral("Není co tisknout"));
    return true;
}

// ---------------------------------------------------------------------------

namespace {

// The main window's controls of views 3 to 14.
void installResultsViews(WindowContext k, std::function<void()> showZones) {
    // "Bez" and "P. den" as the panel names them.
    if (QAction* spotlessAction = k.frame.action(cmd::ResultsSpotlessDays)) {
        spotlessAction->setText(QStringLiteral("Bez"));
        spotlessAction->setToolTip(QStringLiteral("Bez sluneční aktivity"));
        spotlessAction->setStatusTip(QStringLiteral("Bez sluneční aktivity"));
    }
    if (QAction* den = k.frame.action(cmd::ResultsObserversDaily))
        den->setText(QStringLiteral("P. den"));
    // The zone sections: "Polohy" the drawings, "Polohy m." the months,
    // "Polohy r." the years; each button switches its section and shows the
    // view again. All data ("vše") are always shown.
    for (const char* name :
         {cmd::ResultsZonesByDrawing, cmd::ResultsZonesByMonth, cmd::ResultsZonesByYear})
        if (QAction* a = k.frame.action(name)) {
            a->setCheckable(true);
            a->setChecked(true);
        }
    if (auto* combo = ZoneClassBox(k.frame)) {
        combo->clear();
        for (std::string_view item : ZoneClassItems)
            combo->addItem(q(item));
        combo->setCurrentText(q(AllClasses));
        combo->setEnabled(true);
        combo->setToolTip(ClassEastWest);
        combo->setStatusTip(ClassEastWest);
        QObject::connect(combo, &QComboBox::currentTextChanged, combo, std::move(showZones));
    }
}

} // namespace

// ---------------------------------------------------------------------------
// The main window's controls of the results window: its opening, the views
// of the results panel and the asymmetry buttons.

void installResults(WindowContext k) {
    k.frame.connectCommand(cmd::Results, [k] { ResultsWindow::openWindow(k); });
    const std::pair<const char*, void (ResultsWindow::*)()> buttons[] = {
        {cmd::ResultsOwn, &ResultsWindow::onOwnResultsClicked},
        {cmd::ResultsSidc, &ResultsWindow::onSidcResultsClicked},
        {cmd::ResultsCv, &ResultsWindow::onCvResultsClicked},
        {cmd::ResultsMeasuredDisk, &ResultsWindow::onMeasuredDiskClicked},
        {cmd::ResultsMeasuredNorth, &ResultsWindow::onMeasuredNorthClicked},
        {cmd::ResultsMeasuredSouth, &ResultsWindow::onMeasuredSouthClicked},
        {cmd::ResultsSmoothedDisk, &ResultsWindow::onSmoothedDiskClicked},
        {cmd::ResultsSmoothedNorth, &ResultsWindow::onSmoothedNorthClicked},
        {cmd::ResultsSmoothedSouth, &ResultsWindow::onSmoothedSouthClicked},
        {cmd::ResultsLatitudes, &ResultsWindow::onLatitudesClicked},
        {cmd::ResultsMapData, &ResultsWindow::onMapDataClicked},
        {cmd::ResultsMeasuredToCsv, &ResultsWindow::measuredToCsv},
        {cmd::ResultsObservers, &ResultsWindow::onObserversClicked},
        {cmd::ResultsGroupEvolution, &ResultsWindow::onGroupEvolutionClicked},
        {cmd::ResultsLargestGroups, &ResultsWindow::onLargestGroupsClicked},
        {cmd::ResultsSpotlessDays, &ResultsWindow::onSpotlessDaysClicked},
        {cmd::ResultsZonesByDrawing, &ResultsWindow::onZonesClicked},
        {cmd::ResultsZonesByYear, &ResultsWindow::onZonesClicked},
        {cmd::ResultsZonesByMonth, &ResultsWindow::onZonesClicked},
        {cmd::ResultsZonesToText, &ResultsWindow::zonesToText},
        {cmd::ResultsObserversDaily, &ResultsWindow::observerDaily},
        {cmd::ResultsInterSol, &ResultsWindow::onInterSolClicked},
        {cmd::ResultsClose, &ResultsWindow::onCloseClicked},
    };
    for (const auto& [name, handler] : buttons)
        k.frame.connectCommand(name, [k, handler] {
            if (ResultsWindow* w = ResultsWindow::openInstance(k)) (w->*handler)();
        });
    installResultsViews(k, [k] {
        if (ResultsWindow* w = ResultsWindow::openInstance(k)) w->onZonesClicked();
    });
    // The two asymmetry buttons stay down in turn and open view 12.
    QAction* asymmetryMonthly = k.frame.action(cmd::ResultsAsymmetryMonthly);
    QAction* asymmetryYearly = k.frame.action(cmd::ResultsAsymmetryYearly);
    for (QAction* a : {asymmetryMonthly, asymmetryYearly}) {
        k.frame.connectCommand(a->objectName(), [k, a, asymmetryMonthly, asymmetryYearly] {
            asymmetryMonthly->setChecked(a == asymmetryMonthly);
            asymmetryYearly->setChecked(a == asymmetryYearly);
            if (ResultsWindow* w = ResultsWindow::openInstance(k)) w->onAsymmetryDataClicked();
        });
        a->setCheckable(true);
    }
    k.frame.connectCommand(cmd::ResultsAsymmetryToText, [k] {
        if (ResultsWindow* w = ResultsWindow::openInstance(k)) w->asymmetryToText();
    });
    k.frame.action(cmd::ResultsAsymmetryToText)->setVisible(false);
}

} // namespace hk
