#pragma once
// The small side files read at start: Zvetsit.zve (size factor),
// Motfakul.dat (supplementary butterfly data) and pristroj.dat (station and
// instrument lines).
#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hk {

inline constexpr double DefaultEnlargementFactor = 1.2;
inline constexpr std::size_t SupplementaryDataSize = 25000;

// The size factor from the first line of Zvetsit.zve: v / 100 for
// 100 < v < 200, else 1.2. nullopt when the line is not an integer.
std::optional<double> ParseEnlargementFactor(std::string_view fileBytes);

// max(100, Round((screenHeight div 10) * factor)).
int SizePercentage(int screenHeight, double factor);

// The block of Motfakul.dat: the file's first 25000 bytes, a shorter file
// padded with zeros.
std::vector<std::uint8_t> ParseSupplementaryData(std::string_view fileBytes);

// The six lines of pristroj.dat (Windows-1250 in, UTF-8 out); missing lines
// are empty.
std::array<std::string, 6> ParseInstrument(std::string_view fileBytes);
// The lines used when pristroj.dat is missing.
std::array<std::string, 6> DefaultInstrument();

// Splits text at line ends (CR LF, LF or CR); a final line end adds no line.
// At most `maxLines` lines are taken.
std::vector<std::string_view>
SplitLines(std::string_view text, std::size_t maxLines = std::numeric_limits<std::size_t>::max());

// Calls fn(line) for each line of `text`, as SplitLines splits it, until fn
// returns false; nothing is copied.
template <class Fn> void ForEachLine(std::string_view text, Fn&& fn) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        if (!fn(text.substr(start, i - start))) return;
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) fn(text.substr(start));
}

// The largest side files the readers accept: a short text file of a few
// lines (Zvetsit.zve, pristroj.dat, the station data), the observer lines,
// one year of the outside daily series, a whole outside table.
inline constexpr std::size_t SmallTextFileLimit = 64 * 1024;
inline constexpr std::size_t ObserverFileLimit = 1024 * 1024;
inline constexpr std::size_t DailySeriesFileLimit = 1024 * 1024;
inline constexpr std::size_t OutsideTableFileLimit = 16 * 1024 * 1024;

} // namespace hk
