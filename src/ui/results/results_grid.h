#pragma once
// The string grids of the results window: a table widget that shows the
// cells of a results table as they are, the header row and the label column
// drawn as fixed cells.
#include <QString>

#include "results/results_grid.h"

class QBoxLayout;
class QSpinBox;
class QTableWidget;
class QWidget;

namespace hk {

// A read-only grid in bold face without Qt's own headers.
QTableWidget* NewGrid(const QString& objectName, QWidget* parent);

// Shows the table: row 0 and column 0 as fixed (grey) cells, value cells
// right-aligned.
void FillGrid(QTableWidget& grid, const ResultsGrid& table);

// The number box above a grid (the rotation of view 3, the year of view 10):
// its caption and the box, added to `radek` and followed by a stretch. The
// box takes a typed value when Enter is pressed or it loses the focus.
QSpinBox* NewSpinBox(QBoxLayout& row, QWidget* parent, const QString& label,
                     const QString& objectName, int from, int to, int start);

} // namespace hk
