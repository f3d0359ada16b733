// The butterfly diagram's tables: the rotation of the central-meridian
// passage, the smoothing span, the marks per group number, the corona loader
// and columns, the supplementary block, the magn.dat cells and the rotation
// table.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <tuple>

#include "demo/demo.h"
#include "geometry/calendar.h"
#include "graphs/butterfly_model.h"
#include "graphs/corona.h"
#include "graphs/magn_dat.h"
#include "graphs/supplementary_data.h"
#include "io/atomic_file.h"
#include "records/geometry_cache.h"
#include "records/record.h"
#include "results/group_latitudes.h"
#include "results/month_sums.h"
#include "results/rotation_table.h"
#include "tests_support/butterfly_records.h"
#include "tests_support/temp_dir.h"

using namespace hk;
using namespace hk::test;

namespace {

GroupLatitudes tables(const std::vector<TZaznam>& records) {
    const GeometryCache g = GeometryCache::of(records);
    return ComputeGroupLatitudes(records, g);
}

} // namespace

TEST(GroupLatitudes, GroupPastLongitude270WithSmallL0CountsInTheNextRotation) {
    TZaznam z = RecordWithL0({2015, 3, 1}, 20, 40);
    const double L0 = RecordEphemeris(z)->L0;
    AddGroupAt(z, L0 - 50 + 360, 15, 1); // west of the meridian, longitude above 270
    AddGroupAt(z, L0 + 20, -12, 2);      // an ordinary group of the same rotation
    const GroupLatitudes v = tables({z});
    EXPECT_EQ(std::vector<int>({v.rotationCount, v.rotation(1).northCount, v.rotation(1).southCount,
                                v.rotation(2).northCount}),
              std::vector<int>({1, 0, 1, 1}));
    EXPECT_EQ(std::pair(CentralMeridianRotation(5, 80, 300), CentralMeridianRotation(5, 200, 100)),
              std::pair(4, 5));
}

TEST(GroupLatitudes, SmoothingNeedsSixRotationsAndExtremesAreReset) {
    struct Row {
        const char* name;
        int rotations;
        int smoothedFrom, smoothedTo; // 0, -1: none
    };
    for (const Row& row : {Row{"five", 5, 0, -1}, Row{"six", 6, 3, 3}, Row{"nine", 9, 3, 6}}) {
        SCOPED_TRACE(row.name);
        std::vector<TZaznam> records;
        for (int i = 0; i < row.rotations; ++i) {
            const std::string day =
                FormatDatum(DateFromSerial(DaySerial({2014, 1, 5}) + 27 * i + i / 3));
            TZaznam z = RotationRecord(day.c_str());
            AddGroupAt(z, RecordEphemeris(z)->L0, 10 + i, 1);
            records.push_back(z);
        }
        // Rotation index from the records' own rotation numbers.
        for (std::size_t i = 0; i < records.size(); ++i)
            records[i].Rotace = static_cast<std::uint16_t>(records[0].Rotace + i);
        const GroupLatitudes v = tables(records);
        ASSERT_EQ(v.rotationCount, row.rotations);
        for (int r = 0; r <= row.rotations; ++r) {
            const bool expected = r >= row.smoothedFrom && r <= row.smoothedTo;
            EXPECT_EQ(v.smoothed(r)[0] != 0, expected) << "r = " << r;
        }
        // No southern groups: the southern extremes and year bounds are 0, not -1000 / -100.
        EXPECT_EQ(std::pair(double(v.rotation(1).southMax), double(v.yearTable[1].southMax)),
                  std::pair(0.0, 0.0));
        EXPECT_EQ(v.rotation(1).northMin, v.rotation(1).northMax);
    }
}

TEST(ButterflyModel, OneMarkPerGroupNumberAndRotationOnlyForNumbers1To70) {
    TZaznam a = RotationRecord("10.03.2015");
    TZaznam b = RotationRecord("12.03.2015");
    b.Rotace = a.Rotace;
    const double L0a = RecordEphemeris(a)->L0, L0b = RecordEphemeris(b)->L0;
    AddGroupAt(a, L0a + 10, 12, 7);
    AddGroupAt(b, L0a + 10, 14, 7);  // the same group two days later
    AddGroupAt(b, L0b, -20, 0);      // no group number: counted, never drawn
    AddGroupAt(b, L0b - 10, 30, 71); // nor past the 70 numbers of a rotation
    a.PocetFakKresleni = 1;          // a faculae field not drawn yet: no facula
    const std::vector<TZaznam> records{a, b};
    const GeometryCache g = GeometryCache::of(records);
    const ButterflyModel m =
        MakeButterflyModel(records, g, std::vector<std::uint8_t>(25000, 0), {});
    ASSERT_EQ(m.marks.size(), 1u);
    const int vs = 3;
    const int expected =
        (static_cast<int>(std::trunc(vs * static_cast<float>(g.groups(1)[0].Lat))) +
         static_cast<int>(std::trunc(vs * static_cast<float>(g.groups(2)[0].Lat)))) /
        2;
    EXPECT_EQ(m.marks[0].m[vs - 1], expected);
    EXPECT_EQ(m.latitudes.rotation(1).southCount, 1); // the unnumbered group counts in the tables
    EXPECT_TRUE(m.faculae.empty());
}

// Marks come in order of rotation and group number whether the rotations lie
// close together or far apart (damaged numbers).
TEST(ButterflyModel, MarksByRotationThenGroupNumberForCloseAndFarRotations) {
    for (const int far : {0, 1}) {
        // Rotation offsets in store order, not sorted; far apart they span
        // tens of thousands of rotations.
        const int offsets[] = {0, 3 + far * 50000, 1, 3 + far * 50000, 2 + far * 20000, 1};
        std::vector<TZaznam> rs;
        int day = 1;
        for (const int offset : offsets) {
            const std::string date = "0" + std::to_string(day++) + ".03.2015";
            TZaznam z = RotationRecord(date.c_str());
            const double L0 = RecordEphemeris(z)->L0;
            z.Rotace = static_cast<std::uint16_t>(1000 + offset);
            // Group numbers out of order; the latitude tells the number.
            for (const int number : {9, 2, 5})
                AddGroupAt(z, L0, 4 * number + 0.5, number);
            rs.push_back(z);
        }
        const ButterflyModel m =
            MakeButterflyModel(rs, GeometryCache::of(rs), std::vector<std::uint8_t>(25000, 0), {});
        ASSERT_EQ(m.marks.size(), 4u * 3u) << far; // four rotations, three numbers each
        for (std::size_t i = 0; i < m.marks.size(); ++i) {
            const ButterflyMark& k = m.marks[i];
            const int number = i % 3 == 0 ? 2 : i % 3 == 1 ? 5 : 9;
            EXPECT_EQ(k.m[0], 4 * number) << far << " " << i;
            const int rotations[] = {1, 2, 3 + far * 20000, 4 + far * 50000};
            EXPECT_EQ(k.r, rotations[i / 3]) << far << " " << i;
        }
    }
}

TEST(corona, LoaderKeepsTheFirstSixAndTheLastSeventyTwoColumns) {
    std::string wide = "1 2003 1 2 5 6";
    for (int c = 7; c <= 80; ++c)
        wide += " " + std::to_string(c);
    std::string exact = "1 103 1 3 0 0";
    for (int c = 7; c <= 78; ++c)
        exact += "\t" + std::to_string(c + 100);
    CoronaTable t;
    ASSERT_EQ(AppendCoronaYear(wide + "\r\n" + exact + "\r\n\r\n1 0 0 0 9\r\n1 50 5 5\r\n", t),
              CoronaYearRead::Whole);
    ASSERT_EQ(t.rows(), 2u);
    EXPECT_EQ(t.coronaLength, 2 * CoronaRowBytes);
    // Years from 1900, then the columns 9..80 of the wide line and 7..78 of
    // the exact one (nothing lost), then nothing past the last day.
    EXPECT_EQ(std::vector<int>({t.coronaBytes[1], t.coronaBytes[78 + 1], t.coronaBytes[5]}),
              std::vector<int>({103, 103, 6}));
    EXPECT_EQ(std::vector<int>({t.value(0, 1), t.value(0, 72), t.value(1, 1), t.value(1, 72),
                                t.value(2, 1), t.value(1000000, 5)}),
              std::vector<int>({9, 80, 107, 178, 0, 0}));

    CoronaTable bad;
    EXPECT_EQ(AppendCoronaYear(exact + "\r\n1 103 1 x\r\n" + exact, bad), CoronaYearRead::BadValue);
    EXPECT_EQ(bad.rows(), 1u);
    // A year holds 366 days at most, however many lines the file has.
    std::string ones;
    for (int i = 0; i < 1000; ++i)
        ones += "1 0 1 1\r"; // 1 January 1900: a year column of 0 is read
    CoronaTable many;
    EXPECT_EQ(AppendCoronaYear(ones, many), CoronaYearRead::TooManyDays);
    EXPECT_EQ(many.rows(), CoronaMaxDays);
}

TEST(corona, ColumnGreyIs255LessTheTwoLimbsOfTheBand) {
    CoronaTable t;
    std::string text;
    for (int d = 1; d <= 60; ++d) {
        text += "1 41 1 " + std::to_string(d) + " 0 0";
        for (int k = 1; k <= 72; ++k)
            text +=
                " " + std::to_string(k <= 36 ? 40 : 30 + (d % 2) * 2); // mean 31 on the west limb
        text += "\r\n";
    }
    ASSERT_EQ(AppendCoronaYear(text, t), CoronaYearRead::Whole);
    const std::vector<CoronaColumn> c = CoronaColumns(t);
    ASSERT_FALSE(c.empty());
    // Column 0 averages day rows 28..54 (days 29..55): east 40, west
    // (14 * 32 + 13 * 30) div 27 = 31. Past the table every band reads white.
    EXPECT_EQ(std::vector<int>({c[0][0], c[0][35], c.back()[10]}),
              std::vector<int>({255 - 71, 255 - 71, 255}));
}

TEST(SupplementaryData, RotationsStartAt1266AndAdvanceAt255) {
    // Spots: 10, the next rotation, -15, and 100 degrees (never drawn). The
    // faculae part starts with a field of 1266 and ends with the lowest value
    // of a faculae field (31).
    std::vector<std::uint8_t> block(25000, 0);
    const std::pair<int, int> bytes[] = {{0, 128 + 10},  {1, 255},         {2, 128 - 15},
                                         {3, 128 + 100}, {15000, 128 + 5}, {20000, 128 + 7},
                                         {15001, 255},   {15002, 128 + 6}, {20002, 128 + 9},
                                         {15003, 31},    {20003, 100}};
    for (const auto& [at, value] : bytes)
        block[std::size_t(at)] = std::uint8_t(value);
    const SupplementaryRotations d = DecodeSupplementaryData(block);
    ASSERT_TRUE(d.present);
    ASSERT_EQ(d.spots.size(), 2u); // neither the zero bytes nor the faculae are latitudes
    EXPECT_EQ(std::vector<int>(
                  {d.spots[0].rotation, d.spots[0].width, d.spots[1].rotation, d.spots[1].width}),
              std::vector<int>({1266, 10, 1267, -15}));
    ASSERT_EQ(d.faculae.size(), 3u);
    EXPECT_EQ(
        std::vector<int>({d.faculae[0].rotation, d.faculae[1].rotation, d.faculae[1].upper - 128}),
        std::vector<int>({1266, 1267, 9}));
    block[0] = 0;
    EXPECT_FALSE(DecodeSupplementaryData(block).present);
}

// The model reads only the groups of the cache: its faculae are those of the
// cached vertices, and the runs of records on several threads join into the
// model of one run.
TEST(ButterflyModel, FaculaeOfTheCachedVerticesAndTheSameModelFromAnyRuns) {
    const std::vector<TZaznam> records =
        GenerateDemoRecords({.years = 2, .perYear = 150, .endDate = {2014, 12, 31}});
    GeometryCache groups;
    groups.rebuild(records, 1, GeometryDetail::Groups);
    const ButterflyModel one = MakeButterflyModel(records, groups, {}, {}, 1);
    using Facula = std::tuple<int, double, int, int>;
    std::vector<Facula> expected;
    const GeometryCache points = GeometryCache::of(records);
    for (int i = 1; i <= static_cast<int>(records.size()); ++i) {
        const TZaznam& z = records[std::size_t(i - 1)];
        const RecordGeometry& rg = points.record(i);
        if (IsSpecialRecord(z) || !rg.ephemeris) continue;
        for (int k = 0; k < rg.faculaeFields; ++k) {
            if (z.Skupiny[k].Fakule[0] == 0) continue;
            const auto lat = [&](int j) {
                return static_cast<int>(std::trunc(2.0 * points.faculaeVertex(i, k, j).Lat));
            };
            int lmax = lat(0), lmin = lat(0);
            for (int j = 1; j < FaculaeVertexCount && z.Skupiny[k].Fakule[j] != 0; ++j)
                lmax = std::max(lmax, lat(j)), lmin = std::min(lmin, lat(j));
            expected.emplace_back(
                z.Rotace, 360.0 - rg.ephemeris->L0 + points.faculaeVertex(i, k, 0).CMD, lmax, lmin);
        }
    }
    const auto faculae = [](const ButterflyModel& m) {
        std::vector<Facula> all;
        for (const ButterflyFacula& f : m.faculae)
            all.emplace_back(f.rotation, f.a, f.lmax, f.lmin);
        return all;
    };
    std::vector<Facula> found = faculae(one);
    ASSERT_GT(expected.size(), 100u);
    std::sort(expected.begin(), expected.end());
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, expected);

    const ButterflyModel three = MakeButterflyModel(records, groups, {}, {}, 3);
    const auto marks = [](const ButterflyModel& m) {
        std::vector<std::pair<int, std::array<int, LatitudeScaleMax>>> all;
        for (const ButterflyMark& k : m.marks)
            all.emplace_back(k.r, k.m);
        return all;
    };
    const auto merged = [](const ButterflyModel& m) {
        std::vector<std::tuple<int, std::uint32_t, std::uint32_t, int, int>> all;
        for (const FaculaeColumn& c : m.faculaeColumns)
            for (std::uint32_t j = c.mergedFrom; j < c.mergedTo; ++j)
                all.emplace_back(c.key, c.rawFrom, c.rawTo, m.faculaeMerged[j].lmax,
                                 m.faculaeMerged[j].lmin);
        return all;
    };
    EXPECT_FALSE(marks(one).empty());
    EXPECT_EQ(marks(three), marks(one));
    EXPECT_EQ(faculae(three), faculae(one));
    EXPECT_EQ(merged(three), merged(one));
}

// The time axis holds every mark of the records with a few rotations to
// spare from a round rotation (from 1200 with the supplementary data), and
// the fitted scale fills a window's width.
TEST(ButterflyAxis, SpansTheRecordsRotationsAndFitsTheWidth) {
    const std::vector<TZaznam> records =
        GenerateDemoRecords({.years = 3, .perYear = 100, .endDate = {2026, 12, 6}});
    std::vector<std::uint8_t> block(25000, 0);
    block[0] = 128 + 10; // a spot mark of rotation 1266
    const ButterflyModel m = MakeButterflyModel(records, GeometryCache::of(records), block, {});
    const ButterflyAxis own = ButterflyAxisOf(m, false);
    EXPECT_EQ(own.start % 10, 0);
    for (const ButterflyMark& k : m.marks) {
        EXPECT_LE(own.start, m.firstRotation + k.r - 1 - ButterflyAxisMargin);
        EXPECT_GE(own.end, m.firstRotation + k.r - 1 + ButterflyAxisMargin);
    }
    EXPECT_LT(own.rotations(), 3 * 14 + 2 * ButterflyAxisMargin + 10);
    EXPECT_EQ(ButterflyAxisOf(m, true).start, 1200);
    for (const int width : {300, 1244, 1848, 2500}) {
        const int hs = ButterflyFittedRotationScale(own, width),
                  used = 50 + (own.rotations() + 1) * hs;
        EXPECT_TRUE(hs == 1 || used <= width) << width;
        EXPECT_TRUE(hs == RotationScaleMax || 2 * used - 50 > width) << width;
    }
}

TEST(MagnDat, OneBlockOf121By90PerRotation) {
    MagnCellIndex b{};
    ASSERT_TRUE(MagnCell(1720, -59.5, 358.0, b));
    EXPECT_EQ(std::tuple(b.rotation, b.row, b.column), std::tuple(1720, 0, 89));
    EXPECT_FALSE(MagnCell(1720, 60.0, 10, b) || MagnCell(1717, 10, 10, b));
    ASSERT_TRUE(MagnCell(MagnFirstRotation, 10, 10, b)); // the first block is a block
    EXPECT_EQ(b.rotation, MagnFirstRotation);

    MagnDatCells m;
    ASSERT_TRUE(MagnCell(1719, 12.7, 41, b));
    m.store(b, 0x2B);
    ASSERT_EQ(m.bytes().size(), 2 * MagnBlockBytes);
    EXPECT_EQ(m.bytes()[MagnBlockBytes + 72 * 90 + 10], 0xB0);
    const MagnDatCells back = MagnDatCells::fromBytes(m.bytes(), 3);
    // The last one beyond the blocks read.
    EXPECT_EQ(std::vector<int>(
                  {back.cell(1719, 72, 10), back.cell(1720, 72, 10), back.cell(1721, 72, 10)}),
              std::vector<int>({0xB0, 0, 0}));
    // The file of a store whose last rotation is the first block's.
    TempDir dir;
    WriteFileAtomic(dir.path() / "magn.dat", std::string(MagnBlockBytes, '\x10'));
    EXPECT_EQ(MagnDatCells::read(dir.path() / "magn.dat", 1).cell(MagnFirstRotation, 5, 5), 0x10);
    // A station without the file yet: no cells, and no error.
    EXPECT_EQ(MagnDatCells::read(dir.path() / "missing.dat", 3).rotations(), 0);
}

TEST(RotationTable, OneRowPerRotationAndAGroupNumberCountedOncePerRotation) {
    std::vector<TZaznam> records = GenerateDemoRecords({1, 200, 5, {2014, 12, 31}});
    const ResultsGrid grid = BuildRotationStatistics(records, GeometryCache::of(records));
    ASSERT_GE(grid.rowCount(), 3u);
    EXPECT_EQ(grid.cells[1][0], std::to_string(records.front().Rotace));
    EXPECT_EQ(grid.cells.back()[0], std::to_string(records.back().Rotace));
    EXPECT_EQ(grid.rowCount(),
              static_cast<std::size_t>(records.back().Rotace - records.front().Rotace + 2));
    // The smoothed columns of each hemisphere (5, 6) are the 1/2-1-1-1-1/2
    // means of its own mean column (3, 4) where five rotations have one.
    const auto value = [&](std::size_t row, std::size_t col) {
        return std::stod(grid.cells[row][col]);
    };
    const auto numeric = [&](std::size_t row, std::size_t col) {
        return grid.cells[row][col].find_first_of("0123456789") != std::string::npos;
    };
    int checked = 0;
    for (std::size_t r = 3; r + 2 < grid.rowCount(); ++r)
        for (const std::size_t col : {3u, 4u}) {
            bool all = numeric(r, col + 2);
            for (std::size_t k = r - 2; k <= r + 2; ++k)
                all = all && numeric(k, col);
            if (!all) continue;
            const double mean = (0.5 * value(r - 2, col) + value(r - 1, col) + value(r, col) +
                                 value(r + 1, col) + 0.5 * value(r + 2, col)) /
                                4;
            EXPECT_NEAR(value(r, col + 2), mean, 0.02) << "row " << r << ", column " << col + 2;
            ++checked;
        }
    EXPECT_GE(checked, 6);

    // Every group numbered 1: each rotation takes that group once at most, and
    // rotations after the first still take it.
    for (TZaznam& z : records)
        for (int j = 0; j < z.PocetSkupin; ++j)
            z.Skupiny[j].CSk2 = 1;
    const int count = records.back().Rotace - records.front().Rotace + 1;
    const auto groups = CountRotationGroups(records, GeometryCache::of(records), count);
    int withGroup = 0;
    for (int r = 1; r <= count; ++r) {
        const int n = groups[std::size_t(r)].north + groups[std::size_t(r)].south;
        EXPECT_LE(n, 1) << r;
        withGroup += n;
    }
    EXPECT_GE(withGroup, count - 2);
}

// Three rotations: the first with group 1 seen twice (classes C, then D) in
// the north and group 2 (B) in the south, the second with group 3 (H) in the
// north, the third without groups. Every group lies near the central
// meridian with L0 well away from 0, so each belongs to its record's
// rotation. Cell by cell: the columns of each hemisphere in their places,
// the rotation without groups, the classes counted once per group.
TEST(RotationTable, CellsOfThreeRotations) {
    auto at = [](int d) { return RotationRecord(FormatDatum(DateFromSerial(d)).c_str()); };
    auto L0 = [&](int d) { return RecordEphemeris(at(d))->L0; };
    int day = DaySerial({2016, 4, 1});
    while (L0(day) < 150 || L0(day) > 250)
        ++day;
    TZaznam a = at(day), b = at(day + 2), c = at(day + 27), d = at(day + 54);
    AddGroupAt(a, L0(day) + 10, 10, 1, "Cao");
    AddGroupAt(a, L0(day) - 5, -20, 2, "Bxo");
    AddGroupAt(b, L0(day + 2) + 8, 10.4, 1, "Dao");
    AddGroupAt(c, L0(day + 27) - 10, 15, 3, "Hsx");
    const std::vector<TZaznam> records = {a, b, c, d};
    ASSERT_EQ(d.Rotace, a.Rotace + 2);
    const GeometryCache g = GeometryCache::of(records);
    const double n1 = g.groups(1)[0].Lat, s1 = g.groups(1)[1].Lat, n2 = g.groups(2)[0].Lat;
    const double n3 = g.groups(3)[0].Lat;
    const auto fixed = [](double v, int decimals) {
        char t[32];
        std::snprintf(t, sizeof t, "%.*f", decimals,
                      decimals == 1 ? std::nearbyint(10 * v) / 10 : v);
        return std::string(t);
    };
    const float north1 = (static_cast<float>(n1) + static_cast<float>(n2)) / 2;
    const auto r = [&](int k) { return std::to_string(a.Rotace + k) + ";"; };
    std::string cells;
    for (const auto& row : BuildRotationStatistics(records, g).cells)
        for (std::size_t k = 0; k < row.size(); ++k)
            cells += row[k] + (k + 1 < row.size() ? ";" : "\n");
    EXPECT_EQ(cells,
              "Rotace;   Sev.;   Jih;   Sev.;   Jih;   Sev.;   Jih; S max; S min; J max; J min;"
              " Asym;   A;   B;   C;   D;   E;   F;   H\n" +
                  r(0) + "1;1;" + fixed(north1, 2) + ";" + fixed(s1, 2) + ";---;---;" +
                  fixed(std::max(n1, n2), 1) + ";" + fixed(std::min(n1, n2), 1) + ";" +
                  fixed(s1, 1) + ";" + fixed(s1, 1) + ";" + fixed(double(north1) + float(s1), 2) +
                  ";0;1;0;1;0;0;0\n" + r(1) + "1;0;" + fixed(n3, 2) + ";.00;---;---;" +
                  fixed(n3, 1) + ";" + fixed(n3, 1) + ";.0;.0;" + fixed(n3, 2) +
                  ";0;0;0;0;0;0;1\n" + r(2) +
                  "----;----;----;----;---;---;----;----;----;----;----;----;----;----;----;----;"
                  "----;----\n");
}

// Seen 70 degrees east of the meridian in the rotation's last quarter (L0
// above 270, longitude below 90), a group passes the meridian in the next
// rotation's record range: it counts for the rotation before the drawing's
// Rotace, whose records run to that point, and not for its own.
TEST(RotationTable, AGroupEastOfTheMeridianLateInTheRotationCountsOnce) {
    TZaznam z = RecordWithL0({2016, 4, 1}, 300, 320);
    const TZaznam before =
        RotationRecord(FormatDatum(DateFromSerial(DaySerial(*RecordDate(z)) - 14)).c_str());
    ASSERT_EQ(before.Rotace + 1, z.Rotace);
    AddGroupAt(z, RecordEphemeris(z)->L0 + 70 - 360, 12, 1);
    const std::vector<TZaznam> records = {before, z};
    const auto groups = CountRotationGroups(records, GeometryCache::of(records), 2);
    EXPECT_EQ(std::pair(groups[1].north, groups[2].north), std::pair(1, 0));
}

// A group half a degree north counts in the north; of two southern groups the
// one farther from the equator is the south's maximum.
TEST(RotationTable, HemisphereCountsAndSouthernExtremes) {
    TZaznam z = RotationRecord("10.03.2015");
    AddGroupAt(z, 225, 0.5, 1);
    AddGroupAt(z, 235, -12, 2);
    AddGroupAt(z, 230, -25, 3);
    const std::vector<TZaznam> records = {z};
    const ResultsGrid grid = BuildRotationStatistics(records, GeometryCache::of(records));
    ASSERT_EQ(grid.rowCount(), 2u);
    const std::vector<std::string>& row = grid.cells[1];
    EXPECT_EQ(std::vector<std::string>({row[1], row[2], row[9], row[10]}),
              std::vector<std::string>({"1", "2", "-25.0", "-12.0"}));
}
