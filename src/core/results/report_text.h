#pragma once
// Small pieces of the report texts. Texts are UTF-8 inside the program and
// Windows-1250 in the files, one byte per character; widths and cuts are
// therefore counted in characters, not in UTF-8 bytes.
#include <string>
#include <string_view>

namespace hk {

inline constexpr std::string_view CrLf = "\r\n";

std::size_t CharCount(std::string_view utf8);
// The first n characters.
std::string CutChars(std::string_view utf8, std::size_t n);
// Right-aligned in `width` characters (a wider text is kept whole).
std::string PadLeft(std::string_view utf8, std::size_t width);
// Left-aligned in `width` characters (a wider text is kept whole).
std::string PadRight(std::string_view utf8, std::size_t width);
// ASCII letters in capitals, other characters as they are.
std::string AsciiUpper(std::string_view s);

} // namespace hk
