#include "ui/results/observer_results_panel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "records/session.h"
#include "ui/frame/messages.h"
#include "ui/frame/ui_helpers.h"
#include "ui/results/results_grid.h"

namespace hk {

namespace {
const QColor Pozadi(220, 220, 220);

// Column 0 S(120) wide, the others S(80); the grid as wide as its columns
// and 39 pixels of frame and scroll bar.
void rozmery(QTableWidget& m, int procento) {
    const auto S = [procento](int v) { return v * procento / 100; };
    m.setColumnWidth(0, S(120));
    for (int c = 1; c < m.columnCount(); ++c)
        m.setColumnWidth(c, S(80));
    m.setFixedWidth(6 * S(80) + S(120) + 39);
}
} // namespace

ObserverResultsPanel::ObserverResultsPanel(const Session& session, Messages& zpravy,
                                           QWidget* parent)
    : QGroupBox(QStringLiteral("Výsledky pro jednotlivé pozorovatele"), parent), session_(session),
      zpravy_(zpravy) {
    setObjectName(QStringLiteral("GroupBox3"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Pozadi);
    setPalette(pal);

    auto* zadani = new QGroupBox(QStringLiteral("Zadání"), this);
    zadani->setObjectName(QStringLiteral("zadani"));
    auto* radek = new QHBoxLayout(zadani);
    auto* popisek = new QLabel(QStringLiteral("Pozorovatel"), zadani);
    popisek->setObjectName(QStringLiteral("StaticText7"));
    combo_ = new QComboBox(zadani);
    combo_->setObjectName(QStringLiteral("ComboBox2"));
    combo_->setMinimumContentsLength(24);
    souhrn_ = new QLabel(QStringLiteral("x"), zadani);
    souhrn_->setObjectName(QStringLiteral("Panel14"));
    souhrn_->setFrameShape(QFrame::Panel);
    souhrn_->setFrameShadow(QFrame::Sunken);
    souhrn_->setMinimumWidth(260);
    csv_ = new QPushButton(QStringLiteral("CSV"), zadani);
    csv_->setObjectName(QStringLiteral("Button11"));
    csv_->setToolTip(q(PozorovatelDenniHint));
    csv_->hide();
    radek->addWidget(popisek);
    radek->addWidget(combo_);
    radek->addWidget(souhrn_);
    radek->addWidget(csv_);
    radek->addStretch(1);

    mrizka_ = NovaMrizka(QStringLiteral("StringGrid10"), this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(zadani);
    layout->addWidget(mrizka_, 1, Qt::AlignLeft);
    connect(combo_, &QComboBox::activated, this, &ObserverResultsPanel::ComboBox2Change);
    connect(csv_, &QPushButton::clicked, this, &ObserverResultsPanel::Button11Click);
    vyprazdni();
}

void ObserverResultsPanel::obnov() {
    combo_->clear();
    for (const std::string& jmeno : session_.Pozorovatele())
        if (!jmeno.empty()) combo_->addItem(q(jmeno));
    combo_->setCurrentIndex(-1);
    souhrn_->clear();
}

void ObserverResultsPanel::vyprazdni() {
    seznam_ = BuildObserverDrawings({}, {});
    ResultsGrid g = seznam_.grid;
    g.cells.emplace_back(g.cells.front().size());
    VyplnMrizku(*mrizka_, g);
    rozmery(*mrizka_, session_.ProcentoVelikosti());
    csv_->hide();
}

void ObserverResultsPanel::ComboBox2Change() {
    jmeno_ = combo_->currentText();
    seznam_ = BuildObserverDrawings(session_.records(), jmeno_.toStdString());
    // Two empty rows end the list.
    ResultsGrid g = seznam_.grid;
    g.cells.emplace_back(g.cells.front().size());
    g.cells.emplace_back(g.cells.front().size());
    VyplnMrizku(*mrizka_, g);
    rozmery(*mrizka_, session_.ProcentoVelikosti());
    souhrn_->setText(q(seznam_.souhrn));
    csv_->setVisible(seznam_.n > 0);
}

void ObserverResultsPanel::Button11Click() {
    if (seznam_.n == 0) return;
    const ReportFile soubor =
        ObserverDrawingsCsv(seznam_, jmeno_.toStdString(), session_.records());
    if (!runCommand(zpravy_, [&] { WriteReportFile(session_.dir, soubor); })) return;
    zpravy_.Zprava(q(DataBylaUlozena));
    csv_->hide();
}

} // namespace hk
