#pragma once
// The drawing of a record: the disk with its heliographic grid, the faculae
// fields, the groups with their auxiliary spots and leaves, the group table
// below the disk and the text panel beside it. The same call paints the
// window, a printed page, a saved picture and the command-line tool's image.
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>
#include <vector>

#include "drawing/drawing_model.h"
#include "drawing/drawing_options.h"
#include "drawing/drawing_scene.h"
#include "io/picture_data.h"

namespace hk {

// Size in pixels of the whole picture at the options' zoom.
QSize DrawingPictureSize(const DrawingOptions& o);

// Paints the picture with its top-left corner at target.topLeft(), clipped
// to `target`; the area of `target` is first filled white.
void PaintDrawing(QPainter& painter, const QRect& target, const DrawingModel& model,
                  const DrawingOptions& options);

// The built picture on `target`: its area filled white and the drawing at its
// top-left corner, as the window, the saved pictures and the command line
// show it.
void PaintDrawingPicture(QPainter& painter, const QRect& target, const DrawingPicture& picture);

// The picture as an RGB image of the picture's area.
QImage DrawingPictureImage(const DrawingPicture& picture);

// The groups' columns of the picture as numbers: one row per group in the
// drawing's order, its two numbers and spot count, and (not on a special
// drawing, and only with the disk's orientation known) the latitude and
// longitude printed under it, rounded to one decimal as printed.
PictureData DrawingPictureData(const DrawingModel& model);

// A text of the picture and the pixels it covers (its advance width and the
// font's line height from its top).
struct DrawnText {
    QString text;
    QRect rect;
};

// Every text of the picture in the order it is painted, with its place at
// the options' zoom; what a saved or shown picture must hold whole.
std::vector<DrawnText> DrawingTexts(const DrawingModel& model, const DrawingOptions& options);

// The picture as an RGB image of DrawingPictureSize(options).
QImage RenderDrawingImage(const DrawingModel& model, const DrawingOptions& options);

} // namespace hk
