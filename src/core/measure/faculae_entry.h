#pragma once
// Faculae fields clicked on a scanned drawing: up to six vertices per field,
// stored into the record as packed positions.
#include <array>

#include "measure/calibration.h"
#include "records/record_layout.h"

namespace hk {

inline constexpr int MaxFacFields = MaxGroups;

// FacPoints: the clicked vertices of fields 1..40 (index 0..39); x = 0
// marks an empty vertex.
using FacField = std::array<PicturePoint, FaculaeVertexCount>;
using FacPoints = std::array<FacField, MaxFacFields>;

// The vertices of fields 1..fieldCount converted and written into `z`:
// PocetFakKresleni = fieldCount; when a vertex lies at 125 units or farther
// every distance is scaled so that the farthest lands at 124. Empty vertices
// are stored as 0. Fields past fieldCount are left as they were.
void StoreFaculae(TZaznam& z, int fieldCount, const FacPoints& points, const Calibration& cal);

} // namespace hk
