#pragma once
// The date of a drawing, read quickly: the statistics read the date of every
// record of the store on each view.
#include <cstddef>
#include <optional>

#include "geometry/calendar.h"
#include "records/record_layout.h"

namespace hk {

// The same result as RecordDate(z); a Datum of exactly "dd.mm.yyyy" is read
// directly, any other form through the general reader.
std::optional<Date> DrawingDate(const TZaznam& z);

} // namespace hk
