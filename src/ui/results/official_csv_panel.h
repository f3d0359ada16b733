#pragma once
// The panel of "Uložit Oficiální do souboru CSV": the station fields
// prefilled from the general data (the mandatory ones grey), the method,
// the month and the three export buttons.
#include <QFrame>
#include <functional>
#include <string>

#include "results/station_data.h"
#include "results/official_csv.h"

class QComboBox;
class QLineEdit;

namespace hk {

class Messages;
class Session;

class OfficialCsvPanel : public QFrame {
    Q_OBJECT
  public:
    OfficialCsvPanel(const Session& session, Messages& zpravy, QWidget* parent);

    // Fills the fields from the general data and the method chosen last.
    void nastav(const ObecnaData& data);
    // The fields as typed now (they apply to this export only).
    OfficialFields pole() const;
    QLineEdit* mesic() const { return mesic_; }

    // "Zadaný měsíc", "Celý  rok", "Do konce", "?".
    void ZadanyMesicClick();
    void CelyRokClick();
    void DoKonceClick();
    void InfoClick();

  private:
    enum class Rozsah { Mesic, Rok, DoKonce };
    void uloz(Rozsah rozsah);

    const Session& session_;
    Messages& zpravy_;
    ObecnaData data_;
    QLineEdit* observator_;
    QLineEdit* cisloSL_;
    QLineEdit* adresa_;
    QLineEdit* telEmail_;
    QLineEdit* pristroj_;
    QComboBox* metoda_;
    QLineEdit* mesic_;
    QString posledniMetoda_;
};

} // namespace hk
