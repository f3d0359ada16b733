#include "ui/drawing/coordinate_type_dialog.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "records/drawing_radius.h"
#include "ui/frame/messages.h"

namespace hk {

CoordinateTypeDialog::CoordinateTypeDialog(Messages& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowContextHelpButtonHint),
      messages_(messages), coordinateTypeGroup_(new QButtonGroup(this)),
      radiusLabel_(new QLabel(this)), radiusEdit_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("Form15"));
    setWindowTitle(QStringLiteral("Zadání souřadnic"));
    setModal(true);

    auto* group = new QGroupBox(QStringLiteral("Zadej souřadnice skupin"), this);
    group->setObjectName(QStringLiteral("RadioGroup1"));
    auto* items = new QVBoxLayout(group);
    const QString texts[] = {QStringLiteral("Metoda projekcí  - polární souřadnice"),
                             QStringLiteral("Metoda vizuálně - heliografické souřadnice")};
    for (int i = 0; i < 2; ++i) {
        auto* r = new QRadioButton(texts[i], group);
        r->setObjectName(QStringLiteral("polozka%1").arg(i));
        coordinateTypeGroup_->addButton(r, i);
        items->addWidget(r);
    }
    connect(coordinateTypeGroup_, &QButtonGroup::idClicked, this,
            &CoordinateTypeDialog::pickOption);

    radiusLabel_->setObjectName(QStringLiteral("Label1"));
    radiusLabel_->setText(QStringLiteral("Poloměr zákresu"));
    radiusEdit_->setObjectName(QStringLiteral("Edit1"));
    radiusEdit_->setText(QStringLiteral("125"));
    radiusLabel_->setVisible(false);
    radiusEdit_->setVisible(false);

    auto* help = new QPushButton(QStringLiteral("?"), this);
    help->setObjectName(QStringLiteral("BitBtn1"));
    help->setFixedWidth(30);
    help->setAutoDefault(false);
    connect(help, &QPushButton::clicked, this, &CoordinateTypeDialog::onHelpClicked);
    auto* confirm = new QPushButton(QStringLiteral("Potvrdit"), this);
    confirm->setObjectName(QStringLiteral("Button1"));
    confirm->setDefault(true);
    connect(confirm, &QPushButton::clicked, this, &CoordinateTypeDialog::onOkClicked);

    auto* radius = new QHBoxLayout;
    radius->addWidget(radiusLabel_);
    radius->addWidget(radiusEdit_);
    radius->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(help);
    buttons->addStretch(1);
    buttons->addWidget(confirm);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(radius);
    layout->addLayout(buttons);
    // The radius row keeps its place while hidden, so the dialog does not jump.
    QSizePolicy keep = radiusEdit_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    radiusEdit_->setSizePolicy(keep);
    radiusLabel_->setSizePolicy(keep);
}

void CoordinateTypeDialog::pickOption(int item) {
    if (coordinateTypeGroup_->checkedId() != item)
        coordinateTypeGroup_->button(item)->setChecked(true);
    chosenSetting_.heliographic = item == 1;
    radiusLabel_->setVisible(true);
    radiusEdit_->setVisible(true);
}

void CoordinateTypeDialog::onHelpClicked() {
    messages_.showMessage(QStringLiteral(
        "Polární souřadnice - zadává se  úhel a vzdálenost skvrny od středu. \rVizuálně - "
        "zadávají se souřadnice l b  zjištěné z jiných zdrojů."));
}

void CoordinateTypeDialog::onOkClicked() {
    if (coordinateTypeGroup_->checkedId() < 0) {
        messages_.showMessage(QStringLiteral("Nebyl zvolen typ souřednic"));
        return;
    }
    const auto radius = ParseDrawingRadius(radiusEdit_->text().toStdString());
    if (const auto* error = std::get_if<std::string>(&radius)) {
        messages_.showMessage(QString::fromStdString(*error));
        radiusEdit_->setFocus();
        return;
    }
    chosenSetting_.radius = std::get<double>(radius);
    confirmed_ = true;
    accept();
}

void CoordinateTypeDialog::closeEvent(QCloseEvent* event) {
    if (confirmed_)
        event->accept();
    else
        event->ignore();
}

DrawingSetting CoordinateTypeDialog::ask(Messages& messages, QWidget* parent) {
    CoordinateTypeDialog d(messages, parent);
    d.exec();
    return d.chosenSetting();
}

} // namespace hk
