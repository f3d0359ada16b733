#pragma once
// The area of a group painted over on the enlarged crop of a scanned
// drawing: the painted pixels of the mask counted and turned into mm^2.
#include "measure/grey_image.h"

namespace hk {

// Pixels below 255 in rows and columns 1.. of the mask (row 0 and column 0
// are left out).
long CountPainted(const GreyImageView& mask);

// The painted area in mm^2 of the drawing: the mask is the picture enlarged
// twice, so 2 * calRadiusPx is the drawing radius in mask pixels, taken as
// 125 mm. 0 without a calibration.
double MaskArea(long count, int calRadiusPx);

} // namespace hk
