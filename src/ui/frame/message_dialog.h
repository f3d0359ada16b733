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
    MessageDialog(MessageKind mode, const QString& text, const QString& value = {},
                  QWidget* parent = nullptr);

    MessageKind mode() const { return mode_; }
    // The typed value after "OK" in prompt mode.
    QString value() const;
    // True once "OK" was pressed (in every mode).
    bool confirmed() const { return confirmed_; }
    // A question that "Ano" confirms and whose default answer is "Ne".
    void setYesNo();

  private:
    void onOkClicked();

    MessageKind mode_;
    bool confirmed_ = false;
    QLabel* textLabel_;
    QLineEdit* valueEdit_;
    QPushButton* okButton_;
    QPushButton* noButton_;
};

} // namespace hk
