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

class RecordListWindow : public QWidget {
    Q_OBJECT
  public:
    // Creates the window in the work area, at its place; the frame is told
    // of it by the caller (WindowFrame::recordList).
    static RecordListWindow* createWindow(WindowContext k);

    int ListRows() const { return window_.rows(); }
    const RecordListRange& window() const { return window_; }
    // The line texts as listed.
    QStringList rows() const;
    int selectedRow() const;

    // Lists the records again from the store.
    void fillList();
    // Makes the last record current and shows it at the bottom of the list.
    void last();
    // The scroll bar beside the list; the wheel and the arrow keys step
    // through the records while it is hidden.
    void showScrollBar(bool visible);
    // The main window's close lifts the refusal to close.
    void allowClose() { closeAllowed_ = true; }

    // Places the window at the right of the work area, as high as the area,
    // until the user moves it.
    void place();
    // The width the window takes where the work area has room for it: the
    // drawing window leaves this much at the right.
    int usualWidth() const;
    // Ctrl+F or a digit typed in the list: asks for a date and makes the
    // drawing nearest to it current.
    void findDate(const QString& start = {});

  signals:
    // F9 in the list: the drawing window's magnetosphere underlay.
    void f9Pressed();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    RecordListWindow(WindowContext k, QWidget* parent);

    void rewriteList();
    void onScrollChanged(int position);
    void onRecordRowClicked(int row);
    // Makes record k current and shows it in the drawing window; a step
    // chosen in the list keeps the keyboard in the list.
    void choose(int k, bool fromList = true);
    void keepKeyboard();
    void updateScrollBar();
    int rowHeight() const;
    int rowWidth() const;

    WindowContext k_;
    QListWidget* recordList_;
    QScrollBar* recordScroll_;
    QMdiSubWindow* sub_ = nullptr;
    // The work area's viewport, watched for resizes; kept so that the filter
    // never calls into the main window while it is being destroyed.
    QObject* areaViewport_ = nullptr;
    RecordListRange window_;
    bool filling_ = false;
    bool closeAllowed_ = false;
    bool placing_ = false;
    bool moved_ = false; // moved by the user: stays where it was put
};

} // namespace hk
