#include "ui/drawing/split_panel.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace hk {

SplitPanel::SplitPanel(QWidget* parent)
    : QFrame(parent), StringGrid4(new QTableWidget(5, 2, this)),
      rozdeleni(new QPushButton(QStringLiteral("Provést rozdělení"), this)) {
    setObjectName(QStringLiteral("Panel2"));
    StringGrid4->setObjectName(QStringLiteral("StringGrid4"));
    rozdeleni->setObjectName(QStringLiteral("rozdeleni"));
    setFrameShape(QFrame::Panel);
    setAutoFillBackground(true);
    StringGrid4->setHorizontalHeaderLabels(
        {QStringLiteral("   Od kdy "), QStringLiteral("    Do kdy")});
    StringGrid4->setToolTip(QStringLiteral("Formát  př.    02.08.2011"));
    StringGrid4->verticalHeader()->setDefaultSectionSize(20);
    StringGrid4->setColumnWidth(0, 95);
    StringGrid4->setColumnWidth(1, 95);
    StringGrid4->setMinimumSize(230, 150);
    auto* l = new QVBoxLayout(this);
    l->addWidget(StringGrid4);
    l->addWidget(rozdeleni);
    hide();
}

std::array<SplitRow, 5> SplitPanel::radky() const {
    std::array<SplitRow, 5> rows;
    for (int r = 0; r < 5; ++r) {
        auto cell = [&](int c) {
            const QTableWidgetItem* item = StringGrid4->item(r, c);
            return item ? item->text().trimmed().toStdString() : std::string();
        };
        rows[static_cast<std::size_t>(r)] = {cell(0), cell(1)};
    }
    return rows;
}

} // namespace hk
