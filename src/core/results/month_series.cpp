#include "results/month_series.h"

#include <algorithm>
#include <cstddef>

#include "records/record.h"
#include "results/record_date.h"
#include "text/number_format.h"
#include "text/text_runs.h"

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

// One run of the records: its months from its own earliest to its latest.
struct RunTotals {
    MonthSeries series;
    Date earliest{}, latest{};
};

void collectRun(std::span<const TZaznam> records, RunTotals& run) {
    MonthSeries& series = run.series;
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
        if (series.records == 0 || *d < run.earliest) run.earliest = *d;
        if (series.records == 0 || run.latest < *d) run.latest = *d;
        ++series.records;
    }
}

} // namespace

MonthSeries CollectMonthTotals(std::span<const TZaznam> records, unsigned threads) {
    std::vector<RunTotals> runs(RunCount(records.size(), threads));
    ForEachRun(records.size(), runs.size(), [&](std::size_t r, std::size_t from, std::size_t to) {
        collectRun(records.subspan(from, to - from), runs[r]);
    });
    // The runs joined: the months from the earliest run's first to the
    // latest run's last, each month the sum of the runs' totals.
    RunTotals all;
    int endMonth = 0;
    for (const RunTotals& run : runs) {
        if (run.series.records == 0) continue;
        const int first = run.series.firstMonth;
        const int end = first + static_cast<int>(run.series.months.size());
        if (all.series.records == 0 || first < all.series.firstMonth) all.series.firstMonth = first;
        if (all.series.records == 0 || end > endMonth) endMonth = end;
        if (all.series.records == 0 || run.earliest < all.earliest) all.earliest = run.earliest;
        if (all.series.records == 0 || all.latest < run.latest) all.latest = run.latest;
        all.series.records += run.series.records;
    }
    MonthSeries& series = all.series;
    if (series.records == 0) return series;
    series.months.resize(static_cast<std::size_t>(endMonth - series.firstMonth));
    for (const RunTotals& run : runs) {
        if (run.series.records == 0) continue;
        const auto offset = static_cast<std::size_t>(run.series.firstMonth - series.firstMonth);
        for (std::size_t m = 0; m < run.series.months.size(); ++m)
            series.months[offset + m].add(run.series.months[m]);
    }
    series.firstDay = DaySerial(all.earliest);
    series.lastDay = DaySerial(all.latest);
    return series;
}

} // namespace hk
