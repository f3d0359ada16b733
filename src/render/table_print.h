#pragma once
// A table of the results window printed across pages: a title line with the
// page number, the header row repeated on every page, then as many rows as
// the statistics status line counts per page.
#include <QRect>
#include <QString>

#include "results/results_grid.h"

class QPainter;
class QPagedPaintDevice;

namespace hk {

// Pages the table's rows (all but the header row) take on a page of this
// size in printer dots; at least 1.
int TablePrintPageCount(const ResultsGrid& grid, const QSize& page);

// Paints page `pageIndex` (0-based) of the table into `page`.
void PaintTablePage(QPainter& painter, const QRect& page, const ResultsGrid& grid,
                    const QString& title, int pageIndex);

// Prints every page of the table on the device; returns the number of pages.
// Throws std::runtime_error with a Czech message when the device cannot be
// painted on (no printer, unwritable file).
int PrintTable(QPagedPaintDevice& device, const ResultsGrid& grid, const QString& title);

} // namespace hk
