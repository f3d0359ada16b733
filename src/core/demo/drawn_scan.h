#pragma once
// Scans of hand drawings: a pencil disk with sunspot groups placed on the Sun
// (so foreshortened towards the limb), umbrae with penumbrae drawn as outlines
// or shading, and on request the things an observer's sheet also carries:
// group numbers and notes, dotted faculae outlines, axis and grid lines,
// eraser smudges with the ghosts of erased spots, paper texture, scanner
// noise and a north that is not up. The same seed, or the same record, gives
// the same scan.
#include <cstdint>
#include <vector>

#include "geometry/ephemeris.h"
#include "measure/calibration.h"
#include "measure/grey_image.h"
#include "records/record_layout.h"

namespace hk::drawn_scans {

enum Hazard : unsigned {
    Digits = 1,   // group numbers beside the groups
    Notes = 2,    // handwriting inside and outside the disk
    Faculae = 4,  // dotted outlines of faculae fields
    Smudges = 8,  // eraser smudges and the ghosts of erased spots
    Noise = 16,   // scanner noise and dust
    Tilt = 32,    // north not up
    Axes = 64,    // the axis cross and grid lines
    Texture = 128 // paper tone, blotches and fibres
};
inline constexpr unsigned AllHazards = 255;

struct DrawnSpot {
    double x = 0, y = 0; // centre of the umbra, picture pixels
    int group = 0;
};

struct DrawnGroup {
    double area = 0;  // mm^2 on a 250 mm drawing: penumbrae, or umbrae without one
    int largest = -1; // index of the spot with the largest penumbra
};

struct DrawnScan {
    int side = 0;
    std::vector<std::uint8_t> pixels;
    Calibration cal;
    Ephemeris orientation;
    std::vector<DrawnSpot> spots;
    std::vector<DrawnGroup> groups;

    GreyImageView view() const { return {side, side, side, pixels.data()}; }
};

// One made-up scan. `side` x `side` pixels, the disk about 0.9 of it.
DrawnScan DrawScan(std::uint32_t seed, unsigned hazards, int side = 1800);

// The scan of the drawing of `record`, north up: every group with a position
// drawn where measuring the scan reads the record's positions back (its
// largest spot at the group's position, the auxiliary spots at theirs), the
// spots sized by the group's areas and its small spots added as dots, on a
// pencil disk with the axis cross, grid lines and a little paper texture.
// Hemisphere markers have no position and are left out; their groups get no
// entry in `groups`, so group g of the scan is not always entry g of the
// record. The same record gives the same scan.
DrawnScan DrawRecordScan(const TZaznam& record, int side = 1600);

} // namespace hk::drawn_scans
