#include "graphs/asymmetry.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "results/month_sums.h"
#include "results/record_date.h"
#include "text/number_format.h"

namespace hk {

namespace {

struct HemisphereSums {
    std::array<double, 8> north{};
    std::array<double, 8> south{};
    int count = 0;
};

void add(HemisphereSums& s, const TSouhrn& h) {
    const std::uint16_t north[8] = {h.gSev,  h.fSev,  h.RSev,  h.CVSev,
                                    h.SNSev, h.RBSev, h.PlSev, h.PkSev};
    const std::uint16_t south[8] = {h.gJih,  h.fJih,  h.RJih,  h.CVJih,
                                    h.SNJih, h.RBJih, h.PlJih, h.PkJih};
    for (std::size_t i = 0; i < 8; ++i) {
        s.north[i] += north[i];
        s.south[i] += south[i];
    }
    ++s.count;
}

AsymmetryValues values(const HemisphereSums& s) {
    AsymmetryValues v{};
    if (s.count == 0) return v;
    for (std::size_t i = 0; i < 8; ++i) {
        const double n = s.north[i];
        const double j = s.south[i];
        if (n == j) {
            v[2 * i] = ZeroAsymmetry;
            v[2 * i + 1] = ZeroAsymmetry;
            continue;
        }
        v[2 * i] = static_cast<float>((n - j + 0.0001) * 100 / (n + j));
        v[2 * i + 1] = static_cast<float>((n - j + 0.0001) / s.count);
    }
    v[16] = static_cast<float>(s.count);
    return v;
}

std::string rightAligned(std::string_view text, std::size_t width) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    std::string s(text);
    if (s.size() < width) s.insert(0, width - s.size(), ' ');
    return s;
}

} // namespace

AsymmetryTables ComputeAsymmetry(std::span<const TZaznam> records) {
    AsymmetryTables a;
    if (records.empty()) return a;
    const std::optional<Date> first = DrawingDate(records.front());
    if (!first) return a;
    std::vector<HemisphereSums> months;
    std::vector<HemisphereSums> years;
    for (const TZaznam& z : records) {
        if (IsSpecialRecord(z)) continue;
        const std::optional<Date> d = DrawingDate(z);
        if (!d) continue;
        const int m = (d->year - first->year) * 12 + d->month - first->month;
        const int r = d->year - first->year;
        if (m < 0) continue;
        if (static_cast<std::size_t>(m) >= months.size())
            months.resize(static_cast<std::size_t>(m) + 1);
        if (static_cast<std::size_t>(r) >= years.size())
            years.resize(static_cast<std::size_t>(r) + 1);
        add(months[static_cast<std::size_t>(m)], z.Souhrn);
        add(years[static_cast<std::size_t>(r)], z.Souhrn);
    }
    a.monthly.firstYear = first->year;
    a.monthly.firstMonth = first->month;
    a.yearly.firstYear = first->year;
    a.monthly.values.reserve(months.size());
    for (const HemisphereSums& s : months)
        a.monthly.values.push_back(values(s));
    for (const HemisphereSums& s : years)
        a.yearly.values.push_back(values(s));
    return a;
}

ResultsGrid BuildAsymmetryGrid(const AsymmetryTables& a, std::span<const TZaznam> records,
                               bool monthly) {
    ResultsGrid grid;
    grid.caption = AsymmetryCaption;
    std::vector<std::string> header{""};
    for (const char* name : {"g  ", "f  ", "r  ", "Cv ", "SN ", "RB ", "plo", "pol"}) {
        header.push_back(std::string(name) + "  P");
        header.push_back(std::string(name) + "  R");
    }
    header.push_back("p.zákre");
    grid.cells.push_back(std::move(header));
    if (records.empty()) return grid;
    const std::optional<Date> first = DrawingDate(records.front());
    std::optional<Date> last;
    for (auto it = records.rbegin(); it != records.rend() && !last; ++it)
        last = DrawingDate(*it);
    if (!first || !last || *last < *first) return grid;

    const AsymmetryTable& t = monthly ? a.monthly : a.yearly;
    const int rows = monthly ? (last->year - first->year) * 12 + 12 - first->month + 1
                             : last->year - first->year + 1;
    for (int i = 0; i < rows; ++i) {
        std::vector<std::string> row(18);
        if (monthly) {
            const int m = first->month - 1 + i;
            row[0] =
                FormatNumber(m % 12 + 1, "   00") + " . " + std::to_string(first->year + m / 12);
        } else {
            row[0] = std::to_string(first->year + i);
        }
        if (static_cast<std::size_t>(i) < t.values.size() &&
            t.values[static_cast<std::size_t>(i)][16] > 0) {
            const AsymmetryValues& v = t.values[static_cast<std::size_t>(i)];
            for (std::size_t c = 0; c < 16; ++c)
                row[c + 1] = std::fabs(v[c]) > 0.001f ? FormatNumber(v[c], "0.0") : "0.0";
            row[17] = FormatNumber(v[16], "0");
        }
        grid.cells.push_back(std::move(row));
    }
    return grid;
}

std::string AsymmetryText(const ResultsGrid& grid) {
    std::string text;
    for (std::size_t r = 1; r < grid.cells.size(); ++r) {
        const auto& row = grid.cells[r];
        for (std::size_t c = 0; c < row.size() && c < 18; ++c)
            text += rightAligned(row[c], c == 0 ? 10 : 7);
        text += "\r\n";
    }
    return text;
}

const char* AsymmetryFileName(bool monthly) {
    return monthly ? "Polohy-skupin/asymemes.dat" : "Polohy-skupin/asymerocni.dat";
}

} // namespace hk
