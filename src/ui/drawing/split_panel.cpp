#include "ui/drawing/split_panel.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace hk {

SplitPanel::SplitPanel(QWidget* parent)
    : QFrame(parent), splitTable(new QTableWidget(5, 2, this)),
      splitButton(new QPushButton(QStringLiteral("Provést rozdělení"), this)) {
    setObjectName(QStringLiteral("Panel2"));
    splitTable->setObjectName(QStringLiteral("StringGrid4"));
    splitButton->setObjectName(QStringLiteral("rozdeleni"));
    setFrameShape(QFrame::Panel);
    setAutoFillBackground(true);
    splitTable->setHorizontalHeaderLabels(
        {QStringLiteral("   Od kdy "), QStringLiteral("    Do kdy")});
    splitTable->setToolTip(QStringLiteral("Formát  př.    02.08.2011"));
    splitTable->verticalHeader()->setDefaultSectionSize(20);
    splitTable->setColumnWidth(0, 95);
    splitTable->setColumnWidth(1, 95);
    splitTable->setMinimumSize(230, 150);
    auto* l = new QVBoxLayout(this);
    l->addWidget(splitTable);
    l->addWidget(splitButton);
    hide();
}

std::array<SplitRow, 5> SplitPanel::rows() const {
    std::array<SplitRow, 5> rows;
    for (int r = 0; r < 5; ++r) {
        auto cell = [&](int c) {
            const QTableWidgetItem* item = splitTable->item(r, c);
            return item ? item->text().trimmed().toStdString() : std::string();
        };
        rows[static_cast<std::size_t>(r)] = {cell(0), cell(1)};
    }
    return rows;
}

} // namespace hk
