#pragma once
// The results window ("Výsledky"): every statistic and report of the station
// chosen, shown, printed and saved. One view at a time, named by
// resultsMode; while the window exists the main window shows its panel
// `provysledky`.
#include <QHash>
#include <QWidget>
#include <functional>
#include <optional>

#include "records/record_layout.h"
#include "results/month_sums.h"
#include "results/results_grid.h"
#include "results/station_data.h"
#include "ui/frame/window_context.h"

class QAction;
class QLabel;
class QMenuBar;
class QPrinter;
class QStackedWidget;
class QTableView;
class QTableView;

namespace hk {

class SpotlessDaysView;
class InterSolPanel;
class OfficialCsvPanel;
class ObserverResultsPanel;
class LargestGroupsPanel;
class GroupEvolutionPanel;
class Messages;
class StationDataPanel;
class ProtocolView;
class Session;
class ObserverListView;
class RotationTableView;
class ZonePositionsModel;

// Connects "&Výsledky", `vysledekz` and the buttons of `provysledky`.
void installResults(WindowContext k);

class ResultsWindow : public QWidget {
    Q_OBJECT
  public:
    // The views of the window.
    enum Mode {
        Nothing = 0,
        Own = 1,
        Sidc = 2,
        GroupEvolution = 3,
        ObserversByYear = 4,
        Measured = 5,
        Smoothed = 6,
        TypeOccurrences = 7,
        MapData = 8,
        CvValues = 9,
        LargestGroups = 10,
        SpotlessDays = 11,
        Zones = 13,
        ObserverDaily = 14,
        AsymmetryData = 12,
        InterSol = 15,
    };

    // Opens the window in the work area, or returns the one that is open
    // already.
    static ResultsWindow* openWindow(const WindowContext& k);
    // The window that is open, or nullptr.
    static ResultsWindow* openInstance(const WindowContext& k);

    int resultsMode() const { return mode_; }
    HemisphereChoice hemisphereChoice() const { return hemisphere_; }
    int chosenMonth() const { return chosenMonth_; }
    int fontSize() const { return fontSize_; }
    // The month text typed last: the next month input starts with it.
    const QString& monthText() const { return monthText_; }
    const StationData& stationData() const { return stationData_; }
    // The table of views 5, 6, 7, 9 and 15 as shown.
    const ResultsGrid& grid() const { return grid_; }
    QAction* action(const QString& objectName) const { return actions_.value(objectName); }

    // Prints the current view on a printer already set up.
    void printTo(QPrinter& printer);

    // Chooses the printer; the print dialog unless a test answers.
    std::function<bool(QPrinter&)> choosePrinter;
    // Chooses the observer of the CV report; the observer dialog unless a
    // test answers.
    std::function<QString()> chooseObserver;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The results panel's buttons run the handlers below.
    friend void installResults(WindowContext k);

    // The main window's "P. den": view 14 with an empty list.
    void observerDaily();
    // The main window's "Polohy TXT": the zone rows as text files.
    void zonesToText();
    void asymmetryToText();
    // The main window's "Do CSV souboru": the statistics table shown.
    void measuredToCsv();
    // Menu handlers.
    void onCloseClicked();
    void onOwnResultsClicked();
    void onSidcResultsClicked();
    void onCvResultsClicked();
    void onMeasuredDiskClicked() { measured(HemisphereChoice::Whole); }
    void onMeasuredNorthClicked() { measured(HemisphereChoice::North); }
    void onMeasuredSouthClicked() { measured(HemisphereChoice::South); }
    void onSmoothedDiskClicked() { smoothed(HemisphereChoice::Whole); }
    void onSmoothedNorthClicked() { smoothed(HemisphereChoice::North); }
    void onSmoothedSouthClicked() { smoothed(HemisphereChoice::South); }
    void onLatitudesClicked();
    void onMapDataClicked();
    void onInterSolClicked();
    void onGroupEvolutionClicked();
    void onObserversClicked();
    void onLargestGroupsClicked();
    void onSpotlessDaysClicked();
    void onZonesClicked();
    void onZonesMonthlyClicked() { onZonesClicked(); }
    void onZonesYearlyClicked() { onZonesClicked(); }
    void onObserverDailyClicked();
    void onToCsvClicked();
    void onOfficialCsvClicked();
    // View 12: the monthly table while `asme` is down, else the yearly one.
    void onAsymmetryDataClicked();
    void onPrintClicked();
    void onStationDataClicked();
    void onToFileClicked();

    explicit ResultsWindow(WindowContext k);

    QAction* add(QWidget* menu, const char* name, const QString& text,
                 void (ResultsWindow::*handler)());
    void markNotReady(QWidget* menu, const char* name, const QString& text);
    void createMenu();
    void loadStationData();

    // The month of views 1, 2 and 9; false when none was chosen.
    bool chooseMonth();
    void measured(HemisphereChoice v);
    void smoothed(HemisphereChoice v);
    void present(int mode);
    // Builds the view named by mode_ from the records as they are now.
    void build();
    void buildProtocol();
    void buildCv();
    void showGrid(QTableView* grid, const ResultsGrid& table);
    void updateMenu();
    void updatePrintState();
    void onStationDataConfirmed();
    void observerListView();
    // Views 3, 4, 10, 11, 13 and 14 (results_views.cpp).
    void createViews();
    bool buildView();
    bool printView(QPrinter& printer);
    void onEvolutionChanged(int value);
    void onLargestChanged(int year);

    WindowContext k_;
    const Session& session_;
    Messages& messages_;

    int mode_ = Nothing;
    HemisphereChoice hemisphere_ = HemisphereChoice::Whole;
    int chosenMonth_ = 0;
    std::size_t first_ = 0; // 0-based index of the chosen month's first record
    QString monthText_;     // the month text typed last
    int fontSize_;
    StationData stationData_;
    ResultsGrid grid_;
    ResultsGrid smoothedGrid_;           // the smoothed table built when it was chosen
    std::uint64_t smoothedRevision_ = 0; // the store revision it was built from

    QMenuBar* menu_;
    QHash<QString, QAction*> actions_;
    QStackedWidget* stack_;
    QWidget* emptyPage_;
    ProtocolView* protocolView_;
    QWidget* statisticsPage_;
    QTableView* statisticsGrid_;
    QLabel* state_;
    RotationTableView* map_ = nullptr;
    QTableView* typeGrid_;
    QTableView* dataGrid_;
    InterSolPanel* interSol_;
    StationDataPanel* stationDataPanel_;
    ObserverListView* list_;
    GroupEvolutionPanel* evolutionPanel_ = nullptr;
    QWidget* observerPage_ = nullptr;
    QLabel* noObserverLabel_ = nullptr;
    QTableView* observerDrawingsGrid_ = nullptr;
    LargestGroupsPanel* largestGroupsPanel_ = nullptr;
    SpotlessDaysView* spotlessDaysView_ = nullptr;
    QWidget* zonesPage_ = nullptr;
    QTableView* zonesGrid_ = nullptr; // "Polohy skupin": a row per drawing, a view of its model
    ZonePositionsModel* zonesModel_ = nullptr;
    ObserverResultsPanel* observerResultsPanel_ = nullptr;
    OfficialCsvPanel* officialCsvPanel_ = nullptr;
    bool closed_ = false;
};

} // namespace hk
