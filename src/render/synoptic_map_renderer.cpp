#include "render/synoptic_map_renderer.h"

#include <QPolygon>
#include <QString>
#include <algorithm>

#include "render/font_roles.h"

namespace hk {

namespace {

const QColor GridGrey(200, 200, 200);
const QColor FaculaeColour(255, 200, 200);
const QColor FaculaeCentreColour(255, 20, 20);
const QColor LeafColour(130, 130, 130);
const QColor Spot1Colour(150, 150, 255);
const QColor Spot2Colour(0, 230, 150);
const QColor StripGroupColour(125, 125, 125);
const QColor StripLine(225, 225, 225);
constexpr int FaculaeCentreRadius = 5;
// The legend switches to the serif role on narrow windows.
constexpr int SerifLegendBelowWidth = 1000;

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// Text whose top-left corner is at (x, y).
void textAt(QPainter& p, int x, int y, const QString& s) {
    p.drawText(QRect(x, y, 2000, 2000), Qt::AlignLeft | Qt::AlignTop, s);
}
void textAt(QPainter& p, const MapText& t) {
    textAt(p, t.x, t.y, q(t.text));
}

void disc(QPainter& p, const MapCircle& c, const QColor& colour) {
    p.setPen(colour);
    p.setBrush(colour);
    p.drawEllipse(QPoint(c.x, c.y), c.r, c.r);
}

QPolygon polygonOf(const std::vector<MapPoint>& points) {
    QPolygon poly;
    for (const MapPoint& pt : points)
        poly << QPoint(pt.x, pt.y);
    return poly;
}

void latitudeLabels(QPainter& p, const SynopticMap& m) {
    p.setFont(SansFont(m.gridFont));
    p.setPen(Qt::black);
    for (const MapText& t : m.latitudeLabels)
        textAt(p, t);
}

} // namespace

void PaintSynopticMap(QPainter& p, const QRect& area, const SynopticMap& m,
                      const SynopticMapOptions& o, const std::function<void(QPainter&)>& underlay) {
    p.save();
    p.setClipRect(area);
    p.translate(area.topLeft());
    p.setRenderHint(QPainter::Antialiasing, false);
    const int W = area.width();
    if (o.background) p.fillRect(QRect(0, 0, W, area.height()), Qt::white);
    p.setFont(SansFont(m.canvasFont));

    if (underlay) {
        p.save();
        underlay(p);
        p.restore();
    }

    // Grid.
    latitudeLabels(p, m);
    p.setPen(QPen(o.greyGrid ? GridGrey : QColor(Qt::black), 1));
    p.setBrush(Qt::white);
    for (const MapLine& l : m.gridLines)
        p.drawLine(l.a.x, l.a.y, l.b.x, l.b.y);
    p.setPen(Qt::black);
    for (const MapText& t : m.longitudeLabels)
        textAt(p, t);

    if (o.faculaeOn) {
        p.setPen(FaculaeColour);
        p.setBrush(FaculaeColour);
        for (const auto& field : m.faculae)
            p.drawPolygon(polygonOf(field));
    }
    if (o.faculaeCentres)
        for (const MapPoint& c : m.faculaeCentres)
            disc(p, {c.x, c.y, FaculaeCentreRadius}, FaculaeCentreColour);

    for (const MapGroupSymbol& g : m.groups) {
        if (g.aux1) {
            if (o.areasOn && g.leaf) {
                p.setPen(LeafColour);
                p.setBrush(LeafColour);
                QPolygon leaf;
                for (const DrawingPoint& pt : g.leafPoints)
                    leaf << QPoint(pt.x, pt.y);
                p.drawPolygon(leaf);
            }
            disc(p, o.areasOn ? g.spot1Area : g.spot1, Spot1Colour);
        }
        if (g.aux2) disc(p, g.spot2, Spot2Colour);
        if (g.group) disc(p, g.circle, Qt::black);
    }
    if (o.legendX && !m.legend.empty()) {
        // Smaller than the grid's labels, so that "-12.5" and "341.7" keep
        // apart in legend columns 30 units wide.
        const int size = m.legendFont;
        p.setFont(W < SerifLegendBelowWidth ? SerifFont(size) : SansFont(size));
        p.setPen(Qt::black);
        for (const MapText& t : m.legend)
            textAt(p, t);
        for (const MapText& t : m.legendCaptions)
            textAt(p, t);
    }

    if (!o.title) {
        p.restore();
        return;
    }
    // Frame: what spilled over the map's left and right edges is cleared.
    const int clearTop = m.offset, clearHeight = m.gridBottom + 1 - m.offset;
    p.fillRect(QRect(0, clearTop, m.frameLeft, clearHeight), Qt::white);
    if (W > m.frameRight)
        p.fillRect(QRect(m.frameRight, clearTop, W - m.frameRight, clearHeight), Qt::white);
    p.setFont(SansFont(m.titleFont));
    p.setPen(Qt::black);
    textAt(p, (10 * m.s) >> 4, (10 * m.s) >> 4, q(m.title));
    latitudeLabels(p, m);
    p.restore();
}

namespace {

QString datesOf(const MapStrip& strip) {
    return q(MapDateRange(strip.dates));
}

void stripGroups(QPainter& p, const MapStrip& strip, int ox, int oy) {
    p.setPen(Qt::black);
    p.setBrush(StripGroupColour);
    for (const StripGroup& g : strip.groups)
        p.drawEllipse(QPoint(ox + g.x, oy + g.y), g.r, g.r);
}

// The long map: the rotations side by side, each a narrow strip of the
// latitudes -50..50, with eleven latitude lines ten degrees apart across them.
void paintLong(QPainter& p, const StripView& v) {
    const int s = v.s;
    const int width = v.x0 - v.x360;
    const int yTop = StripY(50, v.kind, s), yBottom = StripY(-50, v.kind, s);
    const int left = 40 * s;
    // Below the title, the strips and their dates fill the area's top.
    const int eq = 60 * s - yTop;
    const int n = static_cast<int>(v.strips.size());
    const int right = left + v.pitch * std::max(n - 1, 0) + width;
    p.setFont(SansFont(9 * s));
    for (int lat = -50; lat <= 50; lat += 10) {
        const int y = eq + StripY(lat, v.kind, s);
        p.setPen(lat == 0 ? QColor(Qt::gray) : StripLine);
        p.drawLine(left, y, right, y);
        p.setPen(Qt::black);
        p.drawText(QRect(0, y - 6 * s, left - 5 * s, 12 * s), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(lat));
    }
    for (int i = 0; i < n; ++i) {
        const MapStrip& strip = v.strips[std::size_t(i)];
        const int x = left + v.pitch * i; // longitude 360
        const int ox = x - v.x360;
        p.setPen(Qt::black);
        p.setBrush(Qt::NoBrush);
        p.drawRect(x, eq + yTop, width, yBottom - yTop);
        // Ticks at 270, 180 and 90 degrees.
        for (int lon = 90; lon < 360; lon += 90) {
            const int tx = ox + StripX(lon, v.kind, s);
            p.drawLine(tx, eq + yBottom, tx, eq + yBottom + 4 * s);
        }
        stripGroups(p, strip, ox, eq);
        p.setPen(Qt::black);
        p.drawText(QRect(x - v.pitch / 2 + width / 2, eq + yTop - 16 * s, v.pitch, 14 * s),
                   Qt::AlignHCenter | Qt::AlignBottom, QString::number(strip.rotation));
        p.save();
        p.translate(x + width / 2, eq + yBottom + 8 * s);
        p.rotate(90);
        p.drawText(QRect(0, -6 * s, 160 * s, 12 * s), Qt::AlignLeft | Qt::AlignVCenter,
                   datesOf(strip));
        p.restore();
    }
    p.setFont(SansFont(12 * s));
    textAt(p, left, 8 * s,
           QStringLiteral("Dlouhá mapa  ") +
               (n ? QString::number(v.strips.front().rotation) + " – " +
                        QString::number(v.strips.back().rotation)
                  : QString()));
    p.setFont(SansFont(9 * s));
    textAt(p, left, 8 * s + 16 * s,
           QStringLiteral("šířka −50° až +50°, v každém pásu délka 360° vlevo až 0° vpravo"));
}

// The high map (and the printed one): the rotations one under another, each
// a strip of the latitudes -80..80 spanning the whole longitude, labelled
// with its rotation and dates on the left.
void paintHigh(QPainter& p, const StripView& v) {
    const int s = v.s;
    const int left = 70 * s;
    const int width = v.x0 - v.x360;
    const int half = -StripY(80, v.kind, s);
    const int pitch = 2 * half;
    const int top = 25 * s;
    const int ox = left - v.x360;
    const int n = static_cast<int>(v.strips.size());
    p.setFont(SansFont(8 * s));
    p.setPen(Qt::black);
    for (int lon = 0; lon <= 360; lon += 30) {
        const int x = ox + StripX(lon, v.kind, s);
        p.drawLine(x, top - 4 * s, x, top);
        if (lon % 90 == 0)
            p.drawText(QRect(x - 20 * s, top - 16 * s, 40 * s, 11 * s), Qt::AlignCenter,
                       QString::number(lon));
    }
    for (int i = 0; i < n; ++i) {
        const MapStrip& strip = v.strips[std::size_t(i)];
        const int y0 = top + pitch * i;
        const int eq = y0 + half;
        p.setPen(StripLine);
        for (int lon = 30; lon < 360; lon += 30) {
            const int x = ox + StripX(lon, v.kind, s);
            p.drawLine(x, y0 + 1, x, y0 + pitch - 1);
        }
        p.drawLine(left + 1, eq, left + width - 1, eq);
        p.setPen(Qt::black);
        p.setBrush(Qt::NoBrush);
        p.drawRect(left, y0, width, pitch);
        stripGroups(p, strip, ox, eq);
        p.setPen(Qt::black);
        p.setFont(SansFont(std::min(11 * s, pitch / 3)));
        const int line = pitch / 3;
        p.drawText(QRect(2 * s, y0, left - 4 * s, line), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::number(strip.rotation));
        p.setFont(SansFont(std::min(9 * s, pitch / 3)));
        p.drawText(QRect(2 * s, y0 + line, left - 4 * s, line), Qt::AlignLeft | Qt::AlignVCenter,
                   q(FormatDatum(strip.dates.startDate)));
        p.drawText(QRect(2 * s, y0 + 2 * line, left - 4 * s, line),
                   Qt::AlignLeft | Qt::AlignVCenter, q(FormatDatum(strip.dates.endDate)));
    }
}

// Two maps one above the other: each strip spans the whole longitude and
// latitude with ticks every 30 degrees and its rotation and dates above it.
void paintTwo(QPainter& p, const StripView& v) {
    const int s = v.s;
    const int left = 40 + 10 * s;
    const int width = v.x0 - v.x360;
    const int half = -StripY(90, v.kind, s);
    const int ox = left - v.x360;
    int y0 = 30;
    for (const MapStrip& strip : v.strips) {
        p.setFont(SansFont(8 + 3 * s));
        p.setPen(Qt::black);
        textAt(p, left, y0 - 14 - 3 * s,
               QStringLiteral("Rotace ") + QString::number(strip.rotation) + "   " +
                   datesOf(strip));
        const int eq = y0 + half;
        p.setFont(SansFont(6 + 2 * s));
        for (int lat = -90; lat <= 90; lat += 30) {
            const int y = eq + StripY(lat, v.kind, s);
            p.setPen(lat == 0 ? QColor(Qt::gray) : StripLine);
            if (lat != 90 && lat != -90) p.drawLine(left + 1, y, left + width - 1, y);
            p.setPen(Qt::black);
            p.drawLine(left - 4, y, left, y);
            p.drawText(QRect(0, y - 10, left - 6, 20), Qt::AlignRight | Qt::AlignVCenter,
                       QString::number(lat));
        }
        for (int lon = 0; lon <= 360; lon += 30) {
            const int x = ox + StripX(lon, v.kind, s);
            p.setPen(StripLine);
            if (lon != 0 && lon != 360) p.drawLine(x, y0 + 1, x, y0 + 2 * half - 1);
            p.setPen(Qt::black);
            p.drawLine(x, y0 + 2 * half, x, y0 + 2 * half + 4);
            if (lon % 90 == 0)
                p.drawText(QRect(x - 30, y0 + 2 * half + 5, 60, 20),
                           Qt::AlignHCenter | Qt::AlignTop, QString::number(lon));
        }
        p.setBrush(Qt::NoBrush);
        p.drawRect(left, y0, width, 2 * half);
        stripGroups(p, strip, ox, eq);
        y0 += 2 * half + 30 + 20 * s / 2 + 20;
    }
}

} // namespace

void PaintStripView(QPainter& p, const QRect& area, const StripView& v) {
    p.save();
    p.setClipRect(area);
    p.translate(area.topLeft());
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(0, 0, area.width(), area.height()), Qt::white);
    switch (v.kind) {
    case StripKind::Long:
        paintLong(p, v);
        break;
    case StripKind::High:
        paintHigh(p, v);
        break;
    case StripKind::Two:
        paintTwo(p, v);
        break;
    }
    p.restore();
}

void PrintHighMap(QPainter& p, const QRect& page, const StripView& view) {
    PaintStripView(p, page, view);
}

} // namespace hk
