#pragma once
// View 14 of the results window: the group box `GroupBox3` "Výsledky pro
// jednotlivé pozorovatele": the observer (`ComboBox2`), the summary line
// (`Panel14`), the button "CSV" (`Button11`) and the grid `StringGrid10`
// of the observer's drawings.
#include <QGroupBox>

#include "results/observer_drawings.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace hk {

class Messages;
class Session;

class ObserverResultsPanel : public QGroupBox {
    Q_OBJECT
  public:
    ObserverResultsPanel(const Session& session, Messages& zpravy, QWidget* parent);

    // pozordClick: the observer list refilled, the texts cleared.
    void obnov();
    // Pozorovalelden: the grid with an empty row under its titles.
    void vyprazdni();
    // ComboBox2Change: the list of the chosen name.
    void ComboBox2Change();
    // Button11Click: writes the CSV file.
    void Button11Click();

    const ObserverDrawings& seznam() const { return seznam_; }
    const QString& jmeno() const { return jmeno_; }

  private:
    const Session& session_;
    Messages& zpravy_;
    QComboBox* combo_;
    QLabel* souhrn_;
    QPushButton* csv_;
    QTableWidget* mrizka_;
    ObserverDrawings seznam_;
    QString jmeno_;
};

} // namespace hk
