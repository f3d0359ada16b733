#pragma once
// The geometry of the whole archive, computed while the program waits for
// the observer: after the start-up only the working drawing's record has its
// ephemeris and positions, and the first window that needs every record (the
// butterfly diagram, the graphs, the strips of the map) would compute all of
// them while the observer waits for it. Here they are computed in slices of a
// few milliseconds each, on the main thread whenever it has nothing else to
// do, so that the windows stay responsive and such a window later opens on a
// finished cache.
#include <QObject>
#include <QTimer>

namespace hk {

class SessionModel;

class GeometryWarmUp : public QObject {
  public:
    // Starts after `delayMs`, so that the first picture is painted first.
    GeometryWarmUp(SessionModel& model, QObject* parent, int delayMs = 500);
    bool finished() const { return finished_; }

  private:
    void step();

    SessionModel& model_;
    QTimer timer_;
    int next_ = 1; // the first record of the next slice, 1-based
    bool finished_ = false;
};

} // namespace hk
