#include "results/month_series.h"

#include <algorithm>
#include <climits>

#include "records/record.h"
#include "text/number_format.h"

namespace hk {

std::string MonthLabel(int monthNumber) {
    return FormatNumber(monthNumber % 12 + 1, "00") + "." + FormatNumber(monthNumber / 12, "0000");
}

MonthSeries CollectMonthTotals(std::span<const TZaznam> records) {
    MonthSeries series;
    // The dates are read once; the month range is known only after the pass.
    std::vector<int> monthOf(records.size(), -1);
    int first = INT_MAX, last = INT_MIN;
    int firstDay = INT_MAX, lastDay = INT_MIN;
    for (std::size_t k = 0; k < records.size(); ++k) {
        const auto d = RecordDate(records[k]);
        if (!d) continue;
        monthOf[k] = MonthNumber(*d);
        first = std::min(first, monthOf[k]);
        last = std::max(last, monthOf[k]);
        const int serial = DaySerial(*d);
        firstDay = std::min(firstDay, serial);
        lastDay = std::max(lastDay, serial);
        ++series.records;
    }
    if (series.records == 0) return series;
    series.firstMonth = first;
    series.firstDay = firstDay;
    series.lastDay = lastDay;
    series.months.resize(static_cast<std::size_t>(last - first + 1));
    for (std::size_t k = 0; k < records.size(); ++k)
        if (monthOf[k] >= 0)
            series.months[static_cast<std::size_t>(monthOf[k] - first)].add(records[k]);
    return series;
}

} // namespace hk
