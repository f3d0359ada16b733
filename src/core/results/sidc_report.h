#pragma once
// The monthly report for the sunspot index data centre (SIDC / SILSO):
// Mesice\YYYYMM.txt, one line per day with g, f and R of the whole disk,
// the north, the south and the central zone.
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "records/geometry_cache.h"
#include "records/record_layout.h"
#include "results/report_file.h"
#include "results/station_data.h"

namespace hk {

inline constexpr std::string_view SidcFolder = "Mesice";
inline constexpr int SidcStationRow = 13; // row of the general data with the SIDC identifier
// Asked before an existing report is overwritten ("\r" breaks the line).
inline constexpr std::string_view FileExists = "Soubor již existuje !\r   Přepsat?";

std::string SidcFileName(int year, int month);

// The line of a day with a drawing; `live` holds the hemisphere values
// recomputed from the group positions, the time, Q and the central zone come
// from the record.
std::string SidcDayLine(int day, const TZaznam& z, const TSouhrn& live);

// The report of the month whose first record is records[first] (0-based);
// the hemisphere values come from the records' geometry. The last line "99"
// has no line end.
ReportFile BuildSidcReport(std::span<const TZaznam> records, const GeometryCache& geometry,
                           std::size_t first, const StationData& data);

} // namespace hk
