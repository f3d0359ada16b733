#pragma once
// The program's own message window in its three modes: a message with "OK",
// a value prompt with an edit field, and a choice between "OK" and "Ne".
#include <QDialog>

#include "ui/frame/message_layout.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace hk {

class MessageDialog : public QDialog {
    Q_OBJECT
  public:
    MessageDialog(RezimZpravy rezim, const QString& text, const QString& hodnota = {},
                  QWidget* parent = nullptr);

    RezimZpravy rezim() const { return rezim_; }
    // The typed value after "OK" in prompt mode.
    QString hodnota() const;
    // True once "OK" was pressed (in every mode).
    bool potvrzeno() const { return potvrzeno_; }
    // A question that "Ano" confirms and whose default answer is "Ne".
    void nastavAnoNe();

  private:
    void okClick();

    RezimZpravy rezim_;
    bool potvrzeno_ = false;
    QLabel* label1_;
    QLineEdit* edit1_;
    QPushButton* button1_;
    QPushButton* button2_;
};

} // namespace hk
