#include "ui/results/station_data_panel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace hk {

namespace {
constexpr int RowOfRezerva = ObecnaDataRezerva - 1; // 0-based table row
constexpr int LabelWidth = 190;
constexpr int ValueWidth = 330;
const QColor Rezerva(0xc0, 0xc0, 0xc0);
const QColor Vybrana(0xe0, 0xe0, 0xe0);
} // namespace

StationDataPanel::StationDataPanel(QWidget* parent)
    : QFrame(parent), StringGrid12_(new QTableWidget(ObecnaDataRadku, 2, this)) {
    setObjectName(QStringLiteral("PanelObecnaData"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);

    auto* titulek = new QLabel(QStringLiteral("Potřebná data"), this);
    QFont tucne = titulek->font();
    tucne.setBold(true);
    titulek->setFont(tucne);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKobecna"));
    auto* x = new QPushButton(QStringLiteral("X"), this);
    x->setObjectName(QStringLiteral("Xobecna"));
    x->setFixedWidth(28);

    StringGrid12_->setObjectName(QStringLiteral("StringGrid12"));
    StringGrid12_->horizontalHeader()->hide();
    StringGrid12_->verticalHeader()->hide();
    StringGrid12_->setColumnWidth(0, LabelWidth);
    StringGrid12_->setColumnWidth(1, ValueWidth);
    StringGrid12_->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid12_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    QPalette pal = StringGrid12_->palette();
    pal.setColor(QPalette::Highlight, Vybrana);
    pal.setColor(QPalette::HighlightedText, Qt::black);
    StringGrid12_->setPalette(pal);
    for (int r = 0; r < ObecnaDataRadku; ++r) {
        auto* popisek = new QTableWidgetItem(QString::fromUtf8(
            ObecnaDataPopisky[static_cast<std::size_t>(r)].data(),
            static_cast<int>(ObecnaDataPopisky[static_cast<std::size_t>(r)].size())));
        popisek->setFlags(Qt::ItemIsEnabled);
        StringGrid12_->setItem(r, 0, popisek);
        auto* hodnota = new QTableWidgetItem();
        if (r == RowOfRezerva) {
            // Kept as read from the file; never edited or selected.
            hodnota->setFlags(Qt::NoItemFlags);
            hodnota->setBackground(Rezerva);
            popisek->setBackground(Rezerva);
        } else {
            hodnota->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
        }
        StringGrid12_->setItem(r, 1, hodnota);
    }
    StringGrid12_->setFixedWidth(LabelWidth + ValueWidth + 4);
    StringGrid12_->setFixedHeight(StringGrid12_->rowHeight(0) * ObecnaDataRadku + 4);
    // A click on the reserved row moves on to the next one.
    connect(StringGrid12_, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        if (row == RowOfRezerva) StringGrid12_->setCurrentCell(row + 1, column);
    });

    auto* hlavicka = new QHBoxLayout;
    hlavicka->addWidget(titulek);
    hlavicka->addStretch(1);
    hlavicka->addWidget(x);
    auto* dole = new QHBoxLayout;
    dole->addStretch(1);
    dole->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(hlavicka);
    layout->addWidget(StringGrid12_);
    layout->addLayout(dole);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(ok, &QPushButton::clicked, this, &StationDataPanel::OKClick);
    connect(x, &QPushButton::clicked, this, &StationDataPanel::XClick);
}

void StationDataPanel::nastav(const Hodnoty& hodnoty) {
    for (int r = 0; r < ObecnaDataRadku; ++r)
        StringGrid12_->item(r, 1)->setText(
            r == RowOfRezerva ? QString()
                              : QString::fromStdString(hodnoty[static_cast<std::size_t>(r)]));
}

StationDataPanel::Hodnoty StationDataPanel::hodnoty() const {
    Hodnoty h;
    for (int r = 0; r < ObecnaDataRadku; ++r)
        h[static_cast<std::size_t>(r)] = StringGrid12_->item(r, 1)->text().toStdString();
    return h;
}

void StationDataPanel::OKClick() {
    // An edit in progress counts: leaving the cell commits it.
    StringGrid12_->setCurrentItem(nullptr);
    hide();
    emit potvrzeno();
}

void StationDataPanel::XClick() {
    hide();
}

} // namespace hk
