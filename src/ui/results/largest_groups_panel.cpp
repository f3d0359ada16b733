#include "ui/results/largest_groups_panel.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "results/largest_groups.h"
#include "ui/results/results_grid.h"

namespace hk {

LargestGroupsPanel::LargestGroupsPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("Seřazení skupin podle velikosti za jeden rok"), parent) {
    setObjectName(QStringLiteral("GroupBox2"));
    auto* radek = new QHBoxLayout;
    spin_ = NovyCiselnik(*radek, this, QStringLiteral("Zadej rok"), QStringLiteral("SpinEdit2"),
                         VelikostRokOd, VelikostRokDo, VelikostRokStart);
    spin_->installEventFilter(this);
    mrizka_ = NovaMrizka(QStringLiteral("StringGrid7"), this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(radek);
    layout->addWidget(mrizka_, 1);
    connect(spin_, &QSpinBox::valueChanged, this, [this](int rok) {
        if (rok > VelikostRokOd) emit zmena(rok);
    });
}

void LargestGroupsPanel::nastav(const ResultsGrid& tabulka) {
    VyplnMrizku(*mrizka_, tabulka);
}

bool LargestGroupsPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == spin_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) emit zmena(spin_->value());
    }
    return QGroupBox::eventFilter(watched, event);
}

} // namespace hk
