// The results tables summed in one pass over a store in any order: the
// group latitudes' tables grow with the records, the group positions' months
// and years are kept in tables by their number.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "demo/demo.h"
#include "records/geometry_cache.h"
#include "records/record.h"
#include "results/group_latitudes.h"
#include "results/zone_positions.h"
#include "tests_support/butterfly_records.h"

using namespace hk;
using namespace hk::test;

TEST(ResultsOnePass, LatitudeTablesReachTheLargestRotationAndYearWhereverTheyStand) {
    // The latest drawing stands in the middle of the store, an older one last.
    TZaznam first = RotationRecord("10.03.1915");
    TZaznam latest = RotationRecord("10.03.2025");
    TZaznam last = RotationRecord("10.03.1950");
    AddGroupAt(latest, RecordEphemeris(latest)->L0 + 10, 8, 1);
    AddGroupAt(last, RecordEphemeris(last)->L0 + 10, -6, 2);
    const std::vector<TZaznam> records = {first, latest, last};
    const GeometryCache g = GeometryCache::of(records);
    const GroupLatitudes v = ComputeGroupLatitudes(records, g);

    const int latestIndex = latest.Rotace - first.Rotace + 1;
    const int lastIndex = last.Rotace - first.Rotace + 1;
    EXPECT_EQ(v.rotationCount, lastIndex); // the last record's, not the largest
    EXPECT_EQ(v.rotationTable.size(), std::size_t(latestIndex) + 2);
    EXPECT_EQ(v.rotation(latestIndex).northCount, 1);
    EXPECT_EQ(v.rotation(lastIndex).southCount, 1);
    EXPECT_EQ(v.yearTable.size(), 112u); // year indices 1..111
    EXPECT_GT(v.yearTable[111].northMax, 7.5f);
    EXPECT_LT(v.yearTable[36].southMin, -5.5f);
    // An untouched rotation keeps no extremes.
    EXPECT_EQ(v.rotation(latestIndex + 1).northMin, 0);
    EXPECT_EQ(v.rotation(latestIndex + 1).southMax, 0);
}

TEST(ResultsOnePass, ZoneMonthsAndYearsDoNotDependOnTheStoreOrder) {
    DemoOptions o;
    o.years = 3;
    o.perYear = 120;
    const std::vector<TZaznam> sorted = GenerateDemoRecords(o);
    std::vector<TZaznam> reversed(sorted.rbegin(), sorted.rend());
    // And one drawing of the middle moved to the front.
    std::rotate(reversed.begin(), reversed.begin() + long(reversed.size() / 2),
                reversed.begin() + long(reversed.size() / 2) + 1);
    const GeometryCache gs = GeometryCache::of(sorted);
    const GeometryCache gr = GeometryCache::of(reversed);
    const ZoneSections periods{false, true, true, true};
    for (const char* zurichClass : {"vše", "D"}) {
        const ResultsGrid a = BuildZonePositions(sorted, gs, zurichClass, periods);
        const ResultsGrid b = BuildZonePositions(reversed, gr, zurichClass, periods);
        ASSERT_GT(a.rowCount(), 36u) << zurichClass; // header, months, years, all
        EXPECT_EQ(a.cells, b.cells) << zurichClass;
        // Months ascend: "1 . yyyy" of the earliest year first.
        EXPECT_EQ(a.cells[1][0].substr(0, 4), "1 . ");
        EXPECT_EQ(a.cells.back()[0], "vše");
    }
}
