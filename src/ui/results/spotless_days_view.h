#pragma once
// View 11 of the results window: the panel `Panel10` with the year box
// "Zadat rok" (`SpinEdit3`) above the calendar of the days without activity.
#include <QWidget>
#include <string>
#include <vector>

#include "results/spotless_days.h"

class QSpinBox;

namespace hk {

class PictureCanvas;

class SpotlessDaysView : public QWidget {
    Q_OBJECT
  public:
    explicit SpotlessDaysView(QWidget* parent);

    QSpinBox* yearSpin() const { return spin_; }
    // The list of spotless dates (rebuilt by the window on every paint of the
    // view) and the size percentage.
    void setTable(std::vector<std::string> days, int percent);
    const std::vector<std::string>& days() const { return days_; }
    int year() const;
    int percent() const { return percent_; }
    // The calendar as drawn at the calendar's present size.
    const SpotlessCalendar& model() const { return model_; }
    QWidget* calendar() const;

  private:
    // The calendar of the year box's year at the canvas's size.
    void rebuild();

    QSpinBox* spin_;
    PictureCanvas* calendar_;
    SpotlessCalendar model_;
    std::vector<std::string> days_;
    int percent_ = 100;
};

} // namespace hk
