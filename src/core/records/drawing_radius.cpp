#include "records/drawing_radius.h"

#include <charconv>
#include <cmath>

namespace hk {

namespace {
constexpr double MinRadius = 1;
constexpr double MaxRadius = 999;
} // namespace

std::variant<double, std::string> ParseDrawingRadius(std::string_view text) {
    std::string s(text);
    while (!s.empty() && s.front() == ' ')
        s.erase(s.begin());
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    for (char& c : s)
        if (c == ',') c = '.';
    double r = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), r);
    const bool number = !s.empty() && ec == std::errc{} && end == s.data() + s.size();
    if (!number || !std::isfinite(r) || std::nearbyint(r) < MinRadius ||
        std::nearbyint(r) > MaxRadius)
        return std::string("Poloměr zákresu musí být kladné číslo od 1 do 999 mm");
    return r;
}

} // namespace hk
