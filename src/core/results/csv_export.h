#pragma once
// The statistics tables of the results window as semicolon-separated text for
// spreadsheets: CSVsoubory\Namerene-*.csv and CSVsoubory\Vyhlazene-*.csv.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "records/program_dir.h"

namespace hk {

// Which statistics table is exported.
enum class StatisticsTable { Measured, Smoothed };

// Widest row written for the whole disk and for one hemisphere.
inline constexpr std::size_t CsvColumnsDisk = 16;
inline constexpr std::size_t CsvColumnsHemisphere = 9;
// Every cell is right-aligned in this many characters.
inline constexpr std::size_t CsvCellWidth = 7;

// "Namerene-celkove", "Vyhlazene-sever", ...; hemisphere 1 = whole disk,
// 2 = north, 3 = south.
std::string StatisticsCsvName(StatisticsTable table, int hemisphere);

// One cell as the file holds it (Windows-1250): right-aligned in 7 characters,
// a longer text keeps its last 7, then ";".
std::string StatisticsCsvCell(std::string_view utf8);

// The whole file: one line per grid row (header row first), CR LF ended.
// Written are the columns from 0 up to 16 for the whole disk or up to 9 for a
// hemisphere, but never more than the grid has; a short row is completed
// with empty cells.
std::string StatisticsCsvText(const std::vector<std::vector<std::string>>& cells, int hemisphere);

// Writes the table into CSVsoubory (created when missing), replacing an
// older file atomically; returns the path written. Throws std::runtime_error
// with a Czech message when the folder or the file cannot be written.
std::filesystem::path WriteStatisticsCsv(const ProgramDir& dir, StatisticsTable table,
                                         int hemisphere,
                                         const std::vector<std::vector<std::string>>& cells);

} // namespace hk
