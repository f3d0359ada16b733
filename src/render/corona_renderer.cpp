#include "render/corona_renderer.h"

#include <QPolygon>
#include <QVector>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "maps/magnetosphere.h"
#include "render/font_roles.h"

namespace hk {

namespace {

const QColor GraphFill(200, 235, 200);
const QColor GraphLine(0, 110, 0);
const QColor RotationLine(150, 150, 150);
constexpr int ButterflyFirstRotation = 1145;

// Text whose top-left corner is at (x, y).
void textAt(QPainter& p, int x, int y, const QString& s) {
    p.drawText(QRect(x, y, 600, 200), Qt::AlignLeft | Qt::AlignTop, s);
}

QString dateText(const std::optional<Date>& d) {
    return d ? QString::fromStdString(FormatDatum(*d)) : QString();
}

// A whole view: saved state, clipped to `area` with its top-left as the
// origin, a white background, the view's font.
void beginView(QPainter& p, const QRect& area, bool antialiased, int fontPixels) {
    p.save();
    p.setClipRect(area);
    p.translate(area.topLeft());
    p.fillRect(QRect(QPoint(0, 0), area.size()), Qt::white);
    p.setRenderHint(QPainter::Antialiasing, antialiased);
    p.setFont(SansFont(fontPixels));
}

} // namespace

void PaintCoronaGraph(QPainter& p, const QRect& area, const CoronaGraphModel& model,
                      const CoronaViewOptions& options) {
    beginView(p, area, false, options.fontPixels);
    if (model.present) {
        // Each profile covers the ones above it, so the stack reads as a
        // relief of the limb.
        // The profile is outlined, the base line is not.
        for (const std::vector<CoronaPoint>& poly : model.polygons) {
            QPolygon q;
            q.reserve(static_cast<int>(poly.size()));
            for (const CoronaPoint& b : poly)
                q.append(QPoint(b.x, b.y));
            p.setPen(Qt::NoPen);
            p.setBrush(GraphFill);
            p.drawPolygon(q);
            p.setPen(GraphLine);
            p.drawPolyline(q.constData(), std::max(0, static_cast<int>(q.size()) - 2));
        }
        p.setPen(RotationLine);
        for (const int x : model.rotationLines)
            p.drawLine(x, 10, x, 600);
    }
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    textAt(p, 80, 30, QStringLiteral("Východní"));
    textAt(p, 100, 350, QStringLiteral("Západní"));
    if (model.present) {
        textAt(p, 100, 50, QString::number(model.titleRotation));
        textAt(p, 100, 70, dateText(model.date));
    } else {
        textAt(p, 100, 50, QString::fromUtf8(NoCoronaData));
    }
    p.restore();
}

void PaintCoronaButterfly(QPainter& p, const QRect& area, const CoronaButterflyModel& model,
                          const CoronaButterflyOptions& options) {
    beginView(p, area, false, options.fontPixels);
    // Column j (rotation 1145 + j) at x = (45 + j) + 50, one pixel a
    // rotation, as the butterfly diagram places its corona columns.
    const int x0 = 45 + 50 - options.sx;
    for (std::size_t j = 0; j < model.columns.size(); ++j) {
        const int x = x0 + static_cast<int>(j);
        if (x < -1 || x > area.width() + 1) continue;
        for (int k = 1; k <= CoronaValues; ++k) {
            p.setPen(QColor(255, CoronaButterflyGreen(model.columns[j][std::size_t(k - 1)]), 255));
            p.drawLine(x, 7 * k + 50, x, 7 * k + 57);
        }
    }
    // Rotation scale under the picture, and the limbs at the left.
    p.setPen(RotationLine);
    const int bottom = 7 * CoronaValues + 60;
    for (int r = 1200; r <= ButterflyFirstRotation + static_cast<int>(model.columns.size());
         r += 100) {
        const int x = x0 + r - ButterflyFirstRotation;
        p.drawLine(x, bottom, x, bottom + 6);
        p.setPen(Qt::black);
        textAt(p, x - 15, bottom + 8, QString::number(r));
        p.setPen(RotationLine);
    }
    p.setPen(Qt::black);
    textAt(p, 4, 7 + 50, QStringLiteral("V"));
    textAt(p, 4, 7 * 37 + 50, QStringLiteral("Z"));
    if (!model.present) textAt(p, 100, 20, QString::fromUtf8(NoCoronaData));
    p.restore();
}

void PaintCoronaDay(QPainter& p, const QRect& area, const CoronaDayModel& model,
                    const CoronaViewOptions& options) {
    beginView(p, area, true, options.fontPixels);
    const QPointF c(area.width() / 2.0, area.height() / 2.0);
    const double R = std::min(area.width(), area.height()) * 0.26;
    // The day's largest value reaches 0.45 R above the limb.
    int largest = 20;
    for (const std::uint8_t v : model.values)
        largest = std::max(largest, int(v));
    const double scale = R * 0.45 / largest;
    // Sky orientation: north up, east to the left; value k sits at position
    // angle 5k - 2.5 degrees from north through east.
    auto at = [&](double paDeg, double r) {
        const double a = paDeg * std::numbers::pi / 180;
        return QPointF(c.x() - r * std::sin(a), c.y() - r * std::cos(a));
    };
    if (model.present) {
        for (int k = 1; k <= CoronaValues; ++k) {
            const int v = model.values[std::size_t(k - 1)];
            const double pa = 5.0 * k - 2.5;
            QPolygonF wedge;
            wedge << at(pa - 2.5, R) << at(pa - 2.5, R + v * scale) << at(pa + 2.5, R + v * scale)
                  << at(pa + 2.5, R);
            const QColor col(255, CoronaButterflyGreen(v), 255);
            p.setPen(col);
            p.setBrush(col);
            p.drawPolygon(wedge);
        }
        // The profile as one line over the wedges.
        QPolygonF profile;
        for (int k = 1; k <= CoronaValues; ++k)
            profile << at(5.0 * k - 2.5, R + model.values[std::size_t(k - 1)] * scale);
        p.setPen(QPen(GraphLine, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(profile);
    }
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, R, R);
    p.setPen(Qt::black);
    const QFontMetrics fm(p.font());
    auto label = [&](double pa, const QString& s) {
        const QPointF q = at(pa, 1.55 * R);
        p.drawText(QPointF(q.x() - fm.horizontalAdvance(s) / 2.0, q.y() + fm.ascent() / 2.0), s);
    };
    label(0, QStringLiteral("S"));
    label(90, QStringLiteral("V"));
    label(180, QStringLiteral("J"));
    label(270, QStringLiteral("Z"));
    p.setRenderHint(QPainter::Antialiasing, false);
    textAt(p, 10, 10, model.present ? dateText(model.date) : QString::fromUtf8(NoCoronaData));
    if (model.present) textAt(p, 10, 10 + fm.height(), QStringLiteral("max. %1").arg(largest));
    p.restore();
}

void PaintCoronaUnderMap(QPainter& p, const QRect& area, const CoronaUnderMapModel& model) {
    if (!model.present) return;
    p.save();
    p.translate(area.topLeft());
    for (const CoronaUnderMapRect& r : model.rects)
        p.fillRect(QRect(QPoint(r.x1, r.y1), QPoint(r.x2 - 1, r.y2 - 1)),
                   QColor(255, r.green, 255));
    p.restore();
}

} // namespace hk
