#pragma once
// What a window gets from the program's frame: the messages, the record
// store's wrapper, the work area, and the frame's commands it may use (its
// panel in the tool bar, its menu commands, the window-image save, the
// caption and the status line). Windows hold this context, not the main
// window, so that they can be built and tested on their own.
#include <QRect>
#include <QString>
#include <functional>

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
    // The menu item or tool button of that objectName (nullptr when unknown).
    virtual QAction* akce(const QString& objectName) const = 0;
    // Makes a command live and runs `fn` when it is chosen.
    virtual void zapojit(const QString& objectName, std::function<void()> fn) = 0;
    // Shows a window's panel in the tool bar (and hides the others).
    virtual void ukazPanel(const QString& name) = 0;
    void zakladniPanel() { ukazPanel(QStringLiteral("zakladni")); }
    // The name of the panel shown now (empty when none is).
    virtual QString viditelnyPanel() const = 0;
    virtual QWidget* panel(const QString& name) const = 0;
    // F8: saves the front window's picture as "Obrázek/<nazev>.jpg", asking first.
    virtual void ulozitObrazekOkna(const QString& nazev) = 0;
    // The same without the question (F9 of the map window).
    virtual void ulozitObrazekOknaHned(const QString& nazev) = 0;
    // The drawing window's batch export writes BMP (else JPEG).
    virtual void setUkladatBMP(bool bmp) = 0;
    virtual void setTitulek(const QString& text) = 0;
    // A line in the status bar for `ms` milliseconds (0: until replaced).
    virtual void ukazStav(const QString& text, int ms = 0) = 0;
    // Shows the date and time of the last change of datax.dat.
    virtual void posledniUprava() = 0;
    // Brings the drawing window to the front.
    virtual void zobrazZakres() = 0;
    // Shows or hides the scroll bar of the record list (the results window
    // hides it while it is open).
    virtual void ukazPosuvnikZaznamu(bool viditelny) = 0;
    virtual QRect obrazovka() const = 0;
};

struct WindowContext {
    Messages& zpravy;
    SessionModel& model;
    QMdiArea* plocha;
    WindowFrame& ramec;
};

} // namespace hk
