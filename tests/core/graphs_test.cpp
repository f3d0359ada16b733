// Asymmetry tables, the daily graphs' series and the smoothed graphs.
#include <gtest/gtest.h>

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
    EXPECT_EQ(m.hodnota(m.panely[0], 0), 3 * 20 / 3);
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

} // namespace
} // namespace hk
