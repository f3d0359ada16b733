#pragma once
// Reading the numbers the observer types into the entry window.
#include <optional>
#include <string>
#include <string_view>

namespace hk {

std::string_view TrimSpaces(std::string_view s);

// A whole number with an optional sign, spaces around it allowed; nullopt
// for anything else (an empty text included).
std::optional<long long> ParseIntegerText(std::string_view s);

// A decimal number with "." or "," as the decimal point, an optional sign,
// spaces around it allowed; nullopt for anything else (an empty text
// included).
std::optional<double> ParseDecimalText(std::string_view s);

// The number a text starts with (after spaces; "." or "," as the decimal
// point); 0 when it does not start with a number.
double LeadingNumber(std::string_view s);

// A group class as typed, compared without regard to case with the 60
// McIntosh classes: the class as the table writes it, "***" for "***", or
// nullopt when it is no class.
std::optional<std::string> NormaliseGroupClass(std::string_view typed);

// The text with its first "," replaced by ".".
std::string CommaToPoint(std::string_view s);

} // namespace hk
