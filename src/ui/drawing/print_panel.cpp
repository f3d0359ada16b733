#include "ui/drawing/print_panel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace hk {

PrintPanel::PrintPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("Tisk výce zákresů najednou od aktuálního"), parent),
      multiplePrintBox(new QCheckBox(QStringLiteral("Poly tisk"), this)),
      copiesEdit(new QLineEdit(QStringLiteral("1"), this)),
      printButton(new QPushButton(QStringLiteral("Tisk"), this)),
      helpButton(new QPushButton(QStringLiteral("?"), this)) {
    setObjectName(QStringLiteral("GroupBox2"));
    multiplePrintBox->setObjectName(QStringLiteral("CheckBox1"));
    copiesEdit->setObjectName(QStringLiteral("Edit1"));
    printButton->setObjectName(QStringLiteral("Button4"));
    helpButton->setObjectName(QStringLiteral("SpeedButton1"));
    copiesEdit->setMaximumWidth(50);
    helpButton->setMaximumWidth(28);
    setAutoFillBackground(true);
    auto* l = new QGridLayout(this);
    l->addWidget(multiplePrintBox, 0, 0);
    l->addWidget(new QLabel(QStringLiteral("počet"), this), 0, 1);
    l->addWidget(copiesEdit, 0, 2);
    l->addWidget(printButton, 1, 0, 1, 2);
    l->addWidget(helpButton, 1, 2);
    hide();
}

void PrintPanel::present() {
    copiesEdit->setText(QStringLiteral("1"));
    adjustSize();
    show();
    raise();
}

} // namespace hk
