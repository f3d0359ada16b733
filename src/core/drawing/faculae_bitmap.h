#pragma once
// The off-screen 8-bit copy of the faculae fields: 532 x 532 pixels, white
// (255) where nothing is drawn. Filled polygons are painted black (0) with
// their outline, and the painted pixels inside the counting square are
// counted. Only the part that was painted is touched again, so counting many
// records in a row costs what their fields cover, not the whole bitmap.
#include <cstdint>
#include <span>
#include <vector>

#include "drawing/drawing_point.h"

namespace hk {

class FaculaeBitmap {
  public:
    static constexpr int Size = 532;
    // The counting square: rows and columns 30..529 (the 500-pixel disk).
    static constexpr int CountFirst = 30;
    static constexpr int CountLast = 529;

    FaculaeBitmap();

    // Fills the closed polygon (alternate rule) and draws its outline, so a
    // two-point polygon is a line. Points outside the bitmap are clipped.
    void fillPolygon(std::span<const DrawingPoint> points);

    // Number of painted pixels (below 255) inside the counting square; every
    // painted pixel is reset to 255.
    int countAndClear();

    std::uint8_t pixel(int x, int y) const { return pixels_[std::size_t(y) * Size + x]; }

  private:
    void set(int x, int y);
    void line(DrawingPoint a, DrawingPoint b);
    void markDirty(int left, int top, int right, int bottom);

    std::vector<std::uint8_t> pixels_;
    std::vector<double> crossings_; // scratch of fillPolygon
    // Bounding box of the painted pixels since the last clear (empty when
    // dirtyLeft_ > dirtyRight_).
    int dirtyLeft_ = Size, dirtyTop_ = Size, dirtyRight_ = -1, dirtyBottom_ = -1;
};

} // namespace hk
