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
      fromSpin(new QSpinBox(this)), toSpin(new QSpinBox(this)), prefixEdit(new QLineEdit(this)),
      qLabel(new QLabel(QStringLiteral("Q"), this)),
      qualityEdit(new QLineEdit(QStringLiteral("80"), this)),
      saveButton(new QPushButton(QStringLiteral("OK"), this)) {
    setObjectName(QStringLiteral("ulozzakresy"));
    fromSpin->setObjectName(QStringLiteral("SpinEdit1"));
    toSpin->setObjectName(QStringLiteral("SpinEdit2"));
    prefixEdit->setObjectName(QStringLiteral("Edit2"));
    qLabel->setObjectName(QStringLiteral("Label5"));
    qualityEdit->setObjectName(QStringLiteral("Edit3"));
    saveButton->setObjectName(QStringLiteral("Button1"));
    qualityEdit->setToolTip(QStringLiteral("Kvalita jpg"));
    qualityEdit->setValidator(new QIntValidator(1, 100, qualityEdit));
    qualityEdit->setMaximumWidth(40);
    setAutoFillBackground(true);

    auto* l = new QGridLayout(this);
    l->addWidget(new QLabel(QStringLiteral("Od"), this), 0, 0);
    l->addWidget(fromSpin, 0, 1);
    l->addWidget(new QLabel(QStringLiteral("Do"), this), 0, 2);
    l->addWidget(toSpin, 0, 3);
    l->addWidget(new QLabel(QStringLiteral("Znaky před "), this), 1, 0);
    l->addWidget(prefixEdit, 1, 1, 1, 3);
    l->addWidget(qLabel, 2, 0);
    l->addWidget(qualityEdit, 2, 1);
    l->addWidget(saveButton, 2, 3);
    hide();
}

void SaveDrawingsPanel::present(bool bmp, int recordCount) {
    bmp_ = bmp;
    setTitle(bmp ? QStringLiteral("Uložit zákresy  jako BMP od --- do ")
                 : QStringLiteral("Uložit zákresy   JPG  od --- do "));
    qLabel->setVisible(!bmp);
    qualityEdit->setVisible(!bmp);
    for (QSpinBox* s : {fromSpin, toSpin}) {
        s->setRange(1, std::max(1, recordCount));
        s->setValue(std::max(1, recordCount));
    }
    adjustSize();
    show();
    raise();
}

} // namespace hk
