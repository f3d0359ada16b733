#pragma once
// The leaf-shaped band drawn from a group to its first auxiliary spot (also
// used by the synoptic maps and the smoothed graphs' key).
#include <array>

#include "drawing/drawing_point.h"

namespace hk {

inline constexpr int LeafPointCount = 13;
using LeafPoints = std::array<DrawingPoint, LeafPointCount>;

// A closed leaf 100 long and 42 wide along the x axis; the last six points
// are the first six mirrored.
inline constexpr LeafPoints LeafShape = {{{0, 0},
                                          {5, 10},
                                          {22, 16},
                                          {50, 21},
                                          {78, 16},
                                          {90, 10},
                                          {100, 0},
                                          {90, -10},
                                          {78, -16},
                                          {50, -21},
                                          {22, -16},
                                          {5, -10},
                                          {0, 0}}};

// The leaf placed from (x1, y1) to (x2, y2) in window pixels, 0.42 of its
// length wide. Points lie along the axis at their distance from the leaf's
// origin, so the tip (point 6) falls on the end point.
LeafPoints PlaceLeaf(int x1, int y1, int x2, int y2);

} // namespace hk
