#pragma once
// Messages shown to a person: each one opens the program's message window
// modally over the given parent.
#include <QPointer>
#include <QWidget>

#include "ui/frame/messages.h"

namespace hk {

class DialogMessages : public Messages {
  public:
    explicit DialogMessages(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void showMessage(const QString& text) override;
    std::optional<QString> askValue(const QString& prompt, const QString& initial) override;
    std::optional<QString> askValueTitled(const QString& heading, const QString& prompt,
                                          const QString& initial) override;
    bool ask(const QString& text, SafeAnswer safe) override;

  private:
    QPointer<QWidget> parent_;
};

} // namespace hk
