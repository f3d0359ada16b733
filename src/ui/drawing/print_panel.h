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
    void present();

    QCheckBox* multiplePrintBox; // "Poly tisk"
    QLineEdit* copiesEdit;       // "počet"
    QPushButton* printButton;    // "Tisk"
    QPushButton* helpButton;     // "?"
};

} // namespace hk
