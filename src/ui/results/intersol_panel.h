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
class QTableView;

namespace hk {

class Messages;
class Session;

class InterSolPanel : public QFrame {
    Q_OBJECT
  public:
    InterSolPanel(SessionModel& model, Messages& messages,
                  std::function<const StationData&()> stationData, QWidget* parent = nullptr);

    // Fills the observer box from the observers of the records.
    void reloadObservers();
    // The month box starts with the month text used last.
    void setMonth(const QString& text);

    // The general data were confirmed while the address panel is open.
    void setInstrument(const QString& text);
    bool addressOpen() const;

    // The coefficients shown (empty before the first Zobrazit).
    const InterSolTable& table() const { return table_; }

  signals:
    // A protocol was written from this month text.
    void saved(const QString& month);

  private:
    // "Zobrazit": checks the inputs and fills the coefficient grid.
    void onShowClicked();
    // "Do souboru": opens the address panel for the chosen observer.
    void onToFileClicked();
    // "Uložit" in the address panel: writes the protocol and the observer table.
    void onSaveClicked();

    QLineEdit* pole(const char* name, QWidget* parent);
    void fillGrid();

    SessionModel& model_;
    const Session& session_;
    Messages& messages_;
    std::function<const StationData&()> stationData_;
    InterSolTable table_;
    std::string observer_; // of the table shown
    std::string number_;
    QString monthText_; // the month as typed for the table shown

    QLineEdit* monthEdit_;
    QComboBox* observerBox_;
    QLineEdit* numberEdit_;
    QString numberFromTable_; // the number the observer table gave, until one is typed
    QPushButton* showButton_;
    QPushButton* toFileButton_;
    QTableView* observerGrid_;

    QFrame* addressBox_;
    QLineEdit* observatoryEdit_;
    QLineEdit* addressEdit_;
    QLineEdit* email_;
    QLineEdit* instrumentEdit_;
    QLineEdit* streetEdit_;
    QLineEdit* cityEdit_;
    QLineEdit* postcodeEdit_;
};

} // namespace hk
