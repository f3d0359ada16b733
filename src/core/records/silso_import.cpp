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
constexpr std::size_t PouzitaPole = 7;

std::vector<std::string_view> pole(std::string_view radek) {
    std::vector<std::string_view> p;
    const bool strednik = radek.find(';') != std::string_view::npos;
    std::size_t i = 0;
    while (i <= radek.size() && p.size() < PouzitaPole) {
        if (strednik) {
            const std::size_t j = std::min(radek.find(';', i), radek.size());
            std::string_view s = radek.substr(i, j - i);
            while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
                s.remove_prefix(1);
            while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
                s.remove_suffix(1);
            p.push_back(s);
            i = j + 1;
        } else {
            while (i < radek.size() && (radek[i] == ' ' || radek[i] == '\t'))
                ++i;
            if (i >= radek.size()) break;
            std::size_t j = i;
            while (j < radek.size() && radek[j] != ' ' && radek[j] != '\t')
                ++j;
            p.push_back(radek.substr(i, j - i));
            i = j;
        }
    }
    return p;
}

std::optional<double> cislo(std::string_view s) {
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    double v = 0;
    const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || p != s.data() + s.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<int> cele(std::string_view s) {
    int v = 0;
    const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || p != s.data() + s.size()) return std::nullopt;
    return v;
}

constexpr int ChybejiciHodnota = -1;
constexpr int MaxHlasenychChyb = 100;
constexpr int NejvyssiHodnota = 999; // three characters in the file

std::string radekDne(const Date& d, const std::array<int, 3>& v) {
    const int den = DaySerial(d) - DaySerial(Date{d.year, 1, 1});
    const double zlomek = (den + 0.5) / (IsLeapYear(d.year) ? 366.0 : 365.0);
    char b[64];
    std::snprintf(b, sizeof b, "%04d %02d %02d %8.3f%3d %3d %3d\r\n", d.year, d.month, d.day,
                  d.year + zlomek, v[0], v[1], v[2]);
    return b;
}

} // namespace

SilsoImport ParseSilsoDaily(std::string_view bytes, int lastYear) {
    SilsoImport r;
    // A file saved by an editor that marks UTF-8 starts with a byte-order mark.
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    std::map<int, std::array<int, 3>> dny; // day serial -> values
    int cisloRadku = 0;
    std::size_t i = 0;
    while (i < bytes.size()) {
        std::size_t j = bytes.find('\n', i);
        if (j == std::string_view::npos) j = bytes.size();
        std::string_view radek = bytes.substr(i, j - i);
        i = j + 1;
        ++cisloRadku;
        if (!radek.empty() && radek.back() == '\r') radek.remove_suffix(1);
        if (radek.find_first_not_of(" \t") == std::string_view::npos) continue;
        if (radek.front() == '#' || radek.front() == '*') continue; // comment of the text version
        auto chyba = [&](const std::string& text) {
            // A file of nothing but bad lines must not make a message per line.
            if (++r.chybnychRadku <= MaxHlasenychChyb)
                r.chyby.push_back("Řádek " + std::to_string(cisloRadku) + ": " + text);
        };
        const auto p = pole(radek);
        if (p.size() < 7) {
            chyba("čekám rok, měsíc, den, desetinné datum, celkové, severní a jižní číslo");
            continue;
        }
        const auto rok = cele(p[0]), mesic = cele(p[1]), den = cele(p[2]);
        if (!rok || !mesic || !den || !IsValidDate(Date{*rok, *mesic, *den})) {
            chyba("neplatné datum");
            continue;
        }
        if (*rok < SilsoFirstYear || *rok > lastYear) {
            chyba("rok " + std::to_string(*rok) + " není mezi " + std::to_string(SilsoFirstYear) +
                  " a " + std::to_string(lastYear));
            continue;
        }
        std::array<int, 3> v{};
        bool dobre = static_cast<bool>(cislo(p[3]));
        for (std::size_t k = 0; k < 3 && dobre; ++k) {
            const auto h = cislo(p[4 + k]);
            if (!h || (*h < 0 && *h != ChybejiciHodnota)) {
                dobre = false;
                break;
            }
            v[k] = *h < 0 ? ChybejiciHodnota
                          : static_cast<int>(std::min<double>(std::nearbyint(*h), NejvyssiHodnota));
        }
        if (!dobre) {
            chyba("neplatné číslo");
            continue;
        }
        const Date d{*rok, *mesic, *den};
        if (!dny.emplace(DaySerial(d), v).second)
            chyba("den " + FormatDatum(d) + " je v souboru podruhé");
    }
    if (dny.empty() && r.chyby.empty()) {
        r.chyby.push_back("Soubor neobsahuje žádný den");
        r.chybnychRadku = 1;
    }
    if (!r.chyby.empty()) return r;
    r.dnu = static_cast<int>(dny.size());
    // Only the years that hold a day: two lines of the years 1000 and 9999
    // make two files, not a walk over every day between them.
    for (auto den = dny.begin(); den != dny.end();) {
        const int rok = DateFromSerial(den->first).year;
        const int konec = DaySerial(Date{rok + 1, 1, 1});
        std::string text;
        for (int s = DaySerial(Date{rok, 1, 1}); s < konec; ++s) {
            const auto it = dny.find(s);
            text += radekDne(DateFromSerial(s),
                             it != dny.end() ? it->second : std::array<int, 3>{-1, -1, -1});
        }
        r.soubory.emplace(rok, std::move(text));
        den = dny.lower_bound(konec);
    }
    return r;
}

std::vector<std::filesystem::path> WriteSilsoDaily(const ProgramDir& dir,
                                                   const SilsoImport& import) {
    if (!import.chyby.empty()) {
        std::string zprava = "Soubor nelze načíst, nic nebylo zapsáno:";
        for (std::size_t i = 0; i < import.chyby.size() && i < 10; ++i)
            zprava += "\n" + import.chyby[i];
        const int dalsich =
            std::max<int>(import.chybnychRadku, static_cast<int>(import.chyby.size())) - 10;
        if (dalsich > 0) zprava += "\n... a dalších " + std::to_string(dalsich);
        throw std::runtime_error(zprava);
    }
    // Every year or none: the files are written first and replaced together.
    FileSetWriter set(dir.ensureFolder("SIDC"));
    for (const auto& [rok, text] : import.soubory) {
        // An existing file of another letter case is replaced, not doubled.
        const std::filesystem::path cil = dir.resolve("SIDC/dssn" + std::to_string(rok) + ".dat");
        set.add(cil.filename().string(), text);
    }
    return set.commit();
}

} // namespace hk
