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
    explicit CoordinateTypeDialog(Messages& zpravy, QWidget* parent = nullptr);

    // Shows the dialog until the user confirms a valid choice.
    static DrawingSetting zeptat(Messages& zpravy, QWidget* parent = nullptr);

    // The confirmed choice (valid once the dialog was accepted).
    const DrawingSetting& vysledek() const { return vysledek_; }

    // Polar (0) or heliographic (1) entry, as chosen; -1 before a choice.
    void zvolit(int polozka);
    void Button1Click();
    void BitBtn1Click();

  public slots:
    // Closing without a choice is not possible: the answer is needed.
    void reject() override {}

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    Messages& zpravy_;
    QButtonGroup* RadioGroup1_;
    QLabel* Label1_;
    QLineEdit* Edit1_;
    DrawingSetting vysledek_;
    bool potvrzeno_ = false;
};

} // namespace hk
