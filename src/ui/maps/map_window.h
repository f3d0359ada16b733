#pragma once
// The map window ("Mapa"): the synoptic map of one Carrington rotation with
// its layers (faculae, their centres, the group areas, the corona under the
// map, the magnetosphere and its picture), the long, high and two-map views,
// the corona views, and the comparison of two maps one above the other. While
// it exists the main window shows its panel `promapu`; it closes itself when
// another window of the work area becomes active.
//
// Every picture is a model built when the state changes (rotation, view,
// layers, size) and painted as it is on every repaint, on the printer and
// into the saved image.
#include <QHash>
#include <QImage>
#include <QPoint>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "maps/corona_views.h"
#include "maps/magnet_comparison.h"
#include "maps/magnetosphere.h"
#include "maps/map_strips.h"
#include "maps/rotation_index.h"
#include "maps/synoptic_map.h"
#include "ui/frame/window_context.h"

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMdiSubWindow;
class QMenu;
class QMenuBar;
class QPrinter;
class QScrollBar;
class QToolBar;

namespace hk {

class MainWindow;

// Connects "&Mapy", `mapyz` and the buttons of `promapu`.
void installMapa(MainWindow& hlavni);

enum class MapaPohled {
    Mapa,         // mapky: the map of one rotation
    Dlouha,       // dlouhamap: 16 rotations side by side
    Vysoka,       // vysokamap: as many rotations as fit one under another
    Dve,          // dvenadsebou: two rotations one above the other
    KoronaGraf,   // the limb intensities of 100 days
    KoronaMotyl,  // the corona butterfly
    KoronaGlob,   // the corona of one day around the disk
    KoronaZvlast, // the corona under the map alone
    MagnetZvlast, // the magnetosphere layer alone
};

// The layer switches of `Toolbar1` and the menu's corona under the map.
struct MapLayerSwitches {
    bool koronazap = false;   // corona under the map
    bool magnetzap = false;   // magnetosphere layer
    bool magnobr = false;     // magnetosphere picture magnetOBR/On<R>.bmp
    bool fakulzap = true;     // faculae fields
    bool plochazap = true;    // areas (the leaves to the auxiliary spots)
    bool stredFakuli = false; // faculae centres ("SF")
    bool koronapod = false;   // "Korona pod mapu"
};

// What a half of the comparison shows (drawn on demand by its buttons).
enum SrovnaniVrstva : unsigned {
    SrovnaniSkvrny = 1,
    SrovnaniFakule = 2,
    SrovnaniKorona = 4,
    SrovnaniMagnet = 8,
};

class MapWindow : public QWidget {
    Q_OBJECT
  public:
    static MapWindow* otevrit(const WindowContext& kontext);
    static MapWindow* otevrene(QMdiArea* plocha);

    explicit MapWindow(const WindowContext& kontext, QWidget* parent = nullptr);
    ~MapWindow() override;

    // ---- State as the window shows it.
    MapaPohled pohled() const { return pohled_; }
    const MapLayerSwitches& vrstvy() const { return vrstvy_; }
    int rotace() const { return rotace_; }
    // 0-based position in the rotation list (-1: the rotation is not listed).
    int vybrana() const { return vybrana_; }
    const RotationIndex& rotationIndex() const { return index_; }
    bool srovnani() const { return srovnani_; }
    unsigned horni() const { return horni_; }
    unsigned dolni() const { return dolni_; }
    int posun() const { return posun_; }
    int nasobekPloch() const { return nasobek_; }
    // How often the pictures' models were built (once per change of state).
    int pocetSestaveni() const { return sestaveni_; }
    QAction* akce(const QString& objectName) const;
    QWidget* platno() const { return platno_; }
    // The picture of the client area as it is painted.
    QImage obrazek() const;
    const SynopticMap& mapa() const { return mapa_; }

    // ---- Menu items.
    void zavritmClick();
    void vybermClick();
    void vyberRotace(int pozice); // a click in ListBox1
    void mapkyClick();
    void dlouhamapClick();
    void vysokamapClick();
    void dvenadsebouClick();
    void KoronaGrafClick();
    void KoronamotylClick();
    void koronaglobClick();
    void koronapodClick();
    void MagnetoSfera1Click();
    void SrovnaniClick();
    void Tisk1Click();
    void KoronazvlastClick();
    void MagnetzvlastClick();

    // ---- Tool buttons.
    void vrstvaClick(
        const QString& tlacitko); // koronazap, magnetzap, magnobr, fakulzap, plochazap, Stredfakuli
    void mensivetsiClick();
    void SpeedButton1Click();
    void nasobekClick(); // the main panel's "2x"
    // The group box `datamagnet`: "Potvrdit", "Větší", "Menší".
    void PotvrditClick();
    void vyskaRadkuClick(int zmena);
    const MagnetComparison& porovnaniMagnetosfery() const { return porovnani_; }

    // ---- Comparison panel.
    void horniClick(SrovnaniVrstva vrstva); // Hskvrna, Hfakule, Hkorona, Hmagnet
    void dolniClick(SrovnaniVrstva vrstva); // Dfakule, Dkorona, Dmagnet
    void mazaniHorClick();
    void MazaniDolClick();
    void posunClick(int pozice); // ScrollBar3, 0..20

    // ---- Keys.
    void ulozitObrazek(); // F8
    void magnetSuma();    // P: the magnetosphere summation into magn.dat
    // Writes `text` at `bod` of the canvas (the text insertion through Edit5).
    void vlozText(const QPoint& bod, const QString& text);

    // Chooses the printer (tests replace it).
    std::function<bool(QPrinter&)> vybratTiskarnu;
    void tiskDo(QPrinter& printer);
    // Paints the client area (the canvas calls it).
    void kreslit(QPainter& p, const QRect& rect) const;
    // Today for the summation (tests fix it).
    std::function<Date()> dnes;

  protected:
    void keyReleaseEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void vytvorMenu();
    void vytvorNastroje();
    void vytvorSrovnani();
    void vytvorDatamagnet();
    void nastavPohled(MapaPohled pohled);
    void zmena(); // rebuilds the models, places the controls, repaints
    void sestavit();
    void rozmistit();
    void nastavTlacitka();
    bool magnetoData();
    // The corona table: read when the window opens (its menu needs to know
    // whether there is one), with the warnings of that read shown then.
    const KoronaTable& korona() const;
    int meritko() const;         // s of the single map
    int meritkoSrovnani() const; // q of the comparison
    int rotaceDolni() const { return rotace_ + posun_; }
    void nastavRotaci(int pozice);
    void kreslitMapu(QPainter& p, const QRect& r) const;
    void kreslitSrovnani(QPainter& p, const QRect& r) const;
    void kreslitPolovinu(QPainter& p, const QRect& r, const SynopticMap& m, unsigned vrstvy,
                         const KoronaPodMapuModel& korona, const MagnetosphereLayer& magnet) const;
    const MagnetosphereData& magnetosfera(int rotace);
    std::optional<Date> datumRotace(int rotace) const;
    void mistoTextu(const QPoint& bod);
    // The corona table reaches beyond the rotation far enough for the corona under the map.
    bool koronaPodMapu(int rotace) const;
    bool pridatVrstvu(unsigned& polovina, SrovnaniVrstva vrstva, int rotace);

    WindowContext kontext_;
    QMdiSubWindow* sub_ = nullptr;
    QMenuBar* menu_;
    QMenu* popup_;
    QToolBar* Toolbar1_;
    QWidget* platno_;
    QScrollBar* ScrollBar1_;
    QScrollBar* ScrollBar2_;
    QListWidget* ListBox1_;
    QLabel* Label2_;
    QFrame* Panelsrovnani_;
    QScrollBar* ScrollBar3_;
    QLabel* Label1_;
    QGroupBox* datamagnet_;
    QLineEdit* Edit5_;
    QHash<QString, QAction*> akce_;
    bool zavreno_ = false;

    MapaPohled pohled_ = MapaPohled::Mapa;
    MapLayerSwitches vrstvy_;
    int rotace_ = 0;
    int vybrana_ = -1;
    std::optional<Date> datum_; // date of the record the map starts from
    bool srovnani_ = false;
    unsigned horni_ = SrovnaniSkvrny;
    unsigned dolni_ = 0;
    int posun_ = 0;
    int nasobek_ = 1;
    bool mensi_ = false;
    QPoint bodTextu_;
    std::vector<std::pair<QPoint, QString>> texty_;

    // Models of the pictures, built by sestavit().
    std::uint64_t revize_ = ~0ULL;
    RotationIndex index_;
    MagnData magn_;
    int sestaveni_ = 0;
    SynopticMap mapa_;
    SynopticMap mapaDolni_;
    StripView pasy_;
    KoronaGrafModel koronaGraf_;
    std::unique_ptr<KoronaMotylModel> koronaMotyl_;
    KoronaDenModel koronaDen_;
    KoronaPodMapuModel koronaPod_;
    KoronaPodMapuModel koronaPodDolni_;
    MagnetosphereLayer magnet_;
    MagnetosphereLayer magnetDolni_;
    QImage magnetObr_;
    MagnetComparisonParams porovnaniVolby_;
    MagnetComparison porovnani_;
    // Daily magnetograms read for a rotation, kept while it is shown.
    std::vector<MagnetosphereData> magnetData_;
};

} // namespace hk
