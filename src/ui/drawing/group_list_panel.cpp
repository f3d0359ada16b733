#include "ui/drawing/group_list_panel.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "drawing/drawing_readout.h"
#include "text/number_format.h"

namespace hk {

GroupListPanel::GroupListPanel(QWidget* parent)
    : QFrame(parent), StringGrid2(new QTableWidget(DataRows, 2, this)),
      Navrat(new QPushButton(QStringLiteral("Zrušit"), this)) {
    setObjectName(QStringLiteral("panel"));
    StringGrid2->setObjectName(QStringLiteral("StringGrid2"));
    Navrat->setObjectName(QStringLiteral("Navrat"));
    setFrameShape(QFrame::Panel);
    setAutoFillBackground(true);
    StringGrid2->setHorizontalHeaderLabels(
        {QStringLiteral(" Č. skupiny"), QStringLiteral("Vzdál. stup.")});
    StringGrid2->verticalHeader()->hide();
    StringGrid2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid2->verticalHeader()->setDefaultSectionSize(18);
    StringGrid2->setColumnWidth(0, 90);
    StringGrid2->setColumnWidth(1, 80);
    StringGrid2->setMinimumSize(190, 300);
    auto* l = new QVBoxLayout(this);
    l->addWidget(StringGrid2);
    l->addWidget(Navrat);
    hide();
}

void GroupListPanel::vypln(const TZaznam& z) {
    StringGrid2->clearContents();
    StringGrid2->setRowCount(std::max(DataRows, z.groupCount()));
    for (int k = 0; k < z.groupCount(); ++k) {
        const TSkupina& g = z.Skupiny[k];
        StringGrid2->setItem(k, 0,
                             new QTableWidgetItem(QStringLiteral("%1  %2").arg(g.CSk2, 4).arg(
                                 QString::fromStdString(g.Typ.text()))));
        if (const auto d = AuxSpotDistance(g))
            StringGrid2->setItem(
                k, 1, new QTableWidgetItem(QString::fromStdString(FormatNumber(*d, "#0.0"))));
    }
}

} // namespace hk
