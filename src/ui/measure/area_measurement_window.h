#pragma once
// The area of a sunspot group measured by painting ("Okno pro měření plochy
// skupiny "): a 400 x 400 square of the scanned drawing around the spot is
// shown twice enlarged; the user paints the group with the right mouse
// button and the painted pixels of a hidden 800 x 800 mask give the area in
// mm^2 of the drawing.
#include <QImage>
#include <QWidget>
#include <functional>

class QButtonGroup;
class QLabel;
class QPushButton;
class QScrollBar;

namespace hk {

class Messages;
class PictureCanvas;

class AreaMeasurementWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr int CropSide = 400;
    static constexpr int MaskSide = 800;
    // AreaState
    enum State { Done = 0, Ready = 2, Painting = 3 };

    // `crop` is AreaCrop; `calRadiusPx` the calibration's radius; `hotovo`
    // receives the area (mm^2) when the user finishes.
    AreaMeasurementWindow(const QImage& crop, int calRadiusPx, Messages& messages,
                          std::function<void(double)> done, QWidget* parent = nullptr);

    int AreaState() const { return state_; }
    int BrushSize() const { return brush_; }
    const QImage& AreaMask() const { return mask_; }
    // The area of the painted pixels, mm^2.
    double area() const;

    // The crop's rectangle on the canvas (moved by the scroll bars).
    QRect image() const;
    // 60 pixels from the top, centred 400 pixels left of `hlavni`'s middle.
    void place(const QRect& mainWindow);

  private:
    void pressed(const QMouseEvent& event); // the right button starts painting
    void onFillDoneClicked();               // "Ukončit vyplnění"
    void onRunningAreaClicked();            // "Průběžné"
    void onHelpClicked();

    void paintSquare(const QPoint& point, int size);

    QImage crop_;
    QImage mask_;  // 8 bits, white where nothing is painted
    QImage layer_; // the red painting over the crop
    int calRadiusPx_;
    Messages& messages_;
    std::function<void(double)> done_;
    int state_ = Ready;
    int brush_ = 4;
    QLabel* valueLabel_;
    QPushButton* fillDoneButton_;
    QPushButton* runningAreaButton_;
    QScrollBar* horizontalScroll_;
    QScrollBar* verticalScroll_;
    PictureCanvas* canvas_;
};

} // namespace hk
