#include "ui/results/results_grid.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>

namespace hk {

namespace {
const QColor Pevna(0xe8, 0xe8, 0xe8);
}

QTableWidget* NovaMrizka(const QString& objectName, QWidget* parent) {
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

void VyplnMrizku(QTableWidget& mrizka, const ResultsGrid& tabulka) {
    mrizka.clearContents();
    mrizka.setRowCount(static_cast<int>(tabulka.rowCount()));
    mrizka.setColumnCount(static_cast<int>(tabulka.columnCount()));
    for (std::size_t r = 0; r < tabulka.rowCount(); ++r) {
        const auto& row = tabulka.cells[r];
        for (std::size_t c = 0; c < row.size() && c < tabulka.columnCount(); ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(row[c]));
            const bool pevna = r == 0 || c == 0;
            item->setTextAlignment(Qt::AlignVCenter | (c == 0 ? Qt::AlignLeft : Qt::AlignRight));
            if (pevna) item->setBackground(Pevna);
            mrizka.setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    mrizka.resizeColumnsToContents();
}

QSpinBox* NovyCiselnik(QBoxLayout& radek, QWidget* parent, const QString& popisek,
                       const QString& objectName, int od, int po, int start) {
    radek.addWidget(new QLabel(popisek, parent));
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(objectName);
    spin->setRange(od, po);
    spin->setValue(start);
    spin->setKeyboardTracking(false);
    radek.addWidget(spin);
    radek.addStretch(1);
    return spin;
}

} // namespace hk
