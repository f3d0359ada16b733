#pragma once
// The entry window ("Nový zákres", "Zvlášťní záznam", "Oprava dat"): the
// observer types the header of a drawing, one row per group and one per
// faculae field. The window only moves text between its controls and the
// entry logic of core and shows the messages; confirming stores the record
// through the record store.
#include <QDialog>
#include <optional>
#include <utility>

#include "entry/entry_form.h"
#include "entry/entry_settings.h"
#include "records/session.h"
#include "records/record_layout.h"
#include "ui/frame/window_context.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace hk {

class MainWindow;

class EntryWindow : public QDialog {
    Q_OBJECT
  public:
    // Opens the window in `mode` over the main window and disables the menu
    // item of that mode until the window closes. `zeSnimku` is set by the
    // faculae measurement window: only the header is entered then.
    static EntryWindow* otevrit(WindowContext k, EntryMode mode, bool zeSnimku = false);

    EntryMode rezim() const { return rezim_; }
    bool zeSnimku() const { return zeSnimku_; }
    EntryView pohled() const { return pohled_; }

    // The text of every field and cell, and the way back.
    EntryForm formular() const;
    void nastavFormular(const EntryForm& f);

    void Edit11Change();
    void Edit12Change();
    void MaskEdit1Exit();
    void Edit3Exit();
    void StringGrid1Click();
    void HeliosClick();
    void ukoncitClick();
    void NavratClick();
    void Label10Click();

    // Esc, "Návrat" and the window's close: typed values that were not
    // confirmed are thrown away only after "Zahodit zadaná data?" is answered
    // "Ano".
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    EntryWindow(WindowContext k, EntryMode mode, bool zeSnimku);

    void FormCreate();
    void FormClose();
    void vytvorOvladace();
    void pripravMrizky();
    QTableWidget* vytvorMrizku(const QString& name, int sloupcu, int sirka);
    void nastavRadky(QTableWidget* grid, int radku);
    void ukazPohled(EntryView pohled);
    void ukazStavSkupin(bool povoleno);
    void ukazStavFakuli(bool povoleno);
    void ukazCislovani();
    void ukazPocitadlo();
    EntrySettings nastaveni() const;
    int skaluj(int hodnota) const;

    WindowContext k_;
    const Session& session_;
    const EntryMode rezim_;
    const bool zeSnimku_;
    EntryView pohled_ = EntryView::Polar;
    TZaznam zaklad_{};   // the working record as the window found it
    EntryForm otevreno_; // the fields as the window opened
    // The group class last refused in a row: its message is shown once per
    // edit of the cell, not again on every click.
    std::optional<std::pair<int, QString>> odmitnuto_;
    bool plneni_ = false;

    QComboBox* ComboBox1_;
    QLineEdit* MaskEdit1_;
    QLineEdit* Edit2_;
    QLineEdit* Edit3_;
    QLineEdit* Edit4_;
    QLineEdit* Edit5_;
    QLineEdit* Edit6_;
    QLineEdit* Edit7_;
    QLineEdit* Edit8_;
    QLineEdit* Edit9_;
    QLineEdit* Edit10_;
    QLineEdit* Edit11_;
    QLineEdit* Edit12_;
    QLineEdit* Edit13_;
    QLineEdit* Edit25_;
    QLabel* Label10_;
    QLabel* Label16_;
    QLabel* Label17_;
    QLabel* Label18_;
    QLabel* Panel1_;
    QPushButton* Helios_;
    QGroupBox* GroupBox1_;
    QGroupBox* GroupBox2_;
    QTableWidget* StringGrid1_;
    QTableWidget* StringGrid2_;
    QPushButton* ukoncit_;
    QPushButton* Navrat_;
};

// Connects "Nový zákres", "Zvlášťní zákres" and "Oprava dat" (menu items and
// tool buttons) to the entry window.
void installNovdat(MainWindow& hlavni);

} // namespace hk
