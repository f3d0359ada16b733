#include "ui/results/official_csv_panel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "records/session.h"
#include "results/report_file.h"
#include "ui/frame/messages.h"
#include "ui/frame/ui_helpers.h"

namespace hk {

namespace {

const QColor Required(0xc0, 0xc0, 0xc0);

QLineEdit* newField(const char* name, bool required, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMinimumWidth(300);
    QPalette pal = e->palette();
    pal.setColor(QPalette::Base, required ? Required : QColor(Qt::white));
    e->setPalette(pal);
    return e;
}

QPushButton* button(const QString& text, const char* name, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

OfficialCsvPanel::OfficialCsvPanel(const Session& session, Messages& messages, QWidget* parent)
    : QFrame(parent), session_(session), messages_(messages), lastMethod_(q(MethodProjection)) {
    setObjectName(QStringLiteral("PanelOficCSV"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);

    observatoryEdit_ = newField("Observator", true, this);
    stationNumberEdit_ = newField("CisloSL", true, this);
    addressBox_ = newField("Adresa", false, this);
    telEmail_ = newField("TelEmail", false, this);
    instrumentEdit_ = newField("Pristroj", true, this);
    methodBox_ = new QComboBox(this);
    methodBox_->setObjectName(QStringLiteral("Metoda"));
    methodBox_->addItems({q(MethodProjection), q(MethodVisual)});
    QPalette pal = methodBox_->palette();
    pal.setColor(QPalette::Base, Required);
    pal.setColor(QPalette::Button, Required);
    methodBox_->setPalette(pal);
    monthEdit_ = new QLineEdit(this);
    monthEdit_->setObjectName(QStringLiteral("MesicRok"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Observatoř"), observatoryEdit_);
    form->addRow(QStringLiteral("Číslo SL"), stationNumberEdit_);
    form->addRow(QStringLiteral("Adresa"), addressBox_);
    form->addRow(QStringLiteral("tel. email"), telEmail_);
    form->addRow(QStringLiteral("Přístroj"), instrumentEdit_);
    form->addRow(QStringLiteral("Metoda"), methodBox_);
    form->addRow(q(EnterMonthYear), monthEdit_);

    auto* givenMonth = button(QStringLiteral("Zadaný měsíc"), "ZadanyMesic", this);
    auto* year = button(QStringLiteral("Celý  rok"), "CelyRok", this);
    auto* toEnd = button(QStringLiteral("Do konce"), "DoKonce", this);
    auto* info = button(QStringLiteral("?"), "InfoOficCSV", this);
    auto* x = button(QStringLiteral("X"), "XOficCSV", this);
    info->setFixedWidth(28);
    x->setFixedWidth(28);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {givenMonth, year, toEnd})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(info);
    buttons->addWidget(x);

    auto* title = new QLabel(QStringLiteral("Uložit Oficiální do souboru CSV"), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(givenMonth, &QPushButton::clicked, this, &OfficialCsvPanel::onGivenMonthClicked);
    connect(year, &QPushButton::clicked, this, &OfficialCsvPanel::onWholeYearClicked);
    connect(toEnd, &QPushButton::clicked, this, &OfficialCsvPanel::onToEndClicked);
    connect(info, &QPushButton::clicked, this, &OfficialCsvPanel::onInfoClicked);
    connect(x, &QPushButton::clicked, this, &QWidget::hide);
    connect(methodBox_, &QComboBox::currentTextChanged, this,
            [this](const QString& m) { lastMethod_ = m; });
}

void OfficialCsvPanel::setTable(const StationData& data) {
    data_ = data;
    const OfficialFields f = OfficialFieldsFrom(data, lastMethod_.toStdString());
    observatoryEdit_->setText(q(f.observatory));
    stationNumberEdit_->setText(q(f.stationNumber));
    addressBox_->setText(q(f.address));
    telEmail_->setText(q(f.telEmail));
    instrumentEdit_->setText(q(f.instrument));
    methodBox_->setCurrentText(lastMethod_);
}

OfficialFields OfficialCsvPanel::pole() const {
    OfficialFields f = OfficialFieldsFrom(data_, methodBox_->currentText().toStdString());
    f.observatory = observatoryEdit_->text().toStdString();
    f.stationNumber = stationNumberEdit_->text().toStdString();
    f.address = addressBox_->text().toStdString();
    f.telEmail = telEmail_->text().toStdString();
    f.instrument = instrumentEdit_->text().toStdString();
    return f;
}

void OfficialCsvPanel::onGivenMonthClicked() {
    saveSheets(Range::Month);
}
void OfficialCsvPanel::onWholeYearClicked() {
    saveSheets(Range::Year);
}
void OfficialCsvPanel::onToEndClicked() {
    saveSheets(Range::ToEnd);
}

void OfficialCsvPanel::onInfoClicked() {
    messages_.showMessage(q(OfficialInformation));
}

void OfficialCsvPanel::saveSheets(Range range) {
    const OfficialFields f = pole();
    if (const auto refusal = CheckOfficialFields(f)) {
        messages_.showMessage(q(*refusal));
        return;
    }
    const auto month = ParseMonthText(monthEdit_->text().toStdString());
    if (!month) {
        messages_.showMessage(q(BadMonth));
        return;
    }
    const auto records = session_.records();
    const std::vector<MonthChoice> months = range == Range::Year    ? OfficialWholeYear(*month)
                                            : range == Range::ToEnd ? OfficialToEnd(records, *month)
                                                                    : std::vector{*month};
    if (months.empty()) {
        messages_.showMessage(q(NoMonthToEnd));
        return;
    }
    std::vector<std::filesystem::path> written;
    if (!runCommand(messages_, [&] {
            BusyCursor busy;
            for (const MonthChoice& m : months)
                written.push_back(WriteReportFile(
                    session_.dir, BuildOfficialSheet(records, m, f, session_.observerTable())));
        }))
        return;
    messages_.showMessage(q(SavedMessage(session_.dir, written)));
}

} // namespace hk
