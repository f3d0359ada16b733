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
class NavratFokusu {
  public:
    explicit NavratFokusu(QWidget* vychozi)
        : fokus_(QApplication::focusWidget()), rodic_(QApplication::activeModalWidget()) {
        if (!rodic_) rodic_ = QApplication::activeWindow();
        if (!rodic_) rodic_ = vychozi;
    }
    ~NavratFokusu() {
        if (!fokus_ || !fokus_->isVisible()) return;
        fokus_->window()->activateWindow();
        fokus_->setFocus(Qt::ActiveWindowFocusReason);
    }
    QWidget* rodic() const { return rodic_; }

  private:
    QPointer<QWidget> fokus_;
    QPointer<QWidget> rodic_;
};

} // namespace

void DialogMessages::Zprava(const QString& text) {
    NavratFokusu n(parent_);
    MessageDialog d(RezimZpravy::Zprava, text, {}, n.rodic());
    d.exec();
}

std::optional<QString> DialogMessages::ZadejHodnotu(const QString& prompt, const QString& initial) {
    NavratFokusu n(parent_);
    MessageDialog d(RezimZpravy::Hodnota, prompt, initial, n.rodic());
    d.exec();
    if (!d.potvrzeno()) return std::nullopt;
    return d.hodnota();
}

std::optional<QString> DialogMessages::ZadejHodnotuNadpis(const QString& nadpis,
                                                          const QString& prompt,
                                                          const QString& initial) {
    NavratFokusu n(parent_);
    MessageDialog d(RezimZpravy::Hodnota, prompt, initial, n.rodic());
    d.setWindowTitle(nadpis);
    d.exec();
    if (!d.potvrzeno()) return std::nullopt;
    return d.hodnota();
}

bool DialogMessages::Otazka(const QString& text) {
    NavratFokusu n(parent_);
    MessageDialog d(RezimZpravy::Otazka, text, {}, n.rodic());
    d.exec();
    return d.potvrzeno();
}

bool DialogMessages::OtazkaAnoNe(const QString& text) {
    NavratFokusu n(parent_);
    MessageDialog d(RezimZpravy::Otazka, text, {}, n.rodic());
    d.nastavAnoNe();
    d.exec();
    return d.potvrzeno();
}

} // namespace hk
