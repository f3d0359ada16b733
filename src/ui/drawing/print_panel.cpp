#include "ui/drawing/print_panel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace hk {

PrintPanel::PrintPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("Tisk výce zákresů najednou od aktuálního"), parent),
      CheckBox1(new QCheckBox(QStringLiteral("Poly tisk"), this)),
      Edit1(new QLineEdit(QStringLiteral("1"), this)),
      Button4(new QPushButton(QStringLiteral("Tisk"), this)),
      SpeedButton1(new QPushButton(QStringLiteral("?"), this)) {
    setObjectName(QStringLiteral("GroupBox2"));
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Button4->setObjectName(QStringLiteral("Button4"));
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    Edit1->setMaximumWidth(50);
    SpeedButton1->setMaximumWidth(28);
    setAutoFillBackground(true);
    auto* l = new QGridLayout(this);
    l->addWidget(CheckBox1, 0, 0);
    l->addWidget(new QLabel(QStringLiteral("počet"), this), 0, 1);
    l->addWidget(Edit1, 0, 2);
    l->addWidget(Button4, 1, 0, 1, 2);
    l->addWidget(SpeedButton1, 1, 2);
    hide();
}

void PrintPanel::ukaz() {
    Edit1->setText(QStringLiteral("1"));
    adjustSize();
    show();
    raise();
}

} // namespace hk
