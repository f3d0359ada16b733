#pragma once
// One window for two commands: the smoothed graphs ("Vyhlazovací   grafy",
// monthly means and their 13-month running mean, with comparison curves)
// and the asymmetry graph ("Asymetrie    graf", per drawing, month or
// year). While it is open the main window shows its panel
// `provyhlazovaci`; it closes itself when another window is activated.
#include <QImage>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "graphs/smoothed_graph.h"
#include "render/graph_renderer.h"
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

class MainWindow;
class PictureCanvas;

// Connects "&Vyhlazovací", the two asymmetry commands and `provyhlazovaci`.
void installSmoothed(const WindowContext& ctx);

class SmoothedGraphWindow : public QWidget {
    Q_OBJECT
  public:
    enum Tag { SmoothedTag = 0, AsymmetryTag = 1 };
    static SmoothedGraphWindow* openWindow(const WindowContext& ctx, Tag tag,
                                           AsymmetryKind kind = AsymmetryKind::Ratio);
    static SmoothedGraphWindow* openInstance(QMdiArea* area);

    Tag tag() const { return tag_; }
    int S() const { return S_; }
    HemisphereOption H() const { return H_; }
    double k() const { return k_; }
    bool brusselsShown() const;
    bool areasShown() const;
    bool fluxShown() const;
    FluxOption fluxOption() const;
    // The outside curves as last confirmed (empty when not shown).
    const OutsideCurve& areasCurve() const { return areas_; }
    const OutsideCurve& tok() const { return flux_; }
    QImage picture() const;

    std::function<bool(QPrinter&)> choosePrinter;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

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
    void onScrollChanged(int position);
    void shrink();
    void widen();
    void onSavePictureClicked();
    void onPrintClicked();
    void printTo(QPrinter& printer);
    void closeWindow();

    void recompute();
    void refresh();
    // Builds the asymmetry picture of the scene (when the scene, the size or
    // the records change, never in a paint).
    void rebuildAsymmetry();
    void markChecked();
    void paintGraph(QPainter& p, const QRect& r, int offset) const;
    int pictureWidth() const;
    void savePicture(const QString& name);

    WindowContext ctx_;
    Tag tag_;
    QMdiSubWindow* sub_ = nullptr;
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

    int S_ = 1;
    HemisphereOption H_ = HemisphereOption::Disk;
    int Z_ = 3;
    int divisor_ = 80;
    double k_ = 1.0;
    std::uint64_t revision_ = ~0ULL;
    SmoothedData data_;
    std::vector<std::unique_ptr<SmoothedData>> further_; // comparison series
    OutsideCurve brussels_;
    OutsideCurve areas_, southAreas_, flux_; // "Brusel plochy", "Rádiový tok" as confirmed
    FluxOption fluxOption_ = FluxOption::OBS;
    AsymmetryScene asymmetryScene_;
    AsymmetryPicture asymmetryPicture_;
    bool updatingScrollBar_ = false;
    bool closed_ = false;
};

} // namespace hk
