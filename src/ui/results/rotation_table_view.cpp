#include "ui/results/rotation_table_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

#include "results/rotation_table.h"
#include "ui/results/results_grid.h"

namespace hk {

RotationTableView::RotationTableView(QWidget* parent)
    : QWidget(parent), rotationGrid_(NewGrid(QStringLiteral("StringGrid5"), this)),
      state_(new QLabel(this)) {
    setObjectName(QStringLiteral("UdajeProMapu"));
    state_->setObjectName(QStringLiteral("LabelMapa"));
    auto* headingMetrics = new QHBoxLayout;
    int i = 0;
    for (const char* text : RotationTableCaptions) {
        // "\r" breaks a caption into two lines.
        auto* l =
            new QLabel(QString::fromUtf8(text).replace(QLatin1Char('\r'), QLatin1Char('\n')), this);
        l->setObjectName(QStringLiteral("LabelMapa%1").arg(++i));
        l->setAlignment(Qt::AlignCenter);
        headingMetrics->addWidget(l);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(headingMetrics);
    layout->addWidget(rotationGrid_, 1);
    layout->addWidget(state_);
}

void RotationTableView::setTable(const ResultsGrid& table, const QString& state) {
    FillGrid(*rotationGrid_, table);
    state_->setText(state);
}

} // namespace hk
