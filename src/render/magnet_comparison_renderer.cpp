#include "render/magnet_comparison_renderer.h"

#include <QString>
#include <algorithm>

#include "maps/magnetosphere.h"
#include "render/font_roles.h"

namespace hk {

namespace {
constexpr int Vlevo = 60;  // room for the rotation numbers
constexpr int Nahore = 40; // the title
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
                   .arg(o.otocka)
                   .arg(o.otocka + std::max(0, m.rows - 1)));
    const int cykly = std::max(1, o.cykly);
    const double sirkaCyklu = std::max(1.0, double(area.width() - Vlevo - 10) / cykly);
    const double naStupen = sirkaCyklu / 360;
    const int h = std::max(1, o.vyskaRadku);
    for (int i = 0; i < m.rows; ++i) {
        const int y = Nahore + i * h;
        for (int c = 0; c < cykly; ++c) {
            const MagnetComparisonRotation* r = m.rotation(o.otocka + i + c);
            if (!r) continue;
            const double x0 = Vlevo + c * sirkaCyklu;
            // Column k holds longitudes 4k .. 4k + 4; 360 is at the left.
            for (int k = 0; k < MagnSloupce; ++k) {
                const int v = r->values[std::size_t(k)];
                if (v == 0) continue;
                const std::uint32_t rgb = MagnetoColour(v);
                const int xa = int(x0 + (360 - 4 * (k + 1)) * naStupen);
                const int xb = int(x0 + (360 - 4 * k) * naStupen);
                p.fillRect(QRect(xa, y, std::max(1, xb - xa), h), QColor::fromRgb(rgb));
            }
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::black);
            const int d = std::max(2, h / 2);
            for (const MagnetComparisonGroup& g : r->groups)
                p.drawEllipse(
                    QRect(int(x0 + (360 - g.lon) * naStupen) - d / 2, y + (h - d) / 2, d, d));
        }
        if (i % 5 == 0) {
            p.setPen(Qt::black);
            p.drawText(QRect(0, y - fontPixels, Vlevo - 6, 2 * fontPixels + h),
                       Qt::AlignRight | Qt::AlignVCenter, QString::number(o.otocka + i));
        }
    }
    // Cycle frames and their longitude labels.
    p.setPen(QColor(120, 120, 120));
    p.setBrush(Qt::NoBrush);
    const int dole = Nahore + m.rows * h;
    for (int c = 0; c < cykly; ++c) {
        const int x0 = int(Vlevo + c * sirkaCyklu);
        p.drawRect(QRect(x0, Nahore, int(sirkaCyklu), dole - Nahore));
        for (int lon : {360, 270, 180, 90}) {
            const int x = int(x0 + (360 - lon) * naStupen);
            p.drawText(x + 2, dole + fontPixels + 2, QString::number(lon));
        }
    }
    p.restore();
}

} // namespace hk
