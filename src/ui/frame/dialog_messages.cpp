#include "ui/frame/dialog_messages.h"

#include <QApplication>
#include <QPointer>

#include "ui/frame/message_dialog.h"

namespace hk {

namespace {

// A message belongs to the window the user is working in (the entry window,
// a dialog), not always to the main window: when it closes, that window is
// active again and the field that had the focus has it again, so the next
// keystrokes land where the user was typing.
class FocusRestorer {
  public:
    explicit FocusRestorer(QWidget* fallback)
        : focus_(QApplication::focusWidget()), parent_(QApplication::activeModalWidget()) {
        if (!parent_) parent_ = QApplication::activeWindow();
        if (!parent_) parent_ = fallback;
    }
    ~FocusRestorer() {
        if (!focus_ || !focus_->isVisible()) return;
        focus_->window()->activateWindow();
        focus_->setFocus(Qt::ActiveWindowFocusReason);
    }
    QWidget* parent() const { return parent_; }

  private:
    QPointer<QWidget> focus_;
    QPointer<QWidget> parent_;
};

} // namespace

void DialogMessages::showMessage(const QString& text) {
    FocusRestorer n(parent_);
    MessageDialog d(MessageKind::Message, text, {}, n.parent());
    d.exec();
}

std::optional<QString> DialogMessages::askValue(const QString& prompt, const QString& initial) {
    FocusRestorer n(parent_);
    MessageDialog d(MessageKind::Value, prompt, initial, n.parent());
    d.exec();
    if (!d.confirmed()) return std::nullopt;
    return d.value();
}

std::optional<QString> DialogMessages::askValueTitled(const QString& heading, const QString& prompt,
                                                      const QString& initial) {
    FocusRestorer n(parent_);
    MessageDialog d(MessageKind::Value, prompt, initial, n.parent());
    d.setWindowTitle(heading);
    d.exec();
    if (!d.confirmed()) return std::nullopt;
    return d.value();
}

bool DialogMessages::ask(const QString& text, SafeAnswer safe) {
    FocusRestorer n(parent_);
    MessageDialog d(MessageKind::Question, text, {}, n.parent());
    d.setSafeAnswer(safe == SafeAnswer::Yes);
    d.exec();
    return d.confirmed();
}

} // namespace hk
