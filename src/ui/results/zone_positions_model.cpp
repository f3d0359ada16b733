#include "ui/results/zone_positions_model.h"

#include <QTableView>
#include <algorithm>
#include <string>

#include "ui/results/results_grid.h"

namespace hk {

void ZonePositionsModel::setTable(ZonePositionsTable table) {
    beginResetModel();
    table_ = std::move(table);
    endResetModel();
}

int ZonePositionsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.rowCount());
}

int ZonePositionsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(ZonePositionsTable::Columns);
}

QVariant ZonePositionsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const auto r = static_cast<std::size_t>(index.row());
    const auto c = static_cast<std::size_t>(index.column());
    if (role != Qt::DisplayRole) return GridCellLook(r, c, role);
    return QString::fromStdString(table_.cell(r, c));
}

void FillZonesGrid(QTableView& view, ZonePositionsModel& model, ZonePositionsTable&& table) {
    model.setTable(std::move(table));
    const ZonePositionsTable& t = model.table();
    // The header row's texts, every label, and each number column's largest
    // value: the numbers are whole and not negative, and a number with more
    // digits is never narrower than one with fewer.
    constexpr std::size_t Columns = ZonePositionsTable::Columns;
    std::vector<std::string> texts(Columns);
    for (std::size_t c = 0; c < Columns; ++c)
        texts[c] = t.cell(0, c);
    ZoneCounts largest;
    for (const ZoneRow& r : t.rows)
        for (int z = 0; z < ZoneCount; ++z) {
            largest.g[z] = std::max(largest.g[z], r.counts.g[z]);
            largest.f[z] = std::max(largest.f[z], r.counts.f[z]);
        }
    std::vector<std::string> numbers(Columns);
    for (int z = 0; z < ZoneCount; ++z) {
        numbers[1 + z] = std::to_string(largest.g[z]);
        numbers[ZoneCount + 2 + z] = std::to_string(largest.f[z]);
    }
    ColumnWidths widths(Columns);
    for (std::size_t c = 0; c < Columns; ++c) {
        widths.offer(c, texts[c]);
        if (!t.rows.empty()) widths.offer(c, numbers[c]);
    }
    for (const ZoneRow& r : t.rows)
        widths.offer(0, r.label);
    widths.apply(view);
}

} // namespace hk
