#pragma once
// Windows that live only while they are the active window of the work area
// and meanwhile show their own panel in the main window's tool bar (the
// graphs, the smoothed graphs, the butterfly diagram): they close themselves
// when another window is activated, and give the tool bar back.
#include <QString>
#include <functional>

class QMdiArea;
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

} // namespace hk
