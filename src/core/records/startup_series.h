#pragma once
// The outside series read at start from the folder SIDC: the daily sunspot
// values (dssn<year>.dat), the area series (Plochy.txt) and the 10.7 cm radio
// flux (tok-10cm.txt). The files come from outside the program; the readers
// never read past a file's end and keep values above 255. A negative value
// (SILSO writes -1 for the days after its file ends) and a day the file does
// not give are missing, not zero.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "geometry/calendar.h"

namespace hk {

// A value that is missing.
inline constexpr std::uint16_t MissingValue = 0xFFFF;

// sidcDaily: three values per day (whole disk, north, south; a one-value file
// fills only the first), placed by each file's own year.
struct DailySeries {
    int firstYear = 0;                              // year of days[0]; 0 when empty
    std::vector<std::array<std::uint16_t, 3>> days; // from 1 January firstYear
    std::vector<int> years;                         // years whose file was read, ascending
    int unreadableValues = 0;                       // places without a number, read as 0
    std::vector<std::string> refused; // files not read (too large for a year, not a file)

    bool empty() const { return years.empty(); }
    // Value `which` (0 whole disk, 1 north, 2 south) of a day; 0 outside the
    // loaded years and where it is missing.
    std::uint16_t value(const Date& d, int which) const;
    // The same; nullopt where it is missing.
    std::optional<std::uint16_t> known(const Date& d, int which) const;
};

// areasTable, fluxTable: three values per line that starts with a year and
// a month, in the order of the file. Other lines (headers, damage) are only
// counted: nothing reads them, and a file of millions of them must not cost
// a row each.
struct SeriesRow {
    int month = 0;                       // year * 12 + month - 1 of "yyyy mm"
    std::array<std::uint16_t, 3> values; // rounded (the flux times 10); MissingValue where missing
};
struct OutsideTable {
    std::vector<SeriesRow> rows;
    int unreadableValues = 0; // places without a number, read as 0
    int undatedLines = 0;     // lines that hold something but no year and month
    // The value at 1-based position i of the flat table of three words per
    // line (the old table's indexing); 0 past the end and where it is missing.
    std::uint16_t at(int i) const;
};

// The month (year * 12 + month - 1) a line of an outside table starts with:
// a year of four digits from 1000, then the month, apart by spaces or one of
// ".-/;,"; nullopt for any other start.
std::optional<int> SeriesLineMonth(std::string_view label);

// Reads every SIDC\dssn<year>.dat with year <= lastYear. Lines that hold no
// number where a value stands give 0 for that day. Throws std::runtime_error
// when a present file cannot be read.
DailySeries ReadDailySeries(const std::filesystem::path& sidcFolder, int lastYear);

// Parses one dssn file of the given year (the bytes of the file).
void ParseDailySeriesFile(std::string_view bytes, int year, DailySeries& into);

// Plochy.txt: lines of 31 bytes, values in characters 9-15, 16-22, 23-29.
OutsideTable ParseAreasTable(std::string_view bytes);
// tok-10cm.txt: lines of 45 bytes, values in characters 16-21, 26-31, 37-42,
// stored times 10.
OutsideTable ParseFluxTable(std::string_view bytes);

} // namespace hk
