#include "render/magnet_comparison_renderer.h"

#include <QString>
#include <algorithm>

#include "maps/magnetosphere.h"
#include "render/font_roles.h"

namespace hk {

namespace {
constexpr int Left = 60; // room for the rotation numbers
constexpr int Top = 40;  // the title
} // namespace

void PaintMagnetComparison(QPainter& p, const QRect& area, const MagnetComparison& m,
                           int fontPixels) {
    p.save();
    p.translate(area.topLeft());
    p.fillRect(QRect(QPoint(0, 0), area.size()), Qt::white);
    p.setFont(SansFont(fontPixels));
    p.setPen(Qt::black);
    const MagnetComparisonParams& o = m.params;
    p.drawText(10, fontPixels + 4,
               QStringLiteral("Porovnání magnetosféry   šířka %1° až %2°   otočky %3 – %4")
                   .arg(m.latLo)
                   .arg(m.latHi)
                   .arg(o.rotationText)
                   .arg(o.rotationText + std::max(0, m.rows - 1)));
    const int cycles = std::max(1, o.cycles);
    const double cycleWidth = std::max(1.0, double(area.width() - Left - 10) / cycles);
    const double perDegree = cycleWidth / 360;
    const int h = std::max(1, o.rowHeight);
    for (int i = 0; i < m.rows; ++i) {
        const int y = Top + i * h;
        for (int c = 0; c < cycles; ++c) {
            const MagnetComparisonRotation* r = m.rotation(o.rotationText + i + c);
            if (!r) continue;
            const double x0 = Left + c * cycleWidth;
            // Column k holds longitudes 4k .. 4k + 4; 360 is at the left.
            for (int k = 0; k < MagnColumns; ++k) {
                const int v = r->values[std::size_t(k)];
                if (v == 0) continue;
                const std::uint32_t rgb = MagnetoColour(v);
                const int xa = int(x0 + (360 - 4 * (k + 1)) * perDegree);
                const int xb = int(x0 + (360 - 4 * k) * perDegree);
                p.fillRect(QRect(xa, y, std::max(1, xb - xa), h), QColor::fromRgb(rgb));
            }
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::black);
            const int d = std::max(2, h / 2);
            for (const MagnetComparisonGroup& g : r->groups)
                p.drawEllipse(
                    QRect(int(x0 + (360 - g.lon) * perDegree) - d / 2, y + (h - d) / 2, d, d));
        }
        if (i % 5 == 0) {
            p.setPen(Qt::black);
            p.drawText(QRect(0, y - fontPixels, Left - 6, 2 * fontPixels + h),
                       Qt::AlignRight | Qt::AlignVCenter, QString::number(o.rotationText + i));
        }
    }
    // Cycle frames and their longitude labels.
    p.setPen(QColor(120, 120, 120));
    p.setBrush(Qt::NoBrush);
    const int dole = Top + m.rows * h;
    for (int c = 0; c < cycles; ++c) {
        const int x0 = int(Left + c * cycleWidth);
        p.drawRect(QRect(x0, Top, int(cycleWidth), dole - Top));
        for (int lon : {360, 270, 180, 90}) {
            const int x = int(x0 + (360 - lon) * perDegree);
            p.drawText(x + 2, dole + fontPixels + 2, QString::number(lon));
        }
    }
    p.restore();
}

} // namespace hk
