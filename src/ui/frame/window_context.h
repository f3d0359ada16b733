#pragma once
// What a window gets from the program's frame: the messages, the record
// store's wrapper, the work area, and the frame's commands it may use (its
// panel in the tool bar, its menu commands, the window-image save, the
// caption and the status line). Windows hold this context, not the main
// window, so that they can be built and tested on their own.
#include <QRect>
#include <QString>
#include <functional>

#include "ui/frame/command_names.h"

class QAction;
class QMdiArea;
class QWidget;

namespace hk {

class Messages;
class SessionModel;

// The main window's commands as the other windows see them.
class WindowFrame {
  public:
    virtual ~WindowFrame() = default;
    // The menu item or tool button of that objectName (nullptr when unknown);
    // the names are the constants of command_names.h.
    virtual QAction* action(const QString& objectName) const = 0;
    // Makes a command live and runs `fn` when it is chosen.
    virtual void connectCommand(const QString& objectName, std::function<void()> fn) = 0;
    // Shows a window's panel in the tool bar (and hides the others).
    virtual void showPanel(const QString& name) = 0;
    void showDefaultPanel() { showPanel(QString::fromLatin1(panel::Default)); }
    // The name of the panel shown now (empty when none is).
    virtual QString visiblePanel() const = 0;
    virtual QWidget* panel(const QString& name) const = 0;
    // F8: saves the front window's picture as "Obrázek/<name>.jpg", asking first.
    virtual void saveWindowPicture(const QString& name) = 0;
    // The same without the question (F9 of the map window).
    virtual void saveWindowPictureNow(const QString& name) = 0;
    // The drawing window's batch export writes BMP (else JPEG).
    virtual void setSaveAsBmp(bool bmp) = 0;
    virtual void setCaption(const QString& text) = 0;
    // A line in the status bar for `ms` milliseconds (0: until replaced).
    virtual void showStatus(const QString& text, int ms = 0) = 0;
    // Shows the date and time of the last change of datax.dat.
    virtual void lastEdit() = 0;
    // Brings the drawing window to the front.
    virtual void showDrawing() = 0;
    // Shows or hides the scroll bar of the record list (the results window
    // hides it while it is open).
    virtual void showRecordScrollBar(bool visible) = 0;
    virtual QRect screenRect() const = 0;
};

struct WindowContext {
    Messages& messages;
    SessionModel& model;
    QMdiArea* area;
    WindowFrame& frame;
};

} // namespace hk
