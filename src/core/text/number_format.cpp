#include "text/number_format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace hk {

long long RoundHalfEven(double value) {
    return static_cast<long long>(std::nearbyint(value));
}

std::string FormatNumber(double value, std::string_view pattern) {
    // Split the pattern into its integer and decimal digit places; other
    // characters before the first or after the last place are kept literally.
    std::size_t first = pattern.find_first_of("0#.");
    std::size_t last = pattern.find_last_of("0#.");
    if (first == std::string_view::npos) return std::string(pattern);
    std::string_view prefix = pattern.substr(0, first);
    std::string_view suffix = pattern.substr(last + 1);
    std::string_view body = pattern.substr(first, last - first + 1);

    std::size_t dot = body.find('.');
    std::string_view intPart = body.substr(0, dot);
    std::string_view decPart =
        dot == std::string_view::npos ? std::string_view{} : body.substr(dot + 1);
    int minInt = 0;
    for (char c : intPart)
        minInt += c == '0';
    int decimals = 0, minDecimals = 0;
    for (std::size_t i = 0; i < decPart.size(); ++i) {
        if (decPart[i] == '0' || decPart[i] == '#') ++decimals;
        if (decPart[i] == '0') minDecimals = decimals;
    }

    if (decimals == 0 && std::fabs(value) < WholeNumberLimit) {
        std::string out(prefix);
        const std::size_t at = out.size();
        out.resize(at + static_cast<std::size_t>(std::max(minInt, 16)) + 1);
        out.resize(static_cast<std::size_t>(WriteWholeNumber(out.data() + at, value, minInt) -
                                            out.data()));
        out += suffix;
        return out;
    }
    // printf rounds the exact binary value to nearest, ties to even.
    char buf[512];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, std::fabs(value));
    std::string digits(buf);
    std::string ip = digits.substr(0, digits.find('.'));
    std::string dp = decimals > 0 ? digits.substr(digits.find('.') + 1) : std::string{};

    while (static_cast<int>(dp.size()) > minDecimals && !dp.empty() && dp.back() == '0')
        dp.pop_back();
    // Strip leading zeros down to the number of forced integer digits.
    std::size_t strip = 0;
    while (strip < ip.size() && ip[strip] == '0' && static_cast<int>(ip.size() - strip) > minInt)
        ++strip;
    ip.erase(0, strip);
    while (static_cast<int>(ip.size()) < minInt)
        ip.insert(ip.begin(), '0');

    bool nonZero = false;
    for (char c : ip + dp)
        nonZero |= c != '0';
    std::string out(prefix);
    if (value < 0 && nonZero) out += '-';
    out += ip;
    if (!dp.empty()) out += "." + dp;
    out += suffix;
    return out;
}

} // namespace hk
