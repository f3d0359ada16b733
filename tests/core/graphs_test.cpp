// Asymmetry tables, the daily graphs' series, the smoothed graphs and the
// numbers the pictures give other programs.
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
#include "geometry/calendar.h"
#include "graphs/asymmetry.h"
#include "graphs/graph_series.h"
#include "graphs/smoothed_graph.h"
#include "io/picture_data.h"

namespace hk {
namespace {

using results_test::Souhrn;
using results_test::Zvlastni;

// g north / south only; the other quantities follow g times 10.
TZaznam G(const char* date, int north, int south) {
    return Souhrn(date, 900, {north, north * 10, north * 11, 0, 0, 0, 0, 0},
                  {south, south * 10, south * 11, 0, 0, 0, 0, 0});
}

std::vector<TZaznam> asymmetryRecords() {
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

TEST(AsymmetryTables, TablesAndView) {
    const auto records = asymmetryRecords();
    const AsymmetryTables a = ComputeAsymmetry(records);
    ASSERT_EQ(a.monthly.values.size(), 16u); // 01.2020 .. 04.2021
    ASSERT_EQ(a.yearly.values.size(), 2u);
    const auto& january = a.monthly.values[0];
    EXPECT_FLOAT_EQ(january[0], static_cast<float>(4.0001 * 100 / 8));
    EXPECT_FLOAT_EQ(january[1], static_cast<float>(4.0001 / 3));
    EXPECT_EQ(january[16], 3.0f);
    const auto& february = a.monthly.values[1];
    EXPECT_EQ(std::vector({february[0], february[1], february[16]}),
              std::vector({ZeroAsymmetry, ZeroAsymmetry, 1.0f}));
    EXPECT_EQ(a.monthly.values[2][16], 0.0f); // specials only

    const ResultsGrid m = BuildAsymmetryGrid(a, records, true);
    ASSERT_EQ(m.rowCount(), 1u + 24u); // to December of the last record's year
    EXPECT_EQ(m.cells[0][1] + "|" + m.cells[0][17], "g    P|p.zákre");
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
        EXPECT_EQ((std::vector{c[0], c[1], c[2], c[17]}), r.cells);
    }
    const ResultsGrid y = BuildAsymmetryGrid(a, records, false);
    ASSERT_EQ(y.rowCount(), 3u);
    EXPECT_EQ(y.cells[2][0], "2021");
    EXPECT_EQ(y.cells[2][17], "1"); // the last year filled
    EXPECT_EQ(y.cells[1][17], "4");

    const std::string text = AsymmetryText(y);
    EXPECT_EQ(text.substr(0, 10 + 7), "      2020   28.6"); // N = 9, S = 5
    EXPECT_EQ(text.find("\r\n"), 10u + 17u * 7u);
    EXPECT_EQ(text.substr(text.find("\r\n") + 2, 10), "      2021"); // a line per year
}

TEST(DailyGraphs, MonthLinesShiftFromMarchInLeapYears) {
    const auto lines = MonthLines(2020, 800, 1);
    ASSERT_GE(lines.size(), 15u);
    EXPECT_EQ(lines[1].x, 31);          // February 2020
    EXPECT_EQ(lines[2].x, 31 + 28 + 1); // March 2020 after the leap day
    EXPECT_EQ(lines[12].x, 366);        // January 2021
    EXPECT_EQ(lines[14].x, 366 + 59);   // March 2021, no shift
    const auto doubled = MonthLines(2020, 800, 2);
    EXPECT_EQ(doubled[2].x, 2 * 60);
    // Two pixels per five days: the lines from the days, not from rounded months.
    const auto narrowed = MonthLines(2020, 800, 2, 5);
    EXPECT_EQ(std::pair(narrowed[2].x, narrowed[12].x), std::pair(2 * 60 / 5, 2 * 366 / 5));
    EXPECT_EQ(narrowed.size(), MonthLines(2020, 2 * 2000, 2).size()); // the same 2000 days
}

TEST(DailyGraphs, DayDivisorKeepsTheWholeAxisWithinTheWidth) {
    struct Row {
        int lastDay, d, divisor;
    } rows[] = {{0, 2, 1},     {14875, 2, 1}, {14876, 2, 2},
                {36500, 2, 3}, {73000, 2, 5}, {73000, 1, 3}};
    for (const Row& r : rows) {
        EXPECT_EQ(GraphDayDivisor(r.lastDay, r.d, 250, 30000), r.divisor) << r.lastDay;
        const GraphData g{GraphQuantity::g, 1900, {r.lastDay}, {1}, {0}, {}};
        const GraphModel m = BuildGraphModel(g, 800, GraphView::All, r.d, r.divisor);
        EXPECT_LE(m.xLast + 250, 30000) << r.lastDay;
        EXPECT_GE(m.months.back().x, m.xLast) << r.lastDay; // lines up to the last day
    }
}

TEST(DailyGraphs, PositionClassesLeaveTheBoundariesOut) {
    const std::pair<double, int> rows[] = {{0, -1},   {-30, -1},  {30, -1}, {0.1, 0},  {-29.9, 0},
                                           {29.9, 0}, {-30.1, 1}, {-80, 1}, {30.1, 2}, {85, 2}};
    for (const auto& [cmd, zurichClass] : rows)
        EXPECT_EQ(ZoneClassOf(cmd), zurichClass) << cmd;
}

TEST(DailyGraphs, SeriesAndPanelGeometry) {
    std::vector<TZaznam> r = {G("31.12.2020", 2, 1), G("01.01.2021", 4, 0)};
    r[1].PlochaFakuli.setRaw("1234");
    // The dates from the records, and from a cache.
    const GeometryCache cache = GeometryCache::of(r);
    const GraphData g = BuildGraphData(r, GraphQuantity::g);
    EXPECT_EQ(BuildGraphData(r, cache, GraphQuantity::g).days, g.days);
    EXPECT_EQ(std::vector({g.days, g.A, g.B}),
              (std::vector<std::vector<int>>{{365, 366}, {2, 4}, {1, 0}}));
    EXPECT_EQ(BuildGraphData(r, GraphQuantity::Fakule).A, (std::vector<int>{0, 1234}));

    const GraphGeometry geometry = ComputeGraphGeometry(800); // (800 - 120) / 3 = 226 -> 220
    EXPECT_EQ(std::pair(geometry.H, geometry.step), std::pair(220, 20));
    const GraphModel m = BuildGraphModel(g, 800, GraphView::All, 2);
    ASSERT_EQ(m.panels.size(), 3u);
    EXPECT_EQ(m.panels[2].base, 3 * 220 + 75);
    EXPECT_EQ(m.value(m.panels[0], 0), 2 * 20 / 3 + 1 * 20 / 3); // each hemisphere truncated
    EXPECT_EQ(m.title, "Graf   Celkový  Sever  Jih   - Počet skupin");
    EXPECT_EQ(GraphPictureData(m).columns.at(0).rfind("Počet skupin: ", 0), 0u);
    // Inter SOL is drawn for the whole disk only.
    const GraphData sol = BuildGraphData(r, cache, GraphQuantity::InterSol);
    EXPECT_EQ(BuildGraphModel(sol, 800, GraphView::North, 2).panels.size(), 1u);
}

// One drawing a month with `g` north groups per month index.
std::vector<TZaznam> monthlyRecords(int from, const std::vector<int>& g) {
    std::vector<TZaznam> r;
    for (std::size_t i = 0; i < g.size(); ++i) {
        const int m = from - 1 + static_cast<int>(i);
        if (g[i] >= 0) // else a month without drawings
            r.push_back(G(FormatDatum({2010 + m / 12, m % 12 + 1, 15}).c_str(), g[i], 0));
    }
    return r;
}

TEST(Smoothed, GapsFilledAndSmoothingNeedsThirteenMonths) {
    // March 2010 on; April and May without drawings.
    const auto data =
        BuildSmoothedData(monthlyRecords(3, {2, -1, -1, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5}), 1);
    const MonthlyCurve& north = data.curves[1];
    EXPECT_EQ(std::pair(data.tFirst, data.tLast), std::pair(3, 15));
    EXPECT_EQ(north.filled[4], 24); // Round(16 + 1 x (40 - 16) / 3)
    EXPECT_EQ(north.filled[5], 32);
    EXPECT_EQ(north.value.front(), 16); // mean x 8
    // Thirteen months: exactly one smoothed value, in the middle.
    EXPECT_EQ(std::pair(north.smoothFrom, north.smoothTo), std::pair(9, 9));
    long expected = 16 + 40;
    for (int t = 4; t <= 14; ++t)
        expected += 2L * north.filled[static_cast<std::size_t>(t)];
    EXPECT_EQ(north.smooth[9], expected);

    const auto shortSeries = BuildSmoothedData(monthlyRecords(3, std::vector<int>(12, 4)), 1);
    EXPECT_GT(shortSeries.curves[0].smoothFrom, shortSeries.curves[0].smoothTo);
}

TEST(Smoothed, BrusselsMonthlyMeansOnTheRecordsAxis) {
    DailySeries s;
    s.firstYear = 2009;
    s.years = {2009, 2010};
    s.days.assign(365 + 365, {10, 4, 6});
    const OutsideCurve b = BuildBrusselsCurve(s, 2010, 0);
    ASSERT_FALSE(b.t.empty());
    EXPECT_EQ(b.t.front(), 7 - 12); // July 2009 on the axis of 2010
    EXPECT_EQ(b.M24.front(), 24 * 10);
    EXPECT_EQ(b.t.back(), 6); // June 2010, six months before the last December
}

// Lines of SIDC\Plochy.txt and SIDC\tok-10cm.txt as the start-up reads them.
std::string areasLine(int year, int month, double disk, double north, double south) {
    char row[64];
    std::snprintf(row, sizeof row, "%04d %02d %7.1f%7.1f%7.1f\r\n", year, month, disk, north,
                  south);
    return row;
}
std::string fluxLine(int year, int month, double obs, double adj, double abs) {
    char row[64];
    std::snprintf(row, sizeof row, "%04d %02d        %6.1f    %6.1f     %6.1f \r\n", year, month,
                  obs, adj, abs);
    return row;
}

TEST(Smoothed, OutsideTablesOnTheRecordsAxis) {
    // A straight line stays straight under the 13-month mean, so every
    // smoothed value shows whether the months were placed and filled right.
    auto line = [](int i) { return 100 + 10 * i; }; // i months after December 2019
    std::string gap, missing, bad, order, shortSeries;
    for (int i = 19; i >= 0; --i) {
        const int y = 2019 + (i + 11) / 12, m = (i + 11) % 12 + 1;
        if (i != 9) gap.insert(0, areasLine(y, m, 0, line(i), 0));
        missing.insert(0, areasLine(y, m, 0, i == 9 ? -1 : line(i), 0));
        bad.insert(0, areasLine(y, m, line(i), 0, 0) +
                          (i == 4 ? "  souhrn  999.0  999.0  999.0\r\n" : ""));
        if (i < 12) shortSeries.insert(0, areasLine(y, m, line(i), 0, 0));
        // Reversed, with one month given twice around its value.
        const double d = i == 7 ? 0.5 : 0;
        order += fluxLine(y, m, 0, 0, line(i) / 10.0 - d);
        if (d > 0) order += fluxLine(y, m, 0, 0, line(i) / 10.0 + d);
    }
    const struct {
        const char* name;
        OutsideTable table;
        int column;
    } rows[] = {
        {"a month without a line is interpolated", ParseAreasTable(gap), 1},
        {"a month whose value is -1 is missing, not zero", ParseAreasTable(missing), 1},
        {"a line without a month is left out", ParseAreasTable(bad), 0},
        {"lines out of order, a month twice, flux times 10", ParseFluxTable(order), 2},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const OutsideCurve b = BuildOutsideCurve(r.table, r.column, 2020);
        ASSERT_EQ(b.t.size(), 8u);
        EXPECT_EQ(b.t.front(), 6); // June 2020, six months after the first line
        for (std::size_t k = 0; k < b.t.size(); ++k)
            EXPECT_EQ(b.M24[k], 24 * line(b.t[k])) << "t = " << b.t[k];
    }
    EXPECT_EQ(DatedRows(ParseAreasTable(bad)), 20);
    // Year and month apart by any of the separators the published tables use.
    std::string separators;
    for (const char* label : {"2020 01", "2020.02", "2020-03", "2020/04", "2020;05", "2020,06",
                              "2020x07", "202008", "2020 13"})
        separators += std::string(label) + "\r\n";
    EXPECT_EQ(DatedRows(ParseAreasTable(separators)), 6);
    EXPECT_TRUE(BuildOutsideCurve(ParseAreasTable(shortSeries), 0, 2020).t.empty()); // 12 months
}

// Real data of cycle 19, 1957-1959: the daily sunspot areas (RGO) and the
// 10.7 cm flux (Penticton) as the monthly lines of the two files.
TEST(Smoothed, RealAreasAndFluxPeakWithTheCycle) {
    const std::filesystem::path data = std::filesystem::path(HELIOKRES_SOURCE_DIR) / "tests/data";
    std::map<int, std::array<double, 6>> m; // area N, S, total, days; flux adj, count
    std::ifstream areasCurve(data / "daily_area_1957_1959.txt");
    int y, month, d;
    double t, n, s;
    while (areasCurve >> y >> month >> d >> t >> n >> s)
        if (t >= 0) {
            auto& x = m[y * 12 + month - 1];
            x[0] += n, x[1] += s, x[2] += t, ++x[3];
        }
    std::ifstream tok(data / "penticton_1957_1959.csv");
    for (std::string row; std::getline(tok, row);) {
        ASSERT_EQ(std::sscanf(row.c_str(), "%4d%2d%*[^,],%*f,%lf", &y, &month, &t), 3) << row;
        auto& x = m[y * 12 + month - 1];
        x[4] += t, ++x[5];
    }
    ASSERT_EQ(m.size(), 36u);
    std::string p, f;
    for (const auto& [i, x] : m) {
        ASSERT_GT(x[3] * x[5], 0);
        p += areasLine(i / 12, i % 12 + 1, x[2] / x[3], x[0] / x[3], x[1] / x[3]);
        f += fluxLine(i / 12, i % 12 + 1, 0, x[4] / x[5], 0);
    }
    // Axis of records starting in 1958: July 1957 to June 1959.
    const OutsideCurve a = BuildOutsideCurve(ParseAreasTable(p), 0, 1958);
    const OutsideCurve r = BuildOutsideCurve(ParseFluxTable(f), 1, 1958);
    ASSERT_EQ(a.t.size(), 24u);
    EXPECT_EQ(std::pair(a.t.front(), r.t.back()), std::pair(7 - 12, 12 + 6));
    // The smoothed flux peaks in March 1958 (245 sfu) with the smoothed
    // international sunspot number (SILSO); the smoothed area on the same
    // plateau, November 1957 to March 1958.
    auto peakOf = [](const OutsideCurve& b) {
        return std::max_element(b.M24.begin(), b.M24.end()) - b.M24.begin();
    };
    EXPECT_EQ(r.t[static_cast<std::size_t>(peakOf(r))], 3);
    EXPECT_NEAR(r.M24[static_cast<std::size_t>(peakOf(r))] / 240.0, 245.2, 0.2);
    const int plateau = a.t[static_cast<std::size_t>(peakOf(a))];
    EXPECT_TRUE(plateau >= 11 - 12 && plateau <= 3) << plateau;
}

// The pictures' numbers for other programs: three decimals at most, and a
// small negative value that rounds to zero is a plain 0.
TEST(PictureData, NumbersWithoutTrailingZerosOrANegativeZero) {
    const std::vector<std::string> got = {PictureNumber(152.8), PictureNumber(3),
                                          PictureNumber(-0.125), PictureNumber(-0.0004),
                                          PictureNumber(-1)};
    EXPECT_EQ(got, std::vector<std::string>({"152.8", "3", "-0.125", "0", "-1"}));
    const PictureData d{"měsíc", {"a", "b,c"}, {{"2024-06", {std::nullopt, 2.25}}}};
    EXPECT_EQ(PictureDataCsv(d), "měsíc,a,\"b,c\"\n2024-06,,2.25\n");
}

} // namespace
} // namespace hk
