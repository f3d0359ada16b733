#pragma once
// Everything a drawing shows, derived from one record: the record itself,
// the orientation of the disk at its date and time, its grid, the
// per-hemisphere summary, the counted faculae pixels and the magnetic-map
// overlay. Kept by the window while the record stays, so a repaint only paints.
#include <optional>
#include <vector>

#include "drawing/disk_grid.h"
#include "drawing/magnetic_map.h"
#include "geometry/ephemeris.h"
#include "records/record_layout.h"

namespace hk {

struct DrawingModel {
    TZaznam record{};
    std::optional<Ephemeris> ephemeris;  // nullopt when the date cannot be read
    DiskGrid grid;                       // standard orientation; empty without ephemeris
    TSouhrn summary{};                   // the sums of the record's groups
    int faculaePixels = 0;               // counted on the faculae bitmap
    std::vector<MagneticPixel> magnetic; // overlay pixels, standard orientation
};

// Computes the model of a record; `magneticWords` are the words of the
// magnetic map of the record's date (empty: no overlay).
DrawingModel MakeDrawingModel(const TZaznam& z,
                              const std::vector<std::uint16_t>& magneticWords = {});
// The same with the orientation of the disk given (nullopt: none known).
DrawingModel MakeDrawingModel(const TZaznam& z, const std::optional<Ephemeris>& ephemeris,
                              const std::vector<std::uint16_t>& magneticWords = {});

} // namespace hk
