#pragma once
// The string grids of the results window: a table widget that shows the
// cells of a results table as they are, the header row and the label column
// drawn as fixed cells.
#include <QAbstractTableModel>
#include <QString>

#include "results/results_grid.h"

class QBoxLayout;
class QSpinBox;
class QTableView;
class QWidget;

namespace hk {

// A results table as a model: the cells are turned into text only when the
// view draws them, so a table of a hundred thousand rows costs its strings
// and nothing per cell. Row 0 and column 0 are fixed (grey) cells, value
// cells right-aligned.
class ResultsGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;
    void setTable(ResultsGrid table);
    const ResultsGrid& table() const { return table_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

  private:
    ResultsGrid table_;
};

// A read-only grid in bold face without Qt's own headers: a view of a
// ResultsGridModel, so that a table of many rows costs no item per cell.
QTableView* NewGrid(const QString& objectName, QWidget* parent);

// Shows the table in a view made by NewGrid: row 0 and column 0 as fixed
// (grey) cells, value cells right-aligned.
void FillGrid(QTableView& view, const ResultsGrid& table);
// The same, the table moved into the view's model instead of copied: for a
// table of many rows that the window need not keep beside its view.
void FillGrid(QTableView& view, ResultsGrid&& table);
// The table shown by a view made by NewGrid.
const ResultsGrid& GridTable(const QTableView& view);

// Column widths from the font's metrics of the longest texts of each column
// (a few candidates by length), not from laying out every cell.
void SizeColumns(QTableView& view, const ResultsGrid& table);

// The number box above a grid (the rotation of view 3, the year of view 10):
// its caption and the box, added to `radek` and followed by a stretch. The
// box takes a typed value when Enter is pressed or it loses the focus.
QSpinBox* NewSpinBox(QBoxLayout& row, QWidget* parent, const QString& label,
                     const QString& objectName, int from, int to, int start);

} // namespace hk
