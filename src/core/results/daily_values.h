#pragma once
// The values of one drawing as the monthly reports read them.
#include <cstddef>

#include "records/record_layout.h"

namespace hk {

// The record's summary recomputed from its group positions as they are now
// (the ephemeris of its date and time), with the copied fields filled in.
// The SIDC and CV reports read the hemisphere split from here; the own
// report and the statistics read the block stored at the last save. A
// record whose date cannot be read keeps its stored block.
TSouhrn LiveDailyValues(const TZaznam& z);

} // namespace hk
