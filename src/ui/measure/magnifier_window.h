#pragma once
// The magnifier ("Lupa"): a small window that stays on top and shows the
// square of the scanned drawing around the pointer enlarged, with a red
// cross-hair while the disk is being calibrated.
#include <QImage>
#include <QWidget>

namespace hk {

class PictureCanvas;

class MagnifierWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr int Side = 400; // the enlarged square
    static constexpr int WindowSide = 420;

    explicit MagnifierWindow(QWidget* parent = nullptr);

    // LoupeHalf: half the side of the source square in picture pixels, 20
    // (enlargement 10) or 40 (enlargement 5).
    int LoupeHalf = 20;

    // The enlarged square (LoupeBitmap), drawn at once.
    void present(const QImage& paintSquare);
    void setCrosshair(bool crosshair);
    bool crosshair() const { return crosshair_; }
    const QImage& LoupeBitmap() const { return bitmap_; }

    // Next to the measurement window: 460 pixels left of its left edge and
    // 160 from the top, kept on the screen.
    void place(const QRect& measurement);

  private:
    QImage bitmap_;
    bool crosshair_ = true;
    PictureCanvas* canvas_;
};

} // namespace hk
