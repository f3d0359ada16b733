#pragma once
// Windows that live only while they are the active window of the work area
// and meanwhile show their own panel in the main window's tool bar (the
// graphs, the smoothed graphs, the butterfly diagram, the maps): opened once,
// closed when another window is activated, and giving the tool bar back.
#include <QMdiArea>
#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>

class QMdiSubWindow;
class QObject;

namespace hk {

class WindowFrame;

// Runs `closeWindow` when a window of `area` other than `sub` becomes
// active; the connection ends with `owner`.
void CloseWhenAnotherActivates(QMdiArea* area, QMdiSubWindow* sub, QObject* owner,
                               std::function<void()> closeWindow);

// On closing: the default panel comes back, unless a window opened since
// has shown its own panel in place of `panel`.
void RestorePanel(WindowFrame& frame, const QString& panel);

// Where a tool window opens: its sub-window's rectangle in the work area,
// `margin` short of the area's size and no smaller than `minimum`; left of
// the record list when `leftOfOthers` (the width ends at the first visible
// window in the right half of the area).
QRect ToolWindowRect(QMdiArea* area, QSize margin, QSize minimum, bool leftOfOthers);

class ToolWindow : public QWidget {
  public:
    // The open window of type W in `area` (one that is not closing), or
    // nullptr: the command that opens a W brings that one back instead.
    template <class W> static W* openOf(QMdiArea* area) {
        if (!area) return nullptr;
        for (W* w : area->template findChildren<W*>())
            if (!w->closing()) return w;
        return nullptr;
    }

    bool closing() const { return closing_; }
    // Closes the window with its sub-window.
    void closeWindow();
    QMdiSubWindow* subWindow() const { return sub_; }

  protected:
    ToolWindow(WindowFrame& frame, QMdiArea* area, QString panel);

    // Puts the window into the work area as the active sub-window named
    // `subName` at `rect`, with its panel in the tool bar; from then on it
    // closes when another window of the area is activated.
    void showInArea(const QString& subName, const QRect& rect);
    // Makes the open window the active one again.
    void activate();
    // The window's own clean-up when it closes (once), after the tool bar
    // has been given back.
    virtual void windowClosing() {}

    void closeEvent(QCloseEvent* event) override;

  private:
    WindowFrame& frame_;
    QMdiArea* area_;
    QString panel_;
    QMdiSubWindow* sub_ = nullptr;
    bool closing_ = false;
};

} // namespace hk
