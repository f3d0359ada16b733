#pragma once
// The two monthly forms of the results window: the Czech drawing protocol
// ("PROTOKOL O ZAKRESLOVÁNÍ SLUNEČNÍCH SKVRN") and the English certificate
// for SIDC ("CERTIFICATE  OF  DRAWING  SUN  SPOTS"). Both are laid out in
// form units and drawn on any QPainter: the window, a printed page, an image.
#include <QRect>
#include <QSizeF>
#include <vector>

#include "io/picture_data.h"
#include "results/protocol_data.h"
#include "results/protocol_scene.h"

class QPainter;
class QPagedPaintDevice;

namespace hk {

struct ProtocolOptions {
    double unit = 1.0;              // device pixels per form unit (the window's magnification)
    double scroll = 0;              // device pixels scrolled: the form moves up by this much
    int fontSize = DefaultFontSize; // Czech protocol only
    double scrollX = 0;             // device pixels scrolled sideways: the form moves left
};

// The day table of the form as numbers: one row per day of the month
// ("yyyy-mm-dd"; a day without a drawing has empty cells), then the rows
// "součet" and "průměr"; the columns are the form's headers less the day and
// the observer, the time UT as hhmm.
PictureData ProtocolPictureData(const ProtocolData& data, ProtocolKind kind);

// The size of the whole form in form units at unit 1, for the given font size.
QSizeF ProtocolFormSize(ProtocolKind kind, int fontSize);

// The unit that makes the whole form fit into `area` (a printed page).
double ProtocolFitUnit(ProtocolKind kind, int fontSize, const QSizeF& area);

// Rows and columns of the day table: row 0 the headers, rows 1..31 the days,
// then the sum row and the mean row; column 0 the day, 1 the time, 2..8 the
// values in ProtocolColumn order, 9 the observer.
inline constexpr int ProtocolSumRow = 32;
inline constexpr int ProtocolMeanRow = 33;
inline constexpr int ProtocolTableColumns = 10;

// Where a cell's text stands, in device pixels relative to the form's top
// left corner, for the given options (unit, font size; scroll not applied).
QRectF ProtocolCellRect(ProtocolKind kind, const ProtocolOptions& options, int row, int column);

// Paints the form on white into `target`; nothing outside it is touched.
void PaintProtocol(QPainter& painter, const QRect& target, const ProtocolData& data,
                   ProtocolKind kind, const ProtocolOptions& options);

// Paints the scene's picture into `target` (the window, its client-sized
// image, the whole form's image).
void PaintProtocolPicture(QPainter& painter, const QRect& target, const ProtocolPicture& picture);

// The printed form: at the default font size as large as fits the page; the
// Czech protocol's font size scales it from there as it does in the window.
// A form larger than the page goes on over further pages, left to right and
// then down, split between the header block and the table and between the
// table's rows and columns where it can be. Each piece is a part of the
// scaled form in device pixels; a form that fits is one piece.
std::vector<QRectF> ProtocolPrintPieces(ProtocolKind kind, int fontSize, const QSizeF& page);

// Paints piece `piece` of the printed form on a page (printer, PDF) at the
// top of `page`; a form that fits is centred horizontally.
void PaintProtocolPage(QPainter& painter, const QRect& page, const ProtocolData& data,
                       ProtocolKind kind, int fontSize = DefaultFontSize, int piece = 0);

// Prints the form on the device (a printer, a PDF writer), one page per
// piece. Throws std::runtime_error with a Czech message when the device
// cannot be painted on.
void PrintProtocol(QPagedPaintDevice& device, const ProtocolData& data, ProtocolKind kind,
                   int fontSize = DefaultFontSize);

} // namespace hk
