#pragma once
// Pixel comparison of a window's picture with the command line's.
#include <QImage>
#include <algorithm>

namespace hk::test {

// The number of pixels in which the two pictures differ (all when their
// sizes differ).
inline qint64 DifferingPixels(const QImage& a0, const QImage& b0) {
    const QImage a = a0.convertToFormat(QImage::Format_RGB32);
    const QImage b = b0.convertToFormat(QImage::Format_RGB32);
    if (a.size() != b.size()) return qint64(std::max(a.width(), b.width())) * a.height();
    qint64 n = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* ra = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            n += ra[x] != rb[x];
    }
    return n;
}

} // namespace hk::test
