#include "render/spotless_calendar.h"

#include <QFontMetrics>
#include <QPainter>

#include "render/font_roles.h"

namespace hk {

void PaintSpotlessCalendar(QPainter& p, const QRect& target, const SpotlessCalendar& model,
                           const SpotlessCalendarOptions& options) {
    p.save();
    p.translate(target.topLeft());
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(0, 0, model.width, model.height), Qt::white);
    p.setPen(QPen(Qt::black, 0));
    for (const auto& l : model.lines)
        p.drawLine(l.x1, l.y1, l.x2, l.y2);
    QFont font = SansFont(std::max(1, model.fontHeight));
    font.setBold(options.bold);
    p.setFont(font);
    for (const auto& t : model.texts) {
        const QString text = QString::fromStdString(t.text);
        // A text wider than its room is drawn in a smaller font.
        const int advance = QFontMetrics(font).horizontalAdvance(text);
        const bool shrink = t.width > 0 && advance > t.width;
        if (shrink) {
            QFont smaller = font;
            smaller.setPixelSize(std::max(1, model.fontHeight * t.width / advance));
            p.setFont(smaller);
        }
        p.drawText(QRect(t.x, t.y, model.width, model.fontHeight * 2), Qt::AlignLeft | Qt::AlignTop,
                   text);
        if (shrink) p.setFont(font);
    }
    // A bordered rectangle covers its left and top bound and stops one pixel
    // before its right and bottom bound.
    p.setBrush(QColor(255, 0, 0));
    for (const auto& c : model.red)
        p.drawRect(QRect(c.left, c.top, c.right - c.left - 1, c.bottom - c.top - 1));
    p.restore();
}

} // namespace hk
