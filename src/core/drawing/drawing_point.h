#pragma once
// A point of the drawing in integer coordinates (logical units of the disk
// canvas or window pixels, as the caller says).
namespace hk {

struct DrawingPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const DrawingPoint&, const DrawingPoint&) = default;
};

} // namespace hk
