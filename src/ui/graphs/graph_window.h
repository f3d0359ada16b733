#pragma once
// The graphs window ("Grafy"): one daily statistic of every drawing against
// time, north, south and whole disk. While it is open the main window shows
// its panel `prografy`; it closes itself when another window is activated.
#include <QImage>
#include <QWidget>
#include <functional>

#include "graphs/graph_scene.h"
#include "ui/frame/tool_window.h"
#include "ui/frame/window_context.h"

class QLabel;
class QMenuBar;
class QPrinter;
class QScrollBar;
class QMdiSubWindow;

namespace hk {

class PictureCanvas;

// Connects "&Grafy", `grafyz` and the buttons of `prografy`.
void installGraphs(const WindowContext& ctx);

class GraphWindow : public ToolWindow {
    Q_OBJECT
  public:
    static GraphWindow* openWindow(const WindowContext& ctx);
    static GraphWindow* openInstance(QMdiArea* area) { return openOf<GraphWindow>(area); }

    const GraphScene& scene() const { return scene_; }
    GraphQuantity quantity() const { return scene_.quantity; }
    GraphView mode() const {
        return scene_.quantity == GraphQuantity::InterSol ? GraphView::Disk : scene_.view;
    }
    const GraphModel& model() const { return picture_.model; }
    QImage picture() const;
    int offset() const;
    PictureCanvas* canvas() const { return canvas_; }

    std::function<bool(QPrinter&)> choosePrinter;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    friend void installGraphs(const WindowContext& ctx);
    void windowClosing() override;
    explicit GraphWindow(const WindowContext& ctx);

    void chooseQuantity(GraphQuantity quantity);
    void chooseView(GraphView mode);
    // 400, 500, 600: a fixed image size (one pixel a day); 0: the whole window.
    void setGraphSize(int size);
    void onScaleClicked();
    void setScale(bool shown);
    void onPrintClicked();
    void printTo(QPrinter& printer);
    void onSaveClicked();
    void onSaveAllClicked();
    // Builds the picture of the scene (when the scene, the size or the
    // records change, never in a paint), sets the scroll bar and the caption.
    void rebuild();
    void markChecked();
    // Writes the window's picture as "Obrázek/<nazev>.jpg" without asking.
    void savePicture(const QString& name);

    WindowContext ctx_;
    QMenuBar* menu_;
    PictureCanvas* canvas_;
    QScrollBar* scroll_;
    QLabel* sizeLabel_;
    GraphScene scene_;
    GraphPicture picture_;
    bool updatingScrollBar_ = false;
};

} // namespace hk
