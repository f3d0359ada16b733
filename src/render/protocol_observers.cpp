#include "render/protocol_observers.h"

#include <QFont>
#include <QPainter>

#include "records/record.h"
#include "render/font_roles.h"

namespace hk {

namespace {

constexpr int RowHeight = ObserverListRowHeight;
constexpr int NameWidth = ObserverListNameWidth;
constexpr int PeriodWidth = ObserverListPeriodWidth;
constexpr int CountWidth = ObserverListCountWidth;

QFont listFont(bool bold) {
    QFont f = SansFont(ObserverListFontPx);
    f.setBold(bold);
    return f;
}

} // namespace

void PaintObserverList(QPainter& painter, const QRect& target, const ObserverListPicture& picture) {
    const std::vector<ObserverPeriod>& periods = picture.periods;
    painter.save();
    const QRect area(target.topLeft(), QSize(picture.listWidth, picture.listHeight));
    painter.setClipRect(target);
    painter.fillRect(area, Qt::white);
    painter.setPen(Qt::black);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    int y = area.top() + ObserverListMargin;
    const int x = area.left() + ObserverListMargin;
    auto row = [&](const QString& a, const QString& b, const QString& c) {
        painter.drawText(QRect(x, y, NameWidth, RowHeight), Qt::AlignLeft | Qt::AlignVCenter, a);
        painter.drawText(QRect(x + NameWidth, y, PeriodWidth, RowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, b);
        painter.drawText(QRect(x + NameWidth + PeriodWidth, y, CountWidth, RowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, c);
        y += RowHeight;
    };
    if (periods.empty()) {
        painter.setFont(listFont(true));
        row(QStringLiteral("Ještě není znám žádný pozorovatel"), {}, {});
    } else {
        painter.setFont(listFont(true));
        row(QStringLiteral(" Pozorovate"), QStringLiteral("    Období   "),
            QStringLiteral("    Suma  pozorování   "));
        painter.setFont(listFont(false));
        for (const ObserverPeriod& p : periods)
            row(QString::fromStdString(p.name),
                p.first.year == 0 ? QString()
                                  : QStringLiteral("    %1 - %2")
                                        .arg(QString::fromStdString(FormatDatum(p.first)),
                                             QString::fromStdString(FormatDatum(p.last))),
                QStringLiteral("    %1").arg(p.count));
    }
    painter.restore();
}

} // namespace hk
