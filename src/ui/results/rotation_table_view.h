#pragma once
// View 8 of the results window, "Údaje pro mapu": the captions above the
// grid, the grid of the rotations and the status line under it.
#include <QWidget>

#include "results/results_grid.h"

class QLabel;
class QTableView;

namespace hk {

class RotationTableView : public QWidget {
  public:
    explicit RotationTableView(QWidget* parent = nullptr);
    // Shows the table and the status line below it.
    void setTable(const ResultsGrid& table, const QString& state);
    QTableView* grid() const { return rotationGrid_; }

  private:
    QTableView* rotationGrid_;
    QLabel* state_;
};

} // namespace hk
