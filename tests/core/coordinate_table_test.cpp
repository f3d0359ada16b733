#include <gtest/gtest.h>

#include <set>

#include "drawing/coordinate_table.h"

using namespace hk;

namespace {

struct MonthTexts {
    std::set<int> valueRows;       // rows with an L0 value
    std::vector<TableText> starts; // rotation starts, in page order
};

// What the month's block of its page holds.
MonthTexts monthTexts(const CoordinateYear& year, int month) {
    const int m = (month - 1) % CoordinateTableMonthsPerPage + 1;
    MonthTexts out;
    for (const TableText& t : MakeCoordinateTablePage(year, (month - 1) / 4).texts) {
        if (t.align == TableAlign::Right && t.x == L0ColumnRight(m))
            out.valueRows.insert((t.y - TableTop) / TableRowHeight);
        if (t.y >= TableRowY(FirstStartRow) && t.x >= FirstDayStartLeft(m) &&
            t.x <= StartColumnLeft(m))
            out.starts.push_back(t);
    }
    return out;
}

TEST(CoordinateTable, OneRowPerDayOfEachMonth) {
    const struct {
        int year, month, days;
    } rows[] = {{2024, 2, 29}, {2023, 2, 28}, {2024, 6, 30}, {2024, 10, 31}};
    for (const auto& r : rows) {
        std::set<int> expected;
        for (int d = 1; d <= r.days; ++d)
            expected.insert(d);
        EXPECT_EQ(monthTexts(MakeCoordinateYear(r.year), r.month).valueRows, expected)
            << r.month << "." << r.year;
    }
}

// Each start as "text x row".
std::vector<std::string> starts(int year, int month) {
    std::vector<std::string> out;
    for (const TableText& t : monthTexts(MakeCoordinateYear(year), month).starts)
        out.push_back(t.text + " " + std::to_string(t.x) + " " +
                      std::to_string((t.y - TableTop) / TableRowHeight));
    return out;
}

TEST(CoordinateTable, RotationStartsOnTheirRows) {
    using V = std::vector<std::string>;
    EXPECT_EQ(starts(2026, 3), V{"20- 2309 550 34"}); // block 3: x = 200 * 3 - 50
    // Two starts, the second with the lower L0 (349.1 after 357.7).
    EXPECT_EQ(starts(2028, 1), (V{"3- 2333 150 34", "31- 2334 150 35"}));
    // A start on the 1st in block 4: x = 200 * 4 - 130.
    EXPECT_EQ(starts(2025, 12), (V{"1- 2305 670 34", "28- 2306 750 35"}));
}

TEST(CoordinateTable, EveryRotationStartsOnceAcrossPagesAndYears) {
    int previous = 0;
    for (int year = 2018; year <= 2032; ++year) {
        const CoordinateYear y = MakeCoordinateYear(year);
        ASSERT_EQ(y.days.size(), IsLeapYear(year) ? 366u : 365u);
        std::multiset<std::string> shown;
        for (int month = 1; month <= 12; ++month)
            for (const TableText& t : monthTexts(y, month).starts)
                shown.insert(t.text);
        ASSERT_EQ(shown.size(), y.starts.size()) << year;
        for (const RotationStart& s : y.starts) {
            if (previous != 0) {
                EXPECT_EQ(s.CarrRotation, previous + 1) << FormatDatum(s.date);
            }
            previous = s.CarrRotation;
            const std::string label =
                std::to_string(s.date.day) + "- " + std::to_string(s.CarrRotation);
            EXPECT_EQ(shown.count(label), 1u) << FormatDatum(s.date);
        }
    }
}

} // namespace

TEST(CoordinateTable, YearAndScaleTextsAndMonthNames) {
    EXPECT_EQ(ParseTableYear("2020"), 2020);
    EXPECT_EQ(ParseTableYear("1583"), 1583);
    EXPECT_FALSE(ParseTableYear("1582"));
    EXPECT_FALSE(ParseTableYear("20a0"));
    EXPECT_EQ(ParseTableScale("1000"), 1000);
    EXPECT_FALSE(ParseTableScale("1001"));
    EXPECT_EQ(MonthName(1), "leden");
    EXPECT_EQ(MonthName(12), "prosinec");
    EXPECT_EQ(MonthName(0), "");
}
