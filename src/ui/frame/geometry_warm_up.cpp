#include "ui/frame/geometry_warm_up.h"

#include "records/session.h"
#include "ui/frame/session_model.h"

namespace hk {

namespace {

// About 5 ms of computation on a current machine: a slice never delays a
// keystroke or a repaint noticeably.
constexpr int SliceRecords = 2048;

} // namespace

GeometryWarmUp::GeometryWarmUp(SessionModel& model, QObject* parent, int delayMs)
    : QObject(parent), model_(model) {
    timer_.setInterval(0); // whenever the event loop is idle
    connect(&timer_, &QTimer::timeout, this, [this] { step(); });
    QTimer::singleShot(delayMs, this, [this] { timer_.start(); });
}

void GeometryWarmUp::step() {
    const Session& session = model_.session();
    const int count = session.recordCount();
    const GeometryCache& cache = session.geometryWithPoints(next_, next_ + SliceRecords - 1);
    next_ += SliceRecords;
    if (next_ <= count) return;
    // A record changed while the slices ran is computed by one more pass;
    // the cache then stays whole, refreshed by whoever reads it.
    if (cache.complete()) {
        timer_.stop();
        finished_ = true;
    } else {
        next_ = 1;
    }
}

} // namespace hk
