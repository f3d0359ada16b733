#pragma once
// View 10 of the results window: the group box `GroupBox2` "Seřazení skupin
// podle velikosti za jeden rok" with the year box "Zadej rok" (`SpinEdit2`)
// and the grid `StringGrid7` of the largest groups.
#include <QGroupBox>

#include "results/results_grid.h"

class QSpinBox;
class QTableView;

namespace hk {

class LargestGroupsPanel : public QGroupBox {
    Q_OBJECT
  public:
    explicit LargestGroupsPanel(QWidget* parent);

    QSpinBox* yearSpin() const { return spin_; }
    QTableView* grid() const { return grid_; }
    void setTable(const ResultsGrid& table);

  signals:
    void change(int year); // a value above 1900, or Enter
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QSpinBox* spin_;
    QTableView* grid_;
};

} // namespace hk
