#include "ui/results/observer_results_panel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "records/session.h"
#include "results/report_file.h"
#include "ui/frame/messages.h"
#include "ui/frame/ui_helpers.h"
#include "ui/results/results_grid.h"

namespace hk {

namespace {
const QColor Background(220, 220, 220);

// Column 0 S(120) wide, the others S(80); the grid as wide as its columns
// and 39 pixels of frame and scroll bar.
void sizeGrid(QTableView& m, int percent) {
    const auto S = [percent](int v) { return v * percent / 100; };
    m.setColumnWidth(0, S(120));
    for (int c = 1; c < m.model()->columnCount(); ++c)
        m.setColumnWidth(c, S(80));
    m.setFixedWidth(6 * S(80) + S(120) + 39);
}
} // namespace

ObserverResultsPanel::ObserverResultsPanel(const Session& session, Messages& messages,
                                           QWidget* parent)
    : QGroupBox(QStringLiteral("Výsledky pro jednotlivé pozorovatele"), parent), session_(session),
      messages_(messages) {
    setObjectName(QStringLiteral("GroupBox3"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Background);
    setPalette(pal);

    auto* inputBox = new QGroupBox(QStringLiteral("Zadání"), this);
    inputBox->setObjectName(QStringLiteral("zadani"));
    auto* row = new QHBoxLayout(inputBox);
    auto* label = new QLabel(QStringLiteral("Pozorovatel"), inputBox);
    label->setObjectName(QStringLiteral("StaticText7"));
    combo_ = new QComboBox(inputBox);
    combo_->setObjectName(QStringLiteral("ComboBox2"));
    combo_->setMinimumContentsLength(24);
    summaryLabel_ = new QLabel(QStringLiteral("x"), inputBox);
    summaryLabel_->setObjectName(QStringLiteral("Panel14"));
    summaryLabel_->setFrameShape(QFrame::Panel);
    summaryLabel_->setFrameShadow(QFrame::Sunken);
    summaryLabel_->setMinimumWidth(260);
    csv_ = new QPushButton(QStringLiteral("CSV"), inputBox);
    csv_->setObjectName(QStringLiteral("Button11"));
    csv_->setToolTip(q(ObserverDailyHint));
    csv_->hide();
    row->addWidget(label);
    row->addWidget(combo_);
    row->addWidget(summaryLabel_);
    row->addWidget(csv_);
    row->addStretch(1);

    grid_ = NewGrid(QStringLiteral("StringGrid10"), this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(inputBox);
    layout->addWidget(grid_, 1, Qt::AlignLeft);
    connect(combo_, &QComboBox::activated, this, &ObserverResultsPanel::onObserverChosen);
    connect(csv_, &QPushButton::clicked, this, &ObserverResultsPanel::onCsvClicked);
    clear();
}

void ObserverResultsPanel::refresh() {
    combo_->clear();
    for (const std::string& name : session_.observers())
        if (!name.empty()) combo_->addItem(q(name));
    combo_->setCurrentIndex(-1);
    summaryLabel_->clear();
}

void ObserverResultsPanel::clear() {
    list_ = BuildObserverDrawings({}, {});
    ResultsGrid g = list_.grid;
    g.cells.emplace_back(g.cells.front().size());
    FillGrid(*grid_, g);
    sizeGrid(*grid_, session_.sizePercent());
    csv_->hide();
}

void ObserverResultsPanel::onObserverChosen() {
    observerName_ = combo_->currentText();
    list_ = BuildObserverDrawings(session_.records(), observerName_.toStdString());
    // Two empty rows end the list.
    ResultsGrid g = list_.grid;
    g.cells.emplace_back(g.cells.front().size());
    g.cells.emplace_back(g.cells.front().size());
    FillGrid(*grid_, g);
    sizeGrid(*grid_, session_.sizePercent());
    summaryLabel_->setText(q(list_.summary));
    csv_->setVisible(list_.n > 0);
}

void ObserverResultsPanel::onCsvClicked() {
    if (list_.n == 0) return;
    const ReportFile file =
        ObserverDrawingsCsv(list_, observerName_.toStdString(), session_.records());
    std::filesystem::path written;
    if (!runCommand(messages_, [&] { written = WriteReportFile(session_.dir, file); })) return;
    messages_.showMessage(q(SavedMessage(session_.dir, {written})));
    csv_->hide();
}

} // namespace hk
