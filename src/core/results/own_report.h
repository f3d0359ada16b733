#pragma once
// The station's own monthly record in two files under Vlastni: the basic file
// VL-MM_YYYY.Txt (g, f, R, central zone, faculae, conditions) and the
// extended file VLR-MM_YYYY.Txt (McIntosh, Pettis and Beck numbers, areas).
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "records/record_layout.h"
#include "results/month_sums.h"
#include "results/report_file.h"
#include "results/station_data.h"

namespace hk {

inline constexpr std::string_view OwnFolder = "Vlastni";
extern const std::array<std::string_view, 12> MonthNames; // "Leden" .. "Prosinec"

struct OwnReport {
    ReportFile basic;
    ReportFile extended;
};

// Day lines from the record's stored summary and its own fields.
std::string OwnBasicDayLine(int day, const TZaznam& z);
std::string OwnExtendedDayLine(int day, const TZaznam& z);
// Sum and mean lines of the month sums over n drawings.
std::string OwnBasicSumLine(const MonthSums& s);
std::string OwnBasicMeanLine(const MonthSums& s, int n);
std::string OwnExtendedSumLine(const MonthSums& s);
std::string OwnExtendedMeanLine(const MonthSums& s, int n);

// Both files of the month whose first record is records[first] (0-based).
OwnReport BuildOwnReport(std::span<const TZaznam> records, std::size_t first,
                         const StationData& data);

} // namespace hk
