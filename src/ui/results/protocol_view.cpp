#include "ui/results/protocol_view.h"

#include <QEvent>
#include <QScrollBar>

#include "records/session.h"
#include "ui/frame/picture_canvas.h"

namespace hk {

namespace {
constexpr int ScrollStep = 16;
}

ProtocolView::ProtocolView(const Session& session, QWidget* parent)
    : QAbstractScrollArea(parent), session_(session),
      canvas_(new PictureCanvas(nullptr, QStringLiteral("platno"))) {
    setObjectName(QStringLiteral("ProtocolView"));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setViewport(canvas_);
    canvas_->setPainter(
        [this](QPainter& p, const QRect& r) { PaintProtocolPicture(p, r, picture_); });
    canvas_->onResize([this] { rebuild(); });
    verticalScrollBar()->setSingleStep(ScrollStep);
    horizontalScrollBar()->setSingleStep(ScrollStep);
}

void ProtocolView::setScene(const ProtocolScene& scene, const StationData& stationData) {
    stationData_ = stationData;
    const int scrollX = scene_.scrollX, scrollY = scene_.scrollY;
    scene_ = scene;
    scene_.scrollX = scrollX;
    scene_.scrollY = scrollY;
    picture_ = {};
    rebuild();
}

ProtocolOptions ProtocolView::options() const {
    return {picture_.unit, static_cast<double>(picture_.scrollY), picture_.fontSize,
            static_cast<double>(picture_.scrollX)};
}

void ProtocolView::rebuild() {
    if (rebuilding_) return;
    rebuilding_ = true;
    scene_.clientWidth = std::max(1, canvas_->width());
    scene_.clientHeight = std::max(1, canvas_->height());
    scene_.sizePercent = session_.sizePercent();
    picture_ = BuildProtocolPicture(session_, stationData_, scene_, &picture_);
    // A form wider than the window (a large font, a narrow screen) scrolls
    // sideways to its last column.
    verticalScrollBar()->setRange(0, picture_.maxScrollY);
    verticalScrollBar()->setPageStep(picture_.height);
    verticalScrollBar()->setValue(picture_.scrollY);
    horizontalScrollBar()->setRange(0, picture_.maxScrollX);
    horizontalScrollBar()->setPageStep(picture_.width);
    horizontalScrollBar()->setValue(picture_.scrollX);
    rebuilding_ = false;
    canvas_->update();
}

void ProtocolView::scrollContentsBy(int, int) {
    scene_.scrollX = horizontalScrollBar()->value();
    scene_.scrollY = verticalScrollBar()->value();
    rebuild();
}

bool ProtocolView::viewportEvent(QEvent* event) {
    // The canvas paints itself and reports its own resizing.
    if (event->type() == QEvent::Paint || event->type() == QEvent::Resize) return false;
    return QAbstractScrollArea::viewportEvent(event);
}

} // namespace hk
