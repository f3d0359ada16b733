#pragma once
// The panel "Potřebná data" of the results window: the station's general
// data as a two-column table (labels, values), confirmed with OK or left
// with X.
#include <QFrame>
#include <array>
#include <string>

#include "results/station_data.h"

class QTableWidget;

namespace hk {

class StationDataPanel : public QFrame {
    Q_OBJECT
  public:
    using Hodnoty = std::array<std::string, ObecnaDataRadku>;

    explicit StationDataPanel(QWidget* parent = nullptr);

    // Column 1 of rows 1..13 (index 0 = row 1), UTF-8.
    void nastav(const Hodnoty& hodnoty);
    Hodnoty hodnoty() const;

    QTableWidget* tabulka() const { return StringGrid12_; }

    // OK: the values are taken; X: the panel hides without them.
    void OKClick();
    void XClick();

  signals:
    void potvrzeno();

  private:
    QTableWidget* StringGrid12_;
};

} // namespace hk
