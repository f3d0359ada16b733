#include "ui/drawing/merge_panel.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace hk {

MergePanel::MergePanel(QWidget* parent)
    : QGroupBox(QStringLiteral("Slučování dataxů"), parent),
      vyberpri(new QPushButton(QStringLiteral("Vybrat soubor pro přidání"), this)),
      potvrditpri(new QPushButton(QStringLiteral("Sloučit"), this)),
      zrusitpri(new QPushButton(QStringLiteral("Zrušit"), this)), Label6(new QLabel(this)) {
    setObjectName(QStringLiteral("slucovani"));
    vyberpri->setObjectName(QStringLiteral("vyberpri"));
    potvrditpri->setObjectName(QStringLiteral("potvrditpri"));
    zrusitpri->setObjectName(QStringLiteral("zrusitpri"));
    Label6->setObjectName(QStringLiteral("Label6"));
    setAutoFillBackground(true);
    auto* l = new QVBoxLayout(this);
    l->addWidget(vyberpri);
    l->addWidget(Label6);
    l->addWidget(potvrditpri);
    l->addWidget(zrusitpri);
    setSoubor({});
    hide();
}

void MergePanel::setSoubor(const QString& nazev) {
    Label6->setText(nazev);
    potvrditpri->setEnabled(!nazev.isEmpty());
    adjustSize();
}

} // namespace hk
