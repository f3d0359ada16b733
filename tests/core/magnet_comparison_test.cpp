// The comparison of the magnetosphere with the maps: what the four typed
// fields accept, and which magn.dat cells a row shows for a latitude band.
#include <gtest/gtest.h>

#include <vector>

#include "maps/magnet_comparison.h"

namespace hk {
namespace {

struct Pole {
    const char* name;
    const char *od, *po, *cykly, *otocka;
    bool ok;
};

class ParseMagnetComparisonTest : public testing::TestWithParam<Pole> {};

TEST_P(ParseMagnetComparisonTest, AcceptsOnlyWhatMagnDatHolds) {
    const Pole& p = GetParam();
    MagnetComparisonParams v;
    v.vyskaRadku = 9;
    const MagnetComparisonParams pred = v;
    const auto chyba = ParseMagnetComparison(p.od, p.po, p.cykly, p.otocka, 2300, v);
    EXPECT_EQ(!chyba.has_value(), p.ok);
    if (!p.ok) {
        // A refused field changes nothing.
        EXPECT_EQ(v.od, pred.od);
        EXPECT_EQ(v.otocka, pred.otocka);
        EXPECT_FALSE(chyba->empty());
    }
    EXPECT_EQ(v.vyskaRadku, 9);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ParseMagnetComparisonTest,
    testing::Values(Pole{"south_band_with_spaces", " -10", "-25 ", "1", "1718", true},
                    Pole{"last_rotation", "0", "60", "6", "2300", true},
                    Pole{"latitude_beyond_60", "61", "10", "3", "1958", false},
                    Pole{"equal_edges", "10", "10", "3", "1958", false},
                    Pole{"not_a_number", "2O", "10", "3", "1958", false},
                    Pole{"no_cycles", "20", "10", "0", "1958", false},
                    Pole{"too_many_cycles", "20", "10", "7", "1958", false},
                    Pole{"before_magn_dat", "20", "10", "3", "1717", false},
                    Pole{"after_the_last_record", "20", "10", "3", "2301", false},
                    Pole{"empty", "", "10", "3", "1958", false}),
    [](const testing::TestParamInfo<Pole>& i) { return i.param.name; });

TEST(MagnetComparison, RowShowsTheStrongestCellOfTheBandOnly) {
    // Rotation 1720: column 5 has a weak cell (v = 9) at latitude 12 and a
    // strong one (v = 15) at latitude 18; column 6 a cell at latitude 30,
    // outside the band 10..20.
    MagnData magn = MagnData::fromBytes({}, 5);
    magn.store({1720, 12 + 60, 5}, 9);
    magn.store({1720, 18 + 60, 5}, 15);
    magn.store({1720, 30 + 60, 6}, 1);
    magn.store({1721, 19 + 60, 7}, 2);
    const MagnetComparisonParams v{.od = 20, .po = 10, .cykly = 2, .otocka = 1720};
    const RotationIndex index = RotationIndex::of({});
    const std::vector<TZaznam> zadne;
    const GeometryCache g = GeometryCache::of(zadne);
    const MagnetComparison m = MakeMagnetComparison(zadne, g, index, magn, v, 3);
    EXPECT_EQ(m.latLo, 10);
    EXPECT_EQ(m.latHi, 20);
    ASSERT_EQ(m.rows, 1);              // no record after rotation 1720
    ASSERT_EQ(m.rotations.size(), 2u); // a row shows two rotations side by side
    const MagnetComparisonRotation* r = m.rotation(1720);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->values[5], 15);
    EXPECT_EQ(r->values[6], 0);
    EXPECT_EQ(m.rotation(1721)->values[7], 2);
    EXPECT_EQ(m.rotation(1722), nullptr);
}

TEST(MagnetComparison, RowsFitTheHeight) {
    EXPECT_EQ(MagnetComparisonRows(660, 6), 100);
    EXPECT_EQ(MagnetComparisonRows(30, 6), 0);
}

} // namespace
} // namespace hk
