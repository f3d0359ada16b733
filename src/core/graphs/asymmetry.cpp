#include "graphs/asymmetry.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "records/record_prefetch.h"
#include "results/month_sums.h"
#include "results/period_table.h"
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
    // Entry 0 is the month (the year) of the earliest drawing; every record
    // counts in the period of its own date, wherever it stands in the store.
    PeriodTable<HemisphereSums> months; // by month number year * 12 + month - 1
    PeriodTable<HemisphereSums> years;
    std::optional<Date> first;
    for (std::size_t k = 0; k < records.size(); ++k) {
        PrefetchAhead(records, k);
        const TZaznam& z = records[k];
        const std::optional<Date> d = DrawingDate(z);
        if (!d) continue;
        if (!first || *d < *first) first = d;
        if (IsSpecialRecord(z)) continue;
        add(months[d->year * 12 + d->month - 1], z.Souhrn);
        add(years[d->year], z.Souhrn);
    }
    if (!first) return a;
    a.monthly.firstYear = first->year;
    a.monthly.firstMonth = first->month;
    a.yearly.firstYear = first->year;
    // A special drawing may come before the first ordinary one: the tables
    // still start at its period.
    auto fill = [](AsymmetryTable& t, const PeriodTable<HemisphereSums>& periods, int first) {
        if (periods.values().empty()) return;
        t.values.assign(static_cast<std::size_t>(periods.first(first) - first), values({}));
        for (const HemisphereSums& s : periods.values())
            t.values.push_back(values(s));
    };
    fill(a.monthly, months, first->year * 12 + first->month - 1);
    fill(a.yearly, years, first->year);
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
    // From the earliest to the latest drawing, as the tables are built.
    const auto span = DateSpanOf(records);
    if (!span) return grid;
    const Date* first = &span->earliest;
    const Date* last = &span->latest;

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
