#include "ui/frame/tool_window.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>

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

QRect ToolWindowRect(QMdiArea* area, QSize margin, QSize minimum, bool leftOfOthers) {
    const QRect viewport = area->viewport()->rect();
    int width = viewport.width();
    if (leftOfOthers)
        for (QMdiSubWindow* other : area->subWindowList())
            if (other->isVisible() && other->x() > viewport.width() / 2)
                width = std::min(width, other->x());
    return QRect(1, 1, std::max(minimum.width(), width - margin.width()),
                 std::max(minimum.height(), viewport.height() - margin.height()));
}

ToolWindow::ToolWindow(WindowFrame& frame, QMdiArea* area, QString panel)
    : QWidget(nullptr), frame_(frame), area_(area), panel_(std::move(panel)) {}

void ToolWindow::showInArea(const QString& subName, const QRect& rect) {
    sub_ = area_->addSubWindow(this);
    sub_->setObjectName(subName);
    sub_->setAttribute(Qt::WA_DeleteOnClose);
    sub_->setGeometry(rect);
    frame_.showPanel(panel_);
    sub_->show();
    area_->setActiveSubWindow(sub_);
    CloseWhenAnotherActivates(area_, sub_, this, [this] {
        if (!closing_) closeWindow();
    });
}

void ToolWindow::activate() {
    if (sub_) area_->setActiveSubWindow(sub_);
}

void ToolWindow::closeWindow() {
    if (sub_)
        sub_->close();
    else
        close();
}

void ToolWindow::closeEvent(QCloseEvent* event) {
    // The work area closes the window before it goes; the default panel
    // comes back at once, unless the window that took over shows its own.
    if (!closing_) {
        closing_ = true;
        RestorePanel(frame_, panel_);
        windowClosing();
    }
    QWidget::closeEvent(event);
}

} // namespace hk
