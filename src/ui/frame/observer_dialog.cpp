#include "ui/frame/observer_dialog.h"
#include "ui/frame/ui_helpers.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace hk {

ObserverDialog::ObserverDialog(const std::vector<std::string>& observerList, QWidget* parent)
    : QDialog(parent), observerBox_(new QComboBox(this)) {
    setObjectName(QStringLiteral("OKBottomDlg"));
    setWindowTitle(QStringLiteral("Vybrat pozorovatele"));
    setModal(true);

    auto* label = new QLabel(QStringLiteral("Pozorovatel"), this);
    label->setObjectName(QStringLiteral("Label1"));
    observerBox_->setObjectName(QStringLiteral("ComboBox1"));
    observerBox_->setEditable(true);
    observerBox_->setInsertPolicy(QComboBox::NoInsert);
    // The known names up to the first empty one.
    QStringList names;
    for (const std::string& name : observerList) {
        if (name.empty()) break;
        names << QString::fromStdString(name);
    }
    observerBox_->addItems(sortCzech(names));
    observerBox_->setCurrentIndex(-1);
    observerBox_->setMinimumWidth(250);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &ObserverDialog::onOkClicked);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    cancel->setVisible(false);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(observerBox_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
}

void ObserverDialog::onOkClicked() {
    chosen_ = observerBox_->currentText().trimmed();
    if (!chosen_.isEmpty()) accept();
}

void ObserverDialog::reject() {
    if (!chosen_.isEmpty()) QDialog::reject();
}

void ObserverDialog::closeEvent(QCloseEvent* event) {
    if (chosen_.isEmpty())
        event->ignore();
    else
        event->accept();
}

QString ObserverDialog::choose(const std::vector<std::string>& observerList, QWidget* parent) {
    ObserverDialog d(observerList, parent);
    d.exec();
    return d.chosenObserver();
}

} // namespace hk
