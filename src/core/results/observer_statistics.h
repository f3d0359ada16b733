#pragma once
// How many drawings each known observer made in each calendar year, with the
// row, column and grand totals, and the same table as Pozorovatele.csv.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "records/record_layout.h"
#include "results/report_file.h"
#include "results/results_grid.h"

namespace hk {

inline constexpr std::string_view NoNameGiven = "Není zadáno žádné jméno pozorovatele";
inline constexpr std::string_view ObserversCsvQuestion =
    "Data se uloží do souboru  Pozorovatele.csv";

struct ObserverStatistics {
    // Row 0: "", the years from the earliest to the latest drawing, "Suma".
    // Rows 1..n: the known observers (the names before the first empty one);
    // row n + 1: the unnamed row, empty: drawings of a name not in the list
    // count only in the grand total; row n + 2: "Suma". A count is
    // right-aligned in 5 characters, 0 an empty cell; the row sums are shown
    // also when 0; the corner holds the number of all records.
    ResultsGrid grid;
    bool noObserver = false; // no known observer: the view shows NoNameGiven
};

ObserverStatistics BuildObserverStatistics(std::span<const TZaznam> records,
                                           const std::vector<std::string>& observerList);

// Pozorovatele.csv in the program directory: every grid row, each cell
// followed by ";" (an empty cell as " ;").
ReportFile ObserversCsv(const ResultsGrid& grid);

} // namespace hk
