#include "ui/results/observer_list_view.h"

#include <QKeyEvent>
#include <QPainter>

namespace hk {

ObserverListView::ObserverListView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("SeznamPozorovatelu"));
    setFocusPolicy(Qt::StrongFocus);
    hide();
}

void ObserverListView::ukaz(const std::vector<ObserverPeriod>& obdobi) {
    obdobi_ = obdobi;
    resize(ObserverListSize(obdobi_));
    show();
    raise();
    setFocus();
    update();
}

void ObserverListView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintObserverList(p, rect(), obdobi_);
}

void ObserverListView::mousePressEvent(QMouseEvent*) {
    hide();
}

void ObserverListView::keyPressEvent(QKeyEvent* event) {
    hide();
    event->accept();
}

} // namespace hk
