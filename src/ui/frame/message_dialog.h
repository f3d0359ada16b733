#pragma once
// The program's own message window in its three modes: a message with "OK",
// a value prompt with an edit field, and a question answered "Ano" or "Ne".
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
    // True once "OK" or "Ano" was pressed; for a question closed by Esc or
    // the title bar, true when "Ano" is its safe answer.
    bool confirmed() const { return confirmed_; }
    // Which answer of a question leaves the data as they are: that button is
    // the default and has the focus (a new question's safe answer is "Ne").
    void setSafeAnswer(bool yesIsSafe);

    void reject() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void onOkClicked();
    void onNoClicked();

    MessageKind mode_;
    bool confirmed_ = false;
    bool yesIsSafe_ = false;
    QLabel* textLabel_;
    QLineEdit* valueEdit_;
    QPushButton* okButton_;
    QPushButton* noButton_;
};

} // namespace hk
