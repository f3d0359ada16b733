#include "graphs/graph_series.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include "geometry/calendar.h"
#include "geometry/ephemeris.h"
#include "records/record.h"
#include "results/intersol_counts.h"

namespace hk {

namespace {

constexpr GrafRadaPopis Popisy[PocetGrafRad] = {
    {" Počet skupin", 3, "g", "Graf_g_"},
    {" Počet skvrn", 50, "f", "Graf_f_"},
    {" Relativní číslo", 50, "r", "Graf_r_"},
    {" CV  (McIntoshovo číslo)", 50, "cv", "Graf_CV_"},
    {" SN  (Pettisovo číslo)", 100, "sn", "Graf_SN_"},
    {" RB  (Beckovo číslo)", 1000, "rb", "Graf_RB_"},
    {" Plocha skvrn disk", 1000, "area", "Graf_Plo_"},
    {" Plocha skvrn polokoule", 800, "hemisphere-area", "Graf_Polo_"},
    {" Plocha Fakulí", 10000, "faculae", ""},
    {" Počet skupin ", 2, "position", ""},
    {" Inter SOL", 50, "intersol", ""},
};

int plochaFakuli(const TZaznam& z) {
    const std::string text(z.PlochaFakuli.raw());
    std::size_t a = text.find_first_not_of(' ');
    if (a == std::string::npos) return 0;
    long v = 0;
    const auto [p, ec] = std::from_chars(text.data() + a, text.data() + text.size(), v);
    if (ec != std::errc()) return 0;
    (void)p;
    return static_cast<int>(std::clamp<long>(v, 0, 1L << 30));
}

std::pair<int, int> dvojice(const TSouhrn& h, GrafRada r) {
    switch (r) {
    case GrafRada::g:
        return {h.gSev, h.gJih};
    case GrafRada::f:
        return {h.fSev, h.fJih};
    case GrafRada::R:
        return {h.RSev, h.RJih};
    case GrafRada::CV:
        return {h.CVSev, h.CVJih};
    case GrafRada::SN:
        return {h.SNSev, h.SNJih};
    case GrafRada::RB:
        return {h.RBSev, h.RBJih};
    case GrafRada::Plocha:
        return {h.PlSev, h.PlJih};
    case GrafRada::Polokoule:
        return {h.PkSev, h.PkJih};
    default:
        return {0, 0};
    }
}

} // namespace

const GrafRadaPopis& Popis(GrafRada r) {
    return Popisy[static_cast<int>(r)];
}

const char* TitulekPohledu(RezimGrafu r) {
    switch (r) {
    case RezimGrafu::Vsechny:
        return "Celkový  Sever  Jih   -";
    case RezimGrafu::Celkovy:
        return "Celkový   -";
    case RezimGrafu::Sever:
        return "Sever   -";
    case RezimGrafu::Jih:
        return "Jih   -";
    }
    return "";
}

GrafData BuildGrafData(std::span<const TZaznam> records, const GeometryCache& geometry,
                       GrafRada rada) {
    GrafData g;
    g.rada = rada;
    const std::size_t n = records.size();
    g.dny.resize(n);
    g.A.resize(n);
    g.B.resize(n);
    if (rada == GrafRada::Poloha) g.C.resize(n);
    if (n == 0) return g;
    // The time axis starts on 1 January of the earliest drawing's year, which
    // need not be record 1's: the store puts a drawing of 31.12 at 16:00
    // after one of 01.01 at 01:00.
    std::optional<Date> prvni;
    for (std::size_t k = 0; k < n; ++k)
        if (const auto& d = geometry.record(static_cast<int>(k) + 1).date;
            d && (!prvni || *d < *prvni))
            prvni = d;
    g.prvniRok = prvni ? prvni->year : 0;
    const float zacatek = prvni ? ReducedJulianDay(Date{prvni->year, 1, 1}) : 0.0f;
    int den = 0;
    for (std::size_t k = 0; k < n; ++k) {
        const TZaznam& z = records[k];
        const RecordGeometry& rg = geometry.record(static_cast<int>(k) + 1);
        if (prvni && rg.date)
            den = static_cast<int>(std::trunc(ReducedJulianDay(*rg.date) - zacatek));
        g.dny[k] = den;
        switch (rada) {
        case GrafRada::Fakule:
            g.A[k] = plochaFakuli(z);
            break;
        case GrafRada::InterSol:
            g.A[k] = InterSolCounts(z).Suma;
            break;
        case GrafRada::Poloha: {
            const auto groups = geometry.groups(static_cast<int>(k) + 1);
            for (std::size_t j = 0; j < groups.size(); ++j) {
                if (IsHemisphereMarker(z.Skupiny[j])) continue;
                switch (TridaPolohy(groups[j].CMD)) {
                case 0:
                    ++g.A[k];
                    break;
                case 1:
                    ++g.B[k];
                    break;
                case 2:
                    ++g.C[k];
                    break;
                default:
                    break;
                }
            }
            break;
        }
        default: {
            const auto [sever, jih] = dvojice(z.Souhrn, rada);
            g.A[k] = sever;
            g.B[k] = jih;
        }
        }
    }
    // The polylines join the drawings in calendar order; the drawings of one
    // day keep their store order. A sorted store is left as it is.
    if (!std::is_sorted(g.dny.begin(), g.dny.end())) {
        std::vector<std::size_t> order(n);
        for (std::size_t k = 0; k < n; ++k)
            order[k] = k;
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return g.dny[a] < g.dny[b]; });
        const auto permute = [&](std::vector<int>& v) {
            if (v.empty()) return;
            std::vector<int> sorted(n);
            for (std::size_t k = 0; k < n; ++k)
                sorted[k] = v[order[k]];
            v = std::move(sorted);
        };
        for (std::vector<int>* v : {&g.dny, &g.A, &g.B, &g.C})
            permute(*v);
    }
    return g;
}

GrafRozmer GrafGeometrie(int clientHeight) {
    GrafRozmer r;
    r.H = std::max(0, (clientHeight - 120) / 3);
    r.H -= r.H % 11;
    r.krok = r.H / 11;
    return r;
}

std::vector<MesicniCara> MesicniCary(int prvniRok, int xPosledni, int d) {
    static constexpr int Dny[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::vector<MesicniCara> cary;
    const int konec = static_cast<int>(std::nearbyint(xPosledni / (d * 30.6))) + d;
    int xm = 0;
    for (int m = 0; m <= konec; ++m) {
        const int mesic = m % 12;
        const int rok = prvniRok + m / 12;
        if (mesic == 2 && rok % 4 == 0) xm += d;
        cary.push_back({xm, mesic, rok});
        xm += Dny[mesic] * d;
    }
    return cary;
}

int GrafModel::hodnota(const GrafPanel& p, std::size_t k) const {
    const int jednotky = Popis(data->rada).jednotky;
    auto pixely = [&](long v) { return static_cast<int>(v * rozmer.krok / jednotky); };
    long v = 0;
    switch (p.krivka) {
    case GrafKrivka::Soucet:
        // The heights of the two hemispheres in pixels, each truncated, added.
        return pixely(data->A[k]) + pixely(data->B[k]);
    case GrafKrivka::Sever:
        v = data->A[k];
        break;
    case GrafKrivka::Jih:
        v = data->B[k];
        break;
    case GrafKrivka::Treti:
        v = data->C.empty() ? 0 : data->C[k];
        break;
    }
    return pixely(v);
}

GrafModel BuildGrafModel(const GrafData& data, int clientHeight, RezimGrafu rezim, int d) {
    GrafModel m;
    m.data = &data;
    m.d = d;
    m.rozmer = GrafGeometrie(clientHeight);
    const int H = m.rozmer.H;
    if (data.rada == GrafRada::InterSol) rezim = RezimGrafu::Celkovy;
    m.e = rezim == RezimGrafu::Vsechny ? 5 : -7;
    m.xPosledni = data.posledniDen() * d;
    const GrafKrivka soucet =
        data.rada == GrafRada::Poloha ? GrafKrivka::Treti : GrafKrivka::Soucet;
    switch (rezim) {
    case RezimGrafu::Vsechny:
        m.panely = {{1, H + 25, 1, soucet},
                    {2, 2 * H + 50, 1, GrafKrivka::Sever},
                    {3, 3 * H + 75, 1, GrafKrivka::Jih}};
        break;
    case RezimGrafu::Celkovy:
        m.panely = {{1, 3 * H, 3, soucet}};
        break;
    case RezimGrafu::Sever:
        m.panely = {{2, 3 * H, 3, GrafKrivka::Sever}};
        break;
    case RezimGrafu::Jih:
        m.panely = {{3, 3 * H, 3, GrafKrivka::Jih}};
        break;
    }
    m.mesice = MesicniCary(data.prvniRok, m.xPosledni, d);
    for (int i = 0; i < 10; ++i)
        m.stupnice[static_cast<std::size_t>(i)] = (i + 1) * Popis(data.rada).jednotky;
    m.titulek = std::string("Graf   ") + TitulekPohledu(rezim) + Popis(data.rada).titulek;
    return m;
}

int TridaPolohy(double cmd) {
    if (cmd == 0 || cmd == -30 || cmd == 30) return -1;
    if (cmd > -30 && cmd < 30) return 0;
    return cmd < -30 ? 1 : 2;
}

const char* NazevMesice(int mesic, bool plny) {
    static constexpr const char* Plne[12] = {"Leden",  "Únor",   "Březen",   "Duben",
                                             "Květen", "Červen", "Červenec", "Srpen",
                                             "Září",   "Říjen",  "Listopad", "Prosinec"};
    static constexpr const char* Kratke[12] = {"Led", "Úno", "Bře", "Dub", "Kvě", "Čer",
                                               "Čer", "Srp", "Zář", "Říj", "Lis", "Pro"};
    return (plny ? Plne : Kratke)[((mesic % 12) + 12) % 12];
}

} // namespace hk
