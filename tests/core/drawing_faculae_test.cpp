// The faculae area: fields rasterised into the 532 x 532 bitmap and counted
// inside the 500 x 500 square of the disk.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drawing/faculae.h"
#include "tests_support/records.h"

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

TEST(FaculaeArea, StoreKeepsTextOfRecordWithoutFields) {
    FaculaeBitmap bitmap;
    TZaznam z = Record("01.03.2014");
    z.PlochaFakuli.setText("1234");
    EXPECT_FALSE(StoreFaculaeArea(z, bitmap));
    EXPECT_EQ(z.PlochaFakuli.text(), "1234");
}

TEST(FaculaePolygon, MirroredWithTheOrientation) {
    TSkupina s{};
    s.Fakule[0] = PackPosition(90, 50);
    s.Fakule[1] = PackPosition(0, 50);
    const auto normal = FaculaePolygon(s, 1, 1);
    const auto mirrored = FaculaePolygon(s, -1, -1);
    ASSERT_EQ(normal.size(), 2u);
    EXPECT_EQ(normal[0].x, 379); // sin of the float angle is just below 1
    EXPECT_EQ(normal[1].y, 180);
    EXPECT_EQ(mirrored[0].x, 560 - normal[0].x);
    EXPECT_EQ(mirrored[1].y, 560 - normal[1].y);
}

} // namespace
