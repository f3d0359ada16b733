#pragma once
// A cell of the group or faculae grid of the entry window, as the window
// counts rows and columns (row 0 and column 0 are the titles and numbers).
namespace hk {

struct GridCell {
    enum class Grid { Skupiny, Fakule };
    Grid grid = Grid::Skupiny;
    int row = 1;
    int col = 1;
    friend bool operator==(const GridCell&, const GridCell&) = default;
};

} // namespace hk
