#pragma once
// The north-south asymmetry of the eight hemisphere quantities of the
// drawings, month by month and year by year. Computed from all records at
// start and after every stored entry; read by the asymmetry graph, the
// results window's view "Data asymetrie" and its text export.
#include <array>
#include <span>
#include <string>
#include <vector>

#include "records/record_layout.h"
#include "results/results_grid.h"

namespace hk {

// Values 2s-2 (ratio, percent) and 2s-1 (difference per drawing) for the
// series s = 1..8 (g, f, R, Cv, SN, RB, plo, pol), 0-based here; value 16 is
// the number of drawings. All 17 zero: a period without drawings; a zero
// asymmetry of a period with drawings is 0.0001.
using AsymmetryValues = std::array<float, 17>;
inline constexpr float ZeroAsymmetry = 0.0001f;

struct AsymmetryTable {
    int firstYear = 0;  // year of entry 0
    int firstMonth = 1; // month of entry 0 (the monthly table), 1 for the yearly one
    std::vector<AsymmetryValues> values; // from the earliest drawing's period to the latest's
};

struct AsymmetryTables {
    AsymmetryTable monthly;
    AsymmetryTable yearly;
};

// Both tables from the records, each in the period of its own date (special
// records and records without a readable date left out).
AsymmetryTables ComputeAsymmetry(std::span<const TZaznam> records);

// View 12 "Data asymetrie": the monthly table (one row per month from the
// month of the earliest drawing to December of the latest drawing's year) or
// the yearly one.
ResultsGrid BuildAsymmetryGrid(const AsymmetryTables& a, std::span<const TZaznam> records,
                               bool monthly);

// The text file of the view: one line per row, column 0 right-aligned in 10
// characters, the others in 7; CR LF.
std::string AsymmetryText(const ResultsGrid& grid);
// "Polohy-skupin/asymemes.dat" or "Polohy-skupin/asymerocni.dat".
const char* AsymmetryFileName(bool monthly);
inline constexpr const char* AsymmetryQuestion = "Uložení dat asymetrie do textového souboru ?";
inline constexpr const char* AsymmetryCaption = "Výsledky    Data asymetrie   ";

} // namespace hk
