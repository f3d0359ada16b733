#pragma once
// The results window ("Výsledky"): every statistic and report of the station
// chosen, shown, printed and saved. One view at a time, named by
// RezimVysledku; while the window exists the main window shows its panel
// `provysledky`.
#include <QHash>
#include <QWidget>
#include <functional>
#include <optional>

#include "records/record_layout.h"
#include "results/month_sums.h"
#include "results/station_data.h"
#include "results/results_grid.h"
#include "ui/frame/window_context.h"

class QAction;
class QLabel;
class QMenuBar;
class QPrinter;
class QStackedWidget;
class QTableWidget;

namespace hk {

class MainWindow;
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

// Connects "&Výsledky", `vysledekz` and the buttons of `provysledky`.
void installVysledky(MainWindow& hlavni);

class ResultsWindow : public QWidget {
    Q_OBJECT
  public:
    // The views of the window.
    enum Rezim {
        Nic = 0,
        Vlastni = 1,
        Oficialni = 2,
        Vyvoj = 3,
        PozorovateleRoky = 4,
        Namerena = 5,
        Vyhlazena = 6,
        VyskytTypu = 7,
        UdajeMapa = 8,
        CvHodnoty = 9,
        Veliky = 10,
        BezAktivity = 11,
        Polohy = 13,
        PozorovatelDenni = 14,
        DataAsymetrie = 12,
        InterSol = 15,
    };

    // Opens the window in the main window's work area, or returns the one
    // that is open already.
    static ResultsWindow* otevrit(MainWindow& hlavni);
    // The window that is open, or nullptr.
    static ResultsWindow* otevrene(MainWindow& hlavni);

    int RezimVysledku() const { return rezim_; }
    VyberPolokoule vyberPolokoule() const { return vyber_; }
    int VybranyMesic() const { return vybranyMesic_; }
    int VelikostPisma() const { return velikostPisma_; }
    // The month text typed last: the next month input starts with it.
    const QString& mesicText() const { return mesicText_; }
    const ObecnaData& obecnaData() const { return obecna_; }
    // The table of views 5, 6, 7, 9 and 15 as shown.
    const ResultsGrid& mrizka() const { return mrizka_; }
    QAction* akce(const QString& objectName) const { return akce_.value(objectName); }

    // Menu handlers.
    void zavritvysClick();
    void vlastniClick();
    void oficialniClick();
    void CVvysledekClick();
    void celkovynamClick() { namerena(VyberPolokoule::Celkova); }
    void severnamClick() { namerena(VyberPolokoule::Sever); }
    void jihnamClick() { namerena(VyberPolokoule::Jih); }
    void celkovyvyrClick() { vyhlazena(VyberPolokoule::Celkova); }
    void severvyrClick() { vyhlazena(VyberPolokoule::Sever); }
    void jihvyrClick() { vyhlazena(VyberPolokoule::Jih); }
    void vyskitClick();
    void udajmapaClick();
    void InterSOL1Click();
    void Vvojskupin1Click();
    void pozorovateleClick();
    void velikyClick();
    void BezaktivityClick();
    void polohy1Click();
    void PolohymClick() { polohy1Click(); }
    void PolohyrClick() { polohy1Click(); }
    void pozordClick();
    // The main window's "P. den": view 14 with an empty list.
    void Pozorovalelden();
    void doCSVClick();
    void oficCSVClick();
    // The main window's "Polohy TXT": the zone rows as text files.
    void polohytext();
    // View 12: the monthly table while `asme` is down, else the yearly one.
    void dataasimClick();
    void asimtxt();
    void tiskvyslClick();
    void Veobecndata1Click();
    void dosouboruClick();
    // The main window's "Do CSV souboru": the statistics table shown.
    void namdocsv();

    // Prints the current view on a printer already set up.
    void tiskDo(QPrinter& printer);

    // Chooses the printer; the print dialog unless a test answers.
    std::function<bool(QPrinter&)> vybratTiskarnu;
    // Chooses the observer of the CV report; the observer dialog unless a
    // test answers.
    std::function<QString()> vybratPozorovatele;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    explicit ResultsWindow(WindowContext k);

    QAction* pridej(QWidget* menu, const char* name, const QString& text,
                    void (ResultsWindow::*handler)());
    void pripravujeSe(QWidget* menu, const char* name, const QString& text);
    void vytvorMenu();
    void nactiObecnaData();

    // The month of views 1, 2 and 9; false when none was chosen.
    bool zvolitMesic(bool hlavickovaZprava);
    void namerena(VyberPolokoule v);
    void vyhlazena(VyberPolokoule v);
    void ukaz(int rezim);
    // Builds the view named by rezim_ from the records as they are now.
    void sestav();
    void sestavProtokol();
    void sestavCv();
    void ukazMrizku(QTableWidget* mrizka, const ResultsGrid& tabulka);
    void obnovMenu();
    void stavTisku();
    void ObecnaDataOK();
    void seznamPozorovatelu();
    // Views 3, 4, 10, 11, 13 and 14 (results_views.cpp).
    void vytvorPohledy();
    bool sestavPohled();
    bool tiskPohledu(QPrinter& printer);
    void vyvojZmena(int hodnota);
    void velikyZmena(int rok);

    WindowContext k_;
    const Session& session_;
    Messages& zpravy_;

    int rezim_ = Nic;
    VyberPolokoule vyber_ = VyberPolokoule::Celkova;
    int vybranyMesic_ = 0;
    std::size_t prvni_ = 0; // 0-based index of the chosen month's first record
    QString mesicText_;     // the month text typed last
    int velikostPisma_;
    ObecnaData obecna_;
    ResultsGrid mrizka_;
    ResultsGrid vyhlazenaMrizka_;       // the smoothed table built when it was chosen
    std::uint64_t vyhlazenaRevize_ = 0; // the store revision it was built from

    QMenuBar* menu_;
    QHash<QString, QAction*> akce_;
    QStackedWidget* stack_;
    QWidget* prazdna_;
    ProtocolView* protokol_;
    QWidget* stranaStatistiky_;
    QTableWidget* StringGrid1_;
    QLabel* stav_;
    RotationTableView* mapa_ = nullptr;
    QTableWidget* StringGrid4_;
    QTableWidget* StringGrid8_;
    InterSolPanel* intersol_;
    StationDataPanel* obecnaPanel_;
    ObserverListView* seznam_;
    GroupEvolutionPanel* vyvoj_ = nullptr;
    QWidget* stranaPozorovatelu_ = nullptr;
    QLabel* zadnyPozorovatel_ = nullptr;
    QTableWidget* StringGrid3_ = nullptr;
    LargestGroupsPanel* veliky_ = nullptr;
    SpotlessDaysView* bez_ = nullptr;
    QWidget* stranaPoloh_ = nullptr;
    QTableWidget* StringGrid9_ = nullptr;
    ObserverResultsPanel* pozord_ = nullptr;
    OfficialCsvPanel* oficCsv_ = nullptr;
    bool zavreno_ = false;
};

} // namespace hk
