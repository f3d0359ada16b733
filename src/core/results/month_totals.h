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
    // Adds the totals of the same month counted elsewhere (another run of
    // the records): every field is a whole number, so the order of the
    // additions does not matter.
    void add(const MonthTotals& other);
    bool operator==(const MonthTotals&) const = default;

    // Records that count in the hemisphere sums and in the areas.
    int hemisphereRecords() const { return countInMonth - specialCount + specialMarkerCount; }
    int areaRecords() const { return countInMonth - specialCount; }
};

} // namespace hk
