#include "ui/results/observer_list_view.h"

#include <QKeyEvent>
#include <QPainter>

namespace hk {

ObserverListView::ObserverListView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("SeznamPozorovatelu"));
    setFocusPolicy(Qt::StrongFocus);
    hide();
}

void ObserverListView::present(const std::vector<ObserverPeriod>& period) {
    period_ = period;
    resize(ObserverListSize(period_));
    show();
    raise();
    setFocus();
    update();
}

void ObserverListView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintObserverList(p, rect(), period_);
}

void ObserverListView::mousePressEvent(QMouseEvent*) {
    hide();
}

void ObserverListView::keyPressEvent(QKeyEvent* event) {
    hide();
    event->accept();
}

} // namespace hk
