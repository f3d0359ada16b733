#include "entry/entry_text.h"

#include <cctype>
#include <charconv>

#include "records/record.h"

namespace hk {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the number at the start of s: [sign] digits [point digits], or
// [sign] point digits. 0 when s does not start with one.
std::size_t numberLength(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t intDigits = 0;
    while (i < s.size() && isDigit(s[i]))
        ++i, ++intDigits;
    std::size_t fracDigits = 0;
    if (i < s.size() && (s[i] == '.' || s[i] == ',')) {
        std::size_t j = i + 1;
        while (j < s.size() && isDigit(s[j]))
            ++j, ++fracDigits;
        if (fracDigits > 0 || intDigits > 0) i = j;
    }
    return intDigits + fracDigits == 0 ? 0 : i;
}

double toDouble(std::string_view number) {
    std::string text(number);
    if (!text.empty() && text.front() == '+') text.erase(0, 1);
    for (char& c : text)
        if (c == ',') c = '.';
    double v = 0;
    std::from_chars(text.data(), text.data() + text.size(), v);
    return v;
}

} // namespace

std::string_view TrimSpaces(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

std::optional<long long> ParseIntegerText(std::string_view s) {
    s = TrimSpaces(s);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty() || s.size() > 15) return std::nullopt;
    long long v = 0;
    for (char c : s) {
        if (!isDigit(c)) return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return negative ? -v : v;
}

std::optional<double> ParseDecimalText(std::string_view s) {
    s = TrimSpaces(s);
    if (s.size() > 30) return std::nullopt;
    const std::size_t n = numberLength(s);
    if (n == 0 || n != s.size()) return std::nullopt;
    return toDouble(s);
}

double LeadingNumber(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    const std::size_t n = numberLength(s.substr(0, std::min<std::size_t>(s.size(), 30)));
    return n == 0 ? 0 : toDouble(s.substr(0, n));
}

std::optional<std::string> NormaliseGroupClass(std::string_view typed) {
    typed = TrimSpaces(typed);
    if (typed == "***") return std::string("***");
    if (typed.size() != 3) return std::nullopt;
    for (std::string_view cls : GroupClasses) {
        bool same = true;
        for (std::size_t i = 0; i < 3 && same; ++i)
            same = std::tolower(static_cast<unsigned char>(typed[i])) ==
                   std::tolower(static_cast<unsigned char>(cls[i]));
        if (same) return std::string(cls);
    }
    return std::nullopt;
}

std::string CommaToPoint(std::string_view s) {
    std::string out(s);
    if (auto p = out.find(','); p != std::string::npos) out[p] = '.';
    return out;
}

} // namespace hk
