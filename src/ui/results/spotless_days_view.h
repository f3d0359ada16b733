#pragma once
// View 11 of the results window: the panel `Panel10` with the year box
// "Zadat rok" (`SpinEdit3`) above the calendar of the days without activity.
// The year box and the calendar's size make the scene the calendar is built
// from.
#include <QWidget>

#include "results/spotless_days_scene.h"

class QSpinBox;

namespace hk {

class PictureCanvas;
class Session;

class SpotlessDaysView : public QWidget {
    Q_OBJECT
  public:
    SpotlessDaysView(const Session& session, QWidget* parent);

    QSpinBox* yearSpin() const { return spin_; }
    // Builds the calendar again from the store (the window calls it when it
    // shows the view).
    void refresh();
    int year() const { return scene_.year; }
    // The calendar as drawn at the calendar's present size.
    const SpotlessDaysPicture& picture() const { return picture_; }
    QWidget* calendar() const;

  private:
    void onYearChanged(int year);
    void onCalendarResized();
    void rebuild();

    const Session& session_;
    QSpinBox* spin_;
    PictureCanvas* calendar_;
    SpotlessDaysScene scene_;
    SpotlessDaysPicture picture_;
};

} // namespace hk
