// Asymmetry tables, the daily graphs' series and the smoothed graphs.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "core/results_fixtures.h"
#include "graphs/asymmetry.h"
#include "graphs/graph_series.h"
#include "graphs/smoothed_graph.h"

namespace hk {
namespace {

using results_test::Souhrn;
using results_test::Zvlastni;

// g north / south only; the other quantities follow g times 10.
TZaznam G(const char* datum, int sever, int jih) {
    return Souhrn(datum, 900, {sever, sever * 10, sever * 11, 0, 0, 0, 0, 0},
                  {jih, jih * 10, jih * 11, 0, 0, 0, 0, 0});
}

std::vector<TZaznam> asymetrieData() {
    std::vector<TZaznam> r = {// January 2020: 3 drawings, N = 6, S = 2 groups.
                              G("03.01.2020", 2, 0), G("10.01.2020", 2, 1), G("20.01.2020", 2, 1),
                              // February: equal hemispheres, and a special drawing left out.
                              G("05.02.2020", 3, 3), G("06.02.2020", 9, 0),
                              // March: special drawings only.
                              G("07.03.2020", 5, 0),
                              // The last month of the data.
                              G("15.04.2021", 1, 3)};
    Zvlastni(r[4]);
    Zvlastni(r[5]);
    return r;
}

TEST(Asymetrie, TablesAndView) {
    const auto records = asymetrieData();
    const Asymetrie a = SpocitejAsymetrii(records);
    ASSERT_EQ(a.AsymetrieMesicni.hodnoty.size(), 16u); // 01.2020 .. 04.2021
    ASSERT_EQ(a.AsymetrieRocni.hodnoty.size(), 2u);
    const auto& leden = a.AsymetrieMesicni.hodnoty[0];
    EXPECT_FLOAT_EQ(leden[0], static_cast<float>(4.0001 * 100 / 8));
    EXPECT_FLOAT_EQ(leden[1], static_cast<float>(4.0001 / 3));
    EXPECT_EQ(leden[16], 3.0f);
    const auto& unor = a.AsymetrieMesicni.hodnoty[1];
    EXPECT_EQ(unor[0], NulovaAsymetrie);
    EXPECT_EQ(unor[1], NulovaAsymetrie);
    EXPECT_EQ(unor[16], 1.0f);
    EXPECT_EQ(a.AsymetrieMesicni.hodnoty[2][16], 0.0f); // specials only

    const ResultsGrid m = BuildAsymmetryGrid(a, records, true);
    ASSERT_EQ(m.rowCount(), 1u + 24u); // to December of the last record's year
    EXPECT_EQ(m.cells[0][1], "g    P");
    EXPECT_EQ(m.cells[0][17], "p.zákre");
    struct Row {
        const char* name;
        std::size_t row;
        std::vector<std::string> cells; // label, g P, g R, count
    };
    const Row rows[] = {
        {"example", 1, {"   01 . 2020", "50.0", "1.3", "3"}},
        {"equal hemispheres", 2, {"   02 . 2020", "0.0", "0.0", "1"}},
        {"special drawings only", 3, {"   03 . 2020", "", "", ""}},
        {"last month filled", 16, {"   04 . 2021", "-50.0", "-2.0", "1"}},
        {"after the last record", 24, {"   12 . 2021", "", "", ""}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const auto& c = m.cells[r.row];
        EXPECT_EQ(c[0], r.cells[0]);
        EXPECT_EQ(c[1], r.cells[1]);
        EXPECT_EQ(c[2], r.cells[2]);
        EXPECT_EQ(c[17], r.cells[3]);
    }
    const ResultsGrid y = BuildAsymmetryGrid(a, records, false);
    ASSERT_EQ(y.rowCount(), 3u);
    EXPECT_EQ(y.cells[2][0], "2021");
    EXPECT_EQ(y.cells[2][17], "1"); // the last year filled
    EXPECT_EQ(y.cells[1][17], "4");

    const std::string text = AsymmetryText(y);
    EXPECT_EQ(text.substr(0, 10 + 7), "      2020   28.6"); // N = 9, S = 5
    EXPECT_EQ(text.find("\r\n"), 10u + 17u * 7u);
}

TEST(GrafyDennich, MonthLinesShiftFromMarchInLeapYears) {
    const auto cary = MesicniCary(2020, 800, 1);
    ASSERT_GE(cary.size(), 15u);
    EXPECT_EQ(cary[1].x, 31);          // February 2020
    EXPECT_EQ(cary[2].x, 31 + 28 + 1); // March 2020 after the leap day
    EXPECT_EQ(cary[12].x, 366);        // January 2021
    EXPECT_EQ(cary[14].x, 366 + 59);   // March 2021, no shift
    const auto dvojnasobne = MesicniCary(2020, 800, 2);
    EXPECT_EQ(dvojnasobne[2].x, 2 * 60);
}

TEST(GrafyDennich, PositionClassesLeaveTheBoundariesOut) {
    struct Row {
        double cmd;
        int trida;
    } rows[] = {{0, -1},   {-30, -1},  {30, -1}, {0.1, 0},  {-29.9, 0},
                {29.9, 0}, {-30.1, 1}, {-80, 1}, {30.1, 2}, {85, 2}};
    for (const Row& r : rows)
        EXPECT_EQ(TridaPolohy(r.cmd), r.trida) << r.cmd;
}

TEST(GrafyDennich, SeriesAndPanelGeometry) {
    std::vector<TZaznam> r = {G("31.12.2020", 2, 1), G("01.01.2021", 4, 0)};
    r[1].PlochaFakuli.setRaw("1234");
    const GeometryCache cache = GeometryCache::of(r);
    const GrafData g = BuildGrafData(r, cache, GrafRada::g);
    EXPECT_EQ(g.dny, (std::vector<int>{365, 366}));
    EXPECT_EQ(g.A, (std::vector<int>{2, 4}));
    EXPECT_EQ(g.B, (std::vector<int>{1, 0}));
    EXPECT_EQ(BuildGrafData(r, cache, GrafRada::Fakule).A, (std::vector<int>{0, 1234}));

    const GrafRozmer rozmer = GrafGeometrie(800); // (800 - 120) / 3 = 226 -> 220
    EXPECT_EQ(rozmer.H, 220);
    EXPECT_EQ(rozmer.krok, 20);
    const GrafModel m = BuildGrafModel(g, 800, RezimGrafu::Vsechny, 2);
    ASSERT_EQ(m.panely.size(), 3u);
    EXPECT_EQ(m.panely[2].zaklad, 3 * 220 + 75);
    EXPECT_EQ(m.hodnota(m.panely[0], 0), 2 * 20 / 3 + 1 * 20 / 3); // each hemisphere truncated
    EXPECT_EQ(m.titulek, "Graf   Celkový  Sever  Jih   - Počet skupin");
    // Inter SOL is drawn for the whole disk only.
    const GrafData sol = BuildGrafData(r, cache, GrafRada::InterSol);
    EXPECT_EQ(BuildGrafModel(sol, 800, RezimGrafu::Sever, 2).panely.size(), 1u);
}

// One drawing a month with `g` north groups per month index.
std::vector<TZaznam> mesicne(int od, const std::vector<int>& g) {
    std::vector<TZaznam> r;
    static std::vector<std::string> data;
    data.clear();
    for (std::size_t i = 0; i < g.size(); ++i) {
        if (g[i] < 0) continue; // a month without drawings
        const int m = od - 1 + static_cast<int>(i);
        data.push_back("15." + std::string(m % 12 + 1 < 10 ? "0" : "") +
                       std::to_string(m % 12 + 1) + "." + std::to_string(2010 + m / 12));
    }
    std::size_t k = 0;
    for (std::size_t i = 0; i < g.size(); ++i)
        if (g[i] >= 0) r.push_back(G(data[k++].c_str(), g[i], 0));
    return r;
}

TEST(Vyhlazene, GapsFilledAndSmoothingNeedsThirteenMonths) {
    // March 2010 on; April and May without drawings.
    const auto data = BuildVyhlazenaData(mesicne(3, {2, -1, -1, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5}), 1);
    const MesicniKrivka& sever = data.krivky[1];
    EXPECT_EQ(data.tPrvni, 3);
    EXPECT_EQ(data.tPosledni, 15);
    EXPECT_EQ(sever.vyplnena[4], 24); // Round(16 + 1 x (40 - 16) / 3)
    EXPECT_EQ(sever.vyplnena[5], 32);
    EXPECT_EQ(sever.hodnota.front(), 16); // mean x 8
    // Thirteen months: exactly one smoothed value, in the middle.
    EXPECT_EQ(sever.hladkaOd, 9);
    EXPECT_EQ(sever.hladkaDo, 9);
    long ocekavano = 16 + 40;
    for (int t = 4; t <= 14; ++t)
        ocekavano += 2L * sever.vyplnena[static_cast<std::size_t>(t)];
    EXPECT_EQ(sever.hladka[9], ocekavano);

    const auto kratka = BuildVyhlazenaData(mesicne(3, std::vector<int>(12, 4)), 1);
    EXPECT_GT(kratka.krivky[0].hladkaOd, kratka.krivky[0].hladkaDo);
}

TEST(Vyhlazene, BrusselsMonthlyMeansOnTheRecordsAxis) {
    DailySeries s;
    s.firstYear = 2009;
    s.years = {2009, 2010};
    s.days.assign(365 + 365, {10, 4, 6});
    const BruselKrivka b = BuildBruselKrivka(s, 2010, 0);
    ASSERT_FALSE(b.t.empty());
    EXPECT_EQ(b.t.front(), 7 - 12); // July 2009 on the axis of 2010
    EXPECT_EQ(b.M24.front(), 24 * 10);
}

// Lines of SIDC\Plochy.txt and SIDC\tok-10cm.txt as the start-up reads them.
std::string plochyRadek(int rok, int mesic, double celek, double sever, double jih) {
    char radek[64];
    std::snprintf(radek, sizeof radek, "%04d %02d %7.1f%7.1f%7.1f\r\n", rok, mesic, celek, sever,
                  jih);
    return radek;
}
std::string tokRadek(int rok, int mesic, double obs, double adj, double abs) {
    char radek[64];
    std::snprintf(radek, sizeof radek, "%04d %02d        %6.1f    %6.1f     %6.1f \r\n", rok, mesic,
                  obs, adj, abs);
    return radek;
}

TEST(Vyhlazene, OutsideTablesOnTheRecordsAxis) {
    // A straight line stays straight under the 13-month mean, so every
    // smoothed value shows whether the months were placed and filled right.
    auto primka = [](int i) { return 100 + 10 * i; }; // i months after December 2019
    std::string mezera, chybi, spatne, poradi, kratka;
    for (int i = 19; i >= 0; --i) {
        const int y = 2019 + (i + 11) / 12, m = (i + 11) % 12 + 1;
        if (i != 9) mezera.insert(0, plochyRadek(y, m, 0, primka(i), 0));
        chybi.insert(0, plochyRadek(y, m, 0, i == 9 ? -1 : primka(i), 0));
        spatne.insert(0, plochyRadek(y, m, primka(i), 0, 0) +
                             (i == 4 ? "  souhrn  999.0  999.0  999.0\r\n" : ""));
        if (i < 12) kratka.insert(0, plochyRadek(y, m, primka(i), 0, 0));
        // Reversed, with one month given twice around its value.
        const double d = i == 7 ? 0.5 : 0;
        poradi += tokRadek(y, m, 0, 0, primka(i) / 10.0 - d);
        if (d > 0) poradi += tokRadek(y, m, 0, 0, primka(i) / 10.0 + d);
    }
    const struct {
        const char* name;
        OutsideTable tabulka;
        int sloupec;
    } rows[] = {
        {"a month without a line is interpolated", ParsePlochy(mezera), 1},
        {"a month whose value is -1 is missing, not zero", ParsePlochy(chybi), 1},
        {"a line without a month is left out", ParsePlochy(spatne), 0},
        {"lines out of order, a month twice, flux times 10", ParseTok10cm(poradi), 2},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const BruselKrivka b = BuildTabulkovaKrivka(r.tabulka, r.sloupec, 2020);
        ASSERT_EQ(b.t.size(), 8u);
        EXPECT_EQ(b.t.front(), 6); // June 2020, six months after the first line
        for (std::size_t k = 0; k < b.t.size(); ++k)
            EXPECT_EQ(b.M24[k], 24 * primka(b.t[k])) << "t = " << b.t[k];
    }
    EXPECT_EQ(DatovaneRadky(ParsePlochy(spatne)), 20);
    // Year and month apart by any of the separators the published tables use.
    std::string oddelovace;
    for (const char* label : {"2020 01", "2020.02", "2020-03", "2020/04", "2020;05", "2020,06",
                              "2020x07", "202008", "2020 13"})
        oddelovace += std::string(label) + "\r\n";
    EXPECT_EQ(DatovaneRadky(ParsePlochy(oddelovace)), 6);
    EXPECT_TRUE(BuildTabulkovaKrivka(ParsePlochy(kratka), 0, 2020).t.empty()); // 12 months
}

// Real data of cycle 19, 1957-1959: the daily sunspot areas (RGO) and the
// 10.7 cm flux (Penticton) as the monthly lines of the two files.
TEST(Vyhlazene, RealAreasAndFluxPeakWithTheCycle) {
    const std::filesystem::path data = std::filesystem::path(HELIOKRES_SOURCE_DIR) / "tests/data";
    std::map<int, std::array<double, 6>> m; // area N, S, total, days; flux adj, count
    std::ifstream plochy(data / "daily_area_1957_1959.txt");
    int y, mes, d;
    double t, n, s;
    while (plochy >> y >> mes >> d >> t >> n >> s)
        if (t >= 0) {
            auto& x = m[y * 12 + mes - 1];
            x[0] += n, x[1] += s, x[2] += t, ++x[3];
        }
    std::ifstream tok(data / "penticton_1957_1959.csv");
    for (std::string radek; std::getline(tok, radek);) {
        ASSERT_EQ(std::sscanf(radek.c_str(), "%4d%2d%*[^,],%*f,%lf", &y, &mes, &t), 3) << radek;
        auto& x = m[y * 12 + mes - 1];
        x[4] += t, ++x[5];
    }
    ASSERT_EQ(m.size(), 36u);
    std::string p, f;
    for (const auto& [i, x] : m) {
        ASSERT_GT(x[3] * x[5], 0);
        p += plochyRadek(i / 12, i % 12 + 1, x[2] / x[3], x[0] / x[3], x[1] / x[3]);
        f += tokRadek(i / 12, i % 12 + 1, 0, x[4] / x[5], 0);
    }
    // Axis of records starting in 1958: July 1957 to June 1959.
    const BruselKrivka a = BuildTabulkovaKrivka(ParsePlochy(p), 0, 1958);
    const BruselKrivka r = BuildTabulkovaKrivka(ParseTok10cm(f), 1, 1958);
    ASSERT_EQ(a.t.size(), 24u);
    EXPECT_EQ(a.t.front(), 7 - 12);
    EXPECT_EQ(r.t.back(), 12 + 6);
    // The smoothed flux peaks in March 1958 (245 sfu) with the smoothed
    // international sunspot number (SILSO); the smoothed area on the same
    // plateau, November 1957 to March 1958.
    auto vrchol = [](const BruselKrivka& b) {
        return std::max_element(b.M24.begin(), b.M24.end()) - b.M24.begin();
    };
    EXPECT_EQ(r.t[static_cast<std::size_t>(vrchol(r))], 3);
    EXPECT_NEAR(r.M24[static_cast<std::size_t>(vrchol(r))] / 240.0, 245.2, 0.2);
    const int plato = a.t[static_cast<std::size_t>(vrchol(a))];
    EXPECT_TRUE(plato >= 11 - 12 && plato <= 3) << plato;
}

} // namespace
} // namespace hk
