#include "ui/results/observer_list_view.h"

#include <QKeyEvent>
#include <QPainter>

namespace hk {

SeznamPozorovateluView::SeznamPozorovateluView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("SeznamPozorovatelu"));
    setFocusPolicy(Qt::StrongFocus);
    hide();
}

void SeznamPozorovateluView::ukaz(const std::vector<ObserverPeriod>& obdobi) {
    obdobi_ = obdobi;
    resize(ObserverListSize(obdobi_));
    show();
    raise();
    setFocus();
    update();
}

void SeznamPozorovateluView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintObserverList(p, rect(), obdobi_);
}

void SeznamPozorovateluView::mousePressEvent(QMouseEvent*) {
    hide();
}

void SeznamPozorovateluView::keyPressEvent(QKeyEvent* event) {
    hide();
    event->accept();
}

} // namespace hk
