#pragma once
// The drawing window's panel "ulozzakresy": a range of drawings saved as BMP
// or JPG pictures, with the text put before the file names and the JPG
// quality.
#include <QGroupBox>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace hk {

class SaveDrawingsPanel : public QGroupBox {
    Q_OBJECT
  public:
    explicit SaveDrawingsPanel(QWidget* parent);

    // Shows the panel for BMP (caption of the BMP command, quality hidden)
    // or JPG, with both record numbers set to the record count.
    void present(bool bmp, int recordCount);
    bool bmp() const { return bmp_; }

    QSpinBox* fromSpin;     // "Od"
    QSpinBox* toSpin;       // "Do"
    QLineEdit* prefixEdit;  // "Znaky před "
    QLabel* qLabel;         // "Q"
    QLineEdit* qualityEdit; // JPG quality
    QPushButton* saveButton;

  private:
    bool bmp_ = true;
};

} // namespace hk
