#include "ui/results/group_evolution_panel.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include "results/group_evolution.h"
#include "ui/results/results_grid.h"

namespace hk {

GroupEvolutionPanel::GroupEvolutionPanel(QWidget* parent) : QWidget(parent) {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel2"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(panel);
    spin_ = NewSpinBox(*row, panel, QStringLiteral("Číslo otočky"), QStringLiteral("SpinEdit1"),
                       EvolutionRotationFrom, EvolutionRotationTo, EvolutionRotationStart);
    spin_->installEventFilter(this);

    grid_ = NewGrid(QStringLiteral("StringGrid2"), this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(grid_, 1);
    connect(spin_, &QSpinBox::valueChanged, this, &GroupEvolutionPanel::change);
}

void GroupEvolutionPanel::setTable(const ResultsGrid& table) {
    FillGrid(*grid_, table);
}

bool GroupEvolutionPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == spin_ && event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) emit enter();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace hk
