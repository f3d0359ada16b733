#include "ui/drawing/merge_panel.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace hk {

MergePanel::MergePanel(QWidget* parent)
    : QGroupBox(QStringLiteral("Slučování dataxů"), parent),
      chooseFileButton(new QPushButton(QStringLiteral("Vybrat soubor pro přidání"), this)),
      confirmMerge(new QPushButton(QStringLiteral("Sloučit"), this)),
      cancelMergeButton(new QPushButton(QStringLiteral("Zrušit"), this)),
      fileLabel(new QLabel(this)) {
    setObjectName(QStringLiteral("slucovani"));
    chooseFileButton->setObjectName(QStringLiteral("vyberpri"));
    confirmMerge->setObjectName(QStringLiteral("potvrditpri"));
    cancelMergeButton->setObjectName(QStringLiteral("zrusitpri"));
    fileLabel->setObjectName(QStringLiteral("Label6"));
    setAutoFillBackground(true);
    auto* l = new QVBoxLayout(this);
    l->addWidget(chooseFileButton);
    l->addWidget(fileLabel);
    l->addWidget(confirmMerge);
    l->addWidget(cancelMergeButton);
    setFile({});
    hide();
}

void MergePanel::setFile(const QString& name) {
    fileLabel->setText(name);
    confirmMerge->setEnabled(!name.isEmpty());
    adjustSize();
}

} // namespace hk
