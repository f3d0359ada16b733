// The faculae area: fields rasterised into the 532 x 532 bitmap and counted
// inside the 500 x 500 square of the disk.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "drawing/faculae.h"
#include "drawing/magnetic_map.h"
#include "geometry/ephemeris.h"
#include "tests_support/records.h"
#include "tests_support/temp_dir.h"

using namespace hk;
using namespace hk::test_records;

namespace {

// The square at 45/135/225/315 degrees, distance 50 (100 pixels) has its
// corners at 210 and 350: 141 x 141 pixels with its outline.
TEST(FaculaeCount, PixelsOfKnownFields) {
    using Field = std::vector<std::pair<int, int>>;
    const Field square = {{45, 50}, {135, 50}, {225, 50}, {315, 50}};
    const struct {
        const char* name;
        std::vector<Field> fields;
        int pixels;
    } rows[] = {
        {"square", {square}, 141 * 141},
        {"the same square twice counts once", {square, square}, 141 * 141},
        // Vertices 3..6 at distance 0 are skipped: two vertices draw a line of
        // 101 pixels (distances 10 and 60 = 20 and 120 pixels).
        {"two vertices are a line", {{{90, 10}, {90, 60}}}, 101},
        // A zero vertex between used ones is skipped, later ones still count.
        {"zero vertex skipped", {{{45, 50}, {135, 50}, {0, 0}, {225, 50}, {315, 50}}}, 141 * 141},
        // From 240 to 254 pixels east (x 519..533): only x 519..529 is counted.
        {"cut at the counting square", {{{90, 120}, {90, 127}}}, 11},
        {"no fields", {}, 0},
    };
    for (const auto& c : rows) {
        TZaznam z = Record("01.03.2014");
        for (const auto& f : c.fields) {
            TSkupina& s = z.Skupiny[z.PocetFakKresleni++];
            for (std::size_t j = 0; j < f.size(); ++j)
                s.Fakule[j] = PackPosition(f[j].first, f[j].second);
        }
        EXPECT_EQ(CountFaculaePixels(z), c.pixels) << c.name;
    }
}

TEST(FaculaeArea, BitmapIsClearAfterEachCount) {
    FaculaeBitmap bitmap;
    TZaznam z = Record("01.03.2014");
    AddField(z, {{45, 50}, {135, 50}, {225, 50}, {315, 50}});
    EXPECT_EQ(CountFaculaePixels(z, bitmap), 141 * 141);
    // A second record on the same bitmap counts only its own field.
    TZaznam line = Record("02.03.2014");
    AddField(line, {{90, 10}, {90, 60}});
    EXPECT_EQ(CountFaculaePixels(line, bitmap), 101);
    for (int y = 0; y < FaculaeBitmap::Size; y += 7)
        for (int x = 0; x < FaculaeBitmap::Size; x += 7)
            ASSERT_EQ(bitmap.pixel(x, y), 255);
    // A record without fields keeps its text.
    TZaznam none = Record("03.03.2014");
    none.PlochaFakuli.setText("1234");
    EXPECT_FALSE(StoreFaculaeArea(none, bitmap));
    EXPECT_EQ(none.PlochaFakuli.text(), "1234");
}

TEST(FaculaeArea, RecountWritesEveryRecord) {
    std::vector<TZaznam> records = {Record("01.03.2014"), Record("02.03.2014"),
                                    Record("03.03.2014")};
    AddField(records[0], {{45, 50}, {135, 50}, {225, 50}, {315, 50}});
    records[1].PlochaFakuli.setText("777"); // stale text of a record without fields
    records[2].PlochaFakuli.setText("0");
    EXPECT_EQ(RecountFaculae(records), 2);
    EXPECT_EQ(records[0].PlochaFakuli.text(), "90121");
    EXPECT_EQ(records[1].PlochaFakuli.text(), "0");
    EXPECT_EQ(records[2].PlochaFakuli.text(), "0");
    EXPECT_EQ(RecountFaculae(records), 0); // nothing left to change
}

TEST(FaculaePolygon, MirroredWithTheOrientation) {
    TSkupina s{};
    s.Fakule[0] = PackPosition(90, 50);
    s.Fakule[1] = PackPosition(0, 50);
    const auto normal = FaculaePolygon(s, 1, 1);
    const auto mirrored = FaculaePolygon(s, -1, -1);
    ASSERT_EQ(normal.size(), 2u);
    // sin of the float angle is just below 1
    EXPECT_EQ(std::pair(normal[0].x, normal[1].y), std::pair(379, 180));
    EXPECT_EQ(std::pair(mirrored[0].x, mirrored[1].y), std::pair(560 - 379, 560 - 180));
}

// The magnetic-map overlay: the bounded reader and the walk over its words.
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
const Ephemeris Noon = SolarEphemeris(epoch, 1200);

TEST(MagneticOverlay, CentrePixelBrightnessAndTheEndOfTheData) {
    // Two header words, a word that is no row marker, then the pixel, then 0.
    const std::vector<std::uint16_t> words = {7, 7, 5, centreColumn | 63, 0};
    const auto pixels = MagneticOverlay(words, epoch, Noon);
    ASSERT_EQ(pixels.size(), 1u); // the closing 0 lies off the disk
    EXPECT_EQ(std::pair(pixels[0].x, pixels[0].y), std::pair(280, 280));
    EXPECT_EQ(pixels[0].c, (63 * 8 + 80) & 0xFF); // the brightness keeps the low byte
    // No closing 0: the walk stops at the last word.
    const auto two = MagneticOverlay({7, 7, 5, centreColumn | 1, 5, centreColumn | 2}, epoch, Noon);
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[1].c, 2 * 8 + 80);
    // A map ending on a row marker: the word stored after the vector's end is
    // never read.
    std::vector<std::uint16_t> marker = {7, 7, 5, centreColumn | 1, 64, centreColumn | 3};
    marker.pop_back();
    EXPECT_EQ(MagneticOverlay(marker, epoch, Noon).size(), 1u);
    EXPECT_TRUE(MagneticOverlay({7, 7}, epoch, Noon).empty());
    EXPECT_TRUE(MagneticOverlay({}, epoch, Noon).empty());
}

TEST(MagneticOverlay, RowMarkerMovesTheRowAndOrientationMirrors) {
    // After the first marker the row value is Round(212 * 1.173709) = 249:
    // the pixel of column 200 (15 pixels east) lies near the north limb.
    const std::vector<std::uint16_t> words = {7, 7, 64, (200 << 7) | 1, 0};
    const auto normal = MagneticOverlay(words, epoch, Noon, 1, 1);
    const auto mirrored = MagneticOverlay(words, epoch, Noon, -1, -1);
    ASSERT_EQ(normal.size(), 1u);
    ASSERT_EQ(mirrored.size(), 1u);
    EXPECT_LT(normal[0].y, 60);
    EXPECT_EQ(mirrored[0].x, 560 - normal[0].x);
    EXPECT_EQ(mirrored[0].y, 560 - normal[0].y);
}

} // namespace
