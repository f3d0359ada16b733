#include "ui/results/largest_groups_panel.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include "results/largest_groups.h"
#include "ui/results/results_grid.h"

namespace hk {

LargestGroupsPanel::LargestGroupsPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("Seřazení skupin podle velikosti za jeden rok"), parent) {
    setObjectName(QStringLiteral("GroupBox2"));
    auto* row = new QHBoxLayout;
    spin_ = NewSpinBox(*row, this, QStringLiteral("Zadej rok"), QStringLiteral("SpinEdit2"),
                       LargestYearFrom, LargestYearTo, LargestYearStart);
    spin_->installEventFilter(this);
    grid_ = NewGrid(QStringLiteral("StringGrid7"), this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(grid_, 1);
    connect(spin_, &QSpinBox::valueChanged, this, [this](int year) {
        if (year > LargestYearFrom) emit change(year);
    });
}

void LargestGroupsPanel::setTable(const ResultsGrid& table) {
    FillGrid(*grid_, table);
}

bool LargestGroupsPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == spin_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) emit change(spin_->value());
    }
    return QGroupBox::eventFilter(watched, event);
}

} // namespace hk
