#pragma once
// View 8 of the results window, "Údaje pro mapu": the captions above the
// grid, the grid of the rotations and the status line under it.
#include <QWidget>

#include "results/results_grid.h"

class QLabel;
class QTableWidget;

namespace hk {

class RotationTableView : public QWidget {
  public:
    explicit RotationTableView(QWidget* parent = nullptr);
    // Shows the table and the status line below it.
    void nastav(const ResultsGrid& tabulka, const QString& stav);
    QTableWidget* mrizka() const { return StringGrid5_; }

  private:
    QTableWidget* StringGrid5_;
    QLabel* stav_;
};

} // namespace hk
