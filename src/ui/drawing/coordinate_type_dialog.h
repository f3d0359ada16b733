#pragma once
// The coordinate-type dialog: asked once, when record 1 holds no drawing
// setting, how group positions are entered and what radius the drawings have.
#include <QDialog>

#include "records/record.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;

namespace hk {

class Messages;

class CoordinateTypeDialog : public QDialog {
    Q_OBJECT
  public:
    explicit CoordinateTypeDialog(Messages& messages, QWidget* parent = nullptr);

    // Shows the dialog until the user confirms a valid choice.
    static DrawingSetting ask(Messages& messages, QWidget* parent = nullptr);

    // The confirmed choice (valid once the dialog was accepted).
    const DrawingSetting& chosenSetting() const { return chosenSetting_; }

  public slots:
    // Closing without a choice is not possible: the answer is needed.
    void reject() override {}

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // Polar (0) or heliographic (1) entry, as chosen; -1 before a choice.
    void pickOption(int item);
    void onOkClicked();
    void onHelpClicked();

    Messages& messages_;
    QButtonGroup* coordinateTypeGroup_;
    QLabel* radiusLabel_;
    QLineEdit* radiusEdit_;
    DrawingSetting chosenSetting_;
    bool confirmed_ = false;
};

} // namespace hk
