#pragma once
// What the measurement window draws over a scanned drawing, in picture
// pixels: the calibration marks, the entered faculae fields and spots, and
// the disk proposed by the disk finder.
#include <optional>
#include <vector>

#include "measure/calibration.h"
#include "measure/disk_finder.h"

namespace hk {

struct ScanOverlay {
    std::optional<PicturePoint> centre;            // clicked centre
    std::optional<PicturePoint> north;             // clicked north or axis end
    std::vector<std::vector<PicturePoint>> fields; // faculae polylines
    std::vector<PicturePoint> spots;               // clicked spots
    bool showSelection = false;                    // fields and spots shown
    std::optional<DiskCircle> proposedDisk;        // awaiting the user's answer
};

} // namespace hk
