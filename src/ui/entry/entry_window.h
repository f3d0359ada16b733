#pragma once
// The entry window ("Nový zákres", "Zvláštní záznam", "Oprava dat"): the
// observer types the header of a drawing, one row per group and one per
// faculae field. The window only moves text between its controls and the
// entry logic of core and shows the messages; confirming stores the record
// through the record store.
#include <QDialog>
#include <optional>
#include <utility>

#include "entry/entry_form.h"
#include "entry/entry_settings.h"
#include "records/record_layout.h"
#include "records/session.h"
#include "ui/frame/window_context.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace hk {

class EntryWindow : public QDialog {
    Q_OBJECT
  public:
    // Opens the window in `mode` over the main window and disables the menu
    // item of that mode until the window closes. `zeSnimku` is set by the
    // faculae measurement window: only the header is entered then.
    static EntryWindow* openWindow(WindowContext k, EntryMode mode, bool fromScan = false);

    EntryMode mode() const { return mode_; }
    bool fromScan() const { return fromScan_; }
    EntryView view() const { return view_; }

    // The text of every field and cell, and the way back.
    EntryForm form() const;
    void setForm(const EntryForm& f);

    // Esc, "Návrat" and the window's close: typed values that were not
    // confirmed are thrown away only after "Zahodit zadaná data?" is answered
    // "Ano".
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void onGroupCountChanged();
    void onFaculaeFieldCountChanged();
    void onDateLeft();
    void onTimeLeft();
    void onGroupCellChanged();
    void onCoordinatesClicked();
    void onConfirmClicked();
    void onBackClicked();
    void onNumberingLabelClicked();

    EntryWindow(WindowContext k, EntryMode mode, bool fromScan);

    void startUp();
    void onFinished();
    void createControls();
    void prepareGrids();
    QTableWidget* createGrid(const QString& name, int columnCount, int width);
    // Moves the focus from the grid to the next (or previous) control.
    void leaveGrid(QTableWidget* grid, bool forward);
    void setRowCount(QTableWidget* grid, int rowCount);
    void showView(EntryView view);
    void showGroupState(bool enabled);
    void showFaculaeState(bool enabled);
    void showNumbering();
    void showCounter();
    EntrySettings settings() const;
    int scaled(int value) const;

    WindowContext k_;
    const Session& session_;
    const EntryMode mode_;
    const bool fromScan_;
    EntryView view_ = EntryView::Polar;
    TZaznam base_{};       // the working record as the window found it
    EntryForm openedForm_; // the fields as the window opened
    // The group class last refused in a row: its message is shown once per
    // edit of the cell, not again on every click.
    std::optional<std::pair<int, QString>> refused_;
    bool filling_ = false;

    QComboBox* observerBox_;
    QLineEdit* dateEdit_;
    QLineEdit* drawingNumberEdit_;
    QLineEdit* timeEdit_;
    QLineEdit* conditionsEdit_;
    QLineEdit* imageQualityEdit_;
    QLineEdit* qEdit_;
    QLineEdit* centralGroupsEdit_;
    QLineEdit* centralSpotsEdit_;
    QLineEdit* centralNumberEdit_;
    QLineEdit* faculaeCountEdit_;
    QLineEdit* groupCountEdit_;
    QLineEdit* faculaeFieldCountEdit_;
    QLineEdit* stationEdit_;
    QLineEdit* faculaeAreaEdit_;
    QLabel* numberingLabel_;
    QLabel* addedCountLabel_;
    QLabel* areaHintLabel_;
    QLabel* drawingNumberHint_;
    QLabel* highestNumberLabel_;
    QPushButton* coordinatesButton_;
    QGroupBox* groupBox_;
    QGroupBox* faculaeBox_;
    QTableWidget* groupGrid_;
    QTableWidget* faculaeGrid_;
    QPushButton* confirmButton_;
    QPushButton* backButton_;
};

// Connects "Nový zákres", "Zvláštní zákres" and "Oprava dat" (menu items and
// tool buttons) to the entry window.
void installEntry(WindowContext k);

} // namespace hk
