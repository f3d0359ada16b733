#pragma once
// The yearly table of disk-centre coordinates as its window and
// 'yearly-table --out' show it: the year, the page, the table scale, the
// scroll position and the client area (the scene), and the one function that
// turns it into what the painter draws (the picture). The picture's size,
// the scale a narrow window opens at and the scroll limits are decided here
// only.
#include <memory>

#include "drawing/coordinate_table.h"

namespace hk {

inline constexpr int TableScrollStep = 10; // table units per scroll step

// Device pixels of a table unit position v at the scale (rounded down).
constexpr int TableScaled(int v, int scale) {
    return (v * scale) >> 4;
}

// The scale at which the table opens in a client area `width` pixels wide:
// one pixel a table unit, smaller where the page would not fit the width.
int CoordinateTableOpeningScale(int width);

struct CoordinateTableScene {
    int year = 0;
    int page = 0;                         // 0 January-April, 1 May-August, 2 September-December
    int scale = CoordinateTableUnitScale; // 16: one table unit is one pixel
    int scroll = 0;                       // scroll steps of TableScrollStep table units
    // The window's client area; 0 x 0: the whole page as one picture.
    int clientWidth = 0;
    int clientHeight = 0;
};

struct CoordinateTablePicture {
    // Shared between the pictures of one year: a change of page, scale or
    // scroll position does not compute the year again.
    std::shared_ptr<const CoordinateYear> year;
    CoordinateTablePage page;
    int scale = CoordinateTableUnitScale;
    int scroll = 0; // within 0..maxScroll
    int maxScroll = 0;
    int pageStep = 1; // scroll steps of the client's height
    int width = 0;    // the picture in pixels
    int height = 0;
};

// The picture of the scene; `previous` lends its year when it is the same.
CoordinateTablePicture
BuildCoordinateTablePicture(const CoordinateTableScene& scene,
                            const CoordinateTablePicture* previous = nullptr);

} // namespace hk
