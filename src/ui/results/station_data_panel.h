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
    using Values = std::array<std::string, StationDataRows>;

    explicit StationDataPanel(QWidget* parent = nullptr);

    // Column 1 of rows 1..13 (index 0 = row 1), UTF-8.
    void setTable(const Values& values);
    Values values() const;

    QTableWidget* table() const { return stationGrid_; }

  signals:
    void confirmed();

  private:
    // OK: the values are taken; X: the panel hides without them.
    void onOkClicked();
    void onCloseClicked();

    QTableWidget* stationGrid_;
};

} // namespace hk
