#include "graphs/smoothed_graph.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <tuple>

#include "geometry/calendar.h"
#include "results/intersol_counts.h"
#include "results/period_table.h"
#include "results/record_date.h"
#include "results/record_prefetch.h"

namespace hk {

namespace {

constexpr VyhlRadaPopis Popisy[PocetVyhlRad] = {
    {3, "Počet skupin", "g", "Vyhl_g", "Asy_g_"},
    {25, "Počet skvrn", "f", "Vyhl_f", "Asy_f_"},
    {40, "Relativní číslo", "r", "Vyhl_r", "Asy_r_"},
    {40, " CV  (McIntoshovo číslo)", "cv", "Vyhl_CV", "Asy_CV_"},
    {60, " SN  (Pettisovo číslo)", "sn", "Vyhl_SN", "Asy_SN_"},
    {250, " RB  (Beckovo číslo)", "rb", "Vyhl_RB", "Asy_RB_"},
    {400, " Plocha  skvrn  disk", "area", "Vyhl_Plo", "Asy_Plo_"},
    {400, " Plocha skvrn  polokoule", "hemisphere-area", "Vyhl_Polo", "Asy_Polo_"},
    {25, "     Inter SOL", "intersol", "", ""},
};

// North and south value of series S (1..8) of a summary.
std::pair<int, int> polokoule(const TSouhrn& h, int S) {
    switch (S) {
    case 1:
        return {h.gSev, h.gJih};
    case 2:
        return {h.fSev, h.fJih};
    case 3:
        return {h.RSev, h.RJih};
    case 4:
        return {h.CVSev, h.CVJih};
    case 5:
        return {h.SNSev, h.SNJih};
    case 6:
        return {h.RBSev, h.RBJih};
    case 7:
        return {h.PlSev, h.PlJih};
    case 8:
        return {h.PkSev, h.PkJih};
    default:
        return {0, 0};
    }
}

int roundInt(double v) {
    return static_cast<int>(std::nearbyint(v));
}

void vyplnit(MesicniKrivka& k, int tPosledni) {
    k.vyplnena.assign(static_cast<std::size_t>(tPosledni) + 1, 0);
    if (k.t.empty()) return;
    k.vyplnena[static_cast<std::size_t>(k.t.front())] = k.hodnota.front();
    for (std::size_t c = 1; c < k.t.size(); ++c) {
        const int a = k.t[c - 1];
        const int b = k.t[c];
        const double v0 = k.hodnota[c - 1];
        const double v1 = k.hodnota[c];
        for (int j = 1; j <= b - a; ++j)
            k.vyplnena[static_cast<std::size_t>(a + j)] = roundInt(v0 + j * (v1 - v0) / (b - a));
    }
}

} // namespace

const VyhlRadaPopis& VyhlPopis(int S) {
    return Popisy[std::clamp(S, 1, PocetVyhlRad) - 1];
}

std::vector<long> Vyhlad13(const std::vector<int>& v, int od, int po) {
    std::vector<long> m(v.size(), 0);
    for (int t = std::max(od, 6); t <= po && t + 6 < static_cast<int>(v.size()); ++t) {
        long s = v[static_cast<std::size_t>(t - 6)] + v[static_cast<std::size_t>(t + 6)];
        for (int i = t - 5; i <= t + 5; ++i)
            s += 2L * v[static_cast<std::size_t>(i)];
        m[static_cast<std::size_t>(t)] = s;
    }
    return m;
}

VyhlazenaData BuildVyhlazenaData(std::span<const TZaznam> records, int S) {
    VyhlazenaData data;
    data.S = S;
    // Month index 1 is January of the year of the earliest drawing; each
    // record counts in the month of its own date, wherever it stands in the
    // store (a drawing of 31.01 at 16:00 stands after one of 01.02 at 01:00).
    struct Mesic {
        long soucet[3] = {0, 0, 0};
        int n = 0;
    };
    PeriodTable<Mesic> mesice; // by month number year * 12 + month - 1
    for (std::size_t k = 0; k < records.size(); ++k) {
        PrefetchAhead(records, k);
        const TZaznam& z = records[k];
        const std::optional<Date> d = DrawingDate(z);
        if (!d) continue;
        Mesic& m = mesice[d->year * 12 + d->month - 1];
        int sever = 0, jih = 0;
        if (S == 9)
            sever = InterSolCounts(z).Suma;
        else
            std::tie(sever, jih) = polokoule(z.Souhrn, S);
        m.soucet[0] += sever + jih;
        m.soucet[1] += sever;
        m.soucet[2] += jih;
        ++m.n;
    }
    if (mesice.values().empty()) return data;
    data.prvniRok = mesice.first(0) / 12;
    const int posun = mesice.first(0) % 12 + 1; // month index of the first entry
    for (std::size_t i = 0; i < mesice.values().size(); ++i) {
        const Mesic& m = mesice.values()[i];
        if (m.n == 0) continue;
        for (std::size_t h = 0; h < 3; ++h) {
            data.krivky[h].t.push_back(static_cast<int>(i) + posun);
            data.krivky[h].hodnota.push_back(static_cast<int>(8 * m.soucet[h] / m.n));
        }
    }
    const MesicniKrivka& celek = data.krivky[0];
    if (celek.t.empty()) return data;
    data.tPrvni = celek.t.front();
    data.tPosledni = celek.t.back();
    for (MesicniKrivka& k : data.krivky) {
        vyplnit(k, data.tPosledni);
        if (k.t.size() < 2) continue;
        // Months before the first drawing hold no value: the running mean
        // starts where its window is all inside the data.
        k.hladkaOd = std::max(6, data.tPrvni + 6);
        k.hladkaDo = data.tPosledni - 6;
        k.hladka = Vyhlad13(k.vyplnena, k.hladkaOd, k.hladkaDo);
    }
    return data;
}

namespace {

// The smoothed curve of monthly means given by month index (0 the first
// month with a value): months without a value between two with one are
// filled linearly, the running mean spans the months from the seventh to
// the seventh before the last; `posun` moves the indices onto the records'
// axis.
BruselKrivka vyhladitMesice(MesicniKrivka mesice, int posun) {
    BruselKrivka b;
    if (mesice.t.empty()) return b;
    const int posledni = mesice.t.back();
    vyplnit(mesice, posledni);
    if (posledni < 12) return b;
    const std::vector<long> m24 = Vyhlad13(mesice.vyplnena, 6, posledni - 6);
    for (int t = 6; t <= posledni - 6; ++t) {
        b.t.push_back(t + posun);
        b.M24.push_back(m24[static_cast<std::size_t>(t)]);
    }
    return b;
}

} // namespace

BruselKrivka BuildBruselKrivka(const DailySeries& sidc, int prvniRok, int ktera) {
    if (sidc.empty()) return {};
    const int od = sidc.firstYear;
    const int po = sidc.years.back();
    // Monthly means over the days that have a value (integer division);
    // a month without any is absent.
    MesicniKrivka mesice;
    int prvni = 0; // month index (od-based, January of od = 1) of the first mean
    for (int y = od; y <= po; ++y)
        for (int m = 1; m <= 12; ++m) {
            long s = 0;
            int n = 0;
            for (int d = 1, dnu = DaysInMonth(y, m); d <= dnu; ++d)
                if (const auto v = sidc.known(Date{y, m, d}, ktera)) {
                    s += *v;
                    ++n;
                }
            if (n == 0) continue;
            const int t = (y - od) * 12 + m;
            if (mesice.t.empty()) prvni = t;
            mesice.t.push_back(t - prvni);
            mesice.hodnota.push_back(static_cast<int>(s / n));
        }
    return vyhladitMesice(std::move(mesice), prvni + (od - prvniRok) * 12);
}

int DatovaneRadky(const OutsideTable& tabulka) {
    return static_cast<int>(tabulka.rows.size());
}

BruselKrivka BuildTabulkovaKrivka(const OutsideTable& tabulka, int sloupec, int prvniRok) {
    BruselKrivka b;
    const std::size_t k = static_cast<std::size_t>(std::clamp(sloupec, 0, 2));
    std::vector<std::pair<int, int>> radky; // month index, value
    radky.reserve(tabulka.rows.size());
    for (const SeriesRow& r : tabulka.rows)
        if (r.values[k] != MissingValue) radky.emplace_back(r.month, r.values[k]);
    if (radky.empty()) return b;
    std::stable_sort(radky.begin(), radky.end(),
                     [](const auto& a, const auto& c) { return a.first < c.first; });
    // Monthly means, then the months between them filled as the records'.
    MesicniKrivka mesice;
    for (std::size_t i = 0; i < radky.size();) {
        std::size_t j = i;
        long soucet = 0;
        for (; j < radky.size() && radky[j].first == radky[i].first; ++j)
            soucet += radky[j].second;
        mesice.t.push_back(radky[i].first - radky.front().first);
        mesice.hodnota.push_back(static_cast<int>(soucet / static_cast<long>(j - i)));
        i = j;
    }
    // Month index 1 is January of the year of record 1.
    return vyhladitMesice(std::move(mesice), radky.front().first - prvniRok * 12 + 1);
}

AsymetrieGraf BuildAsymetrieGraf(std::span<const TZaznam> records, const Asymetrie& tabulky, int S,
                                 DruhAsymetrie druh, ObdobiAsymetrie obdobi) {
    AsymetrieGraf g;
    g.S = std::clamp(S, 1, 8);
    g.druh = druh;
    g.obdobi = obdobi;
    g.jednotka = druh == DruhAsymetrie::Podilova ? 20.0 : std::max(1, VyhlPopis(g.S).U / 2);
    // The axis starts on the day of the earliest drawing, which need not be
    // record 1: a drawing of 31.12 at 16:00 stands after one of 01.01 at 01:00.
    std::optional<Date> prvni;
    Date posledni{};
    for (const TZaznam& z : records) {
        const std::optional<Date> d = DrawingDate(z);
        if (!d) continue;
        if (!prvni || *d < *prvni) prvni = d;
        if (posledni < *d) posledni = *d;
        const auto [n, s] = polokoule(z.Souhrn, g.S);
        int a = n - s;
        if (druh == DruhAsymetrie::Podilova) a = n + s == 0 ? 0 : (n - s) * 100 / (n + s);
        g.body.push_back({DaySerial(*d), a});
    }
    if (!prvni) return g;
    g.prvniRok = prvni->year;
    g.prvniMesic = prvni->month;
    g.prvniDen = prvni->day;
    const int nula = DaySerial(*prvni);
    for (AsymetrieBod& b : g.body)
        b.den -= nula;
    // The points in calendar order; the drawings of one day keep store order.
    const auto earlier = [](const AsymetrieBod& a, const AsymetrieBod& b) { return a.den < b.den; };
    if (!std::is_sorted(g.body.begin(), g.body.end(), earlier))
        std::stable_sort(g.body.begin(), g.body.end(), earlier);
    g.dnu = DaySerial(posledni) - nula;
    const std::size_t sloupec =
        static_cast<std::size_t>(2 * (g.S - 1) + (druh == DruhAsymetrie::Rozdilova ? 1 : 0));
    for (int i = 0;; ++i) {
        const int m = prvni->month - 1 + i;
        const Date zacatek{prvni->year + m / 12, m % 12 + 1, 1};
        if (zacatek > posledni) break;
        const Date dalsi{zacatek.month == 12 ? zacatek.year + 1 : zacatek.year,
                         zacatek.month % 12 + 1, 1};
        AsymetrieSloupec s{DaySerial(zacatek) - nula,
                           DaySerial(dalsi) - nula,
                           0,
                           zacatek.month == 1,
                           zacatek.year,
                           zacatek.month};
        g.mesice.push_back(s);
        const auto& t = tabulky.AsymetrieMesicni.hodnoty;
        if (obdobi == ObdobiAsymetrie::Mesicni && static_cast<std::size_t>(i) < t.size() &&
            t[static_cast<std::size_t>(i)][16] > 0) {
            s.hodnota = t[static_cast<std::size_t>(i)][sloupec];
            g.sloupce.push_back(s);
        }
    }
    if (obdobi == ObdobiAsymetrie::Rocni) {
        const auto& t = tabulky.AsymetrieRocni.hodnoty;
        for (std::size_t i = 0; i < t.size(); ++i) {
            if (t[i][16] <= 0) continue;
            const int rok = prvni->year + static_cast<int>(i);
            g.sloupce.push_back({DaySerial(Date{rok, 1, 1}) - nula,
                                 DaySerial(Date{rok + 1, 1, 1}) - nula, t[i][sloupec], true, rok,
                                 1});
        }
    }
    return g;
}

} // namespace hk
