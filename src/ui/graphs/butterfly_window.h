#pragma once
// The butterfly diagram window ("Motýlek"): the latitudes of all numbered
// groups (and of the faculae) against the Carrington rotation, with the
// mean, smoothed and boundary curves and the corona underlay. While it
// exists the main window shows its panel `promotylek`; it closes itself when
// another window of the work area becomes active.
#include <QHash>
#include <QWidget>
#include <functional>

#include "graphs/butterfly_scene.h"
#include "ui/frame/picture_canvas.h"
#include "ui/frame/tool_window.h"
#include "ui/frame/window_context.h"

class QAction;
class QMenu;
class QMenuBar;
class QPrinter;
class QScrollBar;

namespace hk {

// Connects `motylek1`, `motylekz` and the buttons of `promotylek`.
void installButterfly(const WindowContext& context);

class ButterflyWindow : public ToolWindow {
    Q_OBJECT
  public:
    static ButterflyWindow* openWindow(const WindowContext& context);
    static ButterflyWindow* openInstance(QMdiArea* area) { return openOf<ButterflyWindow>(area); }

    explicit ButterflyWindow(const WindowContext& context);
    ~ButterflyWindow() override;

    const ButterflyScene& scene() const { return scene_; }
    // The picture shown, with its options as painted.
    const ButterflyPicture& picture() const { return picture_; }
    const ButterflyOptions& options() const { return picture_.options; }
    const ButterflyModel& model() const { return *picture_.model; }
    QString baseTitle() const { return baseTitle_; }
    QAction* action(const QString& objectName) const;
    // The area the diagram is painted in.
    PictureCanvas* canvas() const { return canvas_; }

    // Chooses the printer (tests replace it).
    std::function<bool(QPrinter&)> choosePrinter;

  protected:
    void keyReleaseEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    friend void installButterfly(const WindowContext& context);

    // Menu and panel handlers.
    void onPrintClicked();
    void onModeClicked(int mode); // 1 spots, 2 faculae, 3 both
    void onLeftClicked();         // narrower
    void onRightClicked();        // wider
    void onLargerClicked();       // higher
    void onSmallerClicked();      // lower
    void onFaculaeBarsClicked();
    void toggle(const QString& item); // meanCurve, smoothedCurve, bounds, allCurves
    void onNoUnderlayClicked();
    void onCoronaUnderlayClicked();
    void onSupplementaryClicked();
    void onScaleClicked();
    // The equator drag: press and release at these heights of the diagram.
    void shiftEquator(int yPress, int yRelease);
    // Draws the window's page on a printer that was chosen.
    void printTo(QPrinter& printer);

    void createMenu();
    void updateButtons();
    // Builds the picture of the scene (when the scene or the records change,
    // never in a paint), sets the scroll ranges and the caption, repaints.
    void rebuild();
    // The rotation scale as painted becomes the scene's own (the panel's
    // scale buttons start from it).
    void keepRotationScale();
    void title();

    WindowContext context_;
    ButterflyScene scene_;
    ButterflyPicture picture_;
    QString baseTitle_;
    QMenuBar* menu_;
    PictureCanvas* canvas_;
    int pressY_ = 0;
    QScrollBar* horizontalScroll_;
    QScrollBar* verticalScroll_;
    QHash<QString, QAction*> actions_;
    bool updatingScrollBars_ = false;
};

} // namespace hk
