#include "ui/zprava_dialog.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "render/font_roles.h"

namespace hk {

ZpravaDialog::ZpravaDialog(RezimZpravy rezim, const QString& text, const QString& hodnota,
                           QWidget* parent)
    : QDialog(parent), rezim_(rezim), label1_(new QLabel(this)), edit1_(new QLineEdit(this)),
      button1_(new QPushButton(QStringLiteral("OK"), this)),
      button2_(new QPushButton(QStringLiteral("Ne"), this)) {
    setObjectName(QStringLiteral("Form14"));
    setModal(true);
    label1_->setObjectName(QStringLiteral("Label1"));
    edit1_->setObjectName(QStringLiteral("Edit1"));
    button1_->setObjectName(QStringLiteral("Button1"));
    button2_->setObjectName(QStringLiteral("Button2"));

    const QFont font = SansFont(ZpravaFontPixels);
    label1_->setFont(font);
    label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label1_->setTextFormat(Qt::PlainText);
    const QStringList lines = RadkyZpravy(text);
    label1_->setText(lines.join(QLatin1Char('\n')));

    const QFontMetrics fm(font);
    const ZpravaLayout l = RozvrhniZpravu(
        rezim, text, [&fm](const QString& line) { return fm.horizontalAdvance(line); },
        fm.lineSpacing());
    setWindowTitle(l.caption);
    setFixedSize(l.window);
    label1_->setGeometry(l.text);
    button1_->setGeometry(l.ok);

    edit1_->setVisible(rezim == RezimZpravy::Hodnota);
    button2_->setVisible(rezim == RezimZpravy::Otazka);
    if (rezim == RezimZpravy::Hodnota) {
        edit1_->setGeometry(l.edit);
        edit1_->setText(hodnota);
        edit1_->selectAll();
        edit1_->setFocus();
        connect(edit1_, &QLineEdit::returnPressed, this, &ZpravaDialog::okClick);
    }
    if (rezim == RezimZpravy::Otazka) {
        button2_->setGeometry(l.ne);
        connect(button2_, &QPushButton::clicked, this, &QDialog::reject);
    }
    button1_->setDefault(rezim != RezimZpravy::Hodnota);
    button1_->setAutoDefault(rezim != RezimZpravy::Hodnota);
    button2_->setAutoDefault(false);
    connect(button1_, &QPushButton::clicked, this, &ZpravaDialog::okClick);
}

QString ZpravaDialog::hodnota() const {
    return edit1_->text();
}

void ZpravaDialog::okClick() {
    potvrzeno_ = true;
    accept();
}

} // namespace hk
