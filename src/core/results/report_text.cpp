#include "results/report_text.h"

namespace hk {

namespace {
bool isContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}
} // namespace

std::size_t CharCount(std::string_view utf8) {
    std::size_t n = 0;
    for (char c : utf8)
        n += !isContinuation(c);
    return n;
}

std::string CutChars(std::string_view utf8, std::size_t n) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (isContinuation(utf8[i])) continue;
        if (chars == n) return std::string(utf8.substr(0, i));
        ++chars;
    }
    return std::string(utf8);
}

std::string PadLeft(std::string_view utf8, std::size_t width) {
    const std::size_t n = CharCount(utf8);
    std::string out(n < width ? width - n : 0, ' ');
    out += utf8;
    return out;
}

std::string PadRight(std::string_view utf8, std::size_t width) {
    const std::size_t n = CharCount(utf8);
    std::string out(utf8);
    out.append(n < width ? width - n : 0, ' ');
    return out;
}

std::string AsciiUpper(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

} // namespace hk
