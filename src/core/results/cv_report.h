#pragma once
// The monthly McIntosh report of the CV-Helios network:
// CVdata\CV-MM_YYYY.Txt with the classes of all groups of each day and the
// day's CV value.
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "records/geometry_cache.h"
#include "records/record_layout.h"
#include "results/report_file.h"
#include "results/station_data.h"

namespace hk {

inline constexpr std::string_view CvFolder = "CVdata";

std::string CvFileName(int year, int month);

// The part of a day line after the day: CV, time, Q and the classes in
// capitals, each followed by a space. `cv` is the day's CV value.
std::string CvDayTail(const TZaznam& z, int cv);

// The report of the month whose first record is records[first] (0-based),
// for `observer`. Every drawing of the month counts in AVRG and OBS, also one
// whose line a later drawing of the same day replaces.
ReportFile BuildCvReport(std::span<const TZaznam> records, const GeometryCache& geometry,
                         std::size_t first, std::string_view observer, const StationData& data);

} // namespace hk
