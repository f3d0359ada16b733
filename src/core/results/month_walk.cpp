#include "results/month_walk.h"

#include <algorithm>
#include <stdexcept>

#include "records/record.h"
#include "records/record_prefetch.h"
#include "results/record_date.h"

namespace hk {

MonthWalk WalkMonthByDays(std::span<const TZaznam> records, std::size_t first) {
    MonthWalk walk;
    if (first >= records.size()) return walk;
    const auto start = DrawingDate(records[first]);
    if (!start) return walk;
    walk.year = start->year;
    walk.month = start->month;
    walk.days = DaysInMonth(walk.year, walk.month);
    for (std::size_t k = first; k < records.size(); ++k) {
        PrefetchAhead(records, k);
        const auto d = DrawingDate(records[k]);
        if (!d || d->year != walk.year || d->month != walk.month) continue;
        walk.used.push_back({k, d->day});
    }
    return walk;
}

MonthWalk WalkReportMonth(std::span<const TZaznam> records, std::size_t first) {
    MonthWalk walk = WalkMonthByDays(records, first);
    if (walk.used.empty()) throw std::runtime_error("Zvolený měsíc nemá žádný záznam");
    return walk;
}

std::pair<int, int> MonthWalkRecords(std::span<const TZaznam> records, std::size_t first) {
    const MonthWalk walk = WalkMonthByDays(records, first);
    std::size_t last = first;
    for (const auto& u : walk.used)
        last = std::max(last, u.index);
    if (walk.used.empty()) return {1, 0};
    return {static_cast<int>(first) + 1, static_cast<int>(last) + 1};
}

} // namespace hk
