#include "results/measured_statistics.h"

#include <algorithm>

#include "results/month_series.h"
#include "results/report_text.h"
#include "text/number_format.h"

namespace hk {

namespace {

constexpr int measuredColumns = 1 + QuantityCount + RecordQuantityCount;
constexpr int areaFrom = 6;

std::string cell(double value, std::string_view pattern) {
    return PadLeft(FormatNumber(value, pattern), 5);
}

} // namespace

std::string StatisticsHeader(std::string_view name) {
    return "   " + PadRight(name, 3);
}

std::string MeasuredCaption(HemisphereChoice v) {
    switch (v) {
    case HemisphereChoice::North:
        return "Výsledky    statistika - naměřené - sever";
    case HemisphereChoice::South:
        return "Výsledky    statistika - naměřené - jih";
    default:
        return "Výsledky    statistika - naměřené - celkový";
    }
}

ResultsGrid BuildMeasuredStatistics(std::span<const TZaznam> records, HemisphereChoice v) {
    ResultsGrid grid;
    grid.caption = MeasuredCaption(v);
    std::vector<std::string> header(measuredColumns);
    for (int i = 0; i < QuantityCount; ++i)
        header[1 + i] = StatisticsHeader(QuantityNames[i]);
    for (int j = 0; j < RecordQuantityCount; ++j)
        header[1 + QuantityCount + j] = StatisticsHeader(RecordQuantityNames[j]);
    grid.cells.push_back(std::move(header));

    const MonthSeries series = CollectMonthTotals(records);
    if (series.months.empty()) return grid;
    const bool whole = v == HemisphereChoice::Whole;
    // The table ends with a blank row for the month after the latest record.
    for (std::size_t m = 0; m <= series.months.size(); ++m) {
        std::vector<std::string> row(measuredColumns);
        row[0] = MonthLabel(series.firstMonth + static_cast<int>(m));
        if (m < series.months.size() && series.months[m].countInMonth > 0) {
            const MonthTotals& t = series.months[m];
            const double d1 = std::max(1, whole ? t.countInMonth : t.hemisphereRecords());
            const double d2 = std::max(1, t.areaRecords());
            for (int i = 0; i < QuantityCount; ++i)
                row[1 + i] = cell(t.sums[SumIndex(i, v)] / (i < areaFrom ? d1 : d2), "0.00");
            if (whole)
                for (int j = 0; j < RecordQuantityCount; ++j)
                    row[1 + QuantityCount + j] = cell(t.sums[FirstRecordQuantity + j] / d1, "0.0");
        }
        grid.cells.push_back(std::move(row));
    }
    return grid;
}

} // namespace hk
