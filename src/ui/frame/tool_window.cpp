#include "ui/frame/tool_window.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "ui/frame/window_context.h"

namespace hk {

void ZavritPriAktivaciJineho(QMdiArea* plocha, QMdiSubWindow* sub, QObject* vlastnik,
                             std::function<void()> zavrit) {
    QObject::connect(plocha, &QMdiArea::subWindowActivated, vlastnik,
                     [sub, zavrit = std::move(zavrit)](QMdiSubWindow* aktivni) {
                         if (aktivni && aktivni != sub) zavrit();
                     });
}

void VratitPanel(WindowFrame& ramec, const QString& panel) {
    if (ramec.viditelnyPanel() == panel) ramec.zakladniPanel();
}

} // namespace hk
