#pragma once
// The map window ("Mapa"): the synoptic map of one Carrington rotation with
// its layers (faculae, their centres, the group areas, the corona under the
// map, the magnetosphere and its picture), the long, high and two-map views,
// the corona views, and the comparison of two maps one above the other. While
// it exists the main window shows its panel `promapu`; it closes itself when
// another window of the work area becomes active.
//
// What it shows is a scene (view, rotation, layers, size, scrolls); its
// picture is built from the scene when the scene or the store changes and
// painted as it is on every repaint, on the printer and into the saved image.
#include <QHash>
#include <QImage>
#include <QPoint>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "maps/map_scene.h"
#include "maps/rotation_index.h"
#include "ui/frame/picture_canvas.h"
#include "ui/frame/tool_window.h"
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

// Connects "&Mapy", `mapyz` and the buttons of `promapu`.
void installMap(const WindowContext& context);

class MapWindow : public ToolWindow {
    Q_OBJECT
  public:
    static MapWindow* openWindow(const WindowContext& context);
    static MapWindow* openInstance(QMdiArea* area) { return openOf<MapWindow>(area); }

    explicit MapWindow(const WindowContext& context);
    ~MapWindow() override;

    // ---- State as the window shows it.
    const MapScene& scene() const { return scene_; }
    MapView view() const { return scene_.view; }
    const MapLayerSwitches& layers() const { return scene_.layers; }
    int rotation() const { return scene_.rotation; }
    // 0-based position in the rotation list (-1: the rotation is not listed).
    int selectedRow() const { return selectedRow_; }
    const RotationIndex& rotationIndex() const { return index_; }
    bool comparison() const { return scene_.comparing; }
    unsigned upper() const { return scene_.upperLayers; }
    unsigned lower() const { return scene_.lowerLayers; }
    int offset() const { return scene_.shift; }
    int areaZoom() const { return scene_.zoom; }
    // How often the picture was built (once per change of state).
    int buildCount() const { return builds_; }
    QAction* action(const QString& objectName) const;
    PictureCanvas* canvas() const { return canvas_; }
    // The picture of the client area as it is painted.
    QImage picture() const;
    const SynopticMap& map() const { return picture_.map; }

    const MagnetComparison& magnetComparison() const { return picture_.magnetComparison; }

    // Chooses the printer (tests replace it).
    std::function<bool(QPrinter&)> choosePrinter;
    void printTo(QPrinter& printer);
    // Today for the summation (tests fix it).
    std::function<Date()> today;

  protected:
    void keyReleaseEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    friend void installMap(const WindowContext& context);

    void windowClosing() override;

    // ---- Menu items.
    void onChooseRotationClicked();
    void chooseRotation(int position); // a click in ListBox1
    void onSingleMapClicked();
    void onLongMapClicked();
    void onHighMapClicked();
    void onTwoMapsClicked();
    void onCoronaGraphClicked();
    void onCoronaButterflyClicked();
    void onCoronaGlobalClicked();
    void onCoronaUnderlayClicked();
    void onMagnetosphereClicked();
    void onComparisonClicked();
    void onPrintClicked();
    void onCoronaSeparateClicked();
    void onMagnetSeparateClicked();

    // ---- Tool buttons.
    void onLayerClicked(const QString& button); // coronaOn, magnetosphereOn, magnetospherePicture,
                                                // faculaeOn, areasOn, Stredfakuli
    void onSizeClicked();
    void onMagnetComparisonClicked();
    void onZoomClicked(); // the main panel's "2x"
    // The group box `datamagnet`: "Potvrdit", "Větší", "Menší".
    void onConfirmClicked();
    void onRowHeightClicked(int change);

    // ---- Comparison panel.
    void onUpperLayerClicked(ComparisonLayer layer); // Hskvrna, Hfakule, Hkorona, Hmagnet
    void onLowerLayerClicked(ComparisonLayer layer); // Dfakule, Dkorona, Dmagnet
    void onClearUpperClicked();
    void onClearLowerClicked();
    void onShiftChanged(int position); // ScrollBar3, 0..20

    // ---- Keys.
    void savePicture();      // F8
    void sumMagnetosphere(); // P: the magnetosphere summation into magn.dat
    // Writes `text` at `bod` of the canvas (the text insertion through Edit5).
    void insertText(const QPoint& point, const QString& text);

    // Paints the client area (the canvas calls it).
    void paint(QPainter& p, const QRect& rect) const;
    static constexpr int ShiftCentre = 10; // the shift bar runs 0..20, 10 = no shift
    void createMenu();
    void createTools();
    void createComparison();
    void createMagnetosphereData();
    void setView(MapView view);
    void change(); // rebuilds the models, places the controls, repaints
    // The geometry cache with the records the view shows computed: one
    // rotation's (two in the comparison), the whole store's for the strips
    // and the magnetosphere comparison, none for the corona's views.
    void rebuild();
    void arrange();
    void updateButtons();
    bool magnetoData();
    // The corona table: read when the window opens (its menu needs to know
    // whether there is one), with the warnings of that read shown then.
    const CoronaTable& corona() const;
    // A corona view opens only on read corona data: else the message and
    // back to the single map (false).
    bool coronaOrSingleMap();
    int lowerRotation() const { return scene_.rotation + scene_.shift; }
    void setRotationIndex(int position);
    void textPlace(const QPoint& point);
    // The corona table reaches beyond the rotation far enough for the corona under the map.
    bool coronaUnderMap(int rotation) const;
    bool addLayer(unsigned& half, ComparisonLayer layer, int rotation);

    WindowContext context_;
    QMenuBar* menu_;
    QMenu* popup_;
    QToolBar* toolBar_;
    PictureCanvas* canvas_;
    QScrollBar* coronaGraphScroll_;
    QScrollBar* coronaDayScroll_;
    QListWidget* rotationList_;
    QLabel* sizeLabel_;
    QFrame* comparisonPanel_;
    QScrollBar* comparisonShiftScroll_;
    QLabel* shiftLabel_;
    QGroupBox* magnetosphereDataBox_;
    QLineEdit* mapTextEdit_;
    QHash<QString, QAction*> actions_;

    MapScene scene_;
    int selectedRow_ = -1;
    bool smaller_ = false;
    QPoint textPoint_;
    std::vector<std::pair<QPoint, QString>> texts_;

    // The picture of the scene, built by rebuild().
    std::uint64_t revision_ = ~0ULL;
    RotationIndex index_;
    MagnDatCells magnetosphere_;
    MapCache cache_;
    int builds_ = 0;
    MapPicture picture_;
};

} // namespace hk
