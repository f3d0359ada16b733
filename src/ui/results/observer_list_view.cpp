#include "ui/results/observer_list_view.h"

#include <QKeyEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "ui/frame/picture_canvas.h"

namespace hk {

ObserverListView::ObserverListView(QWidget* parent)
    : QWidget(parent), canvas_(new PictureCanvas(this)) {
    setObjectName(QStringLiteral("SeznamPozorovatelu"));
    setFocusPolicy(Qt::StrongFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(canvas_);
    canvas_->setPainter([this](QPainter& p, const QRect& r) { PaintObserverList(p, r, period_); });
    // A click on the list takes it away.
    canvas_->onPress([this](QMouseEvent&) { hide(); });
    hide();
}

void ObserverListView::present(const std::vector<ObserverPeriod>& period) {
    period_ = period;
    resize(ObserverListSize(period_));
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
