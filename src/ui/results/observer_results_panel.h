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
class QTableView;

namespace hk {

class Messages;
class Session;

class ObserverResultsPanel : public QGroupBox {
    Q_OBJECT
  public:
    ObserverResultsPanel(const Session& session, Messages& messages, QWidget* parent);

    // onObserverDailyClicked: the observer list refilled, the texts cleared.
    void refresh();
    // observerDaily: the grid with an empty row under its titles.
    void clear();

    const ObserverDrawings& list() const { return list_; }
    const QString& name() const { return observerName_; }

  private:
    // onObserverChosen: the list of the chosen name.
    void onObserverChosen();
    // onCsvClicked: writes the CSV file.
    void onCsvClicked();

    const Session& session_;
    Messages& messages_;
    QComboBox* combo_;
    QLabel* summaryLabel_;
    QPushButton* csv_;
    QTableView* grid_;
    ObserverDrawings list_;
    QString observerName_;
};

} // namespace hk
