#pragma once
// The daily hemispheric sunspot numbers as the Royal Observatory of Belgium
// publishes them (semicolon-separated CSV or whitespace-separated text:
// year, month, day, decimal date, total, north, south, then standard
// deviations, numbers of observations and the provisional marker; -1 for a
// missing value), turned into the program's SIDC\dssn<year>.dat files.
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "records/program_dir.h"

namespace hk {

struct SilsoImport {
    // Year -> the bytes of its dssn<year>.dat (every day of the year, days
    // the file does not give as -1).
    std::map<int, std::string> files;
    std::vector<std::string> errors; // "Řádek N: ..." for the first 100 bad lines
    int badLineCount = 0;            // bad lines in all
    int days = 0;                    // days read
};

// The years a file may hold: the series starts in 1700 (the yearly numbers;
// the daily ones in 1818); `lastYear` is the year after this one. A line of
// another year is a bad line. A UTF-8 byte-order mark at the start is skipped.
inline constexpr int SilsoFirstYear = 1700;
SilsoImport ParseSilsoDaily(std::string_view bytes, int lastYear);

// The largest file the import reads: the whole daily series since 1818 is
// about 3 MB.
inline constexpr std::size_t SilsoFileLimit = 64 * 1024 * 1024;

// Writes every year's file into SIDC (created when missing), all of them
// together: each is written to its temporary file, then all are renamed (a
// run killed or failing before that leaves the old files whole, one killed
// during the renames is completed by the next start). Returns the paths.
// Nothing is written when `import` holds errors (std::runtime_error with
// the first ones).
std::vector<std::filesystem::path> WriteSilsoDaily(const ProgramDir& dir,
                                                   const SilsoImport& import);

} // namespace hk
