#pragma once
// View 15 of the results window: the Inter-Sol coefficients of one observer
// and one month ("Koeficienty Inter SOL "), and the address panel from which
// the Inter-Sol protocol is written.
#include <QFrame>
#include <functional>

#include "results/intersol_report.h"
#include "results/station_data.h"
#include "ui/frame/session_model.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace hk {

class Messages;
class Session;

class InterSolPanel : public QFrame {
    Q_OBJECT
  public:
    InterSolPanel(SessionModel& model, Messages& zpravy, std::function<const ObecnaData&()> obecna,
                  QWidget* parent = nullptr);

    // Fills the observer box from the observers of the records.
    void obnovPozorovatele();
    // The month box starts with the month text used last.
    void nastavMesic(const QString& text);

    // "Zobrazit": checks the inputs and fills the coefficient grid.
    void ZobrazitClick();
    // "Do souboru": opens the address panel for the chosen observer.
    void DoSouboruClick();
    // "Uložit" in the address panel: writes the protocol and the observer table.
    void UlozitClick();

    // The general data were confirmed while the address panel is open.
    void nastavPristroj(const QString& text);
    bool adresaOtevrena() const;

    // The coefficients shown (empty before the first Zobrazit).
    const InterSolTable& tabulka() const { return tabulka_; }

  signals:
    // A protocol was written from this month text.
    void ulozeno(const QString& mesic);

  private:
    QLineEdit* pole(const char* name, QWidget* parent);
    void vyplnMrizku();

    SessionModel& model_;
    const Session& session_;
    Messages& zpravy_;
    std::function<const ObecnaData&()> obecna_;
    InterSolTable tabulka_;
    std::string pozorovatel_; // of the table shown
    std::string cislo_;
    QString mesicText_; // the month as typed for the table shown

    QLineEdit* mesic_;
    QComboBox* pozorovatelBox_;
    QLineEdit* cisloEdit_;
    QString cisloZTabulky_; // the number the observer table gave, until one is typed
    QPushButton* zobrazit_;
    QPushButton* doSouboru_;
    QTableWidget* StringGrid11_;

    QFrame* adresa_;
    QLineEdit* observator_;
    QLineEdit* adresaEdit_;
    QLineEdit* email_;
    QLineEdit* pristroj_;
    QLineEdit* ulice_;
    QLineEdit* mesto_;
    QLineEdit* psc_;
};

} // namespace hk
