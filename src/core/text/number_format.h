#pragma once
// Numbers printed by digit patterns: "0" is a digit always printed, "#" a
// digit printed only when significant, the digits after "." fix the decimals
// ("#" there drops trailing zeros), and a wider value prints all its integer
// digits. Rounding is to nearest, ties to even.
#include <cmath>
#include <string>
#include <string_view>

namespace hk {

std::string FormatNumber(double value, std::string_view pattern);

// Round to nearest, ties to even, as an integer.
long long RoundHalfEven(double value);

// Exports write hundreds of thousands of numbers into one buffer, without a
// string for each: the two functions below write at `out` and return the end.

// The decimal digits of `n` with zeros before them up to `minDigits` (none
// at all for 0 and minDigits 0): what FormatNumber gives for a pattern of
// `minDigits` zeros ("000" for 3) and a whole, non-negative value.
inline char* WriteDigits(char* out, unsigned long long n, int minDigits) {
    int digits = n == 0 && minDigits == 0 ? 0 : 1;
    for (unsigned long long rest = n; rest >= 10; rest /= 10)
        ++digits;
    char* const end = out + (digits > minDigits ? digits : minDigits);
    char* p = end;
    for (int i = 0; i < digits; ++i, n /= 10)
        *--p = static_cast<char>('0' + n % 10);
    while (p > out)
        *--p = '0';
    return end;
}

// Whole numbers smaller than this in magnitude are written by WriteWholeNumber.
inline constexpr double WholeNumberLimit = 1e15;

// What FormatNumber gives for a pattern of `minDigits` zeros and a value of
// magnitude below WholeNumberLimit (NaN is not): needs room for
// max(minDigits, 16) + 1 characters.
inline char* WriteWholeNumber(char* out, double value, int minDigits) {
    // Rounded to nearest, ties to even, like printf in FormatNumber.
    const auto n = static_cast<unsigned long long>(std::nearbyint(std::fabs(value)));
    if (value < 0 && n != 0) *out++ = '-';
    return WriteDigits(out, n, minDigits);
}

} // namespace hk
