#include "records/startup_series.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <system_error>

#include "io/atomic_file.h"
#include "records/program_dir.h"
#include "records/startup_files.h"

namespace hk {

namespace {

// A value is below MissingValue; a negative value is missing.
std::uint16_t toWord(double v) {
    if (v < 0) return MissingValue;
    if (!(v > 0)) return 0;
    if (v >= MissingValue - 1) return MissingValue - 1;
    return static_cast<std::uint16_t>(std::nearbyint(v));
}

constexpr std::array<std::uint16_t, 3> MissingDay = {MissingValue, MissingValue, MissingValue};

// The decimal number in `width` characters at `pos` of a line, spaces around
// it allowed; nullopt when there is none.
std::optional<double> numberAt(std::string_view line, std::size_t pos, std::size_t width) {
    if (pos >= line.size()) return std::nullopt;
    std::string_view s = line.substr(pos, width);
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    if (s.empty()) return std::nullopt;
    double v = 0;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || p != s.data() + s.size()) return std::nullopt;
    return v;
}

int daysBefore(int firstYear, int year) {
    return DaySerial(Date{year, 1, 1}) - DaySerial(Date{firstYear, 1, 1});
}

// Makes room for every day of `year`, keeping the days already placed.
void ensureYear(DailySeries& s, int year) {
    if (s.days.empty() && s.years.empty()) s.firstYear = year;
    if (year < s.firstYear) {
        const int shift = daysBefore(year, s.firstYear);
        s.days.insert(s.days.begin(), static_cast<std::size_t>(shift), MissingDay);
        s.firstYear = year;
    }
    const std::size_t end =
        static_cast<std::size_t>(daysBefore(s.firstYear, year) + (IsLeapYear(year) ? 366 : 365));
    if (s.days.size() < end) s.days.resize(end, MissingDay);
}

// "dssn" + four digits + ".dat", any letter case; the year or nullopt.
std::optional<int> dssnYear(const std::string& name) {
    if (name.size() != 12 || !SameFileName(name.substr(0, 4), "dssn") ||
        !SameFileName(name.substr(8), ".dat"))
        return std::nullopt;
    int year = 0;
    for (std::size_t i = 4; i < 8; ++i) {
        if (name[i] < '0' || name[i] > '9') return std::nullopt;
        year = year * 10 + (name[i] - '0');
    }
    return year;
}

constexpr std::size_t SmallFileLimit = 10000;
constexpr std::size_t ValueWidth = 3;
constexpr std::size_t ValueColumns[3] = {19, 23, 27};

} // namespace

std::optional<std::uint16_t> DailySeries::known(const Date& d, int which) const {
    if (years.empty() || which < 0 || which > 2 || !IsValidDate(d)) return std::nullopt;
    const long index = static_cast<long>(DaySerial(d)) - DaySerial(Date{firstYear, 1, 1});
    if (index < 0 || static_cast<std::size_t>(index) >= days.size()) return std::nullopt;
    const std::uint16_t v = days[static_cast<std::size_t>(index)][static_cast<std::size_t>(which)];
    if (v == MissingValue) return std::nullopt;
    return v;
}

std::uint16_t DailySeries::value(const Date& d, int which) const {
    return known(d, which).value_or(0);
}

std::uint16_t OutsideTable::at(int i) const {
    if (i < 1) return 0;
    const auto row = static_cast<std::size_t>(i - 1) / 3;
    if (row >= rows.size()) return 0;
    const std::uint16_t v = rows[row].values[static_cast<std::size_t>(i - 1) % 3];
    return v == MissingValue ? 0 : v;
}

void ParseDailySeriesFile(std::string_view bytes, int year, DailySeries& into) {
    ensureYear(into, year);
    const int dayCount = IsLeapYear(year) ? 366 : 365;
    const int valuesPerDay = bytes.size() < SmallFileLimit ? 1 : 3;
    const auto lines = SplitLines(bytes, static_cast<std::size_t>(dayCount));
    const std::size_t base = static_cast<std::size_t>(daysBefore(into.firstYear, year));
    for (int d = 0; d < dayCount && static_cast<std::size_t>(d) < lines.size(); ++d) {
        auto& day = into.days[base + static_cast<std::size_t>(d)];
        for (int v = 0; v < valuesPerDay; ++v) {
            const auto value =
                numberAt(lines[static_cast<std::size_t>(d)], ValueColumns[v], ValueWidth);
            if (!value) ++into.unreadableValues;
            day[static_cast<std::size_t>(v)] = value ? toWord(*value) : 0;
        }
    }
    into.years.insert(std::upper_bound(into.years.begin(), into.years.end(), year), year);
}

DailySeries ReadDailySeries(const std::filesystem::path& sidcFolder, int lastYear) {
    DailySeries series;
    std::error_code ec;
    if (!std::filesystem::is_directory(sidcFolder, ec)) return series;
    std::vector<std::pair<int, std::filesystem::path>> files;
    for (std::filesystem::directory_iterator it(sidcFolder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const auto year = dssnYear(it->path().filename().string());
        if (!year || *year > lastYear) continue;
        if (!it->is_regular_file(ec)) {
            series.refused.push_back("Soubor \"" + it->path().string() +
                                     "\" není obyčejný soubor; nepoužije se.");
            continue;
        }
        // Two names differing only in case: the first in name order counts.
        auto same = std::find_if(files.begin(), files.end(),
                                 [&](const auto& f) { return f.first == *year; });
        if (same == files.end())
            files.emplace_back(*year, it->path());
        else if (it->path().filename() < same->second.filename())
            same->second = it->path();
    }
    std::sort(files.begin(), files.end());
    for (const auto& [year, path] : files) {
        try {
            ParseDailySeriesFile(ReadWholeFile(path, DailySeriesFileLimit), year, series);
        } catch (const FileTooLarge& e) {
            series.refused.push_back(e.what());
        }
    }
    return series;
}

namespace {

OutsideTable parseTable(std::string_view bytes, const std::size_t (&columns)[3], std::size_t width,
                        double factor) {
    OutsideTable table;
    ForEachLine(bytes, [&](std::string_view line) {
        if (line.find_first_not_of(" \t") == std::string_view::npos) return true;
        const auto month = SeriesLineMonth(line.substr(0, std::min(columns[0], line.size())));
        if (!month) {
            ++table.undatedLines;
            return true;
        }
        SeriesRow row{*month, {0, 0, 0}};
        for (std::size_t v = 0; v < 3; ++v) {
            const auto value = numberAt(line, columns[v], width);
            if (!value) ++table.unreadableValues;
            row.values[v] = value ? toWord(*value * factor) : 0;
        }
        table.rows.push_back(row);
        return true;
    });
    return table;
}

constexpr std::size_t AreasColumns[3] = {8, 15, 22};
constexpr std::size_t FluxColumns[3] = {15, 25, 36};

} // namespace

OutsideTable ParseAreasTable(std::string_view bytes) {
    return parseTable(bytes, AreasColumns, 7, 1);
}

OutsideTable ParseFluxTable(std::string_view bytes) {
    return parseTable(bytes, FluxColumns, 6, 10);
}

std::optional<int> SeriesLineMonth(std::string_view label) {
    std::size_t i = label.find_first_not_of(' ');
    if (i == std::string_view::npos) return std::nullopt;
    auto number = [&](std::size_t maxDigits) -> std::optional<int> {
        int v = 0;
        std::size_t n = 0;
        while (i < label.size() && n < maxDigits && label[i] >= '0' && label[i] <= '9') {
            v = v * 10 + (label[i] - '0');
            ++i;
            ++n;
        }
        if (n == 0 || (i < label.size() && label[i] >= '0' && label[i] <= '9')) return std::nullopt;
        return v;
    };
    const std::optional<int> year = number(4);
    if (!year || *year < 1000) return std::nullopt;
    while (i < label.size() && (label[i] == ' ' || label[i] == '.' || label[i] == '-' ||
                                label[i] == '/' || label[i] == ';' || label[i] == ','))
        ++i;
    const std::optional<int> month = number(2);
    if (!month || *month < 1 || *month > 12) return std::nullopt;
    return *year * 12 + *month - 1;
}

} // namespace hk
