#include "results/month_totals.h"

namespace hk {

void MonthTotals::add(const TZaznam& z) {
    const bool special = IsSpecialRecord(z);
    const bool marker = IsMarkerRecord(z);
    ++countInMonth;
    specialCount += special;
    markerCount += marker;
    specialMarkerCount += special && marker;
    AccumulateMonth(sums, z);
}

} // namespace hk
