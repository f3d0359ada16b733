#include "render/table_print.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <stdexcept>
#include <vector>

#include "render/font_roles.h"
#include "results/statistics_status.h"

namespace hk {

namespace {

constexpr int PageMargin = 100; // dots above the title and below the last row
constexpr int RowUnit = 15;     // row height in dots per unit of scale
constexpr int UnitWidth = 704;  // page width of one unit of scale
constexpr double FontOfRow = 0.7;
constexpr double CellPadding = 0.8; // of the font size, between columns

struct PageLayout {
    int rowsPerPage;
    double rowHeight;
    double fontPx;
    std::vector<double> widths; // per column
};

QFont tableFont(double px, bool bold) {
    QFont f = SansFont(static_cast<int>(px));
    f.setBold(bold);
    return f;
}

QString cellText(const ResultsGrid& grid, std::size_t row, std::size_t column) {
    const auto& r = grid.cells[row];
    return column < r.size() ? QString::fromStdString(r[column]) : QString();
}

std::vector<double> columnWidths(const ResultsGrid& grid, double fontPx) {
    const QFontMetricsF fm(tableFont(fontPx, true));
    std::vector<double> widths(grid.columnCount(), 0.0);
    for (std::size_t r = 0; r < grid.rowCount(); ++r)
        for (std::size_t c = 0; c < widths.size(); ++c)
            widths[c] = std::max(widths[c], fm.horizontalAdvance(cellText(grid, r, c)));
    for (double& w : widths)
        w += fontPx * CellPadding;
    return widths;
}

PageLayout layoutFor(const ResultsGrid& grid, const QRect& page) {
    PageLayout l;
    l.rowsPerPage = StatisticsRowsPerPage(page.width(), page.height());
    const int unit = std::max(1, page.width() / UnitWidth);
    // The title and the header row share the page with the counted rows.
    l.rowHeight = std::min<double>(RowUnit * unit,
                                   double(page.height() - 2 * PageMargin) / (l.rowsPerPage + 2));
    l.rowHeight = std::max(1.0, l.rowHeight);
    l.fontPx = l.rowHeight * FontOfRow;
    l.widths = columnWidths(grid, l.fontPx);
    double total = 0;
    for (double w : l.widths)
        total += w;
    // A table wider than the page is printed with a smaller font.
    if (total > page.width() && total > 0) {
        const double k = page.width() / total;
        l.fontPx *= k;
        for (double& w : l.widths)
            w *= k;
    }
    return l;
}

int dataRows(const ResultsGrid& grid) {
    return grid.rowCount() > 0 ? static_cast<int>(grid.rowCount()) - 1 : 0;
}

void paintRow(QPainter& p, const ResultsGrid& grid, const PageLayout& l, std::size_t row, double x0,
              double top) {
    double x = x0;
    for (std::size_t c = 0; c < l.widths.size(); ++c) {
        const bool fixed = row == 0 || c == 0;
        p.setFont(tableFont(l.fontPx, fixed));
        const double pad = l.fontPx * CellPadding / 2;
        p.drawText(QRectF(x + pad, top, l.widths[c] - 2 * pad, l.rowHeight),
                   Qt::AlignVCenter | (c == 0 ? Qt::AlignLeft : Qt::AlignRight),
                   cellText(grid, row, c));
        x += l.widths[c];
    }
}

} // namespace

int TablePrintPageCount(const ResultsGrid& grid, const QSize& page) {
    const int perPage = StatisticsRowsPerPage(page.width(), page.height());
    return std::max(1, (dataRows(grid) + perPage - 1) / perPage);
}

void PaintTablePage(QPainter& painter, const QRect& page, const ResultsGrid& grid,
                    const QString& title, int pageIndex) {
    const PageLayout l = layoutFor(grid, page);
    const int pages = TablePrintPageCount(grid, page.size());
    painter.save();
    painter.setClipRect(page);
    painter.setPen(Qt::black);
    const double left = page.left();
    double top = page.top() + PageMargin;

    painter.setFont(tableFont(l.fontPx, true));
    const QRectF titleRect(left, top, page.width(), l.rowHeight);
    painter.drawText(titleRect, Qt::AlignLeft | Qt::AlignVCenter, title);
    painter.setFont(tableFont(l.fontPx, false));
    painter.drawText(titleRect, Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("str. %1 / %2").arg(pageIndex + 1).arg(pages));
    top += l.rowHeight;

    double width = 0;
    for (double w : l.widths)
        width += w;
    if (grid.rowCount() > 0) {
        paintRow(painter, grid, l, 0, left, top);
        QPen pen(Qt::black);
        pen.setWidthF(std::max(1.0, l.rowHeight / 20));
        painter.setPen(pen);
        painter.drawLine(QPointF(left, top + l.rowHeight),
                         QPointF(left + width, top + l.rowHeight));
        painter.setPen(Qt::black);
    }
    top += l.rowHeight;

    const int first = pageIndex * l.rowsPerPage + 1;
    const int last = std::min(dataRows(grid), first + l.rowsPerPage - 1);
    for (int r = first; r <= last; ++r, top += l.rowHeight)
        paintRow(painter, grid, l, static_cast<std::size_t>(r), left, top);
    painter.restore();
}

int PrintTable(QPagedPaintDevice& device, const ResultsGrid& grid, const QString& title) {
    QPainter painter;
    if (!painter.begin(&device)) throw std::runtime_error("Tisk nelze zahájit");
    const QRect page(0, 0, device.width(), device.height());
    const int pages = TablePrintPageCount(grid, page.size());
    for (int i = 0; i < pages; ++i) {
        if (i > 0) device.newPage();
        PaintTablePage(painter, page, grid, title, i);
    }
    painter.end();
    return pages;
}

} // namespace hk
