#pragma once
// The "Polohy skupin" grid's model: the table of numbers kept as it is, a
// cell's text made only when the view draws it.
#include <QAbstractTableModel>

#include "results/zone_positions.h"

class QTableView;

namespace hk {

class ZonePositionsModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;
    void setTable(ZonePositionsTable table);
    const ZonePositionsTable& table() const { return table_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

  private:
    ZonePositionsTable table_;
};

// Shows the table in `view`, a grid made by NewGrid with a ZonePositionsModel,
// and sizes its columns from the widest label and the largest number of
// each column.
void FillZonesGrid(QTableView& view, ZonePositionsModel& model, ZonePositionsTable&& table);

} // namespace hk
