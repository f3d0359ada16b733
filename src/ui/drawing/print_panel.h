#pragma once
// The drawing window's panel "GroupBox2": printing the current drawing and,
// with "Poly tisk", the following ones.
#include <QGroupBox>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace hk {

class PrintPanel : public QGroupBox {
    Q_OBJECT
  public:
    explicit PrintPanel(QWidget* parent);
    // Shows the panel with the count "1".
    void ukaz();

    QCheckBox* CheckBox1;      // "Poly tisk"
    QLineEdit* Edit1;          // "počet"
    QPushButton* Button4;      // "Tisk"
    QPushButton* SpeedButton1; // "?"
};

} // namespace hk
