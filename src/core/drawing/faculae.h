#pragma once
// Faculae fields of a record: their outlines on the drawing and their area.
// The area is counted on the 532 x 532 bitmap in the standard orientation
// (east right, north up), so the stored number never depends on how the
// window shows the drawing.
#include <span>
#include <string>
#include <vector>

#include "drawing/drawing_point.h"
#include "drawing/faculae_bitmap.h"
#include "records/record_layout.h"

namespace hk {

// Area of one counted bitmap pixel.
inline constexpr double FaculaePixelArea = 4.533;

// Vertices of faculae field `entry` in logical drawing coordinates (disk
// centre 280, 280, radius 250): vertices 1 and 2 always, vertices 3..6 only
// when their distance is above 0. `orientEW`/`orientNS` are +1 or -1.
std::vector<DrawingPoint> FaculaePolygon(const TSkupina& entry, int orientEW = 1, int orientNS = 1);

// Number of bitmap pixels covered by the record's faculae fields (0 when it
// has none). The bitmap is left clear.
int CountFaculaePixels(const TZaznam& z, FaculaeBitmap& bitmap);
int CountFaculaePixels(const TZaznam& z);

// Round(pixels * 4.533).
int FaculaeArea(int pixels);

// The faculae area of a record with fields, written into its PlochaFakuli as
// decimal text. A record without fields keeps its text. Returns true when
// the text changed.
bool StoreFaculaeArea(TZaznam& z, FaculaeBitmap& bitmap);

// Recount of every record: records with fields get their counted area,
// records without fields "0". Returns the number of records whose text
// changed.
int RecountFaculae(std::span<TZaznam> records);

} // namespace hk
