#pragma once
// The butterfly diagram window ("Motýlek"): the latitudes of all numbered
// groups (and of the faculae) against the Carrington rotation, with the
// mean, smoothed and boundary curves and the corona underlay. While it
// exists the main window shows its panel `promotylek`; it closes itself when
// another window of the work area becomes active.
#include <QHash>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

#include "graphs/butterfly_model.h"
#include "render/butterfly.h"
#include "ui/frame/picture_canvas.h"
#include "ui/frame/window_context.h"

class QAction;
class QMenu;
class QMenuBar;
class QPrinter;
class QScrollBar;

namespace hk {

class MainWindow;

// Connects `motylek1`, `motylekz` and the buttons of `promotylek`.
void installButterfly(MainWindow& mainWindow);

class ButterflyWindow : public QWidget {
    Q_OBJECT
  public:
    static ButterflyWindow* openWindow(const WindowContext& context);
    static ButterflyWindow* openInstance(QMdiArea* area);

    ButterflyWindow(const WindowContext& context, QWidget* parent = nullptr);
    ~ButterflyWindow() override;

    const ButterflyOptions& options() const { return options_; }
    const ButterflyModel& model() const;
    QString baseTitle() const { return baseTitle_; }
    QAction* action(const QString& objectName) const;
    // The area the diagram is painted in.
    QWidget* canvas() const { return canvas_; }
    int scrollRange() const;

    // Menu and panel handlers.
    void onCloseClicked();
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

    // Chooses the printer (tests replace it).
    std::function<bool(QPrinter&)> choosePrinter;
    // Draws the window's page on a printer that was chosen.
    void printTo(QPrinter& printer);
    // Paints the diagram as it is shown (the canvas calls it).
    void paint(QPainter& p, const QRect& rect);

  protected:
    void keyReleaseEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createMenu();
    void updateButtons();
    void optionsChanged(); // scroll ranges, caption, repaint
    void title();

    WindowContext context_;
    ButterflyOptions options_;
    QString baseTitle_;
    QMenuBar* menu_;
    PictureCanvas* canvas_;
    int pressY_ = 0;
    QScrollBar* horizontalScroll_;
    QScrollBar* verticalScroll_;
    QHash<QString, QAction*> actions_;
    bool closed_ = false;
    // Builds the model when the store's revision is not the one it was built
    // from (at the start and when the records change, never in a paint), and
    // adds the corona columns once the corona is shown.
    void updateModel();
    std::unique_ptr<ButterflyModel> model_;
    std::uint64_t modelRevision_ = 0;
    bool modelHasCorona_ = false;
};

} // namespace hk
