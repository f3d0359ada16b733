// The comparison of the magnetosphere with the maps: what the four typed
// fields accept, and which magn.dat cells a row shows for a latitude band.
#include <gtest/gtest.h>

#include <vector>

#include "maps/magnet_comparison.h"

namespace hk {
namespace {

TEST(MagnetComparison, FieldsAcceptOnlyWhatMagnDatHolds) {
    const struct {
        const char *from, *to, *cycles, *rotationText;
        bool ok;
    } rows[] = {
        {" -10", "-25 ", "1", "1718", true}, // a southern band, spaces around
        {"0", "60", "6", "2300", true},      // the last rotation
        {"61", "10", "3", "1958", false},    {"10", "10", "3", "1958", false},
        {"2O", "10", "3", "1958", false},    {"20", "10", "0", "1958", false},
        {"20", "10", "7", "1958", false},    {"20", "10", "3", "1717", false},
        {"20", "10", "3", "2301", false},    {"", "10", "3", "1958", false},
    };
    for (const auto& p : rows) {
        SCOPED_TRACE(std::string(p.from) + "|" + p.to + "|" + p.cycles + "|" + p.rotationText);
        MagnetComparisonParams v;
        v.rowHeight = 9;
        const MagnetComparisonParams pred = v;
        const auto error = ParseMagnetComparison(p.from, p.to, p.cycles, p.rotationText, 2300, v);
        EXPECT_EQ(!error.has_value(), p.ok);
        // A refused field changes nothing.
        if (!p.ok)
            EXPECT_EQ(std::pair(v.from, v.rotationText), std::pair(pred.from, pred.rotationText));
        EXPECT_TRUE(p.ok || !error->empty());
        EXPECT_EQ(v.rowHeight, 9);
    }
}

TEST(MagnetComparison, RowShowsTheStrongestCellOfTheBandOnly) {
    // Rotation 1720: column 5 has a weak cell (v = 9) at latitude 12 and a
    // strong one (v = 15) at latitude 18; column 6 a cell at latitude 30,
    // outside the band 10..20.
    MagnDatCells magnCells = MagnDatCells::fromBytes({}, 5);
    magnCells.store({1720, 12 + 60, 5}, 9);
    magnCells.store({1720, 18 + 60, 5}, 15);
    magnCells.store({1720, 30 + 60, 6}, 1);
    magnCells.store({1721, 19 + 60, 7}, 2);
    const MagnetComparisonParams v{.from = 20, .to = 10, .cycles = 2, .rotationText = 1720};
    const RotationIndex index = RotationIndex::of({});
    const std::vector<TZaznam> none;
    const GeometryCache g = GeometryCache::of(none);
    const MagnetComparison m = MakeMagnetComparison(none, g, index, magnCells, v, 3);
    EXPECT_EQ(std::pair(m.latLo, m.latHi), std::pair(10, 20));
    // No record after rotation 1720: one row of two rotations side by side.
    ASSERT_EQ(std::pair(m.rows, m.rotations.size()), std::pair(1, 2ul));
    ASSERT_TRUE(m.rotation(1720) && m.rotation(1721));
    EXPECT_EQ(std::vector<int>({m.rotation(1720)->values[5], m.rotation(1720)->values[6],
                                m.rotation(1721)->values[7]}),
              std::vector<int>({15, 0, 2}));
    EXPECT_EQ(m.rotation(1722), nullptr);
}

TEST(MagnetComparison, RowsFitTheHeight) {
    EXPECT_EQ(MagnetComparisonRows(660, 6), 100);
    EXPECT_EQ(MagnetComparisonRows(30, 6), 0);
}

} // namespace
} // namespace hk
