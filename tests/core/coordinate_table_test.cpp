#include <gtest/gtest.h>

#include <map>
#include <set>

#include "drawing/coordinate_table.h"

using namespace hk;

namespace {

// Block (1..4) of a month on its page.
int block(int month) {
    return (month - 1) % CoordinateTableMonthsPerPage + 1;
}

const CoordinateTablePage& pageOf(int year, int month) {
    static std::map<std::pair<int, int>, CoordinateTablePage> pages;
    const int page = (month - 1) / CoordinateTableMonthsPerPage;
    auto [it, added] = pages.try_emplace({year, page});
    if (added) it->second = MakeCoordinateTablePage(MakeCoordinateYear(year), page);
    return it->second;
}

// The rows that hold an L0 value in the month's block.
std::set<int> valueRows(int year, int month) {
    std::set<int> rows;
    for (const TableText& t : pageOf(year, month).texts)
        if (t.align == TableAlign::Right && t.x == L0ColumnRight(block(month)))
            rows.insert((t.y - TableTop) / TableRowHeight);
    return rows;
}

// The rotation starts written in the month's block, with their places.
std::vector<TableText> startTexts(int year, int month) {
    std::vector<TableText> out;
    const int m = block(month);
    for (const TableText& t : pageOf(year, month).texts)
        if (t.y >= TableRowY(FirstStartRow) && t.x >= FirstDayStartLeft(m) &&
            t.x <= StartColumnLeft(m))
            out.push_back(t);
    return out;
}

struct MonthRows {
    const char* name;
    int year, month, days;
};

class CoordinateTableRows : public ::testing::TestWithParam<MonthRows> {};

TEST_P(CoordinateTableRows, OneRowPerDayOfTheMonth) {
    const MonthRows& r = GetParam();
    std::set<int> expected;
    for (int d = 1; d <= r.days; ++d)
        expected.insert(d);
    EXPECT_EQ(valueRows(r.year, r.month), expected);
}

INSTANTIATE_TEST_SUITE_P(Months, CoordinateTableRows,
                         ::testing::Values(MonthRows{"LeapFebruary", 2024, 2, 29},
                                           MonthRows{"CommonFebruary", 2023, 2, 28},
                                           MonthRows{"CenturyFebruary", 1900, 2, 28},
                                           MonthRows{"QuadricentennialFebruary", 2000, 2, 29},
                                           MonthRows{"LeapJune", 2024, 6, 30},
                                           MonthRows{"LeapOctober", 2024, 10, 31}),
                         [](const auto& info) { return std::string(info.param.name); });

struct Start {
    std::string text;
    int x, row;
};

struct MonthStarts {
    const char* name;
    int year, month;
    std::vector<Start> starts;
};

class CoordinateTableStarts : public ::testing::TestWithParam<MonthStarts> {};

TEST_P(CoordinateTableStarts, WrittenOnTheirRows) {
    const MonthStarts& r = GetParam();
    const std::vector<TableText> texts = startTexts(r.year, r.month);
    ASSERT_EQ(texts.size(), r.starts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(texts[i].text, r.starts[i].text);
        EXPECT_EQ(texts[i].x, r.starts[i].x) << texts[i].text;
        EXPECT_EQ(texts[i].y, TableRowY(r.starts[i].row)) << texts[i].text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Months, CoordinateTableStarts,
    ::testing::Values(
        MonthStarts{"OneStart", 2026, 3, {{"20- 2309", StartColumnLeft(3), FirstStartRow}}},
        // The second start's L0 (349.1) lies below the first one's (357.7).
        MonthStarts{"SecondStartLower",
                    2028,
                    1,
                    {{"3- 2333", StartColumnLeft(1), FirstStartRow},
                     {"31- 2334", StartColumnLeft(1), LateStartRow}}},
        MonthStarts{"StartOnTheFirst",
                    2025,
                    12,
                    {{"1- 2305", FirstDayStartLeft(4), FirstStartRow},
                     {"28- 2306", StartColumnLeft(4), LateStartRow}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CoordinateTable, EveryRotationStartsOnceAcrossPagesAndYears) {
    int previous = 0;
    for (int year = 2018; year <= 2032; ++year) {
        const CoordinateYear y = MakeCoordinateYear(year);
        ASSERT_EQ(y.days.size(), IsLeapYear(year) ? 366u : 365u);
        std::multiset<std::string> shown;
        for (int page = 0; page < CoordinateTablePages; ++page)
            for (int month = page * 4 + 1; month <= page * 4 + 4; ++month)
                for (const TableText& t : startTexts(year, month))
                    shown.insert(t.text);
        ASSERT_EQ(shown.size(), y.starts.size()) << year;
        for (const RotationStart& s : y.starts) {
            if (previous != 0) {
                EXPECT_EQ(s.CarrRotation, previous + 1) << FormatDatum(s.date);
            }
            previous = s.CarrRotation;
            EXPECT_EQ(
                shown.count(std::to_string(s.date.day) + "- " + std::to_string(s.CarrRotation)), 1u)
                << FormatDatum(s.date);
        }
    }
}

TEST(CoordinateTable, InputsAndNames) {
    EXPECT_EQ(ParseTableYear("2026"), 2026);
    EXPECT_EQ(ParseTableScale(" 32 "), 32);
    for (const char* bad : {"", "20x6", "1582", "10000", "-2026", " 2026"})
        EXPECT_FALSE(ParseTableYear(bad)) << bad;
    for (const char* bad : {"", "0", "-16", "+16", "16.5", "1001", "abc", "99999999999"})
        EXPECT_FALSE(ParseTableScale(bad)) << bad;
    EXPECT_EQ(CoordinateTableImageName(2012, 0), "Souřadnice 2012 1 - 4.bmp");
    EXPECT_EQ(CoordinateTableImageName(2026, 2, ".pdf"), "Souřadnice 2026 9 - 12.pdf");
}

} // namespace
