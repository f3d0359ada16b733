#pragma once
// The string grids of the results window: a table widget that shows the
// cells of a results table as they are, the header row and the label column
// drawn as fixed cells.
#include <QAbstractTableModel>
#include <QString>
#include <string>
#include <utility>
#include <vector>

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
// ResultsGridModel (or of `model`, when given), so that a table of many rows
// costs no item per cell.
QTableView* NewGrid(const QString& objectName, QWidget* parent,
                    QAbstractItemModel* model = nullptr);

// Shows the table in a view made by NewGrid: row 0 and column 0 as fixed
// (grey) cells, value cells right-aligned.
void FillGrid(QTableView& view, const ResultsGrid& table);

// Column widths from the font's metrics of the longest texts of each column
// (a few candidates by length), not from laying out every cell.
void SizeColumns(QTableView& view, const ResultsGrid& table);

// The same for texts offered one by one: the few widest of each column by a
// rough count are kept and measured when the widths are set. An offered
// text must live until then.
class ColumnWidths {
  public:
    explicit ColumnWidths(std::size_t columns);
    void offer(std::size_t column, const std::string& text);
    void apply(QTableView& view) const;

  private:
    using Candidate = std::pair<int, const std::string*>;
    std::vector<std::vector<Candidate>> longest_;
};

// How a grid's cell looks beside its text (row 0 and column 0 fixed, grey;
// value cells right-aligned): the model's data for the roles other than the
// text.
QVariant GridCellLook(std::size_t row, std::size_t column, int role);

// The number box above a grid (the rotation of view 3, the year of view 10):
// its caption and the box, added to `radek` and followed by a stretch. The
// box takes a typed value when Enter is pressed or it loses the focus.
QSpinBox* NewSpinBox(QBoxLayout& row, QWidget* parent, const QString& label,
                     const QString& objectName, int from, int to, int start);

} // namespace hk
