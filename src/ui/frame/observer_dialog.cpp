#include "ui/frame/observer_dialog.h"
#include "ui/frame/ui_helpers.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace hk {

ObserverDialog::ObserverDialog(const std::vector<std::string>& pozorovatele, QWidget* parent)
    : QDialog(parent), ComboBox1_(new QComboBox(this)) {
    setObjectName(QStringLiteral("OKBottomDlg"));
    setWindowTitle(QStringLiteral("Vybrat pozorovatele"));
    setModal(true);

    auto* label = new QLabel(QStringLiteral("Pozorovatel"), this);
    label->setObjectName(QStringLiteral("Label1"));
    ComboBox1_->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1_->setEditable(true);
    ComboBox1_->setInsertPolicy(QComboBox::NoInsert);
    // The known names up to the first empty one.
    QStringList jmena;
    for (const std::string& jmeno : pozorovatele) {
        if (jmeno.empty()) break;
        jmena << QString::fromStdString(jmeno);
    }
    ComboBox1_->addItems(seraditCesky(jmena));
    ComboBox1_->setCurrentIndex(-1);
    ComboBox1_->setMinimumWidth(250);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &ObserverDialog::OKBtnClick);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    cancel->setVisible(false);

    auto* radek = new QHBoxLayout;
    radek->addWidget(label);
    radek->addWidget(ComboBox1_, 1);
    auto* tlacitka = new QHBoxLayout;
    tlacitka->addStretch(1);
    tlacitka->addWidget(ok);
    tlacitka->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(radek);
    layout->addLayout(tlacitka);
}

void ObserverDialog::OKBtnClick() {
    vybrany_ = ComboBox1_->currentText().trimmed();
    if (!vybrany_.isEmpty()) accept();
}

void ObserverDialog::reject() {
    if (!vybrany_.isEmpty()) QDialog::reject();
}

void ObserverDialog::closeEvent(QCloseEvent* event) {
    if (vybrany_.isEmpty())
        event->ignore();
    else
        event->accept();
}

QString ObserverDialog::vyber(const std::vector<std::string>& pozorovatele, QWidget* parent) {
    ObserverDialog d(pozorovatele, parent);
    d.exec();
    return d.VybranyPozorovatel();
}

} // namespace hk
