#include "render/spotless_calendar.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

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
    // Texts with a room of their own (the month names) share one size: the
    // largest at which each fits its room.
    double scale = 1.0;
    const QFontMetrics metrics(font);
    for (const auto& t : model.texts)
        if (const int advance = metrics.horizontalAdvance(QString::fromStdString(t.text));
            t.width > 0 && advance > t.width)
            scale = std::min(scale, double(t.width) / advance);
    QFont fitted = font;
    fitted.setPixelSize(std::max(1, static_cast<int>(model.fontHeight * scale)));
    for (const auto& t : model.texts) {
        p.setFont(t.width > 0 ? fitted : font);
        p.drawText(QRect(t.x, t.y, model.width, model.fontHeight * 2), Qt::AlignLeft | Qt::AlignTop,
                   QString::fromStdString(t.text));
    }
    // A bordered rectangle covers its left and top bound and stops one pixel
    // before its right and bottom bound.
    p.setBrush(QColor(255, 0, 0));
    for (const auto& c : model.red)
        p.drawRect(QRect(c.left, c.top, c.right - c.left - 1, c.bottom - c.top - 1));
    p.restore();
}

void PrintSpotlessDays(QPainter& p, const QRect& page, const SpotlessDaysPicture& picture) {
    const SpotlessCalendar& calendar = picture.calendar;
    p.save();
    p.translate(page.topLeft());
    const double scale =
        std::min(page.width() / double(calendar.width), page.height() / double(calendar.height));
    p.scale(scale, scale);
    p.drawText(QPoint(calendar.width / 15, 30),
               QString::fromUtf8(SpotlessCaption.data(), SpotlessCaption.size()) +
                   QStringLiteral("  ") + QString::number(picture.year));
    PaintSpotlessCalendar(p, QRect(0, 0, calendar.width, calendar.height), calendar);
    p.restore();
}

} // namespace hk
