#include "results/smoothed_statistics.h"

#include "results/measured_statistics.h"
#include "results/month_series.h"
#include "text/number_format.h"

namespace hk {

namespace {
// Months on each side of a smoothed month.
constexpr int halfWindow = 6;
} // namespace

namespace {

std::optional<std::string> refusalOf(const MonthSeries& series) {
    if (series.records == 0 || series.lastDay - series.firstDay <= MinDaySpan)
        return std::string(NotEnoughData);
    return std::nullopt;
}

ResultsGrid smoothedGrid(const MonthSeries& series, HemisphereChoice v);

} // namespace

std::optional<std::string> CheckSmoothedSpan(std::span<const TZaznam> records) {
    return refusalOf(CollectMonthTotals(records));
}

SmoothedStatistics CheckedSmoothedStatistics(std::span<const TZaznam> records, HemisphereChoice v) {
    const MonthSeries series = CollectMonthTotals(records);
    SmoothedStatistics r;
    r.refusal = refusalOf(series);
    if (!r.refusal) r.grid = smoothedGrid(series, v);
    return r;
}

std::string SmoothedCaption(HemisphereChoice v) {
    switch (v) {
    case HemisphereChoice::North:
        return "Výsledky    statistika - vyhlazené - sever";
    case HemisphereChoice::South:
        return "Výsledky    statistika - vyhlazené - jih";
    default:
        return "Výsledky    statistika - vyhlazené - celkový";
    }
}

namespace {

MonthlyMeans meansOf(const MonthSeries& series, HemisphereChoice v) {
    MonthlyMeans means;
    means.firstMonth = series.firstMonth;
    means.months.resize(series.months.size());
    for (std::size_t m = 0; m < series.months.size(); ++m) {
        const MonthTotals& t = series.months[m];
        if (t.countInMonth == 0) continue;
        for (int i = 0; i < QuantityCount; ++i) {
            const std::int64_t scaled = std::int64_t(t.sums[SumIndex(i, v)]) * MeanScale[i];
            means.months[m][i] = static_cast<std::int32_t>(scaled / t.countInMonth);
        }
    }
    return means;
}

} // namespace

MonthlyMeans BuildMonthlyMeans(std::span<const TZaznam> records, HemisphereChoice v) {
    return meansOf(CollectMonthTotals(records), v);
}

ResultsGrid BuildSmoothedStatistics(std::span<const TZaznam> records, HemisphereChoice v) {
    return smoothedGrid(CollectMonthTotals(records), v);
}

namespace {

ResultsGrid smoothedGrid(const MonthSeries& series, HemisphereChoice v) {
    ResultsGrid grid;
    grid.caption = SmoothedCaption(v);
    std::vector<std::string> header(1 + QuantityCount);
    for (int i = 0; i < QuantityCount; ++i)
        header[1 + i] = StatisticsHeader(QuantityNames[i]);
    grid.cells.push_back(std::move(header));

    if (series.records < MinRecordsForSmoothing) return grid;
    const MonthlyMeans means = meansOf(series, v);

    // Months are numbered from 1; the last month with data is N. Values run
    // from month 7 to month N - 7, so the latest month (often still being
    // observed) never enters a smoothed value.
    const int n = static_cast<int>(means.months.size());
    for (int month = 1; month <= n + 1; ++month) {
        std::vector<std::string> row(1 + QuantityCount);
        row[0] = MonthLabel(means.firstMonth + month - 1);
        if (month > halfWindow && month <= n - halfWindow - 1) {
            const int c = month - 1; // index of the month in the table
            for (int i = 0; i < QuantityCount; ++i) {
                double s =
                    double(means.months[c - halfWindow][i]) + means.months[c + halfWindow][i];
                for (int k = -halfWindow + 1; k < halfWindow; ++k)
                    s += 2.0 * means.months[c + k][i];
                row[1 + i] = FormatNumber(s / (24.0 * MeanScale[i]), "0.00");
            }
        }
        grid.cells.push_back(std::move(row));
    }
    return grid;
}

} // namespace

} // namespace hk
