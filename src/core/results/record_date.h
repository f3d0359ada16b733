#pragma once
// The date of a drawing, read quickly: the statistics read the date of every
// record of the store on each view.
#include <cstddef>
#include <optional>
#include <span>

#include "geometry/calendar.h"
#include "records/record_layout.h"

namespace hk {

// The same result as RecordDate(z); a Datum of exactly "dd.mm.yyyy" is read
// directly, any other form through the general reader.
std::optional<Date> DrawingDate(const TZaznam& z);

// The earliest and the latest readable date of the records. The store is
// sorted by date + hhmm/1440, so a drawing late in the day can stand after
// early drawings of the next day: the first and the last record are not
// always the first and the last date.
struct RecordDateSpan {
    Date earliest;
    Date latest;
    std::size_t latestIndex = 0; // the last record in store order dated `latest`
};
std::optional<RecordDateSpan> DateSpanOf(std::span<const TZaznam> records);

} // namespace hk
