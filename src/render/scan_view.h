#pragma once
// A scanned drawing on the screen: the visible part of the held picture with
// its brightness and contrast, at the zoom step, scrolled, with the overlay
// of the measurement. Only the pixels that are shown are adjusted and
// scaled, so a slider or zoom step costs the size of the window, not of the
// picture.
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QString>

#include "measure/calibration.h"
#include "measure/display_lut.h"
#include "measure/grey_image.h"
#include "measure/scan_overlay.h"

namespace hk {

inline constexpr int MaxZoomStep = 10;

struct ScanOptions {
    DisplayLut lut = MakeDisplayLut(0, ContrastNeutral);
    int zoom = 0;  // step z: shown size = picture size * (10 + z) / 10
    QPoint scroll; // top-left of the window in shown pixels
};

struct ScanModel {
    QImage picture; // Format_RGB32
    ScanOverlay overlay;
};

// Shown size of the whole picture at the zoom step.
QSize ShownSize(const QSize& picture, int zoom);
// A window point as a picture pixel, and a picture pixel's centre in the window.
PicturePoint WindowToPicture(const QPoint& window, const ScanOptions& o);
// The scroll position at zoom step `toZoom` that keeps the picture pixel under
// `window` there (its middle is kept, so repeated steps do not drift).
QPoint ScrollKeeping(const QPoint& window, const ScanOptions& from, int toZoom);
QPointF PictureToWindow(const PicturePoint& p, const ScanOptions& o);

// Paints the visible part of the picture into `target` (the window's
// picture area; the rest of it white) and the overlay over it.
void PaintScan(QPainter& painter, const QRect& target, const ScanModel& model,
               const ScanOptions& options);

// The picture's visible block, source pixels, with the table applied.
QImage AdjustedBlock(const QImage& picture, const QRect& block, const DisplayLut& lut);

// A scanned drawing opened for measurement: RGB32, reduced to fit the
// 3020 x 3021 picture buffer when larger (`reduced` then tells the sizes).
inline constexpr int MaxScanWidth = 3020;
inline constexpr int MaxScanHeight = 3021;
struct LoadedScan {
    QImage picture;  // null when the file is not a readable picture
    QString message; // why it could not be read, or that it was reduced
};
LoadedScan LoadScan(const QString& path);

// A grey view of an 8-bit grey image (the image must outlive the view).
GreyImageView GreyView(const QImage& grey8);

} // namespace hk
