// Values on the very edge of a rule, where a comparison one step off or a
// loop one record too far shows: a number with a letter after it, a word one
// past its largest value, a group of area 1, the first row of magn.dat, a
// group seen twice in a rotation, a record just outside a 41-day window,
// strokes meeting at the picture's first column.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <numbers>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/entry_fixtures.h"
#include "core/results_fixtures.h"
#include "drawing/coordinate_table.h"
#include "drawing/drawing_records.h"
#include "drawing/faculae_bitmap.h"
#include "geometry/calendar.h"
#include "geometry/ephemeris.h"
#include "graphs/asymmetry.h"
#include "graphs/asymmetry_scene.h"
#include "graphs/butterfly_model.h"
#include "graphs/corona.h"
#include "graphs/graph_scene.h"
#include "io/atomic_file.h"
#include "maps/corona_views.h"
#include "maps/magnet_comparison.h"
#include "maps/magnetosphere.h"
#include "maps/map_scene.h"
#include "maps/map_strips.h"
#include "maps/rotation_index.h"
#include "measure/calibration.h"
#include "measure/spot_finder.h"
#include "measure/spot_proposals.h"
#include "records/geometry_cache.h"
#include "records/program_dir.h"
#include "records/record.h"
#include "records/record_file.h"
#include "records/session.h"
#include "records/startup_series.h"
#include "records/store.h"
#include "results/group_evolution.h"
#include "results/group_latitudes.h"
#include "results/largest_groups.h"
#include "results/report_file.h"
#include "results/report_text.h"
#include "results/rotation_table.h"
#include "tests_support/butterfly_records.h"
#include "tests_support/temp_dir.h"

using namespace hk;

namespace {

// A square of white paper with pencil strokes on it, and the spots the finder
// takes from it with the disk's centre and north point given.
class Paper {
  public:
    explicit Paper(int side) : side_(side), pixels_(std::size_t(side) * side, 220) {}
    void ink(int x0, int y0, int x1, int y1) {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                pixels_[std::size_t(y) * side_ + x] = 30;
    }
    SpotFinding find(PicturePoint centre, PicturePoint north) const {
        return FindSpots({side_, side_, side_, pixels_.data()}, Calibrate(centre, north),
                         Ephemeris{});
    }

  private:
    int side_;
    std::vector<std::uint8_t> pixels_;
};

} // namespace

TEST(BoundaryValues, EdgesOfDatesRotationsAndViews) {
    // Group 5 (29.01.2015, rotation 2159, L0 37) and group 6 (25.02.2015, rotation
    // 2160, L0 41) both lie beyond longitude 270, just come round the east limb:
    // each belongs to the rotation after its drawing's, so 2160's evolution shows 5, not 6.
    std::vector<TZaznam> late = {test::RotationRecord("29.01.2015"),
                                 test::RotationRecord("25.02.2015")};
    test::AddGroupAt(late[0], 340, 10, 5);
    test::AddGroupAt(late[1], 345, 10, 6);
    const ResultsGrid evolution = BuildGroupEvolution(late, GeometryCache::of(late), 2160);
    // The last record changed and then erased leaves nothing to compute.
    GeometryCache erased = GeometryCache::of(late);
    erased.markChanged(1);
    erased.erase({1});
    // The centre of the magnetogram of 11.02.1982 lies in magn.dat's first rotation.
    MagnCellIndex firstCell{};
    const bool summed =
        MagnetogramSummation(SolarEphemeris({1982, 2, 11}, 1200)).cell(215, 255, firstCell);
    const std::pair<const char*, bool> rows[] = {
        {"a day of three digits is no date", !ParseDatum("001.03.2014")},
        {"L0 5.08 on 06.04.1963 still lies in rotation 1465",
         SolarEphemeris({1963, 4, 6}, 0).CarrRotation == 1465},
        {"the corona graph's first position starts at the table's first day",
         MakeCoronaGraph(CoronaTable{}, 1).firstRow == 0},
        {"a group come round the limb late in the rotation before is in the evolution",
         evolution.cells[0][5] == "   5"},
        {"a group come round the limb late in the rotation is not", evolution.cells[0][6].empty()},
        {"an erased changed record is not computed again", erased.clean()},
        {"the first rotation of magn.dat is summed", summed && firstCell.rotation == 1718},
    };
    for (const auto& [name, holds] : rows)
        EXPECT_TRUE(holds) << name;
}

namespace {

bool RefusesSmallSpots(const char* count) {
    EntryForm f = entry_test::ValidForm();
    f.groups[0][column::MalS] = count;
    return !ConfirmEntry(f, TZaznam{}, entry_test::Context(EntryMode::New, {})).record;
}

} // namespace

TEST(BoundaryValues, EdgesOfTheRules) {
    using results_test::Drawing;
    const std::vector<TZaznam> areaOne = {
        Drawing("01.03.2014", 1200, {{.groupClass = "Axx", .area = 1}})};
    // The third record shares the second's date but lies outside the records asked about.
    const std::vector<TZaznam> three = {results_test::Record("01.03.2014"),
                                        results_test::Record("02.03.2014"),
                                        results_test::Record("02.03.2014")};
    const std::vector<char> twoBytes = {'a', 'b'}; // no terminator after them
    const std::pair<const char*, bool> rows[] = {
        {"drawing number with a letter after the serial", !ParseDrawingNumber("12x/21")},
        {"a record without groups and with clear positions is left as it is",
         !NeedsNormalising(results_test::Record("01.03.2014"))},
        {"65536 small spots refused", RefusesSmallSpots("65536")},
        {"a drawing at another time of the same day is new",
         ConfirmEntry(entry_test::ValidForm(), TZaznam{},
                      entry_test::Context(EntryMode::New, {entry_test::Record("15.06.2014")}))
             .record.has_value()},
        {"a group of area 1 is among the largest",
         BuildLargestGroups(areaOne, 2014).rowCount() == 2},
        {"the third coordinate table holds months 9 - 12",
         CoordinateTableImageName(2024, 2, ".pdf") == "Souřadnice 2024 9 - 12.pdf"},
        {"only the records given are compared",
         DuplicateDateRecords(std::span(three).first(2)).empty()},
        {"a text is cut within its own bytes",
         CutChars(std::string_view(twoBytes.data(), twoBytes.size()), 5) == "ab"},
    };
    for (const auto& [name, holds] : rows)
        EXPECT_TRUE(holds) << name;
}

TEST(BoundaryValues, AsymmetryGraphIsRebuiltForAnotherSeriesOrStore) {
    TempDir dir;
    Session session(dir.path());
    const AsymmetryTables tables = ComputeAsymmetry(session.records());
    AsymmetryScene scene;
    const AsymmetryPicture first = BuildAsymmetryPicture(session, tables, scene);
    scene.S = 2;
    const AsymmetryPicture second = BuildAsymmetryPicture(session, tables, scene, &first);
    ASSERT_TRUE(second.graph);
    EXPECT_EQ(second.graph->S, 2);
    // ... and for the same series once the store has changed.
    session.mergeRecords(std::vector{results_test::Record("01.03.2014")});
    EXPECT_NE(BuildAsymmetryPicture(session, tables, scene, &second).graph, second.graph);
}

// The band's edges: from -60 it reads magn.dat's first row; a group exactly
// on its lower edge is in it (group 1 of 10.02.2015 drawn at angle 3.7°,
// distance 67.2 lies at latitude 24 in single precision).
TEST(BoundaryValues, MagnetBandEdges) {
    MagnDatCells cells = MagnDatCells::fromBytes({}, 5);
    cells.store({1720, 0, 5}, 9);
    const std::vector<TZaznam> none;
    const MagnetComparison south =
        MakeMagnetComparison(none, GeometryCache::of(none), RotationIndex::of(none), cells,
                             {.from = -60, .to = -59, .cycles = 1, .rotationText = 1720}, 1);
    ASSERT_TRUE(south.rotation(1720));
    EXPECT_EQ(south.rotation(1720)->values[5], 9);

    std::vector<TZaznam> records = {test::RotationRecord("10.02.2015")};
    test_records::AddGroup(records[0], "Dao", 37, 672).CSk2 = 1;
    const GeometryCache g = GeometryCache::of(records);
    ASSERT_EQ(static_cast<float>(g.groups(1)[0].Lat), 24.0f);
    const MagnetComparison edge =
        MakeMagnetComparison(records, g, RotationIndex::of(records), MagnDatCells{},
                             {.from = 30, .to = 24, .cycles = 1, .rotationText = 2160}, 1);
    ASSERT_TRUE(edge.rotation(2160));
    EXPECT_EQ(edge.rotation(2160)->groups.size(), 1u);
}

// Group 1 seen on two days of rotation 2160 at longitude 240, latitude 20:
// the strip places the mean of the two observations.
TEST(BoundaryValues, StripPlacesTheMeanOfAGroupSeenTwice) {
    std::vector<TZaznam> records;
    for (const char* date : {"10.02.2015", "11.02.2015"}) {
        records.push_back(test::RotationRecord(date));
        test::AddGroupAt(records.back(), 240, 20, 1);
    }
    const MapStrip strip = MakeMapStrip(records, GeometryCache::of(records),
                                        RotationIndex::of(records), 2160, StripKind::High, 2);
    ASSERT_EQ(strip.groups.size(), 1u);
    EXPECT_NEAR(strip.groups[0].x, StripX(240, StripKind::High, 2), 1);
    EXPECT_NEAR(strip.groups[0].y, StripY(20, StripKind::High, 2), 1);
}

// Rotation 2161's groups are looked for in the records from 01.02.2015 on
// (the first record, of rotation 2160) up to 40 days after it: a group seen
// on 18.03 (45 days after) is not counted, even though a record of 21.02
// lies within 41 days of it.
TEST(BoundaryValues, RotationWindowRunsFromItsFirstRecord) {
    for (const auto& [date, counted] : {std::pair{"10.03.2015", 1}, {"18.03.2015", 0}}) {
        std::vector<TZaznam> records = {test::RotationRecord("01.02.2015"),
                                        test::RotationRecord("21.02.2015"),
                                        test::RotationRecord(date)};
        test::AddGroupAt(records[2], records[2].L0 + 20, 15, 1);
        const auto groups = CountRotationGroups(records, GeometryCache::of(records), 2);
        EXPECT_EQ(groups[2].north + groups[2].south, counted) << date;
    }
}

// A scan whose disk runs past the picture's left edge: where a stroke along
// that edge meets one leaving it (to the right, then up) there is no spot;
// the spot drawn beside them is the one found.
TEST(BoundaryValues, StrokesMeetingAtThePictureEdgeAreNoSpot) {
    Paper paper(400);
    paper.ink(50, 99, 250, 101); // two lines to measure the strokes by
    paper.ink(50, 299, 250, 301);
    paper.ink(0, 199, 5, 204); // the corner
    paper.ink(0, 201, 60, 203);
    paper.ink(58, 150, 60, 203);
    paper.ink(0, 199, 2, 250);
    paper.ink(150, 200, 159, 209); // the spot
    const SpotFinding found = paper.find({120, 200}, {120, 20});
    ASSERT_EQ(found.spots.size(), 1u);
    EXPECT_NEAR(found.spots[0].x, 154.5, 0.5);
}

// Limits met by the first or last value they allow: a corona table of
// exactly one rotation's days, a drawing dated the day after the range, the
// first record of the store, a report named to leave its folder, a group
// number one past the last group.
TEST(BoundaryValues, FirstAndLastOfARange) {
    CoronaTable corona;
    corona.coronaBytes.assign(27 * CoronaRowBytes, 10);
    corona.coronaLength = corona.coronaBytes.size();
    const std::vector<TZaznam> march = {results_test::Record("01.03.2014"),
                                        results_test::Record("05.03.2014")};
    TempDir dir;
    Session session(dir.path());
    session.load(Date{2026, 12, 6});
    TZaznam measured = session.record(1);
    measured.Cas = 777;
    session.replaceMeasured(1, measured);
    auto throws = [&](const ReportFile& r) {
        try {
            WriteReportFile(ProgramDir(dir.path()), r);
        } catch (const std::runtime_error&) {
            return true;
        }
        return false;
    };
    session.mergeRecords(std::vector{results_test::Record("01.03.2014")});
    const SplitResult sameDay = session.split({{{}, {"01.03.2014", "01.03.2014"}, {}, {}, {}}});
    SpotFinding finding;
    finding.spots.resize(2);
    finding.groups = {{0}, {1}};
    SpotProposals proposals(finding);
    EntryForm manySpots = entry_test::ValidForm();
    manySpots.groups[0][column::Poc] = "256";
    GraphScene periodAfterTheLast;
    periodAfterTheLast.from = Date{2030, 1, 1};
    const std::pair<const char*, bool> rows[] = {
        {"27 days of corona make one rotation's column",
         CoronaRotationAverages(corona).size() == 1},
        {"a drawing after the range's end is left out",
         RecordsBetween(march, Date{2014, 3, 1}, Date{2014, 3, 4}).size() == 1},
        {"a measurement replaces the first record", session.record(1).Cas == 777},
        {"a report name leading out of its folder is refused",
         throws({.folder = "Mesice", .name = "../x.txt", .text = "x"})},
        {"a later row from a date to the same date holds no record",
         sameDay.rows.size() == 1 && sameDay.rows[0].count == 0},
        {"a period opened only at its start after the last drawing is empty",
         BuildGraphPicture(session, periodAfterTheLast).emptyPeriod},
        {"no group past the last merges", !proposals.mergeGroups(2, 0)},
        {"no group before the first merges", !proposals.mergeGroups(0, -1)},
        {"256 spots in a group refused",
         !ConfirmEntry(manySpots, TZaznam{}, entry_test::Context(EntryMode::New, {})).record},
    };
    for (const auto& [name, holds] : rows)
        EXPECT_TRUE(holds) << name;
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "x.txt"));
}

// A dotted outline at 8 px per mm whose dots of 7 x 7 px lie 8 px apart,
// then 10 px apart: the two dots where the spacing changes (15 px apart,
// exactly one and a half of the wider spacing) keep the line one outline,
// and only the spot drawn beside it is found.
TEST(BoundaryValues, DottedOutlineWhoseSpacingWidensIsNoSpot) {
    Paper paper(1000);
    for (int x : {400, 408, 416, 424, 432, 447, 457, 467, 477, 487})
        paper.ink(x - 3, 497, x + 3, 503);
    paper.ink(200, 199, 800, 201); // two lines to measure the strokes by
    paper.ink(200, 799, 800, 801);
    paper.ink(600, 600, 615, 615); // the spot
    const SpotFinding found = paper.find({500, 500}, {500, -500});
    ASSERT_EQ(found.spots.size(), 1u);
    EXPECT_NEAR(found.spots[0].x, 607.5, 0.5);
}

// The magnetosphere of the first rotation after the first drawing's is read
// for the 39 days from 6 days before its first drawing (25.02.2015): a
// magnetogram of 03.02.2015 lies before them, one of 24.02.2015 within.
TEST(BoundaryValues, FirstRotationReadsTheMagnetogramsOfItsFirstDrawing) {
    TempDir dir;
    const std::vector<TZaznam> records = {test::RotationRecord("29.01.2015"),
                                          test::RotationRecord("25.02.2015")};
    WriteRecordFile(dir.path() / "datax.dat", records);
    std::filesystem::create_directories(dir.path() / "Magneto");
    for (const auto& [name, date] :
         {std::pair{"150203", Date{2015, 2, 3}}, {"150224", Date{2015, 2, 24}}}) {
        // Empty rows (64) up to that of one pixel of value 9 on the central
        // meridian at latitude 0, then the end of its row.
        const Ephemeris e = SolarEphemeris(date, 1200);
        const DiskPolar p = HeliographicToPolar(e, float(e.L0), 0);
        const double a = (p.Angle - e.P) * std::numbers::pi / 180;
        const long row = std::lround(213 - p.Dist * std::cos(a) / 1.173709);
        const long column = std::lround(250 - p.Dist * std::sin(a) / 1.173709);
        std::vector<long> words(std::size_t(row - 1), 64);
        words.insert(words.end(), {column * 128 + 9, 64});
        std::string bytes;
        for (long w : words)
            bytes += {char(w & 0xFF), char(w >> 8)};
        WriteFileAtomic(dir.path() / "Magneto" / name, bytes);
    }
    Session session(dir.path());
    session.load(Date{2026, 12, 6});
    MapScene scene;
    scene.rotation = int(records[1].Rotace);
    scene.layers.magnetosphereOn = true;
    const MapPicture picture = BuildMapPicture(session, {CoronaTable{}, MagnDatCells{}}, scene);
    EXPECT_EQ(picture.magnet.pixels.size(), 1u);
}

// A disk running past the picture's top edge: a spot drawn on the first row
// is found like any other.
TEST(BoundaryValues, SpotOnThePictureFirstRowIsFound) {
    Paper paper(400);
    paper.ink(100, 49, 300, 51); // two lines to measure the strokes by
    paper.ink(100, 249, 300, 251);
    paper.ink(150, 0, 159, 9); // the spot
    const SpotFinding found = paper.find({200, 150}, {200, -30});
    ASSERT_EQ(found.spots.size(), 1u);
    EXPECT_NEAR(found.spots[0].x, 154.5, 0.5);
}

// A dotted outline of 6 x 6 px dots 8 px apart along y = 300 (well away from
// x), the dot at x = 540 touching a stroke: that dot lies between two dots of
// the line, so it is a part of the line, not a spot.
TEST(BoundaryValues, DotOfAnOutlineTouchingAStrokeIsNoSpot) {
    Paper paper(1000);
    for (int x = 452; x <= 628; x += 8)
        paper.ink(x - 3, 297, x + 2, 302);
    paper.ink(539, 303, 540, 450); // the stroke
    paper.ink(200, 199, 800, 201); // two lines to measure the strokes by
    paper.ink(200, 799, 800, 801);
    paper.ink(600, 600, 615, 615); // the spot
    const SpotFinding found = paper.find({500, 500}, {500, -500});
    ASSERT_EQ(found.spots.size(), 1u);
    EXPECT_NEAR(found.spots[0].x, 607.5, 0.5);
}

// Thin strokes and one a little wider: a round spot of radius 3 px is still
// wider than nearly every stretch of stroke, so it is found.
TEST(BoundaryValues, SpotJustWiderThanTheWidestStrokesIsFound) {
    Paper paper(400);
    paper.ink(100, 49, 300, 51); // strokes 3 px and 5 px wide
    paper.ink(100, 249, 300, 251);
    paper.ink(100, 200, 200, 204);
    for (int y = -3; y <= 3; ++y) // the spot
        for (int x = -3; x <= 3; ++x)
            if (x * x + y * y <= 9) paper.ink(160 + x, 160 + y, 160 + x, 160 + y);
    const SpotFinding found = paper.find({200, 150}, {200, -30});
    ASSERT_EQ(found.spots.size(), 1u);
    EXPECT_NEAR(found.spots[0].x, 160, 0.5);
}

// The faculae bitmap's first row and last column, a class whose third letter
// is no small letter, and a drawing two years before the archive's first.
TEST(BoundaryValues, EdgesOfTheBitmapClassesAndYears) {
    FaculaeBitmap bitmap;
    bitmap.fillPolygon(std::vector<DrawingPoint>{{0, 0}, {FaculaeBitmap::Size - 1, 0}});
    EXPECT_EQ(bitmap.pixel(100, 0), 0);
    const int last = FaculaeBitmap::Size - 1;
    bitmap.fillPolygon(std::vector<DrawingPoint>{{last, 5}, {last, 20}});
    // A field running off the bottom fills the last row.
    bitmap.fillPolygon(std::vector<DrawingPoint>{
        {100, last - 3}, {110, last - 3}, {110, last + 9}, {100, last + 9}});
    EXPECT_EQ(bitmap.pixel(105, last), 0);
    bitmap.countAndClear();
    EXPECT_EQ(bitmap.pixel(last, 10), 255);
    EXPECT_EQ(bitmap.pixel(100, 0), 255);

    // "Ht^" would index the slot of "Hsx" if the third letter went unchecked.
    EXPECT_EQ(GroupClassIndex("Ht^"), 0);

    using results_test::Drawing;
    const std::vector<TZaznam> records = {Drawing("01.03.2014", 1200, {{.groupClass = "Axx"}}),
                                          Drawing("01.03.2012", 1200, {{.groupClass = "Axx"}}),
                                          Drawing("02.03.2014", 1200, {{.groupClass = "Axx"}})};
    const GroupLatitudes v = ComputeGroupLatitudes(records, GeometryCache::of(records));
    ASSERT_EQ(v.yearTable.size(), 2u);
    EXPECT_GT(v.yearTable[1].northMax, 0.0f);
    // A cache of other records (here of none) is not read past its end.
    EXPECT_EQ(ComputeGroupLatitudes(records, GeometryCache{}).rotationTable.size(), 1u);
}

// A daily series file of 10,000 bytes is a whole-disk, north and south file
// (three values a day); below that it holds the whole disk only.
TEST(BoundaryValues, DailySeriesFileOfTheLimitSizeHoldsThreeValues) {
    std::string bytes = "2014 01 01 2014.001  5  12  34\n";
    bytes.resize(10000, '\n');
    DailySeries series;
    ParseDailySeriesFile(bytes, 2014, series);
    EXPECT_EQ(series.known({2014, 1, 1}, 1), std::optional<std::uint16_t>(12));
}
