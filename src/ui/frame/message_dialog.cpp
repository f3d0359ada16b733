#include "ui/frame/message_dialog.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include "render/font_roles.h"

#include <algorithm>

namespace hk {

MessageDialog::MessageDialog(MessageKind mode, const QString& text, const QString& value,
                             QWidget* parent)
    : QDialog(parent), mode_(mode), textLabel_(new QLabel(this)), valueEdit_(new QLineEdit(this)),
      okButton_(new QPushButton(
          mode == MessageKind::Question ? QStringLiteral("Ano") : QStringLiteral("OK"), this)),
      noButton_(new QPushButton(QStringLiteral("Ne"), this)) {
    setObjectName(QStringLiteral("Form14"));
    setModal(true);
    textLabel_->setObjectName(QStringLiteral("Label1"));
    valueEdit_->setObjectName(QStringLiteral("Edit1"));
    okButton_->setObjectName(QStringLiteral("Button1"));
    noButton_->setObjectName(QStringLiteral("Button2"));

    const QFont font = SansFont(MessageFontPixels);
    textLabel_->setFont(font);
    textLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    textLabel_->setTextFormat(Qt::PlainText);
    const QFontMetrics fm(font);
    const auto width = [&fm](const QString& line) { return fm.horizontalAdvance(line); };
    const QScreen* screen = parent ? parent->screen() : nullptr;
    if (!screen) screen = QGuiApplication::primaryScreen();
    const QRect avail = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    // A long line (a path and a process named in one sentence) is broken
    // at spaces rather than making the window wider than the screen.
    const QStringList lines = WrapMessageLines(
        MessageLines(text), width, std::min(MaxMessageLineWidth, avail.width() * 3 / 4));
    textLabel_->setText(lines.join(QLatin1Char('\n')));

    const MessageLayout l =
        LayoutMessage(mode, lines.join(QLatin1Char('\r')), width, fm.lineSpacing());
    setWindowTitle(l.caption);
    // A message taller or wider than the screen (a list of hundreds of lines)
    // is shown in a box that scrolls; the buttons stay below it.
    const int maxH = avail.height() * 3 / 4;
    const int maxW = avail.width() * 9 / 10;
    // The label's own line height can exceed the font's line spacing: the
    // window grows by the difference so that the last line is not cut.
    const int missing = std::max(0, textLabel_->sizeHint().height() - l.text.height());
    QSize window = l.window + QSize(0, missing);
    QRect textRect = l.text.adjusted(0, 0, 0, missing);
    int offset = -missing;
    if (window.height() > maxH || window.width() > maxW) {
        auto* box = new QScrollArea(this);
        box->setObjectName(QStringLiteral("ScrollBox1"));
        box->setFrameShape(QFrame::NoFrame);
        textLabel_->setParent(nullptr);
        textLabel_->adjustSize();
        box->setWidget(textLabel_);
        const int scrollBarWidth = box->verticalScrollBar()->sizeHint().width();
        offset = std::max(0, window.height() - maxH);
        const int width = std::min(maxW, window.width() + scrollBarWidth);
        textRect.setHeight(std::max(3 * fm.lineSpacing(), textRect.height() - offset));
        textRect.setWidth(std::min(textRect.width() + scrollBarWidth, width - textRect.left()));
        window = QSize(width, window.height() - offset);
        box->setGeometry(textRect);
    } else {
        textLabel_->setGeometry(textRect);
    }
    setFixedSize(window);
    okButton_->setGeometry(l.ok.translated(0, -offset));

    valueEdit_->setVisible(mode == MessageKind::Value);
    noButton_->setVisible(mode == MessageKind::Question);
    if (mode == MessageKind::Value) {
        valueEdit_->setGeometry(l.edit.translated(0, -offset));
        valueEdit_->setText(value);
        valueEdit_->selectAll();
        valueEdit_->setFocus();
        connect(valueEdit_, &QLineEdit::returnPressed, this, &MessageDialog::onOkClicked);
    }
    connect(okButton_, &QPushButton::clicked, this, &MessageDialog::onOkClicked);
    if (mode == MessageKind::Question) {
        noButton_->setGeometry(l.no.translated(0, -offset));
        connect(noButton_, &QPushButton::clicked, this, &MessageDialog::onNoClicked);
        setSafeAnswer(false);
    } else {
        okButton_->setDefault(mode == MessageKind::Message);
        okButton_->setAutoDefault(mode == MessageKind::Message);
        noButton_->setAutoDefault(false);
    }
}

void MessageDialog::setSafeAnswer(bool yesIsSafe) {
    if (mode_ != MessageKind::Question) return;
    yesIsSafe_ = yesIsSafe;
    QPushButton* safe = yesIsSafe ? okButton_ : noButton_;
    QPushButton* other = yesIsSafe ? noButton_ : okButton_;
    other->setDefault(false);
    safe->setDefault(true);
    // Both follow the focus: Tab to a button makes it the one Enter presses.
    safe->setAutoDefault(true);
    other->setAutoDefault(true);
    safe->setFocus(Qt::OtherFocusReason);
}

void MessageDialog::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (mode_ == MessageKind::Question && enter && event->modifiers() == Qt::NoModifier) {
        // Enter answers with the button that has the focus, never with a
        // button the user moved away from.
        QPushButton* pressed = noButton_->hasFocus()   ? noButton_
                               : okButton_->hasFocus() ? okButton_
                               : yesIsSafe_            ? okButton_
                                                       : noButton_;
        pressed->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void MessageDialog::reject() {
    // Esc and the title bar's close give the safe answer.
    if (mode_ == MessageKind::Question) confirmed_ = yesIsSafe_;
    QDialog::reject();
}

void MessageDialog::onNoClicked() {
    confirmed_ = false;
    QDialog::reject();
}

QString MessageDialog::value() const {
    return valueEdit_->text();
}

void MessageDialog::onOkClicked() {
    confirmed_ = true;
    accept();
}

} // namespace hk
