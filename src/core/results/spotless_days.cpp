#include "results/spotless_days.h"

#include <algorithm>
#include <array>

namespace hk {

namespace {

constexpr std::array<std::string_view, 12> MonthsFolder = {
    "Leden",    "Únor",  "Březen", "Duben", "Květen",   "Červen",
    "Červenec", "Srpen", "Září",   "Říjen", "Listopad", "Prosinec"};

} // namespace

std::vector<std::string> SpotlessDaysOf(std::span<const TZaznam> records) {
    std::vector<std::string> spotlessDates;
    for (const TZaznam& z : records)
        if (z.Souhrn.RSev == 0 && z.Souhrn.RJih == 0) spotlessDates.push_back(z.Datum.text());
    return spotlessDates;
}

int LatestSpotlessYear(const std::vector<std::string>& spotlessDates,
                       std::span<const TZaznam> records) {
    int year = 0;
    for (const std::string& d : spotlessDates)
        if (const auto date = ParseDatum(d)) year = std::max(year, date->year);
    if (year == 0)
        for (const TZaznam& z : records)
            if (const auto date = ParseDatum(z.Datum.text())) year = std::max(year, date->year);
    return year >= SpotlessYearFrom && year <= SpotlessYearTo ? year : SpotlessYearStart;
}

std::vector<Date> SpotlessDaysOfYear(const std::vector<std::string>& spotlessDates, int year) {
    std::vector<Date> days;
    for (const std::string& d : spotlessDates)
        if (const auto date = ParseDatum(d); date && date->year == year) days.push_back(*date);
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());
    return days;
}

SpotlessCalendar BuildSpotlessCalendar(const std::vector<std::string>& spotlessDates, int year,
                                       int width, int height, int percent) {
    const auto S = [percent](int v) { return v * percent / 100; };
    SpotlessCalendar c;
    c.width = width;
    c.height = height;
    c.fontHeight = S(11);
    const int w = width / 15;
    for (int m = 1; m <= 14; ++m) {
        if (m <= 12)
            // A month's name keeps to its column ("Červenec" must not run
            // into "Srpen" at small sizes).
            c.texts.push_back(
                {S(20) + w * (m + 1), S(60), std::string(MonthsFolder[m - 1]), w - S(20) - 2});
        c.lines.push_back({m * w, S(60), m * w, S(60) + 32 * (S(480) / 32)});
    }
    for (int d = 1; d <= 33; ++d) {
        if (d <= 31) c.texts.push_back({2 * w - S(20), S(15) * d + S(60), std::to_string(d)});
        c.lines.push_back({w, S(15) * d + S(45), 14 * w, S(15) * d + S(45)});
    }
    // Every spotless drawing of the year draws its cell; a day is drawn
    // once, as a second drawing would only paint the same cell again.
    for (const Date& d : SpotlessDaysOfYear(spotlessDates, year))
        c.red.push_back({w * (d.month + 1) + 1, S(15) * d.day + S(61), w * (d.month + 2) - 1,
                         S(15) * d.day + S(74)});
    return c;
}

} // namespace hk
