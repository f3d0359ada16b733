#include "graphs/asymmetry.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "results/month_sums.h"
#include "results/period_table.h"
#include "results/record_date.h"
#include "results/record_prefetch.h"
#include "text/number_format.h"

namespace hk {

namespace {

struct Soucty {
    std::array<double, 8> sever{};
    std::array<double, 8> jih{};
    int pocet = 0;
};

void pridej(Soucty& s, const TSouhrn& h) {
    const std::uint16_t sever[8] = {h.gSev,  h.fSev,  h.RSev,  h.CVSev,
                                    h.SNSev, h.RBSev, h.PlSev, h.PkSev};
    const std::uint16_t jih[8] = {h.gJih,  h.fJih,  h.RJih,  h.CVJih,
                                  h.SNJih, h.RBJih, h.PlJih, h.PkJih};
    for (std::size_t i = 0; i < 8; ++i) {
        s.sever[i] += sever[i];
        s.jih[i] += jih[i];
    }
    ++s.pocet;
}

AsymetrieHodnoty hodnoty(const Soucty& s) {
    AsymetrieHodnoty v{};
    if (s.pocet == 0) return v;
    for (std::size_t i = 0; i < 8; ++i) {
        const double n = s.sever[i];
        const double j = s.jih[i];
        if (n == j) {
            v[2 * i] = NulovaAsymetrie;
            v[2 * i + 1] = NulovaAsymetrie;
            continue;
        }
        v[2 * i] = static_cast<float>((n - j + 0.0001) * 100 / (n + j));
        v[2 * i + 1] = static_cast<float>((n - j + 0.0001) / s.pocet);
    }
    v[16] = static_cast<float>(s.pocet);
    return v;
}

std::string doprava(std::string_view text, std::size_t sirka) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    std::string s(text);
    if (s.size() < sirka) s.insert(0, sirka - s.size(), ' ');
    return s;
}

} // namespace

Asymetrie SpocitejAsymetrii(std::span<const TZaznam> records) {
    Asymetrie a;
    // Entry 0 is the month (the year) of the earliest drawing; every record
    // counts in the period of its own date, wherever it stands in the store.
    PeriodTable<Soucty> mesice; // by month number year * 12 + month - 1
    PeriodTable<Soucty> roky;
    std::optional<Date> prvni;
    for (std::size_t k = 0; k < records.size(); ++k) {
        PrefetchAhead(records, k);
        const TZaznam& z = records[k];
        const std::optional<Date> d = DrawingDate(z);
        if (!d) continue;
        if (!prvni || *d < *prvni) prvni = d;
        if (IsSpecialRecord(z)) continue;
        pridej(mesice[d->year * 12 + d->month - 1], z.Souhrn);
        pridej(roky[d->year], z.Souhrn);
    }
    if (!prvni) return a;
    a.AsymetrieMesicni.prvniRok = prvni->year;
    a.AsymetrieMesicni.prvniMesic = prvni->month;
    a.AsymetrieRocni.prvniRok = prvni->year;
    // A special drawing may come before the first ordinary one: the tables
    // still start at its period.
    auto fill = [](AsymetrieTabulka& t, const PeriodTable<Soucty>& periods, int first) {
        if (periods.values().empty()) return;
        t.hodnoty.assign(static_cast<std::size_t>(periods.first(first) - first), hodnoty({}));
        for (const Soucty& s : periods.values())
            t.hodnoty.push_back(hodnoty(s));
    };
    fill(a.AsymetrieMesicni, mesice, prvni->year * 12 + prvni->month - 1);
    fill(a.AsymetrieRocni, roky, prvni->year);
    return a;
}

ResultsGrid BuildAsymmetryGrid(const Asymetrie& a, std::span<const TZaznam> records, bool mesicni) {
    ResultsGrid grid;
    grid.caption = AsymetrieTitulek;
    std::vector<std::string> hlavicka{""};
    for (const char* jmeno : {"g  ", "f  ", "r  ", "Cv ", "SN ", "RB ", "plo", "pol"}) {
        hlavicka.push_back(std::string(jmeno) + "  P");
        hlavicka.push_back(std::string(jmeno) + "  R");
    }
    hlavicka.push_back("p.zákre");
    grid.cells.push_back(std::move(hlavicka));
    // From the earliest to the latest drawing, as the tables are built.
    const auto span = DateSpanOf(records);
    if (!span) return grid;
    const Date* prvni = &span->earliest;
    const Date* posledni = &span->latest;

    const AsymetrieTabulka& t = mesicni ? a.AsymetrieMesicni : a.AsymetrieRocni;
    const int radky = mesicni ? (posledni->year - prvni->year) * 12 + 12 - prvni->month + 1
                              : posledni->year - prvni->year + 1;
    for (int i = 0; i < radky; ++i) {
        std::vector<std::string> radek(18);
        if (mesicni) {
            const int m = prvni->month - 1 + i;
            radek[0] =
                FormatNumber(m % 12 + 1, "   00") + " . " + std::to_string(prvni->year + m / 12);
        } else {
            radek[0] = std::to_string(prvni->year + i);
        }
        if (static_cast<std::size_t>(i) < t.hodnoty.size() &&
            t.hodnoty[static_cast<std::size_t>(i)][16] > 0) {
            const AsymetrieHodnoty& v = t.hodnoty[static_cast<std::size_t>(i)];
            for (std::size_t c = 0; c < 16; ++c)
                radek[c + 1] = std::fabs(v[c]) > 0.001f ? FormatNumber(v[c], "0.0") : "0.0";
            radek[17] = FormatNumber(v[16], "0");
        }
        grid.cells.push_back(std::move(radek));
    }
    return grid;
}

std::string AsymmetryText(const ResultsGrid& grid) {
    std::string text;
    for (std::size_t r = 1; r < grid.cells.size(); ++r) {
        const auto& radek = grid.cells[r];
        for (std::size_t c = 0; c < radek.size() && c < 18; ++c)
            text += doprava(radek[c], c == 0 ? 10 : 7);
        text += "\r\n";
    }
    return text;
}

const char* AsymmetryFileName(bool mesicni) {
    return mesicni ? "Polohy-skupin/asymemes.dat" : "Polohy-skupin/asymerocni.dat";
}

} // namespace hk
