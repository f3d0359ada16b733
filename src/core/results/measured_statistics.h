#pragma once
// The month-by-month table of measured statistics: monthly means of the
// daily values, for the whole disk, the north or the south.
#include <cstddef>
#include <span>
#include <string>

#include "records/record_layout.h"
#include "results/month_sums.h"
#include "results/results_grid.h"

namespace hk {

// Header of a value column: three spaces and the name padded to 3 characters.
std::string StatisticsHeader(std::string_view name);

std::string MeasuredCaption(HemisphereChoice v);

// 16 columns: the month "MM.YYYY", the eight hemisphere quantities and, for
// the whole disk only, the seven record-level quantities. One row per month
// from the month of the earliest record to one month after the latest;
// months without records are blank.
ResultsGrid BuildMeasuredStatistics(std::span<const TZaznam> records, HemisphereChoice v);

} // namespace hk
