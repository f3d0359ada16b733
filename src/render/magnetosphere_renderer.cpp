#include "render/magnetosphere_renderer.h"

#include <algorithm>

#include "records/program_dir.h"

namespace hk {

void PaintMagnetosphereLayer(QPainter& p, const QRect& area, const MagnetosphereLayer& layer) {
    if (layer.empty()) return;
    p.save();
    p.translate(area.topLeft());
    for (const MagnetoRect& r : layer.rects)
        p.fillRect(QRect(QPoint(r.x1, r.y1), QPoint(r.x2 - 1, r.y2 - 1)), QColor::fromRgb(r.rgb));
    if (!layer.pixels.empty()) {
        // The pixels go through one image: a pen change per pixel would
        // cost more than the picture.
        int x0 = layer.pixels.front().x, y0 = layer.pixels.front().y, x1 = x0, y1 = y0;
        for (const MapPixel& q : layer.pixels) {
            x0 = std::min(x0, q.x);
            x1 = std::max(x1, q.x);
            y0 = std::min(y0, q.y);
            y1 = std::max(y1, q.y);
        }
        QImage image(x1 - x0 + 1, y1 - y0 + 1, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        for (std::size_t i = 0; i < layer.pixels.size(); ++i)
            image.setPixel(layer.pixels[i].x - x0, layer.pixels[i].y - y0,
                           0xFF000000u | layer.colours[i]);
        p.drawImage(QPoint(x0, y0), image);
    }
    p.restore();
}

QImage LoadMagnetoPicture(const ProgramDir& dir, int rotation) {
    const auto path = MagnetoPicturePath(dir, rotation);
    if (!path) return {};
    QImage image;
    image.load(QString::fromStdString(path->string()), "BMP");
    return image;
}

void PaintMagnetoPicture(QPainter& p, const QRect& area, const QImage& picture, int s,
                         int yOffset) {
    if (picture.isNull()) return;
    const QRect target(
        QPoint(area.left() + ((20 * s) >> 4), area.top() + ((40 * s) >> 4) + yOffset),
        QPoint(area.left() + ((740 * s) >> 4), area.top() + ((400 * s) >> 4) + yOffset));
    p.drawImage(target, picture);
}

} // namespace hk
