#include "ui/results/results_grid.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>

namespace hk {

namespace {
const QColor Fixed(0xe8, 0xe8, 0xe8);
}

QTableWidget* NewGrid(const QString& objectName, QWidget* parent) {
    auto* m = new QTableWidget(parent);
    m->setObjectName(objectName);
    m->horizontalHeader()->hide();
    m->verticalHeader()->hide();
    m->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m->setSelectionMode(QAbstractItemView::SingleSelection);
    m->setWordWrap(false);
    QFont f = m->font();
    f.setBold(true);
    m->setFont(f);
    m->verticalHeader()->setDefaultSectionSize(m->fontMetrics().height() + 4);
    return m;
}

void FillGrid(QTableWidget& grid, const ResultsGrid& table) {
    grid.clearContents();
    grid.setRowCount(static_cast<int>(table.rowCount()));
    grid.setColumnCount(static_cast<int>(table.columnCount()));
    for (std::size_t r = 0; r < table.rowCount(); ++r) {
        const auto& row = table.cells[r];
        for (std::size_t c = 0; c < row.size() && c < table.columnCount(); ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(row[c]));
            const bool fixed = r == 0 || c == 0;
            item->setTextAlignment(Qt::AlignVCenter | (c == 0 ? Qt::AlignLeft : Qt::AlignRight));
            if (fixed) item->setBackground(Fixed);
            grid.setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    grid.resizeColumnsToContents();
}

QSpinBox* NewSpinBox(QBoxLayout& row, QWidget* parent, const QString& label,
                     const QString& objectName, int from, int to, int start) {
    row.addWidget(new QLabel(label, parent));
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(objectName);
    spin->setRange(from, to);
    spin->setValue(start);
    spin->setKeyboardTracking(false);
    row.addWidget(spin);
    row.addStretch(1);
    return spin;
}

} // namespace hk
