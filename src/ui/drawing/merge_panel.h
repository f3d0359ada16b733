#pragma once
// The drawing window's panel "slucovani": another record file merged into
// the records.
#include <QGroupBox>

class QLabel;
class QPushButton;

namespace hk {

class ZakresSlucovaniPanel : public QGroupBox {
    Q_OBJECT
  public:
    explicit ZakresSlucovaniPanel(QWidget* parent);
    // The file chosen (empty: none), shown in Label6; "Sloučit" follows it.
    void setSoubor(const QString& nazev);

    QPushButton* vyberpri;
    QPushButton* potvrditpri;
    QPushButton* zrusitpri;
    QLabel* Label6;
};

} // namespace hk
