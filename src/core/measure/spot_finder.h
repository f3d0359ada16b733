#pragma once
// Finds the sunspots drawn by hand on a scanned drawing and proposes how they
// form groups.
//
// Ink is told from paper against the paper's own local brightness, so a
// scanner's tone, a yellowed sheet and a shading across the scan do not
// matter. A spot's umbra is a filled dark blob: the pencil's stroke width is
// measured on the drawing itself (the outline, axis lines, writing) and only
// blobs clearly wider than a stroke count, so lines, numbers and notes are
// left out, and so is a blob where several strokes meet. Dots that line up at
// an even spacing are the dotted outline of a faculae field. The penumbra is
// either an outline drawn around the umbra (the area it encloses) or a
// lighter shading joined to it; a penumbra shared by several umbrae is split
// between them by their umbral areas. Faint eraser smudges and paper texture
// stay below the thresholds. The strip along the disk outline is not
// searched, so the outline never becomes a spot.
//
// Spots are grouped by their distance on the Sun (great circle, edge to
// edge), so a group near the limb is not split by foreshortening.
#include <vector>

#include "geometry/ephemeris.h"
#include "measure/calibration.h"
#include "measure/grey_image.h"

namespace hk {

struct FoundSpot {
    double x = 0; // centre of the umbra, picture pixels
    double y = 0;
    double umbraArea = 0;    // mm^2 on a drawing of 250 mm diameter
    double penumbraArea = 0; // its share of the penumbra around it, same unit
    bool penumbra = false;   // drawn with a penumbra (outline or shading)
    double lat = 0;          // heliographic latitude, degrees
    double cmd = 0;          // distance from the central meridian, degrees (east +)
    double mu = 1;           // cosine of the distance from the disk centre on the Sun

    double area() const { return umbraArea + penumbraArea; }
    PicturePoint point() const;
};

// Spot indices of each proposed group, the largest spot first.
using SpotGroups = std::vector<std::vector<int>>;

struct SpotFinding {
    std::vector<FoundSpot> spots; // in the order of the groups, largest first within one
    SpotGroups groups;            // ordered from the east limb to the west limb
};

// The spots on the drawing calibrated by `cal` (nothing without a
// calibration), with heliographic positions for the disk's orientation
// (P and B0; zeros when the date is not known).
SpotFinding FindSpots(const GreyImageView& picture, const Calibration& cal,
                      const Ephemeris& orientation);

// Distance on the Sun between the edges of two spots, degrees (negative when
// they overlap).
double SpotGap(const FoundSpot& a, const FoundSpot& b);

// Spots closer on the Sun than this (edge to edge) belong to one group.
inline constexpr double GroupGapDegrees = 4.0;

// Single-linkage groups of `spots` at GroupGapDegrees, ordered from east to
// west, each with its largest spot first.
SpotGroups GroupSpots(const std::vector<FoundSpot>& spots);

} // namespace hk
