#include "results/statistics_status.h"

#include <algorithm>

#include "text/number_format.h"

namespace hk {

namespace {
constexpr int pageMargin = 200;     // dots kept free at the top and the bottom
constexpr int rowHeight = 15;       // dots per row at one unit of scale
constexpr int scaleUnitWidth = 704; // page width of one unit of scale
} // namespace

int StatisticsRowsPerPage(int pageWidth, int pageHeight) {
    const int scale = std::max(1, pageWidth / scaleUnitWidth);
    return std::max(1, (pageHeight - pageMargin) / (rowHeight * scale));
}

std::string StatisticsStatusLine(const ResultsGrid& grid, int pageWidth, int pageHeight) {
    const int rows = grid.rowCount() > 0 ? static_cast<int>(grid.rowCount()) - 1 : 0;
    const double pages = double(rows) / StatisticsRowsPerPage(pageWidth, pageHeight);
    return "Počet hodnot je = " + std::to_string(rows) + "   ( " + FormatNumber(pages, "##.#") +
           "  str.)";
}

} // namespace hk
