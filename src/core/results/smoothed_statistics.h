#pragma once
// Monthly means held as scaled integers and their 13-month running mean with
// the weights 1, 2, ..., 2, 1.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "records/record_layout.h"
#include "results/month_sums.h"
#include "results/results_grid.h"

namespace hk {

// A stored mean is the true mean times this factor, cut to an integer.
inline constexpr std::array<int, QuantityCount> MeanScale = {10, 10, 10, 10, 10, 4, 4, 4};

// More than this many days must lie between the earliest and the latest record.
inline constexpr int MinDaySpan = 400;
// The table is built only from this many records on.
inline constexpr std::size_t MinRecordsForSmoothing = 14;
inline constexpr std::string_view NotEnoughData = "Nedostatek dat pro měsíční vyhlazené";

// nullopt when the smoothed view may be chosen, else the message to show.
std::optional<std::string> CheckSmoothedSpan(std::span<const TZaznam> records);

std::string SmoothedCaption(HemisphereChoice v);

// Monthly means, month 1 = the month of the earliest record. Each mean is the
// selected sum times the scale factor divided by all records of the month
// (special records included), truncated; a month without records is 0.
struct MonthlyMeans {
    int firstMonth = 0; // month number (year * 12 + month - 1) of month 1
    std::vector<std::array<std::int32_t, QuantityCount>> months;
};
MonthlyMeans BuildMonthlyMeans(std::span<const TZaznam> records, HemisphereChoice v);

// 9 columns: the month and the eight smoothed quantities ("0.00"). Rows as in
// the measured table; a month has a value when six months lie on each side of
// it and it is not after the seventh month before the latest. With fewer than
// 14 records only the header row is returned.
ResultsGrid BuildSmoothedStatistics(std::span<const TZaznam> records, HemisphereChoice v);

// The check and the table from one pass over the records: `refusal` as
// CheckSmoothedSpan gives it; the table only when there is none.
struct SmoothedStatistics {
    std::optional<std::string> refusal;
    ResultsGrid grid;
};
SmoothedStatistics CheckedSmoothedStatistics(std::span<const TZaznam> records, HemisphereChoice v);

} // namespace hk
