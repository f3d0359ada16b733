#include "ui/results/rotation_table_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "results/rotation_table.h"
#include "ui/results/results_grid.h"

namespace hk {

RotationTableView::RotationTableView(QWidget* parent)
    : QWidget(parent), StringGrid5_(NovaMrizka(QStringLiteral("StringGrid5"), this)),
      stav_(new QLabel(this)) {
    setObjectName(QStringLiteral("UdajeProMapu"));
    stav_->setObjectName(QStringLiteral("LabelMapa"));
    auto* nadpisy = new QHBoxLayout;
    int i = 0;
    for (const char* text : RotationTableCaptions) {
        // "\r" breaks a caption into two lines.
        auto* l =
            new QLabel(QString::fromUtf8(text).replace(QLatin1Char('\r'), QLatin1Char('\n')), this);
        l->setObjectName(QStringLiteral("LabelMapa%1").arg(++i));
        l->setAlignment(Qt::AlignCenter);
        nadpisy->addWidget(l);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(nadpisy);
    layout->addWidget(StringGrid5_, 1);
    layout->addWidget(stav_);
}

void RotationTableView::nastav(const ResultsGrid& tabulka, const QString& stav) {
    VyplnMrizku(*StringGrid5_, tabulka);
    stav_->setText(stav);
}

} // namespace hk
