#pragma once
// The graphs window ("Grafy"): one daily statistic of every drawing against
// time, north, south and whole disk. While it is open the main window shows
// its panel `prografy`; it closes itself when another window is activated.
#include <QImage>
#include <QWidget>
#include <cstdint>
#include <functional>

#include "graphs/graph_series.h"
#include "ui/frame/window_context.h"

class QLabel;
class QMenuBar;
class QPrinter;
class QScrollBar;
class QMdiSubWindow;

namespace hk {

class MainWindow;
class PictureCanvas;

// Connects "&Grafy", `grafyz` and the buttons of `prografy`.
void installGraphs(MainWindow& mainWindow);

class GraphWindow : public QWidget {
    Q_OBJECT
  public:
    static GraphWindow* openWindow(const WindowContext& ctx);
    static GraphWindow* openInstance(QMdiArea* area);

    void chooseQuantity(GraphQuantity quantity);
    void chooseView(GraphView mode);
    // 400, 500, 600: a fixed image size (one pixel a day); 0: the whole window.
    void setGraphSize(int size);
    void onScaleClicked();
    void onPrintClicked();
    void printTo(QPrinter& printer);
    void onSaveClicked();
    void onSaveAllClicked();
    void closeWindow();

    GraphQuantity quantity() const { return quantity_; }
    GraphView mode() const { return mode_; }
    const GraphModel& model() const { return model_; }
    QImage picture() const;
    int offset() const;

    std::function<bool(QPrinter&)> choosePrinter;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    explicit GraphWindow(const WindowContext& ctx);
    void recompute();
    void markChecked();
    // Writes the window's picture as "Obrázek/<nazev>.jpg" without asking.
    void savePicture(const QString& name);

    WindowContext ctx_;
    QMdiSubWindow* sub_ = nullptr;
    QMenuBar* menu_;
    PictureCanvas* canvas_;
    QScrollBar* scroll_;
    QLabel* sizeLabel_;
    GraphQuantity quantity_ = GraphQuantity::g;
    GraphView mode_ = GraphView::All;
    int d_ = 2;
    QString sizeText_;
    bool scale_ = false;
    GraphData data_;
    std::uint64_t revision_ = ~0ULL;
    GraphModel model_;
    bool closed_ = false;
};

} // namespace hk
