#pragma once
// The line under the statistics tables: how many rows the table has and how
// many printed pages it takes.
#include <string>

#include "results/results_grid.h"

namespace hk {

// Printed rows per page for a page of the given size in printer dots; at
// least 1, also for a page too small for the layout.
int StatisticsRowsPerPage(int pageWidth, int pageHeight);

// "Počet hodnot je = " + rows + "   ( " + pages ("##.#") + "  str.)", where
// rows are the month rows of the table (the months plus the closing row).
std::string StatisticsStatusLine(const ResultsGrid& grid, int pageWidth, int pageHeight);

} // namespace hk
