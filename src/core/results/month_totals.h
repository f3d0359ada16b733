#pragma once
// The records of one calendar month taken together: the month sums and the
// counters the divisors of the statistics are made from.
#include "results/month_sums.h"

namespace hk {

struct MonthTotals {
    MonthSums sums{};
    int countInMonth = 0; // records of the month
    int specialCount = 0; // special records
    int markerCount = 0;  // records whose first group is a hemisphere marker
    // Special records with a marker: the special records that still count in
    // the hemisphere sums.
    int specialMarkerCount = 0;

    void add(const TZaznam& z);

    // Records that count in the hemisphere sums and in the areas.
    int hemisphereRecords() const { return countInMonth - specialCount + specialMarkerCount; }
    int areaRecords() const { return countInMonth - specialCount; }
};

} // namespace hk
