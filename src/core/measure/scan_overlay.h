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

// A spot clicked for a group of the entry grid: the group's order number
// and which of its spots (1 the main spot, 2 and 3 the auxiliary ones).
struct SpotMark {
    int group = 0;
    int spot = 0;
    PicturePoint point;
};

// A faculae field as clicked: its number, the right-clicked start point
// and the vertices clicked after it.
struct FieldMark {
    int field = 0;
    PicturePoint start;
    std::vector<PicturePoint> vertices;
};

struct ScanOverlay {
    std::optional<PicturePoint> centre;     // clicked centre
    std::optional<PicturePoint> north;      // clicked north or axis end
    std::vector<FieldMark> fields;          // one per field number
    std::vector<SpotMark> spots;            // in the order clicked
    bool showSelection = true;              // fields and spots shown
    std::optional<DiskCircle> proposedDisk; // awaiting the user's answer
    SpotProposals proposals;                // awaiting the user's corrections
    double pxPerMm = 0;                     // picture pixels a mm of the drawing
};

} // namespace hk
