// Values on the very edge of a rule, where a comparison one step off or a
// loop one record too far shows: a number with a letter after it, a word one
// past its largest value, a group of area 1, the first row of magn.dat, a
// group seen twice in a rotation, a record just outside a 41-day window.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/entry_fixtures.h"
#include "core/results_fixtures.h"
#include "drawing/coordinate_table.h"
#include "drawing/drawing_records.h"
#include "graphs/asymmetry.h"
#include "graphs/asymmetry_scene.h"
#include "maps/magnet_comparison.h"
#include "maps/map_strips.h"
#include "maps/rotation_index.h"
#include "records/geometry_cache.h"
#include "records/record.h"
#include "records/session.h"
#include "records/store.h"
#include "results/largest_groups.h"
#include "results/rotation_table.h"
#include "tests_support/butterfly_records.h"
#include "tests_support/temp_dir.h"

using namespace hk;

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
    const std::pair<const char*, bool> rows[] = {
        {"drawing number with a letter after the serial", !ParseDrawingNumber("12x/21")},
        {"a record without groups and with clear positions is left as it is",
         !NeedsNormalising(results_test::Record("01.03.2014"))},
        {"65536 small spots refused", RefusesSmallSpots("65536")},
        {"a group of area 1 is among the largest",
         BuildLargestGroups(areaOne, 2014).rowCount() == 2},
        {"the third coordinate table holds months 9 - 12",
         CoordinateTableImageName(2024, 2, ".pdf") == "Souřadnice 2024 9 - 12.pdf"},
        {"only the records given are compared",
         DuplicateDateRecords(std::span(three).first(2)).empty()},
    };
    for (const auto& [name, holds] : rows)
        EXPECT_TRUE(holds) << name;
}

TEST(BoundaryValues, AsymmetryGraphIsRebuiltForAnotherSeries) {
    TempDir dir;
    Session session(dir.path());
    const AsymmetryTables tables = ComputeAsymmetry(session.records());
    AsymmetryScene scene;
    const AsymmetryPicture first = BuildAsymmetryPicture(session, tables, scene);
    scene.S = 2;
    const AsymmetryPicture second = BuildAsymmetryPicture(session, tables, scene, &first);
    ASSERT_TRUE(second.graph);
    EXPECT_EQ(second.graph->S, 2);
}

TEST(BoundaryValues, MagnetBandAtTheSouthernmostLatitudeReadsRowZero) {
    MagnDatCells cells = MagnDatCells::fromBytes({}, 5);
    cells.store({1720, 0, 5}, 9);
    const std::vector<TZaznam> none;
    const MagnetComparison m =
        MakeMagnetComparison(none, GeometryCache::of(none), RotationIndex::of(none), cells,
                             {.from = -60, .to = -59, .cycles = 1, .rotationText = 1720}, 1);
    ASSERT_TRUE(m.rotation(1720));
    EXPECT_EQ(m.rotation(1720)->values[5], 9);
}
