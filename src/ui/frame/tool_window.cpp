#include "ui/frame/tool_window.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "ui/frame/window_context.h"

namespace hk {

void CloseWhenAnotherActivates(QMdiArea* area, QMdiSubWindow* sub, QObject* owner,
                               std::function<void()> closeWindow) {
    QObject::connect(area, &QMdiArea::subWindowActivated, owner,
                     [sub, closeWindow = std::move(closeWindow)](QMdiSubWindow* activated) {
                         if (activated && activated != sub) closeWindow();
                     });
}

void RestorePanel(WindowFrame& frame, const QString& panel) {
    if (frame.visiblePanel() == panel) frame.showDefaultPanel();
}

} // namespace hk
