#pragma once
// One window for two commands: the smoothed graphs ("Vyhlazovací   grafy",
// monthly means and their 13-month running mean, with comparison curves)
// and the asymmetry graph ("Asymetrie    graf", per drawing, month or
// year). While it is open the main window shows its panel
// `provyhlazovaci`; it closes itself when another window is activated.
#include <QImage>
#include <QWidget>
#include <functional>
#include <vector>

#include "graphs/smoothed_graph.h"
#include "graphs/smoothed_scene.h"
#include "render/graph_renderer.h"
#include "ui/frame/tool_window.h"
#include "ui/frame/window_context.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QMdiSubWindow;
class QMenuBar;
class QPrinter;
class QRadioButton;
class QScrollBar;
class QLabel;

namespace hk {

class PictureCanvas;

// Connects "&Vyhlazovací", the two asymmetry commands and `provyhlazovaci`.
void installSmoothed(const WindowContext& ctx);

class SmoothedGraphWindow : public ToolWindow {
    Q_OBJECT
  public:
    enum Tag { SmoothedTag = 0, AsymmetryTag = 1 };
    static SmoothedGraphWindow* openWindow(const WindowContext& ctx, Tag tag,
                                           AsymmetryKind kind = AsymmetryKind::Ratio);
    static SmoothedGraphWindow* openInstance(QMdiArea* area) {
        return openOf<SmoothedGraphWindow>(area);
    }

    Tag tag() const { return tag_; }
    // The smoothed graph's view and the picture built of it.
    const SmoothedScene& scene() const { return scene_; }
    const SmoothedPicture& smoothedPicture() const { return picture_; }
    QImage picture() const;

    std::function<bool(QPrinter&)> choosePrinter;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    friend void installSmoothed(const WindowContext& ctx);
    SmoothedGraphWindow(const WindowContext& ctx, Tag tag, AsymmetryKind kind);

    // Menu, panel and box handlers.
    void chooseQuantity(int S);
    void chooseHemisphere(HemisphereOption H);
    void choosePeriod(AsymmetryPeriod o);
    void chooseKind(AsymmetryKind d);
    void onZoomClicked();
    void onZoomConfirmed(); // zoom confirmed
    void onCompareClicked();
    void onConfirmComparisonClicked(); // comparison confirmed
    void onBrusselsRClicked();
    void onCoefficientChanged(int position);
    void shrink();
    void widen();
    void onSavePictureClicked();
    void onPrintClicked();
    void printTo(QPrinter& printer);
    void windowClosing() override;

    // Builds the picture of the scene (when the scene, the size or the
    // records change, never in a paint) and sets the scroll bar and caption.
    void rebuild();
    void markChecked();
    int series() const; // the series of the graph shown
    void savePicture(const QString& name);

    WindowContext ctx_;
    Tag tag_;
    QMenuBar* menu_;
    PictureCanvas* canvas_;
    QScrollBar* scroll_;
    QLabel* sizeLabel_;
    QGroupBox* zoomBox_;
    QLineEdit* widthEdit_;
    QLineEdit* heightEdit_;
    QGroupBox* comparisonBox_;
    std::vector<QCheckBox*> comparison_; // Chg .. Chpol, chinter: series 1..9
    QCheckBox* brusselsBox_;
    QCheckBox* brusselsAreasBox_;
    QCheckBox* radioFluxBox_;
    std::vector<QRadioButton*> fluxButtons_; // OBS, ADJ, ABS
    QGroupBox* printYearBox_;
    QLineEdit* printYearEdit_;
    QScrollBar* brusselsScroll_;

    SmoothedScene scene_;
    SmoothedPicture picture_;
    AsymmetryScene asymmetryScene_;
    AsymmetryPicture asymmetryPicture_;
    bool updatingScrollBar_ = false;
};

} // namespace hk
