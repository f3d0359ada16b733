#pragma once
// The green-corona table: one day row of 78 bytes per observed day, read at
// start from the yearly files KoronaX\HR<year>.csv (1940, 1941, ... up to the
// first missing year). Row layout: bytes 0..5 the line's first six columns
// (byte 1 = year - 1900, bytes 2 and 3 month and day), bytes 6..77 the 72
// limb intensities in steps of 5 degrees of position angle; value k and
// value 73 - k lie at the same latitude on the two limbs.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hk {

class ProgramDir;

inline constexpr std::size_t CoronaRowBytes = 78;
inline constexpr int CoronaValues = 72;
inline constexpr int CoronaFirstYear = 1940;
inline constexpr int CoronaMaxYears = 101;

struct CoronaTable {
    std::vector<std::uint8_t> coronaBytes; // day rows, coronaLength bytes
    std::size_t coronaLength = 1;          // bytes filled; 1 = no corona data

    bool present() const { return coronaLength > 1; }
    std::size_t rows() const { return coronaBytes.size() / CoronaRowBytes; }
    // Value k (1..72) of day row `row` (0-based); rows past the last loaded
    // day read 0.
    int value(std::size_t row, int k) const {
        const std::size_t at = row * CoronaRowBytes + 5 + static_cast<std::size_t>(k);
        return row < rows() && k >= 1 && k <= CoronaValues ? coronaBytes[at] : 0;
    }
};

// Appends the day rows of one yearly file to `table`. Tokens are split at
// every character of code 32 or less, values above 1900 lose 1900, and each
// line keeps its first six columns and the last 72 of its values. Lines
// without a token add nothing; the first line whose columns 2, 3 and 4 are
// all 0 ends the file. A year has at most 366 days: the lines after the
// 366th row are not read (a damaged file of 200,000 one-character lines
// would otherwise make 7.8 MB of rows a year). BadValue: a token is not an
// integer (the rows before it stay).
inline constexpr std::size_t CoronaMaxDays = 366;
enum class CoronaYearRead { Whole, BadValue, TooManyDays };
CoronaYearRead AppendCoronaYear(std::string_view text, CoronaTable& table);

struct CoronaLoad {
    CoronaTable table;
    int years = 0;                      // files read
    std::optional<std::string> warning; // why the loading stopped early
};

// The corona loader of the start-up: KoronaX\HR1940.csv, HR1941.csv, ...
// while each exists, at most 101 years, at most 200000 bytes of each.
CoronaLoad LoadCorona(const ProgramDir& dir);

} // namespace hk
