#pragma once
// The tables heliokres-cli writes with --data: rows of cells, header first.
#include <cmath>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "io/atomic_file.h"

namespace hk {

using CsvTable = std::vector<std::vector<std::string>>;

// Cells split at every comma (the tables' texts hold none).
inline CsvTable ReadCsvTable(const std::filesystem::path& file) {
    CsvTable t;
    std::istringstream in(ReadWholeFile(file, 1 << 24));
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> cells;
        std::size_t a = 0;
        for (std::size_t b; (b = line.find(',', a)) != std::string::npos; a = b + 1)
            cells.push_back(line.substr(a, b - a));
        cells.push_back(line.substr(a));
        t.push_back(std::move(cells));
    }
    return t;
}

// A cell's number; NaN for an empty cell.
inline double CsvNumber(const std::string& cell) {
    return cell.empty() ? NAN : std::stod(cell);
}

} // namespace hk
