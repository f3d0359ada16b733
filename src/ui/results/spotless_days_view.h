#pragma once
// View 11 of the results window: the panel `Panel10` with the year box
// "Zadat rok" (`SpinEdit3`) above the calendar of the days without activity.
#include <QWidget>
#include <string>
#include <vector>

#include "results/spotless_days.h"

class QSpinBox;

namespace hk {

class SpotlessCalendarWidget;

class SpotlessDaysView : public QWidget {
    Q_OBJECT
  public:
    explicit SpotlessDaysView(QWidget* parent);

    QSpinBox* SpinEdit3() const { return spin_; }
    // The list of spotless dates (rebuilt by the window on every paint of the
    // view) and the size percentage.
    void nastav(std::vector<std::string> dny, int procento);
    const std::vector<std::string>& dny() const { return dny_; }
    int rok() const;
    int procento() const { return procento_; }
    // The calendar as drawn at the calendar's present size.
    SpotlessCalendar model() const;
    QWidget* kalendar() const;

  private:
    QSpinBox* spin_;
    SpotlessCalendarWidget* kalendar_;
    std::vector<std::string> dny_;
    int procento_ = 100;
};

} // namespace hk
