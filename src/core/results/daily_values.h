#pragma once
// The values of one drawing as the monthly reports read them.
#include <cstddef>

#include "records/geometry_cache.h"
#include "records/record_layout.h"

namespace hk {

// The record's summary recomputed from its group positions as they are now
// (the ephemeris of its date and time), with the copied fields filled in.
// The SIDC and CV reports read the hemisphere split from here; the own
// report and the statistics read the block stored at the last save. A
// record whose date cannot be read keeps its stored block.
TSouhrn LiveDailyValues(const TZaznam& z);
// The same from the group positions of record `index1` in a refreshed
// geometry cache of the store that holds `z`.
TSouhrn LiveDailyValues(const TZaznam& z, const GeometryCache& geometry, int index1);

} // namespace hk
