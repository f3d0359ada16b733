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

class AreaMeasurementWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr int CropSide = 400;
    static constexpr int MaskSide = 800;
    // AreaState
    enum Stav { Hotovo = 0, Pripraveno = 2, Maluje = 3 };

    // `crop` is AreaCrop; `calRadiusPx` the calibration's radius; `hotovo`
    // receives the area (mm^2) when the user finishes.
    AreaMeasurementWindow(const QImage& crop, int calRadiusPx, Messages& zpravy,
                          std::function<void(double)> hotovo, QWidget* parent = nullptr);

    int AreaState() const { return stav_; }
    int BrushSize() const { return stetec_; }
    const QImage& AreaMask() const { return maska_; }
    // The area of the painted pixels, mm^2.
    double plocha() const;

    void Button1Click(); // "Ukončit vyplnění"
    void Button2Click(); // "Průběžné"
    void SpeedButton1Click();

    // The crop's rectangle in the window (moved by the scroll bars).
    QRect obraz() const;
    // 60 pixels from the top, centred 400 pixels left of `hlavni`'s middle.
    void umistit(const QRect& hlavni);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void ctverec(const QPoint& bod, int velikost);

    QImage crop_;
    QImage maska_;  // 8 bits, white where nothing is painted
    QImage vrstva_; // the red painting over the crop
    int calRadiusPx_;
    Messages& zpravy_;
    std::function<void(double)> hotovo_;
    int stav_ = Pripraveno;
    int stetec_ = 4;
    QLabel* hodnota_;
    QPushButton* Button1_;
    QPushButton* Button2_;
    QScrollBar* ScrollBar1_;
    QScrollBar* ScrollBar2_;
};

} // namespace hk
