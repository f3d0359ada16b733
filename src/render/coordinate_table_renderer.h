#pragma once
// The yearly table of disk-centre coordinates on any QPainter: one page of
// four months, at a table scale (a table unit v is drawn at v * scale / 16
// device pixels) and scrolled up by 10 table units per scroll step. The same
// call paints the window, the printed page, the saved picture and the
// command-line tool's file.
#include <QRect>
#include <QSize>
#include <vector>

#include "drawing/coordinate_table.h"
#include "drawing/coordinate_table_scene.h"

class QPainter;
class QPagedPaintDevice;

namespace hk {

struct CoordinateTableOptions {
    int scale = CoordinateTableUnitScale; // 16: one table unit is one pixel
    int scroll = 0;                       // scroll-bar position, 0 when printing
};

// The whole page in device pixels at the scale.
QSize CoordinateTablePictureSize(int scale);

// The largest scale at which a whole page fits into `area` (a printed page);
// at least 1.
int CoordinateTablePrintScale(const QSize& area);

// Paints the page on white into `target` (its top-left corner is the table's
// origin); nothing outside `target` is touched.
void DrawCoordinateTable(QPainter& painter, const QRect& target, const CoordinateTablePage& page,
                         const CoordinateTableOptions& options);

// Paints the scene's picture into `target` (the window's canvas, the saved
// page, the command-line tool's file).
void PaintCoordinateTablePicture(QPainter& painter, const QRect& target,
                                 const CoordinateTablePicture& picture);

// Prints the pages (0..2) of the year on the device, one sheet each, as
// large as fits. Throws std::runtime_error with a Czech message when the
// device cannot be painted on.
void PrintCoordinateTable(QPagedPaintDevice& device, const CoordinateYear& year,
                          const std::vector<int>& pages);

} // namespace hk
