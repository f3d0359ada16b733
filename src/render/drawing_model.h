#pragma once
// Everything a drawing shows, derived from one record: the record itself,
// the orientation of the disk at its date and time, the per-hemisphere
// summary, the counted faculae pixels and the magnetic-map overlay.
#include <optional>
#include <vector>

#include "drawing/magnetic_map.h"
#include "geometry/ephemeris.h"
#include "records/zaznam.h"

namespace hk {

struct DrawingModel {
    TZaznam record{};
    std::optional<Ephemeris> ephemeris;  // nullopt when the date cannot be read
    TSouhrn summary{};                   // the sums of the record's groups
    int faculaePixels = 0;               // counted on the faculae bitmap
    std::vector<MagneticPixel> magnetic; // overlay pixels, standard orientation
};

// Computes the model of a record; `magneticWords` are the words of the
// magnetic map of the record's date (empty: no overlay).
DrawingModel MakeDrawingModel(const TZaznam& z,
                              const std::vector<std::uint16_t>& magneticWords = {});

} // namespace hk
