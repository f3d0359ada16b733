#pragma once
// Conversion between the Windows-1250 bytes of the station files and the
// UTF-8 text used everywhere inside the program.
#include <string>
#include <string_view>

namespace hk {

// Windows-1250 bytes -> UTF-8. Bytes without a character in the code page
// become U+FFFD.
std::string Cp1250ToUtf8(std::string_view cp1250);

// UTF-8 -> Windows-1250 bytes. Characters the code page lacks become '?'.
std::string Utf8ToCp1250(std::string_view utf8);

} // namespace hk
