#pragma once
// Finds the drawn disk in a scanned drawing: the circle of its outline,
// proposed to the user as the centre and radius of the calibration.
//
// The ink is told from the paper by the paper's own brightness. In a
// reduced copy (each cell dark when any of its pixels is) the paper around
// the drawing is filled from the picture's border; the largest part that the
// fill does not reach is the disk with its outline, grid and spots, which
// gives a rough centre and radius. At full resolution the outline is then
// found along rays from that centre and a circle is fitted to those points,
// leaving out the points that do not fit (grid lines meeting the limb,
// spots on the limb, letters beside it).
#include <optional>

#include "measure/grey_image.h"

namespace hk {

struct DiskCircle {
    double x = 0; // centre, pixel coordinates (pixel centres at whole numbers)
    double y = 0;
    double radius = 0;
};

// nullopt when no closed outline of a plausible size is found.
std::optional<DiskCircle> FindDisk(const GreyImageView& picture);

} // namespace hk
