// The synoptic maps: the rotation list and the record range of a rotation,
// the title dates, the longitude unwrapping of the faculae, the group slots
// with their central-meridian passage, the leaf across the map's edge, the
// legend layout and the strips. A group's pixel is probed on the command
// line's picture (tests/cli/map_cli_test.cpp).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "geometry/calendar.h"
#include "geometry/transforms.h"
#include "maps/map_strips.h"
#include "maps/rotation_index.h"
#include "maps/synoptic_map.h"
#include "records/geometry_cache.h"
#include "records/record.h"
#include "tests_support/butterfly_records.h"
#include "tests_support/records.h"

using namespace hk;

namespace {

// The packed position (whole degrees, whole units) of a point of the disk.
std::uint16_t packedAt(const TZaznam& z, double lon, double lat) {
    const DiskPolar p = HeliographicToPolar(*RecordEphemeris(z), float(lon), float(lat));
    return PackPosition(static_cast<int>(std::lround(p.Angle)) % 360,
                        static_cast<int>(std::lround(p.Dist / 2)));
}

SynopticMap mapOf(const std::vector<TZaznam>& records, int R, int s = 16) {
    const GeometryCache g = GeometryCache::of(records);
    return MakeSynopticMap(records, g, RotationIndex::of(records), R, s);
}

TZaznam rotationL0(int rotation, int l0) {
    TZaznam z{};
    z.Rotace = static_cast<std::uint16_t>(rotation);
    z.L0 = static_cast<std::uint16_t>(l0);
    return z;
}

} // namespace

TEST(MapRange, RangeRunsFromTheLastQuarterOfTheRotationBeforeToTheFirstQuarterAfter) {
    constexpr int R = 2100;
    const std::vector<TZaznam> records = {
        rotationL0(R - 2, 100), rotationL0(R - 1, 200), rotationL0(R - 1, 80),
        rotationL0(R, 300),     rotationL0(R, 10),      rotationL0(R + 1, 300),
        rotationL0(R + 1, 260), rotationL0(R + 1, 100), rotationL0(R + 2, 300)};
    const RotationIndex ix = RotationIndex::of(records);
    EXPECT_EQ(ix.L(), (std::vector<int>{2, 4, 6, 9}));
    EXPECT_EQ(ix.rotations(), (std::vector<int>{R - 1, R, R + 1, R + 2}));
    // Record 1 is not in the list.
    EXPECT_EQ(std::pair(ix.position(R + 1), ix.position(R - 2)), std::pair(2, -1));
    // The last rotation's range runs to the last record.
    EXPECT_EQ(
        std::vector({ix.range(records, R), ix.range(records, R - 1), ix.range(records, R + 1)}),
        (std::vector<RecordRange>{{3, 6}, {2, 4}, {5, 9}}));
    EXPECT_TRUE(ix.range(records, R + 3).empty() && ix.range(records, 1).empty());

    // A rotation skipped in the data ends the range too.
    const std::vector<TZaznam> gap = {rotationL0(R, 300), rotationL0(R, 100),
                                      rotationL0(R + 2, 300)};
    EXPECT_EQ(RotationIndex::of(gap).range(gap, R), (RecordRange{1, 2}));

    // The highest rotation a record can hold is a rotation like the others.
    const std::vector<TZaznam> highest = {rotationL0(0xFFFE, 300), rotationL0(0xFFFF, 300)};
    EXPECT_EQ(RotationIndex::of(highest).range(highest, 0xFFFF), (RecordRange{2, 2}));
}

TEST(MapDates, TitleDatesAndCoronaDayOfARotation) {
    const RotationDates d = MapRotationDates(2285);
    EXPECT_EQ(std::tuple(d.startDate, d.endDate, d.coronaDay),
              std::tuple(Date{2024, 6, 3}, Date{2024, 6, 30}, 30836));
    EXPECT_EQ(MapCaption(2285), "Mapa   03.06.2024 - 30.06.2024");
}

TEST(MapFaculae, AnInvalidVertexRejectsItsWholeField) {
    // The last quarter of the rotation before: longitudes below 180 move on
    // by 360, and beyond about 110 they leave the map's range.
    TZaznam z = test::RecordWithL0({2015, 3, 1}, 40, 50);
    const double L0 = RecordEphemeris(z)->L0;
    z.Skupiny[0].Fakule[0] = packedAt(z, 95, 10);
    z.Skupiny[0].Fakule[1] = packedAt(z, 100, 14);
    z.Skupiny[0].Fakule[2] = packedAt(z, 98, 18);
    z.Skupiny[1].Fakule[0] = packedAt(z, 95, -10);
    z.Skupiny[1].Fakule[1] = packedAt(z, 125, -14); // beyond the range
    z.Skupiny[1].Fakule[2] = packedAt(z, 98, -18);
    z.PocetFakKresleni = 2;
    ASSERT_LT(L0, 90);
    const SynopticMap m = mapOf({z}, z.Rotace + 1);
    ASSERT_EQ(m.faculae.size(), 1u);
    EXPECT_EQ(m.faculae[0].size(), 3u);
    EXPECT_LT(m.faculae[0][0].y, m.gridTop + (m.gridBottom - m.gridTop) / 2); // the northern field
    EXPECT_EQ(m.faculaeCentres.size(), 2u); // centres know no validity
    // A centre lies at the mean of its field's vertices (8 pixels a degree here).
    const SynopticMap big = mapOf({z}, z.Rotace + 1, 64);
    ASSERT_EQ(big.faculae.size(), 1u);
    double x = 0, y = 0;
    for (const MapPoint& p : big.faculae[0])
        x += p.x, y += p.y;
    EXPECT_NEAR(big.faculaeCentres[0].x, x / big.faculae[0].size(), 1.5);
    EXPECT_NEAR(big.faculaeCentres[0].y, y / big.faculae[0].size(), 1.5);
}

TEST(MapGroups, GroupOfThePreviousRotationCountsOnlyWhenItsPassageFallsInTheMap) {
    TZaznam z = test::RecordWithL0({2015, 3, 1}, 30, 60);
    const double L0 = RecordEphemeris(z)->L0;
    // CMD = L0 - longitude: the first group reaches the central meridian
    // only after L0 has passed 0, in the next rotation; the second one has
    // crossed it in this rotation.
    test::AddGroupAt(z, 340, 12, 1);
    test::AddGroupAt(z, L0 + 20, -12, 2);
    const int R = z.Rotace + 1;
    const SynopticMap next = mapOf({z}, R), own = mapOf({z}, R - 1);
    EXPECT_EQ(next.range, (RecordRange{1, 1}));
    ASSERT_EQ(std::pair(next.groups.size(), own.groups.size()), std::pair(1ul, 1ul));
    EXPECT_EQ(std::pair(next.groups[0].slot, own.groups[0].slot), std::pair(1, 2));
}

TEST(MapGroups, GroupsWithoutAValidNumberAreNotDrawn) {
    TZaznam z = test::RecordWithL0({2015, 3, 1}, 150, 160);
    const double L0 = RecordEphemeris(z)->L0;
    test::AddGroupAt(z, L0, 5, 0);
    test::AddGroupAt(z, L0 + 10, 5, 72);
    test::AddGroupAt(z, L0 - 10, 5, 71);
    const SynopticMap m = mapOf({z}, z.Rotace);
    ASSERT_EQ(m.groups.size(), 1u);
    EXPECT_EQ(std::pair(m.groups[0].slot, m.legend.size()), std::pair(71, 2ul));
}

TEST(MapGroups, LeafJoinsTheFirstAuxiliarySpotOnlyWhenTheWrapBringsItNear) {
    struct Row {
        const char* name;
        double l0From, l0To; // L0 of the drawing
        double groupLon, spotLon;
        bool leaf;
        int shift; // spot1Area.x - spot1.x
    };
    // At s = 16 a degree is 2 pixels and the map 721 pixels wide.
    const Row rows[] = {
        {"spot across the right edge", 0, 3, 352, 4, true, -721},
        {"spot across the left edge", 10, 15, 4, 352, true, 721},
        {"spot near on the same side", 190, 200, 200, 190, true, 0},
        {"spot far on the same side", 190, 200, 200, 140, false, 0},
    };
    for (const Row& r : rows) {
        TZaznam z = test::RecordWithL0({2015, 3, 1}, r.l0From, r.l0To);
        TSkupina& g = test::AddGroupAt(z, r.groupLon, 10, 1);
        g.Pomocna1 = packedAt(z, r.spotLon, 11);
        g.Plo1 = 50;
        const std::vector<TZaznam> records = {z};
        const int R =
            MapPassageRotation(*RecordEphemeris(z), GeometryCache::of(records).groups(1)[0].CMD);
        const SynopticMap m = mapOf(records, R);
        ASSERT_EQ(m.groups.size(), 1u) << r.name;
        const MapGroupSymbol& s = m.groups[0];
        ASSERT_TRUE(s.aux1) << r.name;
        EXPECT_EQ(s.leaf, r.leaf) << r.name;
        EXPECT_EQ(s.spot1Area.x - s.spot1.x, r.shift) << r.name;
        if (r.leaf) {
            EXPECT_LT(std::abs(s.spot1Area.x - s.circle.x), 100) << r.name;
            EXPECT_EQ(s.leafPoints[0], (DrawingPoint{s.circle.x, s.circle.y})) << r.name;
        }
    }
}

TEST(MapLegend, EntriesRunByDecreasingLongitudeAndBreakAfter23) {
    TZaznam z = test::RecordWithL0({2015, 3, 1}, 150, 160);
    const double L0 = RecordEphemeris(z)->L0;
    // 30 groups, numbered from east to west, so slot order is not longitude order.
    for (int k = 1; k <= 30; ++k)
        test::AddGroupAt(z, L0 - 60 + 4 * k, (k % 2 ? 10 : -10), k);
    const SynopticMap m = mapOf({z}, z.Rotace);
    ASSERT_EQ(m.legend.size(), 60u);
    double last = 1000;
    for (std::size_t i = 1; i < m.legend.size(); i += 2) {
        const double lon = std::stod(m.legend[i].text);
        EXPECT_LT(lon, last) << "entry " << i / 2 + 1;
        last = lon;
    }
    const MapText &entry23 = m.legend[2 * 22], &entry24 = m.legend[2 * 23];
    EXPECT_EQ(std::tuple(entry23.x, entry24.x, entry24.y - entry23.y),
              std::tuple(30 * 23 - 5, 30 - 5, 30));
    EXPECT_EQ(m.legendCaptions.size(), 4u); // "b" and "l" for two rows
}

// The single map grows with its window until its width or its height (the
// grid, the legend rows it has, 20 units of labels) meets the window's.
TEST(MapScale, FittedMapFillsTheWindowWithTheLegendRowsItHas) {
    for (const int groups : {0, 5, 30}) {
        TZaznam z = test::RecordWithL0({2015, 3, 1}, 150, 160);
        for (int k = 1; k <= groups; ++k)
            test::AddGroupAt(z, RecordEphemeris(z)->L0 - 60 + 4 * k, 10, k);
        const std::vector<TZaznam> records = {z};
        for (const auto& size : {std::pair{1244, 838}, {1884, 892}, {2524, 1252}}) {
            const int w = size.first, h = size.second;
            const SynopticMap m = MakeFittedSynopticMap(records, GeometryCache::of(records),
                                                        RotationIndex::of(records), z.Rotace, w, h);
            const int height = 420 + 30 * (groups == 0 ? 0 : groups <= LegendFirstRow ? 1 : 2);
            auto fits = [&](int s) { return 760 * s <= 16 * w && height * s <= 16 * h; };
            EXPECT_TRUE(fits(m.s) && !fits(m.s + 1)) << groups << " groups " << w;
        }
    }
}

TEST(MapStrips, FitTheWindowPlaceGroupsAndStopAfterTheLastRotation) {
    for (const auto& [w, h] : {std::pair{1280, 1024}, {1920, 1080}, {900, 600}, {2560, 1440}}) {
        const int s = StripScale(w), n = HighMapStripCount(w, h);
        EXPECT_LE(25 * s + 40 * s * n, h) << w << "x" << h;
        EXPECT_GT(25 * s + 40 * s * (n + 1), h - 5) << w << "x" << h;
    }
    EXPECT_EQ(HighMapStripCount(1200, 1030), 25); // (1030 - 30) div 40 at s = 1

    // The strips place groups and stop after the last rotation.
    TZaznam z = test::RecordWithL0({2015, 3, 1}, 150, 160);
    test::AddGroupAt(z, 180, -20, 1);
    test::AddGroupAt(z, 170, 20, 71); // the last slot is placed too
    const std::vector<TZaznam> records = {z};
    const GeometryCache g = GeometryCache::of(records);
    const RotationIndex ix = RotationIndex::of(records);
    // High map at s = 2: longitude 180 in the middle of 960 pixels, latitude
    // -20 ten pixels below the equator.
    const StripView high = MakeStripView(records, g, ix, z.Rotace, 14, StripKind::High, 2, true);
    ASSERT_EQ(high.strips.size(), 1u);
    ASSERT_EQ(high.strips[0].groups.size(), 2u);
    EXPECT_NEAR(high.strips[0].groups[0].x, 480, 1);
    EXPECT_NEAR(high.strips[0].groups[0].y, 10, 1);
    // 16 long strips at s = 2 need 1920 pixels besides the labels.
    EXPECT_EQ(std::pair(LongMapScale(1500), LongMapScale(2000)), std::pair(1, 2));
    EXPECT_EQ(MakeStripView(records, g, ix, z.Rotace, 16, StripKind::Long, 1, false).strips.size(),
              16u);
    const StripView two = MakeTwoMapView(records, g, ix, z.Rotace, 3);
    ASSERT_EQ(two.strips.size(), 2u);
    EXPECT_EQ(two.strips[1].rotation, z.Rotace + 1);
    // Before the last rotation, the second map is the next rotation drawn.
    // (The list of rotations starts at the second record.)
    const std::vector<TZaznam> later = {test::RecordWithL0({2015, 1, 1}, 150, 160), z,
                                        test::RecordWithL0({2015, 6, 1}, 150, 160)};
    ASSERT_GT(later[2].Rotace, z.Rotace + 1);
    EXPECT_EQ(MakeTwoMapView(later, GeometryCache::of(later), RotationIndex::of(later), z.Rotace, 3)
                  .strips[1]
                  .rotation,
              later[2].Rotace);
}
