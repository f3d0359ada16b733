#pragma once
// What the measurement window draws over a scanned drawing, in picture
// pixels: the calibration marks, the entered faculae fields and spots, and
// the disk proposed by the disk finder, and the spots and groups the spot
// finder proposes.
#include <optional>
#include <vector>

#include "measure/calibration.h"
#include "measure/disk_finder.h"
#include "measure/spot_proposals.h"

namespace hk {

struct ScanOverlay {
    std::optional<PicturePoint> centre;            // clicked centre
    std::optional<PicturePoint> north;             // clicked north or axis end
    std::vector<std::vector<PicturePoint>> fields; // faculae polylines
    std::vector<PicturePoint> spots;               // clicked spots
    bool showSelection = false;                    // fields and spots shown
    std::optional<DiskCircle> proposedDisk;        // awaiting the user's answer
    SpotProposals proposals;                       // awaiting the user's corrections
    double pxPerMm = 0;                            // picture pixels a mm of the drawing
};

} // namespace hk
