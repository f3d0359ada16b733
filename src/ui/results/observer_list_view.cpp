#include "ui/results/observer_list_view.h"

#include <QKeyEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>

#include "render/protocol_observers.h"
#include "ui/frame/picture_canvas.h"

namespace hk {

ObserverListView::ObserverListView(QWidget* parent)
    : QWidget(parent), canvas_(new PictureCanvas(this)) {
    setObjectName(QStringLiteral("SeznamPozorovatelu"));
    setFocusPolicy(Qt::StrongFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(canvas_);
    canvas_->setPainter([this](QPainter& p, const QRect& r) { PaintObserverList(p, r, picture_); });
    // A click on the list takes it away.
    canvas_->onPress([this](QMouseEvent&) { hide(); });
    hide();
}

void ObserverListView::present(const Session& session) {
    if (const QWidget* window = parentWidget()) {
        scene_.roomWidth = std::max(1, window->width() - x());
        scene_.roomHeight = std::max(1, window->height() - y());
    }
    picture_ = BuildObserverListPicture(session, scene_);
    resize(picture_.width, picture_.height);
    show();
    raise();
    setFocus();
    canvas_->update();
}

void ObserverListView::keyPressEvent(QKeyEvent* event) {
    hide();
    event->accept();
}

} // namespace hk
