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

CoordinateTypeDialog::CoordinateTypeDialog(Messages& zpravy, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowContextHelpButtonHint),
      zpravy_(zpravy), RadioGroup1_(new QButtonGroup(this)), Label1_(new QLabel(this)),
      Edit1_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("Form15"));
    setWindowTitle(QStringLiteral("Zadání souřadnic"));
    setModal(true);

    auto* skupina = new QGroupBox(QStringLiteral("Zadej souřadnice skupin"), this);
    skupina->setObjectName(QStringLiteral("RadioGroup1"));
    auto* polozky = new QVBoxLayout(skupina);
    const QString texty[] = {QStringLiteral("Metoda projekcí  - polární souřadnice"),
                             QStringLiteral("Metoda vizuálně - heliografické souřadnice")};
    for (int i = 0; i < 2; ++i) {
        auto* r = new QRadioButton(texty[i], skupina);
        r->setObjectName(QStringLiteral("polozka%1").arg(i));
        RadioGroup1_->addButton(r, i);
        polozky->addWidget(r);
    }
    connect(RadioGroup1_, &QButtonGroup::idClicked, this, &CoordinateTypeDialog::zvolit);

    Label1_->setObjectName(QStringLiteral("Label1"));
    Label1_->setText(QStringLiteral("Poloměr zákresu"));
    Edit1_->setObjectName(QStringLiteral("Edit1"));
    Edit1_->setText(QStringLiteral("125"));
    Label1_->setVisible(false);
    Edit1_->setVisible(false);

    auto* napoveda = new QPushButton(QStringLiteral("?"), this);
    napoveda->setObjectName(QStringLiteral("BitBtn1"));
    napoveda->setFixedWidth(30);
    napoveda->setAutoDefault(false);
    connect(napoveda, &QPushButton::clicked, this, &CoordinateTypeDialog::BitBtn1Click);
    auto* potvrdit = new QPushButton(QStringLiteral("Potvrdit"), this);
    potvrdit->setObjectName(QStringLiteral("Button1"));
    potvrdit->setDefault(true);
    connect(potvrdit, &QPushButton::clicked, this, &CoordinateTypeDialog::Button1Click);

    auto* polomer = new QHBoxLayout;
    polomer->addWidget(Label1_);
    polomer->addWidget(Edit1_);
    polomer->addStretch(1);
    auto* tlacitka = new QHBoxLayout;
    tlacitka->addWidget(napoveda);
    tlacitka->addStretch(1);
    tlacitka->addWidget(potvrdit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(skupina);
    layout->addLayout(polomer);
    layout->addLayout(tlacitka);
    // The radius row keeps its place while hidden, so the dialog does not jump.
    QSizePolicy keep = Edit1_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    Edit1_->setSizePolicy(keep);
    Label1_->setSizePolicy(keep);
}

void CoordinateTypeDialog::zvolit(int polozka) {
    if (RadioGroup1_->checkedId() != polozka) RadioGroup1_->button(polozka)->setChecked(true);
    vysledek_.heliographic = polozka == 1;
    Label1_->setVisible(true);
    Edit1_->setVisible(true);
}

void CoordinateTypeDialog::BitBtn1Click() {
    zpravy_.Zprava(QStringLiteral(
        "Polární souřadnice - zadává se  úhel a vzdálenost skvrny od středu. \rVizuálně - "
        "zadávají se souřadnice l b  zjištěné z jiných zdrojů."));
}

void CoordinateTypeDialog::Button1Click() {
    if (RadioGroup1_->checkedId() < 0) {
        zpravy_.Zprava(QStringLiteral("Nebyl zvolen typ souřednic"));
        return;
    }
    const auto polomer = ParsePolomerKresby(Edit1_->text().toStdString());
    if (const auto* chyba = std::get_if<std::string>(&polomer)) {
        zpravy_.Zprava(QString::fromStdString(*chyba));
        Edit1_->setFocus();
        return;
    }
    vysledek_.radius = std::get<double>(polomer);
    potvrzeno_ = true;
    accept();
}

void CoordinateTypeDialog::closeEvent(QCloseEvent* event) {
    if (potvrzeno_)
        event->accept();
    else
        event->ignore();
}

DrawingSetting CoordinateTypeDialog::zeptat(Messages& zpravy, QWidget* parent) {
    CoordinateTypeDialog d(zpravy, parent);
    d.exec();
    return d.vysledek();
}

} // namespace hk
