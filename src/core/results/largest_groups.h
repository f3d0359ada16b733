#pragma once
// The 50 largest sunspot groups drawn in one year, sorted by area.
#include <span>
#include <string_view>

#include "records/record_layout.h"
#include "results/results_grid.h"

namespace hk {

inline constexpr int LargestGroupCount = 50;
inline constexpr std::string_view LargestCaption = "Výsledky    velikost skupin";
inline constexpr int LargestYearFrom = 1900;
inline constexpr int LargestYearTo = 2070;
inline constexpr int LargestYearStart = 2000;

// The year the view shows for a chosen year: below the year of the earliest
// drawing it is that year, above the year of the latest drawing that one
// (the chosen year as it is when no record has a readable date).
int LargestGroupsYear(std::span<const TZaznam> records, int chosen);

// Row 0: "", "  Datum", "  Rotace", "Č. skupiny", "    Typ", "Plocha mil.",
// "    1/Zem"; rows 1..: "   " + row number, the date, the rotation, the
// group's number in the rotation, "    " + class, the area
// Round(Plocha + MalS * 15.3) and the area in Earth surfaces ("###.00").
// Special records and groups of area 0 are left out; equal areas keep the
// order in which they were drawn.
ResultsGrid BuildLargestGroups(std::span<const TZaznam> records, int year);

} // namespace hk
