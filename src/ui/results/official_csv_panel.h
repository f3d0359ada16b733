#pragma once
// The panel of "Uložit Oficiální do souboru CSV": the station fields
// prefilled from the general data (the mandatory ones grey), the method,
// the month and the three export buttons.
#include <QFrame>
#include <functional>
#include <string>

#include "results/official_csv.h"
#include "results/station_data.h"

class QComboBox;
class QLineEdit;

namespace hk {

class Messages;
class Session;

class OfficialCsvPanel : public QFrame {
    Q_OBJECT
  public:
    OfficialCsvPanel(const Session& session, Messages& messages, QWidget* parent);

    // Fills the fields from the general data and the method chosen last.
    void setTable(const StationData& data);
    // The fields as typed now (they apply to this export only).
    OfficialFields pole() const;
    QLineEdit* month() const { return monthEdit_; }

  private:
    // "Zadaný měsíc", "Celý  rok", "Do konce", "?".
    void onGivenMonthClicked();
    void onWholeYearClicked();
    void onToEndClicked();
    void onInfoClicked();

    enum class Range { Month, Year, ToEnd };
    void saveSheets(Range range);

    const Session& session_;
    Messages& messages_;
    StationData data_;
    QLineEdit* observatoryEdit_;
    QLineEdit* stationNumberEdit_;
    QLineEdit* addressBox_;
    QLineEdit* telEmail_;
    QLineEdit* instrumentEdit_;
    QComboBox* methodBox_;
    QLineEdit* monthEdit_;
    QString lastMethod_;
};

} // namespace hk
