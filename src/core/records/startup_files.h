#pragma once
// The small side files read at start: Zvetsit.zve (size factor),
// Motfakul.dat (supplementary butterfly data) and pristroj.dat (station and
// instrument lines).
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hk {

inline constexpr double DefaultFaktorZvetseni = 1.2;
inline constexpr std::size_t DoplnkovaDataSize = 25000;

// The size factor from the first line of Zvetsit.zve: v / 100 for
// 100 < v < 200, else 1.2. nullopt when the line is not an integer.
std::optional<double> ParseFaktorZvetseni(std::string_view fileBytes);

// max(100, Round((screenHeight div 10) * factor)).
int SizePercentage(int screenHeight, double factor);

// The block of Motfakul.dat: the file's first 25000 bytes, a shorter file
// padded with zeros.
std::vector<std::uint8_t> ParseDoplnkovaData(std::string_view fileBytes);

// The six lines of pristroj.dat (Windows-1250 in, UTF-8 out); missing lines
// are empty.
std::array<std::string, 6> ParsePristroj(std::string_view fileBytes);
// The lines used when pristroj.dat is missing.
std::array<std::string, 6> DefaultPristroj();

// Splits text at line ends (CR LF, LF or CR); a final line end adds no line.
std::vector<std::string_view> SplitLines(std::string_view text);

} // namespace hk
