#include "ui/drawing/save_drawings_panel.h"

#include <QGridLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace hk {

SaveDrawingsPanel::SaveDrawingsPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("Uložit zákresy  jako BMP od --- do "), parent),
      SpinEdit1(new QSpinBox(this)), SpinEdit2(new QSpinBox(this)), Edit2(new QLineEdit(this)),
      Label5(new QLabel(QStringLiteral("Q"), this)),
      Edit3(new QLineEdit(QStringLiteral("80"), this)),
      Button1(new QPushButton(QStringLiteral("OK"), this)) {
    setObjectName(QStringLiteral("ulozzakresy"));
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit2->setObjectName(QStringLiteral("SpinEdit2"));
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Label5->setObjectName(QStringLiteral("Label5"));
    Edit3->setObjectName(QStringLiteral("Edit3"));
    Button1->setObjectName(QStringLiteral("Button1"));
    Edit3->setToolTip(QStringLiteral("Kvalita jpg"));
    Edit3->setValidator(new QIntValidator(1, 100, Edit3));
    Edit3->setMaximumWidth(40);
    setAutoFillBackground(true);

    auto* l = new QGridLayout(this);
    l->addWidget(new QLabel(QStringLiteral("Od"), this), 0, 0);
    l->addWidget(SpinEdit1, 0, 1);
    l->addWidget(new QLabel(QStringLiteral("Do"), this), 0, 2);
    l->addWidget(SpinEdit2, 0, 3);
    l->addWidget(new QLabel(QStringLiteral("Znaky před "), this), 1, 0);
    l->addWidget(Edit2, 1, 1, 1, 3);
    l->addWidget(Label5, 2, 0);
    l->addWidget(Edit3, 2, 1);
    l->addWidget(Button1, 2, 3);
    hide();
}

void SaveDrawingsPanel::ukaz(bool bmp, int pocetZaznamu) {
    bmp_ = bmp;
    setTitle(bmp ? QStringLiteral("Uložit zákresy  jako BMP od --- do ")
                 : QStringLiteral("Uložit zákresy   JPG  od --- do "));
    Label5->setVisible(!bmp);
    Edit3->setVisible(!bmp);
    for (QSpinBox* s : {SpinEdit1, SpinEdit2}) {
        s->setRange(1, std::max(1, pocetZaznamu));
        s->setValue(std::max(1, pocetZaznamu));
    }
    adjustSize();
    show();
    raise();
}

} // namespace hk
