#include "results/month_series.h"

#include <algorithm>
#include <cstddef>

#include "records/record.h"
#include "results/record_date.h"
#include "text/number_format.h"

namespace hk {

std::string MonthLabel(int monthNumber) {
    return FormatNumber(monthNumber % 12 + 1, "00") + "." + FormatNumber(monthNumber / 12, "0000");
}

namespace {

// The parts of a record the month sums read, asked for a few records ahead:
// records are 1774 bytes apart, too far for the processor to guess.
void prefetch(const TZaznam& z) {
    const char* p = reinterpret_cast<const char*>(&z);
    __builtin_prefetch(p);
    __builtin_prefetch(p + offsetof(TZaznam, Zvlastni));
    __builtin_prefetch(p + offsetof(TZaznam, Skupiny));
    __builtin_prefetch(p + offsetof(TZaznam, Souhrn));
}

constexpr std::size_t prefetchDistance = 8;

} // namespace

MonthSeries CollectMonthTotals(std::span<const TZaznam> records) {
    MonthSeries series;
    Date earliest{}, latest{};
    for (std::size_t k = 0; k < records.size(); ++k) {
        if (k + prefetchDistance < records.size()) prefetch(records[k + prefetchDistance]);
        const auto d = DrawingDate(records[k]);
        if (!d) continue;
        const int month = MonthNumber(*d);
        if (series.months.empty()) {
            series.firstMonth = month;
        } else if (month < series.firstMonth) {
            // Only an unsorted store goes back in time.
            series.months.insert(series.months.begin(),
                                 static_cast<std::size_t>(series.firstMonth - month),
                                 MonthTotals{});
            series.firstMonth = month;
        }
        const auto index = static_cast<std::size_t>(month - series.firstMonth);
        if (index >= series.months.size()) series.months.resize(index + 1);
        series.months[index].add(records[k]);
        if (series.records == 0 || *d < earliest) earliest = *d;
        if (series.records == 0 || latest < *d) latest = *d;
        ++series.records;
    }
    if (series.records == 0) return series;
    series.firstDay = DaySerial(earliest);
    series.lastDay = DaySerial(latest);
    return series;
}

} // namespace hk
