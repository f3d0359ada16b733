#include "ui/results/intersol_panel.h"
#include "ui/frame/ui_helpers.h"

#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

#include "records/session.h"
#include "results/report_file.h"
#include "ui/frame/messages.h"
#include "ui/results/results_grid.h"

namespace hk {

namespace {

constexpr std::string_view ObserverTableFile = "pozorovatelep.dat";
const QColor Missing(255, 255, 160);

void paintField(QLineEdit* pole, const QColor& colour) {
    QPalette pal = pole->palette();
    pal.setColor(QPalette::Base, colour);
    pole->setPalette(pal);
}

} // namespace

QLineEdit* InterSolPanel::pole(const char* name, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    return e;
}

InterSolPanel::InterSolPanel(SessionModel& model, Messages& messages,
                             std::function<const StationData&()> stationData, QWidget* parent)
    : QFrame(parent), model_(model), session_(model.session()), messages_(messages),
      stationData_(std::move(stationData)) {
    setObjectName(QStringLiteral("PanelInterSol"));

    auto* group = new QGroupBox(QStringLiteral("Koeficienty Inter SOL "), this);
    group->setObjectName(QStringLiteral("GroupBoxInterSol"));
    monthEdit_ = pole("mesicIS", group);
    monthEdit_->setFixedWidth(90);
    observerBox_ = new QComboBox(group);
    observerBox_->setObjectName(QStringLiteral("pozorovatelIS"));
    observerBox_->setMinimumWidth(180);
    numberEdit_ = pole("cisloIS", group);
    numberEdit_->setFixedWidth(60);
    showButton_ = new QPushButton(QStringLiteral("Zobrazit"), group);
    showButton_->setObjectName(QStringLiteral("zobrazitIS"));
    toFileButton_ = new QPushButton(QStringLiteral("Do souboru"), group);
    toFileButton_->setObjectName(QStringLiteral("dosouboruIS"));
    toFileButton_->setEnabled(false);

    // Two rows, so that the panel fits a narrow window.
    auto* inputs = new QGridLayout;
    inputs->addWidget(new QLabel(QStringLiteral("Měsíc rok př. 2.2000"), group), 0, 0);
    inputs->addWidget(monthEdit_, 0, 1);
    inputs->addWidget(new QLabel(QStringLiteral("Pozorovatel"), group), 0, 2);
    inputs->addWidget(observerBox_, 0, 3);
    inputs->addWidget(new QLabel(QStringLiteral("č.pozorovatele"), group), 1, 0);
    inputs->addWidget(numberEdit_, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(showButton_);
    buttons->addWidget(toFileButton_);
    buttons->addStretch(1);
    inputs->addLayout(buttons, 1, 2, 1, 2);
    inputs->setColumnStretch(4, 1);
    observerGrid_ = NewGrid(QStringLiteral("StringGrid11"), group);
    auto* column = new QVBoxLayout(group);
    column->addLayout(inputs);
    column->addWidget(observerGrid_, 1);

    // The address panel, shown by "Do souboru".
    addressBox_ = new QFrame(this);
    addressBox_->setObjectName(QStringLiteral("PanelAdresa"));
    addressBox_->setFrameShape(QFrame::Panel);
    addressBox_->setFrameShadow(QFrame::Raised);
    observatoryEdit_ = pole("observatorIS", addressBox_);
    addressEdit_ = pole("adresaIS", addressBox_);
    email_ = pole("emailIS", addressBox_);
    instrumentEdit_ = pole("pristrojIS", addressBox_);
    streetEdit_ = pole("uliceIS", addressBox_);
    cityEdit_ = pole("mestoIS", addressBox_);
    postcodeEdit_ = pole("pscIS", addressBox_);
    auto* save = new QPushButton(QStringLiteral("Uložit"), addressBox_);
    save->setObjectName(QStringLiteral("ulozitIS"));
    auto* form = new QFormLayout(addressBox_);
    form->addRow(QStringLiteral("Observatoř"), observatoryEdit_);
    form->addRow(QStringLiteral("Adresa"), addressEdit_);
    form->addRow(QStringLiteral("tel. email"), email_);
    form->addRow(QStringLiteral("Přístroj"), instrumentEdit_);
    form->addRow(QStringLiteral("Ulice"), streetEdit_);
    form->addRow(QStringLiteral("Město"), cityEdit_);
    form->addRow(QStringLiteral(" PSČ"), postcodeEdit_);
    form->addRow(QString(), save);
    addressBox_->setFixedWidth(420);
    addressBox_->hide();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(group, 1);
    layout->addWidget(addressBox_, 0, Qt::AlignTop);

    connect(showButton_, &QPushButton::clicked, this, &InterSolPanel::onShowClicked);
    connect(toFileButton_, &QPushButton::clicked, this, &InterSolPanel::onToFileClicked);
    connect(save, &QPushButton::clicked, this, &InterSolPanel::onSaveClicked);
    // A known observer brings the number kept for him, unless one was typed.
    connect(observerBox_, &QComboBox::currentTextChanged, this, [this](const QString& name) {
        const QString typed = numberEdit_->text().trimmed();
        if (!typed.isEmpty() && typed != numberFromTable_) return;
        const auto* e = session_.observerTable().findByName(name.toStdString());
        numberFromTable_ = e ? q((*e)[0]) : QString();
        numberEdit_->setText(numberFromTable_);
    });
    reloadObservers();
}

void InterSolPanel::reloadObservers() {
    const QString chosen = observerBox_->currentText();
    observerBox_->clear();
    QStringList names;
    for (const std::string& name : session_.observers())
        names << q(name);
    observerBox_->addItems(sortCzech(names));
    observerBox_->setCurrentIndex(chosen.isEmpty() ? -1 : observerBox_->findText(chosen));
}

void InterSolPanel::setMonth(const QString& text) {
    monthEdit_->setText(text);
}

void InterSolPanel::onShowClicked() {
    const InterSolTable t = BuildInterSolTable(session_.records(), s(monthEdit_->text().trimmed()),
                                               observerBox_->currentText().toStdString(),
                                               s(numberEdit_->text().trimmed()));
    if (t.message) {
        toFileButton_->setEnabled(false);
        addressBox_->hide();
        if (t.message == BadInterSolInput) QApplication::beep();
        messages_.showMessage(q(*t.message));
        if (t.message == NoRecordsExist) {
            monthEdit_->clear();
            monthEdit_->setFocus();
        }
        return;
    }
    table_ = t;
    observer_ = observerBox_->currentText().toStdString();
    number_ = s(numberEdit_->text().trimmed());
    monthText_ = monthEdit_->text().trimmed();
    fillGrid();
    toFileButton_->setEnabled(true);
}

void InterSolPanel::fillGrid() {
    FillGrid(*observerGrid_, table_.grid);
    // The day rows share the grid's height.
    const int rows = table_.days + 3;
    const int height = std::max(observerGrid_->fontMetrics().height() + 2,
                                observerGrid_->viewport()->height() / rows - 1);
    for (int r = 0; r < observerGrid_->model()->rowCount(); ++r)
        observerGrid_->setRowHeight(r, height);
}

void InterSolPanel::onToFileClicked() {
    if (table_.grid.rowCount() == 0) return;
    const auto* record = session_.observerTable().findByName(observer_);
    const InterSolObserver who = InterSolObserverFor(observer_, record, stationData_());
    observatoryEdit_->setText(q(who.observatory));
    addressEdit_->setText(q(who.address));
    email_->setText(q(who.email));
    streetEdit_->setText(record ? q((*record)[2]) : QString());
    cityEdit_->setText(record ? q((*record)[3]) : QString());
    postcodeEdit_->setText(record ? q((*record)[4]) : QString());
    instrumentEdit_->clear();
    addressBox_->show();
}

void InterSolPanel::setInstrument(const QString& text) {
    if (addressBox_->isVisible()) instrumentEdit_->setText(text);
}

bool InterSolPanel::addressOpen() const {
    return addressBox_->isVisible();
}

void InterSolPanel::onSaveClicked() {
    if (instrumentEdit_->text().trimmed().isEmpty()) {
        paintField(instrumentEdit_, Missing);
        messages_.showMessage(q(NoInstrument));
        return;
    }
    const StationData& o = stationData_();
    instrumentEdit_->setText(q(o.row(2)));
    const InterSolObserver who{observer_, observatoryEdit_->text().toStdString(),
                               addressEdit_->text().toStdString(), email_->text().toStdString()};
    std::filesystem::path written;
    if (!runCommand(messages_, [&] {
            const ReportFile protocol = BuildInterSolProtocol(
                table_, who, number_, o,
                ReadInterSolRecipient(session_.dir.resolve(InterSolAddressFile)));
            written = WriteReportFile(session_.dir, protocol);
            addressBox_->hide();
            // The observer is kept with his number and address for the next time.
            model_.addObserver({number_, observer_, s(streetEdit_->text().trimmed()),
                                s(cityEdit_->text().trimmed()), s(postcodeEdit_->text().trimmed()),
                                std::string()});
            model_.writeObserverTable(session_.dir.resolve(ObserverTableFile));
        }))
        return;
    messages_.showMessage(q(SavedMessage(session_.dir, {written})));
    for (QLineEdit* e : {observatoryEdit_, addressEdit_, email_, instrumentEdit_, streetEdit_,
                         cityEdit_, postcodeEdit_})
        paintField(e, Qt::white);
    emit saved(monthText_);
}

} // namespace hk
