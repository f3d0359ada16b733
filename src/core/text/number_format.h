#pragma once
// Numbers printed by digit patterns: "0" is a digit always printed, "#" a
// digit printed only when significant, the digits after "." fix the decimals
// ("#" there drops trailing zeros), and a wider value prints all its integer
// digits. Rounding is to nearest, ties to even.
#include <string>
#include <string_view>

namespace hk {

std::string FormatNumber(double value, std::string_view pattern);

// Round to nearest, ties to even, as an integer.
long long RoundHalfEven(double value);

} // namespace hk
