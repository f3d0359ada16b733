#include "render/coordinate_table_renderer.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "render/font_roles.h"

namespace hk {

namespace {

// A font whose text cell (ascent + descent) is `cellHeight` pixels high: the
// heights of the table are cell heights, so a text fills its row.
QFont cellFont(int cellHeight) {
    QFont f = SansFont(cellHeight);
    const double cell = QFontMetricsF(f).height();
    if (cell > 0)
        f.setPixelSize(std::max(1, static_cast<int>(std::lround(cellHeight * cellHeight / cell))));
    return f;
}

} // namespace

QSize CoordinateTablePictureSize(int scale) {
    return {TableScaled(CoordinateTableWidth, scale), TableScaled(CoordinateTableHeight, scale)};
}

int CoordinateTablePrintScale(const QSize& area) {
    const int byWidth = area.width() * CoordinateTableUnitScale / CoordinateTableWidth;
    const int byHeight = area.height() * CoordinateTableUnitScale / CoordinateTableHeight;
    return std::max(1, std::min(byWidth, byHeight));
}

void DrawCoordinateTable(QPainter& painter, const QRect& target, const CoordinateTablePage& page,
                         const CoordinateTableOptions& options) {
    painter.save();
    painter.setClipRect(target);
    painter.fillRect(target, Qt::white);
    painter.translate(target.topLeft());
    painter.setPen(Qt::black);
    const int scale = options.scale;
    const int offset = -TableScrollStep * options.scroll;
    const int reach = std::max(1, TableScaled(CoordinateTableWidth, scale)); // room for a text
    int fontHeight = 0;
    for (const TableText& t : page.texts) {
        const int cell = std::max(1, t.fontHeight * scale / CoordinateTableUnitScale);
        if (cell != fontHeight) {
            painter.setFont(cellFont(cell));
            fontHeight = cell;
        }
        const int x = TableScaled(t.x, scale);
        const int y = TableScaled(t.y + offset, scale);
        const QString text = QString::fromStdString(t.text);
        if (t.align == TableAlign::Left)
            painter.drawText(QRect(x, y, reach, 2 * cell), Qt::AlignLeft | Qt::AlignTop, text);
        else
            painter.drawText(QRect(x - reach, y, reach, 2 * cell), Qt::AlignRight | Qt::AlignTop,
                             text);
    }
    painter.restore();
}

void PaintCoordinateTablePicture(QPainter& painter, const QRect& target,
                                 const CoordinateTablePicture& picture) {
    DrawCoordinateTable(painter, target, picture.page, {picture.scale, picture.scroll});
}

void PrintCoordinateTable(QPagedPaintDevice& device, const CoordinateYear& year,
                          const std::vector<int>& pages) {
    QPainter painter;
    if (!painter.begin(&device)) throw std::runtime_error("Tisk nelze zahájit");
    const QSize area(device.width(), device.height());
    CoordinateTableOptions options;
    options.scale = CoordinateTablePrintScale(area);
    bool first = true;
    for (int page : pages) {
        if (!first) device.newPage();
        first = false;
        DrawCoordinateTable(painter, QRect(QPoint(0, 0), CoordinateTablePictureSize(options.scale)),
                            MakeCoordinateTablePage(year, page), options);
    }
    painter.end();
}

} // namespace hk
