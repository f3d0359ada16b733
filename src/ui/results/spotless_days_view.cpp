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
    auto* radek = new QHBoxLayout(panel);
    radek->addWidget(new QLabel(QStringLiteral("Zadat rok"), panel));
    spin_ = new QSpinBox(panel);
    spin_->setObjectName(QStringLiteral("SpinEdit3"));
    spin_->setRange(BezAktivityRokOd, BezAktivityRokDo);
    spin_->setValue(BezAktivityRokStart);
    radek->addWidget(spin_);
    radek->addStretch(1);
    kalendar_ = new SpotlessCalendarWidget(*this, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel);
    layout->addWidget(kalendar_, 1);
    // A new year redraws the calendar without rebuilding the list.
    connect(spin_, &QSpinBox::valueChanged, kalendar_, qOverload<>(&QWidget::update));
}

void SpotlessDaysView::nastav(std::vector<std::string> dny, int procento) {
    dny_ = std::move(dny);
    procento_ = procento;
    kalendar_->update();
}

int SpotlessDaysView::rok() const {
    return spin_->value();
}

SpotlessCalendar SpotlessDaysView::model() const {
    return BuildSpotlessCalendar(dny_, rok(), kalendar_->width(), kalendar_->height(), procento_);
}

QWidget* SpotlessDaysView::kalendar() const {
    return kalendar_;
}

} // namespace hk
