#include "drawing/faculae_bitmap.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace hk {

FaculaeBitmap::FaculaeBitmap() : pixels_(std::size_t(Size) * Size, 255) {}

void FaculaeBitmap::markDirty(int left, int top, int right, int bottom) {
    dirtyLeft_ = std::min(dirtyLeft_, std::max(left, 0));
    dirtyRight_ = std::max(dirtyRight_, std::min(right, Size - 1));
    dirtyTop_ = std::min(dirtyTop_, std::max(top, 0));
    dirtyBottom_ = std::max(dirtyBottom_, std::min(bottom, Size - 1));
}

void FaculaeBitmap::set(int x, int y) {
    if (x < 0 || y < 0 || x >= Size || y >= Size) return;
    pixels_[std::size_t(y) * Size + x] = 0;
}

void FaculaeBitmap::line(DrawingPoint a, DrawingPoint b) {
    // Bresenham, both end points included.
    const int dx = std::abs(b.x - a.x), sx = a.x < b.x ? 1 : -1;
    const int dy = -std::abs(b.y - a.y), sy = a.y < b.y ? 1 : -1;
    int err = dx + dy;
    int x = a.x, y = a.y;
    for (;;) {
        set(x, y);
        if (x == b.x && y == b.y) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void FaculaeBitmap::fillPolygon(std::span<const DrawingPoint> points) {
    if (points.empty()) return;
    const std::size_t n = points.size();
    int left = points[0].x, right = points[0].x, top = points[0].y, bottom = points[0].y;
    for (const auto& p : points) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    // Everything drawn lies inside the points' bounding box.
    markDirty(left, top, right, bottom);
    top = std::max(top, 0);
    bottom = std::min(bottom, Size - 1);
    // Interior: pixel centres between pairs of edge crossings of the row's
    // centre line.
    std::vector<double>& crossings = crossings_;
    for (int y = top; y <= bottom; ++y) {
        const double yc = y + 0.5;
        crossings.clear();
        for (std::size_t i = 0; i < n; ++i) {
            const DrawingPoint a = points[i], b = points[(i + 1) % n];
            if ((a.y <= yc) == (b.y <= yc)) continue;
            crossings.push_back(a.x + (yc - a.y) * double(b.x - a.x) / double(b.y - a.y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            const int from = std::max(0, int(std::ceil(crossings[i] - 0.5)));
            const int to = std::min(Size - 1, int(std::ceil(crossings[i + 1] - 0.5)) - 1);
            for (int x = from; x <= to; ++x)
                set(x, y);
        }
    }
    for (std::size_t i = 0; i < n; ++i)
        line(points[i], points[(i + 1) % n]);
}

int FaculaeBitmap::countAndClear() {
    if (dirtyLeft_ > dirtyRight_) return 0;
    int count = 0;
    for (int y = dirtyTop_; y <= dirtyBottom_; ++y) {
        std::uint8_t* row = &pixels_[std::size_t(y) * Size];
        const bool countedRow = y >= CountFirst && y <= CountLast;
        for (int x = dirtyLeft_; x <= dirtyRight_; ++x) {
            if (row[x] < 255 && countedRow && x >= CountFirst && x <= CountLast) ++count;
            row[x] = 255;
        }
    }
    dirtyLeft_ = dirtyTop_ = Size;
    dirtyRight_ = dirtyBottom_ = -1;
    return count;
}

} // namespace hk
