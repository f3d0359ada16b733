#include "ui/results/spotless_days_view.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QSpinBox>
#include <QVBoxLayout>

#include "render/spotless_calendar.h"

namespace hk {

// The calendar's client area: every paint builds the model for its size.
class SpotlessCalendarWidget : public QWidget {
  public:
    SpotlessCalendarWidget(const SpotlessDaysView& view, QWidget* parent)
        : QWidget(parent), view_(view) {
        setObjectName(QStringLiteral("SpotlessCalendarWidget"));
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        PaintSpotlessCalendar(p, rect(), view_.model());
    }

  private:
    const SpotlessDaysView& view_;
};

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
    calendar_ = new SpotlessCalendarWidget(*this, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel);
    layout->addWidget(calendar_, 1);
    // A new year redraws the calendar without rebuilding the list.
    connect(spin_, &QSpinBox::valueChanged, calendar_, qOverload<>(&QWidget::update));
}

void SpotlessDaysView::setTable(std::vector<std::string> days, int percent) {
    days_ = std::move(days);
    percent_ = percent;
    calendar_->update();
}

int SpotlessDaysView::year() const {
    return spin_->value();
}

SpotlessCalendar SpotlessDaysView::model() const {
    return BuildSpotlessCalendar(days_, year(), calendar_->width(), calendar_->height(), percent_);
}

QWidget* SpotlessDaysView::calendar() const {
    return calendar_;
}

} // namespace hk
