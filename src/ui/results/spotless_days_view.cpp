#include "ui/results/spotless_days_view.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QSpinBox>
#include <QVBoxLayout>

#include "render/spotless_calendar.h"
#include "ui/frame/picture_canvas.h"

namespace hk {

SpotlessDaysView::SpotlessDaysView(QWidget* parent) : QWidget(parent) {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel10"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(panel);
    row->addWidget(new QLabel(QStringLiteral("Zadat rok"), panel));
    spin_ = new QSpinBox(panel);
    spin_->setObjectName(QStringLiteral("SpinEdit3"));
    spin_->setRange(SpotlessYearFrom, SpotlessYearTo);
    spin_->setValue(SpotlessYearStart);
    row->addWidget(spin_);
    row->addStretch(1);
    calendar_ = new PictureCanvas(this, QStringLiteral("SpotlessCalendarWidget"));
    calendar_->setPainter(
        [this](QPainter& p, const QRect& r) { PaintSpotlessCalendar(p, r, model_); });
    calendar_->onResize([this] { rebuild(); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel);
    layout->addWidget(calendar_, 1);
    // A new year redraws the calendar without rebuilding the list.
    connect(spin_, &QSpinBox::valueChanged, this, [this] { rebuild(); });
}

void SpotlessDaysView::rebuild() {
    model_ =
        BuildSpotlessCalendar(days_, year(), calendar_->width(), calendar_->height(), percent_);
    calendar_->update();
}

void SpotlessDaysView::setTable(std::vector<std::string> days, int percent) {
    days_ = std::move(days);
    percent_ = percent;
    rebuild();
}

int SpotlessDaysView::year() const {
    return spin_->value();
}

QWidget* SpotlessDaysView::calendar() const {
    return calendar_;
}

} // namespace hk
