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

    void Zprava(const QString& text) override;
    std::optional<QString> ZadejHodnotu(const QString& prompt, const QString& initial) override;
    std::optional<QString> ZadejHodnotuNadpis(const QString& nadpis, const QString& prompt,
                                              const QString& initial) override;
    bool Otazka(const QString& text) override;
    bool OtazkaAnoNe(const QString& text) override;

  private:
    QPointer<QWidget> parent_;
};

} // namespace hk
