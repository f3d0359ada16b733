#include "ui/results/spotless_days_view.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QSpinBox>
#include <QVBoxLayout>

#include "records/session.h"
#include "render/spotless_calendar.h"
#include "ui/frame/picture_canvas.h"

namespace hk {

SpotlessDaysView::SpotlessDaysView(const Session& session, QWidget* parent)
    : QWidget(parent), session_(session) {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel10"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(panel);
    row->addWidget(new QLabel(QStringLiteral("Zadat rok"), panel));
    spin_ = new QSpinBox(panel);
    spin_->setObjectName(QStringLiteral("SpinEdit3"));
    spin_->setRange(SpotlessYearFrom, SpotlessYearTo);
    spin_->setValue(scene_.year);
    row->addWidget(spin_);
    row->addStretch(1);
    calendar_ = new PictureCanvas(this, QStringLiteral("SpotlessCalendarWidget"));
    calendar_->setPainter(
        [this](QPainter& p, const QRect& r) { PaintSpotlessCalendar(p, r, picture_.calendar); });
    calendar_->onResize([this] { onCalendarResized(); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel);
    layout->addWidget(calendar_, 1);
    connect(spin_, &QSpinBox::valueChanged, this, &SpotlessDaysView::onYearChanged);
}

void SpotlessDaysView::onYearChanged(int year) {
    scene_.year = year;
    rebuild();
}

void SpotlessDaysView::onCalendarResized() {
    scene_.width = calendar_->width();
    scene_.height = calendar_->height();
    rebuild();
}

void SpotlessDaysView::refresh() {
    scene_.sizePercent = session_.sizePercent();
    rebuild();
}

void SpotlessDaysView::rebuild() {
    picture_ = BuildSpotlessDaysPicture(session_, scene_);
    calendar_->update();
}

QWidget* SpotlessDaysView::calendar() const {
    return calendar_;
}

} // namespace hk
