#include "ui/results/protocol_view.h"

#include <QPainter>
#include <QScrollBar>
#include <cmath>

namespace hk {

namespace {
constexpr int ScrollStep = 16;
}

ProtocolView::ProtocolView(QWidget* parent) : QAbstractScrollArea(parent) {
    setObjectName(QStringLiteral("ProtocolView"));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setAutoFillBackground(true);
    QPalette pal = viewport()->palette();
    pal.setColor(QPalette::Window, Qt::white);
    viewport()->setPalette(pal);
    verticalScrollBar()->setSingleStep(ScrollStep);
    horizontalScrollBar()->setSingleStep(ScrollStep);
}

void ProtocolView::setTable(const ProtocolData& data, ProtocolKind kind, double unit,
                            int fontSize) {
    data_ = data;
    kind_ = kind;
    unit_ = unit;
    fontSize_ = fontSize;
    updateScrollBar();
    viewport()->update();
}

ProtocolOptions ProtocolView::options() const {
    // A form wider than the window (a large font, a narrow screen) scrolls
    // sideways to its last column.
    return {unit_, static_cast<double>(verticalScrollBar()->value()), fontSize_,
            static_cast<double>(horizontalScrollBar()->value())};
}

void ProtocolView::updateScrollBar() {
    const QSizeF form = ProtocolFormSize(kind_, fontSize_) * unit_;
    const int height = static_cast<int>(std::ceil(form.height()));
    const int width = static_cast<int>(std::ceil(form.width()));
    verticalScrollBar()->setRange(0, std::max(0, height - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
    horizontalScrollBar()->setRange(0, std::max(0, width - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
}

void ProtocolView::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    PaintProtocol(p, viewport()->rect(), data_, kind_, options());
}

void ProtocolView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBar();
}

} // namespace hk
