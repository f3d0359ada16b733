#pragma once
// View 3 of the results window: the panel `Panel2` with the rotation box
// "Číslo otočky" (`SpinEdit1`) and the grid `StringGrid2` of the group
// evolution.
#include <QWidget>

#include "results/results_grid.h"

class QSpinBox;
class QTableView;

namespace hk {

class GroupEvolutionPanel : public QWidget {
    Q_OBJECT
  public:
    explicit GroupEvolutionPanel(QWidget* parent);

    QSpinBox* rotationSpin() const { return spin_; }
    QTableView* grid() const { return grid_; }
    void setTable(const ResultsGrid& table);

  signals:
    // A new value of the rotation box (typed or stepped), or Enter.
    void change(int value);
    void enter();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QSpinBox* spin_;
    QTableView* grid_;
};

} // namespace hk
