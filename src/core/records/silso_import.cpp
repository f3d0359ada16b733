#include "records/silso_import.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <stdexcept>

#include "geometry/calendar.h"
#include "io/atomic_file.h"
#include "io/file_set.h"

namespace hk {

namespace {

// The first seven fields of a line (year, month, day, decimal date, total,
// north, south): the rest is not read, so a line of a million separators
// costs no more than a real one.
constexpr std::size_t UsedFields = 7;

std::vector<std::string_view> pole(std::string_view row) {
    std::vector<std::string_view> p;
    const bool semicolon = row.find(';') != std::string_view::npos;
    std::size_t i = 0;
    while (i <= row.size() && p.size() < UsedFields) {
        if (semicolon) {
            const std::size_t j = std::min(row.find(';', i), row.size());
            std::string_view s = row.substr(i, j - i);
            while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
                s.remove_prefix(1);
            while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
                s.remove_suffix(1);
            p.push_back(s);
            i = j + 1;
        } else {
            while (i < row.size() && (row[i] == ' ' || row[i] == '\t'))
                ++i;
            if (i >= row.size()) break;
            std::size_t j = i;
            while (j < row.size() && row[j] != ' ' && row[j] != '\t')
                ++j;
            p.push_back(row.substr(i, j - i));
            i = j;
        }
    }
    return p;
}

std::optional<double> number(std::string_view s) {
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    double v = 0;
    const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || p != s.data() + s.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<int> integer(std::string_view s) {
    int v = 0;
    const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || p != s.data() + s.size()) return std::nullopt;
    return v;
}

constexpr int MissingValue = -1;
constexpr int MaxReportedErrors = 100;
constexpr int HighestValue = 999; // three characters in the file

std::string dayLine(const Date& d, const std::array<int, 3>& v) {
    const int den = DaySerial(d) - DaySerial(Date{d.year, 1, 1});
    const double fraction = (den + 0.5) / (IsLeapYear(d.year) ? 366.0 : 365.0);
    char b[64];
    std::snprintf(b, sizeof b, "%04d %02d %02d %8.3f%3d %3d %3d\r\n", d.year, d.month, d.day,
                  d.year + fraction, v[0], v[1], v[2]);
    return b;
}

} // namespace

SilsoImport ParseSilsoDaily(std::string_view bytes, int lastYear) {
    SilsoImport r;
    // A file saved by an editor that marks UTF-8 starts with a byte-order mark.
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    std::map<int, std::array<int, 3>> days; // day serial -> values
    int lineNumber = 0;
    std::size_t i = 0;
    while (i < bytes.size()) {
        std::size_t j = bytes.find('\n', i);
        if (j == std::string_view::npos) j = bytes.size();
        std::string_view row = bytes.substr(i, j - i);
        i = j + 1;
        ++lineNumber;
        if (!row.empty() && row.back() == '\r') row.remove_suffix(1);
        if (row.find_first_not_of(" \t") == std::string_view::npos) continue;
        if (row.front() == '#' || row.front() == '*') continue; // comment of the text version
        auto error = [&](const std::string& text) {
            // A file of nothing but bad lines must not make a message per line.
            if (++r.badLineCount <= MaxReportedErrors)
                r.errors.push_back("Řádek " + std::to_string(lineNumber) + ": " + text);
        };
        const auto p = pole(row);
        if (p.size() < 7) {
            error("čekám rok, měsíc, den, desetinné datum, celkové, severní a jižní číslo");
            continue;
        }
        const auto year = integer(p[0]), month = integer(p[1]), den = integer(p[2]);
        if (!year || !month || !den || !IsValidDate(Date{*year, *month, *den})) {
            error("neplatné datum");
            continue;
        }
        if (*year < SilsoFirstYear || *year > lastYear) {
            error("rok " + std::to_string(*year) + " není mezi " + std::to_string(SilsoFirstYear) +
                  " a " + std::to_string(lastYear));
            continue;
        }
        std::array<int, 3> v{};
        bool good = static_cast<bool>(number(p[3]));
        for (std::size_t k = 0; k < 3 && good; ++k) {
            const auto h = number(p[4 + k]);
            if (!h || (*h < 0 && *h != MissingValue)) {
                good = false;
                break;
            }
            v[k] = *h < 0 ? MissingValue
                          : static_cast<int>(std::min<double>(std::nearbyint(*h), HighestValue));
        }
        if (!good) {
            error("neplatné číslo");
            continue;
        }
        const Date d{*year, *month, *den};
        if (!days.emplace(DaySerial(d), v).second)
            error("den " + FormatDatum(d) + " je v souboru podruhé");
    }
    if (days.empty() && r.errors.empty()) {
        r.errors.push_back("Soubor neobsahuje žádný den");
        r.badLineCount = 1;
    }
    if (!r.errors.empty()) return r;
    r.days = static_cast<int>(days.size());
    // Only the years that hold a day: two lines of the years 1000 and 9999
    // make two files, not a walk over every day between them.
    for (auto den = days.begin(); den != days.end();) {
        const int year = DateFromSerial(den->first).year;
        const int end = DaySerial(Date{year + 1, 1, 1});
        std::string text;
        for (int s = DaySerial(Date{year, 1, 1}); s < end; ++s) {
            const auto it = days.find(s);
            text += dayLine(DateFromSerial(s),
                            it != days.end() ? it->second : std::array<int, 3>{-1, -1, -1});
        }
        r.files.emplace(year, std::move(text));
        den = days.lower_bound(end);
    }
    return r;
}

std::vector<std::filesystem::path> WriteSilsoDaily(const ProgramDir& dir,
                                                   const SilsoImport& import) {
    if (!import.errors.empty()) {
        std::string message = "Soubor nelze načíst, nic nebylo zapsáno:";
        for (std::size_t i = 0; i < import.errors.size() && i < 10; ++i)
            message += "\n" + import.errors[i];
        const int further =
            std::max<int>(import.badLineCount, static_cast<int>(import.errors.size())) - 10;
        if (further > 0) message += "\n... a dalších " + std::to_string(further);
        throw std::runtime_error(message);
    }
    // Every year or none: the files are written first and replaced together.
    FileSetWriter set(dir.ensureFolder("SIDC"));
    for (const auto& [year, text] : import.files) {
        // An existing file of another letter case is replaced, not doubled.
        const std::filesystem::path target =
            dir.resolve("SIDC/dssn" + std::to_string(year) + ".dat");
        set.add(target.filename().string(), text);
    }
    return set.commit();
}

} // namespace hk
