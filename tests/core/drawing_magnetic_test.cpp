// The magnetic-map overlay: the bounded reader and the walk over its words.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "drawing/magnetic_map.h"
#include "geometry/ephemeris.h"
#include "tests_support/temp_dir.h"

using namespace hk;

namespace {

void writeWords(const std::filesystem::path& p, const std::vector<std::uint16_t>& words,
                bool oddByte = false) {
    std::ofstream out(p, std::ios::binary);
    for (std::uint16_t w : words) {
        out.put(static_cast<char>(w & 0xFF));
        out.put(static_cast<char>(w >> 8));
    }
    if (oddByte) out.put('\x7f');
}

TEST(MagneticMapRead, BoundedToTheBuffer) {
    const struct {
        const char* name;
        std::size_t words;
        bool oddByte;
        std::size_t expectWords;
        bool truncated;
    } rows[] = {{"odd last byte ignored", 10, true, 10, false},
                {"exactly the buffer", 50002, false, 50002, false},
                {"a longer file is cut", 60000, false, 50002, true},
                {"empty", 0, false, 0, false}};
    for (const auto& c : rows) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        std::vector<std::uint16_t> words(c.words);
        for (std::size_t i = 0; i < words.size(); ++i)
            words[i] = static_cast<std::uint16_t>(i * 3 + 1);
        writeWords(dir.path() / "140301", words, c.oddByte);
        const MagneticMap map = ReadMagneticMap(dir.path() / "140301");
        EXPECT_EQ(map.words.size(), c.expectWords);
        EXPECT_EQ(map.truncated, c.truncated);
        if (!map.words.empty()) {
            EXPECT_EQ(map.words.back(), static_cast<std::uint16_t>((c.expectWords - 1) * 3 + 1));
        }
    }
}

// On 1.1.2000 the size factor is 1: column 213 lies on the centre.
const Date epoch{2000, 1, 1};
constexpr std::uint16_t centreColumn = 213 << 7;

TEST(MagneticOverlay, CentrePixelAndBrightnessKeepsTheLowByte) {
    const Ephemeris e = SolarEphemeris(epoch, 1200);
    // Two header words, a word that is no row marker, then the pixel, then 0.
    const std::vector<std::uint16_t> words = {7, 7, 5, centreColumn | 63, 0};
    const auto pixels = MagneticOverlay(words, epoch, e);
    ASSERT_EQ(pixels.size(), 1u); // the closing 0 lies off the disk
    EXPECT_EQ(pixels[0].x, 280);
    EXPECT_EQ(pixels[0].y, 280);
    EXPECT_EQ(pixels[0].c, (63 * 8 + 80) & 0xFF);
}

TEST(MagneticOverlay, EndsAtTheDataWithoutAZeroWord) {
    const Ephemeris e = SolarEphemeris(epoch, 1200);
    // No closing 0: the walk stops at the last word.
    const auto pixels = MagneticOverlay({7, 7, 5, centreColumn | 1, 5, centreColumn | 2}, epoch, e);
    ASSERT_EQ(pixels.size(), 2u);
    EXPECT_EQ(pixels[1].c, 2 * 8 + 80);
    EXPECT_TRUE(MagneticOverlay({7, 7}, epoch, e).empty());
    EXPECT_TRUE(MagneticOverlay({}, epoch, e).empty());
}

TEST(MagneticOverlay, RowMarkerMovesTheRowAndOrientationMirrors) {
    const Ephemeris e = SolarEphemeris(epoch, 1200);
    // After the first marker the row value is Round(212 * 1.173709) = 249:
    // the pixel of column 200 (15 pixels east) lies near the north limb.
    const std::vector<std::uint16_t> words = {7, 7, 64, (200 << 7) | 1, 0};
    const auto normal = MagneticOverlay(words, epoch, e, 1, 1);
    const auto mirrored = MagneticOverlay(words, epoch, e, -1, -1);
    ASSERT_EQ(normal.size(), 1u);
    ASSERT_EQ(mirrored.size(), 1u);
    EXPECT_LT(normal[0].y, 60);
    EXPECT_EQ(mirrored[0].x, 560 - normal[0].x);
    EXPECT_EQ(mirrored[0].y, 560 - normal[0].y);
}

} // namespace
