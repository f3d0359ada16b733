#pragma once
// The drawing window's panel "slucovani": another record file merged into
// the records.
#include <QGroupBox>

class QLabel;
class QPushButton;

namespace hk {

class MergePanel : public QGroupBox {
    Q_OBJECT
  public:
    explicit MergePanel(QWidget* parent);
    // The file chosen (empty: none), shown in Label6; "Sloučit" follows it.
    void setSoubor(const QString& nazev);

    QPushButton* vyberpri;
    QPushButton* potvrditpri;
    QPushButton* zrusitpri;
    QLabel* Label6;
};

} // namespace hk
