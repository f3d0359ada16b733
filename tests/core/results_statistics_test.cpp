// Month sums, the measured and smoothed statistics tables and the yearly
// class occurrence, checked against sums worked out by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "io/atomic_file.h"
#include "results/csv_export.h"
#include "results/intersol_counts.h"
#include "results/measured_statistics.h"
#include "results/month_sums.h"
#include "results/record_date.h"
#include "results/smoothed_statistics.h"
#include "results/statistics_status.h"
#include "results/type_occurrence.h"
#include "results_fixtures.h"
#include "tests_support/temp_dir.h"

using namespace hk;
using namespace hk::results_test;

namespace {

using Row = std::vector<std::string>;

// January 2001: two ordinary drawings of the 5th and a special drawing without
// a marker on the 20th; no drawing in February; March 2001: one special
// drawing whose first group is the south marker.
std::vector<TZaznam> measuredFixture() {
    TZaznam r1 =
        Souhrn("05.01.2001", 700, {2, 10, 30, 20, 12, 60, 100, 120}, {1, 3, 13, 5, 3, 12, 40, 50});
    r1.qc = 1, r1.fc = 2, r1.rc = 12, r1.PocetFakuli = 3, r1.PP = 2, r1.Obr = 3, r1.Q = 4;
    TZaznam r2 = Souhrn("05.01.2001", 1300, {1, 4, 14, 8, 4, 18, 30, 35}, {});
    r2.PocetFakuli = 1, r2.PP = 1, r2.Obr = 2, r2.Q = 3;
    TZaznam r3 = Souhrn("20.01.2001", 800, {1, 2, 12, 1, 2, 8, 10, 12}, {});
    r3.qc = 2, r3.fc = 4, r3.rc = 24, r3.PP = 3, r3.Obr = 3, r3.Q = 2;
    Zvlastni(r3);
    TZaznam r4 = Souhrn("10.03.2001", 900, {}, {1, 5, 15, 0, 5, 0, 20, 25});
    r4.Q = 5;
    Zvlastni(Marker(r4, false));
    return {r1, r2, r3, r4};
}

// Whole disk: g, f, R, Cv, SN, RB over all 3 January drawings, the areas over
// the 2 ordinary ones. North and south: the special drawing without a marker
// counts nowhere, so the divisor is 2. March: the marker drawing counts in the
// south; its areas are left out and the area divisor 0 becomes 1.
TEST(MeasuredStatistics, MonthlyMeansByHemisphere) {
    const struct {
        HemisphereChoice v;
        const char* caption;
        Row january, march;
    } rows[] = {
        {HemisphereChoice::Whole,
         "Výsledky    statistika - naměřené - celkový",
         {"01.2001", " 1.67", " 6.33", "23.00", "11.33", " 7.00", "32.67", "85.00", "102.50",
          "  1.0", "  2.0", " 12.0", "  1.3", "  2.0", "  2.7", "  3.0"},
         {"03.2001", " 1.00", " 5.00", "15.00", " 0.00", " 5.00", " 0.00", " 0.00", " 0.00",
          "  0.0", "  0.0", "  0.0", "  0.0", "  0.0", "  0.0", "  5.0"}},
        {HemisphereChoice::North,
         "Výsledky    statistika - naměřené - sever",
         {"01.2001", " 1.50", " 7.00", "22.00", "14.00", " 8.00", "39.00", "65.00", "77.50"},
         {"03.2001", " 0.00", " 0.00", " 0.00", " 0.00", " 0.00", " 0.00", " 0.00", " 0.00"}},
        {HemisphereChoice::South,
         "Výsledky    statistika - naměřené - jih",
         {"01.2001", " 0.50", " 1.50", " 6.50", " 2.50", " 1.50", " 6.00", "20.00", "25.00"},
         {"03.2001", " 1.00", " 5.00", "15.00", " 0.00", " 5.00", " 0.00", " 0.00", " 0.00"}},
    };
    const auto records = measuredFixture();
    // Rows of 16 cells: those not given are empty.
    const auto cells = [](Row r) {
        r.resize(16);
        return r;
    };
    for (const auto& c : rows) {
        SCOPED_TRACE(c.caption);
        const ResultsGrid g = BuildMeasuredStatistics(records, c.v);
        EXPECT_EQ(g.caption, c.caption);
        ASSERT_EQ(g.rowCount(), 5u); // header, January to March, the month after
        ASSERT_EQ(g.columnCount(), 16u);
        EXPECT_EQ(std::vector(g.cells.begin() + 1, g.cells.end()),
                  (std::vector<Row>{cells(c.january), cells({"02.2001"}), cells(c.march),
                                    cells({"04.2001"})}));
    }
    // No readable record: the header only.
    const std::vector<TZaznam> undated{Record("", 0), Record("31.02.2001", 0)};
    EXPECT_EQ(BuildMeasuredStatistics(undated, HemisphereChoice::Whole).rowCount(), 1u);
}

TEST(DrawingDates, AsTheGeneralReader) {
    for (const char* date :
         {"05.02.2001", "5.2.2001", "29.02.2001", "29.02.2000", "0a.02.2001", "01.01.0000"}) {
        const TZaznam z = Record(date, 800);
        EXPECT_EQ(DrawingDate(z), RecordDate(z)) << date;
    }
}

// A special drawing whose first group marks the north reaches the whole disk
// and the hemispheres, not the areas; Q counts for every drawing. (The other
// kinds of drawing are the monthly means' rows.)
TEST(AccumulateMonth, SpecialDrawingWithANorthMarkerReachesTheHemispheresNotTheAreas) {
    TZaznam z = Souhrn("01.01.2001", 800, {2, 5, 25, 0, 0, 0, 70, 80}, {1, 1, 11, 0, 0, 0, 30, 40});
    z.Q = 3;
    Marker(Zvlastni(z), true);
    MonthSums s{};
    AccumulateMonth(s, z);
    EXPECT_EQ(std::vector<int>(
                  {s[SumIndex(0, HemisphereChoice::Whole)], s[SumIndex(0, HemisphereChoice::North)],
                   s[SumIndex(0, HemisphereChoice::South)], s[SumIndex(6, HemisphereChoice::Whole)],
                   s[FirstRecordQuantity + 6]}),
              std::vector<int>({3, 2, 1, 0, 3}));
}

// 20 months from January 2001 to August 2002 with drawings in months 1, 10,
// 19 and 20 only; the months between count as 0.
std::vector<TZaznam> smoothedFixture() {
    std::vector<TZaznam> r;
    auto add = [&r](const char* date, int g, int rb) {
        r.push_back(Souhrn(date, static_cast<std::uint16_t>(700 + r.size()),
                           {g, 0, 0, 0, 0, rb, 0, 0}, {}));
    };
    for (int k = 0; k < 5; ++k)
        add("10.01.2001", 2, k == 0 ? 7 : 0); // g mean 2, RB mean 1.4
    for (int k = 0; k < 4; ++k)
        add("15.10.2001", 3, 0); // g mean 3
    add("05.07.2002", 1, 0);     // g mean 4/3
    add("06.07.2002", 1, 0);
    add("07.07.2002", 2, 0);
    add("01.08.2002", 50, 0); // the latest month never enters a smoothed value
    add("02.08.2002", 50, 0);
    return r;
}

TEST(SmoothedStatistics, TwentyMonthsGiveMonthsSevenToThirteen) {
    const auto records = smoothedFixture();
    const ResultsGrid g = BuildSmoothedStatistics(records, HemisphereChoice::Whole);
    EXPECT_EQ(g.caption, "Výsledky    statistika - vyhlazené - celkový");
    ASSERT_EQ(g.rowCount(), 22u); // header, 20 months and the month after
    ASSERT_EQ(g.columnCount(), 9u);
    EXPECT_EQ(g.cells[1][0] + "|" + g.cells[21][0], "01.2001|09.2002");
    // Stored means of g: 20, 30 and 13 (40 / 3 cut), 500; RB of month 1: 7 * 4 / 5 = 5.
    // Month 7: (20 + 2 * 30) / 240; months 8..12: 2 * 30 / 240; month 13: (2 * 30 + 13) / 240.
    const char* expectedG[] = {"0.33", "0.25", "0.25", "0.25", "0.25", "0.25", "0.30"};
    for (int month = 1; month <= 21; ++month) {
        const Row& row = g.cells[static_cast<std::size_t>(month)];
        if (month >= 7 && month <= 13) {
            EXPECT_EQ(row[1], expectedG[month - 7]) << "month " << month;
            EXPECT_EQ(row[2], "0.00") << "month " << month;
        } else {
            EXPECT_EQ(row[1], "") << "month " << month;
        }
    }
    EXPECT_EQ(g.cells[7][6] + "|" + g.cells[8][6], "0.05|0.00"); // RB: 5 / (24 * 4)
}

TEST(HemisphereMeans, MeasuredCountsEachDrawingOfTheHemisphereOnceSmoothedDividesByAll) {
    // One ordinary drawing of 2 northern groups and one special drawing
    // without a marker: the measured north mean is 2 (over the one drawing
    // that counts), the smoothed table's stored mean is 10, that is 1 (over
    // both drawings).
    TZaznam special = Souhrn("12.06.2003", 900, {4, 0, 0, 0, 0, 0, 0, 0}, {});
    std::vector<TZaznam> records{Souhrn("11.06.2003", 900, {2, 0, 0, 0, 0, 0, 0, 0}, {}),
                                 Zvlastni(special)};
    EXPECT_EQ(BuildMeasuredStatistics(records, HemisphereChoice::North).cells[1][1], " 2.00");
    const MonthlyMeans m = BuildMonthlyMeans(records, HemisphereChoice::North);
    ASSERT_EQ(m.months.size(), 1u);
    EXPECT_EQ(
        std::pair(m.months[0][0], BuildMonthlyMeans(records, HemisphereChoice::Whole).months[0][0]),
        std::pair(10, 30));
    // An ordinary drawing whose first group was entered as "s" is one
    // drawing of the north, not two.
    TZaznam z = Souhrn("03.05.2004", 800, {1, 3, 13, 0, 3, 0, 0, 0}, {});
    records = {Marker(z, true)};
    EXPECT_EQ(BuildMeasuredStatistics(records, HemisphereChoice::North).cells[1][1], " 1.00");
}

TEST(SmoothedStatistics, FewerThanFourteenDrawingsOr401DaysBuildNoTable) {
    auto records = smoothedFixture();
    records.resize(13);
    EXPECT_EQ(BuildSmoothedStatistics(records, HemisphereChoice::Whole).rowCount(), 1u);
    // The span must be more than 400 days.
    std::vector<TZaznam> span{Record("01.01.2001", 800), Record("05.02.2002", 800)};
    EXPECT_EQ(CheckSmoothedSpan(span), "Nedostatek dat pro měsíční vyhlazené");
    span[1] = Record("06.02.2002", 800);
    EXPECT_FALSE(CheckSmoothedSpan(span));
}

TEST(StatisticsStatus, RowsAndPages) {
    const auto records = smoothedFixture();
    const ResultsGrid g = BuildMeasuredStatistics(records, HemisphereChoice::Whole);
    // A4 at 600 dpi: (7016 - 200) / (15 * 7) = 64 rows per page.
    EXPECT_EQ(StatisticsStatusLine(g, 4961, 7016), "Počet hodnot je = 21   ( .3  str.)");
    // 100 rows per page at 1500 dots; a page narrower than 704 dots counts as one unit.
    EXPECT_EQ(StatisticsRowsPerPage(600, 1700), 100);
    EXPECT_EQ(StatisticsRowsPerPage(0, 0), 1);
}

TEST(TypeOccurrence, CountsPerClassAndYear) {
    TZaznam special = Drawing("03.04.2002", 800, {{"***"}});
    std::vector<TZaznam> records{
        Drawing("01.03.2001", 800, {{"Dao"}, {"Axx"}, {"dao"}}),
        Drawing("02.03.2001", 800, {{"Dao"}}),
        Zvlastni(special),
        Drawing("05.05.2003", 800, {{"Fkc", 20, 3}}),
    };
    const TypeOccurrence t = BuildTypeOccurrence(records);
    ASSERT_EQ(t.grid.rowCount(), 61u);
    const auto& c = t.grid.cells;
    EXPECT_EQ(std::vector({c[0], c[19], c[1], c[57]}),
              (std::vector<Row>{{"", "2001", "2002", "2003"},
                                {"Dao", "    2", "", ""},
                                {"Axx", "    1", "", ""},
                                {"Fkc", "", "", "    1"}}));
    EXPECT_EQ(t.unknownClasses, 2); // "dao" and "***"
}

TEST(InterSolCounts, FromTheGroupEntries) {
    const struct {
        GroupSpec group;
        int q;
        InterSolValues expected;
    } rows[] = {
        {{"Hsx", 1, 1}, 2, {0, 0, 0, 1, 0, 4, 1}},                     // one penumbral spot
        {{"Axx", 1, 0, North, 500, 0, 1}, 1, {0, 0, 0, 0, 1, 5, 1}},   // one small spot
        {{"Dai", 8, 2, North, 500, 0, 5}, 3, {1, 3, 5, 0, 0, 3, 9}},   // a group of eight
        {{"Axx", 1, 1, North, 500, 0, 1}, 6, {-1, -1, 0, 1, 1, 0, 0}}, // contradictory counts
    };
    auto v = [](const InterSolValues& x) {
        return std::array{x.gr, x.grfp, x.grf, x.efp, x.ef, x.Cond, x.sum};
    };
    for (const auto& c : rows)
        EXPECT_EQ(v(InterSolCounts(Drawing("01.02.2001", 800, {c.group}, c.q))), v(c.expected))
            << "Q " << c.q;
}

// Statistics tables written as CSV: cell alignment and cut, the columns per
// hemisphere, file names and the folder.
TEST(CsvCell, RightAlignedInSevenAndCut) {
    const std::pair<const char*, const char*> rows[] = {
        {"", "       ;"},
        {"12.50", "  12.50;"},
        {"  12.50", "  12.50;"},
        {"03.2001", "03.2001;"},
        {"123456789", "3456789;"}, // the last seven kept
        // One byte per character in the file, not per UTF-8 byte.
        {"Září", "   Z\xE1\xF8\xED;"}};
    for (const auto& [cell, expected] : rows)
        EXPECT_EQ(StatisticsCsvCell(cell), expected) << cell;
}

std::vector<std::vector<std::string>> Grid(std::size_t columns, std::size_t rows) {
    std::vector<std::vector<std::string>> cells(rows, std::vector<std::string>(columns));
    for (std::size_t r = 0; r < rows; ++r)
        for (std::size_t c = 0; c < columns; ++c)
            cells[r][c] = std::to_string(r * 100 + c);
    return cells;
}

std::size_t CountOf(const std::string& text, char c) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), c));
}

TEST(CsvColumns, WrittenPerLine) {
    // Measured: all 16, the north stops at eight; smoothed: 9, no empty columns.
    const struct {
        std::size_t gridColumns;
        int hemisphere;
        std::size_t written;
    } rows[] = {{16, 1, 16}, {16, 2, 9}, {9, 1, 9}, {9, 2, 9}};
    for (const auto& c : rows) {
        SCOPED_TRACE(testing::Message()
                     << c.gridColumns << " columns, hemisphere " << c.hemisphere);
        const std::string text = StatisticsCsvText(Grid(c.gridColumns, 3), c.hemisphere);
        EXPECT_EQ(CountOf(text, '\n'), 3u);
        EXPECT_EQ(CountOf(text, ';'), 3 * c.written);
        const std::string firstLine = text.substr(0, text.find("\r\n"));
        EXPECT_EQ(firstLine.size(), c.written * 8);
        EXPECT_EQ(firstLine.substr(firstLine.size() - 8),
                  StatisticsCsvCell(std::to_string(c.written - 1)));
    }
}

TEST(CsvText, LinesEndWithCrLfAndShortRowsAreCompleted) {
    const std::vector<std::vector<std::string>> cells = {{"", "   g  ", "   f  "},
                                                         {"03.2001", " 1.50"}};
    EXPECT_EQ(StatisticsCsvText(cells, 2), "       ;    g  ;    f  ;\r\n"
                                           "03.2001;   1.50;       ;\r\n");
    EXPECT_EQ(StatisticsCsvText({}, 1), "");
}

TEST(CsvFile, NamedByTableAndHemisphereWrittenIntoCsvFolderReplacedOrRefused) {
    EXPECT_EQ(StatisticsCsvName(StatisticsTable::Measured, 2), "Namerene-sever");
    EXPECT_EQ(StatisticsCsvName(StatisticsTable::Smoothed, 1), "Vyhlazene-celkove");
    TempDir tmp;
    const ProgramDir dir(tmp.path());
    const auto path = WriteStatisticsCsv(dir, StatisticsTable::Smoothed, 3, {{"a", "b"}});
    EXPECT_EQ(path, tmp.path() / "CSVsoubory" / "Vyhlazene-jih.csv");
    EXPECT_EQ(ReadWholeFile(path), "      a;      b;\r\n");

    WriteStatisticsCsv(dir, StatisticsTable::Smoothed, 3, {{"c"}});
    EXPECT_EQ(ReadWholeFile(path), "      c;\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(path.parent_path()),
                            std::filesystem::directory_iterator()),
              1);
    // A file where the folder should be: refused, left as it is.
    TempDir other;
    WriteFileAtomic(other.path() / "CSVsoubory", "x");
    EXPECT_THROW(
        WriteStatisticsCsv(ProgramDir(other.path()), StatisticsTable::Measured, 1, {{"x"}}),
        std::runtime_error);
    EXPECT_EQ(ReadWholeFile(other.path() / "CSVsoubory"), "x");
}

} // namespace
