#include "ui/results/group_evolution_panel.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "results/group_evolution.h"
#include "ui/results/results_grid.h"

namespace hk {

GroupEvolutionPanel::GroupEvolutionPanel(QWidget* parent) : QWidget(parent) {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel2"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto* radek = new QHBoxLayout(panel);
    spin_ = NovyCiselnik(*radek, panel, QStringLiteral("Číslo otočky"), QStringLiteral("SpinEdit1"),
                         VyvojRotaceOd, VyvojRotaceDo, VyvojRotaceStart);
    spin_->installEventFilter(this);

    mrizka_ = NovaMrizka(QStringLiteral("StringGrid2"), this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(mrizka_, 1);
    connect(spin_, &QSpinBox::valueChanged, this, &GroupEvolutionPanel::zmena);
}

void GroupEvolutionPanel::nastav(const ResultsGrid& tabulka) {
    VyplnMrizku(*mrizka_, tabulka);
}

bool GroupEvolutionPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == spin_ && event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) emit enter();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace hk
