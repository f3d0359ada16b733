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

void MonthTotals::add(const MonthTotals& other) {
    for (std::size_t i = 0; i < sums.size(); ++i)
        sums[i] += other.sums[i];
    countInMonth += other.countInMonth;
    specialCount += other.specialCount;
    markerCount += other.markerCount;
    specialMarkerCount += other.specialMarkerCount;
}

} // namespace hk
