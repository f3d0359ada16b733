#include "render/protocol.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QString>
#include <stdexcept>
#include <vector>

#include "render/font_roles.h"
#include "text/number_format.h"

namespace hk {

namespace {

// One column of the day table: its header and where its text stands.
struct Column {
    QString header;
    double left;
    double right;
    Qt::Alignment align;
};

// Everything that differs between the two forms; positions in form units.
struct FormLayout {
    double width;
    double height;
    double textPx;   // body text
    double titlePx;  // the title
    double tableTop; // top of the header row
    double headerHeight;
    double rowHeight;
    double labelRight;           // the "Sum" / "Mean" labels span the first two columns
    std::vector<Column> columns; // day, time, the 7 values, observer
};

constexpr int MaxDays = 31;
constexpr double TableFrameInset = 4;

const FormLayout& certificateLayout() {
    static const FormLayout l{ProtocolFormUnits(ProtocolKind::Sidc, DefaultFontSize).width,
                              ProtocolFormUnits(ProtocolKind::Sidc, DefaultFontSize).height,
                              12,
                              20,
                              238,
                              20,
                              16,
                              150,
                              {{"Day", 40, 72, Qt::AlignRight},
                               {"Time UT", 80, 150, Qt::AlignHCenter},
                               {"g", 156, 186, Qt::AlignRight},
                               {"f", 192, 232, Qt::AlignRight},
                               {"R", 238, 280, Qt::AlignRight},
                               {"R N", 286, 328, Qt::AlignRight},
                               {"R S", 334, 376, Qt::AlignRight},
                               {"Fac.", 382, 414, Qt::AlignRight},
                               {"Q", 420, 446, Qt::AlignRight},
                               {"Observer", 460, 640, Qt::AlignLeft}}};
    return l;
}

const FormLayout& protocolLayout() {
    static const FormLayout l{ProtocolFormUnits(ProtocolKind::Own, DefaultFontSize).width,
                              ProtocolFormUnits(ProtocolKind::Own, DefaultFontSize).height,
                              16,
                              24,
                              170,
                              24,
                              20,
                              160,
                              {{QString::fromUtf8("Den"), 40, 80, Qt::AlignRight},
                               {QString::fromUtf8("Čas UT"), 90, 160, Qt::AlignHCenter},
                               {"g", 166, 206, Qt::AlignRight},
                               {"f", 212, 262, Qt::AlignRight},
                               {"R", 268, 324, Qt::AlignRight},
                               {QString::fromUtf8("R sev."), 330, 390, Qt::AlignRight},
                               {QString::fromUtf8("R jih"), 396, 456, Qt::AlignRight},
                               {"F", 462, 502, Qt::AlignRight},
                               {"Q", 508, 544, Qt::AlignRight},
                               {QString::fromUtf8("Pozorovatel"), 556, 720, Qt::AlignLeft}}};
    return l;
}

const FormLayout& layoutOf(ProtocolKind kind) {
    return kind == ProtocolKind::Sidc ? certificateLayout() : protocolLayout();
}

// The forms' texts in the program's sans, the Czech title in its serif;
// sizes in form units, scaled by the painter.
QFont formFont(bool serif, double px, bool bold) {
    QFont f = serif ? SerifFont(static_cast<int>(px)) : SansFont(static_cast<int>(px));
    f.setBold(bold);
    return f;
}

QString q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

double scaleOf(ProtocolKind kind, int fontSize) {
    return kind == ProtocolKind::Own ? static_cast<double>(fontSize) / DefaultFontSize : 1.0;
}

void text(QPainter& p, double left, double top, double width, double height, Qt::Alignment align,
          const QString& s) {
    const QFontMetricsF fm(p.font());
    const QString shown =
        fm.horizontalAdvance(s) > width ? fm.elidedText(s, Qt::ElideRight, width) : s;
    p.drawText(QRectF(left, top, width, height), align | Qt::AlignVCenter, shown);
}

void cell(QPainter& p, const Column& c, double top, double height, const QString& s) {
    text(p, c.left, top, c.right - c.left, height, c.align, s);
}

// Label and value lines of the header block.
void headerLine(QPainter& p, double baselineTop, double labelX, double valueX, const QString& label,
                const QString& value, double width) {
    text(p, labelX, baselineTop, valueX - labelX, 18, Qt::AlignLeft, label);
    text(p, valueX, baselineTop, width - valueX - 40, 18, Qt::AlignLeft, value);
}

// Top of a table row: the days follow the header row; the sum and mean rows
// stand a little below the last day.
double rowTop(const FormLayout& l, int row) {
    const double daysTop = l.tableTop + l.headerHeight;
    if (row <= MaxDays + 1) return daysTop + (row - 1) * l.rowHeight;
    return daysTop + MaxDays * l.rowHeight + 2 + (row - ProtocolSumRow) * l.rowHeight;
}

// Where the pieces of a printed form start along one side: each piece as
// long as the page allows, ending at the last allowed split that fits (or
// where the page ends when none does).
std::vector<double> pieceStarts(double length, double page, const std::vector<double>& splits) {
    constexpr double Slack = 0.5; // a pixel's rounding never makes a new page
    std::vector<double> starts{0};
    double start = 0;
    while (length - start > page + Slack) {
        double next = 0;
        for (double split : splits)
            if (split > start + Slack && split <= start + page) next = std::max(next, split);
        if (next == 0) next = start + page;
        starts.push_back(next);
        start = next;
    }
    return starts;
}

QString valueText(int v) {
    return QString::number(v);
}

void paintTable(QPainter& p, const FormLayout& l, const ProtocolData& data, bool czech) {
    const double frameLeft = l.columns.front().left - TableFrameInset;
    const double frameRight = l.columns.back().right + TableFrameInset;
    const double rowsTop = rowTop(l, 1);
    const double rowsBottom = rowTop(l, MaxDays + 1);
    const double sumTop = rowTop(l, ProtocolSumRow);
    const double bottom = rowTop(l, ProtocolMeanRow + 1) + 2;

    p.setFont(formFont(false, l.textPx, true));
    for (const Column& c : l.columns)
        cell(p, c, l.tableTop, l.headerHeight, c.header);

    p.setFont(formFont(false, l.textPx, false));
    for (const ProtocolDay& d : data.days) {
        const double top = rowTop(l, d.day);
        cell(p, l.columns[0], top, l.rowHeight, QString::number(d.day));
        if (!d.observed) continue;
        cell(p, l.columns[1], top, l.rowHeight,
             q(czech ? ProtocolTimeCz(d.time) : ProtocolTimeEn(d.time)));
        for (int v = 0; v < ProtocolValueColumns; ++v)
            cell(p, l.columns[static_cast<std::size_t>(v + 2)], top, l.rowHeight,
                 valueText(d.values[static_cast<std::size_t>(v)]));
        cell(p, l.columns.back(), top, l.rowHeight, q(d.observer));
    }

    p.setFont(formFont(false, l.textPx, true));
    const Column sumLabel{{}, l.columns.front().left, l.labelRight, Qt::AlignLeft};
    cell(p, sumLabel, sumTop, l.rowHeight,
         czech ? QString::fromUtf8("Součet") : QStringLiteral("Sum"));
    cell(p, sumLabel, sumTop + l.rowHeight, l.rowHeight,
         czech ? QString::fromUtf8("Průměr") : QStringLiteral("Mean"));
    for (int v = 0; v < ProtocolValueColumns; ++v) {
        const Column& c = l.columns[static_cast<std::size_t>(v + 2)];
        cell(p, c, sumTop, l.rowHeight, QString::number(data.sums[static_cast<std::size_t>(v)]));
        cell(p, c, sumTop + l.rowHeight, l.rowHeight,
             q(FormatNumber(data.mean(static_cast<ProtocolColumn>(v)), "0.0")));
    }
    cell(p, l.columns.back(), sumTop, l.rowHeight,
         czech ? QString::fromUtf8("dnů: %1").arg(data.observedDays)
               : QStringLiteral("days: %1").arg(data.observedDays));

    // Frame, the line under the headers, the line above the sums and the
    // column rules.
    QPen pen(Qt::black);
    pen.setWidthF(1.0);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(frameLeft, l.tableTop, frameRight - frameLeft, bottom - l.tableTop));
    p.drawLine(QPointF(frameLeft, rowsTop), QPointF(frameRight, rowsTop));
    p.drawLine(QPointF(frameLeft, rowsBottom + 1), QPointF(frameRight, rowsBottom + 1));
    for (std::size_t i = 1; i < l.columns.size(); ++i) {
        const double x = (l.columns[i - 1].right + l.columns[i].left) / 2;
        // The sum labels span the first two columns.
        p.drawLine(QPointF(x, l.tableTop), QPointF(x, i == 1 ? rowsBottom + 1 : bottom));
    }
}

void paintCertificate(QPainter& p, const ProtocolData& data) {
    const FormLayout& l = certificateLayout();
    p.setFont(formFont(false, l.textPx, false));
    const QString labels[] = {"Station:",  "Instrument:", "Lens:",         "Focus lens:",
                              "Eyepiece:", "Method:",     "Magnification:"};
    const QString values[] = {q(data.station),
                              q(data.instrument),
                              q(data.lens),
                              q(data.focus),
                              q(data.eyepiece),
                              QStringLiteral("Projection drawing"),
                              q(ProtocolMagnification(data.focus, data.eyepiece))};
    for (int i = 0; i < 7; ++i)
        headerLine(p, 26 + 18 * i, 40, 170, labels[i], values[i], l.width);

    p.setFont(formFont(true, l.titlePx, true));
    text(p, 0, 166, l.width, 30, Qt::AlignHCenter,
         QStringLiteral("CERTIFICATE  OF  DRAWING  SUN  SPOTS"));
    p.setFont(formFont(false, l.textPx + 1, true));
    text(p, 0, 198, l.width, 20, Qt::AlignHCenter,
         QStringLiteral("%1   %2").arg(q(ProtocolMonthEn(data.month))).arg(data.year));
    paintTable(p, l, data, false);
}

void paintProtocol(QPainter& p, const ProtocolData& data) {
    const FormLayout& l = protocolLayout();
    p.setFont(formFont(false, l.textPx, false));
    headerLine(p, 30, 40, 150, QString::fromUtf8("Stanice:"), q(data.station), l.width);
    headerLine(p, 56, 40, 150, QString::fromUtf8("měsíc:"), q(ProtocolMonthCz(data.month)), 380);
    headerLine(p, 56, 380, 440, QString::fromUtf8("rok:"), QString::number(data.year), l.width);
    std::string instrument = data.instrument;
    if (!data.lens.empty() || !data.focus.empty() || !data.eyepiece.empty())
        instrument += "  " + data.lens + " / " + data.focus + " / " + data.eyepiece;
    headerLine(p, 82, 40, 150, QString::fromUtf8("Přístroj:"), q(instrument), l.width);

    p.setFont(formFont(true, l.titlePx, true));
    text(p, 0, 122, l.width, 36, Qt::AlignHCenter,
         QString::fromUtf8("PROTOKOL O ZAKRESLOVÁNÍ SLUNEČNÍCH SKVRN"));
    paintTable(p, l, data, true);
}

} // namespace

QRectF ProtocolCellRect(ProtocolKind kind, const ProtocolOptions& options, int row, int column) {
    const FormLayout& l = layoutOf(kind);
    const Column& c =
        l.columns[static_cast<std::size_t>(std::clamp(column, 0, ProtocolTableColumns - 1))];
    QRectF r;
    if (row <= 0)
        r = QRectF(c.left, l.tableTop, c.right - c.left, l.headerHeight);
    else
        r = QRectF(c.left, rowTop(l, row), c.right - c.left, l.rowHeight);
    const double s = options.unit * scaleOf(kind, options.fontSize);
    return QRectF(r.topLeft() * s, r.size() * s);
}

QSizeF ProtocolFormSize(ProtocolKind kind, int fontSize) {
    const ProtocolFormExtent form = ProtocolFormUnits(kind, fontSize);
    return QSizeF(form.width, form.height);
}

double ProtocolFitUnit(ProtocolKind kind, int fontSize, const QSizeF& area) {
    const QSizeF form = ProtocolFormSize(kind, fontSize);
    return std::min(area.width() / form.width(), area.height() / form.height());
}

PictureData ProtocolPictureData(const ProtocolData& data, ProtocolKind kind) {
    const FormLayout& l = layoutOf(kind);
    PictureData out;
    out.axis = "den";
    out.columns.push_back(l.columns[1].header.toStdString() + " (hhmm)");
    for (int v = 0; v < ProtocolValueColumns; ++v)
        out.columns.push_back(l.columns[static_cast<std::size_t>(v + 2)].header.toStdString());
    char key[32];
    for (const ProtocolDay& d : data.days) {
        std::snprintf(key, sizeof key, "%04d-%02d-%02d", data.year, data.month, d.day);
        PictureData::Row row{key, {}};
        if (d.observed) {
            row.values.push_back(double(d.time));
            for (int v : d.values)
                row.values.push_back(double(v));
        }
        out.rows.push_back(std::move(row));
    }
    PictureData::Row sums{"součet", {std::nullopt}};
    PictureData::Row means{"průměr", {std::nullopt}};
    for (int v = 0; v < ProtocolValueColumns; ++v) {
        sums.values.push_back(double(data.sums[static_cast<std::size_t>(v)]));
        means.values.push_back(data.mean(static_cast<ProtocolColumn>(v)));
    }
    out.rows.push_back(std::move(sums));
    out.rows.push_back(std::move(means));
    return out;
}

void PaintProtocol(QPainter& painter, const QRect& target, const ProtocolData& data,
                   ProtocolKind kind, const ProtocolOptions& options) {
    painter.save();
    painter.setClipRect(target);
    painter.fillRect(target, Qt::white);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(Qt::black);
    painter.translate(target.left() - options.scrollX, target.top() - options.scroll);
    const double s = options.unit * scaleOf(kind, options.fontSize);
    painter.scale(s, s);
    if (kind == ProtocolKind::Sidc)
        paintCertificate(painter, data);
    else
        paintProtocol(painter, data);
    painter.restore();
}

void PaintProtocolPicture(QPainter& painter, const QRect& target, const ProtocolPicture& picture) {
    PaintProtocol(painter, target, picture.data, picture.kind,
                  {picture.unit, static_cast<double>(picture.scrollY), picture.fontSize,
                   static_cast<double>(picture.scrollX)});
}

std::vector<QRectF> ProtocolPrintPieces(ProtocolKind kind, int fontSize, const QSizeF& page) {
    const FormLayout& l = layoutOf(kind);
    const double s = ProtocolFitUnit(kind, DefaultFontSize, page) * scaleOf(kind, fontSize);
    std::vector<double> rows{l.tableTop};
    for (int row = 1; row <= ProtocolMeanRow + 1; ++row)
        rows.push_back(rowTop(l, row));
    std::vector<double> columns;
    for (std::size_t i = 1; i < l.columns.size(); ++i)
        columns.push_back((l.columns[i - 1].right + l.columns[i].left) / 2);
    for (double& y : rows)
        y *= s;
    for (double& x : columns)
        x *= s;
    const std::vector<double> xs = pieceStarts(l.width * s, page.width(), columns);
    const std::vector<double> ys = pieceStarts(l.height * s, page.height(), rows);
    std::vector<QRectF> pieces;
    for (std::size_t r = 0; r < ys.size(); ++r)
        for (std::size_t c = 0; c < xs.size(); ++c) {
            const double right = c + 1 < xs.size() ? xs[c + 1] : l.width * s;
            const double bottom = r + 1 < ys.size() ? ys[r + 1] : l.height * s;
            pieces.emplace_back(xs[c], ys[r], right - xs[c], bottom - ys[r]);
        }
    return pieces;
}

void PaintProtocolPage(QPainter& painter, const QRect& page, const ProtocolData& data,
                       ProtocolKind kind, int fontSize, int piece) {
    const std::vector<QRectF> pieces = ProtocolPrintPieces(kind, fontSize, page.size());
    const QRectF pieceRect = pieces.at(static_cast<std::size_t>(piece));
    const int width = static_cast<int>(std::ceil(pieceRect.width()));
    const int height = static_cast<int>(std::ceil(pieceRect.height()));
    const int left = pieces.size() == 1 ? (page.width() - width) / 2 : 0;
    const QRect target(page.left() + std::max(0, left), page.top(), std::min(width, page.width()),
                       std::min(height, page.height()));
    const double unit = ProtocolFitUnit(kind, DefaultFontSize, page.size());
    PaintProtocol(painter, target, data, kind, {unit, pieceRect.top(), fontSize, pieceRect.left()});
}

void PrintProtocol(QPagedPaintDevice& device, const ProtocolData& data, ProtocolKind kind,
                   int fontSize) {
    QPainter painter;
    if (!painter.begin(&device)) throw std::runtime_error("Tisk nelze zahájit");
    const QRect page(0, 0, device.width(), device.height());
    const std::size_t pages = ProtocolPrintPieces(kind, fontSize, page.size()).size();
    for (std::size_t i = 0; i < pages; ++i) {
        if (i > 0 && !device.newPage()) throw std::runtime_error("Tisk nelze zahájit");
        PaintProtocolPage(painter, page, data, kind, fontSize, static_cast<int>(i));
    }
    painter.end();
}

} // namespace hk
