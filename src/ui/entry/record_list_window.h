#pragma once
// The record selection window ("Výběr datumu"): a narrow list of the records
// by date at the right of the work area, with a scroll bar when they do not
// fit. Choosing a line makes that record current. It lives for the whole run
// and cannot be closed by the user.
#include <QWidget>

#include "records/record_list.h"
#include "ui/frame/window_context.h"

class QListWidget;
class QMdiSubWindow;
class QScrollBar;

namespace hk {

class MainWindow;

class RecordListWindow : public QWidget {
    Q_OBJECT
  public:
    // Creates the window in the main window's work area, at its place.
    static RecordListWindow* vytvor(MainWindow& hlavni);

    int RadkySeznamu() const { return okno_.radky(); }
    const SeznamOkno& okno() const { return okno_; }
    // The line texts as listed.
    QStringList radky() const;
    int vybranyRadek() const;

    // Lists the records again from the store.
    void zadatlist();
    // Makes the last record current and shows it at the bottom of the list.
    void posledni();
    // The scroll bar beside the list; the wheel and the arrow keys step
    // through the records while it is hidden.
    void ukazPosuvnik(bool viditelny);
    // The main window's close lifts the refusal to close.
    void povolitZavreni() { zavrit_ = true; }

    // Places the window at the right of the work area, as high as the area,
    // until the user moves it.
    void umistit();
    // Ctrl+F or a digit typed in the list: asks for a date and makes the
    // drawing nearest to it current.
    void najitDatum(const QString& zacatek = {});

  signals:
    // F9 in the list: the drawing window's magnetosphere underlay.
    void klavesaF9();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    RecordListWindow(WindowContext k, QWidget* parent);

    void prepsatlist();
    void ScrollBar1Change(int pozice);
    void ListBox1Click(int row);
    // Makes record k current and shows it in the drawing window; a step
    // chosen in the list keeps the keyboard in the list.
    void vyber(int k, bool zeSeznamu = true);
    void drzetKlavesnici();
    void nastavPosuvnik();
    int vyskaRadku() const;
    int sirkaRadku() const;

    WindowContext k_;
    QListWidget* ListBox1_;
    QScrollBar* ScrollBar1_;
    QMdiSubWindow* sub_ = nullptr;
    // The work area's viewport, watched for resizes; kept so that the filter
    // never calls into the main window while it is being destroyed.
    QObject* plochaViewport_ = nullptr;
    SeznamOkno okno_;
    bool plneni_ = false;
    bool zavrit_ = false;
    bool umistuji_ = false;
    bool presunuto_ = false; // moved by the user: stays where it was put
};

} // namespace hk
