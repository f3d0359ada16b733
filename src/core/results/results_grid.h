#pragma once
// A table of the results window as texts: row 0 holds the column headers,
// column 0 the row labels. The window shows the cells as they are; the CLI
// and the CSV export print the same texts.
#include <string>
#include <vector>

namespace hk {

struct ResultsGrid {
    std::string caption;                         // the window caption of the view
    std::vector<std::vector<std::string>> cells; // [row][column]

    std::size_t rowCount() const { return cells.size(); }
    std::size_t columnCount() const { return cells.empty() ? 0 : cells.front().size(); }
};

} // namespace hk
