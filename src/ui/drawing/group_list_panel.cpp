#include "ui/drawing/group_list_panel.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "drawing/drawing_readout.h"
#include "text/number_format.h"

namespace hk {

GroupListPanel::GroupListPanel(QWidget* parent)
    : QFrame(parent), groupTable(new QTableWidget(DataRows, 2, this)),
      backButton(new QPushButton(QStringLiteral("Zrušit"), this)) {
    setObjectName(QStringLiteral("panel"));
    groupTable->setObjectName(QStringLiteral("StringGrid2"));
    backButton->setObjectName(QStringLiteral("Navrat"));
    setFrameShape(QFrame::Panel);
    setAutoFillBackground(true);
    groupTable->setHorizontalHeaderLabels(
        {QStringLiteral(" Č. skupiny"), QStringLiteral("Vzdál. stup.")});
    groupTable->verticalHeader()->hide();
    groupTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    groupTable->verticalHeader()->setDefaultSectionSize(18);
    groupTable->setColumnWidth(0, 90);
    groupTable->setColumnWidth(1, 80);
    groupTable->setMinimumSize(190, 120);
    groupTable->resize(190, 300);
    auto* l = new QVBoxLayout(this);
    l->addWidget(groupTable);
    l->addWidget(backButton);
    hide();
}

void GroupListPanel::fill(const TZaznam& z) {
    groupTable->clearContents();
    groupTable->setRowCount(std::max(DataRows, z.groupCount()));
    for (int k = 0; k < z.groupCount(); ++k) {
        const TSkupina& g = z.Skupiny[k];
        groupTable->setItem(k, 0,
                            new QTableWidgetItem(QStringLiteral("%1  %2").arg(g.CSk2, 4).arg(
                                QString::fromStdString(g.Typ.text()))));
        if (const auto d = AuxSpotDistance(g))
            groupTable->setItem(
                k, 1, new QTableWidgetItem(QString::fromStdString(FormatNumber(*d, "#0.0"))));
    }
}

} // namespace hk
