#include "ui/frame/message_dialog.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include "render/font_roles.h"

#include <algorithm>

namespace hk {

MessageDialog::MessageDialog(RezimZpravy rezim, const QString& text, const QString& hodnota,
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
    const MessageLayout l = RozvrhniZpravu(
        rezim, text, [&fm](const QString& line) { return fm.horizontalAdvance(line); },
        fm.lineSpacing());
    setWindowTitle(l.caption);
    // A message taller or wider than the screen (a list of hundreds of lines)
    // is shown in a box that scrolls; the buttons stay below it.
    const QScreen* screen = parent ? parent->screen() : nullptr;
    if (!screen) screen = QGuiApplication::primaryScreen();
    const QRect avail = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const int maxH = avail.height() * 3 / 4;
    const int maxW = avail.width() * 9 / 10;
    // The label's own line height can exceed the font's line spacing: the
    // window grows by the difference so that the last line is not cut.
    const int chybi = std::max(0, label1_->sizeHint().height() - l.text.height());
    QSize okno = l.window + QSize(0, chybi);
    QRect textRect = l.text.adjusted(0, 0, 0, chybi);
    int posun = -chybi;
    if (okno.height() > maxH || okno.width() > maxW) {
        auto* box = new QScrollArea(this);
        box->setObjectName(QStringLiteral("ScrollBox1"));
        box->setFrameShape(QFrame::NoFrame);
        label1_->setParent(nullptr);
        label1_->adjustSize();
        box->setWidget(label1_);
        const int lista = box->verticalScrollBar()->sizeHint().width();
        posun = std::max(0, okno.height() - maxH);
        const int sirka = std::min(maxW, okno.width() + lista);
        textRect.setHeight(std::max(3 * fm.lineSpacing(), textRect.height() - posun));
        textRect.setWidth(std::min(textRect.width() + lista, sirka - textRect.left()));
        okno = QSize(sirka, okno.height() - posun);
        box->setGeometry(textRect);
    } else {
        label1_->setGeometry(textRect);
    }
    setFixedSize(okno);
    button1_->setGeometry(l.ok.translated(0, -posun));

    edit1_->setVisible(rezim == RezimZpravy::Hodnota);
    button2_->setVisible(rezim == RezimZpravy::Otazka);
    if (rezim == RezimZpravy::Hodnota) {
        edit1_->setGeometry(l.edit.translated(0, -posun));
        edit1_->setText(hodnota);
        edit1_->selectAll();
        edit1_->setFocus();
        connect(edit1_, &QLineEdit::returnPressed, this, &MessageDialog::okClick);
    }
    if (rezim == RezimZpravy::Otazka) {
        button2_->setGeometry(l.ne.translated(0, -posun));
        connect(button2_, &QPushButton::clicked, this, &QDialog::reject);
    }
    button1_->setDefault(rezim != RezimZpravy::Hodnota);
    button1_->setAutoDefault(rezim != RezimZpravy::Hodnota);
    button2_->setAutoDefault(false);
    connect(button1_, &QPushButton::clicked, this, &MessageDialog::okClick);
}

void MessageDialog::nastavAnoNe() {
    button1_->setText(QStringLiteral("Ano"));
    button1_->setDefault(false);
    button1_->setAutoDefault(false);
    button2_->setDefault(true);
    button2_->setAutoDefault(true);
    button2_->setFocus();
}

QString MessageDialog::hodnota() const {
    return edit1_->text();
}

void MessageDialog::okClick() {
    potvrzeno_ = true;
    accept();
}

} // namespace hk
