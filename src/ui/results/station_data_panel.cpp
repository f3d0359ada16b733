#include "ui/results/station_data_panel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace hk {

namespace {
constexpr int SpareRow = StationDataSpareRow - 1; // 0-based table row
constexpr int LabelWidth = 190;
constexpr int ValueWidth = 330;
const QColor Rezerva(0xc0, 0xc0, 0xc0);
const QColor Selected(0xe0, 0xe0, 0xe0);
} // namespace

StationDataPanel::StationDataPanel(QWidget* parent)
    : QFrame(parent), stationGrid_(new QTableWidget(StationDataRows, 2, this)) {
    setObjectName(QStringLiteral("PanelObecnaData"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);

    auto* title = new QLabel(QStringLiteral("Potřebná data"), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKobecna"));
    auto* x = new QPushButton(QStringLiteral("X"), this);
    x->setObjectName(QStringLiteral("Xobecna"));
    x->setFixedWidth(28);

    stationGrid_->setObjectName(QStringLiteral("StringGrid12"));
    stationGrid_->horizontalHeader()->hide();
    stationGrid_->verticalHeader()->hide();
    stationGrid_->setColumnWidth(0, LabelWidth);
    stationGrid_->setColumnWidth(1, ValueWidth);
    stationGrid_->setSelectionMode(QAbstractItemView::SingleSelection);
    stationGrid_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    QPalette pal = stationGrid_->palette();
    pal.setColor(QPalette::Highlight, Selected);
    pal.setColor(QPalette::HighlightedText, Qt::black);
    stationGrid_->setPalette(pal);
    for (int r = 0; r < StationDataRows; ++r) {
        auto* label = new QTableWidgetItem(QString::fromUtf8(
            StationDataLabels[static_cast<std::size_t>(r)].data(),
            static_cast<int>(StationDataLabels[static_cast<std::size_t>(r)].size())));
        label->setFlags(Qt::ItemIsEnabled);
        stationGrid_->setItem(r, 0, label);
        auto* value = new QTableWidgetItem();
        if (r == SpareRow) {
            // Kept as read from the file; never edited or selected.
            value->setFlags(Qt::NoItemFlags);
            value->setBackground(Rezerva);
            label->setBackground(Rezerva);
        } else {
            value->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
        }
        stationGrid_->setItem(r, 1, value);
    }
    stationGrid_->setFixedWidth(LabelWidth + ValueWidth + 4);
    stationGrid_->setFixedHeight(stationGrid_->rowHeight(0) * StationDataRows + 4);
    // A click on the reserved row moves on to the next one.
    connect(stationGrid_, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        if (row == SpareRow) stationGrid_->setCurrentCell(row + 1, column);
    });

    auto* header = new QHBoxLayout;
    header->addWidget(title);
    header->addStretch(1);
    header->addWidget(x);
    auto* dole = new QHBoxLayout;
    dole->addStretch(1);
    dole->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(stationGrid_);
    layout->addLayout(dole);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(ok, &QPushButton::clicked, this, &StationDataPanel::onOkClicked);
    connect(x, &QPushButton::clicked, this, &StationDataPanel::onCloseClicked);
}

void StationDataPanel::setTable(const Values& values) {
    for (int r = 0; r < StationDataRows; ++r)
        stationGrid_->item(r, 1)->setText(
            r == SpareRow ? QString()
                          : QString::fromStdString(values[static_cast<std::size_t>(r)]));
}

StationDataPanel::Values StationDataPanel::values() const {
    Values h;
    for (int r = 0; r < StationDataRows; ++r)
        h[static_cast<std::size_t>(r)] = stationGrid_->item(r, 1)->text().toStdString();
    return h;
}

void StationDataPanel::onOkClicked() {
    // An edit in progress counts: leaving the cell commits it.
    stationGrid_->setCurrentItem(nullptr);
    hide();
    emit confirmed();
}

void StationDataPanel::onCloseClicked() {
    hide();
}

} // namespace hk
