// Geometry of the drawing: scale, group circles, grid, leaves and the mouse
// read-outs.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "drawing/coordinate_table.h"
#include "drawing/disk_grid.h"
#include "drawing/drawing_readout.h"
#include "drawing/drawing_scale.h"
#include "drawing/group_layout.h"
#include "drawing/leaf.h"
#include "tests_support/records.h"

using namespace hk;
using namespace hk::test_records;

namespace {

TEST(DrawingScale, DiskBoundingBox) {
    const struct {
        int width, zoomK, diskLeft, diskRight;
    } rows[] = {{800, 14, 26, 463}, {1233, 21, 39, 695}, {799, 13, 24, 430}};
    for (const auto& c : rows) {
        const DrawingScale s{DrawingScale::ZoomForWidth(c.width)};
        EXPECT_EQ(s.zoomK, c.zoomK) << c.width;
        EXPECT_EQ(s.xy(30), c.diskLeft) << c.width;
        EXPECT_EQ(s.xy(530), c.diskRight) << c.width;
    }
}

TEST(GroupCircles, CentreAndRadius) {
    const struct {
        const char* name;
        int angle, distance, area, smallSpots, orientEW, orientNS;
        int centreX, centreY, radius;
    } rows[] = {
        // Trunc(sqrt(1000 * 0.3565) * 0.5) = 9.
        {"east limb right", 900, 1250, 1000, 0, 1, 1, 530, 280, 9},
        {"east limb mirrored left", 900, 1250, 1000, 0, -1, 1, 30, 280, 9},
        {"north up", 0, 1000, 0, 0, 1, 1, 280, 80, 0},
        {"north mirrored down", 0, 1000, 0, 0, 1, -1, 280, 480, 0},
        {"centre, zero area", 0, 0, 0, 0, 1, 1, 280, 280, 0},
        // 100 + 153 = 253 -> Trunc(sqrt(253 * 0.3565) * 0.5) = 4.
        {"small spots count", 0, 0, 100, 10, 1, 1, 280, 280, 4},
    };
    for (const auto& c : rows) {
        TZaznam z = Record("01.03.2014");
        AddGroup(z, "Dkc", c.angle, c.distance, c.area).MalS = std::uint16_t(c.smallSpots);
        const auto circles = ComputeGroupCircles(z, c.orientEW, c.orientNS);
        EXPECT_EQ(std::pair(circles[0].R, GroupRadius(z.Skupiny[0])), std::pair(c.radius, c.radius))
            << c.name;
        EXPECT_NEAR(circles[0].centre().x, c.centreX, 1) << c.name;
        EXPECT_NEAR(circles[0].centre().y, c.centreY, 1) << c.name;
        EXPECT_EQ(circles[1].R, 0) << c.name; // entries past the count stay empty
    }
}

TEST(AuxSpots, PlacedFromThePackedPosition) {
    EXPECT_FALSE(PlaceAuxSpot(0, 100, 1, 1));
    const auto spot = PlaceAuxSpot(PackPosition(180, 50), 1000, 1, 1);
    ASSERT_TRUE(spot);
    EXPECT_NEAR(spot->centre.x, 280, 1);
    EXPECT_NEAR(spot->centre.y, 380, 1); // south, 100 pixels
    EXPECT_EQ(spot->radius, 9);
}

TEST(DiskGrid, EquatorIsHorizontalWithoutTilt) {
    const Ephemeris e{0, 0, 100, 2000};
    const DiskGrid g = ComputeDiskGrid(e, 1, 1);
    ASSERT_EQ(g.parallels.size(), 9u);
    const auto& equator = g.parallels[4];
    ASSERT_EQ(equator.size(), 181u);
    for (const auto& p : equator)
        ASSERT_EQ(p.y, 280);
    // m = -90: east limb on the right. The first parallel is latitude 40
    // north, 250 * sin(40) = 161 above the centre; the last is 40 south.
    EXPECT_EQ(std::vector<int>({equator.front().x, equator.back().x, g.parallels[0][90].y,
                                g.parallels[8][90].y}),
              std::vector<int>({530, 30, 280 - 161, 280 + 161}));
}

TEST(DiskGrid, ZeroMeridianShownWhenFacingTheObserverAndAtL0EightyEast) {
    for (const auto& [l0, visible] :
         {std::pair{100.0, false}, {80.0, true}, {280.0, true}, {0.0, true}}) {
        const Ephemeris e{0, 0, l0, 2000};
        EXPECT_EQ(ZeroMeridianVisible(e.L0), visible) << l0;
        EXPECT_EQ(ComputeDiskGrid(e, 1, 1).zeroMeridian.empty(), !visible) << l0;
    }
    const DiskGrid g = ComputeDiskGrid(Ephemeris{0, 0, 80, 2000}, 1, 1);
    ASSERT_EQ(g.zeroMeridian.size(), 167u);
    // On the equator the meridian is 80 degrees east of the centre.
    EXPECT_NEAR(g.zeroMeridian[83].x, 280 + 250 * std::sin(80 * M_PI / 180), 1);
    EXPECT_EQ(ComputeDiskGrid(Ephemeris{0, 0, 80, 2000}, -1, 1).zeroMeridian[83].x,
              560 - g.zeroMeridian[83].x);
}

TEST(PlaceLeaf, RunsFromStartToEnd) {
    const struct {
        int x1, y1, x2, y2;
    } rows[] = {{100, 100, 200, 100}, {10, 10, 10, 110}, {50, 60, 130, 0}};
    for (const auto& c : rows) {
        SCOPED_TRACE(testing::Message() << c.x2 << "," << c.y2);
        const LeafPoints p = PlaceLeaf(c.x1, c.y1, c.x2, c.y2);
        EXPECT_EQ(p[0], (DrawingPoint{c.x1, c.y1}));
        EXPECT_EQ(p[12], (DrawingPoint{c.x1, c.y1}));
        EXPECT_NEAR(p[6].x, c.x2, 1);
        EXPECT_NEAR(p[6].y, c.y2, 1);
        // The widest points lie 0.21 of the length either side of the axis.
        const double len = std::hypot(c.x2 - c.x1, c.y2 - c.y1);
        auto side = [&](DrawingPoint q) {
            return ((c.x2 - c.x1) * (q.y - c.y1) - (c.y2 - c.y1) * (q.x - c.x1)) / len;
        };
        EXPECT_NEAR(std::abs(side(p[3])), 0.21 * len, 1.5);
        EXPECT_NEAR(side(p[3]), -side(p[9]), 1.5);
    }
    // Zero length collapses to the point.
    for (const auto& p : PlaceLeaf(40, 50, 40, 50))
        EXPECT_EQ(p, (DrawingPoint{40, 50}));
}

TEST(ClickReadout, EastFollowsTheOrientationAndTextIsCut) {
    const Ephemeris e{0, 0, 100, 2000};
    const DrawingScale s{16}; // 1:1, disk radius 250 pixels
    // 200 pixels right of the centre: 53.13 degrees east with east on the right.
    const auto right = ClickReadout(e, s, 480, 280, 1, 1);
    const auto mirrored = ClickReadout(e, s, 480, 280, -1, 1);
    const auto centre = ClickReadout(e, s, 280, 280, 1, 1);
    ASSERT_TRUE(right && mirrored && centre);
    EXPECT_NEAR(right->CMD, 53.130, 0.01);
    EXPECT_NEAR(mirrored->CMD, -53.130, 0.01);
    EXPECT_FALSE(ClickReadout(e, s, 280 + 251, 280, 1, 1)); // outside the disk
    EXPECT_NEAR(right->Lon, 46.870, 0.01);
    EXPECT_NEAR(centre->Lon, 100, 1e-6);
    // The text is cut to five characters.
    EXPECT_EQ(ClickReadoutText({0, -12.34, 123.46}), "123.5 , -12.3");
    EXPECT_EQ(ClickReadoutText({0, 5.04, 7.0}), "7.0 , 5.0");
}

TEST(AngularDistance, FromTheStartPoint) {
    const double rs = 218.75;
    EXPECT_EQ(AngularDistance({57.3, -120.2}, {57.3, -120.2}, rs), 0.0);
    EXPECT_NEAR(AngularDistance({0, 0}, {rs / 2, 0}, rs), 30.0, 0.001);
    EXPECT_NEAR(AngularDistance({0, rs / 2}, {0, 0}, rs), 30.0, 0.001);
    // From the limb to the centre is a quarter circle, not nothing.
    EXPECT_NEAR(AngularDistance({0, 100}, {0, 0}, 100), 90.0, 0.001);
    // A start outside the disk reads as the limb instead of failing.
    EXPECT_TRUE(std::isfinite(AngularDistance({rs * 1.2, 0}, {0, 0}, rs)));
}

TEST(AuxSpotDistance, GroupAtTheCentre) {
    TSkupina s{};
    EXPECT_FALSE(AuxSpotDistance(s));
    s.Pomocna1 = PackPosition(90, 50);
    ASSERT_TRUE(AuxSpotDistance(s));
    EXPECT_NEAR(*AuxSpotDistance(s), std::asin(0.4) * 57.2957, 1e-6);
    s.Uhel = 900;
    s.Vzd = 500; // the group on the spot: 0 degrees
    EXPECT_NEAR(*AuxSpotDistance(s), 0, 1e-6);
}

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

TEST(CoordinateTable, YearAndScaleTextsAndMonthNames) {
    EXPECT_EQ(
        std::vector({ParseTableYear("2020"), ParseTableYear("1583"), ParseTableYear("1582"),
                     ParseTableYear("20a0"), ParseTableScale("1000"), ParseTableScale("1001")}),
        (std::vector<std::optional<int>>{2020, 1583, {}, {}, 1000, {}}));
    EXPECT_EQ(std::vector({MonthName(1), MonthName(12), MonthName(0)}),
              (std::vector<std::string_view>{"leden", "prosinec", ""}));
}

} // namespace
